// SPDX-License-Identifier: GPL-3.0-or-later
// At the main window's default size (1280 x 715) every row of a list that can outgrow its area can
// be brought into view: its list scrolls.

#include "DCustomLightListItem.h"
#include "DDevicePage.h"
#include "DDpiConfigListItem.h"
#include "DMainWidget.h"
#include "Emulator.h"
#include "EmulatorDeviceNotifier.h"
#include "EmulatorReportDescriptorReader.h"
#include "FirstEnumeration.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QScrollArea>
#include <QtTest>

#include <memory>

namespace {

constexpr int kWaitMs = 30000;

QScrollArea *scrollAreaOf(QWidget *widget)
{
    for (QWidget *w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(w))
            return area;
    }
    return nullptr;
}

// Whether the row's centre is on screen inside the window and nothing else is drawn there.
bool reachable(QWidget *window, QWidget *row)
{
    const QPoint centre = row->mapTo(window, row->rect().center());
    if (!window->rect().contains(centre))
        return false;
    // Every ancestor clips: the centre must lie inside each of them.
    for (QWidget *w = row->parentWidget(); w && w != window; w = w->parentWidget()) {
        if (!w->rect().contains(row->mapTo(w, row->rect().center())))
            return false;
    }
    QWidget *hit = window->childAt(centre);
    return hit && (hit == row || row->isAncestorOf(hit));
}

}  // namespace

class tst_ListsReachable : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { emu::reset(); }
    void customLightRowsAtDefaultSize();
    void dpiRowsAtDefaultSize();
};

void tst_ListsReachable::customLightRowsAtDefaultSize()
{
    emu::plug(emu::keyboardSpec());
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
    QTRY_VERIFY_WITH_TIMEOUT(!page->profileXmlPath().isEmpty(), kWaitMs);
    window->findChild<QPushButton *>(QStringLiteral("pushButton_Device"))->click();
    page->findChild<QPushButton *>(QStringLiteral("pushButton_Led"))->click();
    page->findChild<QAbstractButton *>(QStringLiteral("toolButton_CustomLed"))->click();
    QCoreApplication::processEvents();

    const QList<DCustomLightListItem *> rows = page->findChildren<DCustomLightListItem *>();
    QVERIFY(rows.size() >= 4);
    for (DCustomLightListItem *row : rows) {
        QVERIFY(row->isVisible());
        // A row keeps its height (the list scrolls rather than squeezing its rows).
        QVERIFY2(row->height() >= 32, qPrintable(QString::number(row->height())));
        if (QScrollArea *area = scrollAreaOf(row))
            area->ensureWidgetVisible(row);
        QCoreApplication::processEvents();
        QVERIFY2(reachable(window.get(), row), qPrintable(row->getCustomLightIndex()));
    }
}

void tst_ListsReachable::dpiRowsAtDefaultSize()
{
    emu::plug(emu::mouseSpec());
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
    QTRY_VERIFY_WITH_TIMEOUT(!page->profileXmlPath().isEmpty(), kWaitMs);
    window->findChild<QPushButton *>(QStringLiteral("pushButton_Device"))->click();
    QCoreApplication::processEvents();
    const QList<DDpiConfigListItem *> rows = page->findChildren<DDpiConfigListItem *>();
    QVERIFY(rows.size() >= 6);
    for (DDpiConfigListItem *row : rows) {
        if (!row->isVisible())
            continue;
        QVERIFY2(row->height() >= row->minimumSizeHint().height(), qPrintable(QString::number(row->height())));
        if (QScrollArea *area = scrollAreaOf(row))
            area->ensureWidgetVisible(row);
        QCoreApplication::processEvents();
        QVERIFY2(reachable(window.get(), row), qPrintable(QString::number(row->getIndex())));
    }
}

QTEST_MAIN(tst_ListsReachable)
#include "tst_ListsReachable.moc"
