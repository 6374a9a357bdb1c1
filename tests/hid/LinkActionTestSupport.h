// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the tests of the link's key actions, mouse reports and macro output: a recording
// stand-in for the PC-side actions, a link opened on a simulated device with a profile, and a
// wait until everything the link was given has been answered.

#include "LinkTestSupport.h"
#include "PcActions.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>

namespace linktest {

class RecordingPcActions : public PcActions
{
public:
    bool launchProgram(const QString &path) override
    {
        launched << path;
        return true;
    }
    bool isOwnWindowActive() const override { return ownWindow; }
    bool setClipboardText(const QString &text) override
    {
        if (onClipboard)
            onClipboard();
        clipboard << text;
        return true;
    }

    QStringList launched;
    QStringList clipboard;
    bool ownWindow = false;
    std::function<void()> onClipboard;
};

// Binds a key in profile 1, replacing its earlier binding: "code:operateType:value", or
// "code:operateType:value:mode:repeatNum".
inline void bind(Profile &profile, const QString &binding)
{
    const QStringList f = binding.split(QLatin1Char(':'));
    const QByteArray code = f.value(0).toUtf8();
    const QByteArray type = f.value(1).toUtf8();
    const QByteArray value = f.value(2).toUtf8();
    const QByteArray mode = f.value(3, QStringLiteral("0")).toUtf8();
    const QByteArray repeat = f.value(4, QStringLiteral("0")).toUtf8();
    profile.xml.deleteKeyMapItem(profile.path.constData(), "1", code.constData());
    profile.xml.addKeyMapItem(profile.path.constData(), "1", code.constData(), "key", type.constData(),
                              repeat.constData(), mode.constData(), value.constData());
}

// A device of the emulator opened through a link the way the device page does it, with an
// empty profile 1 and the recording PC-side actions.
struct OpenedLink {
    emu::DeviceId id = 0;
    Profile profile;
    RecordingPcActions actions;
    std::unique_ptr<DDeviceKeyboardLink> link;

    bool open(bool mouse)
    {
        id = emu::plug(mouse ? emu::mouseSpec() : emu::keyboardSpec());
        link = std::make_unique<DDeviceKeyboardLink>(1);
        link->openHidDevice(deviceRecord(id, mouse ? QStringLiteral("ZM1") : QStringLiteral("ZK87A"), mouse ? 1 : 0));
        if (!waitLikeDevicePage(*link))
            return false;
        link->setProfileXml(&profile.xml, profile.path.constData());
        link->setProfileIndex(1);
        link->setPcActions(&actions);
        emu::clearWritten(id);
        return true;
    }
};

constexpr uint8_t kSyncMarker = 0x7D;  // a command the devices ignore

// Returns once the link has handled every report injected so far and what it queued in answer
// has reached the device: an acknowledgement goes through the same input queue as the
// reports, a marker through the same command queue as the answers.
inline bool syncLink(emu::DeviceId id, DDeviceKeyboardLink &link)
{
    const bool mouse = emu::spec(id).kind == emu::Kind::Mouse;
    QSignalSpy acknowledged(&link, mouse ? &DDeviceKeyboardLink::sigRuningMouse0x47Cmd
                                         : &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd);
    emu::injectRaw(id, frame(mouse ? 0x47 : 0x19));
    if (!QTest::qWaitFor([&] { return acknowledged.count() == 1; }, 5000))
        return false;
    const int markers = emu::writtenCommand(id, kSyncMarker).size();
    QByteArray marker = frame(kSyncMarker);
    if (link.getHidInterface()->writeCommand(reinterpret_cast<unsigned char *>(marker.data()), marker.size()) != 0)
        return false;
    return QTest::qWaitFor([&] { return emu::writtenCommand(id, kSyncMarker).size() == markers + 1; }, 5000);
}

// The key, media and mouse reports the computer was given, in order, as "04: payload bytes"
// (the mouse report as its buttons and wheel).
inline QStringList computerReports(emu::DeviceId id)
{
    QStringList out;
    for (const emu::WrittenReport &w : emu::computerVisible(id)) {
        const uint8_t command = uint8_t(w.data.at(1));
        QByteArray payload;
        if (command == 0x04)
            payload = w.data.mid(6, 8);
        else if (command == 0x06)
            payload = w.data.mid(6, 3);
        else if (command == 0x13)
            payload = w.data.mid(6, 1) + w.data.mid(11, 1);  // buttons, wheel
        else
            continue;
        out << QStringLiteral("%1: %2")
                   .arg(command, 2, 16, QLatin1Char('0'))
                   .arg(QString::fromLatin1(payload.toHex(' ')));
    }
    return out;
}

}  // namespace linktest
