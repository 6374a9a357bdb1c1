#include "updateLightMainThreadSide.h"

#include <algorithm>

updateLightMainThreadSide::updateLightMainThreadSide(QObject *parent)
    : LightTicker(kDefaultIntervalMs, parent)
{
}

void updateLightMainThreadSide::setInterval(int ms)
{
    setTickInterval(std::clamp(ms, kMinIntervalMs, kMaxIntervalMs));
}

void updateLightMainThreadSide::emitTick()
{
    emit sigDviceUpdateAllKeyColorSide();
}
