#include "LightSpeed.h"

#include <algorithm>
#include <iterator>

namespace LightSpeed {

namespace {

constexpr int kFiveLevels[] = {28, 25, 19, 14, 8};
constexpr int kTenLevels[] = {28, 26, 24, 22, 20, 17, 14, 12, 10, 8};

}  // namespace

int tickInterval(bool fiveLevels, int speed)
{
    const int *table = fiveLevels ? kFiveLevels : kTenLevels;
    const int size = fiveLevels ? int(std::size(kFiveLevels)) : int(std::size(kTenLevels));
    return table[std::clamp(speed, 0, size - 1)];
}

int keyTickInterval(int speedMax, int speed)
{
    return tickInterval(speedMax <= 4, speed);
}

int sideTickInterval(int speedMax, int speed)
{
    return tickInterval(speedMax == 4, speed);
}

}  // namespace LightSpeed
