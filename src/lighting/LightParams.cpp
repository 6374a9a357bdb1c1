#include "LightParams.h"

#include <algorithm>

namespace {

int32_t colorComponent(int32_t value)
{
    return std::clamp<int32_t>(value, 0, 255);
}

}  // namespace

LightParams LightParams::fromColorInfo(const colorInfoData &record)
{
    LightParams params;
    params.ledType = record.ledType;
    // A brightness of INT32_MAX from a broken file must not overflow.
    params.brightness = record.ledBrightness == INT32_MAX ? INT32_MAX : record.ledBrightness + 1;
    params.speed = record.ledSpeed;
    params.red = colorComponent(record.ledModeR);
    params.green = colorComponent(record.ledModeG);
    params.blue = colorComponent(record.ledModeB);
    params.bgRed = colorComponent(record.ledBgR);
    params.bgGreen = colorComponent(record.ledBgG);
    params.bgBlue = colorComponent(record.ledBgB);
    switch (record.ledDirection) {
    case 6:
        params.direction = 0;
        break;
    case 7:
        params.direction = 1;
        break;
    default:
        params.direction = record.ledDirection;
        break;
    }
    params.modeType = record.ledModeType;
    params.openOrClose = record.ledOpenOrClose;
    params.update = record.ledUpdate;
    return params;
}
