#include "DOnboardPage.h"

DOnboardPage::DOnboardPage(QWidget *parent)
    : QWidget(parent)
{
}

void DOnboardPage::setKeyboardModel(QString model, int keyNum)
{
    m_model = model;
    m_keyNum = keyNum;
}

void DOnboardPage::clearKeySelection() {}

void DOnboardPage::resetKeyText(int) {}

QMap<int, SoftKeyboardButCustom *> DOnboardPage::getKeyButtonMap() const
{
    return m_keyButtonMap;
}

void DOnboardPage::applyTheme() {}

QString DOnboardPage::keyboardModel() const
{
    return m_model;
}
