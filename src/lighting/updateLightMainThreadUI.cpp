// SPDX-License-Identifier: GPL-3.0-or-later
#include "updateLightMainThreadUI.h"

updateLightMainThreadUI::updateLightMainThreadUI(QObject *parent)
    : LightTicker(kIntervalMs, parent)
{
}

void updateLightMainThreadUI::emitTick()
{
    emit sigDviceUpdateAllKeyColorUI();
}
