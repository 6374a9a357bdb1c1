// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LightTicker.h"

// Paces the mouse lighting preview: sigDviceUpdateMouseAllColorUI every 30 ms.
class updateMouseLightMainThreadUI : public LightTicker
{
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 30;

    explicit updateMouseLightMainThreadUI(QObject *parent = nullptr);

signals:
    void sigDviceUpdateMouseAllColorUI();

protected:
    void emitTick() override;
};
