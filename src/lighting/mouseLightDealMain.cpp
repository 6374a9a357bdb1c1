// SPDX-License-Identifier: GPL-3.0-or-later
#include "mouseLightDealMain.h"

#include "LightButtonWatch.h"
#include "LightingCommands.h"
#include "LightSpeed.h"
#include "LogCategories.h"
#include "MainHidInterFace.h"
#include "sendMouseLightUpdataThread.h"
#include "updateLightMainThreadAround.h"
#include "updateLightMainThreadLogo.h"
#include "updateLightMainThreadScroll.h"
#include "updateMouseLightMainThreadUI.h"

#include <QTimer>

#include <algorithm>

namespace {

constexpr int kDimRange = 160;
constexpr int kScrollCell = MouseEffectState::kScrollCell;
constexpr int kLogoCell = MouseEffectState::kLogoCell;
constexpr int kScrollLed = MouseEffectState::kScrollLed;
constexpr int kLogoLed = MouseEffectState::kLogoLed;
constexpr int kAroundDpiMode = 7;
constexpr int kZoneDpiMode = 3;
constexpr int kSpeedRespondMode = 8;
const QColor kLedBlank(0, 0, 0, 180);

// The maxima come from one byte of the mouse's reply.
int deviceMaximum(int value)
{
    return std::clamp(value, 0, 255);
}

QColor shownCellColor(const LightCell &cell)
{
    return QColor(std::clamp<int32_t>(cell.red, 0, 255), std::clamp<int32_t>(cell.green, 0, 255),
                  std::clamp<int32_t>(cell.blue, 0, 255), 180);
}

}  // namespace

mouseLightDealMain::mouseLightDealMain(QObject *parent)
    : QObject(parent)
    , m_effects(mouseEffectTable())
{
    for (QColor &color : m_state.colors)
        color = QColor(0, 0, 0);

    m_frameSendThread = new sendMouseLightUpdataThread(this);
    connect(m_frameSendThread, &sendMouseLightUpdataThread::sigDviceUpdateAllMouseKeyColorSendKeyboardHid, this,
            &mouseLightDealMain::onDviceUpdateAllMouseKeyColorSendKeyboardHid);
    m_previewThread = new updateMouseLightMainThreadUI(this);
    connect(m_previewThread, &updateMouseLightMainThreadUI::sigDviceUpdateMouseAllColorUI, this,
            &mouseLightDealMain::onDviceUpdateMouseAllColorUIAround);
    connect(m_previewThread, &updateMouseLightMainThreadUI::sigDviceUpdateMouseAllColorUI, this,
            &mouseLightDealMain::onDviceUpdateMouseAllColorUIScroll);
    connect(m_previewThread, &updateMouseLightMainThreadUI::sigDviceUpdateMouseAllColorUI, this,
            &mouseLightDealMain::onDviceUpdateMouseAllColorUILogo);
    m_aroundThread = new updateLightMainThreadAround(this);
    connect(m_aroundThread, &updateLightMainThreadAround::sigDviceUpdateMouseAroundColor, this,
            &mouseLightDealMain::onDviceUpdateMouseAroundColor);
    m_scrollThread = new updateLightMainThreadScroll(this);
    connect(m_scrollThread, &updateLightMainThreadScroll::sigDviceUpdateMouseScrollColor, this,
            &mouseLightDealMain::onDviceUpdateMouseScrollColor);
    m_logoThread = new updateLightMainThreadLogo(this);
    connect(m_logoThread, &updateLightMainThreadLogo::sigDviceUpdateMouseLogoColor, this,
            &mouseLightDealMain::onDviceUpdateMouseLogoColor);

    m_lightSyncTimer = new QTimer(this);
    connect(m_lightSyncTimer, &QTimer::timeout, this, &mouseLightDealMain::onSendLightSynchronize0x17Cmd);
}

mouseLightDealMain::~mouseLightDealMain()
{
    stopAllLightThreads();
    m_lightSyncTimer->stop();
}

// ---------------------------------------------------------------------------------------
// Configuration

void mouseLightDealMain::setSpeedAndBrightnessMaxNum(int aroundSpeedMax, int aroundBrightnessMax, int scrollSpeedMax,
                                                     int scrollBrightnessMax, int logoSpeedMax, int logoBrightnessMax)
{
    m_aroundSpeedMax = deviceMaximum(aroundSpeedMax);
    m_aroundBrightnessLevels = deviceMaximum(aroundBrightnessMax) + 1;
    m_scrollSpeedMax = deviceMaximum(scrollSpeedMax);
    m_scrollBrightnessLevels = deviceMaximum(scrollBrightnessMax) + 1;
    m_logoSpeedMax = deviceMaximum(logoSpeedMax);
    m_logoBrightnessLevels = deviceMaximum(logoBrightnessMax) + 1;
    m_aroundBrightnessMap = LightColor::brightnessMap(m_aroundBrightnessLevels);
    m_scrollBrightnessMap = LightColor::brightnessMap(m_scrollBrightnessLevels);
    m_logoBrightnessMap = LightColor::brightnessMap(m_logoBrightnessLevels);
}

void mouseLightDealMain::enterRecord(Zone zone, const colorInfoData &config)
{
    MouseZone *target = &m_state.around;
    int levels = m_aroundBrightnessLevels;
    int speedMax = m_aroundSpeedMax;
    int *darkStep = &m_aroundDarkStep;
    switch (zone) {
    case Zone::Around:
        m_aroundLightConfig = config;
        break;
    case Zone::Scroll:
        m_scrollLightConfig = config;
        target = &m_state.scroll;
        levels = m_scrollBrightnessLevels;
        speedMax = m_scrollSpeedMax;
        darkStep = &m_scrollDarkStep;
        break;
    case Zone::Logo:
        m_logoLightConfig = config;
        target = &m_state.logo;
        levels = m_logoBrightnessLevels;
        speedMax = m_logoSpeedMax;
        darkStep = &m_logoDarkStep;
        break;
    }
    target->fullColor = config.ledModeType != 0;
    target->params = LightParams::fromColorInfo(config);
    if (levels > 0)
        *darkStep = kDimRange / levels;
    // Five speed levels only for a maximum of exactly 4; a speed outside the table takes its
    // nearest entry.
    const int interval = LightSpeed::sideTickInterval(speedMax, target->params.speed);
    switch (zone) {
    case Zone::Around:
        m_aroundThread->setInterval(interval);
        break;
    case Zone::Scroll:
        m_scrollThread->setInterval(interval);
        break;
    case Zone::Logo:
        m_logoThread->setInterval(interval);
        break;
    }
}

void mouseLightDealMain::setAroundLightConfig(colorInfoData config)
{
    enterRecord(Zone::Around, config);
    const int count = buttonCount();
    for (int n = 0; n < count; ++n) {
        if (MouseLightButtonInterface *button = m_mouseLightButtons.at(n))
            button->setColor(kLedBlank);
        m_state.colors[n] = kLedBlank;
    }
    initAroundEffect();
    startZoneThreads();
}

void mouseLightDealMain::setScrollLightConfig(colorInfoData config)
{
    enterRecord(Zone::Scroll, config);
    initScrollEffect();
}

void mouseLightDealMain::setLogoLightConfig(colorInfoData config)
{
    enterRecord(Zone::Logo, config);
    initLogoEffect();
}

void mouseLightDealMain::setAroundSpeedAndBrightness(colorInfoData config)
{
    enterRecord(Zone::Around, config);
}

void mouseLightDealMain::setScrollSpeedAndBrightness(colorInfoData config)
{
    enterRecord(Zone::Scroll, config);
}

void mouseLightDealMain::setLogoSpeedAndBrightness(colorInfoData config)
{
    enterRecord(Zone::Logo, config);
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
    m_dpiColorIndex = usingIndex - 1;
    if (m_dpiColorIndex < 0 || m_dpiColorIndex >= m_dpiColors.size())
        qCDebug(lcLight) << "mouseLightDealMain: DPI level" << usingIndex << "of" << m_dpiColors.size()
                         << "colours; the DPI colour shows black";
}

QColor mouseLightDealMain::currentDpiColor() const
{
    if (m_dpiColorIndex < 0 || m_dpiColorIndex >= m_dpiColors.size())
        return QColor(0, 0, 0);
    const QColor &color = m_dpiColors.at(m_dpiColorIndex);
    return color.isValid() ? QColor(color.red(), color.green(), color.blue()) : QColor(0, 0, 0);
}

void mouseLightDealMain::setMouseLightButtons(const QList<MouseLightButtonInterface *> &buttons)
{
    m_mouseLightButtons = buttons.mid(0, kLeds);
    if (!m_buttonWatch)
        m_buttonWatch = new LightButtonWatch(this);
    m_buttonWatch->watch(m_mouseLightButtons, [this](const MouseLightButtonInterface *gone) {
        for (MouseLightButtonInterface *&button : m_mouseLightButtons) {
            if (button == gone)
                button = nullptr;
        }
    });
    if (buttons.size() > kLeds)
        qCWarning(lcLight) << "mouseLightDealMain: the lighting page has" << buttons.size() << "LED buttons; the first"
                           << kLeds << "are lit";
    m_state.buttonCount = buttonCount();
}

void mouseLightDealMain::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
    m_packetFailureLogged = false;
}

void mouseLightDealMain::setPreviewEnabled(bool enabled)
{
    m_previewEnabled = enabled;
    updateTickers();
}

void mouseLightDealMain::setPreviewShown(bool shown)
{
    if (shown == m_previewShown)
        return;
    m_previewShown = shown;
    // The next preview tick paints the frame the effects stand at.
    updateTickers();
}

void mouseLightDealMain::clearAllLed()
{
    for (int n = 0; n < kLeds; ++n)
        m_state.colors[n] = QColor(0, 0, 0, 255);
}

// ---------------------------------------------------------------------------------------
// Effects

void mouseLightDealMain::refreshButtonState()
{
    const int count = buttonCount();
    m_state.buttonCount = count;
    for (int n = 0; n < kLeds; ++n) {
        const MouseLightButtonInterface *button = n < count ? m_mouseLightButtons.at(n) : nullptr;
        m_state.ledValid[n] = button && button->validStatus() == 1;
    }
}

void mouseLightDealMain::initAroundEffect()
{
    m_currentAroundEffect = m_state.around.params.ledType;
    const MouseAroundEffect *entry = m_effects.aroundEffect(m_currentAroundEffect);
    if (!entry || !entry->initialise)
        return;
    refreshButtonState();
    m_state.dpiColor = currentDpiColor();
    entry->initialise(m_state);
    showAroundCells();
}

void mouseLightDealMain::initScrollEffect()
{
    m_currentScrollEffect = m_state.scroll.params.ledType;
    const MouseZoneEffect *entry = m_effects.zoneEffect(m_currentScrollEffect);
    if (!entry || !entry->initialise)
        return;
    m_state.dpiColor = currentDpiColor();
    entry->initialise(m_state, kScrollCell);
    showZoneCell(kScrollCell, kScrollLed);
}

void mouseLightDealMain::initLogoEffect()
{
    m_currentLogoEffect = m_state.logo.params.ledType;
    const MouseZoneEffect *entry = m_effects.zoneEffect(m_currentLogoEffect);
    if (!entry || !entry->initialise)
        return;
    m_state.dpiColor = currentDpiColor();
    entry->initialise(m_state, kLogoCell);
    showZoneCell(kLogoCell, kLogoLed);
}

void mouseLightDealMain::showAroundCells()
{
    const int count = buttonCount();
    for (int n = 0; n < count; ++n) {
        const QColor color = shownCellColor(m_state.cells[n]);
        if (MouseLightButtonInterface *button = m_mouseLightButtons.at(n))
            button->setColor(color);
        m_state.colors[n] = color;
    }
}

void mouseLightDealMain::showZoneCell(int cell, int led)
{
    // A short definition file may have no button for the zone's LED.
    if (led >= buttonCount())
        return;
    const QColor color = shownCellColor(m_state.cells[cell]);
    if (MouseLightButtonInterface *button = m_mouseLightButtons.at(led))
        button->setColor(color);
    m_state.colors[cell] = color;
}

void mouseLightDealMain::keyPressLight()
{
    if (!m_aroundRunning || m_state.around.params.ledType != kSpeedRespondMode)
        return;
    const MouseAroundEffect *entry = m_effects.aroundEffect(kSpeedRespondMode);
    if (!entry || !entry->press)
        return;
    entry->press(m_state);
    if (!m_pressMoving) {
        m_pressMoving = true;
        std::copy(std::begin(m_state.colors), std::end(m_state.colors), std::begin(m_settleColors));
        updateTickers();
    }
}

void mouseLightDealMain::nextDpiColor()
{
    if (!m_aroundRunning)
        return;
    if (m_state.around.params.ledType != kAroundDpiMode && m_state.scroll.params.ledType != kZoneDpiMode
        && m_state.logo.params.ledType != kZoneDpiMode)
        return;
    // The key walks the first five levels; a shorter list wraps at its end. Level 6 (the
    // sniper level) is not on the walk.
    const int cycle = std::min(int(m_dpiColors.size()), kDpiLevelsCycled);
    if (cycle == 0)
        return;
    ++m_dpiColorIndex;
    if (m_dpiColorIndex < 0 || m_dpiColorIndex >= cycle)
        m_dpiColorIndex = 0;
}

void mouseLightDealMain::onDviceUpdateMouseAroundColor()
{
    if (!m_aroundRunning)
        return;
    const MouseAroundEffect *entry = m_effects.aroundEffect(m_currentAroundEffect);
    if (!entry || !entry->render)
        return;
    m_state.around.dimFactor = aroundDimFactor();
    m_state.dpiColor = currentDpiColor();
    entry->render(m_state);
    if (m_pressMoving) {
        if (std::equal(std::begin(m_state.colors), std::end(m_state.colors), std::begin(m_settleColors))) {
            m_pressMoving = false;
            updateTickers();
        } else {
            std::copy(std::begin(m_state.colors), std::end(m_state.colors), std::begin(m_settleColors));
        }
    }
}

void mouseLightDealMain::onDviceUpdateMouseScrollColor()
{
    if (!m_scrollRunning)
        return;
    const MouseZoneEffect *entry = m_effects.zoneEffect(m_currentScrollEffect);
    if (!entry || !entry->render)
        return;
    m_state.scroll.dimFactor = scrollDimFactor();
    m_state.dpiColor = currentDpiColor();
    entry->render(m_state, kScrollCell);
}

void mouseLightDealMain::onDviceUpdateMouseLogoColor()
{
    if (!m_logoRunning)
        return;
    const MouseZoneEffect *entry = m_effects.zoneEffect(m_currentLogoEffect);
    if (!entry || !entry->render)
        return;
    m_state.logo.dimFactor = logoDimFactor();
    m_state.dpiColor = currentDpiColor();
    entry->render(m_state, kLogoCell);
}

// ---------------------------------------------------------------------------------------
// Tickers

// A zone's effect runs from its apply to a stop; its ticker ticks only while something takes
// the frames. A paused effect keeps its cells, so it goes on from the next step.
void mouseLightDealMain::updateTickers()
{
    const bool frames = m_frameSendThread->isRunning();
    const bool preview = m_previewShown && m_previewEnabled;
    if (!m_aroundRunning)
        m_pressMoving = false;
    m_aroundThread->setRunning(m_aroundRunning && (frames || preview || m_pressMoving));
    m_scrollThread->setRunning(m_scrollRunning && (frames || preview));
    m_logoThread->setRunning(m_logoRunning && (frames || preview));
    m_previewThread->setRunning(m_previewWanted && preview);
}

void mouseLightDealMain::startZoneThreads()
{
    m_aroundRunning = true;
    m_scrollRunning = true;
    m_logoRunning = true;
    m_previewWanted = true;
    updateTickers();
}

void mouseLightDealMain::stopAllLightThreads()
{
    m_aroundRunning = false;
    m_scrollRunning = false;
    m_logoRunning = false;
    m_previewWanted = false;
    m_frameSendThread->setRunning(false);
    updateTickers();
}

void mouseLightDealMain::setHidSendThreadRunning(bool on)
{
    m_frameSendThread->setRunning(on);
    updateTickers();
}

bool mouseLightDealMain::isAroundTicking() const
{
    return m_aroundThread->isRunning();
}

bool mouseLightDealMain::isScrollTicking() const
{
    return m_scrollThread->isRunning();
}

bool mouseLightDealMain::isLogoTicking() const
{
    return m_logoThread->isRunning();
}

bool mouseLightDealMain::isPreviewTicking() const
{
    return m_previewThread->isRunning();
}

bool mouseLightDealMain::isSendRunning() const
{
    return m_frameSendThread->isRunning();
}

int mouseLightDealMain::aroundTickInterval() const
{
    return m_aroundThread->intervalMs();
}

int mouseLightDealMain::scrollTickInterval() const
{
    return m_scrollThread->intervalMs();
}

int mouseLightDealMain::logoTickInterval() const
{
    return m_logoThread->intervalMs();
}

int mouseLightDealMain::aroundDimFactor() const
{
    return LightColor::dimFactor(m_aroundBrightnessMap, m_state.around.params.brightness, m_aroundDarkStep);
}

int mouseLightDealMain::scrollDimFactor() const
{
    return LightColor::dimFactor(m_scrollBrightnessMap, m_state.scroll.params.brightness, m_scrollDarkStep);
}

int mouseLightDealMain::logoDimFactor() const
{
    return LightColor::dimFactor(m_logoBrightnessMap, m_state.logo.params.brightness, m_logoDarkStep);
}

// ---------------------------------------------------------------------------------------
// Preview

QColor mouseLightDealMain::shownColor(int led) const
{
    if (led == kLogoLed && !m_logoLinked)
        return m_state.colors[kLogoCell];
    if (led == kScrollLed && !m_scrollLinked)
        return m_state.colors[kScrollCell];
    return m_state.colors[led];
}

void mouseLightDealMain::onDviceUpdateMouseAllColorUIAround()
{
    if (!m_aroundRunning || !m_previewEnabled)
        return;
    const int count = buttonCount();
    for (int n = 0; n < count; ++n)
        if (MouseLightButtonInterface *button = m_mouseLightButtons.at(n))
            button->setColor(shownColor(n));
}

// The Around preview shows every LED, the Scroll and Logo ones included.
void mouseLightDealMain::onDviceUpdateMouseAllColorUIScroll() {}

void mouseLightDealMain::onDviceUpdateMouseAllColorUILogo() {}

// ---------------------------------------------------------------------------------------
// Streaming

void mouseLightDealMain::onDviceUpdateAllMouseKeyColorSendKeyboardHid()
{
    if (m_frameBuildBusy)
        return;
    m_frameBuildBusy = true;
    uint8_t bytes[3 * kLeds];
    for (int i = 0; i < kLeds; ++i) {
        const QColor color = shownColor(i);
        bytes[3 * i] = uint8_t(color.red());
        bytes[3 * i + 1] = uint8_t(color.green());
        bytes[3 * i + 2] = uint8_t(color.blue());
    }
    sendColorReport(0, 0, bytes, 3 * kLeds);
    m_frameBuildBusy = false;
}

void mouseLightDealMain::sendColorReport(uint8_t zone, uint8_t packetIndex, const uint8_t *bytes, int count)
{
    if (m_packetSendBusy)
        return;
    m_packetSendBusy = true;
    if (MainHidInterFace *transport = m_hidInterface.data()) {
        MainHidInterFace::Report report = LightingCommands::mouseColorFrame(zone, packetIndex, bytes, count);
        if (transport->writeLightData(report.data(), MainHidInterFace::kReportSize) < 0) {
            // Once per run of failures: a closed device would otherwise log every 30 ms.
            if (!m_packetFailureLogged)
                qCDebug(lcLight) << "USB serial port [Write mouse Color] Failed ...";
            m_packetFailureLogged = true;
        } else {
            m_packetFailureLogged = false;
        }
    }
    m_packetSendBusy = false;
}

void mouseLightDealMain::setLightSynchronize(bool on)
{
    if (on) {
        m_lightSynchronizeOn = true;
        onSendLightSynchronize0x17Cmd();
        m_lightSyncTimer->start(kLightSyncIntervalMs);
        return;
    }
    m_lightSynchronizeOn = false;
    if (m_lightSyncTimer->isActive())
        m_lightSyncTimer->stop();
    onSendLightSynchronize0x17Cmd();
}

void mouseLightDealMain::onSendLightSynchronize0x17Cmd()
{
    MainHidInterFace *transport = m_hidInterface.data();
    if (!transport)
        return;
    MainHidInterFace::Report report = LightingCommands::lightSynchronize(m_lightSynchronizeOn);
    if (!m_lightSynchronizeOn)
        qCDebug(lcLight) << "------------------------------ *** [ Into Mouse Light Synchronous 0x17 buf[6]=0x00 ] *** "
                            "------------------------------";
    if (transport->writeCommand(report.data(), MainHidInterFace::kReportSize) < 0)
        qCDebug(lcLight) << "USB serial port [ Into Light Synchronous ] Failed ...";
}

// ---------------------------------------------------------------------------------------
// State

QColor mouseLightDealMain::ledColor(int index) const
{
    return index >= 0 && index < MouseEffectState::kCells ? m_state.colors[index] : QColor();
}

const LightCell &mouseLightDealMain::cell(int index) const
{
    static const LightCell none;
    if (index < 0 || index >= MouseEffectState::kCells)
        return none;
    return m_state.cells[index];
}
