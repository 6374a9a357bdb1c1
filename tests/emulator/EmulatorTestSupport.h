// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers for the emulator's own tests: open a path, write a command, read what came back.

#include "Emulator.h"

#include <hidapi.h>

#include <QByteArray>
#include <QString>
#include <QVector>

namespace emutest {

inline hid_device *openPath(const QString &path)
{
    return hid_open_path(path.toLatin1().constData());
}

// A 64-byte command report: report id, command, payload length in byte 5, payload from byte 6.
inline QByteArray command(uint8_t cmd, int reportId = 1, const QByteArray &payload = QByteArray())
{
    QByteArray r(64, '\0');
    r[0] = char(reportId);
    r[1] = char(cmd);
    r[5] = char(payload.size());
    for (int i = 0; i < payload.size() && 6 + i < 64; ++i)
        r[6 + i] = payload[i];
    return r;
}

inline int write(hid_device *h, const QByteArray &report)
{
    return hid_write(h, reinterpret_cast<const unsigned char *>(report.constData()), size_t(report.size()));
}

// Every report waiting on the handle now (non-blocking).
inline QVector<QByteArray> drain(hid_device *h)
{
    QVector<QByteArray> out;
    for (;;) {
        unsigned char buf[256];
        const int n = hid_read_timeout(h, buf, sizeof buf, 0);
        if (n <= 0)
            break;
        out.append(QByteArray(reinterpret_cast<const char *>(buf), n));
    }
    return out;
}

// Text of a payload from byte 6 up to the first zero byte.
inline QByteArray payloadText(const QByteArray &report)
{
    QByteArray t = report.mid(6);
    const int zero = t.indexOf('\0');
    return zero >= 0 ? t.left(zero) : t;
}

inline QString errorText(hid_device *h)
{
    return QString::fromWCharArray(hid_error(h));
}

}  // namespace emutest
