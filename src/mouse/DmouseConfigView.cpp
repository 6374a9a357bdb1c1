#include "DmouseConfigView.h"

#include "xmlInterface.h"

namespace {

constexpr int kSteppedLevels = 5;  // the DPI key never reaches level 6

}  // namespace

DmouseConfigView::DmouseConfigView(QWidget *parent)
    : QWidget(parent)
{
}

void DmouseConfigView::setProfileXml(const char *profilePath, xmlInterface *xml)
{
    m_profilePath = QByteArray(profilePath ? profilePath : "");
    m_xml = xml;
}

void DmouseConfigView::setProfileIndex(int profileIndex)
{
    m_profileIndex = profileIndex;
}

void DmouseConfigView::setSupportEnableXY(bool support)
{
    m_supportEnableXY = support;
}

void DmouseConfigView::loadProfileConfig()
{
    m_items.clear();
    if (!m_xml || m_profilePath.isEmpty())
        return;
    m_xml->getDpiItems(m_profilePath.constData(), profileKey().constData(), &m_items);
    m_usingIndex = m_xml->getDpiUsingIndex(m_profilePath.constData(), profileKey().constData());
}

void DmouseConfigView::switchToNextDpi()
{
    loadProfileConfig();
    int level = m_usingIndex;
    for (int step = 0; step < kSteppedLevels; ++step) {
        level = level >= kSteppedLevels ? 1 : level + 1;
        for (const DpiItemInfo &item : qAsConst(m_items)) {
            if (item.index != level || item.selectStatus != 1)
                continue;
            m_usingIndex = level;
            m_xml->setDpiUsingIndex(m_profilePath.constData(), profileKey().constData(), level);
            emit sigDpiConfigChanged();
            return;
        }
    }
}

void DmouseConfigView::applyTheme() {}

void DmouseConfigView::retranslate() {}

int DmouseConfigView::usingIndex() const
{
    return m_usingIndex;
}

QByteArray DmouseConfigView::profileKey() const
{
    return QByteArray::number(m_profileIndex);
}
