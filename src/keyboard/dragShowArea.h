// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rubber band over the keyboard view: drag a rectangle to mark the keys inside it.

#include <QPoint>
#include <QWidget>

class dragShowArea : public QWidget
{
    Q_OBJECT

public:
    explicit dragShowArea(QWidget *parent = nullptr);

    void setColor(int r, int g, int b);
    bool isDragging() const { return m_dragging; }

signals:
    void sigDragArea(int startX, int startY, int endX, int endY);
    void sigDragAreaMousePress();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_dragging = false;
    QPoint m_start;
    QPoint m_current;
    QPoint m_end;
    int m_red = 255;
    int m_green = 49;
    int m_blue = 53;
};
