// SPDX-License-Identifier: GPL-3.0-or-later
#include "QRcodeShowTool.h"

#include <QFrame>
#include <QHBoxLayout>

QRcodeShowTool::QRcodeShowTool(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    imageFrame = new QFrame(this);
    imageFrame->setFixedSize(145, 145);
    layout->addWidget(imageFrame);
}

void QRcodeShowTool::setImage(const QString &path)
{
    imageFrame->setStyleSheet(QStringLiteral("border-image: url(%1);").arg(path));
}
