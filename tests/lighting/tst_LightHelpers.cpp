#include "DeviceModels.h"
#include "LightColorHelpers.h"
#include "LightParams.h"
#include "LightSpeed.h"
#include "RippleQueue.h"

#include <QtTest>

#include <climits>

class LightHelpersTest : public QObject
{
    Q_OBJECT
private slots:
    void paramsEntry_data();
    void paramsEntry();
    void tickInterval_data();
    void tickInterval();
    void dimFactors_data();
    void dimFactors();
    void dimmingOutsideTheMap();
    void stepLevel_data();
    void stepLevel();
    void stepHue_data();
    void stepHue();
    void floorAndCeiling();
    void rippleQueueFillsDownwardsThenDrops();
    void sideFrameLength_data();
    void sideFrameLength();
    void colourFrameFillsOneBatch();
};

void LightHelpersTest::paramsEntry_data()
{
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("bgBlue");
    QTest::addColumn<int>("wantBrightness");
    QTest::addColumn<int>("wantDirection");
    QTest::addColumn<int>("wantRed");
    QTest::addColumn<int>("wantBgBlue");
    QTest::newRow("plain") << 0 << 3 << 12 << 200 << 1 << 3 << 12 << 200;
    QTest::newRow("clockwise is right") << 4 << 6 << 0 << 0 << 5 << 0 << 0 << 0;
    QTest::newRow("anticlockwise is left") << 9 << 7 << 255 << 255 << 10 << 1 << 255 << 255;
    QTest::newRow("colours above 255") << 2 << 5 << 300 << 1000 << 3 << 5 << 255 << 255;
    QTest::newRow("negative colours") << 2 << 2 << -4 << INT_MIN << 3 << 2 << 0 << 0;
    QTest::newRow("brightness at the top") << INT_MAX << 0 << 1 << 1 << INT_MAX << 0 << 1 << 1;
}

void LightHelpersTest::paramsEntry()
{
    QFETCH(int, brightness);
    QFETCH(int, direction);
    QFETCH(int, red);
    QFETCH(int, bgBlue);
    QFETCH(int, wantBrightness);
    QFETCH(int, wantDirection);
    QFETCH(int, wantRed);
    QFETCH(int, wantBgBlue);
    colorInfoData record;
    record.ledType = 8;
    record.ledBrightness = brightness;
    record.ledSpeed = 3;
    record.ledModeR = red;
    record.ledBgB = bgBlue;
    record.ledDirection = direction;
    record.ledModeType = 1;
    record.ledOpenOrClose = 1;
    record.ledUpdate = 2;
    const LightParams params = LightParams::fromColorInfo(record);
    QCOMPARE(params.brightness, wantBrightness);
    QCOMPARE(params.direction, wantDirection);
    QCOMPARE(params.red, wantRed);
    QCOMPARE(params.bgBlue, wantBgBlue);
    QCOMPARE(params.ledType, 8);
    QCOMPARE(params.speed, 3);
    QCOMPARE(params.modeType, 1);
    QCOMPARE(params.openOrClose, 1);
    QCOMPARE(params.update, 2);
}

void LightHelpersTest::tickInterval_data()
{
    QTest::addColumn<bool>("side");
    QTest::addColumn<int>("speedMax");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");
    QTest::newRow("keys, five levels, slowest") << false << 4 << 0 << 28;
    QTest::newRow("keys, five levels, fastest") << false << 4 << 4 << 8;
    QTest::newRow("keys, ten levels") << false << 9 << 5 << 17;
    QTest::newRow("keys, maximum 3 takes five levels") << false << 3 << 3 << 14;
    QTest::newRow("keys before the maxima") << false << 0 << 1 << 25;
    QTest::newRow("side, maximum 4 takes five levels") << true << 4 << 3 << 14;
    QTest::newRow("side, maximum 3 takes ten levels") << true << 3 << 3 << 22;
    QTest::newRow("speed above the table") << false << 4 << 12 << 8;
    QTest::newRow("negative speed") << true << 9 << -3 << 28;
    QTest::newRow("ten levels, speed above") << true << 9 << 99 << 8;
}

void LightHelpersTest::tickInterval()
{
    QFETCH(bool, side);
    QFETCH(int, speedMax);
    QFETCH(int, speed);
    QFETCH(int, interval);
    QCOMPARE(side ? LightSpeed::sideTickInterval(speedMax, speed) : LightSpeed::keyTickInterval(speedMax, speed),
             interval);
}

void LightHelpersTest::dimFactors_data()
{
    QTest::addColumn<int>("brightnessMax");
    QTest::addColumn<int>("ledBrightness");
    QTest::addColumn<int>("factor");
    for (int b = 0; b <= 4; ++b)
        QTest::addRow("max 4, brightness %d", b) << 4 << b << 100 + (4 - b) * 32;
    for (int b = 0; b <= 9; ++b)
        QTest::addRow("max 9, brightness %d", b) << 9 << b << 100 + (9 - b) * 16;
}

void LightHelpersTest::dimFactors()
{
    QFETCH(int, brightnessMax);
    QFETCH(int, ledBrightness);
    QFETCH(int, factor);
    const int levels = brightnessMax + 1;
    const QMap<int, int> map = LightColor::brightnessMap(levels);
    QCOMPARE(map.size(), levels);
    QCOMPARE(LightColor::dimFactor(map, ledBrightness + 1, 160 / levels), factor);
    // The colour is QColor::darker's own (it rounds), with the alpha kept.
    const QColor color(201, 97, 13, 77);
    const QColor dimmed = LightColor::dim(color, factor);
    const QColor darker = color.darker(factor);
    QCOMPARE(dimmed.rgb(), darker.rgb());
    QCOMPARE(dimmed.alpha(), 77);
}

void LightHelpersTest::dimmingOutsideTheMap()
{
    const QMap<int, int> map = LightColor::brightnessMap(5);
    QCOMPARE(LightColor::dimFactor(map, 0, 32), 228);   // below: the dimmest level
    QCOMPARE(LightColor::dimFactor(map, 40, 32), 100);  // above: full brightness
    QCOMPARE(LightColor::dimFactor({}, 1, 32), 100);    // no maxima yet: nothing dims
    QCOMPARE(LightColor::dim(QColor(10, 20, 30, 40), 100), QColor(10, 20, 30, 40));
}

void LightHelpersTest::stepLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("wantLevel");
    QTest::addColumn<int>("wantResult");
    QTest::newRow("rising past the top") << 250 << 10 << 1 << 255 << 1;
    QTest::newRow("rising to the top exactly") << 245 << 10 << 1 << 255 << 0;
    QTest::newRow("rising") << 100 << 10 << 1 << 110 << 0;
    QTest::newRow("falling past zero") << 5 << 10 << 2 << 0 << 2;
    QTest::newRow("falling to zero exactly") << 10 << 10 << 2 << 0 << 0;
    QTest::newRow("falling at zero") << 0 << 10 << 2 << 0 << 2;
    QTest::newRow("still") << 77 << 10 << 0 << 77 << 0;
    QTest::newRow("other state") << 77 << 10 << 5 << 77 << 0;
}

void LightHelpersTest::stepLevel()
{
    QFETCH(int, level);
    QFETCH(int, step);
    QFETCH(int, state);
    QFETCH(int, wantLevel);
    QFETCH(int, wantResult);
    int32_t value = level;
    QCOMPARE(int(LightColor::stepLevel(value, step, state)), wantResult);
    QCOMPARE(int(value), wantLevel);
}

void LightHelpersTest::stepHue_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("step");
    QTest::addColumn<QColor>("want");
    QTest::newRow("red towards yellow") << QColor(255, 0, 0) << 1 << 6 << QColor(255, 6, 0);
    QTest::newRow("red towards magenta") << QColor(255, 0, 0) << 0 << 6 << QColor(255, 0, 6);
    QTest::newRow("grey is off the ring") << QColor(128, 128, 128) << 1 << 6 << QColor(128, 128, 128);
    QTest::newRow("only bit 0 counts") << QColor(255, 0, 0) << 3 << 6 << QColor(255, 6, 0);
    QTest::newRow("yellow towards green") << QColor(255, 255, 0) << 1 << 10 << QColor(245, 255, 0);
    QTest::newRow("green stops at cyan's edge") << QColor(0, 255, 250) << 1 << 10 << QColor(0, 255, 255);
    QTest::newRow("blue towards cyan") << QColor(0, 0, 255) << 0 << 20 << QColor(0, 20, 255);
    QTest::newRow("magenta towards red, floored") << QColor(255, 0, 4) << 1 << 10 << QColor(255, 0, 0);
    QTest::newRow("alpha kept") << QColor(255, 0, 0, 9) << 1 << 6 << QColor(255, 6, 0, 9);
}

void LightHelpersTest::stepHue()
{
    QFETCH(QColor, color);
    QFETCH(int, direction);
    QFETCH(int, step);
    QFETCH(QColor, want);
    QCOMPARE(LightColor::stepHue(color, uint8_t(direction), uint8_t(step)), want);
    if (direction == 0 || direction == 1)
        QCOMPARE(LightColor::stepHueByMode(color, direction, step), want);
    // Any other mode leaves the colour alone.
    QCOMPARE(LightColor::stepHueByMode(color, 2, step), color);
    QCOMPARE(LightColor::stepHueByMode(color, -1, step), color);
}

void LightHelpersTest::floorAndCeiling()
{
    QCOMPARE(LightColor::subtractFloor(5, 10), 0);
    QCOMPARE(LightColor::subtractFloor(10, 10), 0);
    QCOMPARE(LightColor::subtractFloor(200, 10), 190);
    QCOMPARE(LightColor::addCeiling(250, 10), 255);
    QCOMPARE(LightColor::addCeiling(245, 10), 255);
    QCOMPARE(LightColor::addCeiling(100, 10), 110);
    QCOMPARE(LightColor::addCeiling(INT_MAX, 1), 255);
}

void LightHelpersTest::rippleQueueFillsDownwardsThenDrops()
{
    RippleQueue queue;
    QCOMPARE(int(queue.slot), RippleQueue::kSlots - 1);
    for (int i = 0; i < RippleQueue::kSlots; ++i) {
        const int slot = queue.slot;
        QVERIFY(queue.push(i % 6, i, i % 7, 3));
        QCOMPARE(int(queue.columns[slot]), i);
        QCOMPARE(int(queue.order[slot]), slot);
    }
    // All twenty taken and the fill position at 0: the next press is dropped.
    QCOMPARE(int(queue.slot), 0);
    QVERIFY(!queue.push(5, 21, 1, 0));
    QCOMPARE(int(queue.columns[0]), RippleQueue::kSlots - 1);
    // Once slot 0 is free again a press lands there.
    queue.columns[0] = RippleQueue::kFree;
    QVERIFY(queue.push(1, 2, 3, 4));
    QCOMPARE(int(queue.columns[0]), 2);
}

void LightHelpersTest::sideFrameLength_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("leds");
    QTest::newRow("ZK87S") << "ZK87S" << 41;
    QTest::newRow("ZK104S") << "ZK104S" << 49;
    QTest::newRow("ZK104A") << "ZK104A" << 45;
    QTest::newRow("ZK104B") << "ZK104B" << 45;
    QTest::newRow("ZK104C") << "ZK104C" << 50;
    QTest::newRow("ZK104R") << "ZK104R" << 50;
    QTest::newRow("ZK104W") << "ZK104W" << 50;
    QTest::newRow("ZK87A") << "ZK87A" << 33;
    QTest::newRow("letter case counts") << "zk104s" << 33;
    QTest::newRow("empty") << "" << 33;
}

void LightHelpersTest::sideFrameLength()
{
    QFETCH(QString, model);
    QFETCH(int, leds);
    QCOMPARE(models::sideFrameLeds(model), leds);
}

void LightHelpersTest::colourFrameFillsOneBatch()
{
    // 8 key reports and the side reports, 18 LEDs each, are exactly one transport batch.
    int keyboards = 0;
    for (const models::DeviceModel &model : models::deviceModels()) {
        if (model.kind != models::DeviceKind::Keyboard)
            continue;
        ++keyboards;
        const int sideReports = (model.sideFrameLeds + 17) / 18;
        QVERIFY2(8 + sideReports == model.framesPerBatch, model.code);
        QVERIFY(model.sideFrameLeds >= 33 && model.sideFrameLeds <= 60);
    }
    QCOMPARE(keyboards, 12);
}

QTEST_GUILESS_MAIN(LightHelpersTest)
#include "tst_LightHelpers.moc"
