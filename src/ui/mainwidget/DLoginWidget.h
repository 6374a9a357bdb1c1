// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up login step: a form that is never shown and reports success at once.

#include <QWidget>

#include <memory>

namespace Ui {
class DLoginWidget;
}

class DLoginWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DLoginWidget(QWidget *parent = nullptr);
    ~DLoginWidget() override;

    // Animates the widget's opacity from 1 to 0 in 100 ms and hides it at the end.
    void fadeOut();

signals:
    void sigLoginFinished(bool ok);

public slots:
    void on_pushButton_Login_clicked();

private:
    std::unique_ptr<Ui::DLoginWidget> ui;
};
