// SPDX-License-Identifier: GPL-3.0-or-later
// The on-board editor on the device page with an emulated keyboard: the first entry into
// on-board mode makes the files (a configuration with the QWERTY template in the Default layer,
// quietly), the view shows the layer's functions, the layer buttons switch what it shows, and the
// explanation popup lives only while the pointer rests on its button.

#include "ArrowWidget.h"
#include "CbNotice.h"
#include "DDataManager.h"
#include "DDevicePage.h"
#include "DevicePageOnboard.h"
#include "DevicePageOnboardConfigs.h"
#include "DOnboardPage.h"
#include "Emulator.h"
#include "OnboardCommands.h"
#include "onboardProfileMenuToolWidget.h"
#include "SoftKeyboardButCustom.h"
#include "xmlInterface.h"

#include <QLabel>
#include <QToolButton>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

#include <cstring>
#include <sys/stat.h>

namespace {

// Generous: on a loaded machine a load can take seconds; a wait ends as soon as it is met.
constexpr int kLoadTimeoutMs = 30000;

struct PageFixture {
    xmlInterface xml;
    QTemporaryDir dir;
    QByteArray macroPath = QFile::encodeName(dir.filePath(QStringLiteral("macro.xml")));
    DDevicePage page;
    PageFixture() { page.setMacroXml(macroPath.constData(), &xml); }
    template <typename T = QWidget>
    T *child(const char *name) const
    {
        return page.findChild<T *>(QLatin1String(name));
    }
};

hidStructInfo record(emu::DeviceId id, const QString &model, int deviceType = 0)
{
    hidStructInfo info;
    info.vid = emu::spec(id).vendorId;
    info.pid = emu::spec(id).productId;
    std::strncpy(info.hidPath, emu::configurationPath(id).toLatin1().constData(), sizeof info.hidPath - 1);
    std::strncpy(info.hidName, model.toUtf8().constData(), sizeof info.hidName - 1);
    info.deviceType = deviceType;
    return info;
}

// The page's debug lines while it lives.
class DebugLines
{
public:
    DebugLines()
    {
        s_lines.clear();
        QLoggingCategory::setFilterRules(QStringLiteral("zelka.ui.debug=true"));
        m_previous = qInstallMessageHandler(collect);
    }
    ~DebugLines()
    {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
    }
    static QStringList lines() { return s_lines; }

private:
    static void collect(QtMsgType, const QMessageLogContext &, const QString &message) { s_lines << message; }
    static QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};
QStringList DebugLines::s_lines;

// The entry of an open on-board menu, as the user releases the mouse on it.
bool releaseOnMenuEntry(const QString &entry)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *arrow = qobject_cast<ArrowWidget *>(w);
        if (!arrow || !arrow->isVisible())
            continue;
        if (auto *label = arrow->findChild<QLabel *>(entry)) {
            QTest::mouseClick(label, Qt::LeftButton);
            return true;
        }
    }
    return false;
}

QString functionOf(const DDevicePage &page, int code)
{
    SoftKeyboardButCustom *button = page.onboardPage()->getKeyButtonMap().value(code);
    return button ? QString::number(button->getOperateType()) + QLatin1Char(':') + button->getFunctionText()
                  : QStringLiteral("no key");
}

}  // namespace

class tst_OnboardOnDevicePage : public QObject
{
    Q_OBJECT

private slots:
    void init() { emu::reset(); }
    void cleanup() { emu::reset(); }
    void firstEntry_data();
    void firstEntry();
    void explainPopup();
    void download_data();
    void download();
    void unplugMidDownload();
    void elevenMacroKeys();
    void factoryRestore_data();
    void factoryRestore();
    void configurations();
    void exportNames_data();
    void exportNames();
    void explainLeavesMenu();
    void deviceSwitchEndsDownload();
    void cleanLayerAndEmptyKey_data();
    void cleanLayerAndEmptyKey();
    void hostileImport();
    void hostileFilesAroundImportAndExport();
    void operationLogLines_data();
    void operationLogLines();
    void mouseShownEndsTheView();

private:
    struct Onboard;
};

// A keyboard in on-board mode on the page.
struct tst_OnboardOnDevicePage::Onboard {
    emu::DeviceId kb = 0;
    PageFixture f;
    QByteArray list, def, fn1;
    explicit Onboard(const QString &model)
    {
        // Each keyboard its own serial, so its own folder of files.
        static int units = 0;
        emu::DeviceSpec spec = emu::keyboardSpec(model);
        spec.serial = QByteArray("onboard") + QByteArray::number(units++).rightJustified(25, '0');
        kb = emu::plug(spec);
        f.page.setHidStructInfoList({record(kb, model)});
        QTRY_VERIFY_WITH_TIMEOUT(!f.page.profileXmlPath().isEmpty(), kLoadTimeoutMs);
        f.child<QPushButton>("pushButton_OnboardMode")->click();
        const QString folder = QFileInfo(QFile::decodeName(f.page.profileXmlPath())).absolutePath();
        list = QFile::encodeName(folder + QStringLiteral("/brivexOnboardProFile.xml"));
        def = QFile::encodeName(folder + QStringLiteral("/OnboardDefaultProFile.xml"));
        fn1 = QFile::encodeName(folder + QStringLiteral("/OnboardFN1ProFile.xml"));
        emu::clearWritten(kb);
    }
    QString label() const { return f.child<QLabel>("label_LogMsg")->text(); }
    QString notice() const { return f.page.findChild<CbNotice *>()->text(); }
    DevicePageOnboard *onboard() const { return f.page.findChild<DevicePageOnboard *>(); }
    QByteArray files() const
    {
        QByteArray all;
        for (const QByteArray &path : {list, def, fn1}) {
            QFile file(QFile::decodeName(path));
            if (file.open(QIODevice::ReadOnly))
                all += file.readAll();
        }
        return all;
    }
    // The key table the files give for a layer, as the keyboard should hold it.
    QList<QByteArray> expectedKeyTable(int layer)
    {
        const QByteArray path = layer == 0 ? def : fn1;
        QByteArray entries;
        for (SoftKeyboardButCustom *button : f.page.onboardPage()->getKeyButtonList()) {
            CustomKeyInfo r{};
            qstrncpy(r.keyCode, "-1", sizeof r.keyCode);
            f.xml.getKeyMapItems(path.constData(), "1", QByteArray::number(button->getKeyDec()).constData(), &r);
            entries += onboardcmd::keyEntry(button->getKeyDec(), &r);
        }
        return onboardcmd::keyTableReports(layer, entries);
    }
};

void tst_OnboardOnDevicePage::firstEntry_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QList<int>>("fn1Codes");
    QTest::newRow("ZK87A") << QStringLiteral("ZK87A") << QList<int>{-10};
    QTest::newRow("ZK87R") << QStringLiteral("ZK87R") << QList<int>{251, 41};
}

void tst_OnboardOnDevicePage::firstEntry()
{
    QFETCH(QString, model);
    QFETCH(QList<int>, fn1Codes);
    emu::DeviceSpec spec = emu::keyboardSpec(model);
    spec.serial = QByteArray(32, 'k');
    const emu::DeviceId kb = emu::plug(spec);
    PageFixture f;
    f.page.setHidStructInfoList({record(kb, model)});
    QTRY_VERIFY_WITH_TIMEOUT(!f.page.profileXmlPath().isEmpty(), kLoadTimeoutMs);
    auto *notice = f.page.findChild<CbNotice *>();
    const QString noticeBefore = notice->text();

    f.child<QPushButton>("pushButton_OnboardMode")->click();
    QVERIFY(f.page.onboardPage());
    QCOMPARE(f.page.onboardPage()->keyboardModel(), model);
    QCOMPARE(notice->text(), noticeBefore);  // no toast on the quiet first entry

    const QString folder = QFileInfo(QFile::decodeName(f.page.profileXmlPath())).absolutePath();
    const QByteArray def = QFile::encodeName(folder + QStringLiteral("/OnboardDefaultProFile.xml"));
    const QByteArray fn1 = QFile::encodeName(folder + QStringLiteral("/OnboardFN1ProFile.xml"));
    ProfileConfigInfo info{};
    f.xml.getProfileInfo(def.constData(), "1", &info);
    QCOMPARE(QByteArray(info.name), QByteArray("Profile_QWERTY"));
    QStringList codes;
    f.xml.getKeyMapCodes(fn1.constData(), "1", &codes);
    QStringList expected;
    for (int code : fn1Codes)
        expected << QString::number(code);
    QCOMPARE(codes, expected);

    // Default layer: every key sends itself.
    QCOMPARE(functionOf(f.page, 4).section(QLatin1Char(':'), 0, 0), QStringLiteral("0"));
    QCOMPARE(functionOf(f.page, 225).section(QLatin1Char(':'), 0, 0), QStringLiteral("0"));
    // FN1 layer: only its first records; layer 2 shows nothing and reads no file.
    f.child<QPushButton>("pushButton_FN1")->click();
    QCOMPARE(f.page.onboardLayer(), 1);
    QCOMPARE(functionOf(f.page, 4), QStringLiteral("-1:"));
    QCOMPARE(functionOf(f.page, fn1Codes.first()).section(QLatin1Char(':'), 0, 0), QStringLiteral("0"));
    f.child<QPushButton>("pushButton_Default")->click();
    QCOMPARE(f.page.onboardLayer(), 0);
    QCOMPARE(functionOf(f.page, 4).section(QLatin1Char(':'), 0, 0), QStringLiteral("0"));

    f.child<QPushButton>("pushButton_AppMode")->click();
    QVERIFY(!f.page.onboardPage());
}

void tst_OnboardOnDevicePage::explainPopup()
{
    QPointer<ArrowWidget> popup;
    {
        PageFixture f;
        auto *button = f.child<QToolButton>("toolButton_Explain");
        QVERIFY(button);
        QEvent enter(QEvent::Enter);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &enter);
        popup = f.page.explainPopup();
        QVERIFY(popup);
        QCoreApplication::sendEvent(button, &enter);  // a second entry replaces the first
        QVERIFY(!popup);
        popup = f.page.explainPopup();
        QVERIFY(popup);
        QCoreApplication::sendEvent(button, &leave);
        QVERIFY(!popup);
        QCoreApplication::sendEvent(button, &enter);
        popup = f.page.explainPopup();
        QVERIFY(popup);
    }
    QVERIFY(!popup);  // gone with the page
}

void tst_OnboardOnDevicePage::download_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("answerDelayMs");
    QTest::newRow("ZK87A") << QStringLiteral("ZK87A") << 0;
    QTest::newRow("ZK87R, late answers") << QStringLiteral("ZK87R") << 150;
}

void tst_OnboardOnDevicePage::download()
{
    QFETCH(QString, model);
    QFETCH(int, answerDelayMs);
    Onboard o(model);
    emu::delayAcknowledgements(o.kb, std::chrono::milliseconds(answerDelayMs));
    auto *button = o.f.child<QToolButton>("toolButton_OnboardDownload");
    button->click();
    QCOMPARE(o.label(), QStringLiteral("Write Start"));
    QVERIFY(!button->isEnabled());
    QVERIFY(!o.f.child("comboBox_OnboardProfile")->isEnabled());
    QVERIFY(!o.f.child("pushButton_AppMode")->isEnabled());
    QVERIFY(!o.f.page.onboardPage()->isEnabled());
    QVERIFY(o.onboard()->isDownloading());
    button->click();  // disabled: no second download
    o.onboard()->startDownload();
    QTRY_VERIFY_WITH_TIMEOUT(!o.onboard()->isDownloading(), 60000);
    QCOMPARE(o.label(), QStringLiteral("Write Over"));
    QVERIFY(button->isEnabled());
    QCOMPARE(emu::writtenCommand(o.kb, 0x18).size(), 20);
    QCOMPARE(emu::writtenCommand(o.kb, 0x19).size() >= 50, true);
    for (int layer = 0; layer < 2; ++layer) {
        const QList<QByteArray> expected = o.expectedKeyTable(layer);
        QCOMPARE(expected.size(), 10);
        for (int packet = 0; packet < 10; ++packet)
            QCOMPARE(emu::onboardKeyReport(o.kb, layer, packet).toHex(), expected.at(packet).toHex());
    }
    for (int number = 0; number < 10; ++number) {
        const QList<QByteArray> empty = onboardcmd::emptyMacroReports(number);
        for (int part = 0; part < 5; ++part)
            QCOMPARE(emu::onboardMacroReport(o.kb, number, part).toHex(), empty.at(part).toHex());
    }
}

void tst_OnboardOnDevicePage::unplugMidDownload()
{
    Onboard o(QStringLiteral("ZK87A"));
    const QByteArray before = o.files();
    emu::delayAcknowledgements(o.kb, std::chrono::milliseconds(30));
    o.f.child<QToolButton>("toolButton_OnboardDownload")->click();
    QTRY_VERIFY_WITH_TIMEOUT(emu::writtenCommand(o.kb, 0x19).size() >= 3, 30000);
    emu::unplug(o.kb);
    QTRY_VERIFY_WITH_TIMEOUT(!o.onboard()->isDownloading(), 30000);
    QCOMPARE(o.label(), QStringLiteral("Onboard Download [Failed]"));
    QCOMPARE(o.files(), before);
}

void tst_OnboardOnDevicePage::elevenMacroKeys()
{
    Onboard o(QStringLiteral("ZK104A"));
    for (int i = 0; i < 11; ++i)
        QVERIFY(o.f.xml.replaceKeyMapItem(i % 2 ? o.fn1.constData() : o.def.constData(), "1",
                                          QByteArray::number(4 + i).constData(), "K", "1", "1", "1", "1"));
    o.f.child<QToolButton>("toolButton_OnboardDownload")->click();
    QVERIFY(!o.onboard()->isDownloading());
    QCOMPARE(o.notice(), QStringLiteral("The keyboard holds at most 10 macros"));
    QCOMPARE(emu::written(o.kb).size() - emu::writtenCommand(o.kb, 0x01).size(), 0);
}

void tst_OnboardOnDevicePage::factoryRestore_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("notice");
    QTest::newRow("No") << false << false << QString();
    QTest::newRow("Yes") << true << false << QStringLiteral("Restore the factory settings successful");
    QTest::newRow("refused") << true << true << QStringLiteral("Restore the factory settings failed");
}

void tst_OnboardOnDevicePage::factoryRestore()
{
    QFETCH(bool, yes);
    QFETCH(bool, refused);
    QFETCH(QString, notice);
    Onboard o(QStringLiteral("ZK87A"));
    // Something to restore: key A does nothing in the Default layer, B works as FN1.
    QVERIFY(o.f.xml.deleteKeyMapItem(o.def.constData(), "1", "4"));
    QVERIFY(o.f.xml.replaceKeyMapItem(o.fn1.constData(), "1", "5", "B", "0", "1", "1", "-20"));
    const QByteArray before = o.files();
    const QString noticeBefore = o.notice();
    QStringList asked;
    o.onboard()->setAsker([&](const QString &text) {
        asked << text;
        return yes;
    });
    if (refused) {
        // The device is closed: its link refuses every report.
        o.f.page.closeAllDevices();
    }
    o.f.child<QToolButton>("toolButton_RestoreFactorySettings")->click();
    QCOMPARE(asked, QStringList{QStringLiteral("Whether to restore the factory settings?")});
    if (!yes) {
        QCOMPARE(o.files(), before);
        QCOMPARE(o.notice(), noticeBefore);
        QVERIFY(emu::writtenCommand(o.kb, 0x14).isEmpty());
        return;
    }
    QCOMPARE(o.notice(), notice);
    QStringList fn1Codes;
    o.f.xml.getKeyMapCodes(o.fn1.constData(), "1", &fn1Codes);
    QCOMPARE(fn1Codes, QStringList{QStringLiteral("-10")});
    QVERIFY(o.f.xml.hasKeyMapItem(o.def.constData(), "1", "4"));
    QCOMPARE(o.f.page.onboardLayer(), 0);
    QVERIFY(o.f.child<QPushButton>("pushButton_Default")->isChecked());
    if (!refused) {
        QTRY_COMPARE(emu::writtenCommand(o.kb, 0x14).size(), 1);
        const QByteArray reset = emu::writtenCommand(o.kb, 0x14).first().data;
        QCOMPARE(int(reset.at(5)), 0);
        QCOMPARE(int(reset.at(6)), 1);
    }
}

void tst_OnboardOnDevicePage::configurations()
{
    Onboard o(QStringLiteral("ZK87A"));
    DevicePageOnboardConfigs *ops = o.f.page.findChild<DevicePageOnboardConfigs *>();
    auto *combo = o.f.child<QComboBox>("comboBox_OnboardProfile");
    // The last configuration stays.
    ops->deleteConfig();
    QCOMPARE(o.notice(), QStringLiteral("Need keep at least one config"));
    QCOMPARE(combo->count(), 1);
    // Create fills the first gap.
    ops->createNew();
    ops->createNew();
    QCOMPARE(o.f.page.currentOnboardConfigIndex(), 3);
    QVERIFY(o.f.xml.deleteNodeByValue(o.list.constData(), "2"));
    combo->removeItem(combo->findData(2));
    ops->createNew();
    QCOMPARE(o.f.page.currentOnboardConfigIndex(), 2);
    // Two configurations with one name stay apart: the combo box goes by index.
    o.f.child<QLineEdit>("lineEdit_OnboardModifyProfileName")->setText(QStringLiteral("Same"));
    o.f.child<QPushButton>("pushButton_OnboardSave")->click();
    combo->setCurrentIndex(combo->findData(3));
    o.f.child<QLineEdit>("lineEdit_OnboardModifyProfileName")->setText(QStringLiteral("Same"));
    o.f.child<QPushButton>("pushButton_OnboardSave")->click();
    combo->setCurrentIndex(combo->findData(2));
    QCOMPARE(o.f.page.currentOnboardConfigIndex(), 2);
    combo->setCurrentIndex(combo->findData(3));
    QCOMPARE(o.f.page.currentOnboardConfigIndex(), 3);
    ops->deleteConfig();
    QCOMPARE(combo->findData(3), -1);
    QVERIFY(combo->findData(2) >= 0);
    QVERIFY(o.f.xml.findNodeByValue(o.def.constData(), "3").isNull());
    QVERIFY(!o.f.xml.findNodeByValue(o.def.constData(), "2").isNull());

    // Export, then import as a new configuration under one new index.
    QTemporaryDir out;
    combo->setCurrentIndex(combo->findData(1));
    QVERIFY(ops->exportTo(out.path()));
    const QString exported = out.filePath(QStringLiteral("NewConfig1.xml"));
    QList<IndexNameInfo> configs;
    o.f.xml.getProfileList(QFile::encodeName(exported).constData(), &configs);
    QCOMPARE(configs.size(), 2);
    QCOMPARE(QByteArray(configs.at(1).index), QByteArray("2"));
    QVERIFY(ops->importFile(exported));
    QVERIFY(combo->findData(3) >= 0);
    QVERIFY(o.f.xml.hasKeyMapItem(o.fn1.constData(), "3", "-10"));
    QVERIFY(!ops->importFile(out.filePath(QStringLiteral("missing.xml"))));
    // An unwritable folder: its parent is a file.
    QFile blocker(out.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!ops->exportTo(out.filePath(QStringLiteral("file/sub"))));
}

void tst_OnboardOnDevicePage::exportNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("blank") << QStringLiteral("My Work") << QStringLiteral("My Work.xml");
    QTest::newRow("underscore") << QStringLiteral("Profile_QWERTY") << QStringLiteral("Profile_QWERTY.xml");
    QTest::newRow("dash") << QStringLiteral("Jeu-1") << QStringLiteral("Jeu-1.xml");
    QTest::newRow("umlaut") << QStringLiteral("B\u00fcro") << QStringLiteral("B\u00fcro.xml");
    QTest::newRow("climbing out") << QStringLiteral("../x") << QStringLiteral("_x.xml");
}

// An exported configuration is named after the configuration, as a file name in the chosen folder.
void tst_OnboardOnDevicePage::exportNames()
{
    QFETCH(QString, name);
    QFETCH(QString, fileName);
    Onboard o(QStringLiteral("ZK87A"));
    DevicePageOnboardConfigs *ops = o.f.page.findChild<DevicePageOnboardConfigs *>();
    o.f.child<QLineEdit>("lineEdit_OnboardModifyProfileName")->setText(name);
    o.f.child<QPushButton>("pushButton_OnboardSave")->click();
    QCOMPARE(o.f.child<QComboBox>("comboBox_OnboardProfile")->currentText(), name);

    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkdir(QStringLiteral("out")));
    const QString folder = root.filePath(QStringLiteral("out"));
    QVERIFY(ops->exportTo(folder));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{fileName});
    QCOMPARE(QDir(root.path()).entryList(QDir::Files), QStringList());
    QList<IndexNameInfo> configs;
    o.f.xml.getProfileList(QFile::encodeName(QDir(folder).filePath(fileName)).constData(), &configs);
    QCOMPARE(configs.size(), 2);
}

// Moving over "?" and away while a configuration menu is open leaves the menu alone.
void tst_OnboardOnDevicePage::explainLeavesMenu()
{
    Onboard o(QStringLiteral("ZK87A"));
    const auto menuPopup = []() -> ArrowWidget * {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *arrow = qobject_cast<ArrowWidget *>(w);
            if (arrow && arrow->isVisible() && arrow->findChild<onboardProfileMenuToolWidget *>())
                return arrow;
        }
        return nullptr;
    };
    o.f.child<QPushButton>("pushButton_OnboardMoreOperate")->click();
    QPointer<ArrowWidget> menu = menuPopup();
    QVERIFY(menu);
    auto *button = o.f.child<QToolButton>("toolButton_Explain");
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &enter);
    QVERIFY(o.f.page.explainPopup());
    QVERIFY(menu);
    QCoreApplication::sendEvent(button, &leave);
    QVERIFY(!o.f.page.explainPopup());
    QVERIFY(menu);
    QVERIFY(menu->isVisible());
}

void tst_OnboardOnDevicePage::deviceSwitchEndsDownload()
{
    Onboard o(QStringLiteral("ZK87A"));
    emu::DeviceSpec second = emu::keyboardSpec(QStringLiteral("ZK104A"));
    second.serial = QByteArray(32, 'm');
    const emu::DeviceId other = emu::plug(second);
    o.f.page.setHidStructInfoList({record(o.kb, QStringLiteral("ZK87A")), record(other, QStringLiteral("ZK104A"))});
    o.f.page.onDeviceListChanged(true, QString());
    QTRY_VERIFY_WITH_TIMEOUT(o.f.page.deviceLink(emu::configurationPath(other)), kLoadTimeoutMs);
    o.f.child<QToolButton>("toolButton_OnboardDownload")->click();
    QVERIFY(o.onboard()->isDownloading());
    emit o.f.page.sigHomePageDeviceItemClicked(emu::configurationPath(other));
    QTRY_VERIFY_WITH_TIMEOUT(!o.onboard()->isDownloading(), 30000);
    QCOMPARE(o.label(), QStringLiteral("Onboard Download [Failed]"));
    QVERIFY(emu::writtenCommand(other, 0x18).isEmpty());
    QVERIFY(emu::writtenCommand(other, 0x19).isEmpty());
}

void tst_OnboardOnDevicePage::cleanLayerAndEmptyKey_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QStringList>("cleaned");
    QTest::addColumn<QStringList>("other");
    QTest::newRow("ordinary, No") << QStringLiteral("ZK87A") << false << QStringList{"-10"} << QStringList{"-10"};
    QTest::newRow("ordinary, Yes") << QStringLiteral("ZK87A") << true << QStringList{"-10", "5"}
                                   << QStringList{"-10", "5"};
    QTest::newRow("ZK87R, No") << QStringLiteral("ZK87R") << false << QStringList{"41"} << QStringList{"41"};
    QTest::newRow("ZK87R, Yes") << QStringLiteral("ZK87R") << true << QStringList{"251", "41", "5"}
                                << QStringList{"251", "41", "5"};
}

void tst_OnboardOnDevicePage::cleanLayerAndEmptyKey()
{
    QFETCH(QString, model);
    QFETCH(bool, keep);
    QFETCH(QStringList, cleaned);
    QFETCH(QStringList, other);
    Onboard o(model);
    // The FN1 layer has B as its FN1 key; the Default layer is cleaned.
    QVERIFY(o.f.xml.replaceKeyMapItem(o.fn1.constData(), "1", "5", "B", "0", "1", "1", "-20"));
    o.onboard()->setAsker([keep](const QString &) { return keep; });
    o.f.page.findChild<DevicePageOnboardConfigs *>()->cleanLayer();
    QCOMPARE(o.notice(), QStringLiteral("Clean layer successful"));
    QStringList codes;
    o.f.xml.getKeyMapCodes(o.def.constData(), "1", &codes);
    codes.sort();
    cleaned.sort();
    QCOMPARE(codes, cleaned);
    codes.clear();
    o.f.xml.getKeyMapCodes(o.fn1.constData(), "1", &codes);
    codes.sort();
    other.sort();
    QCOMPARE(codes, other);
    if (!keep)
        return;
    // "Empty" on a key that works as FN1 takes it out of both layers.
    auto *ops = o.f.page.findChild<DevicePageOnboardConfigs *>();
    QTimer::singleShot(0, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
            menu->close();
    });
    ops->keyRightClicked(5, QStringLiteral("B"));
    ops->emptyKey();
    QCOMPARE(o.notice(), QStringLiteral("Empty the key successful"));
    QVERIFY(!o.f.xml.hasKeyMapItem(o.def.constData(), "1", "5"));
    QVERIFY(!o.f.xml.hasKeyMapItem(o.fn1.constData(), "1", "5"));
}

void tst_OnboardOnDevicePage::hostileImport()
{
    Onboard o(QStringLiteral("ZK87A"));
    auto *ops = o.f.page.findChild<DevicePageOnboardConfigs *>();
    QTemporaryDir dir;
    const auto write = [&](const QString &name, const QByteArray &text) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(text);
        return file.fileName();
    };
    const QByteArray before = o.files();
    QVERIFY(!ops->importFile(write(QStringLiteral("root.xml"), "<Other><config index=\"1\"/></Other>")));
    QVERIFY(!ops->importFile(write(QStringLiteral("broken.xml"), "<Parameters><config index=")));
    QCOMPARE(o.files(), before);

    // Three configurations (the third ignored), kinds 5 to 9, a 5120-byte value, 70 events.
    QByteArray text = "<?xml version=\"1.0\"?><Parameters profileIndex=\"1\">";
    for (int c = 1; c <= 3; ++c) {
        text += "<config index=\"" + QByteArray::number(c) + "\" name=\"x\"><macro>";
        for (int kind = 5; kind <= 9; ++kind)
            text += "<item keyCode=\"" + QByteArray::number(kind - 1) + "\" keyChar=\"k\" operateType=\""
                    + QByteArray::number(kind) + "\" repeatNum=\"1\" mode=\"1\" Value=\"" + QByteArray(5120, '7')
                    + "\" />";
        text += "<item keyCode=\"30\" keyChar=\"1\" operateType=\"1\" repeatNum=\"300\" mode=\"2\" Value=\"4\" />";
        text += "</macro><bindMacro><macro index=\"4\" name=\"m\">";
        for (int e = 0; e < 70; ++e)
            text += "<item mark=\"" + QByteArray::number(e / 2)
                    + "\" delay=\"99999\" type=\"key\" keyCode=\"4\" "
                      "codeName=\"A\" operateExplain=\""
                    + (e % 2 ? "up" : "down") + "\" />";
        text += "</macro></bindMacro></config>";
    }
    text += "</Parameters>";
    QVERIFY(ops->importFile(write(QStringLiteral("hostile.xml"), text)));
    auto *combo = o.f.child<QComboBox>("comboBox_OnboardProfile");
    QVERIFY(combo->findData(2) >= 0);
    QVERIFY(o.f.xml.findNodeByValue(o.def.constData(), "3").isNull());
    combo->setCurrentIndex(combo->findData(2));
    o.f.child<QToolButton>("toolButton_OnboardDownload")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!o.onboard()->isDownloading(), 30000);
    QCOMPARE(o.label(), QStringLiteral("Write Over"));
    // Kinds 5 to 9 give zeros; the macro key's slot 0 holds 62 events, repeat count 255.
    const QByteArray first = emu::onboardKeyReport(o.kb, 0, 0);
    QCOMPARE(first.mid(6, 4).toHex(), QByteArray("00000000"));
    const QByteArray header = emu::onboardMacroReport(o.kb, 0, 0);
    QCOMPARE(header.mid(6, 8).toHex(), QByteArray("000100f800ff0000"));
    QCOMPARE(header.mid(14, 4).toHex(), QByteArray("0410ffff"));
}

void tst_OnboardOnDevicePage::hostileFilesAroundImportAndExport()
{
    Onboard o(QStringLiteral("ZK87A"));
    auto *ops = o.f.page.findChild<DevicePageOnboardConfigs *>();
    QTemporaryDir dir;
    const QByteArray before = o.files();

    // A FIFO is refused at once; opening it would wait for a writer for good.
    const QString fifo = dir.filePath(QStringLiteral("fifo.xml"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(!ops->importFile(fifo));
    // A macro library is no exported configuration either.
    QFile library(dir.filePath(QStringLiteral("library.xml")));
    QVERIFY(library.open(QIODevice::WriteOnly));
    library.write("<?xml version=\"1.0\"?><Parameters profileIndex=\"1\"><macro index=\"1\" name=\"M\"/></Parameters>");
    library.close();
    QVERIFY(!ops->importFile(library.fileName()));
    QCOMPARE(o.files(), before);

    // A 300-byte name is cut like the other exports' names; a right-to-left override is dropped.
    const auto exportNamed = [&](const QString &name) {
        o.f.child<QLineEdit>("lineEdit_OnboardModifyProfileName")->setText(name);
        o.f.child<QPushButton>("pushButton_OnboardSave")->click();
        QTemporaryDir out;
        const bool written = ops->exportTo(out.path());
        return written ? QDir(out.path()).entryList(QDir::Files) : QStringList{QStringLiteral("failed")};
    };
    QCOMPARE(exportNamed(QString(300, QLatin1Char('w'))), QStringList{QString(200, QLatin1Char('w')) + ".xml"});
    QCOMPARE(exportNamed(QString::fromUtf8("Work\xE2\x80\xAElmx.exe")), QStringList{"Worklmx.exe.xml"});
}

void tst_OnboardOnDevicePage::operationLogLines_data()
{
    QTest::addColumn<QString>("action");  // "menu:<entry>", "layouts:<entry>", "combo", "click" or "empty"
    QTest::addColumn<QString>("line");
    const QString configs = QStringLiteral("menu:");
    QTest::newRow("create") << configs + "label_CreateNew"
                            << QStringLiteral("------------ *** On-board [CreateNew] *** -------------");
    QTest::newRow("export") << configs + "label_Export"
                            << QStringLiteral("------------ *** On-board [Export] *** -------------");
    QTest::newRow("delete") << configs + "label_Delete"
                            << QStringLiteral("------------ *** On-board [Delete] *** -------------");
    QTest::newRow("restore") << configs + "label_Restore"
                             << QStringLiteral("------------ *** On-board [Restore] *** -------------");
    QTest::newRow("rename") << configs + "label_ModifyNanme"
                            << QStringLiteral("------------ *** On-board [ModifyName] *** -------------");
    QTest::newRow("clean layer") << QStringLiteral("layouts:label_CleanLayer")
                                 << QStringLiteral("------------ *** On-board [CleanLayer] *** -------------");
    QTest::newRow("combo change")
        << QStringLiteral("combo")
        << QStringLiteral("------------ *** On-board [ComboxCurrentIndexChanged] *** -------------strCurrentText: "
                          "NewConfig1   currentOnboardProfileIndex: 1");
    QTest::newRow("key click") << QStringLiteral("click")
                               << QStringLiteral("------------------------------------------------------Mouse button "
                                                 "press (Left) keyDec: 4  keyCharacter: A");
    QTest::newRow("empty key") << QStringLiteral(
        "empty") << QStringLiteral("--------------------------- Menu [Empty key operate] ---------------------------");
}

// Each operation of the on-board editor, done as the user does it, writes its own line to the log.
void tst_OnboardOnDevicePage::operationLogLines()
{
    QFETCH(QString, action);
    QFETCH(QString, line);
    Onboard o(QStringLiteral("ZK87A"));
    auto *ops = o.f.page.findChild<DevicePageOnboardConfigs *>();
    auto *combo = o.f.child<QComboBox>("comboBox_OnboardProfile");
    // A second configuration, current: one to delete, one to choose.
    ops->createNew();
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentText(), QStringLiteral("NewConfig2"));
    QVERIFY(o.f.xml.replaceKeyMapItem(o.def.constData(), "2", "4", "A", "0", "1", "1", "5"));
    QTemporaryDir out;
    ops->chooseFolder = [&out] { return out.path(); };
    o.onboard()->setAsker([](const QString &) { return false; });
    SoftKeyboardButCustom *keyA = o.f.page.onboardPage()->getKeyButtonMap().value(4);
    QVERIFY(keyA);

    DebugLines log;
    if (action.startsWith(QLatin1String("menu:")) || action.startsWith(QLatin1String("layouts:"))) {
        const bool layouts = action.startsWith(QLatin1String("layouts:"));
        o.f.child<QPushButton>(layouts ? "pushButton_OnboardConfigMoreOperate" : "pushButton_OnboardMoreOperate")
            ->click();
        QVERIFY(releaseOnMenuEntry(action.section(QLatin1Char(':'), 1)));
    } else if (action == QLatin1String("combo")) {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(combo->currentText(), QStringLiteral("NewConfig1"));
    } else if (action == QLatin1String("click")) {
        QTest::mouseClick(keyA, Qt::LeftButton);
    } else if (action == QLatin1String("empty")) {
        QTimer::singleShot(0, [] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (menu && !menu->actions().isEmpty())
                QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                                  menu->actionGeometry(menu->actions().first()).center());
        });
        QTest::mousePress(keyA, Qt::RightButton);
        QTest::mouseRelease(keyA, Qt::RightButton);
        QCOMPARE(o.notice(), QStringLiteral("Empty the key successful"));
        QVERIFY(!o.f.xml.hasKeyMapItem(o.def.constData(), "2", "4"));
    }
    QCOMPARE(DebugLines::lines().filter(line).size(), 1);
}

// Showing a mouse ends the keyboard's on-board view; the keyboard comes back in PC mode.
void tst_OnboardOnDevicePage::mouseShownEndsTheView()
{
    Onboard o(QStringLiteral("ZK87A"));
    QVERIFY(o.f.page.onboardPage());
    const emu::DeviceId mouse = emu::plug(emu::mouseSpec());
    o.f.page.setHidStructInfoList({record(o.kb, QStringLiteral("ZK87A")), record(mouse, QStringLiteral("ZM1"), 1)});
    o.f.page.onDeviceListChanged(true, QString());
    QTRY_VERIFY_WITH_TIMEOUT(o.f.page.deviceLink(emu::configurationPath(mouse)), kLoadTimeoutMs);
    emit o.f.page.sigHomePageDeviceItemClicked(emu::configurationPath(mouse));
    QTRY_VERIFY_WITH_TIMEOUT(o.f.page.currentHidPath() == emu::configurationPath(mouse)
                                 && o.f.page.profileXmlPath().contains("ZM1"),
                             kLoadTimeoutMs);
    QVERIFY(!o.f.page.onboardPage());
    emit o.f.page.sigHomePageDeviceItemClicked(emu::configurationPath(o.kb));
    QTRY_VERIFY_WITH_TIMEOUT(o.f.page.currentHidPath() == emu::configurationPath(o.kb)
                                 && o.f.page.profileXmlPath().contains("ZK87A"),
                             kLoadTimeoutMs);
    QVERIFY(!o.f.page.onboardPage());
    QVERIFY(o.f.child<QPushButton>("pushButton_AppMode")->isChecked());
}

QTEST_MAIN(tst_OnboardOnDevicePage)
#include "tst_OnboardOnDevicePage.moc"
