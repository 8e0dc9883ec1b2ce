#include "data/profile_stores.h"

#include "data/hardware_definition.h"
#include "data/log.h"
#include "data/read_only_ini.h"
#include "data/safe_file.h"

#include <algorithm>
#include <utility>

namespace {

// Groups a profile file is made of; "keydefine" is followed by the layout number.
bool isProfileKey(const QString &key)
{
    return key.startsWith(QLatin1String("color/")) || key.startsWith(QLatin1String("userPicture/"))
        || key.startsWith(QLatin1String("keydefine")) || key.startsWith(QLatin1String("combokey/"))
        || key.startsWith(QLatin1String("sensor/"));
}

} // namespace

ProfileStores::ProfileStores(DataPaths paths, int maxProfile)
    : paths_(std::move(paths))
{
    const int count = std::clamp(maxProfile, 0, int(HardwareDefinition::kMaxProfiles));
    for (int n = 1; n <= count; ++n)
        stores_.push_back(std::make_unique<QSettings>(paths_.profileFile(n), QSettings::IniFormat));
}

ProfileStores::~ProfileStores() = default;

int ProfileStores::count() const
{
    return static_cast<int>(stores_.size());
}

bool ProfileStores::isValidIndex(int index) const
{
    return index >= 0 && index < count();
}

QSettings *ProfileStores::store(int index) const
{
    return isValidIndex(index) ? stores_[static_cast<size_t>(index)].get() : nullptr;
}

QString ProfileStores::fileName(int index) const
{
    return isValidIndex(index) ? paths_.profileFile(index + 1) : QString();
}

bool ProfileStores::saveProfile(int index, const QString &destination)
{
    if (!isValidIndex(index) || destination.isEmpty()) {
        qCWarning(lcData) << "profile export refused, index" << index;
        return false;
    }
    stores_[static_cast<size_t>(index)]->sync();
    return SafeFile::replaceWithCopy(fileName(index), destination);
}

bool ProfileStores::loadProfile(int index, const QString &source)
{
    if (!isValidIndex(index) || source.isEmpty()) {
        qCWarning(lcData) << "profile import refused, index" << index;
        return false;
    }
    if (!looksLikeProfile(source)) {
        qCWarning(lcData) << "profile import refused, not a profile file:" << source;
        return false;
    }
    return replace(index, source);
}

bool ProfileStores::resetProfile(int index)
{
    if (!isValidIndex(index)) {
        qCWarning(lcData) << "profile reset refused, index" << index;
        return false;
    }
    const QString source = paths_.defaultProfileFile();
    if (!looksLikeProfile(source)) {
        qCWarning(lcData) << "profile reset refused, factory profile unusable:" << source;
        return false;
    }
    return replace(index, source);
}

bool ProfileStores::replace(int index, const QString &source)
{
    auto &slot = stores_[static_cast<size_t>(index)];
    const QString target = fileName(index);
    // Pending changes go to the old file now; the store is then released
    // before the new one opens, so it cannot write them over the new file.
    slot->sync();
    const bool replaced = SafeFile::replaceWithCopy(source, target);
    slot.reset();
    slot = std::make_unique<QSettings>(target, QSettings::IniFormat);
    return replaced;
}

QVariant ProfileStores::loadDefaultProfile(const QString &key) const
{
    const ReadOnlyIni ini(paths_.defaultProfileFile());
    return ini.value(key);
}

bool ProfileStores::looksLikeProfile(const QString &path)
{
    const ReadOnlyIni ini(path);
    if (!ini.isWellFormed())
        return false;
    const QStringList keys = ini.allKeys();
    for (const QString &key : keys) {
        if (isProfileKey(key))
            return true;
    }
    return false;
}
