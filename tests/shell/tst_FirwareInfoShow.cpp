#include "DFirwareInfoItem.h"
#include "DFirwareInfoShow.h"

#include <QLabel>
#include <QPointer>
#include <QtTest>

class tst_FirwareInfoShow : public QObject
{
    Q_OBJECT

private slots:
    void window();
    void rows_data();
    void rows();
    void newMapReplacesRows();
    void deviceTextsShownAsTyped();
};

void tst_FirwareInfoShow::window()
{
    QWidget parent;
    QPointer<DFirwareInfoShow> dialog = new DFirwareInfoShow(&parent);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Firmware Info"));
    QCOMPARE(dialog->size(), QSize(350, 370));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QVERIFY(!(dialog->windowFlags() & Qt::WindowContextHelpButtonHint));

    // Closing keeps it; it goes with its parent.
    dialog->show();
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog);
}

void tst_FirwareInfoShow::rows_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("no device") << QStringList() << QStringList();
    QTest::newRow("one") << QStringList{"2-NUC12101KBZK,ZK87A"} << QStringList{"NUC12101KBZK,ZK87A"};
    QTest::newRow("only the first dash counts") << QStringList{"12-ABCD,ZK-87"} << QStringList{"ABCD,ZK-87"};
    QTest::newRow("no dash") << QStringList{"ABCD,ZK87A"} << QStringList{"ABCD,ZK87A"};
    // Key order, not the order of attachment: "10-" sorts before "9-".
    QTest::newRow("key order") << QStringList{"9-A,ZK87A", "10-B,ZM1"} << QStringList{"B,ZM1", "A,ZK87A"};
}

void tst_FirwareInfoShow::rows()
{
    QFETCH(QStringList, keys);
    QFETCH(QStringList, shown);

    QMap<QString, QString> map;
    for (const QString &key : keys)
        map.insert(key, key + QStringLiteral(" V1.02---2024/3/14 10:22:33"));
    DFirwareInfoShow dialog;
    dialog.setFirmwareInfoMap(map);

    QStringList ids;
    QStringList builds;
    for (const DFirwareInfoItem *row : dialog.rows()) {
        ids << row->hidInfoText();
        builds << row->dataTimeInfoText();
    }
    QCOMPARE(ids, shown);
    QCOMPARE(builds, map.values());
}

void tst_FirwareInfoShow::newMapReplacesRows()
{
    DFirwareInfoShow dialog;
    dialog.setFirmwareInfoMap({{"1-A,ZK87A", "V1"}, {"2-B,ZM1", "V2"}});
    QPointer<DFirwareInfoItem> old = dialog.rows().first();
    dialog.setFirmwareInfoMap({{"3-C,ZK104A", "V3"}});
    QCOMPARE(dialog.rows().size(), 1);
    QCOMPARE(dialog.rows().first()->hidInfoText(), QStringLiteral("C,ZK104A"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old);
    dialog.setFirmwareInfoMap({});
    QVERIFY(dialog.rows().isEmpty());
}

void tst_FirwareInfoShow::deviceTextsShownAsTyped()
{
    // Texts come from the devices: markup in them is shown, never rendered.
    DFirwareInfoShow dialog;
    dialog.setFirmwareInfoMap({{"2-<b>x</b>,ZK87A", "<i>V1.02</i>---2024/3/14 10:22:33"}});
    const QList<QLabel *> labels = dialog.rows().first()->findChildren<QLabel *>();
    QCOMPARE(labels.size(), 2);
    for (const QLabel *label : labels)
        QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(dialog.rows().first()->hidInfoText(), QStringLiteral("<b>x</b>,ZK87A"));
    QCOMPARE(dialog.rows().first()->dataTimeInfoText(), QStringLiteral("<i>V1.02</i>---2024/3/14 10:22:33"));
}

QTEST_MAIN(tst_FirwareInfoShow)
#include "tst_FirwareInfoShow.moc"
