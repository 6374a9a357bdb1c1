// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Makes the loopback capture of whoever asks (the keyboard lighting engine): the PulseAudio
// capture, unless a test has put in a maker of its own before the engine is built.

#include <functional>

class LoopbackAudio;

class LoopbackAudioFactory
{
public:
    using Maker = std::function<LoopbackAudio *()>;

    // A new capture, without a parent; the caller owns it.
    static LoopbackAudio *create();
    // Replaces how captures are made; an empty maker brings back the system's.
    static void setMaker(Maker maker);
};
