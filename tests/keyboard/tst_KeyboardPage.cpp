// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardButCustom.h"
#include "keyboardImagePage.h"
#include "keyboardPage.h"
#include "sideLightButtonCustom.h"

#include <QFrame>
#include <QSignalSpy>
#include <QtTest>

namespace {

QByteArray key(int x, int y, int dec, const QByteArray &caption)
{
    return "{\"PosX\": " + QByteArray::number(x) + ", \"PosY\": " + QByteArray::number(y)
           + ", \"Width\": 20, \"Height\": 20, \"Dec\": " + QByteArray::number(dec)
           + ", \"qtDec\": 0, \"Character\": \"" + caption + "\"}";
}

const QByteArray kDummy =
    "{\"PosX\": -1, \"PosY\": -1, \"Width\": 00, \"Height\": 00, \"Dec\": 00, \"qtDec\": 00, \"Character\": \"-\"}";

// Esc, a dummy and F1 in row 1; A in row 2; Fn by caption and a key of code -10 in row 6; two
// side LEDs, the second a place holder.
const QByteArray kLayout = "{\"Keyboard\": {\"sideLightHave\": 1, \"supportOnboard\": 1},\r\n"
                           "\"EveryKeyInfo_Row00\": [{\"PosX\": 0, \"PosY\": 100, \"Width\": 10, \"Height\": 4, "
                           "\"Index\": 0, \"validStatus\": 1}, {\"PosX\": 20, \"PosY\": 100, \"Width\": 10, "
                           "\"Height\": 4, \"Index\": 1, \"validStatus\": 0}],\r\n"
                           "\"EveryKeyInfo_Row01\": ["
                           + key(0, 0, 41, "Esc") + "," + kDummy + "," + key(30, 0, 58, "F1")
                           + "],\r\n"
                             "\"EveryKeyInfo_Row02\": ["
                           + key(0, 30, 4, "A")
                           + "],\r\n"
                             "\"EveryKeyInfo_Row06\": ["
                           + key(0, 60, 5, "Fn") + "," + key(30, 60, -10, "Func") + "]}";

struct Fixture {
    keyboardPage page;
    Fixture(const QByteArray &text = kLayout) { page.parseKeyboardInfo(text); }
    keyboardButCustom *at(int row, int column) const { return page.getKeyButton(row, column); }
};

void verifyFullMatrix(const keyboardPage &page)
{
    const QList<keyboardButCustom *> cells = page.getKeyButtons();
    QCOMPARE(cells.size(), 132);
    for (int i = 0; i < cells.size(); ++i) {
        QVERIFY(cells.at(i));
        QCOMPARE(cells.at(i)->getRow(), i / 22);
        QCOMPARE(cells.at(i)->getColumn(), i % 22);
    }
}

}  // namespace

class tst_KeyboardPage : public QObject
{
    Q_OBJECT

private slots:
    void buildsTheMatrixAndMaps()
    {
        keyboardPage page;
        QSignalSpy loaded(&page, &keyboardPage::sigKeyboardAlreadyLoad);
        page.parseKeyboardInfo(kLayout);
        QCOMPARE(loaded.count(), 1);
        verifyFullMatrix(page);

        QCOMPARE(page.getKeyButton(0, 2)->getKeyDec(), 58);
        QCOMPARE(page.getKeyButton(0, 2)->getPosX(), 40);
        QCOMPARE(page.getKeyButton(0, 2)->getPosY(), 10);
        QCOMPARE(page.getKeyButton(0, 1)->getKeyDec(), 0);
        QCOMPARE(page.getKeyButton(0, 1)->size(), QSize(0, 0));
        QCOMPARE(page.getKeyButton(5, 0)->getKeyCharacter(), QStringLiteral("Fn"));
        QCOMPARE(page.getKeyButtonMap().keys(), (QList<int>{-10, 0, 4, 5, 41, 58}));
        QCOMPARE(page.getKeyCodeList(), (QList<int>{41, 0, 58, 4, 5, -10}));
        QCOMPARE(page.getLayoutKeyNameMap().value(58), QStringLiteral("F1"));
        QVERIFY(page.isSideLightHave());
        QVERIFY(page.isSupportOnboard());
        QCOMPARE(page.getSideLightButtons().size(), 2);
        QVERIFY(!page.getKeyButton(6, 0));
        QVERIFY(!page.getKeyButton(0, 22));
    }

    // Whatever the file, every cell holds a button: the lighting reads all 132.
    void everyCellHoldsAButton_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("loadedSignals");
        QTest::newRow("broken JSON") << QByteArray("{\"EveryKeyInfo_Row01\": [") << 0;
        QTest::newRow("no rows") << QByteArray("{}") << 1;
        QByteArray longRow = "{\"EveryKeyInfo_Row03\": [";
        for (int i = 0; i < 30; ++i)
            longRow += (i ? "," : "") + key(i * 25, 0, 4 + i, "K");
        QTest::newRow("a row longer than 22") << longRow + "]}" << 1;
    }

    void everyCellHoldsAButton()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, loadedSignals);
        keyboardPage page;
        QSignalSpy loaded(&page, &keyboardPage::sigKeyboardAlreadyLoad);
        page.parseKeyboardInfo(text);
        QCOMPARE(loaded.count(), loadedSignals);
        verifyFullMatrix(page);
    }

    void missingFile()
    {
        keyboardPage page;
        QSignalSpy loaded(&page, &keyboardPage::sigKeyboardAlreadyLoad);
        page.setKeyboardModel("ZX999");
        QCOMPARE(loaded.count(), 0);
        verifyFullMatrix(page);
        QVERIFY(page.getKeyButtonMap().isEmpty());
    }

    void reloadReplacesTheKeys()
    {
        Fixture f;
        QPointer<keyboardButCustom> old = f.at(0, 0);
        f.page.parseKeyboardInfo(kLayout);
        QVERIFY(old.isNull());
        QCOMPARE(f.page.findChildren<keyboardButCustom *>().size(), 132);
        QCOMPARE(f.page.findChildren<sideLightButtonCustom *>().size(), 2);
    }

    void selectingAKey()
    {
        Fixture f;
        QSignalSpy clicked(&f.page, &keyboardPage::sigKeyboardClicked);
        f.at(0, 0)->click();
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), 41);
        QCOMPARE(clicked.at(0).at(1).toString(), QStringLiteral("Esc"));
        QVERIFY(f.at(0, 0)->isSelected());

        f.at(0, 0)->click();  // the selected key again
        QCOMPARE(clicked.count(), 1);

        f.at(0, 2)->click();
        QCOMPARE(clicked.count(), 2);
        QVERIFY(!f.at(0, 0)->isSelected());
        QVERIFY(f.at(0, 2)->isSelected());
        QCOMPARE(f.page.selectedKeyButton(), f.at(0, 2));

        f.page.clearKeySelection();
        QVERIFY(!f.at(0, 2)->isSelected());
        QVERIFY(!f.page.selectedKeyButton());
    }

    void fnCannotBeSelected_data()
    {
        QTest::addColumn<int>("column");
        QTest::newRow("by caption") << 0;
        QTest::newRow("by code") << 1;
    }

    void fnCannotBeSelected()
    {
        QFETCH(int, column);
        Fixture f;
        QSignalSpy clicked(&f.page, &keyboardPage::sigKeyboardClicked);
        f.at(5, column)->click();
        QCOMPARE(clicked.count(), 0);
        QVERIFY(!f.at(5, column)->isSelected());
    }

    void lockedKeysOfAModel_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("selectable");
        for (int code : {38, 39, 41}) {
            QTest::newRow(qPrintable(QString("ZK87R %1").arg(code))) << "ZK87R" << code << false;
            QTest::newRow(qPrintable(QString("ZK87A %1").arg(code))) << "ZK87A" << code << true;
        }
        QTest::newRow("ZK87R 40") << "ZK87R" << 40 << true;
    }

    void lockedKeysOfAModel()
    {
        QFETCH(QString, model);
        QFETCH(int, code);
        QFETCH(bool, selectable);
        keyboardPage page;
        page.setKeyboardModel(model);
        QSignalSpy clicked(&page, &keyboardPage::sigKeyboardClicked);
        keyboardButCustom *button = page.getKeyButtonMap().value(code);
        QVERIFY(button);
        button->click();
        QCOMPARE(clicked.count(), selectable ? 1 : 0);
    }

    void markingKeysForLighting()
    {
        Fixture f;
        QSignalSpy clicked(&f.page, &keyboardPage::sigKeyboardClicked);
        f.page.setLightMode(true);
        f.at(0, 0)->click();  // light mode without custom lighting: nothing
        QVERIFY(!f.at(0, 0)->isSelected());

        f.page.setCustomLightMode(true);
        f.at(0, 0)->click();
        f.at(1, 0)->click();
        QCOMPARE(f.page.getLightKeySelected(), (QList<keyboardButCustom *>{f.at(0, 0), f.at(1, 0)}));
        f.at(0, 0)->click();  // a marked key again: unmarked
        QCOMPARE(f.page.getLightKeySelected(), (QList<keyboardButCustom *>{f.at(1, 0)}));
        QVERIFY(!f.at(0, 0)->isSelected());
        QCOMPARE(clicked.count(), 0);

        f.page.setCustomLightMode(false);
        QVERIFY(f.page.getLightKeySelected().isEmpty());
        QVERIFY(!f.at(1, 0)->isSelected());
    }

    void setSelectedKeysColor()
    {
        Fixture f;
        QSignalSpy updated(&f.page, &keyboardPage::sigUpdateCustomLight);
        f.page.setSelectedKeysColor(1, 2, 3);  // nothing marked
        QCOMPARE(updated.count(), 0);

        f.page.setLightMode(true);
        f.page.setCustomLightMode(true);
        f.at(0, 2)->click();
        f.page.setSelectedKeysColor(10, 20, 30);
        QCOMPARE(updated.count(), 1);
        QCOMPARE(f.at(0, 2)->getKeyColor(), QColor(10, 20, 30, 180));
        QCOMPARE(f.at(0, 0)->getKeyColor(), QColor(0, 0, 0, 0));
    }

    // The rubber band marks keys by a point 20 pixels inside their top-left corner, as the drag
    // area sees it: Esc at (20, 20), F1 at (50, 20), A at (20, 50).
    void rubberBand_data()
    {
        QTest::addColumn<QRect>("band");  // start and end as the two corners
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("zero size on a point") << QRect(QPoint(20, 20), QPoint(20, 20)) << QList<int>{41};
        QTest::newRow("bounds included") << QRect(QPoint(20, 20), QPoint(50, 20)) << QList<int>{41, 58};
        QTest::newRow("bottom-right to top-left") << QRect(QPoint(50, 50), QPoint(20, 20)) << QList<int>{4, 41, 58};
        QTest::newRow("one pixel short") << QRect(QPoint(21, 21), QPoint(49, 49)) << QList<int>{};
    }

    void rubberBand()
    {
        QFETCH(QRect, band);
        QFETCH(QList<int>, codes);
        Fixture f;
        f.page.setLightMode(true);
        f.page.setCustomLightMode(true);
        f.at(5, 0)->click();  // marked by click before the band
        f.page.onDragArea(band.left(), band.top(), band.right(), band.bottom());

        QList<int> marked;
        for (keyboardButCustom *key : f.page.getLightKeySelected()) {
            marked.append(key->getKeyDec());
            QVERIFY(key->isSelected());
            QVERIFY(key->hasDragMark());
        }
        QCOMPARE(marked, codes);
        QVERIFY(!f.at(5, 0)->isSelected());

        f.page.clearLightSelection();
        QVERIFY(f.page.getLightKeySelected().isEmpty());
        for (keyboardButCustom *key : f.page.getKeyButtons()) {
            QVERIFY(!key->isSelected());
            QVERIFY(!key->hasDragMark());
        }
    }

    void sideLights()
    {
        Fixture f;
        const QList<sideLightButtonCustom *> leds = f.page.getSideLightButtons();
        QVERIFY(leds.at(0)->isHidden());
        f.page.showSideLights(true);
        QVERIFY(!leds.at(0)->isHidden());
        QVERIFY(leds.at(1)->isHidden());  // validStatus 0
        f.page.showSideLights(false);
        QVERIFY(leds.at(0)->isHidden());
        QCOMPARE(leds.at(0)->pos(), QPoint(10, 110));

        Fixture plain(QByteArray("{\"EveryKeyInfo_Row00\": [{\"Width\": 10, \"Height\": 4, \"validStatus\": 1}]}"));
        QVERIFY(plain.page.getSideLightButtons().isEmpty());
        plain.page.showSideLights(true);  // no side lights: nothing happens
    }

    void roundedSideLedsByModel_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("leds");
        QTest::addColumn<bool>("rounded");
        QTest::newRow("ZK87S") << "ZK87S" << 41 << true;
        QTest::newRow("ZK104S") << "ZK104S" << 49 << true;
        QTest::newRow("ZK104A") << "ZK104A" << 0 << false;
    }

    void roundedSideLedsByModel()
    {
        QFETCH(QString, model);
        QFETCH(int, leds);
        QFETCH(bool, rounded);
        keyboardPage page;
        page.setKeyboardModel(model);
        QCOMPARE(page.getSideLightButtons().size(), leds);
        for (sideLightButtonCustom *led : page.getSideLightButtons())
            QCOMPARE(led->isDrawRounded(), rounded);
    }

    void specialEnterKey()
    {
        const QByteArray text = "{\"Keyboard\": {\"specialEnterKey\": 1}, \"EveryKeyInfo_Row04\": [{\"PosX\": 0, "
                                "\"PosY\": 0, \"Width\": 40, \"Height\": 56, \"Dec\": 40, \"Character\": \"Enter\"}]}";
        Fixture f(text);
        QVERIFY(f.page.isSpecialEnterKey());
        keyboardButCustom *enter = f.at(3, 0);
        QVERIFY(!enter->mask().isEmpty());
        QVERIFY(!enter->mask().contains(QPoint(2, 50)));
    }

    // The picture's path is quoted in the style sheet: a program folder may hold blanks or brackets.
    void pictureStyleSheet()
    {
        keyboardImagePage picture;
        picture.setKeyboardModel("ZK104A");
        auto *frame = picture.findChild<QFrame *>("frame");
        QVERIFY(frame);
        const QString path = keyboardImagePage::picturePath(QCoreApplication::applicationDirPath(), "ZK104A");
        QCOMPARE(frame->styleSheet(), QString("QFrame#frame{border-image: url(\"%1\");}").arg(path));
        QCOMPARE(keyboardImagePage::picturePath("/opt/my (x86) dir", "ZK87S"),
                 QStringLiteral("/opt/my (x86) dir/images/hidImages/Keyboard_ZK87S.png"));
    }

    void keyCustomView()
    {
        Fixture f;
        f.at(0, 0)->click();
        f.page.setKeyCustomView(false, true);
        QVERIFY(!f.at(0, 0)->isSelected());
        f.page.setKeyCustomView(true, true);
        QVERIFY(f.at(0, 0)->isSelected());
    }
};

QTEST_MAIN(tst_KeyboardPage)
#include "tst_KeyboardPage.moc"
