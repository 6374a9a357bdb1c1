// SPDX-License-Identifier: GPL-3.0-or-later
#include "DMacroPage.h"
#include "ui_DMacroPage.h"

#include "CbNotice.h"
#include "DCatchKeyAndMouseItem.h"
#include "DDataManager.h"
#include "DMacroListItem.h"
#include "ExportFileName.h"
#include "LogCategories.h"
#include "MacroImportFile.h"
#include "MacroPageSheets.h"
#include "RecordText.h"
#include "xmlInterface.h"

#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QIntValidator>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStandardPaths>
#include <QUuid>

#include <cstdio>

namespace {

constexpr int kScrollSheetDelayMs = 500;
constexpr int kMaxDelay = 65535;
const QString kKey = QStringLiteral("key");
const QString kMouse = QStringLiteral("mouse");
const QString kDown = QStringLiteral("down");
const QString kUp = QStringLiteral("up");

// Mouse messages of the hooks.
constexpr int kLeftDown = 513;
constexpr int kLeftUp = 514;
constexpr int kRightDown = 516;
constexpr int kRightUp = 517;
constexpr int kMiddleDown = 519;
constexpr int kMiddleUp = 520;

QFont sized(QFont font, int points)
{
    font.setPointSize(points);
    return font;
}

MacroEventInfo eventOf(const QString &mark, int delay, const QString &type, int code, const QString &name,
                       const QString &operateExplain)
{
    MacroEventInfo event;
    setRecordText(event.mark, mark.toLatin1());
    setRecordText(event.delay, QByteArray::number(delay));
    setRecordText(event.type, type.toLatin1());
    setRecordText(event.keyCode, QByteArray::number(code));
    setRecordText(event.codeName, name.toUtf8());
    setRecordText(event.operateExplain, operateExplain.toLatin1());
    return event;
}

// The caption a mouse message's event carries.
QString mouseCaption(int message)
{
    switch (message) {
    case kLeftDown:
        return QStringLiteral("Left Click Down");
    case kLeftUp:
        return QStringLiteral("Left Click Up");
    case kRightDown:
        return QStringLiteral("Right Click Down");
    case kRightUp:
        return QStringLiteral("Right Click Up");
    case kMiddleDown:
        return QStringLiteral("Center Click Down");
    case kMiddleUp:
        return QStringLiteral("Center Click Up");
    default:
        return QString();
    }
}

}  // namespace

DMacroPage::DMacroPage(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DMacroPage>())
{
    m_hook = new WindowsHookInterface(this);
    ui->setupUi(this);
    ui->radioButton_Delay->hide();
    m_defaultFolder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    m_macroListLayout = ui->verticalLayout_17;
    m_eventLayout = ui->verticalLayout_20;

    auto *delays = new QIntValidator(0, kMaxDelay, this);
    ui->lineEdit_EnterDelayNum->setValidator(delays);
    ui->lineEdit_DelayNum->setValidator(delays);
    ui->lineEdit_DefaultDelayNum->setValidator(delays);
    // The page writes the key names into the two key fields; typing or pasting cannot.
    ui->lineEdit_EnterKey->setReadOnly(true);
    ui->lineEdit_PressKey->setReadOnly(true);

    loadKeyboardInfo();
    m_delayModes = new QButtonGroup(this);
    m_delayModes->addButton(ui->radioButton_RecordDelay, 0);
    m_delayModes->addButton(ui->radioButton_NoDelay, 1);
    m_delayModes->addButton(ui->radioButton_DefaultDelay, 2);
    ui->radioButton_RecordDelay->setChecked(true);
    ui->stackedWidget->setCurrentWidget(ui->page_Key);

    ui->frame_Record->installEventFilter(this);
    ui->frame_Record->setCursor(Qt::PointingHandCursor);
    ui->lineEdit_EnterKey->installEventFilter(this);
    ui->lineEdit_PressKey->installEventFilter(this);

    updateTexts();
    clearMacroListRows();
    clearEventRows();

    m_notice = new CbNotice(this);
    m_notice->setTextPixelSize(14);
    m_scrollSheetTimer.setSingleShot(true);
    m_scrollSheetTimer.setInterval(kScrollSheetDelayMs);
    connect(&m_scrollSheetTimer, &QTimer::timeout, this, &DMacroPage::onScrollSheetSet);

    connect(m_hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX, this, &DMacroPage::onKeyboardRecviveStream);
    connect(m_hook, &WindowsHookInterface::sigMouseRecviveStream, this, &DMacroPage::onMouseRecviveStream);
    QScrollBar *bar = ui->scrollArea_3->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, &DMacroPage::onScrollAreaValueChanged);
    connect(bar, &QScrollBar::sliderReleased, this, &DMacroPage::onSliderReleased);
}

DMacroPage::~DMacroPage()
{
    if (m_recording)
        m_hook->stopHook();
}

// ---- Set-up by the main window ----

void DMacroPage::setMacroXml(const char *macroXmlPath, xmlInterface *xml)
{
    m_macroXmlPath = QByteArray(macroXmlPath ? macroXmlPath : "");
    m_xml = xml;
}

void DMacroPage::setDefaultFolder(const QString &folder)
{
    m_defaultFolder = folder;
}

void DMacroPage::loadKeyboardInfo()
{
    m_keys.load();
}

void DMacroPage::setPageCurrent(bool current)
{
    m_pageCurrent = current;
}

bool DMacroPage::isPageCurrent() const
{
    return m_pageCurrent;
}

bool DMacroPage::isRecording() const
{
    return m_recording;
}

void DMacroPage::retranslate()
{
    ui->retranslateUi(this);
    updateTexts();
}

void DMacroPage::updateTexts()
{
    ui->radioButton_InsertAfter->setChecked(true);
    ui->radioButton_Key->setChecked(true);
    ui->radioButton_MouseLeft->setChecked(true);
    setToolTips();
    if (!m_curMacroName.isEmpty() && hasLibrary() && m_xml->findNodeByValue(m_macroXmlPath.constData(), indexKey()))
        onMacroItemMouseClicked(m_curMacroIndex, m_curMacroName);
}

void DMacroPage::setToolTips()
{
    ui->pushButton_Import->setToolTip(tr("Import"));
    ui->pushButton_Add->setToolTip(tr("Add"));
    ui->pushButton_ClearMacroLst->setToolTip(tr("Clear"));
    ui->pushButton_MoveUp->setToolTip(tr("Up"));
    ui->pushButton_MoveDown->setToolTip(tr("Down"));
}

QString DMacroPage::currentMacroIndex() const
{
    return m_curMacroIndex;
}

QString DMacroPage::currentMacroName() const
{
    return m_curMacroName;
}

QList<DCatchKeyAndMouseItem *> DMacroPage::eventRows() const
{
    QList<DCatchKeyAndMouseItem *> rows;
    for (int i = 0; i < rowCount(); ++i)
        rows << rowAt(i);
    return rows;
}

QList<DMacroListItem *> DMacroPage::macroItems() const
{
    return m_macroItems;
}

int DMacroPage::totalTime() const
{
    return m_totalTime;
}

QString DMacroPage::noticeText() const
{
    return m_notice->text();
}

QString DMacroPage::createEventMark()
{
    return QUuid::createUuid().toString(QUuid::Id128).left(16);
}

void DMacroPage::showNotice(const QString &text)
{
    m_notice->showTextAt(text, rect().center());
}

void DMacroPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int tenth = contentsRect().width() / 10;
    ui->frame_Left->setMaximumWidth(int(tenth * 2.8));
    ui->frame_Center->setMaximumWidth(int(tenth * 4.4));
    ui->frame_Right->setMaximumWidth(int(tenth * 2.8));
}

bool DMacroPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->frame_Record) {
        if (event->type() == QEvent::Enter)
            m_mouseGuard = true;
        else if (event->type() == QEvent::Leave)
            m_mouseGuard = false;
        else if (event->type() == QEvent::MouseButtonRelease)
            toggleRecording();
    } else if (watched == ui->lineEdit_EnterKey || watched == ui->lineEdit_PressKey) {
        if (event->type() == QEvent::FocusIn) {
            qCDebug(lcMacro) << "---------------- QEvent::FocusIn -------------------";
            m_mouseGuard = true;
            m_hook->startHook(1);
        } else if (event->type() == QEvent::FocusOut) {
            qCDebug(lcMacro) << "---------------- QEvent::FocusOut -------------------";
            m_hook->stopHook();
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Hooked keys and clicks ----

void DMacroPage::onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag)
{
    qCDebug(lcMacro).nospace() << "------------------------- *** onKeyboardRecviveStream 6666666 *** "
                                  "-------------------------keyCode:"
                               << keyCode << " scCode:" << scCode << " flag:" << flag << "  hookFlag:" << hookFlag;
    const int code = MacroKeyMap::pageCode(keyCode, scCode, hookFlag);
    const bool down = flag != 0;
    if (!m_pageCurrent) {
        emit sigHookKeyboardRecviveStream(0, m_keys.usage(code), down ? 1 : 0);
        return;
    }
    if (m_recordMacroListDownOperateNum >= kMaxDowns && down) {
        qCDebug(lcMacro) << "------------------------- *** onKeyboardRecviveStream 7777777 *** "
                            "-------------------------m_recordMacroListDownOperateNum:"
                         << m_recordMacroListDownOperateNum;
        return;
    }
    const QString name = m_keys.name(code);
    const int usage = m_keys.usage(code);
    if (m_recording) {
        if (down) {
            ++m_recordMacroListDownOperateNum;
            recordKeyDown(name, usage);
        } else if (m_markMap.contains(usage)) {
            recordKeyUp(m_markMap.take(usage), name, usage);
        }
        return;
    }
    m_enteredKeyName = name;
    m_enteredKeyUsage = usage;
    qCDebug(lcMacro) << "---------------------*** Insert charDefDec:" << usage << "  strKeyChar:" << name;
    QLineEdit *field = ui->lineEdit_EnterKey->hasFocus() ? ui->lineEdit_EnterKey : ui->lineEdit_PressKey;
    field->setMaxLength(qMax(1, name.size()));
    field->setText(name);
}

void DMacroPage::onMouseRecviveStream(int, WPARAM wParam, LPARAM lParam)
{
    if (!m_recording || m_mouseGuard)
        return;
    // The pointer's Enter on the Record button can reach the page after the hooked click that
    // stops the recording: a click at the button's place is not recorded either.
    if (const auto *record = reinterpret_cast<const HookMouseRecord *>(lParam)) {
        const QPoint at = ui->frame_Record->mapFromGlobal(QPoint(record->x, record->y));
        if (ui->frame_Record->isVisible() && ui->frame_Record->rect().contains(at))
            return;
    }
    switch (int(wParam)) {
    case kLeftDown:
    case kLeftUp:
    case kRightDown:
    case kRightUp:
    case kMiddleDown:
    case kMiddleUp:
        recordMouse(int(wParam));
        break;
    default:
        break;  // movements, the wheel and the side buttons are not recorded
    }
}

// ---- Recording ----

void DMacroPage::toggleRecording()
{
    if (m_recording)
        stopRecording();
    else
        startRecording();
}

void DMacroPage::startRecording()
{
    if (!m_selectedMacroItem)
        return;
    if (!m_hook->startHook(1)) {
        showNotice(tr("Recording could not start"));
        return;
    }
    ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);
    m_recording = true;
    setRecordLook(true);
    showNotice(tr("Start record macro"));
    if (WindowsHookInterface::startStatus() == WindowsHookInterface::StartStatus::Limited && !m_limitedNoticeShown) {
        m_limitedNoticeShown = true;
        showNotice(tr("Keys and clicks are recorded only in this program's windows"));
    }
    m_haveLastEvent = false;
    m_lastEventTime = 0;
    showTotalTime();
    ui->frame_6->setEnabled(false);
    ui->frame_5->setEnabled(false);
    ui->frame_Center->setEnabled(false);
}

void DMacroPage::stopRecording()
{
    m_hook->stopHook();
    m_recording = false;
    setRecordLook(false);
    showNotice(tr("Stop record macro"));
    const bool saved =
        m_macroInfoList.isEmpty()
        || (hasLibrary() && m_xml->addMacroItems(m_macroXmlPath.constData(), m_macroInfoList, indexKey()));
    if (!saved) {
        qCWarning(lcMacro) << "The recording could not be saved into macro" << m_curMacroIndex;
        showNotice(tr("Save record macro failed"));
    }
    m_macroInfoList.clear();
    onMacroItemMouseClicked(m_curMacroIndex, m_curMacroName);
    ui->frame_5->setEnabled(true);
    ui->frame_6->setEnabled(true);
    ui->frame_Center->setEnabled(true);
    if (saved)
        emitMacroListChanged();
}

void DMacroPage::setRecordLook(bool recording)
{
    const ThemeColorConfig t = DDataManager::getInstance()->getThemeColor();
    ui->label->setStyleSheet(
        MacroPageSheets::colour("QLabel#label", recording ? t.TextCheckedColor : t.TextDefaultColor));
    ui->label->setFont(m_recordLabelFont);
    ui->frame_Record->setStyleSheet(QStringLiteral("QFrame#frame_Record{border-radius: 8px; border: 2px solid rgb(%1);}"
                                                   "QFrame#frame_Record:hover{border: 2px solid rgb(%2);}")
                                        .arg(recording ? t.TextCheckedColor : t.MacroBorderColor, t.TextCheckedColor));
    ui->frame_RecordIco->setStyleSheet(recording ? QStringLiteral("border-image:url(:/images/macro/recordSel.png);")
                                                 : QStringLiteral("border-image:url(:/images/macro/recordDef.png);"));
    ui->label->setText(recording ? tr("Stop") : tr("Record"));
}

// The time since the recording's previous event, by the display server's clock (which wraps).
quint32 DMacroPage::delaySinceLastEvent()
{
    const quint32 now = WindowsHookInterface::eventTime();
    const quint32 delay = m_haveLastEvent ? quint32(now - m_lastEventTime) : 0;
    m_haveLastEvent = true;
    m_lastEventTime = now;
    return delay;
}

void DMacroPage::recordKeyDown(const QString &name, int usage)
{
    qCDebug(lcMacro) << "------------------------- *** onKeyboardRecviveStream 7777777 *** "
                        "-------------------------m_macroInfoList[Size]:"
                     << m_macroInfoList.size();
    const QString mark = createEventMark();
    const quint32 delay = delaySinceLastEvent();
    m_markMap.insert(usage, mark);
    appendRecordedEvent(mark, int(qMin<quint32>(delay, kMaxDelay)), kKey, usage, name, kDown);
}

void DMacroPage::recordKeyUp(const QString &mark, const QString &name, int usage)
{
    const quint32 delay = delaySinceLastEvent();
    appendRecordedEvent(mark, int(qMin<quint32>(delay, kMaxDelay)), kKey, usage, name, kUp);
}

void DMacroPage::recordMouse(int message)
{
    const bool down = message == kLeftDown || message == kRightDown || message == kMiddleDown;
    const int button = down ? message : message - 1;
    QString mark;
    if (down) {
        mark = createEventMark();
        m_mouseMarks.insert(button, mark);
    } else {
        // An up pairs with its own button's down; one whose down was not recorded is dropped.
        if (!m_mouseMarks.contains(button))
            return;
        mark = m_mouseMarks.take(button);
    }
    const quint32 delay = delaySinceLastEvent();
    appendRecordedEvent(mark, int(qMin<quint32>(delay, kMaxDelay)), kMouse, message, mouseCaption(message),
                        down ? kDown : kUp);
}

void DMacroPage::appendRecordedEvent(const QString &mark, int delay, const QString &type, int code, const QString &name,
                                     const QString &operateExplain)
{
    if (rowCount() >= kMaxRows)
        return;
    if (m_delayModes->checkedId() == 1)
        delay = 0;
    else if (m_delayModes->checkedId() == 2)
        delay = ui->lineEdit_DefaultDelayNum->text().toInt();
    delay = qBound(0, delay, kMaxDelay);
    m_macroInfoList.append(eventOf(mark, delay, type, code, name, operateExplain));
    m_totalTime += delay;
    showTotalTime();
    createEventRow(mark, delay, type, code, name, operateExplain, rowCount());
    ui->scrollArea_3->verticalScrollBar()->setValue(m_CatchKeyAndMouseItemList.size() * 60 - ui->frame_11->height()
                                                    - 58);
}

// ---- Rows ----

DCatchKeyAndMouseItem *DMacroPage::createEventRow(const QString &mark, int delay, const QString &type, int code,
                                                  const QString &name, const QString &operateExplain, int position)
{
    auto *row = new DCatchKeyAndMouseItem(mark, ui->scrollAreaWidgetContents_3);
    row->setEventInfo(delay, type, code, name, operateExplain);
    connect(row, &DCatchKeyAndMouseItem::sigKeyOrMouseEventClick, this, &DMacroPage::onKeyOrMouseEventClick);
    connect(row, &DCatchKeyAndMouseItem::sigMouseEnter, this, &DMacroPage::onMouseEnter);
    connect(row, &DCatchKeyAndMouseItem::sigMouseLeave, this, &DMacroPage::onMouseLeave);
    connect(row, &DCatchKeyAndMouseItem::sigDeleteKeyAndMouseEvent, this, &DMacroPage::onDeleteKeyAndMouseEvent);
    m_eventLayout->insertWidget(qBound(0, position, rowCount()), row);
    m_CatchKeyAndMouseItemList.append(row);
    return row;
}

void DMacroPage::removeEventRow(DCatchKeyAndMouseItem *row)
{
    m_CatchKeyAndMouseItemList.removeOne(row);
    m_eventLayout->removeWidget(row);
    row->hide();
    row->deleteLater();
}

void DMacroPage::clearMacroListRows()
{
    while (m_macroListLayout->count() > 1) {
        QLayoutItem *item = m_macroListLayout->takeAt(0);
        if (QWidget *widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
}

void DMacroPage::clearEventRows()
{
    while (m_eventLayout->count() > 1) {
        QLayoutItem *item = m_eventLayout->takeAt(0);
        if (QWidget *widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
}

int DMacroPage::rowCount() const
{
    return m_eventLayout->count() - 1;
}

DCatchKeyAndMouseItem *DMacroPage::rowAt(int position) const
{
    if (position < 0 || position >= rowCount())
        return nullptr;
    return qobject_cast<DCatchKeyAndMouseItem *>(m_eventLayout->itemAt(position)->widget());
}

// The other half of the row's pair: the first row with its mark and the other direction.
DCatchKeyAndMouseItem *DMacroPage::partnerOf(DCatchKeyAndMouseItem *row) const
{
    if (!row || row->getMark().isEmpty())
        return nullptr;
    for (DCatchKeyAndMouseItem *other : m_CatchKeyAndMouseItemList) {
        if (other != row && other->getMark() == row->getMark()
            && other->getOperateExplain() != row->getOperateExplain())
            return other;
    }
    return nullptr;
}

int DMacroPage::rowsWithMark(const QString &mark) const
{
    int count = 0;
    for (DCatchKeyAndMouseItem *row : m_CatchKeyAndMouseItemList)
        count += row->getMark() == mark ? 1 : 0;
    return count;
}

QList<MacroEventInfo> DMacroPage::eventsOfRows() const
{
    QList<MacroEventInfo> events;
    for (int i = 0; i < rowCount(); ++i) {
        const DCatchKeyAndMouseItem *row = rowAt(i);
        events << eventOf(row->getMark(), row->getDelay().toInt(), row->getType(), row->getKeyCode().toInt(),
                          row->getCodeName(), row->getOperateExplain());
    }
    return events;
}

void DMacroPage::showTotalTime()
{
    ui->label_TotalTime->setText(QString::number(m_totalTime) + QStringLiteral(" MS"));
}

void DMacroPage::recountDowns()
{
    m_recordMacroListDownOperateNum = 0;
    for (int i = 0; i < rowCount(); ++i)
        m_recordMacroListDownOperateNum += rowAt(i)->getOperateExplain() == kDown ? 1 : 0;
}

void DMacroPage::clearRowSelection()
{
    m_rowSelected = false;
    m_selectedRow = nullptr;
    m_selectedMark.clear();
    m_selectedDirection = -1;
}

void DMacroPage::onKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                        QString operateExplain)
{
    Q_UNUSED(keyCode)
    auto *row = qobject_cast<DCatchKeyAndMouseItem *>(sender());
    if (!row)
        return;
    ui->lineEdit_PressKey->clear();
    m_selectedRow = row;
    const bool down = operateExplain.contains(kDown);
    m_selectedDirection = down ? 0 : 1;
    m_selectedMark = row->getMark();
    m_selectedRowPos = m_eventLayout->indexOf(row);
    ui->lineEdit_DelayNum->setText(delay);
    if (type == kKey) {
        ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
        ui->radioButton_KeyboardEvent->setChecked(true);
    } else if (type == kMouse) {
        ui->stackedWidget_Property->setCurrentWidget(ui->page_2);
        ui->radioButton_MouseEvent->setChecked(true);
    }
    if (type.contains(kMouse)) {
        if (codeName.contains(QLatin1String("Left"))) {
            ui->radioButton_1left->setChecked(true);
            m_selectedMouseCaption = tr("Left Click");
        } else if (codeName.contains(QLatin1String("Center"))) {
            ui->radioButton_2center->setChecked(true);
            m_selectedMouseCaption = tr("Center Click");
        } else if (codeName.contains(QLatin1String("Right"))) {
            ui->radioButton_3right->setChecked(true);
            m_selectedMouseCaption = tr("Right Click");
        }
    } else {
        ui->lineEdit_PressKey->setText(codeName);
    }
    m_rowSelected = true;
    for (DCatchKeyAndMouseItem *other : m_CatchKeyAndMouseItemList) {
        const bool partner = !m_selectedMark.isEmpty() && other->getMark() == m_selectedMark
                             && other->getOperateExplain() != operateExplain;
        other->setPartnerHighlight(partner);
    }
    row->setPartnerHighlight(true);
    row->setSelectedHighlight(true);
}

void DMacroPage::onMouseEnter(QString selectMark, QString selectOperateExplain)
{
    for (DCatchKeyAndMouseItem *row : m_CatchKeyAndMouseItemList) {
        if (row->getMark() == selectMark && row->getOperateExplain() != selectOperateExplain) {
            row->setPartnerHighlight(true);
            return;
        }
    }
}

void DMacroPage::onMouseLeave(QString selectMark, QString selectOperateExplain)
{
    for (DCatchKeyAndMouseItem *row : m_CatchKeyAndMouseItemList) {
        if (row->getMark() == selectMark && row->getOperateExplain() != selectOperateExplain) {
            row->setPartnerHighlight(false);
            return;
        }
    }
}

// ---- Editing events ----

bool DMacroPage::hasLibrary() const
{
    return m_xml && !m_macroXmlPath.isEmpty();
}

QByteArray DMacroPage::indexKey() const
{
    return m_curMacroIndex.toUtf8();
}

// The current macro's events become those of the rows, in screen order, in one save.
bool DMacroPage::rewriteCurrentMacro()
{
    return hasLibrary() && !m_curMacroIndex.isEmpty()
           && m_xml->replaceMacroItems(m_macroXmlPath.constData(), indexKey().constData(), eventsOfRows());
}

// After a write the store refused: the rows show the file again.
void DMacroPage::reloadCurrentMacro()
{
    if (m_curMacroIndex.isEmpty())
        return;
    onMacroItemMouseClicked(m_curMacroIndex, m_curMacroName);
}

void DMacroPage::emitMacroListChanged()
{
    emit sigMacroListHaveChanged(m_curMacroIndex, m_curMacroName);
}

void DMacroPage::onDeleteKeyAndMouseEvent()
{
    auto *row = qobject_cast<DCatchKeyAndMouseItem *>(sender());
    if (!row || !m_CatchKeyAndMouseItemList.contains(row))
        return;
    const QString mark = row->getMark();
    DCatchKeyAndMouseItem *partner = mark.isEmpty() ? nullptr : partnerOf(row);
    if (!partner && !mark.isEmpty()) {
        // A lone half: the first other row with its mark goes with it, whichever its direction.
        for (DCatchKeyAndMouseItem *other : m_CatchKeyAndMouseItemList) {
            if (other != row && other->getMark() == mark) {
                partner = other;
                break;
            }
        }
    }
    const bool exactMark = !mark.isEmpty() && rowsWithMark(mark) <= 2;
    m_totalTime -= row->getDelay().toInt();
    removeEventRow(row);
    if (partner) {
        m_totalTime -= partner->getDelay().toInt();
        removeEventRow(partner);
    }
    showTotalTime();
    clearRowSelection();
    recountDowns();
    const bool stored = exactMark ? hasLibrary()
                                        && m_xml->deleteMacroItemsWithMark(m_macroXmlPath.constData(),
                                                                           indexKey().constData(), mark.toLatin1())
                                  : rewriteCurrentMacro();
    if (!stored) {
        showNotice(tr("Delete failed"));
        reloadCurrentMacro();
        return;
    }
    emitMacroListChanged();
}

void DMacroPage::on_pushButton_InsertMacro_clicked()
{
    if (!m_rowSelected) {
        showNotice(tr("Please select a specific location first"));
        return;
    }
    const bool key = ui->radioButton_Key->isChecked();
    if (key && m_enteredKeyName.isEmpty()) {
        showNotice(tr("Please enter a key"));
        return;
    }
    if (rowCount() >= kMaxRows) {
        showNotice(tr("The record of events has reached the limit"));
        return;
    }
    const QString mark = createEventMark();
    if (ui->radioButton_InsertAfter->isChecked())
        ++m_selectedRowPos;
    m_selectedRowPos = qBound(0, m_selectedRowPos, rowCount());
    if (key) {
        createEventRow(mark, 0, kKey, m_enteredKeyUsage, m_enteredKeyName, kDown, m_selectedRowPos);
        createEventRow(mark, 0, kKey, m_enteredKeyUsage, m_enteredKeyName, kUp, m_selectedRowPos + 1);
    } else {
        int press = kLeftDown;
        if (ui->radioButton_MouseCenter->isChecked())
            press = kMiddleDown;
        else if (ui->radioButton_MouseRight->isChecked())
            press = kRightDown;
        createEventRow(mark, 0, kMouse, press, mouseCaption(press), kDown, m_selectedRowPos);
        createEventRow(mark, 0, kMouse, press + 1, mouseCaption(press + 1), kUp, m_selectedRowPos + 1);
    }
    if (!rewriteCurrentMacro()) {
        showNotice(tr("Insert failed"));
        reloadCurrentMacro();
        return;
    }
    showNotice(tr("Insert successful"));
    emitMacroListChanged();
    ++m_recordMacroListDownOperateNum;
}

void DMacroPage::on_pushButton_ModifyMacro_clicked()
{
    DCatchKeyAndMouseItem *row = m_selectedRow;
    if (!m_rowSelected || !row) {
        showNotice(tr("Please select a specific location first"));
        return;
    }
    const QString typed = ui->lineEdit_PressKey->text();
    const bool keyEvent = ui->radioButton_KeyboardEvent->isChecked();
    if (typed.isEmpty() && keyEvent) {
        showNotice(tr("Please enter a key"));
        return;
    }
    int code = row->getKeyCode().toInt();
    QString caption = row->getCodeName();
    if (typed != row->getCodeName()) {
        code = m_enteredKeyUsage;
        caption = typed;
    }
    const bool press = m_selectedDirection == 0;
    int partnerCode = code;
    QString partnerCaption = caption;
    QString type = kKey;
    if (!keyEvent) {
        type = kMouse;
        int button = 0;
        if (ui->radioButton_1left->isChecked())
            button = kLeftDown;
        else if (ui->radioButton_2center->isChecked())
            button = kMiddleDown;
        else if (ui->radioButton_3right->isChecked())
            button = kRightDown;
        if (button) {
            code = press ? button : button + 1;
            caption = mouseCaption(code);
            partnerCode = press ? button + 1 : button;
            partnerCaption = mouseCaption(partnerCode);
        }
    }
    const int delay = qBound(0, ui->lineEdit_DelayNum->text().toInt(), kMaxDelay);
    m_totalTime += delay - row->getDelay().toInt();
    showTotalTime();
    const QString mark = row->getMark();
    row->setEventInfo(delay, type, code, caption, row->getOperateExplain());
    DCatchKeyAndMouseItem *partner = partnerOf(row);
    if (partner)
        partner->setEventInfo(partner->getDelay().toInt(), type, partnerCode, partnerCaption,
                              partner->getOperateExplain());

    // A regular pair is written half by half through its mark; anything else as the rows stand.
    bool stored = false;
    if (partner && rowsWithMark(mark) == 2) {
        const QByteArray markKey = mark.toLatin1();
        const MacroEventInfo selected = eventOf(mark, delay, type, code, caption, row->getOperateExplain());
        const MacroEventInfo other =
            eventOf(mark, partner->getDelay().toInt(), type, partnerCode, partnerCaption, partner->getOperateExplain());
        stored = hasLibrary()
                 && m_xml->modifyMacroItem(m_macroXmlPath.constData(), indexKey().constData(), markKey.constData(),
                                           press ? 0 : 1, selected)
                 && m_xml->modifyMacroItem(m_macroXmlPath.constData(), indexKey().constData(), markKey.constData(),
                                           press ? 1 : 0, other);
    } else {
        stored = rewriteCurrentMacro();
    }
    if (!stored) {
        showNotice(tr("Modify failed"));
        reloadCurrentMacro();
        return;
    }
    showNotice(tr("Modify successful"));
    emitMacroListChanged();
}

void DMacroPage::on_pushButton_MoveUp_clicked()
{
    moveSelectedRow(true);
}

void DMacroPage::on_pushButton_MoveDown_clicked()
{
    moveSelectedRow(false);
}

// Moves the highlighted row one place, on screen by its place and in the file by its mark.
void DMacroPage::moveSelectedRow(bool up)
{
    DCatchKeyAndMouseItem *row = m_selectedRow;
    if (!m_rowSelected || !row) {
        showNotice(tr("Please select a specific location first"));
        return;
    }
    const int position = m_eventLayout->indexOf(row);
    const int target = up ? position - 1 : position + 1;
    DCatchKeyAndMouseItem *neighbour = rowAt(target);
    if (position < 0 || !neighbour)
        return;
    if (!row->getMark().isEmpty() && neighbour->getMark() == row->getMark()
        && neighbour->getOperateExplain() != row->getOperateExplain())
        return;  // a press never passes its release
    m_eventLayout->removeWidget(row);
    m_eventLayout->insertWidget(target, row);
    m_selectedRowPos = target;

    const QString mark = row->getMark();
    bool stored = false;
    if (!mark.isEmpty() && rowsWithMark(mark) <= 2 && (partnerOf(row) || rowsWithMark(mark) == 1)) {
        const QByteArray markKey = mark.toLatin1();
        const int second = row->getOperateExplain() == kDown || rowsWithMark(mark) == 1 ? 0 : 1;
        stored = hasLibrary()
                 && m_xml->moveMacroItem(m_macroXmlPath.constData(), indexKey().constData(), markKey.constData(),
                                         up ? 1 : 0, second);
    } else {
        stored = rewriteCurrentMacro();
    }
    if (!stored) {
        showNotice(tr("Move failed"));
        reloadCurrentMacro();
        return;
    }
    emitMacroListChanged();
}

void DMacroPage::on_radioButton_Key_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Key);
}

void DMacroPage::on_radioButton_Mouse_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Mouse);
}

void DMacroPage::on_radioButton_Delay_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Delay);
}

void DMacroPage::on_radioButton_KeyboardEvent_clicked()
{
    ui->lineEdit_PressKey->clear();
    ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
}

void DMacroPage::on_radioButton_MouseEvent_clicked()
{
    ui->radioButton_1left->setChecked(true);
    ui->stackedWidget_Property->setCurrentWidget(ui->page_2);
}

// ---- The library ----

QList<IndexNameInfo> DMacroPage::macroList() const
{
    QList<IndexNameInfo> list;
    if (hasLibrary())
        m_xml->getMacroList(m_macroXmlPath.constData(), &list);
    return list;
}

void DMacroPage::loadMacroList()
{
    clearMacroListRows();
    m_macroItems.clear();
    m_selectedMacroItem = nullptr;
    const QList<IndexNameInfo> macros = macroList();
    if (macros.isEmpty()) {
        m_curMacroIndex.clear();
        m_curMacroName.clear();
        clearEventRows();
        m_CatchKeyAndMouseItemList.clear();
        clearRowSelection();
        m_totalTime = 0;
        m_recordMacroListDownOperateNum = 0;
        showTotalTime();
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
        return;
    }
    for (const IndexNameInfo &macro : macros) {
        auto *item = new DMacroListItem(ui->scrollAreaWidgetContents_2);
        connect(item, &DMacroListItem::sigMacroItemMouseClicked, this, &DMacroPage::onMacroItemMouseClicked);
        connect(item, &DMacroListItem::sigModifyMacroItemNameIsEmpty, this, &DMacroPage::onModifyMacroItemNameIsEmpty);
        connect(item, &DMacroListItem::sigModifyMacroItemNameSuccess, this, &DMacroPage::onModifyMacroItemNameSuccess);
        connect(item, &DMacroListItem::sigModifyMacroItemNameFailed, this, &DMacroPage::onModifyMacroItemNameFailed);
        connect(item, &DMacroListItem::sigExportMacroChildList, this, &DMacroPage::onExportMacroChildList);
        connect(item, &DMacroListItem::sigDeleteMacro, this, &DMacroPage::onDeleteMacro);
        item->setMacroXml(m_macroXmlPath.constData(), m_xml);
        item->setIndexAndName(QString::fromUtf8(recordText(macro.index)), QString::fromUtf8(recordText(macro.name)));
        m_macroListLayout->insertWidget(m_macroListLayout->count() - 1, item);
        if (m_macroItems.isEmpty()) {
            m_selectedMacroItem = item;
            item->setSelected(true);
        }
        m_macroItems.append(item);
    }
    onMacroItemMouseClicked(m_macroItems.first()->index(), m_macroItems.first()->name());
}

void DMacroPage::onMacroItemMouseClicked(QString strMacroIndex, QString strMacroName)
{
    if (m_recording)
        return;
    DMacroListItem *row = qobject_cast<DMacroListItem *>(sender());
    if (m_selectFirstMacro && !m_macroItems.isEmpty()) {
        m_selectFirstMacro = false;
        row = m_macroItems.first();
    }
    if (!row || !m_macroItems.contains(row)) {
        row = nullptr;
        for (DMacroListItem *item : m_macroItems) {
            if (item->index() == strMacroIndex) {
                row = item;
                break;
            }
        }
    }
    if (row && row != m_selectedMacroItem) {
        for (DMacroListItem *item : m_macroItems)
            item->setSelected(item == row);
        m_selectedRowPos = 0;
        m_selectedMacroItem = row;
    }
    clearRowSelection();
    m_curMacroIndex = strMacroIndex;
    m_curMacroName = strMacroName;
    m_totalTime = 0;
    m_recordMacroListDownOperateNum = 0;
    m_haveLastEvent = false;
    m_lastEventTime = 0;
    clearEventRows();
    m_CatchKeyAndMouseItemList.clear();
    showTotalTime();

    QList<MacroEventInfo> events;
    if (hasLibrary())
        m_xml->getMacroItems(m_macroXmlPath.constData(), indexKey().constData(), &events);
    if (events.isEmpty()) {
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
        return;
    }
    ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);
    for (const MacroEventInfo &event : events) {
        const int delay = recordText(event.delay).toInt();
        const QString explain = QString::fromLatin1(recordText(event.operateExplain));
        createEventRow(QString::fromLatin1(recordText(event.mark)), delay, QString::fromLatin1(recordText(event.type)),
                       recordText(event.keyCode).toInt(), QString::fromUtf8(recordText(event.codeName)), explain,
                       rowCount());
        m_totalTime += delay;
        m_recordMacroListDownOperateNum += explain == kDown ? 1 : 0;
    }
    showTotalTime();
}

void DMacroPage::on_pushButton_Add_clicked()
{
    const QList<IndexNameInfo> macros = macroList();
    int index = 1;
    for (const IndexNameInfo &macro : macros) {
        const int existing = recordText(macro.index).toInt();
        if (existing == index)
            ++index;
        else if (existing > index)
            break;
    }
    const QByteArray indexText = QByteArray::number(index);
    const QByteArray name = QStringLiteral("Macro%1").arg(index).toUtf8();
    if (!hasLibrary() || !m_xml->addMacroNode(m_macroXmlPath.constData(), indexText.constData(), name.constData())) {
        qCWarning(lcMacro) << "A macro could not be added to" << m_macroXmlPath;
        showNotice(tr("Add macro failed"));
        loadMacroList();
        return;
    }
    loadMacroList();
    showNotice(tr("Add macro successful"));
}

void DMacroPage::onDeleteMacro(QString strMacroIndex, QString strMacroName)
{
    Q_UNUSED(strMacroName)
    if (m_recording)
        return;
    auto *row = qobject_cast<DMacroListItem *>(sender());
    if (!row || !m_macroItems.contains(row))
        return;
    const QByteArray key = strMacroIndex.toUtf8();
    if (!hasLibrary() || !m_xml->deleteNodeByValue(m_macroXmlPath.constData(), key.constData())) {
        qCWarning(lcMacro) << "The macro" << strMacroIndex << "could not be deleted from" << m_macroXmlPath;
        showNotice(tr("Delete macro failed"));
        loadMacroList();
        return;
    }
    m_macroListLayout->removeWidget(row);
    row->hide();
    row->deleteLater();
    m_macroItems.removeOne(row);
    showNotice(tr("Delete macro successful"));
    if (strMacroIndex != m_curMacroIndex)
        return;
    m_selectedMacroItem = nullptr;
    if (m_macroItems.isEmpty()) {
        // No macro is left to be current: nothing may bring the deleted one back.
        m_curMacroIndex.clear();
        m_curMacroName.clear();
        clearEventRows();
        m_CatchKeyAndMouseItemList.clear();
        clearRowSelection();
        m_totalTime = 0;
        m_recordMacroListDownOperateNum = 0;
        showTotalTime();
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
        return;
    }
    m_selectFirstMacro = true;
    const QList<IndexNameInfo> macros = macroList();
    const QString firstIndex =
        macros.isEmpty() ? m_macroItems.first()->index() : QString::fromUtf8(recordText(macros.first().index));
    const QString firstName =
        macros.isEmpty() ? m_macroItems.first()->name() : QString::fromUtf8(recordText(macros.first().name));
    onMacroItemMouseClicked(firstIndex, firstName);
}

void DMacroPage::onModifyMacroItemNameIsEmpty()
{
    showNotice(tr("Macro name can't be empty"));
}

void DMacroPage::onModifyMacroItemNameSuccess()
{
    auto *row = qobject_cast<DMacroListItem *>(sender());
    if (row && row->index() == m_curMacroIndex)
        m_curMacroName = row->name();
    showNotice(tr("Modify macro name successful"));
}

void DMacroPage::onModifyMacroItemNameFailed()
{
    showNotice(tr("Modify macro name failed"));
}

void DMacroPage::on_pushButton_ClearMacroLst_clicked()
{
    if (m_curMacroName.isEmpty() || m_curMacroIndex.isEmpty()) {
        showNotice(tr("Please select a macro first"));
        return;
    }
    clearEventRows();
    m_CatchKeyAndMouseItemList.clear();
    if (!rewriteCurrentMacro()) {
        showNotice(tr("Clear record macro failed"));
        reloadCurrentMacro();
        return;
    }
    clearRowSelection();
    m_totalTime = 0;
    showTotalTime();
    ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
    showNotice(tr("Clear record macro successful"));
    emitMacroListChanged();
    m_recordMacroListDownOperateNum = 0;
}

void DMacroPage::on_pushButton_Import_clicked()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Open macro file"), m_defaultFolder, tr("Macro files(*.xml)"));
    if (path.isEmpty())
        return;
    importMacroFile(path);
}

bool DMacroPage::importMacroFile(const QString &path)
{
    MacroImportFile file;
    if (!hasLibrary() || !file.read(*m_xml, path, kMaxImportRows, kMaxImportBytes)) {
        showNotice(tr("Import macro failed"));
        return false;
    }
    int highest = 0;
    for (const IndexNameInfo &macro : macroList())
        highest = qMax(highest, recordText(macro.index).toInt());
    const int index = highest + 1;
    const QByteArray indexText = QByteArray::number(index);
    const QByteArray name = MacroImportFile::macroName(QFileInfo(path).fileName(), index).toUtf8();
    const QList<MacroEventInfo> events = MacroImportFile::cleaned(file.events(), &DMacroPage::createEventMark);
    bool stored = m_xml->addMacroNode(m_macroXmlPath.constData(), indexText.constData(), name.constData());
    if (stored && !m_xml->replaceMacroItems(m_macroXmlPath.constData(), indexText.constData(), events)) {
        m_xml->deleteNodeByValue(m_macroXmlPath.constData(), indexText.constData());
        stored = false;
    }
    loadMacroList();
    if (!stored) {
        qCWarning(lcMacro) << "The imported macro could not be stored in" << m_macroXmlPath;
        showNotice(tr("Import macro failed"));
        return false;
    }
    showNotice(tr("Import macro successful"));
    return true;
}

void DMacroPage::onExportMacroChildList(QString strMacroIndex, QString strMacroName)
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Save directory"), m_defaultFolder, QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty()) {
        showNotice(tr("Please select save directory first"));
        return;
    }
    exportMacro(strMacroIndex, strMacroName, folder);
}

bool DMacroPage::exportMacro(const QString &index, const QString &name, const QString &folder)
{
    const QString path =
        ExportFileName::pathIn(folder, ExportFileName::baseName(name, QStringLiteral("Macro") + index), ".xml");
    QList<MacroEventInfo> events;
    const QByteArray key = index.toUtf8();
    if (hasLibrary())
        m_xml->getMacroItems(m_macroXmlPath.constData(), key.constData(), &events);
    // Written beside the target first, then put in its place in one step.
    const QByteArray target = QFile::encodeName(path);
    const QByteArray partial = target + ".part";
    const QByteArray nameText = name.toUtf8();
    const bool written = !path.isEmpty() && hasLibrary() && m_xml->createXmlFile(partial.constData())
                         && m_xml->addMacroNode(partial.constData(), key.constData(), nameText.constData())
                         && m_xml->addMacroItems(partial.constData(), events, key.constData())
                         && std::rename(partial.constData(), target.constData()) == 0;
    if (!written) {
        if (!path.isEmpty())
            QFile::remove(QFile::decodeName(partial));
        qCWarning(lcMacro) << "The macro" << index << "could not be exported into" << folder;
        showNotice(tr("Export macro failed"));
        return false;
    }
    showNotice(tr("Export macro successful"));
    return true;
}

void DMacroPage::onScrollAreaValueChanged(int value)
{
    Q_UNUSED(value)
}

void DMacroPage::onSliderReleased() {}

// ---- Theme ----

QColor DMacroPage::themeColour(const QString &text, int alpha)
{
    const QStringList parts = text.split(QLatin1Char(','));
    // A missing or unreadable part counts as 0 (toInt gives 0 for it).
    return QColor(parts.value(0).trimmed().toInt(nullptr, 10), parts.value(1).trimmed().toInt(nullptr, 10),
                  parts.value(2).trimmed().toInt(nullptr, 10), alpha);
}

void DMacroPage::applyTheme()
{
    const ThemeColorConfig t = DDataManager::getInstance()->getThemeColor();

    m_notice->setBackgroundColor(themeColour(t.AllBgColor, 200));
    m_notice->setTextColor(themeColour(t.TextCheckedColor, 255));
    QFont noticeFont(t.TextFont);
    noticeFont.setPixelSize(14);
    m_notice->setTextFont(noticeFont);

    using S = MacroPageSheets;
    ui->frame_29->setStyleSheet(S::background("QFrame#frame_29", t.MacroLeftBgColor));
    ui->scrollArea_2->setStyleSheet(S::clearBackground("QScrollArea#scrollArea_2"));
    ui->scrollAreaWidgetContents_2->setStyleSheet(S::clearBackground("QWidget#scrollAreaWidgetContents_2"));
    ui->frame_2->setStyleSheet(S::line("QFrame#frame_2", "top", t.MacroBorderColor));
    ui->label_MacroGroup->setStyleSheet(S::colour("QLabel#label_MacroGroup", t.TextCheckedColor));
    m_scrollSheet = S::scrollBar(t);
    ui->frame_26->setStyleSheet(S::line("QFrame#frame_26", "bottom", t.MacroBorderColor));
    ui->frame_24->setStyleSheet(S::panel("QFrame#frame_24", true, t));
    ui->label->setStyleSheet(S::colour("QLabel#label", t.TextDefaultColor));
    ui->frame_Record->setStyleSheet(QStringLiteral("QFrame#frame_Record{border-radius: 8px; border: 2px solid rgb(%1);}"
                                                   "QFrame#frame_Record:hover{border: 2px solid rgb(%2);}")
                                        .arg(t.MacroBorderColor, t.TextCheckedColor));
    ui->frame_4->setStyleSheet(S::line("QFrame#frame_4", "top", t.MacroBorderColor));
    ui->frame_Center->setStyleSheet(S::background("QFrame#frame_Center", t.MacroCenterBgColor));
    ui->scrollArea_3->setStyleSheet(S::clearBackground("QScrollArea#scrollArea_3"));
    ui->scrollAreaWidgetContents_3->setStyleSheet(S::clearBackground("QWidget#scrollAreaWidgetContents_3"));
    ui->widget_5->setStyleSheet(m_scrollSheet);
    ui->label_12->setStyleSheet(S::colour("QLabel#label_12", t.TextCheckedColor));
    ui->label_14->setStyleSheet(S::colour("QLabel#label_14", t.TextCheckedColor));
    ui->label_TotalTime->setStyleSheet(QStringLiteral("QLabel#label_TotalTime{color: rgb(%1); font: 75 11pt \"%2\";}")
                                           .arg(t.TextDefaultColor, t.TextFont));
    ui->label_InsertMacro->setStyleSheet(S::colour("QLabel#label_InsertMacro", t.TextCheckedColor));
    ui->frame_8->setStyleSheet(S::line("QFrame#frame_8", "top", t.MacroBorderColor));
    ui->frame_6->setStyleSheet(S::panel("QFrame#frame_6", false, t));
    const QString commandSheet = S::commandButton(t);
    ui->pushButton_InsertMacro->setStyleSheet(commandSheet);
    ui->pushButton_ModifyMacro->setStyleSheet(commandSheet);
    ui->label_Property->setStyleSheet(S::colour("QLabel#label_Property", t.TextCheckedColor));
    ui->frame_10->setStyleSheet(S::line("QFrame#frame_10", "top", t.MacroBorderColor));
    ui->frame_5->setStyleSheet(S::panel("QFrame#frame_5", false, t));
    const QString keySheet = S::keyField(t);
    ui->lineEdit_EnterKey->setStyleSheet(keySheet);
    ui->lineEdit_PressKey->setStyleSheet(keySheet);

    loadMacroList();

    const QFont bold = DDataManager::getInstance()->getFont(0);
    for (QLabel *title : {ui->label_MacroGroup, ui->label_10, ui->label_12, ui->label_InsertMacro, ui->label_Property})
        title->setFont(sized(bold, 12));
    m_recordLabelFont = sized(bold, 11);
    ui->pushButton_InsertMacro->setFont(m_recordLabelFont);
    ui->pushButton_ModifyMacro->setFont(m_recordLabelFont);
    ui->label->setFont(m_recordLabelFont);
    ui->label_14->setFont(sized(bold, 18));
    const QFont normal = sized(DDataManager::getInstance()->getFont(1), 10);
    for (QLabel *text : {ui->label_5, ui->label_6, ui->label_7, ui->label_2, ui->label_4, ui->label_3, ui->label_13})
        text->setFont(normal);

    // Restarted by every call, so the last theme's sheet is the one the macro list keeps.
    m_scrollSheetTimer.start();
}

void DMacroPage::onScrollSheetSet()
{
    ui->widget_4->setStyleSheet(m_scrollSheet);
}
