#pragma once

#include "LightTicker.h"

// Paces the key effect: sigDviceUpdateAllKeyColor every intervalMs milliseconds, 15 at first, kept
// within 8..28.
class updateLightMainThread : public LightTicker
{
    Q_OBJECT
public:
    static constexpr int kDefaultIntervalMs = 15;
    static constexpr int kMinIntervalMs = 8;
    static constexpr int kMaxIntervalMs = 28;

    explicit updateLightMainThread(QObject *parent = nullptr);

    // Takes effect from the next tick.
    void setInterval(int ms);

signals:
    void sigDviceUpdateAllKeyColor();

protected:
    void emitTick() override;
};
