// SPDX-License-Identifier: GPL-3.0-or-later
#include "DevicePageTheme.h"

#include "CbNotice.h"
#include "ColorWheelTool.h"
#include "CustomButton.h"
#include "DChangeKeyPage.h"
#include "DChangProfilePage.h"
#include "DCustomEventListPage.h"
#include "DCustomLightListItem.h"
#include "DDataManager.h"
#include "DDeviceListItem.h"
#include "DDevicePage.h"
#include "DevicePageTables.h"
#include "DHotKeyPage.h"
#include "DKeyCombinationPage.h"
#include "DKeyDisablePage.h"
#include "DKeyWithAppPage.h"
#include "DKeyWithTextPage.h"
#include "DMacroCmdPage.h"
#include "DmouseConfigView.h"
#include "DMouseKeyPage.h"
#include "DMouseLightPage.h"
#include "DMousePage.h"
#include "DMousePerformanceView.h"
#include "DMultimediaPage.h"
#include "DOnboardPage.h"
#include "DPerformancePage.h"
#include "DResetDefaultPage.h"
#include "DSoftKeyboardPage.h"
#include "keyboardPage.h"
#include "ThemeColorConfig.h"
#include "ThemeStyleSheets.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QStringList>

#include <cstring>

namespace {

constexpr int kCustomLedButton = 11;
constexpr int kNoKeyboardEffectButton = 13;

QString background(const char *selector, const QString &themeColour)
{
    return QStringLiteral("%1{background-color: %2;}").arg(QLatin1String(selector), stylesheets::colour(themeColour));
}

QString transparentBackground(const char *selector)
{
    return background(selector, QStringLiteral("0,0,0,1"));
}

template <size_t N>
void markButton(const QWidget *page, const DevicePageTables::ButtonEntry (&table)[N], int id)
{
    if (id < 0 || id >= int(N))
        return;
    if (auto *button = page->findChild<CustomButton *>(QLatin1String(table[id].objectName)))
        button->setSelected(true);
}

}  // namespace

DevicePageTheme::DevicePageTheme(DDevicePage *page)
    : p(page)
{
}

QColor DevicePageTheme::themeColor(const QString &text, bool withAlpha, int fixedAlpha)
{
    const QStringList parts = text.split(QLatin1Char(','));
    auto part = [&](int i) { return i < parts.size() ? parts.at(i).trimmed().toInt() : 0; };
    return QColor(part(0) & 0xFF, part(1) & 0xFF, part(2) & 0xFF, withAlpha ? part(3) & 0xFF : fixedAlpha);
}

void DevicePageTheme::applyTheme()
{
    DDataManager *data = DDataManager::getInstance();
    const ThemeColorConfig theme = data->getThemeColor();

    p->m_notice->setBackgroundColor(themeColor(theme.AllBgColor, false, 200));
    p->m_notice->setTextColor(themeColor(stylesheets::popupAccent(theme, theme.TextCheckedColor), false, 255));
    QFont noticeFont(theme.TextFont);
    noticeFont.setPixelSize(14);
    p->m_notice->setTextFont(noticeFont);

    if (!p->m_mapHidStructInfo.isEmpty()) {
        for (DDeviceListItem *row : qAsConst(p->m_listDeviceItem))
            row->applyTheme();
    }

    applySheets(theme);
    applyCustomButtonColors(theme);
    p->refreshProfileList(0);

    Ui::DDevicePage *ui = p->ui.get();
    ui->frame_16->setStyleSheet(background("QFrame#frame_16", theme.DeviceRightBgColor));
    p->m_colorWheelTool->applyTheme();
    ui->frame_3->setStyleSheet(background("QFrame#frame_3", theme.DeviceRightBgColor));

    applySubPageThemes();
}

void DevicePageTheme::applySheets(const ThemeColorConfig &theme)
{
    using namespace stylesheets;
    Ui::DDevicePage *ui = p->ui.get();
    const QFont bold = DDataManager::getInstance()->getFont(0);
    auto boldAt = [&](int points) {
        QFont font = bold;
        font.setPointSize(points);
        return font;
    };

    ui->frame_10->setStyleSheet(QStringLiteral("QFrame#frame_ConfigSelect{background-color: %1;}"
                                               "QFrame#frame_DeviceList{background-color: %1;}")
                                    .arg(colour(theme.DeviceListAreaDefaultBgColor)));
    ui->scrollArea->setStyleSheet(transparentBackground("QScrollArea#scrollArea"));
    ui->scrollAreaWidgetContents->setStyleSheet(
        background("QWidget#scrollAreaWidgetContents", theme.DeviceListAreaDefaultBgColor));
    ui->label_currentProfileName->setStyleSheet(
        QStringLiteral("QLabel#label_currentProfileName{color: rgb(18,18,18);}"));
    ui->label_currentProfileName->setFont(boldAt(12));
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{background-color: %1; border: none;"
                                            " border-right: 2px solid %2;}")
                                 .arg(colour(theme.DeviceLeftBgColor), colour(theme.DeviceBorderColor)));
    ui->frame_2->setStyleSheet(background("QFrame#frame_2", theme.DeviceCenterBgColor));
    ui->frame_18->setStyleSheet(background("QFrame#frame_18", theme.DeviceCenterBgColor));
    ui->frame_20->setStyleSheet(background("QFrame#frame_20", theme.DeviceCenterBgColor));
    ui->frame_31->setStyleSheet(background("QFrame#frame_31", theme.DeviceCenterBgColor));
    ui->frame_9->setStyleSheet(QStringLiteral("QFrame#frame_9{background-color: %1; border: none;"
                                              " border-bottom: 3px solid %2;}"
                                              "QLabel#label_ProductName{color: %3;}"
                                              "QLabel#label_DeviceName{color: %4;}")
                                   .arg(colour(theme.MainWidgetBgColor), colour(theme.DeviceBorderColor),
                                        colour(theme.TextCheckedColor), colour(theme.TextDefaultColor)));
    ui->label_ProductName->setFont(boldAt(14));
    ui->label_DeviceName->setFont(boldAt(14));
    ui->frame_19->setStyleSheet(tabButtons(theme));
    ui->lightOperateFrame->setStyleSheet(checkBoxes(theme.TextDefaultColor, theme.TextCheckedColor));
    ui->checkBox_LightSynchronize->setFont(boldAt(11));
    ui->label_2->setStyleSheet(QStringLiteral("QLabel#label_2{color: %1;}").arg(colour(theme.TextDefaultColor)));
    ui->label_2->setFont(boldAt(11));
    ui->widget_4->setStyleSheet(scrollBar(theme));
    ui->scrollArea_3->setStyleSheet(transparentBackground("QScrollArea#scrollArea_3"));
    ui->scrollAreaWidgetContents_3->setStyleSheet(transparentBackground("QWidget#scrollAreaWidgetContents_3"));

    // The custom-light rows follow the theme only while the custom effect is in use.
    if (p->m_curKeyboardLedIndex == kCustomLedButton) {
        for (DCustomLightListItem *row : qAsConst(p->m_listCustomLightItem))
            row->applyTheme();
    }

    ui->label_MacroGroup->setStyleSheet(QStringLiteral("QLabel#label_MacroGroup{color: %1; font: %2;}")
                                            .arg(colour(theme.TextCheckedColor), boldFont(12, theme.TextFont)));
    ui->frame_22->setStyleSheet(background("QFrame#frame_22", theme.DeviceCenterBgColor));
    ui->frame_27->setStyleSheet(QStringLiteral("QFrame#frame_27{border: none; border-bottom: 2px solid %1;}")
                                    .arg(colour(theme.DeviceBorderColor)));
    ui->widget_profile->setStyleSheet(scrollBar(theme));
    ui->scrollArea_2->setStyleSheet(transparentBackground("QScrollArea#scrollArea_2"));
    ui->scrollAreaWidgetContents_2->setStyleSheet(transparentBackground("QWidget#scrollAreaWidgetContents_2"));
    ui->frame_13->setStyleSheet(background("QFrame#frame_13", theme.DeviceRightBgColor));
    ui->page_profileModify->setStyleSheet(
        QStringLiteral("QLabel{color: %1; font: %4;}\n"
                       "QTextEdit{color: %1; font: %4; background-color: %2; border: 1px solid %1;}\n"
                       "QTextEdit:hover{border: 1px solid %3;}\n"
                       "QTextEdit:pressed{border: 1px solid %3;}")
            .arg(colour(theme.TextDefaultColor), colour(theme.DeviceRightBgColor), colour(theme.TextCheckedColor),
                 boldFont(10, theme.TextFont)));
    ui->lineEdit_OnboardModifyProfileName->setStyleSheet(
        QStringLiteral("QLineEdit{color: %2; font: %4; background-color: %1; border: 1px solid %2;}\n"
                       "QLineEdit:hover{border: 1px solid %3;}\n"
                       "QLineEdit:pressed{border: 1px solid %3;}")
            .arg(colour(theme.MacroLeftBgColor), colour(theme.TextDefaultColor), colour(theme.TextCheckedColor),
                 boldFont(10, theme.TextFont)));
    ui->pushButton_selectAppPath->setStyleSheet(pushButtons(theme, 0));
    ui->frame_26->setStyleSheet(pushButtons(theme, 8));
    ui->frame_7->setStyleSheet(tabButtons(theme));
    ui->frame_ModeSelect->setStyleSheet(tabButtons(theme));
    ui->frame_Onboard->setStyleSheet(tabButtons(theme));
    ui->comboBox_OnboardProfile->setStyleSheet(comboBox(theme));
    ui->pushButton_Fn1Key->setStyleSheet(roundedButtons(theme, QStringLiteral("QPushButton")));
    ui->toolButton_OnboardDownload->setStyleSheet(roundedButtons(theme, QStringLiteral("QToolButton")));
    ui->toolButton_RestoreFactorySettings->setStyleSheet(roundedButtons(theme, QStringLiteral("QToolButton")));
    ui->label_Tip->setStyleSheet(QStringLiteral("QLabel#label_Tip{color: %1;}").arg(colour(theme.TextCheckedColor)));
    ui->label_Tip->setFont(boldAt(22));
}

void DevicePageTheme::applyCustomButtonColors(const ThemeColorConfig &theme)
{
    // While a background image shows through, the selected and hover backgrounds keep the
    // theme's alpha; otherwise they are opaque. The normal background lets the panel show.
    const bool imageInUse = DDataManager::getInstance()->getBgImageIsUsing();
    const QColor selected = themeColor(theme.DeviceLeftAreaItemSelectedColor, imageInUse);
    const QColor hover = themeColor(theme.DeviceLeftAreaItemHoverColor, imageInUse);
    const QColor normal = themeColor(theme.DeviceLeftBgColor, false, 1);
    const QColor text = themeColor(theme.DeviceLeftAreaItemTextDefaultColor, false);
    const QColor selectedText = themeColor(theme.DeviceLeftAreaItemTextSelectedColor, false);

    auto colourTable = [&](const auto &table) {
        for (const DevicePageTables::ButtonEntry &entry : table) {
            if (auto *button = p->findChild<CustomButton *>(QLatin1String(entry.objectName)))
                button->setThemeColors(selected, hover, normal, text, selectedText, theme.TextFont);
        }
    };
    colourTable(DevicePageTables::keyOperationButtons);
    colourTable(DevicePageTables::keyboardEffectButtons);
    colourTable(DevicePageTables::sideEffectButtons);
    colourTable(DevicePageTables::scrollLogoEffectButtons);
}

void DevicePageTheme::applySubPageThemes()
{
    const QList<DKeyAssignPage *> keyPages{p->m_resetDefaultPage, p->m_macroCmdPage,       p->m_changeKeyPage,
                                           p->m_mouseKeyPage,     p->m_keyWithTextPage,    p->m_keyDisablePage,
                                           p->m_multimediaPage,   p->m_keyCombinationPage, p->m_hotKeyPage,
                                           p->m_changProfilePage, p->m_keyWithAppPage,     p->m_performancePage};
    for (DKeyAssignPage *page : keyPages) {
        if (page)
            page->applyTheme();
    }
    if (p->m_customEventListPage) {
        p->m_customEventListPage->applyTheme();
        p->m_customEventListPage->updateCustomEventList(p->m_xml, p->m_profileXmlPath.constData(), p->m_curProfileIndex,
                                                        p->m_keyNameMap);
    }
    if (p->m_softKeyboardPage)
        p->m_softKeyboardPage->applyTheme();
    if (p->m_onboardPage)
        p->m_onboardPage->applyTheme();
    if (p->m_keyboardPage)
        p->m_keyboardPage->applyTheme();
    if (p->m_mousePage) {
        p->m_mousePage->applyTheme();
        reloadMouseButtons();
    }
    if (p->m_mouseLightPage)
        p->m_mouseLightPage->applyTheme();
    p->m_mousePerformanceView->applyTheme();
    p->m_mouseConfigView->applyTheme();
}

void DevicePageTheme::reloadMouseButtons()
{
    p->m_mousePage->resetAllKeyText();
    p->m_listCustomKeyCode.clear();
    if (!p->m_xml || p->m_profileXmlPath.isEmpty())
        return;
    const QByteArray key = QByteArray::number(p->m_curProfileIndex);
    QStringList codes;
    p->m_xml->getKeyMapCodes(p->m_profileXmlPath.constData(), key.constData(), &codes);
    for (const QString &code : qAsConst(codes)) {
        p->m_listCustomKeyCode.append(QString::number(code.toInt()));
        CustomKeyInfo info;
        std::strncpy(info.keyCode, "-1", sizeof info.keyCode - 1);
        p->m_xml->getKeyMapItems(p->m_profileXmlPath.constData(), key.constData(), code.toLatin1().constData(), &info);
        if (QByteArray(info.keyCode) != "-1")
            p->m_mousePage->showKeyInfo(code.toInt(), info);
    }
}

void DevicePageTheme::retranslate()
{
    Ui::DDevicePage *ui = p->ui.get();
    ui->retranslateUi(p);
    p->initMenusAndToolTips();
    if (p->m_curDeviceItem) {
        ui->label_ProductName->setText(p->m_curDeviceItem->getProductName());
        ui->label_DeviceName->setText(p->m_curDeviceItem->getLikeName());
    }
    ui->label_currentProfileName->setText(p->m_strCurProfileName);

    // Re-captioning cleared the marks: the choices made before are marked again.
    markButton(p, DevicePageTables::keyOperationButtons, p->m_curKeyOperateIndex);
    if (p->m_curKeyboardLedIndex != kNoKeyboardEffectButton)
        markButton(p, DevicePageTables::keyboardEffectButtons, p->m_curKeyboardLedIndex);
    markButton(p, DevicePageTables::sideEffectButtons, p->m_curSideLedIndex);

    const QList<DKeyAssignPage *> keyPages{p->m_macroCmdPage,     p->m_resetDefaultPage,   p->m_changeKeyPage,
                                           p->m_mouseKeyPage,     p->m_keyWithTextPage,    p->m_keyDisablePage,
                                           p->m_multimediaPage,   p->m_keyCombinationPage, p->m_hotKeyPage,
                                           p->m_changProfilePage, p->m_keyWithAppPage,     p->m_performancePage};
    for (DKeyAssignPage *page : keyPages) {
        if (page)
            page->retranslate();
    }
    if (p->m_customEventListPage) {
        p->m_customEventListPage->retranslate();
        p->m_customEventListPage->updateCustomEventList(p->m_xml, p->m_profileXmlPath.constData(), p->m_curProfileIndex,
                                                        p->m_keyNameMap);
    }
    p->m_colorWheelTool->retranslate();

    if (p->m_curHidStructInfo.deviceType == 1) {
        if (p->m_mousePage)
            reloadMouseButtons();
        if (p->m_mouseLightPage)
            p->m_mouseLightPage->retranslate();
        p->m_mousePerformanceView->retranslate();
        p->m_mouseConfigView->retranslate();
    }

    if (p->m_workMode == 1)
        p->onCurIndexChangedOn_board(p->m_onboardLayer == 1 ? 1 : 0);
}
