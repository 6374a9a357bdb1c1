// SPDX-License-Identifier: GPL-3.0-or-later
// The lighting save prompt: the result of each way of closing it, the one close signal that takes
// the device page's mask away, a fresh result for every showing, and the theme and language at
// the next showing.

#include "DDataManager.h"
#include "DTipInfoDia.h"
#include "ThemeStyleSheets.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <functional>

namespace {

// Stands for a language file: "Tip" and "Save" of the prompt in another language.
class FakeTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char * = nullptr, int = -1) const override
    {
        if (qstrcmp(context, "DTipInfoDia") != 0)
            return QString();
        if (qstrcmp(sourceText, "Tip") == 0)
            return QStringLiteral("Hinweis");
        if (qstrcmp(sourceText, "Save") == 0)
            return QStringLiteral("Speichern");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

template <class T>
T *child(QWidget &w, const char *name)
{
    T *c = w.findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no widget %s", name);
    return c;
}

}  // namespace

class tst_DTipInfoDia : public QObject
{
    Q_OBJECT

private slots:
    void window();
    void closes_data();
    void closes();
    void everyShowingStartsAtZero();
    void themeAndLanguageAtTheNextShowing();
    void alphaColoursAreUsable();
};

void tst_DTipInfoDia::window()
{
    QWidget page;
    DTipInfoDia dialog(&page);
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(dialog.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    QCOMPARE(dialog.size(), QSize(450, 180));
    QCOMPARE(dialog.minimumSize(), QSize(450, 180));
    QCOMPARE(dialog.maximumSize(), QSize(450, 180));
    QCOMPARE(dialog.getTipResult(), 0);
}

void tst_DTipInfoDia::closes_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("Save") << "pushButton_SaveChanged" << 1;
    QTest::newRow("Discard") << "pushButton_Discard" << 2;
    QTest::newRow("close button") << "pushButton_Close" << 0;
    QTest::newRow("Escape") << "escape" << 0;
    QTest::newRow("window manager") << "close" << 0;
}

// Run as the device page runs it: a mask over the window, hidden by the close signal.
void tst_DTipInfoDia::closes()
{
    QFETCH(QString, how);
    QFETCH(int, result);
    QWidget window;
    window.resize(800, 600);
    window.show();
    auto *mask = new QWidget(&window, Qt::FramelessWindowHint);
    mask->setObjectName(QStringLiteral("widget"));
    mask->resize(window.size());
    DTipInfoDia dialog(&window);
    QList<bool> shownAtSignal;
    connect(&dialog, &DTipInfoDia::sigTipInfoDiaClose, mask, [&] {
        shownAtSignal.append(dialog.isVisible());
        mask->hide();
    });
    mask->show();
    dialog.applyTheme();

    QTimer::singleShot(0, &dialog, [&] {
        if (how == QLatin1String("escape"))
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else if (how == QLatin1String("close"))
            dialog.close();
        else
            QTest::mouseClick(child<QPushButton>(dialog, qPrintable(how)), Qt::LeftButton);
    });
    dialog.setWindowModality(Qt::WindowModal);
    dialog.resetTipResult();
    dialog.exec();

    QCOMPARE(dialog.getTipResult(), result);
    QCOMPARE(shownAtSignal, QList<bool>{true});
    QVERIFY(mask->isHidden());
    QVERIFY(!dialog.isVisible());
}

void tst_DTipInfoDia::everyShowingStartsAtZero()
{
    DTipInfoDia dialog;
    QTimer::singleShot(
        0, &dialog, [&] { QTest::mouseClick(child<QPushButton>(dialog, "pushButton_SaveChanged"), Qt::LeftButton); });
    dialog.exec();
    QCOMPARE(dialog.getTipResult(), 1);

    // The next showing, closed without a button, does not keep the earlier Save.
    QTimer::singleShot(0, &dialog, [&] {
        QCOMPARE(dialog.getTipResult(), 0);
        dialog.reject();
    });
    dialog.exec();
    QCOMPARE(dialog.getTipResult(), 0);
}

void tst_DTipInfoDia::themeAndLanguageAtTheNextShowing()
{
    DDataManager *data = DDataManager::getInstance();
    data->loadThemeConfig(0);
    DTipInfoDia dialog;
    dialog.applyTheme();
    QLabel *title = child<QLabel>(dialog, "label_Title");
    QCOMPARE(title->text(), QStringLiteral("Tip"));
    const QString dark = child<QFrame>(dialog, "frame_Title")->styleSheet();
    QVERIFY2(dark.contains(data->getThemeColor().TextCheckedColor), qPrintable(dark));
    const QString buttons = child<QFrame>(dialog, "frame_3")->styleSheet();
    QVERIFY2(buttons.contains(stylesheets::translucent(data->getThemeColor().DeviceControlHoverColor, 130)),
             qPrintable(buttons));

    data->loadThemeConfig(1);
    FakeTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QCOMPARE(title->text(), QStringLiteral("Tip"));  // not before the next showing
    dialog.applyTheme();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(title->text(), QStringLiteral("Hinweis"));
    QCOMPARE(child<QPushButton>(dialog, "pushButton_SaveChanged")->text(), QStringLiteral("Speichern"));
    const QString light = child<QFrame>(dialog, "frame_Title")->styleSheet();
    QVERIFY(light != dark);
    QVERIFY2(light.contains(data->getThemeColor().TextCheckedColor), qPrintable(light));
    data->loadThemeConfig(0);
}

// With a background image the theme keeps four-number colours; Qt's style sheets take those
// only in rgba(), and the hover rule adds its own alpha to the first three numbers.
void tst_DTipInfoDia::alphaColoursAreUsable()
{
    DDataManager *data = DDataManager::getInstance();
    data->setBgImageIsUsing(true);
    data->loadThemeConfig(0);
    QCOMPARE(data->getThemeColor().DeviceControlHoverColor, QStringLiteral("34,34,34,128"));
    DTipInfoDia dialog;
    dialog.applyTheme();
    data->setBgImageIsUsing(false);
    data->loadThemeConfig(0);

    const QRegularExpression fourInRgb(QStringLiteral("rgb\\(\\s*\\d+\\s*,\\s*\\d+\\s*,\\s*\\d+\\s*,"));
    QStringList sheets{dialog.styleSheet()};
    for (QWidget *w : dialog.findChildren<QWidget *>())
        sheets.append(w->styleSheet());
    for (const QString &sheet : qAsConst(sheets))
        QVERIFY2(!fourInRgb.match(sheet).hasMatch(), qPrintable(sheet));
    const QString buttons = child<QFrame>(dialog, "frame_3")->styleSheet();
    QVERIFY2(buttons.contains(QStringLiteral("background-color: rgba(34,34,34,0.5098);")), qPrintable(buttons));
    QVERIFY2(dialog.styleSheet().contains(QStringLiteral("rgba(30,30,30,0.502)")), qPrintable(dialog.styleSheet()));
}

QTEST_MAIN(tst_DTipInfoDia)
#include "tst_DTipInfoDia.moc"
