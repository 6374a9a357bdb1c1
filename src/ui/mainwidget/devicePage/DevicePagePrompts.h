// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows the device page asks the user through: choosing a file, choosing a folder and a
// yes/no question. By default they are the desktop's dialogs; tests put answers in their place.

#include <QString>

#include <functional>

class QWidget;

class DevicePagePrompts
{
public:
    // The chosen file or folder, empty when cancelled.
    using OpenFile =
        std::function<QString(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)>;
    using Directory = std::function<QString(QWidget *parent, const QString &caption, const QString &dir)>;
    // True for "Yes". The first button is the default one and there is no escape button.
    using Question = std::function<bool(QWidget *parent, const QString &title, const QString &text, const QString &yes,
                                        const QString &no)>;

    DevicePagePrompts();

    OpenFile openFile;
    Directory directory;
    Question question;
};
