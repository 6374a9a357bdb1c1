// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card over a key of the on-board view: the key's caption, the kind of its function and the
// function itself (cut with an ellipsis when it is too wide).

#include <QString>
#include <QWidget>

class QLabel;

class onboardKeyboardKeyTool : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kValueWidth = 140;

    explicit onboardKeyboardKeyTool(QWidget *parent = nullptr);

    // The style of the caption and the value labels.
    void setTextStyle(const QString &styleSheet);
    void setKeyInfo(const QString &model, int keyDec, const QString &valueText, const QString &typeName,
                    const QString &caption);

    QString captionText() const;
    QString kindText() const;
    QString valueText() const;
    QString valueStyle() const;

private:
    QLabel *m_captionLabel = nullptr;
    QLabel *m_kindLabel = nullptr;
    QLabel *m_valueLabel = nullptr;
};
