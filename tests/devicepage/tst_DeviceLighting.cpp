// SPDX-License-Identifier: GPL-3.0-or-later
// Lighting on the device page: the effect buttons and their ids, what reaches the keyboard when
// an effect is confirmed, the custom per-key lightings (defaults, the two device slots, saving),
// the light switch, the question asked before unsaved lighting is left, and a profile's Musical
// Rhythm restored with the sound capture it needs.

#include "../lighting/FakeLoopbackAudio.h"
#include "CbNotice.h"
#include "ColorWheelTool.h"
#include "CommandQueueDrain.h"
#include "CustomButton.h"
#include "DCustomLightListItem.h"
#include "DDevicePage.h"
#include "DevicePageTables.h"
#include "DTipInfoDia.h"
#include "Emulator.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "ProfileFiles.h"
#include "xmlInterface.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QtTest>

#include <cstring>

namespace {

// Generous: on a loaded machine a load or a report can take seconds; a wait ends as soon as it is met.
constexpr int kLoadTimeoutMs = 30000;
constexpr std::chrono::milliseconds kWait{20000};

hidStructInfo record(emu::DeviceId id, const QString &model, int deviceType)
{
    hidStructInfo info;
    info.vid = emu::spec(id).vendorId;
    info.pid = emu::spec(id).productId;
    std::strncpy(info.hidPath, emu::configurationPath(id).toLatin1().constData(), sizeof info.hidPath - 1);
    std::strncpy(info.hidName, model.toUtf8().constData(), sizeof info.hidName - 1);
    info.deviceType = deviceType;
    return info;
}

// A page with one emulated ZK87A loaded, as the main window sets it up.
struct LightingFixture {
    xmlInterface xml;
    QTemporaryDir dir;
    QByteArray macroPath = QFile::encodeName(dir.filePath(QStringLiteral("macro.xml")));
    QWidget window;
    DDevicePage *page = new DDevicePage(&window);
    emu::DeviceId keyboard = -1;

    bool load(bool plugDevice = true)
    {
        page->setMacroXml(macroPath.constData(), &xml);
        page->setMainWindow(&window);
        window.resize(900, 600);
        if (!plugDevice)
            return true;
        emu::DeviceSpec spec = emu::keyboardSpec(QStringLiteral("ZK87A"));
        spec.serial = QByteArray(32, 'a');
        keyboard = emu::plug(spec);
        page->setHidStructInfoList({record(keyboard, QStringLiteral("ZK87A"), 0)});
        if (!QTest::qWaitFor(
                [&] {
                    return !page->profileXmlPath().isEmpty()
                           && child<QStackedWidget>("stackedWidget_KeyboardArea")->currentWidget()
                                  == child<QWidget>("page_KeyboardShow");
                },
                kLoadTimeoutMs))
            return false;
        // The load applies the profile and sends its lighting; those reports come first.
        return drained();
    }
    // Every report queued for the keyboard so far has been written to it.
    bool drained() const
    {
        return drain::commandsWritten(page->deviceLink(emu::configurationPath(keyboard)), keyboard);
    }
    // The keyboard's log starts empty here, after everything queued before has reached it.
    bool startLog() const
    {
        if (!drained())
            return false;
        emu::clearWritten(keyboard);
        return true;
    }
    template <typename T = QWidget>
    T *child(const char *name) const
    {
        return page->findChild<T *>(QLatin1String(name));
    }
    ColorWheelTool *tool() const { return page->findChild<ColorWheelTool *>(); }
    QByteArray path() const { return page->profileXmlPath(); }
    void showLightingPage() { child<QPushButton>("pushButton_Led")->click(); }
    QList<DCustomLightListItem *> rows() const
    {
        QList<DCustomLightListItem *> list = page->findChildren<DCustomLightListItem *>();
        std::sort(list.begin(), list.end(), [](DCustomLightListItem *a, DCustomLightListItem *b) {
            return a->getCustomLightIndex() < b->getCustomLightIndex();
        });
        return list;
    }
    QList<CustomLedInfo> leds()
    {
        QList<CustomLedInfo> list;
        xml.getCustomLeds(path().constData(), "1", &list);
        return list;
    }
    QVector<emu::WrittenReport> commands(uint8_t command) const { return emu::writtenCommand(keyboard, command); }
};

colorInfoData effect(int zone, int ledType)
{
    colorInfoData r;
    r.ledKeyboardOrSide = zone;
    r.ledType = ledType;
    r.ledBrightness = 4;
    r.ledSpeed = 2;
    r.ledModeR = 255;
    r.ledModeType = 1;
    return r;
}

}  // namespace

class tst_DeviceLighting : public QObject
{
    Q_OBJECT

private slots:
    void init() { emu::reset(); }
    void cleanup() { emu::reset(); }

    void effectIdMaps();
    void confirmedEffectsReachTheKeyboard();
    void lightChangeOnlyCountsOnTheLightingPage();
    void customLightDefaultsByKeyCount_data();
    void customLightDefaultsByKeyCount();
    void usingSlots_data();
    void usingSlots();
    void usingBoxKeepsTheLightShown();
    void savedCustomLightKeepsRealColouredKeys();
    void lightSwitch();
    void noDeviceChangesNothing();
    void savePrompt_data();
    void savePrompt();
    void profileRestoresMusicalRhythm();
    void rhythmWithoutSoundSaysSoOnce();
};

void tst_DeviceLighting::effectIdMaps()
{
    using namespace DevicePageTables;
    // Every shown button maps to its effect and back.
    for (int button = 0; button < 18; ++button) {
        if (keyEffectIds[button].keyboard >= 0)
            QCOMPARE(keyboardEffectButton(keyEffectIds[button].keyboard), button);
        if (keyEffectIds[button].mouseAround >= 0)
            QCOMPARE(mouseAroundEffectButton(keyEffectIds[button].mouseAround), button);
    }
    for (int button = 0; button < 5; ++button)
        QCOMPARE(sideEffectButton(sideEffectIds[button]), button);
    // Spot checks against the effect numbering.
    QCOMPARE(keyEffectIds[4].keyboard, 9);      // Twinkle
    QCOMPARE(keyEffectIds[4].mouseAround, 6);   //
    QCOMPARE(keyEffectIds[11].keyboard, 10);    // Custom
    QCOMPARE(keyEffectIds[13].mouseAround, 7);  // DPI
    QCOMPARE(keyEffectIds[14].keyboard, 100);   // Musical Rhythm
    QCOMPARE(sideEffectIds[1], 4);              // side Neon
    // Ids without a button.
    QCOMPARE(keyboardEffectButton(13), -1);
    QCOMPARE(keyboardEffectButton(-1), -1);
    QCOMPARE(mouseAroundEffectButton(9), -1);
    QCOMPARE(sideEffectButton(5), -1);
}

void tst_DeviceLighting::confirmedEffectsReachTheKeyboard()
{
    LightingFixture f;
    QVERIFY(f.load());
    f.showLightingPage();
    QVERIFY(f.startLog());

    // A key effect: one 0x07 with the record's bytes.
    f.tool()->setColorInfoData(effect(0, 2));
    QVERIFY(QMetaObject::invokeMethod(f.page, "onSendSetKeyboardColorData"));
    QVERIFY(emu::waitForCommand(f.keyboard, 0x07, kWait));
    QCOMPARE(f.commands(0x07).size(), 1);
    const QByteArray key = f.commands(0x07).first().data;
    QCOMPARE(key.left(18).toHex(' '), QByteArray("01 07 00 00 00 0e 02 04 02 ff 00 00 00 00 00 00 01 00"));

    // A side effect: one 0x08, and nothing else.
    QVERIFY(f.startLog());
    f.tool()->setColorInfoData(effect(1, 4));
    QVERIFY(QMetaObject::invokeMethod(f.page, "onSendSetSideColorData"));
    QVERIFY(emu::waitForCommand(f.keyboard, 0x08, kWait));
    QVERIFY(f.drained());
    QCOMPARE(f.commands(0x08).size(), 1);
    QCOMPARE(int(uchar(f.commands(0x08).first().data.at(5))), 0x0D);
    QCOMPARE(f.commands(0x07).size(), 0);

    // The custom effect: eight 0x09 packets, then 0x07.
    f.child<QAbstractButton>("toolButton_CustomLed")->click();
    QVERIFY(f.startLog());
    f.tool()->setColorInfoData(effect(0, 10));
    QVERIFY(QMetaObject::invokeMethod(f.page, "onSendSetKeyboardColorData"));
    QVERIFY(emu::waitForCommand(f.keyboard, 0x07, kWait));
    QVector<int> order;
    for (const emu::WrittenReport &report : emu::written(f.keyboard)) {
        const int command = uchar(report.data.at(1));
        if (command == 0x09 || command == 0x07)
            order.append(command == 0x09 ? uchar(report.data.at(4)) : 0x07);
    }
    QCOMPARE(order, (QVector<int>{0, 1, 2, 3, 4, 5, 6, 7, 0x07}));
    for (const emu::WrittenReport &report : f.commands(0x09))
        QVERIFY(uchar(report.data.at(2)) <= 2);
}

void tst_DeviceLighting::lightChangeOnlyCountsOnTheLightingPage()
{
    LightingFixture f;
    QVERIFY(f.load());
    f.child<QAbstractButton>("toolButton_Wave")->click();
    QVERIFY(!f.page->isLightChanged());
    f.showLightingPage();
    f.child<QAbstractButton>("toolButton_Wave")->click();
    QVERIFY(f.page->isLightChanged());
    QVERIFY(QMetaObject::invokeMethod(f.page, "onSetLightEffectSuccessful"));
    QVERIFY(!f.page->isLightChanged());
}

void tst_DeviceLighting::customLightDefaultsByKeyCount_data()
{
    QTest::addColumn<int>("keyCount");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("alphabetKeys");
    QTest::addColumn<int>("wasdKeys");
    QTest::newRow("104") << 104 << "customLightDefaultConfig.xml" << 33 << 8;
    QTest::newRow("69 takes 84") << 69 << "customLightDefaultConfig_84.xml" << 33 << 8;
    QTest::newRow("61 has no arrows") << 61 << "customLightDefaultConfig_61.xml" << 33 << 4;
    QTest::newRow("34 number pad") << 34 << "customLightDefaultConfig_34.xml" << 11 << 4;
}

void tst_DeviceLighting::customLightDefaultsByKeyCount()
{
    QFETCH(int, keyCount);
    QFETCH(QString, file);
    QFETCH(int, alphabetKeys);
    QFETCH(int, wasdKeys);
    QCOMPARE(ProfileFiles::customLightDefaultFile(keyCount), file);
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("profile.xml")));
    xmlInterface xml;
    xml.createXmlFile(path.constData());
    xml.addProfileConfig(path.constData(), "1", "Profile1", "", "", 0);
    ProfileFiles::addDefaultCustomLights(&xml, path, 1, keyCount);
    QList<CustomLedInfo> leds;
    xml.getCustomLeds(path.constData(), "1", &leds);
    QCOMPARE(leds.size(), 5);
    QCOMPARE(QByteArray(leds.at(0).name), QByteArray("Alphabets"));
    QCOMPARE(QByteArray(leds.at(1).name), QByteArray("WASD+Arrows"));
    QCOMPARE(QByteArray(leds.at(4).name), QByteArray("Custom 5"));
    QCOMPARE(leds.at(1).usingFlagIndex, 1);
    QCOMPARE(leds.at(2).usingFlagIndex, -1);
    QList<CustomLedItemInfo> items;
    xml.getCustomLedItems(path.constData(), "1", "0", &items);
    QCOMPARE(items.size(), alphabetKeys);
    items.clear();
    xml.getCustomLedItems(path.constData(), "1", "1", &items);
    QCOMPARE(items.size(), wasdKeys);
}

void tst_DeviceLighting::usingSlots_data()
{
    // Flags of the five custom lights before (-1 not in use), the row whose box is clicked and
    // whether it is checked; the flags after, and the slot and darkness of what is sent.
    QTest::addColumn<QVector<int>>("before");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<bool>("isUsing");
    QTest::addColumn<QVector<int>>("after");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("dark");
    // Custom lights 0 and 1 have keys; 2 to 4 are empty.
    QTest::newRow("third takes slot 1") << QVector<int>{-1, 0, 1, -1, -1} << 0 << true << QVector<int>{1, 0, -1, -1, -1}
                                        << 1 << false;
    QTest::newRow("free slot 0") << QVector<int>{-1, 1, -1, -1, -1} << 0 << true << QVector<int>{0, 1, -1, -1, -1} << 0
                                 << false;
    QTest::newRow("free slot 1") << QVector<int>{-1, 0, -1, -1, -1} << 0 << true << QVector<int>{1, 0, -1, -1, -1} << 1
                                 << false;
    QTest::newRow("none in use") << QVector<int>{-1, -1, -1, -1, -1} << 1 << true << QVector<int>{-1, 0, -1, -1, -1}
                                 << 0 << false;
    QTest::newRow("edited: neither holds slot 1")
        << QVector<int>{-1, 0, 0, -1, -1} << 0 << true << QVector<int>{1, 0, -1, -1, -1} << 1 << false;
    QTest::newRow("unchecking darkens its slot")
        << QVector<int>{0, 1, -1, -1, -1} << 1 << false << QVector<int>{0, -1, -1, -1, -1} << 1 << true;
}

void tst_DeviceLighting::usingSlots()
{
    QFETCH(QVector<int>, before);
    QFETCH(int, clicked);
    QFETCH(bool, isUsing);
    QFETCH(QVector<int>, after);
    QFETCH(int, slot);
    QFETCH(bool, dark);
    LightingFixture f;
    QVERIFY(f.load());
    f.showLightingPage();
    for (int i = 0; i < before.size(); ++i) {
        const QByteArray index = QByteArray::number(i);
        f.xml.setCustomLedUsing(f.path().constData(), "1", index.constData(), before[i] >= 0 ? "Using" : "UnUsing",
                                before[i]);
    }
    f.page->reloadCustomLightList();
    const QList<DCustomLightListItem *> rows = f.rows();
    QCOMPARE(rows.size(), 5);
    QVERIFY(f.startLog());
    QVERIFY(QMetaObject::invokeMethod(rows.at(clicked), "sigCustomLightUsingStatus", Q_ARG(bool, isUsing)));
    QVERIFY(emu::waitForCommand(f.keyboard, 0x07, kWait));

    const QList<CustomLedInfo> leds = f.leds();
    for (int i = 0; i < after.size(); ++i) {
        QCOMPARE(leds.at(i).usingFlagIndex, after[i]);
        QCOMPARE(QByteArray(leds.at(i).isUsing), after[i] >= 0 ? QByteArray("Using") : QByteArray("UnUsing"));
    }
    const QVector<emu::WrittenReport> packets = f.commands(0x09);
    QCOMPARE(packets.size(), 8);
    bool allDark = true;
    for (const emu::WrittenReport &packet : packets) {
        QCOMPARE(int(uchar(packet.data.at(2))), slot);
        allDark = allDark && packet.data.mid(6, uchar(packet.data.at(5))) == QByteArray(uchar(packet.data.at(5)), 0);
    }
    QCOMPARE(allDark, dark);
}

void tst_DeviceLighting::usingBoxKeepsTheLightShown()
{
    LightingFixture f;
    QVERIFY(f.load());
    f.showLightingPage();
    f.child<QAbstractButton>("toolButton_CustomLed")->click();
    QList<DCustomLightListItem *> rows = f.rows();
    QCOMPARE(rows.size(), 5);
    QVERIFY(rows.at(0)->isSelected());
    QList<CustomLedItemInfo> before;
    f.xml.getCustomLedItems(f.path().constData(), "1", "0", &before);
    QVERIFY(before.size() > 10);
    keyboardButCustom *q = f.page->findChild<keyboardPage *>()->getKeyButtonMap().value(20);
    QVERIFY(q);
    const QColor blue(0, 0, 255);

    // "Alphabets" taken out of use: its device slot goes dark, the light itself stays on the keys
    // and in the file, and confirming the effect keeps it.
    QVERIFY(f.startLog());
    rows.at(0)->findChild<QCheckBox *>()->click();
    QVERIFY(emu::waitForCommand(f.keyboard, 0x07, kWait));
    QCOMPARE(QByteArray(f.leds().at(0).isUsing), QByteArray("UnUsing"));
    QCOMPARE(q->paintColor().rgb(), blue.rgb());
    f.tool()->findChild<QAbstractButton *>("pushButton_OK")->click();
    QList<CustomLedItemInfo> after;
    f.xml.getCustomLedItems(f.path().constData(), "1", "0", &after);
    QCOMPARE(after.size(), before.size());
    QCOMPARE(q->paintColor().rgb(), blue.rgb());

    // Taken into use again: its light goes out to slot 0, the keys keep showing it.
    QVERIFY(f.startLog());
    f.rows().at(0)->findChild<QCheckBox *>()->click();
    QVERIFY(emu::waitForCommand(f.keyboard, 0x07, kWait));
    const QVector<emu::WrittenReport> packets = f.commands(0x09);
    QCOMPARE(packets.size(), 8);
    QCOMPARE(int(uchar(packets.first().data.at(2))), 0);
    QCOMPARE(q->paintColor().rgb(), blue.rgb());
}

void tst_DeviceLighting::savedCustomLightKeepsRealColouredKeys()
{
    LightingFixture f;
    QVERIFY(f.load());
    f.showLightingPage();
    f.page->reloadCustomLightList();
    // Custom light 2 is not in use: it goes out to slot 2.
    QVERIFY(QMetaObject::invokeMethod(f.rows().at(2), "sigCustomLightItemMouseClicked", Q_ARG(QString, "2"),
                                      Q_ARG(QString, "Custom 3")));
    auto *view = f.page->findChild<keyboardPage *>();
    QVERIFY(view);
    const QList<keyboardButCustom *> keys = view->getKeyButtons();
    QCOMPARE(keys.size(), 132);
    int quoteCell = -1, dummyCell = -1, plainCell = -1;
    for (int i = 0; i < keys.size(); ++i) {
        const int code = keys.at(i)->getKeyDec();
        if (code == 52 && quoteCell < 0)
            quoteCell = i;
        else if (code == 0 && dummyCell < 0)
            dummyCell = i;
        else if (code == 4 && plainCell < 0)
            plainCell = i;
    }
    QVERIFY2(quoteCell >= 0 && dummyCell >= 0 && plainCell >= 0,
             qPrintable(QStringLiteral("%1 %2 %3").arg(quoteCell).arg(dummyCell).arg(plainCell)));
    for (keyboardButCustom *key : keys)
        key->setPaintColor(QColor(0, 0, 0, 128));
    keys.at(quoteCell)->setPaintColor(QColor(1, 2, 3));
    // A cell without a key (code -1) is never stored, however it is coloured.
    keys.at(dummyCell)->setKeyInfo({-1, QString()});
    keys.at(dummyCell)->setPaintColor(QColor(9, 9, 9));
    keys.at(plainCell)->setPaintColor(QColor(200, 100, 50));
    QVERIFY(f.startLog());
    f.page->saveCustomLight();

    QList<CustomLedItemInfo> items;
    f.xml.getCustomLedItems(f.path().constData(), "1", "2", &items);
    QCOMPARE(items.size(), 2);
    QMap<int, CustomLedItemInfo> byCode;
    for (const CustomLedItemInfo &item : items)
        byCode.insert(QByteArray(item.keyCode).toInt(), item);
    QVERIFY(byCode.contains(52) && byCode.contains(4));
    QCOMPARE(QByteArray(byCode[52].codeName), QByteArray("' \""));
    QCOMPARE(byCode[4].indexX * 22 + byCode[4].indexY, plainCell);
    QCOMPARE(byCode[4].colorR, 200);
    QCOMPARE(byCode[4].transparentNum, 128);
    QVERIFY(emu::waitForCommand(f.keyboard, 0x07, kWait));
    for (const emu::WrittenReport &packet : f.commands(0x09))
        QCOMPARE(int(uchar(packet.data.at(2))), 2);
}

void tst_DeviceLighting::lightSwitch()
{
    LightingFixture f;
    QVERIFY(f.load());
    f.showLightingPage();
    auto *button = f.child<QPushButton>("pushButton_LightOnOff");
    const int usingIndex = f.xml.getLightUsingIndex(f.path().constData(), "1", 0);

    // With an item for the effect in use: the file first, then one 0x07 with the new state.
    QVERIFY(f.startLog());
    const int wasOff = f.xml.getLightSwitch(f.path().constData(), "1");
    button->click();
    QCOMPARE(f.xml.getLightSwitch(f.path().constData(), "1"), 1 - wasOff);
    colorInfoData item{};
    QVERIFY(f.xml.getLightItem(f.path().constData(), "1", 0, usingIndex, &item));
    QCOMPARE(item.ledOpenOrClose, 1 - wasOff);
    QVERIFY(emu::waitForCommand(f.keyboard, 0x07, kWait));
    QCOMPARE(int(uchar(f.commands(0x07).last().data.at(17))), 1 - wasOff);
    QCOMPARE(int(uchar(f.commands(0x07).last().data.at(6))), usingIndex);

    // Without an item for the effect in use nothing happens at all.
    f.xml.setLightUsingIndex(f.path().constData(), "1", 0, 77);
    QFileInfo before(QFile::decodeName(f.path()));
    const QDateTime modified = before.lastModified();
    QVERIFY(f.startLog());
    button->click();
    QVERIFY(f.drained());
    QCOMPARE(f.commands(0x07).size(), 0);
    QCOMPARE(f.xml.getLightSwitch(f.path().constData(), "1"), 1 - wasOff);
    before.refresh();
    QCOMPARE(before.lastModified(), modified);
}

void tst_DeviceLighting::noDeviceChangesNothing()
{
    LightingFixture f;
    QVERIFY(f.load(false));
    auto *box = f.child<QCheckBox>("checkBox_LightSynchronize");
    box->click();
    QVERIFY(!box->isChecked());
    f.child<QPushButton>("pushButton_LightOnOff")->click();
    QVERIFY(f.page->isLightOn());
}

void tst_DeviceLighting::savePrompt_data()
{
    QTest::addColumn<QString>("button");  // empty: Escape
    QTest::addColumn<int>("result");
    QTest::newRow("save") << "pushButton_Save(Changed)?" << 1;
    QTest::newRow("discard") << "pushButton_Discard" << 2;
    QTest::newRow("close") << "pushButton_Close" << 0;
    QTest::newRow("escape") << QString() << 0;
}

void tst_DeviceLighting::savePrompt()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    LightingFixture f;
    QVERIFY(f.load(false));
    f.window.show();
    QTimer::singleShot(200, [&] {
        auto *dialog = f.page->findChild<DTipInfoDia *>();
        QVERIFY(dialog && dialog->isVisible());
        // The mask covers the window while the question is shown.
        QCOMPARE(f.window.findChildren<QWidget *>(QStringLiteral("widget"), Qt::FindDirectChildrenOnly).size(), 1);
        if (button.isEmpty()) {
            QTest::keyClick(dialog, Qt::Key_Escape);
        } else {
            const QList<QPushButton *> targets =
                dialog->findChildren<QPushButton *>(QRegularExpression(QLatin1Char('^') + button + '$'));
            QCOMPARE(targets.size(), 1);
            QPushButton *target = targets.first();
            target->click();
        }
    });
    QCOMPARE(f.page->showTipInfoDia(), result);
    QCOMPARE(f.window.findChildren<QWidget *>(QStringLiteral("widget"), Qt::FindDirectChildrenOnly).size(), 0);
}

void tst_DeviceLighting::profileRestoresMusicalRhythm()
{
    FakeAudioLog audio;  // made before the page, whose lighting engine takes its capture from it
    LightingFixture f;
    QVERIFY(f.load());
    auto *rhythm = f.child<CustomButton>("toolButton_MusicalRhythm");
    QVERIFY(rhythm);
    QVERIFY(audio.last);
    QVERIFY(!audio.last->isRunning());

    // The profile's stored key effect is Musical Rhythm: applying it starts the capture and shows
    // the effect chosen, whichever page is shown.
    if (!f.xml.hasLightItem(f.path().constData(), "1", 0, 100))
        QVERIFY(f.xml.addLightItem(f.path().constData(), "1", effect(0, 100)));
    for (bool lightingPage : {false, true}) {
        if (lightingPage)
            f.showLightingPage();
        QVERIFY(f.xml.setLightUsingIndex(f.path().constData(), "1", 0, 100));
        f.page->applyKeyboardProfile(1);
        QVERIFY2(audio.last && audio.last->isRunning(), lightingPage ? "lighting page" : "keys page");
        QVERIFY(rhythm->isSelected());
        QCOMPARE(f.xml.getLightUsingIndex(f.path().constData(), "1", 0), 100);

        // A profile with another key effect stops it again.
        QVERIFY(f.xml.setLightUsingIndex(f.path().constData(), "1", 0, 2));
        f.page->applyKeyboardProfile(1);
        QVERIFY(audio.last && !audio.last->isRunning());
    }
}

void tst_DeviceLighting::rhythmWithoutSoundSaysSoOnce()
{
    FakeAudioLog audio;  // made before the page, whose lighting engine takes its capture from it
    audio.failStarts = true;
    LightingFixture f;
    QVERIFY(f.load());
    auto *toast = f.page->findChild<CbNotice *>();
    const QString notice =
        DDevicePage::tr("The sound cannot be captured: Musical Rhythm needs a running sound server.");
    f.showLightingPage();
    QVERIFY(toast->text() != notice);
    f.child<QAbstractButton>("toolButton_MusicalRhythm")->click();
    QCOMPARE(toast->text(), notice);

    // Once: neither choosing it again nor coming back to the lighting page repeats it.
    toast->showText(QString());
    f.child<QAbstractButton>("toolButton_Wave")->click();
    f.child<QAbstractButton>("toolButton_MusicalRhythm")->click();
    f.page->clearLightChanged();
    f.child<QPushButton>("pushButton_Custom")->click();
    f.showLightingPage();
    QCOMPARE(toast->text(), QString());
}

QTEST_MAIN(tst_DeviceLighting)
#include "tst_DeviceLighting.moc"
