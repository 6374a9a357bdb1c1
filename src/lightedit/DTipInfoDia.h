// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question asked before unsaved lighting is left: Save, Discard or the close button. The
// result is read after the dialog has run: 1 save, 2 discard, 0 closed in any other way. Every
// close announces itself once with sigTipInfoDiaClose, before the dialog hides, so that the
// device page can take its mask away.

#include <QDialog>

#include <memory>

namespace Ui {
class DTipInfoDia;
}

class DTipInfoDia : public QDialog
{
    Q_OBJECT

public:
    explicit DTipInfoDia(QWidget *parent = nullptr);
    ~DTipInfoDia() override;

    // The form's texts again (a language change shows at the next showing), then the theme.
    void applyTheme();
    void resetTipResult();
    int getTipResult() const { return m_tipResult; }

public slots:
    void done(int r) override;

signals:
    void sigTipInfoDiaClose();

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void on_pushButton_Close_clicked();
    void on_pushButton_SaveChanged_clicked();
    void on_pushButton_Discard_clicked();

private:
    void closeWith(int result);

    std::unique_ptr<Ui::DTipInfoDia> ui;
    int m_tipResult = 0;
    int m_buttonResult = 0;  // the choice of the button that is closing the dialog, else 0
};
