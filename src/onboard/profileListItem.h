#pragma once
// One row of the device page's PC profile list: the profile's name and a button that opens the
// profile's operation menu ("Export", "Delete", "Modify Name").

#include <QPair>
#include <QPointer>
#include <QString>
#include <QWidget>

class ArrowWidget;
class QLabel;
class QPushButton;

class profileListItem : public QWidget
{
    Q_OBJECT
public:
    explicit profileListItem(QWidget *parent = nullptr);
    ~profileListItem() override;

    void setProfileInfo(QPair<QString, QString> info);
    void setSelected(bool selected);
    QString profileIndex() const;
    QString profileName() const;
    bool isSelected() const;
    // The operation menu's content, while it is open.
    QWidget *operationMenu() const;

signals:
    void sigProfileItemMouseClicked(QString strProfileIndex, QString strProfileName);
    void sigExportProfileChildList(QString strProfileIndex, QString strProfileName);
    void sigDeleteProfile(QString strProfileIndex, QString strProfileName);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void applyLook();
    void openOperationMenu();
    void closeOperationMenu();

    QLabel *m_label = nullptr;
    QPushButton *m_operate = nullptr;
    QPointer<ArrowWidget> m_menuPopup;
    QPointer<QWidget> m_menu;
    QString m_index;
    QString m_name;
    bool m_selected = false;
};
