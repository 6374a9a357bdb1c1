// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordText.h"

#include <QtTest>

// Reading and writing fixed-width record text: never past the field, never half a character.
class tst_RecordText : public QObject
{
    Q_OBJECT
private slots:
    void write_data();
    void write();
    void readStopsAtTheFieldsEnd();
    void nullText();
};

void tst_RecordText::write_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("fits") << QByteArray("abc") << QByteArray("abc");
    QTest::newRow("exactly width less one") << QByteArray("abcdefg") << QByteArray("abcdefg");
    QTest::newRow("cut") << QByteArray("abcdefghij") << QByteArray("abcdefg");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    // "ab" + three 2-byte characters: the cut would fall inside the third one.
    QTest::newRow("two-byte character not split")
        << QByteArray("ab\xC3\xA9\xC3\xA9\xC3\xA9") << QByteArray("ab\xC3\xA9\xC3\xA9");
    QTest::newRow("three-byte character not split") << QByteArray("abcde\xE2\x82\xAC") << QByteArray("abcde");
    QTest::newRow("four-byte character not split") << QByteArray("abcd\xF0\x9F\x98\x80") << QByteArray("abcd");
    QTest::newRow("character ending at the cut kept")
        << QByteArray("abcd\xE2\x82\xAC!") << QByteArray("abcd\xE2\x82\xAC");
}

void tst_RecordText::write()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, stored);
    struct {
        char field[8];
        char guard[4];
    } record;
    std::memset(&record, 'x', sizeof record);
    setRecordText(record.field, text);
    QCOMPARE(recordText(record.field), stored);
    QCOMPARE(QByteArray(record.guard, 4), QByteArray("xxxx"));
    for (std::size_t i = std::size_t(stored.size()); i < sizeof record.field; ++i)
        QCOMPARE(record.field[i], '\0');
    QVERIFY(QString::fromUtf8(recordText(record.field)).toUtf8() == stored);  // whole characters only

    char plain[8];
    setRecordText(plain, text.isNull() ? nullptr : text.constData());
    QCOMPARE(recordText(plain), stored);
}

void tst_RecordText::readStopsAtTheFieldsEnd()
{
    struct {
        char field[4];
        char next[4];
    } record = {{'a', 'b', 'c', 'd'}, {'e', 'f', 0, 0}};
    QCOMPARE(recordText(record.field), QByteArray("abcd"));
    QCOMPARE(recordText(record.field, 2), QByteArray("ab"));
    const char shortText[4] = {'a', 0, 'z', 0};
    QCOMPARE(recordText(shortText), QByteArray("a"));
}

void tst_RecordText::nullText()
{
    QCOMPARE(recordText(nullptr, 10), QByteArray());
    char field[4] = {'a', 'b', 'c', 0};
    setRecordText(field, static_cast<const char *>(nullptr));
    QCOMPARE(recordText(field), QByteArray());
    setRecordText(nullptr, 4, "abc", 3);  // no field: nothing happens
}

QTEST_GUILESS_MAIN(tst_RecordText)
#include "tst_RecordText.moc"
