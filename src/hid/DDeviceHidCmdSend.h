// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds the reports the device link sends on its own account (serial number, key, media
// and mouse reports, lighting-mode inquiries) and queues them on the link's transport.

#include <QObject>
#include <QPointer>
#include <QString>

class MainHidInterFace;

class DDeviceHidCmdSend : public QObject
{
    Q_OBJECT
public:
    explicit DDeviceHidCmdSend(QObject *parent = nullptr);

    void setHidInterface(MainHidInterFace *hidInterface);

    // Writes sn (a new random 32-digit number when sn is empty) and returns it in full;
    // the report carries its first 32 bytes in the local 8-bit encoding.
    QString writeSerialNumber(const QString &sn);
    void writeSixKey(const unsigned char *keys);       // 8 bytes: modifiers, reserved, six usages
    void writeFullKey(const unsigned char *report);    // a received 64-byte 0x05 report
    void writeMultimedia(const unsigned char *media);  // 3 bytes
    void writeMouseKey(const unsigned char *mouse);    // 2 bytes: buttons, wheel
    void inquireLightMode();
    void inquireSideLightMode();
    void checkMouseLightModeList();

private:
    void send(unsigned char command, unsigned char payloadLength, const unsigned char *payload, int payloadOffset,
              int payloadSize, const char *failureLine);

    QPointer<MainHidInterFace> m_hidInterface;
};
