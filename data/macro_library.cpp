#include "data/macro_library.h"

#include "data/ini_value.h"
#include "data/log.h"
#include "data/read_only_ini.h"
#include "data/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <utility>

namespace {

const QString kIndexKey = QStringLiteral("config/index");
const QString kTotalKey = QStringLiteral("config/total");
const QString kRepeatKey = QStringLiteral("config/repeat");
const QString kDidKey = QStringLiteral("config/did");
const QString kLinesGroup = QStringLiteral("macro");
const QString kLinePrefix = QStringLiteral("macro/");
const QString kSuffix = QStringLiteral(".bin");

// createMacroIni gives up after this many taken names rather than loop on a
// folder it cannot read properly.
constexpr int kMaxNumberedName = 100000;

bool isMacroFile(const QString &path)
{
    return !path.isEmpty() && SafeFile::isReadableFile(path);
}

// Whether a store's sync() wrote the file. A line the store could not parse
// when it read the file (a damaged or hand-edited macro) leaves FormatError
// behind, yet the file is written all the same, without that line; the store
// keeps the first error it saw, so a writable file is then taken as written.
bool wasWritten(const QSettings &s, const QString &path)
{
    switch (s.status()) {
    case QSettings::NoError:
        return true;
    case QSettings::FormatError:
        return QFileInfo(path).isWritable();
    default:
        return false;
    }
}

} // namespace

MacroLibrary::MacroLibrary(DataPaths paths, MacroDevicePort port)
    : paths_(std::move(paths))
    , port_(std::move(port))
{
}

bool MacroLibrary::isValidName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.contains(QChar::Null);
}

QString MacroLibrary::numberedName(int n)
{
    return QStringLiteral("Macro. ") + QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

QString MacroLibrary::fileFor(const QVariant &name) const
{
    const QString text = IniValue::toText(name);
    if (!isValidName(text)) {
        qCWarning(lcData) << "macro name refused:" << text;
        return {};
    }
    return paths_.macroFile(text);
}

bool MacroLibrary::macroExists(const QVariant &name) const
{
    const QString path = fileFor(name);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QStringList MacroLibrary::getMacroIniNames() const
{
    const QDir dir(paths_.macroDir());
    // The suffix is matched exactly: the scene strips four characters and asks
    // for "<name>.bin", which would not find "<name>.BIN" on a case-sensitive disk.
    return dir.entryList({QStringLiteral("*") + kSuffix}, QDir::Files | QDir::CaseSensitive,
                         QDir::Name | QDir::IgnoreCase);
}

bool MacroLibrary::writeNewMacro(const QString &path, int index) const
{
    QSettings s(path, QSettings::IniFormat);
    s.setValue(kIndexKey, index);
    s.setValue(kTotalKey, 0);
    s.setValue(kRepeatKey, kDefaultRepeat);
    s.setValue(kDidKey, -1);
    s.sync();
    if (s.status() != QSettings::NoError || !QFileInfo(path).isFile()) {
        qCWarning(lcData) << "macro file not written:" << path;
        return false;
    }
    return true;
}

QString MacroLibrary::createMacroIni()
{
    for (int n = 1; n <= kMaxNumberedName; ++n) {
        const QString name = numberedName(n);
        const QString path = paths_.macroFile(name);
        if (QFileInfo::exists(path))
            continue;
        return writeNewMacro(path, kNoSlot) ? name : QString();
    }
    return {};
}

bool MacroLibrary::deleteMacroIni(const QVariant &name)
{
    const QString path = fileFor(name);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    return QFile::remove(path);
}

bool MacroLibrary::renameMacroIniFile(const QVariant &oldName, const QVariant &newName)
{
    const QString from = fileFor(oldName);
    const QString to = fileFor(newName);
    if (from.isEmpty() || to.isEmpty() || !QFileInfo(from).isFile() || QFileInfo::exists(to))
        return false;
    return QFile::rename(from, to);
}

QStringList MacroLibrary::loadMacroIni(const QVariant &name) const
{
    const QString path = fileFor(name);
    if (!isMacroFile(path))
        return {};
    const ReadOnlyIni ini(path);
    const int total = std::clamp(IniValue::toInt(ini.value(kTotalKey, 0)), 0, kMaxMacroLines);
    QStringList lines;
    lines.reserve(total);
    for (int i = 0; i < total; ++i)
        lines.append(IniValue::toText(ini.value(kLinePrefix + QString::number(i), QStringLiteral("0"))));
    return lines;
}

bool MacroLibrary::saveMacroIni(const QVariant &name, const QStringList &macros,
                                const KeyNameTable &keyNames)
{
    const QString path = fileFor(name);
    if (!isMacroFile(path))
        return false;
    int index = kNoSlot;
    {
        QSettings s(path, QSettings::IniFormat);
        s.remove(kLinesGroup);
        s.setValue(kTotalKey, static_cast<int>(macros.size()));
        for (qsizetype i = 0; i < macros.size(); ++i)
            s.setValue(kLinePrefix + QString::number(i), macros.at(i));
        s.sync();
        if (!wasWritten(s, path)) {
            qCWarning(lcData) << "macro not saved:" << path;
            return false;
        }
        index = IniValue::toInt(s.value(kIndexKey, kNoSlot), kNoSlot);
    }
    if (index >= 0 && index <= kLastSlotSentOnSave)
        sendMacro(index, name, keyNames);
    return true;
}

QVariantList MacroLibrary::loadMacroIniConfig(const QVariant &name) const
{
    const QString path = fileFor(name);
    if (!isMacroFile(path))
        return {};
    const ReadOnlyIni ini(path);
    return {IniValue::toInt(ini.value(kIndexKey, kNoSlot), kNoSlot),
            IniValue::toInt(ini.value(kRepeatKey, kDefaultRepeat), kDefaultRepeat)};
}

bool MacroLibrary::setMacroIniConfig(const QVariant &name, const QVariantList &config, uint deviceIndex)
{
    const QString path = fileFor(name);
    if (!isMacroFile(path))
        return false;
    QSettings s(path, QSettings::IniFormat);
    const QString keys[] = {kIndexKey, kRepeatKey};
    for (qsizetype i = 0; i < 2 && i < config.size(); ++i) {
        const std::optional<qlonglong> n = IniValue::toInteger(config.at(i));
        if (n && *n >= std::numeric_limits<int>::min() && *n <= std::numeric_limits<int>::max())
            s.setValue(keys[i], static_cast<int>(*n));
    }
    s.setValue(kDidKey, deviceIndex);
    s.sync();
    return wasWritten(s, path);
}

bool MacroLibrary::loadMacroIniFromFile(const QVariant &name, const QString &source)
{
    const QString path = fileFor(name);
    if (!isMacroFile(path) || source.isEmpty())
        return false;
    if (!looksLikeMacro(source)) {
        qCWarning(lcData) << "macro import refused, not a macro file:" << source;
        return false;
    }
    return SafeFile::replaceWithCopy(source, path);
}

bool MacroLibrary::saveMacroIniToFile(const QVariant &name, const QString &destination) const
{
    const QString path = fileFor(name);
    if (!isMacroFile(path) || destination.isEmpty())
        return false;
    return SafeFile::replaceWithCopy(path, destination);
}

MacroSendResult MacroLibrary::sendMacro(const QVariant &macroId, const QVariant &name,
                                        const KeyNameTable &keyNames) const
{
    MacroSendResult result;
    const std::optional<qlonglong> id = IniValue::toInteger(macroId);
    if (!id) {
        qCWarning(lcData) << "macro not sent, slot is not a number:" << macroId;
        return result;
    }
    result.deviceForm = MacroEncoder::macroIncode(loadMacroIni(name), keyNames);
    result.tooLong = MacroEncoder::isTooLong(result.deviceForm);
    if (result.tooLong && port_.warnTooLong)
        port_.warnTooLong();
    if (port_.send) {
        port_.send(static_cast<uchar>(*id & 0xFF), MacroEncoder::macroBlock(result.deviceForm));
        result.sent = true;
    }
    return result;
}

void MacroLibrary::initMacroIni(uchar maxMacro)
{
    std::array<bool, 256> taken{};
    QStringList removals;
    const QStringList names = getMacroIniNames();
    for (const QString &fileName : names) {
        const QString path = paths_.macroDir() + QLatin1Char('/') + fileName;
        const ReadOnlyIni ini(path);
        const int index = IniValue::toInt(ini.value(kIndexKey, kNoSlot), kNoSlot);
        if (index >= 0 && index < maxMacro && !taken[static_cast<size_t>(index)])
            taken[static_cast<size_t>(index)] = true;
        else
            removals.append(path);
    }
    for (const QString &path : std::as_const(removals)) {
        QFile::remove(path);
        qCDebug(lcData).noquote() << QStringLiteral("REMOVE: \"%1\"").arg(path);
    }
    int nextName = 1;
    for (int n = 1; n <= maxMacro; ++n) {
        if (taken[static_cast<size_t>(n - 1)])
            continue;
        // The slot's own number names it, unless a macro kept for another
        // slot already has that name; then the next free number does.
        QString path = paths_.macroFile(numberedName(n));
        if (QFileInfo::exists(path)) {
            while (nextName <= kMaxNumberedName
                   && QFileInfo::exists(paths_.macroFile(numberedName(nextName))))
                ++nextName;
            if (nextName > kMaxNumberedName)
                return;
            path = paths_.macroFile(numberedName(nextName));
        }
        writeNewMacro(path, n - 1);
    }
}

bool MacroLibrary::looksLikeMacro(const QString &path)
{
    const ReadOnlyIni ini(path);
    if (!ini.isWellFormed())
        return false;
    const QStringList keys = ini.allKeys();
    return std::any_of(keys.cbegin(), keys.cend(), [](const QString &key) {
        return key.startsWith(QLatin1String("config/")) || key.startsWith(QLatin1String("macro/"));
    });
}
