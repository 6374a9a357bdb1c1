// SPDX-License-Identifier: GPL-3.0-or-later
// The store's documents and lookups: fresh files, missing, broken and unwritable files, exact
// keys, lookup by index, sorted lists, long texts, and files changed behind the store's back.

#include "FileStamp.h"
#include "NoFileGrowth.h"
#include "xmlInterface.h"
#include "XmlTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

using namespace xmltest;

class tst_XmlDocuments : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void createXmlFile_writesFreshDocument();
    void missingFile_readersKeepDefaults_writersMakeNoFile();
    void brokenFile_readsAsMissingAndIsNeverWritten_data();
    void brokenFile_readsAsMissingAndIsNeverWritten();
    void unwritablePath_leavesNothingBehind_data();
    void unwritablePath_leavesNothingBehind();
    void readOnlyFile_staysAsItWas();
    void keysCompareExactly_data();
    void keysCompareExactly();
    void lookupIsByIndex_notByAnyValue();
    void sortedLists_data();
    void sortedLists();
    void getNodeIndexName_data();
    void getNodeIndexName();
    void longTexts_areCutAtCharacterBoundary_data();
    void longTexts_areCutAtCharacterBoundary();
    void changesOnDisk_areSeenAtOnce();
    void concurrentReaders_seeWholeFiles();
    void writersThatFindNothing_leaveTheFileAsItIs();
    void recordFieldsWithoutTerminator_areWrittenToTheirWidth();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_XmlDocuments::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_XmlDocuments::createXmlFile_writesFreshDocument()
{
    xmlInterface xml;
    const QByteArray fresh = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
                             "<Parameters profileIndex=\"1\" />\n";
    const QByteArray path = pathIn(*m_dir, "fresh.xml");
    xml.createXmlFile(path);
    QCOMPARE(readFile(path), fresh);

    // An existing file, even a broken one, is replaced by a fresh document.
    writeFile(*m_dir, "old.xml", profileFile("<config index=\"1\" name=\"a\" />"));
    xml.createXmlFile(pathIn(*m_dir, "old.xml"));
    QCOMPARE(readFile(pathIn(*m_dir, "old.xml")), fresh);
    writeFile(*m_dir, "broken.xml", "<Parameters><con");
    xml.createXmlFile(pathIn(*m_dir, "broken.xml"));
    QCOMPARE(readFile(pathIn(*m_dir, "broken.xml")), fresh);
}

void tst_XmlDocuments::missingFile_readersKeepDefaults_writersMakeNoFile()
{
    xmlInterface xml;
    const QByteArray path = pathIn(*m_dir, "missing.xml");
    const QByteArray existing = writeFile(
        *m_dir, "existing.xml", profileFile("<config index=\"1\" name=\"p\"><macro /><bindMacro /></config>"));

    xml.setProfileIndex(path, 4);
    xml.addProfileConfig(path, "1", "p", "", "", 0);
    xml.deleteNodeByValue(path, "1");
    xml.renameNode(path, "1", "n");
    xml.addKeyMapItem(path, "1", "4", "A", "0", "1", "0", "5");
    xml.addMacroNode(path, "1", "m");
    xml.setFunctionSetting(path, "1", "1", "1", "1", "1");
    xml.setDpiUsingIndex(path, "1", 3);
    QCOMPARE(xml.exportProfile(existing, path, "1", false), 0);
    QCOMPARE(xml.importProfile(path, existing, "1"), 0);
    xml.copyProfileWithIndex(path, 7, existing, "1");
    QVERIFY(!exists(path));

    QCOMPARE(xml.getProfileIndex(path), 1);
    QCOMPARE(xml.getKeyMapValue(path, "1", "3"), -1);
    QCOMPARE(xml.findCustomLedByFlag(path, "1"), -1);
    QCOMPARE(xml.getDpiUsingIndex(path, "1"), 1);
    QCOMPARE(xml.getLightUsingIndex(path, "1", 0), 1);
    QVERIFY(!xml.hasKeyMapItem(path, "1", "4"));
    QVERIFY(xml.findNodeByValue(path, "1").isNull());

    QList<IndexNameInfo> list{IndexNameInfo{}};
    qstrcpy(list[0].index, "kept");
    xml.getProfileList(path, &list);
    xml.getMacroList(path, &list);
    QCOMPARE(list.size(), 1);
    QCOMPARE(list[0].index, "kept");
    QVERIFY(!exists(path));
}

void tst_XmlDocuments::brokenFile_readsAsMissingAndIsNeverWritten_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray whole = profileFile(
        "<config index=\"1\" name=\"Game\" proFileAppName=\"\" proFileAppIco=\"\">"
        "<macro><item keyCode=\"4\" keyChar=\"A\" operateType=\"5\" repeatNum=\"1\" mode=\"0\" Value=\"\" /></macro>"
        "<function><Setting feature1=\"1\" feature2=\"0\" feature3=\"0\" feature4=\"1\" /></function>"
        "<bindMacro /></config>");
    QTest::newRow("cut inside an attribute") << whole.left(whole.indexOf("Game") + 2);
    QTest::newRow("cut after a complete profile") << whole.left(whole.indexOf("</config>") + 9);
    QTest::newRow("missing end tag of the root") << whole.left(whole.lastIndexOf("</Parameters>"));
    QTest::newRow("zero byte inside") << QByteArray(whole).replace("Game", QByteArray("Ga\0me", 5));
    QTest::newRow("mismatched tags") << QByteArray(whole).replace("</macro>", "</macr>");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not XML") << QByteArray("profileIndex=1\n[config]\n");
}

void tst_XmlDocuments::brokenFile_readsAsMissingAndIsNeverWritten()
{
    QFETCH(QByteArray, content);
    const QByteArray path = writeFile(*m_dir, "profile.xml", content);
    const QByteArray good =
        writeFile(*m_dir, "good.xml", profileFile("<config index=\"1\" name=\"Other\"><bindMacro /></config>"));
    xmlInterface xml;

    CustomKeyInfo key;
    qstrcpy(key.keyCode, "-1");
    xml.getKeyMapItems(path, "1", "4", &key);
    QCOMPARE(key.keyCode, "-1");
    QCOMPARE(xml.getFeature(path, "1", 0), 0);
    QCOMPARE(xml.getKeyMapValue(path, "1", "3"), -1);
    QCOMPARE(xml.getProfileIndex(path), 1);
    QVERIFY(xml.findNodeByValue(path, "1").isNull());
    QCOMPARE(xml.exportProfile(path, good, "1", false), 0);

    xml.setProfileIndex(path, 2);
    xml.addProfileConfig(path, "2", "New", "", "", 0);
    xml.deleteNodeByValue(path, "1");
    xml.addKeyMapItem(path, "1", "5", "B", "0", "1", "0", "6");
    xml.setFunctionSetting(path, "1", "0", "0", "0", "0");
    xml.addMacroNode(path, "9", "m");
    QCOMPARE(xml.importProfile(path, good, "1"), 0);
    xml.copyProfileWithIndex(path, 3, good, "1");

    QCOMPARE(readFile(path), content);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);  // no stray temporary file
}

void tst_XmlDocuments::unwritablePath_leavesNothingBehind_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("missing folder") << "no/such/folder/file.xml";
    QTest::newRow("parent is a file") << "plain.txt/file.xml";
    QTest::newRow("path is a folder") << "folder";
}

void tst_XmlDocuments::unwritablePath_leavesNothingBehind()
{
    QFETCH(QString, relative);
    writeFile(*m_dir, "plain.txt", "text");
    QVERIFY(QDir(m_dir->path()).mkdir("folder"));
    const QByteArray source = writeFile(*m_dir, "source.xml", profileFile("<config index=\"1\" name=\"p\" />"));
    const QByteArray path = pathIn(*m_dir, relative);

    xmlInterface xml;
    xml.createXmlFile(path);
    QCOMPARE(xml.exportProfile(source, path, "1", false), 0);
    QCOMPARE(xml.getProfileIndex(path), 1);

    QCOMPARE(readFile(pathIn(*m_dir, "plain.txt")), QByteArray("text"));
    QVERIFY(QFileInfo(m_dir->filePath("folder")).isDir());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).size(), 3);
}

void tst_XmlDocuments::readOnlyFile_staysAsItWas()
{
    const QByteArray content = profileFile("<config index=\"1\" name=\"p\" />");
    const QByteArray path = writeFile(*m_dir, "ro.xml", content);
    QFile::setPermissions(QFile::decodeName(path), QFileDevice::ReadOwner | QFileDevice::ReadGroup);

    xmlInterface xml;
    {
        // Where permissions do not bind (root), no write may grow a file: the saves fail all the same.
        std::unique_ptr<NoFileGrowth> noGrowth;
        if (QFileInfo(QFile::decodeName(path)).isWritable()) {
            noGrowth = std::make_unique<NoFileGrowth>();
            QVERIFY(noGrowth->isActive());
        }
        xml.setProfileIndex(path, 9);
        xml.createXmlFile(path);
    }
    QCOMPARE(readFile(path), content);
    QCOMPARE(xml.getProfileIndex(path), 1);
}

void tst_XmlDocuments::keysCompareExactly_data()
{
    QTest::addColumn<QByteArray>("children");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("expectedName");  // empty: nothing found

    QTest::newRow("leading zero") << QByteArray("<config index=\"01\" name=\"zero\" />") << QByteArray("1")
                                  << QByteArray();
    QTest::newRow("leading blank") << QByteArray("<config index=\" 1\" name=\"blank\" />") << QByteArray("1")
                                   << QByteArray();
    QTest::newRow("trailing blank") << QByteArray("<config index=\"1 \" name=\"blank\" />") << QByteArray("1")
                                    << QByteArray();
    QTest::newRow("case") << QByteArray("<config index=\"a\" name=\"lower\" />") << QByteArray("A") << QByteArray();
    QTest::newRow("exact after near misses")
        << QByteArray("<config index=\"01\" name=\"zero\" /><config index=\"1\" name=\"one\" />") << QByteArray("1")
        << QByteArray("one");
    QTest::newRow("first of two equal") << QByteArray(
        "<config index=\"1\" name=\"first\" /><config index=\"1\" name=\"second\" />")
                                        << QByteArray("1") << QByteArray("first");
}

void tst_XmlDocuments::keysCompareExactly()
{
    QFETCH(QByteArray, children);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, expectedName);
    const QByteArray path = writeFile(*m_dir, "keys.xml", profileFile(children));
    xmlInterface xml;

    ProfileConfigInfo info;
    qstrcpy(info.name, "untouched");
    xml.getProfileInfo(path, key, &info);
    QCOMPARE(QByteArray(info.name), expectedName.isEmpty() ? QByteArray("untouched") : expectedName);

    const XmlFoundNode node = xml.findNodeByValue(path, key);
    QCOMPARE(node.isNull(), expectedName.isEmpty());
    if (node)
        QCOMPARE(QByteArray(node.element()->Attribute("name")), expectedName);
}

void tst_XmlDocuments::lookupIsByIndex_notByAnyValue()
{
    // A user-chosen name equal to another entry's index must not shadow that entry.
    const QByteArray profiles =
        writeFile(*m_dir, "profiles.xml",
                  profileFile("<config index=\"1\" name=\"2\" proFileAppName=\"3\" proFileAppIco=\"\" />"
                              "<config index=\"2\" name=\"Second\" proFileAppName=\"\" proFileAppIco=\"\" />"
                              "<config index=\"3\" name=\"Third\" proFileAppName=\"\" proFileAppIco=\"\" />"));
    xmlInterface xml;

    ProfileConfigInfo info;
    xml.getProfileInfo(profiles, "2", &info);
    QCOMPARE(info.name, "Second");

    xml.renameNode(profiles, "2", "Renamed");
    xml.deleteNodeByValue(profiles, "3");
    QList<IndexNameInfo> list;
    xml.getProfileList(profiles, &list);
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].name, "2");
    QCOMPARE(list[1].index, "2");
    QCOMPARE(list[1].name, "Renamed");

    const QByteArray macros = writeFile(*m_dir, "macros.xml",
                                        profileFile("<macro index=\"5\" name=\"3\"><item mark=\"a\" /></macro>"
                                                    "<macro index=\"3\" name=\"Three\"><item mark=\"b\" /></macro>"));
    NodeIndexName node;
    xml.getNodeIndexName(macros, "3", &node);
    QCOMPARE(node.index, 3);
    QCOMPARE(node.name, "Three");
    QList<MacroEventInfo> steps;
    xml.getMacroItems(macros, "3", &steps);
    QCOMPARE(steps.size(), 1);
    QCOMPARE(steps[0].mark, "b");
    xml.deleteNodeByValue(macros, "3");
    QCOMPARE(xml.findNodeByValue(macros, "5").isNull(), false);
    QCOMPARE(xml.findNodeByValue(macros, "3").isNull(), true);
}

void tst_XmlDocuments::sortedLists_data()
{
    QTest::addColumn<QByteArray>("children");
    QTest::addColumn<QStringList>("expected");  // "index:name"

    QTest::newRow("numeric order") << QByteArray(
        "<config index=\"10\" name=\"ten\" /><config index=\"9\" name=\"nine\" /><config index=\"1\" name=\"one\" />")
                                   << QStringList{"1:one", "9:nine", "10:ten"};
    QTest::newRow("first of a duplicate wins") << QByteArray("<config index=\"3\" name=\"first\" /><config index=\"3\" "
                                                             "name=\"second\" /><config index=\"2\" name=\"two\" />")
                                               << QStringList{"2:two", "3:first"};
    QTest::newRow("missing index reads as 0")
        << QByteArray("<config index=\"1\" name=\"one\" /><config name=\"none\" /><config index=\"0\" name=\"zero\" />")
        << QStringList{":none", "0:zero", "1:one"};
    QTest::newRow("equal numbers by text") << QByteArray(
        "<config index=\"2\" name=\"b\" /><config index=\"02\" name=\"a\" /><config index=\"x\" name=\"x\" />")
                                           << QStringList{"x:x", "02:a", "2:b"};
    QTest::newRow("any element, comments skipped") << QByteArray(
        "<!-- <config index=\"0\" name=\"c\" /> --><macro index=\"4\" /><config index=\"-1\" name=\"neg\" />")
                                                   << QStringList{"-1:neg", "4:"};
    QTest::newRow("empty root") << QByteArray() << QStringList{};
}

void tst_XmlDocuments::sortedLists()
{
    QFETCH(QByteArray, children);
    QFETCH(QStringList, expected);
    const QByteArray path = writeFile(*m_dir, "list.xml", profileFile(children));
    xmlInterface xml;

    for (int kind = 0; kind < 2; ++kind) {
        QList<IndexNameInfo> list{IndexNameInfo{}};  // a stale entry is replaced
        if (kind == 0)
            xml.getProfileList(path, &list);
        else
            xml.getMacroList(path, &list);
        QStringList got;
        for (const IndexNameInfo &entry : list)
            got << QString::fromUtf8(entry.index) + ':' + QString::fromUtf8(entry.name);
        QCOMPARE(got, expected);
    }
}

void tst_XmlDocuments::getNodeIndexName_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("name");

    QTest::newRow("found") << QByteArray("3") << 3 << QByteArray("Three");
    QTest::newRow("index is the last attribute") << QByteArray("7") << 7 << QByteArray("preset");
    QTest::newRow("index read as a number") << QByteArray("08x") << 8 << QByteArray("Eight");
    QTest::newRow("no match") << QByteArray("4") << -5 << QByteArray("preset");
}

void tst_XmlDocuments::getNodeIndexName()
{
    QFETCH(QByteArray, key);
    QFETCH(int, index);
    QFETCH(QByteArray, name);
    const QByteArray path =
        writeFile(*m_dir, "macros.xml",
                  profileFile("<macro index=\"1\" name=\"One\" /><macro index=\"3\" name=\"Three\" />"
                              "<macro name=\"Seven\" index=\"7\" /><macro index=\"08x\" name=\"Eight\" />"));
    xmlInterface xml;
    NodeIndexName node;
    node.index = -5;
    qstrcpy(node.name, "preset");
    xml.getNodeIndexName(path, key, &node);
    QCOMPARE(node.index, index);
    QCOMPARE(QByteArray(node.name), name);
}

void tst_XmlDocuments::longTexts_areCutAtCharacterBoundary_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("listBytes");  // IndexNameInfo::name holds 63
    QTest::addColumn<int>("nodeBytes");  // NodeIndexName::name holds 47

    QTest::newRow("ASCII") << "a" << 100 << 63 << 47;
    QTest::newRow("two-byte") << QString::fromUtf8("\xc3\xa9") << 50 << 62 << 46;
    QTest::newRow("three-byte") << QString::fromUtf8("\xe2\x82\xac") << 40 << 63 << 45;
    QTest::newRow("four-byte") << QString::fromUtf8("\xf0\x9f\x8e\xb9") << 30 << 60 << 44;
    QTest::newRow("fits exactly") << "b" << 63 << 63 << 47;
}

void tst_XmlDocuments::longTexts_areCutAtCharacterBoundary()
{
    QFETCH(QString, unit);
    QFETCH(int, count);
    QFETCH(int, listBytes);
    QFETCH(int, nodeBytes);
    const QByteArray longName = unit.repeated(count).toUtf8();
    const QByteArray path = pathIn(*m_dir, "long.xml");
    xmlInterface xml;
    xml.createXmlFile(path);
    xml.addMacroNode(path, "1", longName);

    QList<IndexNameInfo> list;
    xml.getMacroList(path, &list);
    QCOMPARE(list.size(), 1);
    QCOMPARE(int(qstrlen(list[0].name)), listBytes);
    QVERIFY(longName.startsWith(list[0].name));

    NodeIndexName node;
    xml.getNodeIndexName(path, "1", &node);
    QCOMPARE(int(qstrlen(node.name)), nodeBytes);
    QVERIFY(longName.startsWith(node.name));
    // The file keeps the whole name.
    QVERIFY(readFile(path).contains(longName));
}

void tst_XmlDocuments::changesOnDisk_areSeenAtOnce()
{
    const QByteArray path = pathIn(*m_dir, "profile.xml");
    const QString file = QFile::decodeName(path);
    xmlInterface xml;
    xml.createXmlFile(path);
    xml.setProfileIndex(path, 5);
    QCOMPARE(xml.getProfileIndex(path), 5);

    // Replaced by another program through a rename.
    writeFile(*m_dir, "next.xml", profileFile("").replace("profileIndex=\"1\"", "profileIndex=\"7\""));
    QVERIFY(QFile::remove(file));
    QVERIFY(QFile::rename(m_dir->filePath("next.xml"), file));
    QCOMPARE(xml.getProfileIndex(path), 7);

    // Rewritten in place.
    writeFile(*m_dir, "profile.xml", profileFile("").replace("profileIndex=\"1\"", "profileIndex=\"12345\""));
    QCOMPARE(xml.getProfileIndex(path), 12345);

    // Rewritten in place to the same size within the same second: only the nanoseconds differ.
    struct stat before {
    };
    QCOMPARE(::stat(path.constData(), &before), 0);
    writeFile(*m_dir, "profile.xml", profileFile("").replace("profileIndex=\"1\"", "profileIndex=\"54321\""));
    const timespec times[2] = {before.st_atim, {before.st_mtim.tv_sec, (before.st_mtim.tv_nsec + 1) % 1000000000}};
    QCOMPARE(::utimensat(AT_FDCWD, path.constData(), times, 0), 0);
    struct stat after {
    };
    QCOMPARE(::stat(path.constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_size, before.st_size);
    QCOMPARE(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    QCOMPARE(xml.getProfileIndex(path), 54321);

    // Written through another store object.
    xmlInterface other;
    other.setProfileIndex(path, 8);
    QCOMPARE(xml.getProfileIndex(path), 8);

    // Broken, then removed.
    writeFile(*m_dir, "profile.xml", "<Parameters profileIndex=\"9\">");
    QCOMPARE(xml.getProfileIndex(path), 1);
    QVERIFY(QFile::remove(file));
    QCOMPARE(xml.getProfileIndex(path), 1);
    xml.setProfileIndex(path, 3);
    QVERIFY(!exists(path));
}

void tst_XmlDocuments::concurrentReaders_seeWholeFiles()
{
    // Playback threads read the profile file while the GUI thread rewrites it: a reader must
    // never meet half a file (which would read as the defaults) nor a half-updated cache.
    const QByteArray path = pathIn(*m_dir, "profile.xml");
    xmlInterface xml;
    xml.createXmlFile(path);
    xml.addProfileConfig(path, "1", "p", "", "", 0);
    xml.addKeyMapItem(path, "1", "4", "A", "0", "1", "0", QByteArray(2000, 'v'));
    xml.setProfileIndex(path, 22);

    std::atomic<bool> stop{false};
    std::atomic<int> bad{0};
    std::atomic<int> reads{0};
    auto reader = [&](xmlInterface *store) {
        while (!stop.load()) {
            const int index = store->getProfileIndex(path);
            CustomKeyInfo key;
            qstrcpy(key.keyCode, "-1");
            store->getKeyMapItems(path, "1", "4", &key);
            if ((index != 22 && index != 1234567) || qstrcmp(key.keyCode, "4") != 0 || qstrlen(key.Value) != 2000)
                ++bad;
            ++reads;
        }
    };
    xmlInterface own;  // a second store reads the file from disk with its own cache
    std::vector<std::thread> threads;
    threads.emplace_back(reader, &xml);
    threads.emplace_back(reader, &xml);
    threads.emplace_back(reader, &own);

    for (int i = 0; i < 200; ++i)
        xml.setProfileIndex(path, (i % 2) ? 22 : 1234567);
    stop = true;
    for (std::thread &t : threads)
        t.join();
    QVERIFY(reads.load() > 0);
    QCOMPARE(bad.load(), 0);
    QCOMPARE(xml.getProfileIndex(path), 22);
}

void tst_XmlDocuments::writersThatFindNothing_leaveTheFileAsItIs()
{
    // Each writer misses what it would change: the file must not even be rewritten (a rewrite
    // replaces the file, so its identity would change).
    const QByteArray content =
        profileFile("<config index=\"1\" name=\"P\"><light0 usingIndex=\"2\" /><customColor />"
                    "<customLight><customLed index=\"3\" name=\"c\" /></customLight><dpi /><function />"
                    "<bindMacro /></config>");
    MacroEventInfo step;
    qstrcpy(step.mark, "m");
    const struct {
        const char *name;
        std::function<void(xmlInterface &, const char *)> write;
    } cases[] = {
        {"deleteNodeByValue", [](xmlInterface &x, const char *p) { x.deleteNodeByValue(p, "9"); }},
        {"renameNode", [](xmlInterface &x, const char *p) { x.renameNode(p, "9", "n"); }},
        {"addKeyMapItem",
         [](xmlInterface &x, const char *p) { x.addKeyMapItem(p, "1", "4", "A", "0", "1", "0", "v"); }},
        {"deleteKeyMapItem", [](xmlInterface &x, const char *p) { x.deleteKeyMapItem(p, "1", "4"); }},
        {"deleteBindMacro", [](xmlInterface &x, const char *p) { x.deleteBindMacro(p, "1", "9"); }},
        {"addLightItem",
         [](xmlInterface &x, const char *p) {
             colorInfoData d;
             d.ledKeyboardOrSide = 1;
             x.addLightItem(p, "1", d);
         }},
        {"modifyLightItem", [](xmlInterface &x, const char *p) { x.modifyLightItem(p, "1", 0, 7, colorInfoData()); }},
        {"setLightUsingIndex", [](xmlInterface &x, const char *p) { x.setLightUsingIndex(p, "1", 2, 1); }},
        {"deleteCustomColor", [](xmlInterface &x, const char *p) { x.deleteCustomColor(p, "1", "9"); }},
        {"addCustomLedItems",
         [](xmlInterface &x, const char *p) { x.addCustomLedItems(p, "1", "9", CustomLedItemInfo()); }},
        {"renameCustomLed", [](xmlInterface &x, const char *p) { x.renameCustomLed(p, "1", "9", "n"); }},
        {"setCustomLedUsing", [](xmlInterface &x, const char *p) { x.setCustomLedUsing(p, "1", "9", "Using", 0); }},
        {"deleteCustomLed", [](xmlInterface &x, const char *p) { x.deleteCustomLed(p, "1", "3"); }},
        {"modifyDpiItem", [](xmlInterface &x, const char *p) { x.modifyDpiItem(p, "1", 9, DpiItemInfo()); }},
        {"setFeature", [](xmlInterface &x, const char *p) { x.setFeature(p, "1", 2, 1); }},
        {"addMacroItems", [](xmlInterface &x, const char *p) { x.addMacroItems(p, {}, "1"); }},
        {"deleteMacroItemsContaining",
         [](xmlInterface &x, const char *p) { x.deleteMacroItemsContaining(p, "1", "zz"); }},
        {"modifyMacroItem", [&](xmlInterface &x, const char *p) { x.modifyMacroItem(p, "1", "zz", 0, step); }},
        {"moveMacroItem", [](xmlInterface &x, const char *p) { x.moveMacroItem(p, "1", "zz", 1, 0); }},
    };
    for (const auto &c : cases) {
        const QByteArray path = writeFile(*m_dir, "profile.xml", content);
        const FileStamp before = FileStamp::ofPath(QFile::decodeName(path));
        xmlInterface xml;
        c.write(xml, path);
        QVERIFY2(FileStamp::ofPath(QFile::decodeName(path)) == before, c.name);
        QVERIFY2(readFile(path) == content, c.name);
    }
}

void tst_XmlDocuments::recordFieldsWithoutTerminator_areWrittenToTheirWidth()
{
    // A caller may fill a text field to its last byte: the store writes the field's bytes and
    // reads nothing beyond them.
    MacroEventInfo step;
    std::memset(step.mark, 'm', sizeof step.mark);
    std::memset(step.delay, 'd', sizeof step.delay);
    std::memset(step.type, 't', sizeof step.type);
    std::memset(step.keyCode, 'k', sizeof step.keyCode);
    std::memset(step.codeName, 'c', sizeof step.codeName);
    std::memset(step.operateExplain, 'o', sizeof step.operateExplain);
    const QStringList stepAttributes{"mark=" + QString(64, 'm'),     "delay=" + QString(16, 'd'),
                                     "type=" + QString(16, 't'),     "keyCode=" + QString(16, 'k'),
                                     "codeName=" + QString(64, 'c'), "operateExplain=" + QString(64, 'o')};
    CustomLedItemInfo key;
    std::memset(key.keyCode, 'k', sizeof key.keyCode);
    std::memset(key.codeName, 'c', sizeof key.codeName);

    const QByteArray path = pathIn(*m_dir, "profile.xml");
    xmlInterface xml;
    xml.createXmlFile(path);
    xml.addProfileConfig(path, "1", "P", "", "", 0);
    xml.addMacroNode(path, "2", "M");
    xml.addMacroItems(path, {step}, "2");
    xml.addBindMacro(path, "1", {step}, "5", "B");
    xml.addCustomLed(path, "1", "3", "L", "Using", 0);
    xml.addCustomLedItems(path, "1", "3", key);

    auto doc = parse(path);
    QVERIFY(doc);
    const TiXmlElement *root = doc->RootElement();
    const TiXmlElement *config = root->FirstChildElement("config");
    QCOMPARE(attributes(root->FirstChildElement("macro")->FirstChildElement()), stepAttributes);
    QCOMPARE(attributes(config->FirstChildElement("bindMacro")->FirstChildElement()->FirstChildElement()),
             stepAttributes);
    QCOMPARE(attributes(config->FirstChildElement("customLight")->FirstChildElement()->FirstChildElement()).mid(0, 2),
             (QStringList{"keyCode=" + QString(16, 'k'), "codeName=" + QString(64, 'c')}));

    // An edit of the step in place reads its fields the same way.
    qstrcpy(step.mark, "x");
    xml.addMacroItems(path, {step}, "2");
    std::memset(step.delay, 'e', sizeof step.delay);
    xml.modifyMacroItem(path, "2", "x", 0, step);
    doc = parse(path);
    QVERIFY(doc);
    const QStringList edited =
        attributes(doc->RootElement()->FirstChildElement("macro")->FirstChildElement()->NextSiblingElement());
    QCOMPARE(edited.value(1), "delay=" + QString(16, 'e'));
}

QTEST_GUILESS_MAIN(tst_XmlDocuments)
#include "tst_XmlDocuments.moc"
