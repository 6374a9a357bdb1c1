// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Crash reports. Once installed, a SIGSEGV, SIGBUS, SIGILL, SIGFPE or SIGABRT writes a short text
// report (signal, fault address, backtrace) named after the local time of the crash,
// "yyyy_MM_dd_hh_mm_ss.dmp", into the dump folder, notes its name for the next start, and then
// lets the process die with the signal as it would have without the handler. The handler uses
// only async-signal-safe calls: everything it needs is prepared by install().

#include <QString>

class CrashReport
{
public:
    // Creates the dump folder (with its parents) and installs the handler; false when the folder
    // cannot be created or its path is too long, in which case nothing is installed.
    static bool install(const QString &dumpFolder);

    // The report of a crash that no start has noticed yet, and forgets it: the report's path,
    // or an empty text when the last run did not crash. When the note of the crash cannot be
    // removed from the dump folder, noticedRecord (a file elsewhere; empty for none) remembers
    // that it was noticed, so each crash is reported once.
    static QString takeLastReport(const QString &dumpFolder, const QString &noticedRecord = QString());

    // Formats seconds since the epoch, already shifted to local time, as "yyyy_MM_dd_hh_mm_ss"
    // into out (20 bytes with the terminating zero), without the C library's time functions.
    static void formatStamp(long long localSeconds, char *out);
};
