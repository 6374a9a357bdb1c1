// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoopbackAudioFactory.h"

#include "DSoundCardAudioCapture.h"

namespace {

LoopbackAudioFactory::Maker &maker()
{
    static LoopbackAudioFactory::Maker current;
    return current;
}

}  // namespace

LoopbackAudio *LoopbackAudioFactory::create()
{
    if (maker())
        return maker()();
    return new DSoundCardAudioCapture;
}

void LoopbackAudioFactory::setMaker(Maker newMaker)
{
    maker() = std::move(newMaker);
}
