// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroPageEditor.h"

#include "DMacroPage.h"
#include "ui_DMacroPage.h"

#include "DCatchKeyAndMouseItem.h"
#include "MacroEventWords.h"
#include "xmlInterface.h"

#include <QVBoxLayout>

using namespace macrowords;

MacroPageEditor::MacroPageEditor(DMacroPage *page)
    : p(page)
{
}

void MacroPageEditor::selectEvent(DCatchKeyAndMouseItem *row, const QString &delay, const QString &type,
                                  const QString &keyCode, const QString &codeName, const QString &operateExplain)
{
    Q_UNUSED(keyCode)
    if (!row)
        return;
    p->ui->lineEdit_PressKey->clear();
    p->m_selectedRow = row;
    const bool down = operateExplain.contains(kDown);
    p->m_selectedDirection = down ? 0 : 1;
    p->m_selectedMark = row->getMark();
    p->m_selectedRowPos = p->m_eventLayout->indexOf(row);
    p->ui->lineEdit_DelayNum->setText(delay);
    if (type == kKey) {
        p->ui->stackedWidget_Property->setCurrentWidget(p->ui->page_1);
        p->ui->radioButton_KeyboardEvent->setChecked(true);
    } else if (type == kMouse) {
        p->ui->stackedWidget_Property->setCurrentWidget(p->ui->page_2);
        p->ui->radioButton_MouseEvent->setChecked(true);
    }
    if (type.contains(kMouse)) {
        if (codeName.contains(QLatin1String("Left"))) {
            p->ui->radioButton_1left->setChecked(true);
            p->m_selectedMouseCaption = DMacroPage::tr("Left Click");
        } else if (codeName.contains(QLatin1String("Center"))) {
            p->ui->radioButton_2center->setChecked(true);
            p->m_selectedMouseCaption = DMacroPage::tr("Center Click");
        } else if (codeName.contains(QLatin1String("Right"))) {
            p->ui->radioButton_3right->setChecked(true);
            p->m_selectedMouseCaption = DMacroPage::tr("Right Click");
        }
    } else {
        p->ui->lineEdit_PressKey->setText(codeName);
    }
    p->m_rowSelected = true;
    for (DCatchKeyAndMouseItem *other : p->m_CatchKeyAndMouseItemList) {
        const bool partner = !p->m_selectedMark.isEmpty() && other->getMark() == p->m_selectedMark
                             && other->getOperateExplain() != operateExplain;
        other->setPartnerHighlight(partner);
    }
    row->setPartnerHighlight(true);
    row->setSelectedHighlight(true);
}

void MacroPageEditor::onMouseEnter(const QString &selectMark, const QString &selectOperateExplain)
{
    for (DCatchKeyAndMouseItem *row : p->m_CatchKeyAndMouseItemList) {
        if (row->getMark() == selectMark && row->getOperateExplain() != selectOperateExplain) {
            row->setPartnerHighlight(true);
            return;
        }
    }
}

void MacroPageEditor::onMouseLeave(const QString &selectMark, const QString &selectOperateExplain)
{
    for (DCatchKeyAndMouseItem *row : p->m_CatchKeyAndMouseItemList) {
        if (row->getMark() == selectMark && row->getOperateExplain() != selectOperateExplain) {
            row->setPartnerHighlight(false);
            return;
        }
    }
}

void MacroPageEditor::deleteEvent(DCatchKeyAndMouseItem *row)
{
    if (!row || !p->m_CatchKeyAndMouseItemList.contains(row))
        return;
    const QString mark = row->getMark();
    DCatchKeyAndMouseItem *partner = mark.isEmpty() ? nullptr : p->partnerOf(row);
    if (!partner && !mark.isEmpty()) {
        // A lone half: the first other row with its mark goes with it, whichever its direction.
        for (DCatchKeyAndMouseItem *other : p->m_CatchKeyAndMouseItemList) {
            if (other != row && other->getMark() == mark) {
                partner = other;
                break;
            }
        }
    }
    const bool exactMark = !mark.isEmpty() && p->rowsWithMark(mark) <= 2;
    p->m_totalTime -= row->getDelay().toInt();
    p->removeEventRow(row);
    if (partner) {
        p->m_totalTime -= partner->getDelay().toInt();
        p->removeEventRow(partner);
    }
    p->showTotalTime();
    p->clearRowSelection();
    p->recountDowns();
    const bool stored = exactMark ? p->hasLibrary()
                                        && p->m_xml->deleteMacroItemsWithMark(
                                            p->m_macroXmlPath.constData(), p->indexKey().constData(), mark.toLatin1())
                                  : p->rewriteCurrentMacro();
    if (!stored) {
        p->showNotice(DMacroPage::tr("Delete failed"));
        p->reloadCurrentMacro();
        return;
    }
    p->emitMacroListChanged();
}

void MacroPageEditor::insertEvent()
{
    if (!p->m_rowSelected) {
        p->showNotice(DMacroPage::tr("Please select a specific location first"));
        return;
    }
    const bool key = p->ui->radioButton_Key->isChecked();
    if (key && p->m_enteredKeyName.isEmpty()) {
        p->showNotice(DMacroPage::tr("Please enter a key"));
        return;
    }
    if (p->rowCount() >= DMacroPage::kMaxRows) {
        p->showNotice(DMacroPage::tr("The record of events has reached the limit"));
        return;
    }
    const QString mark = p->createEventMark();
    if (p->ui->radioButton_InsertAfter->isChecked())
        ++p->m_selectedRowPos;
    p->m_selectedRowPos = qBound(0, p->m_selectedRowPos, p->rowCount());
    if (key) {
        p->createEventRow(mark, 0, kKey, p->m_enteredKeyUsage, p->m_enteredKeyName, kDown, p->m_selectedRowPos);
        p->createEventRow(mark, 0, kKey, p->m_enteredKeyUsage, p->m_enteredKeyName, kUp, p->m_selectedRowPos + 1);
    } else {
        int press = kLeftDown;
        if (p->ui->radioButton_MouseCenter->isChecked())
            press = kMiddleDown;
        else if (p->ui->radioButton_MouseRight->isChecked())
            press = kRightDown;
        p->createEventRow(mark, 0, kMouse, press, mouseCaption(press), kDown, p->m_selectedRowPos);
        p->createEventRow(mark, 0, kMouse, press + 1, mouseCaption(press + 1), kUp, p->m_selectedRowPos + 1);
    }
    if (!p->rewriteCurrentMacro()) {
        p->showNotice(DMacroPage::tr("Insert failed"));
        p->reloadCurrentMacro();
        return;
    }
    p->showNotice(DMacroPage::tr("Insert successful"));
    p->emitMacroListChanged();
    ++p->m_recordMacroListDownOperateNum;
}

void MacroPageEditor::modifyEvent()
{
    DCatchKeyAndMouseItem *row = p->m_selectedRow;
    if (!p->m_rowSelected || !row) {
        p->showNotice(DMacroPage::tr("Please select a specific location first"));
        return;
    }
    const QString typed = p->ui->lineEdit_PressKey->text();
    const bool keyEvent = p->ui->radioButton_KeyboardEvent->isChecked();
    if (typed.isEmpty() && keyEvent) {
        p->showNotice(DMacroPage::tr("Please enter a key"));
        return;
    }
    int code = row->getKeyCode().toInt();
    QString caption = row->getCodeName();
    if (typed != row->getCodeName()) {
        code = p->m_enteredKeyUsage;
        caption = typed;
    }
    const bool press = p->m_selectedDirection == 0;
    int partnerCode = code;
    QString partnerCaption = caption;
    QString type = kKey;
    if (!keyEvent) {
        type = kMouse;
        int button = 0;
        if (p->ui->radioButton_1left->isChecked())
            button = kLeftDown;
        else if (p->ui->radioButton_2center->isChecked())
            button = kMiddleDown;
        else if (p->ui->radioButton_3right->isChecked())
            button = kRightDown;
        if (button) {
            code = press ? button : button + 1;
            caption = mouseCaption(code);
            partnerCode = press ? button + 1 : button;
            partnerCaption = mouseCaption(partnerCode);
        }
    }
    const int delay = qBound(0, p->ui->lineEdit_DelayNum->text().toInt(), kMaxDelay);
    p->m_totalTime += delay - row->getDelay().toInt();
    p->showTotalTime();
    const QString mark = row->getMark();
    row->setEventInfo(delay, type, code, caption, row->getOperateExplain());
    DCatchKeyAndMouseItem *partner = p->partnerOf(row);
    if (partner)
        partner->setEventInfo(partner->getDelay().toInt(), type, partnerCode, partnerCaption,
                              partner->getOperateExplain());

    // A regular pair is written half by half through its mark; anything else as the rows stand.
    bool stored = false;
    if (partner && p->rowsWithMark(mark) == 2) {
        const QByteArray markKey = mark.toLatin1();
        const MacroEventInfo selected = eventOf(mark, delay, type, code, caption, row->getOperateExplain());
        const MacroEventInfo other =
            eventOf(mark, partner->getDelay().toInt(), type, partnerCode, partnerCaption, partner->getOperateExplain());
        stored = p->hasLibrary()
                 && p->m_xml->modifyMacroItem(p->m_macroXmlPath.constData(), p->indexKey().constData(),
                                              markKey.constData(), press ? 0 : 1, selected)
                 && p->m_xml->modifyMacroItem(p->m_macroXmlPath.constData(), p->indexKey().constData(),
                                              markKey.constData(), press ? 1 : 0, other);
    } else {
        stored = p->rewriteCurrentMacro();
    }
    if (!stored) {
        p->showNotice(DMacroPage::tr("Modify failed"));
        p->reloadCurrentMacro();
        return;
    }
    p->showNotice(DMacroPage::tr("Modify successful"));
    p->emitMacroListChanged();
}

// Moves the highlighted row one place, on screen by its place and in the file by its mark.
void MacroPageEditor::moveSelectedRow(bool up)
{
    DCatchKeyAndMouseItem *row = p->m_selectedRow;
    if (!p->m_rowSelected || !row) {
        p->showNotice(DMacroPage::tr("Please select a specific location first"));
        return;
    }
    const int position = p->m_eventLayout->indexOf(row);
    const int target = up ? position - 1 : position + 1;
    DCatchKeyAndMouseItem *neighbour = p->rowAt(target);
    if (position < 0 || !neighbour)
        return;
    if (!row->getMark().isEmpty() && neighbour->getMark() == row->getMark()
        && neighbour->getOperateExplain() != row->getOperateExplain())
        return;  // a press never passes its release
    p->m_eventLayout->removeWidget(row);
    p->m_eventLayout->insertWidget(target, row);
    p->m_selectedRowPos = target;

    const QString mark = row->getMark();
    bool stored = false;
    if (!mark.isEmpty() && p->rowsWithMark(mark) <= 2 && (p->partnerOf(row) || p->rowsWithMark(mark) == 1)) {
        const QByteArray markKey = mark.toLatin1();
        const int second = row->getOperateExplain() == kDown || p->rowsWithMark(mark) == 1 ? 0 : 1;
        stored = p->hasLibrary()
                 && p->m_xml->moveMacroItem(p->m_macroXmlPath.constData(), p->indexKey().constData(),
                                            markKey.constData(), up ? 1 : 0, second);
    } else {
        stored = p->rewriteCurrentMacro();
    }
    if (!stored) {
        p->showNotice(DMacroPage::tr("Move failed"));
        p->reloadCurrentMacro();
        return;
    }
    p->emitMacroListChanged();
}
