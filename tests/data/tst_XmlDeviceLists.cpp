// SPDX-License-Identifier: GPL-3.0-or-later
// The device lists and default custom-lighting files that travel with the program.

#include "xmlInterface.h"
#include "XmlTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace xmltest;

class tst_XmlDeviceLists : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void hidList_holdsEveryModel();
    void hidListSupport_holdsTheSixIds();
    void readers_ignoreUnknownAttributesAndAppend();
    void defaultCustomLightings_data();
    void defaultCustomLightings();
    void defaultCustomLightings_commonLayout_data();
    void defaultCustomLightings_commonLayout();

private:
    QByteArray resource(const QString &name);
    std::unique_ptr<QTemporaryDir> m_dir;
    xmlInterface m_xml;
};

void tst_XmlDeviceLists::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// The callers read a plain copy of the resource, as here.
QByteArray tst_XmlDeviceLists::resource(const QString &name)
{
    QFile file(":/images/configDir/" + name);
    if (!file.open(QIODevice::ReadOnly))
        return pathIn(*m_dir, "missing-" + name);
    return writeFile(*m_dir, name, file.readAll());
}

void tst_XmlDeviceLists::hidList_holdsEveryModel()
{
    QList<HidListInfo> list;
    m_xml.readHidList(resource("hidList.xml"), &list);
    QStringList codes;
    for (const HidListInfo &entry : list) {
        codes << QString::fromUtf8(entry.hidName);
        const bool mouse = qstrcmp(entry.hidType, "mouse") == 0;
        QVERIFY2(mouse || qstrcmp(entry.hidType, "keyboard") == 0, entry.hidName);
        QCOMPARE(entry.keyNum, mouse ? 0 : QByteArray(entry.hidName).startsWith("ZK104") ? 104 : 87);
        QVERIFY(entry.SizeWidth >= 611 && entry.SizeWidth <= 700);
        QVERIFY(entry.SizeHeight == 214 || entry.SizeHeight == 240);
        QCOMPARE(entry.transparentImg, 0);
        QCOMPARE(entry.likeName, " ");
        QVERIFY(QByteArray(entry.productName).startsWith("ZELKA "));
        QVERIFY(qstrlen(entry.addTime) > 0);
    }
    // Twelve keyboards and the mouse; the entry inside the comment is not read.
    QCOMPARE(codes, (QStringList{"ZK87A", "ZK87B", "ZK87C", "ZK87R", "ZK87S", "ZK87W", "ZK104A", "ZK104B", "ZK104C",
                                 "ZK104R", "ZK104S", "ZK104W", "ZM1"}));
    QCOMPARE(list.last().hidType, "mouse");
    QCOMPARE(list.last().productName, "ZELKA Pulsar M1");
}

void tst_XmlDeviceLists::hidListSupport_holdsTheSixIds()
{
    QList<SupportHidInfo> list;
    m_xml.readHidSupportList(resource("hidListSupport.xml"), &list);
    QStringList rows;
    for (const SupportHidInfo &e : list)
        rows << QStringLiteral("%1 %2 %3:%4 %5 %6").arg(e.hidType, e.addTime, e.Vid, e.Pid).arg(e.type).arg(e.nucName);
    QCOMPARE(rows,
             (QStringList{"keyboard 2020/12/04 AM 0416:B23C 0 NUC121", "keyboard 2020/12/05 AM 0416:C345 0 M252",
                          "mouse 2020/12/06 AM 0C45:A21C 1 ZM1", "keyboard 2021/10/21 PM 2E88:B30A 0 M252 HUADA",
                          "keyboard 2021/12/17 AM 0C45:7043 0 M252 SN", "keyboard 2021/12/17 AM 0C45:B12B 0 M252 SN"}));
}

void tst_XmlDeviceLists::readers_ignoreUnknownAttributesAndAppend()
{
    const QByteArray path = writeFile(
        *m_dir, "list.xml",
        "<hidList hidTotalNumber=\"9\" name=\"HidList\">"
        "<item hidType=\"keyboard\" extra=\"x\" SizeWidth=\"650px\" nucNum=\"7\" hidName=\"ZK87A\" keyNum=\"87\" />"
        "<!-- <item hidName=\"hidden\" /> -->"
        "<other Vid=\"0c45\" type=\"one\" />"
        "</hidList>");
    QList<HidListInfo> list{HidListInfo{}};
    m_xml.readHidList(path, &list);
    QCOMPARE(list.size(), 3);
    QCOMPARE(list[1].hidName, "ZK87A");
    QCOMPARE(list[1].SizeWidth, 650);
    QCOMPARE(list[1].keyNum, 87);
    QCOMPARE(list[1].productName, "");
    QCOMPARE(list[2].hidName, "");

    QList<SupportHidInfo> support;
    m_xml.readHidSupportList(path, &support);
    QCOMPARE(support.size(), 2);
    QCOMPARE(support[1].Vid, "0c45");
    QCOMPARE(support[1].type, 0);

    m_xml.readHidList(pathIn(*m_dir, "absent.xml"), &list);
    QCOMPARE(list.size(), 3);
}

void tst_XmlDeviceLists::defaultCustomLightings_data()
{
    // Custom lighting 1 of each file: its keys as "caption:usage@row,column".
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lighting1");
    const QStringList wasd{"W:26@2,2", "A:4@3,2", "S:22@3,3", "D:7@3,4"};
    auto arrows = [](int upCol, int leftCol) {
        return QStringList{QStringLiteral("Up:82@4,%1").arg(upCol), QStringLiteral("Left:80@5,%1").arg(leftCol),
                           QStringLiteral("Down:81@5,%1").arg(leftCol + 1),
                           QStringLiteral("Right:79@5,%1").arg(leftCol + 2)};
    };
    QTest::newRow("default") << "customLightDefaultConfig.xml" << wasd + arrows(16, 15);
    QTest::newRow("61") << "customLightDefaultConfig_61.xml" << wasd;
    for (const char *suffix : {"68", "84", "98"})
        QTest::newRow(suffix) << QStringLiteral("customLightDefaultConfig_%1.xml").arg(suffix) << wasd + arrows(14, 13);
    for (const char *suffix : {"82", "83"})
        QTest::newRow(suffix) << QStringLiteral("customLightDefaultConfig_%1.xml").arg(suffix) << wasd + arrows(15, 14);
    QTest::newRow("34") << "customLightDefaultConfig_34.xml" << arrows(1, 0);
}

void tst_XmlDeviceLists::defaultCustomLightings()
{
    QFETCH(QString, file);
    QFETCH(QStringList, lighting1);
    const QByteArray path = resource(file);

    QList<CustomLedItemInfo> items;
    m_xml.getDefaultCustomLedItems(path, "1", &items);
    QStringList keys;
    for (const CustomLedItemInfo &item : items) {
        keys << QStringLiteral("%1:%2@%3,%4").arg(item.codeName, item.keyCode).arg(item.indexX).arg(item.indexY);
        QCOMPARE(item.colorR, 255);
        QCOMPARE(item.colorG, 0);
        QCOMPARE(item.colorB, 0);
        QCOMPARE(item.transparentNum, 128);
    }
    QCOMPARE(keys, lighting1);

    for (const char *empty : {"2", "3", "4", "5"}) {
        items.clear();
        m_xml.getDefaultCustomLedItems(path, empty, &items);
        QVERIFY2(items.isEmpty(), empty);
    }
}

void tst_XmlDeviceLists::defaultCustomLightings_commonLayout_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("keys0");
    QTest::addColumn<QString>("first0");
    QTest::addColumn<QString>("last0");
    for (const char *suffix : {"", "_61", "_68", "_82", "_83", "_84", "_98"})
        QTest::addRow("custom 0%s", suffix)
            << QStringLiteral("customLightDefaultConfig%1.xml").arg(suffix) << 33 << "Q:20@2,1"
            << "/:56@4,11";
    QTest::newRow("custom 0_34") << "customLightDefaultConfig_34.xml" << 11 << "7:95@2,3"
                                 << ".:99@5,5";
}

void tst_XmlDeviceLists::defaultCustomLightings_commonLayout()
{
    QFETCH(QString, file);
    QFETCH(int, keys0);
    QFETCH(QString, first0);
    QFETCH(QString, last0);
    const QByteArray path = resource(file);

    QList<CustomLedItemInfo> items;
    m_xml.getDefaultCustomLedItems(path, "0", &items);
    QCOMPARE(items.size(), keys0);
    QSet<QString> cells;
    for (const CustomLedItemInfo &item : items) {
        QCOMPARE(item.colorB, 255);
        QCOMPARE(item.colorR + item.colorG, 0);
        QCOMPARE(item.transparentNum, 128);
        QVERIFY(item.indexX >= 0 && item.indexX < 6 && item.indexY >= 0 && item.indexY < 22);
        cells.insert(QStringLiteral("%1,%2").arg(item.indexX).arg(item.indexY));
    }
    QCOMPARE(cells.size(), keys0);  // no two keys on one cell
    auto key = [](const CustomLedItemInfo &i) {
        return QStringLiteral("%1:%2@%3,%4").arg(i.codeName, i.keyCode).arg(i.indexX).arg(i.indexY);
    };
    QCOMPARE(key(items.first()), first0);
    QCOMPARE(key(items.last()), last0);

    // The five lightings' own attributes, through the profile reader's record.
    const auto doc = parse(path);
    QVERIFY(doc);
    QStringList leds;
    for (const TiXmlElement *led = doc->RootElement()->FirstChildElement(); led; led = led->NextSiblingElement())
        leds << attributes(led).join(' ');
    QCOMPARE(leds, (QStringList{"index=0 name=Custom 0 isUsing=Using usingFlagIndex=0",
                                "index=1 name=Custom 1 isUsing=Using usingFlagIndex=1",
                                "index=2 name=Custom 2 isUsing=UnUsing usingFlagIndex=-1",
                                "index=3 name=Custom 3 isUsing=UnUsing usingFlagIndex=-1",
                                "index=4 name=Custom 4 isUsing=UnUsing usingFlagIndex=-1"}));
    QVERIFY(!doc->RootElement()->FirstAttribute());
}

QTEST_GUILESS_MAIN(tst_XmlDeviceLists)
#include "tst_XmlDeviceLists.moc"
