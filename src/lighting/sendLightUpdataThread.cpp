// SPDX-License-Identifier: GPL-3.0-or-later
#include "sendLightUpdataThread.h"

sendLightUpdataThread::sendLightUpdataThread(QObject *parent)
    : LightTicker(kIntervalMs, parent)
{
}

void sendLightUpdataThread::emitTick()
{
    emit sigDviceUpdateAllKeyColorSendKeyboardHid();
}
