// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Macro page of the main window: the macro library on the left, the events of the selected
// macro in the centre, inserting and editing an event on the right. The form (DMacroPage.ui) names
// every widget; applyTheme styles them from the colour theme.

#include "XmlRecords.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace Ui {
class DMacroPage;
}

class CbNotice;
class WindowsHookInterface;
class xmlInterface;

class DMacroPage : public QWidget
{
    Q_OBJECT
public:
    explicit DMacroPage(QWidget *parent = nullptr);
    ~DMacroPage() override;

    // Keeps the macro library's path (8-bit, local encoding) and the XML store (not owned).
    void setMacroXml(const char *macroXmlPath, xmlInterface *xml);
    // Key names of recorded key events; read again every time the page is opened.
    void loadKeyboardInfo();
    // The macros of the library, in index order; read again every time the page is opened.
    void loadMacroList();
    QList<IndexNameInfo> macroList() const;

    // Whether the Macro page is the one shown (false after construction). While it is false,
    // hooked keys go to the device page instead of a recording: each key-down and key-up as
    // sigHookKeyboardRecviveStream(0, HID usage or -1, 1 or 0).
    void setMacroPageShown(bool shown);
    bool isMacroPageShown() const;
    bool isRecording() const;
    // Stops a running recording, else starts one.
    void toggleRecording();

    // The form's texts and the page's tooltips in the current language.
    void retranslate();
    // Style sheets, toast colours and fonts from the current theme, then the macro list again;
    // the macro list's scroll bar follows 500 ms later.
    void applyTheme();

    // A theme colour text's first three parts (0 where missing or not a number) with this alpha.
    static QColor themeColour(const QString &text, int alpha);

signals:
    void sigMacroListHaveChanged(QString macroIndex, QString macroName);
    void sigHookKeyboardRecviveStream(int dataFrom, int keyCode, int flag);

private slots:
    void onScrollSheetSet();

private:
    void setToolTips();
    void onHookedKey(int virtualKey, int scanCode, int flag, int hookFlag);

    std::unique_ptr<Ui::DMacroPage> ui;
    CbNotice *m_notice = nullptr;
    // Built with the page, after the device page's, so that the capture's keys come here.
    WindowsHookInterface *m_hook = nullptr;
    QByteArray m_macroXmlPath;
    xmlInterface *m_xml = nullptr;
    QList<IndexNameInfo> m_macroList;
    bool m_macroPageShown = false;
    bool m_recording = false;
    // The themed scroll-bar sheet, given to the macro list by the timer.
    QString m_scrollSheet;
    QTimer m_scrollSheetTimer;
    // The record button's label font, applied again whenever the recording restyles the label.
    QFont m_recordLabelFont;
};
