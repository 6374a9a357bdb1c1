// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// An LED button of the mouse lighting page, as the mouse lighting engine sees it.
class MouseLightButtonInterface
{
public:
    virtual ~MouseLightButtonInterface() = default;

    // Stores the LED's colour, alpha included, and repaints.
    virtual void setColor(const QColor &color) = 0;
    // 1 when the LED exists on the mouse, 0 when its slot is empty.
    virtual int validStatus() const = 0;
};
