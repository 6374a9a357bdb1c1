// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse view inside the device page with an emulated mouse: each assignable caption opens the
// key assignment for its own button, and what is saved there shows on the caption and reaches the
// mouse; the view can be replaced (the mouse unplugged and plugged again, or another device shown)
// while the lighting preview runs, and the engine then paints only the new view's LEDs. The zone
// links: nothing reaches the mouse before its lighting has loaded, and a profile without the
// Scroll and Logo entries reads as unlinked.

#include "CommandQueueDrain.h"
#include "DDataManager.h"
#include "DDevicePage.h"
#include "DKeyDisablePage.h"
#include "DMouseLightPage.h"
#include "DMousePage.h"
#include "Emulator.h"
#include "mouseLightButtonCustom.h"
#include "RecordText.h"
#include "xmlInterface.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

#include <chrono>
#include <cstring>

namespace {

using namespace std::chrono_literals;
constexpr int kLoadTimeoutMs = 30000;

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

struct MouseFixture {
    xmlInterface xml;
    QTemporaryDir dir;
    QByteArray macroPath = QFile::encodeName(dir.filePath(QStringLiteral("macro.xml")));
    QWidget window;
    DDevicePage *page = new DDevicePage(&window);
    emu::DeviceId mouse = -1;
    emu::DeviceId keyboard = -1;

    MouseFixture()
    {
        xml.createXmlFile(macroPath.constData());
        page->setMacroXml(macroPath.constData(), &xml);
        page->setMainWindow(&window);
        window.resize(1200, 800);
    }
    QList<hidStructInfo> devices() const
    {
        QList<hidStructInfo> list;
        if (keyboard > 0)
            list.append(record(keyboard, "ZK87A", 0));
        if (mouse > 0)
            list.append(record(mouse, "ZM1", 1));
        return list;
    }
    // The main window's part: the new result, then the arrival or removal when the list was built.
    void result(bool inserted)
    {
        if (!page->setHidStructInfoList(devices()))
            page->onDeviceListChanged(inserted, QString());
    }
    bool mouseShown() const
    {
        return mouse > 0 && page->currentHidPath() == emu::configurationPath(mouse) && mousePage()
               && !page->profileXmlPath().isEmpty();
    }
    DMousePage *mousePage() const { return page->findChild<DMousePage *>(); }
    // Every report queued for the device so far has been written to it.
    bool drained(emu::DeviceId id) const
    {
        return drain::commandsWritten(page->deviceLink(emu::configurationPath(id)), id);
    }
    DMouseLightPage *lightPage() const { return page->findChild<DMouseLightPage *>(); }
    template <typename T = QWidget>
    T *child(const char *name) const
    {
        return page->findChild<T *>(QLatin1String(name));
    }
    QString shownPage() const
    {
        return child<QStackedWidget>("stackedWidget_Customize")->currentWidget()->objectName();
    }
    // Shows the keyboard, then the mouse again, which loads the mouse's file anew.
    bool showMouseAgain()
    {
        emit page->sigHomePageDeviceItemClicked(emu::configurationPath(keyboard));
        if (!QTest::qWaitFor([&] { return page->currentHidPath() == emu::configurationPath(keyboard); },
                             kLoadTimeoutMs))
            return false;
        const QByteArray keyboardFile = page->profileXmlPath();
        emit page->sigHomePageDeviceItemClicked(emu::configurationPath(mouse));
        return QTest::qWaitFor([&] { return mouseShown() && page->profileXmlPath() != keyboardFile; }, kLoadTimeoutMs);
    }
    bool linkChecked(const char *name) const
    {
        auto *button = lightPage() ? lightPage()->findChild<QPushButton *>(QLatin1String(name)) : nullptr;
        return button && button->isChecked();
    }
    // The last byte of each zone report for the Scroll (1) and Logo (2) zones: 0 linked, 1 not.
    QList<QPair<int, int>> zoneLinkReports() const
    {
        QList<QPair<int, int>> list;
        for (const emu::WrittenReport &r : emu::writtenCommand(mouse, 0x42)) {
            if (r.data.at(2) == 1 || r.data.at(2) == 2)
                list.append({int(r.data.at(2)), int(r.data.at(18))});
        }
        return list;
    }
    CustomKeyInfo stored(int keyCode)
    {
        CustomKeyInfo info;
        setRecordText(info.operateType, "-1");
        xml.getKeyMapItems(page->profileXmlPath().constData(), "1", QByteArray::number(keyCode).constData(), &info);
        return info;
    }
};

// The visible LEDs of the lighting page, which the preview paints.
QList<mouseLightButtonCustom *> paintedLeds(const DMouseLightPage *page)
{
    QList<mouseLightButtonCustom *> leds;
    for (mouseLightButtonCustom *led : page->ledButtons()) {
        if (led->validStatus() == 1)
            leds.append(led);
    }
    return leds;
}

bool anyLit(const QList<mouseLightButtonCustom *> &leds)
{
    for (const mouseLightButtonCustom *led : leds) {
        if (led->color().isValid() && led->color() != QColor(0, 0, 0))
            return true;
    }
    return false;
}

}  // namespace

class tst_MouseViewOnDevice : public QObject
{
    Q_OBJECT

private slots:
    void init() { emu::reset(); }
    void cleanup() { emu::reset(); }

    void captionOpensItsButton_data();
    void captionOpensItsButton();
    void viewReplacedWhilePreviewRuns_data();
    void viewReplacedWhilePreviewRuns();
    void linkChangesBeforeTheLightingLoadSendNothing();
    void waveRunsOnTheFirstOpening();
    void storedWaveRunsWhenTheLightingOpens();
    void profileWithoutZoneEntriesReadsUnlinked();
    void resetUnlinksTheZones();
};

void tst_MouseViewOnDevice::captionOpensItsButton_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<QByteArray>("buttonByte");  // byte 2 of the 0x47 report
    QTest::newRow("1 Dpi Loop") << 1 << 32 << QByteArray("04");
    QTest::newRow("2 Forward_L") << 2 << 16 << QByteArray("02");
    QTest::newRow("3 Backward_L") << 3 << 8 << QByteArray("03");
    QTest::newRow("4 Right Click") << 4 << 2 << QByteArray("01");
    QTest::newRow("5 Center Click") << 5 << 4 << QByteArray("00");
}

void tst_MouseViewOnDevice::captionOpensItsButton()
{
    QFETCH(int, index);
    QFETCH(int, keyCode);
    QFETCH(QByteArray, buttonByte);
    MouseFixture f;
    f.mouse = emu::plug(emu::mouseSpec());
    f.result(true);
    QTRY_VERIFY_WITH_TIMEOUT(f.mouseShown(), kLoadTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(f.mousePage()->isLoaded(), kLoadTimeoutMs);
    QVERIFY(f.drained(f.mouse));  // the reports the load sends reach the mouse first
    // Left Click and the right-hand side buttons cannot be chosen.
    for (int disabled : {0, 6, 7})
        QVERIFY(!f.mousePage()->button(disabled)->isEnabled());

    // Every other button's code holds a text; the clicked caption's code holds a program, so the
    // page that opens tells whose record was read.
    for (int code : {32, 16, 8, 2, 4}) {
        const QByteArray type = code == keyCode ? "8" : "6";
        f.xml.replaceKeyMapItem(f.page->profileXmlPath().constData(), "1", QByteArray::number(code).constData(), "k",
                                type.constData(), "1", "1", "/usr/bin/true");
    }
    f.mousePage()->button(index)->click();
    QCOMPARE(f.shownPage(), QStringLiteral("page_OpenApp"));
    QCOMPARE(f.mousePage()->selectedIndex(), index);

    // Disable saved from the page it offers: stored under the button's code, shown on its caption,
    // sent to the mouse for that button.
    QStringList captions;
    for (int i = 0; i < DMousePage::kButtonCount; ++i)
        captions.append(f.mousePage()->button(i)->text());
    emu::clearWritten(f.mouse);
    QVERIFY(QMetaObject::invokeMethod(f.page, "onCurIndexChanged_Key", Q_ARG(int, 5)));
    QCOMPARE(f.shownPage(), QStringLiteral("page_Disable"));
    f.page->findChild<DKeyDisablePage *>()->findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
    QCOMPARE(recordText(f.stored(keyCode).operateType), QByteArray("5"));
    QCOMPARE(f.mousePage()->button(index)->text(), QStringLiteral("Disable"));
    QVERIFY(emu::waitForCommand(f.mouse, 0x47, std::chrono::milliseconds(kLoadTimeoutMs)));
    const QVector<emu::WrittenReport> sent = emu::writtenCommand(f.mouse, 0x47);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first().data.mid(2, 1).toHex(), buttonByte);
    QCOMPARE(sent.first().data.mid(6, 11).toHex(' '), QByteArray("00 00 00 00 00 00 00 00 00 00 00"));
    // The other captions keep their texts.
    captions[index] = QStringLiteral("Disable");
    for (int i = 0; i < DMousePage::kButtonCount; ++i)
        QCOMPARE(f.mousePage()->button(i)->text(), captions.at(i));
}

void tst_MouseViewOnDevice::viewReplacedWhilePreviewRuns_data()
{
    QTest::addColumn<bool>("replug");
    QTest::newRow("mouse unplugged and plugged again") << true;
    QTest::newRow("keyboard shown, then the mouse again") << false;
}

void tst_MouseViewOnDevice::viewReplacedWhilePreviewRuns()
{
    QFETCH(bool, replug);
    MouseFixture f;
    f.keyboard = emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A")));
    f.mouse = emu::plug(emu::mouseSpec());
    f.result(true);
    QTRY_VERIFY_WITH_TIMEOUT(f.mouseShown(), kLoadTimeoutMs);
    f.window.show();
    f.child<QPushButton>("pushButton_Led")->click();
    QTRY_VERIFY_WITH_TIMEOUT(f.lightPage() && !paintedLeds(f.lightPage()).isEmpty(), kLoadTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(anyLit(paintedLeds(f.lightPage())), kLoadTimeoutMs);

    for (int round = 0; round < 3; ++round) {
        QPointer<DMouseLightPage> old = f.lightPage();
        QList<QPointer<mouseLightButtonCustom>> oldLeds;
        for (mouseLightButtonCustom *led : old->ledButtons())
            oldLeds.append(led);
        if (replug) {
            const emu::DeviceId gone = f.mouse;
            f.mouse = -1;
            emu::unplug(gone);
            f.result(false);
            // The preview's ticks go on while no mouse is shown.
            QTest::qWait(150);
            f.mouse = emu::plug(emu::mouseSpec());
            f.result(true);
        } else {
            emit f.page->sigHomePageDeviceItemClicked(emu::configurationPath(f.keyboard));
            QTRY_VERIFY_WITH_TIMEOUT(f.page->currentHidPath() == emu::configurationPath(f.keyboard), kLoadTimeoutMs);
            QTest::qWait(150);
            emit f.page->sigHomePageDeviceItemClicked(emu::configurationPath(f.mouse));
        }
        QTRY_VERIFY_WITH_TIMEOUT(f.mouseShown(), kLoadTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!old, kLoadTimeoutMs);
        for (const QPointer<mouseLightButtonCustom> &led : oldLeds)
            QVERIFY(!led);
        f.child<QPushButton>("pushButton_Led")->click();
        // The new view's LEDs are the ones lit now.
        QTRY_VERIFY_WITH_TIMEOUT(f.lightPage() && anyLit(paintedLeds(f.lightPage())), kLoadTimeoutMs);
    }
    // A few more frames of the running preview, under the sanitizer or valgrind the proof that
    // nothing paints a deleted LED.
    QTest::qWait(300);
}

void tst_MouseViewOnDevice::waveRunsOnTheFirstOpening()
{
    MouseFixture f;
    f.keyboard = emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A")));
    f.mouse = emu::plug(emu::mouseSpec());
    f.result(true);
    QTRY_VERIFY_WITH_TIMEOUT(f.mouseShown(), kLoadTimeoutMs);
    f.window.show();
    // Wave confirmed for the Around zone, then the mouse's page built anew.
    f.child<QPushButton>("pushButton_Led")->click();
    f.child<QAbstractButton>("toolButton_Wave")->click();
    f.page->applyLightSettings();
    QCOMPARE(f.xml.getLightUsingIndex(f.page->profileXmlPath().constData(), "1", 0), 2);
    QVERIFY(f.showMouseAgain());

    f.child<QPushButton>("pushButton_Led")->click();
    QTRY_VERIFY_WITH_TIMEOUT(f.lightPage() && anyLit(paintedLeds(f.lightPage())), kLoadTimeoutMs);
    const auto colours = [&] {
        QList<QRgb> list;
        for (const mouseLightButtonCustom *led : paintedLeds(f.lightPage()))
            list.append(led->color().rgba());
        return list;
    };
    // The preview moves: the colours shown change from frame to frame.
    const QList<QRgb> first = colours();
    QTRY_VERIFY_WITH_TIMEOUT(colours() != first, kLoadTimeoutMs);
    const QList<QRgb> second = colours();
    QTRY_VERIFY_WITH_TIMEOUT(colours() != second, kLoadTimeoutMs);
}

// Wave stored in the profile (no effect clicked in this run): the preview moves as soon as the
// mouse's lighting page opens.
void tst_MouseViewOnDevice::storedWaveRunsWhenTheLightingOpens()
{
    MouseFixture f;
    f.keyboard = emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A")));
    f.mouse = emu::plug(emu::mouseSpec());
    f.result(true);
    QTRY_VERIFY_WITH_TIMEOUT(f.mouseShown(), kLoadTimeoutMs);
    f.window.show();
    colorInfoData wave{};
    wave.ledKeyboardOrSide = 0;
    wave.ledType = 2;
    wave.ledBrightness = 3;
    wave.ledSpeed = 3;
    wave.ledModeR = 255;
    wave.ledModeType = 1;
    f.xml.addLightItem(f.page->profileXmlPath().constData(), "1", wave);
    QVERIFY(f.xml.setLightUsingIndex(f.page->profileXmlPath().constData(), "1", 0, 2));
    QVERIFY(f.showMouseAgain());
    f.child<QPushButton>("pushButton_Led")->click();
    QTRY_VERIFY_WITH_TIMEOUT(f.lightPage() && anyLit(paintedLeds(f.lightPage())), kLoadTimeoutMs);
    const auto colours = [&] {
        QList<QRgb> list;
        for (const mouseLightButtonCustom *led : paintedLeds(f.lightPage()))
            list.append(led->color().rgba());
        return list;
    };
    const QList<QRgb> first = colours();
    QTRY_VERIFY_WITH_TIMEOUT(colours() != first, kLoadTimeoutMs);
    const QList<QRgb> second = colours();
    QTRY_VERIFY_WITH_TIMEOUT(colours() != second, kLoadTimeoutMs);
}

void tst_MouseViewOnDevice::linkChangesBeforeTheLightingLoadSendNothing()
{
    MouseFixture f;
    f.keyboard = emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A")));
    f.result(true);
    QTRY_VERIFY_WITH_TIMEOUT(f.page->currentHidPath() == emu::configurationPath(f.keyboard)
                                 && !f.page->profileXmlPath().isEmpty(),
                             kLoadTimeoutMs);
    // A mouse whose serial number comes late: it is shown at once, its lighting loads only when
    // the number has come. Link changes meanwhile (here while the page still waits for the mouse's
    // answers) reach neither device; the load then sends the links as stored.
    f.mouse = emu::plug(emu::mouseSpec());
    emu::setReplyFault(f.mouse, 0x15, emu::ReplyFault::Late, 3000ms);
    f.result(true);
    emu::clearWritten(f.keyboard);
    int sentMeanwhile = -1;
    QTimer::singleShot(300, f.page, [&] {
        for (const char *slot : {"onScrollLinkStatus", "onLogoLinkStatus"})
            QMetaObject::invokeMethod(f.page, slot, Q_ARG(int, 1));
        sentMeanwhile = emu::writtenCommand(f.mouse, 0x42).size() + emu::writtenCommand(f.keyboard, 0x42).size();
    });
    emit f.page->sigHomePageDeviceItemClicked(emu::configurationPath(f.mouse));
    QTRY_VERIFY_WITH_TIMEOUT(sentMeanwhile >= 0, kLoadTimeoutMs);
    QCOMPARE(sentMeanwhile, 0);
    QCOMPARE(emu::writtenCommand(f.keyboard, 0x42).size(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(f.mouseShown() && f.page->profileXmlPath().contains("ZM1"), kLoadTimeoutMs + 5000);
    QTRY_VERIFY_WITH_TIMEOUT(f.zoneLinkReports().size() >= 2, kLoadTimeoutMs);
    QVERIFY(f.drained(f.mouse));
    const QList<QPair<int, int>> sent = f.zoneLinkReports();
    QCOMPARE(sent.size() % 2, 0);
    for (int i = 0; i < sent.size(); ++i)
        QCOMPARE(sent.at(i), (QPair<int, int>(1 + i % 2, 1)));
    QVERIFY(!f.linkChecked("pushButton_LinkScroll"));
    QVERIFY(!f.linkChecked("pushButton_LinkLogo"));
}

void tst_MouseViewOnDevice::profileWithoutZoneEntriesReadsUnlinked()
{
    MouseFixture f;
    f.keyboard = emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A")));
    f.mouse = emu::plug(emu::mouseSpec());
    f.result(true);
    QTRY_VERIFY_WITH_TIMEOUT(f.mouseShown(), kLoadTimeoutMs);
    const QByteArray path = f.page->profileXmlPath();
    // Both zones linked in the file: the switches show it.
    QVERIFY(f.xml.setLinkStatus(path.constData(), "1", 1, 1));
    QVERIFY(f.xml.setLinkStatus(path.constData(), "1", 2, 1));
    QVERIFY(f.showMouseAgain());
    QVERIFY(f.linkChecked("pushButton_LinkScroll"));
    QVERIFY(f.linkChecked("pushButton_LinkLogo"));
    // The linked zone reports of the loads so far reach the mouse before its record is cleared.
    QVERIFY(f.drained(f.mouse));

    // The Scroll and Logo entries removed by hand: both read as unlinked, and the file stays as it is.
    QFile file(QString::fromLocal8Bit(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    const QRegularExpression zones(QStringLiteral("<light([12])\\b[^>]*/>|<light([12])\\b[^>]*>.*?</light\\2>"),
                                   QRegularExpression::DotMatchesEverythingOption);
    QVERIFY(text.contains(zones));
    text.remove(zones);
    QVERIFY(!text.contains(QStringLiteral("<light1")));
    QVERIFY(!text.contains(QStringLiteral("<light2")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QByteArray edited = text.toUtf8();
    QCOMPARE(file.write(edited), qint64(edited.size()));
    file.close();

    emu::clearWritten(f.mouse);
    QVERIFY(f.showMouseAgain());
    QVERIFY(!f.linkChecked("pushButton_LinkScroll"));
    QVERIFY(!f.linkChecked("pushButton_LinkLogo"));
    QVERIFY(f.drained(f.mouse));
    for (const auto &report : f.zoneLinkReports())
        QCOMPARE(report.second, 1);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), edited);
    file.close();
}

void tst_MouseViewOnDevice::resetUnlinksTheZones()
{
    // The mouse's file as a first connection makes it (an earlier test edits it by hand).
    QDir(DDataManager::getInstance()->getUserConfigDir() + QStringLiteral("/ZM1")).removeRecursively();
    MouseFixture f;
    f.keyboard = emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A")));
    f.mouse = emu::plug(emu::mouseSpec());
    f.result(true);
    QTRY_VERIFY_WITH_TIMEOUT(f.mouseShown() && f.lightPage(), kLoadTimeoutMs);
    QVERIFY(f.drained(f.mouse));
    // The user links the scroll and logo zones to the main zone.
    for (const char *name : {"pushButton_LinkScroll", "pushButton_LinkLogo"})
        f.lightPage()->findChild<QPushButton *>(QLatin1String(name))->click();
    const QByteArray file = f.page->profileXmlPath();
    QCOMPARE(f.xml.getLinkStatus(file.constData(), "1", 1), 1);
    QCOMPARE(f.xml.getLinkStatus(file.constData(), "1", 2), 1);
    QVERIFY(f.drained(f.mouse));
    emu::clearWritten(f.mouse);

    // A reset gives the profile a new profile's defaults, unlinked zones among them: the page and
    // the mouse follow the file.
    QVERIFY(QMetaObject::invokeMethod(f.page, "onResetoreMouseCurrentProfile"));
    QMessageBox *box = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((box = f.page->findChild<QMessageBox *>(QStringLiteral("mouseResetQuestion"))) != nullptr,
                             kLoadTimeoutMs);
    for (QAbstractButton *button : box->buttons()) {
        if (button->text() == QStringLiteral("Yes"))
            button->click();
    }
    QVERIFY(emu::waitForCommand(f.mouse, 0x14, std::chrono::milliseconds(kLoadTimeoutMs)));
    QVERIFY(f.drained(f.mouse));
    QCOMPARE(f.xml.getLinkStatus(file.constData(), "1", 1), 0);
    QCOMPARE(f.xml.getLinkStatus(file.constData(), "1", 2), 0);
    QVERIFY(!f.linkChecked("pushButton_LinkScroll"));
    QVERIFY(!f.linkChecked("pushButton_LinkLogo"));
    // The last report of each zone tells the mouse it is not linked.
    QMap<int, int> lastLink;
    for (const QPair<int, int> &report : f.zoneLinkReports())
        lastLink.insert(report.first, report.second);
    QCOMPARE(lastLink.value(1, -1), 1);
    QCOMPARE(lastLink.value(2, -1), 1);
}

QTEST_MAIN(tst_MouseViewOnDevice)
#include "tst_MouseViewOnDevice.moc"
