// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The queue of key presses that the ripple effects (Aurora, Ripple, Fireworks) spread from.
// Twenty slots are filled from `slot` downwards; a column of kFree marks a free slot.

#include <cstdint>

struct RippleQueue {
    static constexpr int kSlots = 20;
    static constexpr uint8_t kFree = 0xFF;

    uint8_t slot = kSlots - 1;
    uint8_t rows[kSlots] = {};
    uint8_t columns[kSlots] = {};
    uint8_t radii[kSlots] = {};
    uint8_t colors[kSlots] = {};
    uint8_t order[kSlots] = {};

    RippleQueue() { clear(); }
    // Every slot free (row and column kFree, radius 0), filling starts again at the top. Colour
    // indexes and slot numbers keep their values until a press writes them.
    void clear();
    // Queues a press in slot `slot`, then moves `slot` down unless it is at 0. Returns false,
    // queuing nothing, when the last slot is reached and already taken.
    bool push(int row, int column, int colorIndex, int radius);
    // Takes entry n out: the entries in slots n - 1 .. 0 move one slot up (row, column and
    // radius; removeColored moves colour index and slot number too), slot 0 is freed and the
    // fill position moves up by one. An n outside the slots changes nothing.
    void remove(int n);
    void removeColored(int n);
    bool isFree(int n) const { return columns[n] == kFree; }
};
