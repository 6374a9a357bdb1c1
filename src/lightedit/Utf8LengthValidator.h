// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

// Accepts a text whose UTF-8 form is at most a given number of bytes; a typed character or a
// paste that would go past it is refused as a whole.
class Utf8LengthValidator : public QValidator
{
    Q_OBJECT

public:
    explicit Utf8LengthValidator(int maxBytes, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
    int maxBytes() const { return m_maxBytes; }

private:
    int m_maxBytes;
};
