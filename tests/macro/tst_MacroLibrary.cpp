// SPDX-License-Identifier: GPL-3.0-or-later
// Whole macros: selecting, adding, deleting, clearing, renaming, and importing and exporting
// files, hostile ones among them.

#include "DMacroListItem.h"
#include "MacroPageFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>

using namespace macrotest;

namespace {

const char *const kMarkA = "000000000000000a";

QList<MacroEventInfo> keyPair(const char *mark, int usage, const char *name)
{
    return {step(mark, 0, "key", usage, name, "down"), step(mark, 30, "key", usage, name, "up")};
}

QStringList indexesAndNames(Fixture &f)
{
    QStringList out;
    for (const IndexNameInfo &m : f.page->macroList())
        out << QString::fromUtf8(recordText(m.index)) + ":" + QString::fromUtf8(recordText(m.name));
    return out;
}

QByteArray writeText(const QTemporaryDir &dir, const QString &name, const QByteArray &text)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(name));
    return text;
}

QByteArray macroFile(const QByteArray &macros)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<Parameters profileIndex=\"1\">\n" + macros
           + "</Parameters>\n";
}

QByteArray item(const QByteArray &mark, const QByteArray &delay, const QByteArray &code, const QByteArray &explain,
                const QByteArray &type = "key")
{
    return "<item mark=\"" + mark + "\" delay=\"" + delay + "\" type=\"" + type + "\" keyCode=\"" + code
           + "\" codeName=\"K\" operateExplain=\"" + explain + "\"/>\n";
}

}  // namespace

class tst_MacroLibrary : public QObject
{
    Q_OBJECT

private slots:
    void addIndex_data();
    void addIndex();
    void deleteCurrentAndOther();
    void deleteTheLastMacro();
    void clearKeepsTheMacro();
    void renameTheCurrentMacro();
    void importJumpCopy();
    void importIntoEmptyLibrary();
    void exportExactFile();
    void utf8RoundTrip();
    void hostileImports_data();
    void hostileImports();
    void exportNamesStayInTheFolder_data();
    void exportNamesStayInTheFolder();
    void exportIntoUnwritableFolder();
    void hostileFilesAroundImportAndExport_data();
    void hostileFilesAroundImportAndExport();
};

void tst_MacroLibrary::addIndex_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("added");
    QTest::newRow("gap") << QStringList{"1", "2", "4"} << "3:Macro3";
    QTest::newRow("no 1") << QStringList{"2", "3"} << "1:Macro1";
    QTest::newRow("no gap") << QStringList{"1", "2", "3"} << "4:Macro4";
    QTest::newRow("empty") << QStringList{} << "1:Macro1";
}

void tst_MacroLibrary::addIndex()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, added);
    Fixture f(false);
    for (const QString &index : existing)
        f.addMacro(index.toUtf8().constData(), ("M" + index).toUtf8().constData(), {});
    f.page->loadMacroList();
    f.page->findChild<QPushButton *>(QStringLiteral("pushButton_Add"))->click();
    QVERIFY(indexesAndNames(f).contains(added));
    QCOMPARE(f.page->noticeText(), QStringLiteral("Add macro successful"));
    // The first macro of the list is current.
    QCOMPARE(f.page->currentMacroIndex(), indexesAndNames(f).first().section(QLatin1Char(':'), 0, 0));
    QCOMPARE(f.page->macroItems().size(), existing.size() + 1);
}

void tst_MacroLibrary::deleteCurrentAndOther()
{
    Fixture f(false);
    f.addMacro("2", "Two", keyPair(kMarkA, 5, "B"));
    f.addMacro("3", "Three", {});
    f.addMacro("5", "Five", keyPair(kMarkA, 7, "D"));
    f.page->loadMacroList();
    QCOMPARE(f.page->currentMacroIndex(), QStringLiteral("2"));

    // Another macro: the current one and its events stay.
    emit f.page->macroItems().at(2)->sigDeleteMacro(QStringLiteral("5"), QStringLiteral("Five"));
    QCOMPARE(indexesAndNames(f), (QStringList{"2:Two", "3:Three"}));
    QCOMPARE(f.page->currentMacroIndex(), QStringLiteral("2"));
    QCOMPARE(f.page->eventRows().size(), 2);
    QCOMPARE(f.page->noticeText(), QStringLiteral("Delete macro successful"));

    // The current one: the lowest remaining index becomes current.
    emit f.page->macroItems().at(0)->sigDeleteMacro(QStringLiteral("2"), QStringLiteral("Two"));
    QCOMPARE(indexesAndNames(f), QStringList{"3:Three"});
    QCOMPARE(f.page->currentMacroIndex(), QStringLiteral("3"));
    QCOMPARE(f.page->eventRows().size(), 0);
}

void tst_MacroLibrary::deleteTheLastMacro()
{
    Fixture f(false);
    f.addMacro("4", "Only", keyPair(kMarkA, 4, "A"));
    f.page->loadMacroList();
    emit f.page->macroItems().at(0)->sigDeleteMacro(QStringLiteral("4"), QStringLiteral("Only"));
    QVERIFY(f.page->macroList().isEmpty());
    QVERIFY(f.page->currentMacroIndex().isEmpty());
    QVERIFY(f.page->currentMacroName().isEmpty());
    QVERIFY(f.page->eventRows().isEmpty());
    auto *stack = f.page->findChild<QStackedWidget *>(QStringLiteral("stackedWidget_2"));
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_isEmpty"));

    // Nothing brings it back.
    f.page->findChild<QPushButton *>(QStringLiteral("pushButton_ClearMacroLst"))->click();
    QCOMPARE(f.page->noticeText(), QStringLiteral("Please select a macro first"));
    f.page->findChild<QPushButton *>(QStringLiteral("pushButton_InsertMacro"))->click();
    QCOMPARE(f.page->noticeText(), QStringLiteral("Please select a specific location first"));
    f.page->toggleRecording();
    QVERIFY(!f.page->isRecording());
    QVERIFY(f.page->macroList().isEmpty());
}

void tst_MacroLibrary::clearKeepsTheMacro()
{
    Fixture f(false);
    f.addMacro("3", "Fire", keyPair(kMarkA, 4, "A"));
    f.page->loadMacroList();
    QSignalSpy changed(f.page.get(), &DMacroPage::sigMacroListHaveChanged);
    f.page->findChild<QPushButton *>(QStringLiteral("pushButton_ClearMacroLst"))->click();
    QCOMPARE(indexesAndNames(f), QStringList{"3:Fire"});
    QVERIFY(f.stored("3").isEmpty());
    QVERIFY(f.page->eventRows().isEmpty());
    QCOMPARE(f.page->findChild<QLabel *>(QStringLiteral("label_TotalTime"))->text(), QStringLiteral("0 MS"));
    QCOMPARE(f.page->noticeText(), QStringLiteral("Clear record macro successful"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0), (QVariantList{"3", "Fire"}));
}

void tst_MacroLibrary::renameTheCurrentMacro()
{
    Fixture f(false);
    f.addMacro("1", "Jump", keyPair(kMarkA, 4, "A"));
    f.page->loadMacroList();
    DMacroListItem *row = f.page->macroItems().at(0);
    QTest::mouseDClick(row, Qt::LeftButton);
    row->findChild<QLineEdit *>(QStringLiteral("lineEdit_MacroName"))->setText(QStringLiteral("Dash"));
    row->findChild<QPushButton *>(QStringLiteral("pushButton_Save"))->click();
    QCOMPARE(f.page->noticeText(), QStringLiteral("Modify macro name successful"));
    QCOMPARE(f.page->currentMacroName(), QStringLiteral("Dash"));
    QSignalSpy changed(f.page.get(), &DMacroPage::sigMacroListHaveChanged);
    f.page->findChild<QPushButton *>(QStringLiteral("pushButton_ClearMacroLst"))->click();
    QCOMPARE(indexesAndNames(f), QStringList{"1:Dash"});
    QCOMPARE(changed.at(0), (QVariantList{"1", "Dash"}));

    row = f.page->macroItems().at(0);
    QTest::mouseDClick(row, Qt::LeftButton);
    row->findChild<QLineEdit *>(QStringLiteral("lineEdit_MacroName"))->clear();
    row->findChild<QPushButton *>(QStringLiteral("pushButton_Save"))->click();
    QCOMPARE(f.page->noticeText(), QStringLiteral("Macro name can't be empty"));
}

void tst_MacroLibrary::importJumpCopy()
{
    Fixture f(false);
    f.addMacro("7", "Seven", {});
    f.page->loadMacroList();
    writeText(f.dir, "Jump.copy.xml",
              macroFile("<macro index=\"2\" name=\"Low\">" + item("00000000000000f1", "0", "9", "down")
                        + "</macro>\n<macro index=\"5\" name=\"High\">" + item("00000000000000f2", "12", "4", "down")
                        + item("00000000000000f2", "40", "4", "up") + "</macro>\n"));
    QVERIFY(f.page->importMacroFile(f.dir.filePath("Jump.copy.xml")));
    QCOMPARE(indexesAndNames(f), (QStringList{"7:Seven", "8:Jump"}));
    QCOMPARE(f.stored("8"), (QStringList{"00000000000000f2|12|key|4|K|down", "00000000000000f2|40|key|4|K|up"}));
    QCOMPARE(f.page->noticeText(), QStringLiteral("Import macro successful"));
    QCOMPARE(f.page->currentMacroIndex(), QStringLiteral("7"));
}

void tst_MacroLibrary::importIntoEmptyLibrary()
{
    Fixture f(false);
    writeText(f.dir, "Run.xml",
              macroFile("<macro index=\"3\" name=\"R\">" + item("00000000000000f1", "5", "4", "down")
                        + item("00000000000000f1", "6", "4", "up") + "</macro>\n"));
    QVERIFY(f.page->importMacroFile(f.dir.filePath("Run.xml")));
    QCOMPARE(indexesAndNames(f), QStringList{"1:Run"});
    QCOMPARE(f.page->currentMacroIndex(), QStringLiteral("1"));
    QCOMPARE(f.page->eventRows().size(), 2);
    QCOMPARE(f.page->totalTime(), 11);
}

void tst_MacroLibrary::exportExactFile()
{
    Fixture f(false);
    f.addMacro("5", "Fire", keyPair(kMarkA, 4, "A"));
    f.page->loadMacroList();
    QTemporaryDir out;
    QVERIFY(f.page->exportMacro(QStringLiteral("5"), QStringLiteral("Fire"), out.path()));
    QCOMPARE(f.page->noticeText(), QStringLiteral("Export macro successful"));
    const QByteArray path = QFile::encodeName(out.filePath("Fire.xml"));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{"Fire.xml"});
    xmlInterface reader;
    QCOMPARE(reader.rootElementName(path), QStringLiteral("Parameters"));
    QCOMPARE(reader.getProfileIndex(path), 1);
    QList<IndexNameInfo> macros;
    reader.getMacroList(path, &macros);
    QCOMPARE(macros.size(), 1);
    QCOMPARE(QByteArray(macros.at(0).index), QByteArray("5"));
    QCOMPARE(QByteArray(macros.at(0).name), QByteArray("Fire"));
    QList<MacroEventInfo> steps;
    reader.getMacroItems(path, "5", &steps);
    QStringList lines;
    for (const MacroEventInfo &s : steps)
        lines << line(s);
    QCOMPARE(lines, f.stored("5"));

    // Again: the file is replaced, not added to.
    f.addMacro("6", "Other", {});
    QVERIFY(f.page->exportMacro(QStringLiteral("5"), QStringLiteral("Fire"), out.path()));
    macros.clear();
    xmlInterface again;
    again.getMacroList(path, &macros);
    QCOMPARE(macros.size(), 1);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{"Fire.xml"});
}

void tst_MacroLibrary::utf8RoundTrip()
{
    const QString name = QString::fromUtf8("连招 Ωμέγα");
    Fixture f(false);
    f.addMacro("1", name.toUtf8().constData(), keyPair(kMarkA, 4, "A"));
    f.page->loadMacroList();
    QCOMPARE(f.page->currentMacroName(), name);
    QTemporaryDir out;
    QVERIFY(f.page->exportMacro(QStringLiteral("1"), name, out.path()));
    QVERIFY(QFile::exists(out.filePath(name + ".xml")));
    QVERIFY(f.page->importMacroFile(out.filePath(name + ".xml")));
    QCOMPARE(indexesAndNames(f), (QStringList{"1:" + name, "2:" + name}));
    QCOMPARE(f.stored("2"), f.stored("1"));
}

void tst_MacroLibrary::hostileImports_data()
{
    QTest::addColumn<QByteArray>("content");  // empty: the path names a device
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("delays");
    QTest::addColumn<QString>("marks");  // "kept", "paired" (fresh marks, down and up share one), "any"

    const QByteArray good = "<macro index=\"1\" name=\"M\">" + item("00000000000000f1", "5", "4", "down")
                            + item("00000000000000f1", "6", "4", "up") + "</macro>\n";
    QTest::newRow("truncated") << macroFile(good).left(120) << false << QStringList() << "";
    QTest::newRow("wrong root") << QByteArray("<?xml version=\"1.0\"?>\n<config>" + good + "</config>\n") << false
                                << QStringList() << "";
    QByteArray big = macroFile(good);
    big += "<!--" + QByteArray(2 * 1024 * 1024, 'x') + "-->\n";
    QTest::newRow("2 MiB") << big << false << QStringList() << "";
    QTest::newRow("a device file") << QByteArray() << false << QStringList() << "";
    QTest::newRow("no macro") << macroFile("") << false << QStringList() << "";
    QByteArray many;
    for (int i = 0; i < 100; ++i)
        many += item(QByteArray::number(0x1000000000000000LL + i, 16), "1", "4", "down")
                + item(QByteArray::number(0x1000000000000000LL + i, 16), "1", "4", "up");
    QTest::newRow("200 events") << macroFile("<macro index=\"1\" name=\"M\">" + many + "</macro>\n") << false
                                << QStringList() << "";
    // The most a macro holds (41 events), and one more. The odd one out is a down without its up.
    const auto events = [](int count) {
        QByteArray items;
        for (int i = 0; i < count; ++i)
            items += item(QByteArray::number(0x2000000000000000LL + i / 2, 16), "1", "4", i % 2 ? "up" : "down");
        return macroFile("<macro index=\"1\" name=\"M\">" + items + "</macro>\n");
    };
    QTest::newRow("41 events") << events(DMacroPage::kMaxImportRows) << true
                               << QStringList(
                                      QVector<QString>(DMacroPage::kMaxImportRows, QStringLiteral("1")).toList())
                               << "any";
    QTest::newRow("42 events") << events(DMacroPage::kMaxImportRows + 1) << false << QStringList() << "";
    QTest::newRow("well formed") << macroFile(good) << true << QStringList{"5", "6"} << "kept";
    QTest::newRow("empty marks") << macroFile("<macro index=\"1\" name=\"M\">" + item("", "5", "4", "down")
                                              + item("", "6", "4", "up") + "</macro>\n")
                                 << true << QStringList{"5", "6"} << "paired";
    QTest::newRow("one mark on four events")
        << macroFile("<macro index=\"1\" name=\"M\">" + item("00000000000000f1", "1", "4", "down")
                     + item("00000000000000f1", "2", "4", "up") + item("00000000000000f1", "3", "5", "down")
                     + item("00000000000000f1", "4", "5", "up") + "</macro>\n")
        << true << QStringList{"1", "2", "3", "4"} << "paired";
    QTest::newRow("bad delays") << macroFile("<macro index=\"1\" name=\"M\">" + item("XYZ", "abc", "4", "down")
                                             + item("XYZ", "-5", "4", "up")
                                             + item("UPPERCASE0000000", "99999", "513", "down", "mouse")
                                             + item("UPPERCASE0000000", "7", "514", "up", "mouse") + "</macro>\n")
                                << true << QStringList{"0", "0", "65535", "7"} << "paired";
}

void tst_MacroLibrary::hostileImports()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    QFETCH(QStringList, delays);
    QFETCH(QString, marks);
    Fixture f;
    const QByteArray before = [&] {
        QFile file(QFile::decodeName(f.library));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QString path = QStringLiteral("/dev/zero");
    if (!content.isEmpty()) {
        writeText(f.dir, "In.xml", content);
        path = f.dir.filePath("In.xml");
    }
    QCOMPARE(f.page->importMacroFile(path), accepted);
    if (!accepted) {
        QCOMPARE(f.page->noticeText(), QStringLiteral("Import macro failed"));
        QFile file(QFile::decodeName(f.library));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        return;
    }
    const QStringList saved = f.stored("2");
    QCOMPARE(column(saved, 1), delays);
    const QStringList savedMarks = column(saved, 0);
    const QRegularExpression markPattern(QStringLiteral("^[0-9a-f]{16}$"));
    for (const QString &m : savedMarks)
        QVERIFY2(markPattern.match(m).hasMatch(), qPrintable(m));
    for (int i = 0; i + 1 < savedMarks.size(); i += 2)
        QCOMPARE(savedMarks.at(i), savedMarks.at(i + 1));
    if (marks == QLatin1String("kept"))
        QCOMPARE(savedMarks.first(), QStringLiteral("00000000000000f1"));
    else if (marks == QLatin1String("paired"))
        QCOMPARE(QSet<QString>(savedMarks.begin(), savedMarks.end()).size(), savedMarks.size() / 2);
}

void tst_MacroLibrary::exportNamesStayInTheFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("climbing") << "../x"
                              << "_x.xml";
    QTest::newRow("slash") << "a/b"
                           << "a_b.xml";
    QTest::newRow("empty") << ""
                           << "Macro1.xml";
    QTest::newRow("dot") << "."
                         << "Macro1.xml";
    QTest::newRow("dot dot") << ".."
                             << "Macro1.xml";
    QTest::newRow("control characters") << QStringLiteral("a\x01\x1f") << "a__.xml";
    QTest::newRow("300 bytes") << QString(300, QLatin1Char('n')) << QString(200, QLatin1Char('n')) + ".xml";
}

void tst_MacroLibrary::exportNamesStayInTheFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    Fixture f;
    QTemporaryDir parent;
    QVERIFY(QDir(parent.path()).mkdir("out"));
    const QString out = parent.filePath("out");
    QVERIFY(f.page->exportMacro(QStringLiteral("1"), name, out));
    QCOMPARE(QDir(out).entryList(QDir::Files), QStringList{file});
    QCOMPARE(QDir(parent.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"out"});
}

void tst_MacroLibrary::exportIntoUnwritableFolder()
{
    Fixture f;
    writeText(f.dir, "plain", "a file, not a folder");
    QVERIFY(!f.page->exportMacro(QStringLiteral("1"), QStringLiteral("Jump"), f.dir.filePath("plain/sub")));
    QCOMPARE(f.page->noticeText(), QStringLiteral("Export macro failed"));
}

void tst_MacroLibrary::hostileFilesAroundImportAndExport_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("export through a planted .part link") << "planted link";
    QTest::newRow("index 2147483647 in the library") << "index at the limit";
    QTest::newRow("only unknown events") << "unknown events";
    QTest::newRow("format characters in the name") << "format characters";
}

void tst_MacroLibrary::hostileFilesAroundImportAndExport()
{
    QFETCH(QString, fault);
    Fixture f(false);
    const auto library = [&] {
        QFile file(QFile::decodeName(f.library));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    if (fault == QLatin1String("planted link")) {
        f.addMacro("5", "Fire", keyPair(kMarkA, 4, "A"));
        f.page->loadMacroList();
        QTemporaryDir out;
        QTemporaryDir elsewhere;
        writeText(elsewhere, "victim", "another user's file\n");
        QVERIFY(QFile::link(elsewhere.filePath("victim"), out.filePath("Fire.xml.part")));
        QVERIFY(f.page->exportMacro(QStringLiteral("5"), QStringLiteral("Fire"), out.path()));
        QFile victim(elsewhere.filePath("victim"));
        QVERIFY(victim.open(QIODevice::ReadOnly));
        QCOMPARE(victim.readAll(), QByteArray("another user's file\n"));
        QVERIFY(QFileInfo(out.filePath("Fire.xml")).isFile());
        QVERIFY(!QFileInfo(out.filePath("Fire.xml")).isSymLink());
        return;
    }
    if (fault == QLatin1String("index at the limit")) {
        f.addMacro("2147483647", "Last", {});
        f.page->loadMacroList();
        writeText(
            f.dir, "In.xml",
            macroFile("<macro index=\"1\" name=\"M\">" + item("00000000000000f1", "5", "4", "down") + "</macro>\n"));
        const QByteArray before = library();
        for (int i = 0; i < 2; ++i) {
            QVERIFY(!f.page->importMacroFile(f.dir.filePath("In.xml")));
            QCOMPARE(f.page->noticeText(), QStringLiteral("Import macro failed"));
        }
        QCOMPARE(library(), before);
        QCOMPARE(indexesAndNames(f), QStringList{"2147483647:Last"});
        return;
    }
    if (fault == QLatin1String("unknown events")) {
        writeText(f.dir, "In.xml",
                  macroFile("<macro index=\"1\" name=\"M\">" + item("00000000000000f1", "5", "", "down")
                            + item("00000000000000f1", "5", "4", "sideways") + "</macro>\n"));
        const QByteArray before = library();
        QVERIFY(!f.page->importMacroFile(f.dir.filePath("In.xml")));
        QCOMPARE(f.page->noticeText(), QStringLiteral("Import macro failed"));
        QCOMPARE(library(), before);
        return;
    }
    // A right-to-left override would show "Fire<RLO>lmx.exe" as "Fireexe.xml".
    const QString name = QString::fromUtf8("Fire\xE2\x80\xAElmx.exe");
    f.addMacro("5", name.toUtf8().constData(), keyPair(kMarkA, 4, "A"));
    f.page->loadMacroList();
    QTemporaryDir out;
    QVERIFY(f.page->exportMacro(QStringLiteral("5"), name, out.path()));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{"Firelmx.exe.xml"});
    QVERIFY(f.page->importMacroFile(out.filePath("Firelmx.exe.xml")));
    QCOMPARE(indexesAndNames(f).last(), QStringLiteral("6:Firelmx"));
}

QTEST_MAIN(tst_MacroLibrary)
#include "tst_MacroLibrary.moc"
