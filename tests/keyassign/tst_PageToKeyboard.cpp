// SPDX-License-Identifier: GPL-3.0-or-later
// From page to keyboard: what a page saves is what a keyboard in PC mode does for the key, read
// by the device link from the same profile file and seen by the emulated computer.

#include "../hid/LinkActionTestSupport.h"

#include "DHotKeyPage.h"
#include "DKeyWithTextPage.h"
#include "DMacroCmdPage.h"
#include "DMouseKeyPage.h"
#include "DMultimediaPage.h"
#include "DResetDefaultPage.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTextEdit>

#include <functional>

using namespace linktest;

namespace {

using Make = std::function<DKeyAssignPage *()>;
using Act = std::function<void(DKeyAssignPage *)>;

const QString kNoKeys = QStringLiteral("04: 00 00 00 00 00 00 00 00");
const QByteArray kPressA = QByteArray::fromHex("0000040000000000");
const QByteArray kNothing(8, '\0');

void click(QWidget *page, const char *name)
{
    page->findChild<QAbstractButton *>(QLatin1String(name))->click();
}

MacroEventInfo step(const char *code, const char *explain, int delay)
{
    MacroEventInfo s;
    qstrncpy(s.mark, "1", sizeof s.mark);
    qstrncpy(s.delay, QByteArray::number(delay).constData(), sizeof s.delay);
    qstrncpy(s.type, "key", sizeof s.type);
    qstrncpy(s.keyCode, code, sizeof s.keyCode);
    qstrncpy(s.codeName, "K", sizeof s.codeName);
    qstrncpy(s.operateExplain, explain, sizeof s.operateExplain);
    return s;
}

}  // namespace

Q_DECLARE_METATYPE(Make)
Q_DECLARE_METATYPE(Act)

class tst_PageToKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void savedAndPressed_data();
    void savedAndPressed();

private:
    std::unique_ptr<OpenedLink> m_kb;
    QTemporaryDir m_dir;
    QByteArray m_library;
};

void tst_PageToKeyboard::init()
{
    emu::reset();
    m_kb = std::make_unique<OpenedLink>();
    QVERIFY(m_kb->open(false));
    m_library = QFile::encodeName(m_dir.filePath("brivexMacro.xml"));
    xmlInterface &xml = m_kb->profile.xml;
    QVERIFY(xml.createXmlFile(m_library));
    QVERIFY(xml.addMacroNode(m_library, "3", "Three"));
    QVERIFY(xml.addMacroItems(m_library, {step("5", "down", 20), step("5", "up", 20)}, "3"));
}

void tst_PageToKeyboard::cleanup()
{
    m_kb.reset();
    emu::reset();
}

void tst_PageToKeyboard::savedAndPressed_data()
{
    QTest::addColumn<Make>("make");
    QTest::addColumn<QString>("before");  // the key's binding before the page saves, if any
    QTest::addColumn<Act>("choose");
    QTest::addColumn<QStringList>("computer");

    QTest::newRow("shortcut Copy: Ctrl+C") << Make([] { return new DHotKeyPage; }) << QString()
                                           << Act([](DKeyAssignPage *p) { click(p, "radioButton_Copy"); })
                                           << QStringList{"04: 01 00 06 00 00 00 00 00", kNoKeys};
    QTest::newRow("text: pasted with Ctrl+V")
        << Make([] { return new DKeyWithTextPage; }) << QString()
        << Act([](DKeyAssignPage *p) { p->findChild<QTextEdit *>("textEdit_keyText")->setPlainText("hi\nthere"); })
        << QStringList{"04: 01 00 19 00 00 00 00 00", kNoKeys};
    QTest::newRow("macro: the copy's steps")
        << Make([] { return new DMacroCmdPage; }) << QString() << Act([](DKeyAssignPage *) {})
        << QStringList{kNoKeys, kNoKeys, "04: 00 00 05 00 00 00 00 00", kNoKeys, kNoKeys};
    QTest::newRow("mouse Wheel Down") << Make([] { return new DMouseKeyPage; }) << QString()
                                      << Act([](DKeyAssignPage *p) { click(p, "radioButton_mouseWheelDown"); })
                                      << QStringList{"13: 00 ff", kNoKeys, "13: 00 00", kNoKeys};
    QTest::newRow("multimedia Volume Up") << Make([] { return new DMultimediaPage; }) << QString()
                                          << Act([](DKeyAssignPage *p) { click(p, "radioButton_volAdd"); })
                                          << QStringList{"06: 01 00 00", kNoKeys, "06: 00 00 00", kNoKeys};
    QTest::newRow("default: the key passes unchanged")
        << Make([] { return new DResetDefaultPage; }) << "4:9:5" << Act([](DKeyAssignPage *) {})
        << QStringList{"04: 00 00 04 00 00 00 00 00", kNoKeys};
}

void tst_PageToKeyboard::savedAndPressed()
{
    QFETCH(Make, make);
    QFETCH(QString, before);
    QFETCH(Act, choose);
    QFETCH(QStringList, computer);

    if (!before.isEmpty())
        bind(m_kb->profile, before);
    std::unique_ptr<DKeyAssignPage> page(make());
    page->setInterfaces(nullptr, &m_kb->profile.xml);
    page->setCurrentKey({4, QStringLiteral("A")});
    page->setFilePaths(m_library.constData(), m_kb->profile.path.constData());
    page->setProfileIndex(1);
    page->loadCustomKeyInfo();
    QSignalSpy saved(page.get(), &DKeyAssignPage::sigCustomKeyInfoSaveSuccessful);
    choose(page.get());
    click(page.get(), "pushButton_OK");
    QCOMPARE(saved.count(), 1);

    emu::injectRaw(m_kb->id, frame(0x04, kPressA));
    emu::injectRaw(m_kb->id, frame(0x04, kNothing));
    QTRY_COMPARE_WITH_TIMEOUT(computerReports(m_kb->id).size(), computer.size(), 20000);
    QVERIFY(syncLink(m_kb->id, *m_kb->link));
    QCOMPARE(computerReports(m_kb->id), computer);
    if (qobject_cast<DKeyWithTextPage *>(page.get()))
        QCOMPARE(m_kb->actions.clipboard, QStringList{"hi\nthere"});
}

QTEST_MAIN(tst_PageToKeyboard)
#include "tst_PageToKeyboard.moc"
