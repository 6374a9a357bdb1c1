// SPDX-License-Identifier: GPL-3.0-or-later
// Files a hostile user or a broken disk leaves where the store reads: nested too deep, too wide,
// too large, not a file at all, truncated, with a document type, or in another encoding. Each is
// read in bounded time without a crash; a refused one keeps its bytes, is never written, is logged
// and is listed once.

#include "XmlFileReader.h"
#include "xmlInterface.h"
#include "XmlTestSupport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace xmltest;

namespace {

const QByteArray kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n";

// Far more than reading a few megabytes takes; a reading slower than linear misses it. The race
// detector multiplies the time several times over, and more on a busy machine.
#if defined(__SANITIZE_THREAD__)
constexpr qint64 kWideFileBoundMs = 4 * 20000;
#else
constexpr qint64 kWideFileBoundMs = 20000;
#endif

QByteArray nested(int levels)
{
    QByteArray text = kDeclaration + "<Parameters profileIndex=\"1\">";
    text.reserve(text.size() + levels * 8);
    for (int i = 0; i < levels; ++i)
        text += "<a>";
    for (int i = 0; i < levels; ++i)
        text += "</a>";
    return text + "</Parameters>\n";
}

// Reads the file in a child process first. A reading without its bounds can overflow the stack or
// never end: the child then dies at once of the overflow (no crash handler, which would take
// minutes to walk 100,000 frames) or is ended after the deadline, and the row fails in seconds
// instead of at the test's timeout. Returns what went wrong, empty when the child read nothing.
QString readInChild(const QByteArray &path)
{
    const pid_t child = ::fork();
    if (child < 0)
        return QStringLiteral("fork failed");
    if (child == 0) {
        for (int signal : {SIGSEGV, SIGBUS, SIGABRT, SIGILL})
            std::signal(signal, SIG_DFL);
        xmlInterface xml;
        xml.setLogWriter([](const QString &) {});
        QList<IndexNameInfo> macros;
        xml.getMacroList(path, &macros);
        ::_exit(macros.isEmpty() ? 0 : 3);
    }
    QElapsedTimer timer;
    timer.start();
    int status = 0;
    pid_t done = 0;
    while ((done = ::waitpid(child, &status, WNOHANG)) == 0 && timer.elapsed() < 60000)
        QThread::msleep(10);
    if (done == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        return QStringLiteral("the reading did not end within 60 s");
    }
    if (WIFSIGNALED(status))
        return QStringLiteral("the reading died of signal %1 (a stack overflow is 11)").arg(WTERMSIG(status));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("the reading ended with %1 (3: it listed macros)").arg(WEXITSTATUS(status));
    return QString();
}

QByteArray macroLibrary(const QByteArray &macros)
{
    return kDeclaration + "<Parameters profileIndex=\"1\">" + macros + "</Parameters>\n";
}

// One macro with that many attributes: the parser compares each new one with all before it.
QByteArray wideElement(int attributes)
{
    QByteArray macro = "<macro index=\"1\"";
    for (int i = 0; i < attributes; ++i)
        macro += " a" + QByteArray::number(i) + "=\"1\"";
    return macroLibrary(macro + "/>");
}

QByteArray manyElements(int elements)
{
    QByteArray macros;
    macros.reserve(elements * 9);
    for (int i = 0; i < elements; ++i)
        macros += "<macro/>";
    return macroLibrary(macros);
}

// A file with that many attributes in all (the root's one among them), at most
// kMaxAttributesPerElement on one element.
QByteArray manyAttributes(int total)
{
    QByteArray element = "<m";
    for (int i = 0; i < XmlFileReader::kMaxAttributesPerElement; ++i)
        element += " a" + QByteArray::number(i) + "=\"1\"";
    element += "/>";
    int left = total - 1;
    QByteArray macros;
    macros.reserve((left / XmlFileReader::kMaxAttributesPerElement + 1) * element.size());
    for (; left >= XmlFileReader::kMaxAttributesPerElement; left -= XmlFileReader::kMaxAttributesPerElement)
        macros += element;
    if (left > 0) {
        macros += "<m";
        for (int i = 0; i < left; ++i)
            macros += " a" + QByteArray::number(i) + "=\"1\"";
        macros += "/>";
    }
    return macroLibrary(macros);
}

// What a path holds, for files that are no plain files: their type and target.
QString describe(const QByteArray &path)
{
    const QFileInfo info(QFile::decodeName(path));
    if (info.isSymLink())
        return QStringLiteral("link to ") + info.symLinkTarget();
    struct stat st {
    };
    if (::lstat(path.constData(), &st) == 0 && S_ISFIFO(st.st_mode))
        return QStringLiteral("fifo");
    return QString::fromLatin1(readFile(path).toBase64());
}

}  // namespace

class tst_XmlHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void refusedFiles_areLeftAsTheyAre_data();
    void refusedFiles_areLeftAsTheyAre();
    void depthScan_followsTheParser_data();
    void depthScan_followsTheParser();
    void filesWithinTheBounds_areRead();
    void countLimits_holdAtTheBoundary_data();
    void countLimits_holdAtTheBoundary();
    void latin1File_isReadAsLatin1_andSavedAsUtf8();
    void refusedFile_isListedOnce();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_XmlHostileFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_XmlHostileFiles::refusedFiles_areLeftAsTheyAre_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("deep: 100,000 levels") << "file" << nested(100000);
    QTest::newRow("deep: one level past the limit") << "file" << nested(XmlFileReader::kMaxDepth);
    QTest::newRow("deep inside a document type") << "file"
                                                 << "<!DOCTYPE Parameters [<!ENTITY e \"<a>\">]>" + nested(1000);
    QTest::newRow("document type with an internal subset")
        << "file"
        << "<!DOCTYPE Parameters [<!ENTITY e \"x\">]>\n" + macroLibrary("<macro index=\"1\" name=\"&e;\"/>");
    QTest::newRow("wide: 40,000 attributes on one element") << "file" << wideElement(40000);
    QTest::newRow("wide: one attribute too many on one element")
        << "file" << wideElement(XmlFileReader::kMaxAttributesPerElement);
    QTest::newRow("wide: one element too many") << "file" << manyElements(XmlFileReader::kMaxElements);
    QTest::newRow("huge") << "huge" << QByteArray();
    QTest::newRow("FIFO") << "fifo" << QByteArray();
    QTest::newRow("link to a device") << "device" << QByteArray();
    QTest::newRow("folder") << "folder" << QByteArray();
    const QByteArray whole = macroLibrary("<macro index=\"1\" name=\"m\"><item mark=\"1\" delay=\"5\"/></macro>");
    QTest::newRow("truncated") << "file" << whole.left(whole.size() / 2);
    QTest::newRow("empty") << "file" << QByteArray();
}

void tst_XmlHostileFiles::refusedFiles_areLeftAsTheyAre()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);

    const QByteArray path = pathIn(*m_dir, "brivexMacro.xml");
    if (kind == QLatin1String("file")) {
        writeFile(*m_dir, "brivexMacro.xml", content);
    } else if (kind == QLatin1String("huge")) {
        // One byte past the limit, as a sparse file: a real one would only slow the test down.
        QFile file(QFile::decodeName(path));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(macroLibrary("<macro index=\"1\" name=\"m\"/>"));
        QVERIFY(file.resize(XmlFileReader::kMaxFileSize + 1));
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(path.constData(), 0600), 0);
    } else if (kind == QLatin1String("device")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), QFile::decodeName(path)));
    } else {
        QVERIFY(QDir().mkdir(QFile::decodeName(path)));
    }
    const QString before = describe(path);
    const QString childFault = readInChild(path);
    QVERIFY2(childFault.isEmpty(), qPrintable(childFault));

    xmlInterface xml;
    QStringList logLines;
    xml.setLogWriter([&logLines](const QString &line) { logLines << line; });

    QElapsedTimer timer;
    timer.start();
    QList<IndexNameInfo> macros;
    xml.getMacroList(path, &macros);
    QVERIFY(macros.isEmpty());
    QVERIFY(!xml.addMacroNode(path, "2", "new"));
    QVERIFY(!xml.renameNode(path, "1", "renamed"));
    QVERIFY(xml.findNodeByValue(path, "1").isNull());
    // Loose: the machines are shared. Unbounded, the deep file took seconds or never ended.
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));

    QCOMPARE(describe(path), before);
    if (kind == QLatin1String("huge"))
        QCOMPARE(QFileInfo(QFile::decodeName(path)).size(), XmlFileReader::kMaxFileSize + 1);

    QCOMPARE(xml.refusedFiles().size(), 1);
    QCOMPARE(xml.refusedFiles().first().path, QFile::decodeName(path));
    QVERIFY(!logLines.isEmpty());
    QVERIFY2(logLines.first().contains(QFile::decodeName(path)), qPrintable(logLines.first()));
    // Nothing was written beside it either.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             QStringList{QStringLiteral("brivexMacro.xml")});
}

void tst_XmlHostileFiles::depthScan_followsTheParser_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("depth");

    QTest::newRow("empty elements do not nest") << QByteArray("<r><a/><a /><a b='1'/></r>") << 1;
    QTest::newRow("end tags close") << QByteArray("<r><a><b></b></a><a><b><c></c></b></a></r>") << 4;
    QTest::newRow("quoted '>' and '/>' stay in the value") << QByteArray("<r><a b=\"/>\"><c x='>'></c></a></r>") << 3;
    QTest::newRow("comment hides tags") << QByteArray("<r><!-- <a><a><a> --></r>") << 1;
    QTest::newRow("CDATA hides tags") << QByteArray("<r><![CDATA[<a><a></a>]]></r>") << 1;
    // The parser ends other "<!" markup at its first '>': what follows is read as elements.
    QTest::newRow("document type ends at its first '>'") << QByteArray("<!DOCTYPE r [<!ENTITY e \"<a>\"><b><c>") << 2;
    // In the declaration only version, encoding and standalone have quoted values.
    QTest::newRow("declaration ends at an unquoted '>'") << QByteArray("<r><?xml x=\"> <a><b> \" ?>") << 3;
    QTest::newRow("declaration value keeps its '>'") << QByteArray("<r><?xml version=\"></r>\" ?><a>") << 2;
    QTest::newRow("processing instruction ends at its first '>'") << QByteArray("<r><?pi \"> <a> \"?>") << 2;
    QTest::newRow("end tags outside do not count") << QByteArray("</a></a><r><a>") << 2;
}

void tst_XmlHostileFiles::depthScan_followsTheParser()
{
    QFETCH(QByteArray, text);
    QFETCH(int, depth);
    QCOMPARE(XmlFileReader::nestingDepth(text), depth);
}

void tst_XmlHostileFiles::filesWithinTheBounds_areRead()
{
    xmlInterface xml;
    // As deep as allowed.
    const QByteArray deep = writeFile(*m_dir, "deep.xml", nested(XmlFileReader::kMaxDepth - 1));
    QList<IndexNameInfo> list;
    xml.getMacroList(deep, &list);
    QCOMPARE(list.size(), 1);
    QVERIFY(xml.addMacroNode(deep, "1", "m"));
    QVERIFY(xml.refusedFiles().isEmpty());

    // Wide: many macros side by side, a few megabytes.
    QByteArray macros;
    for (int i = 1; i <= 20000; ++i)
        macros +=
            "<macro index=\"" + QByteArray::number(i) + "\" name=\"macro " + QByteArray::number(i)
            + "\"><item mark=\"1\" delay=\"10\" type=\"key\" keyCode=\"4\" codeName=\"A\" operateExplain=\"down\"/>"
              "</macro>";
    const QByteArray wide = writeFile(*m_dir, "wide.xml", macroLibrary(macros));
    QElapsedTimer timer;
    timer.start();
    xml.getMacroList(wide, &list);
    QCOMPARE(list.size(), 20000);
    QVERIFY(xml.addMacroNode(wide, "20001", "one more"));
    QVERIFY2(timer.elapsed() < kWideFileBoundMs, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(xml.refusedFiles().isEmpty());
}

void tst_XmlHostileFiles::countLimits_holdAtTheBoundary_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("read");

    // The root is one level, one element, one attribute.
    QTest::newRow("depth: as deep as allowed") << nested(XmlFileReader::kMaxDepth - 1) << true;
    QTest::newRow("depth: one level more") << nested(XmlFileReader::kMaxDepth) << false;
    QTest::newRow("elements: as many as allowed") << manyElements(XmlFileReader::kMaxElements - 1) << true;
    QTest::newRow("elements: one more") << manyElements(XmlFileReader::kMaxElements) << false;
    // The macro's index is one of its attributes.
    QTest::newRow("attributes on one element: as many as allowed")
        << wideElement(XmlFileReader::kMaxAttributesPerElement - 1) << true;
    QTest::newRow("attributes on one element: one more")
        << wideElement(XmlFileReader::kMaxAttributesPerElement) << false;
    QTest::newRow("attributes: as many as allowed") << manyAttributes(XmlFileReader::kMaxAttributes) << true;
    QTest::newRow("attributes: one more") << manyAttributes(XmlFileReader::kMaxAttributes + 1) << false;
}

void tst_XmlHostileFiles::countLimits_holdAtTheBoundary()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, read);
    const QByteArray path = writeFile(*m_dir, "limit.xml", content);
    QByteArray text;
    FileStamp stamp;
    QString reason;
    const XmlFileReader::Status status = XmlFileReader::read(QFile::decodeName(path), &text, &stamp, &reason);
    QCOMPARE(status, read ? XmlFileReader::Status::Ok : XmlFileReader::Status::Refused);
    QCOMPARE(reason.isEmpty(), read);
}

void tst_XmlHostileFiles::latin1File_isReadAsLatin1_andSavedAsUtf8()
{
    xmlInterface xml;
    const QByteArray path =
        writeFile(*m_dir, "latin1.xml",
                  "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\n<Parameters profileIndex=\"1\">"
                  "<macro index=\"1\" name=\"Caf\xe9\"/><macro index=\"2\" name=\"\xc4rger\"/></Parameters>\n");
    QList<IndexNameInfo> list;
    xml.getMacroList(path, &list);
    QCOMPARE(list.size(), 2);
    QCOMPARE(QString::fromUtf8(list.at(0).name), QStringLiteral("Caf\u00e9"));
    QCOMPARE(QString::fromUtf8(list.at(1).name), QStringLiteral("\u00c4rger"));

    // A save writes UTF-8 under a declaration that says so; the new text and the old stay right.
    QVERIFY(xml.addMacroNode(path, "3", "na\xc3\xafve"));
    const QByteArray saved = readFile(path);
    QVERIFY2(saved.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\""), saved.constData());
    QVERIFY(saved.contains("Caf\xc3\xa9"));
    QVERIFY(saved.contains("\xc3\x84rger"));
    QVERIFY(saved.contains("na\xc3\xafve"));
    xml.getMacroList(path, &list);
    QCOMPARE(QString::fromUtf8(list.at(0).name), QStringLiteral("Caf\u00e9"));
    QCOMPARE(QString::fromUtf8(list.at(2).name), QStringLiteral("na\u00efve"));
    QVERIFY(xml.refusedFiles().isEmpty());
}

void tst_XmlHostileFiles::refusedFile_isListedOnce()
{
    xmlInterface xml;
    QStringList logLines;
    xml.setLogWriter([&logLines](const QString &line) { logLines << line; });
    QSignalSpy refused(&xml, &xmlInterface::sigFileRefused);

    const QByteArray path = writeFile(*m_dir, "deep.xml", nested(500));
    QList<IndexNameInfo> list;
    for (int i = 0; i < 3; ++i)
        xml.getMacroList(path, &list);
    QCOMPARE(refused.size(), 1);
    QCOMPARE(logLines.size(), 1);

    // Changed, and still too deep: logged again, listed once.
    writeFile(*m_dir, "deep.xml", nested(600));
    xml.getMacroList(path, &list);
    QCOMPARE(logLines.size(), 2);
    QCOMPARE(xml.refusedFiles().size(), 1);
    QCOMPARE(refused.size(), 1);

    // A file set aside by its owner joins the list with the name it was kept under.
    xml.noteSetAside(QStringLiteral("/x/brivexProFile.xml"), QStringLiteral("/x/brivexProFile.xml.unreadable-1"));
    QCOMPARE(xml.refusedFiles().size(), 2);
    QCOMPARE(xml.refusedFiles().last().asidePath, QStringLiteral("/x/brivexProFile.xml.unreadable-1"));
    QCOMPARE(refused.size(), 2);
}

QTEST_GUILESS_MAIN(tst_XmlHostileFiles)
#include "tst_XmlHostileFiles.moc"
