// SPDX-License-Identifier: GPL-3.0-or-later
#include "OnScreenWatch.h"

#include <QEvent>
#include <QWidget>

OnScreenWatch::OnScreenWatch(QWidget *widget)
    : QObject(widget)
    , m_widget(widget)
    , m_shown(isOnScreen(widget))
{
    widget->installEventFilter(this);
}

bool OnScreenWatch::isOnScreen(const QWidget *widget)
{
    return widget && widget->isVisible() && !widget->window()->isMinimized();
}

bool OnScreenWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_widget) {
        // Minimising sends a hide event while isVisible() stays true, restoring a show event.
        if (event->type() == QEvent::Show)
            setShown(!m_widget->window()->isMinimized());
        else if (event->type() == QEvent::Hide)
            setShown(false);
    }
    return QObject::eventFilter(watched, event);
}

void OnScreenWatch::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    emit shownChanged(shown);
}
