// SPDX-License-Identifier: GPL-3.0-or-later
// The main window ends a running recording, and saves it, before it switches pages, closes,
// minimises or opens its settings; the macro page is current only while it is shown.

#include "DDataManager.h"
#include "DMacroPage.h"
#include "DMainWidget.h"
#include "DSettingsDia.h"
#include "Emulator.h"
#include "EmulatorDeviceNotifier.h"
#include "EmulatorReportDescriptorReader.h"
#include "FakeInputHook.h"
#include "FirstEnumeration.h"
#include "InputHookFactory.h"
#include "xmlInterface.h"

#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include <memory>

class tst_MacroPageInWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void recordingEndsAndIsSaved_data();
    void recordingEndsAndIsSaved();

private:
    FakeInputHook *m_hook = nullptr;
};

void tst_MacroPageInWindow::initTestCase()
{
    InputHookFactory::setMaker([this] { return m_hook = new FakeInputHook; });
    DDataManager::getInstance();
}

void tst_MacroPageInWindow::cleanupTestCase()
{
    InputHookFactory::setMaker({});
}

void tst_MacroPageInWindow::recordingEndsAndIsSaved_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("page switch") << "pushButton_Home";
    QTest::newRow("minimise") << "pushButton_Min";
    QTest::newRow("settings") << "pushButton_Setting";
    QTest::newRow("close") << "pushButton_Close";
}

void tst_MacroPageInWindow::recordingEndsAndIsSaved()
{
    QFETCH(QString, how);
    emu::reset();
    const QString dir = DDataManager::getInstance()->getUserConfigDir();
    {
        QSettings settings(dir + QStringLiteral("/BrivexConfig.ini"), QSettings::IniFormat);
        settings.setValue(QStringLiteral("CloseToTray/isCloseToTray"), true);
    }
    const QByteArray library = QFile::encodeName(dir + QStringLiteral("/brivexMacro.xml"));
    xmlInterface xml;
    QVERIFY(xml.createXmlFile(library.constData()));
    QVERIFY(xml.addMacroNode(library.constData(), "1", "Jump"));

    DMainWidget::StartOptions options;
    options.createNotifier = [](QObject *parent) { return new EmulatorDeviceNotifier(parent); };
    options.descriptorReader = std::make_shared<EmulatorReportDescriptorReader>();
    options.registerAutoStart = false;
    options.trayAvailable = [] { return true; };
    DMainWidget window(options);
    QVERIFY(firstEnumeration::applied(window));
    window.show();
    auto *page = window.findChild<DMacroPage *>();
    QVERIFY(page);
    QVERIFY(!page->isPageCurrent());
    window.findChild<QPushButton *>(QStringLiteral("pushButton_Macro"))->click();
    QVERIFY(page->isPageCurrent());

    page->toggleRecording();
    QVERIFY(page->isRecording());
    QVERIFY(m_hook && m_hook->running);
    m_hook->press(30, 100);
    m_hook->release(30, 180);

    if (how == QLatin1String("pushButton_Setting")) {
        QTimer::singleShot(0, &window, [&] {
            if (window.settingsDialog())
                window.settingsDialog()->reject();
        });
        QMetaObject::invokeMethod(&window, "on_pushButton_Setting_clicked");
    } else {
        window.findChild<QPushButton *>(how)->click();
    }
    QVERIFY(!page->isRecording());
    QVERIFY(!m_hook->running);
    if (how == QLatin1String("pushButton_Home"))
        QVERIFY(!page->isPageCurrent());
    QList<MacroEventInfo> steps;
    xmlInterface reader;
    reader.getMacroItems(library.constData(), "1", &steps);
    QCOMPARE(steps.size(), 2);
    QCOMPARE(QByteArray(steps.at(1).delay), QByteArray("80"));
    emu::reset();
}

QTEST_MAIN(tst_MacroPageInWindow)
#include "tst_MacroPageInWindow.moc"
