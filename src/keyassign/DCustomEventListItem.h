// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One tile of the custom event list: a key's name on the left and what the key does on the right.
// A press on the tile reports the key.

#include "XmlRecords.h"

#include <QMap>
#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DCustomEventListItem;
}

class DCustomEventListItem : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kKeyWidth = 54;
    static constexpr int kEventWidth = 130;

    explicit DCustomEventListItem(QWidget *parent = nullptr);
    ~DCustomEventListItem() override;

    void setProfileName(const QString &name);
    void setEventInfo(const CustomKeyInfo &info, const QMap<int, QString> &keyNameMap);

    int getKeyDec() const { return m_keyDec; }
    QString getKeyName() const { return m_keyName; }
    QString keyText() const;
    QString eventText() const;
    QString keyToolTip() const;
    QString eventToolTip() const;

    // A tooltip that shows the text as typed, even when it looks like markup.
    static QString plainToolTip(const QString &text);

signals:
    void sigCustomEventItemMouseClicked(int keyDec, const QString &keyCharacter);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QString functionText() const;

    std::unique_ptr<Ui::DCustomEventListItem> ui;
    CustomKeyInfo m_keyInfo;
    QMap<int, QString> m_keyNameMap;
    bool m_elided = false;
    int m_keyDec = -1;
    QString m_keyName;
    QString m_profileName;
};
