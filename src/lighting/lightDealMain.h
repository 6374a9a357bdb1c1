#pragma once
// The keyboard lighting engine: runs the key-matrix and side-strip effects, paints their
// preview on the keyboard view's buttons and streams the frames through the device's transport.
//
// This is the engine's outer shape only: every operation keeps what it is given and does no
// lighting work yet.

#include "KeyboardLightInterface.h"
#include "XmlRecords.h"

#include <QList>
#include <QObject>
#include <QString>

class KeyButtonInterface;
class MainHidInterFace;
class SideLightButtonInterface;

class lightDealMain : public QObject, public KeyboardLightInterface
{
    Q_OBJECT
public:
    static constexpr int kRows = 6;
    static constexpr int kColumns = 22;

    explicit lightDealMain(QObject *parent = nullptr);
    ~lightDealMain() override;

    // The keyboard view's key buttons by matrix place (row x 22 + column); null where none.
    KeyButtonInterface *keyButtons[kRows][kColumns] = {};

    void setHidInterface(MainHidInterFace *hidInterface);
    void setPreviewEnabled(bool enabled);
    void setSideLightButtons(const QList<SideLightButtonInterface *> &buttons);
    void setSideLightPresent(bool present);
    void setModelName(const QString &modelName);
    void setKeyNum(int keyNum);
    void setDeviceModel(const QString &deviceModel);
    void initMusicalRhythm(int keyNum, int bandCount, double minFrequency, double maxFrequency);
    void setKeyboardLightConfig(colorInfoData config);
    void setSideLightConfig(colorInfoData config);
    void setKeyboardSpeedAndBrightness(colorInfoData config);
    void setSideSpeedAndBrightness(colorInfoData config);
    void setSpeedAndBrightnessMaxNum(int keyboardSpeedMax, int keyboardBrightnessMax, int sideSpeedMax,
                                     int sideBrightnessMax);
    void setCustomLightKeys(const QList<KeyButtonInterface *> &keys);
    void applyCustomLightFromKeys();
    void clearLed_WaveFullColor_TabSaveUpdateAll();
    void setAudioCaptureRunning(bool running);
    void setHidSendThreadRunning(bool running);
    void setLightSynchronize(bool on);
    void stopAllLightThreads();

    void keyPressLight(int row, int column) override;

    bool isPreviewEnabled() const;

private:
    MainHidInterFace *m_hidInterface = nullptr;
    QList<SideLightButtonInterface *> m_sideLightButtons;
    colorInfoData m_keyboardConfig{};
    colorInfoData m_sideConfig{};
    QString m_modelName;
    QString m_deviceModel;
    int m_keyNum = 0;
    bool m_previewEnabled = false;
    bool m_sideLightPresent = false;
};
