// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtLinguist.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class tst_QtLinguist : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void mapHoldsTheFourteenFiles();
    void languageOfLocale_data();
    void languageOfLocale();
    void unknownValuesLoadNothing_data();
    void unknownValuesLoadNothing();
    void failedLoadKeepsLanguage();
    void englishRestoresSourceTexts();
    void arabicLaysOutRightToLeft();
    void setLanguageChangesCurrentOnlyOnSuccess();

private:
    static QString login() { return QCoreApplication::translate("DLoginWidget", "Login"); }
    // A translation folder holding only the named languages' files.
    QString folderWith(const QStringList &languages);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_QtLinguist::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

QString tst_QtLinguist::folderWith(const QStringList &languages)
{
    for (const QString &language : languages) {
        const QString qm = language + QStringLiteral(".qm");
        if (!QFile::copy(QStringLiteral(ZELKA_TRANSLATION_DIR "/") + qm, m_dir->filePath(qm)))
            return QString();
    }
    return m_dir->path();
}

void tst_QtLinguist::mapHoldsTheFourteenFiles()
{
    QTest::ignoreMessage(QtDebugMsg, "--------------------language mapCount: 14");
    const QtLinguist linguist(m_dir->path());
    const QMap<int, QString> files = linguist.languageFiles();
    QCOMPARE(files.size(), 14);
    QCOMPARE(files.firstKey(), 1);
    QCOMPARE(files.lastKey(), 14);
    QCOMPARE(files.value(QtLinguist::Zh_SM), QStringLiteral("Zh_SM.qm"));
    QCOMPARE(files.value(QtLinguist::English), QStringLiteral("English.qm"));
    QCOMPARE(files.value(QtLinguist::Portugal), QStringLiteral("Portugal.qm"));
    QCOMPARE(files.value(QtLinguist::Ukrainian), QStringLiteral("Ukrainian.qm"));
    // Every language of the map has its translation beside the program.
    for (const QString &file : files)
        QVERIFY2(QFile::exists(QStringLiteral(ZELKA_TRANSLATION_DIR "/") + file), qPrintable(file));
}

void tst_QtLinguist::languageOfLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("language");
    QTest::newRow("Chinese, China") << "zh_CN" << int(QtLinguist::Zh_SM);
    QTest::newRow("Chinese, Taiwan") << "zh_TW" << int(QtLinguist::Zh_TR);
    QTest::newRow("Chinese, Hong Kong") << "zh_HK" << int(QtLinguist::Zh_TR);
    QTest::newRow("English, UK") << "en_GB" << int(QtLinguist::English);
    QTest::newRow("Japanese") << "ja_JP" << int(QtLinguist::Japanese);
    QTest::newRow("Korean") << "ko_KR" << int(QtLinguist::Korean);
    QTest::newRow("Russian") << "ru_RU" << int(QtLinguist::Russian);
    QTest::newRow("Arabic, Egypt") << "ar_EG" << int(QtLinguist::Arabic);
    QTest::newRow("Spanish, Mexico") << "es_MX" << int(QtLinguist::Spanish);
    QTest::newRow("Portuguese, Brazil") << "pt_BR" << int(QtLinguist::Portugal);
    QTest::newRow("German, Austria") << "de_AT" << int(QtLinguist::German);
    QTest::newRow("Italian") << "it_IT" << int(QtLinguist::Italian);
    QTest::newRow("Polish") << "pl_PL" << int(QtLinguist::Polish);
    QTest::newRow("French, Canada") << "fr_CA" << int(QtLinguist::French);
    QTest::newRow("Ukrainian") << "uk_UA" << int(QtLinguist::Ukrainian);
    QTest::newRow("Dutch") << "nl_NL" << int(QtLinguist::English);
    QTest::newRow("C") << "C" << int(QtLinguist::English);
}

void tst_QtLinguist::languageOfLocale()
{
    QFETCH(QString, locale);
    QFETCH(int, language);
    QCOMPARE(int(QtLinguist::languageOf(QLocale(locale))), language);
}

void tst_QtLinguist::unknownValuesLoadNothing_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("0") << 0;
    QTest::newRow("-1") << -1;
    QTest::newRow("15") << 15;
}

void tst_QtLinguist::unknownValuesLoadNothing()
{
    QFETCH(int, value);
    QtLinguist linguist(folderWith({QStringLiteral("German")}));
    QVERIFY(linguist.loadLanguage(QtLinguist::German));
    QVERIFY(!linguist.loadLanguage(QtLinguist::Language(value)));
    QCOMPARE(login(), QStringLiteral("Anmelden"));
}

void tst_QtLinguist::failedLoadKeepsLanguage()
{
    // French is missing from the folder; a file that is not a translation is as bad.
    QtLinguist linguist(folderWith({QStringLiteral("German")}));
    QFile broken(m_dir->filePath(QStringLiteral("Italian.qm")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a translation");
    broken.close();

    QVERIFY(linguist.loadLanguage(QtLinguist::German));
    QCOMPARE(login(), QStringLiteral("Anmelden"));
    QVERIFY(!linguist.loadLanguage(QtLinguist::French));
    QCOMPARE(login(), QStringLiteral("Anmelden"));
    QVERIFY(!linguist.loadLanguage(QtLinguist::Italian));
    QCOMPARE(login(), QStringLiteral("Anmelden"));
}

void tst_QtLinguist::englishRestoresSourceTexts()
{
    QtLinguist linguist(folderWith({QStringLiteral("French"), QStringLiteral("English")}));
    QVERIFY(linguist.loadLanguage(QtLinguist::French));
    QCOMPARE(login(), QStringLiteral("Connexion"));
    QVERIFY(linguist.loadLanguage(QtLinguist::English));
    QCOMPARE(login(), QStringLiteral("Login"));
}

void tst_QtLinguist::arabicLaysOutRightToLeft()
{
    QtLinguist linguist(folderWith({QStringLiteral("Arabic"), QStringLiteral("Japanese")}));
    QVERIFY(linguist.loadLanguage(QtLinguist::Arabic));
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    QVERIFY(linguist.loadLanguage(QtLinguist::Japanese));
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

void tst_QtLinguist::setLanguageChangesCurrentOnlyOnSuccess()
{
    QtLinguist linguist(folderWith({QStringLiteral("Polish")}));
    const QtLinguist::Language system = linguist.currentLanguage();
    QCOMPARE(system, QtLinguist::systemLanguage());
    QVERIFY(linguist.loadLanguage(QtLinguist::Polish));
    QCOMPARE(linguist.currentLanguage(), system);
    QVERIFY(linguist.setLanguage(QtLinguist::Polish));
    QCOMPARE(linguist.currentLanguage(), QtLinguist::Polish);
    QVERIFY(!linguist.setLanguage(QtLinguist::Korean));
    QCOMPARE(linguist.currentLanguage(), QtLinguist::Polish);
}

QTEST_MAIN(tst_QtLinguist)
#include "tst_QtLinguist.moc"
