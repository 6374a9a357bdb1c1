// SPDX-License-Identifier: GPL-3.0-or-later
// The time from the start to the main window on screen, and the peak memory, with macro
// libraries of 0, 2,000 and 200,000 empty macros (the window's first paint); the time from then
// until the macro list has been read in the event loop; then the time to open the Macro page,
// and the peak and resident memory with the list (less the empty library's, a macro). Each size runs several times,
// each run in a process of its own with its own HOME; the figures are the median time, its ratio to the empty
// library's, and the largest peak resident size.
//
//   bench_macro_startup             runs the table
//   bench_macro_startup <count>     one start with <count> macros: prints
//                                   "<window ms> <peak KiB> <read ms> <Macro page ms> <peak KiB> <resident KiB>"

#include "DDataManager.h"
#include "DMacroPage.h"
#include "DMainWidget.h"
#include "EmulatorDeviceNotifier.h"
#include "EmulatorReportDescriptorReader.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRuns = 5;

void writeLibrary(const QString &path, int count)
{
    QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<Parameters profileIndex=\"1\">\n";
    text.reserve(text.size() + count * 40);
    for (int i = 1; i <= count; ++i)
        text += "<macro index=\"" + QByteArray::number(i) + "\" name=\"Macro" + QByteArray::number(i) + "\"/>\n";
    text += "</Parameters>\n";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The resident size now, in KiB.
long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

// Notes the time and the peak memory at the window's first paint.
class FirstPaint : public QObject
{
public:
    FirstPaint(const QElapsedTimer &clock)
        : m_clock(clock)
    {
    }
    qint64 at = -1;
    long peakKiB = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (at < 0 && event->type() == QEvent::Paint) {
            at = m_clock.elapsed();
            struct rusage usage {
            };
            getrusage(RUSAGE_SELF, &usage);
            peakKiB = usage.ru_maxrss;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer &m_clock;
};

// One start, in this process (HOME and XDG folders are the caller's).
int startOnce(int argc, char **argv, int count)
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("zelka.*.debug=false"));
    const QString library = DDataManager::getInstance()->getUserConfigDir() + QStringLiteral("/brivexMacro.xml");
    writeLibrary(library, count);
    const qint64 written = clock.elapsed();

    DMainWidget::StartOptions options;
    options.createNotifier = [](QObject *parent) { return new EmulatorDeviceNotifier(parent); };
    options.descriptorReader = std::make_shared<EmulatorReportDescriptorReader>();
    options.registerAutoStart = false;
    options.trayAvailable = [] { return true; };
    FirstPaint painted(clock);
    DMainWidget window(options);
    window.installEventFilter(&painted);
    window.show();
    while (painted.at < 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const qint64 shown = painted.at - written;
    const long startPeak = painted.peakKiB;

    // The list is read after the first paint, in the event loop.
    auto *page = window.findChild<DMacroPage *>();
    while (page->macroCount() != count)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const qint64 read = clock.elapsed() - painted.at;

    // Then the Macro page, which reads the list again and shows it.
    clock.restart();
    window.findChild<QPushButton *>(QStringLiteral("pushButton_Macro"))->click();
    while (!page->isVisible() || page->macroCount() != count)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
    const qint64 pageShown = clock.elapsed();
    struct rusage usage {
    };
    getrusage(RUSAGE_SELF, &usage);
    malloc_trim(0);  // what stays, not what the allocator keeps for later
    std::printf("%lld %ld %lld %lld %ld %ld\n", static_cast<long long>(shown), startPeak, static_cast<long long>(read),
                static_cast<long long>(pageShown), usage.ru_maxrss, residentKiB());
    std::fflush(stdout);
    return 0;
}

struct Figure {
    qint64 ms = 0;
    long peakKiB = 0;
    qint64 readMs = 0;
    qint64 pageMs = 0;
    long pagePeakKiB = 0;
    long pageResidentKiB = 0;
};

bool runChild(const QString &self, int count, Figure *figure)
{
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());  // QTemporaryDir makes it 0700
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(self, {QString::number(count)});
    if (!child.waitForFinished(600000) || child.exitCode() != 0)
        return false;
    // The figures are the last line; the program prints its own lines before them.
    const QList<QByteArray> lines = child.readAllStandardOutput().trimmed().split('\n');
    const QList<QByteArray> parts = lines.last().trimmed().split(' ');
    if (parts.size() != 6)
        return false;
    figure->ms = parts.at(0).toLongLong();
    figure->peakKiB = parts.at(1).toLong();
    figure->readMs = parts.at(2).toLongLong();
    figure->pageMs = parts.at(3).toLongLong();
    figure->pagePeakKiB = parts.at(4).toLong();
    figure->pageResidentKiB = parts.at(5).toLong();
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc > 1)
        return startOnce(argc, argv, QByteArray(argv[1]).toInt());

    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    double emptyMs = 0;
    std::printf("%8s %12s %6s %15s %14s %16s %19s %11s %15s\n", "macros", "window (ms)", "ratio", "peak RSS (MiB)",
                "list read (ms)", "Macro page (ms)", "peak with it (MiB)", "peak/macro", "resident/macro");
    long emptyPagePeak = 0;
    long emptyResident = 0;
    for (const int count : {0, 2000, 200000}) {
        QList<qint64> times;
        QList<qint64> pageTimes;
        QList<qint64> readTimes;
        long peak = 0;
        long pagePeak = 0;
        long resident = 0;
        for (int run = 0; run < kRuns; ++run) {
            Figure figure;
            if (!runChild(self, count, &figure)) {
                std::printf("%10d failed\n", count);
                return 1;
            }
            times << figure.ms;
            pageTimes << figure.pageMs;
            readTimes << figure.readMs;
            peak = std::max(peak, figure.peakKiB);
            pagePeak = std::max(pagePeak, figure.pagePeakKiB);
            resident = std::max(resident, figure.pageResidentKiB);
        }
        std::sort(times.begin(), times.end());
        std::sort(pageTimes.begin(), pageTimes.end());
        std::sort(readTimes.begin(), readTimes.end());
        const double median = double(times.at(kRuns / 2));
        if (count == 0) {
            emptyMs = std::max(1.0, median);
            emptyPagePeak = pagePeak;
            emptyResident = resident;
        }
        const double peakPerMacro = count ? (pagePeak - emptyPagePeak) * 1024.0 / count : 0.0;
        const double residentPerMacro = count ? (resident - emptyResident) * 1024.0 / count : 0.0;
        std::printf("%8d %12.0f %6.2f %15.1f %14lld %16lld %19.1f %11.0f %15.0f\n", count, median, median / emptyMs,
                    peak / 1024.0, static_cast<long long>(readTimes.at(kRuns / 2)),
                    static_cast<long long>(pageTimes.at(kRuns / 2)), pagePeak / 1024.0, peakPerMacro, residentPerMacro);
        std::fflush(stdout);
    }
    return 0;
}
