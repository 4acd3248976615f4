// Where decoded sound goes: the speakers, a WAV file, nowhere, or a test's log.
#pragma once

#include "Sound.h"

class SoundDevice
{
public:
    virtual ~SoundDevice() = default;
    // Returns once the sound has been handed over to be heard in full; never throws, never blocks for ever.
    virtual void play(const Pcm &pcm) = 0;
    // Silences whatever is still sounding; harmless when nothing is.
    virtual void stop() = 0;
};
