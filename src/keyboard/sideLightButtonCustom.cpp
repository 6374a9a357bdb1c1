// SPDX-License-Identifier: GPL-3.0-or-later
#include "sideLightButtonCustom.h"

#include <QLinearGradient>
#include <QPainter>

sideLightButtonCustom::sideLightButtonCustom(QWidget *parent)
    : QToolButton(parent)
{
    setFixedSize(m_width, m_height);
}

void sideLightButtonCustom::setSize(int width, int height)
{
    m_width = qMax(0, width);
    m_height = qMax(0, height);
    setFixedSize(m_width, m_height);
}

void sideLightButtonCustom::setPos(int x, int y)
{
    m_x = x;
    m_y = y;
    m_position = QPoint(x, y);
}

void sideLightButtonCustom::setLedInfo(int index, int validStatus)
{
    m_index = index;
    m_validStatus = validStatus;
}

void sideLightButtonCustom::setDrawRounded(bool rounded)
{
    m_rounded = rounded;
}

void sideLightButtonCustom::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

// The gradient (transparent, the colour, transparent along the LED) is the same for every
// colour but for the tint: its alpha is drawn once, and a paint only tints a copy of it.
QImage sideLightButtonCustom::shapeMask() const
{
    QImage mask(m_width, m_height, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const bool horizontal = m_width > m_height;
    QLinearGradient gradient(0, 0, horizontal ? m_width : 0, horizontal ? 0 : m_height);
    gradient.setSpread(QGradient::RepeatSpread);
    gradient.setColorAt(0, Qt::transparent);
    gradient.setColorAt(0.5, Qt::white);
    gradient.setColorAt(1, Qt::transparent);
    painter.setBrush(gradient);

    if (horizontal && m_rounded) {
        const int radius = m_height / 2 - 1;
        painter.drawRoundedRect(QRect(0, 0, m_width, m_height), radius, radius);
    } else {
        painter.drawRect(QRect(0, 0, m_width, m_height));
    }
    return mask;
}

void sideLightButtonCustom::paintEvent(QPaintEvent *)
{
    if (m_width == m_height)
        return;
    if (m_mask.size() != QSize(m_width, m_height) || m_maskRounded != m_rounded) {
        m_mask = shapeMask();
        m_maskRounded = m_rounded;
        m_paintedColor = QColor();
    }
    if (m_paintedColor != m_color || m_painted.isNull()) {
        m_painted = QImage(m_mask.size(), QImage::Format_ARGB32_Premultiplied);
        m_painted.fill(m_color);
        QPainter tint(&m_painted);
        tint.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        tint.drawImage(0, 0, m_mask);
        m_paintedColor = m_color;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_painted);
}
