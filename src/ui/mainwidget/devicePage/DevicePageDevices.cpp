// SPDX-License-Identifier: GPL-3.0-or-later
#include "DevicePageDevices.h"

#include "ColorWheelTool.h"
#include "DCustomLightListItem.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDeviceListItem.h"
#include "DDevicePage.h"
#include "DevicePageKeys.h"
#include "DevicePageLoad.h"
#include "DmouseConfigView.h"
#include "DMouseLightPage.h"
#include "DMousePage.h"
#include "DMousePerformanceView.h"
#include "DOnboardPage.h"
#include "keyboardButCustom.h"
#include "keyboardImagePage.h"
#include "keyboardPage.h"
#include "lightDealMain.h"
#include "LogCategories.h"
#include "MainHidInterFace.h"
#include "mouseLightDealMain.h"
#include "OnScreenWatch.h"
#include "ProfileFiles.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStackedLayout>
#include <QTimer>

#include <cstring>
#include <utility>

namespace {

constexpr int kInquiryWaitMs = 1500;
constexpr int kLateSerialPollMs = 100;

QString pathOf(const hidStructInfo &info)
{
    return QString::fromLatin1(info.hidPath);
}

// The engine's preview ticks only while its view is on screen.
template <class Engine>
void watchPreview(QWidget *view, Engine *engine, void (Engine::*setShown)(bool))
{
    auto *watch = new OnScreenWatch(view);
    QObject::connect(watch, &OnScreenWatch::shownChanged, engine, setShown);
    (engine->*setShown)(watch->isShown());
}

}  // namespace

DevicePageDevices::BusyScope::BusyScope(DevicePageDevices *d)
    : devices(d)
{
    ++devices->m_busy;
}

DevicePageDevices::BusyScope::~BusyScope()
{
    if (--devices->m_busy == 0)
        QTimer::singleShot(0, devices, &DevicePageDevices::runPending);
}

DevicePageDevices::DevicePageDevices(DDevicePage *page)
    : QObject(page)
    , p(page)
    , m_lateTimer(new QTimer(this))
{
    m_lateTimer->setInterval(kLateSerialPollMs);
    connect(m_lateTimer, &QTimer::timeout, this, &DevicePageDevices::checkLateLinks);
}

QStringList &DevicePageDevices::factoryRestoreOnlyModels()
{
    static QStringList models;
    return models;
}

bool DevicePageDevices::sameDevice(const hidStructInfo &a, const hidStructInfo &b)
{
    return a.vid == b.vid && a.pid == b.pid && a.deviceType == b.deviceType
           && std::strncmp(a.hidName, b.hidName, sizeof a.hidName) == 0;
}

// ---- Rows

DDeviceListItem *DevicePageDevices::addRow(const hidStructInfo &info)
{
    const QString path = pathOf(info);
    auto *row = new DDeviceListItem(p->ui->scrollAreaWidgetContents);
    row->setDeviceInfo(info.vid, info.pid, path, QString::fromUtf8(info.manufacturer), QString::fromUtf8(info.product),
                       QString::fromLatin1(info.hidName), info.deviceType, QString::fromLatin1(info.firmwareId));
    p->m_deviceListLayout = p->ui->horizontalLayout_24;
    p->m_deviceListLayout->insertWidget(std::max(0, p->m_deviceListLayout->count() - 1), row);
    connect(row, &DDeviceListItem::sigDeviceItemPressed, p, &DDevicePage::onDeviceItemPressed);
    row->applyTheme();
    p->m_listDeviceItem.append(row);
    p->m_mapDeviceItem.insert(path, row);
    return row;
}

void DevicePageDevices::removeRow(const QString &hidPath)
{
    DDeviceListItem *row = p->m_mapDeviceItem.take(hidPath);
    if (!row)
        return;
    p->m_listDeviceItem.removeAll(row);
    if (p->m_curDeviceItem == row)
        p->m_curDeviceItem = nullptr;
    p->ui->horizontalLayout_24->removeWidget(row);
    row->setParent(nullptr);
    delete row;
}

// ---- The enumeration result

bool DevicePageDevices::setHidStructInfoList(const QList<hidStructInfo> &list)
{
    p->m_hidStructInfoList = list;
    p->m_mapHidStructInfo.clear();
    p->m_listHidPath.clear();
    for (const hidStructInfo &info : list) {
        p->m_mapHidStructInfo.insert(pathOf(info), info);
        p->m_listHidPath.append(pathOf(info));
    }

    if (p->m_isDeviceListInit || m_busy > 0) {
        // A result that comes during a wait is reconciled once the wait is over.
        if (m_busy > 0)
            m_pendingReconcile = true;
        emit p->sigHidDeviceListUpdate(list);
        return false;
    }

    {
        BusyScope busy(this);
        m_replugged.clear();  // every link is new
        p->clearDeviceList();
        p->m_listDeviceItem.clear();
        p->m_mapDeviceItem.clear();
        for (const hidStructInfo &info : list) {
            const QString path = pathOf(info);
            if (p->m_mapDeviceItem.contains(path))
                continue;
            addRow(info);
            p->m_listOldHidPath.append(path);
            openDeviceLink(info);
        }
    }
    if (!p->m_listDeviceItem.isEmpty() && !p->m_isDeviceListInit) {
        p->m_isDeviceListInit = true;
        p->m_curDeviceItem = p->m_listDeviceItem.first();
        loadFirstDevice();
        // A keyboard and a mouse together: the first device of the other kind becomes current.
        if (p->m_curDeviceItem && p->m_listDeviceItem.size() > 1) {
            const int type = p->m_curDeviceItem->getDeviceType();
            for (DDeviceListItem *row : qAsConst(p->m_listDeviceItem)) {
                if (row->getDeviceType() != type) {
                    onHomePageDeviceItemClicked(row->getHidPath());
                    break;
                }
            }
        }
    }
    emit p->sigHidDeviceListUpdate(list);
    return true;
}

void DevicePageDevices::onDeviceListChanged(bool inserted)
{
    if (inserted)
        qCDebug(lcUi) << "------------------------------------------ ****************************** Keyboard [ "
                         "Insert ] ****************************** --------------------------------------------";
    else
        qCDebug(lcUi) << "------------------------------------------ ****************************** Keyboard [ "
                         "OutPut ] ****************************** --------------------------------------------";
    if (m_busy > 0) {
        m_pendingReconcile = true;
        return;
    }
    reconcile();
}

void DevicePageDevices::reconcile()
{
    BusyScope busy(this);
    // Every device that left (or whose path another device, or the same one plugged in again, now
    // has), then every device that came.
    const QSet<QString> replugged = std::exchange(m_replugged, {});
    const QStringList linked = p->m_listOldHidPath;
    for (const QString &path : linked) {
        const bool gone = !p->m_mapHidStructInfo.contains(path);
        const bool reused = !gone
                            && (replugged.contains(path)
                                || !sameDevice(p->m_mapLinkedInfo.value(path), p->m_mapHidStructInfo.value(path)));
        if (gone || reused) {
            qCDebug(lcUi) << "------------------------------------------OutPutHidPath FindHidPath:" << path;
            removeDevice(path);
        }
    }
    const QStringList current = p->m_listHidPath;
    for (const QString &path : current) {
        if (p->m_listOldHidPath.contains(path) || !p->m_mapHidStructInfo.contains(path))
            continue;
        qCDebug(lcUi) << "------------------------------------------ InsertHidPath FindHidPath:" << path;
        const hidStructInfo info = p->m_mapHidStructInfo.value(path);
        p->m_isCustomLightEditing = false;
        p->m_listOldHidPath.append(path);
        addRow(info);
        openDeviceLink(info);
        if (!p->m_mapDeviceLink.contains(path))
            continue;
        const bool noCurrent = !p->m_curDeviceItem;
        if (noCurrent || p->m_curDeviceItem->getDeviceType() != info.deviceType) {
            m_pendingSwitchPath = path;
            m_pendingSwitchFrom = 1;
        }
    }
    p->m_isDeviceListInit = !p->m_mapDeviceItem.isEmpty();
}

void DevicePageDevices::reopenOnNextResult(const QStringList &hidPaths)
{
    for (const QString &path : hidPaths)
        m_replugged.insert(path);
}

void DevicePageDevices::runPending()
{
    if (m_busy > 0)
        return;
    if (m_pendingReconcile) {
        m_pendingReconcile = false;
        reconcile();
        return;  // the reconcile's own scope runs what it left pending
    }
    if (!m_pendingSwitchPath.isEmpty()) {
        const QString path = m_pendingSwitchPath;
        m_pendingSwitchPath.clear();
        switchTo(path, m_pendingSwitchFrom);
    }
}

// ---- Links

bool DevicePageDevices::waitForInquiry(DDeviceKeyboardLink *link)
{
    QPointer<DDeviceKeyboardLink> guard(link);
    if (!guard)
        return false;
    if (guard->isInquiryFinished())
        return true;
    BusyScope busy(this);
    p->m_elapsedTimer.start();
    while (guard && !guard->isInquiryFinished() && p->m_elapsedTimer.elapsed() < kInquiryWaitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !guard.isNull();
}

void DevicePageDevices::bindLinkProfile(DDeviceKeyboardLink *link, const hidStructInfo &info)
{
    const QString serial = link->getSerialNumber();
    if (serial.isEmpty()) {
        m_lateTimer->start();
        return;
    }
    // Each link reads its own device's file; the page's path is set only when a device becomes current.
    const QString path = ProfileFiles::profilePath(DDataManager::getInstance()->getUserConfigDir(),
                                                   QString::fromLatin1(info.hidName), serial);
    const QByteArray localPath = path.toLocal8Bit();
    link->setProfileXml(p->m_xml, localPath.constData());
    if (p->m_xml && ProfileFiles::isReadable(path))
        link->setProfileIndex(p->m_xml->getProfileIndex(localPath.constData()));
    link->setProperty("zelkaProfileBound", true);
}

void DevicePageDevices::openDeviceLink(const hidStructInfo &info)
{
    const QString path = pathOf(info);
    if (p->m_mapDeviceLink.contains(path))
        removeDevice(path);  // never two links for one path
    auto *link = new DDeviceKeyboardLink(++p->m_linkThreadIndex, nullptr);
    connect(link, &DDeviceKeyboardLink::sigCustomEventChangProfile, p, &DDevicePage::onCustomEventChangProfile);
    connect(link, &DDeviceKeyboardLink::sigMouseTriggeredDPIkey, p, &DDevicePage::onMouseTriggeredDPIkey);
    connect(link, &DDeviceKeyboardLink::sigMouseActivatesSniperKey, p, &DDevicePage::onMouseActivatesSniperKey);
    connect(link, &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd, p, &DDevicePage::onRuningOnboard0x19Cmd);
    connect(link, &DDeviceKeyboardLink::sigRuningOnboard0x18Cmd, p, &DDevicePage::onRuningOnboard0x18Cmd);
    connect(link, &DDeviceKeyboardLink::sigRuningMouse0x47Cmd, p, &DDevicePage::onRuningMouse0x47Cmd);
    connect(link, &DDeviceKeyboardLink::sigCloseWindowForThis, p, &DDevicePage::sigCloseWindowForThis_DevicePage);

    // A unit back from its bootloader may come under another path: the mark goes by model and
    // stays until the update ends; the link writes the serial only to a device without one.
    // Without a known model the mark goes by path, once.
    const bool byModel = !p->m_strUpgradeModel.isEmpty();
    if (p->m_isUpgradePending
        && (byModel ? QString::fromLatin1(info.hidName) == p->m_strUpgradeModel : path == p->m_strUpgradeHidPath)) {
        qCInfo(lcUi) << "a device of the model being updated opens; it keeps the unit's serial number if it has none";
        link->setSerialNumberToWrite(p->m_strUpgradeSn);
        if (!byModel)
            p->m_isUpgradePending = false;
    }
    p->m_mapDeviceLink.insert(path, link);
    p->m_mapLinkedInfo.insert(path, info);

    link->openHidDevice(info);
    if (!waitForInquiry(link) || p->m_mapDeviceLink.value(path) != link)
        return;  // removed while waiting
    bindLinkProfile(link, info);
}

void DevicePageDevices::checkLateLinks()
{
    bool waiting = false;
    for (auto it = p->m_mapDeviceLink.cbegin(); it != p->m_mapDeviceLink.cend(); ++it) {
        DDeviceKeyboardLink *link = it.value();
        if (link->property("zelkaProfileBound").toBool())
            continue;
        if (link->getSerialNumber().isEmpty()) {
            waiting = true;
            continue;
        }
        bindLinkProfile(link, p->m_mapLinkedInfo.value(it.key()));
    }
    // The current device whose serial number came late is loaded now.
    if (!m_lateLoadPath.isEmpty() && m_busy == 0) {
        DDeviceKeyboardLink *link = p->m_mapDeviceLink.value(m_lateLoadPath, nullptr);
        if (!link || link != p->m_curDeviceLink) {
            m_lateLoadPath.clear();
        } else if (link->isInquiryFinished() && link->getHidInterface()
                   && !link->getHidInterface()->getSerialNumber().isEmpty()) {
            const QString path = m_lateLoadPath;
            m_lateLoadPath.clear();
            qCInfo(lcUi) << "the device's serial number came late; loading it now:" << path;
            p->m_curHidInterface = link->getHidInterface();
            onInitLoadHid(QString::fromLatin1(p->m_curHidStructInfo.hidName), 3);
            // The key view was handed the file of no device when it became current.
            if (p->m_curDeviceLink == link)
                handKeyViewProfile();
        } else {
            waiting = true;
        }
    }
    if (!waiting && m_lateLoadPath.isEmpty())
        m_lateTimer->stop();
}

QMap<QString, DDeviceKeyboardLink *> DevicePageDevices::deviceLinkMap() const
{
    return p->m_mapDeviceLink;
}

void DevicePageDevices::setUpgradeMark(bool pending, const QString &hidPath, const QString &serialNumber,
                                       const QString &model)
{
    QString markedModel = model;
    if (pending && markedModel.isEmpty() && p->m_mapLinkedInfo.contains(hidPath))
        markedModel = QString::fromLatin1(p->m_mapLinkedInfo.value(hidPath).hidName);
    p->m_isUpgradePending = pending && !serialNumber.isEmpty() && (!markedModel.isEmpty() || !hidPath.isEmpty());
    p->m_strUpgradeHidPath = pending ? hidPath : QString();
    p->m_strUpgradeSn = pending ? serialNumber : QString();
    p->m_strUpgradeModel = pending ? markedModel : QString();
}

void DevicePageDevices::closeAllDevices()
{
    for (DDeviceKeyboardLink *link : qAsConst(p->m_mapDeviceLink)) {
        if (MainHidInterFace *transport = link->getHidInterface())
            transport->closeHidDevice();
    }
}

// ---- Removal

void DevicePageDevices::clearCurrentDevice()
{
    // Engines and pages drop the transport before the link that owns it can go.
    p->m_lightDealMain->setHidInterface(nullptr);
    p->m_mouseLightDealMain->setHidInterface(nullptr);
    p->m_curHidInterface = nullptr;
    p->m_curDeviceLink = nullptr;
    p->m_curHidStructInfo = hidStructInfo{};
}

void DevicePageDevices::stopDeviceLighting()
{
    p->ui->checkBox_LightSynchronize->setChecked(false);
    p->m_lightDealMain->stopAllLightThreads();
    p->m_lightDealMain->setAudioCaptureRunning(false);
    p->m_mouseLightDealMain->stopAllLightThreads();
    if (p->m_curHidStructInfo.deviceType == 0)
        p->m_lightDealMain->setLightSynchronize(false);
    else if (p->m_curHidStructInfo.deviceType == 1)
        p->m_mouseLightDealMain->setLightSynchronize(false);
}

void DevicePageDevices::showNoDevice()
{
    releaseViews(true, true);
    p->m_isDeviceListInit = false;
    p->m_isDeviceViewLoaded = false;
    p->m_isDeviceViewLoaded2 = false;
    p->m_curHidInterface = nullptr;
    p->m_hidStructInfoList.clear();
    p->m_isLightChanged = false;
    p->ui->label_currentProfileName->setText(QStringLiteral("Profile 1"));
    p->ui->stackedWidget_KeyboardArea->setCurrentWidget(p->ui->page_TipShow);
    m_lateLoadPath.clear();
}

void DevicePageDevices::removeDevice(const QString &hidPath)
{
    p->m_listOldHidPath.removeAll(hidPath);
    if (p->m_keyboardPage)
        p->m_keyboardPage->hideKeyToolTips();
    const hidStructInfo removed = p->m_mapLinkedInfo.take(hidPath);
    DDeviceKeyboardLink *link = p->m_mapDeviceLink.take(hidPath);
    const bool wasCurrent = link && link == p->m_curDeviceLink;

    if (wasCurrent) {
        if (p->m_curKeyButton) {
            p->m_curKeyButton->setSelected(false, true);
            p->m_curKeyButton = nullptr;
        }
        p->m_isCustomLightEditing = false;
        p->m_workMode = 0;
        p->on_pushButton_CloseKeyCustom_clicked();
        p->on_pushButton_CloseLedCustom_clicked();
        stopDeviceLighting();
        clearCurrentDevice();
        if (m_lateLoadPath == hidPath)
            m_lateLoadPath.clear();
    }
    if (link) {
        if (MainHidInterFace *transport = link->getHidInterface())
            transport->closeHidDevice();
        link->deleteLater();
    }
    removeRow(hidPath);

    if (p->m_mapDeviceItem.isEmpty()) {
        showNoDevice();
        return;
    }
    if (!wasCurrent) {
        bool typeLeft = false;
        for (const hidStructInfo &info : qAsConst(p->m_mapLinkedInfo))
            typeLeft = typeLeft || info.deviceType == removed.deviceType;
        if (!typeLeft && removed.deviceType == 0) {
            p->m_lightDealMain->stopAllLightThreads();
            p->m_lightDealMain->setAudioCaptureRunning(false);
            p->m_lightDealMain->setLightSynchronize(false);
        } else if (!typeLeft && removed.deviceType == 1) {
            p->m_mouseLightDealMain->stopAllLightThreads();
            p->m_mouseLightDealMain->setLightSynchronize(false);
        }
        return;
    }
    // Another device of the same kind takes over; without one, the first device left.
    QString next;
    for (const QString &path : qAsConst(p->m_listHidPath)) {
        if (p->m_mapDeviceLink.contains(path) && p->m_mapLinkedInfo.value(path).deviceType == removed.deviceType) {
            next = path;
            break;
        }
    }
    for (int i = 0; next.isEmpty() && i < p->m_listHidPath.size(); ++i) {
        if (p->m_mapDeviceLink.contains(p->m_listHidPath.at(i)))
            next = p->m_listHidPath.at(i);
    }
    if (next.isEmpty())
        next = p->m_mapDeviceLink.firstKey();
    m_pendingSwitchPath = next;
    m_pendingSwitchFrom = 1;
    if (m_busy == 0)
        runPending();
}

// ---- The current device

void DevicePageDevices::loadFirstDevice()
{
    if (p->m_hidStructInfoList.isEmpty()) {
        p->ui->stackedWidget_KeyboardArea->setCurrentWidget(p->ui->page_TipShow);
        return;
    }
    if (p->m_isDeviceViewLoaded || p->m_listDeviceItem.isEmpty())
        return;
    p->m_isDeviceViewLoaded = true;
    p->m_isDeviceViewLoaded2 = true;
    switchTo(p->m_listDeviceItem.first()->getHidPath(), 0);
}

void DevicePageDevices::onDeviceItemPressed(DDeviceListItem *row)
{
    if (!row || p->m_mapDeviceItem.value(row->getHidPath()) != row)
        return;
    const bool retry = row == p->m_curDeviceItem && !p->m_curHidInterface;
    if (row == p->m_curDeviceItem && !retry)
        return;
    if (!p->mayLeaveLighting())
        return;
    p->clearLightChanged();
    switchTo(row->getHidPath(), 2);
}

void DevicePageDevices::onHomePageDeviceItemClicked(const QString &hidPath)
{
    DDeviceListItem *row = p->m_mapDeviceItem.value(hidPath, nullptr);
    if (!row)
        return;
    // A click on the current device retries the load when its serial number had not come.
    if (row == p->m_curDeviceItem && p->m_curHidInterface && p->m_isDeviceViewLoaded2)
        return;
    p->m_isCustomLightEditing = false;
    if (!p->m_isDeviceViewLoaded2) {
        p->m_curDeviceItem = nullptr;
        p->m_isDeviceViewLoaded = true;
        p->m_isDeviceViewLoaded2 = true;
    }
    switchTo(hidPath, 1);
}

void DevicePageDevices::switchTo(const QString &hidPath, int connectFrom)
{
    if (m_busy > 0) {
        m_pendingSwitchPath = hidPath;
        m_pendingSwitchFrom = connectFrom;
        return;
    }
    DDeviceListItem *row = p->m_mapDeviceItem.value(hidPath, nullptr);
    if (!row || !p->m_mapDeviceLink.contains(hidPath))
        return;
    BusyScope busy(this);
    const int type = row->getDeviceType();
    if (type == 0)
        p->m_lightDealMain->setPreviewEnabled(false);
    else
        p->m_mouseLightDealMain->setPreviewEnabled(false);
    p->m_isCustomLightEditing = false;
    for (DDeviceListItem *item : qAsConst(p->m_listDeviceItem))
        item->setSelected(item == row);
    if (p->m_curKeyButton) {
        p->m_curKeyButton->setSelected(false, true);
        p->m_curKeyButton = nullptr;
    }
    p->ui->stackedWidget_KeyboardArea->setCurrentWidget(p->ui->page_KeyboardShow);
    openDeviceView(p->m_mapLinkedInfo.value(hidPath));
    p->m_curDeviceItem = row;
    p->m_isDeviceViewLoaded = true;
    p->m_isDeviceViewLoaded2 = true;
    onInitLoadHid(row->getHidName(), connectFrom);
    if (p->m_curDeviceItem != row)
        return;  // the device left while its file was loaded
    handKeyViewProfile();
    // The key panel was opened for a key of the device before: it closes and forgets that key.
    p->m_keys->resetKeyPanel();
    p->on_pushButton_CloseKeyCustom_clicked();
    p->ui->pushButton_Custom->setChecked(true);
    p->ui->label_ProductName->setText(row->getProductName());
    p->ui->label_ProductName->setVisible(!row->getProductName().isEmpty());
    p->ui->label_DeviceName->setText(row->getLikeName());
    if (type == 0)
        p->m_lightDealMain->setPreviewEnabled(true);
    else
        p->m_mouseLightDealMain->setPreviewEnabled(true);
}

void DevicePageDevices::handKeyViewProfile()
{
    if (p->m_curHidStructInfo.deviceType != 0 || !p->m_keyboardPage)
        return;
    p->m_keyboardPage->setProfileXml(QString::fromLocal8Bit(p->m_profileXmlPath),
                                     QString::fromLocal8Bit(p->m_macroXmlPath), p->m_xml);
    p->m_keyboardPage->setProfileIndex(p->m_curProfileIndex);
    p->m_keyboardPage->setKeyNameMap(p->m_keyNameMap);
}

void DevicePageDevices::releaseViews(bool keyboardViews, bool mouseViews)
{
    if (keyboardViews && (p->m_keyboardPage || p->m_keyboardArea)) {
        // The engines and links hold pointers to the key view's buttons: they let go first.
        p->m_lightDealMain->setPreviewShown(false);
        p->m_lightDealMain->setSideLightButtons({});
        p->m_lightDealMain->setCustomLightKeys({});
        for (DDeviceKeyboardLink *link : qAsConst(p->m_mapDeviceLink))
            link->setKeyButtonMap({});
        p->m_curKeyButton = nullptr;
        delete p->m_keyboardPage;
        p->m_keyboardPage = nullptr;
        delete p->m_keyboardImagePage;
        p->m_keyboardImagePage = nullptr;
        delete p->m_keyboardArea;
        p->m_keyboardArea = nullptr;
    }
    if (mouseViews && (p->m_mousePage || p->m_mouseLightPage)) {
        p->m_mouseLightDealMain->setPreviewShown(false);
        p->m_mouseLightDealMain->setMouseLightButtons({});
        delete p->m_mousePage;
        p->m_mousePage = nullptr;
        delete p->m_mouseLightPage;
        p->m_mouseLightPage = nullptr;
    }
}

void DevicePageDevices::openDeviceView(const hidStructInfo &info)
{
    const QString model = QString::fromLatin1(info.hidName);
    for (DCustomLightListItem *item : qAsConst(p->m_listCustomLightItem))
        delete item;
    p->m_listCustomLightItem.clear();
    p->m_curCustomLightItem = nullptr;

    if (p->m_curDeviceItem) {
        if (p->m_curDeviceItem->getDeviceType() == 0)
            p->m_lightDealMain->setLightSynchronize(false);
        else
            p->m_mouseLightDealMain->setLightSynchronize(false);
    }
    releaseViews(true, true);
    p->m_lightDealMain->setPreviewEnabled(info.deviceType == 0);
    p->m_mouseLightDealMain->setPreviewEnabled(info.deviceType == 1);

    if (info.deviceType == 0) {
        const HidListInfo entry = DDataManager::getInstance()->getHidListInfoMap().value(model);
        p->m_keyboardArea = new QWidget(p->ui->hidDeviceShowFrame);
        if (entry.SizeWidth > 0 && entry.SizeHeight > 0)
            p->m_keyboardArea->setFixedSize(entry.SizeWidth + 20, entry.SizeHeight + 20);
        p->m_keyboardImagePage = new keyboardImagePage(p->m_keyboardArea);
        p->m_keyboardPage = new keyboardPage(104, p->m_keyboardArea);
        connect(p->m_keyboardPage, &keyboardPage::sigKeyboardAlreadyLoad, p, &DDevicePage::onKeyboardAlreadyLoad_Over);
        connect(p->m_keyboardPage, &keyboardPage::sigUpdateCustomLight, p, &DDevicePage::onUpdateCustomLight);
        connect(p->m_keyboardPage, &keyboardPage::sigKeyboardClicked, p, &DDevicePage::onKeyboardClicked);
        // Picture under the key view, both in one place; stacking order by raise() and lower().
        auto *stack = new QStackedLayout(p->m_keyboardArea);
        stack->setStackingMode(QStackedLayout::StackAll);
        stack->addWidget(p->m_keyboardImagePage);
        stack->addWidget(p->m_keyboardPage);
        p->ui->hidDeviceShowFrame->layout()->addWidget(p->m_keyboardArea);
        p->m_keyboardPage->raise();
        p->m_keyboardImagePage->lower();
        p->m_keyboardImagePage->setKeyboardModel(model);
        p->m_keyboardPage->setKeyboardModel(model);
        watchPreview(p->m_keyboardArea, p->m_lightDealMain.get(), &lightDealMain::setPreviewShown);
    } else if (info.deviceType == 1) {
        p->m_mousePage = new DMousePage(model, p->ui->hidDeviceShowFrame);
        connect(p->m_mousePage, &DMousePage::sigMouseButtonClicked, p, &DDevicePage::onMouseButtonClicked);
        connect(p->m_mousePage, &DMousePage::sigMouseInfoAlreadyLoad, p, &DDevicePage::onMouseInfoAlreadyLoad);
        p->ui->hidDeviceShowFrame->layout()->addWidget(p->m_mousePage);
        p->m_mousePage->setKeyNameMap(p->m_keyNameMap);
        p->m_mousePage->setXmlInterface(p->m_xml);
        p->m_mousePage->loadMouseInfo(model);
        p->m_mouseLightPage = new DMouseLightPage(model, p->ui->mouseLightFrame);
        connect(p->m_mouseLightPage, &DMouseLightPage::sigScrollLinkStatus, p, &DDevicePage::onScrollLinkStatus);
        connect(p->m_mouseLightPage, &DMouseLightPage::sigLogoLinkStatus, p, &DDevicePage::onLogoLinkStatus);
        connect(p->m_mouseLightPage, &DMouseLightPage::sigSelectMouseLightType, p,
                &DDevicePage::onSelectMouseLightType);
        p->ui->mouseLightFrame->layout()->addWidget(p->m_mouseLightPage);
        p->m_mouseLightPage->loadMouseInfo(model);
        p->m_mouseLightDealMain->setMouseLightButtons(p->m_mouseLightPage->ledButtons());
        watchPreview(p->m_mouseLightPage, p->m_mouseLightDealMain.get(), &mouseLightDealMain::setPreviewShown);
    }

    const QString path = pathOf(info);
    p->m_curHidStructInfo = info;
    p->m_curDeviceLink = p->m_mapDeviceLink.value(path, nullptr);
    p->m_curHidInterface = p->m_curDeviceLink ? p->m_curDeviceLink->getHidInterface() : nullptr;
    if (p->m_curDeviceLink)
        p->m_curDeviceLink->setLightDataMode(info.deviceType);
    for (DDeviceKeyboardLink *link : qAsConst(p->m_mapDeviceLink)) {
        link->setOnboardMode(0);
        link->setShakeHandsMode(true);
    }
}

// ---- Loading the current device

void DevicePageDevices::onInitLoadHid(const QString &hidName, int connectFrom)
{
    qCDebug(lcUi) << "-------------------------------- *** DDevicePage::onInitLoadHid *** "
                     "--------------------------------- 001 connectFrom:"
                  << connectFrom;
    QPointer<DDeviceKeyboardLink> link = p->m_curDeviceLink;
    if (!link)
        return;
    const QString linkPath = pathOf(p->m_curHidStructInfo);
    if (!waitForInquiry(link) || link != p->m_curDeviceLink)
        return;
    qCDebug(lcUi) << "-------------------------------- *** DDevicePage::onInitLoadHid *** "
                     "--------------------------------- 002";
    MainHidInterFace *transport = link->getHidInterface();
    p->m_currentDeviceSnInfo = transport ? transport->getSerialNumber() : QString();
    if (p->m_currentDeviceSnInfo.isEmpty()) {
        // Loaded as soon as the serial number comes, if the device is still current.
        p->m_curHidInterface = nullptr;
        m_lateLoadPath = linkPath;
        m_lateTimer->start();
        return;
    }
    m_lateLoadPath.clear();
    p->m_curHidInterface = transport;
    qCDebug(lcUi) << "------------------------- onInitLoadHid m_currentDeviceSnInfo:" << p->m_currentDeviceSnInfo;
    DevicePageLoad(p).loadDevice(link, hidName);
}
