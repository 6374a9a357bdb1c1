// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstShowAction.h"

#include <QEvent>
#include <QWidget>

FirstShowAction::FirstShowAction(QWidget *widget, std::function<void()> action)
    : QObject(widget)
    , m_action(std::move(action))
{
    if (widget->isVisible()) {
        m_action();
        deleteLater();
        m_action = nullptr;
        return;
    }
    widget->installEventFilter(this);
}

bool FirstShowAction::eventFilter(QObject *watched, QEvent *event)
{
    // The show event comes before the first paint: the look is right from the start.
    if (watched == parent() && m_action && event->type() == QEvent::Show)
        run();
    return QObject::eventFilter(watched, event);
}

void FirstShowAction::run()
{
    const std::function<void()> action = std::move(m_action);
    m_action = nullptr;
    parent()->removeEventFilter(this);
    deleteLater();
    action();
}
