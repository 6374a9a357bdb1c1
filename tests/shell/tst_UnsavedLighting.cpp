// SPDX-License-Identifier: GPL-3.0-or-later
// Painted per-key lighting in the main window with an emulated keyboard and mouse: every way out
// of the lighting panel asks about the unsaved paint, every time; Save stores the paint into the
// custom light being edited (in use or not), sends the keyboard the colours painted (not the
// preview's dimmed frame of them) and keeps them on the keys; Discard leaves the profile file as
// it was, byte for byte.

#include "ColorWheelTool.h"
#include "CommandQueueDrain.h"
#include "DCustomLightListItem.h"
#include "DDeviceListItem.h"
#include "DDevicePage.h"
#include "DMainWidget.h"
#include "DTipInfoDia.h"
#include "Emulator.h"
#include "EmulatorDeviceNotifier.h"
#include "EmulatorReportDescriptorReader.h"
#include "FirstEnumeration.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "profileListItem.h"
#include "SettingsTestSupport.h"
#include "xmlInterface.h"

#include <QAbstractButton>
#include <QAction>
#include <QBoxLayout>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// Generous: on a loaded machine a device load can take seconds; a wait ends as soon as it is met.
constexpr int kLoadTimeoutMs = 30000;
constexpr int kKeyW = 26;
constexpr int kKeyA = 4;
constexpr int kKeyS = 22;

// The profile files of the devices shown: removed after each test, so each starts from the defaults.
QList<QByteArray> g_profileFiles;

QByteArray readFile(const QByteArray &path)
{
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers the save prompt each time it shows, with the button named, and counts the showings.
class PromptAnswers : public QObject
{
public:
    explicit PromptAnswers(QWidget *window)
        : m_window(window)
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &PromptAnswers::answer);
        m_timer.start();
    }
    QString button = QStringLiteral("pushButton_Close");
    int shown = 0;

private:
    void answer()
    {
        if (!m_window)
            return;
        for (DTipInfoDia *dialog : m_window->findChildren<DTipInfoDia *>()) {
            if (!dialog->isVisible())
                continue;
            ++shown;
            if (auto *target = dialog->findChild<QPushButton *>(button))
                target->click();
            return;
        }
    }

    QPointer<QWidget> m_window;
    QTimer m_timer;
};

struct LightingWindow {
    xmlInterface xml;
    emu::DeviceId keyboard = emu::plug(keyboardSpec());
    emu::DeviceId mouse = emu::plug(emu::mouseSpec());
    std::unique_ptr<DMainWidget> window;
    DDevicePage *page = nullptr;

    static emu::DeviceSpec keyboardSpec()
    {
        emu::DeviceSpec spec = emu::keyboardSpec(QStringLiteral("ZK87A"));
        spec.serial = QByteArray(32, 'a');
        return spec;
    }

    // The window on the device page with the keyboard current, its custom lighting shown.
    bool open()
    {
        DMainWidget::StartOptions options;
        options.createNotifier = [](QObject *parent) { return new EmulatorDeviceNotifier(parent); };
        options.descriptorReader = std::make_shared<EmulatorReportDescriptorReader>();
        options.registerAutoStart = false;
        options.trayAvailable = [] { return true; };
        window = std::make_unique<DMainWidget>(options);
        if (!firstEnumeration::applied(*window))
            QTest::qFail("the first enumeration was not applied", __FILE__, __LINE__);
        window->resize(1280, 715);
        window->show();
        page = window->findChild<DDevicePage *>();
        child<QPushButton>(window.get(), "pushButton_Device")->click();
        const QString keyboardPath = emu::configurationPath(keyboard);
        if (!QTest::qWaitFor([&] { return !path().isEmpty() && !page->currentHidPath().isEmpty(); }, kLoadTimeoutMs)) {
            qWarning() << "no device shown";
            return false;
        }
        if (page->currentHidPath() != keyboardPath) {
            for (DDeviceListItem *row : page->findChildren<DDeviceListItem *>()) {
                if (row->getHidPath() == keyboardPath)
                    QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(5, 5));
            }
            if (!QTest::qWaitFor([&] { return page->currentHidPath() == keyboardPath && !path().isEmpty(); },
                                 kLoadTimeoutMs)) {
                qWarning() << "the keyboard is not shown:" << page->currentHidPath();
                return false;
            }
        }
        g_profileFiles.append(path());
        return showCustomLighting();
    }
    // The custom effect chosen; only the painting after it is the change under test here.
    bool showCustomLighting()
    {
        child<QPushButton>(page, "pushButton_Led")->click();
        child<QAbstractButton>(page, "toolButton_CustomLed")->click();
        page->clearLightChanged();
        if (!onLightingPanel() || rows().size() != 5) {
            qWarning() << "lighting panel" << onLightingPanel() << "rows" << rows().size();
            return false;
        }
        return true;
    }
    QByteArray path() const { return page->profileXmlPath(); }
    QStringList selectedProfiles() const
    {
        QStringList selected;
        for (profileListItem *row : page->findChildren<profileListItem *>()) {
            if (row->isSelected())
                selected.append(row->profileIndex());
        }
        return selected;
    }
    QList<DCustomLightListItem *> rows() const
    {
        // The rows of the list now; rows of an earlier reload may still wait for deletion.
        QList<DCustomLightListItem *> list;
        auto *layout = page->findChild<QVBoxLayout *>(QStringLiteral("verticalLayout_39"));
        for (int i = 0; layout && i < layout->count(); ++i) {
            if (auto *row = qobject_cast<DCustomLightListItem *>(layout->itemAt(i)->widget()))
                list.append(row);
        }
        std::sort(list.begin(), list.end(), [](DCustomLightListItem *a, DCustomLightListItem *b) {
            return a->getCustomLightIndex() < b->getCustomLightIndex();
        });
        return list;
    }
    keyboardButCustom *key(int keyCode) const
    {
        return page->findChild<keyboardPage *>()->getKeyButtonMap().value(keyCode, nullptr);
    }
    // Chooses the custom light, selects the keys and paints them with a colour swatch.
    void paint(int row, const QList<int> &keys, const QColor &color)
    {
        QTest::mouseClick(rows().at(row), Qt::LeftButton, {}, QPoint(5, 5));
        for (int code : keys)
            key(code)->click();
        // A swatch of the colour chosen: the selected keys take it.
        auto *tool = page->findChild<ColorWheelTool *>();
        QVERIFY(QMetaObject::invokeMethod(tool, "onColorItemSelcSignal", Q_ARG(QColor, color)));
    }
    // The cell of the key in the key matrix, as the 0x09 packets carry it.
    int cell(int keyCode) const { return page->findChild<keyboardPage *>()->getKeyButtons().indexOf(key(keyCode)); }
    bool painted(int keyCode, const QColor &color) const
    {
        // The preview shows the colour dimmed by the effect's brightness: the same hue, not black.
        const QColor shown = key(keyCode)->getKeyColor().toHsv();
        const QColor wanted = color.toHsv();
        return shown.value() > 0 && shown.hsvHue() == wanted.hsvHue()
               && shown.hsvSaturation() == wanted.hsvSaturation();
    }
    bool onDevicePage() const
    {
        auto *main = child<QStackedWidget>(window.get(), "stackedWidget_Main");
        return window->isVisible() && main->currentWidget() == child<QWidget>(window.get(), "page_Device");
    }
    bool onLightingPanel() const
    {
        return onDevicePage() && page->currentHidPath() == emu::configurationPath(keyboard)
               && child<QStackedWidget>(page, "stackedWidget_CustomAll")->currentWidget()
                      == child<QWidget>(page, "page_CustomLed")
               && child<QPushButton>(page, "pushButton_Led")->isChecked();
    }
    // Every report queued for the keyboard so far has reached it; its log starts empty here.
    bool startLog() const
    {
        if (!drain::commandsWritten(page->deviceLink(emu::configurationPath(keyboard)), keyboard))
            return false;
        emu::clearWritten(keyboard);
        return true;
    }
    QList<CustomLedItemInfo> storedKeys(int row)
    {
        QList<CustomLedItemInfo> items;
        xml.getCustomLedItems(path().constData(), "1", QByteArray::number(row).constData(), &items);
        return items;
    }
    QString usingState(int row)
    {
        QList<CustomLedInfo> leds;
        xml.getCustomLeds(path().constData(), "1", &leds);
        return row < leds.size() ? QString::fromLatin1(leds.at(row).isUsing) : QString();
    }
};

}  // namespace

class tst_UnsavedLighting : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        emu::reset();
        QFile::remove(userIniPath());
    }
    void cleanup()
    {
        emu::reset();
        for (const QByteArray &path : qAsConst(g_profileFiles))
            QFile::remove(QFile::decodeName(path));
        g_profileFiles.clear();
    }

    void everyWayOutAsks_data();
    void everyWayOutAsks();
    void saveStoresTheEditedRow_data();
    void saveStoresTheEditedRow();
};

void tst_UnsavedLighting::everyWayOutAsks_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("key panel") << QStringLiteral("key panel");
    QTest::newRow("another custom light") << QStringLiteral("custom light");
    QTest::newRow("MACRO") << QStringLiteral("macro");
    QTest::newRow("HOME") << QStringLiteral("home");
    QTest::newRow("mouse tab") << QStringLiteral("mouse");
    QTest::newRow("another profile") << QStringLiteral("profile");
    QTest::newRow("Quit from the tray") << QStringLiteral("tray quit");
    QTest::newRow("Quit from the title bar") << QStringLiteral("title quit");
}

void tst_UnsavedLighting::everyWayOutAsks()
{
    QFETCH(QString, way);
    LightingWindow w;
    QVERIFY(w.open());
    if (way == QLatin1String("profile")) {
        QMetaObject::invokeMethod(w.page, "on_pushButton_Add_clicked");
        QTRY_COMPARE(w.page->findChildren<profileListItem *>().size(), 2);
        QCOMPARE(w.selectedProfiles(), QStringList{QStringLiteral("1")});
        QVERIFY(w.showCustomLighting());
    }
    if (way == QLatin1String("title quit")) {
        QSettings settings(userIniPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("CloseToTray/isCloseToTray"), false);
    }
    // The file of the profile painted; a way out may show another one.
    const QByteArray file = w.path();
    const QByteArray before = readFile(file);
    QVERIFY(!before.isEmpty());
    const QColor green(0, 255, 0);
    w.paint(3, {kKeyW, kKeyA}, green);
    QVERIFY(w.painted(kKeyW, green));

    const auto leave = [&] {
        if (way == QLatin1String("key panel")) {
            child<QPushButton>(w.page, "pushButton_Custom")->click();
        } else if (way == QLatin1String("custom light")) {
            QTest::mouseClick(w.rows().at(1), Qt::LeftButton, {}, QPoint(5, 5));
        } else if (way == QLatin1String("macro")) {
            child<QPushButton>(w.window.get(), "pushButton_Macro")->click();
        } else if (way == QLatin1String("home")) {
            child<QPushButton>(w.window.get(), "pushButton_Home")->click();
        } else if (way == QLatin1String("mouse")) {
            for (DDeviceListItem *row : w.page->findChildren<DDeviceListItem *>()) {
                if (row->getHidPath() == emu::configurationPath(w.mouse))
                    QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(5, 5));
            }
        } else if (way == QLatin1String("profile")) {
            for (profileListItem *row : w.page->findChildren<profileListItem *>()) {
                if (!row->isSelected())
                    QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(5, 5));
            }
        } else if (way == QLatin1String("tray quit")) {
            for (QAction *action : w.window->findChildren<QAction *>()) {
                if (action->text() == DMainWidget::tr("Quit(&Q)"))
                    action->trigger();
            }
        } else {
            child<QPushButton>(w.window.get(), "pushButton_Close")->click();
        }
    };

    // Close keeps everything as it is, and the next try asks again.
    PromptAnswers answers(w.window.get());
    for (int round = 1; round <= 2; ++round) {
        leave();
        QCOMPARE(answers.shown, round);
        QVERIFY(w.onLightingPanel());
        QVERIFY(w.painted(kKeyW, green));
        QVERIFY(w.rows().at(3)->isSelected());
        QCOMPARE(readFile(file), before);
        QVERIFY(emu::openHandleCount(w.keyboard) > 0);
    }

    // Discard goes on and leaves the file as it was.
    answers.button = QStringLiteral("pushButton_Discard");
    leave();
    QCOMPARE(answers.shown, 3);
    QByteArray after = readFile(file);
    if (way == QLatin1String("custom light")) {
        // The lighting panel stays, showing the other custom light as stored.
        QVERIFY(w.rows().at(1)->isSelected() && !w.rows().at(3)->isSelected());
        QVERIFY(!w.painted(kKeyA, green));
    } else if (way == QLatin1String("profile")) {
        // The lighting of profile 2 is shown; the file records only that choice.
        QCOMPARE(w.selectedProfiles(), QStringList{QStringLiteral("2")});
        after.replace("<Parameters profileIndex=\"2\">", "<Parameters profileIndex=\"1\">");
    } else {
        QVERIFY(!w.onLightingPanel());
    }
    QCOMPARE(after, before);
    if (way.endsWith(QLatin1String("quit")))
        QCOMPARE(emu::openHandleCount(w.keyboard), 0);
}

void tst_UnsavedLighting::saveStoresTheEditedRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("slot");
    QTest::newRow("in use (Alphabets)") << 0 << QStringLiteral("Using") << 0;
    QTest::newRow("not in use (Custom 4)") << 3 << QStringLiteral("UnUsing") << 2;
}

void tst_UnsavedLighting::saveStoresTheEditedRow()
{
    QFETCH(int, row);
    QFETCH(QString, state);
    QFETCH(int, slot);
    LightingWindow w;
    QVERIFY(w.open());
    const int keysBefore = w.storedKeys(row).size();
    const QColor green(0, 255, 0);
    w.paint(row, {kKeyW, kKeyA}, green);
    // The preview has drawn the paint dimmed by the effect's brightness.
    QTRY_VERIFY(w.painted(kKeyW, green) && w.key(kKeyW)->getKeyColor().green() < 255);
    QVERIFY(w.startLog());

    PromptAnswers answers(w.window.get());
    answers.button = QStringLiteral("pushButton_SaveChanged");
    child<QPushButton>(w.page, "pushButton_Custom")->click();
    QCOMPARE(answers.shown, 1);
    // The keyboard gets the colours painted, into the row's slot, then the effect.
    QVERIFY(emu::waitForCommand(w.keyboard, 0x07, std::chrono::milliseconds(kLoadTimeoutMs)));
    const QVector<emu::WrittenReport> packets = emu::writtenCommand(w.keyboard, 0x09);
    QCOMPARE(packets.size(), 8);
    for (int code : {kKeyW, kKeyA}) {
        const int at = w.cell(code);
        QVERIFY(at >= 0);
        const QByteArray &packet = packets.at(at / 18).data;
        QCOMPARE(int(uchar(packet.at(2))), slot);
        const int offset = 6 + (at % 18) * 3;
        QCOMPARE(QColor(uchar(packet.at(offset)), uchar(packet.at(offset + 1)), uchar(packet.at(offset + 2))), green);
    }
    // Saved into the row being edited; the row keeps its state and the paint stays on the keys.
    const QList<CustomLedItemInfo> stored = w.storedKeys(row);
    QVERIFY(stored.size() >= 2);
    QVERIFY(stored.size() >= keysBefore);
    int greenKeys = 0;
    for (const CustomLedItemInfo &item : stored) {
        const int code = QByteArray(item.keyCode).toInt();
        if ((code == kKeyW || code == kKeyA) && item.colorR == 0 && item.colorG == 255 && item.colorB == 0)
            ++greenKeys;
    }
    QCOMPARE(greenKeys, 2);
    QCOMPARE(w.usingState(row), state);
    QVERIFY(w.onLightingPanel());
    QVERIFY(w.painted(kKeyW, green));
    QVERIFY(w.painted(kKeyA, green));

    // Painting again is a new unsaved change: the next way out asks again.
    const QByteArray saved = readFile(w.path());
    w.paint(row, {kKeyS}, QColor(0, 0, 255));
    answers.button = QStringLiteral("pushButton_Discard");
    child<QPushButton>(w.window.get(), "pushButton_Macro")->click();
    QCOMPARE(answers.shown, 2);
    QVERIFY(!w.onDevicePage());
    QCOMPARE(readFile(w.path()), saved);
}

QTEST_MAIN(tst_UnsavedLighting)
#include "tst_UnsavedLighting.moc"
