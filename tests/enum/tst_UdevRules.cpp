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

    QList<SupportHidInfo> supported;
    xmlInterface().readHidSupportList(ZELKA_SUPPORT_LIST, &supported);
    QCOMPARE(supported.size(), 6);
    QSet<QString> expected = {QStringLiteral("0416:3f00"), QStringLiteral("0416:3f02"), QStringLiteral("0c45:6565"),
                              QStringLiteral("0c45:4560")};
    for (const SupportHidInfo &entry : supported)
        expected.insert(QString::fromLatin1(entry.Vid).toLower() + QLatin1Char(':')
                        + QString::fromLatin1(entry.Pid).toLower());
    QCOMPARE(tagged, expected);
}

QTEST_GUILESS_MAIN(tst_UdevRules)
#include "tst_UdevRules.moc"
