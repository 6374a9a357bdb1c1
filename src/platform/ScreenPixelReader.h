#pragma once
// Reads the colour shown on the screen at one point, as the colour wheel's pick does.
// Tests stand a double in for the screen.

#include <QColor>
#include <QPoint>

#include <optional>

class ScreenPixelReader
{
public:
    virtual ~ScreenPixelReader() = default;

    // The opaque colour shown at a position in global (logical) screen coordinates, or nothing
    // where the screen cannot be read there.
    virtual std::optional<QColor> colorAt(const QPoint &globalPos) const = 0;
};
