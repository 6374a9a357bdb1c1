#pragma once
// The question asked before unsaved lighting is left: Save, Discard or Close. The result is
// read after the dialog has run: 1 save, 2 discard, 0 closed.

#include <QDialog>

class QPushButton;

class DTipInfoDia : public QDialog
{
    Q_OBJECT
public:
    explicit DTipInfoDia(QWidget *parent = nullptr);

    void resetTipResult();
    int getTipResult() const;
    void applyTheme();
    void retranslate();

signals:
    void sigTipInfoDiaClose();

private:
    void finish(int result);

    QPushButton *m_save = nullptr;
    QPushButton *m_discard = nullptr;
    QPushButton *m_close = nullptr;
    int m_result = 0;
};
