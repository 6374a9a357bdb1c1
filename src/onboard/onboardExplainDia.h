#pragma once
// The panel that explains the two work modes, shown in a popup beside the device page's
// question-mark button.

#include <QWidget>

class QLabel;

class onboardExplainDia : public QWidget
{
    Q_OBJECT
public:
    explicit onboardExplainDia(QWidget *parent = nullptr);

    void retranslate();

private:
    QLabel *m_text = nullptr;
};
