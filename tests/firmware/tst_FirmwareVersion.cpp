// Version comparison, the image layout by chip family and the version block's identity check.

#include "FirmwareImageCatalog.h"
#include "FirmwareImageLayout.h"
#include "FirmwareImageMaker.h"
#include "FirmwareVersion.h"
#include "FirmwareVersionBlock.h"
#include "HidRecords.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

HidDeviceInfo deviceRecord(const QString &infoText)
{
    HidDeviceInfo record;
    const QStringList fields = infoText.split(QLatin1Char(','));
    char *targets[] = {record.chipName, record.chipNum, record.deviceKind,
                       record.makerTag, record.hidName, record.version};
    const size_t widths[] = {sizeof(record.chipName), sizeof(record.chipNum), sizeof(record.deviceKind),
                             sizeof(record.makerTag), sizeof(record.hidName), sizeof(record.version)};
    for (int i = 0; i < 6; ++i)
        std::strncpy(targets[i], fields.value(i).toLatin1().constData(), widths[i] - 1);
    return record;
}

}  // namespace

class tst_FirmwareVersion : public QObject
{
    Q_OBJECT

private slots:
    void compare_data();
    void compare();
    void layouts_data();
    void layouts();
    void versionBlock_data();
    void versionBlock();
    void catalogueReadsEachImageOnce();
    void imageNamesStayInTheFolder_data();
    void imageNamesStayInTheFolder();
};

void tst_FirmwareVersion::compare_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expected");

    QTest::newRow("newer patch") << "V1.05.07"
                                 << "V1.05.03" << 1;
    QTest::newRow("equal") << "V1.05.07"
                           << "V1.05.07" << 0;
    QTest::newRow("older") << "V1.01"
                           << "V1.02" << -1;
    QTest::newRow("10 is more than 9") << "V1.10.00"
                                       << "V1.9.00" << 1;
    QTest::newRow("9 is less than 10") << "V1.9.00"
                                       << "V1.10.00" << -1;
    QTest::newRow("missing part counts 0") << "V1.05"
                                           << "V1.05.00" << 0;
    QTest::newRow("longer and newer") << "V1.05.01"
                                      << "V1.05" << 1;
    QTest::newRow("letter case") << "v1.05.07"
                                 << "V1.05.07" << 0;
    QTest::newRow("leading zeros") << "V01.005"
                                   << "V1.5" << 0;
    QTest::newRow("no letter") << "2.0"
                               << "1.9" << 1;
    QTest::newRow("long numbers") << "V1.123456789012345678901"
                                  << "V1.99" << 1;
    // Any other shape compares as text, ignoring letter case.
    QTest::newRow("suffix falls back to text") << "V1.05a"
                                               << "V1.05" << 1;
    QTest::newRow("text: first difference decides") << "V1.10a"
                                                    << "V1.9a" << -1;
    QTest::newRow("text ignores case") << "v1.05A"
                                       << "V1.05a" << 0;
    QTest::newRow("different letters fall back to text") << "X1.0"
                                                         << "V2.0" << 1;
    QTest::newRow("empty is older") << ""
                                    << "V1.0" << -1;
}

void tst_FirmwareVersion::compare()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expected);
    QCOMPARE(FirmwareVersion::compare(a, b), expected);
    QCOMPARE(FirmwareVersion::compare(b, a), -expected);
    QCOMPARE(FirmwareVersion::isNewer(a, b), expected > 0);
}

void tst_FirmwareVersion::layouts_data()
{
    QTest::addColumn<QString>("chip");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("versionOffset");

    QTest::newRow("M252") << "M252" << 0x10000 << 0xFE1C;
    QTest::newRow("NUC") << "NUC" << 0x8000 << 0x7E1C;
    QTest::newRow("NUC121") << "NUC121" << 0x8000 << 0x7E1C;
    QTest::newRow("SN") << "SN" << 0x7800 << 0x76C0;
    QTest::newRow("the mouse's chip name") << "ZM1" << 0x7800 << 0x76C0;
    QTest::newRow("letter case matters") << "m252" << 0 << -1;
    QTest::newRow("a longer name") << "SN32F248" << 0 << -1;
    QTest::newRow("unknown") << "M252 SN" << 0 << -1;
    QTest::newRow("empty") << "" << 0 << -1;
}

void tst_FirmwareVersion::layouts()
{
    QFETCH(QString, chip);
    QFETCH(int, length);
    QFETCH(int, versionOffset);
    const FirmwareImageLayout layout = FirmwareImageLayout::forChipFamily(chip, QStringLiteral("ZM1"));
    QCOMPARE(layout.imageLength, length);
    QCOMPARE(layout.versionOffset, versionOffset);
    QCOMPARE(layout.isValid(), length > 0);
    if (layout.isValid()) {
        QCOMPARE(layout.timeOffset, versionOffset - 16);
        QCOMPARE(layout.dateOffset, versionOffset - 28);
    }
    QVERIFY(!FirmwareImageLayout::forChipFamily(QStringLiteral("ZM1")).isValid());
}

void tst_FirmwareVersion::versionBlock_data()
{
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("names");

    const QString image = QStringLiteral("NUC121,01,KB,ZK,ZK87A,V1.03");
    QTest::newRow("same device") << image << "NUC121,01,KB,ZK,ZK87A,V1.02" << true;
    QTest::newRow("letter case ignored") << image << "NUC121,01,kb,zk,zk87a,V1.02" << true;
    QTest::newRow("other maker") << image << "NUC121,01,KB,XY,ZK87A,V1.02" << false;
    QTest::newRow("other chip number") << image << "NUC121,02,KB,ZK,ZK87A,V1.02" << false;
    QTest::newRow("other model") << image << "NUC121,01,KB,ZK,ZK87B,V1.02" << false;
    QTest::newRow("extra commas stay out of the version") << "SN,01,MS,ZK,ZM1,V1.06,extra"
                                                          << "SN,01,MS,ZK,ZM1,V1.05" << true;
}

void tst_FirmwareVersion::versionBlock()
{
    QFETCH(QString, image);
    QFETCH(QString, device);
    QFETCH(bool, names);

    const FirmwareImageLayout layout = FirmwareImageLayout::forChipFamily(image.section(QLatin1Char(','), 0, 0));
    const FirmwareVersionBlock block = FirmwareVersionBlock::read(emu::firmwareImage(image), layout);
    QCOMPARE(block.buildDate, QStringLiteral("Mar 14 2024"));
    QCOMPARE(block.buildTime, QStringLiteral("10:22:33"));
    QCOMPARE(block.versionText, image);
    QCOMPARE(block.fields.size(), 6);
    QCOMPARE(block.version(), image.section(QLatin1Char(','), 5, 5));
    QCOMPARE(block.namesDevice(deviceRecord(device)), names);

    // An image too short for its layout gives an empty block, never a read past its end.
    const FirmwareVersionBlock cut = FirmwareVersionBlock::read(QByteArray(100, 'x'), layout);
    QVERIFY(cut.versionText.isEmpty());
    QCOMPARE(cut.fields.size(), 6);
}

void tst_FirmwareVersion::catalogueReadsEachImageOnce()
{
    QTemporaryDir folder;
    QVERIFY(emu::writeFirmwareHex(QStringLiteral("NUC121,01,KB,ZK,ZK87A,V1.03"), folder.filePath("ZK87A.hex")));
    FirmwareImageCatalog catalogue(folder.path(), QStringLiteral("ZM1"));
    const HidDeviceInfo first = deviceRecord(QStringLiteral("NUC121,01,KB,ZK,ZK87A,V1.02"));
    const HidDeviceInfo second = deviceRecord(QStringLiteral("NUC121,01,KB,ZK,ZK87A,V1.03"));
    QCOMPARE(catalogue.newerVersionFor(first), QStringLiteral("V1.03"));
    QCOMPARE(catalogue.newerVersionFor(second), QString());
    QCOMPARE(catalogue.newerVersionFor(first), QStringLiteral("V1.03"));
    QCOMPARE(catalogue.readCount(), 1);
    // A model without an image is never read.
    QCOMPARE(catalogue.newerVersionFor(deviceRecord(QStringLiteral("NUC121,01,KB,ZK,ZK87B,V1.02"))), QString());
    QCOMPARE(catalogue.readCount(), 1);
}

void tst_FirmwareVersion::imageNamesStayInTheFolder_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("read");
    QTest::newRow("in the folder") << "ZK87A" << true;
    QTest::newRow("parent folder") << "../ZK87A" << false;
    QTest::newRow("absolute") << "/ZK87A" << false;
    QTest::newRow("backslash") << "..\\ZK87A" << false;
    QTest::newRow("hidden") << ".ZK87A" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_FirmwareVersion::imageNamesStayInTheFolder()
{
    QFETCH(QString, model);
    QFETCH(bool, read);

    // A model name comes from the device: it names a file in the image folder or nothing.
    QTemporaryDir top;
    QVERIFY(QDir(top.path()).mkdir(QStringLiteral("images")));
    const QString text = QStringLiteral("NUC121,01,KB,ZK,ZK87A,V1.03");
    QVERIFY(emu::writeFirmwareHex(text, top.filePath("ZK87A.hex")));
    QVERIFY(emu::writeFirmwareHex(text, top.filePath("images/ZK87A.hex")));
    QVERIFY(emu::writeFirmwareHex(text, top.filePath("images/.ZK87A.hex")));
    QByteArray image;
    const FirmwareImageLayout layout = FirmwareImageLayout::forChipFamily(QStringLiteral("NUC121"));
    QCOMPARE(FirmwareImageCatalog::loadImage(top.filePath("images"), model, layout, &image), read);
    QCOMPARE(image.size(), read ? layout.imageLength : 0);
}

QTEST_GUILESS_MAIN(tst_FirmwareVersion)
#include "tst_FirmwareVersion.moc"
