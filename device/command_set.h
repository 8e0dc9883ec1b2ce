#pragma once
#include <QtGlobal>

// The keyboard's commands as data: code, direction and the length of the data
// phase that follows the feature report. Codes below 0x80 change the keyboard,
// the others read from it. A write that cannot take the link logs
// "cmd Failed <code>", a read logs "cmd Failed".
namespace commands {

enum class Direction { Write, Read };

struct Command
{
    quint8 code;
    Direction direction;
    int dataLength;  // bytes moved after the feature report, 0 for none
};

inline constexpr Command kTable[] = {
    {0x02, Direction::Write, 0},   // keyboard option
    {0x04, Direction::Write, 0},   // button sensitivity
    {0x08, Direction::Write, 0},   // lighting type
    {0x09, Direction::Write, 0},   // stop macro sending
    {0x0C, Direction::Write, 128}, // key matrix, first half
    {0x0D, Direction::Write, 128}, // key matrix, second half
    {0x0F, Direction::Write, 0},   // switch to the ISP boot loader
    {0x10, Direction::Write, 128}, // macro slot
    {0x12, Direction::Write, 128}, // user picture plane
    {0x13, Direction::Write, 0},   // recovery data
    {0x1C, Direction::Write, 128}, // combination keys, first half
    {0x1D, Direction::Write, 128}, // combination keys, second half
    {0x21, Direction::Write, 0},   // current profile
    {0x30, Direction::Write, 64},  // seven-colour palette
    {0x80, Direction::Read, 0},    // firmware version
    {0x82, Direction::Read, 0},    // keyboard option
    {0x84, Direction::Read, 0},    // button sensitivity
    {0x88, Direction::Read, 0},    // lighting type
    {0x8C, Direction::Read, 128},  // key matrix, first half
    {0x8D, Direction::Read, 128},  // key matrix, second half
    {0x90, Direction::Read, 128},  // macro slot
    {0x92, Direction::Read, 128},  // user picture plane
    {0xA1, Direction::Read, 0},    // current profile
    {0xB0, Direction::Read, 64},   // seven-colour palette
};

// The table entry of `code`; every code the worker uses is listed, which the
// static_asserts of the worker check at compile time.
constexpr const Command *find(quint8 code)
{
    for (const Command &c : kTable)
        if (c.code == code)
            return &c;
    return nullptr;
}

constexpr const Command &get(quint8 code)
{
    return *find(code);
}

} // namespace commands
