#include "LightColorHelpers.h"

#include <algorithm>

namespace LightColor {

int32_t subtractFloor(int32_t value, int32_t amount)
{
    return amount > value ? 0 : value - amount;
}

int32_t addCeiling(int32_t value, int32_t amount)
{
    return int64_t(value) + amount > 255 ? 255 : value + amount;
}

uint8_t stepLevel(int32_t &level, int32_t step, int32_t state)
{
    if (state == 1) {
        if (int64_t(level) + step > 255) {
            level = 255;
            return 1;
        }
        level += step;
        return 0;
    }
    if (state == 2) {
        if (step > level) {
            level = 0;
            return 2;
        }
        level -= step;
        return 0;
    }
    return 0;
}

QColor stepHue(const QColor &color, uint8_t direction, uint8_t step)
{
    int r = color.red();
    int g = color.green();
    int b = color.blue();
    if (direction & 1) {
        if (g == 255 && b == 0 && r != 0)
            r = subtractFloor(r, step);
        else if (g == 0 && b == 255 && r != 255)
            r = addCeiling(r, step);
        else if (b == 255 && r == 0 && g != 0)
            g = subtractFloor(g, step);
        else if (b == 0 && r == 255 && g != 255)
            g = addCeiling(g, step);
        else if (r == 255 && g == 0 && b != 0)
            b = subtractFloor(b, step);
        else if (r == 0 && g == 255 && b != 255)
            b = addCeiling(b, step);
    } else {
        if (g == 255 && b == 0 && r != 255)
            r = addCeiling(r, step);
        else if (g == 0 && b == 255 && r != 0)
            r = subtractFloor(r, step);
        else if (b == 255 && r == 0 && g != 255)
            g = addCeiling(g, step);
        else if (b == 0 && r == 255 && g != 0)
            g = subtractFloor(g, step);
        else if (r == 255 && g == 0 && b != 255)
            b = addCeiling(b, step);
        else if (r == 0 && g == 255 && b != 0)
            b = subtractFloor(b, step);
    }
    return QColor(r, g, b, color.alpha());
}

QColor stepHueByMode(const QColor &color, int32_t mode, int32_t step)
{
    if (mode != 0 && mode != 1)
        return color;
    return stepHue(color, uint8_t(mode), uint8_t(step));
}

QMap<int, int> brightnessMap(int levelCount)
{
    QMap<int, int> map;
    for (int i = 1; i <= levelCount; ++i)
        map.insert(i, levelCount + 1 - i);
    return map;
}

int dimFactor(const QMap<int, int> &map, int brightness, int darkStep)
{
    if (map.isEmpty())
        return 100;
    const int level = std::clamp(brightness, map.firstKey(), map.lastKey());
    return 100 + (map.value(level) - 1) * darkStep;
}

QColor dim(const QColor &color, int factor)
{
    if (factor == 100)
        return color;
    QColor dimmed = color.darker(factor);
    dimmed.setAlpha(color.alpha());
    return dimmed;
}

}  // namespace LightColor
