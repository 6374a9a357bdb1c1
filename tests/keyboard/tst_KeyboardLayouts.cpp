// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceModels.h"
#include "KeyLayoutFile.h"

#include <QFile>
#include <QImage>
#include <QRect>
#include <QtTest>
#include <QXmlStreamReader>

namespace {

struct ListedKeyboard {
    QString model;
    int keyNum = 0;
    QSize size;
};

QList<ListedKeyboard> listedKeyboards()
{
    QList<ListedKeyboard> list;
    QFile file(":/images/configDir/hidList.xml");
    if (!file.open(QIODevice::ReadOnly))
        return list;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == QLatin1String("item")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            if (attributes.value("hidType") == QLatin1String("keyboard")) {
                list.append({attributes.value("hidName").toString(), attributes.value("keyNum").toInt(),
                             QSize(attributes.value("SizeWidth").toInt(), attributes.value("SizeHeight").toInt())});
            }
        }
        if (!xml.isStartElement() || xml.name() != QLatin1String("hidList"))
            xml.skipCurrentElement();
    }
    return list;
}

struct LightCell {
    int code;
    int row;
    int column;
};

QList<LightCell> defaultLightCells()
{
    QList<LightCell> cells;
    QFile file(":/images/configDir/customLightDefaultConfig.xml");
    if (!file.open(QIODevice::ReadOnly))
        return cells;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("item")) {
            const QXmlStreamAttributes a = xml.attributes();
            cells.append({a.value("keyCode").toInt(), a.value("indexX").toInt(), a.value("indexY").toInt()});
        }
    }
    return cells;
}

QRect keyRect(const KeyLayoutKey &key)
{
    return QRect(key.posX, key.posY, key.width, key.height);
}

}  // namespace

class tst_KeyboardLayouts : public QObject
{
    Q_OBJECT

private slots:
    void modelTableCoversTheDeviceList()
    {
        const QList<ListedKeyboard> listed = listedKeyboards();
        QCOMPARE(listed.size(), 12);
        QStringList tableModels;
        for (const models::DeviceModel &model : models::deviceModels()) {
            if (model.kind == models::DeviceKind::Keyboard)
                tableModels.append(QString::fromLatin1(model.code));
        }
        QStringList listedModels;
        for (const ListedKeyboard &keyboard : listed)
            listedModels.append(keyboard.model);
        tableModels.sort();
        listedModels.sort();
        QCOMPARE(listedModels, tableModels);
    }

    void eachModel_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("keyNum");
        QTest::addColumn<QSize>("size");
        for (const ListedKeyboard &keyboard : listedKeyboards())
            QTest::newRow(qPrintable(keyboard.model)) << keyboard.model << keyboard.keyNum << keyboard.size;
    }

    // The layout read from the resources and from the copy beside the program: the model's keys,
    // its side lights, every key inside the picture and apart, the lighting cells in place.
    void eachModel()
    {
        QFETCH(QString, model);
        QFETCH(int, keyNum);
        QFETCH(QSize, size);
        const int sideLeds = models::sideLedCount(model);
        QCOMPARE(models::hasSideLights(model), sideLeds > 0);
        QCOMPARE(models::keyCount(model), keyNum);

        KeyLayoutFile fromResources;
        QVERIFY(fromResources.load(KeyLayoutFile::filePath(model, false, QString())));
        KeyLayoutFile fromProgramFolder;
        QVERIFY(fromProgramFolder.load(KeyLayoutFile::filePath(model, true, ZELKA_BIN_DIR)));

        for (const KeyLayoutFile *layout : {&fromResources, &fromProgramFolder}) {
            QCOMPARE(layout->keys().size(), KeyLayoutFile::kRows * KeyLayoutFile::kColumns);
            QList<KeyLayoutKey> keys;
            for (const KeyLayoutKey &key : layout->keys()) {
                if (key.dec != 0)
                    keys.append(key);
            }
            QCOMPARE(keys.size(), keyNum);
            QCOMPARE(layout->sideLeds().size(), sideLeds);
            QCOMPARE(layout->sideLightHave(), sideLeds > 0);
            QVERIFY(!layout->specialEnterKey());

            const QRect picture(QPoint(0, 0), size);
            for (int i = 0; i < keys.size(); ++i) {
                const QRect rect = keyRect(keys.at(i));
                QVERIFY2(picture.contains(rect), qPrintable(keys.at(i).caption));
                QVERIFY(!rect.isEmpty());
                for (int j = i + 1; j < keys.size(); ++j)
                    QVERIFY2(!rect.intersects(keyRect(keys.at(j))),
                             qPrintable(keys.at(i).caption + " and " + keys.at(j).caption));
            }
            for (const KeyLayoutSideLed &led : layout->sideLeds()) {
                QVERIFY(picture.contains(QRect(led.posX, led.posY, led.width, led.height)));
                QVERIFY(led.width > led.height);
                QCOMPARE(led.validStatus, 1);
            }

            for (const LightCell &cell : defaultLightCells()) {
                const KeyLayoutKey key = layout->keys().value(cell.row * KeyLayoutFile::kColumns + cell.column);
                QCOMPARE(key.row, cell.row);
                QCOMPARE(key.column, cell.column);
                QCOMPARE(key.dec, cell.code);
            }
        }
    }

    void eachPicture_data() { eachModel_data(); }

    // The picture beside the program: twice the listed size, drawn under every key and valid
    // side LED, transparent in its corners.
    void eachPicture()
    {
        QFETCH(QString, model);
        QFETCH(QSize, size);
        const QImage image = QImage(QString(ZELKA_BIN_DIR "/images/hidImages/Keyboard_%1.png").arg(model))
                                 .convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!image.isNull(), qPrintable(model));
        QCOMPARE(image.size(), size * 2);

        KeyLayoutFile layout;
        QVERIFY(layout.load(KeyLayoutFile::filePath(model, false, QString())));
        for (const KeyLayoutKey &key : layout.keys()) {
            if (key.width <= 0)
                continue;
            const QPoint centre(key.posX * 2 + key.width, key.posY * 2 + key.height);
            QVERIFY2(qAlpha(image.pixel(centre)) == 255, qPrintable(key.caption));
        }
        for (const KeyLayoutSideLed &led : layout.sideLeds()) {
            if (led.validStatus == 1)
                QCOMPARE(qAlpha(image.pixel(led.posX * 2 + led.width, led.posY * 2 + led.height)), 255);
        }
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
    }

    void unknownModelHasTheDefaults()
    {
        QCOMPARE(models::sideLedCount("ZX999"), 0);
        QVERIFY(!models::isLockedKey("ZX999", 41));
        QVERIFY(!models::isLockedKey("ZK87R", 0));
        QVERIFY(models::isLockedKey("ZK87R", 41));
        QCOMPARE(models::layoutFamily("ZX999"), QString());
        QCOMPARE(models::enterNotchWidth("ZX999"), 10);
        QCOMPARE(models::enterUpperHeight("ZX999"), 30);
    }
};

QTEST_GUILESS_MAIN(tst_KeyboardLayouts)
#include "tst_KeyboardLayouts.moc"
