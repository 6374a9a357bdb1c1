// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArrowWidget.h"
#include "DDataManager.h"
#include "DHomeDeviceListItem.h"
#include "DHomePage.h"
#include "HidRecords.h"
#include "QRcodeShowTool.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

hidStructInfo device(const QByteArray &path, const char *hidName = "ZK104A")
{
    hidStructInfo info;
    qstrncpy(info.hidPath, path.constData(), sizeof info.hidPath);
    qstrncpy(info.hidName, hidName, sizeof info.hidName);
    return info;
}

QList<hidStructInfo> devices(int count)
{
    QList<hidStructInfo> list;
    for (int i = 0; i < count; ++i)
        list << device("/dev/hidraw" + QByteArray::number(i));
    return list;
}

QList<DHomeDeviceListItem *> cards(QWidget *page)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return page->findChildren<DHomeDeviceListItem *>();
}

template <typename T = QWidget>
T *child(QWidget *page, const char *name)
{
    T *widget = page->findChild<T *>(name);
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

QColor toColor(const QString &themeColor)
{
    const QStringList parts = themeColor.split(',');
    return QColor(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt());
}

// Records the addresses the page hands to the desktop services.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl &url) { opened << url.toString(); }
};

// Counts the mouse moves that reach it.
class MoveCounter : public QWidget
{
public:
    int moves = 0;

protected:
    void mouseMoveEvent(QMouseEvent *) override { ++moves; }
};

}  // namespace

class tst_HomePage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString writeConfig(const QString &name, const QVariantMap &values)
    {
        const QString path = m_dir.filePath(name + ".ini");
        QSettings config(path, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            config.setValue(it.key(), it.value());
        config.sync();
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        DDataManager::getInstance()->loadThemeConfig(0);
    }

    void noDeviceState()
    {
        DHomePage page;
        auto *stack = child<QStackedWidget>(&page, "stackedWidget");
        QCOMPARE(stack->currentWidget()->objectName(), QString("page_DeviceListShow"));

        page.showDeviceList({});
        QCOMPARE(stack->currentWidget()->objectName(), QString("page_TipShow"));
        QCOMPARE(child<QLabel>(&page, "label_Tip")->text(), QString("Device not connected"));
        QVERIFY(child(&page, "frame_30")->styleSheet().contains(":/images/NoConnect.png"));
        QVERIFY(!QImage(":/images/NoConnect.png").isNull());
        QVERIFY(cards(&page).isEmpty());

        // A device arrives, then goes again: the earlier cards may stay in the hidden page.
        page.showDeviceList(devices(1));
        QCOMPARE(stack->currentWidget()->objectName(), QString("page_DeviceListShow"));
        QCOMPARE(cards(&page).size(), 1);
        page.showDeviceList({});
        QCOMPARE(stack->currentWidget()->objectName(), QString("page_TipShow"));
    }

    void cardGrid_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("topBottom");
        QTest::addColumn<bool>("leftRight");
        QTest::newRow("one card") << 1 << true << true;
        QTest::newRow("two cards") << 2 << true << false;
        QTest::newRow("three cards") << 3 << false << false;
        QTest::newRow("four cards") << 4 << false << false;
    }

    void cardGrid()
    {
        QFETCH(int, count);
        QFETCH(bool, topBottom);
        QFETCH(bool, leftRight);

        DHomePage page;
        page.resize(1200, 789);
        page.show();
        // From a larger list to a smaller one too: the filler frames follow the count.
        page.showDeviceList(devices(5));
        page.showDeviceList(devices(count));
        QCoreApplication::processEvents();

        for (const char *name : {"frame_Top", "frame_Bottom"})
            QCOMPARE(child(&page, name)->isVisible(), topBottom);
        for (const char *name : {"frame_Left", "frame_Right"})
            QCOMPARE(child(&page, name)->isVisible(), leftRight);

        const QList<DHomeDeviceListItem *> items = cards(&page);
        QCOMPARE(items.size(), count);
        auto *area = child<QScrollArea>(&page, "scrollArea");
        const QRect areaRect(area->viewport()->mapToGlobal(QPoint(0, 0)), area->viewport()->size());
        QRect bounds;
        for (DHomeDeviceListItem *item : items) {
            QVERIFY(item->isVisible());
            bounds |= QRect(item->mapToGlobal(QPoint(0, 0)), item->size());
        }
        // Cards never run out of the area sideways; the area never scrolls sideways.
        QVERIFY2(areaRect.left() <= bounds.left() && bounds.right() <= areaRect.right(),
                 qPrintable(QString("cards %1..%2 in area %3..%4")
                                .arg(bounds.left())
                                .arg(bounds.right())
                                .arg(areaRect.left())
                                .arg(areaRect.right())));
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        if (count == 1) {
            // One card stands in the middle of the page's card area.
            auto *stack = child(&page, "stackedWidget");
            const int stackCentre = stack->mapToGlobal(stack->rect().center()).x();
            QVERIFY2(qAbs(bounds.center().x() - stackCentre) <= 40,
                     qPrintable(QString("card centre %1, page centre %2").arg(bounds.center().x()).arg(stackCentre)));
        }
        if (count == 2)  // two cards share one row
            QCOMPARE(items.at(0)->mapToGlobal(QPoint()).y(), items.at(1)->mapToGlobal(QPoint()).y());
        if (count >= 3) {
            // Two cards a row; in a page too low for all rows the area scrolls down, never sideways.
            QSet<int> rows;
            for (DHomeDeviceListItem *item : items)
                rows << item->mapToGlobal(QPoint()).y();
            QCOMPARE(rows.size(), (count + 1) / 2);
            page.resize(1200, 560);
            QCoreApplication::processEvents();
            QVERIFY(area->verticalScrollBar()->maximum() > 0);
            QVERIFY(!area->horizontalScrollBar()->isVisible());
        }
    }

    void cardClickReachesPageSignal()
    {
        DHomePage page;
        page.resize(1200, 789);
        page.show();
        QSignalSpy spy(&page, &DHomePage::sigHomePage);
        emit page.sigHidDeviceListUpdateHome({device("/dev/hidraw2"), device("/dev/hidraw5", "ZK87A")});
        for (DHomeDeviceListItem *item : cards(&page)) {
            if (item->hidPath() == "/dev/hidraw5")
                QTest::mouseClick(item, Qt::LeftButton);
        }
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QString("/dev/hidraw5"));
    }

    void themeChangeRestylesPage()
    {
        DDataManager *data = DDataManager::getInstance();
        DHomePage page;
        page.resize(1200, 789);
        page.show();

        // The kept list is the one that came through the signal, not one shown directly.
        emit page.sigHidDeviceListUpdateHome(devices(2));
        page.showDeviceList(devices(3));

        for (int theme : {0, 1, 0}) {
            data->loadThemeConfig(theme);
            const ThemeColorConfig colours = data->getThemeColor();
            page.applyTheme();
            QCoreApplication::processEvents();

            const QList<DHomeDeviceListItem *> items = cards(&page);
            QCOMPARE(items.size(), 2);
            for (DHomeDeviceListItem *item : items) {
                QVERIFY(item->findChild<QFrame *>("frame")->styleSheet().contains(
                    QString("rgb(%1)").arg(colours.HomeDeviceItemBgColor)));
            }
            QVERIFY(child<QLabel>(&page, "label_Tip")->styleSheet().contains(colours.TextCheckedColor));
            QCOMPARE(child<QLabel>(&page, "label_Tip")->font().pointSize(), 22);

            // The page is painted in the theme's colour, left of the cards.
            const QImage shot = page.grab().toImage();
            const QColor painted(shot.pixel(3, page.height() / 2));
            QCOMPARE(painted, toColor(colours.HomeBgColor));
        }
        data->loadThemeConfig(0);
    }

    void linkParts_data()
    {
        QTest::addColumn<QString>("config");
        QTest::addColumn<bool>("linkColumn");
        QTest::addColumn<bool>("companyRow");

        QTest::newRow("shipped configuration") << ":/images/configDir/BrivexDefaultConfig.ini" << false << false;
        QTest::newRow("no configuration") << "/nonexistent/config.ini" << false << false;
        QTest::newRow("link column on") << writeConfig("column", {{"HomeLinkFrame/showStatus", true}}) << true << false;
        QTest::newRow("company row on") << writeConfig("row", {{"MainPageCompanyLinkFrame/showStatus", true}}) << false
                                        << true;
    }

    void linkParts()
    {
        QFETCH(QString, config);
        QFETCH(bool, linkColumn);
        QFETCH(bool, companyRow);

        DHomePage page(config, nullptr);
        page.show();
        QCOMPARE(child(&page, "frame_Link")->isVisible(), linkColumn);
        QCOMPARE(child(&page, "frame_4")->isVisible(), companyRow);
        QCOMPARE(child(&page, "label_CompanyLink")->isVisible(), companyRow);
        QVERIFY(!child(&page, "label_CompanyLink_EN")->isVisible());
    }

    void linksOpenConfiguredAddresses()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        const QString config = writeConfig("links", {{"HomeLinkFrame/showStatus", true},
                                                     {"MainPageCompanyLinkFrame/showStatus", true},
                                                     {"Web/WebUrl", "https://web.test/"},
                                                     {"Jd/JdUrl", "https://one.test/"},
                                                     {"TaoBao/TaoBaoUrl", "https://two.test/"},
                                                     {"MainPageCompanyLink/ComLink", "https://company.test/"},
                                                     {"MainPageCompanyLinkEN/ComLink", "https://company-en.test/"}});
        DHomePage page(config, nullptr);
        page.show();
        QTest::mouseClick(child<QPushButton>(&page, "pushButton_Brivex"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(&page, "pushButton_JD"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(&page, "pushButton_TaoBao"), Qt::LeftButton);
        // The stored link is opened whatever the label's (translated) text reports.
        emit child<QLabel>(&page, "label_CompanyLink")->linkActivated("Company|somewhere else|");
        emit child<QLabel>(&page, "label_CompanyLink_EN")->linkActivated("x");
        QDesktopServices::unsetUrlHandler("https");

        QCOMPARE(catcher.opened, QStringList({"https://web.test/", "https://one.test/", "https://two.test/",
                                              "https://company.test/", "https://company-en.test/"}));
        QVERIFY(child<QLabel>(&page, "label_CompanyLink")->text().contains("https://company.test/"));
    }

    void pictureBubbleStandsAboveItsButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("picture");
        QTest::newRow("chat") << "pushButton_WeChatPublic"
                              << ":/images/LoadImages/WeChatQR.png";
        QTest::newRow("social") << "pushButton_WeiBo"
                                << ":/images/LoadImages/WeiBoQR.png";
    }

    void pictureBubbleStandsAboveItsButton()
    {
        QFETCH(QString, button);
        QFETCH(QString, picture);

        DHomePage page(writeConfig("bubbles", {{"HomeLinkFrame/showStatus", true}}), nullptr);
        page.resize(1200, 789);
        page.show();
        auto *trigger = child<QPushButton>(&page, qPrintable(button));

        // Two clicks: one bubble stays.
        QTest::mouseClick(trigger, Qt::LeftButton);
        QTest::mouseClick(trigger, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QList<ArrowWidget *> bubbles = page.findChildren<ArrowWidget *>();
        QCOMPARE(bubbles.size(), 1);
        ArrowWidget *bubble = bubbles.first();
        QVERIFY(bubble->isVisible());
        QCOMPARE(bubble->size(), QSize(200, 200));

        // The arrow's tip (7 px right of its left corner at x 93, on the bottom edge) points at the
        // middle of the button's top edge.
        const QPoint tip = bubble->pos() + QPoint(93 + 7, 200);
        const QPoint buttonTop = trigger->mapToGlobal(QPoint(trigger->width() / 2, 0));
        QVERIFY2((tip - buttonTop).manhattanLength() <= 1, qPrintable(QString("tip (%1,%2), button top (%3,%4)")
                                                                          .arg(tip.x())
                                                                          .arg(tip.y())
                                                                          .arg(buttonTop.x())
                                                                          .arg(buttonTop.y())));

        auto *view = bubble->findChild<QRcodeShowTool *>();
        QVERIFY(view);
        QVERIFY(view->imageFrame->styleSheet().contains(picture));
        QCOMPARE(view->imageFrame->size(), QSize(145, 145));

        page.onCloseMenuWidow();
        QVERIFY(!bubble->isVisible());
    }

    void mouseMovesStayOnPage()
    {
        MoveCounter window;
        auto *page = new DHomePage(&window);
        auto *plain = new QWidget(&window);
        window.show();
        for (QWidget *target : {static_cast<QWidget *>(page), plain}) {
            QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &move);
        }
        // Only the plain widget passes the move on to the window.
        QCOMPARE(window.moves, 1);
    }
};

QTEST_MAIN(tst_HomePage)
#include "tst_HomePage.moc"
