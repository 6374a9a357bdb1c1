#pragma once

#include <QColor>

// A side LED button of the keyboard view, as the keyboard lighting engine sees it.
class SideLightButtonInterface
{
public:
    virtual ~SideLightButtonInterface() = default;

    // Stores the LED's colour, alpha included, and repaints.
    virtual void setColor(const QColor &color) = 0;
    // 1 when the model lights this LED, any other value when it does not.
    virtual int getValidStatus() const = 0;
};
