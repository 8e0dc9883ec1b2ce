#include "data/app_config.h"

#include "data/ini_value.h"
#include "data/read_only_ini.h"
#include "data/safe_file.h"

#include <QDir>

#include <algorithm>

#include <utility>

namespace {

const QString kTotalKey = QStringLiteral("common/total");
const QString kEntryPrefix = QStringLiteral("common/");

} // namespace

AppConfig::AppConfig(DataPaths paths)
    : paths_(std::move(paths))
{
    open();
}

AppConfig::~AppConfig() = default;

void AppConfig::open()
{
    store_ = std::make_unique<QSettings>(paths_.apConfigFile(), QSettings::IniFormat);
}

QVariantList AppConfig::loadApConfig() const
{
    QVariantList list;
    for (int i = 0;; ++i) {
        const int total = std::min(IniValue::toInt(store_->value(kTotalKey, 0)), kMaxSettingsEntries);
        if (i >= total)
            break;
        list.append(store_->value(kEntryPrefix + QString::number(i), 0));
    }
    return list;
}

void AppConfig::saveApConfig(const QVariantList &apConfigs)
{
    store_->setValue(kTotalKey, static_cast<int>(apConfigs.size()));
    for (qsizetype i = 0; i < apConfigs.size(); ++i)
        store_->setValue(kEntryPrefix + QString::number(i), IniValue::storable(apConfigs.at(i)));
}

bool AppConfig::resetApconfig()
{
    // Pending changes go to the old file first, so that the store released
    // below has nothing left to write over the restored one.
    store_->sync();
    const bool replaced = SafeFile::replaceWithCopy(paths_.apConfigFactoryFile(), paths_.apConfigFile());
    store_.reset();
    open();
    return replaced;
}

bool AppConfig::getIsSkinShow() const
{
    const QDir img(paths_.imgDir());
    return img.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted).size() > 1;
}

QString AppConfig::windowTitle() const
{
    const ReadOnlyIni ini(paths_.apConfigFile());
    return IniValue::toText(ini.value(QStringLiteral("common/name")));
}

QStringList AppConfig::productNames() const
{
    return IniValue::toTextList(store_->value(QStringLiteral("common/product_name")));
}

void AppConfig::sync()
{
    store_->sync();
}

QString AppConfig::fileName() const
{
    return store_->fileName();
}
