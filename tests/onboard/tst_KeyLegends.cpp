// SPDX-License-Identifier: GPL-3.0-or-later
// Every key legend of every layout is drawn whole inside its key: the on-screen keyboard, the
// on-board keyboard of each model, and the legends the keyboard view draws for each model. A
// legend shown is the key's caption, on one line or two, or its short legend, in a font that
// keeps it inside the key; widths are measured here with the font the key is drawn in.

#include "DeviceModels.h"
#include "DOnboardPage.h"
#include "DSoftKeyboardPage.h"
#include "KeyLayoutFile.h"
#include "KeyLegendFit.h"
#include "SoftKeyboardButCustom.h"

#include <QDir>
#include <QFontMetricsF>
#include <QtTest>

namespace {

// The key's legend as drawn: '&&' is one '&'.
QString drawnText(const SoftKeyboardButCustom *key)
{
    QString text = key->text();
    return text.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// Why the text does not fit the size in the font, or empty when it does.
QString overflow(const QString &text, const QFont &font, const QSize &size)
{
    const QFontMetricsF metrics(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    QStringList faults;
    for (const QString &line : lines) {
        const qreal width = metrics.horizontalAdvance(line);
        if (width > size.width() + 0.5)
            faults << QStringLiteral("\"%1\" is %2 px wide").arg(line).arg(width, 0, 'f', 1);
    }
    if (metrics.height() * lines.size() > size.height() + 0.5)
        faults << QStringLiteral("%1 lines are %2 px high").arg(lines.size()).arg(metrics.height() * lines.size());
    if (text.contains(QChar(0x2026)))
        faults << QStringLiteral("cut short");
    return faults.join(QStringLiteral(", "));
}

// The legend is the caption itself, broken over two lines or not, or its short legend.
bool isTheCaption(const QString &shown, const QString &caption)
{
    QString joined = shown;
    joined.replace(QLatin1Char('\n'), QLatin1Char(' '));
    QString unbroken = shown;
    unbroken.remove(QLatin1Char('\n'));
    return shown == caption || joined == caption || unbroken == caption || shown == KeyLegendFit::shortLegend(caption);
}

// Every key button of the page against its size; one line per fault.
QStringList keyFaults(const QWidget &page, bool captions)
{
    QStringList faults;
    for (SoftKeyboardButCustom *key : page.findChildren<SoftKeyboardButCustom *>()) {
        if (key->isHidden() || key->getKeyDec() == 0 || key->width() == 0)
            continue;  // a place holder
        key->ensurePolished();
        const QString shown = drawnText(key);
        // Inside the key less its one-pixel border.
        const QString why = overflow(shown, key->font(), key->size() - QSize(2, 2));
        const QString who = QStringLiteral("key %1 \"%2\" (%3 x %4)")
                                .arg(key->getKeyDec())
                                .arg(key->getCaption())
                                .arg(key->width())
                                .arg(key->height());
        if (!why.isEmpty())
            faults << who + QStringLiteral(": ") + why;
        if (captions && key->getKeyDec() != 227 && key->getKeyDec() != 101 && key->getKeyDec() != 36
            && !isTheCaption(shown, key->getCaption()))
            faults << who + QStringLiteral(" shows \"%1\"").arg(shown);
    }
    return faults;
}

QStringList onboardModels()
{
    QStringList list;
    const QStringList files = QDir(QStringLiteral(":/images/configDir/onboardDeviceConfig/"))
                                  .entryList({QStringLiteral("KeyInfo_*.config")}, QDir::Files, QDir::Name);
    for (QString file : files)
        list << file.remove(QStringLiteral("KeyInfo_")).remove(QStringLiteral(".config"));
    return list;
}

}  // namespace

class tst_KeyLegends : public QObject
{
    Q_OBJECT

private slots:
    void onScreenKeyboard()
    {
        DSoftKeyboardPage page;
        page.loadKeyboardInfo();
        QVERIFY(page.findChildren<SoftKeyboardButCustom *>().size() > 100);
        const QStringList faults = keyFaults(page, true);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        // The long names: whole in a smaller font or as their short legend, never clipped.
        QCOMPARE(drawnText(page.getKeyButtonMap().value(83)), QStringLiteral("Num"));
        QCOMPARE(drawnText(page.getKeyButtonMap().value(57)), QStringLiteral("Caps Lock"));
    }

    void onboardKeyboard_data()
    {
        QTest::addColumn<QString>("model");
        const QStringList models = onboardModels();
        QVERIFY(!models.isEmpty());
        for (const QString &model : models)
            QTest::newRow(qPrintable(model)) << model;
    }

    // Each model's captions, then assignments of the usual lengths in their place.
    void onboardKeyboard()
    {
        QFETCH(QString, model);
        DOnboardPage page;
        page.setKeyboardModel(model);
        const QList<SoftKeyboardButCustom *> keys = page.findChildren<SoftKeyboardButCustom *>();
        QVERIFY(keys.size() > 60);
        QStringList faults = keyFaults(page, true);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

        const QStringList assignments{QStringLiteral("L_CTRL+L_SHIFT+A"), QStringLiteral("Num Lock"),
                                      QStringLiteral("Mouse left button"), QStringLiteral("Volume+")};
        for (const QString &assignment : assignments) {
            for (SoftKeyboardButCustom *key : keys)
                key->setFunctionText(qMakePair(2, assignment));
            faults = keyFaults(page, false);
            // A long assignment may be cut short on a small key, never clipped at its edges.
            faults = faults.filter(QRegularExpression(QStringLiteral("px (wide|high)")));
            QVERIFY2(faults.isEmpty(), qPrintable(assignment + QLatin1Char('\n') + faults.join(QLatin1Char('\n'))));
        }
    }

    void keyboardView_data()
    {
        QTest::addColumn<QString>("model");
        for (const models::DeviceModel &model : models::deviceModels()) {
            if (model.kind == models::DeviceKind::Keyboard)
                QTest::newRow(model.code) << QString::fromLatin1(model.code);
        }
    }

    // The legends the keyboard view draws over each model's keys, in the program's bold font.
    void keyboardView()
    {
        QFETCH(QString, model);
        KeyLayoutFile layout;
        QVERIFY(layout.load(KeyLayoutFile::filePath(model, false, QString())));
        QFont font = QApplication::font();
        font.setBold(true);
        QStringList faults;
        for (const KeyLayoutKey &key : layout.keys()) {
            if (key.dec == 0)
                continue;
            // Inside the key's three-pixel outline.
            const QRect area = QRect(0, 0, key.width, key.height).adjusted(3, 3, -3, -3);
            const KeyLegend legend = KeyLegendFit::fit(key.caption, font, area);
            const QString why = overflow(legend.text, legend.font, area.size());
            const QString who =
                QStringLiteral("key %1 \"%2\" (%3 x %4)").arg(key.dec).arg(key.caption).arg(key.width).arg(key.height);
            if (!legend.whole || !why.isEmpty())
                faults << who + QStringLiteral(": ") + (why.isEmpty() ? QStringLiteral("not whole") : why);
            else if (!isTheCaption(legend.text, key.caption))
                faults << who + QStringLiteral(" shows \"%1\"").arg(legend.text);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The rules themselves on made-up keys.
    void fitRules_data()
    {
        QTest::addColumn<QString>("legend");
        QTest::addColumn<QSize>("key");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("smaller");
        QTest::newRow("fits") << "Esc" << QSize(40, 20) << "Esc" << false;
        QTest::newRow("short legend") << "Num Lock" << QSize(34, 16) << "Num" << false;
        QTest::newRow("two lines") << "Page Up" << QSize(36, 40) << "Page\nUp" << false;
        QTest::newRow("after a plus") << "L_CTRL+A" << QSize(60, 40) << "L_CTRL+\nA" << false;
        QTest::newRow("empty") << "" << QSize(20, 20) << "" << false;
    }

    void fitRules()
    {
        QFETCH(QString, legend);
        QFETCH(QSize, key);
        QFETCH(QString, shown);
        QFETCH(bool, smaller);
        QFont font = QApplication::font();
        font.setPixelSize(12);
        const KeyLegend fitted = KeyLegendFit::fit(legend, font, QRect(QPoint(), key));
        QCOMPARE(fitted.text, shown);
        QVERIFY(fitted.whole);
        QCOMPARE(fitted.font.pixelSize() < 12, smaller);
        QVERIFY(KeyLegendFit::fits(fitted.text, fitted.font, key));
    }

    // A legend no font can hold is cut short inside the key, never clipped at both ends.
    void tooLongIsCutShortInside()
    {
        QFont font = QApplication::font();
        font.setPixelSize(12);
        const QRect area(0, 0, 20, 12);
        const KeyLegend fitted = KeyLegendFit::fit(QStringLiteral("Applications"), font, area);
        QVERIFY(!fitted.whole);
        QCOMPARE(fitted.font.pixelSize(), int(KeyLegendFit::kMinPixelSize));
        QVERIFY(fitted.text.endsWith(QChar(0x2026)) || fitted.text.isEmpty());
        QVERIFY(QFontMetrics(fitted.font).horizontalAdvance(fitted.text) <= area.width());
    }
};

QTEST_MAIN(tst_KeyLegends)
#include "tst_KeyLegends.moc"
