// SPDX-License-Identifier: GPL-3.0-or-later
// Reactive, Cross, Speed Respond and Striation, frame by frame at full brightness.

#include "EffectStateSupport.h"
#include "KeyReactiveEffects.h"
#include "LightPresetTables.h"

#include <QtTest>

#include <set>
#include <utility>

namespace {

constexpr int kRows = KeyEffectState::kRows;
constexpr int kColumns = KeyEffectState::kColumns;
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

QColor rgb(const LightCell &cell)
{
    return QColor(cell.red, cell.green, cell.blue);
}

std::set<std::pair<int, int>> litKeys(const KeyEffectState &state)
{
    std::set<std::pair<int, int>> keys;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (state.cells[row][column].level == 255)
                keys.insert({row, column});
    return keys;
}

}  // namespace

class KeyReactiveEffectsTest : public QObject
{
    Q_OBJECT

private slots:
    void reactiveFullColourCountdown();
    void reactiveSingleColourFade();
    void crossLightsRowAndColumn();
    void speedRespondAddsRows_data();
    void speedRespondAddsRows();
    void speedRespondDrains();
    void striationAdvances_data();
    void striationAdvances();
};

void KeyReactiveEffectsTest::reactiveFullColourCountdown()
{
    KeyEffectFixture f(6, true, kRed, kBlack);
    initReactiveEffect(*f);
    pressReactiveKey(*f, 2, 3);
    QCOMPARE(f.cell(2, 3).level, 255);
    renderReactiveFrame(*f, 1);
    QCOMPARE(f.cell(2, 3).level, 255);
    QCOMPARE(f.cell(2, 3).step, 8);
    QCOMPARE(f.color(2, 3), QColor(254, 126, 0, 180));

    // The bottoms of the swings take entries 7, 5, 3 and 1; entry 7 at frame 20.
    QVector<int> colourFrames;
    QVector<QColor> colours;
    QColor last = rgb(f.cell(2, 3));
    int restFrame = 0;
    for (uint32_t frame = 2; frame < 400 && !restFrame; ++frame) {
        renderReactiveFrame(*f, frame);
        const LightCell &cell = f.cell(2, 3);
        if (rgb(cell) != last) {
            last = rgb(cell);
            colourFrames << int(frame);
            colours << last;
        }
        if (cell.step >= 1)
            QCOMPARE(f.color(2, 3).alpha(), 180);
        if (cell.state == 0)
            restFrame = int(frame);
    }
    QCOMPARE(colours,
             (QVector<QColor>{LightTables::reactiveColorTable[7].color(), LightTables::reactiveColorTable[5].color(),
                              LightTables::reactiveColorTable[3].color(), LightTables::reactiveColorTable[1].color()}));
    QCOMPARE(colourFrames.first(), 20);
    QVERIFY(restFrame > 0);
    QCOMPARE(f.cell(2, 3).level, 0);
    QCOMPARE(f.color(2, 3), QColor(0, 0, 0, 0));
    // The other keys never lit.
    QCOMPARE(f.color(0, 0), QColor(0, 0, 0, 0));
}

void KeyReactiveEffectsTest::reactiveSingleColourFade()
{
    const QColor back(0, 40, 0);
    KeyEffectFixture f(6, false, kRed, back);
    initReactiveEffect(*f);
    pressReactiveKey(*f, 1, 1);
    int frames = 0;
    while (f.cell(1, 1).state != 0 && frames < 1000)
        renderReactiveFrame(*f, uint32_t(++frames));
    QCOMPARE(frames, 128);
    QCOMPARE(rgb(f.cell(1, 1)), back);
    QCOMPARE(f.cell(1, 1).level, 0);

    // A press on a fading key starts it again from full level.
    pressReactiveKey(*f, 1, 1);
    for (int i = 0; i < 50; ++i)
        renderReactiveFrame(*f, uint32_t(++frames));
    QCOMPARE(f.cell(1, 1).level, 155);
    pressReactiveKey(*f, 1, 1);
    QCOMPARE(f.cell(1, 1).level, 255);
    QCOMPARE(f.cell(1, 1).state, 2);
    renderReactiveFrame(*f, uint32_t(++frames));
    QCOMPARE(f.color(1, 1), QColor(252, 0, 0, 180));
}

void KeyReactiveEffectsTest::crossLightsRowAndColumn()
{
    KeyEffectFixture f(11, true, kRed, kBlack);
    initCrossEffect(*f);
    pressCrossKey(*f, 0, 0);
    const auto lit = litKeys(*f);
    QCOMPARE(int(lit.size()), 6 + 22 - 1);  // the pressed key is in both
    for (int row = 0; row < kRows; ++row)
        QVERIFY(lit.count({row, 0}));
    for (int column = 0; column < kColumns; ++column)
        QVERIFY(lit.count({0, column}));
    QCOMPARE(f.cell(5, 0).step, 9);
    QCOMPARE(rgb(f.cell(0, 21)), LightTables::reactiveColorTable[9].color());

    KeyEffectFixture single(11, false, kBlue, kBlack);
    initCrossEffect(*single);
    pressCrossKey(*single, 3, 7);
    QCOMPARE(int(litKeys(*single).size()), 27);
    QCOMPARE(rgb(single.cell(3, 0)), kBlue);
    QCOMPARE(single.cell(3, 0).state, 2);
}

void KeyReactiveEffectsTest::speedRespondAddsRows_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("fullColor");
    QTest::newRow("from the bottom") << 0 << true;
    QTest::newRow("from the top") << 1 << true;
    QTest::newRow("single colour") << 0 << false;
}

void KeyReactiveEffectsTest::speedRespondAddsRows()
{
    QFETCH(int, direction);
    QFETCH(bool, fullColor);
    KeyEffectFixture f(12, fullColor, kRed, kBlack, direction);
    initSpeedRespondEffect(*f);
    auto rowOf = [&](int k) { return direction & 1 ? k : 5 - k; };
    for (int press = 1; press <= 8; ++press) {
        addSpeedRespondRow(*f);
        const int rows = std::min(press, 6);
        QCOMPARE(f->speedRespondRows, rows);
        for (int k = 0; k < 6; ++k) {
            const LightCell &cell = f.cell(rowOf(k), 11);
            QCOMPARE(cell.level, k < rows ? 255 - 20 * k : 0);
            if (k < rows)
                QCOMPARE(rgb(cell), fullColor ? LightTables::speedRespondColorTable[k].color() : kRed);
        }
    }

    // Once the newest row has faded to 120 a press relights the rows but adds none.
    KeyEffectFixture slow(12, fullColor, kRed, kBlack, direction);
    initSpeedRespondEffect(*slow);
    addSpeedRespondRow(*slow);
    for (uint32_t frame = 1; frame <= 5; ++frame)
        renderSpeedRespondFrame(*slow, frame);
    QCOMPARE(slow.cell(rowOf(0), 0).level, 130);
    addSpeedRespondRow(*slow);
    QCOMPARE(slow->speedRespondRows, 2);
    for (uint32_t frame = 1; frame <= 7; ++frame)
        renderSpeedRespondFrame(*slow, frame);
    QCOMPARE(slow.cell(rowOf(1), 0).level, 60);
    addSpeedRespondRow(*slow);
    QCOMPARE(slow->speedRespondRows, 2);
    QCOMPARE(slow.cell(rowOf(0), 0).level, 255);
    QCOMPARE(slow.cell(rowOf(1), 0).level, 235);
}

void KeyReactiveEffectsTest::speedRespondDrains()
{
    // One row at 255 drains in 11 frames.
    KeyEffectFixture one(12, true, kRed, kBlack);
    initSpeedRespondEffect(*one);
    addSpeedRespondRow(*one);
    uint32_t frame = 0;
    for (int i = 0; i < 10; ++i)
        renderSpeedRespondFrame(*one, ++frame);
    QCOMPARE(one.cell(5, 3).level, 5);
    QCOMPARE(one->speedRespondRows, 1);
    renderSpeedRespondFrame(*one, ++frame);
    QCOMPARE(one->speedRespondRows, 0);
    QCOMPARE(one.cell(5, 3).level, 0);
    QCOMPARE(one.color(5, 3).alpha(), 5);  // the level before the frame's fall
    renderSpeedRespondFrame(*one, ++frame);
    QCOMPARE(one.color(5, 3), QColor(0, 0, 0, 0));

    // Six rows: the newest (row 0) falls first while the others hold.
    KeyEffectFixture f(12, true, kRed, kBlack);
    initSpeedRespondEffect(*f);
    for (int i = 0; i < 6; ++i)
        addSpeedRespondRow(*f);
    frame = 0;
    for (int i = 0; i < 7; ++i)
        renderSpeedRespondFrame(*f, ++frame);
    QCOMPARE(f->speedRespondRows, 5);
    QCOMPARE(f.cell(0, 0).level, 0);
    QCOMPARE(f.cell(1, 0).level, 175);
    QCOMPARE(f.cell(2, 0).level, 195);
    QCOMPARE(f.color(2, 0), QColor(0, 0, 194, 195));
    renderSpeedRespondFrame(*f, ++frame);
    QCOMPARE(f.cell(1, 0).level, 150);
}

void KeyReactiveEffectsTest::striationAdvances_data()
{
    QTest::addColumn<bool>("fullColor");
    QTest::addColumn<int>("direction");
    QTest::newRow("full colour, right") << true << 0;
    QTest::newRow("single colour, right") << false << 0;
    QTest::newRow("full colour, left") << true << 1;
}

void KeyReactiveEffectsTest::striationAdvances()
{
    QFETCH(bool, fullColor);
    QFETCH(int, direction);
    KeyEffectFixture f(15, fullColor, kRed, kBlack, direction);
    initStriationEffect(*f);
    auto column = [&](int p) { return direction & 1 ? p : 21 - p; };
    // Lit by an advance: the countdown's start in full colour, full level in single colour.
    auto justLit = [&](int row, int col) {
        const LightCell &cell = f.cell(row, col);
        return fullColor ? (cell.step == 9 && cell.level == 0 && cell.state == 1)
                         : (cell.level == 255 && cell.state == 2);
    };
    int advances = 0;
    for (uint32_t frame = 1; frame <= 6 * 22; ++frame) {
        renderStriationFrame(*f, frame);
        if (frame % 6 != 0)
            continue;
        ++advances;
        // Row 0 moves one column per advance from column 1 (right) or 20 (left) ...
        const int p0 = 21 - advances;
        if (p0 >= 0)
            QVERIFY2(justLit(0, column(p0)), qPrintable(QString("advance %1").arg(advances)));
        if (advances == 22)
            QVERIFY(justLit(0, column(21)));
        // ... and row 1 enters at advance 10 at the edge.
        if (advances == 10)
            QVERIFY(justLit(1, column(21)));
        if (advances < 10)
            for (int c = 0; c < kColumns; ++c)
                QVERIFY(!justLit(1, c));
    }
    QCOMPARE(int(f->striationColumns[0]), 21);  // past its far edge at advance 21, row 0 started again
}

QTEST_MAIN(KeyReactiveEffectsTest)
#include "tst_KeyReactiveEffects.moc"
