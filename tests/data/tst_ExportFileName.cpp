// SPDX-License-Identifier: GPL-3.0-or-later
// File names made from names the user typed: they never leave the chosen folder, never hide,
// and fit every file system.

#include "ExportFileName.h"

#include <QtTest>

class tst_ExportFileName : public QObject
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void longNamesAreCut();
};

void tst_ExportFileName::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "Racing 2"
                           << "Racing 2";
    QTest::newRow("non-ASCII kept") << QString::fromUtf8("Спорт ★") << QString::fromUtf8("Спорт ★");
    QTest::newRow("climbing out") << "a/../../b"
                                  << "a_.._.._b";
    QTest::newRow("absolute") << "/etc/passwd"
                              << "_etc_passwd";
    QTest::newRow("backslash and drive") << "C:\\x"
                                         << "C__x";
    QTest::newRow("hidden") << ".profile"
                            << "profile";
    QTest::newRow("dots only") << ".."
                               << "Fallback";
    QTest::newRow("separators and dots") << "../.."
                                         << "Fallback";
    QTest::newRow("blank") << "   "
                           << "Fallback";
    QTest::newRow("empty") << ""
                           << "Fallback";
    QTest::newRow("control") << QStringLiteral("a\nb\tc") << "a_b_c";
}

void tst_ExportFileName::names()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(ExportFileName::safeBaseName(name, QStringLiteral("Fallback")), expected);
}

void tst_ExportFileName::longNamesAreCut()
{
    // Four-byte characters: the cut never splits one.
    const QString emoji = QString::fromUtf8("\xF0\x9F\x8E\xAE");
    const QString name = ExportFileName::safeBaseName(emoji.repeated(100), QStringLiteral("Fallback"));
    QVERIFY(name.toUtf8().size() <= ExportFileName::MaxBytes);
    QCOMPARE(name, emoji.repeated(ExportFileName::MaxBytes / 4));
}

QTEST_MAIN(tst_ExportFileName)
#include "tst_ExportFileName.moc"
