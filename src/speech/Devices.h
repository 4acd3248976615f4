// The sound devices a user can have: the speakers through the sound server, a WAV file, or silence.
#pragma once

#include "Interruption.h"
#include "SoundDevice.h"

#include <functional>
#include <memory>

// The desktop's sound server, connected at the first sound. Without one, sounds keep their time
// silently; `report` learns after every sound whether it reached the server.
std::unique_ptr<SoundDevice> openSpeakers(std::function<void(bool heard)> report = {});
// Everything played goes one after another into a 44.1 kHz mono WAV file; null and `error` set when it cannot be written.
std::unique_ptr<SoundDevice> openWavFile(const QString &path, QString *error);

// Plays nothing. When it keeps time, play() takes as long as the sound would have.
class SilentDevice final : public SoundDevice
{
public:
    explicit SilentDevice(bool keepTime = true) : keepTime(keepTime) {}
    void play(const Pcm &pcm) override;
    void stop() override {}
    void interrupt() override { interruption.raise(); }
    void cut() override { interruption.clear(); }

private:
    bool keepTime;
    Interruption interruption;
};
