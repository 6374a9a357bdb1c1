// SPDX-License-Identifier: GPL-3.0-or-later
// The on-board files of a keyboard without widgets: a new configuration's first records, a layout
// template replacing one layer (and only that), templates that cannot be used, and the captions
// of key records.

#include "OnboardConfigFiles.h"
#include "xmlInterface.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

struct Record {
    int keyCode;
    QString keyChar;
    int operateType;
    int value;
};

QList<Record> recordsOf(const OnboardConfigFiles &files, int layer, int index)
{
    QList<Record> out;
    for (const CustomKeyInfo &r : files.layerRecords(layer, index))
        out.append({QByteArray(r.keyCode).toInt(), QString::fromUtf8(r.keyChar), QByteArray(r.operateType).toInt(),
                    QByteArray(r.Value).toInt()});
    return out;
}

CustomKeyInfo record(const char *operateType, const char *value, const char *mode = "1")
{
    CustomKeyInfo r{};
    qstrncpy(r.keyCode, "4", sizeof r.keyCode);
    qstrncpy(r.operateType, operateType, sizeof r.operateType);
    qstrncpy(r.mode, mode, sizeof r.mode);
    qstrncpy(r.Value, value, sizeof r.Value);
    return r;
}

}  // namespace

class tst_OnboardConfigFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void newConfiguration_data();
    void newConfiguration();
    void templateReplacesOneLayer();
    void templateOnTheFn1PresetModel();
    void unusableTemplateKeepsTheLayer_data();
    void unusableTemplateKeepsTheLayer();
    void failedWriteKeepsTheLayer();
    void captions_data();
    void captions();

private:
    void makeFiles(const QString &model);

    QScopedPointer<QTemporaryDir> m_dir;
    xmlInterface m_xml;
    OnboardConfigFiles m_files{&m_xml};
};

void tst_OnboardConfigFiles::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void tst_OnboardConfigFiles::makeFiles(const QString &model)
{
    const QByteArray base = QFile::encodeName(m_dir->path());
    m_files.setModel(model);
    m_files.setPaths(base + "/brivexOnboardProFile.xml", base + "/OnboardDefaultProFile.xml",
                     base + "/OnboardFN1ProFile.xml");
    for (const QByteArray &path : {m_files.listPath(), m_files.layerPath(0), m_files.layerPath(1)})
        QVERIFY(m_xml.createXmlFile(path.constData()));
}

void tst_OnboardConfigFiles::newConfiguration_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QList<int>>("values");
    QTest::newRow("Fn record") << QStringLiteral("ZK87A") << QList<int>{-10} << QList<int>{-10};
    QTest::newRow("FN1 key and Esc") << QStringLiteral("ZK87R") << QList<int>{251, 41} << QList<int>{-20, 41};
}

void tst_OnboardConfigFiles::newConfiguration()
{
    QFETCH(QString, model);
    QFETCH(QList<int>, codes);
    QFETCH(QList<int>, values);
    makeFiles(model);
    QVERIFY(m_files.createConfig(3));
    for (int layer : {0, 1}) {
        const QList<Record> records = recordsOf(m_files, layer, 3);
        QCOMPARE(records.size(), codes.size());
        for (int i = 0; i < records.size(); ++i) {
            QCOMPARE(records.at(i).keyCode, codes.at(i));
            QCOMPARE(records.at(i).operateType, 0);
            QCOMPARE(records.at(i).value, values.at(i));
        }
        ProfileConfigInfo info{};
        m_xml.getProfileInfo(m_files.layerPath(layer).constData(), "3", &info);
        QCOMPARE(QByteArray(info.name), QByteArray("Profile3"));
    }
    QVERIFY(m_files.deleteConfig(3));
    QVERIFY(recordsOf(m_files, 0, 3).isEmpty());
    QVERIFY(recordsOf(m_files, 1, 3).isEmpty());
}

void tst_OnboardConfigFiles::templateReplacesOneLayer()
{
    makeFiles(QStringLiteral("ZK87A"));
    QVERIFY(m_files.createConfig(2));
    QVERIFY(m_files.applyTemplate(0, 2, 1));
    // Caps Lock works as FN1 in the Default layer; a second configuration stays out of reach.
    const QByteArray def = m_files.layerPath(0);
    QVERIFY(m_xml.replaceKeyMapItem(def.constData(), "2", "57", "Caps Lock", "0", "1", "1", "-20"));
    QVERIFY(m_files.createConfig(5));
    QVERIFY(m_xml.replaceKeyMapItem(def.constData(), "5", "57", "Caps Lock", "0", "1", "1", "-20"));
    QList<Record> before = recordsOf(m_files, 0, 2);

    QVERIFY(m_files.applyTemplate(1, 2, 2));

    QList<IndexNameInfo> fn1Configs;
    m_xml.getProfileList(m_files.layerPath(1).constData(), &fn1Configs);
    QCOMPARE(fn1Configs.size(), 2);
    QCOMPARE(QByteArray(fn1Configs.first().index), QByteArray("2"));
    QCOMPARE(QByteArray(fn1Configs.first().name), QByteArray("Profile_Mac"));
    const QList<Record> fn1 = recordsOf(m_files, 1, 2);
    QCOMPARE(fn1.size(), 87);  // every key, Fn included; placeholders cannot be looked up
    // The Default layer lost its FN1 record and nothing else.
    const QList<Record> after = recordsOf(m_files, 0, 2);
    QCOMPARE(after.size(), before.size() - 1);
    before.erase(std::remove_if(before.begin(), before.end(), [](const Record &r) { return r.value == -20; }),
                 before.end());
    for (int i = 0; i < after.size(); ++i) {
        QCOMPARE(after.at(i).keyCode, before.at(i).keyCode);
        QCOMPARE(after.at(i).value, before.at(i).value);
    }
    QCOMPARE(recordsOf(m_files, 0, 5).last().value, -20);
}

void tst_OnboardConfigFiles::templateOnTheFn1PresetModel()
{
    makeFiles(QStringLiteral("ZK87R"));
    QVERIFY(m_files.createConfig(1));
    for (int round = 0; round < 3; ++round)
        QVERIFY(m_files.applyTemplate(0, 1, 1));
    // The FN1 layer holds the FN1 key and Esc once each, however often a template was applied.
    const QList<Record> fn1 = recordsOf(m_files, 1, 1);
    QCOMPARE(fn1.size(), 2);
    QCOMPARE(fn1.at(0).keyCode, 251);
    QCOMPARE(fn1.at(0).value, -20);
    QCOMPARE(fn1.at(1).keyCode, 41);
    QCOMPARE(fn1.at(1).value, 41);
    QList<IndexNameInfo> configs;
    m_xml.getProfileList(m_files.layerPath(0).constData(), &configs);
    QCOMPARE(configs.size(), 1);
}

void tst_OnboardConfigFiles::unusableTemplateKeepsTheLayer_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("layer");
    QTest::newRow("no template for the model") << QStringLiteral("ZK999") << 0;
    QTest::newRow("layer 2") << QStringLiteral("ZK87A") << 2;
    QTest::newRow("layer 3") << QStringLiteral("ZK87A") << 3;
}

void tst_OnboardConfigFiles::unusableTemplateKeepsTheLayer()
{
    QFETCH(QString, model);
    QFETCH(int, layer);
    makeFiles(model);
    QVERIFY(m_files.createConfig(1));
    QFile def(QString::fromLocal8Bit(m_files.layerPath(0)));
    QVERIFY(def.open(QIODevice::ReadOnly));
    const QByteArray before = def.readAll();
    def.close();
    QVERIFY(!m_files.applyTemplate(layer, 1, 2));
    QVERIFY(def.open(QIODevice::ReadOnly));
    QCOMPARE(def.readAll(), before);
    QCOMPARE(recordsOf(m_files, 0, 1).size(), 1);
}

void tst_OnboardConfigFiles::failedWriteKeepsTheLayer()
{
    makeFiles(QStringLiteral("ZK104A"));
    QVERIFY(m_files.createConfig(1));
    QVERIFY(m_xml.replaceKeyMapItem(m_files.layerPath(0).constData(), "1", "4", "A", "3", "1", "1", "2"));
    // Files may not grow beyond a few kilobytes: the template cannot be written.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool applied = m_files.applyTemplate(0, 1, 1);
    setrlimit(RLIMIT_FSIZE, &old);
    QVERIFY(!applied);
    const QList<Record> records = recordsOf(m_files, 0, 1);
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(1).operateType, 3);
}

void tst_OnboardConfigFiles::captions_data()
{
    QTest::addColumn<QString>("operateType");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("text");
    QTest::newRow("remap") << "0"
                           << "5"
                           << "1"
                           << "B";
    QTest::newRow("remap without caption") << "0"
                                           << "-10"
                                           << "1"
                                           << "";
    QTest::newRow("macro once") << "1"
                                << "3"
                                << "1"
                                << "Play once";
    QTest::newRow("macro held") << "1"
                                << "3"
                                << "4"
                                << "Play while assigned key is pressed";
    QTest::newRow("macro mode 5") << "1"
                                  << "3"
                                  << "5"
                                  << "Unknow";
    QTest::newRow("combination 5,4") << "2"
                                     << "5,4"
                                     << "1"
                                     << "L_CTRL+L_ALT+A";
    QTest::newRow("combination 0,4") << "2"
                                     << "0,4"
                                     << "1"
                                     << "A";
    QTest::newRow("combination all bits, no key") << "2"
                                                  << "255,200"
                                                  << "1"
                                                  << "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+R_WIN";
    QTest::newRow("multimedia 0") << "3"
                                  << "0"
                                  << "1"
                                  << "Volume Up";
    QTest::newRow("multimedia 7") << "3"
                                  << "7"
                                  << "1"
                                  << "Unknow";
    QTest::newRow("multimedia 12") << "3"
                                   << "12"
                                   << "1"
                                   << "Email";
    QTest::newRow("multimedia 13") << "3"
                                   << "13"
                                   << "1"
                                   << "Unknow";
    QTest::newRow("mouse 3") << "4"
                             << "3"
                             << "1"
                             << "Scroll Up";
    QTest::newRow("mouse 7") << "4"
                             << "7"
                             << "1"
                             << "Sniper Key";
    QTest::newRow("mouse 8") << "4"
                             << "8"
                             << "1"
                             << "Unknow";
    QTest::newRow("text") << "6"
                          << "hello"
                          << "1"
                          << "";
}

void tst_OnboardConfigFiles::captions()
{
    QFETCH(QString, operateType);
    QFETCH(QString, value);
    QFETCH(QString, mode);
    QFETCH(QString, text);
    const QMap<int, QString> names{{4, QStringLiteral("A")}, {5, QStringLiteral("B")}};
    const CustomKeyInfo r =
        record(operateType.toLatin1().constData(), value.toLatin1().constData(), mode.toLatin1().constData());
    QCOMPARE(OnboardConfigFiles::functionText(r, names), text);
}

QTEST_GUILESS_MAIN(tst_OnboardConfigFiles)
#include "tst_OnboardConfigFiles.moc"
