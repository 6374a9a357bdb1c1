// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LightTicker.h"

// Paces the mouse's Around zone: sigDviceUpdateMouseAroundColor every intervalMs milliseconds, 15 at
// first, kept within 8..28.
class updateLightMainThreadAround : public LightTicker
{
    Q_OBJECT
public:
    static constexpr int kDefaultIntervalMs = 15;
    static constexpr int kMinIntervalMs = 8;
    static constexpr int kMaxIntervalMs = 28;

    explicit updateLightMainThreadAround(QObject *parent = nullptr);

    // Takes effect from the next tick.
    void setInterval(int ms);

signals:
    void sigDviceUpdateMouseAroundColor();

protected:
    void emitTick() override;
};
