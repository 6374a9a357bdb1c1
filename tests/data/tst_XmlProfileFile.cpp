// SPDX-License-Identifier: GPL-3.0-or-later
// The profile file: profiles, key assignments, bound macros, copies between files, lighting,
// colour swatches, custom lightings, DPI levels and function switches.

#include "xmlInterface.h"
#include "XmlTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace xmltest;

namespace {

MacroEventInfo step(const char *mark, const char *delay, const char *code, const char *upDown)
{
    MacroEventInfo s;
    qstrcpy(s.mark, mark);
    qstrcpy(s.delay, delay);
    qstrcpy(s.type, "key");
    qstrcpy(s.keyCode, code);
    qstrcpy(s.codeName, "A");
    qstrcpy(s.operateExplain, upDown);
    return s;
}

colorInfoData light(int zone, int type, int base)
{
    colorInfoData c;
    int32_t *fields[] = {&c.ledKeyboardOrSide, &c.ledType,     &c.ledBrightness,  &c.ledSpeed, &c.ledModeR,
                         &c.ledModeG,          &c.ledModeB,    &c.ledBgR,         &c.ledBgG,   &c.ledBgB,
                         &c.ledDirection,      &c.ledModeType, &c.ledOpenOrClose, &c.ledUpdate};
    for (int i = 0; i < 14; ++i)
        *fields[i] = base + i;
    c.ledKeyboardOrSide = zone;
    c.ledType = type;
    return c;
}

bool sameLight(const colorInfoData &a, const colorInfoData &b)
{
    return memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

class tst_XmlProfileFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void addProfileConfig_layout_data();
    void addProfileConfig_layout();
    void records_keepTheirAttributeOrder();
    void freshProfile_readsDefaults();
    void zoneAttributes();
    void profileInfo();
    void keyAssignments();
    void getKeyMapValue_countsKeysBoundToAMacro_data();
    void getKeyMapValue_countsKeysBoundToAMacro();
    void boundMacros();
    void copies_data();
    void copies();
    void exportProfile_keepsSourceAndNeedsTarget();
    void exportProfile_nextIndex_data();
    void exportProfile_nextIndex();
    void lightItems();
    void customLightings();
    void colourSwatches();
    void dpiLevels();
    void functionSwitches();

private:
    QByteArray freshProfiles(int deviceType = 0, const QByteArrayList &indexes = {"1"});
    std::unique_ptr<QTemporaryDir> m_dir;
    xmlInterface m_xml;
};

void tst_XmlProfileFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QByteArray tst_XmlProfileFile::freshProfiles(int deviceType, const QByteArrayList &indexes)
{
    const QByteArray path = pathIn(*m_dir, "brivexProFile.xml");
    m_xml.createXmlFile(path);
    for (const QByteArray &index : indexes)
        m_xml.addProfileConfig(path, index, "Profile" + index, "app", "icon", deviceType);
    return path;
}

void tst_XmlProfileFile::addProfileConfig_layout_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<QStringList>("zone12");
    QTest::newRow("keyboard") << 0 << QStringList{"usingIndex=2"};
    QTest::newRow("mouse") << 1 << QStringList{"usingIndex=2", "linkStatus=0"};
}

void tst_XmlProfileFile::addProfileConfig_layout()
{
    QFETCH(int, deviceType);
    QFETCH(QStringList, zone12);
    const QByteArray path = freshProfiles(deviceType, {"1", "2"});
    const auto doc = parse(path);
    QVERIFY(doc);
    const TiXmlElement *root = doc->RootElement();
    QCOMPARE(childNames(root), (QStringList{"config", "config"}));
    const TiXmlElement *config = root->FirstChildElement()->NextSiblingElement();
    QCOMPARE(attributes(config), (QStringList{"index=2", "name=Profile2", "proFileAppName=app", "proFileAppIco=icon"}));
    QCOMPARE(childNames(config), (QStringList{"light0", "light1", "light2", "customColor", "customLight", "ribbon",
                                              "onboardBinding", "macro", "dpi", "function", "bindMacro"}));
    QCOMPARE(attributes(config->FirstChildElement("light0")),
             (QStringList{"usingIndex=2", "ledOpenOrClose=0", "SynchronizeStatus=0"}));
    QCOMPARE(attributes(config->FirstChildElement("light1")), zone12);
    QCOMPARE(attributes(config->FirstChildElement("light2")), zone12);
    const TiXmlElement *function = config->FirstChildElement("function");
    QCOMPARE(childNames(function), QStringList{"Setting"});
    QCOMPARE(attributes(function->FirstChildElement()),
             (QStringList{"feature1=0", "feature2=0", "feature3=0", "feature4=1"}));
    for (const char *empty : {"customColor", "customLight", "ribbon", "onboardBinding", "macro", "dpi", "bindMacro"}) {
        QVERIFY2(attributes(config->FirstChildElement(empty)).isEmpty(), empty);
        QVERIFY2(childNames(config->FirstChildElement(empty)).isEmpty(), empty);
    }
}

void tst_XmlProfileFile::records_keepTheirAttributeOrder()
{
    const QByteArray path = freshProfiles(1);
    m_xml.addKeyMapItem(path, "1", "4", "A", "1", "2", "3", "7");
    m_xml.addBindMacro(path, "1", {step("m1", "10", "4", "down")}, "7", "Macro7");
    m_xml.addLightItem(path, "1", light(1, 5, 100));
    m_xml.addCustomColor(path, "1", CustomColorInfo{3, 1, 10, 20, 30, 255});
    m_xml.addCustomLed(path, "1", "0", "Custom 0", "Using", 0);
    m_xml.addCustomLedItems(path, "1", "0", CustomLedItemInfo{"20", "Q", 2, 1, 0, 0, 255, 128});
    DpiItemInfo dpi{1, 2, 0, 800, 900, 255, 0, 0};  // selectStatus 1, index 2
    m_xml.addDpiItem(path, "1", dpi);
    m_xml.setDpiUsingIndex(path, "1", 2);
    m_xml.setLinkStatus(path, "1", 1, 1);
    m_xml.setLightUsingIndex(path, "1", 1, 5);  // an existing attribute keeps its place

    const auto doc = parse(path);
    QVERIFY(doc);
    const TiXmlElement *config = doc->RootElement()->FirstChildElement();
    QCOMPARE(attributes(config->FirstChildElement("macro")->FirstChildElement()),
             (QStringList{"keyCode=4", "keyChar=A", "operateType=1", "repeatNum=2", "mode=3", "Value=7"}));
    const TiXmlElement *bound = config->FirstChildElement("bindMacro")->FirstChildElement();
    QCOMPARE(attributes(bound), (QStringList{"index=7", "name=Macro7"}));
    QCOMPARE(attributes(bound->FirstChildElement()),
             (QStringList{"mark=m1", "delay=10", "type=key", "keyCode=4", "codeName=A", "operateExplain=down"}));
    const TiXmlElement *zone = config->FirstChildElement("light1");
    QCOMPARE(attributes(zone), (QStringList{"usingIndex=5", "linkStatus=1"}));
    QCOMPARE(attributes(zone->FirstChildElement()),
             (QStringList{"ledKeyboardOrSide=1", "ledType=5", "ledBrightness=102", "ledSpeed=103", "ledModeR=104",
                          "ledModeG=105", "ledModeB=106", "ledBgR=107", "ledBgG=108", "ledBgB=109", "ledDirection=110",
                          "ledModeType=111", "ledOpenOrClose=112", "ledUpdate=113"}));
    QCOMPARE(attributes(config->FirstChildElement("customColor")->FirstChildElement()),
             (QStringList{"index=3", "actionStatus=1", "colorR=10", "colorG=20", "colorB=30", "transparentNum=255"}));
    const TiXmlElement *led = config->FirstChildElement("customLight")->FirstChildElement();
    QCOMPARE(attributes(led), (QStringList{"index=0", "name=Custom 0", "isUsing=Using", "usingFlagIndex=0"}));
    QCOMPARE(attributes(led->FirstChildElement()),
             (QStringList{"keyCode=20", "codeName=Q", "indexX=2", "indexY=1", "colorR=0", "colorG=0", "colorB=255",
                          "transparentNum=128"}));
    const TiXmlElement *dpiSection = config->FirstChildElement("dpi");
    QCOMPARE(attributes(dpiSection), QStringList{"usingIndex=2"});
    QCOMPARE(attributes(dpiSection->FirstChildElement()),
             (QStringList{"index=2", "selectStatus=1", "isXY=0", "dpiX=800", "dpiY=900", "dpiColorR=255", "dpiColorG=0",
                          "dpiColorB=0"}));
}

void tst_XmlProfileFile::freshProfile_readsDefaults()
{
    const QByteArray path = freshProfiles(0);
    for (int zone = 0; zone < 3; ++zone) {
        QCOMPARE(m_xml.getLightUsingIndex(path, "1", zone), 2);
        QCOMPARE(m_xml.getLinkStatus(path, "1", zone), 0);
    }
    QCOMPARE(m_xml.getLightSwitch(path, "1"), 0);
    QCOMPARE(m_xml.getSynchronizeStatus(path, "1"), 0);
    QCOMPARE(m_xml.getDpiUsingIndex(path, "1"), 1);
    QCOMPARE(m_xml.findCustomLedByFlag(path, "1"), -1);
    QCOMPARE(m_xml.getKeyMapValue(path, "1", "1"), 0);
    const int features[] = {0, 0, 0, 1};
    for (int n = 0; n < 4; ++n)
        QCOMPARE(m_xml.getFeature(path, "1", n), features[n]);
    QCOMPARE(m_xml.getFeature(path, "1", 4), 0);
    QCOMPARE(m_xml.getFeature(path, "1", -1), 0);
    QCOMPARE(m_xml.getProfileIndex(path), 1);
    m_xml.setProfileIndex(path, 6);
    QCOMPARE(m_xml.getProfileIndex(path), 6);

    const QByteArray bare =
        writeFile(*m_dir, "bare.xml", "<Parameters><config index=\"1\"><light0 /></config></Parameters>");
    QCOMPARE(m_xml.getProfileIndex(bare), 1);
    QCOMPARE(m_xml.getLightUsingIndex(bare, "1", 0), 1);  // absent reads 1, not the 2 it is made with
    QCOMPARE(m_xml.getLightUsingIndex(bare, "1", 1), 1);
    QCOMPARE(m_xml.getDpiUsingIndex(bare, "1"), 1);
}

void tst_XmlProfileFile::zoneAttributes()
{
    const QByteArray path = freshProfiles(0);
    m_xml.setLightSwitch(path, "1", 1);
    m_xml.setSynchronizeStatus(path, "1", 1);
    m_xml.setLightUsingIndex(path, "1", 2, 9);
    QCOMPARE(m_xml.getLightSwitch(path, "1"), 1);
    QCOMPARE(m_xml.getSynchronizeStatus(path, "1"), 1);
    QCOMPARE(m_xml.getLightUsingIndex(path, "1", 2), 9);
    QCOMPARE(m_xml.getLightUsingIndex(path, "1", 0), 2);

    // A zone outside 0 to 2 selects nothing.
    const QByteArray before = readFile(path);
    m_xml.setLightUsingIndex(path, "1", 3, 4);
    m_xml.setLinkStatus(path, "1", -1, 1);
    QCOMPARE(m_xml.getLightUsingIndex(path, "1", 3), 1);
    QCOMPARE(readFile(path), before);
}

void tst_XmlProfileFile::profileInfo()
{
    const QByteArray path = freshProfiles(0, {"1", "2"});
    m_xml.setProfileInfo(path, "2", "Work", "/usr/bin/app", "app.png");
    m_xml.setProfileInfo(path, "5", "Nobody", "", "");

    ProfileConfigInfo info;
    qstrcpy(info.index, "x");
    m_xml.getProfileInfo(path, "5", &info);
    QCOMPARE(info.index, "x");
    m_xml.getProfileInfo(path, "2", &info);
    QCOMPARE(info.index, "2");
    QCOMPARE(info.name, "Work");
    QCOMPARE(info.proFileAppName, "/usr/bin/app");
    QCOMPARE(info.proFileAppIco, "app.png");
    QVERIFY(!readFile(path).contains("Nobody"));
}

void tst_XmlProfileFile::keyAssignments()
{
    const QByteArray path = freshProfiles(0, {"1", "2"});
    m_xml.addKeyMapItem(path, "1", "4", "A", "0", "1", "0", "first");
    m_xml.addKeyMapItem(path, "1", "5", "B", "5", "1", "0", "");
    m_xml.addKeyMapItem(path, "1", "4", "A", "0", "1", "0", "second");
    m_xml.addKeyMapItem(path, "9", "6", "C", "0", "1", "0", "no profile");

    CustomKeyInfo key;
    qstrcpy(key.keyCode, "-1");
    m_xml.getKeyMapItems(path, "1", "6", &key);
    QCOMPARE(key.keyCode, "-1");
    m_xml.getKeyMapItems(path, "2", "4", &key);
    QCOMPARE(key.keyCode, "-1");
    m_xml.getKeyMapItems(path, "1", "4", &key);
    QCOMPARE(key.keyCode, "4");
    QCOMPARE(key.keyChar, "A");
    QCOMPARE(key.operateType, "0");
    QCOMPARE(key.repeatNum, "1");
    QCOMPARE(key.mode, "0");
    QCOMPARE(key.Value, "first");

    QStringList codes;
    m_xml.getKeyMapCodes(path, "1", &codes);
    QCOMPARE(codes, (QStringList{"4", "5", "4"}));
    QVERIFY(m_xml.hasKeyMapItem(path, "1", "5"));
    QVERIFY(!m_xml.hasKeyMapItem(path, "1", "05"));
    QVERIFY(!m_xml.hasKeyMapItem(path, "2", "5"));

    m_xml.deleteKeyMapItem(path, "1", "4");
    m_xml.getKeyMapItems(path, "1", "4", &key);
    QCOMPARE(key.Value, "second");
    m_xml.deleteKeyMapItem(path, "1", "4");
    QVERIFY(!m_xml.hasKeyMapItem(path, "1", "4"));
    QVERIFY(!readFile(path).contains("no profile"));

    // The largest value the record holds comes back whole; a longer one is cut to fit.
    const QByteArray text(5119, 't');
    m_xml.addKeyMapItem(path, "2", "7", "D", "6", "1", "0", text + "overflow");
    CustomKeyInfo big;
    m_xml.getKeyMapItems(path, "2", "7", &big);
    QCOMPARE(QByteArray(big.Value), text);
}

void tst_XmlProfileFile::getKeyMapValue_countsKeysBoundToAMacro_data()
{
    QTest::addColumn<QByteArray>("profileKey");
    QTest::addColumn<QByteArray>("macroIndex");
    QTest::addColumn<int>("count");
    QTest::newRow("two keys") << QByteArray("1") << QByteArray("3") << 2;
    QTest::newRow("one key") << QByteArray("1") << QByteArray("4") << 1;
    QTest::newRow("no key") << QByteArray("1") << QByteArray("9") << 0;
    QTest::newRow("no macro section") << QByteArray("2") << QByteArray("3") << 0;
    QTest::newRow("no profile") << QByteArray("7") << QByteArray("3") << -1;
}

void tst_XmlProfileFile::getKeyMapValue_countsKeysBoundToAMacro()
{
    QFETCH(QByteArray, profileKey);
    QFETCH(QByteArray, macroIndex);
    QFETCH(int, count);
    const QByteArray path = writeFile(
        *m_dir, "p.xml",
        profileFile("<config index=\"1\"><macro>"
                    "<item keyCode=\"4\" keyChar=\"A\" operateType=\"1\" repeatNum=\"1\" mode=\"1\" Value=\"3\" />"
                    "<item keyCode=\"5\" keyChar=\"B\" operateType=\"1\" repeatNum=\"1\" mode=\"1\" Value=\"3\" />"
                    "<item keyCode=\"6\" keyChar=\"C\" operateType=\"1\" repeatNum=\"1\" mode=\"1\" Value=\"4\" />"
                    "<item keyCode=\"7\" keyChar=\"D\" operateType=\"0\" repeatNum=\"1\" mode=\"1\" Value=\"3\" />"
                    "<item keyCode=\"8\" keyChar=\"E\" Value=\"3\" operateType=\"1\" />"
                    "</macro></config><config index=\"2\" />"));
    QCOMPARE(m_xml.getKeyMapValue(path, profileKey, macroIndex), count);
}

void tst_XmlProfileFile::boundMacros()
{
    const QByteArray path = freshProfiles(0, {"1"});
    const QList<MacroEventInfo> steps{step("aa", "0", "4", "down"), step("aa", "25", "4", "up")};
    m_xml.addBindMacro(path, "1", steps, "5", "2");  // a macro named "2"
    m_xml.addBindMacro(path, "1", {}, "2", "Empty");
    m_xml.addBindMacro(path, "1", steps, "3", "Three");

    QList<MacroEventInfo> read;
    m_xml.getBindMacroItems(path, "1", "2", &read);
    QVERIFY(read.isEmpty());  // the empty macro with index 2, not the one named "2"
    m_xml.getBindMacroItems(path, "1", "5", &read);
    QCOMPARE(read.size(), 2);
    QCOMPARE(read[1].delay, "25");
    QCOMPARE(read[1].operateExplain, "up");

    m_xml.deleteBindMacro(path, "1", "2");
    const auto doc = parse(path);
    const TiXmlElement *bind = doc->RootElement()->FirstChildElement()->FirstChildElement("bindMacro");
    QCOMPARE(childNames(bind), (QStringList{"macro", "macro"}));
    QCOMPARE(QByteArray(bind->FirstChildElement()->Attribute("index")), QByteArray("5"));

    // Without a bindMacro section nothing is added.
    const QByteArray bare = writeFile(*m_dir, "bare.xml", profileFile("<config index=\"1\" />"));
    m_xml.addBindMacro(bare, "1", steps, "5", "x");
    QVERIFY(!readFile(bare).contains("macro"));
}

void tst_XmlProfileFile::copies_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("expectedIndex");
    QTest::newRow("after the highest") << QByteArray(
        "<config index=\"1\" /><config index=\"10\" /><config index=\"2\" />")
                                       << QByteArray("11");
    QTest::newRow("empty target") << QByteArray() << QByteArray("0");
    QTest::newRow("only negative") << QByteArray("<config index=\"-4\" />") << QByteArray("0");
}

void tst_XmlProfileFile::copies()
{
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, expectedIndex);
    const QByteArray source = freshProfiles(0, {"1", "4"});
    m_xml.addBindMacro(source, "4", {step("aa", "0", "4", "down")}, "3", "Three");
    const QByteArray targetPath = writeFile(*m_dir, "target.xml", profileFile(target));

    QCOMPARE(m_xml.importProfile(targetPath, source, "4"), 1);
    QCOMPARE(m_xml.importProfile(targetPath, source, "9"), 0);
    QList<IndexNameInfo> list;
    m_xml.getProfileList(targetPath, &list);
    QCOMPARE(QByteArray(list.last().index), expectedIndex);
    QCOMPARE(list.last().name, "Profile4");
    QList<MacroEventInfo> steps;
    m_xml.getBindMacroItems(targetPath, expectedIndex, "3", &steps);
    QCOMPARE(steps.size(), 1);

    m_xml.copyProfileWithIndex(targetPath, 42, source, "1");
    m_xml.copyProfileWithIndex(targetPath, 43, source, "8");
    m_xml.getProfileList(targetPath, &list);
    QCOMPARE(list.last().index, "42");
    QCOMPARE(list.last().name, "Profile1");
}

void tst_XmlProfileFile::exportProfile_keepsSourceAndNeedsTarget()
{
    const QByteArray source = freshProfiles(0, {"1"});
    const QByteArray sourceBytes = readFile(source);
    const QByteArray target = pathIn(*m_dir, "export.xml");

    QCOMPARE(m_xml.exportProfile(source, target, "1", false), 0);
    QVERIFY(!exists(target));
    m_xml.createXmlFile(target);
    QCOMPARE(m_xml.exportProfile(source, target, "1", false), 1);
    QCOMPARE(m_xml.exportProfile(source, target, "1", true), 1);
    QCOMPARE(m_xml.exportProfile(source, target, "2", true), 0);
    QCOMPARE(readFile(source), sourceBytes);

    QList<IndexNameInfo> list;
    m_xml.getProfileList(target, &list);
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].index, "1");
    QCOMPARE(list[1].index, "2");
    QCOMPARE(list[1].name, "Profile1");
}

void tst_XmlProfileFile::exportProfile_nextIndex_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("expectedIndex");
    QTest::newRow("one") << QByteArray("1") << QByteArray("2");
    QTest::newRow("negative") << QByteArray("-1") << QByteArray("0");
    QTest::newRow("beyond 32 bits") << QByteArray("4294967296") << QByteArray("4294967297");
    QTest::newRow("beyond 64 bits") << QByteArray("99999999999999999999") << QByteArray("9223372036854775807");
}

void tst_XmlProfileFile::exportProfile_nextIndex()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, expectedIndex);
    const QByteArray source =
        writeFile(*m_dir, "source.xml", profileFile("<config index=\"" + key + "\" name=\"P\" />"));
    const QByteArray target = writeFile(*m_dir, "target.xml", profileFile(""));
    QCOMPARE(m_xml.exportProfile(source, target, key, true), 1);
    const auto doc = parse(target);
    QVERIFY(doc);
    QCOMPARE(attributes(doc->RootElement()->FirstChildElement()),
             (QStringList{"index=" + QString::fromLatin1(expectedIndex), "name=P"}));
}

void tst_XmlProfileFile::lightItems()
{
    const QByteArray path = freshProfiles(0);
    m_xml.addLightItem(path, "1", light(0, 4, 10));
    m_xml.addLightItem(path, "1", light(0, 6, 20));
    const QByteArray before = readFile(path);
    m_xml.addLightItem(path, "1", light(3, 4, 30));  // no zone 3
    QCOMPARE(readFile(path), before);

    colorInfoData read = light(9, 9, 900);
    const colorInfoData preset = read;
    QVERIFY(!m_xml.getLightItem(path, "1", 0, 5, &read));
    QVERIFY(!m_xml.getLightItem(path, "1", 1, 4, &read));
    QVERIFY(!m_xml.getLightItem(path, "1", 3, 4, &read));
    QVERIFY(sameLight(read, preset));
    QVERIFY(m_xml.getLightItem(path, "1", 0, 6, &read));
    QVERIFY(sameLight(read, light(0, 6, 20)));
    QVERIFY(m_xml.hasLightItem(path, "1", 0, 4));

    // A record with another effect moves the item to that effect.
    m_xml.modifyLightItem(path, "1", 0, 4, light(0, 8, 40));
    QVERIFY(!m_xml.hasLightItem(path, "1", 0, 4));
    QVERIFY(m_xml.getLightItem(path, "1", 0, 8, &read));
    QVERIFY(sameLight(read, light(0, 8, 40)));

    m_xml.setLightItemSwitch(path, "1", 0, 6, 0);
    QVERIFY(m_xml.getLightItem(path, "1", 0, 6, &read));
    QCOMPARE(read.ledOpenOrClose, 0);
    QCOMPARE(read.ledBrightness, 22);
}

void tst_XmlProfileFile::customLightings()
{
    const QByteArray path = freshProfiles(0, {"1"});
    const int flags[] = {0, 1, -1, -1, -1};
    for (int i = 0; i < 5; ++i) {
        const QByteArray index = QByteArray::number(i);
        m_xml.addCustomLed(path, "1", index, "Custom " + index, flags[i] >= 0 ? "Using" : "UnUsing", flags[i]);
    }
    m_xml.addCustomLedItems(path, "1", "1", CustomLedItemInfo{"26", "W", 2, 2, 255, 0, 0, 128});
    m_xml.addCustomLedItems(path, "1", "1", CustomLedItemInfo{"4", "A", 3, 2, 255, 0, 0, 128});
    m_xml.addCustomLedItems(path, "1", "7", CustomLedItemInfo{"5", "B", 3, 3, 1, 1, 1, 1});

    QCOMPARE(m_xml.findCustomLedByFlag(path, "1"), 0);
    m_xml.setCustomLedUsing(path, "1", "0", "UnUsing", -1);
    QCOMPARE(m_xml.findCustomLedByFlag(path, "1"), 1);

    QList<CustomLedItemInfo> items;
    m_xml.getCustomLedItems(path, "1", "1", &items);
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[1].keyCode, "4");
    QCOMPARE(items[1].codeName, "A");
    QCOMPARE(items[1].indexX, 3);
    QCOMPARE(items[1].transparentNum, 128);

    const QByteArray before = readFile(path);
    m_xml.renameCustomLed(path, "1", "9", "Ghost");
    QVERIFY(!readFile(path).contains("Ghost"));
    QCOMPARE(readFile(path).size(), before.size());
    m_xml.renameCustomLed(path, "1", "1", "Arrows");

    m_xml.deleteCustomLed(path, "1", "1");
    items.clear();
    m_xml.getCustomLedItems(path, "1", "1", &items);
    QVERIFY(items.isEmpty());
    QList<CustomLedInfo> leds;
    m_xml.getCustomLeds(path, "1", &leds);
    QCOMPARE(leds.size(), 5);
    QCOMPARE(leds[1].name, "Arrows");
    QCOMPARE(leds[1].isUsing, "Using");
    QCOMPARE(leds[1].usingFlagIndex, 1);
    QCOMPARE(leds[0].usingFlagIndex, -1);

    // A flag that is not a number reads as 0 and counts as in use; the index comes first.
    const QByteArray odd = writeFile(
        *m_dir, "odd.xml",
        profileFile("<config index=\"1\"><customLight>"
                    "<customLed index=\"3\" usingFlagIndex=\"-1\" /><customLed index=\"4\" usingFlagIndex=\"x\" />"
                    "</customLight></config>"));
    QCOMPARE(m_xml.findCustomLedByFlag(odd, "1"), 4);
}

void tst_XmlProfileFile::colourSwatches()
{
    const QByteArray path = freshProfiles(0);
    m_xml.addCustomColor(path, "1", CustomColorInfo{1, 0, 1, 2, 3, 4});
    m_xml.addCustomColor(path, "1", CustomColorInfo{2, 1, 5, 6, 7, 8});
    m_xml.deleteCustomColor(path, "1", "1");
    m_xml.deleteCustomColor(path, "1", "02");
    QList<CustomColorInfo> colors;
    m_xml.getCustomColors(path, "1", &colors);
    QCOMPARE(colors.size(), 1);
    QCOMPARE(colors[0].index, 2);
    QCOMPARE(colors[0].actionStatus, 1);
    QCOMPARE(colors[0].transparentNum, 8);
}

void tst_XmlProfileFile::dpiLevels()
{
    const QByteArray path = freshProfiles(1);
    for (int level = 1; level <= 3; ++level)
        m_xml.addDpiItem(path, "1", DpiItemInfo{level == 1, level, 0, level * 400, level * 500, level, 0, 0});
    m_xml.modifyDpiItem(path, "1", 2, DpiItemInfo{1, 7, 1, 1600, 1700, 9, 8, 7});
    m_xml.modifyDpiItem(path, "1", 9, DpiItemInfo{1, 9, 1, 1, 1, 1, 1, 1});
    m_xml.updateDpiUsingIndex(path, "1", 3);
    QCOMPARE(m_xml.getDpiUsingIndex(path, "1"), 3);

    QList<DpiItemInfo> items;
    m_xml.getDpiItems(path, "1", &items);
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0].selectStatus, 1);
    QCOMPARE(items[0].index, 1);
    QCOMPARE(items[1].index, 7);
    QCOMPARE(items[1].selectStatus, 1);
    QCOMPARE(items[1].dpiX, 1600);
    QCOMPARE(items[1].dpiColorB, 7);
    QCOMPARE(items[2].dpiY, 1500);
}

void tst_XmlProfileFile::functionSwitches()
{
    const QByteArray path = freshProfiles(1);
    m_xml.setFunctionSetting(path, "1", "3", "1", "0", "0");
    m_xml.setFeature(path, "1", 1, 0);
    m_xml.setFeature(path, "1", 4, 9);
    QCOMPARE(m_xml.getFeature(path, "1", 0), 3);
    QCOMPARE(m_xml.getFeature(path, "1", 1), 0);

    FunctionSetting setting;
    m_xml.getFunctionSetting(path, "1", &setting);
    QCOMPARE(setting.feature1, "3");
    QCOMPARE(setting.feature2, "0");
    QCOMPARE(setting.feature4, "0");
    const auto doc = parse(path);
    QCOMPARE(childNames(doc->RootElement()->FirstChildElement()->FirstChildElement("function")),
             QStringList{"Setting"});

    // Fields whose attribute is missing keep the caller's values.
    const QByteArray partial =
        writeFile(*m_dir, "partial.xml",
                  profileFile("<config index=\"1\"><function><Setting feature2=\"1\" /></function></config>"));
    FunctionSetting preset;
    qstrcpy(preset.feature1, "p1");
    qstrcpy(preset.feature2, "p2");
    m_xml.getFunctionSetting(partial, "1", &preset);
    QCOMPARE(preset.feature1, "p1");
    QCOMPARE(preset.feature2, "1");
}

QTEST_GUILESS_MAIN(tst_XmlProfileFile)
#include "tst_XmlProfileFile.moc"
