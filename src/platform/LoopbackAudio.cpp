// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoopbackAudio.h"

LoopbackAudio::LoopbackAudio(QObject *parent)
    : QObject(parent)
{
}

LoopbackAudio::~LoopbackAudio() = default;
