// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The download of an on-board configuration into the keyboard: the key tables of the Default and
// FN1 layers (0x18, not paced) with the macros their keys play (0x19, five reports each), a
// 400 ms pause, then empty macros for the unused slots. Each 0x19 report goes out once the
// keyboard has answered the one before (the first at once); 100 ms without an answer sends the
// previous report again, at most three times, and the fourth silence fails the download. It
// succeeds once the last 0x19 report is answered.
//
// The whole download is planned from a snapshot before anything is sent, so a configuration
// the keyboard cannot hold sends nothing. It runs on timers and answers, never blocking.

#include "XmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>

#include <algorithm>
#include <functional>

class OnboardDownload : public QObject
{
    Q_OBJECT
public:
    static constexpr int kAnswerWaitMs = 100;
    static constexpr int kPauseMs = 400;
    static constexpr int kMaxResends = 3;

    // What a download needs, taken before it starts: the positions of the layout (key codes in
    // layout order, fillers 0) and, per layer (0 Default, 1 FN1), the first record of each key
    // code and the bound macros by macro index.
    struct Snapshot {
        QList<int> keyCodes;
        QMap<int, CustomKeyInfo> records[2];
        QMap<QByteArray, QList<MacroEventInfo>> macros[2];
    };

    enum class PlanError { None, TooManyMacros, BadPlayMode };

    // Queues one report on the device; false when refused.
    using Sender = std::function<bool(const QByteArray &)>;

    explicit OnboardDownload(QObject *parent = nullptr);

    // Plans the reports; false (and nothing planned) when the configuration cannot be stored.
    bool plan(const Snapshot &snapshot);
    PlanError planError() const { return m_planError; }
    int plannedReports() const
    {
        return int(std::count_if(m_steps.cbegin(), m_steps.cend(), [](const Step &s) { return !s.report.isEmpty(); }));
    }

    // Starts sending; the outcome comes as finished().
    void start(const Sender &sender);
    bool isRunning() const { return m_running; }
    // Ends a running download as failed (device switched or removed).
    void abort();

public slots:
    // The keyboard answered a 0x19 report.
    void onMacroAnswer();

signals:
    void finished(bool ok);
    // The first 0x19 report went unanswered too often.
    void macroFailed();

private:
    // A report to send (paced: a macro report that waits for its answer), the pause, or, with
    // neither, a line for the log once the reports before it have gone out.
    struct Step {
        QByteArray report;
        bool paced = false;
        bool pause = false;
        const char *logLine = nullptr;
    };

    void proceed();
    bool send(const QByteArray &report);
    void onAnswerTimeout();
    void onPauseOver();
    void finish(bool ok);

    QList<Step> m_steps;
    PlanError m_planError = PlanError::None;
    Sender m_sender;
    int m_next = 0;
    bool m_running = false;
    bool m_pausing = false;
    bool m_answered = true;
    bool m_sentPaced = false;
    int m_resends = 0;
    int m_macroReportCount = -1;
    QByteArray m_lastPaced;
    QTimer m_answerTimer;
    QTimer m_pauseTimer;
};
