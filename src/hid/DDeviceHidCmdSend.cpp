// SPDX-License-Identifier: GPL-3.0-or-later
#include "DDeviceHidCmdSend.h"

#include "LogCategories.h"
#include "MainHidInterFace.h"

#include <QUuid>

#include <cstring>

namespace {
const char kWriteKeyFailed[] = "USB serial port [Write Key] Failed ...";
constexpr int kSerialBytes = 32;
}  // namespace

DDeviceHidCmdSend::DDeviceHidCmdSend(QObject *parent)
    : QObject(parent)
{
}

void DDeviceHidCmdSend::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
}

// Builds the report: id 1, the command, the payload length in byte 5 and payloadSize bytes
// of payload at byte payloadOffset; everything else zero. A missing payload or transport
// counts as a failed write.
void DDeviceHidCmdSend::send(unsigned char command, unsigned char payloadLength, const unsigned char *payload,
                             int payloadOffset, int payloadSize, const char *failureLine)
{
    MainHidInterFace::Report report{};
    report[0] = 1;
    report[1] = command;
    report[5] = payloadLength;
    bool ok = payloadSize == 0 || payload;
    if (ok && payloadSize > 0)
        std::memcpy(report.data() + payloadOffset, payload, payloadSize);
    if (!ok || !m_hidInterface || m_hidInterface->writeCommand(report.data(), MainHidInterFace::kReportSize) < 0)
        qCDebug(lcHid).noquote() << failureLine;
}

QString DDeviceHidCmdSend::writeSerialNumber(const QString &sn)
{
    QString serial = sn;
    if (serial.isEmpty())
        serial = QUuid::createUuid().toString(QUuid::WithoutBraces).remove(QLatin1Char('-'));
    QByteArray bytes = serial.toLocal8Bit().left(kSerialBytes);
    unsigned char payload[kSerialBytes] = {};
    std::memcpy(payload, bytes.constData(), bytes.size());
    send(0x16, 0x20, payload, 6, kSerialBytes, "USB serial port [Write SN] Failed ...");
    return serial;
}

void DDeviceHidCmdSend::writeSixKey(const unsigned char *keys)
{
    send(0x04, 9, keys, 6, 8, kWriteKeyFailed);
}

void DDeviceHidCmdSend::writeFullKey(const unsigned char *report)
{
    // Bytes 6 to 18 of the received report go back; the length byte says 21 all the same.
    send(0x05, 0x15, report ? report + 6 : nullptr, 6, 13, kWriteKeyFailed);
}

void DDeviceHidCmdSend::writeMultimedia(const unsigned char *media)
{
    send(0x06, 3, media, 6, 3, "USB serial port [Write Multimedia] Failed ...");
}

void DDeviceHidCmdSend::writeMouseKey(const unsigned char *mouse)
{
    // Buttons in byte 6, the wheel in byte 11; bytes 7 to 10 stay 0.
    unsigned char payload[6] = {};
    if (mouse) {
        payload[0] = mouse[0];
        payload[5] = mouse[1];
    }
    send(0x13, 6, mouse ? payload : nullptr, 6, 6, "USB serial port [Write MouseKey] Failed ...");
}

void DDeviceHidCmdSend::inquireLightMode()
{
    send(0x0A, 0, nullptr, 6, 0, "---------- *** Inquire [Light Mode] Failed *** ----------");
}

void DDeviceHidCmdSend::inquireSideLightMode()
{
    send(0x02, 0, nullptr, 6, 0, "---------- *** Inquire [Side Light Mode] Failed *** ----------");
}

void DDeviceHidCmdSend::checkMouseLightModeList()
{
    send(0x43, 0, nullptr, 6, 0, "USB serial port [Check Mouse Light mode list] Failed ...");
}
