// SPDX-License-Identifier: GPL-3.0-or-later
// The fill and sweep key effects, frame by frame at full brightness.

#include "KeyEffectRules.h"
#include "KeyFillEffects.h"
#include "KeyLevelTables.h"
#include "KeySweepEffects.h"
#include "LightPresetTables.h"
#include "LightTestSupport.h"

#include <QtTest>

#include <algorithm>

namespace {

constexpr int kRows = KeyEffectState::kRows;
constexpr int kColumns = KeyEffectState::kColumns;

KeyEffectState makeState(int ledType, bool fullColor, const QColor &fore, const QColor &back, int direction = 0,
                         int keyNum = 104, int litKeyCount = 131)
{
    KeyEffectState state;
    state.params.ledType = ledType;
    state.params.red = fore.red();
    state.params.green = fore.green();
    state.params.blue = fore.blue();
    state.params.bgRed = back.red();
    state.params.bgGreen = back.green();
    state.params.bgBlue = back.blue();
    state.params.direction = direction;
    state.fullColor = fullColor;
    state.keyNum = keyNum;
    state.litKeyCount = litKeyCount;
    return state;
}

QColor keyColor(const KeyEffectState &state, int row, int column)
{
    return state.colors[row * kColumns + column];
}

bool allKeysEqual(const KeyEffectState &state)
{
    return std::all_of(std::begin(state.colors), std::end(state.colors),
                       [&](const QColor &c) { return c == state.colors[0]; });
}

bool sameColors(const KeyEffectState &a, const KeyEffectState &b)
{
    return std::equal(std::begin(a.colors), std::end(a.colors), std::begin(b.colors));
}

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

}  // namespace

class KeyFillSweepEffectsTest : public QObject
{
    Q_OBJECT

private slots:
    void blendAndDisplayColour();
    void staticAlpha_data();
    void staticAlpha();
    void customKeepsTheButtons();
    void breathSequence();
    void breathColours_data();
    void breathColours();
    void neonSingleColour();
    void neonFullColourTurnsTheHue();
    void neonFinishesABreathPause();
    void waveSingleColourRight();
    void waveFullColourUpDown_data();
    void waveFullColourUpDown();
    void waveUnknownDirectionLeavesBlackKeys();
    void waveDispersionSpreadsByRing_data();
    void waveDispersionSpreadsByRing();
    void radarSingleColour();
    void radarFullColour_data();
    void radarFullColour();
    void twinkle();
    void snackPath_data();
    void snackPath();
    void snackFullColourTrail();
};

void KeyFillSweepEffectsTest::blendAndDisplayColour()
{
    QCOMPARE(KeyEffectRules::blend(255, 0, 255), 254);
    QCOMPARE(KeyEffectRules::blend(0, 255, 0), 254);
    QCOMPARE(KeyEffectRules::blend(100, 50, 128), (100 * 128 + 127 * 50) / 256);
    // A full-colour reactive countdown blends over the palette entry at or above its step.
    KeyEffectState state = makeState(5, true, kRed, QColor(0, 0, 9));
    state.cells[2][3] = LightCell{255, 255, 255, 0, 1, 3, 0};
    QCOMPARE(KeyEffectRules::cellDisplayColor(state, 2, 3), QColor(0, 127 * 255 / 256, 254));
    state.cells[2][3].step = 9;
    QCOMPARE(KeyEffectRules::cellDisplayColor(state, 2, 3), QColor(0, 0, 9 * 255 / 256));
    state.params.ledType = 2;
    state.cells[2][3].step = 3;
    QCOMPARE(KeyEffectRules::cellDisplayColor(state, 2, 3), QColor(0, 0, 8));
}

void KeyFillSweepEffectsTest::staticAlpha_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("alpha");
    QTest::newRow("colour") << QColor(12, 200, 3) << 180;
    QTest::newRow("black") << kBlack << 0;
}

void KeyFillSweepEffectsTest::staticAlpha()
{
    QFETCH(QColor, color);
    QFETCH(int, alpha);
    KeyEffectState state = makeState(0, false, color, QColor(1, 1, 1));
    initStaticEffect(state);
    renderStaticFrame(state, 1);
    QColor expected = color;
    expected.setAlpha(alpha);
    for (const QColor &key : state.colors)
        QCOMPARE(key, expected);
}

void KeyFillSweepEffectsTest::customKeepsTheButtons()
{
    FakeKeyboardView view;
    lightDealMain engine;
    view.attach(engine);
    for (int i = 0; i < lightDealMain::kKeys; ++i)
        view.keys[size_t(i)]->setKeyColor(i == 5 ? QColor(0, 0, 0, 0) : QColor(i, 100, 200, 90));
    engine.setKeyboardLightConfig(lightRecord(0, 10));
    engine.onDviceUpdateAllKeyColor();
    for (int i = 0; i < lightDealMain::kKeys; ++i) {
        QCOMPARE(view.keys[size_t(i)]->getKeyColor(), i == 5 ? QColor(0, 0, 0, 0) : QColor(i, 100, 200, 90));
        QCOMPARE(engine.keyColor(i), i == 5 ? QColor(0, 0, 0, 0) : QColor(i, 100, 200, 180));
    }
    engine.stopAllLightThreads();
}

void KeyFillSweepEffectsTest::breathSequence()
{
    KeyEffectState state = makeState(1, false, QColor(200, 100, 40), kBlack);
    initBreathEffect(state);
    const LightCell &cell = state.cells[3][7];
    for (int frame = 1; frame <= 128; ++frame) {
        renderBreathFrame(state, frame);
        if (frame < 128) {
            QCOMPARE(cell.level, 255 - 2 * frame);
            const QColor key(200 * cell.level / 256, 100 * cell.level / 256, 40 * cell.level / 256);
            const int alpha = key == kBlack ? 0 : std::min(cell.level, 200);
            QCOMPARE(keyColor(state, 3, 7), QColor(key.red(), key.green(), key.blue(), alpha));
        }
    }
    QVERIFY(state.levelPauseFlags & 1);
    const KeyEffectState before = state;
    for (int frame = 0; frame < 7; ++frame) {
        renderBreathFrame(state, 129 + frame);
        QVERIFY(sameColors(before, state));
    }
    QVERIFY(!(state.levelPauseFlags & 1));
    QCOMPARE(cell.level, 0);
    QCOMPARE(cell.state, 1);
    for (int frame = 1; frame <= 128; ++frame) {
        renderBreathFrame(state, 135 + frame);
        QCOMPARE(cell.level, frame < 128 ? 2 * frame : 255);
        QCOMPARE(cell.state, frame < 128 ? 1 : 2);
    }
    // Alone on a black background the colour breathes again.
    QCOMPARE(QColor(cell.red, cell.green, cell.blue), QColor(200, 100, 40));
}

void KeyFillSweepEffectsTest::breathColours_data()
{
    QTest::addColumn<bool>("fullColor");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<QColor>("second");
    QTest::newRow("single on black") << false << kBlack << kRed;
    QTest::newRow("single over a background") << false << QColor(0, 9, 0) << QColor(0, 9, 0);
    QTest::newRow("full colour") << true << kBlack << QColor(255, 255, 0);
}

void KeyFillSweepEffectsTest::breathColours()
{
    QFETCH(bool, fullColor);
    QFETCH(QColor, back);
    QFETCH(QColor, second);
    KeyEffectState state = makeState(1, fullColor, kRed, back);
    initBreathEffect(state);
    QCOMPARE(int(state.breathColorCount), fullColor ? 7 : 2);
    for (int frame = 1; frame <= 128 + 7; ++frame)
        renderBreathFrame(state, frame);
    for (const auto &row : state.cells)
        for (const LightCell &cell : row)
            QCOMPARE(QColor(cell.red, cell.green, cell.blue), second);
    // Over a background the alpha follows the level even where the key is black.
    renderBreathFrame(state, 136);
    QCOMPARE(keyColor(state, 0, 0).alpha(), back == kBlack && second == kBlack ? 0 : 2);
}

void KeyFillSweepEffectsTest::neonSingleColour()
{
    KeyEffectState state = makeState(3, false, kRed, kBlack);
    initNeonEffect(state);
    QList<int> topRuns;
    QList<int> bottomRuns;
    int run = 0;
    int last = -1;
    for (int frame = 1; frame <= 1600; ++frame) {
        renderNeonFrame(state, frame);
        QVERIFY2(allKeysEqual(state), qPrintable(QString::number(frame)));
        // Red 254 is level 255; alpha 0 is level 0 (the alpha follows the level on black).
        const QColor key = keyColor(state, 0, 0);
        const int shown = key.red() == 254 ? 254 : (key.alpha() == 0 ? 0 : 1);
        if (shown == last) {
            ++run;
            continue;
        }
        if (last == 254)
            topRuns << run;
        else if (last == 0 && frame > 2)
            bottomRuns << run;
        last = shown;
        run = 1;
    }
    QVERIFY(topRuns.size() >= 2 && bottomRuns.size() >= 2);
    QVERIFY(std::all_of(topRuns.begin(), topRuns.end(), [](int n) { return n == 2; }));
    QVERIFY(std::all_of(bottomRuns.begin(), bottomRuns.end(), [](int n) { return n == 8; }));
}

void KeyFillSweepEffectsTest::neonFullColourTurnsTheHue()
{
    KeyEffectState state = makeState(3, true, kRed, kBlack);
    initNeonEffect(state);
    for (int frame = 1; frame <= 3; ++frame)
        renderNeonFrame(state, frame);
    QVERIFY(allKeysEqual(state));
    QCOMPARE(keyColor(state, 5, 21), QColor(255, 18, 0, 180));
}

void KeyFillSweepEffectsTest::neonFinishesABreathPause()
{
    KeyEffectState state = makeState(1, false, kRed, kBlack);
    initBreathEffect(state);
    for (int frame = 1; frame <= 128; ++frame)
        renderBreathFrame(state, frame);
    QVERIFY(state.levelPauseFlags & 1);
    state.params.ledType = 3;
    initNeonEffect(state);
    QVERIFY(state.levelPauseFlags & 1);
    renderNeonFrame(state, 1);
    for (int column = 0; column < 7; ++column)
        QCOMPARE(state.cells[0][column].level, 0);
    QCOMPARE(state.cells[0][7].level, 1);
    QVERIFY(!(state.levelPauseFlags & 1));
}

void KeyFillSweepEffectsTest::waveSingleColourRight()
{
    KeyEffectState state = makeState(2, false, kRed, kBlack, 0);
    initWaveEffect(state);
    QCOMPARE(state.cells[2][10].level, 240);
    QCOMPARE(state.cells[2][10].state, 1);
    QCOMPARE(state.cells[2][9].level, 216);
    QCOMPARE(state.cells[2][9].state, 2);
    QCOMPARE(state.cells[0][9].red, 216 * 255 / 256);
    int lowest = 255;
    for (int frame = 1; frame <= 400; ++frame) {
        renderWaveFrame(state, frame);
        for (const auto &row : state.cells)
            for (const LightCell &cell : row)
                lowest = std::min(lowest, cell.level);
    }
    QVERIFY(lowest >= 6 && lowest < 10);
}

void KeyFillSweepEffectsTest::waveFullColourUpDown_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("keyNum");
    QTest::newRow("up, wide") << 2 << 104;
    QTest::newRow("down, narrow") << 3 << 87;
}

void KeyFillSweepEffectsTest::waveFullColourUpDown()
{
    QFETCH(int, direction);
    QFETCH(int, keyNum);
    KeyEffectState state = makeState(2, true, kRed, kBlack, direction, keyNum);
    initWaveEffect(state);
    renderWaveFrame(state, 1);
    for (int row = 0; row < kRows; ++row) {
        QVERIFY(keyColor(state, row, 0) != QColor(0, 0, 0, 180));
        for (int column = 1; column < kColumns; ++column)
            QCOMPARE(keyColor(state, row, column), keyColor(state, row, 0));
    }
    const LightCell &cell = state.cells[5][4];
    QCOMPARE(LightColor::stepHue(LightTables::waveRampColor(keyNum, 1, 0), uint8_t(direction & 1), 9),
             QColor(cell.red, cell.green, cell.blue));
}

void KeyFillSweepEffectsTest::waveUnknownDirectionLeavesBlackKeys()
{
    KeyEffectState state = makeState(2, true, kRed, kBlack, 0);
    initWaveEffect(state);
    renderWaveFrame(state, 1);
    state.params.direction = 9;
    initWaveEffect(state);
    renderWaveFrame(state, 1);
    for (const QColor &key : state.colors)
        QCOMPARE(key.rgb(), QColor(0, 0, 0).rgb());
}

void KeyFillSweepEffectsTest::waveDispersionSpreadsByRing_data()
{
    QTest::addColumn<int>("keyNum");
    QTest::addColumn<int>("direction");
    for (int code : {98, 87, 82, 61, 34, 21}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 dispersion").arg(code))) << code << 4;
        QTest::newRow(qPrintable(QStringLiteral("%1 gather").arg(code))) << code << 5;
    }
}

void KeyFillSweepEffectsTest::waveDispersionSpreadsByRing()
{
    QFETCH(int, keyNum);
    QFETCH(int, direction);
    KeyEffectState state = makeState(2, false, kRed, kBlack, direction, keyNum);
    initWaveEffect(state);
    int firstFloor[kRows][kColumns];
    for (auto &row : firstFloor)
        std::fill(std::begin(row), std::end(row), -1);
    for (int frame = 1; frame <= 70; ++frame) {
        renderWaveFrame(state, frame);
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                if (firstFloor[row][column] < 0 && state.cells[row][column].level < 10)
                    firstFloor[row][column] = frame;
    }
    // The latest and earliest frame at which a key of each ring 0 .. 6 reached the floor.
    int latest[7];
    int earliest[7];
    std::fill(std::begin(latest), std::end(latest), -1);
    std::fill(std::begin(earliest), std::end(earliest), 1000);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int ring = LightTables::waveCenterRing(keyNum, row, column);
            if (ring < 0 || ring > 6 || KeyLevels::waveCenterRising(keyNum, row, column))
                continue;
            QVERIFY(firstFloor[row][column] > 0);
            latest[ring] = std::max(latest[ring], firstFloor[row][column]);
            earliest[ring] = std::min(earliest[ring], firstFloor[row][column]);
        }
    }
    for (int ring = 0; ring < 6; ++ring) {
        if (latest[ring] < 0 || latest[ring + 1] < 0)
            continue;
        if (direction == 4)
            QVERIFY2(latest[ring] < earliest[ring + 1], qPrintable(QString::number(ring)));
        else
            QVERIFY2(earliest[ring] > latest[ring + 1], qPrintable(QString::number(ring)));
    }
}

void KeyFillSweepEffectsTest::radarSingleColour()
{
    for (int direction : {0, 1, 3}) {
        KeyEffectState state = makeState(4, false, kRed, kBlack, direction);
        initRadarEffect(state);
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                const LightCell &cell = state.cells[row][column];
                const int level = KeyLevels::radarLevel(104, row, column);
                if (direction == 3) {
                    QCOMPARE(cell.level, 0);
                    QCOMPARE(cell.state, 1);
                    continue;
                }
                QCOMPARE(cell.level, direction == 0 ? level : 255 - level);
                QCOMPARE(cell.state, KeyLevels::radarFalling(104, row, column) ? 2 : 1);
            }
        }
        for (int frame = 1; frame <= 90; ++frame) {
            renderRadarFrame(state, frame);
            if (direction == 3)
                QVERIFY(allKeysEqual(state));
        }
    }
}

void KeyFillSweepEffectsTest::radarFullColour_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("moves");
    for (int direction = 0; direction <= 5; ++direction)
        QTest::newRow(qPrintable(QString::number(direction))) << direction << (direction < 2);
}

void KeyFillSweepEffectsTest::radarFullColour()
{
    QFETCH(int, direction);
    QFETCH(bool, moves);
    KeyEffectState state = makeState(4, true, kRed, kBlack, direction, 83);
    initRadarEffect(state);
    for (int frame = 1; frame <= 5; ++frame)
        renderRadarFrame(state, frame);
    bool changed = false;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            QColor frameColor = LightTables::radarColor(83, row, column);
            if (frameColor == kBlack)
                QCOMPARE(keyColor(state, row, column).rgb(), kBlack.rgb());
            frameColor.setAlpha(180);
            changed = changed || keyColor(state, row, column) != frameColor;
        }
    }
    QCOMPARE(changed, moves);
}

void KeyFillSweepEffectsTest::twinkle()
{
    KeyEffectState state = makeState(9, true, kRed, kBlack);
    initTwinkleEffect(state);
    const LightCell &first = state.cells[1][18];
    int expectedStep = LightTables::twinkleStartColors[109];
    renderTwinkleFrame(state, 1);
    for (const auto &row : state.cells)
        for (const LightCell &cell : row)
            QCOMPARE(cell.state, 0);
    for (int frame = 2; frame <= 3 * 264; ++frame) {
        renderTwinkleFrame(state, frame);
        if (frame % 2 == 1)
            continue;
        const int index = (frame / 2) % 132;
        const int v = LightTables::twinkleOrder[index];
        const LightCell &started = state.cells[v % kRows][v / kRows];
        QCOMPARE(started.state, 1);
        QCOMPARE(started.level, 0);
        if (index == 1) {
            QCOMPARE(&started, &first);
            expectedStep = expectedStep == 0 ? 7 : expectedStep - 1;
            QCOMPARE(first.step, expectedStep);
        }
        if (frame == 2) {
            int running = 0;
            for (const auto &row : state.cells)
                for (const LightCell &cell : row)
                    running += cell.state != 0;
            QCOMPARE(running, 1);
        }
    }
    // A rising key shows its palette colour with the level as alpha.
    renderTwinkleFrame(state, 3 * 264 + 1);
    const int v = LightTables::twinkleOrder[0];
    const LightCell &rising = state.cells[v % kRows][v / kRows];
    QCOMPARE(rising.level, 4);
    const QColor c = LightTables::twinkleColorTable[rising.step].color();
    QCOMPARE(keyColor(state, v % kRows, v / kRows),
             QColor(c.red() * 4 / 256, c.green() * 4 / 256, c.blue() * 4 / 256, 4));
}

void KeyFillSweepEffectsTest::snackPath_data()
{
    QTest::addColumn<int>("keyNum");
    QTest::addColumn<int>("litKeyCount");
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("fullColor");
    QTest::addColumn<int>("firstKey");
    QTest::addColumn<int>("lastKey");
    QTest::newRow("61 forwards") << 61 << 74 << 0 << false << 22 + 0 << 5 * 22 + 14;
    QTest::newRow("61 backwards") << 61 << 74 << 1 << false << 5 * 22 + 14 << 22 + 0;
    QTest::newRow("61 full colour") << 61 << 74 << 0 << true << 22 + 0 << 5 * 22 + 14;
    QTest::newRow("104") << 104 << 131 << 0 << false << 0 << 5 * 22 + 0;
    QTest::newRow("unknown code") << 100 << 131 << 0 << true << 0 << 5 * 22 + 0;
}

void KeyFillSweepEffectsTest::snackPath()
{
    QFETCH(int, keyNum);
    QFETCH(int, litKeyCount);
    QFETCH(int, direction);
    QFETCH(bool, fullColor);
    QFETCH(int, firstKey);
    QFETCH(int, lastKey);
    KeyEffectState state = makeState(5, fullColor, kRed, kBlack, direction, keyNum, litKeyCount);
    initSnackEffect(state);
    const int headMark = fullColor ? 9 : 1;
    auto head = [&]() {
        int found = -1;
        for (int i = 0; i < KeyEffectState::kKeys; ++i) {
            if (state.cells[i / kColumns][i % kColumns].step == headMark) {
                if (found >= 0)
                    return -2;
                found = i;
            }
        }
        return found;
    };
    QList<int> path{head()};
    for (int frame = 1; path.size() < 2 * (litKeyCount + 1) + 1; ++frame) {
        renderSnackFrame(state, frame);
        const int now = head();
        QVERIFY(now >= 0);
        if (now != path.last())
            path << now;
        QVERIFY(frame < 20000);
    }
    QCOMPARE(path.first(), firstKey);
    QCOMPARE(path.at(litKeyCount), lastKey);
    QCOMPARE(path.at(litKeyCount + 1), firstKey);
    QCOMPARE(QSet<int>(path.begin(), path.end()).size(), litKeyCount + 1);
    QCOMPARE(path.mid(litKeyCount + 1, litKeyCount + 1), path.mid(0, litKeyCount + 1));
}

void KeyFillSweepEffectsTest::snackFullColourTrail()
{
    KeyEffectState state = makeState(5, true, kRed, kBlack, 0, 104, 131);
    initSnackEffect(state);
    const LightCell &start = state.cells[0][0];
    // The head rises in five frames and hands on; the trail counts down through the palette.
    QList<int> steps;
    QList<int> levels;
    for (int frame = 1; frame <= 60; ++frame) {
        renderSnackFrame(state, frame);
        steps << start.step;
        levels << start.level;
        if (frame == 5) {
            QCOMPARE(state.cells[0][1].step, 9);
            QCOMPARE(state.cells[0][1].level, 60);
        }
    }
    QCOMPARE(levels.mid(0, 5), (QList<int>{60, 120, 180, 240, 255}));
    QCOMPARE(steps.at(4), 8);
    QCOMPARE(steps.at(9), 7);
    QCOMPARE(QColor(start.red, start.green, start.blue).isValid(), true);
    QCOMPARE(steps.last(), 0);
    QCOMPARE(start.state, 0);
    QCOMPARE(keyColor(state, 0, 0).alpha(), 0);
}

QTEST_MAIN(KeyFillSweepEffectsTest)
#include "tst_KeyFillSweepEffects.moc"
