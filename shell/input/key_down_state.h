#pragma once
#include <array>
#include <cstdint>

// The last state reported for each usage code, so that each change of a
// key's state is reported once: a held key's repeated presses and a release
// whose press was never seen are dropped. Never reset while the hooks live.
class KeyDownState
{
public:
    // Records the new state of `usage` and tells whether it is a change that
    // must be reported.
    bool change(std::uint8_t usage, bool isDown)
    {
        if (down_[usage] == isDown)
            return false;
        down_[usage] = isDown;
        return true;
    }

    bool isDown(std::uint8_t usage) const { return down_[usage]; }

private:
    std::array<bool, 256> down_{};
};
