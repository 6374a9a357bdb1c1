// SPDX-License-Identifier: GPL-3.0-or-later
#include "updateMouseLightMainThreadUI.h"

updateMouseLightMainThreadUI::updateMouseLightMainThreadUI(QObject *parent)
    : LightTicker(kIntervalMs, parent)
{
}

void updateMouseLightMainThreadUI::emitTick()
{
    emit sigDviceUpdateMouseAllColorUI();
}
