#include "SystemScreenPixelReader.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

std::optional<QColor> SystemScreenPixelReader::colorAt(const QPoint &globalPos) const
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::nullopt;
    QScreen *screen = QGuiApplication::screenAt(globalPos);
    if (!screen)
        return std::nullopt;

    // Grab coordinates are relative to the screen. At a scale factor the grab holds several device
    // pixels; its top-left one is the pixel under the position.
    const QPoint origin = screen->geometry().topLeft();
    const QPixmap grab = screen->grabWindow(0, globalPos.x() - origin.x(), globalPos.y() - origin.y(), 1, 1);
    if (grab.isNull())
        return std::nullopt;
    const QImage image = grab.toImage();
    if (image.isNull() || image.width() < 1 || image.height() < 1)
        return std::nullopt;
    QColor colour = image.pixelColor(0, 0);
    colour.setAlpha(255);
    return colour;
}
