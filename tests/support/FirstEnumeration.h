// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window shows before its first enumeration ends: the devices are opened, and their
// cards shown, when the enumeration thread's result arrives. A test that needs them waits here,
// right after building the window, until the result has been applied and the thread has ended.

#include "DMainWidget.h"

#include <QSignalSpy>
#include <QTest>

namespace firstEnumeration {

// Generous: on a loaded two-core machine the enumeration thread can wait seconds for its turn.
constexpr int kTimeoutMs = 30000;

inline bool applied(DMainWidget &window, int timeoutMs = kTimeoutMs)
{
    if (!window.isFirstEnumerationApplied()) {
        QSignalSpy spy(&window, &DMainWidget::sigFirstEnumerationApplied);
        if (!spy.wait(timeoutMs) && !window.isFirstEnumerationApplied())
            return false;
    }
    // The thread's end comes to the GUI thread just after its result.
    return QTest::qWaitFor([&window] { return !window.isEnumerationBusy(); }, timeoutMs);
}

}  // namespace firstEnumeration
