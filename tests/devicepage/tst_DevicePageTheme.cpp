// SPDX-License-Identifier: GPL-3.0-or-later
// The device page's theme and language: colours made from theme texts, the custom tool buttons'
// colours, style sheets that Qt can read under every theme, and what a language change keeps.

#include "CustomButton.h"
#include "DDataManager.h"
#include "DDevicePage.h"
#include "DevicePageTables.h"
#include "DevicePageTheme.h"
#include "DMousePage.h"
#include "Emulator.h"
#include "ThemeColorConfig.h"
#include "xmlInterface.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTranslator>
#include <QtTest>

#include <cstring>

namespace {

// Generous: on a loaded machine a load can take seconds; a wait ends as soon as it is met.
constexpr int kLoadTimeoutMs = 30000;

hidStructInfo record(emu::DeviceId id, const QString &model, int deviceType)
{
    hidStructInfo info;
    info.vid = emu::spec(id).vendorId;
    info.pid = emu::spec(id).productId;
    std::strncpy(info.hidPath, emu::configurationPath(id).toLatin1().constData(), sizeof info.hidPath - 1);
    std::strncpy(info.hidName, model.toUtf8().constData(), sizeof info.hidName - 1);
    info.deviceType = deviceType;
    return info;
}

// Puts a mark before every text of the device page's context, as a new language would change it.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "DDevicePage") != 0)
            return QString();
        return QStringLiteral("#") + QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }
};

QStringList g_parseWarnings;

void collectParseWarnings(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.contains(QLatin1String("Could not parse")))
        g_parseWarnings << message;
}

template <size_t N>
QList<CustomButton *> tableButtons(const QWidget *page, const DevicePageTables::ButtonEntry (&table)[N])
{
    QList<CustomButton *> buttons;
    for (const DevicePageTables::ButtonEntry &entry : table)
        buttons << page->findChild<CustomButton *>(QLatin1String(entry.objectName));
    return buttons;
}

QList<CustomButton *> allCustomButtons(const QWidget *page)
{
    return tableButtons(page, DevicePageTables::keyOperationButtons)
           + tableButtons(page, DevicePageTables::keyboardEffectButtons)
           + tableButtons(page, DevicePageTables::sideEffectButtons)
           + tableButtons(page, DevicePageTables::scrollLogoEffectButtons);
}

struct Fixture {
    xmlInterface xml;
    QTemporaryDir dir;
    QByteArray macroPath = QFile::encodeName(dir.filePath(QStringLiteral("macro.xml")));
    QWidget window;
    DDevicePage *page = new DDevicePage(&window);
    emu::DeviceId device = -1;

    Fixture()
    {
        page->setMacroXml(macroPath.constData(), &xml);
        page->setMainWindow(&window);
        window.resize(900, 600);
    }
    bool load(bool mouse)
    {
        emu::DeviceSpec spec = mouse ? emu::mouseSpec() : emu::keyboardSpec(QStringLiteral("ZK87A"));
        if (!mouse)
            spec.serial = QByteArray(32, 'a');
        device = emu::plug(spec);
        page->setHidStructInfoList({record(device, mouse ? "ZM1" : "ZK87A", mouse ? 1 : 0)});
        return QTest::qWaitFor(
            [&] {
                return !page->profileXmlPath().isEmpty()
                       && page->findChild<QStackedWidget *>("stackedWidget_KeyboardArea")->currentWidget()
                              == page->findChild<QWidget *>("page_KeyboardShow");
            },
            kLoadTimeoutMs);
    }
};

}  // namespace

class tst_DevicePageTheme : public QObject
{
    Q_OBJECT

private slots:
    void init() { emu::reset(); }
    void cleanup()
    {
        emu::reset();
        DDataManager::getInstance()->setBgImageIsUsing(false);
        DDataManager::getInstance()->loadThemeConfig(0);
    }

    void themeColors_data();
    void themeColors();
    void customButtonColors_data();
    void customButtonColors();
    void sheetsParseUnderEveryTheme_data();
    void sheetsParseUnderEveryTheme();
    void retranslationKeepsTheMarks();
    void retranslationRereadsMouseButtons();
};

void tst_DevicePageTheme::themeColors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("withAlpha");
    QTest::addColumn<int>("fixedAlpha");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("three parts, fixed alpha") << "35,36,37" << false << 255 << QColor(35, 36, 37, 255);
    QTest::newRow("four parts, fixed alpha") << "35,36,37,90" << false << 1 << QColor(35, 36, 37, 1);
    QTest::newRow("four parts, own alpha") << "35,36,37,90" << true << 255 << QColor(35, 36, 37, 90);
    QTest::newRow("three parts, own alpha") << "35,36,37" << true << 255 << QColor(35, 36, 37, 0);
    QTest::newRow("missing parts") << "7" << false << 200 << QColor(7, 0, 0, 200);
}

void tst_DevicePageTheme::themeColors()
{
    QFETCH(QString, text);
    QFETCH(bool, withAlpha);
    QFETCH(int, fixedAlpha);
    QFETCH(QColor, expected);
    QCOMPARE(DevicePageTheme::themeColor(text, withAlpha, fixedAlpha), expected);
}

void tst_DevicePageTheme::customButtonColors_data()
{
    QTest::addColumn<bool>("backgroundImage");
    QTest::newRow("plain") << false;
    QTest::newRow("background image") << true;
}

void tst_DevicePageTheme::customButtonColors()
{
    QFETCH(bool, backgroundImage);
    DDataManager::getInstance()->setBgImageIsUsing(backgroundImage);
    DDataManager::getInstance()->loadThemeConfig(0);
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    Fixture f;
    f.page->applyTheme();

    const QColor selected = DevicePageTheme::themeColor(theme.DeviceLeftAreaItemSelectedColor, backgroundImage);
    const QColor hover = DevicePageTheme::themeColor(theme.DeviceLeftAreaItemHoverColor, backgroundImage);
    if (!backgroundImage) {
        QCOMPARE(selected.alpha(), 255);
        QCOMPARE(hover.alpha(), 255);
    }
    const QList<CustomButton *> buttons = allCustomButtons(f.page);
    QCOMPARE(buttons.size(), 38);
    for (CustomButton *button : buttons) {
        QVERIFY(button);
        QCOMPARE(button->selectedBackground(), selected);
        QCOMPARE(button->hoverBackground(), hover);
        QCOMPARE(button->normalBackground().alpha(), 1);
    }
}

void tst_DevicePageTheme::sheetsParseUnderEveryTheme_data()
{
    QTest::addColumn<int>("themeIndex");
    QTest::addColumn<bool>("backgroundImage");
    const char *names[] = {"Dark", "Light", "Blue", "Pink", "Other"};
    for (int i = 0; i < 5; ++i) {
        QTest::newRow(names[i]) << i << false;
        QTest::newRow(qPrintable(QStringLiteral("%1 with image").arg(QLatin1String(names[i])))) << i << true;
    }
}

void tst_DevicePageTheme::sheetsParseUnderEveryTheme()
{
    QFETCH(int, themeIndex);
    QFETCH(bool, backgroundImage);
    DDataManager::getInstance()->setBgImageIsUsing(backgroundImage);
    DDataManager::getInstance()->loadThemeConfig(themeIndex);
    Fixture f;
    QVERIFY(f.load(false));
    f.window.show();

    g_parseWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectParseWarnings);
    f.page->applyTheme();
    for (QWidget *widget : f.window.findChildren<QWidget *>()) {
        widget->setAttribute(Qt::WA_WState_Polished, false);
        widget->ensurePolished();
    }
    QCoreApplication::processEvents();
    qInstallMessageHandler(previous);
    QCOMPARE(g_parseWarnings, QStringList());

    // No colour slot gets more numbers than rgb() takes.
    const QRegularExpression fourPartRgb(QStringLiteral("rgb\\(\\s*\\d+\\s*,\\s*\\d+\\s*,\\s*\\d+\\s*,"));
    // The page's own widgets: the hosted pages style themselves.
    for (QWidget *widget : f.window.findChildren<QWidget *>()) {
        bool own = true;
        for (QObject *o = widget; o && o != f.page; o = o->parent())
            own = own && QByteArray(o->metaObject()->className()).startsWith('Q');
        if (own)
            QVERIFY2(!fourPartRgb.match(widget->styleSheet()).hasMatch(), qPrintable(widget->objectName()));
    }
}

void tst_DevicePageTheme::retranslationKeepsTheMarks()
{
    Fixture f;
    f.page->updataAllUI();  // before any device: the labels of the device stay as they are
    QCOMPARE(f.page->findChild<QLabel *>("label_currentProfileName")->text(), QString());

    QVERIFY(f.load(false));
    f.page->findChild<QPushButton *>("pushButton_Led")->click();
    f.page->findChild<QAbstractButton *>("toolButton_Breath")->click();
    // Side effects are chosen with the side strip's zone open, as on the page.
    f.page->findChild<QAbstractButton *>("pushButton_SideLed")->click();
    f.page->findChild<QAbstractButton *>("toolButton_SideWave")->click();
    const QString productName = f.page->findChild<QLabel *>("label_ProductName")->text();

    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    f.page->updataAllUI();
    QCoreApplication::removeTranslator(&translator);

    QVERIFY(f.page->findChild<QLabel *>("label")->text().startsWith(QLatin1Char('#')));
    auto *breath = f.page->findChild<CustomButton *>("toolButton_Breath");
    QVERIFY(breath->caption().startsWith(QLatin1Char('#')));
    QVERIFY(breath->isSelected());
    QVERIFY(f.page->findChild<CustomButton *>("toolButton_SideWave")->isSelected());
    QCOMPARE(f.page->findChild<QLabel *>("label_ProductName")->text(), productName);
    int selected = 0;
    for (CustomButton *button : tableButtons(f.page, DevicePageTables::keyboardEffectButtons))
        selected += button->isSelected() ? 1 : 0;
    QCOMPARE(selected, 1);
}

void tst_DevicePageTheme::retranslationRereadsMouseButtons()
{
    Fixture f;
    QVERIFY(f.load(true));
    auto *mousePage = f.page->findChild<DMousePage *>();
    QVERIFY(mousePage);
    const QByteArray path = f.page->profileXmlPath();
    // Two assignments, written out of code order.
    f.xml.addKeyMapItem(path.constData(), "1", "4", "Forward", "4", "1", "0", "4");
    f.xml.addKeyMapItem(path.constData(), "1", "2", "Right", "5", "1", "0", "0");
    f.page->updataAllUI();
    QCOMPARE(f.page->customKeyCodes(), (QList<QString>{"4", "2"}));
    f.xml.deleteKeyMapItem(path.constData(), "1", "4");
    f.page->updataAllUI();
    QCOMPARE(f.page->customKeyCodes(), QList<QString>{"2"});
}

QTEST_MAIN(tst_DevicePageTheme)
#include "tst_DevicePageTheme.moc"
