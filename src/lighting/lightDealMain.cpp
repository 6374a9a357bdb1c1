// SPDX-License-Identifier: GPL-3.0-or-later
#include "lightDealMain.h"

#include "DeviceModels.h"
#include "KeyLightButtonInterface.h"
#include "KeyRhythmEffect.h"
#include "LightButtonWatch.h"
#include "LightingCommands.h"
#include "LightSpeed.h"
#include "LogCategories.h"
#include "LoopbackAudio.h"
#include "LoopbackAudioFactory.h"
#include "MainHidInterFace.h"
#include "sendLightUpdataThread.h"
#include "SideLightButtonInterface.h"
#include "SideWaveSets.h"
#include "SpectrumAnalyser.h"
#include "updateLightMainThread.h"
#include "updateLightMainThreadSide.h"
#include "updateLightMainThreadUI.h"

#include <QTimer>

#include <algorithm>

namespace {

constexpr int kCustomEffect = 10;
constexpr int kMusicalRhythmEffect = 100;
constexpr int kLedsPerPacket = LightingCommands::kColorPayloadMax / 3;
constexpr int kDimRange = 160;
const QColor kKeyBlank(0, 0, 0, 250);
const QColor kSideBlank(0, 0, 0, 180);

// Models whose Musical Rhythm has 7 or 22 bands whatever the device page asks; none of ours.
const char *const rhythm7BandModels[] = {""};
const char *const rhythm22BandModels[] = {""};

bool listed(const char *const (&codes)[1], const QString &model)
{
    for (const char *code : codes)
        if (*code && model == QLatin1String(code))
            return true;
    return false;
}

int channel(int32_t value)
{
    return std::clamp<int32_t>(value, 0, 255);
}

QColor cellColor(const LightCell &cell, int alpha)
{
    return QColor(channel(cell.red), channel(cell.green), channel(cell.blue), alpha);
}

// The maxima come from one byte of the device's reply.
int deviceMaximum(int value)
{
    return std::clamp(value, 0, 255);
}

}  // namespace

lightDealMain::lightDealMain(QObject *parent)
    : lightDealMain(keyboardEffectTable(), parent)
{
}

lightDealMain::lightDealMain(const LightEffectTable &effects, QObject *parent)
    : QObject(parent)
    , m_effects(effects)
{
    for (QColor &color : m_side.colors)
        color = QColor(0, 0, 0, 0);

    m_keyEffectThread = new updateLightMainThread(this);
    m_sideEffectThread = new updateLightMainThreadSide(this);
    m_previewThread = new updateLightMainThreadUI(this);
    m_frameSendThread = new sendLightUpdataThread(this);
    connect(m_keyEffectThread, &updateLightMainThread::sigDviceUpdateAllKeyColor, this,
            &lightDealMain::onDviceUpdateAllKeyColor);
    connect(m_sideEffectThread, &updateLightMainThreadSide::sigDviceUpdateAllKeyColorSide, this,
            &lightDealMain::onDviceUpdateAllSideLightColor);
    connect(m_previewThread, &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, this,
            &lightDealMain::onDviceUpdateAllKeyColorUI);
    connect(m_previewThread, &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, this,
            &lightDealMain::onDviceUpdateAllSideLightColorUI);
    connect(m_frameSendThread, &sendLightUpdataThread::sigDviceUpdateAllKeyColorSendKeyboardHid, this,
            &lightDealMain::onDviceUpdateAllKeyColorSendKeyboardHid);

    m_lightSyncTimer = new QTimer(this);
    connect(m_lightSyncTimer, &QTimer::timeout, this, &lightDealMain::onSendLightSynchronize0x17Cmd);

    // Sound-reactive lighting: the analyser is told 44100 Hz stereo 16-bit, which the capture
    // asks of the sound server.
    m_audioFormat.setSampleRate(44100);
    m_audioFormat.setChannelCount(2);
    m_audioFormat.setSampleSize(16);
    m_audioFormat.setCodec(QStringLiteral("audio/pcm"));
    m_audioFormat.setByteOrder(QAudioFormat::LittleEndian);
    m_audioFormat.setSampleType(QAudioFormat::SignedInt);
    m_audioCapture = LoopbackAudioFactory::create();
    m_audioCapture->setParent(this);
    connect(m_audioCapture, &LoopbackAudio::sigSendCaptureAudioData, this, &lightDealMain::onSendCaptureAudioData);
    connect(m_audioCapture, &LoopbackAudio::sigCaptureEnded, this, &lightDealMain::onAudioCaptureEnded);
    qRegisterMetaType<FrequencySpectrum>("FrequencySpectrum");
    qRegisterMetaType<WindowFunction>("WindowFunction");
    m_spectrumAnalyser = new SpectrumAnalyser(this);
    const bool connected = connect(m_spectrumAnalyser, SIGNAL(spectrumChanged(FrequencySpectrum)), this,
                                   SLOT(onSpectrumChanged(FrequencySpectrum)));
    if (!connected)
        qFatal("CHECKED_CONNECT failed: lightDealMain::lightDealMain");
    m_audioDeviceWatchTimer = new QTimer(this);
    m_audioDeviceWatchTimer->setInterval(kAudioWatchIntervalMs);
    connect(m_audioDeviceWatchTimer, &QTimer::timeout, this, &lightDealMain::onAudioOutputDevListChanging);
}

lightDealMain::~lightDealMain()
{
    m_audioDeviceWatchTimer->stop();
    m_audioCapture->stop();
    stopAllLightThreads();
    m_lightSyncTimer->stop();
}

void lightDealMain::setKeyButtons(const QVector<KeyLightButtonInterface *> &buttons)
{
    for (int i = 0; i < kKeys; ++i)
        keyButtons[i / kColumns][i % kColumns] = i < buttons.size() ? buttons.at(i) : nullptr;
    if (!m_keyButtonWatch)
        m_keyButtonWatch = new LightButtonWatch(this);
    m_keyButtonWatch->watch(buttons.mid(0, kKeys), [this](const KeyLightButtonInterface *gone) {
        for (int i = 0; i < kKeys; ++i) {
            if (keyButtons[i / kColumns][i % kColumns] == gone)
                keyButtons[i / kColumns][i % kColumns] = nullptr;
        }
    });
}

// ---------------------------------------------------------------------------------------
// Configuration

void lightDealMain::applyKeyboardRecord(const colorInfoData &record)
{
    m_keyboardLightConfig = record;
    m_key.fullColor = record.ledModeType != 0;
    m_key.params = LightParams::fromColorInfo(record);
    if (m_keyboardBrightnessLevels > 0)
        m_keyboardDarkStep = kDimRange / m_keyboardBrightnessLevels;
    int interval = LightSpeed::keyTickInterval(m_keyboardSpeedMax, m_key.params.speed);
    if (m_key.params.ledType == kMusicalRhythmEffect) {
        interval = LightSpeed::kMusicalRhythmInterval;
        if (m_key.params.direction == 2)
            m_rhythmBarsOn = true;
        else if (m_key.params.direction == 3)
            m_rhythmBarsOn = false;
    }
    m_keyEffectThread->setInterval(interval);
}

void lightDealMain::applySideRecord(const colorInfoData &record)
{
    m_sideLightConfig = record;
    m_side.fullColor = record.ledModeType != 0;
    m_side.params = LightParams::fromColorInfo(record);
    if (m_sideBrightnessLevels > 0)
        m_sideDarkStep = kDimRange / m_sideBrightnessLevels;
    m_sideEffectThread->setInterval(LightSpeed::sideTickInterval(m_sideSpeedMax, m_side.params.speed));
}

void lightDealMain::setKeyboardLightConfig(colorInfoData record)
{
    applyKeyboardRecord(record);
    if (m_key.params.ledType != kCustomEffect) {
        for (int i = 0; i < kKeys; ++i) {
            m_key.colors[i] = kKeyBlank;
            if (KeyLightButtonInterface *button = keyButtons[i / kColumns][i % kColumns])
                button->setKeyColor(kKeyBlank);
        }
    }
    initKeyEffect();
    startEffectThreads();
    startPreviewThread();
}

void lightDealMain::setKeyboardSpeedAndBrightness(colorInfoData record)
{
    applyKeyboardRecord(record);
}

void lightDealMain::setSideLightConfig(colorInfoData record)
{
    applySideRecord(record);
    const int count = usableSideButtonCount();
    for (int n = 0; n < count; ++n) {
        if (SideLightButtonInterface *button = m_sideLightButtons.at(n))
            button->setColor(kSideBlank);
        m_side.colors[n] = kSideBlank;
    }
    initSideEffect();
}

void lightDealMain::setSideSpeedAndBrightness(colorInfoData record)
{
    applySideRecord(record);
}

void lightDealMain::setSpeedAndBrightnessMaxNum(int keyboardSpeedMax, int keyboardBrightnessMax, int sideSpeedMax,
                                                int sideBrightnessMax)
{
    m_keyboardSpeedMax = deviceMaximum(keyboardSpeedMax);
    m_keyboardBrightnessLevels = deviceMaximum(keyboardBrightnessMax) + 1;
    m_sideSpeedMax = deviceMaximum(sideSpeedMax);
    m_sideBrightnessLevels = deviceMaximum(sideBrightnessMax) + 1;
    m_keyboardBrightnessMap = LightColor::brightnessMap(m_keyboardBrightnessLevels);
    m_sideBrightnessMap = LightColor::brightnessMap(m_sideBrightnessLevels);
}

void lightDealMain::setKeyNum(int keyNum)
{
    m_key.keyNum = keyNum;
    switch (keyNum) {
    case 61:
    case 62:
    case 63:
    case 65:
        m_key.litKeyCount = 74;
        break;
    case 68:
    case 69:
        m_key.litKeyCount = 79;
        break;
    case 82:
    case 84:
        m_key.litKeyCount = 95;
        break;
    case 83:
    case 87:
    case 88:
    case 91:
        m_key.litKeyCount = 107;
        break;
    case 98:
        m_key.litKeyCount = 113;
        break;
    case 104:
    case 108:
        m_key.litKeyCount = 131;
        break;
    default:
        break;
    }
}

void lightDealMain::setDeviceModel(const QString &text)
{
    m_key.m252Chip = text.contains(QLatin1String("M252"), Qt::CaseInsensitive);
}

void lightDealMain::setModelName(const QString &modelName)
{
    m_modelName = modelName;
    m_side.waveSet = SideWaveSets::forModel(modelName);
}

void lightDealMain::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
    m_packetFailureLogged = false;
}

void lightDealMain::setPreviewEnabled(bool enabled)
{
    m_previewEnabled = enabled;
    updateTickers();
}

void lightDealMain::setPreviewShown(bool shown)
{
    if (shown == m_previewShown)
        return;
    m_previewShown = shown;
    // The next preview tick paints the frame the effect stands at. (A view just shown may not
    // have handed its buttons over yet, so nothing is painted here.)
    updateTickers();
}

void lightDealMain::setSideLightPresent(bool present)
{
    m_sideLightPresent = present;
    updateTickers();
}

void lightDealMain::setSideLightButtons(const QList<SideLightButtonInterface *> &buttons)
{
    m_sideLightButtons = buttons.mid(0, kSideLeds);
    if (!m_sideButtonWatch)
        m_sideButtonWatch = new LightButtonWatch(this);
    m_sideButtonWatch->watch(m_sideLightButtons, [this](const SideLightButtonInterface *gone) {
        for (SideLightButtonInterface *&button : m_sideLightButtons) {
            if (button == gone)
                button = nullptr;
        }
    });
    if (buttons.size() > kSideLeds)
        qCWarning(lcLight) << "lightDealMain: the keyboard view has" << buttons.size() << "side LEDs; the first"
                           << kSideLeds << "are lit";
    updateSideStrip();
}

void lightDealMain::updateSideStrip()
{
    m_side.ledCount = usableSideButtonCount();
    for (int n = 0; n < kSideLeds; ++n) {
        const SideLightButtonInterface *button = n < m_side.ledCount ? m_sideLightButtons.at(n) : nullptr;
        m_side.valid[n] = button && button->getValidStatus() == 1;
    }
}

void lightDealMain::setActive(bool active)
{
    m_active = active;
}

void lightDealMain::applyCustomLightFromKeys()
{
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            if (const KeyLightButtonInterface *button = keyButtons[row][column]) {
                const QColor color = button->getKeyColor();
                m_key.cells[row][column] = LightCell{color.red(), color.green(), color.blue(), 255, 0, 0, 0};
            }
        }
    }
    m_currentKeyEffect = kCustomEffect;
    m_keyFrame = 0;
    const KeyEffectEntry *entry = m_effects.keyEffect(kCustomEffect);
    if (entry && entry->initialise)
        entry->initialise(m_key);
    beginKeyEffect(kCustomEffect);
}

void lightDealMain::setCustomLightKeys(const QList<KeyLightButtonInterface *> &buttons)
{
    for (const KeyLightButtonInterface *button : buttons) {
        if (!button)
            continue;
        const int row = button->getRow();
        const int column = button->getColumn();
        if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
            continue;
        const QColor color = button->getKeyColor();
        m_key.cells[row][column] = LightCell{color.red(), color.green(), color.blue(), 255, 0, 0, 0};
    }
    m_keyFrame = 0;
    beginKeyEffect(kCustomEffect);
}

void lightDealMain::clearLed_WaveFullColor_TabSaveUpdateAll()
{
    for (QColor &color : m_key.colors)
        color = QColor(0, 0, 0, 0);
    qCDebug(lcLight) << "--------------------------------------- ************ "
                        "lightDealMain::clearLed_WaveFullColor_TabSaveUpdateAll [End] ************ "
                        "---------------------------------------";
}

void lightDealMain::initMusicalRhythm(int keyNum, int bandCount, double minFrequency, double maxFrequency)
{
    if (listed(rhythm7BandModels, m_modelName))
        bandCount = 7;
    else if (listed(rhythm22BandModels, m_modelName))
        bandCount = 22;
    if (bandCount < 1 || bandCount > KeyRhythm::kMaxBands || !(maxFrequency > minFrequency)) {
        qCWarning(lcAudio) << "lightDealMain: Musical Rhythm refuses" << bandCount << "bands over" << minFrequency
                           << "to" << maxFrequency << "Hz; the last layout stays";
        return;
    }
    m_key.keyNum = keyNum;
    m_bandLevels = QVector<BandLevel>(bandCount);
    m_minFrequency = minFrequency;
    m_maxFrequency = maxFrequency;
    KeyRhythm::layoutBands(keyNum, bandCount, m_columnsPerBand, m_bandOfColumn);
    for (int column = 0; column < kColumns; ++column)
        m_key.rhythmBandOfColumn[column] = uint8_t(m_bandOfColumn.value(column));
    qCDebug(lcAudio) << "------------- Init [Musical Rhythm] Over ---------------";
}

void lightDealMain::setAudioCaptureRunning(bool running)
{
    m_audioCaptureRunning = running;
    if (running) {
        if (m_audioCapture->isRunning())
            return;
        m_lastOutputDeviceName.clear();
        m_audioDeviceWatchTimer->start();
        clearLed_WaveFullColor_TabSaveUpdateAll();
        m_spectrumAnalyser->cancel();
        startAudioCapture();
        return;
    }
    m_audioDeviceWatchTimer->stop();
    m_lastFailedStart.invalidate();
    m_captureFailureLogged = false;
    if (!m_audioCapture->isRunning())
        return;
    m_audioCapture->stop();
    m_spectrumAnalyser->cancel();
    clearLed_WaveFullColor_TabSaveUpdateAll();
}

bool lightDealMain::isAudioWatchRunning() const
{
    return m_audioDeviceWatchTimer->isActive();
}

void lightDealMain::startAudioCapture()
{
    if (m_audioCapture->start() == 0) {
        m_captureFailureLogged = false;
        m_lastFailedStart.invalidate();
        return;
    }
    const bool first = !m_captureFailureLogged;
    if (first)
        qCWarning(lcAudio) << "lightDealMain: the loopback sound capture could not start; trying again every"
                           << kCaptureRetryMs / 1000 << "s";
    m_captureFailureLogged = true;
    m_lastFailedStart.start();
    if (first)
        emit sigAudioCaptureUnavailable();
}

void lightDealMain::onAudioCaptureEnded()
{
    qCDebug(lcAudio) << "lightDealMain: the loopback sound capture ended";
}

void lightDealMain::onSendCaptureAudioData(QByteArray data)
{
    if (!m_audioCaptureRunning)
        return;
    m_audioBuffer.append(data);
    if (m_audioBuffer.size() <= kAnalysisBlockBytes)
        return;
    if (m_captureCallCounter == 0) {
        const QByteArray block = m_audioBuffer.left(kAnalysisBlockBytes);
        m_audioBuffer.clear();
        m_spectrumAnalyser->calculate(block, m_audioFormat);
        // Five or so a second while the effect runs, like a frame: only when asked for.
        qCDebug(lcAudioBlocks) << "-------------------------*** onSendCaptureAudioData [Runing Deal] "
                                  "***-------------------------";
    }
    if (++m_captureCallCounter >= kAnalysisEvery)
        m_captureCallCounter = 0;
}

int lightDealMain::bandIndexOf(double frequency) const
{
    const int bands = m_bandLevels.size();
    if (bands == 0)
        return -1;
    const double index = (frequency - m_minFrequency) / ((m_maxFrequency - m_minFrequency) / bands);
    return index >= 0 && index < bands ? int(index) : -1;
}

void lightDealMain::onSpectrumChanged(const FrequencySpectrum &spectrum)
{
    if (!m_audioCaptureRunning)
        return;
    m_spectrumBusy = true;
    m_lastSpectrum = spectrum;
    for (BandLevel &band : m_bandLevels)
        band = BandLevel();
    for (const FrequencySpectrum::Bin &bin : qAsConst(m_lastSpectrum)) {
        if (bin.frequency < m_minFrequency || bin.frequency >= m_maxFrequency)
            continue;
        const int band = bandIndexOf(bin.frequency);
        if (band < 0)
            continue;
        m_bandLevels[band].value = std::max(m_bandLevels[band].value, bin.amplitude);
        m_bandLevels[band].clipped = m_bandLevels[band].clipped || bin.clipped;
    }
    updateRhythmBars();
    m_spectrumBusy = false;
}

void lightDealMain::updateRhythmBars()
{
    int first = 0;
    for (int band = 0; band < m_bandLevels.size(); ++band) {
        const int columns = m_columnsPerBand.value(band);
        if (m_rhythmBarsOn && columns > 0)
            KeyRhythm::drawRhythmBar(m_key, KeyRhythm::level(m_bandLevels.at(band).value), first, columns);
        first += columns;
    }
}

void lightDealMain::onAudioOutputDevListChanging()
{
    if (!m_audioCaptureRunning)
        return;
    if (!m_audioCapture->isRunning()) {
        // A capture that ended or never started: start it, after a failed start once per while.
        if (!m_lastFailedStart.isValid() || m_lastFailedStart.elapsed() >= kCaptureRetryMs) {
            m_spectrumAnalyser->cancel();
            startAudioCapture();
        }
        return;
    }
    const QString name = m_audioCapture->defaultOutputName();
    if (name.isEmpty())
        return;
    m_outputDeviceChanged = !m_lastOutputDeviceName.isEmpty() && m_lastOutputDeviceName != name;
    if (m_outputDeviceChanged) {
        m_audioCapture->stop();
        m_spectrumAnalyser->cancel();
        startAudioCapture();
    }
    m_lastOutputDeviceName = name;
}

// ---------------------------------------------------------------------------------------
// Effects

void lightDealMain::initKeyEffect()
{
    m_currentKeyEffect = m_key.params.ledType;
    m_keyFrame = 0;
    const KeyEffectEntry *entry = m_effects.keyEffect(m_currentKeyEffect);
    if (!entry || !entry->initialise)
        return;
    if (m_currentKeyEffect == kCustomEffect) {
        applyCustomLightFromKeys();
        return;
    }
    entry->initialise(m_key);
    beginKeyEffect(m_currentKeyEffect);
}

void lightDealMain::initSideEffect()
{
    m_currentSideEffect = m_side.params.ledType;
    m_sideFrame = 0;
    updateSideStrip();
    const SideEffectEntry *entry = m_effects.sideEffect(m_currentSideEffect);
    if (!entry || !entry->initialise)
        return;
    entry->initialise(m_side);
    beginSideEffect(m_currentSideEffect);
}

void lightDealMain::beginKeyEffect(int ledType)
{
    m_currentKeyEffect = ledType;
    if (ledType == kCustomEffect)
        return;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const LightCell &cell = m_key.cells[row][column];
            m_key.colors[row * kColumns + column] = cellColor(cell, 255);
            if (KeyLightButtonInterface *button = keyButtons[row][column])
                button->setKeyColor(cellColor(cell, 0));
        }
    }
}

void lightDealMain::beginSideEffect(int ledType)
{
    m_currentSideEffect = ledType;
    const int count = usableSideButtonCount();
    for (int n = 0; n < count; ++n) {
        const QColor color = cellColor(m_side.cells[n], 0);
        if (SideLightButtonInterface *button = m_sideLightButtons.at(n))
            button->setColor(color);
        m_side.colors[n] = color;
    }
}

void lightDealMain::keyPressLight(int row, int column)
{
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns || !m_keyEffectRunning)
        return;
    const KeyEffectEntry *entry = m_effects.keyEffect(m_currentKeyEffect);
    if (!entry || !entry->press)
        return;
    entry->press(m_key, row, column);
    if (!m_keyShapesMoving) {
        m_keyShapesMoving = true;
        std::copy(std::begin(m_key.colors), std::end(m_key.colors), std::begin(m_settleColors));
        updateTickers();
    }
}

bool lightDealMain::keyShapesInFlight() const
{
    // Ripples fill the queue from its last slot down, so that slot is taken while any is.
    if (!m_key.ripples.isFree(RippleQueue::kSlots - 1))
        return true;
    return !std::equal(std::begin(m_key.colors), std::end(m_key.colors), std::begin(m_settleColors));
}

void lightDealMain::onDviceUpdateAllKeyColor()
{
    if (!m_keyEffectRunning)
        return;
    const KeyEffectEntry *entry = m_effects.keyEffect(m_currentKeyEffect);
    if (!entry || !entry->render)
        return;
    m_key.dimFactor = keyDimFactor();
    entry->render(m_key, ++m_keyFrame);
    if (m_keyShapesMoving) {
        if (keyShapesInFlight()) {
            std::copy(std::begin(m_key.colors), std::end(m_key.colors), std::begin(m_settleColors));
        } else {
            m_keyShapesMoving = false;
            updateTickers();
        }
    }
}

void lightDealMain::onDviceUpdateAllSideLightColor()
{
    if (!m_sideEffectRunning || !m_sideLightPresent)
        return;
    const SideEffectEntry *entry = m_effects.sideEffect(m_currentSideEffect);
    if (!entry || !entry->render)
        return;
    m_side.dimFactor = sideDimFactor();
    entry->render(m_side, ++m_sideFrame);
}

// ---------------------------------------------------------------------------------------
// Tickers

// An effect is running (keyEffectRunning, sideEffectRunning) from its apply to a stop; its
// ticker ticks only while something takes the frames. A paused effect keeps its cells and
// frame count, so it goes on from the next step when a consumer comes back.
void lightDealMain::updateTickers()
{
    const bool frames = m_frameSendThread->isRunning();
    const bool preview = m_previewShown && m_previewEnabled;
    if (!m_keyEffectRunning)
        m_keyShapesMoving = false;
    m_keyEffectThread->setRunning(m_keyEffectRunning && (frames || preview || m_keyShapesMoving));
    m_sideEffectThread->setRunning(m_sideEffectRunning && m_sideLightPresent && (frames || preview));
    m_previewThread->setRunning(m_previewWanted && preview && (m_keyEffectRunning || m_sideEffectRunning));
}

bool lightDealMain::isKeyTicking() const
{
    return m_keyEffectThread->isRunning();
}

bool lightDealMain::isSideTicking() const
{
    return m_sideEffectThread->isRunning();
}

bool lightDealMain::isPreviewTicking() const
{
    return m_previewThread->isRunning();
}

void lightDealMain::startEffectThreads()
{
    m_keyEffectRunning = true;
    m_sideEffectRunning = true;
    updateTickers();
}

void lightDealMain::stopEffectThreads()
{
    m_keyEffectRunning = false;
    m_sideEffectRunning = false;
    updateTickers();
}

void lightDealMain::startPreviewThread()
{
    m_previewWanted = true;
    updateTickers();
}

void lightDealMain::stopPreviewThread()
{
    m_previewWanted = false;
    updateTickers();
}

void lightDealMain::stopAllLightThreads()
{
    stopPreviewThread();
    stopEffectThreads();
    setHidSendThreadRunning(false);
}

void lightDealMain::setHidSendThreadRunning(bool on)
{
    m_frameSendThread->setRunning(on);
    updateTickers();
}

bool lightDealMain::isSendRunning() const
{
    return m_frameSendThread->isRunning();
}

int lightDealMain::keyTickInterval() const
{
    return m_keyEffectThread->intervalMs();
}

int lightDealMain::sideTickInterval() const
{
    return m_sideEffectThread->intervalMs();
}

int lightDealMain::keyDimFactor() const
{
    return LightColor::dimFactor(m_keyboardBrightnessMap, m_key.params.brightness, m_keyboardDarkStep);
}

int lightDealMain::sideDimFactor() const
{
    return LightColor::dimFactor(m_sideBrightnessMap, m_side.params.brightness, m_sideDarkStep);
}

// ---------------------------------------------------------------------------------------
// Preview

void lightDealMain::onDviceUpdateAllKeyColorUI()
{
    if (!m_keyEffectRunning || !m_previewEnabled)
        return;
    for (int i = 0; i < kKeys; ++i)
        if (KeyLightButtonInterface *button = keyButtons[i / kColumns][i % kColumns])
            button->setKeyColor(m_key.colors[i]);
}

void lightDealMain::onDviceUpdateAllSideLightColorUI()
{
    if (!m_sideEffectRunning || !m_sideLightPresent || !m_previewEnabled)
        return;
    const int count = usableSideButtonCount();
    for (int n = 0; n < count; ++n)
        if (SideLightButtonInterface *button = m_sideLightButtons.at(n))
            button->setColor(m_side.colors[n]);
}

int lightDealMain::usableSideButtonCount() const
{
    return std::min(int(m_sideLightButtons.size()), int(kSideLeds));
}

// ---------------------------------------------------------------------------------------
// Streaming

void lightDealMain::onDviceUpdateAllKeyColorSendKeyboardHid()
{
    sendLightFrames();
}

int lightDealMain::sideFrameLedCount() const
{
    return models::sideFrameLeds(m_modelName);
}

void lightDealMain::sendLightFrames()
{
    if (m_frameBuildBusy)
        return;
    m_frameBuildBusy = true;
    sendZoneFrame(0, m_key.colors, kKeys);
    sendZoneFrame(1, m_side.colors, std::min(sideFrameLedCount(), int(kSideLeds)));
    m_frameBuildBusy = false;
}

void lightDealMain::sendZoneFrame(uint8_t zone, const QColor *colors, int count)
{
    uint8_t bytes[LightingCommands::kColorPayloadMax];
    uint8_t packet = 0;
    for (int first = 0; first < count; first += kLedsPerPacket, ++packet) {
        const int leds = std::min(kLedsPerPacket, count - first);
        for (int i = 0; i < leds; ++i) {
            const QColor &color = colors[first + i];
            bytes[3 * i] = uint8_t(color.red());
            bytes[3 * i + 1] = uint8_t(color.green());
            bytes[3 * i + 2] = uint8_t(color.blue());
        }
        sendColorPacket(zone, packet, bytes, 3 * leds);
    }
}

void lightDealMain::sendColorPacket(uint8_t zone, uint8_t packetIndex, const uint8_t *bytes, int count)
{
    if (m_packetSendBusy)
        return;
    m_packetSendBusy = true;
    if (MainHidInterFace *transport = m_hidInterface.data()) {
        MainHidInterFace::Report report = LightingCommands::colorFrame(zone, packetIndex, bytes, count);
        if (transport->writeLightData(report.data(), MainHidInterFace::kReportSize) < 0) {
            // Once per run of failures: a closed device would otherwise log every 30 ms.
            if (!m_packetFailureLogged)
                qCDebug(lcLight) << "USB serial port [Write keyboard Color] Failed ...";
            m_packetFailureLogged = true;
        } else {
            m_packetFailureLogged = false;
        }
    }
    m_packetSendBusy = false;
}

void lightDealMain::setLightSynchronize(bool on)
{
    if (on) {
        m_lightSynchronizeOn = true;
        onSendLightSynchronize0x17Cmd();
        m_lightSyncTimer->start(kLightSyncIntervalMs);
        return;
    }
    if (m_lightSyncTimer->isActive())
        m_lightSyncTimer->stop();
    m_lightSynchronizeOn = false;
    onSendLightSynchronize0x17Cmd();
}

void lightDealMain::onSendLightSynchronize0x17Cmd()
{
    MainHidInterFace *transport = m_hidInterface.data();
    if (!transport)
        return;
    MainHidInterFace::Report report = LightingCommands::lightSynchronize(m_lightSynchronizeOn);
    if (transport->writeCommand(report.data(), MainHidInterFace::kReportSize) < 0)
        qCDebug(lcLight) << "USB serial port [ Into Light Synchronous ] Failed ...";
    else
        qCDebug(lcLight) << "------------------------------ *** USB serial port [ Into Light Synchronous ] "
                            "Successful ...";
}

// ---------------------------------------------------------------------------------------
// State

const LightCell &lightDealMain::keyCell(int row, int column) const
{
    static const LightCell none;
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return none;
    return m_key.cells[row][column];
}

QColor lightDealMain::keyColor(int index) const
{
    return index >= 0 && index < kKeys ? m_key.colors[index] : QColor();
}

const LightCell &lightDealMain::sideCell(int index) const
{
    static const LightCell none;
    if (index < 0 || index >= kSideLeds)
        return none;
    return m_side.cells[index];
}

QColor lightDealMain::sideColor(int index) const
{
    return index >= 0 && index < kSideLeds ? m_side.colors[index] : QColor();
}
