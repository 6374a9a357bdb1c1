// SPDX-License-Identifier: GPL-3.0-or-later
// The side strip's effects and its Wave sets, frame by frame at full brightness.

#include "DeviceModels.h"
#include "EffectStateSupport.h"
#include "LightPresetTables.h"
#include "SideStripEffects.h"
#include "SideWaveSets.h"

#include <QtTest>

#include <set>

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

QColor rgb(const LightCell &cell)
{
    return QColor(cell.red, cell.green, cell.blue);
}

}  // namespace

class SideStripEffectsTest : public QObject
{
    Q_OBJECT

private slots:
    void staticAlpha_data();
    void staticAlpha();
    void breathBlackBackground();
    void waveSetsFollowTheLayouts();
    void waveSets_data();
    void waveSets();
    void waveStart_data();
    void waveStart();
    void waveBeyondThePalette();
    void waveFullColourDirections();
    void collisionPairs_data();
    void collisionPairs();
    void neonPauseSkipsSixLeds();
};

void SideStripEffectsTest::staticAlpha_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("alpha");
    QTest::newRow("colour") << kBlue << 250;
    QTest::newRow("black") << kBlack << 0;
}

void SideStripEffectsTest::staticAlpha()
{
    QFETCH(QColor, color);
    QFETCH(int, alpha);
    SideEffectFixture f(0, false, color, kRed, 41);
    initSideStaticEffect(*f);
    renderSideStaticFrame(*f, 1);
    for (int n = 0; n < 41; ++n)
        QCOMPARE(f->colors[n], QColor(color.red(), color.green(), color.blue(), alpha));
    QVERIFY(!f->colors[41].isValid());  // past the strip nothing is written
}

void SideStripEffectsTest::breathBlackBackground()
{
    SideEffectFixture f(1, false, kBlue, kBlack, 10);
    initSideBreathEffect(*f);
    QCOMPARE(int(f->breathColorCount), 2);
    for (uint32_t frame = 1; frame <= 800; ++frame) {
        renderSideBreathFrame(*f, frame);
        const QColor c = f->colors[3];
        QVERIFY(c.red() == 0 && c.green() == 0);
    }
}

// Each model with a strip is in the set whose length and count of lit LEDs match its layout.
void SideStripEffectsTest::waveSetsFollowTheLayouts()
{
    for (const models::DeviceModel &model : models::deviceModels()) {
        const SideWaveSet *set = SideWaveSets::forModel(QString::fromLatin1(model.code));
        if (!model.sideLights) {
            QVERIFY2(!set, model.code);
            continue;
        }
        QVERIFY2(set, model.code);
        QCOMPARE(set->paletteSize, model.sideLedCount);
        QCOMPARE(set->rampSize, model.sideLedCount);
    }
    QCOMPARE(SideWaveSets::forModel("ZK87S"), SideWaveSets::find("sideWaveSet41"));
    QCOMPARE(SideWaveSets::forModel("ZK104S"), SideWaveSets::find("sideWaveSet49"));
    QVERIFY(!SideWaveSets::forModel("zk87s"));
}

void SideStripEffectsTest::waveSets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("firstFalling");
    QTest::addColumn<QVector<int>>("rampProbe");  // entries 0, 1, size / 2, last
    QTest::newRow("6") << "sideWaveSet6" << 6 << 4 << QVector<int>{245, 200, 110, 10};
    QTest::newRow("8") << "sideWaveSet8" << 8 << 15 << QVector<int>{10, 35, 140, 245};
    QTest::newRow("14a") << "sideWaveSet14a" << 14 << 6 << QVector<int>{245, 225, 100, 10};
    QTest::newRow("14b") << "sideWaveSet14b" << 14 << 6 << QVector<int>{10, 45, 245, 10};
    QTest::newRow("16") << "sideWaveSet16" << 16 << 6 << QVector<int>{10, 45, 245, 10};
    QTest::newRow("27") << "sideWaveSet27" << 27 << 14 << QVector<int>{5, 10, 250, 5};
    QTest::newRow("33a") << "sideWaveSet33a" << 33 << 13 << QVector<int>{10, 24, 240, 22};
    QTest::newRow("33b") << "sideWaveSet33b" << 33 << 18 << QVector<int>{10, 25, 250, 5};
    QTest::newRow("33c") << "sideWaveSet33c" << 33 << 13 << QVector<int>{10, 25, 250, 5};
    QTest::newRow("41") << "sideWaveSet41" << 41 << 22 << QVector<int>{10, 22, 250, 22};
    QTest::newRow("45") << "sideWaveSet45" << 45 << 24 << QVector<int>{10, 20, 230, 62};
    QTest::newRow("49") << "sideWaveSet49" << 49 << 26 << QVector<int>{10, 20, 250, 22};
}

void SideStripEffectsTest::waveSets()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(int, firstFalling);
    QFETCH(QVector<int>, rampProbe);
    const SideWaveSet *set = SideWaveSets::find(name.toLatin1().constData());
    QVERIFY(set);
    QCOMPARE(set->paletteSize, size);
    QCOMPARE(set->rampSize, size);
    QCOMPARE(set->firstFallingCount, firstFalling);
    const QVector<int> probe{set->ramp[0], set->ramp[1], set->ramp[size / 2], set->ramp[size - 1]};
    QCOMPARE(probe, rampProbe);
    for (int i = 0; i < size; ++i)
        QVERIFY(set->ramp[i] > 0 && set->ramp[i] <= 252);
    if (name == "sideWaveSet33c")
        QCOMPARE(set->palette, SideWaveSets::find("sideWaveSet33b")->palette);
}

void SideStripEffectsTest::waveStart_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("stripLength");
    QTest::addColumn<int>("firstValid");
    QTest::addColumn<int>("direction");
    for (const char *model : {"ZK87S", "ZK104S"}) {
        const SideWaveSet *set = SideWaveSets::forModel(model);
        QTest::addRow("%s right", model) << QString(set->name) << set->rampSize << 0 << 0;
        QTest::addRow("%s left", model) << QString(set->name) << set->rampSize << 0 << 1;
    }
    for (int i = 0; i < SideWaveSets::kSetCount; ++i) {
        const SideWaveSet &set = SideWaveSets::sets()[i];
        // The 6-, 14- and 16-LED sets light LEDs from strip position 7 on.
        const int firstValid = set.rampSize <= 16 && set.rampSize != 8 ? 7 : 0;
        QTest::addRow("%s", set.name) << QString(set.name) << std::max(33, firstValid + set.rampSize) << firstValid
                                      << 0;
    }
}

void SideStripEffectsTest::waveStart()
{
    QFETCH(QString, name);
    QFETCH(int, stripLength);
    QFETCH(int, firstValid);
    QFETCH(int, direction);
    const SideWaveSet *set = SideWaveSets::find(name.toLatin1().constData());
    const QColor back(0, 0, 40);
    SideEffectFixture single(2, false, kRed, back, stripLength, direction);
    SideEffectFixture full(2, true, kRed, back, stripLength, direction);
    for (SideEffectFixture *f : {&single, &full}) {
        (*f)->waveSet = set;
        for (int n = 0; n < stripLength; ++n)
            (*f)->valid[n] = n >= firstValid && n < firstValid + set->rampSize;
        initSideWaveEffect(**f);
    }
    for (int n = 0; n < stripLength; ++n) {
        const int i = n - firstValid;
        const LightCell &cell = single->cells[n];
        if (i < 0 || i >= set->rampSize) {
            QCOMPARE(cell.level, 0);
            QCOMPARE(rgb(full->cells[n]), kBlack);
            continue;
        }
        const int level = direction == 0 ? set->ramp[i] : 255 - set->ramp[i];
        QCOMPARE(cell.level, level);
        QCOMPARE(cell.state, n < set->firstFallingCount ? 2 : 1);
        QCOMPARE(rgb(cell), QColor(255 * level / 256, 0, 40 * (255 - level) / 256));
        QCOMPARE(rgb(full->cells[n]), set->palette[i].color());
        QCOMPARE(full->cells[n].level, 255);
    }
    // Invalid LEDs after the lit ones take the state of the LED before them.
    if (firstValid + set->rampSize < stripLength)
        QCOMPARE(single->cells[stripLength - 1].state, single->cells[firstValid + set->rampSize - 1].state);
    // One frame of single colour: a falling LED under level 10 turns, then moves by 4.
    renderSideWaveFrame(*single, 1);
    const int n = firstValid;
    const int start = direction == 0 ? set->ramp[0] : 255 - set->ramp[0];
    const bool falling = n < set->firstFallingCount && start >= 10;
    QCOMPARE(single->cells[n].level, std::clamp(falling ? start - 4 : start + 4, 0, 255));
}

void SideStripEffectsTest::waveBeyondThePalette()
{
    // Ten lit LEDs against a set of six: the last four start black at level 0, and no read
    // goes past the tables.
    const SideWaveSet *set = SideWaveSets::find("sideWaveSet6");
    for (const bool fullColor : {true, false}) {
        SideEffectFixture f(2, fullColor, kRed, kBlack, 10);
        f->waveSet = set;
        initSideWaveEffect(*f);
        for (int n = 6; n < 10; ++n) {
            QCOMPARE(f->cells[n].level, 0);
            if (fullColor)
                QCOMPARE(rgb(f->cells[n]), kBlack);
        }
        QCOMPARE(f->cells[5].level, fullColor ? 255 : 10);
    }
}

void SideStripEffectsTest::waveFullColourDirections()
{
    SideEffectFixture right(2, true, kRed, kBlack, 41, 0);
    SideEffectFixture left(2, true, kRed, kBlack, 41, 1);
    SideEffectFixture up(2, true, kRed, kBlack, 41, 2);
    for (SideEffectFixture *f : {&right, &left, &up}) {
        (*f)->waveSet = SideWaveSets::forModel("ZK87S");
        (*f)->valid[5] = false;
        initSideWaveEffect(**f);
        renderSideWaveFrame(**f, 1);
    }
    for (int n = 0; n < 41; ++n) {
        QCOMPARE(right->colors[n], left->colors[n]);
        QCOMPARE(up->colors[n], QColor(0, 0, 0, 250));
    }
    QCOMPARE(right->colors[5], QColor(0, 0, 0, 250));  // the invalid LED
    // The LED after it takes palette entry 5, turned back one hue step of 9.
    QColor turned = LightColor::stepHue(LightTables::sideWaveColors41[5].color(), 0, 9);
    turned.setAlpha(250);
    QCOMPARE(right->colors[6], turned);
}

void SideStripEffectsTest::collisionPairs_data()
{
    QTest::addColumn<bool>("fullColor");
    QTest::addColumn<int>("period");
    QTest::newRow("full colour") << true << 8;
    QTest::newRow("single colour") << false << 6;
}

void SideStripEffectsTest::collisionPairs()
{
    QFETCH(bool, fullColor);
    QFETCH(int, period);
    SideEffectFixture f(3, fullColor, kRed, kBlack, 41);
    initSideCollisionEffect(*f);
    QVector<std::set<int>> events;
    QVector<int> eventFrames;
    QVector<int> litCount(41, 0);
    for (uint32_t frame = 1; frame <= uint32_t(period * 2 * 37 + 1); ++frame) {
        const uint8_t stage = f->sideCollisionStage;
        renderSideCollisionFrame(*f, frame);
        if (f->sideCollisionStage == stage)
            continue;
        eventFrames << int(frame);
        std::set<int> lit;
        for (int n = 0; n < 41; ++n) {
            const LightCell &cell = f->cells[n];
            if (cell.level == 255 && (fullColor ? cell.step == 7 && cell.state == 1 : cell.state == 2)) {
                lit.insert(n);
                ++litCount[n];
            }
        }
        events << lit;
    }
    for (int i = 0; i < eventFrames.size(); ++i)
        QCOMPARE(eventFrames[i], period * (i + 1));
    // Forward: (0, 32) .. (32, 0); four resting events; backward: (32, 0) .. (0, 32).
    QVERIFY(events.size() >= 33 + 4 + 33);
    for (int k = 0; k <= 32; ++k) {
        QCOMPARE(events[k], (std::set<int>{k, 32 - k}));
        QCOMPARE(events[37 + k], (std::set<int>{32 - k, k}));
    }
    for (int k = 33; k < 37; ++k)
        QVERIFY(events[k].empty());
    QCOMPARE(litCount[16], 2);  // once per pass
    for (int n = 33; n < 41; ++n) {
        QCOMPARE(litCount[n], 0);
        QCOMPARE(f->colors[n], QColor(0, 0, 0, 0));
    }
}

void SideStripEffectsTest::neonPauseSkipsSixLeds()
{
    SideEffectFixture f(4, false, kRed, kBlack, 33);
    initSideNeonEffect(*f);
    for (LightCell &cell : f->cells)
        cell.level = 100;
    f->cells[10].level = 0;  // falling at the bottom: it starts the pause
    f->cells[10].state = 2;
    const QColor marker(1, 2, 3, 4);
    for (QColor &color : f->colors)
        color = marker;
    renderSideNeonFrame(*f, 1);
    for (int n = 0; n < 33; ++n) {
        const bool skipped = n >= 11 && n <= 16;
        QCOMPARE(f->colors[n] == marker, skipped);
        QCOMPARE(f->cells[n].level, skipped ? 100 : (n == 10 ? 0 : 101));
    }
    QCOMPARE(f->cells[10].state, 1);
    QCOMPARE(int(f->levelPauseFlags & 1), 0);
}

QTEST_MAIN(SideStripEffectsTest)
#include "tst_SideStripEffects.moc"
