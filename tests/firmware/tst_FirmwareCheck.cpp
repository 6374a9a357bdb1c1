// SPDX-License-Identifier: GPL-3.0-or-later
// The firmware check of the main window with simulated devices and an image folder of its own.

#include "DDataManager.h"
#include "DMainWidget.h"
#include "DSettingsDia.h"
#include "Emulator.h"
#include "EmulatorDeviceNotifier.h"
#include "EmulatorReportDescriptorReader.h"
#include "FirmwareImageMaker.h"
#include "FirstEnumeration.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// Counts the log lines that contain a text.
class LogLineCounter
{
public:
    explicit LogLineCounter(const QString &text)
    {
        s_text = text;
        s_count = 0;
        s_previous = qInstallMessageHandler(&LogLineCounter::handle);
    }
    ~LogLineCounter() { qInstallMessageHandler(s_previous); }
    int count() const { return s_count; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (message.contains(s_text))
            ++s_count;
        if (s_previous)
            s_previous(type, context, message);
    }
    static QString s_text;
    static int s_count;
    static QtMessageHandler s_previous;
};
QString LogLineCounter::s_text;
int LogLineCounter::s_count = 0;
QtMessageHandler LogLineCounter::s_previous = nullptr;

emu::DeviceSpec keyboard(const QString &version, int unit = -1)
{
    emu::DeviceSpec spec = emu::keyboardSpec(QStringLiteral("ZK87A"));
    spec.infoText = QStringLiteral("NUC121,01,KB,ZK,ZK87A,%1").arg(version);
    spec.unit = unit;
    return spec;
}

QStringList offered(const DMainWidget &window)
{
    QStringList list;
    for (const HidDeviceInfo &record : window.getUpgradeList())
        list << QStringLiteral("%1 %2").arg(QString::fromLatin1(record.hidName),
                                            QString::fromLatin1(record.newVersion));
    return list;
}

}  // namespace

class tst_FirmwareCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void offers_data();
    void offers();
    void refusedImageLogsOnceAndIsNotOffered();
    void twoKeyboardsBothListed();
    void manualCheckWithNoneShowsNotice();
    void programCarriesNoImage();

private:
    std::unique_ptr<DMainWidget> makeWindow();
    void writeImage(const QString &model, const QString &versionText);

    std::unique_ptr<QTemporaryDir> folder;
};

void tst_FirmwareCheck::initTestCase()
{
    DDataManager::getInstance();
}

void tst_FirmwareCheck::init()
{
    emu::reset();
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
}

void tst_FirmwareCheck::cleanup()
{
    emu::reset();
    folder.reset();
}

std::unique_ptr<DMainWidget> tst_FirmwareCheck::makeWindow()
{
    DMainWidget::StartOptions options;
    options.createNotifier = [](QObject *parent) { return new EmulatorDeviceNotifier(parent); };
    options.descriptorReader = std::make_shared<EmulatorReportDescriptorReader>();
    options.registerAutoStart = false;
    options.firmwareImageFolder = folder->path();
    auto window = std::make_unique<DMainWidget>(options);
    if (!firstEnumeration::applied(*window))
        QTest::qFail("the first enumeration was not applied", __FILE__, __LINE__);
    return window;
}

void tst_FirmwareCheck::writeImage(const QString &model, const QString &versionText)
{
    QVERIFY(emu::writeFirmwareHex(versionText, folder->filePath(model + QStringLiteral(".hex"))));
}

void tst_FirmwareCheck::offers_data()
{
    QTest::addColumn<QString>("deviceInfo");  // empty: the emulator's mouse
    QTest::addColumn<QString>("imageModel");
    QTest::addColumn<QString>("imageText");
    QTest::addColumn<QString>("expected");  // empty: not offered

    const QString image = QStringLiteral("NUC121,01,KB,ZK,ZK87A,V1.03");
    QTest::newRow("newer") << "NUC121,01,KB,ZK,ZK87A,V1.02"
                           << "ZK87A" << image << "ZK87A V1.03";
    QTest::newRow("equal") << "NUC121,01,KB,ZK,ZK87A,V1.03"
                           << "ZK87A" << image << "";
    QTest::newRow("older") << "NUC121,01,KB,ZK,ZK87A,V1.04"
                           << "ZK87A" << image << "";
    QTest::newRow("10 over 9") << "NUC121,01,KB,ZK,ZK87A,V1.9.00"
                               << "ZK87A"
                               << "NUC121,01,KB,ZK,ZK87A,V1.10.00"
                               << "ZK87A V1.10.00";
    QTest::newRow("never 9 over 10") << "NUC121,01,KB,ZK,ZK87A,V1.10.00"
                                     << "ZK87A"
                                     << "NUC121,01,KB,ZK,ZK87A,V1.9.00"
                                     << "";
    QTest::newRow("other maker") << "NUC121,01,KB,XY,ZK87A,V1.02"
                                 << "ZK87A" << image << "";
    QTest::newRow("other chip number") << "NUC121,02,KB,ZK,ZK87A,V1.02"
                                       << "ZK87A" << image << "";
    QTest::newRow("chip family in lower case") << "nuc121,01,KB,ZK,ZK87A,V1.02"
                                               << "ZK87A" << image << "";
    QTest::newRow("image of another model") << "NUC121,01,KB,ZK,ZK87A,V1.02"
                                            << "ZK87B" << image << "";
    QTest::newRow("mouse") << ""
                           << "ZM1"
                           << "SN,01,MS,ZK,ZM1,V1.06"
                           << "ZM1 V1.06";
    QTest::newRow("no image") << "NUC121,01,KB,ZK,ZK87A,V1.02"
                              << ""
                              << ""
                              << "";
}

void tst_FirmwareCheck::offers()
{
    QFETCH(QString, deviceInfo);
    QFETCH(QString, imageModel);
    QFETCH(QString, imageText);
    QFETCH(QString, expected);

    if (deviceInfo.isEmpty()) {
        emu::plug(emu::mouseSpec(QStringLiteral("ZM1")));
    } else {
        emu::DeviceSpec spec = emu::keyboardSpec(QStringLiteral("ZK87A"));
        spec.infoText = deviceInfo;
        emu::plug(spec);
    }
    if (!imageModel.isEmpty())
        writeImage(imageModel, imageText);
    const auto window = makeWindow();

    QCOMPARE(window->checkFirmwareUpgrade(1), !expected.isEmpty());
    QCOMPARE(offered(*window), expected.isEmpty() ? QStringList() : QStringList{expected});
    // The automatic check finds the same and reports success either way.
    QVERIFY(window->checkFirmwareUpgrade(0));
    QCOMPARE(offered(*window).size(), expected.isEmpty() ? 0 : 1);
}

void tst_FirmwareCheck::refusedImageLogsOnceAndIsNotOffered()
{
    emu::plug(keyboard(QStringLiteral("V1.02")));
    QByteArray text = emu::firmwareHex(QStringLiteral("NUC121,01,KB,ZK,ZK87A,V1.03"));
    text.replace(":00000001FF\r\n", "");  // no end record
    QFile file(folder->filePath(QStringLiteral("ZK87A.hex")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();

    const LogLineCounter lines(QStringLiteral("Firmware image ZK87A.hex: line "));
    const auto window = makeWindow();
    QVERIFY(!window->checkFirmwareUpgrade(1));
    QVERIFY(!window->checkFirmwareUpgrade(1));
    QVERIFY(window->getUpgradeList().isEmpty());
    // Read once per window, refused once: one line however often the check runs.
    QCOMPARE(lines.count(), 1);
}

void tst_FirmwareCheck::twoKeyboardsBothListed()
{
    emu::plug(keyboard(QStringLiteral("V1.02"), 0));
    emu::plug(keyboard(QStringLiteral("V1.01"), 1));
    writeImage(QStringLiteral("ZK87A"), QStringLiteral("NUC121,01,KB,ZK,ZK87A,V1.03"));
    const auto window = makeWindow();
    QVERIFY(window->checkFirmwareUpgrade(1));
    QCOMPARE(offered(*window), (QStringList{"ZK87A V1.03", "ZK87A V1.03"}));
    const QList<HidDeviceInfo> list = window->getUpgradeList();
    QVERIFY(qstrcmp(list[0].hidPath, list[1].hidPath) != 0);
}

void tst_FirmwareCheck::manualCheckWithNoneShowsNotice()
{
    emu::plug(keyboard(QStringLiteral("V1.03")));
    writeImage(QStringLiteral("ZK87A"), QStringLiteral("NUC121,01,KB,ZK,ZK87A,V1.03"));
    const auto window = makeWindow();
    window->show();

    const LogLineCounter notices(QStringLiteral("None of them"));
    bool ran = false;
    QTimer::singleShot(0, window.get(), [&] {
        DSettingsDia *dialog = window->settingsDialog();
        QVERIFY(dialog);
        ran = true;
        emit dialog->sigFirmwareUpgradeCheck();
        dialog->reject();
    });
    QMetaObject::invokeMethod(window.get(), "on_pushButton_Setting_clicked");
    QVERIFY(ran);
    QCOMPARE(notices.count(), 1);
    QVERIFY(window->getUpgradeList().isEmpty());
}

void tst_FirmwareCheck::programCarriesNoImage()
{
    QCOMPARE(DMainWidget::StartOptions().firmwareImageFolder, QStringLiteral(":/images/UpdateHex/"));
    QVERIFY(QDir(QStringLiteral(":/images/UpdateHex/")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    QVERIFY(!QFile::exists(QStringLiteral(":/images/UpdateHex/ZK87A.hex")));
}

QTEST_MAIN(tst_FirmwareCheck)
#include "tst_FirmwareCheck.moc"
