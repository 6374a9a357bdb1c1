// SPDX-License-Identifier: GPL-3.0-or-later
// The file name an export is written under: safe characters, no dot names, a bounded length,
// and a path that stays in the chosen folder.

#include "ExportFileName.h"

#include <QFile>
#include <QtTest>

class tst_ExportFileName : public QObject
{
    Q_OBJECT

private slots:
    void baseNames_data();
    void baseNames();
    void longNamesCutWhole();
    void pathsStayInTheFolder_data();
    void pathsStayInTheFolder();
};

void tst_ExportFileName::baseNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "Fire"
                           << "Fire";
    QTest::newRow("non-Latin") << QString::fromUtf8("连招 Ω") << QString::fromUtf8("连招 Ω");
    QTest::newRow("parent folder") << "../x"
                                   << "_x";
    QTest::newRow("slash") << "a/b"
                           << "a_b";
    QTest::newRow("backslash") << "a\\b"
                               << "a_b";
    QTest::newRow("control characters") << QStringLiteral("a\tb\nc\x01") << "a_b_c_";
    QTest::newRow("empty") << ""
                           << "Macro7";
    QTest::newRow("dot") << "."
                         << "Macro7";
    QTest::newRow("dot dot") << ".."
                             << "Macro7";
    QTest::newRow("dots and blanks trimmed") << " . name . "
                                             << "name";
    QTest::newRow("hidden name") << ".config"
                                 << "config";
    QTest::newRow("only blanks") << "   "
                                 << "Macro7";
}

void tst_ExportFileName::baseNames()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(ExportFileName::baseName(name, QStringLiteral("Macro7")), expected);
}

void tst_ExportFileName::longNamesCutWhole()
{
    const QString ascii(300, QLatin1Char('a'));
    QCOMPARE(ExportFileName::baseName(ascii, "F"), QString(200, QLatin1Char('a')));
    const QString wide(100, QChar(0x8FDE));  // three bytes each: 66 fit
    QCOMPARE(ExportFileName::baseName(wide, "F"), QString(66, QChar(0x8FDE)));
    QString astral;
    for (int i = 0; i < 60; ++i)
        astral += QString::fromUcs4(U"\U0001F600");  // four bytes each: 50 fit, pairs kept whole
    const QString cut = ExportFileName::baseName(astral, "F");
    QCOMPARE(QFile::encodeName(cut).size(), 200);
    QVERIFY(!cut.at(cut.size() - 1).isHighSurrogate());
}

void tst_ExportFileName::pathsStayInTheFolder_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "Fire"
                           << "/tmp/out/Fire.xml";
    QTest::newRow("parent") << ".."
                            << "";
    QTest::newRow("climbing") << "../x"
                              << "";
    QTest::newRow("nested") << "a/b"
                            << "";
}

void tst_ExportFileName::pathsStayInTheFolder()
{
    QFETCH(QString, base);
    QFETCH(QString, expected);
    QCOMPARE(ExportFileName::pathIn(QStringLiteral("/tmp/out/"), base, QStringLiteral(".xml")), expected);
}

QTEST_GUILESS_MAIN(tst_ExportFileName)
#include "tst_ExportFileName.moc"
