// SPDX-License-Identifier: GPL-3.0-or-later
// The DPI view inside the device page with an emulated mouse: the 0x41 reports the mouse
// receives are built from the profile file after each change, and the mouse's DPI key steps
// the level in use.

#include "CommandQueueDrain.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "DDpiConfigListItem.h"
#include "DevicePageDpiPresses.h"
#include "DmouseConfigView.h"
#include "Emulator.h"
#include "FileWatch.h"
#include "HidRecords.h"
#include "xmlInterface.h"

#include <QCheckBox>
#include <QDir>
#include <QtTest>

#include <chrono>
#include <cstring>

namespace {

// Generous: on a loaded machine a load or a report can take seconds; a wait ends as soon as it is met.
constexpr std::chrono::milliseconds kWait(20000);
constexpr int kLoadTimeoutMs = 30000;

hidStructInfo mouseRecord(emu::DeviceId id)
{
    hidStructInfo info;
    info.vid = emu::spec(id).vendorId;
    info.pid = emu::spec(id).productId;
    std::strncpy(info.hidPath, emu::configurationPath(id).toLatin1().constData(), sizeof info.hidPath - 1);
    std::strncpy(info.hidName, "ZM1", sizeof info.hidName - 1);
    info.deviceType = 1;
    return info;
}

QByteArray written0x41(emu::DeviceId id, int nth)
{
    const auto reports = emu::writtenCommand(id, 0x41);
    return nth < reports.size() ? reports.at(nth).data.left(44) : QByteArray();
}

}  // namespace

class tst_MouseDpiOnDevice : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { emu::reset(); }
    void loadAndDpiKey();
    void pressesInOneBurst_data();
    void pressesInOneBurst();
};

void tst_MouseDpiOnDevice::loadAndDpiKey()
{
    const emu::DeviceId id = emu::plug(emu::mouseSpec());
    xmlInterface xml;
    DDevicePage page;
    page.setMacroXml("", &xml);  // the page's store, as the main window gives it
    QVERIFY(page.setHidStructInfoList({mouseRecord(id)}));
    // The page loads the mouse (and sends its profile) first; the reports counted below come after.
    QTRY_VERIFY_WITH_TIMEOUT(!page.profileXmlPath().isEmpty(), kLoadTimeoutMs);
    DDeviceKeyboardLink *link = page.getDeviceLinkMap().value(emu::configurationPath(id));
    QVERIFY(link);
    QVERIFY(drain::commandsWritten(link, id));

    // The profile of a new mouse, where the page keeps this mouse's files.
    const QString folder = DDataManager::getInstance()->getUserConfigDir() + QStringLiteral("/ZM1/")
                           + QString::fromLatin1(emu::storedSerial(id));
    QVERIFY(QDir().mkpath(folder));
    const QByteArray path = QFile::encodeName(folder + QStringLiteral("/brivexProFile.xml"));
    xml.createXmlFile(path.constData());
    xml.addProfileConfig(path.constData(), "1", "Profile 1", "", "", 1);
    const DpiItemInfo levels[6] = {
        {1, 1, 0, 800, 800, 255, 0, 0},     {1, 2, 0, 1500, 1500, 255, 255, 0}, {1, 3, 0, 2200, 2200, 0, 255, 0},
        {1, 4, 0, 2900, 2900, 0, 255, 255}, {1, 5, 0, 3600, 3600, 0, 0, 255},   {1, 6, 0, 600, 600, 128, 0, 255},
    };
    for (const DpiItemInfo &level : levels)
        xml.addDpiItem(path.constData(), "1", level);
    xml.setDpiUsingIndex(path.constData(), "1", 3);

    auto *view = page.findChild<DmouseConfigView *>();
    QVERIFY(view);
    emu::clearWritten(id);
    view->setProfileXml(path.constData(), &xml);
    view->setProfileIndex(1);
    view->loadProfileConfig();
    QVERIFY(emu::waitForCommand(id, 0x41, kWait));
    QVERIFY(drain::commandsWritten(link, id));
    QCOMPARE(emu::writtenCommand(id, 0x41).size(), 1);
    QCOMPARE(written0x41(id, 0).toHex(' ').toUpper(),
             QByteArray::fromHex("01 41 00 00 00 26 02 01 12 12 FF 00 00 01 22 22 FF FF 00 01 32 32 00 FF 00"
                                 " 01 42 42 00 FF FF 01 53 53 00 00 FF 01 0D 0D 80 00 FF 01")
                 .toHex(' ')
                 .toUpper());

    // Level 4 deselected, then the DPI button: level 5 is next after level 3.
    for (DDpiConfigListItem *row : view->rows()) {
        if (row->getIndex() == 4)
            row->findChild<QCheckBox *>(QStringLiteral("checkBox_Select"))->click();
    }
    QVERIFY(emu::waitForCommand(id, 0x41, kWait, 2));
    QCOMPARE(quint8(written0x41(id, 1).at(7 + 18)), quint8(0));
    // The link's DPI key signal, as the link gives it for a press of the unassigned DPI button.
    emit link->sigMouseTriggeredDPIkey();
    // Served once the presses pause (DevicePageDpiPresses), from the event loop.
    QTRY_VERIFY_WITH_TIMEOUT(emu::writtenCommand(id, 0x41).size() >= 3, int(kWait.count()));
    QVERIFY(emu::waitForCommand(id, 0x41, kWait, 3));
    QCOMPARE(int(written0x41(id, 2).at(6)), 4);
    QCOMPARE(xml.getDpiUsingIndex(path.constData(), "1"), 5);

    // A level in use outside 1 to 6 (a hand-edited file) is not put on another level: nothing goes.
    for (int bad : {0, 7, 9}) {
        xml.setDpiUsingIndex(path.constData(), "1", bad);
        emu::clearWritten(id);
        emit view->sigDpiConfigChanged();
        QVERIFY(drain::commandsWritten(link, id));
        QCOMPARE(emu::writtenCommand(id, 0x41).size(), 0);
    }
}

void tst_MouseDpiOnDevice::pressesInOneBurst_data()
{
    // Levels 1, 2, 3 and 5 are selected and 3 is in use: each press goes on to the next of them.
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("level");
    QTest::newRow("one press") << 1 << 5;
    QTest::newRow("two presses") << 2 << 1;
    QTest::newRow("a chattering button: 499 presses") << 499 << 2;
    QTest::newRow("a chattering button: 501 presses") << 501 << 5;
}

void tst_MouseDpiOnDevice::pressesInOneBurst()
{
    QFETCH(int, presses);
    QFETCH(int, level);
    const emu::DeviceId id = emu::plug(emu::mouseSpec());
    xmlInterface xml;
    DDevicePage page;
    page.setMacroXml("", &xml);
    QVERIFY(page.setHidStructInfoList({mouseRecord(id)}));
    QTRY_VERIFY_WITH_TIMEOUT(!page.profileXmlPath().isEmpty(), kLoadTimeoutMs);
    DDeviceKeyboardLink *link = page.getDeviceLinkMap().value(emu::configurationPath(id));
    QVERIFY(link);
    auto *view = page.findChild<DmouseConfigView *>();
    QVERIFY(view);
    const QByteArray path = page.profileXmlPath();
    const QByteArray key = QByteArray::number(xml.getProfileIndex(path.constData()));
    xml.setDpiUsingIndex(path.constData(), key.constData(), 3);
    view->loadProfileConfig();
    for (DDpiConfigListItem *row : view->rows()) {
        const bool selected = row->getIndex() != 4 && row->getIndex() != 6;
        if (row->getDpiItemInfo().selectStatus != (selected ? 1 : 0))
            row->findChild<QCheckBox *>(QStringLiteral("checkBox_Select"))->click();
    }
    QVERIFY(drain::commandsWritten(link, id));
    emu::clearWritten(id);
    FileWatch file(path);
    QVERIFY(file.isValid());
    QSignalSpy restyled(view, &DmouseConfigView::sigDpiConfigChanged);

    // The presses come faster than one is served, as the link gives them for the DPI button.
    for (int i = 0; i < presses; ++i)
        emit link->sigMouseTriggeredDPIkey();

    // One burst: the last level wins, once in the view, the file and the mouse.
    QTRY_VERIFY_WITH_TIMEOUT(restyled.count() > 0, int(kWait.count()));
    QVERIFY(emu::waitForCommand(id, 0x41, kWait));
    QVERIFY(drain::commandsWritten(link, id));
    QTest::qWait(DevicePageDpiPresses::kQuietMs * 5);
    QCOMPARE(emu::writtenCommand(id, 0x41).size(), 1);
    QCOMPARE(int(written0x41(id, 0).at(6)), level - 1);
    QCOMPARE(xml.getDpiUsingIndex(path.constData(), key.constData()), level);
    QCOMPARE(file.writes(), 1);
    QCOMPARE(restyled.count(), 1);
}

QTEST_MAIN(tst_MouseDpiOnDevice)
#include "tst_MouseDpiOnDevice.moc"
