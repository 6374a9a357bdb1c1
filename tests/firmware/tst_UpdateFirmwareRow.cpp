// SPDX-License-Identifier: GPL-3.0-or-later
// The update window's row draws its progress truly in every theme: an empty bar shows only its
// track, a full one only its fill, a middle step both, and the fill stands out from the track.

#include "Contrast.h"
#include "DDataManager.h"
#include "UpdateFirmwareInfoItem.h"

#include <QProgressBar>
#include <QtTest>

class tst_UpdateFirmwareRow : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { DDataManager::getInstance()->loadThemeConfig(0); }
    void progressInEveryTheme_data();
    void progressInEveryTheme();
};

void tst_UpdateFirmwareRow::progressInEveryTheme_data()
{
    QTest::addColumn<int>("theme");
    for (int theme = 0; theme < 5; ++theme)
        QTest::newRow(qPrintable(QStringLiteral("theme %1").arg(theme))) << theme;
}

void tst_UpdateFirmwareRow::progressInEveryTheme()
{
    QFETCH(int, theme);
    DDataManager::getInstance()->setBgImageIsUsing(false);
    DDataManager::getInstance()->loadThemeConfig(theme);
    UpdateFirmwareInfoItem row;
    row.resize(800, 120);
    row.show();
    auto *bar = row.findChild<QProgressBar *>(QStringLiteral("progressBar"));
    QVERIFY(bar);
    // Left and right of the bar, clear of its rounded ends.
    const auto sample = [&](int percent) {
        row.setProgress(percent);
        const QImage image = bar->grab().toImage();
        const int y = image.height() / 2;
        return qMakePair(QColor(image.pixel(image.width() * 15 / 100, y)),
                         QColor(image.pixel(image.width() * 85 / 100, y)));
    };
    const auto empty = sample(0);
    const auto middle = sample(50);
    const auto full = sample(100);
    QCOMPARE(empty.first, empty.second);    // nothing filled at 0 %
    QCOMPARE(full.first, full.second);      // all filled at 100 %
    QCOMPARE(middle.first, full.first);     // half-way: the left filled,
    QCOMPARE(middle.second, empty.second);  // the right not
    QVERIFY2(contrastRatio(full.first, empty.first) >= 2.0,
             qPrintable(QStringLiteral("fill %1 on track %2").arg(full.first.name(), empty.first.name())));
}

QTEST_MAIN(tst_UpdateFirmwareRow)
#include "tst_UpdateFirmwareRow.moc"
