// SPDX-License-Identifier: GPL-3.0-or-later
// What the store writes on the user's behalf: never a file it would refuse to read again, never
// through a link planted beside the target, no empty file from a failed export, and from an
// imported profile only what a profile holds.

#include "ProfileFiles.h"
#include "XmlFileReader.h"
#include "xmlInterface.h"
#include "XmlTestSupport.h"

#include "NoFileGrowth.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <unistd.h>

using namespace xmltest;

namespace {

QByteArray config(const QByteArray &index, const QByteArray &name, const QByteArray &inside,
                  const QByteArray &extraAttributes = QByteArray())
{
    return "<config index=\"" + index + "\" name=\"" + name + "\" proFileAppName=\"\" proFileAppIco=\"\""
           + extraAttributes + ">" + inside + "</config>\n";
}

// A key assignment list of n items (one attribute each, to stay clear of the attribute limit).
QByteArray keyItems(int n)
{
    QByteArray items;
    items.reserve(n * 24);
    for (int i = 0; i < n; ++i)
        items += "<item keyCode=\"1\"/>";
    return "<macro>" + items + "</macro>";
}

QStringList profileNames(const QByteArray &path)
{
    xmlInterface fresh;  // as the next start reads it
    QList<IndexNameInfo> list;
    fresh.getProfileList(path.constData(), &list);
    QStringList names;
    for (const IndexNameInfo &entry : list)
        names << QString::fromUtf8(entry.index) + ':' + QString::fromUtf8(entry.name);
    return names;
}

QStringList folderEntries(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

class tst_XmlWriteSafety : public QObject
{
    Q_OBJECT

private slots:
    void importBeyondTheBounds_failsAndKeepsTheFile_data();
    void importBeyondTheBounds_failsAndKeepsTheFile();
    void import_takesOnlyWhatAProfileHolds_data();
    void import_takesOnlyWhatAProfileHolds();
    void editBeyondTheBounds_fails();
    void writes_neverFollowPlantedLinks_data();
    void writes_neverFollowPlantedLinks();
    void failedExport_leavesNoFile_data();
    void failedExport_leavesNoFile();
};

void tst_XmlWriteSafety::importBeyondTheBounds_failsAndKeepsTheFile_data()
{
    QTest::addColumn<QByteArray>("source");
    // Each file alone lies within the bounds; the device file holding two copies would not.
    const int half = XmlFileReader::kMaxElements / 2 + 1;
    QTest::newRow("elements") << profileFile(config("1", "Big", keyItems(half)));
    const QByteArray longName(int(XmlFileReader::kMaxFileSize / 2) + 1024, 'n');
    QTest::newRow("one long attribute") << profileFile(config("1", longName, QByteArray()));
}

void tst_XmlWriteSafety::importBeyondTheBounds_failsAndKeepsTheFile()
{
    QFETCH(QByteArray, source);
    QTemporaryDir dir;
    const QByteArray device = writeFile(dir, "brivexProFile.xml", profileFile(config("1", "Mine", QByteArray())));
    const QByteArray chosen = writeFile(dir, "chosen.xml", source);
    xmlInterface xml;
    QCOMPARE(xml.importProfile(device.constData(), chosen.constData(), "1"), 1);
    const QByteArray afterOne = readFile(device);
    QCOMPARE(xml.importProfile(device.constData(), chosen.constData(), "1"), 0);
    QCOMPARE(readFile(device), afterOne);
    // The next start reads the file as it stands, with both profiles.
    QCOMPARE(ProfileFiles::readability(QFile::decodeName(device)), ProfileFiles::Readability::Readable);
    QCOMPARE(profileNames(device).size(), 2);
    QCOMPARE(folderEntries(dir), (QStringList{"brivexProFile.xml", "chosen.xml"}));
}

void tst_XmlWriteSafety::import_takesOnlyWhatAProfileHolds_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<bool>("imported");
    QTest::addColumn<QStringList>("children");    // of the imported config
    QTest::addColumn<QStringList>("attributes");  // of the imported config

    const QStringList plain{"index=2", "name=P", "proFileAppName=", "proFileAppIco="};
    QTest::newRow("a macro library") << profileFile("<macro index=\"1\" name=\"M\"><item mark=\"a\" delay=\"1\" "
                                                    "type=\"key\" keyCode=\"4\" codeName=\"A\" "
                                                    "operateExplain=\"down\"/></macro>")
                                     << false << QStringList() << QStringList();
    QTest::newRow("unknown element and attribute") << profileFile(
        config("1", "P", "<light0 usingIndex=\"2\" evil=\"x\"/><junk><item/></junk>text<!-- c -->", " extra=\"1\""))
                                                   << true << QStringList{"light0"} << plain;
    QTest::newRow("known children kept") << profileFile(
        config("1", "P",
               "<light0 usingIndex=\"1\"><item ledType=\"2\"/></light0><dpi usingIndex=\"3\"><item "
               "index=\"1\" dpiX=\"800\"/></dpi><bindMacro><macro index=\"1\" name=\"B\"><item "
               "mark=\"m\"/></macro></bindMacro><function><Setting feature1=\"0\"/></function>"))
                                         << true << QStringList{"light0", "dpi", "bindMacro", "function"} << plain;
    QTest::newRow("format characters in the name")
        << profileFile(config("1",
                              "P\xE2\x80\xAE"
                              "lmx.exe",
                              QByteArray()))
        << true << QStringList() << QStringList{"index=2", "name=Plmx.exe", "proFileAppName=", "proFileAppIco="};
}

void tst_XmlWriteSafety::import_takesOnlyWhatAProfileHolds()
{
    QFETCH(QByteArray, source);
    QFETCH(bool, imported);
    QFETCH(QStringList, children);
    QFETCH(QStringList, attributes);
    QTemporaryDir dir;
    const QByteArray device = writeFile(dir, "device.xml", profileFile(config("1", "Mine", QByteArray())));
    const QByteArray before = readFile(device);
    const QByteArray chosen = writeFile(dir, "chosen.xml", source);
    xmlInterface xml;
    QCOMPARE(xml.importProfile(device.constData(), chosen.constData(), "1"), imported ? 1 : 0);
    if (!imported) {
        QCOMPARE(readFile(device), before);
        QCOMPARE(profileNames(device), QStringList{"1:Mine"});
        return;
    }
    const auto document = parse(device);
    QVERIFY(document);
    const TiXmlElement *copy = document->RootElement()->FirstChildElement()->NextSiblingElement();
    QVERIFY(copy);
    QCOMPARE(xmltest::attributes(copy), attributes);
    QCOMPARE(childNames(copy), children);
    for (const TiXmlElement *child = copy->FirstChildElement(); child; child = child->NextSiblingElement()) {
        for (const QString &attribute : xmltest::attributes(child))
            QVERIFY2(!attribute.startsWith(QLatin1String("evil")), qPrintable(attribute));
    }
    QVERIFY(!readFile(device).contains("<!--"));
    QVERIFY(!readFile(device).contains("text"));
}

void tst_XmlWriteSafety::editBeyondTheBounds_fails()
{
    // A profile at the element limit: the next assignment would pass it.
    QTemporaryDir dir;
    const int items = XmlFileReader::kMaxElements - 3;  // with root, config and macro: at the limit
    const QByteArray path = writeFile(dir, "device.xml", profileFile(config("1", "P", keyItems(items))));
    const QByteArray before = readFile(path);
    xmlInterface xml;
    QVERIFY(!xml.addKeyMapItem(path.constData(), "1", "9", "B", "0", "1", "1", "5"));
    QVERIFY(!xml.addMacroNode(path.constData(), "3", "M"));
    QCOMPARE(readFile(path), before);
    QVERIFY(xml.setProfileInfo(path.constData(), "1", "Q", "", ""));  // no new element: written
    QCOMPARE(profileNames(path), QStringList{"1:Q"});
}

void tst_XmlWriteSafety::writes_neverFollowPlantedLinks_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("planted");  // the name of the link, beside "out.xml"
    for (const char *writer : {"macro export", "profile export", "on-board export", "store save"}) {
        for (const char *planted : {"out.xml.part", "out.xml.new", "out.xml"})
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(writer, planted))) << writer << planted;
    }
}

void tst_XmlWriteSafety::writes_neverFollowPlantedLinks()
{
    QFETCH(QString, writer);
    QFETCH(QString, planted);
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QByteArray victim = writeFile(elsewhere, "victim", "someone else's file\n");
    const QByteArray device = writeFile(dir, "device.xml", profileFile(config("1", "P", QByteArray())));
    const QByteArray target = pathIn(dir, "out.xml");
    if (writer == QLatin1String("store save") && planted == QLatin1String("out.xml"))
        QSKIP("a save edits the file it reads; a link there is the user's own");
    if (writer == QLatin1String("store save"))
        writeFile(dir, "out.xml", profileFile(config("1", "P", QByteArray())));
    QVERIFY(QFile::link(QFile::decodeName(victim), dir.filePath(planted)));

    xmlInterface xml;
    bool written = false;
    if (writer == QLatin1String("macro export")) {
        written = xml.writeMacroFile(target.constData(), "5", "Fire", {});
    } else if (writer == QLatin1String("profile export") || writer == QLatin1String("on-board export")) {
        xmlInterface::ExportedProfile profile;
        profile.sourcePath = device;
        profile.profileKey = "1";
        written = xml.exportProfilesTo(target.constData(), {profile}, writer == QLatin1String("on-board export")) == 1;
    } else {
        written = xml.setProfileInfo(target.constData(), "1", "Renamed", "", "");
    }
    // A profile export adds to the file at the target: one that is not a profile file, such as
    // the file a link there points to, is refused and left alone. Every other write replaces the
    // link itself.
    const bool refused = writer == QLatin1String("profile export") && planted == QLatin1String("out.xml");
    QCOMPARE(written, !refused);
    QCOMPARE(readFile(victim), QByteArray("someone else's file\n"));
    if (refused)
        return;
    const QFileInfo out(QFile::decodeName(target));
    QVERIFY(out.isFile() && !out.isSymLink());
    QCOMPARE(xml.rootElementName(target.constData()), QStringLiteral("Parameters"));
    // No temporary file is left beside the target.
    for (const QString &entry : folderEntries(dir))
        QVERIFY2(entry == QLatin1String("device.xml") || entry == QLatin1String("out.xml") || entry == planted,
                 qPrintable(entry));
}

void tst_XmlWriteSafety::failedExport_leavesNoFile_data()
{
    QTest::addColumn<QByteArray>("profileKey");
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("no such profile") << QByteArray("7") << false;
    QTest::newRow("write fails") << QByteArray("1") << true;
}

void tst_XmlWriteSafety::failedExport_leavesNoFile()
{
    QFETCH(QByteArray, profileKey);
    QFETCH(bool, fullDisk);
    QTemporaryDir dir;
    const QByteArray device = writeFile(dir, "device.xml", profileFile(config("1", "P", QByteArray())));
    const QByteArray target = pathIn(dir, "out.xml");
    xmlInterface xml;
    xmlInterface::ExportedProfile profile;
    profile.sourcePath = device;
    profile.profileKey = profileKey;
    for (const bool fresh : {false, true}) {
        const int result = fullDisk
                               ? withFileSizeLimit(16, [&] { return xml.exportProfilesTo(target, {profile}, fresh); })
                               : xml.exportProfilesTo(target, {profile}, fresh);
        QCOMPARE(result, 0);
        QCOMPARE(folderEntries(dir), QStringList{"device.xml"});
    }
}

QTEST_GUILESS_MAIN(tst_XmlWriteSafety)
#include "tst_XmlWriteSafety.moc"
