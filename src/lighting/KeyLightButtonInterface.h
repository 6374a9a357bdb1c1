#pragma once

#include "KeyButtonInterface.h"

#include <QColor>

// A key button of the keyboard view, as the keyboard lighting engine sees it: its place in
// the key matrix and the LED colour it shows.
class KeyLightButtonInterface : public KeyButtonInterface
{
public:
    // Stores the key's LED colour, alpha included; the button repaints while it shows lighting.
    virtual void setKeyColor(const QColor &color) = 0;
    // The colour last stored by setKeyColor.
    virtual QColor getKeyColor() const = 0;
};
