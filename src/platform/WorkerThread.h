// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A thread that runs one function, for workers that need no class of their own.
//
// Used in place of QThread::create: that runs the function through std::async's once-only call,
// which Qt's own (uninstrumented) code enters. A race detector that skips what uninstrumented
// libraries do (ThreadSanitizer's ignore_noninstrumented_modules, which the tests use) then
// skips everything the function does as well, so no race of a worker made that way is ever
// reported. Here run(), our own code, calls the function directly.

#include <QThread>

#include <functional>
#include <utility>

class WorkerThread : public QThread
{
public:
    explicit WorkerThread(std::function<void()> body, QObject *parent = nullptr)
        : QThread(parent)
        , m_body(std::move(body))
    {
    }

protected:
    void run() override { m_body(); }

private:
    std::function<void()> m_body;
};
