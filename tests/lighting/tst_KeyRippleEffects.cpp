// SPDX-License-Identifier: GPL-3.0-or-later
// Aurora, Ripple in both forms, Fireworks and Auto Ripple, and the ripple queue they share.

#include "EffectStateSupport.h"
#include "KeyRippleEffects.h"
#include "LightPresetTables.h"

#include <QtTest>

#include <set>
#include <utility>

namespace {

constexpr int kRows = KeyEffectState::kRows;
constexpr int kColumns = KeyEffectState::kColumns;
using Keys = std::set<std::pair<int, int>>;
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

// Keys whose cell is in a given state.
Keys keysIn(const KeyEffectState &state, int cellState)
{
    Keys keys;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (state.cells[row][column].state == cellState)
                keys.insert({row, column});
    return keys;
}

std::set<int> columnsAtFullLevel(const KeyEffectState &state)
{
    std::set<int> columns;
    for (int column = 0; column < kColumns; ++column) {
        bool whole = true;
        for (int row = 0; row < kRows; ++row)
            whole = whole && state.cells[row][column].level == 255 && state.cells[row][column].state == 2;
        if (whole)
            columns.insert(column);
    }
    return columns;
}

int usedSlots(const RippleQueue &queue)
{
    int used = 0;
    for (int s = 0; s < RippleQueue::kSlots; ++s)
        used += !queue.isFree(s);
    return used;
}

}  // namespace

class KeyRippleEffectsTest : public QObject
{
    Q_OBJECT

private slots:
    void queueRemoval();
    void rippleBarsOutward();
    void rippleBarsInward();
    void rippleBarsFullColourSteps();
    void twentyShapesAtMost();
    void diamondLayers();
    void auroraSingleColour();
    void fireworkRings_data();
    void fireworkRings();
    void fireworksSingleColourLevels();
    void autoRippleDraws();
    void autoRippleSkipsFifteen();
    void autoRippleOneAtATime();
};

void KeyRippleEffectsTest::queueRemoval()
{
    RippleQueue queue;
    for (int i = 0; i < 4; ++i)
        queue.push(i, 10 + i, i, i);  // slots 19, 18, 17, 16
    queue.removeColored(18);
    QCOMPARE(int(queue.columns[19]), 10);
    QCOMPARE(int(queue.columns[18]), 12);
    QCOMPARE(int(queue.colors[18]), 2);
    QCOMPARE(int(queue.columns[17]), 13);
    QVERIFY(queue.isFree(16));
    QCOMPARE(int(queue.slot), 16);
    queue.remove(19);
    QCOMPARE(int(queue.columns[19]), 12);
    QCOMPARE(int(queue.colors[19]), 0);  // the plain removal leaves colours where they are
    QCOMPARE(int(queue.slot), 17);
    queue.remove(25);  // outside the queue: nothing
    QCOMPARE(int(queue.slot), 17);
}

void KeyRippleEffectsTest::rippleBarsOutward()
{
    KeyEffectFixture f(8, false, kRed, kBlack);
    initRippleEffect(*f);
    queueRipplePress(*f, 2, 0);
    QVector<std::set<int>> steps;
    for (uint32_t frame = 1; frame < 400 && !f->ripples.isFree(19); ++frame) {
        const int radius = f->ripples.radii[19];
        renderRippleFrame(*f, frame);
        if (f->ripples.isFree(19) || f->ripples.radii[19] != radius) {
            steps << columnsAtFullLevel(*f);
            if (f->ripples.isFree(19))
                QCOMPARE(radius, 22);
        }
    }
    QVERIFY(f->ripples.isFree(19));
    QCOMPARE(steps.size(), 23);
    QCOMPARE(steps[0], std::set<int>{0});
    QCOMPARE(steps[1], std::set<int>{1});
    QCOMPARE(steps[21], std::set<int>{21});
    QCOMPARE(steps[22], std::set<int>{});
}

void KeyRippleEffectsTest::rippleBarsInward()
{
    KeyEffectFixture f(8, false, kRed, kBlack, 1);
    initRippleEffect(*f);
    queueRipplePress(*f, 2, 5);
    QCOMPARE(int(f->ripples.radii[19]), 16);
    QVERIFY(drawRippleBars(*f, 2, 5, 16));
    QCOMPARE(columnsAtFullLevel(*f), std::set<int>{21});
    QVERIFY(!drawRippleBars(*f, 2, 5, 22));

    // Drawn down to radius 0, then removed.
    int lastRadius = -1;
    for (uint32_t frame = 1; frame < 400 && !f->ripples.isFree(19); ++frame) {
        lastRadius = f->ripples.radii[19];
        renderRippleFrame(*f, frame);
    }
    QVERIFY(f->ripples.isFree(19));
    QCOMPARE(lastRadius, 0);
}

void KeyRippleEffectsTest::rippleBarsFullColourSteps()
{
    KeyEffectFixture f(8, true, kRed, kBlack);
    initRippleEffect(*f);
    const int expected[] = {9, 8, 7, 6, 5, 4, 3, 2, 1, 9};
    for (int radius = 0; radius <= 9; ++radius) {
        drawRippleBars(*f, 0, 0, radius);
        QCOMPARE(f.cell(3, radius).step, expected[radius]);
        QCOMPARE(f.cell(3, radius).state, 1);
        QCOMPARE(f.cell(3, radius).level, 0);  // it rises from where it is
    }
    renderRippleFrame(*f, 1);
    QCOMPARE(f.cell(0, 1).level, 8);
    QCOMPARE(QColor(f.cell(0, 1).red, f.cell(0, 1).green, f.cell(0, 1).blue),
             LightTables::reactiveColorTable[8].color());
}

void KeyRippleEffectsTest::twentyShapesAtMost()
{
    KeyEffectFixture f(8, false, kRed, kBlack);
    initRippleEffect(*f);
    for (int i = 0; i < 21; ++i)
        queueRipplePress(*f, i % 6, i);
    QCOMPARE(usedSlots(f->ripples), 20);
    QCOMPARE(int(f->ripples.columns[0]), 19);  // the 21st press was dropped
    for (int s = 0; s < 20; ++s)
        QVERIFY(f->ripples.colors[s] < 7);
}

void KeyRippleEffectsTest::diamondLayers()
{
    KeyEffectFixture f(8, true, kRed, kBlack);
    initRippleEffect(*f);
    f->m252Chip = true;
    f->cells[2][10].level = 100;  // already lit: dim tail layers pass it by
    f->cells[2][7].level = 100;
    QVERIFY(drawRippleDiamond(*f, 2, 10, 9, 7));
    // Distance d from the key is layer 9 - d: levels 55, 105, 155, 205 then 255.
    QCOMPARE(f.cell(2, 10).level, 100);
    QCOMPARE(f.cell(2, 11).level, 105);
    QCOMPARE(f.cell(1, 10).level, 105);
    QCOMPARE(f.cell(3, 11).level, 155);
    QCOMPARE(f.cell(3, 12).level, 205);
    QCOMPARE(f.cell(2, 7).level, 205);  // layer 6 is bright enough to pass over a lit key
    QCOMPARE(f.cell(2, 7).state, 2);
    QCOMPARE(f.cell(0, 12).level, 255);  // d = 4, layer 5: full, falling
    QCOMPARE(f.cell(0, 12).state, 2);
    QCOMPARE(f.cell(2, 15).level, 255);  // d = 5, layer 4: held
    QCOMPARE(f.cell(2, 15).state, 0);
    QCOMPARE(f.cell(2, 19).state, 0);  // d = 9, the front
    QCOMPARE(f.cell(2, 20).level, 0);
    QCOMPARE(f.cell(5, 13).level, 255);  // 3 rows down, d = 6
    // Colour index 7 takes entry 6.
    QCOMPARE(QColor(f.cell(2, 11).red, f.cell(2, 11).green, f.cell(2, 11).blue),
             LightTables::twinkleColorTable[6].color());
    // The diamond renderer: held keys stay, the others fall by 10.
    renderRippleFrame(*f, 1);
    QCOMPARE(f.cell(2, 15).level, 255);
    QCOMPARE(f.cell(0, 12).level, 245);
    // A shape whose every key is off the matrix lights nothing.
    QVERIFY(!drawRippleDiamond(*f, 0, 0, 40, 1));
}

void KeyRippleEffectsTest::auroraSingleColour()
{
    KeyEffectFixture f(7, false, kRed, kBlack);
    initAuroraEffect(*f);
    queueRipplePress(*f, 2, 10);
    QVector<int> radii;
    for (uint32_t frame = 1; frame < 800 && !f->ripples.isFree(19); ++frame) {
        const int radius = f->ripples.radii[19];
        renderAuroraFrame(*f, frame);
        if (!f->ripples.isFree(19) && f->ripples.radii[19] == radius)
            continue;
        // This frame's queue step lit the two keys at the radius (or none, and the entry went).
        radii << radius;
        for (const int column : {10 - radius, 10 + radius}) {
            if (column < 0 || column >= kColumns)
                continue;
            QVERIFY(f.cell(2, column).level >= 248);
            QCOMPARE(f.cell(2, column).step, 1);
        }
        if (radius == 0) {
            const int level = f.cell(2, 10).level;
            renderAuroraFrame(*f, ++frame);
            QCOMPARE(f.cell(2, 10).level, level - 7);
        }
    }
    QVERIFY(f->ripples.isFree(19));
    QCOMPARE(radii, (QVector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    // Only the shape's own row lights.
    for (int row = 0; row < kRows; ++row)
        if (row != 2)
            for (int column = 0; column < kColumns; ++column)
                QCOMPARE(f.cell(row, column).level, 0);
}

void KeyRippleEffectsTest::fireworkRings_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("ring");
    QTest::addColumn<QVector<QPoint>>("keys");  // (row, column)
    QTest::newRow("(3, 5) ring 1") << 3 << 5 << 1 << QVector<QPoint>{{2, 4}, {2, 5}, {4, 5}, {4, 4}, {3, 4}, {3, 6}};
    QTest::newRow("(2, 5) ring 1") << 2 << 5 << 1 << QVector<QPoint>{{1, 5}, {1, 6}, {3, 6}, {3, 5}, {2, 4}, {2, 6}};
    QTest::newRow("(3, 5) ring 0") << 3 << 5 << 0 << QVector<QPoint>{{3, 5}};
    QTest::newRow("(0, 0) ring 1") << 0 << 0 << 1 << QVector<QPoint>{{1, 0}, {0, 1}};
    QTest::newRow("(0, 0) ring 2") << 0 << 0 << 2 << QVector<QPoint>{{1, 1}, {2, 0}, {0, 2}};
    QTest::newRow("(5, 21) ring 1") << 5 << 21 << 1 << QVector<QPoint>{{4, 21}, {5, 20}};
    QTest::newRow("(5, 21) ring 2") << 5 << 21 << 2 << QVector<QPoint>{{4, 20}, {3, 21}, {5, 19}};
    QTest::newRow("(3, 10) ring 2") << 3 << 10 << 2
                                    << QVector<QPoint>{{2, 8}, {2, 11}, {1, 9}, {1, 10}, {1, 11}, {4, 11},
                                                       {4, 8}, {5, 10}, {5, 9}, {5, 8},  {3, 8},  {3, 12}};
    QTest::newRow("ring 3") << 3 << 5 << 3 << QVector<QPoint>{};
}

void KeyRippleEffectsTest::fireworkRings()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, ring);
    QFETCH(QVector<QPoint>, keys);
    KeyEffectFixture f(16, true, kRed, kBlack);
    initFireworksEffect(*f);
    QCOMPARE(drawFireworkRing(*f, row, column, ring), !keys.isEmpty());
    Keys expected;
    for (const QPoint &key : keys)
        expected.insert({key.x(), key.y()});
    QCOMPARE(keysIn(*f, 1), expected);
    for (const auto &key : expected)
        QCOMPARE(f.cell(key.first, key.second).step, 9);
}

void KeyRippleEffectsTest::fireworksSingleColourLevels()
{
    KeyEffectFixture f(16, false, kRed, kBlack);
    initFireworksEffect(*f);
    queueBurstPress(*f, 3, 5);
    // A queue step every sixth frame: the centre rises from 0, ring 1 from 80, ring 2 from 160.
    uint32_t frame = 0;
    while (frame < 6)
        renderFireworksFrame(*f, ++frame);
    QCOMPARE(f.cell(3, 5).level, 0);
    QCOMPARE(f.cell(3, 5).state, 1);
    while (frame < 12)
        renderFireworksFrame(*f, ++frame);
    QCOMPARE(f.cell(3, 6).level, 80);
    QCOMPARE(f.cell(3, 5).level, 42);
    while (frame < 18)
        renderFireworksFrame(*f, ++frame);
    QCOMPARE(f.cell(3, 7).level, 160);
    QCOMPARE(f.cell(3, 6).level, 122);
    while (frame < 24)
        renderFireworksFrame(*f, ++frame);
    QVERIFY(f->ripples.isFree(19));  // ring 3 lights nothing: the burst is over
    for (int i = 0; i < 80; ++i)
        renderFireworksFrame(*f, ++frame);
    QCOMPARE(f.cell(3, 7).state, 0);
    QCOMPARE(f.cell(3, 7).level, 0);
    QCOMPARE(f.color(3, 7), QColor(0, 0, 0, 0));
}

void KeyRippleEffectsTest::autoRippleDraws()
{
    KeyEffectFixture a(14, true, kRed, kBlack);
    initAutoRippleEffect(*a);
    KeyEffectFixture b(14, true, kRed, kBlack);
    b->pressRandom.next();  // other draws elsewhere do not change the tables
    initAutoRippleEffect(*b);
    QVERIFY(std::equal(std::begin(a->autoRippleColorDraws), std::end(a->autoRippleColorDraws),
                       std::begin(b->autoRippleColorDraws)));
    QVERIFY(std::equal(std::begin(a->autoRippleStartDraws), std::end(a->autoRippleStartDraws),
                       std::begin(b->autoRippleStartDraws)));
    LightRandom three(3);
    QCOMPARE(int(a->autoRippleColorDraws[0]), three.next() & 7);
    QCOMPARE(int(a->autoRippleStartDraws[0]), three.next() & 15);

    // A second run carries on where the first stopped: its first ripple is the first run's second.
    startAutoRipple(*a);
    a->ripples.removeColored(19);
    startAutoRipple(*a);
    const int secondColumn = a->ripples.columns[19];
    const int secondRow = a->ripples.rows[19];
    const int secondColor = a->ripples.colors[19];

    startAutoRipple(*b);
    initAutoRippleEffect(*b);
    QVERIFY(b->ripples.isFree(19));
    startAutoRipple(*b);
    QCOMPARE(int(b->ripples.columns[19]), secondColumn);
    QCOMPARE(int(b->ripples.rows[19]), secondRow);
    QCOMPARE(int(b->ripples.colors[19]), secondColor);
    QCOMPARE(int(b->autoRippleStartCursor), int(a->autoRippleStartCursor));
}

void KeyRippleEffectsTest::autoRippleSkipsFifteen()
{
    KeyEffectFixture f(14, true, kRed, kBlack, 1);
    initAutoRippleEffect(*f);
    f->autoRippleStartDraws[1] = 15;
    f->autoRippleStartDraws[2] = 15;
    f->autoRippleStartDraws[3] = 4;  // (1, 7)
    f->autoRippleColorDraws[1] = 5;
    startAutoRipple(*f);
    QCOMPARE(int(f->autoRippleStartCursor), 3);
    QCOMPARE(int(f->ripples.rows[19]), 1);
    QCOMPARE(int(f->ripples.columns[19]), 7);
    QCOMPARE(int(f->ripples.radii[19]), 14);  // inward: from the far edge
    QCOMPARE(int(f->ripples.colors[19]), 5);

    // Nothing but 15s: after 100 redraws the first start key, (1, 2).
    std::fill(std::begin(f->autoRippleStartDraws), std::end(f->autoRippleStartDraws), uint8_t(15));
    f->ripples.clear();
    startAutoRipple(*f);
    QCOMPARE(int(f->ripples.rows[19]), 1);
    QCOMPARE(int(f->ripples.columns[19]), 2);
}

void KeyRippleEffectsTest::autoRippleOneAtATime()
{
    KeyEffectFixture f(14, false, kRed, kBlack);
    initAutoRippleEffect(*f);
    int starts = 0;
    bool wasFree = true;
    for (uint32_t frame = 1; frame <= 2000; ++frame) {
        renderAutoRippleFrame(*f, frame);
        QVERIFY(usedSlots(f->ripples) <= 1);
        for (int s = 0; s < 19; ++s)
            QVERIFY(f->ripples.isFree(s));
        if (wasFree && !f->ripples.isFree(19))
            ++starts;
        wasFree = f->ripples.isFree(19);
    }
    QVERIFY(starts > 5);
    QCOMPARE(int(f->autoRippleColorCursor), starts % 100);
}

QTEST_MAIN(KeyRippleEffectsTest)
#include "tst_KeyRippleEffects.moc"
