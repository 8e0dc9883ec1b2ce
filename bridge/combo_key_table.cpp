#include "bridge/combo_key_table.h"

ComboKeyTable &ComboKeyTable::instance()
{
    static ComboKeyTable table;
    return table;
}

void ComboKeyTable::set(int position, std::uint8_t code0, std::uint8_t code1)
{
    if (position < 0 || position >= kPositions)
        return;
    bytes[2 * position] = code0;
    bytes[2 * position + 1] = code1;
}

unsigned ComboKeyTable::get(int position) const
{
    if (position < 0 || position >= kPositions)
        return 0;
    return unsigned(bytes[2 * position]) | (unsigned(bytes[2 * position + 1]) << 8);
}
