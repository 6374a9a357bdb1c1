// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tiles of the custom event list: one per key with an assignment in a profile, in the order of
// the profile file, laid out left to right in rows.

#include <QMap>
#include <QString>
#include <QWidget>

#include <memory>

class DCustomEventListItem;
class FlowLayout;
class xmlInterface;

namespace Ui {
class DCustomEventWidget;
}

class DCustomEventWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomEventWidget(QWidget *parent = nullptr);
    ~DCustomEventWidget() override;

    void loadCustomEventList(xmlInterface *xml, const char *profileXmlPath, int profileIndex,
                             const QMap<int, QString> &keyNameMap);
    QList<DCustomEventListItem *> items() const;

signals:
    void sigCustomEventItemMouseClicked(int keyDec, const QString &keyCharacter);
    void sigCustomEventListIsEmpty();

private:
    std::unique_ptr<Ui::DCustomEventWidget> ui;
    FlowLayout *m_flowLayout = nullptr;
    QMap<int, QString> m_keyNameMap;
    QString m_profileName;
};
