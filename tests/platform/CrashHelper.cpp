// SPDX-License-Identifier: GPL-3.0-or-later
// crash-helper <dump folder> <segv|abort|fpe|bus|overflow|none>
// Installs the crash reports into the folder, then crashes (or, for "none", exits with 0).

#include "CrashReport.h"

#include <QString>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Deep enough to exhaust any stack; the limit only keeps the compiler from calling it endless.
[[gnu::noinline]] int recurse(long depth)
{
    volatile char frame[1024];
    frame[0] = char(depth);
    if (depth > 1000L * 1000 * 1000)
        return frame[0];
    return recurse(depth + 1) + frame[0];
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc < 3 || !CrashReport::install(QString::fromLocal8Bit(argv[1])))
        return 2;
    const char *kind = argv[2];
    if (strcmp(kind, "segv") == 0) {
        // An address the compiler cannot see, so that the write stays in the program.
        auto *nowhere = reinterpret_cast<volatile int *>(uintptr_t(strtoul("16", nullptr, 10)));
        *nowhere = 1;
    } else if (strcmp(kind, "abort") == 0) {
        abort();
    } else if (strcmp(kind, "fpe") == 0) {
        raise(SIGFPE);
    } else if (strcmp(kind, "bus") == 0) {
        raise(SIGBUS);
    } else if (strcmp(kind, "overflow") == 0) {
        return recurse(0);
    }
    return 0;
}
