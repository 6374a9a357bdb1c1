#include "RippleQueue.h"

void RippleQueue::clear()
{
    slot = kSlots - 1;
    for (int i = 0; i < kSlots; ++i) {
        rows[i] = 0;
        columns[i] = kFree;
        radii[i] = 0;
        colors[i] = 0;
        order[i] = uint8_t(i);
    }
}

bool RippleQueue::push(int row, int column, int colorIndex, int radius)
{
    if (slot >= kSlots)
        slot = kSlots - 1;
    if (slot == 0 && columns[0] != kFree)
        return false;
    const int s = slot;
    rows[s] = uint8_t(row);
    columns[s] = uint8_t(column);
    colors[s] = uint8_t(colorIndex);
    radii[s] = uint8_t(radius);
    order[s] = uint8_t(s);
    if (slot > 0)
        --slot;
    return true;
}
