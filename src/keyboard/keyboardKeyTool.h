// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card that pops up over a key of the keyboard view: the key's caption, the kind of function
// assigned to it and the function itself, read from the current profile each time it opens.

#include "XmlRecords.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QWidget>

class QLabel;
class xmlInterface;

class keyboardKeyTool : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kDetailWidth = 140;

    explicit keyboardKeyTool(QWidget *parent = nullptr);

    // Paths in the local 8-bit encoding, kept whole.
    void setData(const char *profileXmlPath, const char *macroXmlPath, xmlInterface *xml, int profileIndex,
                 const QMap<int, QString> &keyNameMap);
    void setTextStyle(const QString &styleSheet);
    void setKeyInfo(const QString &model, int keyDec, const QString &caption);

    // The key is Fn, or the one key the model keeps to itself.
    static bool isUnassignable(const QString &model, int keyDec);

    QString captionText() const;
    QString kindText() const;
    QString detailText() const;
    bool isElided() const { return m_elided; }
    const CustomKeyInfo &keyInfo() const { return m_keyInfo; }

private:
    QString detailFor(const QString &caption);

    QLabel *m_captionLabel = nullptr;
    QLabel *m_kindLabel = nullptr;
    QLabel *m_detailLabel = nullptr;
    QMap<int, QString> m_keyNameMap;
    bool m_elided = false;
    CustomKeyInfo m_keyInfo;
    QByteArray m_macroXmlPath;
    QByteArray m_profileXmlPath;
    xmlInterface *m_xml = nullptr;
    int m_profileIndex = 1;
};
