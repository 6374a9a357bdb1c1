// SPDX-License-Identifier: GPL-3.0-or-later
// The PC profiles on the device page against an emulated keyboard and mouse: the list and its
// order, adding, importing, exporting and deleting, selecting a row, the switch by a key and the
// reset of the current keyboard profile.

#include "CbNotice.h"
#include "ColorWheelTool.h"
#include "CommandQueueDrain.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "DevicePagePrompts.h"
#include "Emulator.h"
#include "NoFileGrowth.h"
#include "profileListItem.h"
#include "xmlInterface.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTextEdit>
#include <QtTest>

#include <cstring>

namespace {

// Generous: on a loaded machine a load or a report can take seconds; a wait ends as soon as it is met.
constexpr int kLoadTimeoutMs = 30000;
constexpr int kWaitMs = 20000;
constexpr std::chrono::milliseconds kWait{kWaitMs};

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

emu::DeviceSpec keyboardSpec()
{
    emu::DeviceSpec spec = emu::keyboardSpec(QStringLiteral("ZK87A"));
    spec.serial = QByteArray(32, 'a');
    return spec;
}

// A page with an emulated keyboard (and, when asked, a mouse), whose dialogs answer from fields.
struct ProfileFixture {
    xmlInterface xml;
    QTemporaryDir dir;
    QByteArray macroPath = QFile::encodeName(dir.filePath(QStringLiteral("macro.xml")));
    QWidget window;
    DDevicePage *page = new DDevicePage(&window);
    emu::DeviceId keyboard = -1;
    emu::DeviceId mouse = -1;
    QString fileAnswer;
    QString folderAnswer;
    QStringList startFolders;  // where each file dialog was asked to open
    bool yesAnswer = true;
    int questions = 0;

    ProfileFixture()
    {
        page->setMacroXml(macroPath.constData(), &xml);
        page->setMainWindow(&window);
        window.resize(900, 600);
        page->prompts().openFile = [this](QWidget *, const QString &, const QString &start, const QString &) {
            startFolders << start;
            return fileAnswer;
        };
        page->prompts().directory = [this](QWidget *, const QString &, const QString &start) {
            startFolders << start;
            return folderAnswer;
        };
        page->prompts().question = [this](QWidget *, const QString &, const QString &, const QString &,
                                          const QString &) {
            ++questions;
            return yesAnswer;
        };
    }

    bool load(bool withMouse = false)
    {
        keyboard = emu::plug(keyboardSpec());
        QList<hidStructInfo> list{record(keyboard, QStringLiteral("ZK87A"), 0)};
        if (withMouse) {
            mouse = emu::plug(emu::mouseSpec());
            list.append(record(mouse, QStringLiteral("ZM1"), 1));
        }
        page->setHidStructInfoList(list);
        const QString shown = emu::configurationPath(withMouse ? mouse : keyboard);
        const bool loaded = QTest::qWaitFor(
            [&] {
                return page->currentHidPath() == shown && !page->profileXmlPath().isEmpty()
                       && child<QStackedWidget>("stackedWidget_KeyboardArea")->currentWidget()
                              == child<QWidget>("page_KeyboardShow");
            },
            kLoadTimeoutMs);
        // The reports the load sent reach the devices before a test looks at what they got.
        return loaded && drain::commandsWritten(link(keyboard), keyboard)
               && (!withMouse || drain::commandsWritten(link(mouse), mouse));
    }
    template <typename T = QWidget>
    T *child(const char *name) const
    {
        return page->findChild<T *>(QLatin1String(name));
    }
    QByteArray path() const { return page->profileXmlPath(); }
    QString notice() const { return page->findChild<CbNotice *>()->text(); }
    void click(const char *name) { QVERIFY(QMetaObject::invokeMethod(page, name)); }

    // Replaces the file's profiles by these indexes, named "P<index>", and rebuilds the list.
    void setProfiles(const QList<int> &indexes)
    {
        QList<IndexNameInfo> list;
        xml.getProfileList(path().constData(), &list);
        for (const IndexNameInfo &entry : qAsConst(list))
            xml.deleteNodeByValue(path().constData(), entry.index);
        for (int index : indexes) {
            const QByteArray key = QByteArray::number(index);
            xml.addProfileConfig(path().constData(), key.constData(), "P" + key, "", "", 0);
        }
        page->refreshProfileList(0);
    }
    QStringList indexes(const QByteArray &file) const
    {
        QList<IndexNameInfo> list;
        const_cast<xmlInterface &>(xml).getProfileList(file.constData(), &list);
        QStringList result;
        for (const IndexNameInfo &entry : qAsConst(list))
            result << QString::fromLatin1(entry.index);
        return result;
    }
    QStringList indexes() const { return indexes(path()); }
    QString nameOf(const QString &index)
    {
        ProfileConfigInfo info;
        xml.getProfileInfo(path().constData(), index.toLatin1().constData(), &info);
        return QString::fromUtf8(info.name);
    }
    QList<profileListItem *> rows() const
    {
        QList<profileListItem *> result;
        for (profileListItem *row : page->findChildren<profileListItem *>()) {
            if (!row->isHidden())
                result << row;
        }
        std::sort(result.begin(), result.end(), [](profileListItem *a, profileListItem *b) {
            return a->profileIndex().toInt() < b->profileIndex().toInt();
        });
        return result;
    }
    profileListItem *row(const QString &index) const
    {
        for (profileListItem *item : rows()) {
            if (item->profileIndex() == index)
                return item;
        }
        return nullptr;
    }
    QString highlighted() const
    {
        QStringList selected;
        for (profileListItem *item : rows()) {
            if (item->isSelected())
                selected << item->profileIndex();
        }
        return selected.join(QLatin1Char(','));
    }
    QString label() const { return child<QLabel>("label_currentProfileName")->text(); }
    DDeviceKeyboardLink *link(emu::DeviceId id) const { return page->deviceLink(emu::configurationPath(id)); }
    QByteArray fileOf(emu::DeviceId id) const { return link(id)->profileXmlPath(); }
    QByteArray fileBytes() const
    {
        QFile file(QString::fromLocal8Bit(path()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// A file holding profiles of these indexes, named "Imported<index>".
QString writeProfileFile(xmlInterface &xml, const QString &filePath, const QList<int> &indexes, int deviceType)
{
    const QByteArray path = QFile::encodeName(filePath);
    xml.createXmlFile(path.constData());
    for (int index : indexes) {
        const QByteArray key = QByteArray::number(index);
        xml.addProfileConfig(path.constData(), key.constData(), "Imported" + key, "", "", deviceType);
        if (deviceType == 1) {
            DpiItemInfo dpi{};
            dpi.dpiX = 800;
            dpi.dpiY = 800;
            xml.addDpiItem(path.constData(), key.constData(), dpi);
        }
    }
    return filePath;
}

}  // namespace

class tst_DeviceProfiles : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        emu::reset();
        // Every test starts from the files a first connection makes.
        const QString configDir = DDataManager::getInstance()->getUserConfigDir();
        for (const char *model : {"ZK87A", "ZM1"})
            QDir(configDir + QLatin1Char('/') + QLatin1String(model)).removeRecursively();
    }
    void cleanup() { emu::reset(); }

    void addGivesHighestPlusOne_data();
    void addGivesHighestPlusOne();
    void profileCountLimit_data();
    void profileCountLimit();
    void addWithoutTheFileMakesAFirstFile();
    void deleting();
    void exports();
    void imports_data();
    void imports();
    void selection();
    void namesArePlainText();
    void switchByKeyFollowsTheSelection();
    void switchByKeyActsOnItsOwnDevice();
    void switchByKeyWhileTheLightingShows();
    void reset();
    void resetWithoutDevice();
    void failedResetKeepsTheProfile_data();
    void failedResetKeepsTheProfile();
};

void tst_DeviceProfiles::addGivesHighestPlusOne_data()
{
    QTest::addColumn<QList<int>>("present");
    QTest::addColumn<QList<int>>("deleted");
    QTest::addColumn<QStringList>("afterAdd");

    QTest::newRow("numeric order") << QList<int>{1, 2, 10} << QList<int>{} << QStringList{"1", "2", "10", "11"};
    QTest::newRow("a middle one deleted") << QList<int>{1, 2, 3, 4} << QList<int>{3} << QStringList{"1", "2", "4", "5"};
    QTest::newRow("the last one deleted") << QList<int>{1, 2, 3, 4} << QList<int>{4} << QStringList{"1", "2", "3", "4"};
    QTest::newRow("no profile") << QList<int>{} << QList<int>{} << QStringList{"2"};
}

void tst_DeviceProfiles::addGivesHighestPlusOne()
{
    QFETCH(QList<int>, present);
    QFETCH(QList<int>, deleted);
    QFETCH(QStringList, afterAdd);
    ProfileFixture f;
    QVERIFY(f.load());
    f.setProfiles(present);
    for (int index : deleted) {
        profileListItem *row = f.row(QString::number(index));
        QVERIFY(row);
        emit row->sigDeleteProfile(row->profileIndex(), row->profileName());
        QCOMPARE(f.notice(), QStringLiteral("Delete profile successful"));
    }
    f.click("on_pushButton_Add_clicked");
    QCOMPARE(f.notice(), QStringLiteral("Add profile successful"));
    QCOMPARE(f.indexes(), afterAdd);
    QCOMPARE(f.nameOf(afterAdd.last()), QStringLiteral("Profile") + afterAdd.last());
    // The list shows the file in index order; the new row is not selected.
    QStringList shown;
    for (profileListItem *row : f.rows())
        shown << row->profileIndex();
    QCOMPARE(shown, afterAdd);
    QVERIFY(!f.row(afterAdd.last())->isSelected());
}

void tst_DeviceProfiles::profileCountLimit_data()
{
    QTest::addColumn<int>("present");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("notice");
    const QString full = QStringLiteral("The number of profile has reached the maximum");
    // A device keeps at most ten profiles: the tenth still comes in, an eleventh does not.
    QTest::newRow("nine: add") << 9 << "on_pushButton_Add_clicked"
                               << "Add profile successful";
    QTest::newRow("nine: import") << 9 << "on_pushButton_Import_clicked"
                                  << "Import profile successful";
    QTest::newRow("ten: add") << 10 << "on_pushButton_Add_clicked" << full;
    QTest::newRow("ten: import") << 10 << "on_pushButton_Import_clicked" << full;
}

void tst_DeviceProfiles::profileCountLimit()
{
    QFETCH(int, present);
    QFETCH(QString, button);
    QFETCH(QString, notice);
    ProfileFixture f;
    QVERIFY(f.load());
    QList<int> indexes;
    for (int i = 1; i <= present; ++i)
        indexes << i;
    f.setProfiles(indexes);
    const QByteArray before = f.fileBytes();
    f.fileAnswer = writeProfileFile(f.xml, f.dir.filePath("in.xml"), {1}, 0);
    f.click(button.toLatin1().constData());
    QCOMPARE(f.notice(), notice);
    QCOMPARE(f.indexes().size(), 10);
    if (present == 10)
        QCOMPARE(f.fileBytes(), before);
    else
        QCOMPARE(f.indexes().last(), QStringLiteral("10"));
}

void tst_DeviceProfiles::addWithoutTheFileMakesAFirstFile()
{
    ProfileFixture f;
    QVERIFY(f.load());
    QVERIFY(QFile::remove(QString::fromLocal8Bit(f.path())));
    f.click("on_pushButton_Add_clicked");
    QCOMPARE(f.indexes(), QStringList{"1"});
    ProfileConfigInfo info;
    f.xml.getProfileInfo(f.path().constData(), "1", &info);
    QCOMPARE(QByteArray(info.name), QByteArray("Profile1"));
    QCOMPARE(QByteArray(info.proFileAppName), QByteArray());
    colorInfoData light;
    QVERIFY(f.xml.getLightItem(f.path().constData(), "1", 0, 2, &light));
    QCOMPARE(f.rows().size(), 1);
    QCOMPARE(f.notice(), QStringLiteral("Add profile successful"));
}

void tst_DeviceProfiles::deleting()
{
    ProfileFixture f;
    QVERIFY(f.load());
    f.setProfiles({1, 2, 3});
    // Profile 2 is current; deleting another keeps it.
    emit f.row("2")->sigProfileItemMouseClicked("2", "P2");
    emit f.row("3")->sigDeleteProfile("3", "P3");
    QCOMPARE(f.indexes(), (QStringList{"1", "2"}));
    QCOMPARE(f.highlighted(), QStringLiteral("2"));
    QCOMPARE(f.label(), QStringLiteral("P2"));

    // Deleting the current one selects the lowest and sends its side lighting.
    QVERIFY(drain::commandsWritten(f.link(f.keyboard), f.keyboard));
    emu::clearWritten(f.keyboard);
    colorInfoData side{};
    side.ledKeyboardOrSide = 1;
    side.ledType = 2;
    f.xml.addLightItem(f.path().constData(), "1", side);
    emit f.row("2")->sigDeleteProfile("2", "P2");
    QCOMPARE(f.indexes(), QStringList{"1"});
    QCOMPARE(f.highlighted(), QStringLiteral("1"));
    QCOMPARE(f.label(), QStringLiteral("P1"));
    QCOMPARE(f.xml.getProfileIndex(f.path().constData()), 1);
    QCOMPARE(f.link(f.keyboard)->profileIndex(), 1);
    QVERIFY(emu::waitForCommand(f.keyboard, 0x08, kWait));

    // The last one stays.
    emit f.row("1")->sigDeleteProfile("1", "P1");
    QCOMPARE(f.notice(), QStringLiteral("Need keep at least one profile"));
    QCOMPARE(f.indexes(), QStringList{"1"});
}

void tst_DeviceProfiles::exports()
{
    ProfileFixture f;
    QVERIFY(f.load());
    f.setProfiles({1, 2});
    const QString folder = f.dir.filePath("out");
    QVERIFY(QDir().mkpath(folder + "/inner"));

    f.folderAnswer.clear();
    emit f.row("1")->sigExportProfileChildList("1", "P1");
    QCOMPARE(f.notice(), QStringLiteral("Please select save directory first"));
    // The test's home has no Desktop folder: the dialog opens in the home folder.
    QVERIFY(!QFileInfo::exists(QDir::home().filePath(QStringLiteral("Desktop"))));
    QCOMPARE(f.startFolders, QStringList{QDir::homePath()});

    // Twice under one name: one file with both.
    f.folderAnswer = folder;
    emit f.row("1")->sigExportProfileChildList("1", "Same");
    emit f.row("2")->sigExportProfileChildList("2", "Same");
    QCOMPARE(f.notice(), QStringLiteral("Export profile successful"));
    QCOMPARE(f.indexes(QFile::encodeName(folder + "/Same.xml")), (QStringList{"1", "2"}));

    // A name with separators stays in the chosen folder; one with nothing usable gets a fallback.
    f.folderAnswer = folder + "/inner";
    emit f.row("1")->sigExportProfileChildList("1", "a/../../b");
    emit f.row("2")->sigExportProfileChildList("2", "../..");
    emit f.row("2")->sigExportProfileChildList("2", " .. ");
    QStringList inner = QDir(folder + "/inner").entryList(QDir::Files);
    inner.sort();
    QCOMPARE(inner, (QStringList{"Profile2.xml", "_.xml", "a_.._.._b.xml"}));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"Same.xml"});
    QVERIFY(!QFile::exists(f.dir.filePath("b.xml")));

    // A folder that cannot be written to: the failure is told.
    QFile blocker(f.dir.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    f.folderAnswer = f.dir.filePath("blocker/sub");
    emit f.row("1")->sigExportProfileChildList("1", "P1");
    QCOMPARE(f.notice(), QStringLiteral("Export profile failed"));
}

void tst_DeviceProfiles::imports_data()
{
    QTest::addColumn<QString>("content");  // "profiles:<indexes>", "mouse", "empty", "garbage", "none"
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QStringList>("after");

    const QString ok = QStringLiteral("Import profile successful");
    const QString failed = QStringLiteral("Import profile failed");
    QTest::newRow("highest of 1 and 3") << "profiles" << ok << QStringList{"1", "2", "3"};
    QTest::newRow("no profile") << "empty" << failed << QStringList{"1", "2"};
    QTest::newRow("not XML") << "garbage" << failed << QStringList{"1", "2"};
    QTest::newRow("a mouse profile") << "mouse" << failed << QStringList{"1", "2"};
    QTest::newRow("cancelled") << "none"
                               << "Please select import file first" << QStringList{"1", "2"};
}

void tst_DeviceProfiles::imports()
{
    QFETCH(QString, content);
    QFETCH(QString, notice);
    QFETCH(QStringList, after);
    ProfileFixture f;
    QVERIFY(f.load());
    f.setProfiles({1, 2});
    const QString source = f.dir.filePath("in.xml");
    if (content == "profiles") {
        writeProfileFile(f.xml, source, {1, 3}, 0);
    } else if (content == "mouse") {
        writeProfileFile(f.xml, source, {1}, 1);
    } else if (content == "empty") {
        writeProfileFile(f.xml, source, {}, 0);
    } else if (content == "garbage") {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<Parameters><config index=");
    }
    f.fileAnswer = content == "none" ? QString() : source;
    const QByteArray before = f.fileBytes();
    f.click("on_pushButton_Import_clicked");
    QCOMPARE(f.notice(), notice);
    QCOMPARE(f.indexes(), after);
    if (after.size() == 3)
        QCOMPARE(f.nameOf("3"), QStringLiteral("Imported3"));
    else
        QCOMPARE(f.fileBytes(), before);
    QCOMPARE(f.rows().size(), after.size());
}

void tst_DeviceProfiles::selection()
{
    ProfileFixture f;
    QVERIFY(f.load());
    f.setProfiles({1, 2, 3});
    // A profile whose name is another one's index.
    f.xml.setProfileInfo(f.path().constData(), "3", "2", "/usr/bin/game", "");
    f.page->refreshProfileList(0);
    colorInfoData side{};
    side.ledKeyboardOrSide = 1;
    side.ledType = 2;
    f.xml.addLightItem(f.path().constData(), "3", side);

    emu::clearWritten(f.keyboard);
    emit f.row("3")->sigProfileItemMouseClicked("3", "2");
    QCOMPARE(f.xml.getProfileIndex(f.path().constData()), 3);
    QCOMPARE(f.link(f.keyboard)->profileIndex(), 3);
    QCOMPARE(f.label(), QStringLiteral("2"));
    QCOMPARE(f.child<QTextEdit>("textEdit_profileName")->toPlainText(), QStringLiteral("2"));
    QCOMPARE(f.child<QTextEdit>("textEdit_profileLinkProgram")->toPlainText(), QStringLiteral("/usr/bin/game"));
    QCOMPARE(f.highlighted(), QStringLiteral("3"));
    QVERIFY(emu::waitForCommand(f.keyboard, 0x08, kWait));

    // The current row again: nothing, until the list is rebuilt. (The click above may send more
    // than one report; all of them are written before the count starts.)
    QVERIFY(drain::commandsWritten(f.link(f.keyboard), f.keyboard));
    emu::clearWritten(f.keyboard);
    emit f.row("3")->sigProfileItemMouseClicked("3", "2");
    QVERIFY(drain::commandsWritten(f.link(f.keyboard), f.keyboard));
    QCOMPARE(emu::writtenCommand(f.keyboard, 0x08).size(), 0);
    f.page->refreshProfileList(0);
    QCOMPARE(f.highlighted(), QStringLiteral("3"));
    emit f.row("3")->sigProfileItemMouseClicked("3", "2");
    QVERIFY(emu::waitForCommand(f.keyboard, 0x08, kWait));

    // OK renames the current profile, not the one its name points at.
    f.child<QTextEdit>("textEdit_profileName")->setPlainText("Racing");
    f.click("on_pushButton_OK_clicked");
    QCOMPARE(f.nameOf("3"), QStringLiteral("Racing"));
    QCOMPARE(f.nameOf("2"), QStringLiteral("P2"));
    QCOMPARE(f.label(), QStringLiteral("Racing"));
    f.child<QTextEdit>("textEdit_profileName")->setPlainText(QString());
    f.click("on_pushButton_OK_clicked");
    QCOMPARE(f.notice(), QStringLiteral("Profile name can't empty"));
    QCOMPARE(f.nameOf("3"), QStringLiteral("Racing"));
}

void tst_DeviceProfiles::namesArePlainText()
{
    ProfileFixture f;
    QVERIFY(f.load());
    f.setProfiles({1, 2});
    f.xml.setProfileInfo(f.path().constData(), "2", "<b>1</b>", "", "");
    f.page->refreshProfileList(0);
    emit f.row("2")->sigProfileItemMouseClicked("2", "<b>1</b>");
    QCOMPARE(f.child<QTextEdit>("textEdit_profileName")->toPlainText(), QStringLiteral("<b>1</b>"));
    QCOMPARE(f.child<QLabel>("label_currentProfileName")->textFormat(), Qt::PlainText);
    f.click("on_pushButton_OK_clicked");
    QCOMPARE(f.nameOf("2"), QStringLiteral("<b>1</b>"));
}

void tst_DeviceProfiles::switchByKeyFollowsTheSelection()
{
    ProfileFixture f;
    QVERIFY(f.load());
    f.setProfiles({1, 2, 3});
    emit f.row("1")->sigProfileItemMouseClicked("1", "P1");
    // Key A (usage 4) of profile 1 switches to profile 2.
    f.xml.addKeyMapItem(f.path().constData(), "1", "4", "A", "7", "1", "0", "2");
    emu::injectKeys(f.keyboard, 0, {0x04});
    emu::injectKeys(f.keyboard, 0, {});
    QTRY_COMPARE_WITH_TIMEOUT(f.highlighted(), QStringLiteral("2"), kWaitMs);
    QCOMPARE(f.label(), QStringLiteral("P2"));
    QCOMPARE(f.xml.getProfileIndex(f.path().constData()), 2);
    QCOMPARE(f.link(f.keyboard)->profileIndex(), 2);

    // OK now renames the new current profile.
    f.child<QTextEdit>("textEdit_profileName")->setPlainText("Renamed");
    f.click("on_pushButton_OK_clicked");
    QCOMPARE(f.nameOf("2"), QStringLiteral("Renamed"));
    QCOMPARE(f.nameOf("1"), QStringLiteral("P1"));
    // And the old row can be clicked back.
    emit f.row("1")->sigProfileItemMouseClicked("1", "P1");
    QCOMPARE(f.highlighted(), QStringLiteral("1"));
    QCOMPARE(f.link(f.keyboard)->profileIndex(), 1);

    // An index the file does not hold changes nothing.
    emit f.link(f.keyboard)->sigCustomEventChangProfile(7);
    QCOMPARE(f.highlighted(), QStringLiteral("1"));
    QCOMPARE(f.xml.getProfileIndex(f.path().constData()), 1);
    QCOMPARE(f.link(f.keyboard)->profileIndex(), 1);
}

void tst_DeviceProfiles::switchByKeyActsOnItsOwnDevice()
{
    ProfileFixture f;
    QVERIFY(f.load(true));
    const QByteArray keyboardFile = f.fileOf(f.keyboard);
    QVERIFY(keyboardFile != f.path());
    f.xml.addProfileConfig(keyboardFile.constData(), "2", "KB2", "", "", 0);
    f.xml.addProfileConfig(f.path().constData(), "2", "M2", "", "", 1);
    const QByteArray mouseBefore = f.fileBytes();
    const QString labelBefore = f.label();

    emit f.link(f.keyboard)->sigCustomEventChangProfile(2);
    QCOMPARE(f.xml.getProfileIndex(keyboardFile.constData()), 2);
    QCOMPARE(f.link(f.keyboard)->profileIndex(), 2);
    QCOMPARE(f.link(f.mouse)->profileIndex(), 1);
    QCOMPARE(f.fileBytes(), mouseBefore);
    QCOMPARE(f.label(), labelBefore);
}

void tst_DeviceProfiles::switchByKeyWhileTheLightingShows()
{
    ProfileFixture f;
    QVERIFY(f.load());
    f.setProfiles({1, 2});
    for (const char *key : {"1", "2"})
        f.xml.setLightUsingIndex(f.path().constData(), key, 0, 2);
    emit f.row("1")->sigProfileItemMouseClicked("1", "P1");
    f.xml.addKeyMapItem(f.path().constData(), "1", "4", "A", "7", "1", "0", "2");
    f.child<QAbstractButton>("pushButton_Led")->click();

    // Key A switches to profile 2 while the lighting panel shows; the effect then chosen and
    // confirmed is profile 2's.
    emu::injectKeys(f.keyboard, 0, {0x04});
    emu::injectKeys(f.keyboard, 0, {});
    QTRY_COMPARE_WITH_TIMEOUT(f.link(f.keyboard)->profileIndex(), 2, kWaitMs);
    QCOMPARE(f.label(), QStringLiteral("P2"));
    // The lighting panel and its light switch still show.
    QCOMPARE(f.child<QStackedWidget>("stackedWidget_CustomAll")->currentWidget(), f.child("page_CustomLed"));
    QCOMPARE(f.child<QStackedWidget>("stackedWidget_Tool")->currentWidget(), f.child("page_LightOffOrOpen"));
    QVERIFY(drain::commandsWritten(f.link(f.keyboard), f.keyboard));
    emu::clearWritten(f.keyboard);
    f.child<QAbstractButton>("toolButton_Breath")->click();
    f.page->findChild<ColorWheelTool *>()->findChild<QAbstractButton *>("pushButton_OK")->click();
    QCOMPARE(f.xml.getLightUsingIndex(f.path().constData(), "2", 0), 1);
    QCOMPARE(f.xml.getLightUsingIndex(f.path().constData(), "1", 0), 2);
    QVERIFY(emu::waitForCommand(f.keyboard, 0x07, kWait));
    QCOMPARE(int(uchar(emu::writtenCommand(f.keyboard, 0x07).last().data.at(6))), 1);
}

void tst_DeviceProfiles::reset()
{
    ProfileFixture f;
    QVERIFY(f.load());
    f.setProfiles({1, 2});
    emit f.row("2")->sigProfileItemMouseClicked("2", "P2");
    f.xml.setProfileInfo(f.path().constData(), "2", "Mine", "/usr/bin/game", "");
    f.xml.addKeyMapItem(f.path().constData(), "2", "4", "A", "7", "1", "0", "1");
    QCOMPARE(f.nameOf("2"), QStringLiteral("Mine"));

    // "No": nothing changes.
    f.yesAnswer = false;
    const QByteArray before = f.fileBytes();
    emu::clearWritten(f.keyboard);
    f.click("onResetoreCurrentProfile");
    QCOMPARE(f.questions, 1);
    QCOMPARE(f.fileBytes(), before);
    QVERIFY(drain::commandsWritten(f.link(f.keyboard), f.keyboard));
    QCOMPARE(emu::writtenCommand(f.keyboard, 0x14).size(), 0);

    f.yesAnswer = true;
    f.click("onResetoreCurrentProfile");
    QVERIFY(emu::waitForCommand(f.keyboard, 0x14, kWait));
    const QByteArray report = emu::writtenCommand(f.keyboard, 0x14).first().data;
    QCOMPARE(report.size(), 64);
    QByteArray expected(64, '\0');
    expected[0] = 0x01;
    expected[1] = 0x14;
    expected[5] = 0x01;
    expected[6] = 0x01;
    QCOMPARE(report.mid(1).toHex(' '), expected.mid(1).toHex(' '));
    QCOMPARE(f.notice(), QStringLiteral("Reset the current profile successful"));
    ProfileConfigInfo info;
    f.xml.getProfileInfo(f.path().constData(), "2", &info);
    QCOMPARE(QByteArray(info.name), QByteArray("Mine"));
    QCOMPARE(QByteArray(info.proFileAppName), QByteArray());
    QVERIFY(!f.xml.hasKeyMapItem(f.path().constData(), "2", "4"));
    colorInfoData light;
    QVERIFY(f.xml.getLightItem(f.path().constData(), "2", 0, 2, &light));
    QCOMPARE(f.xml.getProfileIndex(f.path().constData()), 2);
}

void tst_DeviceProfiles::resetWithoutDevice()
{
    ProfileFixture f;
    f.page->setHidStructInfoList({});
    f.click("onResetoreCurrentProfile");
    QCOMPARE(f.notice(), QStringLiteral("Please open hid first!"));
    QCOMPARE(f.questions, 0);
}

void tst_DeviceProfiles::failedResetKeepsTheProfile_data()
{
    QTest::addColumn<bool>("mouse");
    QTest::newRow("keyboard") << false;
    QTest::newRow("mouse") << true;
}

void tst_DeviceProfiles::failedResetKeepsTheProfile()
{
    QFETCH(bool, mouse);
    ProfileFixture f;
    QVERIFY(f.load(mouse));
    const emu::DeviceId device = mouse ? f.mouse : f.keyboard;
    f.xml.setProfileInfo(f.path().constData(), "1", "Mine", "/usr/bin/game", "");
    f.xml.addKeyMapItem(f.path().constData(), "1", "4", "A", "7", "1", "0", "1");
    const QByteArray before = f.fileBytes();
    QVERIFY(before.contains("/usr/bin/game"));
    emu::clearWritten(device);

    if (mouse) {
        QVERIFY(QMetaObject::invokeMethod(f.page, "onResetoreMouseCurrentProfile"));
        QMessageBox *box = nullptr;
        QTRY_VERIFY((box = f.page->findChild<QMessageBox *>(QStringLiteral("mouseResetQuestion"))) != nullptr);
        QAbstractButton *yes = nullptr;
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == QStringLiteral("Yes"))
                yes = button;
        }
        QVERIFY(yes);
        NoFileGrowth full;
        QVERIFY(full.isActive());
        yes->click();
    } else {
        NoFileGrowth full;
        QVERIFY(full.isActive());
        f.click("onResetoreCurrentProfile");
    }
    QCOMPARE(f.fileBytes(), before);
    QCOMPARE(f.notice(), QStringLiteral("Operate failed"));
    QTest::qWait(200);
    QCOMPARE(emu::writtenCommand(device, 0x14).size(), 0);
}

QTEST_MAIN(tst_DeviceProfiles)
#include "tst_DeviceProfiles.moc"
