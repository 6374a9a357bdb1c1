// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard lighting engine. It keeps the lighting records of a keyboard's key matrix and
// side strip, one effect cell per key and per side LED, and renders the lighting frame by
// frame: an effect's initialiser fills the cells when the effect is chosen, and each tick of
// the effect tickers runs its renderer. A preview ticker paints the result on the keyboard
// view's buttons and, while light synchronisation is on, a send ticker streams it to the
// device as colour reports. Everything here runs in the GUI thread; the tickers only pace it.

#include "FrequencySpectrum.h"
#include "KeyboardLightInterface.h"
#include "KeyEffectState.h"
#include "LightEffectTable.h"
#include "SideEffectState.h"
#include "XmlRecords.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QColor>
#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

#include <cstdint>

class KeyLightButtonInterface;
class LightButtonWatch;
class LoopbackAudio;
class MainHidInterFace;
class QTimer;
class SideLightButtonInterface;
class SpectrumAnalyser;
class sendLightUpdataThread;
class updateLightMainThread;
class updateLightMainThreadSide;
class updateLightMainThreadUI;

class lightDealMain : public QObject, public KeyboardLightInterface
{
    Q_OBJECT
public:
    static constexpr int kRows = KeyEffectState::kRows;
    static constexpr int kColumns = KeyEffectState::kColumns;
    static constexpr int kKeys = KeyEffectState::kKeys;
    static constexpr int kSideLeds = SideEffectState::kLeds;
    static constexpr int kLightSyncIntervalMs = 3000;

    explicit lightDealMain(QObject *parent = nullptr);
    // An engine with its own effects (tests).
    explicit lightDealMain(const LightEffectTable &effects, QObject *parent = nullptr);
    ~lightDealMain() override;

    // The keyboard view's key button at each place of the matrix; not owned. The device page
    // fills it; a null entry is skipped.
    KeyLightButtonInterface *keyButtons[kRows][kColumns] = {};
    // The same from a list in matrix order (row * 22 + column); entries beyond 132 are ignored.
    void setKeyButtons(const QVector<KeyLightButtonInterface *> &buttons);

    // --- configuration (device page) ---------------------------------------------------
    void setKeyboardLightConfig(colorInfoData record);
    void setKeyboardSpeedAndBrightness(colorInfoData record);
    void setSideLightConfig(colorInfoData record);
    void setSideSpeedAndBrightness(colorInfoData record);
    void setSpeedAndBrightnessMaxNum(int keyboardSpeedMax, int keyboardBrightnessMax, int sideSpeedMax,
                                     int sideBrightnessMax);
    void setKeyNum(int keyNum);
    void setDeviceModel(const QString &text);
    void setModelName(const QString &modelName);
    void setHidInterface(MainHidInterFace *hidInterface);
    void setPreviewEnabled(bool enabled);
    // Whether the keyboard view is on screen (visible, its window neither minimised nor in
    // the tray). The tickers run only for someone who takes their ticks: the device's
    // frames, the preview on screen, or a key press whose shapes are still moving.
    void setPreviewShown(bool shown);
    void setSideLightPresent(bool present);
    void setSideLightButtons(const QList<SideLightButtonInterface *> &buttons);
    void setActive(bool active);
    void applyCustomLightFromKeys();
    void setCustomLightKeys(const QList<KeyLightButtonInterface *> &buttons);
    void clearLed_WaveFullColor_TabSaveUpdateAll();
    void stopAllLightThreads();
    // Sound-reactive lighting: the band layout over the key columns and the analysed range (a
    // band count outside 1 .. 22 or an empty range is refused, keeping the last layout), and
    // the switch of the loopback capture.
    void initMusicalRhythm(int keyNum, int bandCount, double minFrequency, double maxFrequency);
    void setAudioCaptureRunning(bool running);
    static constexpr int kAnalysisBlockBytes = 16384;
    static constexpr int kAnalysisEvery = 10;
    static constexpr int kAudioWatchIntervalMs = 1000;
    static constexpr int kCaptureRetryMs = 5000;

    // --- key presses (device page and device link) --------------------------------------
    void keyPressLight(int row, int column) override;

    // --- streaming ------------------------------------------------------------------------
    void setHidSendThreadRunning(bool on);
    void setLightSynchronize(bool on);
    // One key frame and one side frame to the device.
    void sendLightFrames();
    // One colour report of a zone's frame to the transport's lighting-frame queue.
    void sendColorPacket(uint8_t zone, uint8_t packetIndex, const uint8_t *bytes, int count);

    // --- state, for the pages and tests -----------------------------------------------
    const LightCell &keyCell(int row, int column) const;
    QColor keyColor(int index) const;
    const LightCell &sideCell(int index) const;
    QColor sideColor(int index) const;
    const LightParams &keyboardLightParams() const { return m_key.params; }
    const LightParams &sideLightParams() const { return m_side.params; }
    colorInfoData keyboardLightConfig() const { return m_keyboardLightConfig; }
    colorInfoData sideLightConfig() const { return m_sideLightConfig; }
    bool isKeyboardFullColor() const { return m_key.fullColor; }
    bool isSideFullColor() const { return m_side.fullColor; }
    int currentKeyEffect() const { return m_currentKeyEffect; }
    int currentSideEffect() const { return m_currentSideEffect; }
    int keyTickInterval() const;
    int sideTickInterval() const;
    int keyDimFactor() const;
    int sideDimFactor() const;
    int litKeyCount() const { return m_key.litKeyCount; }
    int keyNum() const { return m_key.keyNum; }
    bool isM252Chip() const { return m_key.m252Chip; }
    QString modelName() const { return m_modelName; }
    int sideFrameLedCount() const;
    bool isKeyEffectRunning() const { return m_keyEffectRunning; }
    bool isSideEffectRunning() const { return m_sideEffectRunning; }
    // The preview is asked for (between a key apply and a stop), whether or not it ticks.
    bool isPreviewRunning() const { return m_previewWanted; }
    bool isSendRunning() const;
    // The tickers that actually tick now.
    bool isKeyTicking() const;
    bool isSideTicking() const;
    bool isPreviewTicking() const;
    bool isPreviewShown() const { return m_previewShown; }
    bool isLightSynchronizeOn() const { return m_lightSynchronizeOn; }
    bool isPreviewEnabled() const { return m_previewEnabled; }
    bool isActive() const { return m_active; }
    bool isRhythmBarsOn() const { return m_rhythmBarsOn; }
    const RippleQueue &rippleQueue() const { return m_key.ripples; }
    struct BandLevel {
        double value = 0;
        bool clipped = false;
    };
    LoopbackAudio *audioCapture() const { return m_audioCapture; }
    SpectrumAnalyser *spectrumAnalyser() const { return m_spectrumAnalyser; }
    const QVector<BandLevel> &bandLevels() const { return m_bandLevels; }
    const QVector<int> &columnsPerBand() const { return m_columnsPerBand; }
    const QMap<int, int> &bandOfColumn() const { return m_bandOfColumn; }
    int audioBufferSize() const { return m_audioBuffer.size(); }
    bool isAudioCaptureRunning() const { return m_audioCaptureRunning; }
    bool isAudioWatchRunning() const;
    // The capture is wanted but could not start (no sound server); it is tried again meanwhile.
    bool isAudioCaptureFailing() const { return m_audioCaptureRunning && m_captureFailureLogged; }
    QString lastOutputDeviceName() const { return m_lastOutputDeviceName; }

signals:
    // The loopback capture could not start where it was wanted: once per run of failed starts.
    void sigAudioCaptureUnavailable();

public slots:
    void onDviceUpdateAllKeyColor();
    void onDviceUpdateAllSideLightColor();
    void onDviceUpdateAllKeyColorUI();
    void onDviceUpdateAllSideLightColorUI();
    void onDviceUpdateAllKeyColorSendKeyboardHid();
    void onSendLightSynchronize0x17Cmd();
    void onSendCaptureAudioData(QByteArray data);
    void onSpectrumChanged(const FrequencySpectrum &spectrum);
    void onAudioOutputDevListChanging();

private:
    void applyKeyboardRecord(const colorInfoData &record);
    void applySideRecord(const colorInfoData &record);
    void initKeyEffect();
    void initSideEffect();
    void beginKeyEffect(int ledType);
    void beginSideEffect(int ledType);
    void startEffectThreads();
    void stopEffectThreads();
    void startPreviewThread();
    void stopPreviewThread();
    // Runs each ticker exactly while it has a consumer.
    void updateTickers();
    // A key-press effect still moves what presses started: ripples queued, or a frame that
    // differs from the one before.
    bool keyShapesInFlight() const;
    void sendZoneFrame(uint8_t zone, const QColor *colors, int count);
    int usableSideButtonCount() const;
    // The strip's length and lit LEDs, from the side buttons, for the side effects.
    void updateSideStrip();
    int bandIndexOf(double frequency) const;
    void updateRhythmBars();
    void startAudioCapture();
    void onAudioCaptureEnded();

    const LightEffectTable &m_effects;
    QString m_modelName;
    int m_currentKeyEffect = -1;
    int m_currentSideEffect = -1;
    uint32_t m_keyFrame = 0;
    uint32_t m_sideFrame = 0;
    KeyEffectState m_key;
    SideEffectState m_side;

    QTimer *m_lightSyncTimer = nullptr;
    bool m_lightSynchronizeOn = false;
    bool m_previewEnabled = true;
    bool m_keyEffectRunning = false;
    bool m_sideEffectRunning = false;
    bool m_sideLightPresent = false;
    bool m_active = false;
    bool m_previewWanted = false;
    bool m_previewShown = false;
    // A key press started shapes that the key ticker moves although nobody watches them;
    // the frame before is kept to see when they have settled.
    bool m_keyShapesMoving = false;
    QColor m_settleColors[kKeys];
    colorInfoData m_keyboardLightConfig;
    colorInfoData m_sideLightConfig;

    updateLightMainThread *m_keyEffectThread = nullptr;
    updateLightMainThreadSide *m_sideEffectThread = nullptr;
    updateLightMainThreadUI *m_previewThread = nullptr;
    sendLightUpdataThread *m_frameSendThread = nullptr;

    QList<SideLightButtonInterface *> m_sideLightButtons;
    // Buttons the view deletes leave the arrays above at once, before another tick reaches them.
    LightButtonWatch *m_keyButtonWatch = nullptr;
    LightButtonWatch *m_sideButtonWatch = nullptr;
    bool m_frameBuildBusy = false;
    bool m_packetSendBusy = false;
    bool m_packetFailureLogged = false;
    // The transport belongs to the device link, which may be deleted with its device.
    QPointer<MainHidInterFace> m_hidInterface;

    QMap<int, int> m_keyboardBrightnessMap;
    QMap<int, int> m_sideBrightnessMap;
    int m_keyboardSpeedMax = 0;
    int m_keyboardBrightnessLevels = 0;
    int m_sideSpeedMax = 0;
    int m_sideBrightnessLevels = 0;
    int m_keyboardDarkStep = 32;
    int m_sideDarkStep = 32;

    // Sound-reactive lighting.
    QByteArray m_audioBuffer;
    QAudioFormat m_audioFormat;
    LoopbackAudio *m_audioCapture = nullptr;
    SpectrumAnalyser *m_spectrumAnalyser = nullptr;
    QVector<BandLevel> m_bandLevels;
    double m_minFrequency = 0;
    double m_maxFrequency = 0;
    FrequencySpectrum m_lastSpectrum;
    QVector<int> m_columnsPerBand;
    QMap<int, int> m_bandOfColumn;
    bool m_spectrumBusy = false;
    bool m_rhythmBarsOn = true;
    bool m_audioCaptureRunning = false;
    QTimer *m_audioDeviceWatchTimer = nullptr;
    QString m_lastOutputDeviceName;
    bool m_outputDeviceChanged = false;
    // Packet calls that found more than a block collected, 0 .. kAnalysisEvery - 1.
    int m_captureCallCounter = 0;
    // A failed start is logged once until a start succeeds, and tried again after a while.
    bool m_captureFailureLogged = false;
    QElapsedTimer m_lastFailedStart;
};
