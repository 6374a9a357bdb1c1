// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The threads of a process as /proc shows them: by name prefix, their CPU time; all of them,
// their wake-ups (voluntary and involuntary context switches). `process` is a pid or "self".

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace ProcThreads {

inline QString taskDir(const QString &process)
{
    return QStringLiteral("/proc/%1/task").arg(process);
}

inline bool named(const QString &name, const QStringList &namePrefixes)
{
    return std::any_of(namePrefixes.cbegin(), namePrefixes.cend(),
                       [&](const QString &p) { return name.startsWith(p); });
}

inline QString threadName(const QDir &tasks, const QString &tid)
{
    QFile comm(tasks.filePath(tid + QStringLiteral("/comm")));
    if (!comm.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(comm.readAll()).trimmed();
}

// Threads whose names start with one of the prefixes.
inline int count(const QStringList &namePrefixes, const QString &process = QStringLiteral("self"))
{
    const QDir tasks(taskDir(process));
    int n = 0;
    for (const QString &tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        n += named(threadName(tasks, tid), namePrefixes) ? 1 : 0;
    return n;
}

// A benchmark that measures threads by name must find them: a renamed thread would make it
// report zero. Stops the run with a message naming what it looked for.
inline void requireThreads(const QStringList &namePrefixes, const QString &process = QStringLiteral("self"))
{
    if (count(namePrefixes, process) > 0)
        return;
    std::fprintf(stderr, "FATAL: no thread of process %s is named %s*; the benchmark measures nothing\n",
                 qPrintable(process), qPrintable(namePrefixes.join(QStringLiteral("*, "))));
    std::exit(2);
}

// Nanoseconds on a CPU of the threads whose names start with one of the prefixes.
inline qint64 cpuNs(const QStringList &namePrefixes, const QString &process = QStringLiteral("self"))
{
    qint64 total = 0;
    const QDir tasks(taskDir(process));
    for (const QString &tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!named(threadName(tasks, tid), namePrefixes))
            continue;
        QFile stat(tasks.filePath(tid + QStringLiteral("/schedstat")));
        if (stat.open(QIODevice::ReadOnly))
            total += stat.readAll().split(' ').value(0).toLongLong();
    }
    return total;
}

// Context switches, voluntary and involuntary, of every thread of the process: its wake-ups.
inline qint64 wakeups(const QString &process = QStringLiteral("self"))
{
    qint64 total = 0;
    const QDir tasks(taskDir(process));
    for (const QString &tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(tid + QStringLiteral("/status")));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:") || line.startsWith("nonvoluntary_ctxt_switches:"))
                total += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        }
    }
    return total;
}

// CPU time of the whole process (every thread, also those that have ended), in nanoseconds.
inline qint64 processCpuNs(const QString &process)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(process));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    // Fields after the command's closing bracket: state is field 3, utime 14, stime 15.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    static const long ticks = sysconf(_SC_CLK_TCK);
    const qint64 jiffies = fields.value(11).toLongLong() + fields.value(12).toLongLong();
    return jiffies * 1000000000LL / ticks;
}

}  // namespace ProcThreads
