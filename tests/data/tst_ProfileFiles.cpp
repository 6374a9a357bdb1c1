// SPDX-License-Identifier: GPL-3.0-or-later
// The files of one device: the folder a serial number becomes, the default profile files of a
// keyboard, a keyboard with side lights and the mouse, and what happens to a file that cannot be read.

#include "DeviceModels.h"
#include "NoFileGrowth.h"
#include "ProfileFiles.h"
#include "RegularFile.h"
#include "xmlInterface.h"
#include "XmlTestSupport.h"

#include <cerrno>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray lightItem(int zone, int ledType)
{
    return QByteArray("<item ledKeyboardOrSide=\"") + QByteArray::number(zone) + "\" ledType=\""
           + QByteArray::number(ledType)
           + "\" ledBrightness=\"3\" ledSpeed=\"3\" ledModeR=\"255\" ledModeG=\"0\" ledModeB=\"0\" ledBgR=\"0\" "
             "ledBgG=\"0\" ledBgB=\"0\" ledDirection=\"0\" ledModeType=\"1\" ledOpenOrClose=\"0\" ledUpdate=\"0\" />";
}

// The whole file with white space squeezed out, for comparison with the expected text.
QByteArray squeezed(const QByteArray &text)
{
    QByteArray out = text.simplified();
    out.replace("> <", "><");
    return out;
}

// A default file of the model with a second profile "Mine" that has a key assignment and a
// linked program; the path.
QByteArray fileWithChangedProfile2(xmlInterface &xml, const QTemporaryDir &dir, int deviceType, const QString &model)
{
    const QString name = ProfileFiles::profilePath(dir.path(), model, QStringLiteral("SN9"));
    if (ProfileFiles::prepare(&xml, name, deviceType, model, false) != ProfileFiles::Outcome::Created)
        return QByteArray();
    const QByteArray path = QFile::encodeName(name);
    xml.addProfileConfig(path.constData(), "2", "Mine", "/usr/bin/game", "", deviceType);
    xml.addKeyMapItem(path.constData(), "2", "4", "A", "7", "1", "0", "1");
    xml.addProfileConfig(path.constData(), "3", "Third", "", "", deviceType);
    xml.setProfileIndex(path.constData(), 2);
    return path;
}

}  // namespace

class tst_ProfileFiles : public QObject
{
    Q_OBJECT

private slots:
    void safeFolderName_data();
    void safeFolderName();
    void unsafeSerialsStayInsideAndApart();
    void defaultFiles_data();
    void defaultFiles();
    void existingFileIsNotRewritten();
    void unreadableFileIsSetAsideAndReplaced();
    void fileWithoutReadPermissionStaysInPlace();
    void fileWithoutProfileGetsProfile1();
    void indexNamingNoProfileFallsBackToLowest();
    void unwritableFolderFails();
    void resetProfile_data();
    void resetProfile();
    void failedResetKeepsTheFile_data();
    void failedResetKeepsTheFile();
};

void tst_ProfileFiles::safeFolderName_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<bool>("asIs");
    QTest::newRow("letters and digits") << QStringLiteral("A1b2C3d4E5f6A7b8C9d0E1f2A3b4C5d6") << true;
    QTest::newRow("dot dot") << QStringLiteral("..") << false;
    QTest::newRow("climbs up") << QStringLiteral("../../etc") << false;
    QTest::newRow("slash") << QStringLiteral("ab/cd") << false;
    QTest::newRow("backslash") << QStringLiteral("ab\\cd") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("non-ascii") << QStringLiteral("abc\u00e9") << false;
    QTest::newRow("space") << QStringLiteral("ab cd") << false;
}

void tst_ProfileFiles::safeFolderName()
{
    QFETCH(QString, serial);
    QFETCH(bool, asIs);
    const QString name = ProfileFiles::safeFolderName(serial);
    if (asIs) {
        QCOMPARE(name, serial);
    } else {
        QVERIFY(!name.isEmpty());
        QVERIFY(name != serial);
        for (const QChar c : name)
            QVERIFY2(c.isLetterOrNumber() || c == QLatin1Char('-'), qPrintable(name));
    }
}

void tst_ProfileFiles::unsafeSerialsStayInsideAndApart()
{
    QTemporaryDir dir;
    const QString base = dir.path() + QStringLiteral("/UserConfig");
    const QString a = ProfileFiles::profilePath(base, QStringLiteral("ZK87A"), QStringLiteral("../.."));
    const QString b = ProfileFiles::profilePath(base, QStringLiteral("ZK87A"), QStringLiteral("../.x"));
    QVERIFY(QDir::cleanPath(a).startsWith(base + QLatin1Char('/')));
    QVERIFY(a != b);
    QVERIFY(QFileInfo(a).absolutePath() != QFileInfo(b).absolutePath());
}

void tst_ProfileFiles::defaultFiles_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("synchronize");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray keyboardTail = "<customColor /><customLight /><ribbon /><onboardBinding /><macro /><dpi />"
                                    "<function><Setting feature1=\"0\" feature2=\"0\" feature3=\"0\" feature4=\"1\" />"
                                    "</function><bindMacro /></config></Parameters>";
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?><Parameters profileIndex=\"1\">"
                            "<config index=\"1\" name=\"Profile1\" proFileAppName=\"\" proFileAppIco=\"\">";
    QTest::newRow("keyboard") << 0 << QStringLiteral("ZK87A") << false
                              << head + "<light0 usingIndex=\"2\" ledOpenOrClose=\"0\" SynchronizeStatus=\"0\">"
                                     + lightItem(0, 2) + "</light0><light1 usingIndex=\"2\">" + lightItem(1, 2)
                                     + "</light1><light2 usingIndex=\"2\">" + lightItem(2, 2) + "</light2>"
                                     + keyboardTail;
    QTest::newRow("side-light keyboard, synchronised")
        << 0 << QStringLiteral("ZK87S") << true
        << head + "<light0 usingIndex=\"2\" ledOpenOrClose=\"0\" SynchronizeStatus=\"1\">" + lightItem(0, 2)
               + "</light0><light1 usingIndex=\"1\">" + lightItem(1, 1) + "</light1><light2 usingIndex=\"2\">"
               + lightItem(2, 2) + "</light2>" + keyboardTail;
    QByteArray dpi = "<dpi usingIndex=\"3\">";
    const int levels[6][4] = {{800, 255, 0, 0},    {1500, 255, 255, 0}, {2200, 0, 255, 0},
                              {2900, 0, 255, 255}, {3600, 0, 0, 255},   {600, 128, 0, 255}};
    for (int i = 0; i < 6; ++i) {
        dpi += "<item index=\"" + QByteArray::number(i + 1) + "\" selectStatus=\"1\" isXY=\"0\" dpiX=\""
               + QByteArray::number(levels[i][0]) + "\" dpiY=\"" + QByteArray::number(levels[i][0]) + "\" dpiColorR=\""
               + QByteArray::number(levels[i][1]) + "\" dpiColorG=\"" + QByteArray::number(levels[i][2])
               + "\" dpiColorB=\"" + QByteArray::number(levels[i][3]) + "\" />";
    }
    dpi += "</dpi>";
    QTest::newRow("mouse") << 1 << QStringLiteral("ZM1") << false
                           << head + "<light0 usingIndex=\"2\" ledOpenOrClose=\"0\" SynchronizeStatus=\"0\">"
                                  + lightItem(0, 2) + "</light0><light1 usingIndex=\"2\" linkStatus=\"0\">"
                                  + lightItem(1, 2) + "</light1><light2 usingIndex=\"2\" linkStatus=\"0\">"
                                  + lightItem(2, 2)
                                  + "</light2><customColor /><customLight /><ribbon /><onboardBinding /><macro />" + dpi
                                  + "<function><Setting feature1=\"2\" feature2=\"0\" feature3=\"0\" "
                                    "feature4=\"1\" /></function><bindMacro /></config></Parameters>";
}

void tst_ProfileFiles::defaultFiles()
{
    QFETCH(int, deviceType);
    QFETCH(QString, model);
    QFETCH(bool, synchronize);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    xmlInterface xml;
    const QString path = ProfileFiles::profilePath(dir.path(), model, QStringLiteral("SN0001"));
    QCOMPARE(ProfileFiles::prepare(&xml, path, deviceType, model, synchronize), ProfileFiles::Outcome::Created);
    QByteArray written = xmltest::readFile(QFile::encodeName(path));
    // A keyboard's five custom lightings are checked on their own (their keys come from resources).
    const int customLeds = written.count("<customLed ");
    QCOMPARE(customLeds, deviceType == 0 ? 5 : 0);
    const QRegularExpression customLight(QStringLiteral("<customLight>.*</customLight>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    written = QString::fromUtf8(written).replace(customLight, QStringLiteral("<customLight />")).toUtf8();
    QCOMPARE(squeezed(written), squeezed(expected));
    QCOMPARE(ProfileFiles::currentProfileIndex(&xml, path, deviceType, model), 1);
    QVERIFY(!QFile::exists(path + QStringLiteral(".new")));
}

void tst_ProfileFiles::existingFileIsNotRewritten()
{
    QTemporaryDir dir;
    xmlInterface xml;
    const QString path = ProfileFiles::profilePath(dir.path(), QStringLiteral("ZK87A"), QStringLiteral("SN1"));
    QCOMPARE(ProfileFiles::prepare(&xml, path, 0, QStringLiteral("ZK87A"), false), ProfileFiles::Outcome::Created);
    const QByteArray local = QFile::encodeName(path);
    xml.addProfileConfig(local.constData(), "2", "Second", "", "", 0);
    xml.setProfileIndex(local.constData(), 2);
    const QByteArray before = xmltest::readFile(local);
    QCOMPARE(ProfileFiles::prepare(&xml, path, 0, QStringLiteral("ZK87A"), true), ProfileFiles::Outcome::Existing);
    QCOMPARE(ProfileFiles::currentProfileIndex(&xml, path, 0, QStringLiteral("ZK87A")), 2);
    QCOMPARE(xmltest::readFile(local), before);
}

void tst_ProfileFiles::unreadableFileIsSetAsideAndReplaced()
{
    QTemporaryDir dir;
    xmlInterface xml;
    const QString path = ProfileFiles::profilePath(dir.path(), QStringLiteral("ZK87A"), QStringLiteral("SN2"));
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    const QByteArray broken = "<?xml version=\"1.0\"?><Parameters profileIndex=\"1\"><config index=\"1\"";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(broken);
    }
    QString aside;
    QCOMPARE(ProfileFiles::prepare(&xml, path, 0, QStringLiteral("ZK87A"), false, &aside),
             ProfileFiles::Outcome::Replaced);
    QVERIFY(!aside.isEmpty());
    QCOMPARE(xmltest::readFile(QFile::encodeName(aside)), broken);
    QVERIFY(ProfileFiles::isReadable(path));
    // A change now lands in the file.
    const QByteArray local = QFile::encodeName(path);
    xml.setLightUsingIndex(local.constData(), "1", 0, 7);
    QCOMPARE(xml.getLightUsingIndex(local.constData(), "1", 0), 7);
}

void tst_ProfileFiles::fileWithoutProfileGetsProfile1()
{
    QTemporaryDir dir;
    xmlInterface xml;
    const QByteArray path = xmltest::writeFile(dir, QStringLiteral("brivexProFile.xml"),
                                               "<?xml version=\"1.0\"?><Parameters profileIndex=\"4\" />");
    const QString name = QFile::decodeName(path);
    QCOMPARE(ProfileFiles::prepare(&xml, name, 1, QStringLiteral("ZM1"), false), ProfileFiles::Outcome::Existing);
    QCOMPARE(ProfileFiles::currentProfileIndex(&xml, name, 1, QStringLiteral("ZM1")), 1);
    QList<IndexNameInfo> profiles;
    xml.getProfileList(path.constData(), &profiles);
    QCOMPARE(profiles.size(), 1);
    QCOMPARE(QByteArray(profiles.first().name), QByteArray("Profile1"));
    QCOMPARE(xml.getDpiUsingIndex(path.constData(), "1"), 3);
}

void tst_ProfileFiles::indexNamingNoProfileFallsBackToLowest()
{
    QTemporaryDir dir;
    xmlInterface xml;
    const QByteArray path = xmltest::writeFile(dir, QStringLiteral("brivexProFile.xml"),
                                               "<?xml version=\"1.0\"?><Parameters profileIndex=\"9\">"
                                               "<config index=\"3\" name=\"C\" /><config index=\"2\" name=\"B\" />"
                                               "</Parameters>");
    QCOMPARE(ProfileFiles::currentProfileIndex(&xml, QFile::decodeName(path), 0, QStringLiteral("ZK87A")), 2);
}

void tst_ProfileFiles::unwritableFolderFails()
{
    QTemporaryDir dir;
    xmlInterface xml;
    // A regular file where the model's folder should be.
    xmltest::writeFile(dir, QStringLiteral("ZK87A"), "x");
    const QString path = ProfileFiles::profilePath(dir.path(), QStringLiteral("ZK87A"), QStringLiteral("SN3"));
    QCOMPARE(ProfileFiles::prepare(&xml, path, 0, QStringLiteral("ZK87A"), false), ProfileFiles::Outcome::Failed);
}

namespace {

// The tests run as root, which no permission stops: this open fails the way a file of another
// user's would.
int openDenied(const char *, int)
{
    errno = EACCES;
    return -1;
}

}  // namespace

void tst_ProfileFiles::fileWithoutReadPermissionStaysInPlace()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("brivexProFile.xml"));
    const QByteArray content = xmltest::profileFile("<config index=\"1\" name=\"Mine\"/>");
    xmltest::writeFile(dir, QStringLiteral("brivexProFile.xml"), content);
    xmlInterface xml;
    RegularFile::setOpenFunction(&openDenied);
    const ProfileFiles::Outcome outcome = ProfileFiles::prepare(&xml, path, 0, QStringLiteral("ZK87A"), false);
    QList<IndexNameInfo> profiles;
    xml.getProfileList(QFile::encodeName(path).constData(), &profiles);
    const bool added = xml.addProfileConfig(QFile::encodeName(path).constData(), "2", "P2", "", "", 0);
    RegularFile::setOpenFunction(nullptr);
    QCOMPARE(outcome, ProfileFiles::Outcome::Denied);
    QVERIFY(profiles.isEmpty());
    QVERIFY(!added);
    // Left in place as it was, nothing set aside; once readable, it is the user's file again.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"brivexProFile.xml"});
    QCOMPARE(xmltest::readFile(QFile::encodeName(path)), content);
    QCOMPARE(xml.refusedFiles().size(), 1);
    QVERIFY(xml.refusedFiles().first().reason.contains(QLatin1String("permission")));
    QVERIFY(xml.refusedFiles().first().asidePath.isEmpty());
    QCOMPARE(ProfileFiles::prepare(&xml, path, 0, QStringLiteral("ZK87A"), false), ProfileFiles::Outcome::Existing);
}

QTEST_GUILESS_MAIN(tst_ProfileFiles)
#include "tst_ProfileFiles.moc"

void tst_ProfileFiles::resetProfile_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<QString>("model");
    QTest::newRow("keyboard") << 0 << QStringLiteral("ZK87A");
    QTest::newRow("mouse") << 1 << QStringLiteral("ZM1");
}

void tst_ProfileFiles::resetProfile()
{
    QFETCH(int, deviceType);
    QFETCH(QString, model);
    QTemporaryDir dir;
    xmlInterface xml;
    const QByteArray path = fileWithChangedProfile2(xml, dir, deviceType, model);
    QVERIFY(!path.isEmpty());

    QVERIFY(ProfileFiles::resetProfile(&xml, path, 2, deviceType, model, models::keyCount(model)));
    ProfileConfigInfo info;
    xml.getProfileInfo(path.constData(), "2", &info);
    QCOMPARE(QByteArray(info.name), QByteArray("Mine"));
    QCOMPARE(QByteArray(info.proFileAppName), QByteArray());
    QVERIFY(!xml.hasKeyMapItem(path.constData(), "2", "4"));
    QCOMPARE(xml.getProfileIndex(path.constData()), 2);
    // Profile 2 reads as the first profile of a new file, but for its index and name, and has
    // moved to the end of the file.
    const QByteArray written = squeezed(xmltest::readFile(path));
    const int third = written.indexOf("<config index=\"3\"");
    const int second = written.indexOf("<config index=\"2\"");
    QVERIFY(third > 0 && second > third);
    const int first = written.indexOf("<config index=\"1\"");
    QByteArray profile1 = written.mid(first, written.indexOf("</config>", first) - first);
    profile1.replace("<config index=\"1\" name=\"Profile1\"", "<config index=\"2\" name=\"Mine\"");
    QCOMPARE(written.mid(second, written.indexOf("</config>", second) - second), profile1);

    // A profile the file does not hold is not made.
    const QByteArray before = xmltest::readFile(path);
    QVERIFY(!ProfileFiles::resetProfile(&xml, path, 5, deviceType, model, models::keyCount(model)));
    QCOMPARE(xmltest::readFile(path), before);
}

void tst_ProfileFiles::failedResetKeepsTheFile_data()
{
    QTest::addColumn<bool>("onlyTheSwapFails");
    QTest::newRow("no write succeeds") << false;
    QTest::newRow("the new profile is built, the swap fails") << true;
}

void tst_ProfileFiles::failedResetKeepsTheFile()
{
    QFETCH(bool, onlyTheSwapFails);
    QTemporaryDir dir;
    xmlInterface xml;
    const QString model = QStringLiteral("ZK87A");
    const QByteArray path = fileWithChangedProfile2(xml, dir, 0, model);
    QVERIFY(!path.isEmpty());
    rlim_t limit = 0;
    if (onlyTheSwapFails) {
        // Sizes from a reset of a copy: the reset file, and the reset profile alone, as it is built.
        const QByteArray copy = xmltest::writeFile(dir, QStringLiteral("copy.xml"), xmltest::readFile(path));
        QVERIFY(ProfileFiles::resetProfile(&xml, copy, 2, 0, model, models::keyCount(model)));
        const qint64 whole = xmltest::readFile(copy).size();
        QVERIFY(xml.deleteNodeByValue(copy.constData(), "1"));
        const qint64 alone = xmltest::readFile(copy).size();
        QVERIFY(whole - alone > 200);
        limit = static_cast<rlim_t>((whole + alone) / 2);
    }
    const QByteArray before = xmltest::readFile(path);
    QVERIFY(!withFileSizeLimit(
        limit, [&] { return ProfileFiles::resetProfile(&xml, path, 2, 0, model, models::keyCount(model)); }));
    QCOMPARE(xmltest::readFile(path), before);
    QVERIFY(xml.hasKeyMapItem(path.constData(), "2", "4"));
}
