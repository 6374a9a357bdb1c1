// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs an action once, when a widget is first shown, then goes away. Work that only matters
// for what is on screen (a page's theme, say) is thus left until someone looks; deleting the
// object first cancels the action.

#include <QObject>

#include <functional>

class QWidget;

class FirstShowAction : public QObject
{
    Q_OBJECT
public:
    // Lives as a child of `widget`; an already visible widget runs the action at once.
    FirstShowAction(QWidget *widget, std::function<void()> action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void run();

    std::function<void()> m_action;
};
