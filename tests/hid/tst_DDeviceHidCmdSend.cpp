// SPDX-License-Identifier: GPL-3.0-or-later
#include "DDeviceHidCmdSend.h"
#include "Emulator.h"
#include "MainHidInterFace.h"

#include <QtTest>

#include <memory>

namespace {

// 64 bytes: the given leading bytes, zero after them.
QByteArray report(const char *hex)
{
    return QByteArray::fromHex(hex).leftJustified(64, '\0', true);
}

QByteArray fullKeyInput()
{
    QByteArray input(64, '\0');
    for (int i = 0; i < 64; ++i)
        input[i] = char(0x40 + i);
    return input;
}

// Runs one builder by name; returns the command byte it sends.
int invoke(DDeviceHidCmdSend &builder, const QString &name)
{
    static const unsigned char sixKeys[8] = {0x02, 0x00, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09};
    static const unsigned char media[3] = {0xE9, 0x01, 0x80};
    static const unsigned char mouse[2] = {0x05, 0xFF};
    static const QByteArray received = fullKeyInput();
    if (name == "writeSerialNumber") {
        builder.writeSerialNumber(QStringLiteral("0123456789abcdef0123456789ABCDEF"));
        return 0x16;
    }
    if (name == "writeSixKey") {
        builder.writeSixKey(sixKeys);
        return 0x04;
    }
    if (name == "writeFullKey") {
        builder.writeFullKey(reinterpret_cast<const unsigned char *>(received.constData()));
        return 0x05;
    }
    if (name == "writeMultimedia") {
        builder.writeMultimedia(media);
        return 0x06;
    }
    if (name == "writeMouseKey") {
        builder.writeMouseKey(mouse);
        return 0x13;
    }
    if (name == "inquireLightMode") {
        builder.inquireLightMode();
        return 0x0A;
    }
    if (name == "inquireSideLightMode") {
        builder.inquireSideLightMode();
        return 0x02;
    }
    builder.checkMouseLightModeList();
    return 0x43;
}

}  // namespace

class CommandBuilderTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void builders_data();
    void builders();
    void failureLines_data();
    void failureLines();
    void serialNumbers_data();
    void serialNumbers();
    void newSerialNumbersDiffer();

private:
    void addBuilderRows();
    // Opens a transport on a fresh keyboard and runs its I/O thread.
    void openDevice(emu::PathStyle style);
    QByteArray lastWritten(int command);

    emu::DeviceId m_device = 0;
    std::unique_ptr<MainHidInterFace> m_transport;
    DDeviceHidCmdSend m_builder;
};

void CommandBuilderTest::init()
{
    emu::reset();
}

void CommandBuilderTest::cleanup()
{
    m_transport.reset();
    emu::reset();
}

void CommandBuilderTest::openDevice(emu::PathStyle style)
{
    m_device = emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A"), style));
    QVERIFY(m_device > 0);
    m_transport = std::make_unique<MainHidInterFace>(0, QStringLiteral("ZK87A"));
    QCOMPARE(m_transport->hidOpenPath(0, 0, emu::configurationPath(m_device)), 0);
    m_transport->start();
    m_builder.setHidInterface(m_transport.get());
}

QByteArray CommandBuilderTest::lastWritten(int command)
{
    if (!emu::waitForCommand(m_device, uint8_t(command), std::chrono::seconds(5)))
        return QByteArray();
    return emu::writtenCommand(m_device, uint8_t(command)).constLast().data;
}

void CommandBuilderTest::addBuilderRows()
{
    QTest::addColumn<QString>("builder");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("failureLine");
    QTest::newRow("serial number")
        << "writeSerialNumber" << report("0116000000203031323334353637383961626364656630313233343536373839414243444546")
        << "USB serial port [Write SN] Failed ...";
    QTest::newRow("six keys") << "writeSixKey" << report("0104000000090200040506070809")
                              << "USB serial port [Write Key] Failed ...";
    // Bytes 6 to 18 of the received report; 19 onward are not sent although byte 5 says 21.
    QTest::newRow("full keys") << "writeFullKey" << report("010500000015464748494a4b4c4d4e4f505152")
                               << "USB serial port [Write Key] Failed ...";
    QTest::newRow("multimedia") << "writeMultimedia" << report("010600000003e90180")
                                << "USB serial port [Write Multimedia] Failed ...";
    // Buttons in byte 6, wheel in byte 11, zeros between.
    QTest::newRow("mouse keys") << "writeMouseKey" << report("0113000000060500000000ff")
                                << "USB serial port [Write MouseKey] Failed ...";
    QTest::newRow("light modes") << "inquireLightMode" << report("010a")
                                 << "---------- *** Inquire [Light Mode] Failed *** ----------";
    QTest::newRow("side light modes") << "inquireSideLightMode" << report("0102")
                                      << "---------- *** Inquire [Side Light Mode] Failed *** ----------";
    QTest::newRow("mouse light modes") << "checkMouseLightModeList" << report("0143")
                                       << "USB serial port [Check Mouse Light mode list] Failed ...";
}

void CommandBuilderTest::builders_data()
{
    addBuilderRows();
}

void CommandBuilderTest::builders()
{
    QFETCH(QString, builder);
    QFETCH(QByteArray, expected);

    for (emu::PathStyle style : {emu::PathStyle::Linux, emu::PathStyle::WindowsCol06}) {
        emu::reset();
        m_transport.reset();
        openDevice(style);
        if (QTest::currentTestFailed())
            return;
        QByteArray sent = lastWritten(invoke(m_builder, builder));
        QByteArray want = expected;
        if (style == emu::PathStyle::WindowsCol06)
            want[0] = 6;
        QCOMPARE(sent.toHex(' '), want.toHex(' '));
    }
}

void CommandBuilderTest::failureLines_data()
{
    addBuilderRows();
}

void CommandBuilderTest::failureLines()
{
    QFETCH(QString, builder);
    QFETCH(QString, failureLine);

    // No transport at all, then a transport whose device never opened.
    DDeviceHidCmdSend unbound;
    QTest::ignoreMessage(QtDebugMsg, qPrintable(failureLine));
    invoke(unbound, builder);

    MainHidInterFace closed(0, QStringLiteral("ZK87A"));
    DDeviceHidCmdSend onClosed;
    onClosed.setHidInterface(&closed);
    QTest::ignoreMessage(QtDebugMsg, qPrintable(failureLine));
    invoke(onClosed, builder);
}

void CommandBuilderTest::serialNumbers_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("short, padded with zeros") << "ABC" << QByteArray("ABC").leftJustified(32, '\0');
    QTest::newRow("long, cut to 32 bytes")
        << "0123456789abcdef0123456789abcdefXYZ" << QByteArray("0123456789abcdef0123456789abcdef");
}

void CommandBuilderTest::serialNumbers()
{
    QFETCH(QString, given);
    QFETCH(QByteArray, payload);
    openDevice(emu::PathStyle::Linux);
    QCOMPARE(m_builder.writeSerialNumber(given), given);
    QByteArray sent = lastWritten(0x16);
    QCOMPARE(sent.size(), 64);
    QCOMPARE(sent.mid(6, 32), payload);
    QCOMPARE(sent.mid(38), QByteArray(26, '\0'));
}

void CommandBuilderTest::newSerialNumbersDiffer()
{
    openDevice(emu::PathStyle::Linux);
    const QRegularExpression hex32(QStringLiteral("^[0-9a-f]{32}$"));
    QString first = m_builder.writeSerialNumber(QString());
    QVERIFY2(hex32.match(first).hasMatch(), qPrintable(first));
    QVERIFY(emu::waitForCommand(m_device, 0x16, std::chrono::seconds(5)));
    QCOMPARE(emu::writtenCommand(m_device, 0x16).constLast().data.mid(6, 32), first.toLatin1());

    QString second = m_builder.writeSerialNumber(QString());
    QVERIFY2(hex32.match(second).hasMatch(), qPrintable(second));
    QVERIFY(first != second);
}

QTEST_GUILESS_MAIN(CommandBuilderTest)
#include "tst_DDeviceHidCmdSend.moc"
