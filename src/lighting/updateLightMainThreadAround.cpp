// SPDX-License-Identifier: GPL-3.0-or-later
#include "updateLightMainThreadAround.h"

#include <algorithm>

updateLightMainThreadAround::updateLightMainThreadAround(QObject *parent)
    : LightTicker(kDefaultIntervalMs, parent)
{
}

void updateLightMainThreadAround::setInterval(int ms)
{
    setTickInterval(std::clamp(ms, kMinIntervalMs, kMaxIntervalMs));
}

void updateLightMainThreadAround::emitTick()
{
    emit sigDviceUpdateMouseAroundColor();
}
