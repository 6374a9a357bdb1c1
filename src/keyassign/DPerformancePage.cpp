// SPDX-License-Identifier: GPL-3.0-or-later
#include "DPerformancePage.h"
#include "ui_DPerformancePage.h"

#include "DDataManager.h"
#include "LogCategories.h"
#include "SystemDesktopSettings.h"
#include "ThemeStyleSheets.h"
#include "xmlInterface.h"

#include <cstdlib>

namespace {

DesktopSettings *systemDesktop()
{
    static SystemDesktopSettings desktop;
    return &desktop;
}

// On when the number the text starts with is not 0 ("1", "2" and "-1" are all on).
bool isOn(const char *text)
{
    return std::strtol(text, nullptr, 10) != 0;
}

const char *flag(const QCheckBox *box)
{
    return box->isChecked() ? "1" : "0";
}

}  // namespace

DPerformancePage::DPerformancePage(QWidget *parent)
    : DKeyAssignPage(parent)
    , ui(std::make_unique<Ui::DPerformancePage>())
    , m_desktop(systemDesktop())
{
    ui->setupUi(this);
    setFixedSize(700, 150);
    applyTheme();
}

DPerformancePage::~DPerformancePage() = default;

void DPerformancePage::setDesktopSettings(DesktopSettings *settings)
{
    m_desktop = settings ? settings : systemDesktop();
}

void DPerformancePage::loadFunctionSetting()
{
    FunctionSetting setting;
    qstrncpy(setting.feature1, "0", sizeof setting.feature1);
    qstrncpy(setting.feature2, "0", sizeof setting.feature2);
    qstrncpy(setting.feature3, "0", sizeof setting.feature3);
    qstrncpy(setting.feature4, "0", sizeof setting.feature4);
    if (xml())
        xml()->getFunctionSetting(profileFilePath(), profileKey().constData(), &setting);
    ui->checkBox_disableALT_TAB->setChecked(isOn(setting.feature1));
    ui->checkBox_disableALT_F4->setChecked(isOn(setting.feature2));
    ui->checkBox_disableSHIFT_TAB->setChecked(isOn(setting.feature3));
    ui->checkBox_disableWindowsKey->setChecked(isOn(setting.feature4));
}

void DPerformancePage::saveFunctionSetting()
{
    const bool saved =
        xml()
        && xml()->setFunctionSetting(profileFilePath(), profileKey().constData(), flag(ui->checkBox_disableALT_TAB),
                                     flag(ui->checkBox_disableALT_F4), flag(ui->checkBox_disableSHIFT_TAB),
                                     flag(ui->checkBox_disableWindowsKey));
    if (!saved)
        qCWarning(lcUi) << "Saving the keyboard switches of profile" << profileIndex() << "failed";
}

void DPerformancePage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    setStyleSheet(QStringLiteral("QLabel,QCheckBox{color:%1;font-family:\"%3\";font-weight:75;font-size:10pt;}"
                                 "QCheckBox:checked{color:%2;}"
                                 "QCheckBox::indicator{width:13px;height:13px;}"
                                 "QCheckBox::indicator:unchecked{image:url(:/images/publicIco/checkBoxDef.png);}"
                                 "QCheckBox::indicator:checked{image:url(:/images/publicIco/checkBoxSel.png);}")
                      .arg(stylesheets::colour(theme.TextDefaultColor), stylesheets::colour(theme.TextCheckedColor),
                           theme.TextFont));
    ui->frame->setStyleSheet(
        QStringLiteral("#frame{border-radius:8px;border:0px solid %1;background-color:%2;}")
            .arg(stylesheets::colour(theme.DeviceBorderColor), stylesheets::colour(theme.DeviceBottomBgColor)));
    ui->frame_4->setStyleSheet(QStringLiteral("#frame_4{border:none;border-right:1px solid %1;}")
                                   .arg(stylesheets::colour(theme.DeviceControlDefaultColor)));
    ui->frame_5->setStyleSheet(okCancelStyle(theme));
}

void DPerformancePage::retranslate()
{
    ui->retranslateUi(this);
}

void DPerformancePage::on_checkBox_disableALT_TAB_clicked()
{
    qCDebug(lcUi) << "--------------- disableALT_TAB -----------------";
    saveFunctionSetting();
}

void DPerformancePage::on_checkBox_disableALT_F4_clicked()
{
    qCDebug(lcUi) << "--------------- disableALT_F4 -----------------";
    saveFunctionSetting();
}

void DPerformancePage::on_checkBox_disableSHIFT_TAB_clicked()
{
    qCDebug(lcUi) << "--------------- disableSHIFT_TAB -----------------";
    saveFunctionSetting();
}

void DPerformancePage::on_checkBox_disableWindowsKey_clicked()
{
    qCDebug(lcUi) << "--------------- disableWindowsKey -----------------";
    saveFunctionSetting();
}

void DPerformancePage::on_pushButton_Restore_clicked()
{
    emit sigResetoreCurrentProfile();
}

void DPerformancePage::on_pushButton_keyboardProperties_clicked()
{
    m_desktop->openKeyboardSettings();
}
