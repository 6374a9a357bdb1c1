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
    if (m_paintedByView)
        emit sigColorChanged(this);
    else
        update();
}

void sideLightButtonCustom::setPaintedByView(bool on)
{
    if (on == m_paintedByView)
        return;
    m_paintedByView = on;
    // An LED without updates is skipped when its part of the view is painted.
    setUpdatesEnabled(!on);
    emit sigColorChanged(this);
}

// The gradient (transparent, the colour, transparent along the LED) is the same for every
// colour but for the tint: its alpha is drawn once, and a new colour only scales it.
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
    painter.end();
    return mask.convertToFormat(QImage::Format_Alpha8);
}

// The LED as it is painted: the mask's alpha times the colour, premultiplied. The preview gives
// every LED a new colour 33 times a second; the picture is rewritten in place, without a painter.
const QImage &sideLightButtonCustom::tinted()
{
    if (m_mask.size() != QSize(m_width, m_height) || m_maskRounded != m_rounded) {
        m_mask = shapeMask();
        m_maskRounded = m_rounded;
        m_painted = QImage(m_mask.size(), QImage::Format_ARGB32_Premultiplied);
        m_paintedColor = QColor();
    }
    if (m_paintedColor == m_color)
        return m_painted;
    const QRgb color = qPremultiply(m_color.rgba());
    const uint channels[4] = {uint(qRed(color)), uint(qGreen(color)), uint(qBlue(color)), uint(qAlpha(color))};
    for (int y = 0; y < m_mask.height(); ++y) {
        const uchar *alpha = m_mask.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(m_painted.scanLine(y));
        for (int x = 0; x < m_mask.width(); ++x) {
            const uint a = alpha[x];
            const auto scale = [a](uint c) { return int((c * a + 127) / 255); };
            out[x] = qRgba(scale(channels[0]), scale(channels[1]), scale(channels[2]), scale(channels[3]));
        }
    }
    m_paintedColor = m_color;
    return m_painted;
}

void sideLightButtonCustom::paintLight(QPainter &painter)
{
    if (m_width == m_height)
        return;
    painter.drawImage(0, 0, tinted());
}

void sideLightButtonCustom::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintLight(painter);
}
