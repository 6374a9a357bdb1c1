// SPDX-License-Identifier: GPL-3.0-or-later
#include "Contrast.h"
#include "DDataManager.h"
#include "ThemeColorConfig.h"
#include "ThemeStyleSheets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QtTest>

namespace {

QStringList g_warnings;
QtMessageHandler g_previous = nullptr;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg)
        g_warnings.append(message);
    else if (g_previous)
        g_previous(type, context, message);
}

ThemeColorConfig theme(bool withAlpha)
{
    ThemeColorConfig t;
    const QString alpha = withAlpha ? QStringLiteral(",90") : QString();
    t.DeviceControlDefaultColor = QStringLiteral("11,12,13") + alpha;
    t.DeviceControlHoverColor = QStringLiteral("21,22,23");
    t.TextDefaultColor = QStringLiteral("31,32,33") + alpha;
    t.TextCheckedColor = QStringLiteral("41,42,43");
    t.DeviceBorderColor = QStringLiteral("51,52,53");
    t.HomeScrollBarBgColor = QStringLiteral("61,62,63");
    t.TextFont = QStringLiteral("Test Family");
    return t;
}

}  // namespace

// The shared sheets fill every slot with the theme's texts and parse as Qt style sheets.
class tst_ThemeStyleSheets : public QObject
{
    Q_OBJECT
private slots:
    void sheets_data();
    void sheets();
    void checkBoxOptions();
    void popupTextReads_data();
    void popupTextReads();
    void alphaAsQtPaintsIt_data();
    void alphaAsQtPaintsIt();
};

void tst_ThemeStyleSheets::sheets_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QStringList>("expected");
    for (const bool alpha : {false, true}) {
        const ThemeColorConfig t = theme(alpha);
        const QString tag = alpha ? QStringLiteral(" (alpha)") : QString();
        QTest::newRow(qPrintable("tab buttons" + tag))
            << stylesheets::tabButtons(t)
            << QStringList{"background-color: " + stylesheets::colour(t.DeviceControlDefaultColor),
                           "rgba(21,22,23,0.5098)", "color: rgb(41,42,43)", "font: 75 12pt \"Test Family\""};
        QTest::newRow(qPrintable("scroll bar" + tag))
            << stylesheets::scrollBar(t) << QStringList{"background: rgb(61,62,63)", "width: 3px"};
        QTest::newRow(qPrintable("push buttons" + tag))
            << stylesheets::pushButtons(t, 8)
            << QStringList{"border-radius: 8px", "border: 1px solid rgb(51,52,53)", "rgba(21,22,23,0.5098)",
                           "font: 75 10pt \"Test Family\""};
        QTest::newRow(qPrintable("combo box" + tag))
            << stylesheets::comboBox(t)
            << QStringList{"publicIco/comboxDef.png", "publicIco/comboxSel.png", "height: 40px",
                           "border: 1px solid rgb(41,42,43)"};
        QTest::newRow(qPrintable("rounded tool buttons" + tag))
            << stylesheets::roundedButtons(t, QStringLiteral("QToolButton"))
            << QStringList{"QToolButton{border-radius: 6px", "QToolButton:hover", "QToolButton:pressed"};
        QTest::newRow(qPrintable("check boxes" + tag))
            << stylesheets::checkBoxes(t.TextDefaultColor, t.TextCheckedColor)
            << QStringList{"publicIco/checkBoxDef.png", "publicIco/checkBoxSel.png", "width: 13px; height: 13px"};
    }
}

void tst_ThemeStyleSheets::sheets()
{
    QFETCH(QString, sheet);
    QFETCH(QStringList, expected);
    for (const QString &text : expected)
        QVERIFY2(sheet.contains(text), qPrintable(text + " not in\n" + sheet));
    QVERIFY2(!sheet.contains(QRegularExpression(QStringLiteral("%\\d"))), qPrintable(sheet));
    QVERIFY(!sheet.contains(QStringLiteral("rgb()")));

    // Qt says so on a sheet it cannot parse when a widget is polished with it.
    QWidget host;
    host.setStyleSheet(sheet);
    new QPushButton(QStringLiteral("push"), &host);
    new QToolButton(&host);
    new QCheckBox(QStringLiteral("check"), &host);
    new QComboBox(&host);
    new QScrollArea(&host);
    g_warnings.clear();
    g_previous = qInstallMessageHandler(collect);
    host.show();
    for (QWidget *child : host.findChildren<QWidget *>())
        child->ensurePolished();
    qInstallMessageHandler(g_previous);
    QVERIFY2(g_warnings.filter(QStringLiteral("parse")).isEmpty(), qPrintable(g_warnings.join('\n')));
}

void tst_ThemeStyleSheets::checkBoxOptions()
{
    const QString plain = stylesheets::checkBoxes(QStringLiteral("175, 175, 175"), QStringLiteral("255, 49, 53"));
    QVERIFY(!plain.contains(QStringLiteral("font:")));
    QVERIFY(plain.contains(QStringLiteral("QCheckBox:checked{color: rgb(255, 49, 53);}")));

    // A colour with an alpha is written so that Qt reads the alpha.
    QCOMPARE(stylesheets::colour(QStringLiteral("1,2,3")), QStringLiteral("rgb(1,2,3)"));
    QCOMPARE(stylesheets::colour(QStringLiteral("1,2,3,90")), QStringLiteral("rgba(1,2,3,0.3529)"));
    QCOMPARE(stylesheets::translucent(QStringLiteral("1,2,3,90"), 130), QStringLiteral("rgba(1,2,3,0.5098)"));

    const QString styled = stylesheets::checkBoxes(QStringLiteral("1,2,3"), QStringLiteral("4,5,6"),
                                                   stylesheets::boldFont(12, QStringLiteral("Family")), QSize(12, 11));
    QVERIFY(styled.contains(QStringLiteral("font: 75 12pt \"Family\";")));
    QVERIFY(styled.contains(QStringLiteral("width: 12px; height: 11px;")));
}

void tst_ThemeStyleSheets::popupTextReads_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<bool>("picture");
    for (int theme = 0; theme < 5; ++theme) {
        for (bool picture : {false, true})
            QTest::newRow(qPrintable(QStringLiteral("theme %1 picture %2").arg(theme).arg(picture)))
                << theme << picture;
    }
}

// The text and the accent of cards, popups and toasts read on the popup background of every theme;
// a colour that reads already is kept as it is.
void tst_ThemeStyleSheets::popupTextReads()
{
    QFETCH(int, theme);
    QFETCH(bool, picture);
    DDataManager *data = DDataManager::getInstance();
    data->setBgImageIsUsing(picture);
    data->loadThemeConfig(theme);
    const ThemeColorConfig t = data->getThemeColor();
    const auto rgb = [](const QString &text) {
        const QStringList p = text.split(QLatin1Char(','));
        return QColor(p.value(0).toInt(), p.value(1).toInt(), p.value(2).toInt());
    };
    const QColor background = rgb(t.AllBgColor);
    for (const QString &text : {stylesheets::popupText(t), stylesheets::popupAccent(t, t.TextCheckedColor)})
        QVERIFY2(contrastRatio(rgb(text), background) >= 4.5, qPrintable(text + QStringLiteral(" on ") + t.AllBgColor));
    QCOMPARE(stylesheets::readableColour(QStringLiteral("0,0,0"), QStringLiteral("255,255,255")),
             QStringLiteral("0,0,0"));
    data->setBgImageIsUsing(false);
    data->loadThemeConfig(0);
}

void tst_ThemeStyleSheets::alphaAsQtPaintsIt_data()
{
    QTest::addColumn<QString>("themeColour");
    QTest::addColumn<int>("expectedGrey");  // black at that alpha over a white parent
    QTest::newRow("nearly transparent") << QStringLiteral("0,0,0,1") << 254;
    QTest::newRow("transparent") << QStringLiteral("0,0,0,0") << 255;
    QTest::newRow("alpha 90") << QStringLiteral("0,0,0,90") << 165;
    QTest::newRow("opaque") << QStringLiteral("0,0,0,255") << 0;
    QTest::newRow("without alpha") << QStringLiteral("0,0,0") << 0;
}

// Qt reads an alpha of 0 or 1 in rgba() as a fraction: the sheet must paint the alpha the theme
// gives, not opaque black, and Qt must not complain about it.
void tst_ThemeStyleSheets::alphaAsQtPaintsIt()
{
    QFETCH(QString, themeColour);
    QFETCH(int, expectedGrey);
    g_warnings.clear();
    g_previous = qInstallMessageHandler(collect);
    QWidget parent;
    parent.setObjectName(QStringLiteral("parent"));
    parent.setStyleSheet(QStringLiteral("QWidget#parent{background-color: rgb(255,255,255);}"));
    parent.resize(40, 40);
    QWidget *area = new QWidget(&parent);
    area->setObjectName(QStringLiteral("area"));
    area->setAttribute(Qt::WA_StyledBackground);
    area->setStyleSheet(QStringLiteral("QWidget#area{background-color: %1;}").arg(stylesheets::colour(themeColour)));
    area->setGeometry(0, 0, 40, 40);
    const QImage image = parent.grab().toImage();
    qInstallMessageHandler(g_previous);
    QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join('\n')));
    QVERIFY2(qAbs(qGray(image.pixel(20, 20)) - expectedGrey) <= 2,
             qPrintable(QString::number(qGray(image.pixel(20, 20)))));
}

QTEST_MAIN(tst_ThemeStyleSheets)
#include "tst_ThemeStyleSheets.moc"
