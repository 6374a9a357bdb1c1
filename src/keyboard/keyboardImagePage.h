// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture of the opened keyboard, under the keyboard view.

#include <QWidget>

#include <memory>

namespace Ui {
class keyboardImagePage;
}

class keyboardImagePage : public QWidget
{
    Q_OBJECT

public:
    explicit keyboardImagePage(QWidget *parent = nullptr);
    ~keyboardImagePage() override;

    // Shows "images/hidImages/Keyboard_<model>.png" of the program's folder; a missing file shows
    // no picture.
    void setKeyboardModel(const QString &model);
    // The picture file the model uses, below the given program folder.
    static QString picturePath(const QString &programDir, const QString &model);

private:
    std::unique_ptr<Ui::keyboardImagePage> ui;
};
