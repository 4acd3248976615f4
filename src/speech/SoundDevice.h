// Where decoded sound goes: the speakers, a WAV file, nowhere, or a test's log.
#pragma once

#include "OutputCheck.h"
#include "Sound.h"

class SoundDevice
{
public:
    virtual ~SoundDevice() = default;
    // Returns once the sound has been handed over to be heard in full; never throws, never blocks for ever.
    virtual void play(const Pcm &pcm) = 0;
    // Lets what is still sounding end, then silences the device; harmless when nothing sounds.
    virtual void stop() = 0;
    // May come from another thread, as askOutput() may: the play() or stop() under way returns as soon
    // as it can, and so does every play() until cut().
    virtual void interrupt() {}
    // Silences at once, dropping what is still buffered to be heard, and ends an interrupt().
    virtual void cut() { stop(); }
    // Any thread: whether what it plays can be heard. `answer` runs once, on a thread of the device's
    // choosing; a device that is not the speakers has nothing to tell.
    virtual void askOutput(std::function<void(OutputLevel)> answer) { answer(OutputLevel::Unknown); }
    // Reaches for where the sound goes without playing, and reports as a sound would whether it got
    // there: a missing sound server is then told before the first alarm. Nothing to do for a file.
    virtual void probe() {}
};
