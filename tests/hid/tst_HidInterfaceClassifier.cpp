// SPDX-License-Identifier: GPL-3.0-or-later
#include "EmulatorDescriptorReader.h"
#include "HidInterfaceClassifier.h"
#include "ReportDescriptor.h"

#include <QtTest>

using emu::ReportDescriptor;
using Ids = QVector<QVector<int>>;
Q_DECLARE_METATYPE(Ids)

namespace {

// Six top-level collections with report id 6 in the third: looks like the multi-collection
// interface but is not.
QByteArray sixInWrongPlace()
{
    return ReportDescriptor::bootKeyboard() + ReportDescriptor::media() + ReportDescriptor::configuration(6)
           + ReportDescriptor::bootMouse() + ReportDescriptor::configuration(5);
}

const QString kWindowsCol01 =
    QStringLiteral("\\\\?\\hid#vid_0416&pid_b23c&mi_01&col01#7&1a2b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}");
const QString kWindowsCol06 =
    QStringLiteral("\\\\?\\hid#vid_0416&pid_b23c&mi_01&col06#7&1a2b3c4d&0&0005#{4d1e55b2-f16f-11cf-88cb-001111000030}");
const QString kWindowsMi02 =
    QStringLiteral("\\\\?\\hid#vid_0416&pid_b23c&mi_02#7&1a2b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}");

}  // namespace

class tst_HidInterfaceClassifier : public QObject
{
    Q_OBJECT
private slots:
    void topLevelReportIds_data();
    void topLevelReportIds();
    void classify_data();
    void classify();
};

void tst_HidInterfaceClassifier::topLevelReportIds_data()
{
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<Ids>("expected");

    const QByteArray multi = ReportDescriptor::multiCollection(6);
    QTest::newRow("six collections") << multi << Ids{{1}, {2}, {3}, {4}, {5}, {6}};
    QTest::newRow("nested collections stay in their top-level one") << ReportDescriptor::bootMouse() << Ids{{}};
    QTest::newRow("empty") << QByteArray() << Ids{};
    // Cut inside the last collection's report id item: five whole, the sixth opened without its id.
    const int lastId = multi.lastIndexOf(QByteArray("\x85\x06", 2));
    QTest::newRow("cut inside an item") << multi.left(lastId + 1) << Ids{{1}, {2}, {3}, {4}, {5}, {}};
    QTest::newRow("cut inside a long item")
        << (ReportDescriptor::configuration(1) + QByteArray("\xFE\x40\x00\x01", 4)) << Ids{{1}};
    QTest::newRow("long item skipped") << (QByteArray("\xFE\x02\x00\x85\x06", 5) + ReportDescriptor::configuration(1))
                                       << Ids{{1}};
    QTest::newRow("report id before its collection")
        << QByteArray("\x85\x06\x06\x00\xFF\x09\x01\xA1\x01\xC0", 10) << Ids{{6}};
    QTest::newRow("stray end collections") << QByteArray("\xC0\xC0\xA1\x01\x85\x03\xC0\xC0", 8) << Ids{{3}};
    QTest::newRow("four-byte item cut short") << QByteArray("\xA1\x01\x87\x06\x00", 5) << Ids{{}};
}

void tst_HidInterfaceClassifier::topLevelReportIds()
{
    QFETCH(QByteArray, descriptor);
    QFETCH(Ids, expected);
    QCOMPARE(HidInterfaceClassifier::topLevelReportIds(descriptor), expected);
}

void tst_HidInterfaceClassifier::classify_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("interfaceNumber");
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<bool>("configuration");
    QTest::addColumn<int>("reportId");

    const QByteArray multi = ReportDescriptor::multiCollection(6);
    const QByteArray vendor = ReportDescriptor::configuration(1);
    QTest::newRow("hidraw interface 2") << "/dev/hidraw2" << 2 << vendor << true << 1;
    QTest::newRow("hidraw interface 2, descriptor unreadable") << "/dev/hidraw2" << 2 << QByteArray() << true << 1;
    QTest::newRow("hidraw interface 1 with six collections") << "/dev/hidraw1" << 1 << multi << true << 6;
    QTest::newRow("hidraw interface 2 with six collections") << "/dev/hidraw1" << 2 << multi << true << 6;
    QTest::newRow("hidraw, report id 6 elsewhere") << "/dev/hidraw1" << 1 << sixInWrongPlace() << false << 1;
    QTest::newRow("hidraw boot interface") << "/dev/hidraw0" << 0 << ReportDescriptor::bootKeyboard() << false << 1;
    QTest::newRow("mi_02") << kWindowsMi02 << 2 << QByteArray() << true << 1;
    QTest::newRow("col06") << kWindowsCol06 << 1 << multi << true << 6;
    // Windows-style paths name their collection: the first five of the interface are not it,
    // whatever the descriptor they share says.
    QTest::newRow("col01 of the six") << kWindowsCol01 << 1 << multi << false << 1;
    QTest::newRow("mi_02 is case-sensitive")
        << QString(kWindowsMi02).replace("mi_02", "MI_02") << 2 << vendor << false << 1;
}

void tst_HidInterfaceClassifier::classify()
{
    QFETCH(QString, path);
    QFETCH(int, interfaceNumber);
    QFETCH(QByteArray, descriptor);
    QFETCH(bool, configuration);
    QFETCH(int, reportId);

    EmulatorDescriptorReader reader;
    reader.descriptors.insert(path, descriptor);
    const HidInterfaceClassifier::Result result = HidInterfaceClassifier::classify(path, interfaceNumber, reader);
    QCOMPARE(result.configuration, configuration);
    if (configuration)
        QCOMPARE(result.reportId, reportId);
}

QTEST_GUILESS_MAIN(tst_HidInterfaceClassifier)
#include "tst_HidInterfaceClassifier.moc"
