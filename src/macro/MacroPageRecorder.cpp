// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroPageRecorder.h"

#include "DMacroPage.h"
#include "ThemeStyleSheets.h"
#include "ui_DMacroPage.h"

#include "DDataManager.h"
#include "DMacroListItem.h"
#include "LogCategories.h"
#include "MacroEventWords.h"
#include "MacroPageSheets.h"
#include "xmlInterface.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QScrollBar>

using namespace macrowords;

MacroPageRecorder::MacroPageRecorder(DMacroPage *page)
    : p(page)
{
}

void MacroPageRecorder::onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag)
{
    qCDebug(lcMacro).nospace() << "------------------------- *** onKeyboardRecviveStream 6666666 *** "
                                  "-------------------------keyCode:"
                               << keyCode << " scCode:" << scCode << " flag:" << flag << "  hookFlag:" << hookFlag;
    const int code = MacroKeyMap::pageCode(keyCode, scCode, hookFlag);
    const bool down = flag != 0;
    if (!p->m_pageCurrent) {
        emit p->sigHookKeyboardRecviveStream(0, p->m_keys.usage(code), down ? 1 : 0);
        return;
    }
    if (p->m_recordMacroListDownOperateNum >= DMacroPage::kMaxDowns && down) {
        qCDebug(lcMacro) << "------------------------- *** onKeyboardRecviveStream 7777777 *** "
                            "-------------------------p->m_recordMacroListDownOperateNum:"
                         << p->m_recordMacroListDownOperateNum;
        return;
    }
    const QString name = p->m_keys.name(code);
    const int usage = p->m_keys.usage(code);
    if (p->m_recording) {
        if (down) {
            ++p->m_recordMacroListDownOperateNum;
            recordKeyDown(name, usage);
        } else if (p->m_markMap.contains(usage)) {
            recordKeyUp(p->m_markMap.take(usage), name, usage);
        }
        return;
    }
    p->m_enteredKeyName = name;
    p->m_enteredKeyUsage = usage;
    qCDebug(lcMacro) << "---------------------*** Insert charDefDec:" << usage << "  strKeyChar:" << name;
    QLineEdit *field = p->ui->lineEdit_EnterKey->hasFocus() ? p->ui->lineEdit_EnterKey : p->ui->lineEdit_PressKey;
    field->setMaxLength(qMax(1, name.size()));
    field->setText(name);
}

void MacroPageRecorder::onMouseRecviveStream(int, WPARAM wParam, LPARAM lParam)
{
    if (!p->m_recording || p->m_mouseGuard)
        return;
    // The pointer's Enter on the Record button can reach the page after the hooked click that
    // stops the recording: a click at the button's place is not recorded either.
    if (const auto *record = reinterpret_cast<const HookMouseRecord *>(lParam)) {
        const QPoint at = p->ui->frame_Record->mapFromGlobal(QPoint(record->x, record->y));
        if (p->ui->frame_Record->isVisible() && p->ui->frame_Record->rect().contains(at))
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

void MacroPageRecorder::toggleRecording()
{
    if (p->m_recording)
        stopRecording();
    else
        startRecording();
}

void MacroPageRecorder::startRecording()
{
    if (p->m_curMacroIndex.isEmpty())
        return;
    if (!p->m_hook->startHook(1)) {
        p->showNotice(DMacroPage::tr("Recording could not start"));
        return;
    }
    p->ui->stackedWidget_2->setCurrentWidget(p->ui->page_catchList);
    p->m_recording = true;
    setRecordLook(true);
    p->showNotice(DMacroPage::tr("Start record macro"));
    if (WindowsHookInterface::startStatus() == WindowsHookInterface::StartStatus::Limited && !p->m_limitedNoticeShown) {
        p->m_limitedNoticeShown = true;
        p->showNotice(DMacroPage::tr("Keys and clicks are recorded only in this program's windows"));
    }
    p->m_haveLastEvent = false;
    p->m_lastEventTime = 0;
    p->showTotalTime();
    p->ui->frame_6->setEnabled(false);
    p->ui->frame_5->setEnabled(false);
    p->ui->frame_Center->setEnabled(false);
}

void MacroPageRecorder::stopRecording()
{
    p->m_hook->stopHook();
    p->m_recording = false;
    setRecordLook(false);
    p->showNotice(DMacroPage::tr("Stop record macro"));
    const bool saved =
        p->m_macroInfoList.isEmpty()
        || (p->hasLibrary()
            && p->m_xml->addMacroItems(p->m_macroXmlPath.constData(), p->m_macroInfoList, p->indexKey()));
    if (!saved) {
        qCWarning(lcMacro) << "The recording could not be saved into macro" << p->m_curMacroIndex;
        p->showNotice(DMacroPage::tr("Save record macro failed"));
    }
    p->m_macroInfoList.clear();
    p->onMacroItemMouseClicked(p->m_curMacroIndex, p->m_curMacroName);
    p->ui->frame_5->setEnabled(true);
    p->ui->frame_6->setEnabled(true);
    p->ui->frame_Center->setEnabled(true);
    if (saved)
        p->emitMacroListChanged();
}

void MacroPageRecorder::setRecordLook(bool recording)
{
    const ThemeColorConfig t = DDataManager::getInstance()->getThemeColor();
    p->ui->label->setStyleSheet(
        MacroPageSheets::colour("QLabel#label", recording ? t.TextCheckedColor : t.TextDefaultColor));
    p->ui->label->setFont(p->m_recordLabelFont);
    p->ui->frame_Record->setStyleSheet(
        QStringLiteral("QFrame#frame_Record{border-radius: 8px; border: 2px solid %1;}"
                       "QFrame#frame_Record:hover{border: 2px solid %2;}")
            .arg(stylesheets::colour(recording ? t.TextCheckedColor : t.MacroBorderColor),
                 stylesheets::colour(t.TextCheckedColor)));
    p->ui->frame_RecordIco->setStyleSheet(recording
                                              ? QStringLiteral("border-image:url(:/images/macro/recordSel.png);")
                                              : QStringLiteral("border-image:url(:/images/macro/recordDef.png);"));
    p->ui->label->setText(recording ? DMacroPage::tr("Stop") : DMacroPage::tr("Record"));
}

// The time since the recording's previous event, by the display server's clock (which wraps).
quint32 MacroPageRecorder::delaySinceLastEvent()
{
    const quint32 now = WindowsHookInterface::eventTime();
    const quint32 delay = p->m_haveLastEvent ? quint32(now - p->m_lastEventTime) : 0;
    p->m_haveLastEvent = true;
    p->m_lastEventTime = now;
    return delay;
}

void MacroPageRecorder::recordKeyDown(const QString &name, int usage)
{
    qCDebug(lcMacro) << "------------------------- *** onKeyboardRecviveStream 7777777 *** "
                        "-------------------------p->m_macroInfoList[Size]:"
                     << p->m_macroInfoList.size();
    const QString mark = p->createEventMark();
    const quint32 delay = delaySinceLastEvent();
    p->m_markMap.insert(usage, mark);
    appendRecordedEvent(mark, int(qMin<quint32>(delay, kMaxDelay)), kKey, usage, name, kDown);
}

void MacroPageRecorder::recordKeyUp(const QString &mark, const QString &name, int usage)
{
    const quint32 delay = delaySinceLastEvent();
    appendRecordedEvent(mark, int(qMin<quint32>(delay, kMaxDelay)), kKey, usage, name, kUp);
}

void MacroPageRecorder::recordMouse(int message)
{
    const bool down = message == kLeftDown || message == kRightDown || message == kMiddleDown;
    const int button = down ? message : message - 1;
    QString mark;
    if (down) {
        mark = p->createEventMark();
        p->m_mouseMarks.insert(button, mark);
    } else {
        // An up pairs with its own button's down; one whose down was not recorded is dropped.
        if (!p->m_mouseMarks.contains(button))
            return;
        mark = p->m_mouseMarks.take(button);
    }
    const quint32 delay = delaySinceLastEvent();
    appendRecordedEvent(mark, int(qMin<quint32>(delay, kMaxDelay)), kMouse, message, mouseCaption(message),
                        down ? kDown : kUp);
}

void MacroPageRecorder::appendRecordedEvent(const QString &mark, int delay, const QString &type, int code,
                                            const QString &name, const QString &operateExplain)
{
    if (p->rowCount() >= DMacroPage::kMaxRows)
        return;
    if (p->m_delayModes->checkedId() == 1)
        delay = 0;
    else if (p->m_delayModes->checkedId() == 2)
        delay = p->ui->lineEdit_DefaultDelayNum->text().toInt();
    delay = qBound(0, delay, kMaxDelay);
    p->m_macroInfoList.append(eventOf(mark, delay, type, code, name, operateExplain));
    p->m_totalTime += delay;
    p->showTotalTime();
    p->createEventRow(mark, delay, type, code, name, operateExplain, p->rowCount());
    p->ui->scrollArea_3->verticalScrollBar()->setValue(p->m_CatchKeyAndMouseItemList.size() * 60
                                                       - p->ui->frame_11->height() - 58);
}
