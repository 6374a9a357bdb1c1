// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The effects of the keyboard lighting engine, by effect id. Each effect is a set of plain
// functions over its state: the initialiser fills every cell, the renderer advances the cells
// by one frame (frame counts the ticks since the initialiser ran, from 1) and rewrites the
// colours, and a reactive effect takes key presses. A missing function does nothing; an id
// with no entry neither initialises nor renders.

#include "KeyEffectState.h"
#include "SideEffectState.h"

#include <cstdint>

struct KeyEffectEntry {
    int id;
    void (*initialise)(KeyEffectState &state);
    void (*render)(KeyEffectState &state, uint32_t frame);
    void (*press)(KeyEffectState &state, int row, int column);
};

struct SideEffectEntry {
    int id;
    void (*initialise)(SideEffectState &state);
    void (*render)(SideEffectState &state, uint32_t frame);
};

struct LightEffectTable {
    const KeyEffectEntry *keyEffects = nullptr;
    int keyEffectCount = 0;
    const SideEffectEntry *sideEffects = nullptr;
    int sideEffectCount = 0;

    const KeyEffectEntry *keyEffect(int id) const;
    const SideEffectEntry *sideEffect(int id) const;
};

// The effects the program offers.
const LightEffectTable &keyboardEffectTable();
