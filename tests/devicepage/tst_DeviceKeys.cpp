// SPDX-License-Identifier: GPL-3.0-or-later
// Keys and mouse buttons on the device page, with an emulated keyboard and mouse: which page a
// key's stored assignment opens, the marks of assigned keys, what the mouse receives for a saved
// button (0x47, a macro as a paced series), its rate and reset (with the captions it restores),
// the DPI key of a mouse that is not shown, the profiles' copies of a changed macro, and that
// applying a profile writes nothing.

#include "CbNotice.h"
#include "CommandQueueDrain.h"
#include "DChangeKeyPage.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDeviceListItem.h"
#include "DDevicePage.h"
#include "DevicePageDpiPresses.h"
#include "DMousePage.h"
#include "DMousePerformanceView.h"
#include "DMultimediaPage.h"
#include "Emulator.h"
#include "FileWatch.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "RecordText.h"
#include "xmlInterface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QtTest>

#include <chrono>
#include <cstring>

namespace {

using namespace std::chrono_literals;
// Generous: on a loaded machine a load or a report can take seconds; a wait ends as soon as it is met.
constexpr int kLoadTimeoutMs = 30000;
constexpr int kWaitMs = 20000;
constexpr std::chrono::milliseconds kWait{kWaitMs};

hidStructInfo record(emu::DeviceId id, const char *model, int deviceType)
{
    hidStructInfo info;
    info.vid = emu::spec(id).vendorId;
    info.pid = emu::spec(id).productId;
    std::strncpy(info.hidPath, emu::configurationPath(id).toLatin1().constData(), sizeof info.hidPath - 1);
    std::strncpy(info.hidName, model, sizeof info.hidName - 1);
    info.deviceType = deviceType;
    return info;
}

MacroEventInfo macroStep(int keyCode, bool down)
{
    MacroEventInfo e;
    setRecordText(e.type, "key");
    setRecordText(e.keyCode, QByteArray::number(keyCode));
    setRecordText(e.operateExplain, down ? "down" : "up");
    setRecordText(e.delay, "20");
    return e;
}

struct KeysFixture {
    xmlInterface xml;
    QTemporaryDir dir;
    QByteArray macroPath = QFile::encodeName(dir.filePath(QStringLiteral("macro.xml")));
    QWidget window;
    DDevicePage *page = new DDevicePage(&window);
    emu::DeviceId keyboard = -1;
    emu::DeviceId mouse = -1;

    KeysFixture()
    {
        xml.createXmlFile(macroPath.constData());
        page->setMacroXml(macroPath.constData(), &xml);
        page->setMainWindow(&window);
        window.resize(1200, 800);
    }
    bool plug(bool withKeyboard, bool withMouse)
    {
        QList<hidStructInfo> list;
        if (withKeyboard) {
            emu::DeviceSpec spec = emu::keyboardSpec(QStringLiteral("ZK87A"));
            spec.serial = QByteArray(32, 'a');
            keyboard = emu::plug(spec);
            list.append(record(keyboard, "ZK87A", 0));
        }
        if (withMouse) {
            mouse = emu::plug(emu::mouseSpec());
            list.append(record(mouse, "ZM1", 1));
        }
        page->setHidStructInfoList(list);
        if (!QTest::qWaitFor([&] { return !page->profileXmlPath().isEmpty(); }, kLoadTimeoutMs))
            return false;
        // The reports the load sends (the profile's rate, lighting, DPI) reach the devices first.
        return (!withKeyboard || drained(keyboard)) && (!withMouse || drained(mouse));
    }
    // Every report queued for the device so far has been written to it.
    bool drained(emu::DeviceId id) const
    {
        return drain::commandsWritten(page->deviceLink(emu::configurationPath(id)), id);
    }
    void addMacro(const char *index, const char *name, const QList<MacroEventInfo> &steps)
    {
        xml.addMacroNode(macroPath.constData(), index, name);
        xml.addMacroItems(macroPath.constData(), steps, index);
    }
    template <typename T = QWidget>
    T *child(const char *name) const
    {
        return page->findChild<T *>(QLatin1String(name));
    }
    QByteArray path() const { return page->profileXmlPath(); }
    QString shownPage() const
    {
        return child<QStackedWidget>("stackedWidget_Customize")->currentWidget()->objectName();
    }
    QString toolPage() const { return child<QStackedWidget>("stackedWidget_Tool")->currentWidget()->objectName(); }
    void store(int keyCode, const char *operateType, const char *value, const char *mode = "1")
    {
        const QByteArray code = QByteArray::number(keyCode);
        xml.replaceKeyMapItem(path().constData(), "1", code.constData(), "k", operateType, "1", mode, value);
    }
    void clickKey(int keyCode)
    {
        QMetaObject::invokeMethod(page, "onKeyboardClicked", Q_ARG(int, keyCode), Q_ARG(QString, "K"));
    }
    void clickButton(int index) { QMetaObject::invokeMethod(page, "onMouseButtonClicked", Q_ARG(int, index)); }
    void saved() { QMetaObject::invokeMethod(page, "onCustomKeyInfoSaveSuccessful"); }
    // A click on the device's row in the device list; true once it is the device shown.
    bool show(emu::DeviceId id)
    {
        const QString hidPath = emu::configurationPath(id);
        for (DDeviceListItem *row : page->findChildren<DDeviceListItem *>()) {
            if (row->getHidPath() == hidPath)
                QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(5, 5));
        }
        return QTest::qWaitFor([&] { return page->currentHidPath() == hidPath && !path().isEmpty(); }, kLoadTimeoutMs)
               && drained(id);
    }
    keyboardButCustom *button(int keyCode) const
    {
        return page->findChild<keyboardPage *>()->getKeyButtonMap().value(keyCode, nullptr);
    }
};

}  // namespace

class tst_DeviceKeys : public QObject
{
    Q_OBJECT

private slots:
    void init() { emu::reset(); }
    void cleanup() { emu::reset(); }

    void keyboardDispatch_data();
    void keyboardDispatch();
    void mouseDispatch();
    void keyPanelOfAnotherDeviceSavesNothing();
    void marks();
    void hookedKeysReachTheRemapField();
    void mouseButtonReports();
    void mouseMacroSeries();
    void mouseRateAndReset();
    void mouseRateFromFileAndSlider();
    void mouseLightAndSniper();
    void dpiKeyOfAMouseNotShown();
    void dpiBurstOfAMouseNotShown_data();
    void dpiBurstOfAMouseNotShown();
    void macroCopiesAcrossProfiles();
    void applyingLeavesTheFileAlone_data();
    void applyingLeavesTheFileAlone();
};

void tst_DeviceKeys::keyboardDispatch_data()
{
    QTest::addColumn<QByteArray>("operateType");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("tool");
    QTest::newRow("no item") << QByteArray() << "page_Default"
                             << "page_CustomList";
    QTest::newRow("remap") << QByteArray("0") << "page_RemapKey"
                           << "page_SoftKeyboard";
    QTest::newRow("macro") << QByteArray("1") << "page_Macro"
                           << "page_CustomList";
    QTest::newRow("combination") << QByteArray("2") << "page_CombinationKey"
                                 << "page_SoftKeyboard";
    QTest::newRow("multimedia") << QByteArray("3") << "page_Multimedia"
                                << "page_CustomList";
    QTest::newRow("mouse") << QByteArray("4") << "page_Mouse"
                           << "page_CustomList";
    QTest::newRow("disable") << QByteArray("5") << "page_Disable"
                             << "page_CustomList";
    QTest::newRow("text") << QByteArray("6") << "page_Text"
                          << "page_CustomList";
    QTest::newRow("switch profile") << QByteArray("7") << "page_SwitchProfile"
                                    << "page_CustomList";
    QTest::newRow("program") << QByteArray("8") << "page_OpenApp"
                             << "page_CustomList";
    QTest::newRow("shortcut") << QByteArray("9") << "page_Shortcuts"
                              << "page_CustomList";
    // Out of range: the page shown before (the Text page of key 5) stays.
    QTest::newRow("out of range") << QByteArray("12") << "page_Text"
                                  << "page_CustomList";
}

void tst_DeviceKeys::keyboardDispatch()
{
    QFETCH(QByteArray, operateType);
    QFETCH(QString, page);
    QFETCH(QString, tool);
    KeysFixture f;
    QVERIFY(f.plug(true, false));
    f.store(5, "6", "hello");
    f.clickKey(5);
    QCOMPARE(f.shownPage(), QStringLiteral("page_Text"));
    f.xml.deleteKeyMapItem(f.path().constData(), "1", "4");
    if (!operateType.isEmpty())
        f.store(4, operateType.constData(), "1");
    f.clickKey(4);
    QCOMPARE(f.shownPage(), page);
    QCOMPARE(f.toolPage(), tool);
    // The clicked key is drawn selected, the one before is not.
    QVERIFY(f.button(4)->isSelected());
    QVERIFY(!f.button(5)->isSelected());
}

void tst_DeviceKeys::mouseDispatch()
{
    KeysFixture f;
    QVERIFY(f.plug(false, true));
    f.store(16, "5", "0");  // Forward_L and Forward_R share code 16
    f.clickButton(2);
    QCOMPARE(f.shownPage(), QStringLiteral("page_Disable"));
    f.clickButton(0);
    QCOMPARE(f.shownPage(), QStringLiteral("page_Default"));
    f.clickButton(6);
    QCOMPARE(f.shownPage(), QStringLiteral("page_Disable"));
    QCOMPARE(f.toolPage(), QStringLiteral("page_MouseDpiConfig"));
    // A mouse button with an unknown function opens Default.
    f.store(8, "12", "0");
    f.clickButton(3);
    QCOMPARE(f.shownPage(), QStringLiteral("page_Default"));
}

void tst_DeviceKeys::keyPanelOfAnotherDeviceSavesNothing()
{
    KeysFixture f;
    QVERIFY(f.plug(true, true));
    QVERIFY(f.show(f.mouse));
    const QByteArray mouseFile = f.path();
    // Forward_L (code 16, the code of key M on a keyboard) set to Mute in the button panel.
    f.clickButton(2);
    QVERIFY(QMetaObject::invokeMethod(f.page, "onCurIndexChanged_Key", Q_ARG(int, 6)));
    QCOMPARE(f.shownPage(), QStringLiteral("page_Multimedia"));
    auto *multimedia = f.page->findChild<DMultimediaPage *>();
    multimedia->findChild<QRadioButton *>(QStringLiteral("radioButton_mute"))->click();
    multimedia->findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
    auto *toast = f.page->findChild<CbNotice *>();
    QCOMPARE(toast->text(), QStringLiteral("Operate successful"));

    QVERIFY(f.show(f.keyboard));
    const QByteArray keyboardFile = f.path();
    QVERIFY(keyboardFile != mouseFile);
    // No panel of the mouse is left: the key panel is closed and holds no key.
    QVERIFY(f.child("frame_Custom")->isHidden());
    QCOMPARE(f.shownPage(), QStringLiteral("page_Default"));
    QCOMPARE(multimedia->currentKeyCode(), -1);

    // Its OK cannot report success, mark key M or change either file.
    FileWatch watchMouse(mouseFile);
    FileWatch watchKeyboard(keyboardFile);
    QVERIFY(watchMouse.isValid() && watchKeyboard.isValid());
    toast->showText(QString());
    multimedia->findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
    QVERIFY(toast->text() != QStringLiteral("Operate successful"));
    QVERIFY(!f.button(16)->isAssigned());
    QVERIFY(!watchMouse.rewritten());
    QVERIFY(!watchKeyboard.rewritten());
}

void tst_DeviceKeys::marks()
{
    KeysFixture f;
    QVERIFY(f.plug(true, false));
    // Saved twice, then returned to default: unmarked.
    f.store(4, "5", "0");
    QMetaObject::invokeMethod(f.page, "onShoudUpdateKeyboard", Q_ARG(int, 4));
    QMetaObject::invokeMethod(f.page, "onShoudUpdateKeyboard", Q_ARG(int, 4));
    QVERIFY(f.button(4)->isAssigned());
    f.xml.deleteKeyMapItem(f.path().constData(), "1", "4");
    QMetaObject::invokeMethod(f.page, "onKeyboardAlreadyLoad", Q_ARG(int, 4));
    QVERIFY(!f.button(4)->isAssigned());

    // Applied while the lighting page shows: nothing marked until the keys page is back.
    f.store(6, "5", "0");
    f.child<QAbstractButton>("pushButton_Led")->click();
    f.page->applyKeyboardProfile(1);
    QVERIFY(!f.button(6)->isAssigned());
    f.child<QAbstractButton>("pushButton_Custom")->click();
    QVERIFY(f.button(6)->isAssigned());
}

void tst_DeviceKeys::hookedKeysReachTheRemapField()
{
    KeysFixture f;
    QVERIFY(f.plug(true, false));
    f.window.show();
    QApplication::setActiveWindow(&f.window);
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    f.clickKey(4);
    QVERIFY(QMetaObject::invokeMethod(f.page, "onCurIndexChanged_Key", Q_ARG(int, 2)));
    auto *field = f.page->findChild<DChangeKeyPage *>()->findChild<QLineEdit *>(QStringLiteral("lineEdit_changForKey"));
    QTRY_VERIFY(field->hasFocus());
    const auto hooked = [&](int usage, int down) { emit f.page->sigHookKeyboardRecviveStreamToDevice(0, usage, down); };

    hooked(5, 0);  // a release enters nothing
    QCOMPARE(field->text(), QString());
    hooked(5, 1);
    QCOMPARE(field->text(), QStringLiteral("B"));
    hooked(5, 0);
    QCOMPARE(field->text(), QStringLiteral("B"));

    // While the lighting page shows, hooked keys reach no page.
    f.child<QAbstractButton>("pushButton_Led")->click();
    hooked(6, 1);
    hooked(6, 0);
    QCOMPARE(field->text(), QStringLiteral("B"));
}

void tst_DeviceKeys::mouseButtonReports()
{
    KeysFixture f;
    QVERIFY(f.plug(false, true));
    // Centre click set to the right button.
    f.clickButton(5);
    f.store(4, "4", "2");
    emu::clearWritten(f.mouse);
    f.saved();
    QVERIFY(emu::waitForCommand(f.mouse, 0x47, kWait));
    QCOMPARE(emu::writtenCommand(f.mouse, 0x47).first().data.left(17).toHex(' '),
             QByteArray("01 47 00 00 00 3a 01 00 00 00 00 00 00 00 02 00 00"));
    // A text on a mouse button is carried out by the computer: nothing is sent.
    f.store(4, "6", "hello");
    emu::clearWritten(f.mouse);
    f.saved();
    QVERIFY(f.drained(f.mouse));
    QCOMPARE(emu::writtenCommand(f.mouse, 0x47).size(), 0);
}

void tst_DeviceKeys::mouseMacroSeries()
{
    KeysFixture f;
    QVERIFY(f.plug(false, true));
    QList<MacroEventInfo> steps;
    for (int i = 0; i < 13; ++i)
        steps.append(macroStep(4 + i, i % 2 == 0));
    f.addMacro("3", "M3", steps);
    QList<MacroEventInfo> longSteps;
    for (int i = 0; i < 51; ++i)
        longSteps.append(macroStep(4, i % 2 == 0));
    f.addMacro("4", "M4", longSteps);

    // Acknowledgements dropped: each wait ends after its 100 ms and the series goes on; a
    // second save waits for the first series to end.
    emu::dropAcknowledgements(f.mouse, true);
    f.clickButton(2);
    f.store(16, "1", "3", "2");
    emu::clearWritten(f.mouse);
    f.saved();
    f.clickButton(4);
    f.store(2, "1", "3", "1");
    f.saved();
    QTRY_COMPARE_WITH_TIMEOUT(emu::writtenCommand(f.mouse, 0x47).size(), 6, kWaitMs);
    const auto reports = emu::writtenCommand(f.mouse, 0x47);
    QCOMPARE(reports.size(), 6);
    QStringList heads;
    for (const emu::WrittenReport &r : reports)
        heads.append(QString::fromLatin1(r.data.mid(2, 4).toHex(' ')));
    QCOMPARE(heads,
             (QStringList{"02 00 00 38", "02 00 38 04", "02 ff ff 3a", "01 00 00 38", "01 00 38 04", "01 ff ff 3a"}));
    QCOMPARE(reports.at(0).data.mid(6, 8).toHex(' '), QByteArray("05 01 00 34 00 01 00 00"));

    // Late acknowledgements: still six reports.
    emu::dropAcknowledgements(f.mouse, false);
    emu::delayAcknowledgements(f.mouse, 30ms);
    emu::clearWritten(f.mouse);
    f.saved();
    QTRY_COMPARE_WITH_TIMEOUT(emu::writtenCommand(f.mouse, 0x47).size(), 3, kWaitMs);
    QTest::qWait(300);
    QCOMPARE(emu::writtenCommand(f.mouse, 0x47).size(), 3);

    // 51 events: refused, nothing sent.
    f.store(2, "1", "4", "1");
    emu::clearWritten(f.mouse);
    f.saved();
    QTest::qWait(300);
    QCOMPARE(emu::writtenCommand(f.mouse, 0x47).size(), 0);
}

void tst_DeviceKeys::mouseRateAndReset()
{
    KeysFixture f;
    QVERIFY(f.plug(false, true));
    // Steps 0 to 3 give 8, 4, 2 and 1 (125 to 1000 Hz), and each is kept in the profile.
    const char *const rateBytes[] = {"08", "04", "02", "01"};
    for (int step = 0; step < 4; ++step) {
        emu::clearWritten(f.mouse);
        QMetaObject::invokeMethod(f.page, "onCurIndexChanged_MouseRateNumIndex", Q_ARG(int, step));
        QVERIFY(emu::waitForCommand(f.mouse, 0x46, kWait));
        QCOMPARE(emu::writtenCommand(f.mouse, 0x46).size(), 1);
        QCOMPARE(emu::writtenCommand(f.mouse, 0x46).last().data.left(7).toHex(' '),
                 QByteArray("01 46 00 00 00 01 ") + rateBytes[step]);
        QCOMPARE(f.xml.getFeature(f.path().constData(), "1", 0), step);
    }

    // The buttons' own names; earlier cases leave assignments in this mouse's profile, so the
    // captions are compared with them rather than with what the load showed.
    const QStringList defaults{"Left Click",  "Dpi Loop",     "Forward_L", "Backward_L",
                               "Right Click", "Center Click", "Forward_R", "Backward_R"};
    auto *buttons = f.page->findChild<DMousePage *>();
    QVERIFY(buttons);
    const auto captions = [&] {
        QStringList list;
        for (int i = 0; i < DMousePage::kButtonCount; ++i)
            list.append(buttons->button(i) ? buttons->button(i)->text() : QString());
        return list;
    };

    // A second profile named as the current one's index.
    f.xml.addProfileConfig(f.path().constData(), "2", "1", "", "", 1);
    f.store(4, "5", "0");
    f.page->applyMouseProfile(1);
    const QStringList assigned = captions();
    QVERIFY2(assigned != defaults, qPrintable(assigned.join(QLatin1Char('|'))));
    QFile file(QString::fromLocal8Bit(f.path()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    const auto answer = [&](const QString &text) {
        QMessageBox *box = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(
            (box = f.page->findChild<QMessageBox *>(QStringLiteral("mouseResetQuestion"))) != nullptr, kWaitMs);
        for (QAbstractButton *b : box->buttons()) {
            if (b->text() == text)
                b->click();
        }
    };
    emu::clearWritten(f.mouse);
    QMetaObject::invokeMethod(f.page, "onResetoreMouseCurrentProfile");
    answer(QStringLiteral("No"));
    QTest::qWait(100);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    file.close();
    QCOMPARE(emu::writtenCommand(f.mouse, 0x14).size(), 0);
    QCOMPARE(captions(), assigned);

    QMetaObject::invokeMethod(f.page, "onResetoreMouseCurrentProfile");
    answer(QStringLiteral("Yes"));
    QVERIFY(emu::waitForCommand(f.mouse, 0x14, kWait));
    QCOMPARE(emu::writtenCommand(f.mouse, 0x14).last().data.left(7).toHex(' '), QByteArray("01 14 00 00 00 00 01"));
    QCOMPARE(captions(), defaults);
    QList<IndexNameInfo> profiles;
    f.xml.getProfileList(f.path().constData(), &profiles);
    QCOMPARE(profiles.size(), 2);  // one profile 1, and profile 2 untouched
    QCOMPARE(recordText(profiles.at(0).index), QByteArray("1"));
    QCOMPARE(recordText(profiles.at(1).index), QByteArray("2"));
    QVERIFY(!f.xml.hasKeyMapItem(f.path().constData(), "1", "4"));
    QCOMPARE(f.xml.getDpiUsingIndex(f.path().constData(), "1") > 0, true);
}

void tst_DeviceKeys::mouseRateFromFileAndSlider()
{
    KeysFixture f;
    QVERIFY(f.plug(false, true));
    auto *view = f.page->findChild<DMousePerformanceView *>();
    QVERIFY(view);
    // A hand-edited step reads as 500 Hz (step 2): the slider shows it and the mouse gets 02 once.
    QVERIFY(f.xml.setFeature(f.path().constData(), "1", 0, 9));
    emu::clearWritten(f.mouse);
    f.page->applyMouseProfile(1);
    QVERIFY(emu::waitForCommand(f.mouse, 0x46, kWait));
    QVERIFY(f.drained(f.mouse));
    QCOMPARE(emu::writtenCommand(f.mouse, 0x46).size(), 1);
    QCOMPARE(int(emu::writtenCommand(f.mouse, 0x46).last().data.at(6)), 2);
    QCOMPARE(view->rateSlider()->value(), 2);

    // A drag from step 0 to step 3: one report per step passed.
    view->setRateIndex(0);
    QVERIFY(emu::waitForCommand(f.mouse, 0x46, kWait, 2));
    emu::clearWritten(f.mouse);
    QSlider *slider = view->rateSlider();
    slider->setSliderDown(true);
    for (int step = 1; step <= 3; ++step)
        slider->setSliderPosition(step);
    slider->setSliderDown(false);
    QVERIFY(emu::waitForCommand(f.mouse, 0x46, kWait, 3));
    QVERIFY(f.drained(f.mouse));
    const QVector<emu::WrittenReport> sent = emu::writtenCommand(f.mouse, 0x46);
    QCOMPARE(sent.size(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(int(sent.at(i).data.at(6)), 4 >> i);
    QCOMPARE(f.xml.getFeature(f.path().constData(), "1", 0), 3);
}

void tst_DeviceKeys::mouseLightAndSniper()
{
    KeysFixture f;
    QVERIFY(f.plug(false, true));
    // The Scroll (zone 1) and Logo (zone 2) zones linked and unlinked: byte 18 follows, bytes 15
    // and 17 stay 0.
    for (int zone : {1, 2}) {
        for (int status : {1, 0}) {
            QVERIFY(f.drained(f.mouse));
            emu::clearWritten(f.mouse);
            QMetaObject::invokeMethod(f.page, zone == 1 ? "onScrollLinkStatus" : "onLogoLinkStatus",
                                      Q_ARG(int, status));
            QVERIFY(emu::waitForCommand(f.mouse, 0x42, kWait));
            const QByteArray r = emu::writtenCommand(f.mouse, 0x42).last().data;
            QCOMPARE(int(r.at(2)), zone);
            QCOMPARE(int(r.at(5)), 0x0E);
            QCOMPARE(int(r.at(15)), 0);
            QCOMPARE(int(r.at(17)), 0);
            QCOMPARE(int(r.at(18)), status == 1 ? 0 : 1);
        }
    }
    // Sniper held: level 6 (byte 5); released: the stored level again.
    const int stored = f.xml.getDpiUsingIndex(f.path().constData(), "1");
    for (bool held : {true, false}) {
        QVERIFY(f.drained(f.mouse));
        emu::clearWritten(f.mouse);
        QMetaObject::invokeMethod(f.page, "onMouseActivatesSniperKey", Q_ARG(bool, held));
        QVERIFY(emu::waitForCommand(f.mouse, 0x41, kWait));
        QCOMPARE(int(emu::writtenCommand(f.mouse, 0x41).last().data.at(6)), held ? 5 : stored - 1);
    }
}

void tst_DeviceKeys::dpiKeyOfAMouseNotShown()
{
    KeysFixture f;
    QVERIFY(f.plug(true, true));
    emit f.page->sigHomePageDeviceItemClicked(emu::configurationPath(f.keyboard));
    QTRY_COMPARE_WITH_TIMEOUT(f.page->currentHidPath(), emu::configurationPath(f.keyboard), kLoadTimeoutMs);
    DDeviceKeyboardLink *mouseLink = f.page->deviceLink(emu::configurationPath(f.mouse));
    QVERIFY(mouseLink);
    // The mouse's own file, as its link found it.
    QTRY_VERIFY_WITH_TIMEOUT(mouseLink->property("zelkaProfileBound").toBool(), kLoadTimeoutMs);
    // What the switch to the keyboard sent is out before the count starts.
    QVERIFY(f.drained(f.keyboard));
    QVERIFY(f.drained(f.mouse));
    emu::clearWritten(f.keyboard);
    emu::clearWritten(f.mouse);
    emit mouseLink->sigMouseTriggeredDPIkey();
    emit mouseLink->sigMouseActivatesSniperKey(true);
    QVERIFY(f.drained(f.keyboard));
    QCOMPARE(emu::writtenCommand(f.keyboard, 0x41).size(), 0);
    // The mouse was shown first, so its file exists: the DPI key steps its own level and the
    // sniper key names level 6, both at the mouse.
    QTRY_COMPARE_WITH_TIMEOUT(emu::writtenCommand(f.mouse, 0x41).size(), 2, kWaitMs);
    QCOMPARE(int(emu::writtenCommand(f.mouse, 0x41).last().data.at(6)), 5);
}

void tst_DeviceKeys::dpiBurstOfAMouseNotShown_data()
{
    QTest::addColumn<int>("presses");
    QTest::newRow("three") << 3;
    QTest::newRow("seven") << 7;
    QTest::newRow("sixty-one") << 61;
}

void tst_DeviceKeys::dpiBurstOfAMouseNotShown()
{
    QFETCH(int, presses);
    KeysFixture f;
    QVERIFY(f.plug(true, true));
    const QString mousePath = emu::configurationPath(f.mouse);
    emit f.page->sigHomePageDeviceItemClicked(mousePath);
    QTRY_COMPARE_WITH_TIMEOUT(f.page->currentHidPath(), mousePath, kLoadTimeoutMs);
    const QByteArray file = f.path();
    emit f.page->sigHomePageDeviceItemClicked(emu::configurationPath(f.keyboard));
    QTRY_COMPARE_WITH_TIMEOUT(f.page->currentHidPath(), emu::configurationPath(f.keyboard), kLoadTimeoutMs);
    DDeviceKeyboardLink *mouseLink = f.page->deviceLink(mousePath);
    QTRY_VERIFY_WITH_TIMEOUT(mouseLink->property("zelkaProfileBound").toBool(), kLoadTimeoutMs);
    QVERIFY(f.drained(f.mouse));
    const QByteArray key = QByteArray::number(f.xml.getProfileIndex(file.constData()));
    const int start = f.xml.getDpiUsingIndex(file.constData(), key.constData());

    // Pressed one at a time, each served before the next.
    emu::clearWritten(f.mouse);
    for (int i = 1; i <= presses; ++i) {
        emit mouseLink->sigMouseTriggeredDPIkey();
        QTRY_COMPARE_WITH_TIMEOUT(emu::writtenCommand(f.mouse, 0x41).size(), i, kWaitMs);
    }
    const int oneByOne = f.xml.getDpiUsingIndex(file.constData(), key.constData());

    // The same presses in one burst reach the same level, in one report.
    QVERIFY(f.xml.setDpiUsingIndex(file.constData(), key.constData(), start));
    emu::clearWritten(f.mouse);
    for (int i = 0; i < presses; ++i)
        emit mouseLink->sigMouseTriggeredDPIkey();
    QTRY_COMPARE_WITH_TIMEOUT(emu::writtenCommand(f.mouse, 0x41).size(), 1, kWaitMs);
    QTest::qWait(DevicePageDpiPresses::kQuietMs * 5);
    QCOMPARE(emu::writtenCommand(f.mouse, 0x41).size(), 1);
    QCOMPARE(f.xml.getDpiUsingIndex(file.constData(), key.constData()), oneByOne);
}

void tst_DeviceKeys::macroCopiesAcrossProfiles()
{
    KeysFixture f;
    QVERIFY(f.plug(true, false));
    const QByteArray keyboardFile = f.path();
    QList<MacroEventInfo> steps{macroStep(4, true), macroStep(4, false)};
    f.addMacro("7", "M7", steps);
    // Profile 1 and 2 play macro 7; profile 3 does not.
    for (const char *profile : {"2", "3"})
        f.xml.addProfileConfig(keyboardFile.constData(), profile, profile, "", "", 0);
    for (const char *profile : {"1", "2"}) {
        f.xml.replaceKeyMapItem(keyboardFile.constData(), profile, "4", "A", "1", "1", "1", "7");
        f.xml.addBindMacro(keyboardFile.constData(), profile, steps, "7", "Macro7");
    }
    // A second device's file in the configuration folder.
    const QString otherDir = DDataManager::getInstance()->getUserConfigDir() + QStringLiteral("/ZM1/other");
    QVERIFY(QDir().mkpath(otherDir));
    const QByteArray otherFile = QFile::encodeName(otherDir + QStringLiteral("/brivexProFile.xml"));
    f.xml.createXmlFile(otherFile.constData());
    f.xml.addProfileConfig(otherFile.constData(), "1", "P", "", "", 1);
    f.xml.replaceKeyMapItem(otherFile.constData(), "1", "16", "F", "1", "1", "1", "7");
    f.xml.addBindMacro(otherFile.constData(), "1", steps, "7", "Macro7");

    QList<MacroEventInfo> changed{macroStep(9, true), macroStep(9, false), macroStep(10, true)};
    f.xml.deleteNodeByValue(f.macroPath.constData(), "7");
    f.addMacro("7", "M7", changed);
    emit f.page->sigMacroListHaveChangedSendToDevice(QStringLiteral("7"), QStringLiteral("Macro7"));

    for (const auto &[file, profile] : {std::pair{keyboardFile, "1"}, {keyboardFile, "2"}, {otherFile, "1"}}) {
        QList<MacroEventInfo> copy;
        f.xml.getBindMacroItems(file.constData(), profile, "7", &copy);
        QVERIFY2(copy.size() == 3, file + " " + profile);
        QCOMPARE(recordText(copy.at(0).keyCode), QByteArray("9"));
    }
    QList<MacroEventInfo> none;
    f.xml.getBindMacroItems(keyboardFile.constData(), "3", "7", &none);
    QCOMPARE(none.size(), 0);
}

void tst_DeviceKeys::applyingLeavesTheFileAlone_data()
{
    QTest::addColumn<bool>("mouse");
    QTest::newRow("keyboard") << false;
    QTest::newRow("mouse") << true;
}

// Applying a profile and showing its lighting read the file; they never write it, not even where a
// hand-edited value is beyond what a control shows. A change by the user is one save.
void tst_DeviceKeys::applyingLeavesTheFileAlone()
{
    QFETCH(bool, mouse);
    KeysFixture f;
    QVERIFY(f.plug(!mouse, mouse));
    const QByteArray path = f.path();
    const int effect = f.xml.getLightUsingIndex(path.constData(), "1", 0);
    colorInfoData light;
    QVERIFY(f.xml.getLightItem(path.constData(), "1", 0, effect, &light));
    light.ledBrightness = 14;
    light.ledSpeed = 14;
    QVERIFY(f.xml.modifyLightItem(path.constData(), "1", 0, effect, light));
    const int synchronized = f.xml.getSynchronizeStatus(path.constData(), "1");

    FileWatch watch(path);
    QVERIFY(watch.isValid());
    for (int round = 0; round < 2; ++round) {
        if (mouse)
            f.page->applyMouseProfile(1);
        else
            f.page->applyKeyboardProfile(1);
        f.child<QAbstractButton>("pushButton_Led")->click();
        f.child<QAbstractButton>("pushButton_Custom")->click();
    }
    QTest::qWait(300);  // whatever the applications queued
    QCOMPARE(watch.writes(), 0);
    QVERIFY(!watch.rewritten());

    f.child<QCheckBox>("checkBox_LightSynchronize")->click();
    QCOMPARE(watch.writes(), 1);
    QCOMPARE(f.xml.getSynchronizeStatus(path.constData(), "1"), synchronized == 1 ? 0 : 1);
}

QTEST_MAIN(tst_DeviceKeys)
#include "tst_DeviceKeys.moc"
