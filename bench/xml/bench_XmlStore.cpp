// SPDX-License-Identifier: GPL-3.0-or-later
// Lookups on a full profile file, as the device link makes them on every key report.
//
// Fixture: ten keyboard profiles, each with light items in three zones, user colours, five custom
// lightings (two of them painting a whole 104-key board), fifty key assignments, five bound
// macros of twenty steps, six DPI levels and the function switches.

#include "RealisticProfileFile.h"
#include "xmlInterface.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using benchfixture::fixture;

void BM_getKeyMapItems(benchmark::State &state)
{
    xmlInterface xml;
    const QByteArray &path = fixture().path;
    for (auto _ : state) {
        CustomKeyInfo key;
        qstrcpy(key.keyCode, "-1");
        xml.getKeyMapItems(path, "10", "53", &key);  // the last key of the last profile
        benchmark::DoNotOptimize(key);
    }
    state.counters["fileKiB"] = double(QFile(QFile::decodeName(path)).size()) / 1024.0;
}
BENCHMARK(BM_getKeyMapItems)->Unit(benchmark::kMicrosecond);

// One parse per call: the cost without the document cache.
void BM_getKeyMapItems_uncached(benchmark::State &state)
{
    const QByteArray &path = fixture().path;
    for (auto _ : state) {
        xmlInterface xml;
        CustomKeyInfo key;
        qstrcpy(key.keyCode, "-1");
        xml.getKeyMapItems(path, "10", "53", &key);
        benchmark::DoNotOptimize(key);
    }
}
BENCHMARK(BM_getKeyMapItems_uncached)->Unit(benchmark::kMicrosecond);

void BM_getFunctionSetting(benchmark::State &state)
{
    xmlInterface xml;
    const QByteArray &path = fixture().path;
    for (auto _ : state) {
        FunctionSetting setting;
        xml.getFunctionSetting(path, "10", &setting);
        benchmark::DoNotOptimize(setting);
    }
}
BENCHMARK(BM_getFunctionSetting)->Unit(benchmark::kMicrosecond);

void BM_getLightItem(benchmark::State &state)
{
    xmlInterface xml;
    const QByteArray &path = fixture().path;
    for (auto _ : state) {
        colorInfoData data;
        benchmark::DoNotOptimize(xml.getLightItem(path, "10", 2, 10, &data));
        benchmark::DoNotOptimize(data);
    }
}
BENCHMARK(BM_getLightItem)->Unit(benchmark::kMicrosecond);

// A change followed by the lookup the link makes next.
void BM_setFeatureThenLookup(benchmark::State &state)
{
    xmlInterface xml;
    const QByteArray &path = fixture().path;
    int value = 0;
    for (auto _ : state) {
        xml.setFeature(path, "10", 1, value ^= 1);
        CustomKeyInfo key;
        xml.getKeyMapItems(path, "10", "53", &key);
        benchmark::DoNotOptimize(key);
    }
}
BENCHMARK(BM_setFeatureThenLookup)->Unit(benchmark::kMicrosecond);

// A live change of the lighting panel: the item is checked, then rewritten with new values (one save).
void BM_modifyLightItem_changed(benchmark::State &state)
{
    xmlInterface xml;
    const QByteArray &path = fixture().path;
    colorInfoData data;
    xml.getLightItem(path, "10", 0, 2, &data);
    for (auto _ : state) {
        data.ledModeR = data.ledModeR == 255 ? 0 : 255;
        benchmark::DoNotOptimize(xml.hasLightItem(path, "10", 0, 2));
        benchmark::DoNotOptimize(xml.modifyLightItem(path, "10", 0, 2, data));
    }
}
BENCHMARK(BM_modifyLightItem_changed)->Unit(benchmark::kMicrosecond);

// The same with the values the file holds already, as every report of a load makes it: no save.
void BM_modifyLightItem_unchanged(benchmark::State &state)
{
    xmlInterface xml;
    const QByteArray &path = fixture().path;
    colorInfoData data;
    xml.getLightItem(path, "10", 0, 2, &data);
    for (auto _ : state) {
        benchmark::DoNotOptimize(xml.hasLightItem(path, "10", 0, 2));
        benchmark::DoNotOptimize(xml.modifyLightItem(path, "10", 0, 2, data));
    }
}
BENCHMARK(BM_modifyLightItem_unchanged)->Unit(benchmark::kMicrosecond);

}  // namespace
