#include "updateLightMainThread.h"

#include <algorithm>

updateLightMainThread::updateLightMainThread(QObject *parent)
    : LightTicker(kDefaultIntervalMs, parent)
{
}

void updateLightMainThread::setInterval(int ms)
{
    setTickInterval(std::clamp(ms, kMinIntervalMs, kMaxIntervalMs));
}

void updateLightMainThread::emitTick()
{
    emit sigDviceUpdateAllKeyColor();
}
