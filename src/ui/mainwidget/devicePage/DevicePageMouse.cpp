// SPDX-License-Identifier: GPL-3.0-or-later
#include "DevicePageMouse.h"

#include "ColorWheelTool.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "DevicePageKeys.h"
#include "DMouseLightPage.h"
#include "DMousePage.h"
#include "LightingCommands.h"
#include "LogCategories.h"
#include "MouseCommands.h"
#include "MouseDpiCommand.h"
#include "mouseLightDealMain.h"
#include "ProfileFiles.h"
#include "RecordText.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kMacroType = 1;
constexpr int kSniperLevel = 6;
constexpr int kSteppedLevels = 5;  // the DPI key never reaches the sniper level

int recordNumber(const char *field, std::size_t width, int fallback)
{
    bool ok = false;
    const int value = recordText(field, width).trimmed().toInt(&ok);
    return ok ? value : fallback;
}

QByteArray toBytes(const MainHidInterFace::Report &report)
{
    return QByteArray(reinterpret_cast<const char *>(report.data()), int(report.size()));
}

}  // namespace

DevicePageMouse::DevicePageMouse(DDevicePage *page)
    : QObject(page)
    , p(page)
    , m_ackTimer(new QTimer(this))
{
    m_ackTimer->setSingleShot(true);
    m_ackTimer->setInterval(kAckWaitMs);
    connect(m_ackTimer, &QTimer::timeout, this, [this] {
        qCDebug(lcUi) << "the mouse did not acknowledge within" << kAckWaitMs << "ms; going on";
        m_waiting = false;
        m_waitOver = true;
        sendNext();
    });
}

// ---- A button's function

void DevicePageMouse::onCustomKeyInfoSaveSuccessful()
{
    p->showNotice(DDevicePage::tr("Operate successful"));
    if (p->m_curHidStructInfo.deviceType != 1 || p->m_curKeyDec == -1 || p->m_workMode == 1)
        return;
    xmlInterface *xml = p->m_xml;
    if (!xml || !QFileInfo::exists(QString::fromLocal8Bit(p->m_profileXmlPath)))
        return;
    CustomKeyInfo info;
    setRecordText(info.keyCode, "-1");
    setRecordText(info.operateType, "-1");
    setRecordText(info.repeatNum, "-1");
    setRecordText(info.mode, "-1");
    setRecordText(info.Value, "-1");
    const QByteArray key = QByteArray::number(p->m_curProfileIndex);
    xml->getKeyMapItems(p->m_profileXmlPath.constData(), key.constData(),
                        QByteArray::number(p->m_curKeyDec).constData(), &info);
    const int operateType = recordNumber(info.operateType, sizeof info.operateType, -1);
    if (operateType < 0 || operateType > 5)
        return;

    Job job;
    job.link = p->m_curDeviceLink;
    if (operateType != kMacroType) {
        const std::optional<MainHidInterFace::Report> report =
            MouseCommands::buttonFunction(p->m_curMouseButtonIndex, info);
        if (!report)
            return;
        job.reports.append(*report);
    } else {
        QList<MacroEventInfo> events;
        const QByteArray macroIndex = recordText(info.Value).trimmed();
        if (!p->m_macroXmlPath.isEmpty())
            xml->getMacroItems(p->m_macroXmlPath.constData(), macroIndex.constData(), &events);
        const MouseCommands::MacroReports built =
            MouseCommands::macroReports(p->m_curMouseButtonIndex, recordNumber(info.mode, sizeof info.mode, 0),
                                        recordNumber(info.repeatNum, sizeof info.repeatNum, 0), events);
        if (built.skippedEvents)
            qCWarning(lcUi) << built.skippedEvents << "events of macro" << macroIndex
                            << "are not key or button events and are left out for the mouse";
        if (built.cutDelays)
            qCWarning(lcUi) << built.cutDelays << "delays of macro" << macroIndex << "are sent as 65535 ms";
        if (!built.refusal.isEmpty()) {
            qCWarning(lcUi) << "macro" << macroIndex << "is not sent to the mouse:" << built.refusal;
            p->showNotice(DDevicePage::tr("The mouse cannot take this macro: at most 50 key or button events."));
            return;
        }
        job.reports = built.reports;
        job.paced = true;
    }
    // A series that is still going out ends before this one starts.
    m_jobs.append(job);
    if (m_jobs.size() == 1 && !m_waiting)
        sendNext();
}

void DevicePageMouse::sendNow(DDeviceKeyboardLink *link, const MainHidInterFace::Report &report)
{
    if (!link || link->sendCommand(report.data()) != 0)
        qCDebug(lcUi) << "USB serial port [Mouse 0x47] Failed ...";
    else
        qCDebug(lcUi) << "USB serial port [Mouse 0x47] Successful ...";
}

void DevicePageMouse::sendNext()
{
    while (!m_jobs.isEmpty() && !m_waiting) {
        Job &job = m_jobs.first();
        if (job.reports.isEmpty()) {
            m_jobs.removeFirst();
            continue;
        }
        if (job.paced) {
            if (!p->m_is0x47Acked && !m_waitOver) {
                // Wait for the last report's acknowledgement, at most kAckWaitMs.
                m_waiting = true;
                m_ackTimer->start();
                return;
            }
            m_waitOver = false;
            p->m_is0x47Acked = false;
        }
        sendNow(job.link, job.reports.takeFirst());
        if (job.paced && !job.reports.isEmpty())
            continue;
    }
}

void DevicePageMouse::onAcknowledged()
{
    if (!m_waiting)
        return;
    m_ackTimer->stop();
    m_waiting = false;
    m_waitOver = true;
    sendNext();
}

// ---- Lighting

void DevicePageMouse::setMouseLightConfig(int zone)
{
    setMouseLightConfigLinkChanged(zone, p->m_colorWheelTool->getColorInfoData());
}

void DevicePageMouse::setMouseLightConfigLinkChanged(int zone, const colorInfoData &record)
{
    if (zone < 0 || zone > 2)
        return;
    const bool linked = zone == 1 ? p->m_isScrollLink : (zone == 2 ? p->m_isLogoLink : true);
    if (p->sendToCurrentDevice(toBytes(LightingCommands::mouseZoneLight(zone, record, linked)), false))
        qCDebug(lcUi) << "USB serial port [Write Mouse Light] Successful ... ledType:" << record.ledType;
    else
        qCDebug(lcUi) << "USB serial port [Write Mouse Light] Failed ...";
}

void DevicePageMouse::onScrollLinkStatus(int status)
{
    linkStatusChanged(1, status);
}

void DevicePageMouse::onLogoLinkStatus(int status)
{
    linkStatusChanged(2, status);
}

void DevicePageMouse::linkStatusChanged(int zone, int status)
{
    const bool linked = status == 1;
    if (zone == 1) {
        p->m_isScrollLink = linked;
        p->m_mouseLightDealMain->setScrollLinked(linked);
    } else {
        p->m_isLogoLink = linked;
        p->m_mouseLightDealMain->setLogoLinked(linked);
    }
    if (linked)
        p->ui->stackedWidget->setCurrentWidget(p->ui->page_KeyboardLed);
    if (!p->m_isMouseLightLoaded || !p->m_xml || p->m_profileXmlPath.isEmpty())
        return;
    const char *file = p->m_profileXmlPath.constData();
    const QByteArray key = QByteArray::number(p->m_curProfileIndex);
    int &ledType = zone == 1 ? p->m_mouseScrollLedType : p->m_mouseLogoLedType;
    ledType = p->m_xml->getLightUsingIndex(file, key.constData(), zone);
    colorInfoData record;
    if (p->m_xml->getLightItem(file, key.constData(), zone, ledType, &record))
        setMouseLightConfigLinkChanged(zone, record);
}

// ---- Report rate and reset

void DevicePageMouse::onRateIndexChanged(int position)
{
    if (p->m_xml && !p->m_profileXmlPath.isEmpty()) {
        const QByteArray key = QByteArray::number(p->m_curProfileIndex);
        const char *file = p->m_profileXmlPath.constData();
        if (p->m_xml->getFeature(file, key.constData(), 0) != position)
            p->m_xml->setFeature(file, key.constData(), 0, position);
    }
    if (p->sendToCurrentDevice(toBytes(MouseCommands::reportRate(position)), false))
        qCDebug(lcUi) << "USB serial port [Mouse RateReturn] Successful ...";
    else
        qCDebug(lcUi) << "USB serial port [Mouse RateReturn] Failed ...";
}

void DevicePageMouse::onResetCurrentProfile()
{
    if (!p->hasOpenDevice()) {
        p->showNotice(DDevicePage::tr("Please open hid first!"));
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Question, DDevicePage::tr("Tip"),
                                DDevicePage::tr("Whether to reset the current profile?"), QMessageBox::NoButton, p);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("mouseResetQuestion"));
    QPushButton *yes = box->addButton(DDevicePage::tr("Yes"), QMessageBox::YesRole);
    QPushButton *no = box->addButton(DDevicePage::tr("No"), QMessageBox::NoRole);
    box->setDefaultButton(yes);
    box->setEscapeButton(static_cast<QAbstractButton *>(nullptr));
    connect(box, &QMessageBox::buttonClicked, this, [this, no](QAbstractButton *button) {
        if (button != no)
            resetConfirmed();
    });
    box->open();
}

void DevicePageMouse::resetConfirmed()
{
    xmlInterface *xml = p->m_xml;
    const int index = p->m_curProfileIndex;
    if (xml && QFileInfo::exists(QString::fromLocal8Bit(p->m_profileXmlPath))) {
        // Replaced whole or not at all: a failed write keeps the user's profile and the device's.
        if (!ProfileFiles::resetProfile(xml, p->m_profileXmlPath, index, 1, QString(), 0)) {
            qCWarning(lcUi) << "the current profile could not be reset:" << index;
            p->showNotice(DDevicePage::tr("Operate failed"));
            return;
        }
        p->applyMouseProfile(index);
        // A new profile's zones are not linked: the link switches, the engine and the mouse's
        // scroll and logo zones follow the file again.
        if (p->m_mouseLightPage)
            p->m_mouseLightPage->loadLinkStatus();
    }
    p->onCurIndexChanged_Key(0);
    if (p->m_mousePage)
        p->m_mousePage->resetAllKeyText();
    if (p->sendToCurrentDevice(toBytes(MouseCommands::resetProfile()), false))
        qCDebug(lcUi) << "---------- *** [Reset] Successful *** ---------- ";
    else
        qCDebug(lcUi) << "---------- *** [Reset] Failed *** ----------";
    p->showNotice(DDevicePage::tr("Reset the current profile successful"));
}

// ---- DPI and sniper keys of a mouse that is not shown

bool DevicePageMouse::profileOf(DDeviceKeyboardLink *link, QByteArray *file, QByteArray *key) const
{
    if (!link || !p->m_xml)
        return false;
    const QString path = p->m_mapDeviceLink.key(link);
    if (path.isEmpty() || !p->m_mapLinkedInfo.contains(path))
        return false;
    const QString serial = link->getSerialNumber();
    if (serial.isEmpty())
        return false;
    const QString profile =
        ProfileFiles::profilePath(DDataManager::getInstance()->getUserConfigDir(),
                                  QString::fromLatin1(p->m_mapLinkedInfo.value(path).hidName), serial);
    if (!QFileInfo::exists(profile))
        return false;
    *file = profile.toLocal8Bit();
    *key = QByteArray::number(p->m_xml->getProfileIndex(file->constData()));
    return true;
}

void DevicePageMouse::sendDpiOf(DDeviceKeyboardLink *link, bool sniper)
{
    QByteArray file;
    QByteArray key;
    if (!profileOf(link, &file, &key))
        return;
    QList<DpiItemInfo> items;
    p->m_xml->getDpiItems(file.constData(), key.constData(), &items);
    const int level = sniper ? kSniperLevel : p->m_xml->getDpiUsingIndex(file.constData(), key.constData());
    const QByteArray report = MouseDpiCommand::buildReport(items, level, p->m_mapDpiCode);
    if (report.isEmpty()) {
        qCWarning(lcUi) << "mouse DPI: the level in use" << level << "is not one of 1 to 6; nothing sent";
        return;
    }
    if (link->sendCommand(reinterpret_cast<const unsigned char *>(report.constData())) == 0)
        qCDebug(lcUi) << "USB serial port [Write DPI] Successful ...";
}

void DevicePageMouse::onDpiKeyOf(DDeviceKeyboardLink *link, int presses)
{
    QByteArray file;
    QByteArray key;
    if (!profileOf(link, &file, &key) || presses < 1)
        return;
    QList<DpiItemInfo> items;
    p->m_xml->getDpiItems(file.constData(), key.constData(), &items);
    const QList<DpiItemInfo> levels = MouseDpiCommand::firstItemPerLevel(items);
    const int current = p->m_xml->getDpiUsingIndex(file.constData(), key.constData());
    int level = current >= 1 && current <= MouseDpiCommand::kLevels ? current : 0;
    // Presses go round the selected levels; 60 is a whole number of rounds for any count of them (1 to 5).
    constexpr int kRounds = 60;
    const int walk = (presses - 1) % kRounds + 1;
    int reached = 0;
    int moves = 0;
    for (int step = 0; step < walk * kSteppedLevels && moves < walk; ++step) {
        level = level >= kSteppedLevels ? 1 : level + 1;
        const auto found = std::find_if(levels.cbegin(), levels.cend(),
                                        [level](const DpiItemInfo &item) { return item.index == level; });
        if (found == levels.cend() || found->selectStatus != 1)
            continue;
        reached = level;
        ++moves;
    }
    if (reached == 0)
        return;
    p->m_xml->setDpiUsingIndex(file.constData(), key.constData(), reached);
    sendDpiOf(link, m_sniperHeld.value(link, false));
}

void DevicePageMouse::onSniperKeyOf(DDeviceKeyboardLink *link, bool held)
{
    m_sniperHeld.insert(link, held);
    sendDpiOf(link, held);
}
