// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stand-ins for the keyboard view's buttons and a small effect table, for the lighting tests.

#include "KeyLightButtonInterface.h"
#include "KeyRippleEffects.h"
#include "lightDealMain.h"
#include "LightEffectTable.h"
#include "SideLightButtonInterface.h"

#include <QVector>

#include <memory>

class FakeKeyButton : public KeyLightButtonInterface
{
public:
    FakeKeyButton(int row, int column)
        : m_row(row)
        , m_column(column)
    {
    }
    int getRow() const override { return m_row; }
    int getColumn() const override { return m_column; }
    void setKeyColor(const QColor &color) override
    {
        m_color = color;
        ++paints;
    }
    QColor getKeyColor() const override { return m_color; }

    int paints = 0;

private:
    int m_row;
    int m_column;
    QColor m_color;
};

class FakeSideButton : public SideLightButtonInterface
{
public:
    void setColor(const QColor &color) override
    {
        color_ = color;
        ++paints;
    }
    int getValidStatus() const override { return 1; }

    QColor color_;
    int paints = 0;
};

// The 132 buttons of a keyboard view, handed to an engine.
struct FakeKeyboardView {
    std::vector<std::unique_ptr<FakeKeyButton>> keys;
    std::vector<std::unique_ptr<FakeSideButton>> sides;

    explicit FakeKeyboardView(int sideCount = 0)
    {
        for (int i = 0; i < lightDealMain::kKeys; ++i)
            keys.push_back(std::make_unique<FakeKeyButton>(i / lightDealMain::kColumns, i % lightDealMain::kColumns));
        for (int i = 0; i < sideCount; ++i)
            sides.push_back(std::make_unique<FakeSideButton>());
    }
    void attach(lightDealMain &engine) const
    {
        for (int i = 0; i < lightDealMain::kKeys; ++i)
            engine.keyButtons[i / lightDealMain::kColumns][i % lightDealMain::kColumns] = keys[size_t(i)].get();
        QList<SideLightButtonInterface *> list;
        for (const auto &side : sides)
            list << side.get();
        engine.setSideLightButtons(list);
    }
    FakeKeyButton &key(int row, int column) const { return *keys[size_t(row * lightDealMain::kColumns + column)]; }
};

// Test effects. Key effect 0 paints every key with its index and the frame number (so each
// frame differs), dimmed; key effect 6 marks a pressed key's cell. Side effect 0 does the same
// for the strip.
namespace TestEffects {

inline void initialiseKeys(KeyEffectState &state)
{
    for (int row = 0; row < KeyEffectState::kRows; ++row)
        for (int column = 0; column < KeyEffectState::kColumns; ++column)
            state.cells[row][column] = LightCell{row, column, 7, 255, 0, 0, 0};
}

inline void renderKeys(KeyEffectState &state, uint32_t frame)
{
    for (int i = 0; i < KeyEffectState::kKeys; ++i)
        state.colors[i] = state.dimmed(QColor(i, int(frame % 256), state.params.red, 200));
}

inline void pressKey(KeyEffectState &state, int row, int column)
{
    state.cells[row][column].step = 9;
}

inline void initialiseSide(SideEffectState &state)
{
    for (int n = 0; n < SideEffectState::kLeds; ++n)
        state.cells[n] = LightCell{n, 1, 2, 255, 0, 0, 0};
}

inline void renderSide(SideEffectState &state, uint32_t frame)
{
    for (int n = 0; n < SideEffectState::kLeds; ++n)
        state.colors[n] = state.dimmed(QColor(200 + n % 50, int(frame % 256), 3, 150));
}

inline const LightEffectTable &table()
{
    static const KeyEffectEntry keys[] = {
        {0, initialiseKeys, renderKeys, nullptr},
        {6, initialiseKeys, renderKeys, pressKey},
        {8, initialiseKeys, renderKeys, queueRipplePress},
        {16, initialiseKeys, renderKeys, queueBurstPress},
    };
    static const SideEffectEntry sides[] = {{0, initialiseSide, renderSide}};
    static const LightEffectTable t{keys, 4, sides, 1};
    return t;
}

}  // namespace TestEffects

inline colorInfoData lightRecord(int zone, int ledType, int brightness = 4, int speed = 2, int direction = 0)
{
    colorInfoData record;
    record.ledKeyboardOrSide = zone;
    record.ledType = ledType;
    record.ledBrightness = brightness;
    record.ledSpeed = speed;
    record.ledModeR = 10;
    record.ledModeG = 20;
    record.ledModeB = 30;
    record.ledDirection = direction;
    record.ledModeType = 0;
    return record;
}
