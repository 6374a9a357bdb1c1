// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mouse lighting engine. It keeps one lighting record per zone of the mouse (Around: the
// eighteen LEDs along the shell; Scroll: the wheel, shown on LED 7; Logo: shown on LED 5),
// runs each zone's mode on a ticker of its own, paints the result on the mouse lighting page's
// LED buttons and, while light synchronisation is on, streams all eighteen LEDs to the mouse as
// one colour report every 30 ms. A linked Scroll or Logo zone shows the Around colour of its
// LED instead of its own. Everything here runs in the GUI thread; the tickers only pace it.

#include "MouseEffectState.h"
#include "MouseEffectTable.h"
#include "MouseLightButtonInterface.h"
#include "MouseLightInterface.h"
#include "XmlRecords.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>

#include <cstdint>
#include <type_traits>

class LightButtonWatch;
class MainHidInterFace;
class QTimer;
class sendMouseLightUpdataThread;
class updateLightMainThreadAround;
class updateLightMainThreadLogo;
class updateLightMainThreadScroll;
class updateMouseLightMainThreadUI;

class mouseLightDealMain : public QObject, public MouseLightInterface
{
    Q_OBJECT
public:
    static constexpr int kLeds = MouseEffectState::kLeds;
    static constexpr int kDpiLevelsCycled = 5;  // the DPI key walks levels 1 .. 5
    static constexpr int kLightSyncIntervalMs = 3000;

    explicit mouseLightDealMain(QObject *parent = nullptr);
    ~mouseLightDealMain() override;

    // --- configuration (device page) ---------------------------------------------------
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
    // The colours of the profile's DPI levels in level order and the 1-based level in use.
    void setDpiColorList(const QList<QColor> &colors, int usingIndex);
    // The lighting page's LED buttons, button n showing LED n; not owned. The first 18 are used.
    void setMouseLightButtons(const QList<MouseLightButtonInterface *> &buttons);
    template <typename Button, typename = std::enable_if_t<std::is_base_of_v<MouseLightButtonInterface, Button>>>
    void setMouseLightButtons(const QList<Button *> &buttons)
    {
        QList<MouseLightButtonInterface *> list;
        list.reserve(buttons.size());
        for (Button *button : buttons)
            list.append(button);
        setMouseLightButtons(list);
    }
    void setHidInterface(MainHidInterFace *hidInterface);
    void setPreviewEnabled(bool enabled);
    // Whether the mouse view is on screen; the tickers run only while someone takes their
    // ticks (the device's frames, the preview on screen, a press whose light still moves).
    void setPreviewShown(bool shown);
    void clearAllLed();
    void stopAllLightThreads();

    // --- streaming ------------------------------------------------------------------------
    void setHidSendThreadRunning(bool on);
    void setLightSynchronize(bool on);
    // One 0x48 report of the given colour bytes (at most 54) to the transport's frame queue.
    void sendColorReport(uint8_t zone, uint8_t packetIndex, const uint8_t *bytes, int count);

    // --- mouse input (device link) ------------------------------------------------------
    void keyPressLight() override;
    void nextDpiColor() override;

    // --- state, for the pages and tests -----------------------------------------------
    QColor ledColor(int index) const;  // 0 .. 17 the LEDs, 18 Scroll, 19 Logo
    const LightCell &cell(int index) const;
    const MouseEffectState &effectState() const { return m_state; }
    const LightParams &aroundLightParams() const { return m_state.around.params; }
    const LightParams &scrollLightParams() const { return m_state.scroll.params; }
    const LightParams &logoLightParams() const { return m_state.logo.params; }
    colorInfoData aroundLightConfig() const { return m_aroundLightConfig; }
    colorInfoData scrollLightConfig() const { return m_scrollLightConfig; }
    colorInfoData logoLightConfig() const { return m_logoLightConfig; }
    int currentAroundEffect() const { return m_currentAroundEffect; }
    int currentScrollEffect() const { return m_currentScrollEffect; }
    int currentLogoEffect() const { return m_currentLogoEffect; }
    int aroundTickInterval() const;
    int scrollTickInterval() const;
    int logoTickInterval() const;
    int aroundDimFactor() const;
    int scrollDimFactor() const;
    int logoDimFactor() const;
    bool isAroundRunning() const { return m_aroundRunning; }
    bool isScrollRunning() const { return m_scrollRunning; }
    bool isLogoRunning() const { return m_logoRunning; }
    // The preview is asked for (from a zone apply to a stop), whether or not it ticks.
    bool isPreviewRunning() const { return m_previewWanted; }
    bool isSendRunning() const;
    // The tickers that actually tick now.
    bool isAroundTicking() const;
    bool isScrollTicking() const;
    bool isLogoTicking() const;
    bool isPreviewTicking() const;
    bool isPreviewShown() const { return m_previewShown; }
    bool isLightSynchronizeOn() const { return m_lightSynchronizeOn; }
    bool isPreviewEnabled() const { return m_previewEnabled; }
    bool isScrollLinked() const { return m_scrollLinked; }
    bool isLogoLinked() const { return m_logoLinked; }
    QList<QColor> dpiColors() const { return m_dpiColors; }
    int dpiColorIndex() const { return m_dpiColorIndex; }
    // The colour of the DPI level in use; black when the list has none at the index.
    QColor currentDpiColor() const;
    int buttonCount() const { return int(m_mouseLightButtons.size()); }

public slots:
    void onDviceUpdateMouseAllColorUIAround();
    void onDviceUpdateMouseAllColorUIScroll();
    void onDviceUpdateMouseAllColorUILogo();
    void onDviceUpdateMouseAroundColor();
    void onDviceUpdateMouseScrollColor();
    void onDviceUpdateMouseLogoColor();
    void onDviceUpdateAllMouseKeyColorSendKeyboardHid();
    void onSendLightSynchronize0x17Cmd();

private:
    enum class Zone { Around, Scroll, Logo };

    // Record entry of every zone setter: the raw record, the working copy, the tick interval.
    void enterRecord(Zone zone, const colorInfoData &config);
    void initAroundEffect();
    void initScrollEffect();
    void initLogoEffect();
    void showAroundCells();
    void showZoneCell(int cell, int led);
    void startZoneThreads();
    // Runs each ticker exactly while it has a consumer.
    void updateTickers();
    // The colour LED n shows: the Scroll or Logo colour on their LEDs unless linked.
    QColor shownColor(int led) const;
    void refreshButtonState();

    const MouseEffectTable &m_effects;
    MouseEffectState m_state;

    QTimer *m_lightSyncTimer = nullptr;
    bool m_lightSynchronizeOn = false;
    bool m_previewEnabled = true;
    bool m_previewWanted = false;
    bool m_previewShown = false;
    // A press started light that the Around ticker moves though nobody watches; the frame
    // before is kept to see when it has settled.
    bool m_pressMoving = false;
    QColor m_settleColors[MouseEffectState::kCells];
    QList<MouseLightButtonInterface *> m_mouseLightButtons;
    // A button the page deletes leaves the list at once, before another tick reaches it.
    LightButtonWatch *m_buttonWatch = nullptr;
    QList<QColor> m_dpiColors;
    int m_dpiColorIndex = -1;
    bool m_scrollLinked = false;
    bool m_logoLinked = false;

    sendMouseLightUpdataThread *m_frameSendThread = nullptr;
    updateMouseLightMainThreadUI *m_previewThread = nullptr;
    updateLightMainThreadAround *m_aroundThread = nullptr;
    updateLightMainThreadScroll *m_scrollThread = nullptr;
    updateLightMainThreadLogo *m_logoThread = nullptr;
    bool m_aroundRunning = false;
    bool m_scrollRunning = false;
    bool m_logoRunning = false;

    colorInfoData m_aroundLightConfig;
    colorInfoData m_scrollLightConfig;
    colorInfoData m_logoLightConfig;
    int m_currentAroundEffect = -1;
    int m_currentScrollEffect = -1;
    int m_currentLogoEffect = -1;

    QMap<int, int> m_aroundBrightnessMap;
    QMap<int, int> m_scrollBrightnessMap;
    QMap<int, int> m_logoBrightnessMap;
    int m_aroundSpeedMax = 0;
    int m_scrollSpeedMax = 0;
    int m_logoSpeedMax = 0;
    int m_aroundBrightnessLevels = 0;
    int m_scrollBrightnessLevels = 0;
    int m_logoBrightnessLevels = 0;
    int m_aroundDarkStep = 32;
    int m_scrollDarkStep = 32;
    int m_logoDarkStep = 32;

    // The transport belongs to the device link, which may be deleted with its device.
    QPointer<MainHidInterFace> m_hidInterface;
    bool m_frameBuildBusy = false;
    bool m_packetSendBusy = false;
    bool m_packetFailureLogged = false;
};
