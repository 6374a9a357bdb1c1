// SPDX-License-Identifier: GPL-3.0-or-later
#include "DMacroPage.h"

#include "xmlInterface.h"

#include <QVBoxLayout>

#include <cstring>

DMacroPage::DMacroPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DMacroPage"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

DMacroPage::~DMacroPage() = default;

void DMacroPage::setMacroXml(const char *macroXmlPath, xmlInterface *xml)
{
    std::memset(m_macroXmlPath, 0, sizeof(m_macroXmlPath));
    if (macroXmlPath)
        std::strncpy(m_macroXmlPath, macroXmlPath, sizeof(m_macroXmlPath) - 1);
    m_xml = xml;
}

void DMacroPage::loadKeyboardInfo()
{
    // The key names come with the recording; nothing is shown without it.
}

void DMacroPage::loadMacroList()
{
    m_macroList.clear();
    if (m_xml && m_macroXmlPath[0])
        m_xml->getMacroList(m_macroXmlPath, &m_macroList);
}

QList<IndexNameInfo> DMacroPage::macroList() const
{
    return m_macroList;
}

void DMacroPage::setMacroPageShown(bool shown)
{
    m_macroPageShown = shown;
}

bool DMacroPage::isMacroPageShown() const
{
    return m_macroPageShown;
}

bool DMacroPage::isRecording() const
{
    return m_recording;
}

void DMacroPage::toggleRecording()
{
    // Without the global hooks nothing can be recorded: a running recording is only stopped.
    m_recording = false;
}

void DMacroPage::retranslate() {}

void DMacroPage::applyTheme()
{
    loadMacroList();
}
