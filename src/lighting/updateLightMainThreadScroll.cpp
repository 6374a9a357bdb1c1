// SPDX-License-Identifier: GPL-3.0-or-later
#include "updateLightMainThreadScroll.h"

#include <algorithm>

updateLightMainThreadScroll::updateLightMainThreadScroll(QObject *parent)
    : LightTicker(kDefaultIntervalMs, parent)
{
}

void updateLightMainThreadScroll::setInterval(int ms)
{
    setTickInterval(std::clamp(ms, kMinIntervalMs, kMaxIntervalMs));
}

void updateLightMainThreadScroll::emitTick()
{
    emit sigDviceUpdateMouseScrollColor();
}
