// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keyboard lighting engine, as the device link sees it: the key-press input of the
// reactive effects.
class KeyboardLightInterface
{
public:
    virtual ~KeyboardLightInterface() = default;

    // A key at (row, column) of the 6 by 22 key matrix went down; (0, 0) for the effect that
    // reacts to any key. The engine ignores places outside the matrix.
    virtual void keyPressLight(int row, int column) = 0;
};
