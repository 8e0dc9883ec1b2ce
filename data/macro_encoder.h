#pragma once
#include "data/key_name_table.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// Turns the text form of a macro (one action per line) into the form the
// keyboard stores, and that into the 128-byte block command 10H sends.
// Owns no file: the lines come from the macro library.
namespace MacroEncoder {

// Every macro line ends in one of these ten-character tags.
inline const QString kTagDown = QStringLiteral("    [Down]");
inline const QString kTagUp = QStringLiteral("      [Up]");
inline const QString kTagDelay = QStringLiteral("   [Delay]");
constexpr int kTagLength = 10;

// Device form: two-byte events, type byte first.
constexpr uchar kStartType = 0x00, kStartValue = 0x01; // always first
constexpr uchar kPressType = 0x01;                     // then the key code
constexpr uchar kReleaseType = 0x81;                   // then the key code
constexpr uchar kDelayType = 0x7F, kDelayPad = 0x00;   // then count high, count low
constexpr uchar kEndType = 0x00, kEndValue = 0x00;     // always last

// A delay counts in steps of this many milliseconds, up to a 16-bit count.
constexpr int kDelayStepMs = 10;
constexpr int kMaxDelayCount = 0xFFFF;

constexpr int kBlockSize = 128;
using MacroBlock = std::array<uchar, kBlockSize>;

// The device form of `lines`: start, one event per usable line, end.
// Key lines whose name is not in `keyNames` (or maps to 0), delay lines of 0
// or less, and lines with any other tag add nothing.
QList<uchar> macroIncode(const QStringList &lines, const KeyNameTable &keyNames);

// True when the device form does not fit in one block; the block then ends
// without its end marker.
bool isTooLong(const QList<uchar> &deviceForm);

// The block sent to the keyboard: the device form with the two bytes of every
// pair exchanged (so each event reads as a little-endian 16-bit word), cut at
// 128 bytes and padded with zeros.
MacroBlock macroBlock(const QList<uchar> &deviceForm);

} // namespace MacroEncoder
