#include "buildUpColorShowArea.h"

#include <QLinearGradient>
#include <QPainter>

buildUpColorShowArea::buildUpColorShowArea(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void buildUpColorShowArea::setColorBuildUp(const QList<double> &stops, const QList<QColor> &colours)
{
    m_stops = stops;
    m_colors = colours;
    m_hasBuildUp = true;
    update();
}

void buildUpColorShowArea::paintEvent(QPaintEvent *)
{
    if (!m_hasBuildUp)
        return;
    QLinearGradient gradient(0, 0, width(), 0);
    const int count = qMin(m_stops.size(), m_colors.size());
    for (int i = 0; i < count; ++i)
        gradient.setColorAt(qBound(0.0, m_stops.at(i), 1.0), m_colors.at(i));
    gradient.setSpread(QGradient::PadSpread);
    QPainter painter(this);
    painter.fillRect(rect(), gradient);
}
