// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuitSignalNotifier.h"

#include "LogCategories.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int kQuitSignals[] = {SIGTERM, SIGHUP};

int s_pipe[2] = {-1, -1};
std::atomic<bool> s_installed{false};

void onQuitSignal(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request to quit; nothing is lost by dropping this one.
    const ssize_t written = ::write(s_pipe[1], &byte, 1);
    (void)written;
    errno = savedErrno;
}

}  // namespace

bool QuitSignalNotifier::install()
{
    if (s_installed.load())
        return true;
    if (::pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qCWarning(lcPlatform, "QuitSignalNotifier: no pipe: %s", std::strerror(errno));
        return false;
    }
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = onQuitSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    bool ok = true;
    for (int signalNumber : kQuitSignals)
        ok = ::sigaction(signalNumber, &action, nullptr) == 0 && ok;
    if (!ok)
        qCWarning(lcPlatform, "QuitSignalNotifier: cannot handle SIGTERM and SIGHUP: %s", std::strerror(errno));
    s_installed.store(true);
    return ok;
}

QuitSignalNotifier::QuitSignalNotifier(QObject *parent)
    : QObject(parent)
{
    if (s_pipe[0] < 0) {
        qCWarning(lcPlatform, "QuitSignalNotifier: install() has not run; quit signals are not followed");
        return;
    }
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitSignalNotifier::onReadable);
}

QuitSignalNotifier::~QuitSignalNotifier() = default;

void QuitSignalNotifier::onReadable()
{
    unsigned char bytes[16];
    const ssize_t got = ::read(s_pipe[0], bytes, sizeof bytes);
    if (got <= 0)
        return;
    // One request is enough, however many signals came.
    emit quitRequested(int(bytes[0]));
}
