// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list of every key that carries an assignment in the current profile, as tiles; a click on a
// tile selects the key as a click on the keyboard view would. An empty profile shows a notice.

#include <QMap>
#include <QString>
#include <QWidget>

#include <memory>

class DCustomEventWidget;
class QVBoxLayout;
class xmlInterface;

namespace Ui {
class DCustomEventListPage;
}

class DCustomEventListPage : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomEventListPage(QWidget *parent = nullptr);
    ~DCustomEventListPage() override;

    void updateCustomEventList(xmlInterface *xml, const char *profileXmlPath, int profileIndex,
                               const QMap<int, QString> &keyNameMap);
    void applyTheme();
    void retranslate();

    int currentPage() const;
    DCustomEventWidget *eventWidget() const { return m_eventWidget; }

signals:
    void sigCustomEventItemMouseClicked(int keyDec, const QString &keyCharacter);

public slots:
    void onCustomEventListIsEmpty();

private:
    std::unique_ptr<Ui::DCustomEventListPage> ui;
    QVBoxLayout *m_hostLayout = nullptr;
    DCustomEventWidget *m_eventWidget = nullptr;
};
