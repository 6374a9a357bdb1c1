// SPDX-License-Identifier: GPL-3.0-or-later
// The remap and key combination pages on a real profile file, with the global key capture
// replaced by a stand-in: what entered key sequences show and save, what a load shows, and
// that the entry field's focus starts and stops the capture.

#include "DChangeKeyPage.h"
#include "DKeyCombinationPage.h"
#include "FakeInputHook.h"
#include "InputHookFactory.h"
#include "KeyAssignTestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace keytest;

namespace {

constexpr int kA = 4;
constexpr int kB = 5;
constexpr int kLCtrl = 224;
constexpr int kLShift = 225;
constexpr int kLAlt = 226;
constexpr int kStoredKey = 30;

QMap<int, QString> keyNames()
{
    return {{kA, QStringLiteral("A")},          {kB, QStringLiteral("B")},
            {kLCtrl, QStringLiteral("L_CTRL")}, {kLShift, QStringLiteral("L_SHIFT")},
            {kLAlt, QStringLiteral("L_ALT")},   {43, QStringLiteral("Tab")}};
}

template <class Page>
void prepareEntry(Fixture &f, Page *page, const QMap<int, QString> &names = keyNames(), int onboard = 0)
{
    page->setInterfaces(nullptr, &f.xml);
    page->setCurrentKey({kStoredKey, QStringLiteral("1")});
    page->setFilePaths(f.library, f.profile);
    page->setKeyNameMap(names);
    page->setProfileIndex(1);
    page->loadCustomKeyInfo();
    page->setOnboardMode(onboard);
}

}  // namespace

class tst_KeyEntryPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void remapSequences_data();
    void remapSequences();
    void remapLoad_data();
    void remapLoad();
    void combinationSequences_data();
    void combinationSequences();
    void combinationCancel();
    void combinationLoad_data();
    void combinationLoad();
    void focusStartsAndStopsTheCapture();

private:
    FakeInputHook *m_fake = nullptr;
};

void tst_KeyEntryPages::init()
{
    InputHookFactory::setMaker([this] { return m_fake = new FakeInputHook; });
}

void tst_KeyEntryPages::cleanup()
{
    InputHookFactory::setMaker({});
    m_fake = nullptr;
}

void tst_KeyEntryPages::remapSequences_data()
{
    QTest::addColumn<int>("onboard");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<bool>("pressOk");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("saves");
    QTest::addColumn<QString>("value");

    QTest::newRow("A B OK saves B") << 0 << QList<int>{kA, kB} << true << "B" << 1 << "5";
    QTest::newRow("code not in the map") << 0 << QList<int>{99} << true << "" << 0 << "";
    QTest::newRow("key without a code") << 0 << QList<int>{-1} << true << "" << 0 << "";
    QTest::newRow("no OK saves nothing") << 0 << QList<int>{kA} << false << "A" << 0 << "";
    QTest::newRow("same key twice, PC") << 0 << QList<int>{kA, kA} << true << "A" << 1 << "4";
    QTest::newRow("same key twice, on-board") << 1 << QList<int>{kA, kA} << false << "A" << 2 << "4";
    QTest::newRow("on-board ignores unknown") << 1 << QList<int>{kA, 99} << false << "A" << 1 << "4";
}

void tst_KeyEntryPages::remapSequences()
{
    QFETCH(int, onboard);
    QFETCH(QList<int>, keys);
    QFETCH(bool, pressOk);
    QFETCH(QString, text);
    QFETCH(int, saves);
    QFETCH(QString, value);

    Fixture f;
    DChangeKeyPage page;
    prepareEntry(f, &page, keyNames(), onboard);
    Signals spy(&page);
    for (int key : keys)
        page.inputKeyDec(key);
    if (pressOk)
        click(&page, "pushButton_OK");

    QCOMPARE(child<QLineEdit>(&page, "lineEdit_changForKey")->text(), text);
    QCOMPARE(spy.saved.count(), saves);
    QCOMPARE(spy.update.count(), saves);
    if (saves)
        QCOMPARE(spy.update.last().first().toInt(), kStoredKey);
    QCOMPARE(f.record(kStoredKey), value.isEmpty() ? QStringList() : QStringList({"30", "1", "0", "1", "1", value}));
    QCOMPARE(f.keyCodes().count(QStringLiteral("30")), saves ? 1 : 0);
}

void tst_KeyEntryPages::remapLoad_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("text");

    QTest::newRow("no item") << ""
                             << "";
    QTest::newRow("remapped to B") << "30:0:5"
                                   << "B";
    QTest::newRow("target not in the map") << "30:0:77"
                                           << "";
    QTest::newRow("another kind") << "30:5:-1"
                                  << "";
}

void tst_KeyEntryPages::remapLoad()
{
    QFETCH(QString, stored);
    QFETCH(QString, text);

    Fixture f;
    if (!stored.isEmpty())
        f.store(1, stored);
    const QByteArray before = f.readAll();
    DChangeKeyPage page;
    prepareEntry(f, &page);
    QCOMPARE(child<QLineEdit>(&page, "lineEdit_changForKey")->text(), text);

    // What a load shows is not an entry: OK right after it writes nothing.
    Signals spy(&page);
    click(&page, "pushButton_OK");
    QCOMPARE(spy.total(), 0);
    QCOMPARE(f.readAll(), before);
}

void tst_KeyEntryPages::combinationSequences_data()
{
    QTest::addColumn<int>("onboard");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<bool>("pressOk");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("keyResets");
    QTest::addColumn<QList<int>>("refused");

    QTest::newRow("L_CTRL A") << 0 << QList<int>{kLCtrl, kA} << true << "L_CTRL+A" << 0 << 0 << "1,4" << 2
                              << QList<int>{};
    QTest::newRow("L_CTRL L_CTRL A") << 0 << QList<int>{kLCtrl, kLCtrl, kA} << true << "L_CTRL+A" << 0 << 0 << "1,4"
                                     << 2 << QList<int>{};
    QTest::newRow("L_CTRL A before OK") << 0 << QList<int>{kLCtrl, kA} << false << "L_CTRL+A" << 1 << kA << "" << 1
                                        << QList<int>{};
    QTest::newRow("third modifier refused") << 0 << QList<int>{kLCtrl, kLShift, kLAlt} << true << "L_CTRL+L_SHIFT" << 3
                                            << 0 << "" << 0 << QList<int>{kLAlt};
    QTest::newRow("two modifiers and a key")
        << 0 << QList<int>{kLCtrl, kLShift, kB} << true << "L_CTRL+L_SHIFT+B" << 0 << 0 << "3,5" << 2 << QList<int>{};
    QTest::newRow("plain first key") << 0 << QList<int>{kA} << true << "" << 0 << 0 << "" << 1 << QList<int>{};
    QTest::newRow("modifiers only then OK")
        << 0 << QList<int>{kLCtrl, kLAlt} << true << "L_CTRL+L_ALT" << 5 << 0 << "" << 0 << QList<int>{};
    QTest::newRow("key not in the map after one modifier")
        << 0 << QList<int>{kLCtrl, 99} << true << "L_CTRL" << 1 << 0 << "" << 0 << QList<int>{};
    QTest::newRow("unknown key after two modifiers, then afresh")
        << 0 << QList<int>{kLCtrl, kLShift, 99, kLAlt, kB} << true << "L_ALT+B" << 0 << 0 << "4,5" << 2
        << QList<int>{99};
    QTest::newRow("new entry clears the field")
        << 0 << QList<int>{kLCtrl, kA, kLShift} << false << "L_SHIFT" << 2 << 0 << "" << 1 << QList<int>{};
    QTest::newRow("on-board saves at completion")
        << 1 << QList<int>{kLShift, kB} << false << "L_SHIFT+B" << 0 << 0 << "2,5" << 2 << QList<int>{};
}

void tst_KeyEntryPages::combinationSequences()
{
    QFETCH(int, onboard);
    QFETCH(QList<int>, keys);
    QFETCH(bool, pressOk);
    QFETCH(QString, text);
    QFETCH(int, bits);
    QFETCH(int, keyCode);
    QFETCH(QString, value);
    QFETCH(int, keyResets);
    QFETCH(QList<int>, refused);

    Fixture f;
    DKeyCombinationPage page;
    prepareEntry(f, &page, keyNames(), onboard);
    Signals spy(&page);
    QSignalSpy resets(&page, &DKeyCombinationPage::sigSoftKeyboardClickedKeyReset);
    QSignalSpy refusals(&page, &DKeyCombinationPage::sigResetSoftKeyStatusToDefault);
    for (int key : keys)
        page.inputKeyDec(key);
    if (pressOk)
        click(&page, "pushButton_OK");

    QCOMPARE(child<QLineEdit>(&page, "lineEdit_keyCombination")->text(), text);
    QCOMPARE(page.modifierBits(), bits);
    QCOMPARE(page.enteredKeyCode(), keyCode);
    QCOMPARE(resets.count(), keyResets);
    QList<int> refusedCodes;
    for (const QList<QVariant> &args : qAsConst(refusals))
        refusedCodes << args.first().toInt();
    QCOMPARE(refusedCodes, refused);
    QCOMPARE(spy.saved.count(), value.isEmpty() ? 0 : 1);
    QCOMPARE(f.record(kStoredKey), value.isEmpty() ? QStringList() : QStringList({"30", "1", "2", "1", "1", value}));
}

void tst_KeyEntryPages::combinationCancel()
{
    Fixture f;
    DKeyCombinationPage page;
    prepareEntry(f, &page);
    page.inputKeyDec(kLCtrl);
    page.inputKeyDec(kA);

    QStringList order;
    connect(&page, &DKeyCombinationPage::sigSoftKeyboardClickedKeyReset, this, [&] { order << "reset"; });
    connect(&page, &DKeyAssignPage::sigClickedCancel, this, [&] { order << "cancel"; });
    click(&page, "pushButton_Cancel");
    QCOMPARE(order, QStringList({"reset", "cancel"}));
    QCOMPARE(child<QLineEdit>(&page, "lineEdit_keyCombination")->text(), QString());
    QCOMPARE(page.modifierBits(), 0);
    QCOMPARE(page.enteredKeyCode(), 0);
    click(&page, "pushButton_OK");
    QCOMPARE(f.record(kStoredKey), QStringList());
}

void tst_KeyEntryPages::combinationLoad_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("mapHasA");
    QTest::addColumn<QString>("text");

    QTest::newRow("5,4") << "30:2:5,4" << true << "L_CTRL+L_ALT+A";
    QTest::newRow("5,4 without code 4 in the map") << "30:2:5,4" << false << "L_CTRL+L_ALT";
    QTest::newRow("all bits") << "30:2:255,5" << true << "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+R_WIN+B";
    QTest::newRow("no comma") << "30:2:5" << true << "";
    QTest::newRow("bits above 255") << "30:2:256,4" << true << "";
    QTest::newRow("no bits") << "30:2:0,4" << true << "";
    QTest::newRow("negative bits") << "30:2:-1,4" << true << "";
    QTest::newRow("not a number") << "30:2:x,4" << true << "";
    QTest::newRow("another kind") << "30:0:4" << true << "";
}

void tst_KeyEntryPages::combinationLoad()
{
    QFETCH(QString, stored);
    QFETCH(bool, mapHasA);
    QFETCH(QString, text);

    Fixture f;
    f.store(1, stored);
    const QByteArray before = f.readAll();
    QMap<int, QString> names = keyNames();
    if (!mapHasA)
        names.remove(kA);
    DKeyCombinationPage page;
    QSignalSpy resets(&page, &DKeyCombinationPage::sigSoftKeyboardClickedKeyReset);
    prepareEntry(f, &page, names);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(child<QLineEdit>(&page, "lineEdit_keyCombination")->text(), text);
    QCOMPARE(page.modifierBits(), 0);

    Signals spy(&page);
    click(&page, "pushButton_OK");
    QCOMPARE(spy.total(), 0);
    QCOMPARE(f.readAll(), before);
}

void tst_KeyEntryPages::focusStartsAndStopsTheCapture()
{
    Fixture f;
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *remap = new DChangeKeyPage(&window);
    auto *combination = new DKeyCombinationPage(&window);
    auto *other = new QLineEdit(&window);
    layout->addWidget(remap);
    layout->addWidget(combination);
    layout->addWidget(other);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    prepareEntry(f, remap);
    prepareEntry(f, combination);

    struct Entry {
        QWidget *page;
        QLineEdit *field;
        const char *signal;
    };
    const Entry entries[] = {
        {remap, child<QLineEdit>(remap, "lineEdit_changForKey"), SIGNAL(sigChangKeyOrCombinationKeyFocusIn(bool))},
        {combination, child<QLineEdit>(combination, "lineEdit_keyCombination"),
         SIGNAL(sigChangKeyOrCombinationKeyFocusIn(bool))},
    };
    for (const Entry &entry : entries) {
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QVERIFY(m_fake == nullptr || !m_fake->running);
        QSignalSpy focus(entry.page, entry.signal);

        entry.field->setFocus();
        QTRY_VERIFY(entry.field->hasFocus());
        QVERIFY(m_fake);
        QVERIFY(m_fake->running);
        QCOMPARE(focus.count(), 1);
        QCOMPARE(focus.last().first().toBool(), true);

        // Keys that still reach the field never edit it.
        QTest::keyClicks(entry.field, QStringLiteral("xyz"));
        QTest::keyClick(entry.field, Qt::Key_Backspace);
        QCOMPARE(entry.field->text(), QString());

        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QVERIFY(!m_fake->running);
        QCOMPARE(focus.count(), 2);
        QCOMPARE(focus.last().first().toBool(), false);
        QTest::keyClicks(other, QStringLiteral("ok"));
        QCOMPARE(other->text(), QStringLiteral("ok"));
        other->clear();

        // Hiding the page gives the keyboard back as well.
        entry.field->setFocus();
        QTRY_VERIFY(m_fake->running);
        entry.page->hide();
        QVERIFY(!m_fake->running);
        entry.page->show();
    }

    // A page that goes away while capturing stops the capture.
    auto *field = child<QLineEdit>(remap, "lineEdit_changForKey");
    field->setFocus();
    QTRY_VERIFY(m_fake->running);
    delete remap;
    QVERIFY(!m_fake->running);
}

QTEST_MAIN(tst_KeyEntryPages)
#include "tst_KeyEntryPages.moc"
