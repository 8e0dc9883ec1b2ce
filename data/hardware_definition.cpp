#include "data/hardware_definition.h"

#include "data/ini_value.h"
#include "data/log.h"
#include "data/read_only_ini.h"

#include <algorithm>
#include <utility>

namespace {

QVariantList asVariantList(const QStringList &texts)
{
    QVariantList out;
    out.reserve(texts.size());
    for (const QString &t : texts)
        out.append(t);
    return out;
}

} // namespace

HardwareDefinition::HardwareDefinition(DataPaths paths)
    : paths_(std::move(paths))
{
}

HardwareLimits HardwareDefinition::readLimits() const
{
    const ReadOnlyIni s(paths_.hwDefFile());
    HardwareLimits limits;
    limits.kbLayoutType = static_cast<uchar>(
        IniValue::toUnsigned(s.value(QStringLiteral("common/kbLayoutType"))) & 0xFF);
    limits.maxMacro = static_cast<uchar>(std::min<qulonglong>(
        IniValue::toUnsigned(s.value(QStringLiteral("common/maxMacro"))), kMaxMacros));
    limits.maxProfile = static_cast<uchar>(std::min<qulonglong>(
        IniValue::toUnsigned(s.value(QStringLiteral("common/maxProfile"))), kMaxProfiles));
    return limits;
}

QVariantList HardwareDefinition::loadHWDef(uchar layoutType) const
{
    const ReadOnlyIni s(paths_.hwDefFile());
    const QString group = QString::number(layoutType) + QLatin1Char('/');

    const int totalHW = std::clamp(IniValue::toInt(s.value(group + QStringLiteral("total_HW"))),
                                   0, kMaxLayoutEntries);
    const int totalFW = std::clamp(IniValue::toInt(s.value(group + QStringLiteral("total_FW"))),
                                   0, kMatrixPositions);

    QVariantList out;
    out.reserve(2 + kEntryItems * totalHW);
    out.append(0);
    out.append(totalFW);
    int listed = 0;
    for (int i = 1; i <= totalHW; ++i) {
        const QStringList items = IniValue::toTextList(s.value(group + QString::number(i)));
        if (items.size() < kEntryItems) {
            qCWarning(lcData) << "HWDef entry" << group + QString::number(i)
                              << "has" << items.size() << "items, left out";
            continue;
        }
        out.append(IniValue::toInt(items.at(0)));
        out.append(IniValue::toInt(items.at(1)));
        out.append(IniValue::toInt(items.at(2)));
        out.append(items.at(3));
        out.append(IniValue::toInt(items.at(4)));
        out.append(static_cast<uint>(IniValue::toUnsigned(items.at(5)) & 0xFFFFFFFFu));
        ++listed;
    }
    out[0] = listed;
    return out;
}

QVariantList HardwareDefinition::loadUsbStr() const
{
    const ReadOnlyIni ini(paths_.keyCodeDefFile());
    return asVariantList(IniValue::toTextList(ini.value(QStringLiteral("common/usbStr"))));
}

QVariantList HardwareDefinition::loadUsbCode() const
{
    const ReadOnlyIni ini(paths_.keyCodeDefFile());
    return asVariantList(IniValue::toTextList(ini.value(QStringLiteral("common/usbCode"))));
}

KeyNameTable HardwareDefinition::keyNameCodes() const
{
    return keyNameCodes(loadUsbStr(), loadUsbCode());
}

KeyNameTable HardwareDefinition::keyNameCodes(const QVariantList &names, const QVariantList &codes)
{
    KeyNameTable table;
    const qsizetype n = std::min(names.size(), codes.size());
    for (qsizetype i = 0; i < n; ++i)
        table.insert(IniValue::toText(names.at(i)),
                     static_cast<uchar>(IniValue::toUnsigned(codes.at(i)) & 0xFF));
    return table;
}
