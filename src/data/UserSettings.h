// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's settings file, "<app data>/UserConfig/BrivexConfig.ini", and the keys the program
// keeps in it. The one place that knows the file's path and its key names; QSettings underneath,
// so a write replaces the file whole. It needs nothing else of the program: the application
// object reads the language through it before the data manager exists.

#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

namespace UserSettingsKey {
constexpr char AutoStart[] = "AutoStart/isAutoStart";
constexpr char MinimizeToTray[] = "MinimizeToTray/isMinimizeToTray";
constexpr char CloseToTray[] = "CloseToTray/isCloseToTray";
constexpr char Language[] = "Language/selectLanguageIndex";
constexpr char Theme[] = "Theme/selectThemeIndex";
constexpr char BgImage[] = "ThemeBgImage/BgImageIsUsing";
constexpr char OldVersion[] = "oldVersion/VersionInfo";
constexpr char MainWindowId[] = "MainWinID/MainWinIdNum";
// A firmware update that failed and waits to be run again: its fields under this group.
constexpr char FirmwareJobGroup[] = "FirmwareUpdate";
}  // namespace UserSettingsKey

class UserSettings
{
public:
    static QString folder();    // "<app data>/UserConfig"
    static QString filePath();  // folder() + "/BrivexConfig.ini"

    UserSettings();  // the user's file
    explicit UserSettings(const QString &path);
    ~UserSettings();
    UserSettings(const UserSettings &) = delete;
    UserSettings &operator=(const UserSettings &) = delete;

    QString fileName() const;
    bool contains(const char *key) const;
    QVariant value(const char *key, const QVariant &fallback = QVariant()) const;
    void setValue(const char *key, const QVariant &value);
    // Removes the key, or a whole group with every key under it.
    void remove(const char *key);

    // Writes what was set. False when the file cannot be written (the caller says so in its own
    // words); the values set stay readable from this object.
    bool sync();

    bool autoStart() const { return value(UserSettingsKey::AutoStart, false).toBool(); }
    bool minimizeToTray() const { return value(UserSettingsKey::MinimizeToTray, false).toBool(); }
    bool closeToTray() const { return value(UserSettingsKey::CloseToTray, false).toBool(); }
    int languageIndex() const { return value(UserSettingsKey::Language, -1).toInt(); }  // -1: none stored
    int themeIndex() const { return value(UserSettingsKey::Theme, 0).toInt(); }

private:
    std::unique_ptr<QSettings> m_settings;
};
