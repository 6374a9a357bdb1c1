// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceModels.h"
#include "xmlInterface.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// The shipped udev rule must let the seat's user open every supported device and every
// bootloader the firmware update looks for, and must run before "uaccess" is applied.
class tst_UdevRules : public QObject
{
    Q_OBJECT
private slots:
    void coversEverySupportedDevice();
};

void tst_UdevRules::coversEverySupportedDevice()
{
    QVERIFY(QFileInfo(QStringLiteral(ZELKA_UDEV_RULES)).fileName() < QStringLiteral("73-seat-late.rules"));

    QFile file(QStringLiteral(ZELKA_UDEV_RULES));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QSet<QString> tagged;
    const QRegularExpression rule(QStringLiteral(
        "^ATTRS\\{idVendor\\}==\"([0-9a-f]{4})\", ATTRS\\{idProduct\\}==\"([0-9a-f]{4})\", TAG\\+=\"uaccess\"$"));
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const QRegularExpressionMatch match = rule.match(line);
        if (match.hasMatch())
            tagged.insert(match.captured(1) + QLatin1Char(':') + match.captured(2));
    }

    // Every id of the model table, and every entry of the shipped supported-device list.
    auto id = [](int vendorId, int productId) {
        return QStringLiteral("%1:%2").arg(vendorId, 4, 16, QLatin1Char('0')).arg(productId, 4, 16, QLatin1Char('0'));
    };
    QSet<QString> expected;
    for (const models::SupportedId &entry : models::supportedIds())
        expected.insert(id(entry.id.vendorId, entry.id.productId));
    for (const models::BootloaderId &entry : models::bootloaderIds())
        expected.insert(id(entry.id.vendorId, entry.id.productId));
    QCOMPARE(expected.size(), 10);

    QList<SupportHidInfo> supported;
    xmlInterface().readHidSupportList(ZELKA_SUPPORT_LIST, &supported);
    QCOMPARE(supported.size(), 6);
    for (const SupportHidInfo &entry : supported) {
        const int vendorId = models::usbIdFromText(QString::fromLatin1(entry.Vid));
        const int productId = models::usbIdFromText(QString::fromLatin1(entry.Pid));
        QVERIFY(vendorId >= 0 && productId >= 0);
        QVERIFY(expected.contains(id(vendorId, productId)));
    }
    QCOMPARE(tagged, expected);
}

QTEST_GUILESS_MAIN(tst_UdevRules)
#include "tst_UdevRules.moc"
