#include "sendLightUpdataThread.h"

sendLightUpdataThread::sendLightUpdataThread(QObject *parent)
    : LightTicker(kIntervalMs, parent)
{
}

void sendLightUpdataThread::emitTick()
{
    emit sigDviceUpdateAllKeyColorSendKeyboardHid();
}
