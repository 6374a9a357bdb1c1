// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stand-ins for the mouse lighting page's LED buttons and a record maker, for the mouse
// lighting tests.

#include "MouseLightButtonInterface.h"
#include "mouseLightDealMain.h"

#include <QList>

#include <memory>
#include <vector>

class FakeMouseLed : public MouseLightButtonInterface
{
public:
    explicit FakeMouseLed(int valid)
        : m_valid(valid)
    {
    }
    void setColor(const QColor &color) override
    {
        shown = color;
        ++paints;
    }
    int validStatus() const override { return m_valid; }

    QColor shown;
    int paints = 0;

private:
    int m_valid;
};

// The LED buttons of a lighting page; by default the 18 of a mouse whose LEDs all exist.
struct FakeMouseLeds {
    std::vector<std::unique_ptr<FakeMouseLed>> leds;

    explicit FakeMouseLeds(const QVector<int> &valid = QVector<int>(mouseLightDealMain::kLeds, 1))
    {
        for (int v : valid)
            leds.push_back(std::make_unique<FakeMouseLed>(v));
    }
    QList<MouseLightButtonInterface *> list() const
    {
        QList<MouseLightButtonInterface *> out;
        for (const auto &led : leds)
            out << led.get();
        return out;
    }
    void attach(mouseLightDealMain &engine) const { engine.setMouseLightButtons(list()); }
    FakeMouseLed &operator[](int n) const { return *leds[size_t(n)]; }
};

// A mouse zone record (zone 0 Around, 1 Scroll, 2 Logo) at full brightness for a brightness
// maximum of 4.
inline colorInfoData mouseRecord(int zone, int ledType, QColor fg = QColor(200, 100, 50), QColor bg = QColor(0, 0, 0),
                                 int direction = 0, bool fullColor = false)
{
    colorInfoData record;
    record.ledKeyboardOrSide = zone;
    record.ledType = ledType;
    record.ledBrightness = 4;
    record.ledSpeed = 2;
    record.ledModeR = fg.red();
    record.ledModeG = fg.green();
    record.ledModeB = fg.blue();
    record.ledBgR = bg.red();
    record.ledBgG = bg.green();
    record.ledBgB = bg.blue();
    record.ledDirection = direction;
    record.ledModeType = fullColor ? 1 : 0;
    return record;
}

// An engine told the maxima of the emulated mouse: speed 4 and brightness 4 in every zone.
inline void setMouseMaxima(mouseLightDealMain &engine)
{
    engine.setSpeedAndBrightnessMaxNum(4, 4, 4, 4, 4, 4);
}
