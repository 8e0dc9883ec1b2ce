#include "device/catalog.h"

#include <QSettings>

namespace {

quint16 readHex16(const QSettings &ini, const QString &key)
{
    bool ok = false;
    const uint value = ini.value(key).toString().trimmed().toUInt(&ok, 16);
    return ok ? static_cast<quint16>(value) : 0;
}

} // namespace

QList<CatalogEntry> readCatalog(const QStringList &displayNames, const QString &path)
{
    const QSettings ini(path, QSettings::IniFormat);
    const int total = qBound(0, ini.value(QStringLiteral("common/total")).toInt(), kMaxCatalogEntries);

    QList<CatalogEntry> entries;
    entries.reserve(total);
    for (int i = 0; i < total; ++i) {
        const QString group = QString::number(i) + QLatin1Char('/');
        CatalogEntry e;
        e.vid = readHex16(ini, group + QStringLiteral("vid"));
        e.pid = readHex16(ini, group + QStringLiteral("pid"));
        e.usagePage = readHex16(ini, group + QStringLiteral("usagePage"));
        e.usage = readHex16(ini, group + QStringLiteral("usage"));
        e.usagePage2 = readHex16(ini, group + QStringLiteral("usagePage2"));
        e.usage2 = readHex16(ini, group + QStringLiteral("usage2"));
        e.reportLength = ini.value(group + QStringLiteral("reportLength")).toUInt();
        e.name = displayNames.value(i);
        entries.append(e);
    }
    return entries;
}
