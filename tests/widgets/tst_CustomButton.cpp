// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomButton.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor kDefIcon(220, 0, 0);
const QColor kSelIcon(0, 220, 0);

QImage grab(CustomButton &button)
{
    QImage image(button.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    button.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QColor at(const QImage &image, int x, int y)
{
    return QColor::fromRgba(image.pixel(x, y));
}

}  // namespace

class TestCustomButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void selectedIconPath_data();
    void selectedIconPath();
    void selectedLookEveryTime();
    void hover();
    void themeColoursAtNextPaint();
    void longTextIsClipped();
    void missingIconDrawsNothing();

private:
    QTemporaryDir m_dir;
    QString m_oldCurrent;
};

void TestCustomButton::initTestCase()
{
    // The selected icon is found by the first "." of the path, so the icons are reached through a
    // relative path without dots (the temporary folder's own name may hold one).
    QVERIFY(m_dir.isValid());
    m_oldCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    QVERIFY(QDir().mkdir(QStringLiteral("icons")));
    QImage def(16, 16, QImage::Format_RGB32);
    def.fill(kDefIcon);
    QVERIFY(def.save(QStringLiteral("icons/mouseDef.png")));
    QImage sel(16, 16, QImage::Format_RGB32);
    sel.fill(kSelIcon);
    QVERIFY(sel.save(QStringLiteral("icons/mouseSel.png")));
}

void TestCustomButton::cleanupTestCase()
{
    QDir::setCurrent(m_oldCurrent);
}

void TestCustomButton::selectedIconPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("selected");

    QTest::newRow("resource icon") << ":/images/device/mouseDef.png"
                                   << ":/images/device/mouseSel.png";
    QTest::newRow("only the first dot counts") << "icons/a.b/keyDef.png"
                                               << "iconSel.b/keyDef.png";
    QTest::newRow("three characters before the dot") << "Def.png"
                                                     << "Sel.png";
    QTest::newRow("two characters before the dot") << "ef.png"
                                                   << "ef.png";
    QTest::newRow("no dot") << "icons/keyDef"
                            << "icons/keyDef";
    QTest::newRow("empty") << ""
                           << "";
}

void TestCustomButton::selectedIconPath()
{
    QFETCH(QString, path);
    QFETCH(QString, selected);
    QCOMPARE(CustomButton::selectedIconPath(path), selected);
}

void TestCustomButton::selectedLookEveryTime()
{
    CustomButton button;
    button.resize(200, 35);
    QCOMPARE(button.focusPolicy(), Qt::NoFocus);
    button.setIconAndText(QStringLiteral("icons/mouseDef.png"), QStringLiteral("Mouse"));

    for (int round = 0; round < 2; ++round) {
        button.setSelected(true);
        QImage image = grab(button);
        QCOMPARE(at(image, 5, 5), QColor(25, 25, 25));
        QCOMPARE(at(image, 20, 16), kSelIcon);
        QCOMPARE(at(image, 30, 26), kSelIcon);  // the selected icon is 16 x 16

        button.setSelected(false);
        image = grab(button);
        QCOMPARE(at(image, 5, 5), QColor(35, 35, 35));
        QCOMPARE(at(image, 20, 16), kDefIcon);
        QCOMPARE(at(image, 30, 26), QColor(35, 35, 35));  // the normal one 15 x 15
    }
}

void TestCustomButton::hover()
{
    CustomButton button;
    button.resize(200, 35);
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);

    QCoreApplication::sendEvent(&button, &enter);
    QCOMPARE(at(grab(button), 5, 5), QColor(40, 40, 40));
    QCoreApplication::sendEvent(&button, &leave);
    QCOMPARE(at(grab(button), 5, 5), QColor(35, 35, 35));

    // A selected button ignores the mouse; deselected under the mouse it looks normal
    // until the mouse leaves and enters again.
    button.setSelected(true);
    QCoreApplication::sendEvent(&button, &enter);
    QCOMPARE(at(grab(button), 5, 5), QColor(25, 25, 25));
    button.setSelected(false);
    QCOMPARE(at(grab(button), 5, 5), QColor(35, 35, 35));
    QCoreApplication::sendEvent(&button, &leave);
    QCoreApplication::sendEvent(&button, &enter);
    QCOMPARE(at(grab(button), 5, 5), QColor(40, 40, 40));
}

void TestCustomButton::themeColoursAtNextPaint()
{
    CustomButton button;
    button.resize(200, 35);
    button.setIconAndText(QString(), QStringLiteral("WWWWWWWW"));
    const QColor selectedBg(1, 2, 3), hoverBg(10, 20, 30), normalBg(60, 70, 80, 128);
    const QColor text(0, 0, 255), selectedText(255, 0, 255);
    button.setThemeColor(selectedBg, hoverBg, normalBg, text, selectedText, QStringLiteral("Sans"));

    auto hasColour = [](const QImage &image, const QColor &colour) {
        for (int y = 10; y < 35; ++y)
            for (int x = 48; x < 178; ++x)
                if (at(image, x, y) == colour)
                    return true;
        return false;
    };

    QImage image = grab(button);
    // An alpha below 255 is kept: the background is only half covered.
    QCOMPARE(qAlpha(image.pixel(5, 5)), 128);
    QVERIFY(hasColour(image, text));

    button.setSelected(true);
    image = grab(button);
    QCOMPARE(at(image, 5, 5), selectedBg);
    QVERIFY(hasColour(image, selectedText));
    QVERIFY(!hasColour(image, text));

    button.setSelected(false);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&button, &enter);
    QCOMPARE(at(grab(button), 5, 5), hoverBg);
}

void TestCustomButton::longTextIsClipped()
{
    CustomButton button;
    button.resize(400, 35);
    const QColor text(255, 255, 255);
    button.setThemeColor(QColor(0, 0, 0), QColor(0, 0, 0), QColor(0, 0, 0), text, text, QStringLiteral("Sans"));
    button.setIconAndText(QString(), QString(60, QLatin1Char('W')));
    const QImage image = grab(button);

    int rightmost = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (at(image, x, y) != QColor(0, 0, 0))
                rightmost = qMax(rightmost, x);
    QVERIFY2(rightmost >= 150 && rightmost <= 177, qPrintable(QString::number(rightmost)));
}

void TestCustomButton::missingIconDrawsNothing()
{
    CustomButton button;
    button.resize(200, 35);
    button.setIconAndText(QStringLiteral("icons/noneDef.png"), QString());
    QImage image = grab(button);
    QCOMPARE(at(image, 20, 16), QColor(35, 35, 35));
    button.setSelected(true);
    image = grab(button);
    QCOMPARE(at(image, 20, 16), QColor(25, 25, 25));
}

QTEST_MAIN(TestCustomButton)
#include "tst_CustomButton.moc"
