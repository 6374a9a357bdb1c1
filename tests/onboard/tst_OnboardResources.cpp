// SPDX-License-Identifier: GPL-3.0-or-later
// The on-board layouts and layout templates carried in the resources, for every keyboard model:
// a position of the on-board layout is the same key as in the PC layout, the keys lie inside the
// page and apart, and each template remaps every position.

#include "DeviceModels.h"
#include "KeyLayoutFile.h"
#include "OnboardConfigFiles.h"
#include "xmlInterface.h"

#include <QFile>
#include <QRect>
#include <QTemporaryDir>
#include <QtTest>

class tst_OnboardResources : public QObject
{
    Q_OBJECT

private slots:
    void layouts_data();
    void layouts();
    void templates_data();
    void templates();
    void swappedPositions_data();
    void swappedPositions();

private:
    static QMap<int, int> firstConfiguration(const QString &model, int layout, int *records, QString *name);
};

static void addKeyboardRows()
{
    QTest::addColumn<QString>("model");
    for (const models::DeviceModel &m : models::deviceModels()) {
        if (m.kind == models::DeviceKind::Keyboard)
            QTest::newRow(m.code) << QString::fromLatin1(m.code);
    }
}

void tst_OnboardResources::layouts_data()
{
    addKeyboardRows();
}

void tst_OnboardResources::layouts()
{
    QFETCH(QString, model);
    KeyLayoutFile onboard;
    QVERIFY(onboard.load(QStringLiteral(":/images/configDir/onboardDeviceConfig/KeyInfo_%1.config").arg(model)));
    KeyLayoutFile pc;
    QVERIFY(pc.load(QStringLiteral(":/images/configDir/KeyInfo_%1.config").arg(model)));
    QCOMPARE(onboard.keys().size(), KeyLayoutFile::kRows * KeyLayoutFile::kColumns);
    QCOMPARE(pc.keys().size(), onboard.keys().size());
    QVERIFY(!onboard.specialEnterKey());

    const QRect page(0, 0, models::onboardPageWidth(model), models::onboardPageHeight(model));
    QList<QRect> placed;
    for (int i = 0; i < onboard.keys().size(); ++i) {
        const KeyLayoutKey &key = onboard.keys().at(i);
        const int pcCode = pc.keys().at(i).dec;
        if (models::hasFn1KeyPreset(model) && pcCode == KeyLayoutFile::kFnCode) {
            QCOMPARE(key.dec, OnboardConfigFiles::kFn1KeyCode);
            QCOMPARE(key.caption, QStringLiteral("FN1"));
        } else {
            QCOMPARE(key.dec, pcCode);
        }
        if (key.dec == 0) {
            QCOMPARE(key.posX, -1);
            QCOMPARE(key.width, 0);
            QCOMPARE(key.height, 0);
            continue;
        }
        const QRect rect(key.posX, key.posY, key.width, key.height);
        QVERIFY2(page.adjusted(2, 2, -2, -2).contains(rect), qPrintable(key.caption));
        for (const QRect &other : qAsConst(placed))
            QVERIFY2(!other.intersects(rect), qPrintable(key.caption));
        placed.append(rect);
    }
    QCOMPARE(placed.size(), models::keyCount(model));
}

QMap<int, int> tst_OnboardResources::firstConfiguration(const QString &model, int layout, int *records, QString *name)
{
    QMap<int, int> values;  // key code -> value
    QTemporaryDir folder;
    const QString copy = folder.path() + QStringLiteral("/template.xml");
    if (!QFile::copy(OnboardConfigFiles::templateResource(model, layout), copy))
        return values;
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    xmlInterface xml;
    const QByteArray path = QFile::encodeName(copy);
    QList<IndexNameInfo> configs;
    xml.getProfileList(path.constData(), &configs);
    if (configs.size() != 2)
        return values;
    *name = QString::fromUtf8(configs.first().name);
    QStringList codes;
    xml.getKeyMapCodes(path.constData(), configs.first().index, &codes);
    *records = codes.size();
    for (const QString &code : qAsConst(codes)) {
        CustomKeyInfo info{};
        xml.getKeyMapItems(path.constData(), configs.first().index, code.toLatin1().constData(), &info);
        values.insert(code.toInt(), QByteArray(info.Value).toInt());
    }
    return values;
}

void tst_OnboardResources::templates_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("name");
    for (const models::DeviceModel &m : models::deviceModels()) {
        if (m.kind != models::DeviceKind::Keyboard)
            continue;
        const QString code = QString::fromLatin1(m.code);
        QTest::newRow(qPrintable(code + QStringLiteral(" QWERTY"))) << code << 1 << QStringLiteral("Profile_QWERTY");
        QTest::newRow(qPrintable(code + QStringLiteral(" Mac"))) << code << 2 << QStringLiteral("Profile_Mac");
        QTest::newRow(qPrintable(code + QStringLiteral(" Dvorak"))) << code << 3 << QStringLiteral("Profile_Dvorak");
    }
}

void tst_OnboardResources::templates()
{
    QFETCH(QString, model);
    QFETCH(int, layout);
    QFETCH(QString, name);
    int records = 0;
    QString configName;
    const QMap<int, int> values = firstConfiguration(model, layout, &records, &configName);
    QCOMPARE(configName, name);
    QCOMPARE(records, KeyLayoutFile::kRows * KeyLayoutFile::kColumns);

    KeyLayoutFile onboard;
    QVERIFY(onboard.load(QStringLiteral(":/images/configDir/onboardDeviceConfig/KeyInfo_%1.config").arg(model)));
    for (const KeyLayoutKey &key : onboard.keys()) {
        if (key.dec == 0)
            continue;
        QVERIFY2(values.contains(key.dec), qPrintable(key.caption));
    }
    QCOMPARE(values.value(-1), 0);
    if (models::hasFn1KeyPreset(model)) {
        QCOMPARE(values.value(OnboardConfigFiles::kFn1KeyCode), OnboardConfigFiles::kFn1Value);
        QVERIFY(!values.contains(OnboardConfigFiles::kFnCode));
    } else {
        QCOMPARE(values.value(OnboardConfigFiles::kFnCode), OnboardConfigFiles::kFnCode);
    }
    if (layout == 1) {
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            if (it.key() > 0 && it.key() != OnboardConfigFiles::kFn1KeyCode)
                QCOMPARE(it.value(), it.key());
        }
    }
}

void tst_OnboardResources::swappedPositions_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("usage");
    const struct {
        int position, usage;
    } mac[] = {{226, 227}, {227, 226}, {230, 231}, {224, 224}, {4, 4}};
    const struct {
        int position, usage;
    } dvorak[] = {{20, 52}, {26, 54}, {8, 55},  {21, 19}, {23, 28}, {28, 9},  {24, 10}, {12, 6},  {18, 21}, {19, 15},
                  {47, 56}, {48, 46}, {49, 49}, {4, 4},   {22, 18}, {7, 8},   {9, 24},  {10, 12}, {11, 7},  {13, 11},
                  {14, 23}, {15, 17}, {51, 22}, {52, 45}, {29, 51}, {27, 20}, {6, 13},  {25, 14}, {5, 27},  {17, 5},
                  {16, 16}, {54, 26}, {55, 25}, {56, 29}, {45, 47}, {46, 48}, {30, 30}, {39, 39}, {53, 53}, {44, 44}};
    for (const char *model : {"ZK87A", "ZK104A"}) {
        for (const auto &row : mac)
            QTest::newRow(qPrintable(QStringLiteral("%1 Mac %2").arg(QLatin1String(model)).arg(row.position)))
                << QString::fromLatin1(model) << 2 << row.position << row.usage;
        for (const auto &row : dvorak)
            QTest::newRow(qPrintable(QStringLiteral("%1 Dvorak %2").arg(QLatin1String(model)).arg(row.position)))
                << QString::fromLatin1(model) << 3 << row.position << row.usage;
    }
}

void tst_OnboardResources::swappedPositions()
{
    QFETCH(QString, model);
    QFETCH(int, layout);
    QFETCH(int, position);
    QFETCH(int, usage);
    int records = 0;
    QString name;
    const QMap<int, int> values = firstConfiguration(model, layout, &records, &name);
    QVERIFY(values.contains(position));
    QCOMPARE(values.value(position), usage);
}

QTEST_GUILESS_MAIN(tst_OnboardResources)
#include "tst_OnboardResources.moc"
