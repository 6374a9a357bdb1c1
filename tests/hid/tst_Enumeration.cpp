// SPDX-License-Identifier: GPL-3.0-or-later
#include "DDataManager.h"
#include "Emulator.h"
#include "EmulatorDescriptorReader.h"
#include "MainHidInterFace.h"
#include "ReportDescriptor.h"

#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include <memory>
#include <thread>

using namespace std::chrono_literals;
using emu::PathStyle;

Q_DECLARE_METATYPE(emu::PathStyle)
Q_DECLARE_METATYPE(emu::ReplyFault)
Q_DECLARE_METATYPE(emu::DeviceSpec)

namespace {

const QStringList kModels = {
    QStringLiteral("ZK87A"),  QStringLiteral("ZK87B"),  QStringLiteral("ZK87C"),  QStringLiteral("ZK87R"),
    QStringLiteral("ZK87S"),  QStringLiteral("ZK87W"),  QStringLiteral("ZK104A"), QStringLiteral("ZK104B"),
    QStringLiteral("ZK104C"), QStringLiteral("ZK104R"), QStringLiteral("ZK104S"), QStringLiteral("ZK104W"),
    QStringLiteral("ZM1"),
};

const QString kOpenFailureLine = QStringLiteral("Get hid device info start: [Open_path - Unable to open Hid]");
const QString kRepeatLine = QStringLiteral("Get hid device info start: [ReadFile 0x0d - Read_InfoError goto Loop]");
const QString kGiveUpLine =
    QStringLiteral("Get hid device info start: [ReadFile 0x0d - Read_InfoError, no answer after 3 tries]");

SupportHidInfo supportEntry(const char *vid, const char *pid, int type)
{
    SupportHidInfo entry;
    qstrncpy(entry.Vid, vid, sizeof entry.Vid);
    qstrncpy(entry.Pid, pid, sizeof entry.Pid);
    entry.type = type;
    return entry;
}

const QList<SupportHidInfo> kSupportList = {
    supportEntry("0416", "B23C", 0), supportEntry("0416", "C345", 0), supportEntry("0C45", "A21C", 1),
    supportEntry("2E88", "B30A", 0), supportEntry("0C45", "7043", 0), supportEntry("0C45", "B12B", 0),
};

// How many lines of the daily log end with text.
int logLines(const QString &text)
{
    const QDir dir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/LogCollect"));
    int count = 0;
    for (const QString &name : dir.entryList(QDir::Files)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (line.endsWith(text.toLocal8Bit()))
                ++count;
        }
    }
    return count;
}

QStringList paths(const QList<hidStructInfo> &list)
{
    QStringList out;
    for (const hidStructInfo &info : list)
        out << QString::fromLatin1(info.hidPath);
    return out;
}

QStringList names(const QList<hidStructInfo> &list)
{
    QStringList out;
    for (const hidStructInfo &info : list)
        out << QString::fromLatin1(info.hidName);
    return out;
}

// The information query as the device must receive it: report id, 0x0D, zeros to 64 bytes.
QByteArray infoQuery(int reportId)
{
    QByteArray query(64, '\0');
    query[0] = char(reportId);
    query[1] = 0x0D;
    return query;
}

int queries(emu::DeviceId id)
{
    return emu::writtenCommand(id, 0x0D).size();
}

emu::DeviceId plugKeyboard(const QString &model, PathStyle style = PathStyle::Linux)
{
    return emu::plug(emu::keyboardSpec(model, style));
}

}  // namespace

class tst_Enumeration : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void configurationInterfaceOnly_data();
    void configurationInterfaceOnly();
    void decoysAreIgnored_data();
    void decoysAreIgnored();
    void supportEntryIds_data();
    void supportEntryIds();
    void sortedByPath();
    void seventhQueryExample();
    void buildText_data();
    void buildText();
    void staleAnswerIsBounded_data();
    void staleAnswerIsBounded();
    void droppedDevices_data();
    void droppedDevices();
    void openAttempts_data();
    void openAttempts();
    void arrivalOfTwoAtOnce();
    void removalOfOneOfTwoAndPathReuse();
    void runInAnotherThread();

private:
    std::unique_ptr<MainHidInterFace> enumerator();
    std::shared_ptr<EmulatorDescriptorReader> m_reader;
};

void tst_Enumeration::init()
{
    emu::reset();
    DDataManager::getInstance()->setHidSupportList(kSupportList);
    m_reader = std::make_shared<EmulatorDescriptorReader>();
}

void tst_Enumeration::cleanup()
{
    emu::reset();
}

std::unique_ptr<MainHidInterFace> tst_Enumeration::enumerator()
{
    auto e = std::make_unique<MainHidInterFace>(0, QStringLiteral("mainThread"));
    e->setHidNameList(kModels);
    e->setReportDescriptorReader(m_reader);
    return e;
}

void tst_Enumeration::configurationInterfaceOnly_data()
{
    QTest::addColumn<bool>("mouse");
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<int>("reportId");

    QTest::newRow("keyboard, hidraw") << false << PathStyle::Linux << 1;
    QTest::newRow("keyboard, hidraw, six collections") << false << PathStyle::LinuxCol06 << 6;
    QTest::newRow("keyboard, mi_02") << false << PathStyle::WindowsMi02 << 1;
    QTest::newRow("keyboard, col06") << false << PathStyle::WindowsCol06 << 6;
    QTest::newRow("mouse, hidraw") << true << PathStyle::Linux << 1;
    QTest::newRow("mouse, hidraw, six collections") << true << PathStyle::LinuxCol06 << 6;
}

// Of all the interfaces (and all the collections hidapi lists for one interface) of a
// supported device, exactly its configuration interface is queried and listed, and the report
// id decided for it is the one the transport and the query then use.
void tst_Enumeration::configurationInterfaceOnly()
{
    QFETCH(bool, mouse);
    QFETCH(PathStyle, style);
    QFETCH(int, reportId);

    const QString model = mouse ? QStringLiteral("ZM1") : QStringLiteral("ZK104S");
    const emu::DeviceId id = emu::plug(mouse ? emu::mouseSpec(model, style) : emu::keyboardSpec(model, style));
    const QString configurationPath = emu::configurationPath(id);

    auto e = enumerator();
    QSignalSpy done(e.get(), &MainHidInterFace::sigGetHidListSuccessful);
    e->getHidList(MainHidInterFace::kFullList);
    QCOMPARE(done.count(), 1);
    QVERIFY(!e->isGettingHidList());

    const QList<hidStructInfo> list = e->getHidStructInfoList();
    QCOMPARE(paths(list), QStringList{configurationPath});
    const hidStructInfo &info = list.first();
    const emu::DeviceSpec spec = emu::spec(id);
    QCOMPARE(info.vid, int(spec.vendorId));
    QCOMPARE(info.pid, int(spec.productId));
    QCOMPARE(QString::fromLatin1(info.manufacturer), spec.manufacturer);
    QCOMPARE(QString::fromLatin1(info.product), spec.product);
    QCOMPARE(QString::fromLatin1(info.hidName), model);
    QCOMPARE(info.deviceType, mouse ? 1 : 0);

    QCOMPARE(MainHidInterFace::reportIdForPath(configurationPath), reportId);
    const QVector<emu::WrittenReport> asked = emu::writtenCommand(id, 0x0D);
    QCOMPARE(asked.size(), 1);  // one query, however often hidapi lists the interface
    QCOMPARE(asked.first().data.toHex(), infoQuery(reportId).toHex());  // all 64 bytes

    // A transport opened on the listed path writes with that report id.
    MainHidInterFace transport(1, model);
    QCOMPARE(transport.hidOpenPath(info.vid, info.pid, configurationPath), 0);
    transport.start();
    QVERIFY(emu::waitForCommand(id, 0x15, 5s));
    QCOMPARE(int(uint8_t(emu::writtenCommand(id, 0x15).first().data.at(0))), reportId);
    transport.closeHidDevice();
}

void tst_Enumeration::decoysAreIgnored_data()
{
    QTest::addColumn<emu::DeviceSpec>("decoy");
    using emu::InterfaceSpec;
    using emu::ReportDescriptor;

    auto vendorInterface = [](int number, const QByteArray &descriptor, int reportId) {
        InterfaceSpec s;
        s.interfaceNumber = number;
        s.usagePage = 0xFF00;
        s.usage = 0x01;
        s.configuration = true;  // it would answer the query if asked
        s.reportId = reportId;
        s.reportDescriptor = descriptor;
        return s;
    };
    InterfaceSpec boot;
    boot.usagePage = 0x01;
    boot.usage = 0x06;
    boot.reportId = 0;
    boot.reportDescriptor = ReportDescriptor::bootKeyboard();

    emu::DeviceSpec thirdInterface = emu::keyboardSpec(QStringLiteral("ZK87A"));
    thirdInterface.interfaces = {boot, vendorInterface(3, ReportDescriptor::configuration(1), 1)};
    QTest::newRow("hidraw, vendor interface 3") << thirdInterface;

    emu::DeviceSpec sixElsewhere = thirdInterface;
    sixElsewhere.interfaces = {boot,
                               vendorInterface(1,
                                               ReportDescriptor::bootKeyboard() + ReportDescriptor::media()
                                                   + ReportDescriptor::configuration(6) + ReportDescriptor::bootMouse()
                                                   + ReportDescriptor::configuration(5),
                                               6)};
    QTest::newRow("hidraw, report id 6 not in the sixth collection") << sixElsewhere;

    emu::DeviceSpec windowsThird = thirdInterface;
    windowsThird.pathStyle = PathStyle::WindowsMi02;
    QTest::newRow("mi_03") << windowsThird;

    emu::DeviceSpec unsupported = emu::keyboardSpec(QStringLiteral("ZK87A"), PathStyle::WindowsMi02);
    unsupported.productId = 0xB23D;
    QTest::newRow("mi_02 of an unsupported product") << unsupported;
}

void tst_Enumeration::decoysAreIgnored()
{
    QFETCH(emu::DeviceSpec, decoy);
    const emu::DeviceId decoyId = emu::plug(decoy);
    const emu::DeviceId real = plugKeyboard(QStringLiteral("ZK87B"));

    auto e = enumerator();
    e->getHidList(MainHidInterFace::kFullList);
    QCOMPARE(paths(e->getHidStructInfoList()), QStringList{emu::configurationPath(real)});
    QCOMPARE(queries(decoyId), 0);
}

void tst_Enumeration::supportEntryIds_data()
{
    QTest::addColumn<QByteArray>("vid");
    QTest::addColumn<QByteArray>("pid");
    QTest::addColumn<bool>("listed");

    QTest::newRow("as shipped") << QByteArray("0416") << QByteArray("B23C") << true;
    QTest::newRow("lower case") << QByteArray("0416") << QByteArray("b23c") << true;
    QTest::newRow("Vid written with 0x") << QByteArray("0x0416") << QByteArray("B23C") << false;
    QTest::newRow("Pid written with 0x") << QByteArray("0416") << QByteArray("0xB23C") << false;
    QTest::newRow("empty Vid") << QByteArray() << QByteArray("B23C") << false;
    QTest::newRow("not hexadecimal") << QByteArray("04G6") << QByteArray("B23C") << false;
}

void tst_Enumeration::supportEntryIds()
{
    QFETCH(QByteArray, vid);
    QFETCH(QByteArray, pid);
    QFETCH(bool, listed);
    DDataManager::getInstance()->setHidSupportList({supportEntry(vid.constData(), pid.constData(), 0)});
    const emu::DeviceId id = plugKeyboard(QStringLiteral("ZK87A"));

    auto e = enumerator();
    e->getHidList(MainHidInterFace::kFullList);
    QCOMPARE(e->getHidStructInfoList().size(), listed ? 1 : 0);
    QCOMPARE(queries(id), listed ? 1 : 0);
}

void tst_Enumeration::sortedByPath()
{
    // Listed by hidapi in plugging order, the second device's path sorts first.
    const emu::DeviceId c345 = [] {
        emu::DeviceSpec s = emu::keyboardSpec(QStringLiteral("ZK104A"), PathStyle::WindowsMi02);
        s.productId = 0xC345;
        return emu::plug(s);
    }();
    const emu::DeviceId b23c = plugKeyboard(QStringLiteral("ZK87A"), PathStyle::WindowsMi02);
    const QStringList expected = {emu::configurationPath(b23c), emu::configurationPath(c345)};
    QVERIFY(expected.at(0) < expected.at(1));

    auto e = enumerator();
    e->getHidList(MainHidInterFace::kFullList);
    QCOMPARE(paths(e->getHidStructInfoList()), expected);
    QCOMPARE(names(e->getHidStructInfoList()), (QStringList{QStringLiteral("ZK87A"), QStringLiteral("ZK104A")}));
    const QList<HidDeviceInfo> devices = e->getHidDeviceInfoList();
    QCOMPARE(devices.size(), 2);
    QCOMPARE(QString::fromLatin1(devices.at(0).hidPath), expected.at(0));
    QCOMPARE(QString::fromLatin1(devices.at(1).hidPath), expected.at(1));
}

void tst_Enumeration::seventhQueryExample()
{
    emu::DeviceSpec spec = emu::keyboardSpec(QStringLiteral("ZK87A"));
    spec.infoText = QStringLiteral("A,B,C,D,E,F");
    spec.buildText = QStringLiteral("Mar  7 2022,10:11:12");
    const emu::DeviceId id = emu::plug(spec);

    auto e = enumerator();
    e->setHidNameList({QStringLiteral("E")});
    // Six queries that cannot open the device still count.
    emu::failAllOpens(true);
    for (int i = 0; i < 6; ++i)
        e->getHidList(MainHidInterFace::kFullList);
    emu::failAllOpens(false);
    QVERIFY(e->getHidStructInfoList().isEmpty());
    e->getHidList(MainHidInterFace::kFullList);

    const QList<hidStructInfo> list = e->getHidStructInfoList();
    QCOMPARE(list.size(), 1);
    QCOMPARE(QByteArray(list.first().hidName), QByteArray("E"));
    QCOMPARE(QByteArray(list.first().firmwareId), QByteArray("ABCD"));

    const QMap<QString, QString> firmware = e->getFirmwareInfoMap();
    QCOMPARE(firmware.keys(), QStringList{QStringLiteral("7-ABCD,E")});
    QCOMPARE(firmware.first(), QStringLiteral("F---2022/3/7 10:11:12"));

    const QList<HidDeviceInfo> devices = e->getHidDeviceInfoList();
    QCOMPARE(devices.size(), 1);
    const HidDeviceInfo &d = devices.first();
    const QList<QByteArray> fields = {d.chipName, d.chipNum, d.deviceKind, d.makerTag, d.hidName, d.version};
    QCOMPARE(fields, (QList<QByteArray>{"A", "B", "C", "D", "E", "F"}));
    QCOMPARE(QString::fromLatin1(d.hidPath), emu::configurationPath(id));
    QCOMPARE(QByteArray(d.newVersion), QByteArray());
}

void tst_Enumeration::buildText_data()
{
    QTest::addColumn<QString>("infoText");
    QTest::addColumn<QString>("buildText");
    QTest::addColumn<QString>("expected");

    const QString info = QStringLiteral("NUC121,01,KB,ZK,ZK87A,V1.02");
    QTest::newRow("two-digit day") << info << "Dec 25 2023,23:59:58"
                                   << "V1.02---2023/12/25 23:59:58";
    QTest::newRow("unknown month") << info << "Foo 14 2024,10:22:33"
                                   << "V1.02---2024/1/14 10:22:33";
    QTest::newRow("month in lower case") << info << "mar 14 2024,10:22:33"
                                         << "V1.02---2024/1/14 10:22:33";
    QTest::newRow("no comma") << info << "Mar 14 2024"
                              << "V1.02---2024/3/14 ";
    QTest::newRow("short") << info << "Ma"
                           << "V1.02---Ma/1/ ";
    QTest::newRow("empty") << info << ""
                           << "V1.02---/1/ ";
    // Every field of the information text is read as far as it goes.
    QTest::newRow("information text of 58 characters")
        << QStringLiteral("NUC121,01,KB,ZK,ZK87A,V1.0") + QString(32, QLatin1Char('2')) << "Mar 14 2024,10:22:33"
        << "V1.0" + QString(32, QLatin1Char('2')) + "---2024/3/14 10:22:33";
}

void tst_Enumeration::buildText()
{
    QFETCH(QString, infoText);
    QFETCH(QString, buildText);
    QFETCH(QString, expected);
    emu::DeviceSpec spec = emu::keyboardSpec(QStringLiteral("ZK87A"));
    spec.infoText = infoText;
    spec.buildText = buildText;
    emu::plug(spec);

    auto e = enumerator();
    e->getHidList(MainHidInterFace::kFullList);
    QCOMPARE(names(e->getHidStructInfoList()), QStringList{QStringLiteral("ZK87A")});
    const QMap<QString, QString> firmware = e->getFirmwareInfoMap();
    QCOMPARE(firmware.keys(), QStringList{QStringLiteral("1-NUC12101KBZK,ZK87A")});
    QCOMPARE(firmware.first(), expected);
}

void tst_Enumeration::staleAnswerIsBounded_data()
{
    QTest::addColumn<int>("staleAnswers");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<int>("queries");
    QTest::addColumn<int>("repeatLines");
    QTest::addColumn<int>("giveUpLines");

    QTest::newRow("one stale answer") << 1 << true << 2 << 1 << 0;
    QTest::newRow("two stale answers") << 2 << true << 3 << 2 << 0;
    QTest::newRow("always stale") << -1 << false << 3 << 2 << 1;
}

void tst_Enumeration::staleAnswerIsBounded()
{
    QFETCH(int, staleAnswers);
    QFETCH(bool, listed);
    QFETCH(int, queries);
    QFETCH(int, repeatLines);
    QFETCH(int, giveUpLines);
    const emu::DeviceId id = plugKeyboard(QStringLiteral("ZK87C"));
    emu::setInfoColonAnswers(id, staleAnswers);
    const int repeatBefore = logLines(kRepeatLine);
    const int giveUpBefore = logLines(kGiveUpLine);

    auto e = enumerator();
    e->getHidList(MainHidInterFace::kFullList);
    QCOMPARE(e->getHidStructInfoList().size(), listed ? 1 : 0);
    QCOMPARE(::queries(id), queries);
    QCOMPARE(logLines(kRepeatLine) - repeatBefore, repeatLines);
    QCOMPARE(logLines(kGiveUpLine) - giveUpBefore, giveUpLines);
    QCOMPARE(emu::openHandleCount(id), 0);
}

void tst_Enumeration::droppedDevices_data()
{
    QTest::addColumn<QString>("infoText");
    QTest::addColumn<emu::ReplyFault>("fault");

    const emu::ReplyFault none = emu::ReplyFault::None;
    QTest::newRow("model not in the device list") << "NUC121,01,KB,ZK,ZK99X,V1.02" << none;
    QTest::newRow("withdrawn model") << "NUC121,01,KB,ZK,ZK87X,V1.02" << none;
    QTest::newRow("no comma: the name carries the query number") << "ZK87A" << none;
    QTest::newRow("no answer") << "NUC121,01,KB,ZK,ZK87A,V1.02" << emu::ReplyFault::NoReply;
    QTest::newRow("answer to another command") << "NUC121,01,KB,ZK,ZK87A,V1.02" << emu::ReplyFault::WrongCommand;
    QTest::newRow("answer after the wait") << "NUC121,01,KB,ZK,ZK87A,V1.02" << emu::ReplyFault::Late;
}

void tst_Enumeration::droppedDevices()
{
    QFETCH(QString, infoText);
    QFETCH(emu::ReplyFault, fault);
    emu::DeviceSpec spec = emu::keyboardSpec(QStringLiteral("ZK87A"));
    spec.infoText = infoText;
    const emu::DeviceId dropped = emu::plug(spec);
    emu::setReplyFault(dropped, 0x0D, fault, 600ms);
    const emu::DeviceId kept = plugKeyboard(QStringLiteral("ZK87W"));

    auto e = enumerator();
    e->getHidList(MainHidInterFace::kFullList);
    QCOMPARE(paths(e->getHidStructInfoList()), QStringList{emu::configurationPath(kept)});
    QCOMPARE(names(e->getHidStructInfoList()), QStringList{QStringLiteral("ZK87W")});
    QCOMPARE(emu::openHandleCount(dropped), 0);
}

void tst_Enumeration::openAttempts_data()
{
    QTest::addColumn<int>("failingOpens");
    QTest::addColumn<bool>("listed");

    QTest::newRow("three failures, fourth attempt opens") << 3 << true;
    QTest::newRow("four failures") << 4 << false;
}

void tst_Enumeration::openAttempts()
{
    QFETCH(int, failingOpens);
    QFETCH(bool, listed);
    const emu::DeviceId id = plugKeyboard(QStringLiteral("ZK87R"));
    const int before = logLines(kOpenFailureLine);

    auto e = enumerator();
    emu::failNextOpens(failingOpens);
    e->getHidList(MainHidInterFace::kFullList);
    QCOMPARE(e->getHidStructInfoList().size(), listed ? 1 : 0);
    QCOMPARE(queries(id), listed ? 1 : 0);
    QCOMPARE(logLines(kOpenFailureLine) - before, listed ? 0 : 1);
}

// Two devices plugged at once are both queried on one arrival; an arrival with nothing new
// queries nothing and changes nothing.
void tst_Enumeration::arrivalOfTwoAtOnce()
{
    const emu::DeviceId first = plugKeyboard(QStringLiteral("ZK87A"));
    auto e = enumerator();
    e->getHidList(MainHidInterFace::kFullList);
    QCOMPARE(e->getHidStructInfoList().size(), 1);

    const emu::DeviceId second = plugKeyboard(QStringLiteral("ZK104B"), PathStyle::LinuxCol06);
    const emu::DeviceId third = emu::plug(emu::mouseSpec(QStringLiteral("ZM1")));
    QSignalSpy done(e.get(), &MainHidInterFace::sigGetHidListSuccessful);
    e->getHidList(MainHidInterFace::kArrival);
    QCOMPARE(done.count(), 1);
    QStringList expected = {emu::configurationPath(first), emu::configurationPath(second),
                            emu::configurationPath(third)};
    expected.sort();
    QCOMPARE(paths(e->getHidStructInfoList()), expected);
    QVERIFY(!names(e->getHidStructInfoList()).contains(QStringLiteral("Hid Name")));
    QCOMPARE(queries(first), 1);
    QCOMPARE(queries(second), 1);
    QCOMPARE(queries(third), 1);
    QCOMPARE(e->getFirmwareInfoMap().size(), 3);
    QCOMPARE(MainHidInterFace::reportIdForPath(emu::configurationPath(second)), 6);

    const int openFailures = logLines(kOpenFailureLine);
    const QList<hidStructInfo> before = e->getHidStructInfoList();
    e->getHidList(MainHidInterFace::kArrival);
    QCOMPARE(paths(e->getHidStructInfoList()), paths(before));
    QCOMPARE(names(e->getHidStructInfoList()), names(before));
    QCOMPARE(queries(first) + queries(second) + queries(third), 3);
    QCOMPARE(logLines(kOpenFailureLine), openFailures);
}

// A removal drops every device that has gone, with its information; a device that later
// gets a vanished device's path is queried afresh and uses its own report id.
void tst_Enumeration::removalOfOneOfTwoAndPathReuse()
{
    const emu::DeviceId col06 = plugKeyboard(QStringLiteral("ZK104C"), PathStyle::LinuxCol06);
    const emu::DeviceId a = plugKeyboard(QStringLiteral("ZK87A"));
    const emu::DeviceId b = plugKeyboard(QStringLiteral("ZK87B"));
    auto e = enumerator();
    e->getHidList(MainHidInterFace::kFullList);
    QCOMPARE(e->getHidStructInfoList().size(), 3);

    const QString col06Path = emu::configurationPath(col06);
    QCOMPARE(MainHidInterFace::reportIdForPath(col06Path), 6);
    emu::unplug(col06);
    emu::unplug(b);
    e->getHidList(MainHidInterFace::kRemoval);
    QCOMPARE(names(e->getHidStructInfoList()), QStringList{QStringLiteral("ZK87A")});
    QCOMPARE(e->getHidDeviceInfoList().size(), 1);
    QCOMPARE(e->getFirmwareInfoMap().size(), 1);
    QVERIFY(e->getFirmwareInfoMap().firstKey().endsWith(QStringLiteral(",ZK87A")));

    // Removal with nothing gone changes nothing.
    e->getHidList(MainHidInterFace::kRemoval);
    QCOMPARE(paths(e->getHidStructInfoList()), QStringList{emu::configurationPath(a)});

    // hidraw numbers are reused: a keyboard whose interface 2 is its second node takes the
    // six-collection keyboard's configuration path, and must not inherit its report id.
    emu::DeviceSpec spec = emu::keyboardSpec(QStringLiteral("ZK87S"));
    emu::InterfaceSpec boot;
    boot.usagePage = 0x01;
    boot.usage = 0x06;
    boot.reportId = 0;
    boot.reportDescriptor = emu::ReportDescriptor::bootKeyboard();
    emu::InterfaceSpec vendor;
    vendor.interfaceNumber = 2;
    vendor.usagePage = 0xFF00;
    vendor.usage = 0x01;
    vendor.configuration = true;
    vendor.reportDescriptor = emu::ReportDescriptor::configuration(1);
    spec.interfaces = {boot, vendor};
    const emu::DeviceId replacement = emu::plug(spec);
    QCOMPARE(emu::configurationPath(replacement), col06Path);
    e->getHidList(MainHidInterFace::kArrival);
    QCOMPARE(queries(replacement), 1);
    QCOMPARE(emu::writtenCommand(replacement, 0x0D).first().data.toHex(), infoQuery(1).toHex());
    QCOMPARE(MainHidInterFace::reportIdForPath(col06Path), 1);
    QCOMPARE(names(e->getHidStructInfoList()), (QStringList{QStringLiteral("ZK87S"), QStringLiteral("ZK87A")}));
}

// Arrival and removal run in a thread of the caller's: the signal reaches the object's
// thread queued, the flag spans the run, and the getters can be called meanwhile.
void tst_Enumeration::runInAnotherThread()
{
    plugKeyboard(QStringLiteral("ZK87A"));
    auto e = enumerator();
    bool flagInSlot = false;
    connect(
        e.get(), &MainHidInterFace::sigGetHidListSuccessful, this, [&] { flagInSlot = e->isGettingHidList(); },
        Qt::DirectConnection);
    e->getHidList(MainHidInterFace::kFullList);
    QVERIFY(flagInSlot);  // the full list's slot runs before the flag is cleared
    QVERIFY(!e->isGettingHidList());

    plugKeyboard(QStringLiteral("ZK87B"));
    QSignalSpy done(e.get(), &MainHidInterFace::sigGetHidListSuccessful);
    std::thread worker([&] { e->getHidList(MainHidInterFace::kArrival); });
    QTRY_VERIFY_WITH_TIMEOUT(e->isGettingHidList() || done.count() > 0, 5000);
    while (e->isGettingHidList()) {
        const int size = e->getHidStructInfoList().size();
        QVERIFY(size == 1 || size == 2);
        e->getFirmwareInfoMap();
        e->getHidDeviceInfoList();
        std::this_thread::sleep_for(1ms);
    }
    worker.join();
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 5000);
    QCOMPARE(e->getHidStructInfoList().size(), 2);
}

QTEST_MAIN(tst_Enumeration)
#include "tst_Enumeration.moc"
