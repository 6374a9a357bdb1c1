// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The DPI key presses of the device page's mice, gathered into bursts. A press is not served at
// once: presses of one mouse that come less than kQuietMs apart make one burst, served once when
// the mouse is quiet (or, while the presses go on, once every kLongestMs), with the count of
// presses. So a chattering button costs the rows' restyling, the file's write and the mouse's
// DPI report once a burst, and the window keeps answering; the level reached is the one that
// many presses would reach.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class DDeviceKeyboardLink;

class DevicePageDpiPresses : public QObject
{
    Q_OBJECT
public:
    // Serves a burst: the link whose mouse was pressed and how many presses it holds.
    using Serve = std::function<void(DDeviceKeyboardLink *link, int presses)>;

    static constexpr int kQuietMs = 60;
    static constexpr int kLongestMs = 1000;

    DevicePageDpiPresses(Serve serve, QObject *parent = nullptr);

    void press(DDeviceKeyboardLink *link);
    // Serves what is gathered now.
    void serveNow();
    // Presses gathered and not served yet.
    int pending() const;

private:
    struct Burst {
        QPointer<DDeviceKeyboardLink> link;
        int presses = 0;
    };
    Serve m_serve;
    QHash<const DDeviceKeyboardLink *, Burst> m_bursts;
    QTimer m_quiet;
    QTimer m_longest;
};
