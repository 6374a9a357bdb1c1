// SPDX-License-Identifier: GPL-3.0-or-later
#include "InputHook.h"

InputHook::InputHook(QObject *parent)
    : QObject(parent)
{
}

InputHook::~InputHook() = default;
