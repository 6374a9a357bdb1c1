// SPDX-License-Identifier: GPL-3.0-or-later
// Applying a profile and clicking a key on the device page, with an emulated keyboard and mouse
// and the realistic profile file (ten profiles, fifty key assignments, bound macros, custom
// lightings) in the devices' folders. All of it holds the GUI thread that answers key reports.

#include "DDataManager.h"
#include "DDevicePage.h"
#include "Emulator.h"
#include "RealisticProfileFile.h"
#include "xmlInterface.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

hidStructInfo record(emu::DeviceId id, const char *model, int deviceType)
{
    hidStructInfo info;
    info.vid = emu::spec(id).vendorId;
    info.pid = emu::spec(id).productId;
    std::strncpy(info.hidPath, emu::configurationPath(id).toLatin1().constData(), sizeof info.hidPath - 1);
    std::strncpy(info.hidName, model, sizeof info.hidName - 1);
    info.deviceType = deviceType;
    return info;
}

// The realistic file where the page looks for a device's profiles.
void placeProfileFile(const char *model, const QByteArray &serial)
{
    const QString folder = DDataManager::getInstance()->getUserConfigDir() + QLatin1Char('/') + QLatin1String(model)
                           + QLatin1Char('/') + QString::fromLatin1(serial);
    QDir().mkpath(folder);
    const QString target = folder + QStringLiteral("/brivexProFile.xml");
    QFile::remove(target);
    QFile::copy(QFile::decodeName(benchfixture::fixture().path), target);
}

struct PageFixture {
    xmlInterface xml;
    QTemporaryDir dir;
    QByteArray macroPath = QFile::encodeName(dir.filePath(QStringLiteral("macro.xml")));
    DDevicePage page;
    emu::DeviceId device = -1;

    explicit PageFixture(bool mouse)
    {
        xml.createXmlFile(macroPath.constData());
        page.setMacroXml(macroPath.constData(), &xml);
        emu::DeviceSpec spec = mouse ? emu::mouseSpec() : emu::keyboardSpec(QStringLiteral("ZK87A"));
        spec.serial = QByteArray(32, mouse ? 'm' : 'k');
        placeProfileFile(mouse ? "ZM1" : "ZK87A", spec.serial);
        device = emu::plug(spec);
        page.setHidStructInfoList({record(device, mouse ? "ZM1" : "ZK87A", mouse ? 1 : 0)});
        QElapsedTimer timer;
        timer.start();
        while (page.profileXmlPath().isEmpty() && timer.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    ~PageFixture() { emu::reset(); }
};

void settle()
{
    QCoreApplication::processEvents();
}

void BM_ApplyKeyboardProfile(benchmark::State &state)
{
    PageFixture f(false);
    int profile = 1;
    for (auto _ : state) {
        f.page.applyKeyboardProfile(profile);
        profile = profile % 10 + 1;
        state.PauseTiming();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ApplyKeyboardProfile)->Unit(benchmark::kMillisecond);

void BM_ApplyMouseProfile(benchmark::State &state)
{
    PageFixture f(true);
    int profile = 1;
    for (auto _ : state) {
        f.page.applyMouseProfile(profile);
        profile = profile % 10 + 1;
        state.PauseTiming();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ApplyMouseProfile)->Unit(benchmark::kMillisecond);

void BM_KeyClick(benchmark::State &state)
{
    PageFixture f(false);
    int key = 4;
    for (auto _ : state) {
        QMetaObject::invokeMethod(&f.page, "onKeyboardClicked", Q_ARG(int, key), Q_ARG(QString, QStringLiteral("K")));
        key = key >= 53 ? 4 : key + 1;
        state.PauseTiming();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_KeyClick)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    // Its own home, never the user's.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral(".local/share"))));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("zelka.*.debug=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
