// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the program is translated in every language: lupdate runs over the sources into
// a copy of each translation file, and any text it reports new or unfinished fails the test,
// also when nobody ran lupdate after adding the text.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <QXmlStreamReader>

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void everyTextTranslated_data();
    void everyTextTranslated();
};

void tst_Translations::everyTextTranslated_data()
{
    QTest::addColumn<QString>("file");
    const QDir dir(QStringLiteral(ZELKA_TS_DIR));
    const QStringList files = dir.entryList({QStringLiteral("*.ts")}, QDir::Files);
    QCOMPARE(files.size(), 14);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << dir.filePath(file);
}

void tst_Translations::everyTextTranslated()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    const QString copy = dir.filePath(QFileInfo(file).fileName());
    QVERIFY(QFile::copy(file, copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    lupdate.start(QStringLiteral(ZELKA_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral(ZELKA_SOURCE_DIR), QStringLiteral("-ts"), copy});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);

    QFile updated(copy);
    QVERIFY(updated.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&updated);
    QStringList missing;
    QString context;
    QString source;
    int messages = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
            ++messages;
        } else if (xml.name() == QLatin1String("translation")) {
            const QStringRef type = xml.attributes().value(QLatin1String("type"));
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                continue;
            // A plural text holds its forms in <numerusform> elements.
            QStringList forms;
            bool plural = false;
            while (!(xml.isEndElement() && xml.name() == QLatin1String("translation")) && !xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters())
                    forms.append(xml.text().toString());
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    plural = true;
            }
            const bool empty = plural ? forms.contains(QString()) || forms.join(QString()).trimmed().isEmpty()
                                      : forms.join(QString()).isEmpty();
            if (type == QLatin1String("unfinished") || empty)
                missing.append(context + QStringLiteral(": ") + source);
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 0);
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 untranslated:\n  ").arg(missing.size())
                                           + missing.join(QStringLiteral("\n  "))));
}

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_Translations.moc"
