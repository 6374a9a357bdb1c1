// SPDX-License-Identifier: GPL-3.0-or-later
// The DPI configuration view against a real profile file: every user action ends in the file
// first, and the 0x41 report the device page builds from the file in the change signal carries
// exactly what the view shows.

#include "BasicColorArea.h"
#include "DDpiConfigListItem.h"
#include "DevicePageTables.h"
#include "DmouseConfigView.h"
#include "FileWatch.h"
#include "MouseDpiCommand.h"
#include "SVColorArea.h"
#include "xmlInterface.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const char *const kKey = "1";

// The six levels of a new mouse profile.
const DpiItemInfo kDefaults[6] = {
    {1, 1, 0, 800, 800, 255, 0, 0},     {1, 2, 0, 1500, 1500, 255, 255, 0}, {1, 3, 0, 2200, 2200, 0, 255, 0},
    {1, 4, 0, 2900, 2900, 0, 255, 255}, {1, 5, 0, 3600, 3600, 0, 0, 255},   {1, 6, 0, 600, 600, 128, 0, 255},
};

QByteArray hex(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper();
}

}  // namespace

class tst_DmouseConfigView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadSendsOnce();
    void reloadFillsTheRowsAgain();
    void actions_data();
    void actions();
    void dpiKey_data();
    void dpiKey();
    void hostileProfiles_data();
    void hostileProfiles();
    void failedWriteShowsTheFile();

private:
    void writeDefaultProfile(int usingIndex = 3);
    void openView();
    DDpiConfigListItem *row(int level) const;
    QByteArray lastReport() const { return m_reports.isEmpty() ? QByteArray() : m_reports.last(); }
    void checkViewMatchesReport();

    QTemporaryDir *m_dir = nullptr;
    QByteArray m_path;
    xmlInterface m_xml;
    DmouseConfigView *m_view = nullptr;
    QList<QByteArray> m_reports;  // one per sigDpiConfigChanged, built from the file like the device page
};

void tst_DmouseConfigView::init()
{
    m_dir = new QTemporaryDir;
    m_path = QFile::encodeName(m_dir->filePath(QStringLiteral("brivexProFile.xml")));
    m_reports.clear();
}

void tst_DmouseConfigView::cleanup()
{
    delete m_view;
    m_view = nullptr;
    delete m_dir;
    m_dir = nullptr;
}

void tst_DmouseConfigView::writeDefaultProfile(int usingIndex)
{
    m_xml.createXmlFile(m_path.constData());
    m_xml.addProfileConfig(m_path.constData(), kKey, "Profile 1", "", "", 1);
    for (const DpiItemInfo &item : kDefaults)
        m_xml.addDpiItem(m_path.constData(), kKey, item);
    m_xml.setDpiUsingIndex(m_path.constData(), kKey, usingIndex);
}

void tst_DmouseConfigView::openView()
{
    m_view = new DmouseConfigView;
    connect(m_view, &DmouseConfigView::sigDpiConfigChanged, this, [this] {
        QList<DpiItemInfo> items;
        m_xml.getDpiItems(m_path.constData(), kKey, &items);
        const int usingIndex = m_xml.getDpiUsingIndex(m_path.constData(), kKey);
        m_reports.append(MouseDpiCommand::buildReport(items, usingIndex, DevicePageTables::dpiCodeMap()));
    });
    m_view->setProfileXml(m_path.constData(), &m_xml);
    m_view->setProfileIndex(1);
    m_view->show();
    m_view->loadProfileConfig();
}

DDpiConfigListItem *tst_DmouseConfigView::row(int level) const
{
    for (DDpiConfigListItem *candidate : m_view->rows()) {
        if (candidate->getIndex() == level)
            return candidate;
    }
    return nullptr;
}

void tst_DmouseConfigView::checkViewMatchesReport()
{
    const QByteArray report = lastReport();
    QVERIFY(!report.isEmpty());
    const QMap<int, int> codes = DevicePageTables::dpiCodeMap();
    int at = 7;
    for (DDpiConfigListItem *shown : m_view->rows()) {
        const DpiItemInfo info = shown->getDpiItemInfo();
        QCOMPARE(quint8(report.at(at)), quint8(info.selectStatus));
        QCOMPARE(quint8(report.at(at + 1)), quint8(codes.value(info.dpiX)));
        QCOMPARE(quint8(report.at(at + 2)), quint8(codes.value(info.dpiY)));
        QCOMPARE(quint8(report.at(at + 3)), quint8(info.dpiColorR));
        QCOMPARE(quint8(report.at(at + 4)), quint8(info.dpiColorG));
        QCOMPARE(quint8(report.at(at + 5)), quint8(info.dpiColorB));
        at += 6;
    }
}

void tst_DmouseConfigView::loadSendsOnce()
{
    writeDefaultProfile();
    openView();
    QCOMPARE(m_reports.size(), 1);
    QCOMPARE(hex(lastReport().left(44)),
             hex(QByteArray::fromHex("01 41 00 00 00 26 02 01 12 12 FF 00 00 01 22 22 FF FF 00 01 32 32 00 FF 00"
                                     " 01 42 42 00 FF FF 01 53 53 00 00 FF 01 0D 0D 80 00 FF 01")));
    QCOMPARE(m_view->rows().size(), 6);
    QCOMPARE(m_view->currentRow(), row(3));
    QCOMPARE(m_view->findChild<QSlider *>(QStringLiteral("horizontalSlider_X"))->value(), 22);
    QCOMPARE(m_view->findChild<QSlider *>(QStringLiteral("horizontalSlider_Y"))->value(), 22);
}

// A load of another profile with the same levels fills the rows in place, reads the file without
// writing it and sends once; a language change makes them anew.
void tst_DmouseConfigView::reloadFillsTheRowsAgain()
{
    writeDefaultProfile();
    openView();
    QList<QPointer<DDpiConfigListItem>> before;
    for (DDpiConfigListItem *shown : m_view->rows())
        before.append(shown);
    DpiItemInfo level5 = kDefaults[4];
    level5.dpiX = level5.dpiY = 1600;
    QVERIFY(m_xml.modifyDpiItem(m_path.constData(), kKey, 5, level5));
    QVERIFY(m_xml.setDpiUsingIndex(m_path.constData(), kKey, 5));
    m_reports.clear();
    FileWatch watch(m_path);

    m_view->loadProfileConfig();
    QCOMPARE(m_view->rows().size(), 6);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(m_view->rows().at(i), before.at(i).data());
    QCOMPARE(m_view->currentRow(), row(5));
    QCOMPARE(row(5)->getDpiX(), 1600);
    QCOMPARE(m_view->findChild<QSlider *>(QStringLiteral("horizontalSlider_X"))->value(), 16);
    QCOMPARE(m_reports.size(), 1);
    QCOMPARE(int(lastReport().at(6)), 4);
    checkViewMatchesReport();
    QCOMPARE(watch.writes(), 0);
    QVERIFY(!watch.rewritten());

    m_view->retranslate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(before.first().isNull());
    QCOMPARE(m_view->rows().size(), 6);
    QCOMPARE(m_view->currentRow(), row(5));
    QCOMPARE(row(5)->getDpiX(), 1600);
}

void tst_DmouseConfigView::actions_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("level");         // the level whose six bytes are checked
    QTest::addColumn<QByteArray>("bytes");  // its bytes in the last report
    QTest::addColumn<int>("reports");       // reports after the load's one
    QTest::newRow("X dragged to its end") << "dragX" << 3 << QByteArray::fromHex("017373 00FF00") << 1;
    QTest::newRow("Enable X/Y, Y at 1000") << "enableXY" << 3 << QByteArray::fromHex("013216 00FF00") << 2;
    QTest::newRow("level 4 deselected") << "deselect4" << 4 << QByteArray::fromHex("004242 00FFFF") << 1;
    QTest::newRow("2, 5, 6 typed into R") << "typeR" << 3 << QByteArray::fromHex("013232 19FF00") << 2;
    QTest::newRow("ring at 50 on red") << "ring" << 3 << QByteArray::fromHex("013232 7F0000") << 2;
}

void tst_DmouseConfigView::actions()
{
    QFETCH(QString, action);
    QFETCH(int, level);
    QFETCH(QByteArray, bytes);
    QFETCH(int, reports);

    writeDefaultProfile();
    openView();
    m_reports.clear();
    auto *sliderX = m_view->findChild<QSlider *>(QStringLiteral("horizontalSlider_X"));
    auto *sliderY = m_view->findChild<QSlider *>(QStringLiteral("horizontalSlider_Y"));

    if (action == QLatin1String("dragX")) {
        sliderX->setSliderDown(true);
        sliderX->setValue(50);
        QCOMPARE(m_reports.size(), 0);  // nothing while dragging
        sliderX->setSliderDown(false);
    } else if (action == QLatin1String("enableXY")) {
        m_view->findChild<QCheckBox *>(QStringLiteral("checkBox_EnableXY"))->click();
        sliderY->setSliderDown(true);
        sliderY->setValue(10);
        sliderY->setSliderDown(false);
    } else if (action == QLatin1String("deselect4")) {
        row(4)->findChild<QCheckBox *>(QStringLiteral("checkBox_Select"))->click();
    } else if (action == QLatin1String("typeR")) {
        auto *edit = m_view->findChild<QLineEdit *>(QStringLiteral("lineEdit_R"));
        edit->clear();
        m_reports.clear();
        QTest::keyClicks(edit, QStringLiteral("256"));
        QCOMPARE(edit->text(), QStringLiteral("25"));
        // A refused keystroke in R leaves G alone.
        QCOMPARE(m_view->findChild<QLineEdit *>(QStringLiteral("lineEdit_G"))->text(), QStringLiteral("255"));
    } else if (action == QLatin1String("ring")) {
        emit m_view->swatchRow()->colorItemSelcSignal(QColor(255, 0, 0));
        emit m_view->colorWheel()->sigMouseIsPress(true);
        emit m_view->colorWheel()->sigMoveingStatus(50, 0);
        QCOMPARE(m_reports.size(), 1);  // the swatch only: nothing while the wheel is held
        emit m_view->colorWheel()->sigMouseIsPress(false);
        // The wheel repaints with the same ring value: not a change.
        emit m_view->colorWheel()->sigMoveingStatus(50, 0);
        m_view->repaint();
    }

    QCOMPARE(m_reports.size(), reports);
    const int at = 7 + 6 * (level - 1);
    QCOMPARE(hex(lastReport().mid(at, 6)), hex(bytes));
    checkViewMatchesReport();
}

void tst_DmouseConfigView::dpiKey_data()
{
    QTest::addColumn<int>("usingIndex");
    QTest::addColumn<QString>("selected");   // levels 1 to 6
    QTest::addColumn<int>("expectedByte6");  // -1: nothing sent
    QTest::newRow("level 5 in use wraps to 1") << 5 << "111111" << 0;
    QTest::newRow("level 4 deselected, 3 in use") << 3 << "111011" << 4;
    QTest::newRow("no level 1 to 5 selected") << 6 << "000001" << -1;
    QTest::newRow("level in use out of range starts at 1") << 9 << "111111" << 0;
}

void tst_DmouseConfigView::dpiKey()
{
    QFETCH(int, usingIndex);
    QFETCH(QString, selected);
    QFETCH(int, expectedByte6);

    writeDefaultProfile(usingIndex);
    for (int level = 1; level <= 6; ++level) {
        DpiItemInfo item = kDefaults[level - 1];
        item.selectStatus = selected.at(level - 1) == QLatin1Char('1') ? 1 : 0;
        m_xml.modifyDpiItem(m_path.constData(), kKey, level, item);
    }
    openView();
    m_reports.clear();
    m_view->switchToNextDpi();
    if (expectedByte6 < 0) {
        QCOMPARE(m_reports.size(), 0);
        QCOMPARE(m_xml.getDpiUsingIndex(m_path.constData(), kKey), usingIndex);
        return;
    }
    QCOMPARE(m_reports.size(), 1);
    QCOMPARE(int(lastReport().at(6)), expectedByte6);
    QCOMPARE(m_view->usingIndex(), expectedByte6 + 1);
    QCOMPARE(m_view->currentRow(), row(expectedByte6 + 1));
}

void tst_DmouseConfigView::hostileProfiles_data()
{
    QTest::addColumn<QByteArray>("dpi");  // the config's dpi element and colour swatches
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("itemsAfter");  // items the file holds after the load
    QTest::addColumn<int>("reports");
    const QByteArray six = "<item index=\"1\" selectStatus=\"1\" isXY=\"0\" dpiX=\"800\" dpiY=\"800\" dpiColorR=\"255\""
                           " dpiColorG=\"0\" dpiColorB=\"0\"/>"
                           "<item index=\"2\" selectStatus=\"1\" isXY=\"0\" dpiX=\"1500\" dpiY=\"1500\" dpiColorR=\"1\""
                           " dpiColorG=\"2\" dpiColorB=\"3\"/>"
                           "<item index=\"3\" selectStatus=\"1\" isXY=\"0\" dpiX=\"2200\" dpiY=\"2200\" dpiColorR=\"4\""
                           " dpiColorG=\"5\" dpiColorB=\"6\"/>";
    QTest::newRow("no dpi element") << QByteArray() << 0 << 0 << 0;
    QTest::newRow("nine items with duplicates")
        << "<dpi usingIndex=\"2\">" + six
               + "<item index=\"2\" selectStatus=\"0\" isXY=\"0\" dpiX=\"5000\" dpiY=\"5000\" dpiColorR=\"9\""
                 " dpiColorG=\"9\" dpiColorB=\"9\"/>"
               + "<item index=\"7\" selectStatus=\"1\" isXY=\"0\" dpiX=\"400\" dpiY=\"400\"/>" + six
               + "<item index=\"0\" selectStatus=\"1\"/></dpi>"
        << 3 << 9 << 1;
    // The mouse has six levels: a sixth is shown, a seventh is not.
    QTest::newRow("levels 6 and 7") << QByteArray(
        "<dpi usingIndex=\"6\"><item index=\"6\" selectStatus=\"1\" isXY=\"0\" dpiX=\"800\""
        " dpiY=\"800\"/><item index=\"7\" selectStatus=\"1\" isXY=\"0\" dpiX=\"400\""
        " dpiY=\"400\"/></dpi>") << 1
                                    << 2 << 1;
    QTest::newRow("dpiX 850, no dpiY, colour 300")
        << QByteArray("<dpi usingIndex=\"1\"><item index=\"1\" selectStatus=\"1\" isXY=\"1\" dpiX=\"850\""
                      " dpiColorR=\"300\" dpiColorG=\"0\" dpiColorB=\"0\"/></dpi>")
        << 1 << 1 << 1;
    QTest::newRow("swatch slot 12") << QByteArray(
        "<dpi usingIndex=\"1\"><item index=\"1\" selectStatus=\"1\" isXY=\"0\" dpiX=\"800\" dpiY=\"800\""
        " dpiColorR=\"1\" dpiColorG=\"2\" dpiColorB=\"3\"/></dpi><customColor><item index=\"12\""
        " actionStatus=\"1\" colorR=\"1\" colorG=\"2\" colorB=\"3\" transparentNum=\"128\"/>"
        "<item index=\"1\" actionStatus=\"1\" colorR=\"1\" colorG=\"2\" colorB=\"3\""
        " transparentNum=\"128\"/></customColor>")
                                    << 1 << 1 << 1;
}

void tst_DmouseConfigView::hostileProfiles()
{
    QFETCH(QByteArray, dpi);
    QFETCH(int, rows);
    QFETCH(int, itemsAfter);
    QFETCH(int, reports);

    QFile file(QFile::decodeName(m_path));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<Parameters profileIndex=\"1\"><config index=\"1\" "
               "name=\"Profile 1\">"
               + dpi + "</config></Parameters>\n");
    file.close();

    openView();
    QCOMPARE(m_view->rows().size(), rows);
    QCOMPARE(m_reports.size(), reports);
    QList<DpiItemInfo> items;
    m_xml.getDpiItems(m_path.constData(), kKey, &items);
    QCOMPARE(items.size(), itemsAfter);
    if (reports > 0)
        checkViewMatchesReport();
    if (QByteArray(QTest::currentDataTag()).startsWith("dpiX")) {
        // Put on the grid and stored before the level in use was announced.
        QCOMPARE(items.at(0).dpiX, 800);
        QCOMPARE(items.at(0).dpiY, 200);
        QCOMPARE(items.at(0).dpiColorR, 255);
        QCOMPARE(quint8(m_reports.first().at(8)), quint8(18));
        QCOMPARE(quint8(m_reports.first().at(9)), quint8(4));
    }
    if (QByteArray(QTest::currentDataTag()).startsWith("levels")) {
        QVERIFY(row(6));
        QCOMPARE(row(6)->getDpiX(), 800);
    }
    if (QByteArray(QTest::currentDataTag()).startsWith("nine")) {
        // Level 2 comes from its first item; the later duplicate stays in the file unshown.
        QCOMPARE(row(2)->getDpiX(), 1500);
        QCOMPARE(items.at(3).dpiX, 5000);
    }
}

void tst_DmouseConfigView::failedWriteShowsTheFile()
{
    writeDefaultProfile();
    openView();
    m_reports.clear();
    auto *sliderX = m_view->findChild<QSlider *>(QStringLiteral("horizontalSlider_X"));
    sliderX->setSliderDown(true);
    sliderX->setValue(40);
    QCOMPARE(row(3)->getDpiX(), 4000);

    // Make the save fail: no file may grow beyond a few bytes during the release.
    struct rlimit old;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = old;
    tiny.rlim_cur = 16;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    sliderX->setSliderDown(false);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(m_reports.size(), 0);
    QList<DpiItemInfo> items;
    m_xml.getDpiItems(m_path.constData(), kKey, &items);
    QCOMPARE(items.at(2).dpiX, 2200);
    QCOMPARE(row(3)->getDpiX(), 2200);
    QCOMPARE(sliderX->value(), 22);
}

QTEST_MAIN(tst_DmouseConfigView)
#include "tst_DmouseConfigView.moc"
