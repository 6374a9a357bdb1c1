// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings and about dialog. The main window makes a new one for every click on its
// settings button and runs it window-modal. General: language, start-up and tray options and the
// firmware upgrade check; About: version, company and copyright from the default configuration.
// Every change is written to the user settings file at once; the main window hears of language
// and theme changes through the signals.

#include <QDialog>
#include <QMap>
#include <QString>

#include <functional>
#include <memory>

class CbNotice;
class UserSettings;

namespace Ui {
class DSettingsDia;
}

class DSettingsDia : public QDialog
{
    Q_OBJECT
public:
    // Loads and installs the translation of a language value; whether it worked.
    using LanguageLoader = std::function<bool(int language)>;

    explicit DSettingsDia(QWidget *parent = nullptr);
    // Reads the About page from another default configuration file.
    DSettingsDia(const QString &defaultConfigPath, QWidget *parent);
    ~DSettingsDia() override;

    void setFirmwareInfoMap(QMap<QString, QString> firmwareInfoMap);
    // A program that never registers auto start (the demo) offers no auto-start box to tick.
    void setAutoStartAllowed(bool allowed);
    void showNoUpgradeableNotice();
    void loadAboutInfo();
    void applyTheme();
    void showFirmwareInfo();

    // Replaces how a chosen language is loaded (by default the application object's loader);
    // an empty loader restores the default.
    static void setLanguageLoader(LanguageLoader loader);

    // The texts of the language box, in list order, and the language value of a box text.
    static QStringList languageNames();
    static int languageOfText(const QString &text);

    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void sigSettingsWindowClose();
    void sigUpdataAllUI();
    void sigUpdateApp();
    void sigChangAppTheme(int themeIndex);
    void sigFirmwareUpgradeCheck();

public slots:
    void onCurIndexChanged(int selIndex);
    void onLickActivited(QString link);
    void onInstallEventFilterOpen();
    void on_pushButton_Close_clicked();
    void on_checkBox_AutoStart_clicked();
    void on_checkBox_Minimize_clicked();
    void on_checkBox_Close_clicked();
    void on_checkBox_UsingBgImage_clicked();
    void on_pushButton_CheckUpdate_clicked();
    void on_pushButton_feedbock_clicked();
    void on_pushButton_support_clicked();
    void on_pushButton_feedbock02_clicked();
    void on_pushButton_support02_clicked();
    void on_comboBox_Language_currentIndexChanged(QString text);
    void on_comboBox_Theme_currentIndexChanged(QString text);
    void on_pushButton_UpgradeCheck_clicked();

private:
    void fillThemeBox();
    void showThemeIndex();
    void writeOption(const char *key, bool value);
    // "Set config success" when the settings file (and any other step) was written, else the failure text.
    void showSaveResult(bool ok);
    QString linkText() const;

    std::unique_ptr<Ui::DSettingsDia> ui;
    QString m_defaultConfigPath;
    std::unique_ptr<UserSettings> m_settings;
    CbNotice *m_notice = nullptr;
    QMap<QString, QString> m_firmwareInfoMap;
    QString m_companyLink;
    QString m_companyName;
    int m_themeIndex = 0;
};
