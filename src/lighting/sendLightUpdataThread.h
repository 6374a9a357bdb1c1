#pragma once

#include "LightTicker.h"

// Paces the frame sending: sigDviceUpdateAllKeyColorSendKeyboardHid every 30 ms.
class sendLightUpdataThread : public LightTicker
{
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 30;

    explicit sendLightUpdataThread(QObject *parent = nullptr);

signals:
    void sigDviceUpdateAllKeyColorSendKeyboardHid();

protected:
    void emitTick() override;
};
