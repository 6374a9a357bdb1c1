// SPDX-License-Identifier: GPL-3.0-or-later
#include "DMacroPage.h"

#include "InputKeyTable.h"
#include "WindowsHookInterface.h"
#include "xmlInterface.h"

#include <QVBoxLayout>

#include <cstring>

namespace {

constexpr int kExtendedFlag = 0x01;
constexpr int kHighestLinuxCode = 255;

// The HID usage of the key the capture signalled, -1 for a key without one.
int hidUsageOf(int virtualKey, int scanCode, bool extended)
{
    if (virtualKey == 0)
        return -1;
    for (int code = 1; code <= kHighestLinuxCode; ++code) {
        if (!InputKeyTable::contains(code))
            continue;
        const InputKey key = InputKeyTable::lookup(code);
        if (key.virtualKey == virtualKey && key.scanCode == scanCode && key.extended == extended)
            return key.hidUsage > 0 ? key.hidUsage : -1;
    }
    return -1;
}

}  // namespace

DMacroPage::DMacroPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DMacroPage"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_hook = new WindowsHookInterface(this);
    connect(m_hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX, this, &DMacroPage::onHookedKey);
}

void DMacroPage::onHookedKey(int virtualKey, int scanCode, int flag, int hookFlag)
{
    if (m_macroPageShown)
        return;
    emit sigHookKeyboardRecviveStream(0, hidUsageOf(virtualKey, scanCode, hookFlag & kExtendedFlag), flag ? 1 : 0);
}

DMacroPage::~DMacroPage() = default;

void DMacroPage::setMacroXml(const char *macroXmlPath, xmlInterface *xml)
{
    m_macroXmlPath = QByteArray(macroXmlPath ? macroXmlPath : "");
    m_xml = xml;
}

void DMacroPage::loadKeyboardInfo()
{
    // The key names come with the recording; nothing is shown without it.
}

void DMacroPage::loadMacroList()
{
    m_macroList.clear();
    if (m_xml && !m_macroXmlPath.isEmpty())
        m_xml->getMacroList(m_macroXmlPath.constData(), &m_macroList);
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
