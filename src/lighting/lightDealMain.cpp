#include "lightDealMain.h"

lightDealMain::lightDealMain(QObject *parent)
    : QObject(parent)
{
}

lightDealMain::~lightDealMain()
{
    stopAllLightThreads();
}

void lightDealMain::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
}

void lightDealMain::setPreviewEnabled(bool enabled)
{
    m_previewEnabled = enabled;
}

void lightDealMain::setSideLightButtons(const QList<SideLightButtonInterface *> &buttons)
{
    m_sideLightButtons = buttons;
}

void lightDealMain::setSideLightPresent(bool present)
{
    m_sideLightPresent = present;
}

void lightDealMain::setModelName(const QString &modelName)
{
    m_modelName = modelName;
}

void lightDealMain::setKeyNum(int keyNum)
{
    m_keyNum = keyNum;
}

void lightDealMain::setDeviceModel(const QString &deviceModel)
{
    m_deviceModel = deviceModel;
}

void lightDealMain::initMusicalRhythm(int, int, double, double) {}

void lightDealMain::setKeyboardLightConfig(colorInfoData config)
{
    m_keyboardConfig = config;
}

void lightDealMain::setSideLightConfig(colorInfoData config)
{
    m_sideConfig = config;
}

void lightDealMain::setKeyboardSpeedAndBrightness(colorInfoData config)
{
    m_keyboardConfig = config;
}

void lightDealMain::setSideSpeedAndBrightness(colorInfoData config)
{
    m_sideConfig = config;
}

void lightDealMain::setSpeedAndBrightnessMaxNum(int, int, int, int) {}

void lightDealMain::setCustomLightKeys(const QList<KeyButtonInterface *> &) {}

void lightDealMain::applyCustomLightFromKeys() {}

void lightDealMain::clearLed_WaveFullColor_TabSaveUpdateAll() {}

void lightDealMain::setAudioCaptureRunning(bool) {}

void lightDealMain::setHidSendThreadRunning(bool) {}

void lightDealMain::setLightSynchronize(bool) {}

void lightDealMain::stopAllLightThreads() {}

void lightDealMain::keyPressLight(int, int) {}

bool lightDealMain::isPreviewEnabled() const
{
    return m_previewEnabled;
}
