// SPDX-License-Identifier: GPL-3.0-or-later
// The device page's form, its state after construction, the profile label's and the explanation
// button's event handling, the pictures its sheets and buttons name, and the one road by which
// the page sends reports.

#include "ArrowWidget.h"
#include "CbNotice.h"
#include "CustomButton.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "DevicePageTables.h"
#include "Emulator.h"
#include "MainHidInterFace.h"
#include "ui_DDevicePage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSet>
#include <QStackedWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <cstring>

namespace {

// One object of the form: its class, the widget it sits in (for a stacked page: the stack, with
// its index; for a scroll area's content: the area, index -2).
struct FormObject {
    const char *name;
    const char *className;
    const char *parent;
    int index;  // page index in the stack; -1 not a page; -2 the scroll area's content
};

const FormObject kFormTable[] = {
    {"frame_10", "QFrame", "DDevicePage", -1},
    {"frame_ConfigSelect", "QFrame", "frame_10", -1},
    {"label_currentProfileName", "QLabel", "frame_ConfigSelect", -1},
    {"pushButton_MoreOperate", "QPushButton", "frame_ConfigSelect", -1},
    {"frame_DeviceList", "QWidget", "frame_10", -1},
    {"scrollArea", "QScrollArea", "frame_DeviceList", -1},
    {"scrollAreaWidgetContents", "QWidget", "scrollArea", -2},
    {"pushButton_Test", "QPushButton", "frame_10", -1},
    {"frame_11", "QFrame", "DDevicePage", -1},
    {"frame", "QFrame", "frame_11", -1},
    {"pushButton_Custom", "QPushButton", "frame", -1},
    {"pushButton_Led", "QPushButton", "frame", -1},
    {"pushButton_PerformanceChang", "QPushButton", "frame", -1},
    {"frame_Custom", "QFrame", "frame_11", -1},
    {"stackedWidget_CustomAll", "QStackedWidget", "frame_Custom", -1},
    {"page_CustomKey", "QWidget", "stackedWidget_CustomAll", 0},
    {"frame_2", "QFrame", "page_CustomKey", -1},
    {"toolButton_Default", "CustomButton", "frame_2", -1},
    {"toolButton_Macro", "CustomButton", "frame_2", -1},
    {"toolButton_RemapKey", "CustomButton", "frame_2", -1},
    {"toolButton_Mouse", "CustomButton", "frame_2", -1},
    {"toolButton_Text", "CustomButton", "frame_2", -1},
    {"toolButton_Disable", "CustomButton", "frame_2", -1},
    {"toolButton_Multimedia", "CustomButton", "frame_2", -1},
    {"toolButton_CombinationKey", "CustomButton", "frame_2", -1},
    {"toolButton_Shortcuts", "CustomButton", "frame_2", -1},
    {"toolButton_SwitchProfile", "CustomButton", "frame_2", -1},
    {"toolButton_OpenApp", "CustomButton", "frame_2", -1},
    {"frame_3", "QFrame", "page_CustomKey", -1},
    {"frame_15", "QFrame", "frame_3", -1},
    {"pushButton_CloseKeyCustom", "QPushButton", "frame_15", -1},
    {"stackedWidget_Customize", "QStackedWidget", "frame_3", -1},
    {"page_Default", "QWidget", "stackedWidget_Customize", 0},
    {"page_Macro", "QWidget", "stackedWidget_Customize", 1},
    {"page_RemapKey", "QWidget", "stackedWidget_Customize", 2},
    {"page_Mouse", "QWidget", "stackedWidget_Customize", 3},
    {"page_Text", "QWidget", "stackedWidget_Customize", 4},
    {"page_Disable", "QWidget", "stackedWidget_Customize", 5},
    {"page_Multimedia", "QWidget", "stackedWidget_Customize", 6},
    {"page_CombinationKey", "QWidget", "stackedWidget_Customize", 7},
    {"page_Shortcuts", "QWidget", "stackedWidget_Customize", 8},
    {"page_SwitchProfile", "QWidget", "stackedWidget_Customize", 9},
    {"page_OpenApp", "QWidget", "stackedWidget_Customize", 10},
    {"page_CustomLed", "QWidget", "stackedWidget_CustomAll", 1},
    {"frame_14", "QFrame", "page_CustomLed", -1},
    {"frame_19", "QFrame", "frame_14", -1},
    {"pushButton_KeyboardLed", "QPushButton", "frame_19", -1},
    {"pushButton_SideLed", "QPushButton", "frame_19", -1},
    {"stackedWidget", "QStackedWidget", "frame_14", -1},
    {"page_KeyboardLed", "QWidget", "stackedWidget", 0},
    {"frame_18", "QFrame", "page_KeyboardLed", -1},
    {"toolButton_Static", "CustomButton", "frame_18", -1},
    {"toolButton_Neon", "CustomButton", "frame_18", -1},
    {"toolButton_Breath", "CustomButton", "frame_18", -1},
    {"toolButton_Wave", "CustomButton", "frame_18", -1},
    {"toolButton_Twinkle", "CustomButton", "frame_18", -1},
    {"toolButton_Snack", "CustomButton", "frame_18", -1},
    {"toolButton_Radar", "CustomButton", "frame_18", -1},
    {"toolButton_AutoRipple", "CustomButton", "frame_18", -1},
    {"toolButton_Striation", "CustomButton", "frame_18", -1},
    {"toolButton_Aurora", "CustomButton", "frame_18", -1},
    {"toolButton_Ripple", "CustomButton", "frame_18", -1},
    {"toolButton_Reactive", "CustomButton", "frame_18", -1},
    {"toolButton_Cross", "CustomButton", "frame_18", -1},
    {"toolButton_MouseDPI", "CustomButton", "frame_18", -1},
    {"toolButton_Fireworks", "CustomButton", "frame_18", -1},
    {"toolButton_SpeedRespond", "CustomButton", "frame_18", -1},
    {"toolButton_MusicalRhythm", "CustomButton", "frame_18", -1},
    {"toolButton_CustomLed", "CustomButton", "frame_18", -1},
    {"frame_CustomLight", "QFrame", "frame_18", -1},
    {"widget_4", "QWidget", "frame_CustomLight", -1},
    {"scrollArea_3", "QScrollArea", "widget_4", -1},
    {"scrollAreaWidgetContents_3", "QWidget", "scrollArea_3", -2},
    {"page_SideLed", "QWidget", "stackedWidget", 1},
    {"frame_20", "QFrame", "page_SideLed", -1},
    {"toolButton_SideStatic", "CustomButton", "frame_20", -1},
    {"toolButton_SideNeon", "CustomButton", "frame_20", -1},
    {"toolButton_SideBreath", "CustomButton", "frame_20", -1},
    {"toolButton_SideWave", "CustomButton", "frame_20", -1},
    {"toolButton_SideCollision", "CustomButton", "frame_20", -1},
    {"page_MouseScrollAndLogo", "QWidget", "stackedWidget", 2},
    {"frame_31", "QFrame", "page_MouseScrollAndLogo", -1},
    {"toolButton_MouseScrollAndLogoStatic", "CustomButton", "frame_31", -1},
    {"toolButton_MouseScrollAndLogoNeon", "CustomButton", "frame_31", -1},
    {"toolButton_MouseScrollAndLogoBreath", "CustomButton", "frame_31", -1},
    {"toolButton_MouseScrollAndLogoDPI", "CustomButton", "frame_31", -1},
    {"frame_16", "QFrame", "page_CustomLed", -1},
    {"frame_17", "QFrame", "frame_16", -1},
    {"pushButton_CloseLedCustom", "QPushButton", "frame_17", -1},
    {"frame_12", "QFrame", "frame_16", -1},
    {"stackedWidget_CustomizeLight", "QStackedWidget", "frame_12", -1},
    {"page", "QWidget", "stackedWidget_CustomizeLight", 0},
    {"page_2", "QWidget", "stackedWidget_CustomizeLight", 1},
    {"page_ProfileOperate", "QWidget", "stackedWidget_CustomAll", 2},
    {"frame_22", "QFrame", "page_ProfileOperate", -1},
    {"frame_27", "QFrame", "frame_22", -1},
    {"label_MacroGroup", "QLabel", "frame_27", -1},
    {"pushButton_Import", "QPushButton", "frame_27", -1},
    {"pushButton_Add", "QPushButton", "frame_27", -1},
    {"widget_profile", "QWidget", "frame_22", -1},
    {"scrollArea_2", "QScrollArea", "widget_profile", -1},
    {"scrollAreaWidgetContents_2", "QWidget", "scrollArea_2", -2},
    {"frame_13", "QFrame", "page_ProfileOperate", -1},
    {"frame_21", "QFrame", "frame_13", -1},
    {"pushButton_CloseProfile", "QPushButton", "frame_21", -1},
    {"stackedWidget_2", "QStackedWidget", "frame_13", -1},
    {"page_profileModify", "QWidget", "stackedWidget_2", 0},
    {"frame_23", "QFrame", "page_profileModify", -1},
    {"label", "QLabel", "frame_23", -1},
    {"textEdit_profileName", "QTextEdit", "frame_23", -1},
    {"frame_24", "QFrame", "page_profileModify", -1},
    {"label_3", "QLabel", "frame_24", -1},
    {"textEdit_profileLinkProgram", "QTextEdit", "frame_24", -1},
    {"frame_25", "QFrame", "frame_24", -1},
    {"pushButton_selectAppPath", "QPushButton", "frame_25", -1},
    {"frame_26", "QFrame", "page_profileModify", -1},
    {"pushButton_OK", "QPushButton", "frame_26", -1},
    {"pushButton_Cancel", "QPushButton", "frame_26", -1},
    {"page_5", "QWidget", "stackedWidget_2", 1},
    {"stackedWidget_KeyboardArea", "QStackedWidget", "frame_11", -1},
    {"page_KeyboardShow", "QWidget", "stackedWidget_KeyboardArea", 0},
    {"frame_4", "QFrame", "page_KeyboardShow", -1},
    {"frame_9", "QFrame", "frame_4", -1},
    {"label_ProductName", "QLabel", "frame_9", -1},
    {"label_DeviceName", "QLabel", "frame_9", -1},
    {"frame_5", "QFrame", "frame_4", -1},
    {"frame_HidDeviceTypeChang", "QFrame", "frame_5", -1},
    {"stackedWidget_Onboard", "QStackedWidget", "frame_HidDeviceTypeChang", -1},
    {"page_OnboardOperate", "QWidget", "stackedWidget_Onboard", 0},
    {"comboBox_OnboardProfile", "QComboBox", "page_OnboardOperate", -1},
    {"pushButton_OnboardMoreOperate", "QPushButton", "page_OnboardOperate", -1},
    {"page_OnboardModifyName", "QWidget", "stackedWidget_Onboard", 1},
    {"lineEdit_OnboardModifyProfileName", "QLineEdit", "page_OnboardModifyName", -1},
    {"pushButton_OnboardSave", "QPushButton", "page_OnboardModifyName", -1},
    {"pushButton_OnboardCancel", "QPushButton", "page_OnboardModifyName", -1},
    {"frame_ModeSelect", "QFrame", "frame_HidDeviceTypeChang", -1},
    {"pushButton_AppMode", "QPushButton", "frame_ModeSelect", -1},
    {"pushButton_OnboardMode", "QPushButton", "frame_ModeSelect", -1},
    {"toolButton_Explain", "QToolButton", "frame_ModeSelect", -1},
    {"frame_OnboardProfile", "QFrame", "frame_5", -1},
    {"frame_Onboard", "QFrame", "frame_OnboardProfile", -1},
    {"pushButton_Default", "QPushButton", "frame_Onboard", -1},
    {"pushButton_FN1", "QPushButton", "frame_Onboard", -1},
    {"pushButton_OnboardConfigMoreOperate", "QPushButton", "frame_Onboard", -1},
    {"pushButton_FN", "QPushButton", "frame_OnboardProfile", -1},
    {"pushButton_Fn1Key", "QPushButton", "frame_OnboardProfile", -1},
    {"lightOperateFrame", "QFrame", "frame_5", -1},
    {"checkBox_LightSynchronize", "QCheckBox", "lightOperateFrame", -1},
    {"stackedWidget_DeviceChang", "QStackedWidget", "frame_5", -1},
    {"page_deviceShow", "QWidget", "stackedWidget_DeviceChang", 0},
    {"frame_32", "QFrame", "page_deviceShow", -1},
    {"hidDeviceShowFrame", "QWidget", "frame_32", -1},
    {"page_MouseLight", "QWidget", "stackedWidget_DeviceChang", 1},
    {"mouseLightFrame", "QWidget", "page_MouseLight", -1},
    {"page_Onboard", "QWidget", "stackedWidget_DeviceChang", 2},
    {"onboardFrame", "QFrame", "page_Onboard", -1},
    {"frame_OnboardDownload", "QFrame", "frame_4", -1},
    {"label_LogMsg", "QLabel", "frame_OnboardDownload", -1},
    {"toolButton_RestoreFactorySettings", "QToolButton", "frame_OnboardDownload", -1},
    {"toolButton_OnboardDownload", "QToolButton", "frame_OnboardDownload", -1},
    {"frame_6", "QFrame", "frame_4", -1},
    {"frame_8", "QFrame", "frame_6", -1},
    {"stackedWidget_Tool", "QStackedWidget", "frame_8", -1},
    {"page_Performance", "QWidget", "stackedWidget_Tool", 0},
    {"page_CustomList", "QWidget", "stackedWidget_Tool", 1},
    {"page_SoftKeyboard", "QWidget", "stackedWidget_Tool", 2},
    {"page_LightOffOrOpen", "QWidget", "stackedWidget_Tool", 3},
    {"page_MousePerformance", "QWidget", "stackedWidget_Tool", 4},
    {"page_MouseDpiConfig", "QWidget", "stackedWidget_Tool", 5},
    {"frame_LedControl", "QFrame", "page_LightOffOrOpen", -1},
    {"label_2", "QLabel", "frame_LedControl", -1},
    {"pushButton_LightOnOff", "QPushButton", "frame_LedControl", -1},
    {"frame_7", "QFrame", "frame_6", -1},
    {"pushButton_Performance", "QPushButton", "frame_7", -1},
    {"pushButton_CustomList", "QPushButton", "frame_7", -1},
    {"pushButton_MousePerformance", "QPushButton", "frame_7", -1},
    {"pushButton_MouseDpiConfig", "QPushButton", "frame_7", -1},
    {"pushButton_SoftKeyboard", "QPushButton", "frame_7", -1},
    {"page_TipShow", "QWidget", "stackedWidget_KeyboardArea", 1},
    {"frame_28", "QFrame", "page_TipShow", -1},
    {"frame_29", "QFrame", "frame_28", -1},
    {"frame_30", "QFrame", "frame_29", -1},
    {"label_Tip", "QLabel", "frame_28", -1},
};

// Layouts the page fills, and the widget each is installed on.
const char *const kHostLayouts[][2] = {
    {"horizontalLayout_24", "scrollAreaWidgetContents"},
    {"verticalLayout_30", "scrollAreaWidgetContents_2"},
    {"verticalLayout_39", "scrollAreaWidgetContents_3"},
    {"verticalLayout_26", "page"},
    {"horizontalLayout_17", "hidDeviceShowFrame"},
    {"horizontalLayout_31", "mouseLightFrame"},
    {"horizontalLayout_40", "onboardFrame"},
    {"horizontalLayout_8", "page_Performance"},
    {"horizontalLayout_9", "page_CustomList"},
    {"horizontalLayout_14", "page_SoftKeyboard"},
    {"horizontalLayout_27", "page_MousePerformance"},
    {"horizontalLayout_28", "page_MouseDpiConfig"},
    {"horizontalLayout_32", "frame_HidDeviceTypeChang"},
    {"horizontalLayout_35", "frame_OnboardProfile"},
};

QWidget *named(QWidget &root, const char *name)
{
    if (root.objectName() == QLatin1String(name))
        return &root;
    return root.findChild<QWidget *>(QLatin1String(name));
}

QList<ArrowWidget *> livePopups()
{
    QList<ArrowWidget *> popups;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *popup = qobject_cast<ArrowWidget *>(widget))
            popups.append(popup);
    }
    return popups;
}

QByteArray resetReport()
{
    QByteArray report(64, '\0');
    report[0] = 1;
    report[1] = 0x14;
    report[5] = 1;
    report[6] = 1;
    return report;
}

hidStructInfo deviceRecord(emu::DeviceId id, const QString &model, int deviceType)
{
    hidStructInfo info;
    info.vid = emu::spec(id).vendorId;
    info.pid = emu::spec(id).productId;
    std::strncpy(info.hidPath, emu::configurationPath(id).toLatin1().constData(), sizeof info.hidPath - 1);
    std::strncpy(info.hidName, model.toUtf8().constData(), sizeof info.hidName - 1);
    info.deviceType = deviceType;
    return info;
}

}  // namespace

class tst_DDevicePage : public QObject
{
    Q_OBJECT

private slots:
    void init() { emu::reset(); }
    void cleanup() { emu::reset(); }

    void formTree_data();
    void formTree();
    void formHostLayouts();
    void formFirstPagesAndChecks();
    void formKeepsAGivenObjectName();
    void listRowsStayBeforeTheSpacer_data();
    void listRowsStayBeforeTheSpacer();

    void freshPageState();
    void noticePosition();
    void profileLabelEvents_data();
    void profileLabelEvents();
    void explainPopupOneAtATime();
    void picturesExist();

    void sendWithoutDevice_data();
    void sendWithoutDevice();
    void linkWithoutTransportRefuses();
    void sendToOpenAndClosedDevice();
    void releasesDevicesAtEnd();
    void dpiCodeTable_data();
    void dpiCodeTable();
};

void tst_DDevicePage::formTree_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(sizeof kFormTable / sizeof kFormTable[0]); ++i)
        QTest::newRow(kFormTable[i].name) << i;
}

void tst_DDevicePage::formTree()
{
    QFETCH(int, row);
    const FormObject &entry = kFormTable[row];
    QWidget page;
    Ui::DDevicePage form;
    form.setupUi(&page);

    QWidget *widget = page.findChild<QWidget *>(QLatin1String(entry.name));
    QVERIFY2(widget, entry.name);
    QCOMPARE(QByteArray(widget->metaObject()->className()), QByteArray(entry.className));
    QWidget *parent = named(page, entry.parent);
    QVERIFY2(parent, entry.parent);
    if (entry.index >= 0) {
        auto *stack = qobject_cast<QStackedWidget *>(parent);
        QVERIFY(stack);
        QCOMPARE(stack->indexOf(widget), entry.index);
    } else if (entry.index == -2) {
        auto *area = qobject_cast<QScrollArea *>(parent);
        QVERIFY(area);
        QCOMPARE(area->widget(), widget);
    } else {
        QCOMPARE(widget->parentWidget(), parent);
    }
}

void tst_DDevicePage::formHostLayouts()
{
    QWidget page;
    Ui::DDevicePage form;
    form.setupUi(&page);
    for (const auto &host : kHostLayouts) {
        auto *layout = page.findChild<QLayout *>(QLatin1String(host[0]));
        QVERIFY2(layout, host[0]);
        QCOMPARE(layout->parentWidget(), named(page, host[1]));
    }
    // The three lists hold nothing but their trailing spacer.
    for (QLayout *list :
         {static_cast<QLayout *>(form.horizontalLayout_24), static_cast<QLayout *>(form.verticalLayout_30),
          static_cast<QLayout *>(form.verticalLayout_39)}) {
        QCOMPARE(list->count(), 1);
        QVERIFY(list->itemAt(0)->spacerItem());
    }
    QCOMPARE(page.findChildren<CustomButton *>().size(), 38);
    QCOMPARE(page.findChildren<QStackedWidget *>().size(), 9);
}

void tst_DDevicePage::formFirstPagesAndChecks()
{
    QWidget page;
    Ui::DDevicePage form;
    form.setupUi(&page);
    QCOMPARE(page.objectName(), QStringLiteral("DDevicePage"));
    QCOMPARE(page.size(), QSize(1200, 790));

    QCOMPARE(form.stackedWidget_CustomAll->currentWidget(), form.page_CustomKey);
    QCOMPARE(form.stackedWidget_Customize->currentWidget(), form.page_RemapKey);
    QCOMPARE(form.stackedWidget->currentWidget(), form.page_KeyboardLed);
    QCOMPARE(form.stackedWidget_CustomizeLight->currentWidget(), form.page);
    QCOMPARE(form.stackedWidget_2->currentWidget(), form.page_profileModify);
    QCOMPARE(form.stackedWidget_KeyboardArea->currentWidget(), form.page_KeyboardShow);
    QCOMPARE(form.stackedWidget_Onboard->currentWidget(), form.page_OnboardOperate);
    QCOMPARE(form.stackedWidget_DeviceChang->currentWidget(), form.page_deviceShow);
    QCOMPARE(form.stackedWidget_Tool->currentWidget(), form.page_Performance);

    for (QAbstractButton *checked : {static_cast<QAbstractButton *>(form.pushButton_KeyboardLed),
                                     static_cast<QAbstractButton *>(form.pushButton_AppMode),
                                     static_cast<QAbstractButton *>(form.pushButton_Default),
                                     static_cast<QAbstractButton *>(form.pushButton_Performance)})
        QVERIFY2(checked->isChecked(), qPrintable(checked->objectName()));
    QVERIFY(!form.pushButton_Custom->isChecked());
    QVERIFY(!form.pushButton_Led->isChecked());
    QVERIFY(form.textEdit_profileLinkProgram->placeholderText().startsWith(QStringLiteral("App path：/")));
}

void tst_DDevicePage::formKeepsAGivenObjectName()
{
    QWidget page;
    page.setObjectName(QStringLiteral("ownName"));
    Ui::DDevicePage form;
    form.setupUi(&page);
    QCOMPARE(page.objectName(), QStringLiteral("ownName"));
}

void tst_DDevicePage::listRowsStayBeforeTheSpacer_data()
{
    QTest::addColumn<QString>("layoutName");
    QTest::newRow("device list") << QStringLiteral("horizontalLayout_24");
    QTest::newRow("profile list") << QStringLiteral("verticalLayout_30");
    QTest::newRow("custom light list") << QStringLiteral("verticalLayout_39");
}

void tst_DDevicePage::listRowsStayBeforeTheSpacer()
{
    QFETCH(QString, layoutName);
    DDevicePage page;
    auto *layout = page.findChild<QBoxLayout *>(layoutName);
    QVERIFY(layout);
    auto *first = new QLabel(QStringLiteral("first"));
    auto *second = new QLabel(QStringLiteral("second"));
    layout->insertWidget(layout->count() - 1, first);
    layout->insertWidget(layout->count() - 1, second);
    QCOMPARE(layout->count(), 3);
    QCOMPARE(layout->itemAt(0)->widget(), first);
    QCOMPARE(layout->itemAt(1)->widget(), second);
    QVERIFY(layout->itemAt(2)->spacerItem());

    // Clearing the device and profile lists keeps the spacer and lets the rows go.
    if (layoutName == QLatin1String("horizontalLayout_24") || layoutName == QLatin1String("verticalLayout_30")) {
        QPointer<QLabel> guard(first);
        if (layoutName == QLatin1String("horizontalLayout_24"))
            page.clearDeviceList();
        else
            page.clearProfileList();
        QCOMPARE(layout->count(), 1);
        QVERIFY(layout->itemAt(0)->spacerItem());
        QTRY_VERIFY(guard.isNull());
    }
}

void tst_DDevicePage::freshPageState()
{
    DDevicePage page;
    auto *customize = page.findChild<QStackedWidget *>(QStringLiteral("stackedWidget_Customize"));
    QCOMPARE(customize->currentWidget()->objectName(), QStringLiteral("page_Default"));
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("pushButton_Custom"))->isChecked());
    QVERIFY(!page.findChild<QCheckBox *>(QStringLiteral("checkBox_LightSynchronize"))->isChecked());
    const char *hidden[] = {"stackedWidget_Onboard",
                            "frame_OnboardProfile",
                            "frame_OnboardDownload",
                            "frame_Custom",
                            "frame_24",
                            "pushButton_Test",
                            "pushButton_FN",
                            "pushButton_MoreOperate",
                            "pushButton_PerformanceChang"};
    for (const char *name : hidden)
        QVERIFY2(page.findChild<QWidget *>(QLatin1String(name))->isHidden(), name);
    QVERIFY(page.isLightOn());
    QVERIFY(page.currentHidPath().isEmpty());
    QVERIFY(page.getDeviceLinkMap().isEmpty());

    // The buttons carry their captions and pictures from the start, none selected.
    auto *macro = page.findChild<CustomButton *>(QStringLiteral("toolButton_Macro"));
    QVERIFY(macro);
    QVERIFY(macro->grab().toImage().format() != QImage::Format_Invalid);
}

void tst_DDevicePage::noticePosition()
{
    DDevicePage page;
    page.resize(1200, 790);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *rail = page.findChild<QWidget *>(QStringLiteral("frame"));
    auto *custom = page.findChild<QWidget *>(QStringLiteral("frame_Custom"));
    QCOMPARE(rail->width(), 45);
    QCOMPARE(page.getNoticePos(), QPoint(600 + 22, 125));

    custom->show();
    QTRY_VERIFY(custom->width() > 0);
    QCOMPARE(page.getNoticePos(), QPoint(600 + 22 + custom->width() / 2, 125));
}

void tst_DDevicePage::profileLabelEvents_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("consumed");
    QTest::addColumn<QString>("notice");
    QTest::newRow("right press passed on")
        << int(QEvent::MouseButtonPress) << int(Qt::RightButton) << false << QString();
    QTest::newRow("left release passed on")
        << int(QEvent::MouseButtonRelease) << int(Qt::LeftButton) << false << QString();
    QTest::newRow("left press without a device")
        << int(QEvent::MouseButtonPress) << int(Qt::LeftButton) << false << QStringLiteral("Please open hid first!");
}

void tst_DDevicePage::profileLabelEvents()
{
    QFETCH(int, type);
    QFETCH(int, button);
    QFETCH(bool, consumed);
    QFETCH(QString, notice);
    DDevicePage page;
    auto *label = page.findChild<QLabel *>(QStringLiteral("label_currentProfileName"));
    auto *toast = page.findChild<CbNotice *>();
    QVERIFY(toast);
    QMouseEvent event(QEvent::Type(type), QPointF(5, 5), Qt::MouseButton(button), Qt::MouseButton(button),
                      Qt::NoModifier);
    QCOMPARE(page.eventFilter(label, &event), consumed);
    QCOMPARE(toast->text(), notice);
    // Nothing else moved: the settings column stays closed.
    QVERIFY(page.findChild<QWidget *>(QStringLiteral("frame_Custom"))->isHidden());
}

void tst_DDevicePage::explainPopupOneAtATime()
{
    {
        DDevicePage page;
        auto *explain = page.findChild<QToolButton *>(QStringLiteral("toolButton_Explain"));
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(explain, &enter);
        QCoreApplication::sendEvent(explain, &enter);
        QCOMPARE(livePopups().size(), 1);
        QVERIFY(page.explainPopup());
        QVERIFY(page.explainPopup()->isVisible());

        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(explain, &leave);
        QVERIFY(!page.explainPopup());  // deleted when the pointer leaves
        QCOMPARE(livePopups().size(), 0);
        QCoreApplication::sendEvent(explain, &enter);
    }
    // The page takes its popup with it.
    QCOMPARE(livePopups().size(), 0);
}

void tst_DDevicePage::picturesExist()
{
    DDevicePage page;
    QSet<QString> paths;
    const QRegularExpression url(QStringLiteral("url\\(([^)]+)\\)"));
    for (QWidget *widget : page.findChildren<QWidget *>()) {
        auto it = url.globalMatch(widget->styleSheet());
        while (it.hasNext())
            paths.insert(it.next().captured(1).trimmed());
    }
    const auto addTable = [&paths](const auto &table) {
        for (const DevicePageTables::ButtonEntry &entry : table) {
            paths.insert(QLatin1String(entry.icon));
            paths.insert(CustomButton::selectedIconPath(QLatin1String(entry.icon)));
        }
    };
    addTable(DevicePageTables::keyOperationButtons);
    addTable(DevicePageTables::keyboardEffectButtons);
    addTable(DevicePageTables::sideEffectButtons);
    addTable(DevicePageTables::scrollLogoEffectButtons);
    // Pictures the page switches to at run time.
    for (const char *extra : {":/images/deviceLed/ledOff.png", ":/images/softKeyboardDef.png", ":/images/MouseDef.png",
                              ":/images/customMadeSel.png", ":/images/ledSel.png"})
        paths.insert(QLatin1String(extra));
    QVERIFY(paths.size() > 40);
    for (const QString &path : qAsConst(paths))
        QVERIFY2(QFile::exists(path), qPrintable(path));
}

void tst_DDevicePage::sendWithoutDevice_data()
{
    QTest::addColumn<bool>("userStarted");
    QTest::newRow("started by the user") << true;
    QTest::newRow("started by the program") << false;
}

void tst_DDevicePage::sendWithoutDevice()
{
    QFETCH(bool, userStarted);
    DDevicePage page;
    auto *toast = page.findChild<CbNotice *>();
    QVERIFY(!page.sendToCurrentDevice(resetReport(), userStarted));
    QCOMPARE(toast->text(), userStarted ? QStringLiteral("Please open hid first!") : QString());
}

void tst_DDevicePage::linkWithoutTransportRefuses()
{
    // A link that was never opened has no transport at all.
    DDeviceKeyboardLink link(1);
    const QByteArray report = resetReport();
    QCOMPARE(link.sendCommand(reinterpret_cast<const unsigned char *>(report.constData())), -1);
    QCOMPARE(link.sendCommand(nullptr), -1);
    QVERIFY(!link.isDeviceOpen());
    link.setShakeHandsMode(false);
    link.setLightDataMode(1);
    link.setLightDataEnabled(true);
    link.clearQueuedLightData();
}

void tst_DDevicePage::sendToOpenAndClosedDevice()
{
    const emu::DeviceId id = emu::plug(emu::keyboardSpec());
    DDevicePage page;
    QVERIFY(page.setHidStructInfoList({deviceRecord(id, QStringLiteral("ZK87A"), 0)}));
    QCOMPARE(page.currentHidPath(), emu::configurationPath(id));

    QVERIFY(page.sendToCurrentDevice(resetReport(), true));
    QVERIFY(emu::waitForCommand(id, 0x14, std::chrono::milliseconds(5000)));
    auto *toast = page.findChild<CbNotice *>();
    QVERIFY(toast->text().isEmpty());

    // Its transport closed: refused, said once, and nothing more reaches the device.
    page.closeAllDevices();
    emu::clearWritten(id);
    QVERIFY(!page.sendToCurrentDevice(resetReport(), true));
    QCOMPARE(toast->text(), QStringLiteral("Please open hid first!"));
    QTest::qWait(50);
    QVERIFY(emu::writtenCommand(id, 0x14).isEmpty());
}

void tst_DDevicePage::releasesDevicesAtEnd()
{
    const emu::DeviceId id = emu::plug(emu::keyboardSpec());
    {
        DDevicePage page;
        page.setHidStructInfoList({deviceRecord(id, QStringLiteral("ZK87A"), 0)});
        QVERIFY(emu::openHandleCount(id) > 0);
    }
    QCOMPARE(emu::openHandleCount(id), 0);
}

void tst_DDevicePage::dpiCodeTable_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("code");  // -1: no code
    QTest::newRow("lowest") << 200 << 4;
    QTest::newRow("step of 3") << 500 << 11;
    QTest::newRow("2000 to 2400 run") << 2400 << 55;
    QTest::newRow("after the run") << 2500 << 57;
    QTest::newRow("highest") << 5000 << 115;
    QTest::newRow("below the table") << 100 << -1;
    QTest::newRow("above the table") << 5100 << -1;
    QTest::newRow("not a multiple of 100") << 850 << -1;
}

void tst_DDevicePage::dpiCodeTable()
{
    QFETCH(int, dpi);
    QFETCH(int, code);
    const QMap<int, int> map = DevicePageTables::dpiCodeMap();
    QCOMPARE(map.size(), 49);
    QCOMPARE(map.value(dpi, -1), code);
    // The code never falls as the DPI rises.
    int previous = 0;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        QVERIFY(it.value() > previous);
        previous = it.value();
    }
}

QTEST_MAIN(tst_DDevicePage)
#include "tst_DDevicePage.moc"
