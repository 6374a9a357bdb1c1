// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Macro page of the main window: the macro library on the left (with the delay settings and
// the Record button), the events of the selected macro in the centre, inserting and editing an
// event on the right. A recording takes the keys and clicks of the global input hooks, timed by
// the display server, into the selected macro; every change is written to the library through the
// XML store, and a write the store refuses is reported and the rows are read back from the file.
// While the page is not the current one, hooked keys go on to the device page.

#include "MacroKeyMap.h"
#include "WindowsHookInterface.h"
#include "XmlRecords.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace Ui {
class DMacroPage;
}

class CbNotice;
class DCatchKeyAndMouseItem;
class DMacroListItem;
class MacroListRows;
class MacroPageEditor;
class MacroPageLibrary;
class MacroPageRecorder;
class MacroPageTheme;
class QButtonGroup;
class QVBoxLayout;
class xmlInterface;

class DMacroPage : public QWidget
{
    Q_OBJECT
public:
    explicit DMacroPage(QWidget *parent = nullptr);
    ~DMacroPage() override;

    // The macro library's path (8-bit, held whole) and the XML store (not owned).
    void setMacroXml(const char *macroXmlPath, xmlInterface *xml);
    // Key names and usages of recorded keys; read once, tried again while unreadable.
    void loadKeyboardInfo();
    // Rebuilds the macro list from the library and selects its first macro.
    void loadMacroList();
    QList<IndexNameInfo> macroList() const;

    // Whether the Macro page is the main window's current page (false after construction). While
    // it is false, hooked keys go to the device page as sigHookKeyboardRecviveStream(0, HID usage
    // or -1, 1 down / 0 up) and nothing is recorded.
    void setPageCurrent(bool current);
    bool isPageCurrent() const;
    bool isRecording() const;
    // Stops a running recording and saves it, else starts one into the selected macro.
    void toggleRecording();

    void retranslate();
    // Default choices, tooltips, and the current macro selected again.
    void updateTexts();
    // Style sheets, toast colours and fonts from the current theme, then the macro list again;
    // the macro list's scroll bar follows 500 ms later.
    void applyTheme();
    // The start-up theme, left until it is needed: when the page is first shown, or once the
    // window has first been painted, just before the list is read (the rows take the theme when
    // they are built, so they are built once). applyTheme() first makes it unnecessary.
    void applyThemeLater();
    // Reads the macro list once the window has first been painted (at most once): the library's
    // rows are there, and a library the store refuses is named, without delaying the window.
    void loadMacroListAfterFirstPaint();

    // Imports the last macro of an XML file as a new macro; false (with a notice) when refused.
    bool importMacroFile(const QString &path);
    // Exports a macro of the library into the folder; false (with a notice) when it failed.
    bool exportMacro(const QString &index, const QString &name, const QString &folder);
    // The folder the import and export dialogs start in (the Desktop).
    void setDefaultFolder(const QString &folder);

    QString currentMacroIndex() const;
    QString currentMacroName() const;
    // The event rows in screen order, and the macro rows built now (those in and near the
    // list's view) in list order.
    QList<DCatchKeyAndMouseItem *> eventRows() const;
    QList<DMacroListItem *> macroItems() const;
    // The macros the list holds, built or not.
    int macroCount() const;
    int totalTime() const;
    // The text of the notice shown last.
    QString noticeText() const;

    // A new mark: 16 lowercase hexadecimal digits of a random UUID.
    static QString createEventMark();
    // A theme colour text's first three parts (0 where missing or not a number) with this alpha.
    static QColor themeColour(const QString &text, int alpha);
    // The most rows the event list holds.
    static constexpr int kMaxRows = 40;
    static constexpr int kMaxDowns = 20;
    static constexpr int kMaxImportRows = 41;
    static constexpr qint64 kMaxImportBytes = 1024 * 1024;

signals:
    void sigMacroListHaveChanged(QString strMacroIndex, QString strMacroName);
    void sigHookKeyboardRecviveStream(int dataFrom, int keyCode, int flag);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag);
    void onMouseRecviveStream(int nCode, WPARAM wParam, LPARAM lParam);
    void onKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName, QString operateExplain);
    void onMouseEnter(QString selectMark, QString selectOperateExplain);
    void onMouseLeave(QString selectMark, QString selectOperateExplain);

    void onDeleteKeyAndMouseEvent();
    void on_pushButton_InsertMacro_clicked();
    void on_pushButton_ModifyMacro_clicked();
    void on_pushButton_MoveUp_clicked();
    void on_pushButton_MoveDown_clicked();
    void on_radioButton_Key_clicked();
    void on_radioButton_Mouse_clicked();
    void on_radioButton_Delay_clicked();
    void on_radioButton_KeyboardEvent_clicked();
    void on_radioButton_MouseEvent_clicked();

    void onMacroItemMouseClicked(QString strMacroIndex, QString strMacroName);
    void on_pushButton_Add_clicked();
    void onDeleteMacro(QString strMacroIndex, QString strMacroName);
    void onModifyMacroItemNameIsEmpty();
    void onModifyMacroItemNameSuccess();
    void onModifyMacroItemNameFailed();
    void on_pushButton_ClearMacroLst_clicked();
    void on_pushButton_Import_clicked();
    void onExportMacroChildList(QString strMacroIndex, QString strMacroName);
    void onScrollSheetSet();
    void onScrollAreaValueChanged(int value);
    void onSliderReleased();

private:
    // The page's helpers, each with one job; they work on the page's members.
    friend class MacroPageEditor;
    friend class MacroPageLibrary;
    friend class MacroPageRecorder;
    friend class MacroPageTheme;

    // Rows.
    DCatchKeyAndMouseItem *createEventRow(const QString &mark, int delay, const QString &type, int code,
                                          const QString &name, const QString &operateExplain, int position);
    void removeEventRow(DCatchKeyAndMouseItem *row);
    DMacroListItem *createMacroRow(QWidget *contents);
    void clearEventRows();
    int rowCount() const;
    DCatchKeyAndMouseItem *rowAt(int position) const;
    DCatchKeyAndMouseItem *partnerOf(DCatchKeyAndMouseItem *row) const;
    int rowsWithMark(const QString &mark) const;
    QList<MacroEventInfo> eventsOfRows() const;
    void showTotalTime();
    void recountDowns();
    void clearRowSelection();

    // The library.
    bool hasLibrary() const;
    QByteArray indexKey() const;
    bool rewriteCurrentMacro();
    void reloadCurrentMacro();
    void emitMacroListChanged();
    void showNotice(const QString &text);
    void setToolTips();

    std::unique_ptr<Ui::DMacroPage> ui;
    std::unique_ptr<MacroPageRecorder> m_recorder;  // hooked keys and clicks, recording
    std::unique_ptr<MacroPageEditor> m_editor;      // editing the current macro's events
    std::unique_ptr<MacroPageLibrary> m_library;    // adding, deleting, clearing, import and export
    std::unique_ptr<MacroPageTheme> m_theme;        // style sheets, colours and fonts
    QString m_defaultFolder;
    QVBoxLayout *m_eventLayout = nullptr;
    bool m_recording = false;
    CbNotice *m_notice = nullptr;
    QByteArray m_macroXmlPath;
    xmlInterface *m_xml = nullptr;
    // Built with the page, after the device page's, so that the capture's events come here.
    WindowsHookInterface *m_hook = nullptr;
    QButtonGroup *m_delayModes = nullptr;
    MacroKeyMap m_keys;

    // HID usage of a key recorded going down, to the mark of that event, until its up.
    QHash<int, QString> m_markMap;
    // Mouse button (its down message) to the mark of its recorded down, until its up.
    QHash<int, QString> m_mouseMarks;
    QList<MacroEventInfo> m_macroInfoList;
    bool m_haveLastEvent = false;
    quint32 m_lastEventTime = 0;
    int m_totalTime = 0;
    int m_recordMacroListDownOperateNum = 0;
    QList<DCatchKeyAndMouseItem *> m_CatchKeyAndMouseItemList;
    bool m_mouseGuard = false;
    bool m_limitedNoticeShown = false;

    MacroListRows *m_macroRows = nullptr;
    QString m_curMacroIndex;
    QString m_curMacroName;
    QString m_selectedMouseCaption;
    bool m_selectFirstMacro = false;

    bool m_rowSelected = false;
    int m_selectedRowPos = 0;
    QPointer<DCatchKeyAndMouseItem> m_selectedRow;
    QString m_selectedMark;
    int m_selectedDirection = -1;  // 0 down, 1 up
    QString m_enteredKeyName;
    int m_enteredKeyUsage = -1;

    bool m_pageCurrent = false;
    // The list is read from the library once the window has first been painted (a large library
    // then does not hold the window back), or when the page asks for it before that.
    bool m_listLoaded = false;
    QPointer<QWidget> m_firstPaintWatched;
    bool m_themePending = false;  // the start-up theme waits (applyThemeLater)
    QString m_scrollSheet;
    QTimer m_scrollSheetTimer;
    // The record button's label font, applied again whenever the recording restyles the label.
    QFont m_recordLabelFont;
};
