#include "updateLightMainThreadUI.h"

updateLightMainThreadUI::updateLightMainThreadUI(QObject *parent)
    : LightTicker(kIntervalMs, parent)
{
}

void updateLightMainThreadUI::emitTick()
{
    emit sigDviceUpdateAllKeyColorUI();
}
