#pragma once

#include "XmlRecords.h"

#include <cstdint>

// An engine's working copy of a zone's lighting record, without its zone field. The record's
// brightness is stored plus 1 (1 .. brightness maximum + 1), the two rotation directions
// become the two plain ones (6 clockwise becomes 0, 7 anticlockwise 1), and the colours are
// kept to 0..255 so that every colour an effect mixes from them stays a valid one.
struct LightParams {
    int32_t ledType = 0;
    int32_t brightness = 0;
    int32_t speed = 0;
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
    int32_t bgRed = 0;
    int32_t bgGreen = 0;
    int32_t bgBlue = 0;
    int32_t direction = 0;
    int32_t modeType = 1;
    int32_t openOrClose = 0;
    int32_t update = 0;

    static LightParams fromColorInfo(const colorInfoData &record);
};
