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
    // Every slot free, filling starts again at the top.
    void clear();
    // Queues a press in slot `slot`, then moves `slot` down unless it is at 0. Returns false,
    // queuing nothing, when the last slot is reached and already taken.
    bool push(int row, int column, int colorIndex, int radius);
};
