// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataTestSupport.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <QSettings>

class tst_DDataManager : public QObject
{
    Q_OBJECT

private:
    static QString settingsPath(const FreshDataHome &home)
    {
        return home.appDataDir() + QStringLiteral("/UserConfig/BrivexConfig.ini");
    }

private slots:
    void firstRunThenSecondRun();
    void shippedVersionChange();
    void missingDefaultConfigFallsBack();
    void unusableLogFolderKeepsProgramWorking();
    void startLineOpensTheDaysLog();
    void storedThemeIndexAtStart_data();
    void storedThemeIndexAtStart();
    void getFontMatrix_data();
    void getFontMatrix();
    void getElidedText_data();
    void getElidedText();
    void getInstanceIsOneObjectInTheAppNamedFolder();
    void onlyTrueTurnsOnBackgroundPictures_data();
    void onlyTrueTurnsOnBackgroundPictures();
};

void tst_DDataManager::onlyTrueTurnsOnBackgroundPictures_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("on");
    QTest::newRow("true") << QByteArray("true") << true;
    QTest::newRow("false") << QByteArray("false") << false;
    QTest::newRow("yes") << QByteArray("yes") << false;
    QTest::newRow("1") << QByteArray("1") << false;
    QTest::newRow("any text") << QByteArray("pictures please") << false;
    QTest::newRow("empty") << QByteArray("") << false;
}

void tst_DDataManager::onlyTrueTurnsOnBackgroundPictures()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, on);
    FreshDataHome home;
    QVERIFY(writeFixture(settingsPath(home), "[ThemeBgImage]\nBgImageIsUsing=" + value + "\n"));
    TestDataManager manager(kShippedDefaultConfig);
    QCOMPARE(manager.getBgImageIsUsing(), on);
}

void tst_DDataManager::firstRunThenSecondRun()
{
    FreshDataHome home;
    bool firstChanged = false;
    {
        TestDataManager manager(kShippedDefaultConfig);
        firstChanged = manager.getAppVersionChanged();
        QCOMPARE(manager.getUserConfigDir(), home.appDataDir() + QStringLiteral("/UserConfig"));
        QCOMPARE(manager.getUserConfig(), false);
        QCOMPARE(manager.getLightSynchronize(), false);
        QCOMPARE(manager.getSupportAnimation(), false);
        QCOMPARE(manager.getCurrentAppIndexNum(), 44);
        QCOMPARE(manager.getBgImageIsUsing(), false);
    }
    QVERIFY(firstChanged);
    // The parents of the application-data folder did not exist: they are made too.
    QVERIFY(QFileInfo(home.appDataDir() + QStringLiteral("/UserConfig")).isDir());
    QVERIFY(QFileInfo(home.appDataDir() + QStringLiteral("/LogCollect")).isDir());

    const QByteArray expected = "[Theme]\nselectThemeIndex=0\n\n"
                                "[ThemeBgImage]\nBgImageIsUsing=false\n\n"
                                "[oldVersion]\nVersionInfo=V_1.04.15\n";
    QCOMPARE(readAll(settingsPath(home)), expected);

    {
        TestDataManager manager(kShippedDefaultConfig);
        QCOMPARE(manager.getAppVersionChanged(), false);
    }
    QCOMPARE(readAll(settingsPath(home)), expected);
}

void tst_DDataManager::shippedVersionChange()
{
    FreshDataHome home;
    const QString config = home.root() + QStringLiteral("/Default.ini");
    QVERIFY(writeFixture(config, "[AppVersion]\nVersion=V_1.04.15\n"));
    {
        TestDataManager first(config);
    }

    QVERIFY(writeFixture(config, "[AppVersion]\nVersion=V_1.05.00\n"));
    {
        TestDataManager upgraded(config);
        QVERIFY(upgraded.getAppVersionChanged());
    }
    QCOMPARE(QSettings(settingsPath(home), QSettings::IniFormat).value("oldVersion/VersionInfo").toString(),
             QStringLiteral("V_1.05.00"));
    {
        TestDataManager again(config);
        QCOMPARE(again.getAppVersionChanged(), false);
    }
}

void tst_DDataManager::missingDefaultConfigFallsBack()
{
    FreshDataHome home;
    TestDataManager manager(home.root() + QStringLiteral("/absent.ini"));
    QCOMPARE(manager.getUserConfig(), false);
    QCOMPARE(manager.getLightSynchronize(), false);
    QCOMPARE(manager.getSupportAnimation(), false);
    QCOMPARE(manager.getCurrentAppIndexNum(), 0);
    QVERIFY(manager.getAppVersionChanged());
    QCOMPARE(QSettings(settingsPath(home), QSettings::IniFormat).value("oldVersion/VersionInfo").toString(),
             QStringLiteral("V_1.00.00"));
}

void tst_DDataManager::unusableLogFolderKeepsProgramWorking()
{
    FreshDataHome home;
    // A plain file where the log folder belongs: neither the folder nor the log can be made.
    QVERIFY(writeFixture(home.appDataDir() + QStringLiteral("/LogCollect"), "not a folder"));
    TestDataManager manager(kShippedDefaultConfig);
    manager.writeLog(QStringLiteral("dropped"));
    QCOMPARE(manager.getThemeColor().TextDefaultColor, QStringLiteral("205,205,205"));
    QVERIFY(manager.getAppVersionChanged());
    QVERIFY(QFileInfo(settingsPath(home)).isFile());
    QCOMPARE(readAll(home.appDataDir() + QStringLiteral("/LogCollect")), QByteArray("not a folder"));
}

void tst_DDataManager::startLineOpensTheDaysLog()
{
    FreshDataHome home;
    TestDataManager manager(kShippedDefaultConfig);
    manager.writeLog(QStringLiteral("Get hid device info start: [Open_path - Unable to open Hid]"));

    const QDir logDir(home.appDataDir() + QStringLiteral("/LogCollect"));
    const QStringList files = logDir.entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QVERIFY2(
        QRegularExpression(QStringLiteral("^\\d{4}-[1-9]\\d?-[1-9]\\d?_Log\\.txt$")).match(files.first()).hasMatch(),
        qPrintable(files.first()));

    // Written while the manager is alive: every line is on the disk at once.
    const QList<QByteArray> lines = readAll(logDir.filePath(files.first())).split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(2).isEmpty());
    const QRegularExpression start(
        QStringLiteral("^\\d{4}-[1-9]\\d?-[1-9]\\d? \\d\\d:\\d\\d:\\d\\d__\\*{20}-{20}Start collect log:"
                       "\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d (Mon|Tue|Wed|Thu|Fri|Sat|Sun)$"));
    QVERIFY2(start.match(QString::fromLatin1(lines.at(0))).hasMatch(), lines.at(0).constData());
    QVERIFY(lines.at(1).endsWith("__Get hid device info start: [Open_path - Unable to open Hid]"));
}

void tst_DDataManager::storedThemeIndexAtStart_data()
{
    QTest::addColumn<QByteArray>("userSettings");
    QTest::addColumn<bool>("userConfig");
    QTest::addColumn<bool>("otherFileBesideProgram");
    QTest::addColumn<int>("storedAfter");
    QTest::addColumn<QString>("textCheckedColor");
    QTest::addColumn<QString>("mainWidgetBgColor");

    // "Other" from the program's folder is recognisable by its colours.
    QTest::newRow("absent key: Dark, 0 stored") << QByteArray() << false << false << 0 << "255,209,0"
                                                << "30,30,30";
    QTest::newRow("Blue") << QByteArray("[Theme]\nselectThemeIndex=2\n") << false << false << 2 << "0,45,150"
                          << "100,149,237";
    QTest::newRow("Other without user configuration: Dark, 0 stored")
        << QByteArray("[Theme]\nselectThemeIndex=4\n") << false << true << 0 << "255,209,0"
        << "30,30,30";
    QTest::newRow("Other from the program folder")
        << QByteArray("[Theme]\nselectThemeIndex=4\n") << true << true << 4 << "1,2,3"
        << "4,5,6";
    QTest::newRow("Other missing in the program folder: empty record")
        << QByteArray("[Theme]\nselectThemeIndex=4\n") << true << false << 4 << ""
        << "";
    QTest::newRow("index 9: Dark, index kept")
        << QByteArray("[Theme]\nselectThemeIndex=9\n") << false << false << 9 << "255,209,0"
        << "30,30,30";
    QTest::newRow("background image keeps alpha")
        << QByteArray("[ThemeBgImage]\nBgImageIsUsing=true\n") << false << false << 0 << "255,209,0"
        << "30,30,30,128";
}

void tst_DDataManager::storedThemeIndexAtStart()
{
    QFETCH(QByteArray, userSettings);
    QFETCH(bool, userConfig);
    QFETCH(bool, otherFileBesideProgram);
    QFETCH(int, storedAfter);
    QFETCH(QString, textCheckedColor);
    QFETCH(QString, mainWidgetBgColor);

    FreshDataHome home;
    if (!userSettings.isEmpty())
        QVERIFY(writeFixture(settingsPath(home), userSettings));
    const QString programDir = home.root() + QStringLiteral("/program");
    const QString config = home.root() + QStringLiteral("/Default.ini");
    QVERIFY(
        writeFixture(config, userConfig ? "[MyselfConfig]\nuserConfig=true\n" : "[MyselfConfig]\nuserConfig=false\n"));
    if (otherFileBesideProgram)
        QVERIFY(writeFixture(programDir + QStringLiteral("/configDir/OtherThemeConfig.ini"),
                             "[ThemeColor]\r\nTextCheckedColor = 1.2.3\r\nMainWidgetBgColor = 4.5.6\r\n"));

    TestDataManager manager(config, programDir);
    QCOMPARE(manager.getUserConfig(), userConfig);
    const ThemeColorConfig theme = manager.getThemeColor();
    QCOMPARE(theme.TextCheckedColor, textCheckedColor);
    QCOMPARE(theme.MainWidgetBgColor, mainWidgetBgColor);
    QCOMPARE(QSettings(settingsPath(home), QSettings::IniFormat).value("Theme/selectThemeIndex").toInt(), storedAfter);
}

void tst_DDataManager::getFontMatrix_data()
{
    QTest::addColumn<bool>("useLocalFont");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("themeFont");
    QTest::addColumn<int>("weight");

    QTest::newRow("app font, kind 0") << false << 0 << false << -1;
    QTest::newRow("app font, kind 1") << false << 1 << false << -1;
    QTest::newRow("local font, kind 0 bold") << true << 0 << true << 75;
    QTest::newRow("local font, kind 1 normal") << true << 1 << true << 50;
    QTest::newRow("local font, kind 2") << true << 2 << false << -1;
    QTest::newRow("local font, kind -1") << true << -1 << false << -1;
}

void tst_DDataManager::getFontMatrix()
{
    QFETCH(bool, useLocalFont);
    QFETCH(int, kind);
    QFETCH(bool, themeFont);
    QFETCH(int, weight);

    FreshDataHome home;
    QGuiApplication::setFont(QFont(QStringLiteral("Sans"), 13));
    TestDataManager manager(kShippedDefaultConfig);
    manager.setUseFontStatus(useLocalFont);
    const QFont font = manager.getFont(kind);

    QCOMPARE(font.family(), QStringLiteral("Microsoft YaHei"));
    if (themeFont) {
        QCOMPARE(font.pointSize(), 10);
        QCOMPARE(font.weight(), weight);
        QCOMPARE(font.italic(), false);
    } else {
        QCOMPARE(font.pointSize(), 13);
    }
}

void tst_DDataManager::getElidedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shortened");

    QTest::newRow("narrow") << QStringLiteral("DPI") << false;
    QTest::newRow("wide") << QStringLiteral("A much too long button caption for this place") << true;
    QTest::newRow("wide, Chinese") << QStringLiteral("这是一个非常非常非常非常长的宏名称文本") << true;
}

void tst_DDataManager::getElidedText()
{
    QFETCH(QString, text);
    QFETCH(bool, shortened);

    FreshDataHome home;
    TestDataManager manager(kShippedDefaultConfig);
    const QFont font(QStringLiteral("Microsoft YaHei"), 10);
    const QFontMetrics metrics(font);
    const int maxWidth = metrics.horizontalAdvance(QStringLiteral("DPI")) * 3;

    const QString result = manager.getElidedText(font, text, maxWidth);
    if (!shortened) {
        QCOMPARE(result, text);
        return;
    }
    QVERIFY(result.endsWith(QChar(0x2026)));
    QVERIFY(result.size() < text.size());
    QVERIFY(text.startsWith(result.chopped(1)));
    QVERIFY(metrics.horizontalAdvance(result) <= maxWidth);
}

void tst_DDataManager::getInstanceIsOneObjectInTheAppNamedFolder()
{
    FreshDataHome home;
    DDataManager *manager = DDataManager::getInstance();
    QCOMPARE(DDataManager::getInstance(), manager);
    // No application name is set: the executable's base name names the folder.
    QCOMPARE(manager->getUserConfigDir(), home.root() + QStringLiteral("/not/yet/there/tst_DDataManager/UserConfig"));
}

ZELKA_DATA_TEST_MAIN(tst_DDataManager)
#include "tst_DDataManager.moc"
