#include "data/read_only_ini.h"

#include "data/log.h"
#include "data/safe_file.h"

#include <QFileInfo>

ReadOnlyIni::ReadOnlyIni(const QString &path)
{
    if (SafeFile::isReadableFile(path)) {
        settings_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
    } else if (QFileInfo::exists(path)) {
        qCWarning(lcData) << "not read, not a usable data file:" << path;
    }
}

ReadOnlyIni::~ReadOnlyIni() = default;

QVariant ReadOnlyIni::value(const QString &key, const QVariant &fallback) const
{
    return settings_ ? settings_->value(key, fallback) : fallback;
}

bool ReadOnlyIni::contains(const QString &key) const
{
    return settings_ && settings_->contains(key);
}

QStringList ReadOnlyIni::allKeys() const
{
    return settings_ ? settings_->allKeys() : QStringList();
}

bool ReadOnlyIni::isWellFormed() const
{
    return settings_ && settings_->status() == QSettings::NoError;
}
