// SPDX-License-Identifier: GPL-3.0-or-later
#include "DevicePageCustomLights.h"

#include "ColorWheelTool.h"
#include "DCustomLightListItem.h"
#include "DDeviceListItem.h"
#include "DDevicePage.h"
#include "DeviceModels.h"
#include "DTipInfoDia.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "lightDealMain.h"
#include "LightingCommands.h"
#include "LogCategories.h"
#include "ProfileFiles.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QBoxLayout>
#include <QVector>

namespace {

constexpr int kRows = 6;
constexpr int kColumns = 22;
constexpr int kSlotUnused = LightingCommands::kCustomLedSlotUnused;
const QColor kDarkKey(0, 0, 0, 128);
const QString kUsing = QStringLiteral("Using");
const QString kUnUsing = QStringLiteral("UnUsing");

QVector<keyboardButCustom *> keyCells(keyboardPage *view)
{
    QVector<keyboardButCustom *> cells(kRows * kColumns, nullptr);
    if (!view)
        return cells;
    const QList<keyboardButCustom *> keys = view->getKeyButtons();
    for (int i = 0; i < keys.size() && i < cells.size(); ++i)
        cells[i] = keys.at(i);
    return cells;
}

}  // namespace

DevicePageCustomLights::DevicePageCustomLights(DDevicePage *page)
    : QObject(page)
    , p(page)
{
}

int DevicePageCustomLights::currentKeyCount() const
{
    return p->m_curDeviceItem ? models::keyCount(p->m_curDeviceItem->getHidName()) : 0;
}

void DevicePageCustomLights::addDefaultCustomLights(int profileIndex)
{
    if (p->m_xml)
        ProfileFiles::addDefaultCustomLights(p->m_xml, p->m_profileXmlPath, profileIndex, currentKeyCount());
}

void DevicePageCustomLights::loadCustomLightDefaults(int profileIndex, int customLightIndex)
{
    if (p->m_xml)
        ProfileFiles::loadCustomLightDefaults(p->m_xml, p->m_profileXmlPath, profileIndex, customLightIndex,
                                              currentKeyCount());
}

void DevicePageCustomLights::clearCustomLightList()
{
    p->m_customLightListLayout = p->ui->verticalLayout_39;
    DDevicePage::clearListLayout(p->m_customLightListLayout);
}

void DevicePageCustomLights::paintAllKeysDark()
{
    for (keyboardButCustom *key : keyCells(p->m_keyboardPage)) {
        if (key)
            key->setPaintColor(kDarkKey);
    }
}

void DevicePageCustomLights::paintCustomLight(const QString &index, int alpha)
{
    if (!p->m_xml)
        return;
    const QByteArray key = QByteArray::number(p->m_curProfileIndex);
    const QByteArray ledIndex = index.toLatin1();
    QList<CustomLedItemInfo> items;
    p->m_xml->getCustomLedItems(p->m_profileXmlPath.constData(), key.constData(), ledIndex.constData(), &items);
    const QVector<keyboardButCustom *> cells = keyCells(p->m_keyboardPage);
    for (const CustomLedItemInfo &item : qAsConst(items)) {
        // An edited file may place a key outside the matrix.
        if (item.indexX < 0 || item.indexX >= kRows || item.indexY < 0 || item.indexY >= kColumns) {
            qCWarning(lcUi) << "Custom light" << index << "has a key outside the key matrix:" << item.indexX
                            << item.indexY;
            continue;
        }
        if (keyboardButCustom *cell = cells.at(item.indexX * kColumns + item.indexY))
            cell->setPaintColor(QColor(item.colorR & 0xFF, item.colorG & 0xFF, item.colorB & 0xFF, alpha));
    }
}

void DevicePageCustomLights::reloadCustomLightList()
{
    paintAllKeysDark();
    if (!p->m_xml)
        return;
    const QByteArray key = QByteArray::number(p->m_curProfileIndex);
    const char *path = p->m_profileXmlPath.constData();
    int shown = p->m_xml->findCustomLedByFlag(path, key.constData());
    if (shown < 0)
        shown = 0;
    clearCustomLightList();
    p->m_listCustomLightItem.clear();
    p->m_curCustomLightItem = nullptr;
    QList<CustomLedInfo> leds;
    p->m_xml->getCustomLeds(path, key.constData(), &leds);
    for (const CustomLedInfo &led : qAsConst(leds)) {
        auto *row = new DCustomLightListItem(p->ui->scrollAreaWidgetContents_3);
        connect(row, &DCustomLightListItem::sigCustomLightItemMouseClicked, p,
                &DDevicePage::onCustomLightItemMouseClicked);
        connect(row, &DCustomLightListItem::sigCustomLightUsingStatus, p, &DDevicePage::onCustomLightUsingStatus);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameIsEmpty, p,
                &DDevicePage::onModifyCustomLightItemNameIsEmpty);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameSuccess, p,
                &DDevicePage::onModifyCustomLightItemNameSuccess);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameFailed, p,
                &DDevicePage::onModifyCustomLightItemNameFailed);
        row->setProfileXml(path, p->m_xml);
        CustomLightItemInfo info;
        info.profileIndex = QString::number(p->m_curProfileIndex);
        info.index = QString::fromLatin1(led.index);
        info.name = QString::fromUtf8(led.name);
        info.isUsing = QString::fromLatin1(led.isUsing);
        info.usingFlagIndex = led.usingFlagIndex;
        row->setCustomLightInfo(info);
        p->m_customLightListLayout->insertWidget(p->m_customLightListLayout->count() - 1, row);
        if (!p->m_curCustomLightItem && info.index.toInt() == shown) {
            p->m_curCustomLightItem = row;
            row->setSelected(true);
        }
        p->m_listCustomLightItem.append(row);
    }
    if (!p->m_curCustomLightItem && !p->m_listCustomLightItem.isEmpty()) {
        p->m_curCustomLightItem = p->m_listCustomLightItem.first();
        p->m_curCustomLightItem->setSelected(true);
    }
    p->m_lightDealMain->clearLed_WaveFullColor_TabSaveUpdateAll();
    paintCustomLight(QString::number(shown), 180);
    QVector<KeyLightButtonInterface *> buttons;
    for (keyboardButCustom *cell : keyCells(p->m_keyboardPage))
        buttons.append(cell);
    p->m_lightDealMain->setKeyButtons(buttons);
    p->m_lightDealMain->applyCustomLightFromKeys();
}

void DevicePageCustomLights::selectOnly(DCustomLightListItem *row)
{
    for (DCustomLightListItem *item : qAsConst(p->m_listCustomLightItem))
        item->setSelected(item == row);
    p->m_curCustomLightItem = row;
}

void DevicePageCustomLights::onCustomLightItemMouseClicked(DCustomLightListItem *row)
{
    if (!row || row == p->m_curCustomLightItem || !p->m_listCustomLightItem.contains(row))
        return;
    // The row shown is repainted from the file: unsaved paint is asked about first (Save stores it
    // into the row it was painted on).
    if (!p->mayLeaveLighting(true))
        return;
    if (p->m_keyboardPage)
        p->m_keyboardPage->clearLightSelection();
    p->m_lightDealMain->clearLed_WaveFullColor_TabSaveUpdateAll();
    selectOnly(row);
    showStoredLight(row);
}

void DevicePageCustomLights::showStoredLight(DCustomLightListItem *row)
{
    paintAllKeysDark();
    paintCustomLight(row->getCustomLightIndex(), 180);
    p->m_lightDealMain->applyCustomLightFromKeys();
}

void DevicePageCustomLights::setRowUsing(DCustomLightListItem *row, bool isUsing, int flag)
{
    const QByteArray key = QByteArray::number(p->m_curProfileIndex);
    const QByteArray index = row->getCustomLightIndex().toLatin1();
    if (p->m_xml)
        p->m_xml->setCustomLedUsing(p->m_profileXmlPath.constData(), key.constData(), index.constData(),
                                    isUsing ? "Using" : "UnUsing", flag);
    row->setUsingStatus(isUsing);
    row->setUsingFlagIndex(flag);
    row->setIsUsing(isUsing ? kUsing : kUnUsing);
}

void DevicePageCustomLights::onCustomLightUsingStatus(DCustomLightListItem *row, bool isUsing)
{
    if (!row || !p->m_listCustomLightItem.contains(row))
        return;
    selectOnly(row);
    p->m_lightDealMain->clearLed_WaveFullColor_TabSaveUpdateAll();
    if (!isUsing) {
        qCDebug(lcUi) << "------------------------ *** isUsing == false *** ------------------------";
        const int old = row->getUsingFlagIndex();
        setRowUsing(row, false, -1);
        sendCustomLight(row->getCustomLightIndex(), old, true);
        // Only the device's slot went dark: the keys show the row's light again, so that a
        // Save stores what is shown and not an empty light.
        showStoredLight(row);
        return;
    }
    qCDebug(lcUi) << "------------------------ *** isUsing == true *** ------------------------";
    // The other rows in use; the clicked row may already show its new state.
    QList<DCustomLightListItem *> inUse;
    DCustomLightListItem *slot0 = nullptr;
    DCustomLightListItem *slot1 = nullptr;
    for (DCustomLightListItem *item : qAsConst(p->m_listCustomLightItem)) {
        if (item == row || item->getIsUsing() != kUsing)
            continue;
        inUse.append(item);
        if (item->getUsingFlagIndex() == 0 && !slot0)
            slot0 = item;
        else if (item->getUsingFlagIndex() == 1 && !slot1)
            slot1 = item;
    }
    int slot = 0;
    if (inUse.size() == 2) {
        // Slot 1 is taken from the light that holds it, or (in an edited file where neither
        // does) from the light that does not hold slot 0.
        DCustomLightListItem *giver = slot1;
        if (!giver)
            giver = inUse.at(0) == slot0 ? inUse.at(1) : inUse.at(0);
        setRowUsing(giver, false, -1);
        slot = 1;
    } else if (inUse.size() == 1) {
        slot = !slot0 ? 0 : (!slot1 ? 1 : -1);
    } else if (inUse.size() > 2) {
        qCWarning(lcUi) << "More than two custom lights are in use; the profile was edited by hand";
        row->setUsingStatus(false);
        row->setIsUsing(kUnUsing);
        return;
    }
    setRowUsing(row, true, slot);
    sendCustomLight(row->getCustomLightIndex(), slot, false);
    // The preview shows the row now selected, not the one shown before.
    showStoredLight(row);
}

void DevicePageCustomLights::sendCustomLight(const QString &index, int slot, bool clearOnly)
{
    paintAllKeysDark();
    if (!clearOnly)
        paintCustomLight(index, 128);
    p->sendCustomLedColors(LightingCommands::customLedSlot(slot));
}

void DevicePageCustomLights::saveCustomLight()
{
    if (!p->m_isCustomLightEditing) {
        reloadCustomLightList();
        if (!p->m_curCustomLightItem) {
            qCWarning(lcUi) << "The profile has no custom light to send";
            return;
        }
        p->sendCustomLedColors(LightingCommands::customLedSlot(p->m_curCustomLightItem->getUsingFlagIndex()));
        return;
    }
    DCustomLightListItem *row = p->m_curCustomLightItem;
    if (!row || !p->m_xml) {
        qCWarning(lcUi) << "The profile has no custom light to save into; nothing stored or sent";
        return;
    }
    const QByteArray key = QByteArray::number(p->m_curProfileIndex);
    const QByteArray ledIndex = row->getCustomLightIndex().toLatin1();
    const char *path = p->m_profileXmlPath.constData();
    p->m_xml->deleteCustomLed(path, key.constData(), ledIndex.constData());
    const QVector<keyboardButCustom *> cells = keyCells(p->m_keyboardPage);
    for (int cell = 0; cell < cells.size(); ++cell) {
        keyboardButCustom *button = cells.at(cell);
        if (!button)
            continue;
        // What was painted, not the preview's frame of it (dimmed by the effect's brightness).
        const QColor color = button->paintColor();
        if (color.red() == 0 && color.green() == 0 && color.blue() == 0)
            continue;
        const int code = button->getKeyDec();
        if (code < 0 && code != -10)
            continue;
        CustomLedItemInfo item;
        qstrncpy(item.keyCode, QByteArray::number(code).constData(), sizeof item.keyCode);
        const QByteArray caption =
            code == 52 ? QByteArray("' \"") : button->getKeyCharacter().remove(QLatin1Char('"')).toUtf8();
        qstrncpy(item.codeName, caption.constData(), sizeof item.codeName);
        item.indexX = cell / kColumns;
        item.indexY = cell % kColumns;
        item.colorR = color.red();
        item.colorG = color.green();
        item.colorB = color.blue();
        item.transparentNum = 128;
        p->m_xml->addCustomLedItems(path, key.constData(), ledIndex.constData(), item);
    }
    p->sendCustomLedColors(row->getIsUsing() == kUsing ? LightingCommands::customLedSlot(row->getUsingFlagIndex())
                                                       : kSlotUnused);
}

void DevicePageCustomLights::onUpdateCustomLight()
{
    if (!p->m_keyboardPage)
        return;
    QList<KeyLightButtonInterface *> keys;
    for (keyboardButCustom *key : p->m_keyboardPage->getLightKeySelected())
        keys.append(key);
    p->m_lightDealMain->setCustomLightKeys(keys);
    // Painted keys are an unsaved change until the editor's OK stores them.
    if (p->m_mainPageIndex == DDevicePage::kLightingPage && !keys.isEmpty())
        p->m_isLightChanged = true;
}

int DevicePageCustomLights::showTipInfoDia()
{
    QWidget *window = p->m_mainWindow ? p->m_mainWindow.data() : p->window();
    // One mask per showing, removed however the prompt ends.
    delete p->m_maskWidget;
    auto *mask = new QWidget(window);
    p->m_maskWidget = mask;
    mask->setWindowFlags(Qt::FramelessWindowHint);
    mask->setObjectName(QStringLiteral("widget"));
    mask->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 120);}"));
    mask->resize(window->size());
    mask->show();

    DTipInfoDia *dialog = p->m_tipInfoDia;
    dialog->applyTheme();
    const QPoint centre =
        window->pos() + QPoint((window->width() - dialog->width()) / 2, (window->height() - dialog->height()) / 2);
    dialog->move(centre);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->resetTipResult();
    dialog->exec();
    const int result = dialog->getTipResult();

    if (p->m_maskWidget == mask)
        p->m_maskWidget = nullptr;
    delete mask;
    return result == 1 || result == 2 ? result : 0;
}

bool DevicePageCustomLights::mayLeaveLighting(bool leaveAfterSave)
{
    if (!p->m_isLightChanged)
        return true;
    switch (showTipInfoDia()) {
    case 1:
        p->applyLightSettings();
        p->clearLightChanged();
        return leaveAfterSave;
    case 2:
        qCInfo(lcUi) << "The unsaved lighting change is discarded";
        p->clearLightChanged();
        return true;
    default:
        return false;
    }
}
