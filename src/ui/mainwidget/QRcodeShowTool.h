// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QFrame;

// The content of a home page picture pop-up: one 145 x 145 picture.
class QRcodeShowTool : public QWidget
{
    Q_OBJECT
public:
    explicit QRcodeShowTool(QWidget *parent = nullptr);

    void setImage(const QString &path);

    QFrame *imageFrame = nullptr;
};
