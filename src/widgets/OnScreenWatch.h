// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells whether a widget is on screen: shown, on the page that is showing, and in a window
// that is neither minimised nor hidden (in the tray). It follows the widget's show and hide
// events, which Qt also sends when the window is minimised and restored.

#include <QObject>
#include <QPointer>

class QWidget;

class OnScreenWatch : public QObject
{
    Q_OBJECT
public:
    // Watches `widget` and lives as its child.
    explicit OnScreenWatch(QWidget *widget);

    bool isShown() const { return m_shown; }
    static bool isOnScreen(const QWidget *widget);

signals:
    void shownChanged(bool shown);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setShown(bool shown);

    QPointer<QWidget> m_widget;
    bool m_shown = false;
};
