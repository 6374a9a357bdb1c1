// SPDX-License-Identifier: GPL-3.0-or-later
#include "DMouseLightPage.h"

#include "LogCategories.h"
#include "MouseDefinitionFile.h"

DMouseLightPage::DMouseLightPage(QString model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
{
}

void DMouseLightPage::loadMouseInfo(QString model)
{
    m_model = model;
    qDeleteAll(m_ledButtons);
    m_ledButtons.clear();
    MouseDefinitionFile definition;
    if (!definition.load(MouseDefinitionFile::resourcePath(model))) {
        qCWarning(lcUi) << "DMouseLightPage: no mouse definition for" << model << "- no LED buttons";
        return;
    }
    // One button per LED slot in file order: button k shows LED k. An empty slot gives a button
    // of size 0 that draws nothing.
    for (const MouseLedSlot &slot : definition.ledSlots()) {
        auto *button = new mouseLightButtonCustom(this);
        const bool placed = slot.width > 0 && slot.height > 0;
        button->setButtonSize(placed ? slot.width : 0, placed ? slot.height : 0);
        button->move(placed ? slot.posX : -1, placed ? slot.posY : -1);
        button->setButtonPos(slot.posX, slot.posY);
        button->setIndexAndStatus(slot.index, slot.validStatus);
        m_ledButtons.append(button);
    }
}

void DMouseLightPage::setProfileXml(const char *profilePath, xmlInterface *xml)
{
    m_profilePath = QByteArray(profilePath ? profilePath : "");
    m_xml = xml;
}

void DMouseLightPage::setProfileIndex(int profileIndex)
{
    m_profileIndex = profileIndex;
}

void DMouseLightPage::loadLinkStatus() {}

void DMouseLightPage::setLedDisabled(int off)
{
    setEnabled(off != 1);
}

QList<mouseLightButtonCustom *> DMouseLightPage::ledButtons() const
{
    return m_ledButtons;
}

void DMouseLightPage::applyTheme() {}

void DMouseLightPage::retranslate() {}
