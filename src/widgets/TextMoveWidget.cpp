// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextMoveWidget.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QTimer>

TextMoveWidget::TextMoveWidget(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);

    m_label = new QLabel(this);
    m_label->setAlignment(Qt::AlignVCenter);
    m_label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    setForeground(m_foreground);
    setBackground(m_background);

    m_timer = new QTimer(this);
    m_timer->setInterval(m_interval);
    connect(m_timer, &QTimer::timeout, this, &TextMoveWidget::updatePos);
}

TextMoveWidget::~TextMoveWidget()
{
    if (m_timer->isActive())
        m_timer->stop();
}

bool TextMoveWidget::isMoving() const
{
    return m_timer->isActive();
}

void TextMoveWidget::setText(QString text)
{
    m_text = text;
    m_label->setText(text);
    fitLabel();
    switch (m_moveStyle) {
    case MoveBackAndForth:
        m_x = 0;
        break;
    case MoveLeftToRight:
        m_x = -m_label->width();
        break;
    case MoveRightToLeft:
        m_x = width();
        break;
    default:
        break;
    }
}

void TextMoveWidget::setTextFont(QString textFont, int textFontSize)
{
    setFont(QFont(textFont, textFontSize));
    m_label->setStyleSheet(QStringLiteral("font: 75 %2pt \"%1\"").arg(textFont).arg(textFontSize));
    fitLabel();
}

void TextMoveWidget::fitLabel()
{
    // The label draws in its own (style-sheet) font: it is as wide as its text in that font, and the
    // text is measured in it, so that the text neither is cut nor runs past the turning points.
    m_label->ensurePolished();
    m_label->adjustSize();
    m_y = (height() - m_label->fontMetrics().height()) / 2;
}

void TextMoveWidget::setStep(int step)
{
    m_step = step;
}

void TextMoveWidget::setInterval(int interval)
{
    m_interval = interval;
    m_timer->setInterval(interval);
}

void TextMoveWidget::setMouseHoverStop(bool mouseHoverStop)
{
    m_mouseHoverStop = mouseHoverStop;
}

void TextMoveWidget::setForeground(QColor foreground)
{
    m_foreground = foreground;
    QPalette pal = m_label->palette();
    pal.setColor(QPalette::WindowText, foreground);
    m_label->setPalette(pal);
}

void TextMoveWidget::setBackground(QColor background)
{
    m_background = background;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    setPalette(pal);
}

void TextMoveWidget::setMoveStyle(TextMoveWidget::MoveStyle moveStyle)
{
    m_moveStyle = moveStyle;
    updateMoving();
}

void TextMoveWidget::enterEvent(QEvent *event)
{
    m_hovering = true;
    if (m_mouseHoverStop) {
        QFont f = m_label->font();
        f.setUnderline(true);
        m_label->setFont(f);
        setCursor(Qt::PointingHandCursor);
    }
    QWidget::enterEvent(event);
}

void TextMoveWidget::leaveEvent(QEvent *event)
{
    m_hovering = false;
    if (m_mouseHoverStop) {
        QFont f = m_label->font();
        f.setUnderline(false);
        m_label->setFont(f);
        setCursor(Qt::ArrowCursor);
    }
    QWidget::leaveEvent(event);
}

// The text moves only while someone can see it; minimising the window hides it too.
void TextMoveWidget::showEvent(QShowEvent *event)
{
    m_onScreen = !window()->isMinimized();
    updateMoving();
    QWidget::showEvent(event);
}

void TextMoveWidget::hideEvent(QHideEvent *event)
{
    m_onScreen = false;
    updateMoving();
    QWidget::hideEvent(event);
}

void TextMoveWidget::resizeEvent(QResizeEvent *event)
{
    m_y = (height() - m_label->fontMetrics().height()) / 2;
    QWidget::resizeEvent(event);
}

int TextMoveWidget::textWidth() const
{
    return m_label->fontMetrics().horizontalAdvance(m_text);
}

// The three move styles move while the widget is on screen; any other style stands still, so
// its timer sleeps.
void TextMoveWidget::updateMoving()
{
    const bool needsMoving =
        m_moveStyle == MoveBackAndForth || m_moveStyle == MoveLeftToRight || m_moveStyle == MoveRightToLeft;
    const bool run = m_onScreen && needsMoving;
    if (run == m_timer->isActive())
        return;
    if (run)
        m_timer->start();
    else
        m_timer->stop();
}

void TextMoveWidget::updatePos()
{
    if (m_mouseHoverStop && m_hovering)
        return;

    const int tw = textWidth();
    const int w = width();

    switch (m_moveStyle) {
    case MoveBackAndForth:
        if (tw > w) {
            // A too-wide text swings between 10 and w - tw - 10. Turning at 10 or beyond (not
            // only at exactly 10) keeps a step that never lands on 10 from running off for good.
            if (m_x >= 10)
                m_movingRight = false;
            else if (m_x <= w - tw - 10)
                m_movingRight = true;
        } else {
            if (m_x + tw > w)
                m_movingRight = false;
            else if (m_x <= 0)
                m_movingRight = true;
        }
        m_x += m_movingRight ? m_step : -m_step;
        break;
    case MoveLeftToRight:
        if (m_x > w)
            m_x = -tw;
        m_x += m_step;
        break;
    case MoveRightToLeft:
        if (m_x < -tw)
            m_x = w;
        m_x -= m_step;
        break;
    default:
        return;
    }
    m_label->move(m_x, m_y);
}
