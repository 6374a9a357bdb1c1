#include "DMouseLightPage.h"

DMouseLightPage::DMouseLightPage(QString model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
{
}

void DMouseLightPage::loadMouseInfo(QString model)
{
    m_model = model;
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
