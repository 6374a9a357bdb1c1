// The text page: the limits of what a key can type, the text kept as written, and when OK saves.

#include "KeyAssignTestSupport.h"

#include "DKeyWithTextPage.h"

#include <QTextCursor>
#include <QTextEdit>

using namespace keytest;

namespace {

QTextEdit *edit(QWidget *page)
{
    return child<QTextEdit>(page, "textEdit_keyText");
}

// Puts the text in at the position, as typing or pasting does.
void insertAt(QWidget *page, int position, const QString &text)
{
    QTextCursor cursor = edit(page)->textCursor();
    cursor.setPosition(position);
    edit(page)->setTextCursor(cursor);
    edit(page)->insertPlainText(text);
}

int cursorAt(QWidget *page)
{
    return edit(page)->textCursor().position();
}

}  // namespace

class tst_DKeyWithTextPage : public QObject
{
    Q_OBJECT

private slots:
    void limits_data();
    void limits();
    void savedAsWritten_data();
    void savedAsWritten();
    void emptyTextLeavesTheOldItem();
    void unchangedTextIsSavedOncePerKey();
};

void tst_DKeyWithTextPage::limits_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("cursor");

    const QString a4900(4900, 'a');
    QString pasted;
    for (int i = 0; i < 300; ++i)
        pasted += QChar('0' + i % 10);
    QTest::newRow("typing at 5000") << QString(5000, 'a') << 2500 << "b" << QString(5000, 'a') << 2500;
    QTest::newRow("typing at the end of 5000") << QString(5000, 'a') << 5000 << "b" << QString(5000, 'a') << 5000;
    QTest::newRow("300 pasted into 4900")
        << a4900 << 2000 << pasted << a4900.left(2000) + pasted.left(100) + a4900.mid(2000) << 2100;
    const QString euro(QChar(0x20AC));
    // 4000 bytes of ASCII leave 1119 bytes: 373 three-byte characters.
    QTest::newRow("three-byte characters to 5119 bytes")
        << QString(4000, 'a') << 4000 << euro.repeated(500) << QString(4000, 'a') + euro.repeated(373) << 4373;
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    // Four bytes and two units each: 279 of them fill 1116 bytes; none is cut in half.
    QTest::newRow("four-byte characters stay whole")
        << QString(4000, 'a') << 2000 << emoji.repeated(300)
        << QString(2000, 'a') + emoji.repeated(279) + QString(2000, 'a') << 2000 + 279 * 2;
}

void tst_DKeyWithTextPage::limits()
{
    QFETCH(QString, before);
    QFETCH(int, position);
    QFETCH(QString, inserted);
    QFETCH(QString, after);
    QFETCH(int, cursor);

    Fixture f;
    DKeyWithTextPage page;
    f.prepare(&page, 4);
    edit(&page)->setPlainText(before);
    insertAt(&page, position, inserted);
    QCOMPARE(edit(&page)->toPlainText(), after);
    QCOMPARE(cursorAt(&page), cursor);
    QVERIFY(after.size() <= DKeyWithTextPage::MaxCharacters);
    QVERIFY(after.toUtf8().size() <= DKeyWithTextPage::MaxBytes);

    click(&page, "pushButton_OK");
    QCOMPARE(f.record(4).value(5), after);
}

void tst_DKeyWithTextPage::savedAsWritten_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("line breaks") << "first\nsecond\n\nlast";
    QTest::newRow("looks like HTML") << "<b>bold</b> &amp; <i>x</i>";
    QTest::newRow("not Latin") << QString::fromUtf8("Привет, 世界");
}

void tst_DKeyWithTextPage::savedAsWritten()
{
    QFETCH(QString, text);
    Fixture f;
    DKeyWithTextPage page;
    f.prepare(&page, 4);
    edit(&page)->setPlainText(text);
    click(&page, "pushButton_OK");
    QCOMPARE(f.record(4), QStringList({"4", "A", "6", "1", "1", text}));

    // Shown again as stored, and OK then has nothing to save.
    f.prepare(&page, 5);
    f.prepare(&page, 4);
    QCOMPARE(edit(&page)->toPlainText(), text);
    Signals s(&page);
    click(&page, "pushButton_OK");
    QCOMPARE(s.total(), 0);
}

void tst_DKeyWithTextPage::emptyTextLeavesTheOldItem()
{
    Fixture f;
    f.store(1, "4:6:old");
    DKeyWithTextPage page;
    f.prepare(&page, 4);
    edit(&page)->clear();
    Signals s(&page);
    click(&page, "pushButton_OK");
    QCOMPARE(f.record(4).value(5), "old");
    QCOMPARE(s.total(), 0);
}

void tst_DKeyWithTextPage::unchangedTextIsSavedOncePerKey()
{
    Fixture f;
    DKeyWithTextPage page;
    f.prepare(&page, 4);
    edit(&page)->setPlainText("hello");
    Signals s(&page);
    click(&page, "pushButton_OK");
    click(&page, "pushButton_OK");
    QCOMPARE(s.saved.count(), 1);

    // The same text for a second key is a change for that key.
    f.prepare(&page, 5, "B");
    edit(&page)->setPlainText("hello");
    click(&page, "pushButton_OK");
    QCOMPARE(s.saved.count(), 2);
    QCOMPARE(f.record(5).value(5), "hello");

    // After clearText an unchanged text is saved again.
    page.clearText();
    click(&page, "pushButton_OK");
    QCOMPARE(s.saved.count(), 3);
}

QTEST_MAIN(tst_DKeyWithTextPage)
#include "tst_DKeyWithTextPage.moc"
