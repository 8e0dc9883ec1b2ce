#pragma once
#include "data/data_paths.h"
#include "data/key_name_table.h"
#include "data/macro_encoder.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <functional>

// What the macro library needs from the device side: sending one macro block
// to a device macro slot, and telling the user that a macro is too long for
// one block (asked just before such a macro is sent). Either may be empty.
struct MacroDevicePort
{
    std::function<void(uchar slot, const MacroEncoder::MacroBlock &block)> send;
    std::function<void()> warnTooLong;
};

// What one send did.
struct MacroSendResult
{
    bool sent = false;
    bool tooLong = false;
    QList<uchar> deviceForm;
};

// The macro library: owns the folder "macro/", one INI file per macro
// ("<name>.bin", keys "config/index", "config/total", "config/repeat",
// "config/did" and "macro/0" ...), and the ".mc" copies the user imports and
// exports. Every call opens, reads or writes and closes the file it needs.
//
// Names come from the scene and are used as file names: a name that is
// empty, contains a path separator or a NUL, or is "." or "..", is refused
// and no file is touched, so nothing is ever written outside the folder.
class MacroLibrary
{
public:
    // Macros at device slots 0 .. this are sent as soon as they are saved.
    static constexpr int kLastSlotSentOnSave = 16;
    static constexpr int kNoSlot = -1;
    static constexpr int kDefaultRepeat = 1;
    // A count above this in "config/total" is a broken file, not a macro.
    static constexpr int kMaxMacroLines = 4096;

    explicit MacroLibrary(DataPaths paths = DataPaths(), MacroDevicePort port = {});

    static bool isValidName(const QString &name);
    // "Macro. " and n with at least three digits.
    static QString numberedName(int n);

    // True when macro `name` has a file (the export dialog is offered only then).
    bool macroExists(const QVariant &name) const;

    // Names of the "*.bin" files, sorted ignoring case, each with ".bin".
    QStringList getMacroIniNames() const;

    // Creates the first free "Macro. 001"-style macro (no slot, no lines,
    // repeat 1, did -1) and returns its name; an empty text when it could not
    // be written.
    QString createMacroIni();

    bool deleteMacroIni(const QVariant &name);

    // Fails, changing nothing, when the new name is taken.
    bool renameMacroIniFile(const QVariant &oldName, const QVariant &newName);

    // The lines "macro/0" .. "macro/<total-1>" (an absent line reads "0");
    // empty when the macro does not exist.
    QStringList loadMacroIni(const QVariant &name) const;

    // Replaces the macro's lines. Returns false, creating nothing, when the
    // macro does not exist or cannot be written. A macro bound to device slot
    // 0 .. 16 is sent to the keyboard at once.
    bool saveMacroIni(const QVariant &name, const QStringList &macros, const KeyNameTable &keyNames);

    // [config/index (absent -1), config/repeat (absent 1)] as ints; empty
    // when the macro does not exist.
    QVariantList loadMacroIniConfig(const QVariant &name) const;

    // Sets config/index = config[0] and config/repeat = config[1] where the
    // list has them as numbers (a missing or non-numeric item leaves its value
    // unchanged), and config/did = `deviceIndex`. Nothing when the macro does
    // not exist.
    bool setMacroIniConfig(const QVariant &name, const QVariantList &config, uint deviceIndex);

    // Import: replaces an existing macro by the ".mc" file `source`. A source
    // that is not a readable INI file holding macro keys is refused, and the
    // macro stays as it was when the copy fails.
    bool loadMacroIniFromFile(const QVariant &name, const QString &source);

    // Export: copies an existing macro to `destination`, replacing a file of
    // that name (the save dialog has already asked about overwriting). A
    // failed copy leaves an existing destination as it was.
    bool saveMacroIniToFile(const QVariant &name, const QString &destination) const;

    // Encodes macro `name` and sends it to device slot `macroId` (low 8 bits).
    // When it is longer than one block the port's warning runs first, and the
    // first 128 bytes are sent all the same.
    MacroSendResult sendMacro(const QVariant &macroId, const QVariant &name,
                              const KeyNameTable &keyNames) const;

    // Makes the library hold exactly one macro per device slot 0 .. maxMacro-1:
    // of the files claiming a slot the first in name order is kept, every other
    // file (no slot, slot out of range, slot already taken) is deleted, and a
    // new empty macro is created for every slot left free.
    void initMacroIni(uchar maxMacro);

    static bool looksLikeMacro(const QString &path);

private:
    QString fileFor(const QVariant &name) const;
    bool writeNewMacro(const QString &path, int index) const;

    DataPaths paths_;
    MacroDevicePort port_;
};
