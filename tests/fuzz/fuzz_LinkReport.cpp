// SPDX-License-Identifier: GPL-3.0-or-later
// The device link's parsing of the 64-byte input reports: each input goes, as one report, to the
// link of an open emulated keyboard and to that of an open emulated mouse, as their transports
// hand reports on. Their profile binds every operateType to some key and button; the PC-side
// actions are the recording test double, so nothing is launched or pasted.

#include "FuzzSupport.h"
#include "LinkActionTestSupport.h"
#include "MacroStepFixture.h"
#include "playMacroThread.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstdlib>

using namespace linktest;

namespace {

struct Links {
    OpenedLink keyboard;
    OpenedLink mouse;
};

// "code:operateType:value[:mode:repeatNum]": every operateType from 0 (a key) to 9 (a system
// shortcut) on a key, macro 1 played in each of its modes.
const char *const kKeyBindings[] = {
    "4:0:30", "5:1:1:1:1", "6:1:1:3:1", "7:1:1:4:1", "16:1:1:2:3", "8:2:1,6",
    "9:3:2",  "10:4:3",    "11:5:0",    "12:6:fuzz", "13:7:2",     "14:8:/nonexistent/zelka-fuzz",
    "15:9:1",
};
// The mouse's six buttons (bits 0 to 5 of byte 6).
const char *const kButtonBindings[] = {
    "1:0:30", "2:1:1:3:1", "4:4:7", "8:6:fuzz", "16:8:/nonexistent/zelka-fuzz", "32:9:1",
};

void prepare(OpenedLink &opened, bool mouse)
{
    if (!opened.open(mouse))
        qFatal("the emulated %s did not open", mouse ? "mouse" : "keyboard");
    opened.profile.xml.addBindMacro(opened.profile.path.constData(), "1",
                                    {macroStep("key", "4", "down", 1), macroStep("key", "4", "up", 1)}, "1", "Macro");
    for (const char *binding : kKeyBindings)
        bind(opened.profile, QString::fromLatin1(binding));
    if (mouse) {
        for (const char *binding : kButtonBindings)
            bind(opened.profile, QString::fromLatin1(binding));
    }
}

Links *g_links = nullptr;

// Closed at exit, before the application object and the ticker go.
void closeLinks()
{
    delete g_links;
    g_links = nullptr;
}

Links *links()
{
    if (!g_links) {
        g_links = new Links;
        prepare(g_links->keyboard, false);
        prepare(g_links->mouse, true);
        std::atexit(closeLinks);
    }
    return g_links;
}

void deliver(OpenedLink &opened, const QByteArray &report)
{
    opened.link->onHidDataArrived(report, int(report.size()), 1);
    // What the report set going: replies, finished plays and their deletion.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    emu::clearWritten(opened.id);
    opened.actions.launched.clear();
    opened.actions.clipboard.clear();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::application();
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    links();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray report(reinterpret_cast<const char *>(data), int(qMin(size, size_t(MainHidInterFace::kReportSize))));
    report = report.leftJustified(MainHidInterFace::kReportSize, '\0');
    Links *l = links();
    deliver(l->keyboard, report);
    deliver(l->mouse, report);
    return 0;
}
