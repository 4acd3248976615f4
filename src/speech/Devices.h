// The sound devices a user can have: the speakers through PortAudio, a WAV file, or silence.
#pragma once

#include "SoundDevice.h"

#include <memory>

// The default output through PortAudio; when there is no usable device, a silent one that keeps time.
std::unique_ptr<SoundDevice> openSpeakers();
// Everything played goes one after another into a 44.1 kHz mono WAV file; null and `error` set when it cannot be written.
std::unique_ptr<SoundDevice> openWavFile(const QString &path, QString *error);

// Plays nothing. When it keeps time, play() takes as long as the sound would have.
class SilentDevice final : public SoundDevice
{
public:
    explicit SilentDevice(bool keepTime = true) : keepTime(keepTime) {}
    void play(const Pcm &pcm) override;
    void stop() override {}

private:
    bool keepTime;
};
