// SPDX-License-Identifier: GPL-3.0-or-later
#include "DDataManager.h"
#include "DHomeDeviceListItem.h"
#include "DHomeDeviceListWidget.h"
#include "HidRecords.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

hidStructInfo device(const char *path, const char *hidName, int type = 0)
{
    hidStructInfo info;
    qstrncpy(info.hidPath, path, sizeof info.hidPath);
    qstrncpy(info.hidName, hidName, sizeof info.hidName);
    qstrncpy(info.manufacturer, "ZELKA", sizeof info.manufacturer);
    qstrncpy(info.product, "Keyboard", sizeof info.product);
    info.deviceType = type;
    return info;
}

QList<DHomeDeviceListItem *> cards(QWidget *container)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return container->findChildren<DHomeDeviceListItem *>();
}

}  // namespace

class tst_HomeDeviceCards : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        DDataManager *data = DDataManager::getInstance();
        data->setProductNameMap({{"ZK104A", "ZELKA Vega 104"}, {"ZK87R", ""}});
        data->setLikeNameMap({{"ZK104A", "Vega 104"}});
    }

    void pictureWidthByModel_data()
    {
        QTest::addColumn<QString>("hidName");
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<int>("fixedWidth");  // 0: the form's rule (at least 300, not fixed)

        QTest::newRow("mouse") << "ZM1" << 1 << 80;
        QTest::newRow("mouse whatever its model") << "ZK104A" << 1 << 80;
        QTest::newRow("mouse reported as keyboard") << "ZM1" << 0 << 90;
        QTest::newRow("keyboard with locked keys") << "ZK87R" << 0 << 355;
        QTest::newRow("full-size keyboard") << "ZK104A" << 0 << 355;
        QTest::newRow("side-light keyboard") << "ZK87S" << 0 << 355;
        QTest::newRow("tenkeyless keyboard") << "ZK87C" << 0 << 355;
        QTest::newRow("unknown keyboard") << "ZX999" << 0 << 0;
        QTest::newRow("model is case-sensitive") << "zk104a" << 0 << 0;
        QTest::newRow("other device type") << "ZK104A" << 2 << 0;
    }

    void pictureWidthByModel()
    {
        QFETCH(QString, hidName);
        QFETCH(int, deviceType);
        QFETCH(int, fixedWidth);

        DHomeDeviceListItem card;
        card.setDeviceInfo(0x0416, 0xB23C, "path", "ZELKA", "Keyboard", hidName, deviceType);
        auto *logo = card.findChild<QFrame *>("frame_DeviceLogo");
        QVERIFY(logo);
        if (fixedWidth > 0) {
            QCOMPARE(logo->minimumWidth(), fixedWidth);
            QCOMPARE(logo->maximumWidth(), fixedWidth);
        } else {
            QCOMPARE(logo->minimumWidth(), 300);
            QCOMPARE(logo->maximumWidth(), QWIDGETSIZE_MAX);
        }
    }

    void namesFromTheDeviceList_data()
    {
        QTest::addColumn<QString>("hidName");
        QTest::addColumn<bool>("productShown");
        QTest::addColumn<QString>("productText");
        QTest::addColumn<QString>("deviceText");

        QTest::newRow("both names known") << "ZK104A" << true << "ZELKA Vega 104"
                                          << "Vega 104";
        QTest::newRow("empty product name, no like name") << "ZK87R" << false << QString() << "ZK87R";
        QTest::newRow("model not in the list") << "ZX999" << false << QString() << "ZX999";
    }

    void namesFromTheDeviceList()
    {
        QFETCH(QString, hidName);
        QFETCH(bool, productShown);
        QFETCH(QString, productText);
        QFETCH(QString, deviceText);

        DHomeDeviceListItem card;
        card.setDeviceInfo(1, 2, "path", "m", "p", hidName, 0);
        auto *product = card.findChild<QLabel *>("label_ProductName");
        auto *name = card.findChild<QLabel *>("label_DeviceName");
        QCOMPARE(!product->isHidden(), productShown);
        if (productShown)
            QCOMPARE(product->text(), productText);
        QCOMPARE(name->text(), deviceText);
    }

    void pressReportsPath_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("left") << int(Qt::LeftButton);
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }

    void pressReportsPath()
    {
        QFETCH(int, button);
        DHomeDeviceListWidget container;
        container.setDeviceList({device("/dev/hidraw3", "ZK104A"), device("/dev/hidraw7", "ZK87A")});
        container.resize(1000, 500);
        container.show();
        const QList<DHomeDeviceListItem *> items = cards(&container);
        QCOMPARE(items.size(), 2);

        QSignalSpy spy(&container, &DHomeDeviceListWidget::sigHidStructInfoListWidget);
        // A press on the product label counts as a press on the card.
        for (DHomeDeviceListItem *item : items) {
            if (item->hidPath() == "/dev/hidraw7")
                QTest::mousePress(item->findChild<QLabel *>("label_DeviceName"), Qt::MouseButton(button));
        }
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QString("/dev/hidraw7"));
    }

    void listRebuildsCards()
    {
        DHomeDeviceListWidget container;
        // Two devices of one model: same picture and names, their own paths.
        container.setDeviceList({device("/dev/a", "ZK104A"), device("/dev/b", "ZK104A")});
        QList<DHomeDeviceListItem *> items = cards(&container);
        QCOMPARE(items.size(), 2);
        QStringList paths;
        for (DHomeDeviceListItem *item : items) {
            paths << item->hidPath();
            QCOMPARE(item->size(), QSize(460, 210));
            QCOMPARE(item->findChild<QFrame *>("frame_DeviceLogo")->styleSheet(),
                     items.first()->findChild<QFrame *>("frame_DeviceLogo")->styleSheet());
            QCOMPARE(item->findChild<QLabel *>("label_DeviceName")->text(), QString("Vega 104"));
        }
        paths.sort();
        QCOMPARE(paths, QStringList({"/dev/a", "/dev/b"}));

        // An unchanged list still gives new cards; an empty one leaves none.
        container.setDeviceList({device("/dev/a", "ZK104A"), device("/dev/b", "ZK104A")});
        const QList<DHomeDeviceListItem *> rebuilt = cards(&container);
        QCOMPARE(rebuilt.size(), 2);
        container.setDeviceList({});
        QVERIFY(cards(&container).isEmpty());
    }

    void unterminatedFieldsStayInBounds()
    {
        hidStructInfo info = device("/dev/hidraw1", "");
        memset(info.hidName, 'N', sizeof info.hidName);
        memset(info.hidPath, 'P', sizeof info.hidPath);
        DHomeDeviceListWidget container;
        container.setDeviceList({info});
        const QList<DHomeDeviceListItem *> items = cards(&container);
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.first()->hidPath(), QString(int(sizeof info.hidPath), 'P'));
        QCOMPARE(items.first()->findChild<QLabel *>("label_DeviceName")->text(),
                 QString(int(sizeof info.hidName), 'N'));
    }

    // The program may live in a folder whose path has spaces and brackets.
    void pictureFromFolderWithSpaces()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.path() + "/Program Files (x86)/zelka/images/hidImages";
        QVERIFY(QDir().mkpath(folder));
        QImage red(40, 40, QImage::Format_RGB32);
        red.fill(Qt::red);
        const QString picture = folder + "/Keyboard_ZK104A.png";
        QVERIFY(red.save(picture));

        QWidget host;
        auto *logo = new QFrame(&host);
        logo->setObjectName("frame_DeviceLogo");
        logo->setGeometry(0, 0, 40, 40);
        logo->setStyleSheet(DHomeDeviceListItem::pictureStyleSheet(picture));
        host.resize(40, 40);
        const QImage shot = host.grab().toImage();
        QCOMPARE(QColor(shot.pixel(20, 20)), QColor(Qt::red));
    }
};

QTEST_MAIN(tst_HomeDeviceCards)
#include "tst_HomeDeviceCards.moc"
