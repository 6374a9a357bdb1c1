// SPDX-License-Identifier: GPL-3.0-or-later
#include "DLinkagePage.h"
#include "ui_DMainWidget.h"

#include <QTranslator>
#include <QtTest>

namespace {

// Translates every text of one context by marking it.
class MarkingTranslator : public QTranslator
{
public:
    explicit MarkingTranslator(const char *context)
        : m_context(context)
    {
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (m_context != context || !sourceText || !*sourceText)
            return QString();
        return QStringLiteral("~") + QString::fromUtf8(sourceText);
    }

private:
    QByteArray m_context;
};

}  // namespace

// Stands in for the main window: the slots the form connects by name.
class FormHost : public QWidget
{
    Q_OBJECT
public:
    QStringList reached;
public slots:
    void on_pushButton_Setting_clicked() { reached << "Setting"; }
    void on_pushButton_Min_clicked() { reached << "Min"; }
    void on_pushButton_Max_clicked() { reached << "Max"; }
    void on_pushButton_Close_clicked() { reached << "Close"; }
};

class tst_MainWidgetForm : public QObject
{
    Q_OBJECT

private slots:
    void freshWindow()
    {
        FormHost window;
        Ui::DMainWidget ui;
        ui.setupUi(&window);
        window.show();
        QCoreApplication::processEvents();

        QCOMPARE(window.objectName(), QString("DMainWidget"));
        QCOMPARE(window.size(), QSize(1192, 663));
        QVERIFY(window.hasMouseTracking());
        QCOMPARE(ui.frame_Title->height(), 45);
        QCOMPARE(ui.stackedWidget->width(), 250);
        QCOMPARE(ui.stackedWidget->currentWidget(), ui.page_TitleMode02);
        QCOMPARE(ui.pushButton->size(), QSize(200, 30));
        QCOMPARE(ui.stackedWidget_Main->currentWidget(), ui.page_Home);
        QCOMPARE(ui.stackedWidget_Main->count(), 4);
        QCOMPARE(ui.stackedWidget_Main->widget(3), ui.page_Linkage);
        for (QWidget *page : {ui.page_Home, ui.page_Device, ui.page_Macro, ui.page_Linkage})
            QVERIFY(page->layout());

        const QList<QPushButton *> pageButtons = {ui.pushButton_Home, ui.pushButton_Device, ui.pushButton_Macro,
                                                  ui.pushButton_Linkage};
        for (QPushButton *button : pageButtons) {
            QVERIFY(button->isCheckable());
            QCOMPARE(button->isChecked(), button == ui.pushButton_Home);
        }
        QCOMPARE(ui.pushButton_Home->text(), QString("HOME"));
        QCOMPARE(ui.pushButton_Linkage->text(), QString("LINKAGE"));
        for (QPushButton *button : {ui.pushButton_Setting, ui.pushButton_Min, ui.pushButton_Max, ui.pushButton_Close})
            QCOMPARE(button->width(), 18);

        // No button of the title bar takes the keyboard focus.
        for (QPushButton *button : window.findChildren<QPushButton *>()) {
            if (button != ui.pushButton)
                QVERIFY2(button->focusPolicy() == Qt::NoFocus, qPrintable(button->objectName()));
        }

        // The window buttons reach the window's slots by name.
        QTest::mouseClick(ui.pushButton_Setting, Qt::LeftButton);
        QTest::mouseClick(ui.pushButton_Min, Qt::LeftButton);
        QTest::mouseClick(ui.pushButton_Max, Qt::LeftButton);
        QTest::mouseClick(ui.pushButton_Close, Qt::LeftButton);
        QCOMPARE(window.reached, QStringList({"Setting", "Min", "Max", "Close"}));
    }

    void windowButtonPictures_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("picture");
        QTest::newRow("settings") << "pushButton_Setting"
                                  << "setting";
        QTest::newRow("minimise") << "pushButton_Min"
                                  << "minWindow";
        QTest::newRow("maximise") << "pushButton_Max"
                                  << "maxWindow";
        QTest::newRow("close") << "pushButton_Close"
                               << "closeWindow";
    }

    void windowButtonPictures()
    {
        QFETCH(QString, button);
        QFETCH(QString, picture);
        QWidget window;
        Ui::DMainWidget ui;
        ui.setupUi(&window);
        const QString style = window.findChild<QPushButton *>(button)->styleSheet();
        for (const QString &state : {QString("Def"), QString("Sel")}) {
            const QString path = QString(":/images/mainpage/%1%2.png").arg(picture, state);
            QVERIFY2(style.contains(path), qPrintable(style));
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
        }
    }

    void languageChange()
    {
        QWidget window;
        Ui::DMainWidget ui;
        ui.setupUi(&window);
        ui.label_AppName->setText("Company");

        MarkingTranslator translator("DMainWidget");
        QCoreApplication::installTranslator(&translator);
        ui.retranslateUi(&window);
        QCoreApplication::removeTranslator(&translator);

        QCOMPARE(ui.pushButton_Home->text(), QString("~HOME"));
        QCOMPARE(ui.pushButton_Device->text(), QString("~DEVICE"));
        QCOMPARE(ui.pushButton_Macro->text(), QString("~MACRO"));
        QCOMPARE(ui.pushButton_Linkage->text(), QString("~LINKAGE"));
        QCOMPARE(ui.label_AppName->text(), QString("~BRIVEX"));
        QCOMPARE(window.windowTitle(), QString("~DMainWidget"));
        QVERIFY(ui.appLogo->text().isEmpty());
        QVERIFY(ui.pushButton_Close->text().isEmpty());
    }

    void linkagePageIsTranslatedOnce()
    {
        MarkingTranslator translator("DLinkagePage");
        QCoreApplication::installTranslator(&translator);
        DLinkagePage page;
        QCoreApplication::removeTranslator(&translator);

        auto *caption = page.findChild<QLabel *>("label_4");
        QVERIFY(caption);
        QCOMPARE(page.objectName(), QString("DLinkagePage"));
        QCOMPARE(caption->text(), QString("~Linkage"));
        QCOMPARE(page.windowTitle(), QString("~Form"));

        // A later language change leaves the caption as it was built.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&page, &change);
        QCOMPARE(caption->text(), QString("~Linkage"));
    }
};

QTEST_MAIN(tst_MainWidgetForm)
#include "tst_MainWidgetForm.moc"
