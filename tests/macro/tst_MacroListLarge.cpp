// SPDX-License-Identifier: GPL-3.0-or-later
// A macro library of any size within the store's bounds: the macro list builds rows only where
// they can be seen, and a row far down the list still selects, renames and deletes its macro.

#include "DMacroListItem.h"
#include "macroMenuToolWidget.h"
#include "MacroPageFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

using namespace macrotest;

namespace {

// Rows the list may hold at once: the view's (a 791-pixel page shows under twenty) and a margin.
constexpr int kMostRows = 48;

// A library of empty macros 1..count named "M<index>", written as the text a user's file has.
void writeLibrary(const QByteArray &path, int count)
{
    QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<Parameters profileIndex=\"1\">\n";
    text.reserve(text.size() + count * 40);
    for (int i = 1; i <= count; ++i)
        text += "<macro index=\"" + QByteArray::number(i) + "\" name=\"M" + QByteArray::number(i) + "\"/>\n";
    text += "</Parameters>\n";
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        qFatal("cannot write the macro library");
}

QStringList names(const QList<DMacroListItem *> &rows)
{
    QStringList out;
    for (const DMacroListItem *row : rows)
        out << row->name();
    return out;
}

DMacroListItem *rowOf(DMacroPage &page, const QString &index)
{
    for (DMacroListItem *row : page.macroItems()) {
        if (row->index() == index)
            return row;
    }
    return nullptr;
}

QScrollBar *listBar(DMacroPage &page)
{
    return page.findChild<QScrollArea *>(QStringLiteral("scrollArea_2"))->verticalScrollBar();
}

}  // namespace

class tst_MacroListLarge : public QObject
{
    Q_OBJECT

private slots:
    void rowsOnlyInView_data();
    void rowsOnlyInView();
    void farRowSelectsRenamesDeletes();
};

void tst_MacroListLarge::rowsOnlyInView_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << 0;
    QTest::newRow("three") << 3;
    QTest::newRow("twenty thousand") << 20000;
}

void tst_MacroListLarge::rowsOnlyInView()
{
    QFETCH(int, count);
    Fixture f(false);
    writeLibrary(f.library, count);
    f.page->loadMacroList();
    f.page->resize(1200, 791);
    f.page->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.page.get()));

    QCOMPARE(f.page->macroCount(), count);
    const QList<DMacroListItem *> rows = f.page->macroItems();
    QVERIFY2(rows.size() <= kMostRows, qPrintable(QString::number(rows.size())));
    QCOMPARE(rows.isEmpty(), count == 0);
    if (count < kMostRows / 2)
        QCOMPARE(rows.size(), count);
    QStringList first;
    for (int i = 1; i <= qMin(count, rows.size()); ++i)
        first << QStringLiteral("M%1").arg(i);
    QCOMPARE(names(rows), first);
    QCOMPARE(f.page->currentMacroIndex(), count ? QStringLiteral("1") : QString());

    // Scrolled to the end: the last macros are built, the first ones let go, the count stays small.
    if (count == 0)
        return;
    listBar(*f.page)->setValue(listBar(*f.page)->maximum());
    QVERIFY(rowOf(*f.page, QString::number(count)));
    QVERIFY(f.page->macroItems().size() <= kMostRows);
    QVERIFY(count < kMostRows || !rowOf(*f.page, QStringLiteral("1")));
}

void tst_MacroListLarge::farRowSelectsRenamesDeletes()
{
    const int count = 5000;
    Fixture f(false);
    writeLibrary(f.library, count);
    f.page->loadMacroList();
    f.page->resize(1200, 791);
    f.page->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.page.get()));

    // A longer name for macro 2 and macro 3 deleted: the macros after them keep their names.
    DMacroListItem *second = rowOf(*f.page, QStringLiteral("2"));
    QTest::mouseDClick(second, Qt::LeftButton);
    second->findChild<QLineEdit *>(QStringLiteral("lineEdit_MacroName"))->setText(QStringLiteral("Second, longer"));
    second->findChild<QPushButton *>(QStringLiteral("pushButton_Save"))->click();
    emit rowOf(*f.page, QStringLiteral("3"))->sigDeleteMacro(QStringLiteral("3"), QStringLiteral("M3"));
    QCOMPARE(names(f.page->macroItems()).mid(0, 4), (QStringList{"M1", "Second, longer", "M4", "M5"}));
    listBar(*f.page)->setValue(listBar(*f.page)->maximum());
    QCOMPARE(names(f.page->macroItems()).last(), QStringLiteral("M%1").arg(count));
    listBar(*f.page)->setValue(0);
    QCOMPARE(names(f.page->macroItems()).mid(0, 4), (QStringList{"M1", "Second, longer", "M4", "M5"}));
    listBar(*f.page)->setValue(listBar(*f.page)->maximum());

    // Selected: the row takes the selected look, its macro becomes current.
    const QString last = QString::number(count);
    DMacroListItem *row = rowOf(*f.page, last);
    QVERIFY(row);
    QTest::mouseClick(row, Qt::LeftButton);
    QCOMPARE(f.page->currentMacroIndex(), last);
    const QString selectedLook = row->findChild<QFrame *>(QStringLiteral("frame_5"))->styleSheet();
    QVERIFY(selectedLook != rowOf(*f.page, QString::number(count - 1))->findChild<QFrame *>("frame_5")->styleSheet());

    // Renamed in place; the edit survives a scroll, and the name stays with the macro after its
    // row is let go and built again.
    QTest::mouseDClick(row, Qt::LeftButton);
    row->findChild<QLineEdit *>(QStringLiteral("lineEdit_MacroName"))->setText(QStringLiteral("Far"));
    listBar(*f.page)->setValue(0);
    QCOMPARE(rowOf(*f.page, last), row);
    QVERIFY(row->isEditing());
    row->findChild<QPushButton *>(QStringLiteral("pushButton_Save"))->click();
    QCOMPARE(f.page->noticeText(), QStringLiteral("Modify macro name successful"));
    QCOMPARE(f.page->currentMacroName(), QStringLiteral("Far"));
    listBar(*f.page)->setValue(1);
    QVERIFY(!rowOf(*f.page, last));  // let go once the edit is over
    listBar(*f.page)->setValue(listBar(*f.page)->maximum());
    row = rowOf(*f.page, last);
    QVERIFY(row);
    QCOMPARE(row->findChild<QLabel *>(QStringLiteral("label_MacroName"))->text(), QStringLiteral("Far"));
    QCOMPARE(QString::fromUtf8(recordText(f.page->macroList().last().name)), QStringLiteral("Far"));

    // Deleted through its popup: the library and the list lose it, the first macro becomes current.
    row->findChild<QPushButton *>(QStringLiteral("pushButton_MacroOperate"))->click();
    auto *menu = row->findChild<macroMenuToolWidget *>();
    QVERIFY(menu);
    emit menu->sigMacroDelete();
    QCOMPARE(f.page->noticeText(), QStringLiteral("Delete macro successful"));
    QCOMPARE(f.page->macroCount(), count - 2);
    QCOMPARE(f.page->macroList().size(), count - 2);
    QCOMPARE(f.page->currentMacroIndex(), QStringLiteral("1"));
    QVERIFY(f.page->macroItems().size() <= kMostRows);
}

QTEST_MAIN(tst_MacroListLarge)
#include "tst_MacroListLarge.moc"
