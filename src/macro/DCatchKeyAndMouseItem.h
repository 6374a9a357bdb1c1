// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One row of the macro page's event list: an event's delay, an icon for its kind (key, mouse or
// a pure delay), an icon for its direction and its caption. The delete button shows while the
// pointer is over the row; a press anywhere else reports the event. The row only shows the
// event; the macro lives in the library file and in the page.

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DCatchKeyAndMouseItem;
}

class DCatchKeyAndMouseItem : public QWidget
{
    Q_OBJECT
public:
    explicit DCatchKeyAndMouseItem(QString mark, QWidget *parent = nullptr);
    ~DCatchKeyAndMouseItem() override;

    void setEventInfo(int delay, QString type, int keyCode, QString codeName, QString operateExplain);
    void setDelay(int ms);
    // The look of the other half of a hovered or selected pair, and of the selected event.
    void setPartnerHighlight(bool on);
    void setSelectedHighlight(bool on);

    QString getMark() const;
    QString getDelay() const;
    QString getType() const;
    QString getKeyCode() const;
    QString getCodeName() const;
    QString getOperateExplain() const;

signals:
    void sigDeleteKeyAndMouseEvent();
    void sigKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                 QString operateExplain);
    // Declared for the page's pair highlight on hover; the row does not emit them (hovering only
    // shows the delete button).
    void sigMouseEnter(QString mark, QString operateExplain);
    void sigMouseLeave(QString mark, QString operateExplain);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private slots:
    void on_pushButton_Delete_clicked();

private:
    void applyLook(const QString &frameBackground, const QString &frame2Background, const QString &textColour,
                   bool blankAfterBrace);

    std::unique_ptr<Ui::DCatchKeyAndMouseItem> ui;
    QString m_mark;
    QString m_delay;
    QString m_type;
    QString m_keyCode;
    QString m_codeName;
    QString m_operateExplain;
    QString m_borderColor;
    QString m_selectedColor;
    QString m_hoverColor;
    QString m_centerBgColor;
    QString m_textColor;
    QString m_checkedColor;
    QString m_textFont;
};
