#include "data/data_paths.h"

#include <utility>

DataPaths::DataPaths(QString base)
    : base_(std::move(base))
{
    while (base_.size() > 1 && base_.endsWith(QLatin1Char('/')))
        base_.chop(1);
}

QString DataPaths::settingDir() const { return base_ + QStringLiteral("/setting"); }
QString DataPaths::apConfigFile() const { return settingDir() + QStringLiteral("/apConfig.bin"); }
QString DataPaths::apConfigFactoryFile() const { return settingDir() + QStringLiteral("/apConfigD.bin"); }
QString DataPaths::hwDefFile() const { return settingDir() + QStringLiteral("/HWDef.bin"); }
QString DataPaths::keyCodeDefFile() const { return settingDir() + QStringLiteral("/KeyCodeDef.bin"); }

QString DataPaths::profileFile(int number) const
{
    return settingDir() + QStringLiteral("/p") + QString::number(number) + QStringLiteral(".bin");
}

QString DataPaths::defaultProfileFile() const { return settingDir() + QStringLiteral("/pD.bin"); }

QString DataPaths::macroDir() const { return base_ + QStringLiteral("/macro"); }

QString DataPaths::macroFile(const QString &name) const
{
    return macroDir() + QLatin1Char('/') + name + QStringLiteral(".bin");
}

QString DataPaths::i18nDir() const { return base_ + QStringLiteral("/i18n"); }

QString DataPaths::languageFile(const QString &code) const
{
    return i18nDir() + QStringLiteral("/lang_") + code + QStringLiteral(".ini");
}

QString DataPaths::imgDir() const { return base_ + QStringLiteral("/img"); }
