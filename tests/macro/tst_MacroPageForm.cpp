// SPDX-License-Identifier: GPL-3.0-or-later
// The macro page's form and theme: the object names the page's code and sheets reach, the texts
// of the form in the order they are set, the themed sheets over the shipped themes, and the
// macro list's scroll bar that follows the last theme.

#include "DDataManager.h"
#include "DMacroPage.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTranslator>
#include <QtTest>

namespace {

// Records every text looked up in the page's context, in order.
class RecordingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "DMacroPage") == 0)
            texts << QString::fromUtf8(sourceText);
        return QString();
    }
    mutable QStringList texts;
};

const char *const kThemes[] = {"Dark", "Light", "Blue", "Pink", "Other"};

}  // namespace

class tst_MacroPageForm : public QObject
{
    Q_OBJECT

private slots:
    void objectNames_data();
    void objectNames();
    void textsInOrder();
    void picturesOfTheForm();
    void themedSheets_data();
    void themedSheets();
    void toastColours_data();
    void toastColours();
    void lastThemeWinsForTheMacroList();
};

void tst_MacroPageForm::objectNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    const QMap<QString, QStringList> byClass = {
        {"QFrame", {"frame_Left", "frame_29", "frame",        "frame_2",         "frame_24",     "frame_26", "frame_27",
                    "frame_28",   "frame_25", "frame_Record", "frame_RecordIco", "frame_Center", "frame_3",  "frame_4",
                    "frame_11",   "frame_12", "frame_Right",  "frame_6",         "frame_7",      "frame_8",  "frame_16",
                    "frame_20",   "frame_17", "frame_21",     "frame_18",        "frame_19",     "frame_5",  "frame_9",
                    "frame_10",   "frame_13", "frame_22",     "frame_14",        "frame_30",     "frame_15", "frame_31",
                    "frame_32",   "frame_23"}},
        {"QLabel",
         {"label_MacroGroup", "label_10", "label_11", "label", "label_12", "label_14", "label_TotalTime",
          "label_InsertMacro", "label_5", "label_6", "label_7", "label_8", "label_Property", "label_2", "label_9",
          "label_4", "label_3", "label_13"}},
        {"QPushButton",
         {"pushButton_Import", "pushButton_Add", "pushButton_ClearMacroLst", "pushButton_MoveUp", "pushButton_MoveDown",
          "pushButton_2", "pushButton_InsertMacro", "pushButton_ModifyMacro"}},
        {"QRadioButton",
         {"radioButton_RecordDelay", "radioButton_NoDelay", "radioButton_DefaultDelay", "radioButton_InsertAfter",
          "radioButton_InsertBefore", "radioButton_Key", "radioButton_Mouse", "radioButton_Delay",
          "radioButton_MouseLeft", "radioButton_MouseCenter", "radioButton_MouseRight", "radioButton_KeyboardEvent",
          "radioButton_MouseEvent", "radioButton_1left", "radioButton_2center", "radioButton_3right"}},
        {"QLineEdit",
         {"lineEdit_DefaultDelayNum", "lineEdit_EnterKey", "lineEdit_EnterDelayNum", "lineEdit_DelayNum",
          "lineEdit_PressKey"}},
        {"QScrollArea", {"scrollArea_2", "scrollArea_3"}},
        {"QStackedWidget", {"stackedWidget_2", "stackedWidget", "stackedWidget_Property"}},
        {"QWidget",
         {"widget_4", "widget_5", "scrollAreaWidgetContents_2", "scrollAreaWidgetContents_3", "page_catchList",
          "page_isEmpty", "page_Key", "page_Mouse", "page_Delay", "page_1", "page_2"}},
    };
    for (auto it = byClass.cbegin(); it != byClass.cend(); ++it) {
        for (const QString &name : it.value())
            QTest::newRow(qPrintable(name)) << name << it.key();
    }
}

void tst_MacroPageForm::objectNames()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    DMacroPage page;
    const QList<QWidget *> found = page.findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
}

void tst_MacroPageForm::textsInOrder()
{
    RecordingTranslator recorder;
    QCoreApplication::installTranslator(&recorder);
    DMacroPage page;
    QCoreApplication::removeTranslator(&recorder);
    // The form's texts come first (the empty ones are not looked up), then the page's tooltips.
    const QStringList expected = {"Form",
                                  "Macro Group ",
                                  "Delay setting",
                                  "Recording delay",
                                  "No delay",
                                  "Default delay",
                                  "100",
                                  "MS",
                                  "Record",
                                  "Macro record",
                                  "Record is empty",
                                  "0 MS",
                                  "Insert Macro",
                                  "Position",
                                  "Insert event after",
                                  "Insert event before",
                                  "Event",
                                  "Keyboard Event",
                                  "Mouse Event",
                                  "Delay",
                                  "Operate",
                                  "Please enter a key",
                                  "Left Click",
                                  "Center Click",
                                  "Right Click",
                                  "Please enter delay number",
                                  "MS",
                                  "Insert",
                                  "Property",
                                  "Delay",
                                  "0",
                                  "MS",
                                  "Event",
                                  "Keyboard Event",
                                  "Mouse Event",
                                  "Press Key",
                                  "Please enter a key",
                                  "Mouse",
                                  "Left Click",
                                  "Center Click",
                                  "Right Click",
                                  "Modify",
                                  "Import",
                                  "Add",
                                  "Clear",
                                  "Up",
                                  "Down"};
    QCOMPARE(recorder.texts, expected);

    QCOMPARE(page.findChild<QLineEdit *>("lineEdit_EnterKey")->maxLength(), 128);
    QVERIFY(page.findChild<QRadioButton *>("radioButton_RecordDelay")->isChecked());
    QVERIFY(!page.findChild<QPushButton *>("pushButton_2")->isEnabled());
    QCOMPARE(page.findChild<QStackedWidget *>("stackedWidget_2")->currentIndex(), 0);
    QCOMPARE(page.findChild<QPushButton *>("pushButton_Add")->toolTip(), QStringLiteral("Add"));
}

// Every picture the form names loads and is drawn at least at the size it is shown.
void tst_MacroPageForm::picturesOfTheForm()
{
    DMacroPage page;
    const QRegularExpression url(QStringLiteral("url\\((:/[^)]+)\\)"));
    int checked = 0;
    for (QWidget *widget : page.findChildren<QWidget *>()) {
        auto matches = url.globalMatch(widget->styleSheet());
        while (matches.hasNext()) {
            const QString path = matches.next().captured(1);
            const QImage image(path);
            QVERIFY2(!image.isNull(), qPrintable(path));
            QVERIFY2(image.width() >= 36 && image.height() >= 36, qPrintable(path));  // drawn at twice 18 or more
            ++checked;
        }
    }
    QCOMPARE(checked, 19);  // six buttons with two pictures each (three in the sheet), and the record icon
}

void tst_MacroPageForm::themedSheets_data()
{
    QTest::addColumn<int>("theme");
    for (int i = 0; i < 5; ++i)
        QTest::newRow(kThemes[i]) << i;
}

void tst_MacroPageForm::themedSheets()
{
    QFETCH(int, theme);
    DDataManager::getInstance()->loadThemeConfig(theme);
    const ThemeColorConfig t = DDataManager::getInstance()->getThemeColor();
    QVERIFY(!t.MacroBorderColor.isEmpty());
    DMacroPage page;
    page.applyTheme();

    const QStringList themed = {"frame_29",
                                "scrollArea_2",
                                "scrollAreaWidgetContents_2",
                                "frame_2",
                                "label_MacroGroup",
                                "frame_26",
                                "frame_24",
                                "label",
                                "frame_Record",
                                "frame_4",
                                "frame_Center",
                                "scrollArea_3",
                                "scrollAreaWidgetContents_3",
                                "widget_5",
                                "label_12",
                                "label_14",
                                "label_TotalTime",
                                "label_InsertMacro",
                                "frame_8",
                                "frame_6",
                                "pushButton_InsertMacro",
                                "pushButton_ModifyMacro",
                                "label_Property",
                                "frame_10",
                                "frame_5",
                                "lineEdit_EnterKey",
                                "lineEdit_PressKey"};
    for (const QString &name : themed) {
        const QString sheet = page.findChild<QWidget *>(name)->styleSheet();
        QVERIFY2(!sheet.isEmpty(), qPrintable(name));
        QVERIFY2(!sheet.contains(QLatin1Char('%')), qPrintable(name + ": " + sheet));
    }
    // Theme colours go in whole, an alpha part included.
    const QString frame2 = page.findChild<QWidget *>("frame_2")->styleSheet();
    QVERIFY2(frame2.contains("rgb(" + t.MacroBorderColor + ")"), qPrintable(frame2));
    const QString buttons = page.findChild<QWidget *>("pushButton_InsertMacro")->styleSheet();
    QVERIFY(buttons.contains("rgb(" + t.MacroListItemSelectedColor + ")"));
    QVERIFY(page.findChild<QWidget *>("frame_24")->styleSheet().contains(QLatin1String("QLabel#label_11")));
    QVERIFY(!page.findChild<QWidget *>("frame_6")->styleSheet().contains(QLatin1String("QLabel#label_11")));
    QVERIFY(page.findChild<QWidget *>("widget_5")->styleSheet().contains("rgb(" + t.HomeScrollBarBgColor + ")"));
    // Picture buttons keep their form's pictures.
    QVERIFY(page.findChild<QWidget *>("pushButton_Add")->styleSheet().contains(":/images/macro/addDef.png"));
    QCOMPARE(page.findChild<QLabel *>("label_14")->font().pointSize(), 18);
    QCOMPARE(page.findChild<QLabel *>("label_MacroGroup")->font().pointSize(), 12);
}

void tst_MacroPageForm::toastColours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("alpha");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("three parts") << "50,60,70" << 200 << QColor(50, 60, 70, 200);
    QTest::newRow("alpha part left out") << "50,60,70,20" << 255 << QColor(50, 60, 70, 255);
    QTest::newRow("missing and unreadable parts") << "50,x" << 200 << QColor(50, 0, 0, 200);
    QTest::newRow("empty") << "" << 255 << QColor(0, 0, 0, 255);
}

void tst_MacroPageForm::toastColours()
{
    QFETCH(QString, text);
    QFETCH(int, alpha);
    QFETCH(QColor, expected);
    QCOMPARE(DMacroPage::themeColour(text, alpha), expected);
}

void tst_MacroPageForm::lastThemeWinsForTheMacroList()
{
    DMacroPage page;
    QWidget *list = page.findChild<QWidget *>("widget_4");
    QWidget *events = page.findChild<QWidget *>("widget_5");
    const QString formSheet = list->styleSheet();
    QVERIFY(formSheet.contains(QLatin1String("QScrollBar")));

    DDataManager::getInstance()->loadThemeConfig(0);
    page.applyTheme();
    const QString first = events->styleSheet();
    DDataManager::getInstance()->loadThemeConfig(1);
    page.applyTheme();
    const QString second = events->styleSheet();
    QVERIFY(first != second);
    QCOMPARE(list->styleSheet(), formSheet);  // until the timer has run
    QTRY_COMPARE_WITH_TIMEOUT(list->styleSheet(), second, 20000);
    QTest::qWait(700);  // the first call's timer would have run by now
    QCOMPARE(list->styleSheet(), second);
}

QTEST_MAIN(tst_MacroPageForm)
#include "tst_MacroPageForm.moc"
