#include "SVColorArea.h"

#include "LogCategories.h"
#include "SystemScreenPixelReader.h"

#include <QConicalGradient>
#include <QCursor>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace {

constexpr int kSide = 160;
constexpr int kCentre = 80;

QString hexText(int red, int green, int blue)
{
    return QStringLiteral("#%1%2%3")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

}  // namespace

SVColorArea::SVColorArea(QWidget *parent)
    : QWidget(parent)
    , m_pixelReader(std::make_shared<SystemScreenPixelReader>())
{
    setFixedSize(kSide, kSide);
    ensureColorImage();
}

SVColorArea::~SVColorArea() = default;

void SVColorArea::resetRotate()
{
    m_rotation = 0.0;
    update();
}

void SVColorArea::setBgColor(const QColor &colour)
{
    m_handleColor = colour;
    update();
}

void SVColorArea::setPixelReader(std::shared_ptr<const ScreenPixelReader> reader)
{
    m_pixelReader = reader ? std::move(reader) : std::make_shared<SystemScreenPixelReader>();
}

QImage SVColorArea::colorImage()
{
    ensureColorImage();
    return m_colorImage;
}

void SVColorArea::hueChangedSlot(int hue)
{
    m_hue = hue;
    emit svChangedSignal(m_hue, m_saturation, m_value);
    update();
}

void SVColorArea::print2()
{
    const QPoint global = QCursor::pos();
    pickAt(global, mapFromGlobal(global));
}

void SVColorArea::ensureColorImage()
{
    const qreal ratio = devicePixelRatioF();
    if (m_colorImage.isNull() || !qFuzzyCompare(m_colorImage.devicePixelRatio(), ratio))
        buildColorImage(ratio);
}

void SVColorArea::buildColorImage(qreal ratio)
{
    const int side = m_wheelDiameter + 20;
    const int pixels = qCeil(side * ratio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const QPointF centre(m_wheelDiameter / 2 + 20, m_wheelDiameter / 2 + 20);
    QConicalGradient hues(centre, -140);
    hues.setColorAt(0.0, QColor(0, 255, 0));
    hues.setColorAt(0.16, QColor(0, 255, 255));
    hues.setColorAt(0.32, QColor(0, 0, 255));
    hues.setColorAt(0.48, QColor(255, 0, 255));
    hues.setColorAt(0.64, QColor(255, 0, 0));
    hues.setColorAt(0.8, QColor(255, 255, 0));
    hues.setColorAt(1.0, QColor(0, 255, 0));
    painter.setBrush(hues);
    painter.drawEllipse(QRectF(20, 20, m_wheelDiameter, m_wheelDiameter));

    QRadialGradient white(centre, 52, centre);
    white.setColorAt(0.0, Qt::white);
    white.setColorAt(1.0, Qt::transparent);
    painter.setBrush(white);
    const int inset = m_wheelDiameter / 2 - 32;
    painter.drawEllipse(QRectF(inset, inset, m_wheelDiameter - 16, m_wheelDiameter - 16));
    painter.end();

    m_colorImage = image;
    m_colorPixmap = QPixmap::fromImage(image);
    m_colorPixmap.setDevicePixelRatio(ratio);
}

void SVColorArea::paintEvent(QPaintEvent *)
{
    ensureColorImage();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(0, 0, m_colorPixmap);

    QConicalGradient metal(70, 70, 83);
    metal.setColorAt(0.0, QColor(255, 255, 255, 255));
    metal.setColorAt(1.0, QColor(0, 0, 0, 255));
    painter.setPen(QPen(QBrush(metal), 6, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(10, 10, 140, 140));

    const double span = 360 - m_startAngleMargin - m_endAngleMargin;
    const double angle = -(span / (m_rotationMaximum - m_rotationMinimum) * (m_rotation - m_rotationMinimum));
    painter.setPen(Qt::NoPen);
    painter.translate(kCentre, kCentre);
    painter.rotate(angle);
    QLinearGradient handle(0, 0, 16, 16);
    handle.setColorAt(0, m_handleColor);
    handle.setColorAt(1, m_handleHighlightColor);
    painter.setBrush(handle);
    painter.drawEllipse(QRectF(-10, -78, 16, 16));
    painter.end();

    emit sigMoveingStatus(static_cast<int>(m_rotation), static_cast<int>(angle));
}

void SVColorArea::mousePressEvent(QMouseEvent *event)
{
    const int x = event->pos().x();
    const int y = event->pos().y();
    const float dx = float(x - kCentre);
    const float dy = float(y - kCentre);
    const int distance = static_cast<int>(std::sqrt(dx * dx + dy * dy));

    emit sigMouseIsPress(true);
    if (distance < m_wheelDiameter / 2) {
        m_pressedInside = true;
        m_saturation = qBound(0, x, 255);
        m_value = qBound(0, 255 - y, 255);
        emit svChangedSignal(m_hue, m_saturation, m_value);
        pickAt(event->globalPos(), event->pos());
        m_rotation = 0.0;
        update();
    } else {
        m_pressedInside = false;
        turnHandleTowards(event->pos());
    }
}

void SVColorArea::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressedInside)
        return;
    turnHandleTowards(event->pos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent *)
{
    emit sigMouseIsPress(false);
}

void SVColorArea::turnHandleTowards(const QPoint &pos)
{
    const QPointF d = QPointF(pos) - QPointF(rect().center());
    const double angle = std::atan2(d.x(), d.y()) * 180.0 / M_PI;
    double rotation = (180.0 + angle) * ((m_rotationMaximum - m_rotationMinimum) / 360.0) + m_rotationMinimum;
    if (rotation <= m_rotationMinimum)
        rotation = m_rotationMinimum;
    else if (rotation >= m_rotationMaximum)
        rotation = m_rotationMaximum;
    m_rotation = rotation;
    update();
}

void SVColorArea::pickAt(const QPoint &globalPos, const QPoint &localPos)
{
    QColor colour(Qt::transparent);
    if (const std::optional<QColor> shown = m_pixelReader->colorAt(globalPos)) {
        colour = *shown;
    } else {
        // Without a readable screen the wheel's own picture stands in for what is shown.
        ensureColorImage();
        const qreal ratio = m_colorImage.devicePixelRatio();
        const QPoint pixel(qFloor(localPos.x() * ratio), qFloor(localPos.y() * ratio));
        if (m_colorImage.rect().contains(pixel))
            colour = m_colorImage.pixelColor(pixel);
        if (colour.alpha() == 0) {
            qCDebug(lcUi) << "SVColorArea: no colour to pick at" << localPos;
            return;
        }
    }
    const int red = colour.red();
    const int green = colour.green();
    const int blue = colour.blue();
    emit sigGetRGB(red, green, blue);
    emit sigGetHexRGB(hexText(red, green, blue));
}
