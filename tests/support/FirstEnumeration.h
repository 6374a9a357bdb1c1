// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window shows before its first enumeration ends: the devices are opened, and their
// cards shown, when the enumeration thread's result arrives. A test that needs them waits here,
// right after building the window, until the result has been applied and the thread has ended
// (its end reaches the GUI thread just after its result).

#include "DMainWidget.h"

#include <QTest>

namespace firstEnumeration {

// Generous: on a loaded two-core machine the enumeration thread can wait seconds for its turn.
constexpr int kTimeoutMs = 30000;

inline bool applied(DMainWidget &window, int timeoutMs = kTimeoutMs)
{
    // Polled, not waited for in an event loop of its own: after a QCoreApplication::exit() outside
    // exec() (a test of quitting), every new event loop would end at once.
    return QTest::qWaitFor([&window] { return window.isFirstEnumerationApplied() && !window.isEnumerationBusy(); },
                           timeoutMs);
}

}  // namespace firstEnumeration
