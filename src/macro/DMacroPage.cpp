// SPDX-License-Identifier: GPL-3.0-or-later
#include "DMacroPage.h"
#include "ui_DMacroPage.h"

#include "CbNotice.h"
#include "DCatchKeyAndMouseItem.h"
#include "DialogStartFolder.h"
#include "DMacroListItem.h"
#include "FirstShowAction.h"
#include "LogCategories.h"
#include "MacroEventWords.h"
#include "MacroListRows.h"
#include "MacroPageEditor.h"
#include "MacroPageLibrary.h"
#include "MacroPageRecorder.h"
#include "MacroPageTheme.h"
#include "RecordText.h"
#include "xmlInterface.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QIntValidator>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStandardPaths>
#include <QUuid>

namespace {

constexpr int kScrollSheetDelayMs = 500;

}  // namespace

using namespace macrowords;

DMacroPage::DMacroPage(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DMacroPage>())
    , m_recorder(std::make_unique<MacroPageRecorder>(this))
    , m_editor(std::make_unique<MacroPageEditor>(this))
    , m_library(std::make_unique<MacroPageLibrary>(this))
    , m_theme(std::make_unique<MacroPageTheme>(this))
{
    m_hook = new WindowsHookInterface(this);
    ui->setupUi(this);
    ui->radioButton_Delay->hide();
    m_defaultFolder = dialogStartFolder();
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

    m_macroRows = new MacroListRows(
        ui->scrollArea_2, [this](QWidget *contents) { return createMacroRow(contents); }, this);
    updateTexts();
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
    return m_macroRows->builtRows();
}

int DMacroPage::macroCount() const
{
    return m_macroRows->count();
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

// The window's first paint: from then on the start is on screen, and the list is read.
void DMacroPage::loadMacroListAfterFirstPaint()
{
    if (m_listLoaded || m_firstPaintWatched)
        return;
    m_firstPaintWatched = window();
    m_firstPaintWatched->installEventFilter(this);
}

bool DMacroPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_firstPaintWatched && event->type() == QEvent::Paint) {
        m_firstPaintWatched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            if (m_themePending)
                applyTheme();
            if (!m_listLoaded)
                loadMacroList();
        });
        return QWidget::eventFilter(watched, event);
    }
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
    m_recorder->onKeyboardRecviveStream(keyCode, scCode, flag, hookFlag);
}

void DMacroPage::onMouseRecviveStream(int nCode, WPARAM wParam, LPARAM lParam)
{
    m_recorder->onMouseRecviveStream(nCode, wParam, lParam);
}

// ---- Recording ----

void DMacroPage::toggleRecording()
{
    m_recorder->toggleRecording();
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

DMacroListItem *DMacroPage::createMacroRow(QWidget *contents)
{
    auto *item = new DMacroListItem(contents);
    connect(item, &DMacroListItem::sigMacroItemMouseClicked, this, &DMacroPage::onMacroItemMouseClicked);
    connect(item, &DMacroListItem::sigModifyMacroItemNameIsEmpty, this, &DMacroPage::onModifyMacroItemNameIsEmpty);
    connect(item, &DMacroListItem::sigModifyMacroItemNameSuccess, this, &DMacroPage::onModifyMacroItemNameSuccess);
    connect(item, &DMacroListItem::sigModifyMacroItemNameFailed, this, &DMacroPage::onModifyMacroItemNameFailed);
    connect(item, &DMacroListItem::sigExportMacroChildList, this, &DMacroPage::onExportMacroChildList);
    connect(item, &DMacroListItem::sigDeleteMacro, this, &DMacroPage::onDeleteMacro);
    item->setMacroXml(m_macroXmlPath.constData(), m_xml);
    return item;
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
    m_editor->selectEvent(qobject_cast<DCatchKeyAndMouseItem *>(sender()), delay, type, keyCode, codeName,
                          operateExplain);
}

void DMacroPage::onMouseEnter(QString selectMark, QString selectOperateExplain)
{
    m_editor->onMouseEnter(selectMark, selectOperateExplain);
}

void DMacroPage::onMouseLeave(QString selectMark, QString selectOperateExplain)
{
    m_editor->onMouseLeave(selectMark, selectOperateExplain);
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
    m_editor->deleteEvent(qobject_cast<DCatchKeyAndMouseItem *>(sender()));
}

void DMacroPage::on_pushButton_InsertMacro_clicked()
{
    m_editor->insertEvent();
}

void DMacroPage::on_pushButton_ModifyMacro_clicked()
{
    m_editor->modifyEvent();
}

void DMacroPage::on_pushButton_MoveUp_clicked()
{
    m_editor->moveSelectedRow(true);
}

void DMacroPage::on_pushButton_MoveDown_clicked()
{
    m_editor->moveSelectedRow(false);
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
    m_listLoaded = true;
    const QList<IndexNameInfo> macros = macroList();
    m_macroRows->setCurrent(macros.isEmpty() ? QString() : QString::fromUtf8(recordText(macros.first().index)));
    m_macroRows->setMacros(macros);
    if (m_macroRows->isEmpty()) {
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
    onMacroItemMouseClicked(m_macroRows->indexAt(0), m_macroRows->nameAt(0));
}

void DMacroPage::onMacroItemMouseClicked(QString strMacroIndex, QString strMacroName)
{
    if (m_recording)
        return;
    if (m_selectFirstMacro && !m_macroRows->isEmpty()) {
        m_selectFirstMacro = false;
        if (m_macroRows->current() != m_macroRows->indexAt(0))
            m_selectedRowPos = 0;
        m_macroRows->setCurrent(m_macroRows->indexAt(0));
    } else if (m_macroRows->positionOf(strMacroIndex) >= 0 && m_macroRows->current() != strMacroIndex) {
        m_selectedRowPos = 0;
        m_macroRows->setCurrent(strMacroIndex);
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
    m_library->addMacro();
}

void DMacroPage::onDeleteMacro(QString strMacroIndex, QString strMacroName)
{
    m_library->deleteMacro(strMacroIndex, strMacroName);
}

void DMacroPage::onModifyMacroItemNameIsEmpty()
{
    showNotice(tr("Macro name can't be empty"));
}

void DMacroPage::onModifyMacroItemNameSuccess()
{
    auto *row = qobject_cast<DMacroListItem *>(sender());
    if (row)
        m_macroRows->rename(row->index(), row->name());
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
    m_library->clearCurrentMacro();
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
    return m_library->importFile(path);
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
    return m_library->exportMacro(index, name, folder);
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
    m_themePending = false;
    m_theme->applyTheme();
}

void DMacroPage::applyThemeLater()
{
    if (m_themePending)
        return;
    m_themePending = true;
    new FirstShowAction(this, [this] {
        if (m_themePending)
            applyTheme();
    });
    loadMacroListAfterFirstPaint();
}

void DMacroPage::onScrollSheetSet()
{
    ui->widget_4->setStyleSheet(m_scrollSheet);
}
