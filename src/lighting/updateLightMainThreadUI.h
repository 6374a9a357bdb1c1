#pragma once

#include "LightTicker.h"

// Paces the preview: sigDviceUpdateAllKeyColorUI every 30 ms.
class updateLightMainThreadUI : public LightTicker
{
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 30;

    explicit updateLightMainThreadUI(QObject *parent = nullptr);

signals:
    void sigDviceUpdateAllKeyColorUI();

protected:
    void emitTick() override;
};
