#pragma once
#include "shell/input/key_tables.h"

#include <array>
#include <cstddef>
#include <cstdint>

// Linux names keys by evdev code (linux/input-event-codes.h), X11 by evdev
// code + 8. Both are mapped back to the set-1 scan code and extended flag a
// PC keyboard sends for the same physical key, so that the key translation
// gives each key the same usage code on every platform.

struct SetOneScanCode
{
    std::uint8_t scan; // 0: the key has no usage code
    bool extended;
};

struct EvdevScanCodeEntry
{
    std::uint16_t evdev;
    SetOneScanCode key;
};

// Every key the scan code table knows, and the right Windows key, which it
// does not know (so it is not reported, as on Windows). Keys missing here
// have no usage code on any platform.
inline constexpr std::array<EvdevScanCodeEntry, 106> evdevScanCodeTable = {{
    {1, {0x01, false}},   // KEY_ESC
    {2, {0x02, false}},   // KEY_1
    {3, {0x03, false}},   {4, {0x04, false}},  {5, {0x05, false}},  {6, {0x06, false}},
    {7, {0x07, false}},   {8, {0x08, false}},  {9, {0x09, false}},  {10, {0x0A, false}},
    {11, {0x0B, false}},  // KEY_0
    {12, {0x0C, false}},  // KEY_MINUS
    {13, {0x0D, false}},  // KEY_EQUAL
    {14, {0x0E, false}},  // KEY_BACKSPACE
    {15, {0x0F, false}},  // KEY_TAB
    {16, {0x10, false}},  // KEY_Q
    {17, {0x11, false}},  {18, {0x12, false}}, {19, {0x13, false}}, {20, {0x14, false}},
    {21, {0x15, false}},  {22, {0x16, false}}, {23, {0x17, false}}, {24, {0x18, false}},
    {25, {0x19, false}},  // KEY_P
    {26, {0x1A, false}},  // KEY_LEFTBRACE
    {27, {0x1B, false}},  // KEY_RIGHTBRACE
    {28, {0x1C, false}},  // KEY_ENTER
    {29, {0x1D, false}},  // KEY_LEFTCTRL
    {30, {0x1E, false}},  // KEY_A
    {31, {0x1F, false}},  {32, {0x20, false}}, {33, {0x21, false}}, {34, {0x22, false}},
    {35, {0x23, false}},  {36, {0x24, false}}, {37, {0x25, false}},
    {38, {0x26, false}},  // KEY_L
    {39, {0x27, false}},  // KEY_SEMICOLON
    {40, {0x28, false}},  // KEY_APOSTROPHE
    {41, {0x29, false}},  // KEY_GRAVE
    {42, {0x2A, false}},  // KEY_LEFTSHIFT
    {43, {0x2B, false}},  // KEY_BACKSLASH
    {44, {0x2C, false}},  // KEY_Z
    {45, {0x2D, false}},  {46, {0x2E, false}}, {47, {0x2F, false}}, {48, {0x30, false}},
    {49, {0x31, false}},
    {50, {0x32, false}},  // KEY_M
    {51, {0x33, false}},  // KEY_COMMA
    {52, {0x34, false}},  // KEY_DOT
    {53, {0x35, false}},  // KEY_SLASH
    // The usage table knows right Shift only with the extended flag, which
    // is how the Windows hook sees it.
    {54, {0x36, true}},   // KEY_RIGHTSHIFT
    {55, {0x37, false}},  // KEY_KPASTERISK
    {56, {0x38, false}},  // KEY_LEFTALT
    {57, {0x39, false}},  // KEY_SPACE
    {58, {0x3A, false}},  // KEY_CAPSLOCK
    {59, {0x3B, false}},  // KEY_F1
    {60, {0x3C, false}},  {61, {0x3D, false}}, {62, {0x3E, false}}, {63, {0x3F, false}},
    {64, {0x40, false}},  {65, {0x41, false}}, {66, {0x42, false}}, {67, {0x43, false}},
    {68, {0x44, false}},  // KEY_F10
    {69, {0x45, true}},   // KEY_NUMLOCK
    {70, {0x46, false}},  // KEY_SCROLLLOCK
    {71, {0x47, false}},  // KEY_KP7
    {72, {0x48, false}},  // KEY_KP8
    {73, {0x49, false}},  // KEY_KP9
    {74, {0x4A, false}},  // KEY_KPMINUS
    {75, {0x4B, false}},  // KEY_KP4
    {76, {0x4C, false}},  // KEY_KP5
    {77, {0x4D, false}},  // KEY_KP6
    {78, {0x4E, false}},  // KEY_KPPLUS
    {79, {0x4F, false}},  // KEY_KP1
    {80, {0x50, false}},  // KEY_KP2
    {81, {0x51, false}},  // KEY_KP3
    {82, {0x52, false}},  // KEY_KP0
    {83, {0x53, false}},  // KEY_KPDOT
    {86, {0x56, false}},  // KEY_102ND
    {87, {0x57, false}},  // KEY_F11
    {88, {0x58, false}},  // KEY_F12
    {96, {0x1C, true}},   // KEY_KPENTER
    {97, {0x1D, true}},   // KEY_RIGHTCTRL
    {98, {0x35, true}},   // KEY_KPSLASH
    // Print Screen and Alt+Print Screen (SysRq) are the same evdev key.
    {99, {0x37, true}},   // KEY_SYSRQ
    {100, {0x38, true}},  // KEY_RIGHTALT
    {102, {0x47, true}},  // KEY_HOME
    {103, {0x48, true}},  // KEY_UP
    {104, {0x49, true}},  // KEY_PAGEUP
    {105, {0x4B, true}},  // KEY_LEFT
    {106, {0x4D, true}},  // KEY_RIGHT
    {107, {0x4F, true}},  // KEY_END
    {108, {0x50, true}},  // KEY_DOWN
    {109, {0x51, true}},  // KEY_PAGEDOWN
    {110, {0x52, true}},  // KEY_INSERT
    {111, {0x53, true}},  // KEY_DELETE
    // Pause and Ctrl+Break (Ctrl+Pause) are the same evdev key.
    {119, {0x45, false}}, // KEY_PAUSE
    {125, {0x5B, true}},  // KEY_LEFTMETA
    {126, {0x5C, true}},  // KEY_RIGHTMETA: no usage code
    {127, {0x5D, true}},  // KEY_COMPOSE (the menu key)
    {193, {0x6E, false}}, // KEY_F23
}};

constexpr std::size_t kEvdevLookupSize = 256;

namespace linux_input_detail {
constexpr std::array<SetOneScanCode, kEvdevLookupSize> buildEvdevLookup()
{
    std::array<SetOneScanCode, kEvdevLookupSize> lookup{};
    for (const EvdevScanCodeEntry &e : evdevScanCodeTable)
        lookup[e.evdev] = e.key;
    return lookup;
}
inline constexpr std::array<SetOneScanCode, kEvdevLookupSize> evdevLookup = buildEvdevLookup();

constexpr bool evdevCodesUnique()
{
    for (std::size_t i = 0; i < evdevScanCodeTable.size(); ++i) {
        if (evdevScanCodeTable[i].evdev >= kEvdevLookupSize)
            return false;
        for (std::size_t j = i + 1; j < evdevScanCodeTable.size(); ++j)
            if (evdevScanCodeTable[i].evdev == evdevScanCodeTable[j].evdev)
                return false;
    }
    return true;
}
static_assert(evdevCodesUnique(), "evdevScanCodeTable repeats a code or leaves the lookup");
} // namespace linux_input_detail

// The set-1 key of an evdev code; scan 0 when the key has no usage code.
constexpr SetOneScanCode scanCodeForEvdev(std::uint32_t evdev)
{
    return evdev < kEvdevLookupSize ? linux_input_detail::evdevLookup[evdev]
                                    : SetOneScanCode{0, false};
}

constexpr std::uint32_t flagsOf(SetOneScanCode key)
{
    return key.extended ? kKeyFlagExtended : 0;
}

// An X11 keycode is the evdev code + 8 (the evdev and libinput drivers).
constexpr std::uint32_t kX11KeycodeOffset = 8;

constexpr SetOneScanCode scanCodeForX11Keycode(std::uint32_t keycode)
{
    return keycode >= kX11KeycodeOffset ? scanCodeForEvdev(keycode - kX11KeycodeOffset)
                                        : SetOneScanCode{0, false};
}

struct ButtonMessages
{
    std::uint32_t down;
    std::uint32_t up;
};

// Windows mouse messages of the X11 buttons, indexed by button number:
// 1 left, 2 middle, 3 right. The wheel (4 to 7), the side buttons and the
// rest are not reported.
inline constexpr std::array<ButtonMessages, 4> x11ButtonMessages = {{
    {0, 0},
    {kMsgLeftButtonDown, kMsgLeftButtonUp},
    {kMsgMiddleButtonDown, kMsgMiddleButtonUp},
    {kMsgRightButtonDown, kMsgRightButtonUp},
}};

// The mouse message of an X11 button press or release; 0 when not reported.
constexpr std::uint32_t mouseMessageForX11Button(std::uint32_t button, bool isDown)
{
    if (button >= x11ButtonMessages.size())
        return 0;
    return isDown ? x11ButtonMessages[button].down : x11ButtonMessages[button].up;
}
