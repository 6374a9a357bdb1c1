// SPDX-License-Identifier: GPL-3.0-or-later
#include "DevicePageOnboard.h"

#include "DDevicePage.h"
#include "DOnboardPage.h"
#include "LogCategories.h"
#include "RecordNumber.h"
#include "SoftKeyboardButCustom.h"

DevicePageOnboard::DevicePageOnboard(DDevicePage *page)
    : QObject(page)
    , p(page)
{
}

OnboardConfigFiles &DevicePageOnboard::files()
{
    m_files.setStore(p->m_xml);
    m_files.setModel(QString::fromLatin1(p->m_curHidStructInfo.hidName));
    m_files.setPaths(p->m_onboardXmlPath, p->m_onboardDefaultXmlPath, p->m_onboardFn1XmlPath);
    return m_files;
}

bool DevicePageOnboard::createOnboardConfig(int index)
{
    return files().createConfig(index);
}

bool DevicePageOnboard::deleteOnboardConfig(int index)
{
    return files().deleteConfig(index);
}

void DevicePageOnboard::applyOnboardLayoutTemplate(int layout)
{
    const bool ok = files().applyTemplate(p->m_onboardLayer, p->m_curOnboardConfigIndex, layout);
    p->updateOnboardKeyboard();
    if (!p->m_onboardFlag)
        return;
    p->showNotice(ok ? DDevicePage::tr("Fast config successful") : DDevicePage::tr("Fast config failed"));
}

void DevicePageOnboard::updateOnboardKeyboard()
{
    DOnboardPage *view = p->m_onboardPage;
    if (!view)
        return;
    view->clearKeySelection();
    view->resetKeyText(1);
    const QMap<int, SoftKeyboardButCustom *> buttons = view->getKeyButtonMap();
    const QList<CustomKeyInfo> records = files().layerRecords(p->m_onboardLayer, p->m_curOnboardConfigIndex);
    for (const CustomKeyInfo &record : records) {
        SoftKeyboardButCustom *button = buttons.value(recordNumber(record.keyCode));
        if (!button)
            continue;
        p->m_curOnboardKeyInfo = record;
        button->setFunctionText(qMakePair(int(recordNumber(record.operateType)),
                                          OnboardConfigFiles::functionText(record, p->m_keyNameMap)));
    }
}

void DevicePageOnboard::onCurIndexChangedOn_board(int selIndex)
{
    p->m_curOnboardKeyDec = -1;
    p->m_curOnboardKeyCharacter.clear();
    if (selIndex == 0) {
        p->m_onboardLayer = 0;
        p->reloadOnboardPage();
    } else if (selIndex == 1) {
        p->m_onboardLayer = 1;
        p->reloadOnboardPage2();
    } else if (selIndex == 2 || selIndex == 3) {
        p->m_onboardLayer = selIndex;
    }
}
