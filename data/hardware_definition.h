#pragma once
#include "data/data_paths.h"
#include "data/key_name_table.h"

#include <QVariantList>

// The limits the program takes from HWDef.bin when it starts.
struct HardwareLimits
{
    uchar kbLayoutType = 0; // layout group [L] of HWDef.bin and "keydefine" + L of the profiles
    uchar maxMacro = 0;     // device macro slots, at most 255
    uchar maxProfile = 0;   // profiles, at most 10
};

// Reads the two read-only definition files of the keyboard:
// "setting/HWDef.bin" (limits and key layout) and "setting/KeyCodeDef.bin"
// (names and codes of the assignable keys). Every call opens the file
// afresh; nothing is cached. A missing, unreadable or oversized file reads
// as an empty one.
class HardwareDefinition
{
public:
    static constexpr uint kMaxProfiles = 10;
    static constexpr uint kMaxMacros = 255;
    // The key matrix has this many positions; the scene makes a placeholder
    // key for each position no layout entry claims.
    static constexpr int kMatrixPositions = 128;
    // No layout lists more keys than this; a larger count is a broken file.
    static constexpr int kMaxLayoutEntries = 256;
    static constexpr int kEntryItems = 6; // x, y, keyType, name, matrix, keyCode

    explicit HardwareDefinition(DataPaths paths = DataPaths());

    HardwareLimits readLimits() const;

    // [entries, total_FW, then six items per entry: x, y, keyType (ints),
    // name (text), matrix (int), keyCode (unsigned)] from group [layout].
    // An entry that is absent or has fewer than six items is left out, and
    // the first item counts the entries actually listed. total_FW is kept
    // within 0..128 and the number of entries read within 0..256.
    QVariantList loadHWDef(uchar layoutType) const;

    QVariantList loadUsbStr() const;  // "common/usbStr", texts
    QVariantList loadUsbCode() const; // "common/usbCode", texts holding decimal codes

    // The key-name table from the two lists: the first min(len) pairs, each
    // code cut to 8 bits (a code that is not a number gives 0); a name listed
    // twice keeps its later code.
    KeyNameTable keyNameCodes() const;
    static KeyNameTable keyNameCodes(const QVariantList &names, const QVariantList &codes);

private:
    DataPaths paths_;
};
