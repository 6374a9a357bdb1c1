#pragma once
// The mouse lighting engine: runs the Around, Scroll and Logo zone effects, paints their
// preview on the mouse lighting page's LED buttons and streams the frames through the device's
// transport.
//
// This is the engine's outer shape only: every operation keeps what it is given and does no
// lighting work yet.

#include "MouseLightInterface.h"
#include "XmlRecords.h"

#include <QColor>
#include <QList>
#include <QObject>

class MainHidInterFace;
class mouseLightButtonCustom;

class mouseLightDealMain : public QObject, public MouseLightInterface
{
    Q_OBJECT
public:
    explicit mouseLightDealMain(QObject *parent = nullptr);
    ~mouseLightDealMain() override;

    void setHidInterface(MainHidInterFace *hidInterface);
    void setPreviewEnabled(bool enabled);
    void setLightSynchronize(bool on);
    void setHidSendThreadRunning(bool running);
    void stopAllLightThreads();
    void setSpeedAndBrightnessMaxNum(int aroundSpeedMax, int aroundBrightnessMax, int scrollSpeedMax,
                                     int scrollBrightnessMax, int logoSpeedMax, int logoBrightnessMax);
    void setAroundLightConfig(colorInfoData config);
    void setScrollLightConfig(colorInfoData config);
    void setLogoLightConfig(colorInfoData config);
    void setAroundSpeedAndBrightness(colorInfoData config);
    void setScrollSpeedAndBrightness(colorInfoData config);
    void setLogoSpeedAndBrightness(colorInfoData config);
    void setScrollLinked(bool linked);
    void setLogoLinked(bool linked);
    void setDpiColorList(const QList<QColor> &colors, int usingIndex);
    void setMouseLightButtons(const QList<mouseLightButtonCustom *> &buttons);
    void clearAllLed();

    void keyPressLight() override;
    void nextDpiColor() override;

    bool isPreviewEnabled() const;
    bool isScrollLinked() const;
    bool isLogoLinked() const;
    QList<QColor> dpiColors() const;
    int dpiUsingIndex() const;

private:
    MainHidInterFace *m_hidInterface = nullptr;
    QList<mouseLightButtonCustom *> m_mouseLightButtons;
    QList<QColor> m_dpiColors;
    colorInfoData m_aroundConfig{};
    colorInfoData m_scrollConfig{};
    colorInfoData m_logoConfig{};
    int m_dpiUsingIndex = 0;
    bool m_previewEnabled = false;
    bool m_scrollLinked = false;
    bool m_logoLinked = false;
};
