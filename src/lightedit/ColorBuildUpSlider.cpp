#include "ColorBuildUpSlider.h"

#include "LogCategories.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

ColorBuildUpSlider::ColorBuildUpSlider(int index, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
{
    setFixedSize(10, 20);
}

void ColorBuildUpSlider::setColors(const QColor &pinColour, const QColor &stopColour)
{
    m_pinColor = pinColour;
    m_headColor = stopColour;
    m_stopColor = stopColour;
    update();
}

void ColorBuildUpSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_selected = true;
        emit sigSelectSliderStatus(true);
        update();
    } else if (event->button() == Qt::RightButton) {
        qCDebug(lcUi) << "---------- RightButton ADD ---------";
    }
}

void ColorBuildUpSlider::mouseReleaseEvent(QMouseEvent *)
{
    m_selected = false;
    emit sigSelectSliderStatus(false);
    update();
}

void ColorBuildUpSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPolygonF tip({QPointF(0, 10), QPointF(10, 10), QPointF(5, 20)});
    painter.setPen(m_pinColor);
    painter.setBrush(m_pinColor);
    painter.drawPolygon(tip);

    painter.setPen(m_headColor);
    painter.setBrush(m_headColor);
    painter.drawRect(QRectF(0.5, 0.5, 9, 9));
}
