#include "buildUpColorShowArea.h"

#include <QLinearGradient>
#include <QPainter>

buildUpColorShowArea::buildUpColorShowArea(QWidget *parent)
    : QWidget(parent)
{
}

void buildUpColorShowArea::setColorBuildUp(const QList<double> &stops, const QList<QColor> &colors)
{
    m_stops = stops;
    m_colors = colors;
    update();
}

void buildUpColorShowArea::paintEvent(QPaintEvent *)
{
    const int count = qMin(m_stops.size(), m_colors.size());
    if (count == 0)
        return;
    QLinearGradient gradient(0, 0, width(), 0);
    for (int i = 0; i < count; ++i)
        gradient.setColorAt(qBound(0.0, m_stops.at(i), 1.0), m_colors.at(i));
    QPainter painter(this);
    painter.fillRect(rect(), gradient);
}
