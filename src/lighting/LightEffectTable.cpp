#include "LightEffectTable.h"

#include <QRandomGenerator>

#include <algorithm>
#include <iterator>

namespace {

constexpr int kRippleColorCount = 7;

// Key effects. The renderers of every id are still to come; the ids are those of the
// device's lighting-mode list (13 is "no effect" and has no entry).
const KeyEffectEntry kKeyEffects[] = {
    {0, nullptr, nullptr, nullptr},           // Static
    {1, nullptr, nullptr, nullptr},           // Breath
    {2, nullptr, nullptr, nullptr},           // Wave
    {3, nullptr, nullptr, nullptr},           // Neon
    {4, nullptr, nullptr, nullptr},           // Radar
    {5, nullptr, nullptr, nullptr},           // Snack
    {6, nullptr, nullptr, nullptr},           // Reactive
    {7, nullptr, nullptr, queueRipplePress},  // Aurora
    {8, nullptr, nullptr, queueRipplePress},  // Ripple
    {9, nullptr, nullptr, nullptr},           // Twinkle
    {10, nullptr, nullptr, nullptr},          // Custom
    {11, nullptr, nullptr, nullptr},          // Cross
    {12, nullptr, nullptr, nullptr},          // Speed Respond
    {14, nullptr, nullptr, nullptr},          // Auto Ripple
    {15, nullptr, nullptr, nullptr},          // Striation
    {16, nullptr, nullptr, queueBurstPress},  // Fireworks
    {100, nullptr, nullptr, nullptr},         // Musical Rhythm
};

// Side strip effects.
const SideEffectEntry kSideEffects[] = {
    {0, nullptr, nullptr},  // Static
    {1, nullptr, nullptr},  // Breath
    {2, nullptr, nullptr},  // Wave
    {3, nullptr, nullptr},  // Collision
    {4, nullptr, nullptr},  // Neon
};

void queuePress(KeyEffectState &state, int row, int column, int radius)
{
    state.ripples.push(row, column, int(QRandomGenerator::global()->bounded(kRippleColorCount)), radius);
}

}  // namespace

const KeyEffectEntry *LightEffectTable::keyEffect(int id) const
{
    for (int i = 0; i < keyEffectCount; ++i)
        if (keyEffects[i].id == id)
            return &keyEffects[i];
    return nullptr;
}

const SideEffectEntry *LightEffectTable::sideEffect(int id) const
{
    for (int i = 0; i < sideEffectCount; ++i)
        if (sideEffects[i].id == id)
            return &sideEffects[i];
    return nullptr;
}

const LightEffectTable &keyboardEffectTable()
{
    static const LightEffectTable table{kKeyEffects, int(std::size(kKeyEffects)), kSideEffects,
                                        int(std::size(kSideEffects))};
    return table;
}

void queueRipplePress(KeyEffectState &state, int row, int column)
{
    const int radius = (state.params.direction & 1) ? std::max(column, KeyEffectState::kColumns - 1 - column) : 0;
    queuePress(state, row, column, radius);
}

void queueBurstPress(KeyEffectState &state, int row, int column)
{
    queuePress(state, row, column, 0);
}
