// SPDX-License-Identifier: GPL-3.0-or-later
// What every changing operation of the XML store answers: whether the file holds the change
// afterwards. One row per writer and case, each on fresh fixture files.

#include "FileWatch.h"
#include "NoFileGrowth.h"
#include "xmlInterface.h"
#include "XmlTestSupport.h"

#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

struct Files {
    QByteArray profile;  // a profile file: profile 1 with every section, profile 2 bare
    QByteArray library;  // a macro library: macro 1 with steps "a" and "b"
    QByteArray target;   // a profile file without profiles
    QByteArray fresh;    // a path where no file is yet
};

using Op = std::function<bool(xmlInterface &, const Files &)>;

enum Case { Written, Held, Missing, AbsentDelete };

const QByteArray kProfiles = R"(<config index="1" name="Game" proFileAppName="" proFileAppIco="">
  <light0 usingIndex="2" ledOpenOrClose="0" SynchronizeStatus="0"><item ledKeyboardOrSide="0" ledType="3" ledBrightness="4"/></light0>
  <light1 usingIndex="2" linkStatus="0"/>
  <light2 usingIndex="2"/>
  <customColor><item index="1" actionStatus="0" colorR="1" colorG="2" colorB="3" transparentNum="255"/></customColor>
  <customLight>
    <customLed index="0" name="A" isUsing="Using" usingFlagIndex="0"><item keyCode="4" codeName="A" indexX="3" indexY="1" colorR="255" colorG="0" colorB="0" transparentNum="255"/></customLed>
    <customLed index="1" name="B" isUsing="UnUsing" usingFlagIndex="-1"/>
  </customLight>
  <macro><item keyCode="4" keyChar="A" operateType="1" repeatNum="1" mode="1" Value="5"/></macro>
  <dpi usingIndex="1"><item index="1" selectStatus="1" isXY="0" dpiX="800" dpiY="800" dpiColorR="1" dpiColorG="2" dpiColorB="3"/></dpi>
  <function><Setting feature1="0" feature2="0" feature3="0" feature4="1"/></function>
  <bindMacro><macro index="5" name="Macro5"/></bindMacro>
</config>
<config index="2" name="Bare" proFileAppName="" proFileAppIco=""/>)";

const QByteArray kLibrary = R"(<?xml version="1.0" encoding="UTF-8" ?>
<Parameters>
  <macro index="1" name="M1">
    <item mark="a" delay="0" type="key" keyCode="4" codeName="A" operateExplain="down"/>
    <item mark="b" delay="10" type="key" keyCode="5" codeName="B" operateExplain="down"/>
  </macro>
</Parameters>
)";

MacroEventInfo step(const char *mark)
{
    MacroEventInfo s;
    qstrncpy(s.mark, mark, sizeof s.mark);
    qstrncpy(s.delay, "20", sizeof s.delay);
    qstrncpy(s.type, "key", sizeof s.type);
    qstrncpy(s.keyCode, "6", sizeof s.keyCode);
    qstrncpy(s.codeName, "C", sizeof s.codeName);
    qstrncpy(s.operateExplain, "down", sizeof s.operateExplain);
    return s;
}

colorInfoData light(int zone, int ledType)
{
    colorInfoData data;
    data.ledKeyboardOrSide = zone;
    data.ledType = ledType;
    data.ledBrightness = 7;
    return data;
}

CustomLedItemInfo ledItem()
{
    CustomLedItemInfo item;
    qstrncpy(item.keyCode, "5", sizeof item.keyCode);
    item.colorR = 9;
    return item;
}

DpiItemInfo dpiLevel(int index, int dpi)
{
    DpiItemInfo item;
    item.index = index;
    item.dpiX = item.dpiY = dpi;
    return item;
}

}  // namespace

Q_DECLARE_METATYPE(Op)
Q_DECLARE_METATYPE(Case)

class tst_XmlStoreResults : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void writers_data();
    void writers();
    void missingFile_data();
    void missingFile();
    void failedSave_data();
    void failedSave();

private:
    QByteArray snapshot() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    Files m_files;
};

void tst_XmlStoreResults::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_files.profile = xmltest::writeFile(*m_dir, "profile.xml", xmltest::profileFile(kProfiles));
    m_files.library = xmltest::writeFile(*m_dir, "library.xml", kLibrary);
    m_files.target = xmltest::writeFile(*m_dir, "target.xml", xmltest::profileFile(QByteArray()));
    m_files.fresh = xmltest::pathIn(*m_dir, "fresh.xml");
}

QByteArray tst_XmlStoreResults::snapshot() const
{
    return xmltest::readFile(m_files.profile) + '\0' + xmltest::readFile(m_files.library) + '\0'
           + xmltest::readFile(m_files.target) + '\0' + xmltest::readFile(m_files.fresh);
}

void tst_XmlStoreResults::writers_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<Case>("kind");

    auto row = [](const char *name, Case kind, Op op) { QTest::newRow(name) << op << kind; };
    using X = xmlInterface;
    using F = Files;

    // ---- Documents and profiles ----
    row("createXmlFile written", Written, [](X &x, const F &f) { return x.createXmlFile(f.fresh); });
    row("createXmlFile held", Held, [](X &x, const F &f) { return x.createXmlFile(f.fresh); });
    row("setProfileIndex written", Written, [](X &x, const F &f) { return x.setProfileIndex(f.profile, 2); });
    row("setProfileIndex held", Held, [](X &x, const F &f) { return x.setProfileIndex(f.profile, 2); });
    row("addProfileConfig written", Written,
        [](X &x, const F &f) { return x.addProfileConfig(f.profile, "3", "New", "", "", 0); });
    row("setProfileInfo written", Written,
        [](X &x, const F &f) { return x.setProfileInfo(f.profile, "1", "Work", "a", "b"); });
    row("setProfileInfo held", Held, [](X &x, const F &f) { return x.setProfileInfo(f.profile, "1", "Game", "", ""); });
    row("setProfileInfo no profile", Missing,
        [](X &x, const F &f) { return x.setProfileInfo(f.profile, "9", "Work", "", ""); });
    row("renameNode written", Written, [](X &x, const F &f) { return x.renameNode(f.profile, "1", "Work"); });
    row("renameNode held", Held, [](X &x, const F &f) { return x.renameNode(f.profile, "1", "Game"); });
    row("renameNode no node", Missing, [](X &x, const F &f) { return x.renameNode(f.profile, "9", "Work"); });
    row("deleteNodeByValue written", Written, [](X &x, const F &f) { return x.deleteNodeByValue(f.profile, "2"); });
    row("deleteNodeByValue absent", AbsentDelete, [](X &x, const F &f) { return x.deleteNodeByValue(f.profile, "9"); });
    row("copyProfileWithIndex written", Written,
        [](X &x, const F &f) { return x.copyProfileWithIndex(f.target, 4, f.profile, "1"); });
    row("copyProfileWithIndex no profile", Missing,
        [](X &x, const F &f) { return x.copyProfileWithIndex(f.target, 4, f.profile, "9"); });
    row("exportProfile written", Written,
        [](X &x, const F &f) { return x.exportProfile(f.profile, f.target, "1", false) == 1; });
    row("exportProfile no profile", Missing,
        [](X &x, const F &f) { return x.exportProfile(f.profile, f.target, "9", false) == 1; });
    row("importProfile written", Written,
        [](X &x, const F &f) { return x.importProfile(f.target, f.profile, "1") == 1; });
    row("importProfile no profile", Missing,
        [](X &x, const F &f) { return x.importProfile(f.target, f.profile, "9") == 1; });
    row("replaceProfile written", Written,
        [](X &x, const F &f) { return x.replaceProfile(f.profile, f.profile, "1"); });
    row("replaceProfile held", Held, [](X &x, const F &f) { return x.replaceProfile(f.profile, f.profile, "1"); });
    row("replaceProfile not in the target", Missing,
        [](X &x, const F &f) { return x.replaceProfile(f.target, f.profile, "1"); });
    row("replaceProfile not in the source", Missing,
        [](X &x, const F &f) { return x.replaceProfile(f.profile, f.target, "1"); });

    // ---- Key assignments and bound macros ----
    row("addKeyMapItem written", Written,
        [](X &x, const F &f) { return x.addKeyMapItem(f.profile, "1", "5", "B", "3", "1", "1", "2"); });
    row("addKeyMapItem no profile", Missing,
        [](X &x, const F &f) { return x.addKeyMapItem(f.profile, "9", "5", "B", "3", "1", "1", "2"); });
    row("addKeyMapItem no section", Missing,
        [](X &x, const F &f) { return x.addKeyMapItem(f.profile, "2", "5", "B", "3", "1", "1", "2"); });
    row("replaceKeyMapItem written", Written,
        [](X &x, const F &f) { return x.replaceKeyMapItem(f.profile, "1", "4", "A", "3", "1", "1", "2"); });
    row("replaceKeyMapItem held", Held,
        [](X &x, const F &f) { return x.replaceKeyMapItem(f.profile, "1", "4", "A", "3", "1", "1", "2"); });
    row("replaceKeyMapItem no section", Missing,
        [](X &x, const F &f) { return x.replaceKeyMapItem(f.profile, "2", "4", "A", "3", "1", "1", "2"); });
    row("deleteKeyMapItem written", Written, [](X &x, const F &f) { return x.deleteKeyMapItem(f.profile, "1", "4"); });
    row("deleteKeyMapItem absent", AbsentDelete,
        [](X &x, const F &f) { return x.deleteKeyMapItem(f.profile, "1", "77"); });
    row("deleteKeyMapItem no section", Missing,
        [](X &x, const F &f) { return x.deleteKeyMapItem(f.profile, "2", "4"); });
    row("addBindMacro written", Written,
        [](X &x, const F &f) { return x.addBindMacro(f.profile, "1", {step("a")}, "6", "Macro6"); });
    row("addBindMacro no section", Missing,
        [](X &x, const F &f) { return x.addBindMacro(f.profile, "2", {step("a")}, "6", "Macro6"); });
    row("deleteBindMacro written", Written, [](X &x, const F &f) { return x.deleteBindMacro(f.profile, "1", "5"); });
    row("deleteBindMacro absent", AbsentDelete,
        [](X &x, const F &f) { return x.deleteBindMacro(f.profile, "1", "6"); });
    row("deleteBindMacro no section", Missing, [](X &x, const F &f) { return x.deleteBindMacro(f.profile, "2", "5"); });

    // ---- Lighting ----
    row("addLightItem written", Written, [](X &x, const F &f) { return x.addLightItem(f.profile, "1", light(1, 4)); });
    row("addLightItem no zone", Missing, [](X &x, const F &f) { return x.addLightItem(f.profile, "2", light(1, 4)); });
    row("modifyLightItem written", Written,
        [](X &x, const F &f) { return x.modifyLightItem(f.profile, "1", 0, 3, light(0, 3)); });
    row("modifyLightItem held", Held,
        [](X &x, const F &f) { return x.modifyLightItem(f.profile, "1", 0, 3, light(0, 3)); });
    row("modifyLightItem no item", Missing,
        [](X &x, const F &f) { return x.modifyLightItem(f.profile, "1", 0, 99, light(0, 99)); });
    row("setLightItemSwitch written", Written,
        [](X &x, const F &f) { return x.setLightItemSwitch(f.profile, "1", 0, 3, 1); });
    row("setLightItemSwitch held", Held,
        [](X &x, const F &f) { return x.setLightItemSwitch(f.profile, "1", 0, 3, 1); });
    row("setLightItemSwitch no item", Missing,
        [](X &x, const F &f) { return x.setLightItemSwitch(f.profile, "1", 0, 99, 1); });
    row("setLightSwitch written", Written, [](X &x, const F &f) { return x.setLightSwitch(f.profile, "1", 1); });
    row("setLightSwitch held", Held, [](X &x, const F &f) { return x.setLightSwitch(f.profile, "1", 0); });
    row("setLightSwitch no section", Missing, [](X &x, const F &f) { return x.setLightSwitch(f.profile, "2", 1); });
    row("setSynchronizeStatus written", Written,
        [](X &x, const F &f) { return x.setSynchronizeStatus(f.profile, "1", 1); });
    row("setSynchronizeStatus held", Held, [](X &x, const F &f) { return x.setSynchronizeStatus(f.profile, "1", 0); });
    row("setSynchronizeStatus no section", Missing,
        [](X &x, const F &f) { return x.setSynchronizeStatus(f.profile, "2", 1); });
    row("setLightUsingIndex written", Written,
        [](X &x, const F &f) { return x.setLightUsingIndex(f.profile, "1", 2, 7); });
    row("setLightUsingIndex held", Held, [](X &x, const F &f) { return x.setLightUsingIndex(f.profile, "1", 2, 2); });
    row("setLightUsingIndex no section", Missing,
        [](X &x, const F &f) { return x.setLightUsingIndex(f.profile, "2", 2, 7); });
    row("setLightUsingIndex no such zone", Missing,
        [](X &x, const F &f) { return x.setLightUsingIndex(f.profile, "1", 5, 7); });
    row("setLinkStatus written", Written, [](X &x, const F &f) { return x.setLinkStatus(f.profile, "1", 1, 1); });
    row("setLinkStatus held", Held, [](X &x, const F &f) { return x.setLinkStatus(f.profile, "1", 1, 0); });
    row("setLinkStatus no section", Missing, [](X &x, const F &f) { return x.setLinkStatus(f.profile, "2", 1, 1); });

    // ---- Colour swatches and custom lightings ----
    row("addCustomColor written", Written, [](X &x, const F &f) {
        return x.addCustomColor(f.profile, "1", CustomColorInfo{2, 0, 1, 1, 1, 255});
    });
    row("addCustomColor no section", Missing, [](X &x, const F &f) {
        return x.addCustomColor(f.profile, "2", CustomColorInfo{2, 0, 1, 1, 1, 255});
    });
    row("deleteCustomColor written", Written,
        [](X &x, const F &f) { return x.deleteCustomColor(f.profile, "1", "1"); });
    row("deleteCustomColor absent", AbsentDelete,
        [](X &x, const F &f) { return x.deleteCustomColor(f.profile, "1", "8"); });
    row("deleteCustomColor no section", Missing,
        [](X &x, const F &f) { return x.deleteCustomColor(f.profile, "2", "1"); });
    row("addCustomLed written", Written,
        [](X &x, const F &f) { return x.addCustomLed(f.profile, "1", "2", "C", "UnUsing", -1); });
    row("addCustomLed no section", Missing,
        [](X &x, const F &f) { return x.addCustomLed(f.profile, "2", "2", "C", "UnUsing", -1); });
    row("addCustomLedItems written", Written,
        [](X &x, const F &f) { return x.addCustomLedItems(f.profile, "1", "1", ledItem()); });
    row("addCustomLedItems no lighting", Missing,
        [](X &x, const F &f) { return x.addCustomLedItems(f.profile, "1", "4", ledItem()); });
    row("renameCustomLed written", Written,
        [](X &x, const F &f) { return x.renameCustomLed(f.profile, "1", "0", "Z"); });
    row("renameCustomLed held", Held, [](X &x, const F &f) { return x.renameCustomLed(f.profile, "1", "0", "A"); });
    row("renameCustomLed no lighting", Missing,
        [](X &x, const F &f) { return x.renameCustomLed(f.profile, "1", "4", "Z"); });
    row("setCustomLedUsing written", Written,
        [](X &x, const F &f) { return x.setCustomLedUsing(f.profile, "1", "1", "Using", 1); });
    row("setCustomLedUsing held", Held,
        [](X &x, const F &f) { return x.setCustomLedUsing(f.profile, "1", "0", "Using", 0); });
    row("setCustomLedUsing no lighting", Missing,
        [](X &x, const F &f) { return x.setCustomLedUsing(f.profile, "1", "4", "Using", 1); });
    row("deleteCustomLed written", Written, [](X &x, const F &f) { return x.deleteCustomLed(f.profile, "1", "0"); });
    row("deleteCustomLed held", Held, [](X &x, const F &f) { return x.deleteCustomLed(f.profile, "1", "1"); });
    row("deleteCustomLed no lighting", Missing,
        [](X &x, const F &f) { return x.deleteCustomLed(f.profile, "1", "4"); });

    // ---- DPI levels and function switches ----
    row("setDpiUsingIndex written", Written, [](X &x, const F &f) { return x.setDpiUsingIndex(f.profile, "1", 3); });
    row("setDpiUsingIndex held", Held, [](X &x, const F &f) { return x.setDpiUsingIndex(f.profile, "1", 1); });
    row("setDpiUsingIndex no section", Missing, [](X &x, const F &f) { return x.setDpiUsingIndex(f.profile, "2", 3); });
    row("updateDpiUsingIndex written", Written,
        [](X &x, const F &f) { return x.updateDpiUsingIndex(f.profile, "1", 3); });
    row("addDpiItem written", Written,
        [](X &x, const F &f) { return x.addDpiItem(f.profile, "1", dpiLevel(2, 1600)); });
    row("addDpiItem no section", Missing,
        [](X &x, const F &f) { return x.addDpiItem(f.profile, "2", dpiLevel(2, 1600)); });
    row("modifyDpiItem written", Written,
        [](X &x, const F &f) { return x.modifyDpiItem(f.profile, "1", 1, dpiLevel(1, 1600)); });
    row("modifyDpiItem held", Held,
        [](X &x, const F &f) { return x.modifyDpiItem(f.profile, "1", 1, dpiLevel(1, 1600)); });
    row("modifyDpiItem no level", Missing,
        [](X &x, const F &f) { return x.modifyDpiItem(f.profile, "1", 4, dpiLevel(4, 1600)); });
    row("setFunctionSetting written", Written,
        [](X &x, const F &f) { return x.setFunctionSetting(f.profile, "1", "1", "0", "0", "1"); });
    row("setFunctionSetting held", Held,
        [](X &x, const F &f) { return x.setFunctionSetting(f.profile, "1", "0", "0", "0", "1"); });
    row("setFunctionSetting no section", Missing,
        [](X &x, const F &f) { return x.setFunctionSetting(f.profile, "2", "1", "0", "0", "1"); });
    row("setFeature written", Written, [](X &x, const F &f) { return x.setFeature(f.profile, "1", 1, 1); });
    row("setFeature held", Held, [](X &x, const F &f) { return x.setFeature(f.profile, "1", 3, 1); });
    row("setFeature no section", Missing, [](X &x, const F &f) { return x.setFeature(f.profile, "2", 1, 1); });

    // ---- Macro library ----
    row("addMacroNode written", Written, [](X &x, const F &f) { return x.addMacroNode(f.library, "2", "M2"); });
    row("addMacroItems written", Written,
        [](X &x, const F &f) { return x.addMacroItems(f.library, {step("c")}, "1"); });
    row("addMacroItems nothing to add", Held, [](X &x, const F &f) { return x.addMacroItems(f.library, {}, "1"); });
    row("addMacroItems no macro", Missing,
        [](X &x, const F &f) { return x.addMacroItems(f.library, {step("c")}, "7"); });
    row("deleteMacroItemsContaining written", Written,
        [](X &x, const F &f) { return x.deleteMacroItemsContaining(f.library, "1", "a"); });
    row("deleteMacroItemsContaining absent", AbsentDelete,
        [](X &x, const F &f) { return x.deleteMacroItemsContaining(f.library, "1", "zz"); });
    row("deleteMacroItemsContaining no macro", Missing,
        [](X &x, const F &f) { return x.deleteMacroItemsContaining(f.library, "7", "a"); });
    row("modifyMacroItem written", Written,
        [](X &x, const F &f) { return x.modifyMacroItem(f.library, "1", "a", 0, step("a")); });
    row("modifyMacroItem held", Held,
        [](X &x, const F &f) { return x.modifyMacroItem(f.library, "1", "a", 0, step("a")); });
    row("modifyMacroItem no step", Missing,
        [](X &x, const F &f) { return x.modifyMacroItem(f.library, "1", "zz", 0, step("a")); });
    row("modifyMacroItem no macro", Missing,
        [](X &x, const F &f) { return x.modifyMacroItem(f.library, "7", "a", 0, step("a")); });
    row("moveMacroItem written", Written, [](X &x, const F &f) { return x.moveMacroItem(f.library, "1", "b", 1, 0); });
    row("moveMacroItem held", Held, [](X &x, const F &f) { return x.moveMacroItem(f.library, "1", "b", 1, 0); });
    row("moveMacroItem no step", Missing, [](X &x, const F &f) { return x.moveMacroItem(f.library, "1", "zz", 1, 0); });
}

void tst_XmlStoreResults::writers()
{
    QFETCH(Op, op);
    QFETCH(Case, kind);

    if (kind == Held) {
        xmlInterface first;
        QVERIFY(op(first, m_files));
    }
    const QByteArray before = snapshot();
    FileWatch profile(m_files.profile);
    FileWatch library(m_files.library);
    FileWatch target(m_files.target);
    FileWatch fresh(m_files.fresh);
    xmlInterface xml;
    const bool result = op(xml, m_files);

    QCOMPARE(result, kind != Missing);
    // A change is one save of one file; anything else leaves every file as it was, not even rewritten alike.
    QCOMPARE(profile.writes() + library.writes() + target.writes() + fresh.writes(), kind == Written ? 1 : 0);
    if (kind == Written) {
        QVERIFY(snapshot() != before);
    } else {
        QCOMPARE(snapshot(), before);
        QVERIFY(!profile.rewritten() && !library.rewritten() && !target.rewritten());
    }
}

void tst_XmlStoreResults::missingFile_data()
{
    QTest::addColumn<Op>("op");
    using X = xmlInterface;
    // The parent of every path is a regular file, so the file can be neither read nor made.
    QTest::newRow("createXmlFile") << Op([](X &x, const Files &f) { return x.createXmlFile(f.profile + "/in.xml"); });
    QTest::newRow("setProfileIndex") << Op(
        [](X &x, const Files &f) { return x.setProfileIndex(f.profile + "/in.xml", 2); });
    QTest::newRow("replaceKeyMapItem") << Op([](X &x, const Files &f) {
        return x.replaceKeyMapItem(f.profile + "/in.xml", "1", "4", "A", "3", "1", "1", "2");
    });
    QTest::newRow("deleteKeyMapItem") << Op(
        [](X &x, const Files &f) { return x.deleteKeyMapItem(f.profile + "/in.xml", "1", "4"); });
    QTest::newRow("addMacroNode") << Op(
        [](X &x, const Files &f) { return x.addMacroNode(f.library + "/in.xml", "2", "M"); });
    QTest::newRow("importProfile") << Op(
        [](X &x, const Files &f) { return x.importProfile(f.target + "/in.xml", f.profile, "1") == 1; });
    QTest::newRow("replaceProfile") << Op(
        [](X &x, const Files &f) { return x.replaceProfile(f.profile + "/in.xml", f.profile, "1"); });
}

void tst_XmlStoreResults::missingFile()
{
    QFETCH(Op, op);
    const QByteArray before = snapshot();
    xmlInterface xml;
    QVERIFY(!op(xml, m_files));
    QCOMPARE(snapshot(), before);
}

void tst_XmlStoreResults::failedSave_data()
{
    QTest::addColumn<Op>("op");
    using X = xmlInterface;
    QTest::newRow("createXmlFile") << Op([](X &x, const Files &f) { return x.createXmlFile(f.fresh); });
    QTest::newRow("setProfileIndex") << Op([](X &x, const Files &f) { return x.setProfileIndex(f.profile, 2); });
    QTest::newRow("replaceKeyMapItem") << Op(
        [](X &x, const Files &f) { return x.replaceKeyMapItem(f.profile, "1", "4", "A", "3", "1", "1", "2"); });
    QTest::newRow("deleteKeyMapItem") << Op(
        [](X &x, const Files &f) { return x.deleteKeyMapItem(f.profile, "1", "4"); });
    QTest::newRow("addMacroNode") << Op([](X &x, const Files &f) { return x.addMacroNode(f.library, "2", "M"); });
    QTest::newRow("exportProfile") << Op(
        [](X &x, const Files &f) { return x.exportProfile(f.profile, f.target, "1", false) == 1; });
    QTest::newRow("replaceProfile") << Op(
        [](X &x, const Files &f) { return x.replaceProfile(f.profile, f.profile, "1"); });
}

void tst_XmlStoreResults::failedSave()
{
    QFETCH(Op, op);
    xmlInterface xml;
    // Parsed before the limit is set, so only the save meets it.
    int index = xml.getProfileIndex(m_files.profile) + xml.getProfileIndex(m_files.target);
    QList<IndexNameInfo> macros;
    xml.getMacroList(m_files.library, &macros);
    QVERIFY(index > 0 && !macros.isEmpty());

    const QByteArray before = snapshot();
    const bool result = withFileSizeLimit(16, [&] { return op(xml, m_files); });
    QVERIFY(!result);
    QCOMPARE(snapshot(), before);
}

QTEST_GUILESS_MAIN(tst_XmlStoreResults)
#include "tst_XmlStoreResults.moc"
