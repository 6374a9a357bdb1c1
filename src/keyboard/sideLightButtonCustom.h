// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One LED of the keyboard's side light strip: a small bar filled with a gradient of its colour.

#include "SideLightButtonInterface.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QToolButton>

class QPainter;

class sideLightButtonCustom : public QToolButton, public SideLightButtonInterface
{
    Q_OBJECT

public:
    explicit sideLightButtonCustom(QWidget *parent = nullptr);

    void setSize(int width, int height);
    void setPos(int x, int y);
    void setLedInfo(int index, int validStatus);
    void setDrawRounded(bool rounded);
    // Stores the colour and repaints, or tells the view that paints it (nothing happens for the
    // colour it already has).
    void setColor(const QColor &color) override;
    // The view offers to paint the LED along with the keys (paintLight); the LED then skips its
    // own paint and reports a new colour with sigColorChanged.
    void setPaintedByView(bool on);
    bool isPaintedByView() const { return m_paintedByView; }
    // Draws the LED at the painter's origin.
    void paintLight(QPainter &painter);

    int getValidStatus() const override { return m_validStatus; }
    int getIndex() const { return m_index; }
    QColor getColor() const { return m_color; }
    bool isDrawRounded() const { return m_rounded; }
    int getPosX() const { return m_x; }
    int getPosY() const { return m_y; }

signals:
    void sigColorChanged(sideLightButtonCustom *led);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The LED's shape with the gradient's alpha; scaled by the colour for a paint.
    QImage shapeMask() const;
    const QImage &tinted();
    int m_width = 10;
    int m_height = 10;
    int m_x = 0;
    int m_y = 0;
    int m_index = 0;
    int m_validStatus = 0;
    QPoint m_position;
    QColor m_color{0, 0, 0, 128};
    bool m_rounded = false;
    bool m_paintedByView = false;
    // The LED as last painted, redrawn when the colour, size or shape changes.
    QImage m_painted;
    QColor m_paintedColor;
    QImage m_mask;
    bool m_maskRounded = false;
};
