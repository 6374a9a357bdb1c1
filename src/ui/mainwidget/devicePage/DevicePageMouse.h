// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mouse part of the device page: a saved button function goes to the mouse (0x47, a macro
// as a paced series), the zone lighting (0x42) and the zones' link to the Around zone, the report
// rate (0x46), the profile reset (0x14) and the DPI and sniper keys of a mouse that is not the
// device shown.

#include "MainHidInterFace.h"
#include "XmlRecords.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

class DDevicePage;
class DDeviceKeyboardLink;
class QTimer;

class DevicePageMouse : public QObject
{
    Q_OBJECT
public:
    static constexpr int kAckWaitMs = 100;

    explicit DevicePageMouse(DDevicePage *page);

    void onCustomKeyInfoSaveSuccessful();
    // The mouse acknowledged a button report.
    void onAcknowledged();
    // A button series is still going out.
    bool isSending() const { return !m_jobs.isEmpty(); }

    void setMouseLightConfig(int zone);
    void setMouseLightConfigLinkChanged(int zone, const colorInfoData &record);
    void onScrollLinkStatus(int status);
    void onLogoLinkStatus(int status);
    void onRateIndexChanged(int position);
    void onResetCurrentProfile();

    // The DPI and sniper keys of a linked mouse that is not the current device: they act on
    // that mouse's own profile file and go to that mouse. presses > 1 steps that many levels
    // on, and the file and the mouse take only the last.
    void onDpiKeyOf(DDeviceKeyboardLink *link, int presses = 1);
    void onSniperKeyOf(DDeviceKeyboardLink *link, bool held);

private:
    struct Job {
        QPointer<DDeviceKeyboardLink> link;
        QList<MainHidInterFace::Report> reports;
        bool paced = false;  // each report waits for the last one's acknowledgement
    };
    void sendNext();
    void sendNow(DDeviceKeyboardLink *link, const MainHidInterFace::Report &report);
    void linkStatusChanged(int zone, int status);
    void resetConfirmed();
    void sendDpiOf(DDeviceKeyboardLink *link, bool sniper);
    // The profile file and current profile of a linked device; false without them.
    bool profileOf(DDeviceKeyboardLink *link, QByteArray *file, QByteArray *key) const;

    DDevicePage *p;
    QList<Job> m_jobs;
    bool m_waiting = false;
    bool m_waitOver = false;  // the last wait ended (acknowledged or timed out)
    QTimer *m_ackTimer = nullptr;
    QHash<DDeviceKeyboardLink *, bool> m_sniperHeld;
};
