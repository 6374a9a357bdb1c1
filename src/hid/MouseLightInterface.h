// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The mouse lighting engine, as the device link sees it: the input of its reactive and
// DPI-colour effects.
class MouseLightInterface
{
public:
    virtual ~MouseLightInterface() = default;

    // A mouse button event: one step of the reactive effect.
    virtual void keyPressLight() = 0;
    // The DPI button went down: the next DPI colour.
    virtual void nextDpiColor() = 0;
};
