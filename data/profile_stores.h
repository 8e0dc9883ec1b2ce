#pragma once
#include "data/data_paths.h"

#include <QSettings>
#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

// The profile files: owns "setting/p1.bin" ... "setting/p<maxProfile>.bin",
// one open store each, kept for the program's lifetime; entry i is profile i
// of the keyboard and lives in p<i+1>.bin. Reads the factory profile
// "setting/pD.bin". Exports copy a profile file to a ".pf" file the user
// chose; imports and resets replace a profile file and reopen its store at
// the same position. Nothing here talks to the keyboard.
//
// Every operation that takes an index refuses one outside 0 .. count() - 1
// and then touches no file.
class ProfileStores
{
public:
    // Opens p1.bin .. p<maxProfile>.bin (at most ten); creates no file.
    ProfileStores(DataPaths paths, int maxProfile);
    ~ProfileStores();
    ProfileStores(const ProfileStores &) = delete;
    ProfileStores &operator=(const ProfileStores &) = delete;

    int count() const;
    bool isValidIndex(int index) const;

    // The open store of profile `index`, or nullptr for an index out of range.
    // The pointer stays valid until that profile is imported or reset.
    QSettings *store(int index) const;

    QString fileName(int index) const;

    // Export: writes pending changes of the store, then copies its file to
    // `destination`, replacing a file of that name. A failed copy leaves an
    // existing destination as it was.
    bool saveProfile(int index, const QString &destination);

    // Import: replaces profile `index` by the file `source`. A source that is
    // not a readable INI file holding profile keys is refused, and so is any
    // copy that fails; the profile then stays as it was.
    bool loadProfile(int index, const QString &source);

    // Reset: replaces profile `index` by the factory profile (the same rules
    // as an import).
    bool resetProfile(int index);

    // One value of the factory profile, exactly as the store reads it (a list
    // of texts for a list); an invalid value for an absent key or a missing file.
    QVariant loadDefaultProfile(const QString &key) const;

    // True when `path` looks like a profile: a readable INI file that parses
    // cleanly and holds at least one key of a profile group.
    static bool looksLikeProfile(const QString &path);

private:
    bool replace(int index, const QString &source);

    DataPaths paths_;
    std::vector<std::unique_ptr<QSettings>> stores_;
};
