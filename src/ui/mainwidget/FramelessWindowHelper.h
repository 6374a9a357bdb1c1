// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moves and resizes a window without a system frame: dragging the drag area moves it, dragging
// within 4 pixels of an edge or corner resizes it, with the matching resize cursor while the
// mouse hovers there. The window manager does the move or resize where it can
// (QWindow::startSystemMove/startSystemResize); without one the window follows the mouse itself.
// A maximised or full-screen window neither moves nor resizes.
//
// The helper watches the window's own mouse events; mouse moves without a button reach the
// window only through widgets with mouse tracking, so every frame that covers the window's
// border band is given to addTrackedFrame().

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <Qt>

class QMouseEvent;
class QWidget;

class FramelessWindowHelper : public QObject
{
    Q_OBJECT
public:
    enum Region {
        Top = 0,
        Bottom = 1,
        Left = 2,
        Right = 3,
        TopLeft = 4,
        BottomLeft = 5,
        BottomRight = 6,
        TopRight = 7,
        NoRegion = 8
    };
    Q_ENUM(Region)

    static constexpr int kBorder = 4;

    // A child of the window; turns the window's mouse tracking on and watches it.
    explicit FramelessWindowHelper(QWidget *window);

    // Pressing the left button inside this widget (any descendant of the window) drags the window.
    void setDragArea(QWidget *area);
    // Turns mouse tracking on for a frame, so that plain moves over it reach the window.
    void addTrackedFrame(QWidget *frame);
    // Entering this frame restores the arrow cursor.
    void setArrowOnEnter(QWidget *frame);

    Region resizeRegion() const { return m_region; }

    // The region of a global point against the window's global bounds (left, top, right and
    // bottom inclusive); corners win over edges, bounds of the 4-pixel band included.
    static Region regionAt(const QRect &bounds, const QPoint &pos);
    static Qt::CursorShape cursorFor(Region region);
    // The window's new bounds when the region is dragged to the global point; an edge moved to
    // the left or top stops where the width or height would no longer exceed the minimum.
    static QRect resizedBounds(const QRect &bounds, Region region, const QPoint &pos, const QSize &minimum);

    // Finds the region under the global point and shows its cursor.
    void updateResizeRegion(const QPoint &globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool mousePress(QMouseEvent *event);
    void mouseMove(QMouseEvent *event);
    void mouseRelease(QMouseEvent *event);
    bool isMaximisedOrFullScreen() const;
    QRect globalBounds() const;
    bool startSystemResize();

    QWidget *m_window;
    QPointer<QWidget> m_dragArea;
    QPointer<QWidget> m_arrowFrame;
    bool m_leftPressed = false;
    bool m_moving = false;
    QPoint m_dragOffset;
    Region m_region = NoRegion;
};
