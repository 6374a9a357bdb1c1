// The Intel HEX reader against images made by the emulator's image maker, edited to carry one
// fault each, and against hand-written records whose checksums are known.

#include "FirmwareImageLayout.h"
#include "FirmwareImageMaker.h"
#include "IntelHexReader.h"

#include <QBuffer>
#include <QtTest>

namespace {

constexpr char kImage[] = "NUC121,01,KB,ZK,ZK87A,V1.03";

// The three records written out by hand, so that maker and reader cannot share an error.
const QByteArray kHandRecords = ":10010000214601360121470136007EFE09D2190140\r\n"
                                ":020000040000FA\r\n"
                                ":00000001FF\r\n";
const QByteArray kHandBytes = QByteArray::fromHex("214601360121470136007EFE09D21901");

// One record, with its checksum.
QByteArray record(int address, int type, const QByteArray &data)
{
    QByteArray bytes;
    bytes.append(char(data.size()));
    bytes.append(char((address >> 8) & 0xFF));
    bytes.append(char(address & 0xFF));
    bytes.append(char(type));
    bytes.append(data);
    int sum = 0;
    for (const char c : bytes)
        sum += uint8_t(c);
    bytes.append(char(-sum & 0xFF));
    return ':' + bytes.toHex().toUpper();
}

// The maker's lines (without line ends); line N of the file is lines[N - 1].
QList<QByteArray> makerLines()
{
    QList<QByteArray> lines = emu::firmwareHex(QString::fromLatin1(kImage)).split('\n');
    lines.removeLast();  // after the last line end
    for (QByteArray &line : lines)
        line.chop(1);  // '\r'
    return lines;
}

QByteArray joined(const QList<QByteArray> &lines)
{
    QByteArray text;
    for (const QByteArray &line : lines)
        text += line + "\r\n";
    return text;
}

bool read(const QByteArray &text, int imageLength, QByteArray *image, QString *error)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return readHexFile(buffer, imageLength, image, error);
}

}  // namespace

class tst_IntelHexReader : public QObject
{
    Q_OBJECT

private slots:
    void digitsAndBytes();
    void makerImagesReadBack_data();
    void makerImagesReadBack();
    void readsRecords_data();
    void readsRecords();
    void refusesFaults_data();
    void refusesFaults();
    void failureLeavesImageAlone();
};

void tst_IntelHexReader::digitsAndBytes()
{
    QCOMPARE(hexDigitValue('0'), 0);
    QCOMPARE(hexDigitValue('9'), 9);
    QCOMPARE(hexDigitValue('A'), 10);
    QCOMPARE(hexDigitValue('f'), 15);
    QCOMPARE(hexDigitValue('G'), -1);
    QCOMPARE(hexDigitValue(':'), -1);
    QCOMPARE(readHexByte("ff", 0), 0xFF);
    QCOMPARE(readHexByte("xFF", 1), 0xFF);
    QCOMPARE(readHexByte("F", 0), -1);  // one digit short
    QCOMPARE(readHexByte("F ", 0), -1);
}

void tst_IntelHexReader::makerImagesReadBack_data()
{
    QTest::addColumn<QString>("versionText");
    QTest::newRow("M252") << QStringLiteral("M252,02,KB,ZK,ZK104A,V2.00");
    QTest::newRow("NUC") << QStringLiteral("NUC,01,KB,ZK,ZK87B,V1.00");
    QTest::newRow("NUC121") << QString::fromLatin1(kImage);
    QTest::newRow("SN") << QStringLiteral("SN,01,MS,ZK,ZM1,V1.06");
}

void tst_IntelHexReader::makerImagesReadBack()
{
    QFETCH(QString, versionText);
    const QByteArray image = emu::firmwareImage(versionText);
    const FirmwareImageLayout layout = FirmwareImageLayout::forChipFamily(versionText.section(QLatin1Char(','), 0, 0));
    QCOMPARE(image.size(), layout.imageLength);
    QByteArray read_;
    QString error;
    QVERIFY2(read(emu::intelHex(image), layout.imageLength, &read_, &error), qPrintable(error));
    QCOMPARE(read_, image);
    QCOMPARE(read_.mid(layout.versionOffset, versionText.size()), versionText.toLatin1());
}

void tst_IntelHexReader::readsRecords_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("imageLength");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");  // expected at offset; every other byte 0

    QTest::newRow("hand-written") << kHandRecords << 0x8000 << 0x100 << kHandBytes;
    QTest::newRow("lower case") << kHandRecords.toLower() << 0x8000 << 0x100 << kHandBytes;
    QByteArray lf = kHandRecords;
    lf.replace("\r\n", "\n");
    QTest::newRow("LF") << lf << 0x8000 << 0x100 << kHandBytes;
    QByteArray blank = kHandRecords;
    blank.replace("\r\n", "\r\n\r\n\n");
    QTest::newRow("blank lines") << ("\r\n" + blank) << 0x8000 << 0x100 << kHandBytes;
    QByteArray noFinalEnd = kHandRecords;
    noFinalEnd.chop(2);
    QTest::newRow("no line end after the end record") << noFinalEnd << 0x8000 << 0x100 << kHandBytes;
    QTest::newRow("count 0") << (record(0x100, 0, QByteArray()) + "\r\n" + kHandRecords) << 0x8000 << 0x100
                             << kHandBytes;

    const QByteArray block = QByteArray::fromHex("00112233445566778899AABBCCDDEEFF");
    QTest::newRow("0xFE1C after upper address 0")
        << ":020000040000FA\r\n" + record(0xFE1C, 0, block) + "\r\n:00000001FF\r\n"
        << 0x10000 << 0xFE1C << block;
    QTest::newRow("a later record for an address wins")
        << record(0x20, 0, QByteArray(16, 'x')) + "\r\n" + record(0x20, 0, block) + "\r\n:00000001FF\r\n"
        << 0x8000 << 0x20 << block;
    QTest::newRow("segment base") << record(0, 2, QByteArray::fromHex("0010")) + "\r\n" + record(0x10, 0, block)
                                         + "\r\n:00000001FF\r\n"
                                  << 0x8000 << 0x110 << block;
    QTest::newRow("start addresses skipped")
        << record(0, 3, QByteArray(4, '\1')) + "\r\n" + record(0, 5, QByteArray(4, '\1')) + "\r\n" + kHandRecords
        << 0x8000 << 0x100 << kHandBytes;
}

void tst_IntelHexReader::readsRecords()
{
    QFETCH(QByteArray, text);
    QFETCH(int, imageLength);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);

    QByteArray image;
    QString error;
    QVERIFY2(read(text, imageLength, &image, &error), qPrintable(error));
    QByteArray expected(imageLength, '\0');
    expected.replace(offset, bytes.size(), bytes);
    QCOMPARE(image.size(), imageLength);
    QCOMPARE(image.mid(offset, bytes.size()).toHex(), bytes.toHex());
    QVERIFY(image == expected);
}

void tst_IntelHexReader::refusesFaults_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("imageLength");
    QTest::addColumn<int>("line");  // 0: not checked
    QTest::addColumn<QString>("reason");

    const QList<QByteArray> lines = makerLines();
    const int n = lines.size();
    auto edited = [&lines](int lineNumber, const QByteArray &replacement) {
        QList<QByteArray> copy = lines;
        copy[lineNumber - 1] = replacement;
        return joined(copy);
    };
    const QByteArray sixteen(16, '\x5A');

    QByteArray checksum = lines[2];
    checksum[checksum.size() - 1] = checksum.endsWith('0') ? '1' : '0';
    QTest::newRow("wrong checksum") << edited(3, checksum) << 0x8000 << 3 << "wrong checksum";
    QTest::newRow("record cut short") << edited(3, lines[2].left(lines[2].size() - 2)) << 0x8000 << 3
                                      << "the byte count";
    QTest::newRow("odd length") << edited(3, lines[2].left(lines[2].size() - 1)) << 0x8000 << 3 << "cut short";
    QTest::newRow("shorter than a record") << edited(3, ":00") << 0x8000 << 3 << "cut short";
    QByteArray notDigit = lines[2];
    notDigit[12] = 'G';
    QTest::newRow("not a digit") << edited(3, notDigit) << 0x8000 << 3 << "not a hexadecimal digit at column 13";
    QTest::newRow("unknown type") << edited(4, record(0x10, 6, sixteen)) << 0x8000 << 4 << "unknown record type 06";
    QTest::newRow("crossing 0xFFFF") << edited(4, record(0xFFF8, 0, sixteen)) << 0x10000 << 4
                                     << "crosses offset 0xFFFF";
    QTest::newRow("beyond the image length")
        << edited(4, record(0x7FF8, 0, sixteen)) << 0x8000 << 4 << "beyond the image length";
    QTest::newRow("0xFE1C after upper address 1")
        << ":020000040001F9\r\n" + record(0xFE1C, 0, sixteen) + "\r\n:00000001FF\r\n"
        << 0x10000 << 2 << "beyond the image length";
    QTest::newRow("address record with one byte")
        << edited(1, record(0, 4, QByteArray(1, '\0'))) << 0x8000 << 1 << "record type 4 with 1 data bytes";
    QTest::newRow("text before the first ':'") << edited(1, "junk" + lines[0]) << 0x8000 << 1 << "start with ':'";
    QTest::newRow("space inside a record") << edited(2, lines[1] + " ") << 0x8000 << 2 << "not a hexadecimal digit";
    QTest::newRow("no end record") << joined(lines.mid(0, n - 1)) << 0x8000 << n << "no end record";
    QTest::newRow("empty file") << QByteArray() << 0x8000 << 1 << "no end record";
    QTest::newRow("text after the end record") << joined(lines) + "garbage\r\n"
                                               << 0x8000 << n + 1 << "after the end record";
    QTest::newRow("record after the end record") << joined(lines) + lines[1] + "\r\n"
                                                 << 0x8000 << n + 1 << "after the end record";
    QTest::newRow("line over 521 characters")
        << edited(3, ':' + QByteArray(600, '0')) << 0x8000 << 3 << "longer than 521";
    QTest::newRow("file over 1 MiB") << QByteArray(600 * 1024, '\n') + QByteArray(500 * 1024, '\n') + joined(lines)
                                     << 0x8000 << 0 << "larger than 1 MiB";
    QTest::newRow("no image length") << joined(lines) << 0 << 0 << "no image length";
}

void tst_IntelHexReader::refusesFaults()
{
    QFETCH(QByteArray, text);
    QFETCH(int, imageLength);
    QFETCH(int, line);
    QFETCH(QString, reason);

    QByteArray image;
    QString error;
    QVERIFY(!read(text, imageLength, &image, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QVERIFY2(error.startsWith(QStringLiteral("line ")), qPrintable(error));
    if (line > 0)
        QVERIFY2(error.startsWith(QStringLiteral("line %1: ").arg(line)), qPrintable(error));
    QVERIFY(image.isEmpty());
}

void tst_IntelHexReader::failureLeavesImageAlone()
{
    QByteArray image("kept");
    QString error;
    QByteArray text = kHandRecords;
    text.replace("FA\r\n", "FB\r\n");
    QVERIFY(!read(text, 0x8000, &image, &error));
    QCOMPARE(image, QByteArray("kept"));
    QCOMPARE(error, QStringLiteral("line 2: wrong checksum"));
}

QTEST_GUILESS_MAIN(tst_IntelHexReader)
#include "tst_IntelHexReader.moc"
