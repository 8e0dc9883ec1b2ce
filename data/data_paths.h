#pragma once
#include <QString>

// Where every file of the stored data lives. The program runs with the
// executable's folder as its current directory and keeps its data under
// "./modules"; tests point an instance at a temporary folder instead.
// Owns no file itself: it only spells the paths.
class DataPaths
{
public:
    static constexpr const char *kDefaultBase = "./modules";

    explicit DataPaths(QString base = QString::fromLatin1(kDefaultBase));

    const QString &base() const { return base_; }

    QString settingDir() const;
    QString apConfigFile() const;          // setting/apConfig.bin
    QString apConfigFactoryFile() const;   // setting/apConfigD.bin
    QString hwDefFile() const;             // setting/HWDef.bin
    QString keyCodeDefFile() const;        // setting/KeyCodeDef.bin
    QString profileFile(int number) const; // setting/p<number>.bin, number from 1
    QString defaultProfileFile() const;    // setting/pD.bin

    QString macroDir() const;
    QString macroFile(const QString &name) const; // macro/<name>.bin

    QString i18nDir() const;
    QString languageFile(const QString &code) const; // i18n/lang_<code>.ini

    QString imgDir() const;

private:
    QString base_;
};
