// SPDX-License-Identifier: GPL-3.0-or-later
#include "DDevicePage.h"
#include "ui_DDevicePage.h"

#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "LogCategories.h"
#include "MainHidInterFace.h"
#include "xmlInterface.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstring>

namespace {

constexpr int kInquiryWaitMs = 1500;

void copyPath(char (&buffer)[256], const QByteArray &path)
{
    std::memset(buffer, 0, sizeof(buffer));
    std::strncpy(buffer, path.constData(), sizeof(buffer) - 1);
}

}  // namespace

DDevicePage::DDevicePage(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DDevicePage>())
{
    ui->setupUi(this);
    ui->stackedWidget_KeyboardArea->setCurrentWidget(ui->page_TipShow);

    // The main window feeds these from the home page and the macro page.
    connect(this, &DDevicePage::sigHomePageDeviceItemClicked, this, &DDevicePage::onHomePageDeviceItemClicked);
    connect(this, &DDevicePage::sigMacroListHaveChangedSendToDevice, this,
            &DDevicePage::onMacroListHaveChangedSendToDevice);
    connect(this, &DDevicePage::sigHookKeyboardRecviveStreamToDevice, this,
            &DDevicePage::onHookKeyboardRecviveStreamToDevice);
}

DDevicePage::~DDevicePage()
{
    // Each link closes its transport (stopping its I/O thread) as it goes.
    qDeleteAll(m_mapDeviceLink);
    m_mapDeviceLink.clear();
}

void DDevicePage::setMacroXml(const char *macroXmlPath, xmlInterface *xml)
{
    copyPath(m_macroXmlPath, QByteArray(macroXmlPath ? macroXmlPath : ""));
    m_xml = xml;
}

void DDevicePage::setMainWindow(QWidget *window)
{
    m_mainWindow = window;
}

bool DDevicePage::setHidStructInfoList(QList<hidStructInfo> list)
{
    m_hidStructInfoList = list;
    m_mapHidStructInfo.clear();
    m_listHidPath.clear();
    for (const hidStructInfo &info : list) {
        const QString path = QString::fromLatin1(info.hidPath);
        m_mapHidStructInfo.insert(path, info);
        m_listHidPath.append(path);
    }

    if (m_isDeviceListInit) {
        emit sigHidDeviceListUpdate(list);
        return false;
    }

    for (const hidStructInfo &info : list) {
        const QString path = QString::fromLatin1(info.hidPath);
        openDeviceLink(info);
        if (!m_listOldHidPath.contains(path))
            m_listOldHidPath.append(path);
    }
    if (!list.isEmpty()) {
        m_isDeviceListInit = true;
        m_curHidPath = QString::fromLatin1(list.first().hidPath);
        loadFirstDevice();
    }
    emit sigHidDeviceListUpdate(list);
    return true;
}

QList<hidStructInfo> DDevicePage::getHidStructInfoList() const
{
    return m_hidStructInfoList;
}

void DDevicePage::onDeviceListChanged(bool inserted, QString)
{
    if (inserted)
        qCDebug(lcUi)
            << "------------------------------------------ ****************************** Keyboard [ Insert ] "
               "****************************** --------------------------------------------";
    else
        qCDebug(lcUi)
            << "------------------------------------------ ****************************** Keyboard [ OutPut ] "
               "****************************** --------------------------------------------";

    // Every device that left, then every device that came: one enumeration can carry several.
    const QStringList linked = m_listOldHidPath;
    for (const QString &path : linked) {
        if (!m_listHidPath.contains(path)) {
            qCDebug(lcUi) << "------------------------------------------OutPutHidPath FindHidPath:" << path;
            removeDevice(path);
        }
    }
    const QStringList current = m_listHidPath;
    for (const QString &path : current) {
        // A nested wait may have brought a newer result that no longer holds the path.
        if (m_listOldHidPath.contains(path) || !m_mapHidStructInfo.contains(path))
            continue;
        qCDebug(lcUi) << "------------------------------------------ InsertHidPath FindHidPath:" << path;
        const hidStructInfo info = m_mapHidStructInfo.value(path);
        m_listOldHidPath.append(path);
        openDeviceLink(info);
        const bool noCurrent = m_curHidPath.isEmpty() || !m_mapDeviceLink.contains(m_curHidPath);
        const bool otherType = !noCurrent && m_mapLinkedInfo.value(m_curHidPath).deviceType != info.deviceType;
        if (noCurrent || otherType) {
            m_isDeviceViewLoaded = true;
            makeCurrent(path, !noCurrent);
        }
    }
    if (!m_mapDeviceLink.isEmpty())
        m_isDeviceListInit = true;
}

void DDevicePage::loadFirstDevice()
{
    if (m_hidStructInfoList.isEmpty()) {
        ui->stackedWidget_KeyboardArea->setCurrentWidget(ui->page_TipShow);
        return;
    }
    if (m_isDeviceViewLoaded)
        return;
    m_isDeviceViewLoaded = true;
    QString path = m_curHidPath;
    if (path.isEmpty() || !m_mapDeviceLink.contains(path))
        path = QString::fromLatin1(m_hidStructInfoList.first().hidPath);
    makeCurrent(path, false);
}

bool DDevicePage::isLightChanged() const
{
    return m_isLightChanged;
}

void DDevicePage::clearLightChanged()
{
    m_isLightChanged = false;
}

int DDevicePage::showTipInfoDia()
{
    // Nothing on this page can change the lighting yet, so there is never anything to save.
    return 2;
}

void DDevicePage::applyLightSettings()
{
    m_isLightChanged = false;
}

void DDevicePage::updataAllUI()
{
    ui->retranslateUi(this);
    showCurrentDevice();
}

void DDevicePage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    ui->frame_9->setStyleSheet(
        QStringLiteral("QFrame#frame_9{background-color: rgb(%1); border: none; border-bottom: 3px solid rgb(%2);}"
                       "QLabel#label_ProductName{color: rgb(%3);}"
                       "QLabel#label_DeviceName{color: rgb(%4);}")
            .arg(theme.MainWidgetBgColor, theme.DeviceBorderColor, theme.TextCheckedColor, theme.TextDefaultColor));
    ui->label_TipShow->setStyleSheet(QStringLiteral("QLabel{color: rgb(%1);}").arg(theme.TextDefaultColor));
    QFont font = DDataManager::getInstance()->getFont(0);
    font.setPointSize(14);
    ui->label_ProductName->setFont(font);
    ui->label_DeviceName->setFont(font);
    ui->label_TipShow->setFont(font);
}

QString DDevicePage::currentHidPath() const
{
    return m_curHidPath;
}

QStringList DDevicePage::linkedHidPaths() const
{
    return m_listOldHidPath;
}

DDeviceKeyboardLink *DDevicePage::deviceLink(const QString &hidPath) const
{
    return m_mapDeviceLink.value(hidPath, nullptr);
}

void DDevicePage::onHomePageDeviceItemClicked(QString hidPath)
{
    if (!m_mapDeviceLink.contains(hidPath))
        return;
    if (hidPath == m_curHidPath && m_isDeviceViewLoaded)
        return;
    const bool switching = m_isDeviceViewLoaded;
    m_isDeviceViewLoaded = true;
    makeCurrent(hidPath, switching);
}

void DDevicePage::onMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName)
{
    // The copies of a macro bound to keys live in the profile file, which this page does not
    // load yet; there is nothing to bring up to date.
    Q_UNUSED(strMacroIndex)
    Q_UNUSED(strMacroName)
}

void DDevicePage::onHookKeyboardRecviveStreamToDevice(int dataFrom, int keyCode, int flag)
{
    Q_UNUSED(dataFrom)
    Q_UNUSED(keyCode)
    Q_UNUSED(flag)
}

void DDevicePage::onCustomEventChangProfile(int changeProfileIndex)
{
    DDeviceKeyboardLink *link = m_mapDeviceLink.value(m_curHidPath, nullptr);
    if (!link)
        return;
    if (m_xml && m_profileXmlPath[0])
        m_xml->setProfileIndex(m_profileXmlPath, changeProfileIndex);
    link->setProfileIndex(changeProfileIndex);
}

void DDevicePage::onMouseTriggeredDPIkey() {}

void DDevicePage::onMouseActivatesSniperKey(bool set)
{
    m_mouseSniperActive = set;
}

void DDevicePage::onRuningOnboard0x19Cmd()
{
    ++m_onboardMacroAckCount;
    qCDebug(lcUi) << "-------------------------- *** Onboard Download [Write 0x19 Recv] *** --------------------------"
                  << m_onboardMacroAckCount;
    m_onboardMacroAcknowledged = true;
}

void DDevicePage::onRuningOnboard0x18Cmd()
{
    m_onboardKeyAcknowledged = true;
}

void DDevicePage::onRuningMouse0x47Cmd()
{
    m_mouseKeyAcknowledged = true;
}

void DDevicePage::openDeviceLink(const hidStructInfo &info)
{
    const QString path = QString::fromLatin1(info.hidPath);
    auto *link = new DDeviceKeyboardLink(++m_linkThreadIndex, nullptr);
    connect(link, &DDeviceKeyboardLink::sigCustomEventChangProfile, this, &DDevicePage::onCustomEventChangProfile);
    connect(link, &DDeviceKeyboardLink::sigMouseTriggeredDPIkey, this, &DDevicePage::onMouseTriggeredDPIkey);
    connect(link, &DDeviceKeyboardLink::sigMouseActivatesSniperKey, this, &DDevicePage::onMouseActivatesSniperKey);
    connect(link, &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd, this, &DDevicePage::onRuningOnboard0x19Cmd);
    connect(link, &DDeviceKeyboardLink::sigRuningOnboard0x18Cmd, this, &DDevicePage::onRuningOnboard0x18Cmd);
    connect(link, &DDeviceKeyboardLink::sigRuningMouse0x47Cmd, this, &DDevicePage::onRuningMouse0x47Cmd);
    connect(link, &DDeviceKeyboardLink::sigCloseWindowForThis, this, &DDevicePage::sigCloseWindowForThis_DevicePage);

    // A later link for the same path replaces the earlier one, whose device is then closed.
    if (DDeviceKeyboardLink *previous = m_mapDeviceLink.take(path)) {
        if (MainHidInterFace *transport = previous->getHidInterface())
            transport->closeHidDevice();
        previous->deleteLater();
    }
    m_mapDeviceLink.insert(path, link);
    m_mapLinkedInfo.insert(path, info);

    QPointer<DDeviceKeyboardLink> guard(link);
    link->openHidDevice(info);
    waitForInquiry(link);
    if (!guard)
        return;

    const QString profilePath = DDataManager::getInstance()->getUserConfigDir() + QLatin1Char('/')
                                + QString::fromLatin1(info.hidName) + QLatin1Char('/') + link->getSerialNumber()
                                + QStringLiteral("/brivexProFile.xml");
    copyPath(m_profileXmlPath, profilePath.toLocal8Bit());
    link->setProfileXml(m_xml, m_profileXmlPath);
}

void DDevicePage::closeAllDevices()
{
    for (DDeviceKeyboardLink *link : qAsConst(m_mapDeviceLink)) {
        if (MainHidInterFace *transport = link->getHidInterface())
            transport->closeHidDevice();
    }
}

void DDevicePage::removeDevice(const QString &hidPath)
{
    m_listOldHidPath.removeAll(hidPath);
    const hidStructInfo removed = m_mapLinkedInfo.take(hidPath);
    if (DDeviceKeyboardLink *link = m_mapDeviceLink.take(hidPath)) {
        if (MainHidInterFace *transport = link->getHidInterface())
            transport->closeHidDevice();
        link->deleteLater();
    }

    if (m_mapDeviceLink.isEmpty()) {
        // The last device left: the next result with devices builds the page anew.
        m_isDeviceListInit = false;
        m_isDeviceViewLoaded = false;
        m_isLightChanged = false;
        m_curHidPath.clear();
        m_hidStructInfoList.clear();
        showCurrentDevice();
        return;
    }
    if (hidPath != m_curHidPath)
        return;

    m_curHidPath.clear();
    m_isLightChanged = false;
    // Another device of the same kind takes over; without one, the first device left.
    QString next;
    for (const QString &path : qAsConst(m_listHidPath)) {
        if (m_mapDeviceLink.contains(path) && m_mapLinkedInfo.value(path).deviceType == removed.deviceType) {
            next = path;
            break;
        }
    }
    if (next.isEmpty()) {
        for (const QString &path : qAsConst(m_listHidPath)) {
            if (m_mapDeviceLink.contains(path)) {
                next = path;
                break;
            }
        }
    }
    if (next.isEmpty())
        next = m_mapDeviceLink.firstKey();
    m_isDeviceViewLoaded = true;
    makeCurrent(next, true);
}

void DDevicePage::makeCurrent(const QString &hidPath, bool switching)
{
    QPointer<DDeviceKeyboardLink> link = m_mapDeviceLink.value(hidPath, nullptr);
    if (!link)
        return;
    const hidStructInfo info = m_mapLinkedInfo.value(hidPath);
    if (switching) {
        if (MainHidInterFace *transport = link->getHidInterface())
            transport->setLightDataMode(info.deviceType);
        for (DDeviceKeyboardLink *other : qAsConst(m_mapDeviceLink)) {
            other->setOnboardMode(0);
            if (MainHidInterFace *transport = other->getHidInterface())
                transport->setShakeHandsMode(true);
        }
    }
    m_curHidPath = hidPath;
    showCurrentDevice();

    waitForInquiry(link);
    if (!link || m_curHidPath != hidPath)
        return;
    const MainHidInterFace *transport = link->getHidInterface();
    if (!transport || transport->getSerialNumber().isEmpty())
        return;
    link->setOnboardMode(0);
}

void DDevicePage::waitForInquiry(DDeviceKeyboardLink *link)
{
    QPointer<DDeviceKeyboardLink> guard(link);
    if (!guard || guard->isInquiryFinished())
        return;
    QElapsedTimer elapsed;
    elapsed.start();
    while (guard && !guard->isInquiryFinished() && elapsed.elapsed() < kInquiryWaitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void DDevicePage::showCurrentDevice()
{
    if (m_curHidPath.isEmpty() || !m_mapLinkedInfo.contains(m_curHidPath)) {
        ui->label_ProductName->setText(tr("Product"));
        ui->label_DeviceName->setText(tr("Keyboard Name"));
        ui->stackedWidget_KeyboardArea->setCurrentWidget(ui->page_TipShow);
        return;
    }
    const QString hidName = QString::fromLatin1(m_mapLinkedInfo.value(m_curHidPath).hidName);
    DDataManager *dataManager = DDataManager::getInstance();
    const QString productName = dataManager->getProductNameMap().value(hidName);
    QString likeName = dataManager->getLikeNameMap().value(hidName);
    if (likeName.trimmed().isEmpty())
        likeName = hidName;
    ui->label_ProductName->setText(productName);
    ui->label_ProductName->setVisible(!productName.isEmpty());
    ui->label_DeviceName->setText(likeName);
    ui->stackedWidget_KeyboardArea->setCurrentWidget(ui->page_KeyboardShow);
}
