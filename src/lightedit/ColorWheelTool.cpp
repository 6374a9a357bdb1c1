#include "ColorWheelTool.h"

ColorWheelTool::ColorWheelTool(QWidget *parent)
    : QWidget(parent)
{
}

void ColorWheelTool::setDeviceType(int deviceType)
{
    m_deviceType = deviceType;
}

void ColorWheelTool::setSideLightSelected(bool selected)
{
    m_sideLightSelected = selected;
}

void ColorWheelTool::setCurrentProfile(const char *profilePath, xmlInterface *xml, int profileIndex)
{
    m_profilePath = QByteArray(profilePath ? profilePath : "");
    m_xml = xml;
    m_profileIndex = profileIndex;
}

void ColorWheelTool::setLedSelMode(int zone, int ledType, int ledOpenOrClose)
{
    m_colorInfo.ledKeyboardOrSide = zone;
    m_colorInfo.ledType = ledType;
    m_colorInfo.ledOpenOrClose = ledOpenOrClose;
}

void ColorWheelTool::setLedType(int ledType, int ledOpenOrClose)
{
    m_colorInfo.ledType = ledType;
    m_colorInfo.ledOpenOrClose = ledOpenOrClose;
}

colorInfoData ColorWheelTool::getColorInfoData() const
{
    return m_colorInfo;
}

void ColorWheelTool::setColorInfoData(colorInfoData data)
{
    m_colorInfo = data;
}

void ColorWheelTool::applyLightSettings() {}

void ColorWheelTool::saveLightConfig() {}

void ColorWheelTool::setSpeedAndBrightnessMaxNum(int, int) {}

void ColorWheelTool::setSideLightSpeedAndBrightnessMaxNum(int, int) {}

void ColorWheelTool::setMouseAroundSpeedAndBrightnessMaxNum(int, int) {}

void ColorWheelTool::setMouseScrollSpeedAndBrightnessMaxNum(int, int) {}

void ColorWheelTool::setMouseLogoSpeedAndBrightnessMaxNum(int, int) {}

void ColorWheelTool::clearCustomColors() {}

void ColorWheelTool::applyTheme() {}

void ColorWheelTool::retranslate() {}

int ColorWheelTool::deviceType() const
{
    return m_deviceType;
}
