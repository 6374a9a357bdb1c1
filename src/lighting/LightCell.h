#pragma once

#include <cstdint>

// The effect state of one key, side LED or mouse zone LED. Every effect keeps its own
// meaning in the fields: a colour, a level (the weight of the colour against the background,
// or its alpha), the direction in which stepLevel moves the level (0 still, 1 rising,
// 2 falling), a per-effect counter and a per-effect extra.
struct LightCell {
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
    int32_t level = 0;
    int32_t state = 0;
    int32_t step = 0;
    int32_t value = 0;
};
