// SPDX-License-Identifier: GPL-3.0-or-later
// The preset colour tables and the level tables of the key effects.

#include "KeyLevelTables.h"
#include "LightPresetTables.h"

#include <QtTest>

#include <algorithm>
#include <iterator>

using namespace LightTables;

class LightPresetTablesTest : public QObject
{
    Q_OBJECT

private slots:
    void paletteSizes();
    void radarFrames();
    void waveUpDownReadsRowOne_data();
    void waveUpDownReadsRowOne();
    void centreFrameExceptions();
    void unknownLayoutTakesFamily104();
    void twinkleTables();
    void radarLevelGroups();
    void authoredCentreLevelsFollowRings_data();
    void authoredCentreLevelsFollowRings();
    void snackPaths_data();
    void snackPaths();
};

void LightPresetTablesTest::paletteSizes()
{
    QCOMPARE(std::size(twinkleColorTable), size_t(9));
    QCOMPARE(std::size(breathColorTable), size_t(8));
    QCOMPARE(std::size(reactiveColorTable), size_t(10));
    QCOMPARE(std::size(rhythmColorTable), size_t(11));
    QCOMPARE(std::size(rhythmColorTable34), size_t(11));
    QCOMPARE(std::size(rhythmColorTable21), size_t(22));
    QCOMPARE(std::size(speedRespondColorTable), size_t(6));
    QCOMPARE(std::size(collisionColorTable), size_t(8));
    QCOMPARE(std::size(mouseAroundColorTable), size_t(8));
    QCOMPARE(std::size(mouseReactiveColorTable), size_t(8));
    const size_t sides[] = {std::size(sideWaveColors6),   std::size(sideWaveColors8),   std::size(sideWaveColors14a),
                            std::size(sideWaveColors14b), std::size(sideWaveColors16),  std::size(sideWaveColors27),
                            std::size(sideWaveColors33a), std::size(sideWaveColors33b), std::size(sideWaveColors41),
                            std::size(sideWaveColors45),  std::size(sideWaveColors49)};
    const size_t expected[] = {6, 8, 14, 14, 16, 27, 33, 33, 41, 45, 49};
    QVERIFY(std::equal(std::begin(sides), std::end(sides), std::begin(expected)));
    // The mirrored palettes and the shortened one.
    QCOMPARE(sideWaveColors14b[7].color(), sideWaveColors14b[6].color());
    QCOMPARE(sideWaveColors14b[13].color(), QColor(128, 0, 255));
    QCOMPARE(sideWaveColors16[15].color(), QColor(128, 0, 255));
    QCOMPARE(sideWaveColors33a[32].color(), QColor(0, 255, 127));
    QCOMPARE(sideWaveColors45[44].color(), QColor(255, 0, 172));
    QCOMPARE(rhythmColorTable21[18].color(), QColor(255, 0, 0));
    QCOMPARE(rhythmColorTable34[7].color(), QColor(0, 0, 0));
}

void LightPresetTablesTest::radarFrames()
{
    // Layout 21 repeats the master's columns 8 to 11 in its columns 18 to 21.
    for (int row = 0; row < 6; ++row)
        for (int column = 18; column < 22; ++column)
            QCOMPARE(radarColor(21, row, column), radarColor(104, row, column - 10));
    QCOMPARE(radarColor(104, 5, 10), QColor(0xFF, 0, 0));
    QCOMPARE(radarColor(108, 3, 11), QColor(0xFF, 0, 0xD3));
    QCOMPARE(radarColor(83, 0, 0), radarColor(104, 0, 2));
    QCOMPARE(radarColor(87, 2, 19), radarColor(104, 2, 21));
    QCOMPARE(radarColor(83, 2, 20), QColor(0, 0, 0));
    QCOMPARE(radarColor(84, 4, 18), radarColor(104, 4, 21));
    QCOMPARE(radarColor(84, 4, 19), QColor(0, 0, 0));
    // The 61 family moves the picture down one row and repeats its top row.
    QCOMPARE(radarColor(61, 0, 0), radarColor(104, 0, 3));
    QCOMPARE(radarColor(62, 1, 0), radarColor(104, 0, 3));
    QCOMPARE(radarColor(68, 5, 18), radarColor(104, 4, 21));
    QCOMPARE(radarColor(65, 5, 19), QColor(0, 0, 0));
    QCOMPARE(radarColor(34, 0, 15), radarColor(104, 0, 0));
    QCOMPARE(radarColor(34, 0, 0), radarColor(104, 0, 7));
    QCOMPARE(radarColor(104, 6, 0), QColor(0, 0, 0));
    QCOMPARE(radarColor(104, 0, -1), QColor(0, 0, 0));
}

void LightPresetTablesTest::waveUpDownReadsRowOne_data()
{
    QTest::addColumn<int>("keyNum");
    QTest::newRow("wide") << 104;
    QTest::newRow("narrow") << 87;
}

void LightPresetTablesTest::waveUpDownReadsRowOne()
{
    QFETCH(int, keyNum);
    for (int row = 0; row < 6; ++row) {
        const QColor color = waveRampColor(keyNum, 1, 3 * (5 - row));
        QVERIFY2(color != QColor(0, 0, 0), qPrintable(QString::number(row)));
    }
    QCOMPARE(waveRampColor(keyNum, 1, 0), QColor(0xFF, 0, 0));
    if (keyNum == 87) {
        QCOMPARE(waveRampColor(keyNum, 1, 15), QColor(0xFF, 0, 0xFF));
        for (int row = 0; row < 6; ++row)
            for (int column = 18; column < 22; ++column)
                QCOMPARE(waveRampColor(keyNum, row, column), QColor(0, 0, 0));
    } else {
        QCOMPARE(waveRampColor(keyNum, 1, 15), QColor(0, 0x3F, 0xFF));
        QCOMPARE(waveRampColor(keyNum, 5, 21), QColor(0xFF, 0, 0x3F));
    }
}

void LightPresetTablesTest::centreFrameExceptions()
{
    QCOMPARE(waveCenterColor(61, 4, 12), QColor(0, 255, 110));
    QCOMPARE(waveCenterColor(21, 2, 19), QColor(255, 30, 0));
    QCOMPARE(waveCenterColor(21, 2, 20), QColor(255, 60, 0));
    QCOMPARE(waveCenterColor(21, 3, 19), QColor(255, 60, 0));
    QCOMPARE(waveCenterColor(21, 3, 20), QColor(255, 30, 0));
    // The same position in the other small families follows the rings.
    QCOMPARE(waveCenterColor(63, 4, 12), QColor(0, 255, 190));
    QCOMPARE(waveCenterColor(68, 4, 12), QColor(0, 0, 0));
    QCOMPARE(waveCenterColor(104, 1, 10), QColor(255, 0, 0));
    QCOMPARE(waveCenterColor(104, 0, 21), QColor(255, 0, 63));
    QCOMPARE(waveCenterColor(108, 2, 13), QColor(0, 0, 0));
    QCOMPARE(waveCenterColor(104, 2, 13), QColor(90, 255, 0));
    QCOMPARE(waveCenterRing(61, 4, 12), 4);
    QCOMPARE(waveCenterRing(21, 3, 20), 0);
}

void LightPresetTablesTest::unknownLayoutTakesFamily104()
{
    QCOMPARE(layoutFamily(100), LayoutFamily::Family104);
    QCOMPARE(layoutFamily(-5), LayoutFamily::Family104);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 22; ++column) {
            QCOMPARE(waveRampColor(100, row, column), waveRampColor(104, row, column));
            QCOMPARE(waveCenterColor(100, row, column), waveCenterColor(104, row, column));
            QCOMPARE(radarColor(100, row, column), radarColor(104, row, column));
            QCOMPARE(KeyLevels::radarLevel(100, row, column), KeyLevels::radarLevel(104, row, column));
            QCOMPARE(KeyLevels::waveCenterLevel(100, row, column), KeyLevels::waveCenterLevel(104, row, column));
        }
    }
    QCOMPARE(KeyLevels::snackPathLength(100), 132);
}

void LightPresetTablesTest::twinkleTables()
{
    QList<int> seen;
    for (uint8_t v : twinkleOrder)
        seen << v;
    std::sort(seen.begin(), seen.end());
    for (int i = 0; i < 132; ++i)
        QCOMPARE(seen.at(i), i);
    const int head[] = {42, 109, 17, 125, 114, 72, 100, 16, 99, 27, 94, 82, 0, 53, 106, 80};
    for (int i = 0; i < 16; ++i)
        QCOMPARE(int(twinkleOrder[i]), head[i]);
    const int colors[] = {3, 1, 4, 5, 5, 2, 1, 2, 5, 1, 1, 2};
    for (int i = 0; i < 12; ++i)
        QCOMPARE(int(twinkleStartColors[i]), colors[i]);
    QCOMPARE(int(twinkleStartColors[131]), 4);
    QVERIFY(
        std::all_of(std::begin(twinkleStartColors), std::end(twinkleStartColors), [](uint8_t v) { return v <= 7; }));
}

void LightPresetTablesTest::radarLevelGroups()
{
    QCOMPARE(KeyLevels::radarLevel(104, 5, 10), 2);
    QVERIFY(KeyLevels::radarFalling(104, 5, 10) && KeyLevels::radarFalling(104, 3, 10));
    QVERIFY(!KeyLevels::radarFalling(104, 2, 10) && !KeyLevels::radarFalling(104, 0, 11));
    QCOMPARE(KeyLevels::radarLevel(83, 0, 17), KeyLevels::radarLevel(104, 0, 19));
    QCOMPARE(KeyLevels::radarLevel(83, 0, 18), 0);
    QCOMPARE(KeyLevels::radarLevel(98, 0, 18), KeyLevels::radarLevel(104, 0, 20));
    QCOMPARE(KeyLevels::radarLevel(61, 0, 0), KeyLevels::radarLevel(104, 0, 3));
    QCOMPARE(KeyLevels::radarLevel(61, 5, 16), KeyLevels::radarLevel(104, 4, 19));
    QCOMPARE(KeyLevels::radarLevel(61, 5, 17), 0);
    QCOMPARE(KeyLevels::radarLevel(34, 2, 0), KeyLevels::radarLevel(104, 2, 7));
    QCOMPARE(KeyLevels::radarLevel(21, 1, 20), KeyLevels::radarLevel(104, 1, 10));
    QVERIFY(KeyLevels::radarFalling(21, 3, 20) && !KeyLevels::radarFalling(21, 2, 20)
            && !KeyLevels::radarFalling(21, 0, 21));
    QVERIFY(KeyLevels::radarFalling(34, 5, 3) && !KeyLevels::radarFalling(34, 0, 3)
            && KeyLevels::radarFalling(34, 0, 15));
}

void LightPresetTablesTest::authoredCentreLevelsFollowRings_data()
{
    QTest::addColumn<int>("keyNum");
    for (int code : {98, 83, 87, 82, 61, 63, 68, 34, 21})
        QTest::newRow(qPrintable(QString::number(code))) << code;
}

void LightPresetTablesTest::authoredCentreLevelsFollowRings()
{
    QFETCH(int, keyNum);
    static const int levels[12] = {10, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 40};
    // The 63 and 68 families share the 61 group's levels, drawn from the 61 layout.
    const int source = (keyNum == 63 || keyNum == 68) ? 61 : keyNum;
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 22; ++column) {
            const int ring = waveCenterRing(source, row, column);
            const int level = KeyLevels::waveCenterLevel(keyNum, row, column);
            QCOMPARE(level, ring < 0 ? 0 : levels[ring]);
            QCOMPARE(KeyLevels::waveCenterRising(keyNum, row, column), ring >= 7);
        }
    }
}

void LightPresetTablesTest::snackPaths_data()
{
    QTest::addColumn<int>("keyNum");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<int>("lastColumn");
    QTest::newRow("104") << 104 << 132 << 5 << 0;
    QTest::newRow("98") << 98 << 114 << 5 << 0;
    QTest::newRow("87") << 87 << 108 << 5 << 0;
    QTest::newRow("84") << 84 << 96 << 5 << 0;
    QTest::newRow("61") << 61 << 75 << 5 << 14;
    QTest::newRow("69") << 69 << 80 << 5 << 15;
}

void LightPresetTablesTest::snackPaths()
{
    QFETCH(int, keyNum);
    QFETCH(int, length);
    QFETCH(int, lastRow);
    QFETCH(int, lastColumn);
    QCOMPARE(KeyLevels::snackPathLength(keyNum), length);
    QSet<int> visited;
    int row = -1;
    int column = -1;
    for (int p = 0; p < length; ++p) {
        KeyLevels::snackPathKey(keyNum, p, row, column);
        QVERIFY(row >= 0 && row < 6 && column >= 0 && column < 22);
        visited.insert(row * 22 + column);
    }
    QCOMPARE(visited.size(), length);
    QCOMPARE(row, lastRow);
    QCOMPARE(column, lastColumn);
    // Positions wrap instead of reading past the path.
    KeyLevels::snackPathKey(keyNum, length, row, column);
    QCOMPARE(row * 22 + column, (keyNum == 61 || keyNum == 69) ? 22 : 0);
    KeyLevels::snackPathKey(keyNum, -1, row, column);
    QCOMPARE(row, lastRow);
}

QTEST_GUILESS_MAIN(LightPresetTablesTest)
#include "tst_LightPresetTables.moc"
