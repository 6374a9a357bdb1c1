// SPDX-License-Identifier: GPL-3.0-or-later
// The lighting settings panel on real profile files made through the store: the records it adds,
// what a load shows and stores, the guards of a live change, the wheel, the fields, OK, the
// swatches and the theme. A write is seen by the file's inode: every save replaces the file.

#include "BasicColorArea.h"
#include "BasicColorItem.h"
#include "ColorWheelTool.h"
#include "DDataManager.h"
#include "FileWatch.h"
#include "SliderToolArea.h"
#include "SVColorArea.h"
#include "ThemeStyleSheets.h"
#include "xmlInterface.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Record = QList<int>;
Q_DECLARE_METATYPE(Record)

namespace {

Record fieldsOf(const colorInfoData &d)
{
    return {d.ledKeyboardOrSide, d.ledType,     d.ledBrightness,  d.ledSpeed, d.ledModeR,
            d.ledModeG,          d.ledModeB,    d.ledBgR,         d.ledBgG,   d.ledBgB,
            d.ledDirection,      d.ledModeType, d.ledOpenOrClose, d.ledUpdate};
}

colorInfoData recordOf(const Record &r)
{
    colorInfoData d;
    d.ledKeyboardOrSide = r[0];
    d.ledType = r[1];
    d.ledBrightness = r[2];
    d.ledSpeed = r[3];
    d.ledModeR = r[4];
    d.ledModeG = r[5];
    d.ledModeB = r[6];
    d.ledBgR = r[7];
    d.ledBgG = r[8];
    d.ledBgB = r[9];
    d.ledDirection = r[10];
    d.ledModeType = r[11];
    d.ledOpenOrClose = r[12];
    d.ledUpdate = r[13];
    return d;
}

// A profile file with profiles 1 and 2 of a keyboard (0) or the mouse (1).
struct Profile {
    QTemporaryDir dir;
    QByteArray path;
    xmlInterface xml;

    explicit Profile(int deviceType)
        : path(QFile::encodeName(dir.filePath(QStringLiteral("profile.xml"))))
    {
        xml.createXmlFile(path.constData());
        xml.addProfileConfig(path.constData(), "1", "Profile 1", "", "", deviceType);
        xml.addProfileConfig(path.constData(), "2", "Profile 2", "", "", deviceType);
    }

    QByteArray bytes() const
    {
        QFile file(QString::fromLocal8Bit(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool item(int profile, int zone, int ledType, colorInfoData *out)
    {
        return xml.getLightItem(path.constData(), QByteArray::number(profile).constData(), zone, ledType, out);
    }
};

template <class T>
T *child(ColorWheelTool &panel, const char *name)
{
    T *w = panel.findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no widget %s", name);
    return w;
}

QString fieldsText(ColorWheelTool &panel)
{
    return child<QLineEdit>(panel, "lineEdit_R")->text() + QLatin1Char(',')
           + child<QLineEdit>(panel, "lineEdit_G")->text() + QLatin1Char(',')
           + child<QLineEdit>(panel, "lineEdit_B")->text();
}

// The device page's order: kind and maxima, then the profile, then the zone.
std::unique_ptr<ColorWheelTool> openPanel(Profile &profile, int deviceType, int profileIndex = 1, int speedMax = 4,
                                          int brightnessMax = 4)
{
    auto panel = std::make_unique<ColorWheelTool>();
    panel->setDeviceType(deviceType);
    if (deviceType == 0) {
        panel->setSpeedAndBrightnessMaxNum(speedMax, brightnessMax);
        panel->setSideLightSpeedAndBrightnessMaxNum(speedMax, brightnessMax);
    } else {
        panel->setMouseAroundSpeedAndBrightnessMaxNum(speedMax, brightnessMax);
        panel->setMouseScrollSpeedAndBrightnessMaxNum(speedMax, brightnessMax);
        panel->setMouseLogoSpeedAndBrightnessMaxNum(speedMax, brightnessMax);
    }
    panel->setCurrentProfile(profile.path.constData(), &profile.xml, profileIndex);
    return panel;
}

QList<int> visibleDirections(ColorWheelTool &panel)
{
    static const char *const names[] = {"pushButton_Right", "pushButton_Left",       "pushButton_Up",
                                        "pushButton_Down",  "pushButton_Dispersion", "pushButton_Gather",
                                        "pushButton_CW",    "pushButton_UnCW"};
    QList<int> ids;
    if (child<QFrame>(panel, "frame_Direction")->isHidden())
        return ids;
    for (int id = 0; id < 8; ++id) {
        if (!child<QPushButton>(panel, names[id])->isHidden())
            ids.append(id);
    }
    return ids;
}

int checkedDirection(ColorWheelTool &panel)
{
    static const char *const names[] = {"pushButton_Right", "pushButton_Left",       "pushButton_Up",
                                        "pushButton_Down",  "pushButton_Dispersion", "pushButton_Gather",
                                        "pushButton_CW",    "pushButton_UnCW"};
    for (int id = 0; id < 8; ++id) {
        if (child<QPushButton>(panel, names[id])->isChecked())
            return id;
    }
    return -1;
}

void sendMouse(QWidget *w, QEvent::Type type, QPoint pos)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, w->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

}  // namespace

class tst_ColorWheelTool : public QObject
{
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void loadWithoutItemShowsRedAndWritesNothing();
    void loadReportsOnlyStoredValues_data();
    void loadReportsOnlyStoredValues();
    void loadClampsColours();
    void loadBeyondTheSlidersWritesNothing_data();
    void loadBeyondTheSlidersWritesNothing();
    void guards();
    void wheelDragStoresOnceAtRelease();
    void ringValues_data();
    void ringValues();
    void ringKeepsValueAndHue();
    void chipSwitchThenRepaintChangesNothing();
    void fieldsByKeyboard();
    void ok_data();
    void ok();
    void okFailures_data();
    void okFailures();
    void swatches();
    void swatchClickReportsOnce();
    void themeAndTexts();
    void formPicturesExist();
    void alphaHoverColour();
};

void tst_ColorWheelTool::defaults_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("effect");
    QTest::addColumn<Record>("stored");
    QTest::addColumn<QList<int>>("directions");  // visible direction buttons
    QTest::addColumn<int>("checked");            // checked direction, -1 not looked at
    QTest::addColumn<bool>("speed");
    QTest::addColumn<bool>("fullColor");
    QTest::addColumn<bool>("colour");

    const auto rec = [](int kind, int zone, int effect, int direction) {
        Q_UNUSED(kind)
        return Record{zone, effect, 3, 3, 255, 0, 0, 0, 0, 0, direction, 1, 0, 0};
    };
    QTest::newRow("Aurora") << 0 << 0 << 7 << rec(0, 0, 7, 4) << QList<int>{4, 5} << 4 << true << true << true;
    QTest::newRow("Radar") << 0 << 0 << 4 << rec(0, 0, 4, 6) << QList<int>{6, 7} << 6 << true << true << true;
    QTest::newRow("Speed Respond") << 0 << 0 << 12 << rec(0, 0, 12, 2) << QList<int>{2, 3} << 2 << false << true
                                   << true;
    QTest::newRow("Ripple") << 0 << 0 << 8 << rec(0, 0, 8, 4) << QList<int>{} << 4 << true << true << true;
    QTest::newRow("Wave") << 0 << 0 << 2 << rec(0, 0, 2, 0) << QList<int>{0, 1, 2, 3, 4, 5} << 0 << true << true
                          << true;
    QTest::newRow("Static") << 0 << 0 << 0 << rec(0, 0, 0, 0) << QList<int>{} << 0 << false << false << true;
    QTest::newRow("Musical Rhythm") << 0 << 0 << 100 << rec(0, 0, 100, 2) << QList<int>{} << 2 << false << true << true;
    QTest::newRow("side Wave") << 0 << 1 << 2 << rec(0, 1, 2, 0) << QList<int>{} << 0 << true << true << true;
    QTest::newRow("side Neon") << 0 << 1 << 4 << rec(0, 1, 4, 6) << QList<int>{} << 6 << true << true << true;
    QTest::newRow("side Static") << 0 << 1 << 0 << rec(0, 1, 0, 0) << QList<int>{} << 0 << false << false << true;
    QTest::newRow("mouse Around Snack") << 1 << 0 << 4 << rec(1, 0, 4, 0) << QList<int>{} << -1 << true << true << true;
    QTest::newRow("mouse Around DPI") << 1 << 0 << 7 << rec(1, 0, 7, 0) << QList<int>{} << -1 << false << false
                                      << false;
    QTest::newRow("mouse Around Speed Respond")
        << 1 << 0 << 8 << rec(1, 0, 8, 0) << QList<int>{} << -1 << false << true << true;
    QTest::newRow("mouse Scroll DPI") << 1 << 1 << 3 << rec(1, 1, 3, 0) << QList<int>{} << -1 << false << false
                                      << false;
    QTest::newRow("mouse Logo Breath") << 1 << 2 << 2 << rec(1, 2, 2, 0) << QList<int>{} << -1 << true << true << true;
    QTest::newRow("mouse Scroll Static") << 1 << 1 << 0 << rec(1, 1, 0, 0) << QList<int>{} << -1 << false << false
                                         << true;
}

void tst_ColorWheelTool::defaults()
{
    QFETCH(int, kind);
    QFETCH(int, zone);
    QFETCH(int, effect);
    QFETCH(Record, stored);
    QFETCH(QList<int>, directions);
    QFETCH(int, checked);
    QFETCH(bool, speed);
    QFETCH(bool, fullColor);
    QFETCH(bool, colour);

    Profile profile(kind);
    auto panel = openPanel(profile, kind, 2);
    panel->setSideLightSelected(zone == 1);
    panel->setLedSelMode(zone, 1, 0);
    panel->setLedType(effect, 0);

    colorInfoData item;
    QVERIFY(profile.item(2, zone, effect, &item));
    QCOMPARE(fieldsOf(item), stored);
    QVERIFY(!profile.item(1, zone, effect, nullptr));
    QCOMPARE(fieldsOf(panel->getColorInfoData()), stored);
    QCOMPARE(visibleDirections(*panel), directions);
    if (checked >= 0)
        QCOMPARE(checkedDirection(*panel), checked);
    QCOMPARE(!child<QFrame>(*panel, "frame_SliderSpeed")->isHidden(), speed);
    QCOMPARE(!child<QCheckBox>(*panel, "checkBox_FullColorMode")->isHidden(), fullColor);
    QCOMPARE(!child<QPushButton>(*panel, "pushButton_afterColor")->isHidden(), fullColor);
    QCOMPARE(!child<QFrame>(*panel, "frame_Color")->isHidden(), colour);
    QCOMPARE(!child<QFrame>(*panel, "frame_2")->isHidden(), colour);
    QVERIFY(child<QFrame>(*panel, "frame_colorBuildUp")->isHidden());
}

void tst_ColorWheelTool::loadWithoutItemShowsRedAndWritesNothing()
{
    Profile profile(0);
    auto panel = openPanel(profile, 0, 1, 5, 6);
    QSignalSpy select(panel.get(), &ColorWheelTool::sigSelectKeyboardLightType);
    const FileWatch watch(profile.path);

    panel->setLedSelMode(0, 5, 0);

    QCOMPARE(fieldsText(*panel), QStringLiteral("255,0,0"));
    QCOMPARE(panel->speedSlider()->value(), 4);
    QCOMPARE(panel->brightnessSlider()->value(), 5);
    QCOMPARE(select.count(), 1);
    QCOMPARE(select.at(0).at(0).toInt(), 2);
    QCOMPARE(fieldsOf(panel->getColorInfoData()), (Record{0, 5, 3, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
    QVERIFY(!watch.rewritten());
}

void tst_ColorWheelTool::loadReportsOnlyStoredValues_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("zone");
    QTest::addColumn<Record>("stored");
    QTest::newRow("keys Wave") << 0 << 0 << Record{0, 2, 1, 2, 10, 20, 30, 40, 50, 60, 3, 0, 1, 0};
    QTest::newRow("side Breath") << 0 << 1 << Record{1, 1, 0, 4, 200, 100, 50, 1, 2, 3, 0, 1, 0, 0};
    QTest::newRow("mouse Logo Neon") << 1 << 2 << Record{2, 1, 2, 1, 0, 0, 255, 9, 9, 9, 0, 0, 0, 0};
}

void tst_ColorWheelTool::loadReportsOnlyStoredValues()
{
    QFETCH(int, kind);
    QFETCH(int, zone);
    QFETCH(Record, stored);

    Profile profile(kind);
    QVERIFY(profile.xml.addLightItem(profile.path.constData(), "1", recordOf(stored)));
    auto panel = openPanel(profile, kind);
    panel->setSideLightSelected(true);
    // Another effect of the zone first, with other values in the working copy.
    panel->setLedSelMode(zone, 0, 0);
    panel->setLedType(0, 0);

    QList<Record> reports;
    connect(panel.get(), &ColorWheelTool::sigLightConfigHaveChanged, panel.get(),
            [&](int, int) { reports.append(fieldsOf(panel->getColorInfoData())); });
    const FileWatch watch(profile.path);

    panel->setLedType(stored[1], 0);

    QVERIFY(!reports.isEmpty());
    for (const Record &report : qAsConst(reports))
        QCOMPARE(report, stored);
    QVERIFY(!watch.rewritten());
    QCOMPARE(fieldsOf(panel->getColorInfoData()), stored);
    QCOMPARE(fieldsText(*panel), QStringLiteral("%1,%2,%3").arg(stored[4]).arg(stored[5]).arg(stored[6]));
    QCOMPARE(panel->brightnessSlider()->value(), stored[2]);
    QCOMPARE(panel->speedSlider()->value(), stored[3]);
    QCOMPARE(child<QCheckBox>(*panel, "checkBox_FullColorMode")->isChecked(), stored[11] == 1);

    // Loading the zone again through its selection writes nothing either.
    reports.clear();
    panel->setLedSelMode(zone, stored[1], 0);
    for (const Record &report : qAsConst(reports))
        QCOMPARE(report, stored);
    QVERIFY(!watch.rewritten());
}

void tst_ColorWheelTool::loadClampsColours()
{
    Profile profile(0);
    QVERIFY(profile.xml.addLightItem(profile.path.constData(), "1",
                                     recordOf({0, 3, 3, 3, 300, -5, 17, 999, 0, -1, 0, 1, 0, 0})));
    auto panel = openPanel(profile, 0);
    panel->setLedSelMode(0, 3, 0);
    QCOMPARE(fieldsText(*panel), QStringLiteral("255,0,17"));
    const colorInfoData shown = panel->getColorInfoData();
    QCOMPARE((Record{shown.ledModeR, shown.ledModeG, shown.ledModeB, shown.ledBgR, shown.ledBgG, shown.ledBgB}),
             (Record{255, 0, 17, 255, 0, 0}));
}

void tst_ColorWheelTool::loadBeyondTheSlidersWritesNothing_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("zone");
    QTest::newRow("keys") << 0 << 0;
    QTest::newRow("mouse Around") << 1 << 0;
    QTest::newRow("mouse Logo") << 1 << 2;
}

// A hand-edited brightness and speed above what the sliders reach: the load shows them at the
// maximum and leaves the file as it is; the user's first change writes it once.
void tst_ColorWheelTool::loadBeyondTheSlidersWritesNothing()
{
    QFETCH(int, kind);
    QFETCH(int, zone);
    Profile profile(kind);
    QVERIFY(profile.xml.addLightItem(profile.path.constData(), "1",
                                     recordOf({zone, 3, 14, 14, 10, 20, 30, 0, 0, 0, 0, 1, 0, 0})));
    const QByteArray before = profile.bytes();
    FileWatch watch(profile.path);
    QVERIFY(watch.isValid());

    auto panel = openPanel(profile, kind);
    panel->setSideLightSelected(true);
    panel->setLedSelMode(zone, 3, 0);
    QCOMPARE(panel->brightnessSlider()->value(), 4);
    QCOMPARE(panel->speedSlider()->value(), 4);
    QVERIFY(!watch.rewritten());
    QCOMPARE(watch.writes(), 0);
    QCOMPARE(profile.bytes(), before);

    panel->brightnessSlider()->setValue(2);
    QCOMPARE(watch.writes(), 1);
    colorInfoData stored;
    QVERIFY(profile.item(1, zone, 3, &stored));
    QCOMPARE(stored.ledBrightness, 2);
}

void tst_ColorWheelTool::guards()
{
    Profile profile(0);
    QVERIFY(profile.xml.addLightItem(profile.path.constData(), "1",
                                     recordOf({0, 1, 3, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0})));
    QVERIFY(profile.xml.addLightItem(profile.path.constData(), "1",
                                     recordOf({1, 1, 3, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0})));

    // Not enabled: no zone has placed the sliders yet.
    {
        auto panel = openPanel(profile, 0);
        QSignalSpy changed(panel.get(), &ColorWheelTool::sigLightConfigHaveChanged);
        const FileWatch watch(profile.path);
        panel->brightnessSlider()->setValue(1);
        QCOMPARE(changed.count(), 0);
        QVERIFY(!watch.rewritten());
    }
    // The side strip while the device page has not chosen it.
    {
        auto panel = openPanel(profile, 0);
        panel->setSideLightSelected(false);
        panel->setLedSelMode(1, 1, 0);
        QSignalSpy changed(panel.get(), &ColorWheelTool::sigLightConfigHaveChanged);
        const FileWatch watch(profile.path);
        panel->brightnessSlider()->setValue(1);
        QCOMPARE(changed.count(), 0);
        QVERIFY(!watch.rewritten());
    }
    // The wheel held: the release stores and reports once.
    {
        auto panel = openPanel(profile, 0);
        panel->setLedSelMode(0, 1, 0);
        QSignalSpy changed(panel.get(), &ColorWheelTool::sigLightConfigHaveChanged);
        const FileWatch watch(profile.path);
        emit panel->colorArea()->sigMouseIsPress(true);
        panel->brightnessSlider()->setValue(1);
        emit panel->colorArea()->sigGetRGB(0, 0, 255);
        QCOMPARE(changed.count(), 0);
        QVERIFY(!watch.rewritten());
        emit panel->colorArea()->sigMouseIsPress(false);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 0);
        QVERIFY(watch.rewritten());
        colorInfoData item;
        QVERIFY(profile.item(1, 0, 1, &item));
        QCOMPARE(fieldsOf(item), (Record{0, 1, 1, 3, 0, 0, 255, 0, 0, 0, 0, 1, 0, 0}));
    }
    // A zone whose effect has no item: reported, not stored.
    {
        auto panel = openPanel(profile, 0);
        panel->setLedSelMode(0, 9, 0);
        QSignalSpy changed(panel.get(), &ColorWheelTool::sigLightConfigHaveChanged);
        const FileWatch watch(profile.path);
        panel->brightnessSlider()->setValue(1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 2);
        QVERIFY(!watch.rewritten());
        QVERIFY(!profile.item(1, 0, 9, nullptr));
    }
}

void tst_ColorWheelTool::wheelDragStoresOnceAtRelease()
{
    Profile profile(0);
    auto panel = openPanel(profile, 0);
    panel->setLedSelMode(0, 0, 0);
    panel->setLedType(0, 0);
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    emit child<BasicColorArea>(*panel, "widget_BasicColor")->colorItemSelcSignal(QColor(255, 0, 0));

    QSignalSpy changed(panel.get(), &ColorWheelTool::sigLightConfigHaveChanged);
    const FileWatch watch(profile.path);
    SVColorArea *wheel = panel->colorArea();
    // Straight below the centre the handle stands at 50; straight left at 25.
    sendMouse(wheel, QEvent::MouseButtonPress, QPoint(79, 155));
    wheel->repaint();
    QCOMPARE(fieldsText(*panel), QStringLiteral("127,0,0"));
    sendMouse(wheel, QEvent::MouseMove, QPoint(5, 79));
    wheel->repaint();
    QCOMPARE(fieldsText(*panel), QStringLiteral("191,0,0"));
    QCOMPARE(changed.count(), 0);
    QVERIFY(!watch.rewritten());

    sendMouse(wheel, QEvent::MouseButtonRelease, QPoint(5, 79));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 0);
    QVERIFY(watch.rewritten());
    colorInfoData item;
    QVERIFY(profile.item(1, 0, 0, &item));
    QCOMPARE((Record{item.ledModeR, item.ledModeG, item.ledModeB}), (Record{191, 0, 0}));

    // Repaints afterwards change nothing.
    const FileWatch after(profile.path);
    wheel->repaint();
    QCOMPARE(changed.count(), 1);
    QVERIFY(!after.rewritten());
}

void tst_ColorWheelTool::ringValues_data()
{
    QTest::addColumn<QColor>("picked");
    QTest::addColumn<int>("ring");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("red at 1") << QColor(255, 0, 0) << 1 << QColor(252, 0, 0);
    QTest::newRow("red at 50") << QColor(255, 0, 0) << 50 << QColor(127, 0, 0);
    QTest::newRow("red at 100") << QColor(255, 0, 0) << 100 << QColor(0, 0, 0);
    QTest::newRow("orange at 1") << QColor(200, 100, 50) << 1 << QColor(252, 126, 63);
    QTest::newRow("grey at 50") << QColor(90, 90, 90) << 50 << QColor(127, 127, 127);
}

void tst_ColorWheelTool::ringValues()
{
    QFETCH(QColor, picked);
    QFETCH(int, ring);
    QFETCH(QColor, expected);
    ColorWheelTool panel;
    emit child<BasicColorArea>(panel, "widget_BasicColor")->colorItemSelcSignal(picked);
    emit panel.colorArea()->sigMoveingStatus(ring, 0);
    QCOMPARE(fieldsText(panel),
             QStringLiteral("%1,%2,%3").arg(expected.red()).arg(expected.green()).arg(expected.blue()));
    // The ring scales the picked colour, not the previous result.
    emit panel.colorArea()->sigMoveingStatus(ring == 1 ? 2 : 1, 0);
    emit panel.colorArea()->sigMoveingStatus(ring, 0);
    QCOMPARE(fieldsText(panel),
             QStringLiteral("%1,%2,%3").arg(expected.red()).arg(expected.green()).arg(expected.blue()));
}

void tst_ColorWheelTool::ringKeepsValueAndHue()
{
    ColorWheelTool panel;
    BasicColorArea *swatches = child<BasicColorArea>(panel, "widget_BasicColor");
    QLineEdit *r = child<QLineEdit>(panel, "lineEdit_R");
    QLineEdit *g = child<QLineEdit>(panel, "lineEdit_G");
    QLineEdit *b = child<QLineEdit>(panel, "lineEdit_B");
    const int levels[] = {0, 1, 64, 128, 200, 254, 255};
    int worstHue = 0;
    int worstSaturation = 0;
    for (int red : levels) {
        for (int green : levels) {
            for (int blue : levels) {
                const QColor picked(red, green, blue);
                emit swatches->colorItemSelcSignal(picked);
                for (int ring = 1; ring <= 100; ++ring) {
                    emit panel.colorArea()->sigMoveingStatus(ring, 0);
                    const QColor result(r->text().toInt(), g->text().toInt(), b->text().toInt());
                    const int value = (100 - ring) * 255 / 100;
                    QCOMPARE(qMax(result.red(), qMax(result.green(), result.blue())), value);
                    if (red == green && green == blue)
                        QVERIFY(result.red() == value && result.green() == value && result.blue() == value);
                    if (value >= 128 && picked.hsvSaturation() >= 128) {
                        int hue = qAbs(result.hsvHue() - picked.hsvHue());
                        hue = qMin(hue, 360 - hue);
                        worstHue = qMax(worstHue, hue);
                        worstSaturation = qMax(worstSaturation, qAbs(result.hsvSaturation() - picked.hsvSaturation()));
                    }
                }
            }
        }
    }
    qInfo("largest hue change %d, saturation change %d", worstHue, worstSaturation);
    QVERIFY(worstHue <= 1);
    QVERIFY(worstSaturation <= 1);
}

void tst_ColorWheelTool::chipSwitchThenRepaintChangesNothing()
{
    Profile profile(0);
    auto panel = openPanel(profile, 0);
    panel->setLedSelMode(0, 2, 0);
    panel->setLedType(2, 0);
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    QPushButton *top = child<QPushButton>(*panel, "pushButton_beforeColor");
    QPushButton *bottom = child<QPushButton>(*panel, "pushButton_afterColor");
    BasicColorArea *row = child<BasicColorArea>(*panel, "widget_BasicColor");
    QTest::mouseClick(bottom, Qt::LeftButton);
    emit row->colorItemSelcSignal(QColor(0, 0, 200));
    QTest::mouseClick(top, Qt::LeftButton);
    QCOMPARE(fieldsText(*panel), QStringLiteral("255,0,0"));

    // The ring turned to 50 on the top colour.
    SVColorArea *wheel = panel->colorArea();
    sendMouse(wheel, QEvent::MouseButtonPress, QPoint(79, 155));
    wheel->repaint();
    sendMouse(wheel, QEvent::MouseButtonRelease, QPoint(79, 155));
    QCOMPARE(fieldsText(*panel), QStringLiteral("127,0,0"));

    QSignalSpy changed(panel.get(), &ColorWheelTool::sigLightConfigHaveChanged);
    const FileWatch watch(profile.path);
    QTest::mouseClick(bottom, Qt::LeftButton);
    QCOMPARE(panel->colorSelIndex(), 1);
    QCOMPARE(fieldsText(*panel), QStringLiteral("0,0,200"));
    wheel->repaint();
    QCOMPARE(fieldsText(*panel), QStringLiteral("0,0,200"));
    QCOMPARE(changed.count(), 0);
    QVERIFY(!watch.rewritten());
    colorInfoData item;
    QVERIFY(profile.item(1, 0, 2, &item));
    QCOMPARE((Record{item.ledModeR, item.ledBgB}), (Record{127, 200}));
}

void tst_ColorWheelTool::fieldsByKeyboard()
{
    Profile profile(0);
    auto panel = openPanel(profile, 0);
    panel->setLedSelMode(0, 2, 0);
    panel->setLedType(2, 0);
    panel->show();
    QApplication::setActiveWindow(panel.get());
    QVERIFY(QTest::qWaitForWindowActive(panel.get()));
    QLineEdit *g = child<QLineEdit>(*panel, "lineEdit_G");
    QLineEdit *b = child<QLineEdit>(*panel, "lineEdit_B");
    emit child<BasicColorArea>(*panel, "widget_BasicColor")->colorItemSelcSignal(QColor(0, 0, 25));
    QCOMPARE(fieldsText(*panel), QStringLiteral("0,0,25"));

    // "256" gives the field back its own last value.
    g->setFocus();
    QTest::keyClick(g, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(g, QStringLiteral("120"));
    QCOMPARE(g->text(), QStringLiteral("120"));
    QTest::keyClick(g, Qt::Key_Tab);
    QVERIFY(b->hasFocus());
    QTest::keyClick(b, Qt::Key_End);
    QTest::keyClicks(b, QStringLiteral("6"));
    QCOMPARE(b->text(), QStringLiteral("25"));
    QCOMPARE(fieldsText(*panel), QStringLiteral("0,120,25"));

    // Digits only.
    QTest::keyClick(b, Qt::Key_Home);
    QTest::keyClicks(b, QStringLiteral("-"));
    QCOMPARE(fieldsText(*panel), QStringLiteral("0,120,25"));

    // A pasted "007" reads 7 and is written back plainly, reporting twice.
    QSignalSpy changed(panel.get(), &ColorWheelTool::sigLightConfigHaveChanged);
    b->selectAll();
    b->insert(QStringLiteral("007"));
    QCOMPARE(b->text(), QStringLiteral("7"));
    QCOMPARE(changed.count(), 2);
    for (const QList<QVariant> &report : qAsConst(changed))
        QCOMPARE(report.at(0).toInt(), 0);
    colorInfoData item;
    QVERIFY(profile.item(1, 0, 2, &item));
    QCOMPARE((Record{item.ledModeR, item.ledModeG, item.ledModeB}), (Record{0, 120, 7}));

    // An emptied field reads 0.
    QTest::keyClick(g, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(g, Qt::Key_Backspace);
    QCOMPARE(g->text(), QStringLiteral("0"));
    QVERIFY(profile.item(1, 0, 2, &item));
    QCOMPARE((Record{item.ledModeR, item.ledModeG, item.ledModeB}), (Record{0, 0, 7}));
}

void tst_ColorWheelTool::ok_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("effect");
    QTest::addColumn<QString>("send");
    QTest::newRow("keys") << 0 << 0 << 2 << "keyboard";
    QTest::newRow("side strip") << 0 << 1 << 3 << "side";
    QTest::newRow("mouse Around") << 1 << 0 << 5 << "mouse";
    QTest::newRow("mouse Scroll") << 1 << 1 << 1 << "mouse";
    QTest::newRow("mouse Logo") << 1 << 2 << 2 << "mouse";
}

void tst_ColorWheelTool::ok()
{
    QFETCH(int, kind);
    QFETCH(int, zone);
    QFETCH(int, effect);
    QFETCH(QString, send);

    Profile profile(kind);
    auto panel = openPanel(profile, kind, 2);
    panel->setSideLightSelected(zone == 1);
    panel->setLedSelMode(zone, effect, 0);
    QSignalSpy keyboard(panel.get(), &ColorWheelTool::sigSendSetKeyboardColorData);
    QSignalSpy side(panel.get(), &ColorWheelTool::sigSendSetSideColorData);
    QSignalSpy mouse(panel.get(), &ColorWheelTool::sigSendSetMouseColorData);
    QSignalSpy success(panel.get(), &ColorWheelTool::sigSetLightEffectSuccessful);
    QSignalSpy failure(panel.get(), &ColorWheelTool::sigSetLightEffectFailed);

    QTest::mouseClick(child<QPushButton>(*panel, "pushButton_OK"), Qt::LeftButton);

    QCOMPARE(keyboard.count(), send == QLatin1String("keyboard") ? 1 : 0);
    QCOMPARE(side.count(), send == QLatin1String("side") ? 1 : 0);
    QCOMPARE(mouse.count(), send == QLatin1String("mouse") ? 1 : 0);
    if (send == QLatin1String("mouse"))
        QCOMPARE(mouse.at(0).at(0).toInt(), zone);
    QCOMPARE(success.count(), 1);
    QCOMPARE(failure.count(), 0);
    QVERIFY(profile.item(2, zone, effect, nullptr));
    QCOMPARE(profile.xml.getLightUsingIndex(profile.path.constData(), "2", zone), effect);
    for (int other = 0; other < 3; ++other) {
        if (other != zone)
            QCOMPARE(profile.xml.getLightUsingIndex(profile.path.constData(), "2", other), 2);
    }
    QCOMPARE(profile.xml.getLightUsingIndex(profile.path.constData(), "1", zone), 2);
}

void tst_ColorWheelTool::okFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("profile does not parse") << "unparsable";
    QTest::newRow("no config for the profile") << "noConfig";
    QTest::newRow("no store") << "noStore";
}

void tst_ColorWheelTool::okFailures()
{
    QFETCH(QString, kind);
    Profile profile(0);
    std::unique_ptr<ColorWheelTool> panel;
    if (kind == QLatin1String("noStore")) {
        panel = std::make_unique<ColorWheelTool>();
        panel->setSpeedAndBrightnessMaxNum(4, 4);
        panel->setLedSelMode(0, 2, 0);
    } else {
        panel = openPanel(profile, 0, kind == QLatin1String("noConfig") ? 7 : 1);
        panel->setLedType(2, 0);
    }
    if (kind == QLatin1String("unparsable")) {
        QFile file(QString::fromLocal8Bit(profile.path));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("<Parameters><config index=\"1\"><light0>");
    }
    const QByteArray before = profile.bytes();
    QSignalSpy keyboard(panel.get(), &ColorWheelTool::sigSendSetKeyboardColorData);
    QSignalSpy success(panel.get(), &ColorWheelTool::sigSetLightEffectSuccessful);
    QSignalSpy failure(panel.get(), &ColorWheelTool::sigSetLightEffectFailed);

    panel->applyLightSettings();

    QCOMPARE(keyboard.count(), 1);
    QCOMPARE(success.count(), 0);
    QCOMPARE(failure.count(), 1);
    QCOMPARE(profile.bytes(), before);
}

void tst_ColorWheelTool::swatches()
{
    Profile profile(0);
    auto panel = openPanel(profile, 0);
    panel->setLedType(2, 0);
    BasicColorArea *row = child<BasicColorArea>(*panel, "widget_BasicColor");
    emit row->colorItemSelcSignal(QColor(10, 20, 30));

    emit row->sigAddColor(3);
    QList<CustomColorInfo> stored;
    profile.xml.getCustomColors(profile.path.constData(), "1", &stored);
    QCOMPARE(stored.size(), 1);
    const CustomColorInfo &c = stored.at(0);
    QCOMPARE((Record{c.index, c.actionStatus, c.colorR, c.colorG, c.colorB, c.transparentNum}),
             (Record{3, 1, 10, 20, 30, 128}));
    QCOMPARE(row->userItems().size(), 1);
    QCOMPARE(row->userItems().at(0)->index(), 3);

    // The swatches come back with the profile; another profile has its own.
    auto again = openPanel(profile, 0);
    QCOMPARE(child<BasicColorArea>(*again, "widget_BasicColor")->userItems().size(), 1);
    auto other = openPanel(profile, 0, 2);
    QCOMPARE(child<BasicColorArea>(*other, "widget_BasicColor")->userItems().size(), 0);

    emit row->sigDeleteColor(3);
    stored.clear();
    profile.xml.getCustomColors(profile.path.constData(), "1", &stored);
    QVERIFY(stored.isEmpty());

    // A swatch that the profile does not take is not shown.
    auto noConfig = openPanel(profile, 0, 7);
    BasicColorArea *noRow = child<BasicColorArea>(*noConfig, "widget_BasicColor");
    const QByteArray before = profile.bytes();
    emit noRow->sigAddColor(2);
    QVERIFY(noRow->userItems().isEmpty());
    QCOMPARE(profile.bytes(), before);

    ColorWheelTool unbound;
    BasicColorArea *unboundRow = child<BasicColorArea>(unbound, "widget_BasicColor");
    emit unboundRow->sigAddColor(2);
    QVERIFY(unboundRow->userItems().isEmpty());
}

// A swatch of another colour is one change: one report and one save of the whole colour, never
// the colours in between.
void tst_ColorWheelTool::swatchClickReportsOnce()
{
    Profile profile(0);
    auto panel = openPanel(profile, 0);
    panel->setLedSelMode(0, 2, 0);
    panel->setLedType(2, 0);
    QList<Record> reports;
    connect(panel.get(), &ColorWheelTool::sigLightConfigHaveChanged, panel.get(), [&](int code, int) {
        const colorInfoData d = panel->getColorInfoData();
        reports.append({code, d.ledModeR, d.ledModeG, d.ledModeB});
    });
    BasicColorArea *row = child<BasicColorArea>(*panel, "widget_BasicColor");
    emit row->colorItemSelcSignal(QColor(10, 20, 30));
    QCOMPARE(reports, (QList<Record>{{0, 10, 20, 30}}));
    QCOMPARE(fieldsText(*panel), QStringLiteral("10,20,30"));
    // The same colour again: nothing.
    const FileWatch watch(profile.path);
    emit row->colorItemSelcSignal(QColor(10, 20, 30));
    QCOMPARE(reports.size(), 1);
    QVERIFY(!watch.rewritten());
}

void tst_ColorWheelTool::themeAndTexts()
{
    DDataManager::getInstance()->loadThemeConfig(0);
    QCOMPARE(DDataManager::getInstance()->getThemeColor().TextCheckedColor, QStringLiteral("255,209,0"));
    ColorWheelTool panel;
    panel.applyTheme();
    const QString chip = child<QPushButton>(panel, "pushButton_beforeColor")->styleSheet();
    QVERIFY2(chip.contains(QStringLiteral("background-color: rgb(255, 0, 0);")), qPrintable(chip));
    QVERIFY2(chip.contains(QStringLiteral("QPushButton:hover{\nborder: 2px solid rgb(255,209,0);")), qPrintable(chip));
    QVERIFY2(chip.contains(QStringLiteral("QPushButton::checked{\nborder: 2px solid rgb(255,209,0);")),
             qPrintable(chip));
    QCOMPARE(panel.colorArea()->bgColor(), QColor(255, 209, 0, 255));
    QVERIFY(!panel.styleSheet().contains(QStringLiteral("%")));
    const QString buttons = child<QFrame>(panel, "frame_5")->styleSheet();
    QVERIFY(!buttons.contains(QStringLiteral("%")));
    // Qt's style sheets take an alpha only in rgba().
    const QString hover = DDataManager::getInstance()->getThemeColor().DeviceControlHoverColor;
    QVERIFY2(buttons.contains(QStringLiteral("background-color: %1;").arg(stylesheets::translucent(hover, 130))),
             qPrintable(buttons));

    // A chip repainted later keeps the theme's border.
    emit child<BasicColorArea>(panel, "widget_BasicColor")->colorItemSelcSignal(QColor(1, 2, 3));
    QVERIFY(child<QPushButton>(panel, "pushButton_beforeColor")
                ->styleSheet()
                .contains(QStringLiteral("border: 2px solid rgb(255,209,0);")));

    panel.brightnessSlider()->setTexts(QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"));
    panel.speedSlider()->setTexts(QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"));
    panel.retranslate();
    QCOMPARE((QStringList{panel.brightnessSlider()->title(), panel.brightnessSlider()->lowText(),
                          panel.brightnessSlider()->highText()}),
             (QStringList{QStringLiteral("Brightness"), QStringLiteral("Dark"), QStringLiteral("Bright")}));
    QCOMPARE(
        (QStringList{panel.speedSlider()->title(), panel.speedSlider()->lowText(), panel.speedSlider()->highText()}),
        (QStringList{QStringLiteral("Speed"), QStringLiteral("Slow"), QStringLiteral("Fast")}));
    QCOMPARE(child<QPushButton>(panel, "pushButton_OK")->text(), QStringLiteral("OK"));
    QCOMPARE(panel.width(), 200);
}

// Every picture the form's style sheets name is in the resources and drawn.
void tst_ColorWheelTool::formPicturesExist()
{
    ColorWheelTool panel;
    QStringList paths;
    const QRegularExpression url(QStringLiteral("url\\((:/[^)]+)\\)"));
    for (QWidget *w : panel.findChildren<QWidget *>()) {
        QRegularExpressionMatchIterator it = url.globalMatch(w->styleSheet());
        while (it.hasNext())
            paths.append(it.next().captured(1));
    }
    paths.removeDuplicates();
    QCOMPARE(paths.size(), 2 + 1 + 16 + 2 + 1);  // check box, full colour, directions, add button, slider
    for (const QString &path : qAsConst(paths)) {
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y) {
            for (int x = 0; x < image.width() && !drawn; ++x)
                drawn = image.pixelColor(x, y).alpha() > 0;
        }
        QVERIFY2(drawn, qPrintable(path));
    }
}

// A theme that keeps its alphas (a background image is in use): the buttons' hover rule adds its
// own alpha to the first three numbers only.
void tst_ColorWheelTool::alphaHoverColour()
{
    DDataManager *data = DDataManager::getInstance();
    data->setBgImageIsUsing(true);
    data->loadThemeConfig(0);
    ColorWheelTool panel;
    panel.applyTheme();
    data->setBgImageIsUsing(false);
    data->loadThemeConfig(0);
    const QString buttons = child<QFrame>(panel, "frame_5")->styleSheet();
    QVERIFY2(buttons.contains(QStringLiteral("background-color: rgba(34,34,34,0.5098);")), qPrintable(buttons));
    const QRegularExpression fourInRgb(QStringLiteral("rgb\\(\\s*\\d+\\s*,\\s*\\d+\\s*,\\s*\\d+\\s*,"));
    for (const QString &sheet : {panel.styleSheet(), buttons})
        QVERIFY2(!fourInRgb.match(sheet).hasMatch(), qPrintable(sheet));
}

QTEST_MAIN(tst_ColorWheelTool)
#include "tst_ColorWheelTool.moc"
