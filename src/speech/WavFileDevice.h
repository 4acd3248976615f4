// A sound device that writes everything played, back to back, into one 44.1 kHz mono 16-bit WAV file.
#pragma once

#include "SoundDevice.h"

#include <sndfile.h>

#include <memory>

class WavFileDevice final : public SoundDevice
{
public:
    static constexpr int SampleRate = 44100;

    // Null with `error` set (libsndfile's own words) when the file cannot be created.
    static std::unique_ptr<WavFileDevice> create(const QString &path, QString *error);
    ~WavFileDevice() override;
    WavFileDevice(const WavFileDevice &) = delete;
    WavFileDevice &operator=(const WavFileDevice &) = delete;

    // Returns at once: the file gets the sound, nobody waits for it to be heard.
    void play(const Pcm &pcm) override;
    // The sound is already whole in the file; nothing to silence.
    void stop() override {}

    // False once a write fell short (full disk); the file then ends with what fitted.
    bool ok() const { return !writeFailed; }

private:
    explicit WavFileDevice(SNDFILE *file) : file(file) {}

    SNDFILE *file;
    bool writeFailed = false;
};
