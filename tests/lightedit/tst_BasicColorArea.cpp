#include "ArrowWidget.h"
#include "BasicColorArea.h"
#include "BasicColorItem.h"
#include "deleteBasicColorItemTool.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <QVBoxLayout>

#include <memory>

using ColorList = QList<QColor>;

namespace {

QHBoxLayout *rowAt(BasicColorArea &area, int i)
{
    return qobject_cast<QHBoxLayout *>(area.mainLayout()->itemAt(i)->layout());
}

// What stands in each slot: -1 an add button, else the slot of the swatch there.
QList<int> slotContents(BasicColorArea &area)
{
    QList<int> contents;
    QHBoxLayout *row = area.slotRow();
    for (int i = 0; i < row->count(); ++i) {
        QWidget *w = row->itemAt(i)->widget();
        if (auto *item = qobject_cast<BasicColorItem *>(w))
            contents.append(item->index());
        else
            contents.append(-1);
    }
    return contents;
}

QList<ArrowWidget *> livePopups()
{
    QList<ArrowWidget *> popups;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *popup = qobject_cast<ArrowWidget *>(w))
            popups.append(popup);
    }
    return popups;
}

std::unique_ptr<BasicColorArea> shownArea(int mode)
{
    auto area = std::make_unique<BasicColorArea>();
    area->setMode(mode);
    area->show();
    return area;
}

}  // namespace

class TestBasicColorArea : public QObject
{
    Q_OBJECT

private slots:
    void rowsOfTheModes_data();
    void rowsOfTheModes();
    void addButtonsAskForTheirSlot();
    void addedSwatchTakesTheSlot();
    void deleteThroughThePopup();
    void clearPutsTheButtonsBack();
    void slotsOutsideTheModeOrFilledAreRefused();
    void rightClickOnPresetOpensNothing();
    void onePopupAtATime();
    void swatchPaintsItsColour_data();
    void swatchPaintsItsColour();
    void picturesAreThere_data();
    void picturesAreThere();
};

void TestBasicColorArea::rowsOfTheModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<ColorList>>("presetRows");
    QTest::addColumn<int>("slotTotal");
    QTest::newRow("mode 0") << 0
                            << QList<ColorList>{{QColor(255, 0, 0), QColor(255, 128, 0), QColor(255, 255, 0),
                                                 QColor(0, 255, 0), QColor(0, 255, 255)},
                                                {QColor(255, 0, 255), QColor(128, 0, 255), QColor(0, 0, 255),
                                                 QColor(0, 0, 0), QColor(255, 255, 255)}}
                            << 5;
    QTest::newRow("mode 1") << 1
                            << QList<ColorList>{{QColor(255, 0, 0), QColor(255, 128, 0), QColor(255, 255, 0),
                                                 QColor(0, 255, 0), QColor(0, 255, 255), QColor(0, 0, 255),
                                                 QColor(128, 0, 255), QColor(0, 0, 0), QColor(255, 255, 255)}}
                            << 9;
    QTest::newRow("unknown mode") << 2 << QList<ColorList>{} << 0;
}

void TestBasicColorArea::rowsOfTheModes()
{
    QFETCH(int, mode);
    QFETCH(QList<ColorList>, presetRows);
    QFETCH(int, slotTotal);

    BasicColorArea area;
    area.setMode(mode);
    if (slotTotal == 0) {
        QCOMPARE(area.mainLayout()->count(), 0);
        area.addColorItem(0, 1, 2, 3);
        QVERIFY(area.userItems().isEmpty());
        return;
    }
    QCOMPARE(area.mainLayout()->count(), presetRows.size() + 1);
    for (int r = 0; r < presetRows.size(); ++r) {
        QHBoxLayout *row = rowAt(area, r);
        QVERIFY(row);
        ColorList colours;
        for (int i = 0; i < row->count(); ++i) {
            auto *item = qobject_cast<BasicColorItem *>(row->itemAt(i)->widget());
            QVERIFY(item);
            QCOMPARE(item->index(), -1);
            colours.append(item->color());
        }
        QCOMPARE(colours, presetRows.at(r));
    }
    QCOMPARE(rowAt(area, presetRows.size()), area.slotRow());
    QCOMPARE(slotContents(area), QVector<int>(slotTotal, -1).toList());
    QVERIFY(!area.addButton(slotTotal));

    // A second mode builds nothing more.
    area.setMode(1 - mode);
    QCOMPARE(area.mainLayout()->count(), presetRows.size() + 1);
}

void TestBasicColorArea::addButtonsAskForTheirSlot()
{
    auto area = shownArea(1);
    QSignalSpy add(area.get(), &BasicColorArea::sigAddColor);
    QTest::mouseClick(area->addButton(0), Qt::LeftButton);
    QTest::mouseClick(area->addButton(8), Qt::LeftButton);
    QCOMPARE(add.count(), 2);
    QCOMPARE(add.at(0).at(0).toInt(), 0);
    QCOMPARE(add.at(1).at(0).toInt(), 8);
}

void TestBasicColorArea::addedSwatchTakesTheSlot()
{
    auto area = shownArea(1);
    QSignalSpy selected(area.get(), &BasicColorArea::colorItemSelcSignal);
    area->addColorItem(3, 10, 20, 30);
    QCOMPARE(slotContents(*area), (QList<int>{-1, -1, -1, 3, -1, -1, -1, -1, -1}));
    QVERIFY(area->addButton(3)->isHidden());
    BasicColorItem *item = area->userItems().value(0);
    QVERIFY(item);
    QCOMPARE(item->color(), QColor(10, 20, 30, 255));

    QTest::mouseClick(item, Qt::LeftButton);
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.at(0).at(0).value<QColor>(), QColor(10, 20, 30));

    // Presets report their colour too.
    QTest::mouseClick(qobject_cast<BasicColorItem *>(rowAt(*area, 0)->itemAt(1)->widget()), Qt::LeftButton);
    QCOMPARE(selected.count(), 2);
    QCOMPARE(selected.at(1).at(0).value<QColor>(), QColor(255, 128, 0));
}

void TestBasicColorArea::deleteThroughThePopup()
{
    auto area = shownArea(1);
    QSignalSpy deleted(area.get(), &BasicColorArea::sigDeleteColor);
    area->addColorItem(3, 10, 20, 30);
    area->addColorItem(5, 1, 1, 1);
    QPointer<BasicColorItem> item = area->userItems().value(0);

    QTest::mouseClick(item, Qt::RightButton);
    QPointer<ArrowWidget> popup = area->deletePopup();
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QVERIFY(!popup->parentWidget());
    auto *tool = popup->findChild<deleteBasicColorItemTool *>();
    QVERIFY(tool);
    QTest::mouseClick(tool->deleteButton(), Qt::LeftButton);

    QVERIFY(!popup->isVisible());
    QCOMPARE(deleted.count(), 1);
    QCOMPARE(deleted.at(0).at(0).toInt(), 3);
    QCOMPARE(slotContents(*area), (QList<int>{-1, -1, -1, -1, -1, 5, -1, -1, -1}));
    QCOMPARE(area->slotRow()->itemAt(3)->widget(), area->addButton(3));
    QVERIFY(!area->addButton(3)->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!item);

    // The popup goes with the block.
    area.reset();
    QVERIFY(!popup);
}

void TestBasicColorArea::clearPutsTheButtonsBack()
{
    auto area = shownArea(0);
    QSignalSpy deleted(area.get(), &BasicColorArea::sigDeleteColor);
    const QList<int> empty{-1, -1, -1, -1, -1};
    area->clearColorItems();
    QCOMPARE(slotContents(*area), empty);

    area->addColorItem(0, 255, 0, 0);
    area->addColorItem(4, 0, 0, 255);
    area->addColorItem(2, 0, 255, 0);
    QCOMPARE(slotContents(*area), (QList<int>{0, -1, 2, -1, 4}));
    area->clearColorItems();
    QCOMPARE(slotContents(*area), empty);
    for (int k = 0; k < 5; ++k)
        QVERIFY(!area->addButton(k)->isHidden());
    QVERIFY(area->userItems().isEmpty());
    QCOMPARE(deleted.count(), 0);

    // The slots take colours again.
    area->addColorItem(4, 9, 9, 9);
    QCOMPARE(slotContents(*area), (QList<int>{-1, -1, -1, -1, 4}));
}

void TestBasicColorArea::slotsOutsideTheModeOrFilledAreRefused()
{
    auto area = shownArea(0);
    area->addColorItem(5, 1, 2, 3);
    area->addColorItem(-1, 1, 2, 3);
    area->addColorItem(8, 1, 2, 3);
    QCOMPARE(slotContents(*area), (QList<int>{-1, -1, -1, -1, -1}));

    area->addColorItem(1, 10, 20, 30);
    area->addColorItem(1, 40, 50, 60);
    QCOMPARE(slotContents(*area), (QList<int>{-1, 1, -1, -1, -1}));
    QCOMPARE(area->userItems().size(), 1);
    QCOMPARE(area->userItems().at(0)->color(), QColor(10, 20, 30));

    // Absurd components are kept in range.
    area->addColorItem(2, 300, -5, 128);
    QCOMPARE(area->userItems().at(1)->color(), QColor(255, 0, 128));
}

void TestBasicColorArea::rightClickOnPresetOpensNothing()
{
    auto area = shownArea(1);
    QTest::mouseClick(qobject_cast<BasicColorItem *>(rowAt(*area, 0)->itemAt(0)->widget()), Qt::RightButton);
    QVERIFY(!area->deletePopup());
    QVERIFY(livePopups().isEmpty());
}

void TestBasicColorArea::onePopupAtATime()
{
    auto area = shownArea(1);
    area->addColorItem(0, 1, 2, 3);
    area->addColorItem(1, 4, 5, 6);
    QTest::mouseClick(area->userItems().at(0), Qt::RightButton);
    QPointer<ArrowWidget> first = area->deletePopup();
    QTest::mouseClick(area->userItems().at(1), Qt::RightButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    QCOMPARE(livePopups().size(), 1);

    // The delete removes the swatch last clicked.
    QSignalSpy deleted(area.get(), &BasicColorArea::sigDeleteColor);
    QTest::mouseClick(area->deletePopup()->findChild<deleteBasicColorItemTool *>()->deleteButton(), Qt::LeftButton);
    QCOMPARE(deleted.count(), 1);
    QCOMPARE(deleted.at(0).at(0).toInt(), 1);
    area.reset();
    QVERIFY(livePopups().isEmpty());
}

void TestBasicColorArea::swatchPaintsItsColour_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::newRow("orange") << QColor(255, 128, 0);
    QTest::newRow("dark") << QColor(10, 20, 30);
}

void TestBasicColorArea::swatchPaintsItsColour()
{
    QFETCH(QColor, colour);
    BasicColorItem item(Qt::black);
    item.setColor(colour);
    QCOMPARE(item.size(), QSize(12, 12));
    const qreal r = item.devicePixelRatioF();
    QImage shot = item.grab().toImage();
    QCOMPARE(shot.size(), QSize(qRound(12 * r), qRound(12 * r)));
    QCOMPARE(shot.pixelColor(qFloor(6 * r), qFloor(6 * r)).rgb(), colour.rgb());
    QCOMPARE(shot.pixelColor(qFloor(1 * r), qFloor(6 * r)).rgb(), colour.rgb());

    // While the pointer is over it, a white frame.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&item, &enter);
    QVERIFY(item.isHovered());
    shot = item.grab().toImage();
    QCOMPARE(shot.pixelColor(qFloor(1 * r), qFloor(6 * r)).rgb(), QColor(Qt::white).rgb());
    QCOMPARE(shot.pixelColor(qFloor(6 * r), qFloor(6 * r)).rgb(), colour.rgb());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&item, &leave);
    shot = item.grab().toImage();
    QCOMPARE(shot.pixelColor(qFloor(1 * r), qFloor(6 * r)).rgb(), colour.rgb());
}

void TestBasicColorArea::picturesAreThere_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("shownSize");
    QTest::newRow("slider handle") << ":/images/deviceLed/sliderDef.png" << QSize(20, 16);
    QTest::newRow("add") << ":/images/deviceLed/addColorDef.png" << QSize(12, 12);
    QTest::newRow("add, hovered") << ":/images/deviceLed/addColorSel.png" << QSize(12, 12);
    QTest::newRow("delete") << ":/images/macro/deleteDef.png" << QSize(18, 18);
    QTest::newRow("delete, hovered") << ":/images/macro/deleteSel.png" << QSize(18, 18);
}

void TestBasicColorArea::picturesAreThere()
{
    QFETCH(QString, path);
    QFETCH(QSize, shownSize);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QVERIFY(image.width() >= shownSize.width() && image.height() >= shownSize.height());
}

QTEST_MAIN(TestBasicColorArea)
#include "tst_BasicColorArea.moc"
