#pragma once
#include <array>
#include <cstdint>

// The working copy of the active profile's combination keys: for each of the
// 128 key matrix positions, two key codes. One table per process, all zero at
// start; only the GUI thread uses it.
class ComboKeyTable
{
public:
    static constexpr int kPositions = 128;
    using Bytes = std::array<std::uint8_t, 2 * kPositions>;

    static ComboKeyTable &instance();

    // Positions of 128 or more lie outside the table: set() ignores them and
    // get() answers 0.
    void set(int position, std::uint8_t code0, std::uint8_t code1);
    // code0 in the low byte, code1 in the high byte.
    unsigned get(int position) const;
    void clear() { bytes.fill(0); }
    const Bytes &data() const { return bytes; }

private:
    ComboKeyTable() = default;
    Bytes bytes{};
};
