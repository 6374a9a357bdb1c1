// SPDX-License-Identifier: GPL-3.0-or-later
// A user's way across the device page's pieces, with an emulated keyboard: a key remapped after a
// visit to on-board mode lands in the PC profile that was current, the keyboard switches show and
// store the profile's values, the custom event list opened later shows what was saved meanwhile,
// the on-screen keyboard's operate mode follows the key page shown, and the profile panel opened
// from the lighting page takes the key view out of its lighting look, an on-board key gets the
// caption of its kind, a keyboard whose profile file cannot be made shows no other's marks, and the
// hover cards of a keyboard whose serial number came late read its file.

#include "CommandQueueDrain.h"
#include "CustomButton.h"
#include "DChangeKeyPage.h"
#include "DCustomEventListItem.h"
#include "DCustomEventListPage.h"
#include "DCustomEventWidget.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDeviceListItem.h"
#include "DDevicePage.h"
#include "DKeyDisablePage.h"
#include "DOnboardPage.h"
#include "DResetDefaultPage.h"
#include "DSoftKeyboardPage.h"
#include "Emulator.h"
#include "keyboardButCustom.h"
#include "keyboardKeyTool.h"
#include "keyboardPage.h"
#include "ProfileFiles.h"
#include "profileListItem.h"
#include "RecordText.h"
#include "sideLightButtonCustom.h"
#include "SoftKeyboardButCustom.h"
#include "xmlInterface.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QStackedWidget>
#include <QtTest>

#include <chrono>
#include <cstring>

namespace {

using namespace std::chrono_literals;
// Generous: on a loaded machine a load or a report can take seconds; a wait ends as soon as it is met.
constexpr int kLoadTimeoutMs = 30000;
constexpr int kWaitMs = 20000;
constexpr int kKeyA = 4;
constexpr int kKeyB = 5;
constexpr uint8_t kLeftGui = 0x08;

char nextSerialChar()
{
    static char c = 'a';
    return c++;
}

struct JourneyFixture {
    xmlInterface xml;
    QTemporaryDir dir;
    QByteArray macroPath = QFile::encodeName(dir.filePath(QStringLiteral("macro.xml")));
    QWidget window;
    DDevicePage *page = new DDevicePage(&window);
    emu::DeviceId keyboard = -1;
    // Each journey a keyboard of its own: the folders of the earlier ones stay.
    QByteArray serial = QByteArray(32, nextSerialChar());

    JourneyFixture()
    {
        xml.createXmlFile(macroPath.constData());
        page->setMacroXml(macroPath.constData(), &xml);
        page->setMainWindow(&window);
        window.resize(1280, 800);
    }
    // The profile file the page will load for this keyboard, made ahead as an earlier run left it.
    QString prepareFile(const QString &model)
    {
        const QString path = ProfileFiles::profilePath(DDataManager::getInstance()->getUserConfigDir(), model,
                                                       QString::fromLatin1(serial));
        ProfileFiles::prepare(&xml, path, 0, model, false, nullptr);
        return path;
    }
    bool plug(const QString &model = QStringLiteral("ZK87A"))
    {
        emu::DeviceSpec spec = emu::keyboardSpec(model);
        spec.serial = serial;
        keyboard = emu::plug(spec);
        hidStructInfo info;
        info.vid = spec.vendorId;
        info.pid = spec.productId;
        std::strncpy(info.hidPath, emu::configurationPath(keyboard).toLatin1().constData(), sizeof info.hidPath - 1);
        std::strncpy(info.hidName, model.toLatin1().constData(), sizeof info.hidName - 1);
        info.deviceType = 0;
        page->setHidStructInfoList({info});
        const bool loaded = QTest::qWaitFor(
            [&] {
                return !page->profileXmlPath().isEmpty()
                       && child<QStackedWidget>("stackedWidget_KeyboardArea")->currentWidget()
                              == child<QWidget>("page_KeyboardShow");
            },
            kLoadTimeoutMs);
        return loaded && drained();
    }
    bool drained() const { return drain::commandsWritten(link(), keyboard); }
    DDeviceKeyboardLink *link() const { return page->deviceLink(emu::configurationPath(keyboard)); }
    template <typename T = QWidget>
    T *child(const char *name) const
    {
        return page->findChild<T *>(QLatin1String(name));
    }
    void click(const char *name) { child<QAbstractButton>(name)->click(); }
    QByteArray path() const { return page->profileXmlPath(); }
    keyboardPage *keys() const { return page->findChild<keyboardPage *>(); }
    void clickKey(int keyCode) { keys()->getKeyButtonMap().value(keyCode)->click(); }
    QString toolPage() const { return child<QStackedWidget>("stackedWidget_Tool")->currentWidget()->objectName(); }
    void clickProfileName() { QTest::mouseClick(child<QLabel>("label_currentProfileName"), Qt::LeftButton); }
    CustomKeyInfo record(const char *profile, int keyCode)
    {
        CustomKeyInfo info;
        setRecordText(info.keyCode, "-1");
        setRecordText(info.operateType, "-1");
        xml.getKeyMapItems(path().constData(), profile, QByteArray::number(keyCode).constData(), &info);
        return info;
    }
    // The key report the computer is given after the keyboard sends this one and then nothing.
    QByteArray passOn(uint8_t modifiers, const QVector<uint8_t> &usages)
    {
        emu::clearWritten(keyboard);
        emu::injectKeys(keyboard, modifiers, usages);
        emu::injectKeys(keyboard, 0, {});
        if (!QTest::qWaitFor([&] { return emu::computerVisible(keyboard).size() >= 2; }, kWaitMs))
            return {};
        return emu::computerVisible(keyboard).first().data;
    }
};

}  // namespace

class tst_DeviceJourneys : public QObject
{
    Q_OBJECT

private slots:
    void init() { emu::reset(); }
    void cleanup() { emu::reset(); }

    void remapAfterOnboardVisitKeepsTheProfile();
    void keyboardSwitchesShowAndStore();
    void customListShowsWhatWasSavedMeanwhile();
    void softKeyboardFollowsTheKeyPage_data();
    void softKeyboardFollowsTheKeyPage();
    void profilePanelFromLightingLeavesTheLightingLook();
    void onboardCaptionOfOneKey_data();
    void onboardCaptionOfOneKey();
    void keyboardWithoutFileShowsNoMarksOfAnother();
    void lateSerialKeyboardHoverCardsReadItsFile();
};

void tst_DeviceJourneys::remapAfterOnboardVisitKeepsTheProfile()
{
    JourneyFixture f;
    QVERIFY(f.plug());
    f.xml.addProfileConfig(f.path().constData(), "2", "P2", "", "", 0);
    f.clickProfileName();
    profileListItem *second = nullptr;
    for (profileListItem *row : f.page->findChildren<profileListItem *>()) {
        if (row->profileIndex() == QLatin1String("2"))
            second = row;
    }
    QVERIFY(second);
    emit second->sigProfileItemMouseClicked(QStringLiteral("2"), QStringLiteral("P2"));
    QCOMPARE(f.link()->profileIndex(), 2);

    f.click("pushButton_OnboardMode");
    QTRY_COMPARE_WITH_TIMEOUT(emu::hostMode(f.keyboard), 1, kLoadTimeoutMs);
    f.click("pushButton_AppMode");
    QTRY_COMPARE_WITH_TIMEOUT(emu::hostMode(f.keyboard), 0, kLoadTimeoutMs);
    // Back in PC mode the key column starts on Default, selected, with no key.
    QCOMPARE(f.child<QStackedWidget>("stackedWidget_Customize")->currentWidget()->objectName(),
             QStringLiteral("page_Default"));
    QVERIFY(f.child<CustomButton>("toolButton_Default")->isSelected());
    QCOMPARE(f.page->findChild<DResetDefaultPage *>()->currentKeyCode(), -1);
    QCOMPARE(f.page->findChild<DResetDefaultPage *>()->currentKeyName(), QStringLiteral("Empty"));

    // A remaps to B.
    f.clickKey(kKeyA);
    f.click("toolButton_RemapKey");
    auto *remap = f.page->findChild<DChangeKeyPage *>();
    remap->inputKeyDec(kKeyB);
    remap->findChild<QAbstractButton *>(QStringLiteral("pushButton_OK"))->click();
    QCOMPARE(recordText(f.record("2", kKeyA).operateType), QByteArray("0"));
    QCOMPARE(recordText(f.record("2", kKeyA).Value), QByteArray::number(kKeyB));
    QCOMPARE(recordText(f.record("1", kKeyA).keyCode), QByteArray("-1"));

    // The keyboard presses A; the computer is given B.
    const QByteArray seen = f.passOn(0, {kKeyA});
    QCOMPARE(seen.mid(6, 3).toHex(' '), QByteArray("00 00 05"));
}

void tst_DeviceJourneys::keyboardSwitchesShowAndStore()
{
    JourneyFixture f;
    const QString file = f.prepareFile(QStringLiteral("ZK87A"));
    QVERIFY(f.xml.setFunctionSetting(QFile::encodeName(file).constData(), "1", "1", "0", "1", "0"));
    QVERIFY(f.plug());
    QCOMPARE(QString::fromLocal8Bit(f.path()), file);
    const char *const boxes[] = {"checkBox_disableALT_TAB", "checkBox_disableALT_F4", "checkBox_disableSHIFT_TAB",
                                 "checkBox_disableWindowsKey"};
    const bool shown[] = {true, false, true, false};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(f.child<QCheckBox>(boxes[i])->isChecked() == shown[i], boxes[i]);

    // Win Lock on: the Windows key still passes while its switch is off.
    emu::setHandshakeByte6(f.keyboard, 1);
    const int handshakes = emu::writtenCommand(f.keyboard, 0x01).size();
    QTRY_VERIFY_WITH_TIMEOUT(emu::writtenCommand(f.keyboard, 0x01).size() > handshakes, kWaitMs);
    QCOMPARE(uint8_t(f.passOn(kLeftGui, {}).at(6)), kLeftGui);

    f.child<QCheckBox>("checkBox_disableWindowsKey")->click();
    FunctionSetting stored;
    f.xml.getFunctionSetting(f.path().constData(), "1", &stored);
    const QByteArray switches = recordText(stored.feature1) + recordText(stored.feature2) + recordText(stored.feature3)
                                + recordText(stored.feature4);
    QCOMPARE(switches, QByteArray("1011"));
    // The keyboard is given the switch at its next key report.
    QCOMPARE(uint8_t(f.passOn(kLeftGui, {}).at(6)), uint8_t(0));
}

void tst_DeviceJourneys::customListShowsWhatWasSavedMeanwhile()
{
    JourneyFixture f;
    QVERIFY(f.plug());
    f.clickKey(kKeyA);
    f.click("toolButton_Disable");
    f.click("pushButton_Performance");
    QCOMPARE(f.toolPage(), QStringLiteral("page_Performance"));
    f.page->findChild<DKeyDisablePage *>()->findChild<QAbstractButton *>(QStringLiteral("pushButton_OK"))->click();
    QCOMPARE(recordText(f.record("1", kKeyA).operateType), QByteArray("5"));

    f.click("pushButton_CustomList");
    QCOMPARE(f.toolPage(), QStringLiteral("page_CustomList"));
    DCustomEventWidget *list = f.page->findChild<DCustomEventListPage *>()->eventWidget();
    QVERIFY(list);
    QList<int> codes;
    for (DCustomEventListItem *tile : list->items())
        codes << tile->getKeyDec();
    QCOMPARE(codes, QList<int>{kKeyA});
}

void tst_DeviceJourneys::softKeyboardFollowsTheKeyPage_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("mode");
    QTest::newRow("remap") << "toolButton_RemapKey" << 0;
    QTest::newRow("combination") << "toolButton_CombinationKey" << 1;
    QTest::newRow("macro") << "toolButton_Macro" << 2;
    QTest::newRow("disable") << "toolButton_Disable" << 2;
}

void tst_DeviceJourneys::softKeyboardFollowsTheKeyPage()
{
    QFETCH(QString, operation);
    QFETCH(int, mode);
    JourneyFixture f;
    QVERIFY(f.plug());
    f.clickKey(kKeyA);
    // The combination page first: the on-screen keyboard enters combinations.
    f.click("toolButton_CombinationKey");
    auto *soft = f.page->findChild<DSoftKeyboardPage *>();
    QCOMPARE(soft->operateMode(), 1);
    f.click(operation.toLatin1().constData());
    f.click("pushButton_SoftKeyboard");
    QCOMPARE(f.toolPage(), QStringLiteral("page_SoftKeyboard"));
    QCOMPARE(soft->operateMode(), mode);
}

void tst_DeviceJourneys::profilePanelFromLightingLeavesTheLightingLook()
{
    JourneyFixture f;
    QVERIFY(f.plug(QStringLiteral("ZK87S")));
    keyboardPage *keys = f.keys();
    QVERIFY(keys->isSideLightHave());
    const auto visibleSideLights = [&] {
        int n = 0;
        for (sideLightButtonCustom *led : keys->getSideLightButtons())
            n += led->isVisibleTo(keys) ? 1 : 0;
        return n;
    };
    f.click("pushButton_Led");
    QVERIFY(visibleSideLights() > 0);
    keys->getKeyButtonMap().value(kKeyA)->click();

    f.clickProfileName();
    QCOMPARE(f.child<QStackedWidget>("stackedWidget_CustomAll")->currentWidget()->objectName(),
             QStringLiteral("page_ProfileOperate"));
    QCOMPARE(visibleSideLights(), 0);
    QVERIFY(keys->getLightKeySelected().isEmpty());
    for (keyboardButCustom *button : keys->getKeyButtonMap())
        QVERIFY(!button->hasDragMark());
}

void tst_DeviceJourneys::onboardCaptionOfOneKey_data()
{
    QTest::addColumn<QByteArray>("operateType");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("caption");  // empty: any text but an empty one
    QTest::newRow("remap") << QByteArray("0") << QByteArray("1") << QByteArray("5") << "B";
    QTest::newRow("macro") << QByteArray("1") << QByteArray("1") << QByteArray("1") << "Play once";
    QTest::newRow("combination") << QByteArray("2") << QByteArray("1") << QByteArray("224,5") << QString();
    QTest::newRow("multimedia") << QByteArray("3") << QByteArray("1") << QByteArray("1") << QString();
    QTest::newRow("mouse") << QByteArray("4") << QByteArray("1") << QByteArray("0") << "Mouse Left";
}

// A key saved in on-board mode gets the caption of its kind at once.
void tst_DeviceJourneys::onboardCaptionOfOneKey()
{
    QFETCH(QByteArray, operateType);
    QFETCH(QByteArray, mode);
    QFETCH(QByteArray, value);
    QFETCH(QString, caption);
    JourneyFixture f;
    QVERIFY(f.plug());
    f.click("pushButton_OnboardMode");
    QVERIFY(f.page->onboardPage());
    const QByteArray layer = QFile::encodeName(QFileInfo(QFile::decodeName(f.path())).absolutePath()
                                               + QStringLiteral("/OnboardDefaultProFile.xml"));
    const QByteArray config = QByteArray::number(f.page->currentOnboardConfigIndex());
    QVERIFY(f.xml.replaceKeyMapItem(layer.constData(), config.constData(), "4", "A", operateType.constData(), "1",
                                    mode.constData(), value.constData()));
    QVERIFY(QMetaObject::invokeMethod(f.page, "onShoudUpdateKeyboard", Q_ARG(int, kKeyA)));
    const QString shown = f.page->onboardPage()->getKeyButtonMap().value(kKeyA)->getFunctionText();
    if (caption.isEmpty())
        QVERIFY(!shown.isEmpty());
    else
        QCOMPARE(shown, caption);
}

QTEST_MAIN(tst_DeviceJourneys)
#include "tst_DeviceJourneys.moc"

void tst_DeviceJourneys::keyboardWithoutFileShowsNoMarksOfAnother()
{
    // Two keyboards of one model: the first has A assigned; the second's folder cannot be made
    // (a plain file stands where it would go), so it has no profile file.
    JourneyFixture f;
    const QString model = QStringLiteral("ZK87A");
    const QString first = f.prepareFile(model);
    QVERIFY(f.xml.replaceKeyMapItem(QFile::encodeName(first).constData(), "1", "4", "A", "5", "1", "1", "0"));
    const QByteArray otherSerial(32, nextSerialChar());
    const QString other = ProfileFiles::profilePath(DDataManager::getInstance()->getUserConfigDir(), model,
                                                    QString::fromLatin1(otherSerial));
    QVERIFY(QDir().mkpath(QFileInfo(QFileInfo(other).absolutePath()).absolutePath()));
    QFile blocker(QFileInfo(other).absolutePath());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QList<hidStructInfo> list;
    QList<emu::DeviceId> ids;
    for (const QByteArray &serial : {f.serial, otherSerial}) {
        emu::DeviceSpec spec = emu::keyboardSpec(model);
        spec.serial = serial;
        const emu::DeviceId id = emu::plug(spec);
        ids << id;
        hidStructInfo info;
        info.vid = spec.vendorId;
        info.pid = spec.productId;
        std::strncpy(info.hidPath, emu::configurationPath(id).toLatin1().constData(), sizeof info.hidPath - 1);
        std::strncpy(info.hidName, model.toLatin1().constData(), sizeof info.hidName - 1);
        info.deviceType = 0;
        list << info;
    }
    f.keyboard = ids.first();
    f.page->setHidStructInfoList(list);
    QVERIFY(QTest::qWaitFor([&] { return QString::fromLocal8Bit(f.path()) == first; }, kLoadTimeoutMs));
    QVERIFY(f.drained());
    QVERIFY(f.keys()->getKeyButtonMap().value(kKeyA)->isAssigned());

    const QString otherPath = emu::configurationPath(ids.last());
    for (DDeviceListItem *row : f.page->findChildren<DDeviceListItem *>()) {
        if (row->getHidPath() == otherPath)
            QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(5, 5));
    }
    QVERIFY(QTest::qWaitFor(
        [&] { return f.page->currentHidPath() == otherPath && QString::fromLocal8Bit(f.path()) == other; },
        kLoadTimeoutMs));
    QVERIFY(!QFileInfo::exists(other));
    QVERIFY(!f.keys()->getKeyButtonMap().value(kKeyA)->isAssigned());
    // Nor does the custom event list of the keyboard shown hold the first one's key.
    f.click("pushButton_CustomList");
    DCustomEventWidget *events = f.page->findChild<DCustomEventListPage *>()->eventWidget();
    QVERIFY(!events || events->items().isEmpty());
}

void tst_DeviceJourneys::lateSerialKeyboardHoverCardsReadItsFile()
{
    // A keyboard whose file has A disabled answers the serial-number inquiry only after the page
    // has given up waiting; the page loads the file when the answer comes.
    JourneyFixture f;
    const QString file = f.prepareFile(QStringLiteral("ZK87A"));
    QVERIFY(f.xml.replaceKeyMapItem(QFile::encodeName(file).constData(), "1", "4", "A", "5", "1", "1", "0"));
    emu::DeviceSpec spec = emu::keyboardSpec(QStringLiteral("ZK87A"));
    spec.serial = f.serial;
    f.keyboard = emu::plug(spec);
    emu::setReplyFault(f.keyboard, 0x15, emu::ReplyFault::Late, 3500ms);
    hidStructInfo info;
    info.vid = spec.vendorId;
    info.pid = spec.productId;
    std::strncpy(info.hidPath, emu::configurationPath(f.keyboard).toLatin1().constData(), sizeof info.hidPath - 1);
    std::strncpy(info.hidName, "ZK87A", sizeof info.hidName - 1);
    info.deviceType = 0;
    f.page->setHidStructInfoList({info});
    QVERIFY(QTest::qWaitFor([&] { return QString::fromLocal8Bit(f.path()) == file; }, kLoadTimeoutMs + 5000));
    QVERIFY(f.keys()->getKeyButtonMap().value(kKeyA)->isAssigned());

    // Hovering A: the card tells what the file holds for it.
    emit f.keys()->getKeyButtonMap().value(kKeyA)->sigCustomButMouseEnter();
    auto *card = f.keys()->findChild<keyboardKeyTool *>();
    QVERIFY(card);
    QCOMPARE(recordText(card->keyInfo().operateType), QByteArray("5"));
}
