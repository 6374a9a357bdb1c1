// SPDX-License-Identifier: GPL-3.0-or-later
#include "DDataManager.h"

#include "LogCategories.h"
#include "LogCollectClass.h"
#include "UserSettings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kDefaultConfigPath = QStringLiteral(":/images/configDir/BrivexDefaultConfig.ini");
const QString kUiFamily = QStringLiteral("Microsoft YaHei");
// The family the theme files name is not found on Linux; this one carries the Chinese glyphs.
const QString kUiFamilySubstitute = QStringLiteral("WenQuanYi Micro Hei");

const int kOtherThemeIndex = 4;

QString themeFilePath(int themeIndex, bool userConfig, const QString &programDir)
{
    switch (themeIndex) {
    case 1:
        return QStringLiteral(":/images/StyleQss/LightThemeConfig.ini");
    case 2:
        return QStringLiteral(":/images/StyleQss/BlueThemeConfig.ini");
    case 3:
        return QStringLiteral(":/images/StyleQss/PinkThemeConfig.ini");
    case kOtherThemeIndex:
        return userConfig ? programDir + QStringLiteral("/configDir/OtherThemeConfig.ini")
                          : QStringLiteral(":/images/StyleQss/OtherThemeConfig.ini");
    default:
        return QStringLiteral(":/images/StyleQss/BlackThemeConfig.ini");
    }
}

QString currentStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss ddd"));
}

}  // namespace

DDataManager *DDataManager::getInstance()
{
    static DDataManager *const instance = new DDataManager(kDefaultConfigPath);
    return instance;
}

DDataManager::DDataManager(const QString &defaultConfigPath, const QString &programDir, QObject *parent)
    : QObject(parent)
    , m_programDir(programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir)
{
    QFont::insertSubstitution(kUiFamily, kUiFamilySubstitute);

    // Folders are made with every missing parent: "~/.local/share" need not exist yet.
    m_appDataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    m_userConfigDir = UserSettings::folder();
    const QString logDir = QStringLiteral("%1/LogCollect").arg(m_appDataDir);
    for (const QString &dir : {m_userConfigDir, logDir}) {
        if (!QDir().mkpath(dir))
            qCWarning(lcData, "DDataManager: cannot create %s", qPrintable(dir));
    }

    // Without a log the program runs on; the writer has said why on the standard output.
    m_log = new LogCollectClass(this);
    m_log->openLogFile(QFile::encodeName(logDir), true);
    writeLog(QStringLiteral("********************--------------------Start collect log:") + currentStamp());

    UserSettings userSettings;
    int themeIndex = 0;
    if (userSettings.contains(UserSettingsKey::Theme))
        themeIndex = userSettings.themeIndex();
    else
        userSettings.setValue(UserSettingsKey::Theme, 0);
    // Only "true" turns the pictures on: any other text would show pictures that do not exist.
    if (userSettings.contains(UserSettingsKey::BgImage))
        m_bgImageIsUsing = userSettings.value(UserSettingsKey::BgImage).toString() == QLatin1String("true");
    else
        userSettings.setValue(UserSettingsKey::BgImage, false);

    QSettings defaultConfig(defaultConfigPath, QSettings::IniFormat);
    defaultConfig.setIniCodec("UTF-8");
    m_userConfig = defaultConfig.value(QStringLiteral("MyselfConfig/userConfig"), false).toBool();

    // The "Other" theme is offered only with the user configuration; without it, fall back.
    if (!m_userConfig && themeIndex == kOtherThemeIndex) {
        themeIndex = 0;
        userSettings.setValue(UserSettingsKey::Theme, 0);
    }

    loadThemeConfig(themeIndex);
    m_defaultFont = QGuiApplication::font();
    m_defaultFont.setFamily(kUiFamily);

    checkVersion(userSettings, defaultConfig);

    m_lightSynchronize = defaultConfig.value(QStringLiteral("LightSynchronize/isSynchronize"), false).toBool();
    m_currentAppIndexNum = defaultConfig.value(QStringLiteral("AppIndexNum/CurrentAppIndexNum"), 0).toInt();
    m_supportAnimation = defaultConfig.value(QStringLiteral("SupportAnimation/isSupportAnimation"), false).toBool();

    // A settings file that cannot be written leaves the values read in memory; say so once.
    if (!userSettings.sync())
        qCWarning(lcData, "DDataManager: cannot write %s", qPrintable(userSettings.fileName()));
}

DDataManager::~DDataManager() = default;

void DDataManager::checkVersion(UserSettings &userSettings, QSettings &defaultConfig)
{
    const QString current =
        defaultConfig.value(QStringLiteral("AppVersion/Version"), QStringLiteral("V_1.00.00")).toString();
    QString stored;
    if (userSettings.contains(UserSettingsKey::OldVersion))
        stored = userSettings.value(UserSettingsKey::OldVersion).toString();
    else
        userSettings.setValue(UserSettingsKey::OldVersion, current);

    m_appVersionChanged = stored != current;
    if (m_appVersionChanged)
        userSettings.setValue(UserSettingsKey::OldVersion, current);
}

void DDataManager::writeLog(const QString &text)
{
    m_log->writeLine(text.toLocal8Bit());
}

void DDataManager::loadThemeConfig(int themeIndex)
{
    QSettings file(themeFilePath(themeIndex, m_userConfig, m_programDir), QSettings::IniFormat);
    file.setIniCodec("UTF-8");

    ThemeColorConfig theme;
    for (const ThemeColorConfig::ColorField &entry : ThemeColorConfig::colorFields()) {
        QString value = file.value(QStringLiteral("ThemeColor/") + QLatin1String(entry.key)).toString();
        value.replace(QLatin1Char('.'), QLatin1Char(','));
        theme.*entry.field = adjustColorAlpha(value);
    }
    theme.TextFont = file.value(QStringLiteral("ThemeColor/TextFont")).toString();

    m_theme = theme;
    rebuildThemeFonts();
}

void DDataManager::rebuildThemeFonts()
{
    m_boldFont = QFont(m_theme.TextFont, 10, 75, false);
    m_normalFont = QFont(m_theme.TextFont, 10, 50, false);
}

ThemeColorConfig DDataManager::getThemeColor() const
{
    return m_theme;
}

QString DDataManager::adjustColorAlpha(const QString &color) const
{
    if (m_bgImageIsUsing)
        return color;
    if (color.count(QLatin1Char(',')) == 3)
        return color.left(color.lastIndexOf(QLatin1Char(',')));
    return color;
}

QFont DDataManager::getFont(int kind) const
{
    if (!m_useLocalFont)
        return m_defaultFont;
    switch (kind) {
    case 0:
        return m_boldFont;
    case 1:
        return m_normalFont;
    default:
        return m_defaultFont;
    }
}

QString DDataManager::getElidedText(const QFont &font, const QString &text, int maxWidth) const
{
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) >= maxWidth)
        return metrics.elidedText(text, Qt::ElideRight, maxWidth);
    return text;
}

QString DDataManager::getUserConfigDir() const
{
    return m_userConfigDir;
}
bool DDataManager::getUserConfig() const
{
    return m_userConfig;
}
bool DDataManager::getBgImageIsUsing() const
{
    return m_bgImageIsUsing;
}
void DDataManager::setBgImageIsUsing(bool isUsing)
{
    m_bgImageIsUsing = isUsing;
}
bool DDataManager::getUseFontStatus() const
{
    return m_useLocalFont;
}
void DDataManager::setUseFontStatus(bool status)
{
    m_useLocalFont = status;
}
qint32 DDataManager::getCurrentAppIndexNum() const
{
    return m_currentAppIndexNum;
}
bool DDataManager::getLightSynchronize() const
{
    return m_lightSynchronize;
}
bool DDataManager::getAppVersionChanged() const
{
    return m_appVersionChanged;
}
bool DDataManager::getSupportAnimation() const
{
    return m_supportAnimation;
}

void DDataManager::setHidNameList(const QStringList &list)
{
    m_hidNameList = list;
}
QStringList DDataManager::getHidNameList() const
{
    return m_hidNameList;
}
void DDataManager::setLikeNameMap(const QMap<QString, QString> &map)
{
    m_likeNameMap = map;
}
QMap<QString, QString> DDataManager::getLikeNameMap() const
{
    return m_likeNameMap;
}
void DDataManager::setProductNameMap(const QMap<QString, QString> &map)
{
    m_productNameMap = map;
}
QMap<QString, QString> DDataManager::getProductNameMap() const
{
    return m_productNameMap;
}
void DDataManager::setKeyNumMap(const QMap<QString, int> &map)
{
    m_keyNumMap = map;
}
QMap<QString, int> DDataManager::getKeyNumMap() const
{
    return m_keyNumMap;
}
void DDataManager::setHidListInfoMap(const QMap<QString, HidListInfo> &map)
{
    m_hidListInfoMap = map;
}
QMap<QString, HidListInfo> DDataManager::getHidListInfoMap() const
{
    return m_hidListInfoMap;
}
void DDataManager::setHidSupportList(const QList<SupportHidInfo> &list)
{
    m_hidSupportList = list;
}
QList<SupportHidInfo> DDataManager::getHidSupportList() const
{
    return m_hidSupportList;
}
