// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One LED of the mouse on the lighting page's picture: a small disc in the LED's colour that
// fades to transparent towards its rim. The mouse lighting engine paints it frame by frame.

#include "MouseLightButtonInterface.h"

#include <QColor>
#include <QPoint>
#include <QToolButton>

class mouseLightButtonCustom : public QToolButton, public MouseLightButtonInterface
{
    Q_OBJECT
public:
    explicit mouseLightButtonCustom(QWidget *parent = nullptr);

    void setColor(const QColor &color) override;
    QColor color() const { return m_color; }
    int validStatus() const override { return m_validStatus; }
    int index() const { return m_index; }

    void setButtonSize(int width, int height);
    void setButtonPos(int x, int y);
    QPoint buttonPos() const { return m_pos; }
    void setIndexAndStatus(int index, int validStatus);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    QPoint m_pos;
    int m_width = 0;
    int m_height = 0;
    int m_index = 0;
    int m_validStatus = 0;
};
