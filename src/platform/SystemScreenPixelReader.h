#pragma once

#include "ScreenPixelReader.h"

// The screen of the running display server. Only an X11 display (the "xcb" platform) is read:
// there a one-pixel grab of the root window gives exactly what is painted. Every other platform,
// a position on no screen or a failed grab gives nothing.
class SystemScreenPixelReader : public ScreenPixelReader
{
public:
    std::optional<QColor> colorAt(const QPoint &globalPos) const override;
};
