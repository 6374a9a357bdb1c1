// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The common ground of the key-assignment pages. The device page creates each page once and hands
// it, for every key it shows, the key, the profile file and the profile; the page reads the key's
// assignment from the profile file and writes it back through the XML store, never through a
// device. After a save the page tells the device page whether the file holds the new assignment.

#include "XmlRecords.h"

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QWidget>

class MainHidInterFace;
class QAbstractButton;
class xmlInterface;
struct ThemeColorConfig;

class DKeyAssignPage : public QWidget
{
    Q_OBJECT

public:
    explicit DKeyAssignPage(QWidget *parent = nullptr);
    ~DKeyAssignPage() override;

    // The transport is kept for the device page's sake and never used; the store is not owned.
    virtual void setInterfaces(MainHidInterFace *hidInterface, xmlInterface *xml);
    virtual void setCurrentKey(const QPair<int, QString> &key);
    // The macro library and the profile file (the PC profile file or the on-board layer file),
    // 8-bit paths in the local encoding, kept whole.
    void setFilePaths(const char *macroFilePath, const char *profileFilePath);
    void setProfileIndex(int index);
    // Shows the key's stored assignment when it is of this page's kind, else the page's default.
    virtual void loadCustomKeyInfo();

    virtual void applyTheme() = 0;
    virtual void retranslate() = 0;

    int currentKeyCode() const { return m_keyCode; }
    QString currentKeyName() const { return m_keyName; }
    int profileIndex() const { return m_profileIndex; }
    // The profile file the page reads and writes.
    QByteArray profileFile() const { return m_profileFilePath; }

signals:
    void sigShoudUpdateKeyboard(int keyCode);
    void sigCustomKeyInfoSaveSuccessful();
    // A save that the profile file does not hold; the file is as it was.
    void sigCustomKeyInfoSaveFailed();
    void sigClickedCancel();

protected:
    // The key's item in the profile; false (and `info` preset) when it has none.
    bool readKeyRecord(CustomKeyInfo *info) const;
    // Replaces the key's item by one with these fields and reports the outcome by signal.
    bool saveKeyRecord(const char *operateType, const QByteArray &repeatNum, const QByteArray &mode,
                       const QByteArray &value);
    // The signals that end a save: both success signals, or the failure signal after a log line.
    void reportSave(bool saved, const char *what);

    QByteArray keyCodeText() const { return QByteArray::number(m_keyCode); }
    QByteArray profileKey() const { return QByteArray::number(m_profileIndex); }
    const char *macroFilePath() const { return m_macroFilePath.constData(); }
    const char *profileFilePath() const { return m_profileFilePath.constData(); }
    xmlInterface *xml() const { return m_xml; }
    // Kept for the device page; the pages never talk to a device.
    MainHidInterFace *hidInterface() const { return m_hidInterface; }

    // Leaves every button of an exclusive column unchecked.
    static void clearChecked(const QList<QAbstractButton *> &buttons);

    // Style sheets from the theme: the OK and Cancel frame, and a page of labels and radio buttons.
    static QString okCancelStyle(const ThemeColorConfig &theme);
    static QString choiceStyle(const ThemeColorConfig &theme);
    // A page of labels and line or text edits.
    static QString entryStyle(const ThemeColorConfig &theme);

private:
    int m_keyCode = -1;
    QString m_keyName;
    MainHidInterFace *m_hidInterface = nullptr;
    xmlInterface *m_xml = nullptr;
    int m_profileIndex = 1;
    QByteArray m_macroFilePath;
    QByteArray m_profileFilePath;
};
