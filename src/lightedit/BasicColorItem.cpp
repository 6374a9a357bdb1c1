#include "BasicColorItem.h"

#include <QMouseEvent>
#include <QPainter>

BasicColorItem::BasicColorItem(const QColor &colour, QWidget *parent)
    : QLabel(parent)
    , m_color(colour)
{
    setFixedSize(12, 12);
    setFocusPolicy(Qt::NoFocus);
}

void BasicColorItem::setColor(const QColor &colour)
{
    m_color = colour;
    update();
}

void BasicColorItem::setIndex(int index)
{
    m_index = index;
}

void BasicColorItem::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit itemClickedSignal(m_color);
    else if (event->button() == Qt::RightButton)
        emit sigBasicColorItemMouseRightButtonPress();
}

void BasicColorItem::enterEvent(QEvent *event)
{
    QLabel::enterEvent(event);
    m_hover = true;
    emit sigBasicColorItemMouseEnter();
    update();
}

void BasicColorItem::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    m_hover = false;
    emit sigBasicColorItemMouseLeave();
    update();
}

void BasicColorItem::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    if (m_hover) {
        painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(1, 1, 9, 9);
    }
}
