// SPDX-License-Identifier: GPL-3.0-or-later
#include "sendMouseLightUpdataThread.h"

sendMouseLightUpdataThread::sendMouseLightUpdataThread(QObject *parent)
    : LightTicker(kIntervalMs, parent)
{
}

void sendMouseLightUpdataThread::emitTick()
{
    emit sigDviceUpdateAllMouseKeyColorSendKeyboardHid();
}
