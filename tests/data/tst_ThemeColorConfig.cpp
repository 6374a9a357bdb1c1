// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataTestSupport.h"

#include <QColor>
#include <QSet>

#include <cmath>

class tst_ThemeColorConfig : public QObject
{
    Q_OBJECT

private:
    static QStringList values(const ThemeColorConfig &theme)
    {
        QStringList list;
        for (const auto &entry : ThemeColorConfig::colorFields())
            list << theme.*entry.field;
        return list << theme.TextFont;
    }
    static ThemeColorConfig loadShipped(int index, bool bgImage)
    {
        TestDataManager manager(kShippedDefaultConfig);
        manager.setBgImageIsUsing(bgImage);
        manager.loadThemeConfig(index);
        return manager.getThemeColor();
    }
    // Relative luminance and contrast ratio of two "r,g,b[,a]" colours (alpha ignored).
    static double luminance(const QString &color)
    {
        const QStringList parts = color.split(QLatin1Char(','));
        double sum = 0;
        const double weights[3] = {0.2126, 0.7152, 0.0722};
        for (int i = 0; i < 3; ++i) {
            const double c = parts.value(i).toInt() / 255.0;
            sum += weights[i] * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return sum;
    }
    static double contrast(const QString &a, const QString &b)
    {
        const double la = luminance(a), lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    }

    FreshDataHome *m_home = nullptr;

private slots:
    void init() { m_home = new FreshDataHome; }
    void cleanup()
    {
        delete m_home;
        m_home = nullptr;
    }

    void loadConvertsValues_data();
    void loadConvertsValues();
    void backgroundImageTakesEffectAtNextLoad();
    void indexOutsideRangeLoadsDark_data();
    void indexOutsideRangeLoadsDark();
    void shippedThemesAreComplete_data();
    void shippedThemesAreComplete();
    void otherIsDarkWithBlueAccent();
    void shippedThemesAreReadable_data();
    void shippedThemesAreReadable();
};

void tst_ThemeColorConfig::loadConvertsValues_data()
{
    QTest::addColumn<bool>("bgImage");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    for (bool bg : {false, true}) {
        const char *flag = bg ? "image" : "no image";
        QTest::addRow("%s: opaque", flag) << bg << "TextDefaultColor"
                                          << "205,205,205";
        QTest::addRow("%s: alpha", flag) << bg << "MainWidgetBgColor" << (bg ? "30,30,30,128" : "30,30,30");
        QTest::addRow("%s: five parts stay whole", flag) << bg << "HomeBgColor"
                                                         << "1,2,3,4,5";
        QTest::addRow("%s: three commas cut whatever follows", flag)
            << bg << "AllBgColor" << (bg ? "1,2,3,abc" : "1,2,3");
        QTest::addRow("%s: missing key", flag) << bg << "AllThemeColor"
                                               << "";
        QTest::addRow("%s: commas in the file read as a list", flag) << bg << "HomeScrollBarBgColor"
                                                                     << "";
        QTest::addRow("%s: font family untouched", flag) << bg << "TextFont"
                                                         << "Font.With.Dots,1,2,3";
    }
}

void tst_ThemeColorConfig::loadConvertsValues()
{
    QFETCH(bool, bgImage);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    const QString programDir = m_home->root() + QStringLiteral("/program");
    const QString config = m_home->root() + QStringLiteral("/Default.ini");
    QVERIFY(writeFixture(config, "[MyselfConfig]\nuserConfig=true\n"));
    QVERIFY(writeFixture(programDir + QStringLiteral("/configDir/OtherThemeConfig.ini"),
                         "[ThemeColor]\r\n"
                         "TextDefaultColor = 205.205.205\r\n"
                         "MainWidgetBgColor = 30.30.30.128\r\n"
                         "HomeBgColor = 1.2.3.4.5\r\n"
                         "AllBgColor = 1.2.3.abc\r\n"
                         "HomeScrollBarBgColor = 1,2,3\r\n"
                         "TextFont = \"Font.With.Dots,1,2,3\"\r\n"));

    TestDataManager manager(config, programDir);
    manager.setBgImageIsUsing(bgImage);
    manager.loadThemeConfig(4);
    const ThemeColorConfig theme = manager.getThemeColor();

    if (key == QLatin1String("TextFont")) {
        QCOMPARE(theme.TextFont, expected);
        return;
    }
    for (const auto &entry : ThemeColorConfig::colorFields()) {
        if (key == QLatin1String(entry.key)) {
            QCOMPARE(theme.*entry.field, expected);
            return;
        }
    }
    QFAIL("unknown key");
}

void tst_ThemeColorConfig::backgroundImageTakesEffectAtNextLoad()
{
    TestDataManager manager(kShippedDefaultConfig);
    QCOMPARE(manager.getThemeColor().MainWidgetBgColor, QStringLiteral("30,30,30"));
    QCOMPARE(manager.getThemeColor().TextFont, QStringLiteral("Microsoft YaHei"));

    manager.setBgImageIsUsing(true);
    QCOMPARE(manager.getThemeColor().MainWidgetBgColor, QStringLiteral("30,30,30"));
    QCOMPARE(manager.adjustColorAlpha(QStringLiteral("30,30,30,128")), QStringLiteral("30,30,30,128"));
    manager.loadThemeConfig(0);
    QCOMPARE(manager.getThemeColor().MainWidgetBgColor, QStringLiteral("30,30,30,128"));
}

void tst_ThemeColorConfig::indexOutsideRangeLoadsDark_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("9") << 9;
    QTest::newRow("-1") << -1;
    QTest::newRow("5") << 5;
}

void tst_ThemeColorConfig::indexOutsideRangeLoadsDark()
{
    QFETCH(int, index);
    QCOMPARE(values(loadShipped(index, true)), values(loadShipped(0, true)));
}

void tst_ThemeColorConfig::shippedThemesAreComplete_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("translucentPanels");

    QTest::newRow("Dark") << 0 << true;
    QTest::newRow("Light") << 1 << true;
    QTest::newRow("Blue") << 2 << false;
    QTest::newRow("Pink") << 3 << false;
    QTest::newRow("Other") << 4 << false;
}

void tst_ThemeColorConfig::shippedThemesAreComplete()
{
    QFETCH(int, index);
    QFETCH(bool, translucentPanels);

    // With a background image the file's alpha components survive loading.
    const ThemeColorConfig theme = loadShipped(index, true);
    QCOMPARE(theme.TextFont, QStringLiteral("Microsoft YaHei"));

    const QSet<QString> translucent = {"MainWidgetBgColor",
                                       "HomeBgColor",
                                       "HomeScrollBarBgColor",
                                       "HomeDeviceItemBgColor",
                                       "MacroBorderColor",
                                       "MacroLeftBgColor",
                                       "MacroCenterBgColor",
                                       "MacroRightBgColor",
                                       "MacroListItemSelectedColor",
                                       "MacroListItemHoverColor",
                                       "DeviceBorderColor",
                                       "DeviceLeftBgColor",
                                       "DeviceCenterBgColor",
                                       "DeviceRightBgColor",
                                       "DeviceLeftAreaItemHoverColor",
                                       "DeviceLeftAreaItemSelectedColor",
                                       "DeviceControlDefaultColor",
                                       "DeviceControlHoverColor",
                                       "DeviceListAreaDefaultBgColor",
                                       "DeviceListItemHoverBgColor",
                                       "DeviceColorToolSliderTopColor",
                                       "DeviceColorToolSliderBottomColor",
                                       "DeviceBottomBgColor",
                                       "DeviceOnboardBgColor",
                                       "DeviceMouseBgColor",
                                       "DeviceMouseDpiConfigItemHoverColor",
                                       "DeviceMouseDpiConfigItemSelectedColor"};
    QCOMPARE(translucent.size(), 27);

    for (const auto &entry : ThemeColorConfig::colorFields()) {
        const QString value = theme.*entry.field;
        const QStringList parts = value.split(QLatin1Char(','));
        const int expectedParts = translucentPanels && translucent.contains(QLatin1String(entry.key)) ? 4 : 3;
        QVERIFY2(parts.size() == expectedParts, qPrintable(QStringLiteral("%1 = %2").arg(entry.key, value)));
        for (const QString &part : parts) {
            bool ok = false;
            const int component = part.toInt(&ok);
            QVERIFY2(ok && component >= 0 && component <= 255,
                     qPrintable(QStringLiteral("%1 = %2").arg(entry.key, value)));
        }
    }
}

void tst_ThemeColorConfig::otherIsDarkWithBlueAccent()
{
    const ThemeColorConfig dark = loadShipped(0, false);
    const ThemeColorConfig other = loadShipped(4, true);
    for (const auto &entry : ThemeColorConfig::colorFields()) {
        QString expected = dark.*entry.field;
        if (expected.startsWith(QLatin1String("255,209,0")))
            expected = QStringLiteral("0,128,255");
        if (QLatin1String(entry.key) == QLatin1String("DeviceListItemHoverBgColor"))
            expected = QStringLiteral("0,98,225");
        QCOMPARE(other.*entry.field, expected);
    }
}

void tst_ThemeColorConfig::shippedThemesAreReadable_data()
{
    shippedThemesAreComplete_data();
}

void tst_ThemeColorConfig::shippedThemesAreReadable()
{
    QFETCH(int, index);
    const ThemeColorConfig t = loadShipped(index, false);
    struct Pair {
        const char *what;
        QString text, background;
        double minimum;
    };
    // Body text at least 4.5:1, highlighted and secondary text at least 3:1.
    const Pair pairs[] = {
        {"text on window", t.TextDefaultColor, t.AllBgColor, 4.5},
        {"text on settings", t.TextDefaultColor, t.SettingsBgColor, 4.5},
        {"device card name", t.HomeDeviceItemNameTextColor, t.HomeDeviceItemBgColor, 4.5},
        {"macro list", t.MacroListItemTextColor, t.MacroCenterBgColor, 4.5},
        {"device left area", t.DeviceLeftAreaItemTextDefaultColor, t.DeviceLeftBgColor, 4.5},
        {"on-board button", t.DeviceOnboardButDefaultTextColor, t.DeviceOnboardButColor, 4.5},
        {"soft keyboard button", t.DeviceSoftkeyboardButDefaultTextColor, t.DeviceSoftkeyboardButColor, 4.5},
        {"checked text", t.TextCheckedColor, t.AllBgColor, 3.0},
        {"hovered text", t.TextHoverColor, t.AllBgColor, 3.0},
        {"device card product", t.HomeDeviceItemProductTextColor, t.HomeDeviceItemBgColor, 3.0},
        {"selected left item", t.DeviceLeftAreaItemTextSelectedColor, t.DeviceLeftAreaItemSelectedColor, 3.0},
        {"mouse key labels", t.DeviceMouseLeftKeyTextColor, t.DeviceMouseBgColor, 3.0},
        {"slider labels", t.DeviceColorToolSliderTextColor, t.DeviceCenterBgColor, 3.0},
    };
    for (const Pair &pair : pairs) {
        const double ratio = contrast(pair.text, pair.background);
        QVERIFY2(ratio >= pair.minimum, qPrintable(QStringLiteral("%1: %2 on %3 is %4:1")
                                                       .arg(QLatin1String(pair.what), pair.text, pair.background)
                                                       .arg(ratio, 0, 'f', 2)));
    }
}

ZELKA_DATA_TEST_MAIN(tst_ThemeColorConfig)
#include "tst_ThemeColorConfig.moc"
