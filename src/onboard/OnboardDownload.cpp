// SPDX-License-Identifier: GPL-3.0-or-later
#include "OnboardDownload.h"

#include "LogCategories.h"
#include "OnboardCommands.h"
#include "RecordNumber.h"

OnboardDownload::OnboardDownload(QObject *parent)
    : QObject(parent)
{
    m_answerTimer.setSingleShot(true);
    m_answerTimer.setInterval(kAnswerWaitMs);
    m_answerTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_answerTimer, &QTimer::timeout, this, &OnboardDownload::onAnswerTimeout);
    m_pauseTimer.setSingleShot(true);
    m_pauseTimer.setInterval(kPauseMs);
    m_pauseTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_pauseTimer, &QTimer::timeout, this, &OnboardDownload::onPauseOver);
}

bool OnboardDownload::plan(const Snapshot &snapshot)
{
    m_steps.clear();
    m_planError = PlanError::None;

    // Checked before anything is planned: the slots and the play modes.
    int macroKeys = 0;
    for (int layer = 0; layer < 2; ++layer) {
        for (int code : snapshot.keyCodes) {
            const auto it = snapshot.records[layer].constFind(code);
            if (code == 0 || it == snapshot.records[layer].constEnd() || recordNumber(it->operateType) != 1)
                continue;
            ++macroKeys;
            if (!onboardcmd::isValidPlayMode(*it)) {
                qCWarning(lcUi) << "on-board download refused: key" << code << "of layer" << layer << "has play mode"
                                << it->mode;
                m_planError = PlanError::BadPlayMode;
                return false;
            }
        }
    }
    if (macroKeys > onboardcmd::kMacroSlots) {
        qCWarning(lcUi) << "on-board download refused:" << macroKeys << "macro keys, the keyboard holds"
                        << onboardcmd::kMacroSlots;
        m_planError = PlanError::TooManyMacros;
        return false;
    }

    int macroNumber = 0;
    for (int layer = 0; layer < 2; ++layer) {
        QByteArray entries;
        int packet = 0;
        for (int code : snapshot.keyCodes) {
            const auto it = snapshot.records[layer].constFind(code);
            const CustomKeyInfo *record = it == snapshot.records[layer].constEnd() ? nullptr : &*it;
            int number = 0;
            if (code != 0 && record && recordNumber(record->operateType) == 1) {
                number = macroNumber++;
                const QList<MacroEventInfo> events = snapshot.macros[layer].value(QByteArray(record->Value));
                for (const QByteArray &report : onboardcmd::macroReports(number, *record, events))
                    m_steps.append({report, true, false});
            }
            entries.append(onboardcmd::keyEntry(code, record, number));
            if (entries.size() == onboardcmd::kEntriesPerKeyReport * 4) {
                m_steps.append({onboardcmd::keyTableReport(layer, packet++, entries), false, false});
                entries.clear();
            }
        }
        if (!entries.isEmpty())
            m_steps.append({onboardcmd::keyTableReport(layer, packet, entries), false, false});
        if (layer == 0) {
            m_steps.append({QByteArray(), false, false,
                            "-------------------- ****** Download Over [ Default ] ****** --------------------"});
            m_steps.append({QByteArray(), false, false, ""});
        } else {
            m_steps.append({QByteArray(), false, false,
                            "-------------------- ****** Download Over [ FN1 ] ****** --------------------"});
        }
    }
    m_steps.append({QByteArray(), false, true});
    for (int number = macroNumber; number < onboardcmd::kMacroSlots; ++number) {
        for (const QByteArray &report : onboardcmd::emptyMacroReports(number))
            m_steps.append({report, true, false});
    }
    return true;
}

void OnboardDownload::start(const Sender &sender)
{
    if (m_running)
        return;
    m_sender = sender;
    m_next = 0;
    m_running = true;
    m_pausing = false;
    m_answered = true;
    m_sentPaced = false;
    m_resends = 0;
    m_lastPaced.clear();
    m_macroReportCount = -1;
    qCDebug(lcUi) << "-------------------------- *** Start Onboard Download *** --------------------------";
    proceed();
}

bool OnboardDownload::send(const QByteArray &report)
{
    if (m_sender && m_sender(report))
        return true;
    if (report.at(1) == char(0x18))
        qCDebug(lcUi) << "USB serial port [Write keyboard Onboard-data] Failed ...";
    else
        qCDebug(lcUi) << "USB serial port [Write keyboard Macro-data list Failed ...";
    qCWarning(lcUi) << "on-board download: the device refused report" << Qt::hex << int(uint8_t(report.at(1)));
    finish(false);
    return false;
}

void OnboardDownload::proceed()
{
    while (m_running && !m_pausing && m_next < m_steps.size()) {
        const Step &step = m_steps.at(m_next);
        if (step.pause) {
            m_pausing = true;
            m_pauseTimer.start();
            return;
        }
        if (step.report.isEmpty()) {
            qCDebug(lcUi).noquote() << step.logLine;
            ++m_next;
            continue;
        }
        if (step.paced) {
            if (!m_answered)
                return;  // the answer to the previous macro report comes first
            m_lastPaced = step.report;
            m_answered = false;
            m_sentPaced = true;
            m_resends = 0;
            ++m_next;
            ++m_macroReportCount;
            qCDebug(lcUi) << "-------------------------- *** Onboard Download [Write 0x19 Send data] *** "
                             "--------------------------"
                          << m_macroReportCount;
            if (!send(step.report))
                return;
            m_answerTimer.start();
            continue;
        }
        ++m_next;
        if (!send(step.report))
            return;
    }
    if (m_running && !m_pausing && m_next >= m_steps.size() && (m_answered || !m_sentPaced))
        finish(true);
}

void OnboardDownload::onMacroAnswer()
{
    qCDebug(lcUi) << "-------------------------- *** Onboard Download [Write 0x19 Recv] *** --------------------------"
                  << m_macroReportCount;
    if (!m_running)
        return;
    m_answered = true;
    m_resends = 0;
    m_answerTimer.stop();
    proceed();
}

void OnboardDownload::onAnswerTimeout()
{
    if (!m_running || m_answered)
        return;
    if (m_resends == kMaxResends) {
        qCDebug(lcUi) << "-------------------------- *** Onboard Download [Failed] *** --------------------------";
        emit macroFailed();
        finish(false);
        return;
    }
    ++m_resends;
    qCDebug(lcUi) << "-------------------------- *** Onboard Download [Retry] *** -------------------------- PkgNum:"
                  << int(uint8_t(m_lastPaced.at(2))) << "  index:" << int(uint8_t(m_lastPaced.at(4)));
    if (send(m_lastPaced))
        m_answerTimer.start();
}

void OnboardDownload::onPauseOver()
{
    if (!m_running)
        return;
    m_pausing = false;
    ++m_next;
    proceed();
}

void OnboardDownload::abort()
{
    if (m_running)
        finish(false);
}

void OnboardDownload::finish(bool ok)
{
    m_running = false;
    m_pausing = false;
    m_answerTimer.stop();
    m_pauseTimer.stop();
    m_sender = nullptr;
    qCDebug(lcUi) << "-------------------------- *** End Onboard Download *** --------------------------" << ok;
    emit finished(ok);
}
