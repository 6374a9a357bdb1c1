// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the device link tests: test doubles of the key buttons and lighting engines, a
// device opened through a link the way the device page does it, a small profile file, and
// readers of what the computer was given.

#include "DDeviceKeyboardLink.h"
#include "Emulator.h"
#include "KeyboardLightInterface.h"
#include "KeyButtonInterface.h"
#include "MainHidInterFace.h"
#include "MouseLightInterface.h"
#include "xmlInterface.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <cstring>
#include <map>
#include <memory>

namespace linktest {

// A key button whose place encodes its key code: row code / 22, column code % 22.
class CodeButton : public KeyButtonInterface
{
public:
    explicit CodeButton(int code)
        : m_code(code)
    {
    }
    int getRow() const override { return m_code / 22; }
    int getColumn() const override { return m_code % 22; }

private:
    int m_code;
};

// Buttons for the given key codes, kept alive by the returned owner.
struct ButtonMap {
    std::map<int, std::unique_ptr<CodeButton>> owned;
    QMap<int, KeyButtonInterface *> map;
    explicit ButtonMap(const QVector<int> &codes)
    {
        for (int code : codes) {
            owned[code] = std::make_unique<CodeButton>(code);
            map.insert(code, owned[code].get());
        }
    }
};

// The keyboard lighting engine's key-press input, recorded as the key code of each place
// (-1 for the (0, 0) of the any-key effect).
class RecordingKeyboardLight : public KeyboardLightInterface
{
public:
    void keyPressLight(int row, int column) override
    {
        presses.append(row == 0 && column == 0 ? -1 : row * 22 + column);
    }
    QVector<int> presses;
};

inline QByteArray frame(uint8_t command, const QByteArray &payload = QByteArray())
{
    QByteArray r(MainHidInterFace::kReportSize, '\0');
    r[0] = 1;
    r[1] = char(command);
    r[5] = char(payload.size());
    for (int i = 0; i < payload.size() && 6 + i < r.size(); ++i)
        r[6 + i] = payload[i];
    return r;
}

inline hidStructInfo deviceRecord(emu::DeviceId id, const QString &model, int deviceType)
{
    hidStructInfo info;
    info.vid = emu::spec(id).vendorId;
    info.pid = emu::spec(id).productId;
    std::strncpy(info.hidPath, emu::configurationPath(id).toLatin1().constData(), sizeof info.hidPath - 1);
    std::strncpy(info.hidName, model.toUtf8().constData(), sizeof info.hidName - 1);
    info.deviceType = deviceType;
    return info;
}

// How long the device page waits for a new link's inquiries. The race detector slows every
// thread down several times over, and the first race report it symbolizes in a process, even one
// it then suppresses, holds the process for most of a second; under it the tests give the
// inquiries five times the page's time. Every other build waits exactly as the page does.
#if defined(__SANITIZE_THREAD__)
constexpr int kDevicePageWaitMs = 5 * 1500;
#else
constexpr int kDevicePageWaitMs = 1500;
#endif

// The device page's wait after opening: events of every kind until the inquiries are
// finished or kDevicePageWaitMs have passed.
inline bool waitLikeDevicePage(const DDeviceKeyboardLink &link)
{
    QElapsedTimer timer;
    timer.start();
    while (!link.isInquiryFinished() && timer.elapsed() < kDevicePageWaitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return link.isInquiryFinished();
}

// The commands the program wrote, in order, without the periodic handshake.
inline QVector<int> hostCommands(emu::DeviceId id)
{
    QVector<int> commands;
    for (const emu::WrittenReport &w : emu::written(id)) {
        if (uint8_t(w.data.at(1)) != 0x01)
            commands << uint8_t(w.data.at(1));
    }
    return commands;
}

// Payload bytes of the reports of one command that the computer was given, as hex text.
inline QStringList visible(emu::DeviceId id, uint8_t command, int bytes)
{
    QStringList out;
    for (const emu::WrittenReport &w : emu::computerVisible(id)) {
        if (uint8_t(w.data.at(1)) == command)
            out << QString::fromLatin1(w.data.mid(6, bytes).toHex(' '));
    }
    return out;
}

// A profile file with profile 1, optional function switches and key assignments.
struct Profile {
    QTemporaryDir dir;
    xmlInterface xml;
    QByteArray path;

    Profile()
    {
        path = QFile::encodeName(dir.filePath(QStringLiteral("brivexProFile.xml")));
        xml.createXmlFile(path.constData());
        xml.addProfileConfig(path.constData(), "1", "Profile 1", "", "", 0);
    }
    // "1010": feature1 to feature4.
    void setSwitches(const QByteArray &switches)
    {
        const QByteArray f[4] = {switches.mid(0, 1), switches.mid(1, 1), switches.mid(2, 1), switches.mid(3, 1)};
        xml.setFunctionSetting(path.constData(), "1", f[0].constData(), f[1].constData(), f[2].constData(),
                               f[3].constData());
    }
    void assign(int keyCode, int operateType, const QByteArray &value)
    {
        xml.addKeyMapItem(path.constData(), "1", QByteArray::number(keyCode).constData(), "key",
                          QByteArray::number(operateType).constData(), "0", "0", value.constData());
    }
    void unassign(int keyCode) { xml.deleteKeyMapItem(path.constData(), "1", QByteArray::number(keyCode).constData()); }
};

}  // namespace linktest
