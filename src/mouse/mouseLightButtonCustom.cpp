// SPDX-License-Identifier: GPL-3.0-or-later
#include "mouseLightButtonCustom.h"

#include <QPainter>
#include <QRadialGradient>

mouseLightButtonCustom::mouseLightButtonCustom(QWidget *parent)
    : QToolButton(parent)
{
    setWindowOpacity(0.5);
    setColor(QColor(0, 255, 0, 200));
}

void mouseLightButtonCustom::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void mouseLightButtonCustom::setButtonSize(int width, int height)
{
    m_width = width;
    m_height = height;
    setFixedSize(qMax(0, width), qMax(0, height));
}

void mouseLightButtonCustom::setButtonPos(int x, int y)
{
    m_pos = QPoint(x, y);
}

void mouseLightButtonCustom::setIndexAndStatus(int index, int validStatus)
{
    m_index = index;
    m_validStatus = validStatus;
}

void mouseLightButtonCustom::paintEvent(QPaintEvent *)
{
    const int w = width();
    const int h = height();
    if (w <= 0 || h <= 0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QPointF centre(w / 2, h / 2);
    QRadialGradient gradient(centre, w, centre);
    gradient.setColorAt(0, m_color);
    QColor rim = m_color;
    rim.setAlpha(0);
    gradient.setColorAt(1, rim);
    painter.setBrush(gradient);
    painter.drawEllipse(0, 0, w, h);
}
