// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LightTicker.h"

// Paces the mouse's Logo zone: sigDviceUpdateMouseLogoColor every intervalMs milliseconds, 15 at
// first, kept within 8..28.
class updateLightMainThreadLogo : public LightTicker
{
    Q_OBJECT
public:
    static constexpr int kDefaultIntervalMs = 15;
    static constexpr int kMinIntervalMs = 8;
    static constexpr int kMaxIntervalMs = 28;

    explicit updateLightMainThreadLogo(QObject *parent = nullptr);

    // Takes effect from the next tick.
    void setInterval(int ms);

signals:
    void sigDviceUpdateMouseLogoColor();

protected:
    void emitTick() override;
};
