// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceModels.h"
#include "Emulator.h"
#include "MainHidInterFace.h"
#include "SupportedIdMatch.h"
#include "xmlInterface.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

// The model table is checked through the readers that the transport, the emulator and the
// device-list matching use, against the README's Models table (the golden source) and the
// device lists that ship with the program.
class tst_DeviceModels : public QObject
{
    Q_OBJECT
private slots:
    void readmeModels_data();
    void readmeModels();
    void tableHasNoModelTheReadmeLacks();
    void readmeSupportedIds();
    void shippedDeviceList();
    void shippedSupportList();
    void usbIdText_data();
    void usbIdText();
    void supportedEntryMatching();
    void malformedEntryIsLogged();

private:
    struct ReadmeRow {
        QString code, kind, layout, productName, notes;
        int keys = -1;
        int sideLeds = -1;
        int onboardWidth = -1;
        int onboardHeight = -1;
    };
    static QList<ReadmeRow> readmeRows();
    static QString readme();
};

QString tst_DeviceModels::readme()
{
    QFile file(QStringLiteral(ZELKA_README));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

QList<tst_DeviceModels::ReadmeRow> tst_DeviceModels::readmeRows()
{
    QList<ReadmeRow> rows;
    const QString text = readme();
    const int start = text.indexOf(QStringLiteral("\n## Models"));
    if (start < 0)
        return rows;
    const QRegularExpression row(
        QStringLiteral("^\\| (Z[A-Z0-9]+) \\| (keyboard|mouse) \\| (\\d+) \\| ([^|]+) \\| (\\d+) \\| ([^|]+) \\| "
                       "([^|]*)\\| (\\d+) x (\\d+) \\|$"),
        QRegularExpression::MultilineOption);
    auto it = row.globalMatch(text.mid(start));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString layout = m.captured(4).trimmed();
        rows.append({m.captured(1), m.captured(2), layout == QLatin1String("-") ? QString() : layout,
                     m.captured(6).trimmed(), m.captured(7).trimmed(), m.captured(3).toInt(), m.captured(5).toInt(),
                     m.captured(8).toInt(), m.captured(9).toInt()});
    }
    return rows;
}

void tst_DeviceModels::readmeModels_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("keys");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("sideLeds");
    QTest::addColumn<QString>("productName");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<int>("onboardWidth");
    QTest::addColumn<int>("onboardHeight");
    const QList<ReadmeRow> rows = readmeRows();
    QVERIFY2(rows.size() >= 13, "the README's Models table is missing or unreadable");
    for (const ReadmeRow &r : rows)
        QTest::newRow(qPrintable(r.code)) << r.code << r.kind << r.keys << r.layout << r.sideLeds << r.productName
                                          << r.notes << r.onboardWidth << r.onboardHeight;
}

void tst_DeviceModels::readmeModels()
{
    QFETCH(QString, code);
    QFETCH(QString, kind);
    QFETCH(int, keys);
    QFETCH(QString, layout);
    QFETCH(int, sideLeds);
    QFETCH(QString, productName);
    QFETCH(QString, notes);
    QFETCH(int, onboardWidth);
    QFETCH(int, onboardHeight);

    const models::DeviceModel *model = models::findDeviceModel(code);
    QVERIFY(model);
    const bool keyboard = kind == QLatin1String("keyboard");
    QCOMPARE(model->kind == models::DeviceKind::Keyboard, keyboard);
    QCOMPARE(QString::fromLatin1(model->productName), productName);
    const bool side = notes.contains(QLatin1String("side lights"));
    const int batch = notes.contains(QLatin1String("batches 11 lighting frames")) ? 11 : 10;

    // The transport's keyboard batch.
    MainHidInterFace transport(0, code);
    transport.setLightDataMode(0);
    QCOMPARE(transport.lightBatchFrames(), batch);

    // The emulated device.
    const emu::DeviceSpec spec = keyboard ? emu::keyboardSpec(code) : emu::mouseSpec(code);
    QCOMPARE(spec.keyCount, keys);
    QCOMPARE(spec.product, productName);
    QCOMPARE(!spec.sideLights.effects.isEmpty(), side);
    QVERIFY(models::isSupportedId(spec.vendorId, spec.productId));

    QCOMPARE(models::keyCount(code), keys);
    QCOMPARE(models::hasSideLights(code), side);
    QCOMPARE(models::framesPerBatch(code), batch);

    // The keyboard view's facts.
    QCOMPARE(models::layoutFamily(code), layout);
    QCOMPARE(models::sideLedCount(code), sideLeds);
    QCOMPARE(sideLeds > 0, side);
    QCOMPARE(models::hasRoundedSideLeds(code), notes.contains(QLatin1String("rounded side LEDs")));
    const bool locked = notes.contains(QLatin1String("keys 38, 39 and 41 cannot be assigned"));
    for (const int key : {38, 39, 41})
        QCOMPARE(models::isLockedKey(code, key), locked);

    // The on-board editor's facts.
    QCOMPARE(models::onboardPageWidth(code), onboardWidth);
    QCOMPARE(models::onboardPageHeight(code), onboardHeight);
    QCOMPARE(models::hasFn1KeyPreset(code), notes.contains(QLatin1String("FN1 key preset")));
    QCOMPARE(models::hasReducedLayoutMenu(code), notes.contains(QLatin1String("reduced layout menu")));
}

void tst_DeviceModels::tableHasNoModelTheReadmeLacks()
{
    QStringList readmeCodes;
    for (const ReadmeRow &r : readmeRows())
        readmeCodes.append(r.code);
    QStringList tableCodes;
    for (const models::DeviceModel &m : models::deviceModels())
        tableCodes.append(QString::fromLatin1(m.code));
    QCOMPARE(tableCodes, readmeCodes);

    // An unknown model batches like an ordinary keyboard and has no keys or side lights known.
    QCOMPARE(models::findDeviceModel(QStringLiteral("ZK87X")), nullptr);
    QCOMPARE(models::framesPerBatch(QStringLiteral("ZK87X")), 10);
    QCOMPARE(models::keyCount(QString()), 0);
    QVERIFY(!models::hasSideLights(QStringLiteral("zk87s")));
}

void tst_DeviceModels::readmeSupportedIds()
{
    const QRegularExpression line(QStringLiteral("^Supported USB ids: keyboards ([^;]+); the mouse ([0-9A-F:]+)\\.$"),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(readme());
    QVERIFY2(m.hasMatch(), "the README's supported ids line is missing");
    QStringList keyboards = m.captured(1).split(QStringLiteral(", "));
    QStringList mice = {m.captured(2)};
    for (const models::SupportedId &entry : models::supportedIds()) {
        const QString id = QStringLiteral("%1:%2")
                               .arg(entry.id.vendorId, 4, 16, QLatin1Char('0'))
                               .arg(entry.id.productId, 4, 16, QLatin1Char('0'))
                               .toUpper();
        QStringList &list = entry.kind == models::DeviceKind::Keyboard ? keyboards : mice;
        QVERIFY2(list.removeOne(id), qPrintable(id));
    }
    QVERIFY2(keyboards.isEmpty() && mice.isEmpty(), "the README names ids the table lacks");
}

void tst_DeviceModels::shippedDeviceList()
{
    QList<HidListInfo> list;
    xmlInterface().readHidList(ZELKA_DEVICE_LIST, &list);
    QCOMPARE(list.size(), int(models::deviceModels().size()));
    for (const HidListInfo &entry : list) {
        const models::DeviceModel *model = models::findDeviceModel(QString::fromLatin1(entry.hidName));
        QVERIFY2(model, entry.hidName);
        QCOMPARE(entry.keyNum, model->keyCount);
        QCOMPARE(QByteArray(entry.productName), QByteArray(model->productName));
        QCOMPARE(QByteArray(entry.hidType),
                 QByteArray(model->kind == models::DeviceKind::Keyboard ? "keyboard" : "mouse"));
    }
}

void tst_DeviceModels::shippedSupportList()
{
    QList<SupportHidInfo> list;
    xmlInterface().readHidSupportList(ZELKA_SUPPORT_LIST, &list);
    QCOMPARE(list.size(), int(models::supportedIds().size()));
    for (int i = 0; i < list.size(); ++i) {
        const models::SupportedId &entry = models::supportedIds()[std::size_t(i)];
        QCOMPARE(models::usbIdFromText(QString::fromLatin1(list[i].Vid)), int(entry.id.vendorId));
        QCOMPARE(models::usbIdFromText(QString::fromLatin1(list[i].Pid)), int(entry.id.productId));
        QCOMPARE(list[i].type, entry.kind == models::DeviceKind::Keyboard ? 0 : 1);
        if (*entry.chipFamily)
            QCOMPARE(QByteArray(list[i].nucName), QByteArray(entry.chipFamily));
        QCOMPARE(supportedEntryIndex(list, entry.id.vendorId, entry.id.productId), i);
    }
    // No bootloader is in the supported list: the two are told apart by their ids.
    for (const models::BootloaderId &b : models::bootloaderIds()) {
        QVERIFY(!models::isSupportedId(b.id.vendorId, b.id.productId));
        QCOMPARE(supportedEntryIndex(list, b.id.vendorId, b.id.productId), -1);
    }
}

void tst_DeviceModels::usbIdText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("id");
    QTest::newRow("upper case") << "B23C" << 0xB23C;
    QTest::newRow("lower case") << "b23c" << 0xB23C;
    QTest::newRow("leading zero") << "0416" << 0x0416;
    QTest::newRow("short") << "7" << 7;
    QTest::newRow("blanks around") << " 0C45\t" << 0x0C45;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("blank") << "   " << -1;
    QTest::newRow("0x prefix") << "0x0416" << -1;
    QTest::newRow("five digits") << "10416" << -1;
    QTest::newRow("sign") << "+416" << -1;
    QTest::newRow("minus") << "-1" << -1;
    QTest::newRow("not hex") << "0G16" << -1;
    QTest::newRow("inner blank") << "04 16" << -1;
    QTest::newRow("full-width digit") << QStringLiteral("04\uFF11\uFF16") << -1;
}

void tst_DeviceModels::usbIdText()
{
    QFETCH(QString, text);
    QFETCH(int, id);
    QCOMPARE(models::usbIdFromText(text), id);
}

void tst_DeviceModels::supportedEntryMatching()
{
    auto entry = [](const char *vid, const char *pid) {
        SupportHidInfo info;
        std::strncpy(info.Vid, vid, sizeof info.Vid - 1);
        std::strncpy(info.Pid, pid, sizeof info.Pid - 1);
        return info;
    };
    const QList<SupportHidInfo> list = {entry("0x0416", "B23C"), entry("0416", "+B23C"), entry("", "B23C"),
                                        entry("0416", "b23c"),   entry("0416", "B23C"),  entry("0C45", "A21C")};
    QCOMPARE(supportedEntryIndex(list, 0x0416, 0xB23C), 3);  // the malformed ones before it match nothing
    QCOMPARE(supportedEntryIndex(list, 0x0C45, 0xA21C), 5);
    QCOMPARE(supportedEntryIndex(list, 0x0416, 0xC345), -1);
    QCOMPARE(supportedEntryIndex({}, 0x0416, 0xB23C), -1);
    QVERIFY(!isWellFormedSupportEntry(list[0]));
    QVERIFY(!isWellFormedSupportEntry(list[2]));
    QVERIFY(isWellFormedSupportEntry(list[3]));
}

void tst_DeviceModels::malformedEntryIsLogged()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("hidListSupport.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<hidList hidTotalNumber=\"2\" name=\"supportHidList\">\n"
               "<item hidType=\"keyboard\" Vid=\"04161\" Pid=\"B23C\" type=\"0\" />\n"
               "<item hidType=\"keyboard\" Vid=\"0416\" Pid=\"B23C\" type=\"0\" />\n</hidList>\n");
    file.close();

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("04161.*malformed")));
    QList<SupportHidInfo> list;
    xmlInterface().readHidSupportList(path.toLocal8Bit().constData(), &list);
    QCOMPARE(list.size(), 2);
    QCOMPARE(supportedEntryIndex(list, 0x0416, 0xB23C), 1);
}

QTEST_GUILESS_MAIN(tst_DeviceModels)
#include "tst_DeviceModels.moc"
