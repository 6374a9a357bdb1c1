// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one process-wide settings object: application-data folders, the user settings and the
// default configuration, the version check, the colour theme, the fonts, the daily log and the
// device tables read at start-up. Created on the first call of getInstance() and never destroyed.

#include "DeviceListRecords.h"
#include "ThemeColorConfig.h"

#include <QFont>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

class LogCollectClass;
class QSettings;
class UserSettings;

class DDataManager : public QObject
{
    Q_OBJECT

public:
    static DDataManager *getInstance();
    ~DDataManager() override;

    // One line in the daily log.
    void writeLog(const QString &text);

    // Colour themes: 0 Dark, 1 Light, 2 Blue, 3 Pink, 4 Other; any other index loads Dark.
    void loadThemeConfig(int themeIndex);
    ThemeColorConfig getThemeColor() const;
    // Without a background image, "r,g,b,a" loses its alpha; everything else is returned as is.
    QString adjustColorAlpha(const QString &color) const;

    // kind 0 bold, 1 normal (the theme's family at 10 points) while the local font is in use;
    // otherwise, and for any other kind, the application font with the family "Microsoft YaHei".
    QFont getFont(int kind) const;
    // The text as is when narrower than maxWidth pixels, else elided at the right to fit.
    QString getElidedText(const QFont &font, const QString &text, int maxWidth) const;

    QString getUserConfigDir() const;
    bool getUserConfig() const;
    bool getBgImageIsUsing() const;
    void setBgImageIsUsing(bool isUsing);
    bool getUseFontStatus() const;
    void setUseFontStatus(bool status);
    qint32 getCurrentAppIndexNum() const;
    bool getLightSynchronize() const;
    bool getAppVersionChanged() const;
    bool getSupportAnimation() const;

    // Device tables, filled once by the main window from the two device-list files.
    void setHidNameList(const QStringList &list);
    QStringList getHidNameList() const;
    void setLikeNameMap(const QMap<QString, QString> &map);
    QMap<QString, QString> getLikeNameMap() const;
    void setProductNameMap(const QMap<QString, QString> &map);
    QMap<QString, QString> getProductNameMap() const;
    void setKeyNumMap(const QMap<QString, int> &map);
    QMap<QString, int> getKeyNumMap() const;
    void setHidListInfoMap(const QMap<QString, HidListInfo> &map);
    QMap<QString, HidListInfo> getHidListInfoMap() const;
    void setHidSupportList(const QList<SupportHidInfo> &list);
    QList<SupportHidInfo> getHidSupportList() const;

protected:
    // The program reaches the one object through getInstance(); tests build their own from other
    // sources (a default configuration file and the folder that stands for the program's folder,
    // empty for the real one).
    explicit DDataManager(const QString &defaultConfigPath, const QString &programDir = QString(),
                          QObject *parent = nullptr);

private:
    void checkVersion(UserSettings &userSettings, QSettings &defaultConfig);
    void rebuildThemeFonts();

    QString m_programDir;
    QString m_appDataDir;
    QString m_userConfigDir;
    QStringList m_hidNameList;
    QMap<QString, QString> m_likeNameMap;
    QMap<QString, QString> m_productNameMap;
    QMap<QString, int> m_keyNumMap;
    QMap<QString, HidListInfo> m_hidListInfoMap;
    QList<SupportHidInfo> m_hidSupportList;
    LogCollectClass *m_log = nullptr;
    bool m_useLocalFont = false;
    QFont m_boldFont;
    QFont m_normalFont;
    QFont m_defaultFont;
    ThemeColorConfig m_theme;
    bool m_userConfig = false;
    bool m_bgImageIsUsing = false;
    bool m_appVersionChanged = false;
    bool m_lightSynchronize = false;
    qint32 m_currentAppIndexNum = 0;
    bool m_supportAnimation = false;
};
