#include "InputHook.h"

InputHook::InputHook(QObject *parent)
    : QObject(parent)
{
}

InputHook::~InputHook() = default;
