// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardImagePage.h"
#include "ui_keyboardImagePage.h"

#include <QCoreApplication>

keyboardImagePage::keyboardImagePage(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::keyboardImagePage>())
{
    ui->setupUi(this);
}

keyboardImagePage::~keyboardImagePage() = default;

QString keyboardImagePage::picturePath(const QString &programDir, const QString &model)
{
    return QStringLiteral("%1/images/hidImages/Keyboard_%2.png").arg(programDir, model);
}

void keyboardImagePage::setKeyboardModel(const QString &model)
{
    // The path is quoted: a program folder may hold blanks or parentheses.
    QString path = picturePath(QCoreApplication::applicationDirPath(), model);
    path.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{border-image: url(\"%1\");}").arg(path));
}
