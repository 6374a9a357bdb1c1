// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LightTicker.h"

// Paces the mouse's colour reports: sigDviceUpdateAllMouseKeyColorSendKeyboardHid every 30 ms.
class sendMouseLightUpdataThread : public LightTicker
{
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 30;

    explicit sendMouseLightUpdataThread(QObject *parent = nullptr);

signals:
    void sigDviceUpdateAllMouseKeyColorSendKeyboardHid();

protected:
    void emitTick() override;
};
