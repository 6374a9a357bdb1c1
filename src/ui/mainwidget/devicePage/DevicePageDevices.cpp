#include "DevicePageDevices.h"

#include "ColorWheelTool.h"
#include "DCustomLightListItem.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDeviceListItem.h"
#include "DDevicePage.h"
#include "DevicePageTables.h"
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
#include "ProfileFiles.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStackedLayout>
#include <QTimer>

#include <cstring>

namespace {

constexpr int kInquiryWaitMs = 1500;
constexpr int kLateSerialPollMs = 100;
constexpr int kHiddenAppIndexNum = 789;

QString pathOf(const hidStructInfo &info)
{
    return QString::fromLatin1(info.hidPath);
}

void setEffectButtons(Ui::DDevicePage *ui, const QList<QWidget *> &all, const QMap<int, QWidget *> &byId,
                      const QList<int> &ids)
{
    for (QWidget *button : all)
        button->hide();
    for (int id : ids) {
        if (QWidget *button = byId.value(id, nullptr))
            button->show();
    }
    Q_UNUSED(ui)
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
    // Every device that left (or whose path another device now has), then every device that came.
    const QStringList linked = p->m_listOldHidPath;
    for (const QString &path : linked) {
        const bool gone = !p->m_mapHidStructInfo.contains(path);
        const bool reused = !gone && !sameDevice(p->m_mapLinkedInfo.value(path), p->m_mapHidStructInfo.value(path));
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

    if (p->m_isUpgradePending && path == p->m_strUpgradeHidPath) {
        p->m_isUpgradePending = false;
        link->setSerialNumberToWrite(p->m_strUpgradeSn);
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
        } else {
            waiting = true;
        }
    }
    if (!waiting && m_lateLoadPath.isEmpty())
        m_lateTimer->stop();
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
    if (type == 0 && p->m_keyboardPage) {
        p->m_keyboardPage->setProfileXml(QString::fromLocal8Bit(p->m_profileXmlPath),
                                         QString::fromLocal8Bit(p->m_macroXmlPath), p->m_xml);
        p->m_keyboardPage->setProfileIndex(p->m_curProfileIndex);
        p->m_keyboardPage->setKeyNameMap(p->m_keyNameMap);
    }
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

void DevicePageDevices::releaseViews(bool keyboardViews, bool mouseViews)
{
    if (keyboardViews && (p->m_keyboardPage || p->m_keyboardArea)) {
        // The engines and links hold pointers to the key view's buttons: they let go first.
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
    Ui::DDevicePage *ui = p->ui.get();
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

    const int type = p->m_curHidStructInfo.deviceType;
    ui->frame_CustomLight->hide();
    ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_deviceShow);
    p->m_colorWheelTool->setDeviceType(type);
    ui->stackedWidget_Onboard->hide();
    ui->frame_OnboardProfile->hide();
    ui->frame_OnboardDownload->hide();
    ui->pushButton_AppMode->setChecked(true);
    for (QWidget *w :
         {static_cast<QWidget *>(ui->toolButton_Text), static_cast<QWidget *>(ui->toolButton_Disable),
          static_cast<QWidget *>(ui->toolButton_Shortcuts), static_cast<QWidget *>(ui->toolButton_SwitchProfile),
          static_cast<QWidget *>(ui->toolButton_OpenApp)})
        w->show();
    p->m_curKeyDec = -1;

    if (type == 0) {
        p->m_isSupportOnboard = p->m_keyboardPage && p->m_keyboardPage->isSupportOnboard();
        p->m_workMode = 0;
        link->setOnboardMode(0);
        delete p->m_onboardPage;
        p->m_onboardPage = nullptr;
        ui->pushButton_Performance->show();
        ui->pushButton_CustomList->show();
        ui->pushButton_Performance->setChecked(true);
        ui->pushButton_MousePerformance->hide();
        ui->pushButton_MouseDpiConfig->hide();
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_Performance);
        p->loadKeyboardLightModes();
        link->setLightDealMain(p->m_lightDealMain.get());
        QMap<int, KeyButtonInterface *> buttons;
        if (p->m_keyboardPage) {
            const QMap<int, keyboardButCustom *> map = p->m_keyboardPage->getKeyButtonMap();
            for (auto it = map.cbegin(); it != map.cend(); ++it)
                buttons.insert(it.key(), it.value());
        }
        link->setKeyButtonMap(buttons);
        const LightTypeInfo keys = link->getKeyboardLightTypeList();
        const LightTypeInfo side = link->getSideLightTypeList();
        p->onSendKeyboardAndSideLightSpeedAndBrightness(keys.speedMax, keys.brightnessMax, side.speedMax,
                                                        side.brightnessMax);
    } else if (type == 1) {
        if (p->m_mouseLightPage)
            p->m_mouseLightPage->applyTheme();
        p->m_isSupportOnboard = false;
        p->m_workMode = 0;
        link->setOnboardMode(0);
        p->m_isMouseLightLoaded = false;
        p->m_curMouseButtonIndex = 0;
        ui->pushButton_MousePerformance->show();
        ui->pushButton_MouseDpiConfig->show();
        ui->pushButton_Performance->hide();
        ui->pushButton_CustomList->hide();
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_MouseDpiConfig);
        p->loadMouseEffectList();
        link->setMouseLightDealMain(p->m_mouseLightDealMain.get());
    }

    // The profile file: made with its defaults when missing, set aside and replaced when unreadable.
    if (!p->m_xml)
        return;
    DDataManager *data = DDataManager::getInstance();
    const QString profilePath = ProfileFiles::profilePath(data->getUserConfigDir(), hidName, p->m_currentDeviceSnInfo);
    QString aside;
    const ProfileFiles::Outcome outcome =
        ProfileFiles::prepare(p->m_xml, profilePath, type, hidName, data->getLightSynchronize(), &aside);
    if (outcome == ProfileFiles::Outcome::Replaced)
        p->showNotice(DDevicePage::tr("The profile file could not be read; it was kept as %1 and a new one was made.")
                          .arg(QFileInfo(aside).fileName()));
    else if (outcome == ProfileFiles::Outcome::Failed)
        p->showNotice(DDevicePage::tr("The profile file could not be written."));
    p->m_profileXmlPath = profilePath.toLocal8Bit();
    link->setProfileXml(p->m_xml, p->m_profileXmlPath.constData());
    link->setProperty("zelkaProfileBound", true);

    p->m_curProfileIndex = ProfileFiles::currentProfileIndex(p->m_xml, profilePath, type, hidName);
    link->setProfileIndex(p->m_curProfileIndex);
    const QByteArray key = QByteArray::number(p->m_curProfileIndex);
    const char *file = p->m_profileXmlPath.constData();
    xmlInterface *xml = p->m_xml;
    const auto showLightSwitch = [&]() {
        p->m_ledOpenOrClose = xml->getLightSwitch(file, key.constData());
        ui->pushButton_LightOnOff->setStyleSheet(
            p->m_ledOpenOrClose ? QStringLiteral("QPushButton{border-image:url(:/images/deviceLed/ledOff.png);}")
                                : QStringLiteral("QPushButton{border-image:url(:/images/deviceLed/ledOn.png);}"));
        p->m_synchronizeStatus = xml->getSynchronizeStatus(file, key.constData());
        ui->checkBox_LightSynchronize->setChecked(p->m_synchronizeStatus == 1);
    };

    if (type == 0) {
        p->m_lightDealMain->setHidInterface(p->m_curHidInterface);
        p->m_keyboardLedType = xml->getLightUsingIndex(file, key.constData(), 0);
        p->m_sideLedType = xml->getLightUsingIndex(file, key.constData(), 1);
        link->setKeyboardLightType(p->m_keyboardLedType);
        showLightSwitch();
        qCDebug(lcUi) << "------------------------------------------------------------ *** Light 01 *** "
                         "------------------------";
        p->onCurIndexChangedMainPage(1);
        qCDebug(lcUi) << "------------------------------------------------------------ *** Light 02 *** "
                         "------------------------";
        p->onCurIndexChangedMainPage(0);
        qCDebug(lcUi) << "------------------------------------------------------------ *** Light 03 *** "
                         "------------------------";
    } else if (type == 1) {
        p->m_mouseLightDealMain->setHidInterface(p->m_curHidInterface);
        if (p->m_mouseLightPage)
            p->m_mouseLightDealMain->setMouseLightButtons(p->m_mouseLightPage->ledButtons());
        p->m_mouseConfigView->setProfileXml(file, xml);
        p->m_mouseAroundLedType = xml->getLightUsingIndex(file, key.constData(), 0);
        p->m_mouseScrollLedType = xml->getLightUsingIndex(file, key.constData(), 1);
        p->m_mouseLogoLedType = xml->getLightUsingIndex(file, key.constData(), 2);
        link->setMouseAroundLightType(p->m_mouseAroundLedType);
        link->setMouseScrollLightType(p->m_mouseScrollLedType);
        link->setMouseLogoLightType(p->m_mouseLogoLedType);
        if (p->m_mousePage)
            p->m_mousePage->setProfilePath(file);
        p->m_mousePerformanceView->setProfileIndex(p->m_curProfileIndex);
        p->m_mouseConfigView->setProfileIndex(p->m_curProfileIndex);
        if (p->m_mouseLightPage) {
            p->m_mouseLightPage->setProfileXml(file, xml);
            p->m_mouseLightPage->setProfileIndex(p->m_curProfileIndex);
        }
        showLightSwitch();
        p->onCurIndexChangedMainPage(1);
        p->onCurIndexChangedMainPage(0);
        p->m_isMouseLightLoaded = true;
        if (p->m_mouseLightPage)
            p->m_mouseLightPage->loadLinkStatus();
    }

    p->m_strCurProfileIndex = QString::fromLatin1(key);
    ProfileConfigInfo profile;
    xml->getProfileInfo(file, key.constData(), &profile);
    p->m_strCurProfileName = QString::fromUtf8(profile.name);
    ui->label_currentProfileName->setText(p->m_strCurProfileName);

    if (p->m_isSupportOnboard && data->getCurrentAppIndexNum() != kHiddenAppIndexNum) {
        ui->frame_HidDeviceTypeChang->show();
        const bool restoreOnly = factoryRestoreOnlyModels().contains(hidName);
        ui->toolButton_RestoreFactorySettings->setVisible(restoreOnly);
        ui->pushButton_AppMode->setVisible(!restoreOnly);
        ui->pushButton_OnboardMode->setVisible(!restoreOnly);
    } else {
        ui->frame_HidDeviceTypeChang->hide();
    }
}

void DevicePageDevices::loadKeyboardEffectList()
{
    DDeviceKeyboardLink *link = p->m_curDeviceLink;
    const LightTypeInfo list = link ? link->getKeyboardLightTypeList() : LightTypeInfo{};
    static const char *const kButtons[] = {"Static",   "Neon",       "Breath",    "Wave",         "Twinkle", "Snack",
                                           "Radar",    "Aurora",     "Ripple",    "SpeedRespond", "Cross",   "MouseDPI",
                                           "Reactive", "AutoRipple", "Striation", "Fireworks"};
    QList<QWidget *> all;
    for (const char *name : kButtons) {
        if (QWidget *w = p->findChild<QWidget *>(QStringLiteral("toolButton_") + QLatin1String(name)))
            all.append(w);
    }
    const QMap<int, QWidget *> byId{
        {0, p->ui->toolButton_Static},        {1, p->ui->toolButton_Breath},      {2, p->ui->toolButton_Wave},
        {3, p->ui->toolButton_Neon},          {4, p->ui->toolButton_Radar},       {5, p->ui->toolButton_Snack},
        {6, p->ui->toolButton_Reactive},      {7, p->ui->toolButton_Aurora},      {8, p->ui->toolButton_Ripple},
        {9, p->ui->toolButton_Twinkle},       {10, p->ui->toolButton_CustomLed},  {11, p->ui->toolButton_Cross},
        {12, p->ui->toolButton_SpeedRespond}, {14, p->ui->toolButton_AutoRipple}, {15, p->ui->toolButton_Striation},
        {16, p->ui->toolButton_Fireworks}};
    setEffectButtons(p->ui.get(), all, byId, list.lightTypeList);
    p->ui->toolButton_CustomLed->show();
    p->ui->toolButton_MusicalRhythm->show();
    p->m_colorWheelTool->setSpeedAndBrightnessMaxNum(list.speedMax, list.brightnessMax);
}

void DevicePageDevices::loadSideEffectList()
{
    DDeviceKeyboardLink *link = p->m_curDeviceLink;
    const LightTypeInfo list = link ? link->getSideLightTypeList() : LightTypeInfo{};
    Ui::DDevicePage *ui = p->ui.get();
    ui->frame_19->hide();
    const QList<QWidget *> all{ui->toolButton_SideStatic, ui->toolButton_SideBreath, ui->toolButton_SideWave,
                               ui->toolButton_SideCollision, ui->toolButton_SideNeon};
    const QMap<int, QWidget *> byId{{0, ui->toolButton_SideStatic},
                                    {1, ui->toolButton_SideBreath},
                                    {2, ui->toolButton_SideWave},
                                    {3, ui->toolButton_SideCollision},
                                    {4, ui->toolButton_SideNeon}};
    setEffectButtons(ui, all, byId, list.lightTypeList);
    if (!list.lightTypeList.isEmpty())
        ui->frame_19->show();
    p->m_colorWheelTool->setSideLightSpeedAndBrightnessMaxNum(list.speedMax, list.brightnessMax);
}

void DevicePageDevices::loadMouseEffectList()
{
    Ui::DDevicePage *ui = p->ui.get();
    ui->frame_19->hide();
    DDeviceKeyboardLink *link = p->m_curDeviceLink;
    const LightTypeInfo around = link ? link->getMouseLightTypeList() : LightTypeInfo{};
    const LightTypeInfo scroll = link ? link->getScrollLightTypeList() : LightTypeInfo{};
    const LightTypeInfo logo = link ? link->getLogoLightTypeList() : LightTypeInfo{};
    p->m_mouseLightDealMain->setSpeedAndBrightnessMaxNum(around.speedMax, around.brightnessMax, scroll.speedMax,
                                                         scroll.brightnessMax, logo.speedMax, logo.brightnessMax);
    p->m_colorWheelTool->setMouseAroundSpeedAndBrightnessMaxNum(around.speedMax, around.brightnessMax);
    p->m_colorWheelTool->setMouseScrollSpeedAndBrightnessMaxNum(scroll.speedMax, scroll.brightnessMax);
    p->m_colorWheelTool->setMouseLogoSpeedAndBrightnessMaxNum(logo.speedMax, logo.brightnessMax);

    QList<QWidget *> keyboardButtons;
    for (const DevicePageTables::ButtonEntry &entry : DevicePageTables::keyboardEffectButtons) {
        if (QWidget *w = p->findChild<QWidget *>(QLatin1String(entry.objectName)))
            keyboardButtons.append(w);
    }
    const QMap<int, QWidget *> aroundById{
        {0, ui->toolButton_Static},  {1, ui->toolButton_Breath},   {2, ui->toolButton_Wave},
        {3, ui->toolButton_Neon},    {4, ui->toolButton_Snack},    {5, ui->toolButton_Reactive},
        {6, ui->toolButton_Twinkle}, {7, ui->toolButton_MouseDPI}, {8, ui->toolButton_SpeedRespond}};
    setEffectButtons(ui, keyboardButtons, aroundById, around.lightTypeList);
    p->resetScrollLogoEffectButtons();
    const QList<QWidget *> scrollButtons{ui->toolButton_MouseScrollAndLogoStatic, ui->toolButton_MouseScrollAndLogoNeon,
                                         ui->toolButton_MouseScrollAndLogoBreath, ui->toolButton_MouseScrollAndLogoDPI};
    const QMap<int, QWidget *> scrollById{{0, ui->toolButton_MouseScrollAndLogoStatic},
                                          {1, ui->toolButton_MouseScrollAndLogoNeon},
                                          {2, ui->toolButton_MouseScrollAndLogoBreath},
                                          {3, ui->toolButton_MouseScrollAndLogoDPI}};
    setEffectButtons(ui, scrollButtons, scrollById, scroll.lightTypeList);
}
