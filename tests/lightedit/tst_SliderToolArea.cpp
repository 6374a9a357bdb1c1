#include "DDataManager.h"
#include "SliderToolArea.h"

#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

using IntList = QList<int>;

class TestSliderToolArea : public QObject
{
    Q_OBJECT

private slots:
    void widths_data();
    void widths();
    void ticksWhereTheStepsAre();
    void noStepsKeepsTheWidth_data();
    void noStepsKeepsTheWidth();
    void valueIsClamped();
    void arrowKeysMoveTheValue();
    void tickMarksInTheThemeTextColour();
};

void TestSliderToolArea::widths_data()
{
    QTest::addColumn<IntList>("steps");
    QTest::addColumn<IntList>("widths");
    QTest::addColumn<IntList>("tickSteps");
    // From a 165 wide slider: 147 / 4 = 36.75 gives 37; 148 / 9 = 16.44 gives 17;
    // 153 / 4 = 38.25 gives 38; 152 / 4 = 38.0 stays.
    QTest::newRow("4") << IntList{4} << IntList{166} << IntList{37};
    QTest::newRow("drift 4 9 4 4") << IntList{4, 9, 4, 4} << IntList{166, 171, 170, 170} << IntList{37, 17, 38, 38};
    QTest::newRow("one step") << IntList{1} << IntList{165} << IntList{147};
}

void TestSliderToolArea::widths()
{
    QFETCH(IntList, steps);
    QFETCH(IntList, widths);
    QFETCH(IntList, tickSteps);
    SliderToolArea area;
    area.resize(165, 55);
    for (int i = 0; i < steps.size(); ++i) {
        area.setMaximum(steps.at(i));
        QCOMPARE(area.size(), QSize(widths.at(i), 55));
        QCOMPARE(area.tickStep(), tickSteps.at(i));
        QCOMPARE(area.slider()->maximum(), steps.at(i));
    }
}

void TestSliderToolArea::ticksWhereTheStepsAre()
{
    SliderToolArea area;
    area.resize(165, 55);
    area.setMaximum(4);
    const QImage shot = area.grab().toImage();
    const qreal r = area.devicePixelRatioF();
    const QRgb background = shot.pixel(qFloor(27 * r), qFloor(52 * r));
    IntList marked;
    for (int x = 0; x < area.width(); ++x) {
        if (shot.pixel(qFloor(x * r), qFloor(52 * r)) != background)
            marked.append(x);
    }
    QCOMPARE(marked, (IntList{9, 46, 83, 120, 157}));
}

void TestSliderToolArea::noStepsKeepsTheWidth_data()
{
    QTest::addColumn<int>("steps");
    QTest::newRow("0") << 0;
    QTest::newRow("negative") << -3;
}

void TestSliderToolArea::noStepsKeepsTheWidth()
{
    QFETCH(int, steps);
    SliderToolArea area;
    area.resize(165, 55);
    area.setValue(1);
    area.setMaximum(steps);
    QCOMPARE(area.width(), 165);
    QCOMPARE(area.slider()->minimum(), 0);
    QCOMPARE(area.slider()->maximum(), 0);
    QCOMPARE(area.value(), 0);

    // A real maximum afterwards lays out as if the empty one never came.
    area.setMaximum(4);
    QCOMPARE(area.size(), QSize(166, 55));
    QCOMPARE(area.tickStep(), 37);
    area.setMaximum(steps);
    QCOMPARE(area.width(), 166);
    area.setMaximum(4);
    QCOMPARE(area.width(), 166);
    QCOMPARE(area.slider()->maximum(), 4);
}

void TestSliderToolArea::valueIsClamped()
{
    SliderToolArea area;
    area.resize(165, 55);
    area.setMaximum(4);
    QSignalSpy changed(&area, &SliderToolArea::sigValueChanged);
    area.setValue(10);
    QCOMPARE(area.value(), 4);
    area.setValue(4);
    area.setValue(12);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 4);
    area.setValue(-2);
    QCOMPARE(area.value(), 0);
    area.setValue(2);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.last().at(0).toInt(), 2);
}

void TestSliderToolArea::arrowKeysMoveTheValue()
{
    SliderToolArea area;
    area.resize(165, 55);
    area.setMaximum(4);
    QSignalSpy changed(&area, &SliderToolArea::sigValueChanged);
    QTest::keyClick(area.slider(), Qt::Key_Right);
    QTest::keyClick(area.slider(), Qt::Key_Right);
    QCOMPARE(area.value(), 2);
    QTest::keyClick(area.slider(), Qt::Key_Left);
    QCOMPARE(area.value(), 1);
    QCOMPARE(changed.count(), 3);
}

void TestSliderToolArea::tickMarksInTheThemeTextColour()
{
    const QStringList parts =
        DDataManager::getInstance()->getThemeColor().DeviceColorToolSliderTextColor.split(QLatin1Char(','));
    QVERIFY(parts.size() >= 3);
    const QColor text(parts.at(0).toInt(), parts.at(1).toInt(), parts.at(2).toInt());

    SliderToolArea area;
    area.resize(165, 55);
    area.setMaximum(4);
    const QImage shot = area.grab().toImage();
    const qreal r = area.devicePixelRatioF();
    for (const int x : {9, 83, 157})
        QCOMPARE(shot.pixelColor(qFloor(x * r), qFloor(52 * r)).rgb(), text.rgb());

    area.setThemeColors(10, 200, 30, QStringLiteral("1,2,3"), QStringLiteral("4,5,6"), QStringLiteral("Sans"));
    const QImage after = area.grab().toImage();
    QCOMPARE(after.pixelColor(qFloor(46 * r), qFloor(52 * r)).rgb(), QColor(10, 200, 30).rgb());
}

QTEST_MAIN(TestSliderToolArea)
#include "tst_SliderToolArea.moc"
