// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardButCustom.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>

keyboardButCustom::keyboardButCustom(QWidget *parent)
    : QToolButton(parent)
{
    setFixedSize(m_width, m_height);
}

void keyboardButCustom::setSize(int width, int height)
{
    m_width = qMax(0, width);
    m_height = qMax(0, height);
    setFixedSize(m_width, m_height);
    updateShapeMask();
}

void keyboardButCustom::setPos(int x, int y)
{
    m_x = x;
    m_y = y;
    m_position = QPoint(x, y);
}

void keyboardButCustom::setKeyInfo(const QPair<int, QString> &info)
{
    m_keyDec = info.first;
    m_keyCharacter = info.second;
}

void keyboardButCustom::setRowColumn(int row, int column)
{
    m_row = row;
    m_column = column;
}

void keyboardButCustom::setCustomFlag(int flag)
{
    const bool assigned = flag != 0;
    if (assigned == m_assigned)
        return;
    m_assigned = assigned;
    update();
}

void keyboardButCustom::setSelected(bool selected, bool repaint)
{
    m_selected = selected;
    if (repaint)
        update();
}

void keyboardButCustom::setEnterShapeSize(int notchWidth, int upperHeight)
{
    m_notchWidth = notchWidth;
    m_upperHeight = upperHeight;
    m_lowerWidth = m_width - notchWidth;
    m_lowerHeight = m_height - upperHeight;
    updateShapeMask();
}

void keyboardButCustom::setShapeType(int type)
{
    m_shapeType = type;
    updateShapeMask();
}

void keyboardButCustom::setSpecialEnterKey(bool special)
{
    m_specialEnter = special;
    updateShapeMask();
}

void keyboardButCustom::setThemeColor(const QColor &first, const QColor &second)
{
    m_hoverFill = QColor(second.red(), second.green(), second.blue(), 50);
    m_hoverPen = second;
    m_selectedFill = QColor(first.red(), first.green(), first.blue(), 50);
    m_selectedPen = first;
    m_assignedFill = m_hoverFill;
    m_assignedPen = second;
    m_lightOutline = second;
    update();
}

void keyboardButCustom::setKeyColor(const QColor &color)
{
    if (color == m_ledColor)
        return;
    m_ledColor = color;
    if (!m_colourRepaint)
        return;
    if (m_lightPaintedByView)
        emit sigLightColorChanged(this);
    else
        update();
}

void keyboardButCustom::setPaintColor(const QColor &color)
{
    m_paintColor = color;
    setKeyColor(color);
}

void keyboardButCustom::setLightPaintedByView(bool on)
{
    m_viewPaintsLight = on;
    applyLightPainting();
}

void keyboardButCustom::applyLightPainting()
{
    const bool painted = m_viewPaintsLight && !m_customView && !m_lightEditView;
    if (painted == m_lightPaintedByView)
        return;
    m_lightPaintedByView = painted;
    // A key without updates is skipped when its part of the view is painted; it still takes
    // the mouse (hover, clicks).
    setUpdatesEnabled(!painted);
    emit sigLightColorChanged(this);
}

void keyboardButCustom::paintLight(QPainter &painter)
{
    drawKey(painter, m_ledColor, m_ledColor);
}

void keyboardButCustom::setCustomView(bool on)
{
    m_customView = on;
    applyLightPainting();
}

void keyboardButCustom::setLightEditView(bool on)
{
    m_lightEditView = on;
    applyLightPainting();
}

void keyboardButCustom::setStateValue(int colourRepaint)
{
    m_colourRepaint = colourRepaint != 0;
}

void keyboardButCustom::setDragMark(bool mark)
{
    m_dragMark = mark;
}

void keyboardButCustom::enterEvent(QEvent *event)
{
    m_hovered = true;
    emit sigCustomButMouseEnter();
    update();
    QToolButton::enterEvent(event);
}

void keyboardButCustom::leaveEvent(QEvent *event)
{
    m_hovered = false;
    emit sigCustomButMouseLeave();
    update();
    QToolButton::leaveEvent(event);
}

void keyboardButCustom::updateShapeMask()
{
    if (!(m_specialEnter && m_shapeType == 1)) {
        clearMask();
        return;
    }
    const int a = m_notchWidth;
    const int b = m_upperHeight;
    const int w = m_width;
    const int h = m_height;
    const QPolygon outline({QPoint(0, b + 3), QPoint(a - 3, b + 3), QPoint(a - 3, h), QPoint(w, h), QPoint(w, 0),
                            QPoint(0, 0), QPoint(0, b)});
    setMask(QRegion(outline));
}

void keyboardButCustom::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    if (m_lightEditView) {
        const bool dark = m_ledColor.red() == 0 && m_ledColor.green() == 0 && m_ledColor.blue() == 0;
        if (dark) {
            drawKey(painter, Qt::transparent, (m_selected || m_hovered) ? m_lightOutline : QColor(Qt::transparent));
        } else {
            const bool outlined = m_dragMark || m_hovered || m_selected;
            drawKey(painter, m_ledColor, outlined ? m_lightOutline : m_ledColor);
        }
        return;
    }
    if (m_customView) {
        if (m_assigned)
            drawKey(painter, m_assignedFill, m_assignedPen);
        if (m_selected) {
            if (m_hovered)
                drawKey(painter, m_hoverFill, m_hoverPen);
            else
                drawKey(painter, m_selectedFill, m_selectedPen);
        } else if (m_hovered) {
            drawKey(painter, m_hoverFill, m_hoverPen);
        }
        return;
    }
    paintLight(painter);
}

void keyboardButCustom::drawKey(QPainter &painter, const QColor &fill, const QColor &pen)
{
    if (m_specialEnter)
        drawEnterKey(painter, fill, pen);
    else
        drawPlainKey(painter, fill, pen);
}

void keyboardButCustom::drawPlainKey(QPainter &painter, const QColor &fill, const QColor &pen)
{
    if (fill == pen) {
        // Filled and outlined in one colour (the light preview, which repaints every key 33 times
        // a second): the outline 3 pixels wide leaves only the outermost corner pixels uncovered,
        // so the key is filled whole instead of stroking its rounded outline.
        painter.fillRect(rect(), fill);
        return;
    }
    painter.fillRect(contentsRect().adjusted(1, 1, -1, -1), fill);
    painter.setPen(QPen(pen, 3, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRect(0, 0, m_width, m_height), 6, 6);
}

void keyboardButCustom::drawEnterKey(QPainter &painter, const QColor &fill, const QColor &pen)
{
    if (m_shapeType != 1)
        return;
    const int a = m_notchWidth;
    const int b = m_upperHeight;
    const int w = m_width;
    const int h = m_height;

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(pen, 2, Qt::SolidLine));
    painter.drawLine(5, b, a - 5, b);
    painter.drawLine(a, b + 5, a, h - 5);

    painter.setPen(QPen(pen, 3, Qt::SolidLine));
    painter.drawLine(a + 5, h, w - 5, h);
    painter.drawLine(w, h - 5, w, 5);
    painter.drawLine(w - 5, 0, 5, 0);
    painter.drawLine(0, b - 5, 0, 5);

    // Angles in sixteenths of a degree, counter-clockwise from three o'clock.
    painter.setPen(QPen(pen, 2, Qt::SolidLine));
    painter.drawArc(QRect(0, b - 10, 10, 10), -180 * 16, 90 * 16);
    painter.drawArc(QRect(a, h - 10, 10, 10), -180 * 16, 90 * 16);
    painter.drawArc(QRect(a - 10, b, 10, 10), 360 * 16, 90 * 16);
    painter.drawArc(QRect(w - 10, 0, 10, 10), 360 * 16, 90 * 16);
    painter.drawArc(QRect(0, 0, 10, 10), 90 * 16, 90 * 16);
    painter.drawArc(QRect(w - 10, h - 10, 10, 10), -90 * 16, 90 * 16);

    painter.setPen(QPen(fill, 2, Qt::SolidLine));
    painter.drawArc(QRect(a - 8, b - 1, 10, 10), 360 * 16, 90 * 16);

    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRect(2, 2, w - 4, b - 3), 6, 6, Qt::RelativeSize);
    painter.drawRoundedRect(QRect(a + 1, b - 1, w - a - 3, h - b - 1), 6, 6, Qt::RelativeSize);
}
