// SPDX-License-Identifier: GPL-3.0-or-later
#include "AutoStartEntry.h"
#include "DeviceNotifier.h"
#include "SystemDeviceNotifier.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class tst_DeviceNotifier : public QObject
{
    Q_OBJECT

private slots:
    void idsFromPath_data();
    void idsFromPath();
    void systemNotifierAlwaysComes();
    void execLine_data();
    void execLine();
    void autoStartEntryFollowsXdgConfigHome();
    void autoStartEntryWithoutXdgConfigHome();
    void autoStartWriteFailureIsReported();
};

void tst_DeviceNotifier::idsFromPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("vendorId");
    QTest::addColumn<int>("productId");

    QTest::newRow("keyboard interface")
        << "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.2/0003:0416:B23C.0007/hidraw/hidraw3" << true << 0x0416
        << 0xB23C;
    QTest::newRow("lower-case hex") << "/sys/devices/x/0003:0c45:a21c.000a/hidraw/hidraw0" << true << 0x0C45 << 0xA21C;
    QTest::newRow("long sequence") << "/sys/devices/x/0003:0416:3F00.1000A/hidraw/hidraw9" << true << 0x0416 << 0x3F00;
    QTest::newRow("innermost device wins")
        << "/sys/devices/x/0003:1111:2222.0001/0005:0416:B23C.0002/hidraw/hidraw1" << true << 0x0416 << 0xB23C;
    QTest::newRow("device node only") << "/dev/hidraw3" << false << 0 << 0;
    QTest::newRow("ids inside a name") << "/sys/devices/x/abc0003:0416:B23C.0007/hidraw/hidraw3" << false << 0 << 0;
    QTest::newRow("no sequence") << "/sys/devices/x/0003:0416:B23C/hidraw/hidraw3" << false << 0 << 0;
    QTest::newRow("empty") << "" << false << 0 << 0;
}

void tst_DeviceNotifier::idsFromPath()
{
    QFETCH(QString, path);
    QFETCH(bool, found);
    QFETCH(int, vendorId);
    QFETCH(int, productId);

    int vendor = 0;
    int product = 0;
    QCOMPARE(DeviceNotifier::idsFromPath(path, &vendor, &product), found);
    QCOMPARE(vendor, vendorId);
    QCOMPARE(product, productId);
}

void tst_DeviceNotifier::systemNotifierAlwaysComes()
{
    // With or without a udev monitor (none in some containers) there is a notifier to connect.
    QObject owner;
    QPointer<DeviceNotifier> notifier = createSystemDeviceNotifier(&owner);
    QVERIFY(notifier);
    QCOMPARE(notifier->parent(), &owner);
    qDebug() << "system notifier active:" << notifier->isActive();
    QCoreApplication::processEvents();
}

void tst_DeviceNotifier::execLine_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");

    QTest::newRow("plain") << "/opt/zelka/zelka"
                           << "\"/opt/zelka/zelka\" --AutoUp";
    QTest::newRow("space") << "/home/a b/zelka"
                           << "\"/home/a b/zelka\" --AutoUp";
    QTest::newRow("quote, dollar, backtick, backslash") << "/x/\"$`\\/zelka"
                                                        << "\"/x/\\\"\\$\\`\\\\/zelka\" --AutoUp";
    QTest::newRow("percent") << "/x/100%/zelka"
                             << "\"/x/100%%/zelka\" --AutoUp";
}

void tst_DeviceNotifier::execLine()
{
    QFETCH(QString, program);
    QFETCH(QString, exec);
    QCOMPARE(AutoStartEntry::execLine(program), exec);
}

void tst_DeviceNotifier::autoStartEntryFollowsXdgConfigHome()
{
    QTemporaryDir config;
    QVERIFY(config.isValid());
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());

    const QString entry = config.path() + QStringLiteral("/autostart/zelka.desktop");
    QCOMPARE(AutoStartEntry::entryPath(QStringLiteral("zelka")), entry);
    QVERIFY(!AutoStartEntry::isEnabled(QStringLiteral("zelka")));

    QVERIFY(AutoStartEntry::enable(QStringLiteral("zelka"), QStringLiteral("/opt/a b/zelka")));
    QVERIFY(AutoStartEntry::isEnabled(QStringLiteral("zelka")));
    QSettings desktop(entry, QSettings::IniFormat);
    QCOMPARE(desktop.value(QStringLiteral("Desktop Entry/Type")).toString(), QStringLiteral("Application"));
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("\nExec=\"/opt/a b/zelka\" --AutoUp\n"), text.constData());

    // Writing again replaces the entry; removing it removes auto start, also twice.
    QVERIFY(AutoStartEntry::enable(QStringLiteral("zelka"), QStringLiteral("/usr/bin/zelka")));
    QVERIFY(AutoStartEntry::disable(QStringLiteral("zelka")));
    QVERIFY(!QFile::exists(entry));
    QVERIFY(AutoStartEntry::disable(QStringLiteral("zelka")));
}

void tst_DeviceNotifier::autoStartEntryWithoutXdgConfigHome()
{
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(AutoStartEntry::entryPath(QStringLiteral("zelka-demo")),
             QDir::homePath() + QStringLiteral("/.config/autostart/zelka-demo.desktop"));
}

void tst_DeviceNotifier::autoStartWriteFailureIsReported()
{
    QTemporaryDir config;
    QVERIFY(config.isValid());
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());

    // A file where the autostart folder belongs: nothing can be written.
    QFile blocker(config.path() + QStringLiteral("/autostart"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!AutoStartEntry::enable(QStringLiteral("zelka"), QStringLiteral("/usr/bin/zelka")));
    QVERIFY(!AutoStartEntry::isEnabled(QStringLiteral("zelka")));

    // A name that is no file name is refused.
    QVERIFY(!AutoStartEntry::enable(QStringLiteral("../zelka"), QStringLiteral("/usr/bin/zelka")));
    QVERIFY(!AutoStartEntry::enable(QString(), QStringLiteral("/usr/bin/zelka")));
}

QTEST_GUILESS_MAIN(tst_DeviceNotifier)
#include "tst_DeviceNotifier.moc"
