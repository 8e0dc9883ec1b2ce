#pragma once
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

// A short-lived, read-only view of one INI file. The file is opened only when
// it is a regular, readable file of reasonable size (SafeFile's limit);
// otherwise every key reads as absent. Nothing is ever written back.
// Owns no file: it reads the one it is given.
class ReadOnlyIni
{
public:
    explicit ReadOnlyIni(const QString &path);
    ~ReadOnlyIni();
    ReadOnlyIni(const ReadOnlyIni &) = delete;
    ReadOnlyIni &operator=(const ReadOnlyIni &) = delete;

    QVariant value(const QString &key, const QVariant &fallback = QVariant()) const;
    bool contains(const QString &key) const;
    QStringList allKeys() const;

    // The file was opened and parsed without a format error.
    bool isWellFormed() const;

private:
    std::unique_ptr<QSettings> settings_;
};
