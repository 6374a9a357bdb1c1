// SPDX-License-Identifier: GPL-3.0-or-later
#include "RippleQueue.h"

void RippleQueue::clear()
{
    slot = kSlots - 1;
    for (int i = 0; i < kSlots; ++i) {
        rows[i] = kFree;
        columns[i] = kFree;
        radii[i] = 0;
    }
}

void RippleQueue::remove(int n)
{
    if (n < 0 || n >= kSlots)
        return;
    for (int i = n; i > 0; --i) {
        rows[i] = rows[i - 1];
        columns[i] = columns[i - 1];
        radii[i] = radii[i - 1];
    }
    rows[0] = kFree;
    columns[0] = kFree;
    if (slot < kSlots - 1)
        ++slot;
}

void RippleQueue::removeColored(int n)
{
    if (n < 0 || n >= kSlots)
        return;
    for (int i = n; i > 0; --i) {
        colors[i] = colors[i - 1];
        order[i] = order[i - 1];
    }
    remove(n);
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
