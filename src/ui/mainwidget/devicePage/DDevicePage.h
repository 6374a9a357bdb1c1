// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Device page: the hub of the connected devices. It keeps the enumerated device list and
// one device link per device (each link opens its device and runs its I/O), follows arrivals
// and removals, and shows the current device, which a click on a home-page card changes. It
// hosts the key-assignment, lighting, mouse and on-board pages and the lighting engines, and
// turns their results into device commands, which all go out through the current device's
// link (sendToCurrentDevice).

#include "HidRecords.h"
#include "XmlRecords.h"

#include <QByteArray>
#include <QColor>
#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class ArrowWidget;
class CbNotice;
class ColorWheelTool;
class DChangProfilePage;
class DChangeKeyPage;
class DCustomEventListPage;
class DCustomLightListItem;
class DDeviceKeyboardLink;
class DDeviceListItem;
class DevicePageApply;
class DevicePageCustomLights;
class DevicePageDevices;
class DevicePageKeys;
class DevicePageLighting;
class DevicePageModes;
class DevicePageOnboard;
class DevicePageOnboardConfigs;
class DevicePagePrompts;
class DevicePageProfiles;
class DevicePageTheme;
class DevicePageDpiPresses;
class DevicePageMouse;
class DHotKeyPage;
class DKeyCombinationPage;
class DKeyDisablePage;
class DKeyWithAppPage;
class DKeyWithTextPage;
class DMacroCmdPage;
class DMouseKeyPage;
class DMouseLightPage;
class DMousePage;
class DMousePerformanceView;
class DMultimediaPage;
class DOnboardPage;
class DPerformancePage;
class DResetDefaultPage;
class DSoftKeyboardPage;
class DTipInfoDia;
class DmouseConfigView;
class MainHidInterFace;
class QBoxLayout;
class QEvent;
class QAction;
class QMenu;
class QTimer;
class keyboardButCustom;
class keyboardImagePage;
class keyboardPage;
class lightDealMain;
class mouseLightDealMain;
class profileListItem;
class xmlInterface;

namespace Ui {
class DDevicePage;
}

class DDevicePage : public QWidget
{
    Q_OBJECT
public:
    explicit DDevicePage(QWidget *parent = nullptr);
    ~DDevicePage() override;

    bool eventFilter(QObject *obj, QEvent *event) override;

    // Keeps the macro library's path (8-bit, local encoding) and the XML store (not owned).
    void setMacroXml(const char *macroXmlPath, xmlInterface *xml);
    // The window that the save prompt covers.
    void setMainWindow(QWidget *window);

    // Takes an enumeration result. Until the page has devices, a list builds one link per
    // device, makes the first device current and returns true (an empty list leaves the page
    // without devices and also returns true). Afterwards it only takes the list and returns
    // false: the caller then reports the arrival or removal with onDeviceListChanged.
    // Always ends by emitting sigHidDeviceListUpdate with the list.
    bool setHidStructInfoList(QList<hidStructInfo> list);
    QList<hidStructInfo> getHidStructInfoList() const;
    QMap<QString, DDeviceKeyboardLink *> getDeviceLinkMap() const;
    // After an arrival or removal: links every device of the last list that has none, closes
    // the link of every device that left it, and picks another current device when the
    // current one left. hidPath is not used.
    void onDeviceListChanged(bool inserted, QString hidPath);
    // These paths' devices left and came back under the same path: the next list result closes
    // their links and opens the devices again.
    void reopenOnNextResult(const QStringList &hidPaths);
    // Makes the first device current when devices exist and none has been shown yet.
    void loadFirstDevice();
    // Closes every device's transport (its I/O thread ends before this returns); the links stay
    // until the page goes. For quitting.
    void closeAllDevices();
    // Marks a firmware update of the unit serialNumber of a model (empty: the model of the
    // device at hidPath) until it is called with pending false. While marked, every device of
    // that model the page opens is given the serial number, which its link writes only when
    // the device reports no valid one of its own (a unit back from its bootloader without one).
    // When no model is known, the next device opened at hidPath is given it, once.
    void setHidUpgradeInfo(bool pending, QString hidPath, QString serialNumber, QString model = QString());

    bool isLightChanged() const;
    void clearLightChanged();
    // The save prompt for an unsaved lighting change: 0 closed, 1 save, 2 discard.
    int showTipInfoDia();
    void applyLightSettings();
    // Before the lighting page is left (another panel, page, device, profile, or quitting):
    // with an unsaved lighting change, asks through the save prompt. True when the page may be
    // left: after Discard, or after Save when leaveAfterSave; Save otherwise keeps the page.
    bool mayLeaveLighting(bool leaveAfterSave = false);
    void updataAllUI();
    void applyTheme();

    // The current device's path (empty without one) and the devices that have a link.
    QString currentHidPath() const;
    QStringList linkedHidPaths() const;
    DDeviceKeyboardLink *deviceLink(const QString &hidPath) const;
    QByteArray profileXmlPath() const { return m_profileXmlPath; }
    // Key codes with an assignment in the current profile, as decimal texts.
    QList<QString> customKeyCodes() const { return m_listCustomKeyCode; }

    // Queues one 64-byte command report (shorter input is padded with zeros, longer cut) on the
    // current device through its link. Without a usable device nothing is sent, a log line is
    // written and, when the user started the action, the toast says so. True when queued.
    bool sendToCurrentDevice(const QByteArray &report, bool userStarted);

    // The file, folder and question windows; tests answer them without a window.
    DevicePagePrompts &prompts();

    // Where the page's toasts are centred.
    QPoint getNoticePos() const;
    bool isLightOn() const;
    // The explanation popup while it exists.
    ArrowWidget *explainPopup() const;

    void initMenusAndToolTips();
    void resetKeyOperationButtons();
    void resetKeyboardEffectButtons();
    void resetSideEffectButtons();
    void resetScrollLogoEffectButtons();
    void clearDeviceList();
    void clearProfileList();
    void setAllKeysCustomFlag(bool flag);
    void updateMouseDpiColors();
    void updateKeyboardAreaMargins();
    void loadKeyboardLightModes();
    void loadMouseEffectList();
    void showExplainPopup();
    void reloadOnboardPage();
    void reloadOnboardPage2();
    void refreshProfileList(int mode);
    void updateOnboardKeyboard();
    void applyOnboardLayoutTemplate(int layout);
    // On-board configuration `index` in both layer files: added with its first records, or removed.
    bool createOnboardConfig(int index);
    bool deleteOnboardConfig(int index);
    // Captions of the current on-board key record.
    QString getMacroModeText() const;
    QString getCombinationKeyText() const;
    QString getMouseKeyText() const;
    QString getMultimediaText() const;
    // The on-board view while on-board mode is on.
    DOnboardPage *onboardPage() const { return m_onboardPage; }
    int onboardLayer() const { return m_onboardLayer; }
    int currentOnboardConfigIndex() const { return m_curOnboardConfigIndex; }
    void openDeviceView(const hidStructInfo &info);
    void stopDeviceLighting();
    void loadKeyboardEffectList();
    void loadSideEffectList();
    void addDefaultLightItems(int profileIndex);
    void addDefaultMouseItems(int profileIndex);
    // Applies a profile of the current device's file to the views, the key pages and the device.
    void applyKeyboardProfile(int profileIndex);
    void applyMouseProfile(int profileIndex);

    // Lighting: the key view over or under the device picture, the lighting page's start, and
    // the custom per-key lightings.
    void updateKeyboardLayers(int ledType);
    void showKeyboardLightPage();
    void sendCustomLedColors(int slot);
    bool writeKeyboardCustomLed(int slot, int packet, const QList<unsigned char> &colors);
    void addDefaultCustomLights(int profileIndex);
    void loadCustomLightDefaults(int profileIndex, int customLightIndex);
    void clearCustomLightList();
    void reloadCustomLightList();
    void sendCustomLight(QString index, int slot, bool clearOnly);
    void saveCustomLight();

signals:
    void sigHidDeviceListUpdate(QList<hidStructInfo> hidStructInfoList);
    void sigHomePageDeviceItemClicked(QString hidPath);
    void sigMacroListHaveChangedSendToDevice(QString macroIndex, QString macroName);
    void sigHookKeyboardRecviveStreamToDevice(int dataFrom, int keyCode, int flag);
    void sigCloseWindowForThis_DevicePage();

protected:
    void resizeEvent(QResizeEvent *event) override;

private slots:
    // Device list and lifecycle.
    void onDeviceItemPressed();
    void onHomePageDeviceItemClicked(QString hidPath);
    // Profile file of the current device.
    void onInitLoadHid(QString strHidName, int connectFrom);
    void onKeyboardAlreadyLoad_Over();
    void onIntoOnboardDelay500MS();
    // Key selection and key operations.
    void onMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName);
    void onHookKeyboardRecviveStreamToDevice(int dataFrom, int keyCode, int flag);
    void onKeyboardClicked(int keyDec, QString keyCharacter);
    void onSoftKeyboardAlreadyLoad();
    void onSoftKeyboardClicked(int keyDec, QString keyCharacter);
    void onMouseInfoAlreadyLoad();
    void onMouseButtonClicked(int selIndex);
    void onSoftKeyboardClickedKeyReset();
    void onResetSoftKeyStatusToDefault(int keyDec);
    void onChangKeyOrCombinationKeyFocusIn(bool isFocus);
    void onClickedCancel();
    void onCurIndexChanged_Key(int selIndex);
    void onCustomKeyInfoSaveSuccessful();
    // Profile application and key captions.
    void onKeyboardAlreadyLoad(int keyDec);
    void onShoudUpdateKeyboard(int keyDec);
    // Page switching and the work mode.
    void onCurIndexChangedMainPage(int selIndex);
    void onCurIndexChangedOperate(int selIndex);
    void onCurIndexChangedSelMode(int selIndex);
    void on_pushButton_CloseKeyCustom_clicked();
    void on_pushButton_CloseLedCustom_clicked();
    void on_pushButton_CloseProfile_clicked();
    void on_pushButton_MoreOperate_clicked();
    // Lighting effects.
    void onSelectKeyboardLightType(int selLedType);
    void onSelectSideLightType(int selLedType);
    void onLightCancelSettings(int ledSelMode);
    void onSelectMouseAroundLightType(int selLedType);
    void onSelectMouseScrollLightType(int selLedType);
    void onSelectMouseLogoLightType(int selLedType);
    void keyBoardLedType(int ledType);
    void keyBoardSideLedType(int ledType);
    void mouseScrollOrLogoLedType(int ledType);
    void onSelectMouseLightType(int selLightType);
    void onCurIndexChanged_Led(int selIndex);
    void onCurIndexChanged_SideLed(int selIndex);
    void onCurIndexChanged_LedSelect(int selIndex);
    void onCurIndexChanged_ScrollAndLogoLed(int selIndex);
    // Keyboard lighting commands.
    void onSendSetKeyboardColorData();
    void onSendSetSideColorData();
    void onSetLightEffectSuccessful();
    void onSetLightEffectFailed();
    void onLightConfigHaveChanged(int lightConfigChangedFrom, int ledSelMode);
    void send0x07Cmd(colorInfoData colorData);
    void onSendUpdataColorBuildUp(QList<double> listColorScale, QList<QColor> listColor);
    void onInitColorOver();
    void onLightOpenOrCloseType(int ledOpenOrClose);
    void onSendLight0x17Cmd();
    void onSendKeyboardAndSideLightSpeedAndBrightness(int keyboardSpeedMax, int keyboardBrightnessMax, int sideSpeedMax,
                                                      int sideBrightnessMax);
    void on_pushButton_LightOnOff_clicked();
    void on_checkBox_LightSynchronize_clicked();
    void on_pushButton_Test_clicked();
    // Custom per-key lighting.
    void onUpdateCustomLight();
    void onCustomLightItemMouseClicked(QString strCustomLightIndex, QString strCustomLightName);
    void onCustomLightUsingStatus(bool isUsing);
    void onModifyCustomLightItemNameIsEmpty();
    void onModifyCustomLightItemNameSuccess();
    void onModifyCustomLightItemNameFailed();
    // Mouse commands.
    void onSendSetMouse_AroundColorData();
    void onSendSetMouse_ScrollColorData();
    void onSendSetMouse_LogoColorData();
    void setMouseLightConfig(int ligetType);
    void setMouseLightConfigLinkChanged(int ligetType, colorInfoData colorData);
    void onSendSetMouseColorData(int ligetType);
    void onMouseTriggeredDPIkey();
    void onMouseActivatesSniperKey(bool set);
    void onMouseDpiInfoSet();
    void onResetoreMouseCurrentProfile();
    void onCurIndexChanged_MouseRateNumIndex(int selIndex);
    void onScrollLinkStatus(int status);
    void onLogoLinkStatus(int status);
    // PC profiles.
    void onExportProfileChildList(QString strProfileIndex, QString strProfileName);
    void onDeleteProfile(QString strProfileIndex, QString strProfileName);
    void on_pushButton_Import_clicked();
    void on_pushButton_Add_clicked();
    void on_pushButton_selectAppPath_clicked();
    void on_pushButton_OK_clicked();
    void onProfileItemMouseClicked(QString strProfileIndex, QString strProfileName);
    void onResetoreCurrentProfile();
    void onCustomEventChangProfile(int changeProfileIndex);
    // On-board memory.
    void onProfileCreateNew();
    void onProfileExport();
    void onProfileImport();
    void onProfileDelete();
    void onProfileRestore();
    void onProfileModifyName();
    void onConfigQWERTY();
    void onConfigMac();
    void onConfigDvorak();
    void onConfigCleanLayer();
    void onOnboardProfileComboxCurrentIndexChanged(QString strCurrentText);
    void onOnboardKeyboardClicked(int keyDec, QString keyCharacter);
    void onKeyboardMouseRightKeyClicked(int keyDec, QString keyCharacter);
    void onEmptyForKey();
    void onRuningOnboard0x19Cmd();
    void onRuningOnboard0x18Cmd();
    void onRuningMouse0x47Cmd();
    void onCurIndexChangedOn_board(int selIndex);
    void on_pushButton_OnboardMoreOperate_clicked();
    void on_pushButton_OnboardConfigMoreOperate_clicked();
    void on_pushButton_OnboardSave_clicked();
    void on_pushButton_OnboardCancel_clicked();
    void on_pushButton_Fn1Key_clicked();
    void on_toolButton_OnboardDownload_clicked();
    void on_toolButton_RestoreFactorySettings_clicked();
    // Popups.
    void onTipInfoDiaClose();
    void onCloseMenuWidow();

private:
    void initDpiCodeMap();
    // A burst of DPI key presses of one mouse, served once.
    void serveDpiPresses(DDeviceKeyboardLink *link, int presses);
    void buildButtonGroups();
    void createLightingEditor();
    friend class DevicePageCustomLights;
    friend class DevicePageDevices;
    friend class DevicePageLighting;
    friend class DevicePageModes;
    friend class DevicePageLoad;
    friend class DevicePageOnboard;
    friend class DevicePageOnboardConfigs;
    friend class DevicePageProfiles;
    friend class DevicePageTheme;
    friend class DevicePageKeys;
    friend class DevicePageApply;
    friend class DevicePageMouse;

    void openDeviceLink(const hidStructInfo &info);
    bool hasOpenDevice() const;
    void showNotice(const QString &text);
    static void clearListLayout(QBoxLayout *layout);

    std::unique_ptr<Ui::DDevicePage> ui;
    bool m_isCustomLightEditing = false;
    QString m_strDesktopPath;
    CbNotice *m_notice = nullptr;
    int m_mainPageIndex = -1;
    static constexpr int kLightingPage = 1;  // m_mainPageIndex while the lighting page shows
    bool m_isLightOn = false;
    bool m_isLightChanged = false;
    DTipInfoDia *m_tipInfoDia = nullptr;
    QWidget *m_maskWidget = nullptr;
    QPointer<QWidget> m_mainWindow;
    // The explanation popup (no parent): one at a time, deleted before the next is built.
    QPointer<ArrowWidget> m_menuPopup;
    // The explanation shown while the pointer is over "?"; apart from the menus, so that neither
    // takes the other away.
    QPointer<ArrowWidget> m_explainPopup;
    keyboardPage *m_keyboardPage = nullptr;
    keyboardImagePage *m_keyboardImagePage = nullptr;
    QWidget *m_keyboardArea = nullptr;
    keyboardButCustom *m_curKeyButton = nullptr;
    QMap<int, QString> m_keyNameMap;
    QList<QString> m_listCustomKeyCode;
    QElapsedTimer m_elapsedTimer;
    bool m_isKeyboardLoaded = false;
    int m_curKeyDec = -1;
    QString m_curKeyCharacter;
    int m_curMouseButtonIndex = 0;
    // File paths, kept whole in the local 8-bit encoding.
    QByteArray m_macroXmlPath;
    QByteArray m_profileXmlPath;
    xmlInterface *m_xml = nullptr;
    QByteArray m_onboardXmlPath;
    QByteArray m_onboardDefaultXmlPath;
    QByteArray m_onboardFn1XmlPath;
    QBoxLayout *m_deviceListLayout = nullptr;
    QBoxLayout *m_profileListLayout = nullptr;
    QBoxLayout *m_customLightListLayout = nullptr;
    DCustomLightListItem *m_curCustomLightItem = nullptr;
    QList<DCustomLightListItem *> m_listCustomLightItem;
    QTimer *m_light0x17Timer = nullptr;
    QString m_currentDeviceSnInfo;
    int m_curKeyPageType = -1;
    int m_curKeyOperateIndex = -1;
    int m_curKeyboardLedIndex = -1;
    int m_curSideLedIndex = -1;
    int m_curScrollLogoLedIndex = -1;
    bool m_isKeyEditFocused = false;
    int m_curProfileIndex = 1;
    int m_keyboardLedType = 2;
    int m_sideLedType = 2;
    int m_ledOpenOrClose = 0;
    int m_synchronizeStatus = 0;
    int m_mouseAroundLedType = 2;
    int m_mouseScrollLedType = 2;
    int m_mouseLogoLedType = 2;
    QString m_strCurProfileIndex;
    QString m_strCurProfileName;
    bool m_isProfileDeleted = false;
    int m_linkThreadIndex = 0;
    bool m_isDeviceViewLoaded = false;
    bool m_isDeviceViewLoaded2 = false;
    DMacroCmdPage *m_macroCmdPage = nullptr;
    DResetDefaultPage *m_resetDefaultPage = nullptr;
    DChangeKeyPage *m_changeKeyPage = nullptr;
    DMouseKeyPage *m_mouseKeyPage = nullptr;
    DKeyWithTextPage *m_keyWithTextPage = nullptr;
    DKeyDisablePage *m_keyDisablePage = nullptr;
    DMultimediaPage *m_multimediaPage = nullptr;
    DKeyCombinationPage *m_keyCombinationPage = nullptr;
    DHotKeyPage *m_hotKeyPage = nullptr;
    DChangProfilePage *m_changProfilePage = nullptr;
    DKeyWithAppPage *m_keyWithAppPage = nullptr;
    DPerformancePage *m_performancePage = nullptr;
    DCustomEventListPage *m_customEventListPage = nullptr;
    DSoftKeyboardPage *m_softKeyboardPage = nullptr;
    DmouseConfigView *m_mouseConfigView = nullptr;
    DMousePerformanceView *m_mousePerformanceView = nullptr;
    ColorWheelTool *m_colorWheelTool = nullptr;
    std::unique_ptr<lightDealMain> m_lightDealMain;
    QList<DDeviceListItem *> m_listDeviceItem;
    DDeviceListItem *m_curDeviceItem = nullptr;
    QList<hidStructInfo> m_hidStructInfoList;  // the last enumeration result
    QMap<QString, DDeviceListItem *> m_mapDeviceItem;
    QMap<QString, hidStructInfo> m_mapHidStructInfo;  // of the last result, by path
    bool m_isDeviceListInit = false;
    QStringList m_listOldHidPath;  // paths that have a link, in link order
    QStringList m_listHidPath;     // paths of the last result, in its order
    profileListItem *m_curProfileItem = nullptr;
    QList<profileListItem *> m_listProfileItem;
    bool m_isMouseLightLoaded = false;
    // Handed to the engines and pages that stream through it; the page itself sends through
    // the link. Null while the current device's serial number is unknown.
    MainHidInterFace *m_curHidInterface = nullptr;
    DDeviceKeyboardLink *m_curDeviceLink = nullptr;
    QMap<QString, DDeviceKeyboardLink *> m_mapDeviceLink;
    hidStructInfo m_curHidStructInfo{};
    DMousePage *m_mousePage = nullptr;
    int m_curMouseKeyCode = 1;
    QString m_strCurMouseKeyName;
    QMap<int, int> m_mapDpiCode;
    DMouseLightPage *m_mouseLightPage = nullptr;
    std::unique_ptr<mouseLightDealMain> m_mouseLightDealMain;
    bool m_isScrollLink = false;
    bool m_isLogoLink = false;
    int m_curMouseLightZone = 0;
    bool m_isSniperSet = false;
    bool m_is0x47Acked = true;
    bool m_isSupportOnboard = true;
    int m_workMode = 0;
    int m_onboardLayer = 0;
    bool m_onboardFlag = false;
    DOnboardPage *m_onboardPage = nullptr;
    QMap<QString, QString> m_mapOnboardConfig;
    int m_curOnboardConfigIndex = 1;
    QString m_strCurOnboardConfigName;
    QMenu *m_keyMenu = nullptr;
    QAction *m_keyMenuAction = nullptr;
    int m_curOnboardKeyDec = -1;
    QString m_curOnboardKeyCharacter;
    CustomKeyInfo m_curOnboardKeyInfo{};
    bool m_isUpgradePending = false;
    QString m_strUpgradeHidPath;
    QString m_strUpgradeSn;
    QString m_strUpgradeModel;

    QMap<QString, hidStructInfo> m_mapLinkedInfo;          // the record each link was opened with
    DevicePageDevices *m_devices = nullptr;                // rows, links, views and the current device's file
    DevicePageModes *m_modes = nullptr;                    // page, tool and work-mode switches
    DevicePageLighting *m_lighting = nullptr;              // effects, lighting reports, switch and synchronisation
    DevicePageCustomLights *m_customLights = nullptr;      // custom per-key lightings and the save prompt
    DevicePageOnboard *m_onboard = nullptr;                // the on-board editor's files and view texts
    DevicePageOnboardConfigs *m_onboardConfigs = nullptr;  // the on-board configuration operations
    DevicePageProfiles *m_profiles = nullptr;              // the PC profile list, its files and the current profile
    std::unique_ptr<DevicePagePrompts> m_prompts;
    DevicePageKeys *m_keys = nullptr;    // key choice, key pages and profile application
    DevicePageApply *m_apply = nullptr;  // a whole profile onto the views, pages and device
    DevicePageMouse *m_mouse = nullptr;  // the mouse's button, lighting, rate and reset commands
    // DPI key presses gathered into bursts.
    DevicePageDpiPresses *m_dpiPresses = nullptr;
};
