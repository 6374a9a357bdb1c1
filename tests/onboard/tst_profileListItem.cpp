// A row of the PC profile list: its name, its click, and the Export and Delete entries of its
// operation menu.

#include "profileListItem.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class tst_profileListItem : public QObject
{
    Q_OBJECT

private slots:
    void showsNameAndReportsClick();
    void menuEntries_data();
    void menuEntries();
    void selectedLook();
};

void tst_profileListItem::showsNameAndReportsClick()
{
    profileListItem item;
    item.setProfileInfo({QStringLiteral("3"), QStringLiteral("Games")});
    QCOMPARE(item.findChild<QLabel *>(QStringLiteral("label_ProfileName"))->text(), QStringLiteral("Games"));
    QSignalSpy clicked(&item, &profileListItem::sigProfileItemMouseClicked);
    QTest::mousePress(&item, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toString(), QStringLiteral("3"));
    QCOMPARE(clicked.at(0).at(1).toString(), QStringLiteral("Games"));
}

void tst_profileListItem::menuEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("exports");
    QTest::addColumn<int>("deletes");
    QTest::newRow("Export") << QStringLiteral("label_Export") << 1 << 0;
    QTest::newRow("Delete") << QStringLiteral("label_Delete") << 0 << 1;
    QTest::newRow("Modify Name does nothing") << QStringLiteral("label_ModifyNanme") << 0 << 0;
}

void tst_profileListItem::menuEntries()
{
    QFETCH(QString, entry);
    QFETCH(int, exports);
    QFETCH(int, deletes);
    profileListItem item;
    item.setProfileInfo({QStringLiteral("2"), QStringLiteral("Work")});
    QSignalSpy exported(&item, &profileListItem::sigExportProfileChildList);
    QSignalSpy deleted(&item, &profileListItem::sigDeleteProfile);

    auto *operate = item.findChild<QPushButton *>(QStringLiteral("pushButton_Operate"));
    operate->click();
    operate->click();  // a second click replaces the menu
    QWidget *menu = item.operationMenu();
    QVERIFY(menu);
    auto *row = menu->findChild<QWidget *>(entry);
    QVERIFY2(row, qPrintable(entry));
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(row, &release);
    QCOMPARE(exported.count(), exports);
    QCOMPARE(deleted.count(), deletes);
    if (exports)
        QCOMPARE(exported.at(0).at(0).toString(), QStringLiteral("2"));
    if (deletes)
        QCOMPARE(deleted.at(0).at(1).toString(), QStringLiteral("Work"));
}

void tst_profileListItem::selectedLook()
{
    profileListItem item;
    item.setSelected(true);
    QVERIFY(item.isSelected());
    QVERIFY(!item.styleSheet().contains(QLatin1String(":hover")));
    item.setSelected(false);
    QVERIFY(item.styleSheet().contains(QLatin1String(":hover")));
}

QTEST_MAIN(tst_profileListItem)
#include "tst_profileListItem.moc"
