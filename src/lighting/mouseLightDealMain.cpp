#include "mouseLightDealMain.h"

mouseLightDealMain::mouseLightDealMain(QObject *parent)
    : QObject(parent)
{
}

mouseLightDealMain::~mouseLightDealMain()
{
    stopAllLightThreads();
}

void mouseLightDealMain::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
}

void mouseLightDealMain::setPreviewEnabled(bool enabled)
{
    m_previewEnabled = enabled;
}

void mouseLightDealMain::setLightSynchronize(bool) {}

void mouseLightDealMain::setHidSendThreadRunning(bool) {}

void mouseLightDealMain::stopAllLightThreads() {}

void mouseLightDealMain::setSpeedAndBrightnessMaxNum(int, int, int, int, int, int) {}

void mouseLightDealMain::setAroundLightConfig(colorInfoData config)
{
    m_aroundConfig = config;
}

void mouseLightDealMain::setScrollLightConfig(colorInfoData config)
{
    m_scrollConfig = config;
}

void mouseLightDealMain::setLogoLightConfig(colorInfoData config)
{
    m_logoConfig = config;
}

void mouseLightDealMain::setAroundSpeedAndBrightness(colorInfoData config)
{
    m_aroundConfig = config;
}

void mouseLightDealMain::setScrollSpeedAndBrightness(colorInfoData config)
{
    m_scrollConfig = config;
}

void mouseLightDealMain::setLogoSpeedAndBrightness(colorInfoData config)
{
    m_logoConfig = config;
}

void mouseLightDealMain::setScrollLinked(bool linked)
{
    m_scrollLinked = linked;
}

void mouseLightDealMain::setLogoLinked(bool linked)
{
    m_logoLinked = linked;
}

void mouseLightDealMain::setDpiColorList(const QList<QColor> &colors, int usingIndex)
{
    m_dpiColors = colors;
    m_dpiUsingIndex = usingIndex;
}

void mouseLightDealMain::setMouseLightButtons(const QList<mouseLightButtonCustom *> &buttons)
{
    m_mouseLightButtons = buttons;
}

void mouseLightDealMain::clearAllLed() {}

void mouseLightDealMain::keyPressLight() {}

void mouseLightDealMain::nextDpiColor() {}

bool mouseLightDealMain::isPreviewEnabled() const
{
    return m_previewEnabled;
}

bool mouseLightDealMain::isScrollLinked() const
{
    return m_scrollLinked;
}

bool mouseLightDealMain::isLogoLinked() const
{
    return m_logoLinked;
}

QList<QColor> mouseLightDealMain::dpiColors() const
{
    return m_dpiColors;
}

int mouseLightDealMain::dpiUsingIndex() const
{
    return m_dpiUsingIndex;
}
