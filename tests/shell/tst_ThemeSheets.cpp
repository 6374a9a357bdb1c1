// SPDX-License-Identifier: GPL-3.0-or-later
// Every page of the main window, with an emulated keyboard and mouse, under every theme with the
// background picture on and off: Qt reads every style sheet, and an area given the nearly
// transparent theme colour "0,0,0,1" shows what lies under it, not black.

#include "DDataManager.h"
#include "DDevicePage.h"
#include "DHomePage.h"
#include "DMainWidget.h"
#include "Emulator.h"
#include "EmulatorDeviceNotifier.h"
#include "EmulatorReportDescriptorReader.h"
#include "FirstEnumeration.h"
#include "StyleSheetWarnings.h"
#include "ThemeStyleSheets.h"

#include <QStackedWidget>
#include <QtTest>

#include <memory>

namespace {

constexpr int kWaitMs = 30000;
constexpr int kThemes = 5;

// A point of the area that no child covers, in the area's coordinates; null when there is none.
QPoint freePoint(const QWidget *area)
{
    // Clear of rounded corners.
    const int step = 6;
    for (int y = 8; y < area->height() - 8; y += step) {
        for (int x = 8; x < area->width() - 8; x += step) {
            if (!area->childAt(x, y))
                return QPoint(x, y);
        }
    }
    return QPoint();
}

bool near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) <= 3 && qAbs(qGreen(a) - qGreen(b)) <= 3 && qAbs(qBlue(a) - qBlue(b)) <= 3
           && qAbs(qAlpha(a) - qAlpha(b)) <= 3;
}

}  // namespace

class tst_ThemeSheets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DDataManager::getInstance(); }
    void cleanup()
    {
        DDataManager::getInstance()->setBgImageIsUsing(false);
        DDataManager::getInstance()->loadThemeConfig(0);
        emu::reset();
    }
    void everyPageEveryTheme();

private:
    // Checks the window as it shows now; where names what shows, for the messages.
    void checkShown(QWidget *window, const QString &where);

    int m_areasChecked = 0;
    QSet<QString> m_areasSeen;
};

void tst_ThemeSheets::checkShown(QWidget *window, const QString &where)
{
    const QString clear = stylesheets::colour(QStringLiteral("0,0,0,1"));
    QCoreApplication::processEvents();
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        widget->ensurePolished();
        QVERIFY2(!StyleSheetWarnings::hasFourPartRgb(widget->styleSheet()),
                 qPrintable(where + QLatin1Char(' ') + widget->objectName() + QLatin1Char(' ') + widget->styleSheet()));
    }
    // What each area shows, then the same spots with every such area taken out of the picture
    // (they nest): what lies under them.
    struct Spot {
        QWidget *area;
        QPoint at;
        QRgb shown;
    };
    QList<Spot> spots;
    for (QWidget *area : window->findChildren<QWidget *>()) {
        const QString sheet = area->styleSheet();
        if (!area->isVisible() || !sheet.contains(clear))
            continue;
        const QPoint point = freePoint(area);
        if (point.isNull())
            continue;
        const QPoint at = area->mapTo(window, point);
        spots.append({area, at, window->grab(QRect(at, QSize(1, 1))).toImage().pixel(0, 0)});
    }
    QList<QPair<QWidget *, QString>> taken;
    for (QWidget *area : window->findChildren<QWidget *>()) {
        QString sheet = area->styleSheet();
        if (sheet.contains(clear)) {
            taken.append({area, sheet});
            area->setStyleSheet(sheet.replace(clear, QStringLiteral("transparent")));
        }
    }
    int checked = 0;
    for (const Spot &spot : qAsConst(spots)) {
        const QRgb under = window->grab(QRect(spot.at, QSize(1, 1))).toImage().pixel(0, 0);
        QVERIFY2(near(spot.shown, under),
                 qPrintable(QStringLiteral("%1: %2 shows %3 over %4")
                                .arg(where, spot.area->objectName(), QColor::fromRgba(spot.shown).name(QColor::HexArgb),
                                     QColor::fromRgba(under).name(QColor::HexArgb))));
        m_areasSeen.insert(spot.area->objectName());
        ++checked;
    }
    for (const auto &area : qAsConst(taken))
        area.first->setStyleSheet(area.second);
    m_areasChecked += checked;
}

void tst_ThemeSheets::everyPageEveryTheme()
{
    const QString keyboard = emu::configurationPath(emu::plug(emu::keyboardSpec()));
    const QString mouse = emu::configurationPath(emu::plug(emu::mouseSpec()));
    DMainWidget::StartOptions options;
    options.createNotifier = [](QObject *parent) { return new EmulatorDeviceNotifier(parent); };
    options.descriptorReader = std::make_shared<EmulatorReportDescriptorReader>();
    options.registerAutoStart = false;
    options.trayAvailable = [] { return false; };
    auto window = std::make_unique<DMainWidget>(options);
    QVERIFY(firstEnumeration::applied(*window));
    window->resize(1280, 715);
    window->show();
    DDevicePage *page = window->findChild<DDevicePage *>();
    QVERIFY(page);
    QTRY_COMPARE_WITH_TIMEOUT(page->linkedHidPaths().size(), 2, kWaitMs);
    auto *pages = window->findChild<QStackedWidget *>(QStringLiteral("stackedWidget_Main"));
    QVERIFY(pages);
    auto *home = window->findChild<DHomePage *>();
    QVERIFY(home);

    DDataManager *data = DDataManager::getInstance();
    for (const bool picture : {false, true}) {
        for (int theme = 0; theme < kThemes; ++theme) {
            const QString tag = QStringLiteral("theme %1 picture %2").arg(theme).arg(picture);
            StyleSheetWarnings warnings;
            data->setBgImageIsUsing(picture);
            data->loadThemeConfig(theme);
            window->onChangAppTheme(theme);
            for (const QString &device : {keyboard, mouse}) {
                emit home->sigHomePage(device);
                QTRY_COMPARE_WITH_TIMEOUT(page->currentHidPath(), device, kWaitMs);
                checkShown(window.get(), tag + QStringLiteral(" device ") + device);
                if (QTest::currentTestFailed())
                    return;
            }
            for (int i = 0; i < pages->count(); ++i) {
                pages->setCurrentIndex(i);
                checkShown(window.get(), tag + QStringLiteral(" page ") + pages->widget(i)->objectName());
                if (QTest::currentTestFailed())
                    return;
            }
            QVERIFY2(warnings.messages().isEmpty(),
                     qPrintable(tag + QLatin1Char('\n') + warnings.messages().join('\n')));
        }
    }
    // The mouse's DPI list and rows at least were seen, under every theme.
    QStringList seen = m_areasSeen.values();
    seen.sort();
    QVERIFY2(m_areasChecked >= 2 * kThemes, qPrintable(QString::number(m_areasChecked) + seen.join(' ')));
}

QTEST_MAIN(tst_ThemeSheets)
#include "tst_ThemeSheets.moc"
