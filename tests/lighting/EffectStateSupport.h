// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Effect state for stepping the key and side effects directly, with step counters of its own so
// that every test starts them at 0.

#include "KeyEffectState.h"
#include "SideEffectState.h"

#include <QColor>

#include <memory>

struct KeyEffectFixture {
    std::unique_ptr<LightStepAccumulators> accumulators = std::make_unique<LightStepAccumulators>();
    std::unique_ptr<KeyEffectState> state = std::make_unique<KeyEffectState>();

    KeyEffectFixture(int ledType, bool fullColor, const QColor &fore, const QColor &back, int direction = 0)
    {
        KeyEffectState &s = *state;
        s.accumulators = accumulators.get();
        s.params.ledType = ledType;
        s.params.red = fore.red();
        s.params.green = fore.green();
        s.params.blue = fore.blue();
        s.params.bgRed = back.red();
        s.params.bgGreen = back.green();
        s.params.bgBlue = back.blue();
        s.params.direction = direction;
        s.fullColor = fullColor;
    }
    KeyEffectState &operator*() const { return *state; }
    KeyEffectState *operator->() const { return state.get(); }
    QColor color(int row, int column) const { return state->colors[row * KeyEffectState::kColumns + column]; }
    const LightCell &cell(int row, int column) const { return state->cells[row][column]; }
};

struct SideEffectFixture {
    std::unique_ptr<LightStepAccumulators> accumulators = std::make_unique<LightStepAccumulators>();
    std::unique_ptr<SideEffectState> state = std::make_unique<SideEffectState>();

    SideEffectFixture(int ledType, bool fullColor, const QColor &fore, const QColor &back, int ledCount,
                      int direction = 0)
    {
        SideEffectState &s = *state;
        s.accumulators = accumulators.get();
        s.params.ledType = ledType;
        s.params.red = fore.red();
        s.params.green = fore.green();
        s.params.blue = fore.blue();
        s.params.bgRed = back.red();
        s.params.bgGreen = back.green();
        s.params.bgBlue = back.blue();
        s.params.direction = direction;
        s.fullColor = fullColor;
        s.ledCount = ledCount;
        for (int n = 0; n < ledCount; ++n)
            s.valid[n] = true;
    }
    SideEffectState &operator*() const { return *state; }
    SideEffectState *operator->() const { return state.get(); }
};
