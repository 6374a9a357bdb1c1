// SPDX-License-Identifier: GPL-3.0-or-later
#include "updateLightMainThreadLogo.h"

#include <algorithm>

updateLightMainThreadLogo::updateLightMainThreadLogo(QObject *parent)
    : LightTicker(kDefaultIntervalMs, parent)
{
}

void updateLightMainThreadLogo::setInterval(int ms)
{
    setTickInterval(std::clamp(ms, kMinIntervalMs, kMaxIntervalMs));
}

void updateLightMainThreadLogo::emitTick()
{
    emit sigDviceUpdateMouseLogoColor();
}
