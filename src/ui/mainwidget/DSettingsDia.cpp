// SPDX-License-Identifier: GPL-3.0-or-later
#include "DSettingsDia.h"
#include "ui_DSettingsDia.h"

#include "AutoStartEntry.h"
#include "CbNotice.h"
#include "DAppllication.h"
#include "DDataManager.h"
#include "DFirwareInfoShow.h"
#include "LogCategories.h"
#include "ThemeStyleSheets.h"
#include "UserSettings.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QUrl>

namespace {

const QString kDefaultConfig = QStringLiteral(":/images/configDir/BrivexDefaultConfig.ini");
const QString kLogo = QStringLiteral(":/images/brivexLogo.png");

// Web addresses behind the (hidden) link buttons and the company link without a configured one.
const QString kCompanyAddress = QStringLiteral("https://www.example.com/");
const QString kShopAddress = QStringLiteral("https://www.example.com/shop");
const QString kDownloadAddress = QStringLiteral("https://www.example.com/download");
const QString kFeedbackAddress = QStringLiteral("https://www.example.com/feedback");
const QString kSupportAddress = QStringLiteral("https://www.example.com/support");

constexpr int kWidth = 700;
constexpr int kHeight = 460;
// The alpha of a button's hover background over the control colour.
constexpr int kHoverAlpha = 130;

DSettingsDia::LanguageLoader &languageLoader()
{
    static DSettingsDia::LanguageLoader loader;
    return loader;
}

struct LanguageEntry {
    const char *name;  // UTF-8
    int language;      // the translation loader's value
};

// The language box, in list order.
const LanguageEntry kLanguages[] = {
    {"简体中文", 1}, {"English", 3},   {"繁體中文", 2},       {"한국어", 5},   {"Русский", 6},
    {"日本語", 4},   {"Español", 8},   {"Português", 9},      {"Deutsch", 10}, {"Italiano", 11},
    {"Polski", 12},  {"Français", 13}, {"\xC2\xA0عربي ،", 7}, {"Україна", 14},
};

// The order in which a box text is recognised.
const LanguageEntry kRecognition[] = {
    {"English", 3},   {"简体中文", 1}, {"繁體中文", 2},  {"한국어", 5},         {"Русский", 6},
    {"日本語", 4},    {"Español", 8},  {"Português", 9}, {"\xC2\xA0عربي ،", 7}, {"Deutsch", 10},
    {"Italiano", 11}, {"Polski", 12},  {"Français", 13}, {"Україна", 14},
};

// The first three comma-separated fields of a theme colour text.
QColor themeColor(const QString &text, int alpha)
{
    const QStringList parts = text.split(QLatin1Char(','));
    auto field = [&parts](int i) { return i < parts.size() ? parts.at(i).trimmed().toInt() : 0; };
    return QColor(qBound(0, field(0), 255), qBound(0, field(1), 255), qBound(0, field(2), 255), alpha);
}

}  // namespace

DSettingsDia::DSettingsDia(QWidget *parent)
    : DSettingsDia(kDefaultConfig, parent)
{
}

DSettingsDia::DSettingsDia(const QString &defaultConfigPath, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::DSettingsDia>())
    , m_defaultConfigPath(defaultConfigPath)
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_DeleteOnClose);

    ui->frame_CompanyLogo->installEventFilter(this);
    // The second logo takes its style with the theme, below.
    ui->frame_CompanyLogo->setStyleSheet(QStringLiteral("QFrame{border-image: url(%1);}").arg(kLogo));

    if (parent)
        move((parent->width() - kWidth) / 2, (parent->height() - kHeight) / 2);

    m_notice = new CbNotice(this);
    m_notice->setTextPixelSize(16);

    m_settings = std::make_unique<UserSettings>();

    ui->frame_15->hide();
    ui->checkBox_Minimize->hide();
    ui->frame_18->hide();
    ui->frame_19->hide();
    ui->checkBox_UsingBgImage->hide();
    ui->frame_6->hide();

    ui->checkBox_AutoStart->setChecked(m_settings->autoStart());
    ui->checkBox_Minimize->setChecked(m_settings->minimizeToTray());
    ui->checkBox_Close->setChecked(m_settings->closeToTray());
    ui->stackedWidget->setCurrentWidget(ui->page_Settings);
    ui->pushButton_General->setChecked(true);

    auto *pageButtons = new QButtonGroup(this);
    pageButtons->addButton(ui->pushButton_General, 0);
    pageButtons->addButton(ui->pushButton_About, 1);
    connect(pageButtons, &QButtonGroup::idClicked, this, &DSettingsDia::onCurIndexChanged);

    ui->comboBox_Language->blockSignals(true);
    ui->comboBox_Theme->blockSignals(true);
    ui->comboBox_Language->addItems(languageNames());
    fillThemeBox();

    const int language = m_settings->languageIndex();
    int position = 0;
    for (int i = 0; i < int(std::size(kLanguages)); ++i) {
        if (kLanguages[i].language == language)
            position = i;
    }
    ui->comboBox_Language->setCurrentIndex(position);

    m_themeIndex = m_settings->themeIndex();
    showThemeIndex();
    ui->comboBox_Language->blockSignals(false);
    ui->comboBox_Theme->blockSignals(false);

    ui->checkBox_UsingBgImage->setChecked(DDataManager::getInstance()->getBgImageIsUsing());

    loadAboutInfo();
    connect(ui->label_Link, &QLabel::linkActivated, this, &DSettingsDia::onLickActivited);
    applyTheme();
    QTimer::singleShot(500, this, &DSettingsDia::onInstallEventFilterOpen);
}

DSettingsDia::~DSettingsDia() = default;

void DSettingsDia::setLanguageLoader(LanguageLoader loader)
{
    languageLoader() = std::move(loader);
}

QStringList DSettingsDia::languageNames()
{
    QStringList names;
    for (const LanguageEntry &entry : kLanguages)
        names << QString::fromUtf8(entry.name);
    return names;
}

int DSettingsDia::languageOfText(const QString &text)
{
    for (const LanguageEntry &entry : kRecognition) {
        if (text.contains(QString::fromUtf8(entry.name), Qt::CaseSensitive))
            return entry.language;
    }
    return 1;
}

void DSettingsDia::fillThemeBox()
{
    ui->comboBox_Theme->clear();
    ui->comboBox_Theme->addItems({tr("Dark"), tr("Light"), tr("Blue"), tr("Pink")});
    if (DDataManager::getInstance()->getUserConfig())
        ui->comboBox_Theme->addItem(tr("Other"));
}

void DSettingsDia::showThemeIndex()
{
    const QStringList names{tr("Dark"), tr("Light"), tr("Blue"), tr("Pink"), tr("Other")};
    const QString text = (m_themeIndex >= 0 && m_themeIndex < names.size()) ? names.at(m_themeIndex) : names.first();
    // A text the list lacks leaves the box on its first entry.
    ui->comboBox_Theme->setCurrentIndex(qMax(0, ui->comboBox_Theme->findText(text)));
}

void DSettingsDia::setFirmwareInfoMap(QMap<QString, QString> firmwareInfoMap)
{
    m_firmwareInfoMap = firmwareInfoMap;
}

void DSettingsDia::showNoUpgradeableNotice()
{
    qCDebug(lcUi) << "--------------------------- None of them ------------------------";
    m_notice->showTextAt(tr("No upgradeable devices found"), rect().center());
}

void DSettingsDia::onCurIndexChanged(int selIndex)
{
    if (selIndex == 0) {
        ui->stackedWidget->setCurrentWidget(ui->page_Settings);
        return;
    }
    loadAboutInfo();
    ui->stackedWidget->setCurrentWidget(ui->page_TipInfo);
}

void DSettingsDia::onInstallEventFilterOpen()
{
    ui->frame_LogoSet->installEventFilter(this);
}

void DSettingsDia::on_pushButton_Close_clicked()
{
    emit sigSettingsWindowClose();
    close();
}

void DSettingsDia::writeOption(const char *key, bool value)
{
    m_settings->setValue(key, value);
}

void DSettingsDia::showSaveResult(bool ok)
{
    ok = m_settings->sync() && ok;
    if (!ok)
        qCDebug(lcUi) << "---------------- *** Settings not written:" << m_settings->fileName()
                      << "*** ----------------";
    m_notice->showTextAt(ok ? tr("Set config success") : tr("Set config failed"), rect().center());
}

void DSettingsDia::setAutoStartAllowed(bool allowed)
{
    ui->checkBox_AutoStart->setEnabled(allowed);
}

void DSettingsDia::on_checkBox_AutoStart_clicked()
{
    const bool checked = ui->checkBox_AutoStart->isChecked();
    writeOption(UserSettingsKey::AutoStart, checked);
    const QString name = QCoreApplication::applicationName();
    const bool entryOk =
        checked ? AutoStartEntry::enable(name, QCoreApplication::applicationFilePath()) : AutoStartEntry::disable(name);
    showSaveResult(entryOk);
}

void DSettingsDia::on_checkBox_Minimize_clicked()
{
    writeOption(UserSettingsKey::MinimizeToTray, ui->checkBox_Minimize->isChecked());
    showSaveResult(true);
}

void DSettingsDia::on_checkBox_Close_clicked()
{
    writeOption(UserSettingsKey::CloseToTray, ui->checkBox_Close->isChecked());
    showSaveResult(true);
}

void DSettingsDia::on_checkBox_UsingBgImage_clicked()
{
    const bool checked = ui->checkBox_UsingBgImage->isChecked();
    writeOption(UserSettingsKey::BgImage, checked);
    DDataManager *dataManager = DDataManager::getInstance();
    dataManager->setBgImageIsUsing(checked);
    dataManager->loadThemeConfig(m_themeIndex);
    applyTheme();
    emit sigChangAppTheme(m_themeIndex);
}

void DSettingsDia::on_pushButton_CheckUpdate_clicked()
{
    emit sigUpdateApp();
}

void DSettingsDia::on_pushButton_feedbock_clicked()
{
    QDesktopServices::openUrl(QUrl(kShopAddress));
}

void DSettingsDia::on_pushButton_support_clicked()
{
    QDesktopServices::openUrl(QUrl(kDownloadAddress));
}

void DSettingsDia::on_pushButton_feedbock02_clicked()
{
    QDesktopServices::openUrl(QUrl(kFeedbackAddress));
}

void DSettingsDia::on_pushButton_support02_clicked()
{
    QDesktopServices::openUrl(QUrl(kSupportAddress));
}

void DSettingsDia::on_comboBox_Language_currentIndexChanged(QString text)
{
    qCDebug(lcUi) << "----------------------------------------Language:" << text;
    const int language = languageOfText(text);
    m_settings->setValue(UserSettingsKey::Language, language);
    m_settings->sync();

    bool loaded = false;
    if (const LanguageLoader &loader = languageLoader())
        loaded = loader(language);
    else if (auto *app = qobject_cast<DAppllication *>(QCoreApplication::instance()))
        loaded = app->loadLanguage(language);
    if (!loaded) {
        qCDebug(lcUi) << "---------------- *** Language not loaded:" << language << "*** ----------------";
        return;
    }

    ui->comboBox_Theme->blockSignals(true);
    ui->retranslateUi(this);
    // The form's texts are back; the About page's come from the configuration again.
    loadAboutInfo();
    fillThemeBox();
    showThemeIndex();
    emit sigUpdataAllUI();
    ui->comboBox_Theme->blockSignals(false);
}

void DSettingsDia::on_comboBox_Theme_currentIndexChanged(QString text)
{
    int index = 0;
    const QStringList names{tr("Dark"), tr("Light"), tr("Blue"), tr("Pink"), tr("Other")};
    for (int i = 0; i < names.size(); ++i) {
        if (text.contains(names.at(i), Qt::CaseSensitive)) {
            index = i;
            break;
        }
    }
    m_settings->setValue(UserSettingsKey::Theme, index);
    m_themeIndex = index;
    DDataManager::getInstance()->loadThemeConfig(index);
    applyTheme();
    emit sigChangAppTheme(index);
}

void DSettingsDia::on_pushButton_UpgradeCheck_clicked()
{
    emit sigFirmwareUpgradeCheck();
}

bool DSettingsDia::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->frame_CompanyLogo && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        return true;
    if (watched == ui->frame_LogoSet && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        showFirmwareInfo();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void DSettingsDia::showFirmwareInfo()
{
    // Goes when it ends; guarded, as the settings dialog may go while it runs.
    QPointer<DFirwareInfoShow> window = new DFirwareInfoShow(this);
    window->setFirmwareInfoMap(m_firmwareInfoMap);
    window->exec();
    delete window;
}

void DSettingsDia::loadAboutInfo()
{
    QSettings config(m_defaultConfigPath, QSettings::IniFormat);
    config.setIniCodec("UTF-8");
    ui->label_AppVersion->setText(
        config.value(QStringLiteral("AppVersion/Version"), QStringLiteral("V_1.00.00")).toString());
    m_companyName = config.value(QStringLiteral("CompanyName/ComName"), QStringLiteral("CompanyName")).toString();
    ui->label_AppName->setText(m_companyName);
    QString copyright = config.value(QStringLiteral("Copyright/CopyrightStr"), QStringLiteral("Copyright")).toString();
    copyright.replace(QLatin1Char('*'), QLatin1Char(','));
    // The holder from the configuration, then the program's licence.
    ui->label_Copyright->setText(copyright + QStringLiteral(". ")
                                 + tr("Free software under the GNU GPL, version 3 or later."));
    m_companyLink = config.value(QStringLiteral("CompanyLink/ComLink"), kCompanyAddress).toString();
    ui->label_Link->setVisible(config.value(QStringLiteral("CompanyLinkFrame/showStatus"), false).toBool());
    ui->label_Link->setAlignment(Qt::AlignCenter);
    ui->label_Link->setText(linkText());
}

QString DSettingsDia::linkText() const
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    return tr("<span style=\"font-family:\"%3\";font-size:12pt; color:#ff6666;\"></span><a href=\"Company|%1|\">"
              "<span style=\"font-size:12pt; text-decoration:underline; color:rgb(%2);\">%1</span>")
        .arg(m_companyName, theme.TextCheckedColor, theme.TextFont);
}

void DSettingsDia::onLickActivited(QString)
{
    QDesktopServices::openUrl(QUrl(m_companyLink));
}

void DSettingsDia::applyTheme()
{
    DDataManager *dataManager = DDataManager::getInstance();
    const ThemeColorConfig t = dataManager->getThemeColor();
    const QFont boldFont = dataManager->getFont(0);

    m_notice->setBackgroundColor(themeColor(t.AllBgColor, 200));
    m_notice->setTextColor(themeColor(stylesheets::popupAccent(t, t.TextCheckedColor), 255));
    QFont noticeFont(t.TextFont);
    noticeFont.setPixelSize(14);
    m_notice->setTextFont(noticeFont);

    ui->frame_16->setStyleSheet(QStringLiteral("QFrame#frame_16{border:none; border:1px solid %1;}")
                                    .arg(stylesheets::colour(t.MainWidgetBorderColor)));
    ui->frame_Title->setStyleSheet(
        QStringLiteral("QFrame#frame_Title{background-color: %1; border:none; border-bottom:3px solid %2;}\n"
                       "QLabel#label_Title{color: %3; font: 75 13pt \"%4\";}")
            .arg(stylesheets::colour(t.SettingsTitleColorStart), stylesheets::colour(t.SettingsBorderColor),
                 stylesheets::colour(t.TextCheckedColor), t.TextFont));
    ui->frame_LogoSet->setStyleSheet(QStringLiteral("QFrame{border-image: url(%1);}").arg(kLogo));
    ui->frame_Bg->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg{background-color: %1;}").arg(stylesheets::colour(t.SettingsBgColor)));
    ui->frame_3->setStyleSheet(QStringLiteral("QFrame#frame_3{border:none; border-right:3px solid %1;}")
                                   .arg(stylesheets::colour(t.SettingsBorderColor)));
    ui->frame_4->setStyleSheet(
        QStringLiteral("QPushButton{border:0px solid rgb(20, 20, 20); background-color: %1; color: %4;"
                       " font: 75 11pt \"%6\";}\n"
                       "QPushButton:hover{background-color: %2;}\n"
                       "QPushButton:pressed{color: %5; background-color: %3;}\n"
                       "QPushButton::unchecked{color: %4; font: 75 11pt \"%6\";}\n"
                       "QPushButton::checked{color: %5; background-color: %3;}")
            .arg(stylesheets::colour(t.SettingsControlDefaultColor), stylesheets::colour(t.SettingsControlHoverBgColor),
                 stylesheets::colour(t.SettingsControlSelectedBgColor), stylesheets::colour(t.TextDefaultColor),
                 stylesheets::colour(t.TextCheckedColor), t.TextFont));
    ui->page_Settings->setStyleSheet(
        QStringLiteral(
            "QLabel{color: %4; font: 75 10pt \"%5\";}\n"
            "QComboBox{background-color: %1; padding-left: 5px; border: 1px solid %2;"
            " font: 75 10pt \"%5\"; color: %3;}\n"
            "QComboBox:hover{border: 1px solid %4;}\n"
            "QComboBox QAbstractItemView::item{height: 40px; padding-left: 10px;}\n"
            "QComboBox::down-arrow{width: 10px; height: 10px; image: url(:/images/publicIco/comboxDef.png);}\n"
            "QComboBox::down-arrow:hover{image: url(:/images/publicIco/comboxDef.png);}\n"
            "QComboBox::down-arrow:on{image: url(:/images/publicIco/comboxSel.png);"
            " selection-background-color: rgb(255, 35, 76);}\n"
            "QComboBox::drop-down{width: 20px; padding-right: 3px; background: transparent;"
            " subcontrol-position: top right; top: 0px; right: 0px;}\n"
            "QComboBox QAbstractItemView{outline: 0px;}")
            .arg(stylesheets::colour(t.SettingsControlDefaultColor), stylesheets::colour(t.TextDefaultColor),
                 stylesheets::colour(t.TextDefaultColor), stylesheets::colour(t.TextCheckedColor), t.TextFont));
    const QString checkBoxStyle =
        QStringLiteral("QCheckBox, QCheckBox:unchecked{color: %1; font: 75 10pt \"%3\";}\n"
                       "QCheckBox:checked{color: %2;}\n"
                       "QCheckBox::indicator{width: 13px; height: 13px;}\n"
                       "QCheckBox::indicator:unchecked{image: url(:/images/publicIco/checkBoxDef.png);}\n"
                       "QCheckBox::indicator:checked{image: url(:/images/publicIco/checkBoxSel.png);}")
            .arg(stylesheets::colour(t.TextDefaultColor), stylesheets::colour(t.TextCheckedColor), t.TextFont);
    ui->frame_7->setStyleSheet(checkBoxStyle);
    ui->checkBox_UsingBgImage->setStyleSheet(checkBoxStyle);
    ui->label_AppName->setStyleSheet(
        QStringLiteral("color: %1; font: 75 16pt \"%2\";").arg(stylesheets::colour(t.TextCheckedColor), t.TextFont));
    ui->label_APP->setStyleSheet(
        QStringLiteral("color: %1; font: 75 12pt \"%2\";").arg(stylesheets::colour(t.TextCheckedColor), t.TextFont));
    ui->label_Copyright->setStyleSheet(
        QStringLiteral("color: %1; font: 75 10pt \"%2\";").arg(stylesheets::colour(t.TextCheckedColor), t.TextFont));
    ui->label_AppVersion->setStyleSheet(QStringLiteral("color: %1;").arg(stylesheets::colour(t.TextCheckedColor)));
    const QString buttonStyle =
        QStringLiteral("QPushButton{border-radius: 8px; border: 1px solid %1; background-color: %2;"
                       " color: %4; font: 75 10pt \"%6\";}\n"
                       "QPushButton:hover{background-color: %7; border: 1px solid %5;}\n"
                       "QPushButton:pressed{color: %5; background-color: %3; border: 1px solid %5;}")
            .arg(stylesheets::colour(t.SettingsControlBorderColor), stylesheets::colour(t.SettingsControlDefaultColor),
                 stylesheets::colour(t.SettingsControlHoverBgColor), stylesheets::colour(t.TextDefaultColor),
                 stylesheets::colour(t.TextCheckedColor), t.TextFont,
                 stylesheets::translucent(t.SettingsControlHoverBgColor, kHoverAlpha));
    for (QPushButton *button : {ui->pushButton_CheckUpdate, ui->pushButton_UpgradeCheck, ui->pushButton_feedbock,
                                ui->pushButton_support, ui->pushButton_feedbock02, ui->pushButton_support02})
        button->setStyleSheet(buttonStyle);

    QFont versionFont = boldFont;
    versionFont.setPointSize(12);
    ui->label_AppVersion->setFont(versionFont);

    ui->label_Link->setAlignment(Qt::AlignCenter);
    ui->label_Link->setText(linkText());
}
