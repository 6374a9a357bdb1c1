// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse lighting page's LED buttons from the carried definition file, as the mouse lighting
// engine paints them.

#include "DMouseLightPage.h"
#include "mouseLightButtonCustom.h"
#include "mouseLightDealMain.h"
#include "XmlRecords.h"

#include <QImage>
#include <QtTest>

class tst_MouseLedButtons : public QObject
{
    Q_OBJECT

private slots:
    void buttonsFromTheDefinition();
    void paintsAFadingDisc();
    void engineSetUpPaintsTheButtons();
};

void tst_MouseLedButtons::buttonsFromTheDefinition()
{
    DMouseLightPage page(QStringLiteral("ZM1"));
    page.loadMouseInfo(QStringLiteral("ZM1"));
    const QList<mouseLightButtonCustom *> buttons = page.ledButtons();
    QCOMPARE(buttons.size(), 18);
    int valid = 0;
    for (int k = 0; k < buttons.size(); ++k) {
        const mouseLightButtonCustom *button = buttons.at(k);
        QCOMPARE(button->parentWidget(), &page);
        QCOMPARE(button->index(), k + 1);
        QCOMPARE(button->color(), QColor(0, 255, 0, 200));
        if (button->validStatus() == 1) {
            ++valid;
            QCOMPARE(button->size(), QSize(10, 10));
            QCOMPARE(button->pos(), button->buttonPos());
        } else {
            QCOMPARE(button->size(), QSize(0, 0));
            QCOMPARE(button->pos(), QPoint(-1, -1));
        }
    }
    QCOMPARE(valid, 8);
    // The Logo LED and the wheel's.
    QCOMPARE(buttons.at(5)->pos(), QPoint(347, 156));
    QCOMPARE(buttons.at(7)->pos(), QPoint(346, 47));

    // An unknown model has no definition: no buttons, and a log line.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no mouse definition"));
    page.loadMouseInfo(QStringLiteral("NoSuchMouse"));
    QVERIFY(page.ledButtons().isEmpty());
}

void tst_MouseLedButtons::paintsAFadingDisc()
{
    mouseLightButtonCustom button;
    button.setButtonSize(20, 20);
    button.setColor(QColor(255, 0, 0, 255));
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    button.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);  // no window background
    const QColor centre = image.pixelColor(10, 10);
    QVERIFY2(centre.red() > 200 && centre.green() == 0 && centre.alpha() > 200,
             qPrintable(centre.name(QColor::HexArgb)));
    QVERIFY(image.pixelColor(18, 10).alpha() < centre.alpha());
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);  // outside the disc

    mouseLightButtonCustom empty;
    empty.setButtonSize(0, 0);
    empty.repaint();  // draws nothing, and does not fail
    QCOMPARE(empty.size(), QSize(0, 0));
}

void tst_MouseLedButtons::engineSetUpPaintsTheButtons()
{
    DMouseLightPage page(QStringLiteral("ZM1"));
    page.loadMouseInfo(QStringLiteral("ZM1"));
    mouseLightDealMain engine;
    engine.setMouseLightButtons(page.ledButtons());
    QCOMPARE(engine.buttonCount(), 18);
    colorInfoData record;
    record.ledType = 0;
    record.ledModeR = 10;
    record.ledModeG = 20;
    record.ledModeB = 30;
    engine.setAroundLightConfig(record);
    QCOMPARE(page.ledButtons().at(3)->color(), QColor(10, 20, 30, 180));
    engine.stopAllLightThreads();
    // The page is replaced: the engine is handed the new, empty list first.
    engine.setMouseLightButtons({});
    QCOMPARE(engine.buttonCount(), 0);
}

QTEST_MAIN(tst_MouseLedButtons)
#include "tst_MouseLedButtons.moc"
