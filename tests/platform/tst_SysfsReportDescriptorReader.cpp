// SPDX-License-Identifier: GPL-3.0-or-later
#include "SysfsReportDescriptorReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class tst_SysfsReportDescriptorReader : public QObject
{
    Q_OBJECT
private slots:
    void reportDescriptor_data();
    void reportDescriptor();
};

void tst_SysfsReportDescriptorReader::reportDescriptor_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray small("\x06\x00\xFF\x09\x01\xA1\x01\x85\x06\xC0", 10);
    QTest::newRow("hidraw node") << "/dev/hidraw3" << small;
    QTest::newRow("largest descriptor") << "/dev/hidraw4"
                                        << QByteArray(SysfsReportDescriptorReader::kMaxDescriptorSize, '\x01');
    QTest::newRow("oversized file") << "/dev/hidraw5" << QByteArray();
    QTest::newRow("empty file") << "/dev/hidraw6" << QByteArray();
    QTest::newRow("no such node") << "/dev/hidraw9" << QByteArray();
    QTest::newRow("not a hidraw path") << "\\\\?\\hid#vid_0416&pid_b23c&mi_02#x" << QByteArray();
    QTest::newRow("path that climbs out") << "/dev/hidraw3/../hidraw4" << QByteArray();
    QTest::newRow("hidraw without a number") << "/dev/hidraw" << QByteArray();
}

void tst_SysfsReportDescriptorReader::reportDescriptor()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, expected);

    QTemporaryDir root;
    const QList<QPair<QString, QByteArray>> nodes = {
        {QStringLiteral("hidraw3"), QByteArray("\x06\x00\xFF\x09\x01\xA1\x01\x85\x06\xC0", 10)},
        {QStringLiteral("hidraw4"), QByteArray(SysfsReportDescriptorReader::kMaxDescriptorSize, '\x01')},
        {QStringLiteral("hidraw5"), QByteArray(SysfsReportDescriptorReader::kMaxDescriptorSize + 1, '\x01')},
        {QStringLiteral("hidraw6"), QByteArray()},
    };
    for (const auto &node : nodes) {
        const QString folder = root.filePath(node.first + QStringLiteral("/device"));
        QVERIFY(QDir().mkpath(folder));
        QFile file(folder + QStringLiteral("/report_descriptor"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(node.second), qint64(node.second.size()));
    }

    const SysfsReportDescriptorReader reader(root.path());
    QCOMPARE(reader.reportDescriptor(path), expected);
}

QTEST_GUILESS_MAIN(tst_SysfsReportDescriptorReader)
#include "tst_SysfsReportDescriptorReader.moc"
