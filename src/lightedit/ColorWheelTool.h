#pragma once
// The lighting settings panel of the device page: effect, colours, speed, brightness and
// direction of one lighting zone, saved into the current profile.
//
// This is the panel's outer shape only: it keeps the record and profile it is given, shows
// nothing and emits nothing yet.

#include "XmlRecords.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QWidget>

class xmlInterface;

class ColorWheelTool : public QWidget
{
    Q_OBJECT
public:
    explicit ColorWheelTool(QWidget *parent = nullptr);

    void setDeviceType(int deviceType);  // 0 keyboard panel, 1 mouse panel
    void setSideLightSelected(bool selected);
    void setCurrentProfile(const char *profilePath, xmlInterface *xml, int profileIndex);
    void setLedSelMode(int zone, int ledType, int ledOpenOrClose);
    void setLedType(int ledType, int ledOpenOrClose);
    colorInfoData getColorInfoData() const;
    void setColorInfoData(colorInfoData data);
    void applyLightSettings();
    void saveLightConfig();
    void setSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax);
    void setSideLightSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax);
    void setMouseAroundSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax);
    void setMouseScrollSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax);
    void setMouseLogoSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax);
    void clearCustomColors();
    void applyTheme();
    void retranslate();

    int deviceType() const;

signals:
    void sigSendUpdataColorBuildUp(QList<double> listColorScale, QList<QColor> listColor);
    void sigInitColorOver();
    void sigSendSetKeyboardColorData();
    void sigSendSetSideColorData();
    void sigSelectKeyboardLightType(int ledType);
    void sigSelectSideLightType(int ledType);
    void sigLightOpenOrCloseType(int ledOpenOrClose);
    void sigSetLightEffectSuccessful();
    void sigLightCancelSettings(int ledSelMode);
    void sigLightConfigHaveChanged(int lightConfigChangedFrom, int ledSelMode);
    void sigSelectightTypeMouseAround(int ledType);
    void sigSelectightTypeMouseScroll(int ledType);
    void sigSelectightTypeMouseLogo(int ledType);
    void sigSendSetMouseColorData(int zone);

private:
    QByteArray m_profilePath;
    xmlInterface *m_xml = nullptr;
    colorInfoData m_colorInfo{};
    int m_profileIndex = 1;
    int m_deviceType = 0;
    bool m_sideLightSelected = false;
};
