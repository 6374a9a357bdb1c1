// SPDX-License-Identifier: GPL-3.0-or-later
#include "dragShowArea.h"

#include <QMouseEvent>
#include <QPainter>

dragShowArea::dragShowArea(QWidget *parent)
    : QWidget(parent)
{
}

void dragShowArea::setColor(int r, int g, int b)
{
    m_red = r;
    m_green = g;
    m_blue = b;
}

void dragShowArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_start = event->pos();
        m_current = m_start;
        m_end = m_start;
        m_dragging = false;
    }
}

void dragShowArea::mouseMoveEvent(QMouseEvent *event)
{
    m_dragging = true;
    const QRect area = contentsRect();
    m_current = QPoint(qBound(0, event->pos().x(), area.width()), qBound(0, event->pos().y(), area.height()));
    update();
}

void dragShowArea::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_end = event->pos();
    m_dragging = false;
    update();
    emit sigDragArea(m_start.x(), m_start.y(), m_end.x(), m_end.y());
}

void dragShowArea::paintEvent(QPaintEvent *)
{
    if (!m_dragging)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor band(m_red, m_green, m_blue);
    painter.setPen(QPen(band, 1, Qt::SolidLine));
    painter.setBrush(QColor(m_red, m_green, m_blue, 100));
    painter.drawRect(QRect(m_start, QSize(m_current.x() - m_start.x(), m_current.y() - m_start.y())));
}
