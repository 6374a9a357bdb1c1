// SPDX-License-Identifier: GPL-3.0-or-later
// The macro page's rows: an event row's icons, caption, delay and highlights, and a macro row's
// clicks, popup and in-place renaming against a library file.

#include "ArrowWidget.h"
#include "DCatchKeyAndMouseItem.h"
#include "DDataManager.h"
#include "DMacroListItem.h"
#include "NoFileGrowth.h"
#include "xmlInterface.h"

#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// What a real double click delivers: a press and a release, then the double-click event.
void doubleClick(QWidget *widget, Qt::MouseButton button)
{
    QTest::mousePress(widget, button, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseRelease(widget, button, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseDClick(widget, button, Qt::NoModifier, QPoint(3, 3));
}

QString sheetOf(QWidget *root, const char *name)
{
    return root->findChild<QWidget *>(QLatin1String(name))->styleSheet();
}

QString textOf(QWidget *root, const char *name)
{
    return root->findChild<QLabel *>(QLatin1String(name))->text();
}

const QByteArray kLibrary = R"(<?xml version="1.0" encoding="UTF-8" ?>
<Parameters profileIndex="1">
  <macro index="1" name="Jump">
    <item mark="0123456789abcdef" delay="0" type="key" keyCode="4" codeName="A" operateExplain="down"/>
  </macro>
  <macro index="2" name="1"/>
</Parameters>
)";

QByteArray writeLibrary(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("brivexMacro.xml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(kLibrary) != kLibrary.size())
        return QByteArray();
    return QFile::encodeName(path);
}

QList<IndexNameInfo> macrosIn(const QByteArray &path)
{
    xmlInterface store;
    QList<IndexNameInfo> list;
    store.getMacroList(path.constData(), &list);
    return list;
}

void releaseOn(QWidget *menu, const char *label)
{
    QWidget *row = menu->findChild<QWidget *>(QLatin1String(label));
    QVERIFY(row);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(row, &release);
}

}  // namespace

class tst_MacroRows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void eventRow_data();
    void eventRow();
    void eventRowHighlights();
    void eventRowDeleteButtonOnHover();
    void eventRowPress_data();
    void eventRowPress();

    void macroRowSelects_data();
    void macroRowSelects();
    void macroRowRename_data();
    void macroRowRename();
    void macroRowRenameNotStored();
    void macroRowCancelKeepsName();
    void macroRowPopup_data();
    void macroRowPopup();
    void macroRowSecondPopupReplacesFirst();
    void macroRowLooks();

private:
    ThemeColorConfig m_theme;
};

void tst_MacroRows::initTestCase()
{
    DDataManager::getInstance()->loadThemeConfig(0);
    m_theme = DDataManager::getInstance()->getThemeColor();
    QVERIFY(!m_theme.MacroCenterBgColor.isEmpty());
}

void tst_MacroRows::eventRow_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("codeName");
    QTest::addColumn<QString>("explain");
    QTest::addColumn<QString>("kindIcon");
    QTest::addColumn<QString>("directionIcon");
    QTest::addColumn<QString>("caption");
    QTest::newRow("key down") << "key"
                              << "A"
                              << "down"
                              << "keyboardSel"
                              << "keyDownSel"
                              << "A";
    QTest::newRow("key up") << "key"
                            << "Enter"
                            << "up"
                            << "keyboardSel"
                            << "keyUpDef"
                            << "Enter";
    QTest::newRow("right click up") << "mouse"
                                    << "Right Click Up"
                                    << "up"
                                    << "mouseSel"
                                    << "keyUpDef"
                                    << "Right Click";
    QTest::newRow("left click") << "mouse"
                                << "Left Click Down"
                                << "down"
                                << "mouseSel"
                                << "keyDownSel"
                                << "Left Click";
    QTest::newRow("center click") << "mouse"
                                  << "Center Click"
                                  << "down"
                                  << "mouseSel"
                                  << "keyDownSel"
                                  << "Center Click";
    QTest::newRow("wheel: no caption") << "mouse"
                                       << "Wheel"
                                       << "down"
                                       << "mouseSel"
                                       << "keyDownSel"
                                       << "";
    QTest::newRow("lower-case left: no caption") << "mouse"
                                                 << "left"
                                                 << "up"
                                                 << "mouseSel"
                                                 << "keyUpDef"
                                                 << "";
    QTest::newRow("pure delay") << "delay"
                                << "Wait"
                                << "down"
                                << "timeSel"
                                << "keyUpDef"
                                << "Wait";
}

void tst_MacroRows::eventRow()
{
    QFETCH(QString, type);
    QFETCH(QString, codeName);
    QFETCH(QString, explain);
    QFETCH(QString, kindIcon);
    QFETCH(QString, directionIcon);
    QFETCH(QString, caption);
    DCatchKeyAndMouseItem row(QStringLiteral("00000000000000aa"));
    row.setEventInfo(120, type, 4, codeName, explain);
    QVERIFY(sheetOf(&row, "pushButton_EventSelect").contains("/images/macro/" + kindIcon + ".png"));
    QVERIFY(sheetOf(&row, "pushButton_EventStatus").contains("/images/macro/" + directionIcon + ".png"));
    QCOMPARE(textOf(&row, "label_CatchEventExplain"), caption);
    QCOMPARE(textOf(&row, "label_DelayTime"), QStringLiteral("120 MS"));
    QCOMPARE(row.getCodeName(), codeName);
    QCOMPARE(row.getKeyCode(), QStringLiteral("4"));
    QCOMPARE(row.getMark(), QStringLiteral("00000000000000aa"));

    row.setDelay(65535);
    QCOMPARE(textOf(&row, "label_DelayTime"), QStringLiteral("65535 MS"));
    QCOMPARE(row.getDelay(), QStringLiteral("65535"));
}

void tst_MacroRows::eventRowHighlights()
{
    DCatchKeyAndMouseItem row(QStringLiteral("m"));
    const QString plain2 = sheetOf(&row, "frame_2");
    QVERIFY(plain2.contains(QLatin1String("rgba(0,0,0,0.003922)")));  // nearly transparent, not black
    {
        // A new row's delay cell lets the row's own background show through: not black.
        QWidget page;
        page.setStyleSheet(QStringLiteral("QWidget#page{background-color: white;}"));
        page.setObjectName(QStringLiteral("page"));
        page.resize(725, 46);
        DCatchKeyAndMouseItem *fresh = new DCatchKeyAndMouseItem(QStringLiteral("m"), &page);
        fresh->resize(725, 46);
        QWidget *cell = fresh->findChild<QWidget *>(QStringLiteral("frame_2"));
        const QImage image = page.grab().toImage();
        const QPoint inCell = cell->mapTo(&page, QPoint(3, cell->height() / 2));
        QVERIFY2(image.pixelColor(inCell) != QColor(Qt::black), qPrintable(image.pixelColor(inCell).name()));
    }

    row.setSelectedHighlight(true);
    QVERIFY(sheetOf(&row, "frame").contains("rgb(" + m_theme.MacroListItemSelectedColor + ")"));
    QVERIFY(sheetOf(&row, "frame_2").contains("rgb(" + m_theme.MacroListItemSelectedColor + ")"));
    QVERIFY(sheetOf(&row, "label_DelayTime").contains("rgb(" + m_theme.TextCheckedColor + ")"));

    row.setSelectedHighlight(false);
    QVERIFY(sheetOf(&row, "frame_2").contains("rgb(" + m_theme.MacroCenterBgColor + ")"));
    QVERIFY(!sheetOf(&row, "frame_2").contains(QLatin1String("0,0,0,1")));
    QVERIFY(sheetOf(&row, "label_DelayTime").contains("rgb(" + m_theme.MacroListItemTextColor + ")"));

    row.setPartnerHighlight(true);
    QVERIFY(sheetOf(&row, "frame").contains("rgb(" + m_theme.MacroListItemSelectedColor + ")"));
    QVERIFY(sheetOf(&row, "label_CatchEventExplain").contains("rgb(" + m_theme.MacroListItemTextColor + ")"));
    row.setPartnerHighlight(false);
    QVERIFY(sheetOf(&row, "frame_2").contains("rgb(" + m_theme.MacroCenterBgColor + ")"));
}

void tst_MacroRows::eventRowDeleteButtonOnHover()
{
    DCatchKeyAndMouseItem row(QStringLiteral("m"));
    row.show();
    auto *remove = row.findChild<QPushButton *>(QStringLiteral("pushButton_Delete"));
    QVERIFY(remove->isHidden());
    QSignalSpy entered(&row, &DCatchKeyAndMouseItem::sigMouseEnter);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&row, &enter);
    QVERIFY(!remove->isHidden());
    QSignalSpy deleted(&row, &DCatchKeyAndMouseItem::sigDeleteKeyAndMouseEvent);
    remove->click();
    QCOMPARE(deleted.count(), 1);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&row, &leave);
    QVERIFY(remove->isHidden());
    QCOMPARE(entered.count(), 0);
}

void tst_MacroRows::eventRowPress_data()
{
    QTest::addColumn<int>("buttonValue");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
    QTest::newRow("middle") << int(Qt::MiddleButton);
}

void tst_MacroRows::eventRowPress()
{
    QFETCH(int, buttonValue);
    const auto button = Qt::MouseButton(buttonValue);
    DCatchKeyAndMouseItem row(QStringLiteral("m"));
    row.setEventInfo(15, QStringLiteral("mouse"), 513, QStringLiteral("Left Click"), QStringLiteral("down"));
    QSignalSpy clicked(&row, &DCatchKeyAndMouseItem::sigKeyOrMouseEventClick);
    QTest::mousePress(&row, button, Qt::NoModifier, QPoint(3, 3));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0), (QVariantList{"15", "mouse", "513", "Left Click", "down"}));
}

void tst_MacroRows::macroRowSelects_data()
{
    QTest::addColumn<int>("buttonValue");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
}

void tst_MacroRows::macroRowSelects()
{
    QFETCH(int, buttonValue);
    const auto button = Qt::MouseButton(buttonValue);
    DMacroListItem row;
    row.setIndexAndName(QStringLiteral("7"), QStringLiteral("Combo"));
    QSignalSpy clicked(&row, &DMacroListItem::sigMacroItemMouseClicked);
    QTest::mousePress(&row, button, Qt::NoModifier, QPoint(3, 3));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0), (QVariantList{"7", "Combo"}));

    // A double click selects once, then edits the current name.
    clicked.clear();
    doubleClick(&row, button);
    QCOMPARE(clicked.count(), 1);
    QVERIFY(row.isEditing());
    QCOMPARE(row.findChild<QLineEdit *>(QStringLiteral("lineEdit_MacroName"))->text(), QStringLiteral("Combo"));
}

void tst_MacroRows::macroRowRename_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");  // empty: refused
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("plain") << "Dash"
                           << "Dash";
    QTest::newRow("non-Latin") << QString::fromUtf8("连招 Ω") << QString::fromUtf8("连招 Ω");
    // 21 three-byte characters are 63 bytes; the 22nd is cut.
    QTest::newRow("cut at a character") << QString(22, QChar(0x8FDE)) << QString(21, QChar(0x8FDE));
    // The name of macro 2 is "1": renaming macro 1 must not touch it.
    QTest::newRow("another macro's index") << "2"
                                           << "2";
}

void tst_MacroRows::macroRowRename()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QTemporaryDir dir;
    const QByteArray path = writeLibrary(dir);
    QVERIFY(!path.isEmpty());
    xmlInterface store;
    DMacroListItem row;
    row.setMacroXml(path.constData(), &store);
    row.setIndexAndName(QStringLiteral("1"), QStringLiteral("Jump"));
    QSignalSpy empty(&row, &DMacroListItem::sigModifyMacroItemNameIsEmpty);
    QSignalSpy success(&row, &DMacroListItem::sigModifyMacroItemNameSuccess);
    QSignalSpy failed(&row, &DMacroListItem::sigModifyMacroItemNameFailed);

    doubleClick(&row, Qt::LeftButton);
    row.findChild<QLineEdit *>(QStringLiteral("lineEdit_MacroName"))->setText(typed);
    row.findChild<QPushButton *>(QStringLiteral("pushButton_Save"))->click();

    const QList<IndexNameInfo> macros = macrosIn(path);
    QCOMPARE(macros.size(), 2);
    QCOMPARE(QString::fromUtf8(macros.at(1).name), QStringLiteral("1"));
    if (stored.isEmpty()) {
        QCOMPARE(empty.count(), 1);
        QVERIFY(row.isEditing());
        QCOMPARE(QString::fromUtf8(macros.at(0).name), QStringLiteral("Jump"));
        return;
    }
    QCOMPARE(success.count(), 1);
    QCOMPARE(failed.count(), 0);
    QVERIFY(!row.isEditing());
    QCOMPARE(row.name(), stored);
    QCOMPARE(row.findChild<QLabel *>(QStringLiteral("label_MacroName"))->text(), stored);
    QCOMPARE(QString::fromUtf8(macros.at(0).name), stored);
}

void tst_MacroRows::macroRowRenameNotStored()
{
    QTemporaryDir dir;
    const QByteArray path = writeLibrary(dir);
    xmlInterface store;
    DMacroListItem row;
    row.setMacroXml(path.constData(), &store);
    row.setIndexAndName(QStringLiteral("1"), QStringLiteral("Jump"));
    QSignalSpy success(&row, &DMacroListItem::sigModifyMacroItemNameSuccess);
    QSignalSpy failed(&row, &DMacroListItem::sigModifyMacroItemNameFailed);
    doubleClick(&row, Qt::LeftButton);
    row.findChild<QLineEdit *>(QStringLiteral("lineEdit_MacroName"))->setText(QStringLiteral("A much longer name"));
    withFileSizeLimit(64, [&] { row.findChild<QPushButton *>(QStringLiteral("pushButton_Save"))->click(); });

    QCOMPARE(failed.count(), 1);
    QCOMPARE(success.count(), 0);
    QVERIFY(row.isEditing());
    QCOMPARE(row.name(), QStringLiteral("Jump"));
    QCOMPARE(row.findChild<QLabel *>(QStringLiteral("label_MacroName"))->text(), QStringLiteral("Jump"));
    QCOMPARE(QString::fromUtf8(macrosIn(path).at(0).name), QStringLiteral("Jump"));

    // A row without a library cannot store a name either.
    DMacroListItem loose;
    QSignalSpy looseFailed(&loose, &DMacroListItem::sigModifyMacroItemNameFailed);
    doubleClick(&loose, Qt::LeftButton);
    loose.findChild<QLineEdit *>(QStringLiteral("lineEdit_MacroName"))->setText(QStringLiteral("X"));
    loose.findChild<QPushButton *>(QStringLiteral("pushButton_Save"))->click();
    QCOMPARE(looseFailed.count(), 1);
}

void tst_MacroRows::macroRowCancelKeepsName()
{
    DMacroListItem row;
    row.setIndexAndName(QStringLiteral("1"), QStringLiteral("Jump"));
    doubleClick(&row, Qt::LeftButton);
    row.findChild<QLineEdit *>(QStringLiteral("lineEdit_MacroName"))->setText(QStringLiteral("Other"));
    row.findChild<QPushButton *>(QStringLiteral("pushButton_Cancel"))->click();
    QVERIFY(!row.isEditing());
    QCOMPARE(row.name(), QStringLiteral("Jump"));
    QCOMPARE(row.findChild<QLabel *>(QStringLiteral("label_MacroName"))->text(), QStringLiteral("Jump"));
}

void tst_MacroRows::macroRowPopup_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("action");
    QTest::newRow("Export") << "label_Export"
                            << "export";
    QTest::newRow("Delete") << "label_Delete"
                            << "delete";
    QTest::newRow("Modify Name") << "label_ModifyNanme"
                                 << "edit";
}

void tst_MacroRows::macroRowPopup()
{
    QFETCH(QString, label);
    QFETCH(QString, action);
    DMacroListItem row;
    row.setIndexAndName(QStringLiteral("4"), QStringLiteral("Run"));
    row.show();
    QStringList log;
    connect(&row, &DMacroListItem::sigExportMacroChildList, this,
            [&](const QString &index, const QString &name) { log << "export " + index + " " + name; });
    connect(&row, &DMacroListItem::sigDeleteMacro, this,
            [&](const QString &index, const QString &name) { log << "delete " + index + " " + name; });
    row.findChild<QPushButton *>(QStringLiteral("pushButton_MacroOperate"))->click();
    ArrowWidget *popup = row.operationPopup();
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->size(), QSize(200, 150));
    connect(&row, &DMacroListItem::sigExportMacroChildList, this,
            [&] { log << (popup->isVisible() ? "open" : "hidden"); });
    connect(&row, &DMacroListItem::sigDeleteMacro, this, [&] { log << (popup->isVisible() ? "open" : "hidden"); });

    releaseOn(popup, qPrintable(label));
    if (action == QLatin1String("edit")) {
        QVERIFY(!popup->isVisible());
        QVERIFY(row.isEditing());
        QCOMPARE(row.findChild<QLineEdit *>(QStringLiteral("lineEdit_MacroName"))->text(), QStringLiteral("Run"));
        QVERIFY(log.isEmpty());
    } else {
        QCOMPARE(log, (QStringList{action + " 4 Run", "hidden"}));
    }
}

void tst_MacroRows::macroRowSecondPopupReplacesFirst()
{
    DMacroListItem row;
    row.show();
    auto *operate = row.findChild<QPushButton *>(QStringLiteral("pushButton_MacroOperate"));
    operate->click();
    QPointer<ArrowWidget> first = row.operationPopup();
    QVERIFY(first);
    operate->click();
    QVERIFY(first.isNull());
    QVERIFY(row.operationPopup());
    QCOMPARE(row.findChildren<ArrowWidget *>().size(), 1);

    // The arrow's tip, 100 pixels in, is centred under the button.
    const QPoint anchor = operate->mapToGlobal(QPoint(operate->width() / 2, operate->height() - 6));
    QCOMPARE(row.operationPopup()->pos(), anchor - QPoint(100, 20));
}

void tst_MacroRows::macroRowLooks()
{
    DMacroListItem row;
    const QString normal = sheetOf(&row, "frame_5");
    QVERIFY(normal.contains(QLatin1String(":hover")));
    QVERIFY(normal.contains("rgb(" + m_theme.MacroListItemHoverColor + ")"));
    row.setSelected(true);
    const QString selected = sheetOf(&row, "frame_5");
    QVERIFY(!selected.contains(QLatin1String(":hover")));
    QVERIFY(selected.contains("rgb(" + m_theme.MacroListItemSelectedColor + ")"));
    QVERIFY(selected.contains("rgb(" + m_theme.MacroBorderColor + ")"));
    row.setSelected(false);
    QCOMPARE(sheetOf(&row, "frame_5"), normal);
    QVERIFY(sheetOf(&row, "label_MacroName").contains("rgb(" + m_theme.MacroListItemTextColor + ")"));
    QVERIFY(row.findChild<QLabel *>(QStringLiteral("label_BindingStatus"))->isHidden());
}

QTEST_MAIN(tst_MacroRows)
#include "tst_MacroRows.moc"
