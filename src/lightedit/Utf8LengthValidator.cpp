// SPDX-License-Identifier: GPL-3.0-or-later
#include "Utf8LengthValidator.h"

Utf8LengthValidator::Utf8LengthValidator(int maxBytes, QObject *parent)
    : QValidator(parent)
    , m_maxBytes(maxBytes)
{
}

QValidator::State Utf8LengthValidator::validate(QString &input, int &) const
{
    return input.toUtf8().size() <= m_maxBytes ? Acceptable : Invalid;
}
