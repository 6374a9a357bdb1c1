// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One key cap of an on-screen keyboard: a small styled tool button. Type 0 serves the on-screen
// keyboard below the key pages; type 1 the on-board editor, which also reports right clicks and
// hovering and shows the key's assignment.

#include <QPair>
#include <QString>
#include <QToolButton>

class SoftKeyboardButCustom : public QToolButton
{
    Q_OBJECT

public:
    explicit SoftKeyboardButCustom(int type, QWidget *parent = nullptr);

    void setSize(int width, int height);
    void setKeyInfo(const QPair<int, QString> &info);
    // 0 normal, 1 selected; type 0 also 2 blue, 3 green, 4 red. Other values change nothing.
    void setState(int state);
    void setLeaveReset(bool reset);
    void setFunctionText(const QPair<int, QString> &info);
    void setSpecialEnterKey(bool special);
    void setEnterShape(int kind);
    // Call after setSize().
    void setEnterShapeSize(int notchWidth, int upperHeight);
    // Text, highlight and background colour as "r,g,b".
    void setThemeColor(const QString &textColor, const QString &highlightColor, const QString &backgroundColor);

    int getType() const { return m_type; }
    int getKeyDec() const { return m_keyDec; }
    QString getKeyCharacter() const { return m_keyCharacter; }
    QString getCaption() const { return m_keyCharacter; }
    QString getFunctionText() const { return m_functionText; }
    int getOperateType() const { return m_operateType; }
    bool isSelected() const { return m_type == 0 ? m_selected : m_selectedOnboard; }
    bool isLeaveReset() const { return m_leaveReset; }
    bool isSpecialEnterKey() const { return m_specialEnterKey; }
    int getEnterShape() const { return m_enterShape; }

signals:
    void sigButtonMouseRightKeyClicked(int keyDec, const QString &keyCharacter);
    void sigCustomButMouseEnter();
    void sigCustomButMouseLeave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void applyNormalLook();
    void applySelectedLook();
    void applyLook(const QString &look);
    // Shows the legend fitted to the key (a smaller font or a short legend where the whole does not fit).
    void showLabel(const QString &text);
    QRect legendArea() const;
    QString selectedText() const { return m_type == 0 ? m_selectedText : m_selectedTextOnboard; }
    QString normalText() const { return m_type == 0 ? m_normalText : m_normalTextOnboard; }
    QString background() const { return m_type == 0 ? m_background : m_backgroundOnboard; }

    static constexpr int kLegendMargin = 1;

    int m_type = 0;
    bool m_hovered = false;
    int m_width = 0;
    int m_height = 0;
    bool m_selected = false;
    int m_keyDec = 0;
    QString m_keyCharacter;
    QString m_functionText;
    int m_operateType = -1;
    bool m_leaveReset = true;
    bool m_selectedOnboard = false;
    QString m_selectedText;
    QString m_selectedTextOnboard;
    QString m_normalText;
    QString m_normalTextOnboard;
    QString m_background;
    QString m_backgroundOnboard;
    QString m_look;      // the style sheet of the current look
    QString m_fitStyle;  // the legend's smaller font, added to the look
    QString m_textColor;
    QString m_highlightColor;
    QString m_backgroundColor;
    bool m_specialEnterKey = false;
    int m_enterShape = 0;
    int m_notchWidth = 0;
    int m_upperHeight = 0;
    int m_lowerWidth = 0;
    int m_lowerHeight = 0;
};
