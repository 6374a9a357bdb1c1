// SPDX-License-Identifier: GPL-3.0-or-later
#include "DevicePageKeys.h"

#include "CbNotice.h"
#include "ColorWheelTool.h"
#include "CustomButton.h"
#include "DChangeKeyPage.h"
#include "DChangProfilePage.h"
#include "DCustomEventListPage.h"
#include "DDataManager.h"
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
#include "DMousePage.h"
#include "DMousePerformanceView.h"
#include "DMultimediaPage.h"
#include "DOnboardPage.h"
#include "DPerformancePage.h"
#include "DResetDefaultPage.h"
#include "DSoftKeyboardPage.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "lightDealMain.h"
#include "LogCategories.h"
#include "OnboardConfigFiles.h"
#include "RecordText.h"
#include "SoftKeyboardButCustom.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kKeyAssignPage = 0;
constexpr int kOperationCount = 11;
constexpr int kFn1LayerValue = -20;
constexpr int kQuoteKey = 52;
// Operation id -> page type shown in the key-operation area.
constexpr int kPageTypes[kOperationCount] = {10, 0, 1, 4, 6, 5, 3, 2, 8, 9, 7};
// Operations that exist in on-board mode.
bool onboardOperation(int operation)
{
    return operation == 0 || operation == 1 || operation == 2 || operation == 3 || operation == 6 || operation == 7;
}

struct MouseButton {
    const char *name;
    int code;
};
const MouseButton kMouseButtons[] = {
    {QT_TRANSLATE_NOOP("DDevicePage", "Left Click"), 1},  {QT_TRANSLATE_NOOP("DDevicePage", "Dpi Loop"), 32},
    {QT_TRANSLATE_NOOP("DDevicePage", "Forward_L"), 16},  {QT_TRANSLATE_NOOP("DDevicePage", "Backward_L"), 8},
    {QT_TRANSLATE_NOOP("DDevicePage", "Right Click"), 2}, {QT_TRANSLATE_NOOP("DDevicePage", "Center Click"), 4},
    {QT_TRANSLATE_NOOP("DDevicePage", "Forward_R"), 16},  {QT_TRANSLATE_NOOP("DDevicePage", "Backward_R"), 8},
};

CustomKeyInfo readRecord(xmlInterface *xml, const QByteArray &file, int profileIndex, int keyCode)
{
    CustomKeyInfo info;
    setRecordText(info.keyCode, "-1");
    setRecordText(info.operateType, "-1");
    if (xml && QFileInfo::exists(QString::fromLocal8Bit(file)))
        xml->getKeyMapItems(file.constData(), QByteArray::number(profileIndex).constData(),
                            QByteArray::number(keyCode).constData(), &info);
    return info;
}

bool hasRecord(const CustomKeyInfo &info)
{
    return recordText(info.keyCode) != "-1";
}

int recordNumber(const char *field, std::size_t width, int fallback)
{
    bool ok = false;
    const int value = recordText(field, width).trimmed().toInt(&ok);
    return ok ? value : fallback;
}

}  // namespace

DevicePageKeys::DevicePageKeys(DDevicePage *page)
    : QObject(page)
    , p(page)
{
}

int DevicePageKeys::operationForType(int operateType)
{
    // operateType 0 remap, 1 macro, 2 combination, 3 multimedia, 4 mouse, 5 disable, 6 text,
    // 7 profile switch, 8 program, 9 shortcut.
    static constexpr int kOperations[] = {2, 1, 7, 6, 3, 5, 4, 10, 8, 9};
    if (operateType < 0 || operateType >= int(std::size(kOperations)))
        return -1;
    return kOperations[operateType];
}

int DevicePageKeys::pageTypeForOperation(int operation)
{
    return operation >= 0 && operation < kOperationCount ? kPageTypes[operation] : -1;
}

QList<DKeyAssignPage *> DevicePageKeys::keyPages() const
{
    return {p->m_resetDefaultPage, p->m_macroCmdPage,   p->m_changeKeyPage,   p->m_mouseKeyPage,
            p->m_keyWithTextPage,  p->m_keyDisablePage, p->m_multimediaPage,  p->m_keyCombinationPage,
            p->m_keyWithAppPage,   p->m_hotKeyPage,     p->m_changProfilePage};
}

void DevicePageKeys::createKeyPages()
{
    Ui::DDevicePage *ui = p->ui.get();
    p->m_resetDefaultPage = new DResetDefaultPage(ui->page_Default);
    ui->verticalLayout_7->addWidget(p->m_resetDefaultPage);
    p->m_macroCmdPage = new DMacroCmdPage(ui->page_Macro);
    ui->verticalLayout_16->addWidget(p->m_macroCmdPage);
    p->m_changeKeyPage = new DChangeKeyPage(ui->page_RemapKey);
    ui->verticalLayout_17->addWidget(p->m_changeKeyPage);
    p->m_mouseKeyPage = new DMouseKeyPage(ui->page_Mouse);
    ui->verticalLayout_18->addWidget(p->m_mouseKeyPage);
    p->m_keyWithTextPage = new DKeyWithTextPage(ui->page_Text);
    ui->verticalLayout_8->addWidget(p->m_keyWithTextPage);
    p->m_keyDisablePage = new DKeyDisablePage(ui->page_Disable);
    ui->verticalLayout_19->addWidget(p->m_keyDisablePage);
    p->m_multimediaPage = new DMultimediaPage(ui->page_Multimedia);
    ui->verticalLayout_20->addWidget(p->m_multimediaPage);
    p->m_keyCombinationPage = new DKeyCombinationPage(ui->page_CombinationKey);
    ui->verticalLayout_24->addWidget(p->m_keyCombinationPage);
    p->m_keyWithAppPage = new DKeyWithAppPage(ui->page_OpenApp);
    ui->verticalLayout_21->addWidget(p->m_keyWithAppPage);
    p->m_hotKeyPage = new DHotKeyPage(ui->page_Shortcuts);
    ui->verticalLayout_23->addWidget(p->m_hotKeyPage);
    p->m_changProfilePage = new DChangProfilePage(ui->page_SwitchProfile);
    ui->verticalLayout_22->addWidget(p->m_changProfilePage);

    for (DKeyAssignPage *page : keyPages()) {
        connect(page, &DKeyAssignPage::sigClickedCancel, p, &DDevicePage::onClickedCancel);
        // A save reaches the captions, the mouse and the toast only when it is the shown key's.
        connect(page, &DKeyAssignPage::sigCustomKeyInfoSaveSuccessful, p, [this, page] {
            if (isSaveOfShownKey(page)) {
                p->onCustomKeyInfoSaveSuccessful();
                return;
            }
            qCWarning(lcUi) << "A key page saved key" << page->currentKeyCode() << "in"
                            << QFile::decodeName(page->profileFile()) << "which is not the key shown";
            p->showNotice(DDevicePage::tr("Operate failed"));
        });
        connect(page, &DKeyAssignPage::sigCustomKeyInfoSaveFailed, p,
                [this] { p->showNotice(DDevicePage::tr("Operate failed")); });
        const bool reset = page == p->m_resetDefaultPage;
        connect(page, &DKeyAssignPage::sigShoudUpdateKeyboard, p, [this, page, reset](int keyDec) {
            if (!isSaveOfShownKey(page))
                return;
            if (reset)
                p->onKeyboardAlreadyLoad(keyDec);
            else
                p->onShoudUpdateKeyboard(keyDec);
        });
    }
    connect(p->m_changeKeyPage, &DChangeKeyPage::sigChangKeyOrCombinationKeyFocusIn, p,
            &DDevicePage::onChangKeyOrCombinationKeyFocusIn);
    connect(p->m_keyCombinationPage, &DKeyCombinationPage::sigChangKeyOrCombinationKeyFocusIn, p,
            &DDevicePage::onChangKeyOrCombinationKeyFocusIn);
    connect(p->m_keyCombinationPage, &DKeyCombinationPage::sigSoftKeyboardClickedKeyReset, p,
            &DDevicePage::onSoftKeyboardClickedKeyReset);
    connect(p->m_keyCombinationPage, &DKeyCombinationPage::sigResetSoftKeyStatusToDefault, p,
            &DDevicePage::onResetSoftKeyStatusToDefault);

    p->m_performancePage = new DPerformancePage(ui->page_Performance);
    ui->horizontalLayout_8->addWidget(p->m_performancePage);
    connect(p->m_performancePage, &DPerformancePage::sigResetoreCurrentProfile, p,
            &DDevicePage::onResetoreCurrentProfile);
    p->m_customEventListPage = new DCustomEventListPage(ui->page_CustomList);
    ui->horizontalLayout_9->addWidget(p->m_customEventListPage);
    connect(p->m_customEventListPage, &DCustomEventListPage::sigCustomEventItemMouseClicked, p,
            &DDevicePage::onKeyboardClicked);
    p->m_softKeyboardPage = new DSoftKeyboardPage(ui->page_SoftKeyboard);
    ui->horizontalLayout_14->addWidget(p->m_softKeyboardPage);
    connect(p->m_softKeyboardPage, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad, p,
            &DDevicePage::onSoftKeyboardAlreadyLoad);
    connect(p->m_softKeyboardPage, &DSoftKeyboardPage::sigSoftKeyboardClicked, p, &DDevicePage::onSoftKeyboardClicked);
    p->m_softKeyboardPage->loadKeyboardInfo();
}

void DevicePageKeys::resetKeyPanel()
{
    Ui::DDevicePage *ui = p->ui.get();
    p->m_curKeyDec = -1;
    p->m_curKeyCharacter.clear();
    for (DKeyAssignPage *page : keyPages()) {
        page->setCurrentKey(qMakePair(-1, QStringLiteral("Default")));
        page->setFilePaths(p->m_macroXmlPath.constData(), p->m_profileXmlPath.constData());
        page->setProfileIndex(p->m_curProfileIndex);
    }
    p->resetKeyOperationButtons();
    p->m_curKeyPageType = kPageTypes[0];
    ui->stackedWidget_Customize->setCurrentWidget(ui->page_Default);
    ui->toolButton_Default->setSelected(true);
}

bool DevicePageKeys::isSaveOfShownKey(const DKeyAssignPage *page) const
{
    const bool onboard = p->m_workMode == 1;
    const int keyDec = onboard ? p->m_curOnboardKeyDec : p->m_curKeyDec;
    const QByteArray file = onboard ? currentLayerFile() : p->m_profileXmlPath;
    if (!page || keyDec == -1 || page->currentKeyCode() != keyDec || file.isEmpty() || page->profileFile() != file)
        return false;
    if (onboard)
        return true;
    if (page->profileIndex() != p->m_curProfileIndex)
        return false;
    return page == p->m_resetDefaultPage || hasRecord(readRecord(p->m_xml, file, p->m_curProfileIndex, keyDec));
}

// ---- Choosing a key

void DevicePageKeys::showSidePanel()
{
    Ui::DDevicePage *ui = p->ui.get();
    if ((ui->frame_Custom->isHidden() || p->m_mainPageIndex != kKeyAssignPage) && p->hasOpenDevice()) {
        ui->stackedWidget_CustomAll->setCurrentWidget(ui->page_CustomKey);
        ui->frame_Custom->show();
        ui->pushButton_Custom->setChecked(true);
        ui->pushButton_Led->setChecked(false);
        ui->pushButton_PerformanceChang->setChecked(false);
    }
}

void DevicePageKeys::onKeyboardClicked(int keyDec, const QString &keyCharacter)
{
    QString caption = keyCharacter;
    caption.remove(QLatin1Char('"'));
    if (keyDec == kQuoteKey)
        caption = QStringLiteral("' \"");
    p->m_curKeyDec = keyDec;
    p->m_curKeyCharacter = caption;

    if (p->m_xml && QFileInfo::exists(QString::fromLocal8Bit(p->m_profileXmlPath))) {
        const CustomKeyInfo info = readRecord(p->m_xml, p->m_profileXmlPath, p->m_curProfileIndex, keyDec);
        if (!hasRecord(info)) {
            onCurIndexChangedKey(0);
        } else {
            const int operation = operationForType(recordNumber(info.operateType, sizeof info.operateType, -1));
            if (operation >= 0)
                onCurIndexChangedKey(operation);
        }
        showSidePanel();
    }

    if (p->m_curKeyButton) {
        p->m_curKeyButton->setSelected(false, true);
        p->m_curKeyButton = nullptr;
    }
    if (p->m_keyboardPage) {
        if (keyboardButCustom *button = p->m_keyboardPage->getKeyButtonMap().value(keyDec, nullptr)) {
            button->setSelected(true, true);
            p->m_curKeyButton = button;
        }
    }
    if (p->m_workMode == 1)
        p->updateKeyboardAreaMargins();
}

void DevicePageKeys::onMouseButtonClicked(int selIndex)
{
    if (selIndex < 0 || selIndex >= int(std::size(kMouseButtons))) {
        qCWarning(lcUi) << "mouse button" << selIndex << "does not exist";
        return;
    }
    p->m_curMouseButtonIndex = selIndex;
    p->m_strCurMouseKeyName = DDevicePage::tr(kMouseButtons[selIndex].name);
    p->m_curMouseKeyCode = kMouseButtons[selIndex].code;
    p->m_curKeyCharacter = p->m_strCurMouseKeyName;
    p->m_curKeyDec = p->m_curMouseKeyCode;

    const CustomKeyInfo info = readRecord(p->m_xml, p->m_profileXmlPath, p->m_curProfileIndex, p->m_curKeyDec);
    const int operation =
        hasRecord(info) ? operationForType(recordNumber(info.operateType, sizeof info.operateType, -1)) : 0;
    onCurIndexChangedKey(operation >= 0 ? operation : 0);
    showSidePanel();
}

// ---- Showing a key operation

void DevicePageKeys::onCurIndexChangedKey(int selIndex)
{
    Ui::DDevicePage *ui = p->ui.get();
    if (!p->hasOpenDevice()) {
        p->showNotice(DDevicePage::tr("Please open hid first!"));
        return;
    }
    p->m_curKeyOperateIndex = selIndex;
    const bool onboard = p->m_workMode == 1;
    const int keyDec = onboard ? p->m_curOnboardKeyDec : p->m_curKeyDec;
    if (keyDec == -1) {
        p->showNotice(DDevicePage::tr("Please select one Key first!"));
        return;
    }
    if (selIndex < 0 || selIndex >= kOperationCount)
        return;
    if (!onboard) {
        if (selIndex == 2 || selIndex == 7) {
            ui->stackedWidget_Tool->setCurrentWidget(ui->page_SoftKeyboard);
            ui->pushButton_SoftKeyboard->setChecked(true);
        } else if (p->m_curHidStructInfo.deviceType == 1) {
            ui->stackedWidget_Tool->setCurrentWidget(ui->page_MouseDpiConfig);
            ui->pushButton_MouseDpiConfig->setChecked(true);
        } else {
            p->onCurIndexChangedOperate(1);
            ui->pushButton_CustomList->setChecked(true);
        }
    }
    p->resetKeyOperationButtons();
    p->m_curKeyPageType = kPageTypes[selIndex];
    if (onboard && !onboardOperation(selIndex))
        return;

    DKeyAssignPage *page = keyPages().at(selIndex);
    ui->stackedWidget_Customize->setCurrentWidget(page->parentWidget());
    if (auto *button =
            p->findChild<CustomButton *>(QLatin1String(DevicePageTables::keyOperationButtons[selIndex].objectName)))
        button->setSelected(true);

    QString caption = onboard ? p->m_curOnboardKeyCharacter : p->m_curKeyCharacter;
    if (onboard && selIndex == 0)
        caption = DDevicePage::tr("Empty");
    const QByteArray profileFile = onboard ? currentLayerFile() : p->m_profileXmlPath;
    page->setInterfaces(p->m_curHidInterface, p->m_xml);
    page->setCurrentKey(qMakePair(keyDec, caption));
    page->setFilePaths(p->m_macroXmlPath.constData(), profileFile.constData());
    if (selIndex == 2)
        p->m_changeKeyPage->setKeyNameMap(p->m_keyNameMap);
    if (selIndex == 7)
        p->m_keyCombinationPage->setKeyNameMap(p->m_keyNameMap);
    if (selIndex != 0)
        page->loadCustomKeyInfo();
    if (selIndex == 2)
        p->m_softKeyboardPage->setOperateMode(0);
    if (selIndex == 7)
        p->m_softKeyboardPage->setOperateMode(1);
    if (selIndex == 3)
        p->m_mouseKeyPage->setDeviceType(p->m_curHidStructInfo.deviceType);
    const int onboardFlag = onboard ? 1 : 0;
    switch (selIndex) {
    case 0:
        p->m_resetDefaultPage->setOnboardMode(onboardFlag);
        break;
    case 1:
        p->m_macroCmdPage->setOnboardMode(onboardFlag);
        break;
    case 2:
        p->m_changeKeyPage->setOnboardMode(onboardFlag);
        break;
    case 3:
        p->m_mouseKeyPage->setOnboardMode(onboardFlag);
        break;
    case 6:
        p->m_multimediaPage->setOnboardMode(onboardFlag);
        break;
    case 7:
        p->m_keyCombinationPage->setOnboardMode(onboardFlag);
        break;
    default:
        break;
    }
}

QByteArray DevicePageKeys::currentLayerFile() const
{
    return p->m_onboardLayer == 1 ? p->m_onboardFn1XmlPath : p->m_onboardDefaultXmlPath;
}

// ---- Relays to the key-entry pages

void DevicePageKeys::relayEnteredKey(int keyDec)
{
    if (!p->m_isKeyEditFocused || !p->hasOpenDevice())
        return;
    if (p->m_curKeyPageType == 1)
        p->m_changeKeyPage->inputKeyDec(keyDec);
    else if (p->m_curKeyPageType == 2)
        p->m_keyCombinationPage->inputKeyDec(keyDec);
}

void DevicePageKeys::onHookKey(int keyCode, int flag)
{
    qCDebug(lcUi) << "hooked key" << keyCode << "flag" << flag << "main page" << p->m_mainPageIndex << "focused"
                  << p->m_isKeyEditFocused << "page type" << p->m_curKeyPageType;
    if (p->m_mainPageIndex != 0 && p->m_mainPageIndex != 2)
        return;
    if (flag == 0)
        return;
    relayEnteredKey(keyCode);
}

// ---- A changed library macro

void DevicePageKeys::onMacroChanged(const QString &macroIndex, const QString &macroName)
{
    xmlInterface *xml = p->m_xml;
    if (!xml || p->m_macroXmlPath.isEmpty())
        return;
    // Every profile file of every device, not only the current profile: a profile that plays
    // the macro gets a fresh copy of it; all others stay as they are.
    QStringList files;
    if (!p->m_profileXmlPath.isEmpty())
        files.append(QFileInfo(QString::fromLocal8Bit(p->m_profileXmlPath)).absoluteFilePath());
    const QString configDir = DDataManager::getInstance()->getUserConfigDir();
    if (!configDir.isEmpty()) {
        QDirIterator it(configDir, {QStringLiteral("brivexProFile.xml")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = QFileInfo(it.next()).absoluteFilePath();
            if (!files.contains(file))
                files.append(file);
        }
    }
    const QByteArray index = macroIndex.toLatin1();
    const QByteArray name = macroName.toUtf8();
    QList<MacroEventInfo> events;
    bool eventsRead = false;
    for (const QString &file : qAsConst(files)) {
        const QByteArray path = file.toLocal8Bit();
        QList<IndexNameInfo> profiles;
        xml->getProfileList(path.constData(), &profiles);
        for (const IndexNameInfo &profile : qAsConst(profiles)) {
            const QByteArray key = recordText(profile.index);
            if (xml->getKeyMapValue(path.constData(), key.constData(), index.constData()) <= 0)
                continue;
            if (!eventsRead) {
                xml->getMacroItems(p->m_macroXmlPath.constData(), index.constData(), &events);
                eventsRead = true;
            }
            xml->deleteBindMacro(path.constData(), key.constData(), index.constData());
            if (!xml->addBindMacro(path.constData(), key.constData(), events, index.constData(), name.constData()))
                qCWarning(lcUi) << "the macro" << macroIndex << "could not be refreshed in profile" << key << "of"
                                << file;
        }
    }
}

// ---- Marks

CustomKeyInfo DevicePageKeys::readKey(const QByteArray &file, int profileIndex, int keyCode) const
{
    return readRecord(p->m_xml, file, profileIndex, keyCode);
}

void DevicePageKeys::markKey(int keyDec, bool marked)
{
    if (!p->m_keyboardPage)
        return;
    if (keyboardButCustom *button = p->m_keyboardPage->getKeyButtonMap().value(keyDec, nullptr))
        button->setCustomFlag(marked);
}

void DevicePageKeys::setAllKeysCustomFlag(bool flag)
{
    for (const QString &code : qAsConst(p->m_listCustomKeyCode))
        markKey(code.toInt(), flag);
}

void DevicePageKeys::refreshCustomEventList()
{
    Ui::DDevicePage *ui = p->ui.get();
    if (ui->stackedWidget_Tool->currentWidget() != ui->page_CustomList || !p->m_customEventListPage)
        return;
    qCDebug(lcUi) << "------------------------ *** Into CustomList *** ------------------------";
    p->m_customEventListPage->updateCustomEventList(p->m_xml, p->m_profileXmlPath.constData(), p->m_curProfileIndex,
                                                    p->m_keyNameMap);
}

// ---- One key changed

void DevicePageKeys::onShoudUpdateKeyboard(int keyDec)
{
    if (p->m_workMode == 1) {
        updateOnboardKey(keyDec);
        return;
    }
    if (p->m_curHidStructInfo.deviceType == 1) {
        if (!p->m_mousePage)
            return;
        const CustomKeyInfo info = readRecord(p->m_xml, p->m_profileXmlPath, p->m_curProfileIndex, p->m_curKeyDec);
        if (hasRecord(info))
            p->m_mousePage->showKeyInfo(p->m_curKeyDec, info);
        else
            p->m_mousePage->setKeyText(qMakePair(p->m_curKeyDec, p->m_strCurMouseKeyName));
        return;
    }
    if (!p->m_keyboardPage || !p->m_keyboardPage->getKeyButtonMap().contains(keyDec))
        return;
    const QString code = QString::number(keyDec);
    if (!p->m_listCustomKeyCode.contains(code))
        p->m_listCustomKeyCode.append(code);
    markKey(keyDec, true);
    refreshCustomEventList();
}

void DevicePageKeys::onKeyboardAlreadyLoad(int keyDec)
{
    if (p->m_workMode == 1) {
        updateOnboardKey(keyDec);
        return;
    }
    if (p->m_curHidStructInfo.deviceType == 1) {
        if (p->m_mousePage)
            p->m_mousePage->resetKeyText(keyDec);
        return;
    }
    if (!p->m_keyboardPage || !p->m_keyboardPage->getKeyButtonMap().contains(keyDec))
        return;
    p->m_listCustomKeyCode.removeAll(QString::number(keyDec));
    markKey(keyDec, false);
    refreshCustomEventList();
}

void DevicePageKeys::updateOnboardKey(int keyDec)
{
    xmlInterface *xml = p->m_xml;
    if (!xml)
        return;
    const QByteArray current = currentLayerFile();
    const QByteArray other = p->m_onboardLayer == 1 ? p->m_onboardDefaultXmlPath : p->m_onboardFn1XmlPath;
    const CustomKeyInfo mine = readRecord(xml, current, p->m_curOnboardConfigIndex, keyDec);
    const CustomKeyInfo theirs = readRecord(xml, other, p->m_curOnboardConfigIndex, keyDec);

    QString text;
    int kind = -1;
    if (hasRecord(mine)) {
        p->m_curOnboardKeyInfo = mine;
        kind = recordNumber(mine.operateType, sizeof mine.operateType, -1);
        text = OnboardConfigFiles::functionText(mine, p->m_keyNameMap);
        if (kind == 0 && p->m_curOnboardConfigIndex == 2 && text == QLatin1String("Win"))
            text = QStringLiteral("Com");
    }
    if (p->m_onboardPage) {
        if (SoftKeyboardButCustom *button = p->m_onboardPage->getKeyButtonMap().value(keyDec, nullptr))
            button->setFunctionText(qMakePair(kind, text));
    }
    // One FN1 key: a key that switches to the FN1 layer in the other layer and is something
    // else here no longer switches there.
    const bool otherIsFn1 = hasRecord(theirs) && recordNumber(theirs.Value, sizeof theirs.Value, 0) == kFn1LayerValue;
    const bool mineIsFn1 = hasRecord(mine) && recordNumber(mine.Value, sizeof mine.Value, 0) == kFn1LayerValue;
    if (otherIsFn1 && !mineIsFn1)
        xml->deleteKeyMapItem(other.constData(), QByteArray::number(p->m_curOnboardConfigIndex).constData(),
                              QByteArray::number(keyDec).constData());
}
