// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataTestSupport.h"
#include "UserSettings.h"

#include <QSettings>

// The settings file's one home: its path, its named keys, a round trip through the file, and a
// file that cannot be written.
class tst_UserSettings : public QObject
{
    Q_OBJECT
private slots:
    void pathBeforeTheDataManagerExists();
    void roundTrip();
    void defaultsWithoutAFile();
    void sharedWithTheDataManager();
    void unwritableFile();
};

void tst_UserSettings::pathBeforeTheDataManagerExists()
{
    // Nothing of the data manager is made here: the application object reads the language first.
    FreshDataHome home;
    QCOMPARE(UserSettings::folder(), home.appDataDir() + QStringLiteral("/UserConfig"));
    QCOMPARE(UserSettings::filePath(), home.appDataDir() + QStringLiteral("/UserConfig/BrivexConfig.ini"));
    {
        UserSettings settings;
        settings.setValue(UserSettingsKey::Language, 3);
        QVERIFY(settings.sync());  // QSettings makes the missing folders
    }
    QVERIFY(QFileInfo::exists(UserSettings::filePath()));
    QCOMPARE(UserSettings().languageIndex(), 3);
}

void tst_UserSettings::roundTrip()
{
    FreshDataHome home;
    {
        UserSettings settings;
        settings.setValue(UserSettingsKey::AutoStart, true);
        settings.setValue(UserSettingsKey::MinimizeToTray, true);
        settings.setValue(UserSettingsKey::CloseToTray, false);
        settings.setValue(UserSettingsKey::Language, 7);
        settings.setValue(UserSettingsKey::Theme, 2);
        settings.setValue(UserSettingsKey::MainWindowId, 1234);
        QVERIFY(settings.sync());
    }
    const UserSettings again;
    QCOMPARE(again.autoStart(), true);
    QCOMPARE(again.minimizeToTray(), true);
    QCOMPARE(again.closeToTray(), false);
    QCOMPARE(again.languageIndex(), 7);
    QCOMPARE(again.themeIndex(), 2);
    QCOMPARE(again.value(UserSettingsKey::MainWindowId).toInt(), 1234);

    // The keys are the file's own names, as other versions of the program read them.
    const QSettings raw(UserSettings::filePath(), QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("AutoStart/isAutoStart")).toBool(), true);
    QCOMPARE(raw.value(QStringLiteral("MinimizeToTray/isMinimizeToTray")).toBool(), true);
    QCOMPARE(raw.value(QStringLiteral("CloseToTray/isCloseToTray")).toBool(), false);
    QCOMPARE(raw.value(QStringLiteral("Language/selectLanguageIndex")).toInt(), 7);
    QCOMPARE(raw.value(QStringLiteral("Theme/selectThemeIndex")).toInt(), 2);
    QCOMPARE(raw.value(QStringLiteral("MainWinID/MainWinIdNum")).toInt(), 1234);
}

void tst_UserSettings::defaultsWithoutAFile()
{
    FreshDataHome home;
    const UserSettings settings;
    QVERIFY(!settings.contains(UserSettingsKey::AutoStart));
    QCOMPARE(settings.autoStart(), false);
    QCOMPARE(settings.closeToTray(), false);
    QCOMPARE(settings.languageIndex(), -1);
    QCOMPARE(settings.themeIndex(), 0);
    QVERIFY(!QFileInfo::exists(UserSettings::filePath()));  // reading writes nothing
}

void tst_UserSettings::sharedWithTheDataManager()
{
    FreshDataHome home;
    {
        UserSettings settings;
        settings.setValue(UserSettingsKey::Theme, 3);
        QVERIFY(settings.sync());
    }
    TestDataManager manager(kShippedDefaultConfig);
    QCOMPARE(manager.getUserConfigDir(), UserSettings::folder());
    QCOMPARE(UserSettings().themeIndex(), 3);
    QVERIFY(UserSettings().contains(UserSettingsKey::OldVersion));  // written by the manager
}

void tst_UserSettings::unwritableFile()
{
    // As root permissions do not bind: the file's parent is a regular file.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString blocker = dir.filePath(QStringLiteral("UserConfig"));
    QVERIFY(writeFixture(blocker, "not a folder"));

    UserSettings settings(blocker + QStringLiteral("/BrivexConfig.ini"));
    settings.setValue(UserSettingsKey::AutoStart, true);
    QVERIFY(!settings.sync());
    QCOMPARE(settings.autoStart(), true);  // kept in memory
    QCOMPARE(readAll(blocker), QByteArray("not a folder"));
}

ZELKA_DATA_TEST_MAIN(tst_UserSettings)
#include "tst_UserSettings.moc"
