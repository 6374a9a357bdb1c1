#pragma once

#include "LightTicker.h"

// Paces the side strip effect: sigDviceUpdateAllKeyColorSide every intervalMs milliseconds, 15 at first, kept
// within 8..28.
class updateLightMainThreadSide : public LightTicker
{
    Q_OBJECT
public:
    static constexpr int kDefaultIntervalMs = 15;
    static constexpr int kMinIntervalMs = 8;
    static constexpr int kMaxIntervalMs = 28;

    explicit updateLightMainThreadSide(QObject *parent = nullptr);

    // Takes effect from the next tick.
    void setInterval(int ms);

signals:
    void sigDviceUpdateAllKeyColorSide();

protected:
    void emitTick() override;
};
