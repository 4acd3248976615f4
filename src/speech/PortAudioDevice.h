// The speakers: a PortAudio blocking stream kept open across a phrase, so that its samples join without a gap.
#pragma once

#include "SoundDevice.h"

#include <QDeadlineTimer>
#include <QTimer>

#include <portaudio.h>

#include <chrono>

class PortAudioDevice final : public SoundDevice
{
public:
    // The stream closes this long after the last sound; the next sample of a phrase comes far sooner.
    static constexpr int IdleCloseMs = 1500;
    // A device that failed is left alone this long, since alarms call play ten times a second.
    static constexpr int RetryMs = 5000;
    // A sound not yet written after its own length plus this is given up. Generous, because a sound
    // server may take a second or more to wake a sink that was idle.
    static constexpr int StallMarginMs = 2500;

    PortAudioDevice();
    ~PortAudioDevice() override;
    PortAudioDevice(const PortAudioDevice &) = delete;
    PortAudioDevice &operator=(const PortAudioDevice &) = delete;

    // Whether PortAudio found a default output that takes 44.1 kHz mono, as checked when created.
    bool hasOutput() const { return usableAtStart; }

    // Returns when the last frame has been written into the stream, about the output latency before it is
    // heard. Without a working device it returns after the sound's length, as if it had been heard.
    void play(const Pcm &pcm) override;
    // Lets the buffered end of the last sound play out (at most the output latency), then closes the stream.
    void stop() override;

private:
    using SteadyClock = std::chrono::steady_clock;

    enum class Written { All, Failed, Stalled };

    bool startLibrary();
    bool recoveredFromStall();
    bool prepareStream(const Pcm &pcm, Pcm &converted, const Pcm *&toWrite);
    bool openStream(int sampleRate, int channels);
    Written writeAll(const Pcm &pcm);
    void closeStream(bool letTailPlay);
    void giveUp();

    bool initialised = false;
    bool usableAtStart = false;
    PaDeviceIndex output = paNoDevice;
    int maxChannels = 0;
    double defaultRate = 44100;
    double latency = 0;
    QDeadlineTimer retryAt;

    PaStream *stream = nullptr;
    // Set when the stream stopped taking data. Aborting it then can block as long as the driver or the
    // sound server is stuck (the PulseAudio plugin waits for the server's reply), so it is left alone
    // until it takes data again.
    bool stalled = false;
    int streamRate = 0;
    int streamChannels = 0;
    // When the last frame written will have left the speakers, so a closing stream does not cut it off.
    SteadyClock::time_point heardUntil;
    QTimer idleClose;
};
