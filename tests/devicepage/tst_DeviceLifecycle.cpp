// SPDX-License-Identifier: GPL-3.0-or-later
// The devices of the device page: rows and links following the enumeration results, the switch
// of the current device, each device's own profile file, the effect lists a device reports, the
// main-page switch and the work mode that reaches a keyboard through its handshake.

#include "CbNotice.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDeviceListItem.h"
#include "DDevicePage.h"
#include "DevicePageDevices.h"
#include "Emulator.h"
#include "MainHidInterFace.h"
#include "xmlInterface.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

#include <cstring>

namespace {

// Generous: on a loaded machine a load can take seconds; a wait ends as soon as it is met.
constexpr int kLoadTimeoutMs = 30000;

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

emu::DeviceSpec keyboard(const QByteArray &serial, const QString &model = QStringLiteral("ZK87A"))
{
    emu::DeviceSpec spec = emu::keyboardSpec(model);
    spec.serial = serial;
    return spec;
}

QByteArray serialOf(char c)
{
    return QByteArray(32, c);
}

QString configDir()
{
    return DDataManager::getInstance()->getUserConfigDir();
}

// A page with the XML store and a macro library, as the main window sets it up.
struct PageFixture {
    xmlInterface xml;
    QTemporaryDir dir;
    QByteArray macroPath = QFile::encodeName(dir.filePath(QStringLiteral("macro.xml")));
    DDevicePage page;
    PageFixture() { page.setMacroXml(macroPath.constData(), &xml); }

    // The main window's part: the new result, then the arrival or removal when the list was built.
    void result(const QList<hidStructInfo> &list, bool inserted)
    {
        if (!page.setHidStructInfoList(list))
            page.onDeviceListChanged(inserted, QString());
    }
    QList<DDeviceListItem *> rows() const { return page.findChildren<DDeviceListItem *>(); }
    // The page's own widget of that name: the lighting panel's form inside it reuses some names.
    template <typename T = QWidget>
    T *child(const char *name) const
    {
        // The page's own form widget: the hosted pages' forms reuse some object names, so a
        // widget inside another of the program's classes is not the one meant.
        for (T *w : page.findChildren<T *>(QLatin1String(name))) {
            bool own = true;
            for (QObject *o = w->parent(); o && o != &page; o = o->parent())
                own = own && QByteArray(o->metaObject()->className()).startsWith('Q');
            if (own)
                return w;
        }
        return nullptr;
    }
    bool loaded(const QString &path) const
    {
        return page.currentHidPath() == path && !page.profileXmlPath().isEmpty()
               && child<QStackedWidget>("stackedWidget_KeyboardArea")->currentWidget()
                      == child<QWidget>("page_KeyboardShow");
    }
};

}  // namespace

class tst_DeviceLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void init() { emu::reset(); }
    void cleanup() { emu::reset(); }

    void keyboardAndMouseAtStart();
    void secondKeyboardKeepsTheCurrentFile();
    void removingTheCurrentKeyboard();
    void removingTheOnlyDevice();
    void arrivalAndRemovalInOneResult();
    void pathTakenByAnotherDevice();
    void unsafeSerialStaysInside();
    void lateSerialLoadsWhenItComes();
    void upgradeHandsTheSerialBack();
    void corruptProfileIsKeptAside();
    void reconnectKeepsTheFile();
    void keyboardEffectLists();
    void mouseEffectLists();
    void mainPageSwitch_data();
    void mainPageSwitch();
    void workModeReachesTheHandshake();
    void unsupportedOnboard();
    void switchingBackAndForthKeepsKeysSafe();
};

void tst_DeviceLifecycle::keyboardAndMouseAtStart()
{
    const emu::DeviceId kb = emu::plug(keyboard(serialOf('a')));
    const emu::DeviceId mouse = emu::plug(emu::mouseSpec());
    PageFixture f;
    QVERIFY(f.page.setHidStructInfoList({record(kb, QStringLiteral("ZK87A"), 0), record(mouse, "ZM1", 1)}));
    QCOMPARE(f.rows().size(), 2);
    QCOMPARE(f.page.linkedHidPaths().size(), 2);
    // The keyboard came first; the first device of the other kind becomes current.
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(mouse)), kLoadTimeoutMs);
    QVERIFY(f.page.profileXmlPath().startsWith(QFile::encodeName(configDir() + "/ZM1/")));
    QVERIFY(QFile::exists(configDir() + "/ZK87A/" + serialOf('a') + "/brivexProFile.xml"));
    int selected = 0;
    for (DDeviceListItem *row : f.rows())
        selected += row->isSelected() ? 1 : 0;
    QCOMPARE(selected, 1);
}

void tst_DeviceLifecycle::secondKeyboardKeepsTheCurrentFile()
{
    const emu::DeviceId kb1 = emu::plug(keyboard(serialOf('a')));
    PageFixture f;
    f.result({record(kb1, "ZK87A", 0)}, true);
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(kb1)), kLoadTimeoutMs);
    const QByteArray path = f.page.profileXmlPath();

    const emu::DeviceId kb2 = emu::plug(keyboard(serialOf('b')));
    f.result({record(kb1, "ZK87A", 0), record(kb2, "ZK87A", 0)}, true);
    QTest::qWait(300);
    QCOMPARE(f.page.currentHidPath(), emu::configurationPath(kb1));
    QCOMPARE(f.page.profileXmlPath(), path);
    QCOMPARE(f.rows().size(), 2);
    QCOMPARE(f.page.linkedHidPaths().size(), 2);
    // No second link for a path already linked, whatever the result repeats.
    DDeviceKeyboardLink *link2 = f.page.deviceLink(emu::configurationPath(kb2));
    f.page.onDeviceListChanged(true, QString());
    QCOMPARE(f.page.deviceLink(emu::configurationPath(kb2)), link2);
    QCOMPARE(f.rows().size(), 2);
}

void tst_DeviceLifecycle::removingTheCurrentKeyboard()
{
    const emu::DeviceId kb1 = emu::plug(keyboard(serialOf('a')));
    const emu::DeviceId kb2 = emu::plug(keyboard(serialOf('b')));
    const emu::DeviceId mouse = emu::plug(emu::mouseSpec());
    PageFixture f;
    const hidStructInfo r1 = record(kb1, "ZK87A", 0), r2 = record(kb2, "ZK87A", 0), rm = record(mouse, "ZM1", 1);
    f.result({r1, r2, rm}, true);
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(mouse)), kLoadTimeoutMs);
    emit f.page.sigHomePageDeviceItemClicked(emu::configurationPath(kb1));
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(kb1)), kLoadTimeoutMs);

    emu::unplug(kb1);
    f.result({r2, rm}, false);
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(kb2)), kLoadTimeoutMs);
    QVERIFY(f.page.profileXmlPath().contains(serialOf('b')));
    QCOMPARE(f.rows().size(), 2);
    QVERIFY(!f.page.deviceLink(emu::configurationPath(kb1)));
}

void tst_DeviceLifecycle::removingTheOnlyDevice()
{
    const emu::DeviceId kb = emu::plug(keyboard(serialOf('a')));
    PageFixture f;
    f.result({record(kb, "ZK87A", 0)}, true);
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(kb)), kLoadTimeoutMs);
    emu::unplug(kb);
    f.result({}, false);
    QTRY_VERIFY_WITH_TIMEOUT(f.page.currentHidPath().isEmpty(), kLoadTimeoutMs);
    QCOMPARE(f.child<QLabel>("label_currentProfileName")->text(), QStringLiteral("Profile 1"));
    QCOMPARE(f.child<QStackedWidget>("stackedWidget_KeyboardArea")->currentWidget(), f.child("page_TipShow"));
    QVERIFY(f.page.currentHidPath().isEmpty());
    QVERIFY(f.rows().isEmpty());
    QVERIFY(f.page.linkedHidPaths().isEmpty());
    QVERIFY(!f.page.sendToCurrentDevice(QByteArray(64, 0), false));

    // The next device builds the list again.
    const emu::DeviceId again = emu::plug(keyboard(serialOf('c')));
    f.result({record(again, "ZK87A", 0)}, true);
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(again)), kLoadTimeoutMs);
}

void tst_DeviceLifecycle::arrivalAndRemovalInOneResult()
{
    const emu::DeviceId kb1 = emu::plug(keyboard(serialOf('a')));
    const emu::DeviceId mouse = emu::plug(emu::mouseSpec());
    PageFixture f;
    f.result({record(kb1, "ZK87A", 0), record(mouse, "ZM1", 1)}, true);
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(mouse)), kLoadTimeoutMs);

    const emu::DeviceId kb2 = emu::plug(keyboard(serialOf('b')));
    emu::unplug(kb1);
    QVERIFY(emu::configurationPath(kb2) != emu::configurationPath(kb1));
    f.result({record(mouse, "ZM1", 1), record(kb2, "ZK87A", 0)}, true);
    QTRY_COMPARE_WITH_TIMEOUT(f.page.linkedHidPaths().size(), 2, kLoadTimeoutMs);
    QVERIFY(f.page.deviceLink(emu::configurationPath(kb2)));
    QVERIFY(!f.page.deviceLink(emu::configurationPath(kb1)));
    QCOMPARE(f.rows().size(), 2);
    // A keyboard arriving while the mouse is current is of the other kind: it becomes current.
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(kb2)), kLoadTimeoutMs);
}

void tst_DeviceLifecycle::pathTakenByAnotherDevice()
{
    const emu::DeviceId kb = emu::plug(keyboard(serialOf('a')));
    PageFixture f;
    f.result({record(kb, "ZK87A", 0)}, true);
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(kb)), kLoadTimeoutMs);
    DDeviceKeyboardLink *before = f.page.deviceLink(emu::configurationPath(kb));

    hidStructInfo other = record(kb, "ZK104A", 0);
    other.pid = other.pid + 1;
    f.result({other}, true);
    QTRY_VERIFY_WITH_TIMEOUT(f.rows().size() == 1 && f.rows().first()->getHidName() == "ZK104A", kLoadTimeoutMs);
    QCOMPARE(f.page.linkedHidPaths().size(), 1);
    QVERIFY(f.page.deviceLink(emu::configurationPath(kb)) != before);
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(kb)), kLoadTimeoutMs);
    QVERIFY(f.page.profileXmlPath().contains("/ZK104A/"));
}

void tst_DeviceLifecycle::unsafeSerialStaysInside()
{
    QByteArray serial = "../../../../../../tmp/zelka-escape";
    const emu::DeviceId kb = emu::plug(keyboard(serial));
    PageFixture f;
    f.result({record(kb, "ZK87A", 0)}, true);
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(kb)), kLoadTimeoutMs);
    const QString path = QFile::decodeName(f.page.profileXmlPath());
    QVERIFY2(QDir::cleanPath(path).startsWith(QDir::cleanPath(configDir()) + "/ZK87A/"), qPrintable(path));
    QVERIFY(QFile::exists(path));
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/zelka-escape")));
}

void tst_DeviceLifecycle::lateSerialLoadsWhenItComes()
{
    const emu::DeviceId kb = emu::plug(keyboard(serialOf('a')));
    emu::setReplyFault(kb, 0x15, emu::ReplyFault::Late, std::chrono::milliseconds(3500));
    PageFixture f;
    f.result({record(kb, "ZK87A", 0)}, true);
    QCOMPARE(f.page.currentHidPath(), emu::configurationPath(kb));
    QVERIFY(!f.page.sendToCurrentDevice(QByteArray(64, 0), false));  // not usable yet
    QTRY_VERIFY_WITH_TIMEOUT(!f.page.profileXmlPath().isEmpty(), kLoadTimeoutMs + 5000);
    QVERIFY(f.page.profileXmlPath().contains(serialOf('a')));
    QVERIFY(QFile::exists(QFile::decodeName(f.page.profileXmlPath())));
}

void tst_DeviceLifecycle::upgradeHandsTheSerialBack()
{
    const QByteArray old = "0123456789abcdef0123456789abcdef";
    const emu::DeviceId kb = emu::plug(keyboard(QByteArray()));
    PageFixture f;
    f.page.setHidUpgradeInfo(true, emu::configurationPath(kb), QString::fromLatin1(old));
    f.result({record(kb, "ZK87A", 0)}, true);
    QTRY_VERIFY_WITH_TIMEOUT(!emu::writtenCommand(kb, 0x16).isEmpty(), kLoadTimeoutMs);
    QVERIFY(emu::writtenCommand(kb, 0x16).first().data.contains(old));
}

void tst_DeviceLifecycle::corruptProfileIsKeptAside()
{
    const QString folder = configDir() + "/ZK87A/" + serialOf('a');
    QVERIFY(QDir().mkpath(folder));
    {
        QFile file(folder + "/brivexProFile.xml");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<Parameters profileIndex=\"1\"><config");
    }
    const emu::DeviceId kb = emu::plug(keyboard(serialOf('a')));
    PageFixture f;
    f.result({record(kb, "ZK87A", 0)}, true);
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(kb)), kLoadTimeoutMs);
    const QStringList aside = QDir(folder).entryList({QStringLiteral("brivexProFile.xml.unreadable-*")});
    QCOMPARE(aside.size(), 1);
    QVERIFY(f.page.findChild<CbNotice *>()->text().contains(aside.first()));
    QCOMPARE(f.child<QLabel>("label_currentProfileName")->text(), QStringLiteral("Profile1"));
}

void tst_DeviceLifecycle::reconnectKeepsTheFile()
{
    const QString folder = configDir() + "/ZK87A/" + serialOf('a');
    QVERIFY(QDir().mkpath(folder));
    const QByteArray content = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<Parameters profileIndex=\"2\">"
                               "<config index=\"1\" name=\"Profile1\" /><config index=\"2\" name=\"Games\" />"
                               "</Parameters>\n";
    {
        QFile file(folder + "/brivexProFile.xml");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const emu::DeviceId kb = emu::plug(keyboard(serialOf('a')));
    PageFixture f;
    f.result({record(kb, "ZK87A", 0)}, true);
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(kb)), kLoadTimeoutMs);
    QCOMPARE(f.child<QLabel>("label_currentProfileName")->text(), QStringLiteral("Games"));
    QFile file(folder + "/brivexProFile.xml");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
}

void tst_DeviceLifecycle::keyboardEffectLists()
{
    emu::DeviceSpec spec = keyboard(serialOf('a'));
    spec.keyLights.effects = {0, 13, 16, 77};
    spec.sideLights.effects = {};
    const emu::DeviceId kb = emu::plug(spec);
    PageFixture f;
    f.result({record(kb, "ZK87A", 0)}, true);
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(kb)), kLoadTimeoutMs);
    QVERIFY(!f.child("toolButton_Static")->isHidden());
    QVERIFY(!f.child("toolButton_Fireworks")->isHidden());
    QVERIFY(!f.child("toolButton_CustomLed")->isHidden());
    QVERIFY(!f.child("toolButton_MusicalRhythm")->isHidden());
    for (const char *hidden : {"toolButton_Breath", "toolButton_Wave", "toolButton_MouseDPI", "toolButton_Cross"})
        QVERIFY2(f.child(hidden)->isHidden(), hidden);
    QVERIFY(f.child("frame_19")->isHidden());
}

void tst_DeviceLifecycle::mouseEffectLists()
{
    emu::DeviceSpec spec = emu::mouseSpec();
    spec.aroundLights.effects = {4, 7};
    spec.scrollLights.effects = {3};
    const emu::DeviceId mouse = emu::plug(spec);
    PageFixture f;
    f.result({record(mouse, "ZM1", 1)}, true);
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(mouse)), kLoadTimeoutMs);
    QVERIFY(!f.child("toolButton_Snack")->isHidden());
    QVERIFY(!f.child("toolButton_MouseDPI")->isHidden());
    QVERIFY(!f.child("toolButton_MouseScrollAndLogoDPI")->isHidden());
    for (const char *hidden : {"toolButton_Static", "toolButton_Radar", "toolButton_CustomLed",
                               "toolButton_MusicalRhythm", "toolButton_MouseScrollAndLogoStatic"})
        QVERIFY2(f.child(hidden)->isHidden(), hidden);
}

void tst_DeviceLifecycle::mainPageSwitch_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("frame6Height");
    QTest::addColumn<QString>("devicePage");
    QTest::newRow("keyboard keys") << 0 << "pushButton_Custom" << 200 << "page_deviceShow";
    QTest::newRow("mouse keys") << 1 << "pushButton_Custom" << 240 << "page_deviceShow";
    QTest::newRow("mouse lighting") << 1 << "pushButton_Led" << 100 << "page_MouseLight";
}

void tst_DeviceLifecycle::mainPageSwitch()
{
    QFETCH(int, deviceType);
    QFETCH(QString, button);
    QFETCH(int, frame6Height);
    QFETCH(QString, devicePage);
    const emu::DeviceId id = emu::plug(deviceType == 0 ? keyboard(serialOf('a')) : emu::mouseSpec());
    PageFixture f;
    f.result({record(id, deviceType == 0 ? "ZK87A" : "ZM1", deviceType)}, true);
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(id)), kLoadTimeoutMs);
    f.page.findChild<QPushButton *>(button)->click();
    QCOMPARE(f.child("frame_6")->maximumHeight(), frame6Height);
    QCOMPARE(f.child<QStackedWidget>("stackedWidget_DeviceChang")->currentWidget()->objectName(), devicePage);
}

void tst_DeviceLifecycle::workModeReachesTheHandshake()
{
    const emu::DeviceId kb = emu::plug(keyboard(serialOf('a')));
    const emu::DeviceId mouse = emu::plug(emu::mouseSpec());
    PageFixture f;
    f.result({record(kb, "ZK87A", 0), record(mouse, "ZM1", 1)}, true);
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(mouse)), kLoadTimeoutMs);
    emit f.page.sigHomePageDeviceItemClicked(emu::configurationPath(kb));
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(kb)), kLoadTimeoutMs);
    QVERIFY(!f.child("frame_HidDeviceTypeChang")->isHidden());

    const QString folder = QFileInfo(QFile::decodeName(f.page.profileXmlPath())).absolutePath();
    f.child<QPushButton>("pushButton_OnboardMode")->click();
    QTRY_COMPARE_WITH_TIMEOUT(emu::hostMode(kb), 1, kLoadTimeoutMs);
    for (const char *name : {"/brivexOnboardProFile.xml", "/OnboardDefaultProFile.xml", "/OnboardFN1ProFile.xml"})
        QVERIFY2(QFile::exists(folder + name), name);
    QVERIFY(f.child("toolButton_Text")->isHidden());
    QFile list(folder + "/brivexOnboardProFile.xml");
    QVERIFY(list.open(QIODevice::ReadOnly));
    const QByteArray first = list.readAll();
    list.close();
    QVERIFY(first.contains("NewConfig1"));

    f.child<QPushButton>("pushButton_AppMode")->click();
    QTRY_COMPARE_WITH_TIMEOUT(emu::hostMode(kb), 0, kLoadTimeoutMs);
    QVERIFY(!f.child("toolButton_Text")->isHidden());

    // The second entry reads what the first made.
    f.child<QPushButton>("pushButton_OnboardMode")->click();
    QTRY_COMPARE_WITH_TIMEOUT(emu::hostMode(kb), 1, kLoadTimeoutMs);
    QVERIFY(list.open(QIODevice::ReadOnly));
    QCOMPARE(list.readAll(), first);
    list.close();

    // Another device becoming current puts every link back in PC mode.
    emit f.page.sigHomePageDeviceItemClicked(emu::configurationPath(mouse));
    QTRY_COMPARE_WITH_TIMEOUT(emu::hostMode(kb), 0, kLoadTimeoutMs);
}

void tst_DeviceLifecycle::unsupportedOnboard()
{
    const emu::DeviceId mouse = emu::plug(emu::mouseSpec());
    PageFixture f;
    f.result({record(mouse, "ZM1", 1)}, true);
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(mouse)), kLoadTimeoutMs);
    f.child<QPushButton>("pushButton_OnboardMode")->click();
    QVERIFY(f.child<QPushButton>("pushButton_AppMode")->isChecked());
    QTest::qWait(1600);
    QVERIFY(emu::hostMode(mouse) != 1);
}

void tst_DeviceLifecycle::switchingBackAndForthKeepsKeysSafe()
{
    // The key views are rebuilt on every switch; the links and engines must never keep the old buttons.
    const emu::DeviceId kb = emu::plug(keyboard(serialOf('a')));
    const emu::DeviceId mouse = emu::plug(emu::mouseSpec());
    PageFixture f;
    f.result({record(kb, "ZK87A", 0), record(mouse, "ZM1", 1)}, true);
    QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(mouse)), kLoadTimeoutMs);
    for (int round = 0; round < 2; ++round) {
        emit f.page.sigHomePageDeviceItemClicked(emu::configurationPath(kb));
        QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(kb)), kLoadTimeoutMs);
        emit f.page.sigHomePageDeviceItemClicked(emu::configurationPath(mouse));
        QTRY_VERIFY_WITH_TIMEOUT(f.loaded(emu::configurationPath(mouse)), kLoadTimeoutMs);
    }
    emu::injectKeys(kb, 0, {0x04});
    emu::injectKeys(kb, 0, {});
    emu::injectMouse(mouse, 1, 0);
    emu::injectMouse(mouse, 0, 0);
    QTest::qWait(200);
    QCOMPARE(f.rows().size(), 2);
}

QTEST_MAIN(tst_DeviceLifecycle)
#include "tst_DeviceLifecycle.moc"
