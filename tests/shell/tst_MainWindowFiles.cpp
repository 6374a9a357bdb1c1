// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start with the user's folders as a hostile user or a broken disk leaves them:
// a data folder whose paths pass 256 bytes, a macro library the store refuses, a temporary folder
// that cannot be written.

#include "CbNotice.h"
#include "DDataManager.h"
#include "DHomeDeviceListItem.h"
#include "DHomePage.h"
#include "DMainWidget.h"
#include "Emulator.h"
#include "EmulatorDeviceNotifier.h"
#include "EmulatorReportDescriptorReader.h"
#include "FirstEnumeration.h"
#include "ProfileFiles.h"
#include "xmlInterface.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class tst_MainWindowFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void longDataFolder_keepsTheMacroLibraryOverTwoStarts();
    void refusedMacroLibrary_isNamedAndLeftAsItIs();
    void unwritableTemporaryFolder_stillFindsTheDevices();

private:
    std::unique_ptr<DMainWidget> makeWindow();
    QString macroPath() const { return DDataManager::getInstance()->getUserConfigDir() + "/brivexMacro.xml"; }

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_dataFolder;
};

void tst_MainWindowFiles::initTestCase()
{
    // Before the data manager exists: a data folder under the temporary folder, so deep that the
    // macro library's path passes 256 bytes.
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_dataFolder = m_root->path();
    while (m_dataFolder.size() < 240)
        m_dataFolder += QStringLiteral("/long-folder-name");
    QVERIFY(QDir().mkpath(m_dataFolder));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dataFolder));
    DDataManager::getInstance();
    QVERIFY(QFile::encodeName(macroPath()).size() > 256);
    QVERIFY(macroPath().startsWith(m_dataFolder));
}

void tst_MainWindowFiles::init()
{
    emu::reset();
    QFile::remove(macroPath());
}

void tst_MainWindowFiles::cleanup()
{
    emu::reset();
}

std::unique_ptr<DMainWidget> tst_MainWindowFiles::makeWindow()
{
    DMainWidget::StartOptions options;
    options.createNotifier = [](QObject *parent) { return new EmulatorDeviceNotifier(parent); };
    options.descriptorReader = std::make_shared<EmulatorReportDescriptorReader>();
    options.registerAutoStart = false;
    auto window = std::make_unique<DMainWidget>(options);
    if (!firstEnumeration::applied(*window))
        QTest::qFail("the first enumeration was not applied", __FILE__, __LINE__);
    return window;
}

void tst_MainWindowFiles::longDataFolder_keepsTheMacroLibraryOverTwoStarts()
{
    emu::plug(emu::keyboardSpec());
    const QStringList before = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                                   .entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    {
        const auto window = makeWindow();
        QVERIFY(QFile::exists(macroPath()));
        xmlInterface xml;
        const QByteArray path = QFile::encodeName(macroPath());
        QVERIFY(xml.addMacroNode(path.constData(), "1", "kept"));
    }
    {
        const auto window = makeWindow();
        QTest::qWait(50);
    }
    xmlInterface xml;
    QList<IndexNameInfo> macros;
    xml.getMacroList(QFile::encodeName(macroPath()).constData(), &macros);
    QCOMPARE(macros.size(), 1);
    QCOMPARE(QByteArray(macros.first().name), QByteArray("kept"));
    // No file under a cut-off name: the application-data folder holds what it held, and the
    // device's profile file sits under its whole path.
    const QStringList after = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString &name : after)
        QVERIFY2(before.contains(name) || name == QLatin1String("UserConfig") || name == QLatin1String("LogCollect")
                     || name == QLatin1String("dump"),
                 qPrintable(name));
    QVERIFY(!QFileInfo::exists(QFile::decodeName(QFile::encodeName(macroPath()).left(255))));
    const QStringList profiles =
        QDir(DDataManager::getInstance()->getUserConfigDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(profiles.size(), 1);
}

void tst_MainWindowFiles::refusedMacroLibrary_isNamedAndLeftAsItIs()
{
    QByteArray deep = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<Parameters profileIndex=\"1\">";
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    {
        QFile file(macroPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(deep);
    }
    const auto window = makeWindow();
    window->show();
    auto *notice = window->findChild<CbNotice *>(QStringLiteral("fileNotice"));
    QVERIFY(notice);
    QTRY_VERIFY(notice->text().contains(QStringLiteral("brivexMacro.xml")));
    QVERIFY(notice->isVisible());
    QCOMPARE(readAll(macroPath()), deep);

    // The daily log names it too.
    const QString logFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/LogCollect";
    QByteArray log;
    for (const QString &name : QDir(logFolder).entryList(QDir::Files))
        log += readAll(logFolder + QLatin1Char('/') + name);
    QVERIFY(log.contains(QFile::encodeName(macroPath())));
}

void tst_MainWindowFiles::unwritableTemporaryFolder_stillFindsTheDevices()
{
    emu::plug(emu::keyboardSpec());
    emu::plug(emu::mouseSpec());
    // A temporary folder below a plain file: nothing can be made in it.
    const QString blocker = m_root->filePath(QStringLiteral("not-a-folder"));
    {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QByteArray savedTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(blocker + QStringLiteral("/tmp")));
    const auto window = makeWindow();
    qputenv("TMPDIR", savedTmp);

    const auto *home = window->findChild<DHomePage *>();
    QCOMPARE(home->findChildren<DHomeDeviceListItem *>().size(), 2);
}

QTEST_MAIN(tst_MainWindowFiles)
#include "tst_MainWindowFiles.moc"
