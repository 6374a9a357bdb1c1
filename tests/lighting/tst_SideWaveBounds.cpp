// SPDX-License-Identifier: GPL-3.0-or-later
// The side strip's Wave reads its set's palette and ramp only below their lengths: a strip with
// more lit LEDs than its set has entries starts the rest black at level 0. The set's tables sit
// at the front of longer arrays whose tail is bright, so a read past a length shows in the
// frame, without a memory checker.

#include "EffectStateSupport.h"
#include "SideStripEffects.h"
#include "SideWaveSets.h"

#include <QtTest>

namespace {

constexpr int kSetLength = 6;
constexpr int kLit = 10;
// Six entries of the set, then what lies beyond them.
const LightTables::Rgb kPalette[kLit] = {{1, 2, 3},       {4, 5, 6},      {7, 8, 9},       {10, 11, 12},
                                         {13, 14, 15},    {16, 17, 18},   {200, 200, 200}, {200, 200, 200},
                                         {200, 200, 200}, {200, 200, 200}};
const uint8_t kRamp[kLit] = {10, 20, 30, 40, 50, 60, 222, 222, 222, 222};
const SideWaveSet kShortSet{"short", nullptr, 0, kPalette, kSetLength, kRamp, kSetLength, 0};

}  // namespace

class SideWaveBoundsTest : public QObject
{
    Q_OBJECT
private slots:
    void ledsBeyondTheSetStartDark_data();
    void ledsBeyondTheSetStartDark();
};

void SideWaveBoundsTest::ledsBeyondTheSetStartDark_data()
{
    QTest::addColumn<bool>("fullColor");
    QTest::addColumn<int>("direction");
    QTest::newRow("palette") << true << 0;
    QTest::newRow("ramp, rising") << false << 0;
    QTest::newRow("ramp, falling") << false << 1;
}

void SideWaveBoundsTest::ledsBeyondTheSetStartDark()
{
    QFETCH(bool, fullColor);
    QFETCH(int, direction);
    SideEffectFixture f(2, fullColor, QColor(255, 0, 0), QColor(0, 0, 0), kLit, direction);
    f->waveSet = &kShortSet;
    initSideWaveEffect(*f);
    for (int n = 0; n < kSetLength; ++n) {
        const LightCell &cell = f->cells[n];
        if (fullColor) {
            QCOMPARE(QColor(cell.red, cell.green, cell.blue), kPalette[n].color());
            QCOMPARE(cell.level, 255);
        } else {
            QCOMPARE(cell.level, direction == 0 ? kRamp[n] : 255 - kRamp[n]);
        }
    }
    for (int n = kSetLength; n < kLit; ++n) {
        const LightCell &cell = f->cells[n];
        QCOMPARE(cell.level, 0);
        if (fullColor)
            QCOMPARE(QColor(cell.red, cell.green, cell.blue), QColor(0, 0, 0));
    }
}

QTEST_GUILESS_MAIN(SideWaveBoundsTest)
#include "tst_SideWaveBounds.moc"
