// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Macro page of the main window. For now it keeps what the main window gives it and
// answers the main window's calls; the macro list, the event list, recording through the
// global hooks, editing, import and export are still to be built on it.

#include "XmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QWidget>

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

    void retranslate();
    // Style sheets and fonts from the current theme, then the macro list again.
    void applyTheme();

signals:
    void sigMacroListHaveChanged(QString macroIndex, QString macroName);
    void sigHookKeyboardRecviveStream(int dataFrom, int keyCode, int flag);

private:
    void onHookedKey(int virtualKey, int scanCode, int flag, int hookFlag);

    // Built with the page, after the device page's, so that the capture's keys come here.
    WindowsHookInterface *m_hook = nullptr;
    QByteArray m_macroXmlPath;  // local 8-bit encoding, whole
    xmlInterface *m_xml = nullptr;
    QList<IndexNameInfo> m_macroList;
    bool m_macroPageShown = false;
    bool m_recording = false;
};
