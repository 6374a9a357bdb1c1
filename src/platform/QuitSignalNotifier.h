// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGTERM (a logout, `kill`) and SIGHUP (the terminal went away) as a request to quit in order,
// delivered in the thread of the notifier object through a pipe that the handler writes one byte
// to; the handler does nothing else. A signal that comes after install() but before a notifier
// exists waits in the pipe and is delivered once one does.

#include <QObject>

class QSocketNotifier;

class QuitSignalNotifier : public QObject
{
    Q_OBJECT
public:
    // Installs the handlers for the process; false (with a warning) when it cannot. Safe to call
    // more than once.
    static bool install();

    // Reads the pipe from now on; install() must have succeeded.
    explicit QuitSignalNotifier(QObject *parent = nullptr);
    ~QuitSignalNotifier() override;

signals:
    void quitRequested(int signalNumber);

private:
    void onReadable();

    QSocketNotifier *m_notifier = nullptr;
};
