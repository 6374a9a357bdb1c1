// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QToolButton>

// A flat tool button painted by hand: a small icon on the left, a bold caption beside it,
// a background that lightens under the mouse and a selected look with a second icon.
class CustomButton : public QToolButton
{
    Q_OBJECT
public:
    explicit CustomButton(QWidget *parent = nullptr);

    void setIconAndText(QString iconPath, QString text);
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    QString caption() const { return m_text; }
    // Where the caption is drawn and in which font; a caption wider than the room is cut.
    QRect captionRect() const;
    QFont captionFont() const;
    // Takes effect at the next repaint.
    void setThemeColor(QColor selectedBackground, QColor hoverBackground, QColor normalBackground, QColor textColor,
                       QColor selectedTextColor, QString fontFamily);
    // The same as setThemeColor, under the name the device page uses.
    void setThemeColors(QColor selectedBackground, QColor hoverBackground, QColor normalBackground, QColor textColor,
                        QColor selectedTextColor, QString fontFamily)
    {
        setThemeColor(selectedBackground, hoverBackground, normalBackground, textColor, selectedTextColor, fontFamily);
    }

    QColor selectedBackground() const { return m_selectedBackground; }
    QColor hoverBackground() const { return m_hoverBackground; }
    QColor normalBackground() const { return m_normalBackground; }

    // The icon shown while selected: "Sel" in place of the three characters before the first ".".
    static QString selectedIconPath(const QString &iconPath);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_iconPath = QStringLiteral(":/images/device/defaultDef.png");
    QString m_text;
    bool m_selected = false;
    bool m_hovered = false;
    QColor m_selectedBackground{25, 25, 25};
    QColor m_hoverBackground{40, 40, 40};
    QColor m_normalBackground{35, 35, 35};
    QColor m_textColor{185, 185, 185};
    QColor m_selectedTextColor{255, 49, 53};
    QString m_fontFamily = QStringLiteral("Microsoft YaHei");
};
