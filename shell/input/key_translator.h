#pragma once
#include "shell/input/key_tables.h"

#include <array>
#include <cstdint>

// Turns a key event (set-1 scan code and flags) into a USB HID usage code and
// a mouse button message into a button code. Built once from the fixed
// tables; a translation is two array indexes and never allocates.
class KeyTranslator
{
public:
    // Empties both lookups and fills them from the tables, giving the
    // layout-dependent key its usage for `defaultLayout`.
    void build(bool defaultLayout);

    // The usage code of the key, or 0 when it has none. `flags` are the event
    // flags (kKeyFlagExtended, kKeyFlagAltDown); scan codes above 255 have
    // no key and give 0.
    std::uint8_t usageFor(std::uint32_t scanCode, std::uint32_t flags) const
    {
        const std::uint32_t scan = scanCode <= 0xFF ? scanCode : 0;
        std::uint8_t vk = vkByScanKey_[scanKey(scan, flags)];
        if (scan == kScanBreak && (flags & kKeyFlagExtended))
            vk = kVkPause;
        else if (scan == kScanSysRq && (flags & kKeyFlagAltDown))
            vk = kVkSnapshot;
        return vk == 0 ? 0 : usageByVk_[vk];
    }

    // The virtual-key code the scan code table gives, before the overrides.
    std::uint8_t vkFor(std::uint32_t scanCode, std::uint32_t flags) const
    {
        return vkByScanKey_[scanKey(scanCode <= 0xFF ? scanCode : 0, flags)];
    }

    std::uint8_t usageForVk(std::uint8_t vk) const { return usageByVk_[vk]; }

    // The button code and direction of a mouse message; code 0 when the
    // message is not reported.
    static constexpr MouseButtonEntry mouseButtonFor(std::uint32_t message)
    {
        if (message < kMsgLeftButtonDown || message > kMsgMiddleButtonUp)
            return {0, false};
        return mouseButtonTable[message - kMsgLeftButtonDown];
    }

private:
    // (scan << 1) | extended: the ordered map's key (scan << 8) | E packed
    // densely, so the lookup is a plain index.
    static constexpr std::uint32_t scanKey(std::uint32_t scan, std::uint32_t flags)
    {
        return (scan << 1) | (flags & kKeyFlagExtended);
    }

    std::array<std::uint8_t, 512> vkByScanKey_{};
    std::array<std::uint8_t, 256> usageByVk_{};
};
