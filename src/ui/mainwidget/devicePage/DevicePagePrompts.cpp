// SPDX-License-Identifier: GPL-3.0-or-later
#include "DevicePagePrompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString systemOpenFile(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString systemDirectory(QWidget *parent, const QString &caption, const QString &dir)
{
    return QFileDialog::getExistingDirectory(parent, caption, dir,
                                             QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
}

bool systemQuestion(QWidget *parent, const QString &title, const QString &text, const QString &yes, const QString &no)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton *yesButton = box.addButton(yes, QMessageBox::YesRole);
    QPushButton *noButton = box.addButton(no, QMessageBox::NoRole);
    box.setDefaultButton(yesButton);
    box.setEscapeButton(static_cast<QAbstractButton *>(nullptr));
    box.exec();
    return box.clickedButton() != noButton;
}

}  // namespace

DevicePagePrompts::DevicePagePrompts()
    : openFile(systemOpenFile)
    , directory(systemDirectory)
    , question(systemQuestion)
{
}
