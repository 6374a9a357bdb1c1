// SPDX-License-Identifier: GPL-3.0-or-later
#include "CrashReport.h"

#include "LogCategories.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int kSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};
const char kMarkerName[] = "lastCrash";
const int kMaxFrames = 64;

// Prepared by install(), read by the handler.
char s_folder[PATH_MAX];
long s_utcOffset = 0;  // seconds east of UTC when the handler was installed
std::atomic<int> s_handling{0};
// A crash from a stack overflow has no stack left to run the handler on.
alignas(16) char s_alternateStack[64 * 1024];

// Appends text to a fixed buffer, never past its end; returns the new length.
size_t append(char *buffer, size_t length, size_t capacity, const char *text)
{
    while (*text && length + 1 < capacity)
        buffer[length++] = *text++;
    buffer[length] = '\0';
    return length;
}

void writeText(int fd, const char *text)
{
    size_t left = strlen(text);
    while (left > 0) {
        const ssize_t written = write(fd, text, left);
        if (written <= 0)
            return;
        text += written;
        left -= size_t(written);
    }
}

void writeNumber(int fd, unsigned long long value, unsigned base, int minDigits)
{
    char digits[32];
    int count = 0;
    do {
        const unsigned digit = unsigned(value % base);
        digits[count++] = char(digit < 10 ? '0' + digit : 'a' + digit - 10);
        value /= base;
    } while (value != 0 && count < 32);
    while (count < minDigits && count < 32)
        digits[count++] = '0';
    char text[33];
    for (int i = 0; i < count; ++i)
        text[i] = digits[count - 1 - i];
    text[count] = '\0';
    writeText(fd, text);
}

const char *signalName(int signal)
{
    switch (signal) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGILL:
        return "SIGILL";
    case SIGFPE:
        return "SIGFPE";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "?";
    }
}

void dieWithSignal(int signal)
{
    struct sigaction action;
    memset(&action, 0, sizeof action);
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    // Pending until the handler returns, then the default action ends the process.
    raise(signal);
}

void writeReport(int signal, const siginfo_t *info)
{
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    char stamp[20];
    CrashReport::formatStamp(static_cast<long long>(now.tv_sec) + s_utcOffset, stamp);

    char path[PATH_MAX + 32];
    size_t length = append(path, 0, sizeof path, s_folder);
    length = append(path, length, sizeof path, "/");
    const size_t nameStart = length;
    length = append(path, length, sizeof path, stamp);
    append(path, length, sizeof path, ".dmp");

    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    writeText(fd, "Crash report\nSignal: ");
    writeNumber(fd, unsigned(signal), 10, 1);
    writeText(fd, " (");
    writeText(fd, signalName(signal));
    writeText(fd, ")\nCode: ");
    writeNumber(fd, info ? unsigned(info->si_code) : 0u, 10, 1);
    writeText(fd, "\nAddress: 0x");
    writeNumber(fd, info ? reinterpret_cast<uintptr_t>(info->si_addr) : 0u, 16, 2 * sizeof(void *));
    writeText(fd, "\nProcess: ");
    writeNumber(fd, unsigned(getpid()), 10, 1);
    writeText(fd, "\nTime: ");
    writeText(fd, stamp);
    writeText(fd, "\nBacktrace:\n");
    void *frames[kMaxFrames];
    const int frameCount = backtrace(frames, kMaxFrames);
    backtrace_symbols_fd(frames, frameCount, fd);
    close(fd);

    // The name of the report, for the next start.
    char marker[PATH_MAX + 32];
    size_t markerLength = append(marker, 0, sizeof marker, s_folder);
    markerLength = append(marker, markerLength, sizeof marker, "/");
    append(marker, markerLength, sizeof marker, kMarkerName);
    const int markerFd = open(marker, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (markerFd >= 0) {
        writeText(markerFd, path + nameStart);
        close(markerFd);
    }
}

void onCrash(int signal, siginfo_t *info, void *)
{
    const int savedErrno = errno;
    if (s_handling.exchange(1) == 0) {
        writeReport(signal, info);
    } else {
        // Another thread writes its report (this thread's own crash signals are blocked while it
        // runs the handler). Ending the process now would cut that report short: give it up to
        // three seconds, in which its end ends the process.
        const timespec step{0, 10 * 1000 * 1000};
        for (int i = 0; i < 300; ++i)
            nanosleep(&step, nullptr);
    }
    errno = savedErrno;
    dieWithSignal(signal);
}

}  // namespace

void CrashReport::formatStamp(long long localSeconds, char *out)
{
    // Days since 1970-01-01 to a civil date (proleptic Gregorian calendar).
    long long days = localSeconds / 86400;
    long long seconds = localSeconds % 86400;
    if (seconds < 0) {
        seconds += 86400;
        --days;
    }
    const long long z = days + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long dayOfEra = z - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const long long month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);

    const long long fields[] = {year, month, day, seconds / 3600, seconds / 60 % 60, seconds % 60};
    const int widths[] = {4, 2, 2, 2, 2, 2};
    int pos = 0;
    for (int i = 0; i < 6; ++i) {
        if (i > 0)
            out[pos++] = '_';
        long long value = fields[i] < 0 ? 0 : fields[i];
        for (int digit = widths[i] - 1; digit >= 0; --digit) {
            out[pos + digit] = char('0' + value % 10);
            value /= 10;
        }
        pos += widths[i];
    }
    out[pos] = '\0';
}

bool CrashReport::install(const QString &dumpFolder)
{
    const QByteArray folder = QFile::encodeName(QDir::cleanPath(dumpFolder));
    // Room for "/yyyy_MM_dd_hh_mm_ss.dmp" behind the folder.
    if (folder.isEmpty() || folder.size() + 32 >= PATH_MAX) {
        qCWarning(lcPlatform, "CrashReport: unusable dump folder %s", qPrintable(dumpFolder));
        return false;
    }
    if (!QDir().mkpath(dumpFolder)) {
        qCWarning(lcPlatform, "CrashReport: cannot create %s", qPrintable(dumpFolder));
        return false;
    }
    memcpy(s_folder, folder.constData(), size_t(folder.size()) + 1);

    // The handler may not call localtime (it takes locks); it shifts UTC by today's offset.
    const time_t now = time(nullptr);
    struct tm local;
    if (localtime_r(&now, &local))
        s_utcOffset = local.tm_gmtoff;

    // The first backtrace() loads the unwinder, which allocates: do it now, not in the handler.
    void *frames[2];
    backtrace(frames, 2);

    stack_t stack;
    memset(&stack, 0, sizeof stack);
    stack.ss_sp = s_alternateStack;
    stack.ss_size = sizeof s_alternateStack;
    if (sigaltstack(&stack, nullptr) != 0)
        qCWarning(lcPlatform, "CrashReport: no alternate signal stack");

    struct sigaction action;
    memset(&action, 0, sizeof action);
    action.sa_sigaction = onCrash;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signal : kSignals)
        sigaddset(&action.sa_mask, signal);
    bool ok = true;
    for (int signal : kSignals)
        ok = sigaction(signal, &action, nullptr) == 0 && ok;
    return ok;
}

QString CrashReport::takeLastReport(const QString &dumpFolder, const QString &noticedRecord)
{
    QFile marker(dumpFolder + QLatin1Char('/') + QLatin1String(kMarkerName));
    if (!marker.exists())
        return QString();
    QString name;
    if (QFileInfo(marker.fileName()).isFile() && marker.open(QIODevice::ReadOnly))
        name = QFile::decodeName(marker.read(64)).trimmed();
    marker.close();

    // What tells this note from a later one: its text and its time.
    const QByteArray identity = QFile::encodeName(name) + ' '
                                + QByteArray::number(QFileInfo(marker.fileName()).lastModified().toMSecsSinceEpoch());
    QFile record(noticedRecord);
    if (!noticedRecord.isEmpty() && QFileInfo(noticedRecord).isFile() && record.open(QIODevice::ReadOnly)) {
        const bool seen = record.read(4096) == identity;
        record.close();
        if (seen)
            return QString();
    }
    if (!marker.remove()) {
        qCWarning(lcPlatform, "CrashReport: cannot remove %s", qPrintable(marker.fileName()));
        QSaveFile save(noticedRecord);
        if (noticedRecord.isEmpty() || !QDir().mkpath(QFileInfo(noticedRecord).absolutePath())
            || !save.open(QIODevice::WriteOnly) || save.write(identity) != identity.size() || !save.commit())
            qCWarning(lcPlatform, "CrashReport: cannot note the crash as seen in %s", qPrintable(noticedRecord));
    }
    // The crash happened even when the marker is unreadable; then name the folder.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.startsWith(QLatin1Char('.')))
        return QDir::cleanPath(dumpFolder);
    return QDir::cleanPath(dumpFolder) + QLatin1Char('/') + name;
}
