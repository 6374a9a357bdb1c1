// SPDX-License-Identifier: GPL-3.0-or-later
// The typing path of a keyboard in PC mode, against the emulator: a key report (0x04) goes in,
// through the I/O thread, the link's slot in the GUI thread and its profile lookup, and the
// answer comes out in the next write turn. Measured from the injected report to the answer
// reaching the device, for every press and release of a few thousand keys, on the realistic
// profile file.

#include "DDeviceKeyboardLink.h"
#include "Emulator.h"
#include "MainHidInterFace.h"
#include "PcActions.h"
#include "RealisticProfileFile.h"
#include "xmlInterface.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

class IdlePcActions : public PcActions
{
public:
    bool launchProgram(const QString &) override { return true; }
    bool isOwnWindowActive() const override { return false; }
    bool setClipboardText(const QString &) override { return true; }
};

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values[index];
}

// The keys typed, in turn: keys without an assignment and keys of the profile whose
// assignment answers at once (combination, multimedia, mouse, disabled, text, shortcut).
// Macros are left out: their own reports would be taken for answers.
std::vector<uint8_t> typedKeys()
{
    std::vector<uint8_t> keys;
    for (int k = 0; k < 50; ++k) {
        const int kind = k % 10;
        if (kind >= 2 && kind != 7 && kind != 8)
            keys.push_back(uint8_t(4 + k));
    }
    for (int usage = 54; usage < 100; ++usage)
        keys.push_back(uint8_t(usage));
    return keys;
}

// When the GUI thread had handled the last key report (the link's slot runs just before).
std::atomic<Clock::rep> g_handled{0};

double microseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

// One report in, until its answer is written: the time from the injection to the answer, and
// the part of it until the GUI thread had handled the report.
bool typeOne(emu::DeviceId id, const QVector<uint8_t> &held, std::vector<double> *latenciesUs,
             std::vector<double> *handledUs)
{
    emu::clearWritten(id);
    const Clock::time_point injected = Clock::now();
    emu::injectKeys(id, 0, held);
    if (!emu::waitForCommand(id, 0x04, 2s))
        return false;
    const QVector<emu::WrittenReport> echoes = emu::writtenCommand(id, 0x04);
    latenciesUs->push_back(microseconds(echoes.first().when - injected));
    handledUs->push_back(microseconds(Clock::time_point(Clock::duration(g_handled.load())) - injected));
    return true;
}

void BM_TypingEcho(benchmark::State &state)
{
    const int keyCount = int(state.range(0));
    emu::reset();
    const emu::DeviceId keyboard = emu::plug(emu::keyboardSpec());

    xmlInterface xml;
    IdlePcActions actions;
    DDeviceKeyboardLink link(1);
    hidStructInfo info;
    info.vid = emu::spec(keyboard).vendorId;
    info.pid = emu::spec(keyboard).productId;
    std::strncpy(info.hidPath, emu::configurationPath(keyboard).toLatin1().constData(), sizeof info.hidPath - 1);
    std::strncpy(info.hidName, "ZK87A", sizeof info.hidName - 1);
    link.openHidDevice(info);
    QElapsedTimer opening;
    opening.start();
    while (!link.isInquiryFinished() && opening.elapsed() < 1500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    link.setProfileXml(&xml, benchfixture::fixture().path.constData());
    link.setProfileIndex(10);
    link.setPcActions(&actions);
    // Queued after the link's own connection, so it runs right after the link's slot.
    QObject::connect(link.getHidInterface(), &MainHidInterFace::sigHidDataArrived, &link,
                     [](QByteArray data, int, int) {
                         if (data.size() > 1 && data.at(1) == 0x04)
                             g_handled = Clock::now().time_since_epoch().count();
                     });

    const std::vector<uint8_t> keys = typedKeys();
    std::vector<double> latenciesUs;
    std::vector<double> handledUs;
    latenciesUs.reserve(size_t(keyCount) * 2);
    handledUs.reserve(size_t(keyCount) * 2);
    int lost = 0;
    for (auto _ : state) {
        QEventLoop loop;
        std::thread typist([&] {
            for (int i = 0; i < keyCount; ++i) {
                const uint8_t key = keys[size_t(i) % keys.size()];
                lost += typeOne(keyboard, {key}, &latenciesUs, &handledUs) ? 0 : 1;
                lost += typeOne(keyboard, {}, &latenciesUs, &handledUs) ? 0 : 1;
            }
            QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
        });
        loop.exec();
        typist.join();
    }

    state.counters["reports"] = double(latenciesUs.size());
    state.counters["lost"] = lost;
    state.counters["p50_us"] = percentile(latenciesUs, 0.50);
    state.counters["p99_us"] = percentile(latenciesUs, 0.99);
    state.counters["max_us"] = percentile(latenciesUs, 1.0);
    state.counters["handled_p50_us"] = percentile(handledUs, 0.50);
    state.counters["handled_p99_us"] = percentile(handledUs, 0.99);
    state.counters["handled_max_us"] = percentile(handledUs, 1.0);
    state.counters["over_2ms"] =
        double(std::count_if(latenciesUs.begin(), latenciesUs.end(), [](double us) { return us > 2000.0; }));
    emu::reset();
}
BENCHMARK(BM_TypingEcho)->ArgName("keys")->Arg(3000)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
