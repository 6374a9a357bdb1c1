// SPDX-License-Identifier: GPL-3.0-or-later
#include "FramelessWindowHelper.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

FramelessWindowHelper::FramelessWindowHelper(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    m_window->setMouseTracking(true);
    m_window->installEventFilter(this);
}

void FramelessWindowHelper::setDragArea(QWidget *area)
{
    m_dragArea = area;
}

void FramelessWindowHelper::addTrackedFrame(QWidget *frame)
{
    frame->setMouseTracking(true);
}

void FramelessWindowHelper::setArrowOnEnter(QWidget *frame)
{
    m_arrowFrame = frame;
    frame->installEventFilter(this);
}

FramelessWindowHelper::Region FramelessWindowHelper::regionAt(const QRect &bounds, const QPoint &pos)
{
    const int l = bounds.left(), t = bounds.top(), r = bounds.right(), b = bounds.bottom();
    const int x = pos.x(), y = pos.y();
    const bool left = l <= x && x <= l + kBorder;
    const bool right = r - kBorder <= x && x <= r;
    const bool top = t <= y && y <= t + kBorder;
    const bool bottom = b - kBorder <= y && y <= b;
    if (left && top)
        return TopLeft;
    if (right && bottom)
        return BottomRight;
    if (left && bottom)
        return BottomLeft;
    if (right && top)
        return TopRight;
    if (left)
        return Left;
    if (right)
        return Right;
    if (top)
        return Top;
    if (bottom)
        return Bottom;
    return NoRegion;
}

Qt::CursorShape FramelessWindowHelper::cursorFor(Region region)
{
    switch (region) {
    case Top:
    case Bottom:
        return Qt::SizeVerCursor;
    case Left:
    case Right:
        return Qt::SizeHorCursor;
    case TopLeft:
    case BottomRight:
        return Qt::SizeFDiagCursor;
    case BottomLeft:
    case TopRight:
        return Qt::SizeBDiagCursor;
    case NoRegion:
        break;
    }
    return Qt::ArrowCursor;
}

QRect FramelessWindowHelper::resizedBounds(const QRect &bounds, Region region, const QPoint &pos, const QSize &minimum)
{
    QRect rect = bounds;
    const auto leftFollows = [&] {
        if (bounds.right() - pos.x() > minimum.width())
            rect.setLeft(pos.x());
    };
    const auto topFollows = [&] {
        if (bounds.bottom() - pos.y() > minimum.height())
            rect.setTop(pos.y());
    };
    const auto widthFollows = [&] { rect.setWidth(pos.x() - bounds.left()); };
    const auto heightFollows = [&] { rect.setHeight(pos.y() - bounds.top()); };

    switch (region) {
    case Top:
        topFollows();
        break;
    case Bottom:
        heightFollows();
        break;
    case Left:
        leftFollows();
        break;
    case Right:
        widthFollows();
        break;
    case TopLeft:
        leftFollows();
        topFollows();
        break;
    case BottomLeft:
        heightFollows();
        leftFollows();
        break;
    case BottomRight:
        widthFollows();
        heightFollows();
        break;
    case TopRight:
        widthFollows();
        topFollows();
        break;
    case NoRegion:
        break;
    }
    return rect;
}

void FramelessWindowHelper::updateResizeRegion(const QPoint &globalPos)
{
    m_region = regionAt(globalBounds(), globalPos);
    m_window->setCursor(cursorFor(m_region));
}

QRect FramelessWindowHelper::globalBounds() const
{
    return QRect(m_window->mapToGlobal(m_window->rect().topLeft()),
                 m_window->mapToGlobal(m_window->rect().bottomRight()));
}

bool FramelessWindowHelper::isMaximisedOrFullScreen() const
{
    return m_window->isMaximized() || m_window->isFullScreen();
}

bool FramelessWindowHelper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            return mousePress(static_cast<QMouseEvent *>(event));
        case QEvent::MouseMove:
            mouseMove(static_cast<QMouseEvent *>(event));
            break;
        case QEvent::MouseButtonRelease:
            mouseRelease(static_cast<QMouseEvent *>(event));
            break;
        default:
            break;
        }
    } else if (event->type() == QEvent::Enter && watched == m_arrowFrame) {
        m_window->setCursor(Qt::ArrowCursor);
    }
    return QObject::eventFilter(watched, event);
}

bool FramelessWindowHelper::mousePress(QMouseEvent *event)
{
    m_moving = false;
    if (event->button() == Qt::RightButton)
        return true;  // swallowed: neither a drag nor the window's own handler
    if (event->button() != Qt::LeftButton)
        return false;

    m_leftPressed = true;
    // The drag area may sit deep inside the window: compare in the window's coordinates.
    if (m_dragArea && m_dragArea->isVisible()
        && QRect(m_dragArea->mapTo(m_window, QPoint(0, 0)), m_dragArea->size()).contains(event->pos())) {
        m_dragOffset = event->globalPos() - m_window->frameGeometry().topLeft();
        event->accept();
        m_moving = true;
        QWindow *handle = m_window->windowHandle();
        if (!isMaximisedOrFullScreen() && handle && handle->startSystemMove()) {
            // The window manager has the mouse until the button goes up.
            m_leftPressed = false;
            m_moving = false;
        }
    } else if (m_region != NoRegion && !isMaximisedOrFullScreen() && startSystemResize()) {
        m_leftPressed = false;
    }
    return true;
}

bool FramelessWindowHelper::startSystemResize()
{
    QWindow *handle = m_window->windowHandle();
    if (!handle)
        return false;
    Qt::Edges edges;
    switch (m_region) {
    case Top:
        edges = Qt::TopEdge;
        break;
    case Bottom:
        edges = Qt::BottomEdge;
        break;
    case Left:
        edges = Qt::LeftEdge;
        break;
    case Right:
        edges = Qt::RightEdge;
        break;
    case TopLeft:
        edges = Qt::TopEdge | Qt::LeftEdge;
        break;
    case BottomLeft:
        edges = Qt::BottomEdge | Qt::LeftEdge;
        break;
    case BottomRight:
        edges = Qt::BottomEdge | Qt::RightEdge;
        break;
    case TopRight:
        edges = Qt::TopEdge | Qt::RightEdge;
        break;
    case NoRegion:
        return false;
    }
    return handle->startSystemResize(edges);
}

void FramelessWindowHelper::mouseMove(QMouseEvent *event)
{
    const QPoint pos = event->globalPos();
    if (!m_leftPressed) {
        updateResizeRegion(pos);
        return;
    }
    if (m_moving || isMaximisedOrFullScreen()) {
        if (m_moving && !isMaximisedOrFullScreen()) {
            m_window->move(pos - m_dragOffset);
            event->accept();
        }
        return;
    }
    if (m_region != NoRegion)
        m_window->setGeometry(resizedBounds(globalBounds(), m_region, pos, m_window->minimumSize()));
}

void FramelessWindowHelper::mouseRelease(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_leftPressed = false;
    m_moving = false;
    if (m_region != NoRegion) {
        m_window->releaseMouse();
        m_window->setCursor(Qt::ArrowCursor);
        m_region = NoRegion;
    }
}
