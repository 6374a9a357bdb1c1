// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog on its own: what it reads and writes, its language and theme changes and
// its About page.

#include "AutoStartEntry.h"
#include "CbNotice.h"
#include "DDataManager.h"
#include "DFirwareInfoShow.h"
#include "DSettingsDia.h"
#include "NoFileGrowth.h"
#include "QtLinguist.h"
#include "SettingsTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

QString text(QObject *parent, const char *label)
{
    return child<QLabel>(parent, label)->text();
}

// Collects debug lines, for outcomes that only show there.
QStringList g_lines;
QtMessageHandler g_previous = nullptr;
void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    g_lines << message;
    if (g_previous)
        g_previous(type, context, message);
}

}  // namespace

class tst_SettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsFromUserSettings_data();
    void controlsFromUserSettings();
    void autoStartWritesAndRemovesEntry();
    void saveFailureReported_data();
    void saveFailureReported();
    void themeChoiceRestylesAndSignals();
    void languageLoadRetranslates();
    void failedLanguageLoadChangesNothing();
    void aboutPage_data();
    void aboutPage();
    void languageTextRecognition_data();
    void languageTextRecognition();
    void firmwareInfoWindowGoesWhenItEnds();

private:
    std::unique_ptr<QtLinguist> linguist;
};

void tst_SettingsDialog::initTestCase()
{
    DDataManager::getInstance();
    linguist = std::make_unique<QtLinguist>(QStringLiteral(ZELKA_TRANSLATION_DIR));
}

void tst_SettingsDialog::init()
{
    QFile::remove(userIniPath());
    AutoStartEntry::disable(QCoreApplication::applicationName());
    DDataManager::getInstance()->loadThemeConfig(0);
    DSettingsDia::setLanguageLoader({});
}

void tst_SettingsDialog::cleanup()
{
    DSettingsDia::setLanguageLoader({});
    linguist->loadLanguage(QtLinguist::English);
    g_lines.clear();
}

void tst_SettingsDialog::controlsFromUserSettings_data()
{
    QTest::addColumn<QVariant>("language");
    QTest::addColumn<QVariant>("theme");
    QTest::addColumn<bool>("closeToTray");
    QTest::addColumn<QString>("languageShown");
    QTest::addColumn<QString>("themeShown");

    QTest::newRow("nothing stored") << QVariant() << QVariant() << false << QString::fromUtf8("简体中文")
                                    << QStringLiteral("Dark");
    QTest::newRow("German, Light") << QVariant(10) << QVariant(1) << true << QStringLiteral("Deutsch")
                                   << QStringLiteral("Light");
    QTest::newRow("Arabic, Pink") << QVariant(7) << QVariant(3) << false << QString::fromUtf8("\u00A0عربي ،")
                                  << QStringLiteral("Pink");
    // Other is not offered without the user configuration; an unknown language shows the first entry.
    QTest::newRow("Other hidden") << QVariant(99) << QVariant(4) << true << QString::fromUtf8("简体中文")
                                  << QStringLiteral("Dark");
    QTest::newRow("theme out of range") << QVariant(3) << QVariant(9) << false << QStringLiteral("English")
                                        << QStringLiteral("Dark");
}

void tst_SettingsDialog::controlsFromUserSettings()
{
    QFETCH(QVariant, language);
    QFETCH(QVariant, theme);
    QFETCH(bool, closeToTray);
    QFETCH(QString, languageShown);
    QFETCH(QString, themeShown);
    {
        QSettings settings(userIniPath(), QSettings::IniFormat);
        if (language.isValid())
            settings.setValue(QStringLiteral("Language/selectLanguageIndex"), language);
        if (theme.isValid())
            settings.setValue(QStringLiteral("Theme/selectThemeIndex"), theme);
        settings.setValue(QStringLiteral("CloseToTray/isCloseToTray"), closeToTray);
    }
    DSettingsDia dialog;
    QCOMPARE(child<QComboBox>(&dialog, "comboBox_Language")->currentText(), languageShown);
    QCOMPARE(child<QComboBox>(&dialog, "comboBox_Theme")->currentText(), themeShown);
    QCOMPARE(child<QCheckBox>(&dialog, "checkBox_Close")->isChecked(), closeToTray);
    QCOMPARE(child<QComboBox>(&dialog, "comboBox_Language")->count(), 14);
    QCOMPARE(dialog.size(), QSize(700, 460));

    // Filling the boxes wrote nothing: the stored values stay as they were.
    QSettings settings(userIniPath(), QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Theme/selectThemeIndex")),
             theme.isValid() ? QVariant(theme.toString()) : QVariant());
    QCOMPARE(settings.contains(QStringLiteral("Language/selectLanguageIndex")), language.isValid());

    // The hidden parts stay hidden when the dialog shows; the background-image box still passes the stored index.
    dialog.show();
    QVERIFY(!child<QWidget>(&dialog, "frame_6")->isVisible());
    QVERIFY(!child<QWidget>(&dialog, "checkBox_Minimize")->isVisible());
    QVERIFY(!child<QWidget>(&dialog, "frame_18")->isVisible());
    QVERIFY(!child<QWidget>(&dialog, "frame_15")->isVisible());
    QVERIFY(child<QWidget>(&dialog, "checkBox_AutoStart")->isVisible());
    QSignalSpy themeSpy(&dialog, &DSettingsDia::sigChangAppTheme);
    child<QCheckBox>(&dialog, "checkBox_UsingBgImage")->click();
    QCOMPARE(themeSpy.count(), 1);
    QCOMPARE(themeSpy.at(0).at(0).toInt(), theme.isValid() ? theme.toInt() : 0);
    DDataManager::getInstance()->setBgImageIsUsing(false);
}

void tst_SettingsDialog::autoStartWritesAndRemovesEntry()
{
    g_previous = qInstallMessageHandler(collect);
    const QString name = QCoreApplication::applicationName();
    DSettingsDia dialog;
    QCheckBox *box = child<QCheckBox>(&dialog, "checkBox_AutoStart");
    QVERIFY(!box->isChecked());

    box->click();
    QVERIFY(AutoStartEntry::isEnabled(name));
    QFile entry(AutoStartEntry::entryPath(name));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    QVERIFY(entry.readAll().contains(AutoStartEntry::execLine(QCoreApplication::applicationFilePath()).toUtf8()));
    QCOMPARE(QSettings(userIniPath(), QSettings::IniFormat).value(QStringLiteral("AutoStart/isAutoStart")).toBool(),
             true);

    box->click();
    QVERIFY(!QFile::exists(AutoStartEntry::entryPath(name)));
    QCOMPARE(QSettings(userIniPath(), QSettings::IniFormat).value(QStringLiteral("AutoStart/isAutoStart")).toBool(),
             false);
    qInstallMessageHandler(g_previous);
    QVERIFY(g_lines.filter(QStringLiteral("Settings not written")).isEmpty());

    // A new dialog reads the stored state.
    box->click();
    DSettingsDia again;
    QVERIFY(child<QCheckBox>(&again, "checkBox_AutoStart")->isChecked());
}

void tst_SettingsDialog::saveFailureReported_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("notice");
    QTest::newRow("nothing in the way") << ""
                                        << "checkBox_AutoStart"
                                        << "Set config success";
    QTest::newRow("the autostart entry cannot be written") << "autostart"
                                                           << "checkBox_AutoStart"
                                                           << "Set config failed";
    QTest::newRow("the settings file cannot be made") << "settings folder"
                                                      << "checkBox_Close"
                                                      << "Set config failed";
    QTest::newRow("the settings file cannot be saved") << "no file growth"
                                                       << "checkBox_Close"
                                                       << "Set config failed";
}

// What the user is told after a change, and the log line of a failure. The tests run as root,
// where permissions do not bind: a file that cannot be made has a regular file for its parent,
// and a save that must fail runs under NoFileGrowth.
void tst_SettingsDialog::saveFailureReported()
{
    QFETCH(QString, fault);
    QFETCH(QString, box);
    QFETCH(QString, notice);

    // A regular file where a folder should be, taken away at the end.
    QString blocked;
    QString aside;
    auto block = [&](const QString &folder) {
        blocked = folder;
        if (QFileInfo::exists(folder)) {
            aside = folder + QStringLiteral(".aside");
            QVERIFY(QDir().rename(folder, aside));
        }
        QVERIFY(QDir().mkpath(QFileInfo(folder).path()));
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    };
    auto unblock = qScopeGuard([&] {
        if (blocked.isEmpty())
            return;
        QFile::remove(blocked);
        if (!aside.isEmpty())
            QDir().rename(aside, blocked);
    });
    if (fault == QLatin1String("autostart"))
        block(QFileInfo(AutoStartEntry::entryPath(QCoreApplication::applicationName())).path());
    else if (fault == QLatin1String("settings folder"))
        block(QFileInfo(userIniPath()).path());
    if (QTest::currentTestFailed())
        return;

    DSettingsDia dialog;
    auto *shown = dialog.findChild<CbNotice *>();
    QVERIFY(shown);
    g_previous = qInstallMessageHandler(collect);
    {
        std::unique_ptr<NoFileGrowth> noGrowth;
        if (fault == QLatin1String("no file growth"))
            noGrowth = std::make_unique<NoFileGrowth>();
        child<QCheckBox>(&dialog, qPrintable(box))->click();
    }
    qInstallMessageHandler(g_previous);
    QCOMPARE(shown->text(), notice);
    QCOMPARE(g_lines.filter(QStringLiteral("Settings not written")).size(), notice.endsWith("failed") ? 1 : 0);
}

void tst_SettingsDialog::themeChoiceRestylesAndSignals()
{
    DSettingsDia dialog;
    dialog.show();
    QWidget *general = child<QWidget>(&dialog, "pushButton_General");
    const QImage dark = general->grab().toImage();

    QSignalSpy themeSpy(&dialog, &DSettingsDia::sigChangAppTheme);
    child<QComboBox>(&dialog, "comboBox_Theme")->setCurrentIndex(1);
    QCOMPARE(themeSpy.count(), 1);
    QCOMPARE(themeSpy.at(0).at(0).toInt(), 1);
    QCOMPARE(QSettings(userIniPath(), QSettings::IniFormat).value(QStringLiteral("Theme/selectThemeIndex")).toInt(), 1);
    // The checked page button takes the Light theme's colours.
    const ThemeColorConfig light = DDataManager::getInstance()->getThemeColor();
    QVERIFY(general->grab().toImage() != dark);
    QVERIFY(child<QWidget>(&dialog, "frame_4")->styleSheet().contains(light.SettingsControlSelectedBgColor));
    QVERIFY(text(&dialog, "label_Link").contains(QStringLiteral("rgb(%1)").arg(light.TextCheckedColor)));
}

void tst_SettingsDialog::languageLoadRetranslates()
{
    {
        QSettings settings(userIniPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Theme/selectThemeIndex"), 1);
    }
    QList<int> asked;
    DSettingsDia::setLanguageLoader([this, &asked](int language) {
        asked << language;
        return linguist->loadLanguage(QtLinguist::Language(language));
    });
    DSettingsDia dialog;
    QSignalSpy allUi(&dialog, &DSettingsDia::sigUpdataAllUI);
    QSignalSpy themeSpy(&dialog, &DSettingsDia::sigChangAppTheme);
    QComboBox *languages = child<QComboBox>(&dialog, "comboBox_Language");
    languages->setCurrentIndex(languages->findText(QStringLiteral("Deutsch")));

    QCOMPARE(asked, QList<int>{10});
    QCOMPARE(allUi.count(), 1);
    QCOMPARE(text(&dialog, "label_Title"), QStringLiteral("Einstellungen"));
    // The theme box is rebuilt in German, on the stored theme, without a theme change.
    QComboBox *themes = child<QComboBox>(&dialog, "comboBox_Theme");
    QCOMPARE(themes->itemText(0), QStringLiteral("Dunkel"));
    QCOMPARE(themes->currentText(), QStringLiteral("Hell"));
    QCOMPARE(themeSpy.count(), 0);
    QCOMPARE(
        QSettings(userIniPath(), QSettings::IniFormat).value(QStringLiteral("Language/selectLanguageIndex")).toInt(),
        10);

    // The About page is filled from the configuration again when it is opened.
    child<QPushButton>(&dialog, "pushButton_About")->click();
    QCOMPARE(text(&dialog, "label_AppName"), QStringLiteral("ZELKA"));
    QCOMPARE(child<QStackedWidget>(&dialog, "stackedWidget")->currentIndex(), 1);
}

void tst_SettingsDialog::failedLanguageLoadChangesNothing()
{
    DSettingsDia::setLanguageLoader([](int) { return false; });
    DSettingsDia dialog;
    QSignalSpy allUi(&dialog, &DSettingsDia::sigUpdataAllUI);
    QComboBox *languages = child<QComboBox>(&dialog, "comboBox_Language");
    languages->setCurrentIndex(languages->findText(QStringLiteral("Polski")));
    QCOMPARE(allUi.count(), 0);
    QCOMPARE(text(&dialog, "label_Title"), QStringLiteral("Settings"));
    QCOMPARE(child<QComboBox>(&dialog, "comboBox_Theme")->count(), 4);
    // Stored all the same, for the next start.
    QCOMPARE(
        QSettings(userIniPath(), QSettings::IniFormat).value(QStringLiteral("Language/selectLanguageIndex")).toInt(),
        12);
}

void tst_SettingsDialog::aboutPage_data()
{
    QTest::addColumn<QString>("config");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("company");
    QTest::addColumn<QString>("copyright");
    QTest::addColumn<bool>("linkShown");

    QTest::newRow("shipped") << QString() << QStringLiteral("V_1.04.15") << QStringLiteral("ZELKA")
                             << QStringLiteral("Copyright (C) ZELKA")
                                    + QStringLiteral(". Free software under the GNU GPL, version 3 or later.")
                             << false;
    QTest::newRow("no keys") << QStringLiteral("[Other]\nkey=1\n") << QStringLiteral("V_1.00.00")
                             << QStringLiteral("CompanyName")
                             << QStringLiteral("Copyright")
                                    + QStringLiteral(". Free software under the GNU GPL, version 3 or later.")
                             << false;
    QTest::newRow("link shown, commas")
        << QStringLiteral("[AppVersion]\nVersion=V_9\n[CompanyName]\nComName=Acme\n[Copyright]\nCopyrightStr=a*b*c\n"
                          "[CompanyLinkFrame]\nshowStatus=true\n")
        << QStringLiteral("V_9") << QStringLiteral("Acme")
        << QStringLiteral("a,b,c") + QStringLiteral(". Free software under the GNU GPL, version 3 or later.") << true;
    QTest::newRow("missing file") << QStringLiteral("-") << QStringLiteral("V_1.00.00") << QStringLiteral("CompanyName")
                                  << QStringLiteral("Copyright")
                                         + QStringLiteral(". Free software under the GNU GPL, version 3 or later.")
                                  << false;
}

void tst_SettingsDialog::aboutPage()
{
    QFETCH(QString, config);
    QFETCH(QString, version);
    QFETCH(QString, company);
    QFETCH(QString, copyright);
    QFETCH(bool, linkShown);

    QTemporaryDir dir;
    QString path = QStringLiteral(":/images/configDir/BrivexDefaultConfig.ini");
    if (config == QLatin1String("-")) {
        path = dir.filePath(QStringLiteral("absent.ini"));
    } else if (!config.isEmpty()) {
        path = dir.filePath(QStringLiteral("config.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(config.toUtf8());
    }
    DSettingsDia dialog(path, nullptr);
    dialog.show();
    child<QPushButton>(&dialog, "pushButton_About")->click();
    QCOMPARE(text(&dialog, "label_AppVersion"), version);
    QCOMPARE(text(&dialog, "label_AppName"), company);
    QCOMPARE(text(&dialog, "label_Copyright"), copyright);
    QCOMPARE(child<QLabel>(&dialog, "label_Link")->isVisible(), linkShown);
    QVERIFY(text(&dialog, "label_Link").contains(QStringLiteral(">%1</span>").arg(company)));
}

void tst_SettingsDialog::languageTextRecognition_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("language");
    const QStringList names = DSettingsDia::languageNames();
    const int values[] = {1, 3, 2, 5, 6, 4, 8, 9, 10, 11, 12, 13, 7, 14};
    for (int i = 0; i < names.size(); ++i)
        QTest::newRow(qPrintable(QString::number(i))) << names.at(i) << values[i];
    QTest::newRow("unknown") << QStringLiteral("Klingon") << 1;
}

void tst_SettingsDialog::languageTextRecognition()
{
    QFETCH(QString, text);
    QFETCH(int, language);
    QCOMPARE(DSettingsDia::languageOfText(text), language);
}

void tst_SettingsDialog::firmwareInfoWindowGoesWhenItEnds()
{
    DSettingsDia dialog;
    // The double-click on the logo is heard once the dialog has settled: half a second after it
    // was built. A timer started after that one, with a longer interval, runs after it however
    // late the event loop gets to them.
    bool settled = false;
    QTimer::singleShot(600, &dialog, [&settled] { settled = true; });
    dialog.setFirmwareInfoMap({{QStringLiteral("ZK87A"), QStringLiteral("1.02")}});
    dialog.show();
    QWidget *logo = child<QWidget>(&dialog, "frame_LogoSet");
    QTRY_VERIFY_WITH_TIMEOUT(settled, 20000);
    for (int round = 0; round < 3; ++round) {
        int shown = 0;
        QTimer::singleShot(0, &dialog, [&] {
            if (auto *info = qobject_cast<DFirwareInfoShow *>(QApplication::activeModalWidget())) {
                shown = info->rows().size();
                info->reject();
            }
        });
        QTest::mouseDClick(logo, Qt::LeftButton);
        QCOMPARE(shown, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The window that ended is gone: a settings dialog open all day does not gather them.
        QCOMPARE(dialog.findChildren<DFirwareInfoShow *>().size(), 0);
    }
}

QTEST_MAIN(tst_SettingsDialog)
#include "tst_SettingsDialog.moc"
