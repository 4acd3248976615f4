#include "PortAudioDevice.h"

#include "PcmConvert.h"

#include <QAbstractEventDispatcher>
#include <QThread>

#ifdef KALINDOR_HAVE_ALSA
#include <alsa/asoundlib.h>
#endif
#ifdef KALINDOR_HAVE_JACK
#include <jack/jack.h>
#endif

#include <algorithm>
#include <cmath>

namespace {

// Buffer a little more than the lowest latency: the next sample is fetched and decoded while this plays out.
constexpr double MinLatencySeconds = 0.05;

#ifdef KALINDOR_HAVE_ALSA
void ignoreAlsa(const char *, int, const char *, int, const char *, ...) {}
#endif
#ifdef KALINDOR_HAVE_JACK
void ignoreJack(const char *) {}
#endif

// Probing every ALSA and JACK output prints dozens of lines about cards and servers that are not there.
void quietenProbing()
{
#ifdef KALINDOR_HAVE_ALSA
    snd_lib_error_set_handler(ignoreAlsa);
#endif
#ifdef KALINDOR_HAVE_JACK
    jack_set_error_function(ignoreJack);
    jack_set_info_function(ignoreJack);
#endif
}

void sleepUntilEnd(const QDeadlineTimer &end)
{
    const qint64 ms = end.remainingTime();
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

QDeadlineTimer deadlineAfter(double seconds)
{
    return QDeadlineTimer(std::llround(std::max(0.0, seconds) * 1000), Qt::PreciseTimer);
}

} // namespace

PortAudioDevice::PortAudioDevice()
{
    idleClose.setSingleShot(true);
    idleClose.setInterval(IdleCloseMs);
    idleClose.callOnTimeout([this] { closeStream(true); });

    if (!startLibrary())
        return;
    PaStreamParameters mono{output, 1, paFloat32, latency, nullptr};
    usableAtStart = Pa_IsFormatSupported(nullptr, &mono, 44100) == paFormatIsSupported;
}

PortAudioDevice::~PortAudioDevice()
{
    // A stuck stream cannot be closed without the risk of hanging the exit; the process ending frees it.
    if (stalled)
        return;
    closeStream(true);
    if (initialised)
        Pa_Terminate();
}

bool PortAudioDevice::startLibrary()
{
    if (stalled && !recoveredFromStall())
        return false;
    if (initialised && output != paNoDevice)
        return true;
    if (!retryAt.hasExpired())
        return false;
    // Terminating and initialising again is the only way PortAudio looks for devices plugged in since.
    if (initialised) {
        Pa_Terminate();
        initialised = false;
    }
    quietenProbing();
    if (Pa_Initialize() != paNoError) {
        retryAt = QDeadlineTimer(RetryMs);
        return false;
    }
    initialised = true;
    output = Pa_GetDefaultOutputDevice();
    const PaDeviceInfo *info = output == paNoDevice ? nullptr : Pa_GetDeviceInfo(output);
    if (!info || info->maxOutputChannels < 1) {
        output = paNoDevice;
        retryAt = QDeadlineTimer(RetryMs);
        return false;
    }
    maxChannels = info->maxOutputChannels;
    defaultRate = info->defaultSampleRate > 0 ? info->defaultSampleRate : 44100;
    latency = std::max(info->defaultLowOutputLatency, MinLatencySeconds);
    return true;
}

bool PortAudioDevice::recoveredFromStall()
{
    if (!retryAt.hasExpired())
        return false;
    // Room in the buffer means the driver consumes again, so closing the stream will not block.
    if (Pa_GetStreamWriteAvailable(stream) <= 0) {
        retryAt = QDeadlineTimer(RetryMs);
        return false;
    }
    stalled = false;
    giveUp();
    retryAt = QDeadlineTimer();
    return true;
}

void PortAudioDevice::play(const Pcm &pcm)
{
    if (pcm.frames() == 0)
        return;
    const QDeadlineTimer soundEnd = deadlineAfter(pcm.seconds());
    idleClose.stop();

    Pcm converted;
    const Pcm *toWrite = nullptr;
    const Written written = prepareStream(pcm, converted, toWrite) ? writeAll(*toWrite) : Written::Failed;
    if (written != Written::All) {
        if (written == Written::Stalled) {
            stalled = true;
            retryAt = QDeadlineTimer(RetryMs);
        } else if (!stalled) {
            giveUp();
        }
        // Keep the phrase's timing, as if the sound had been heard.
        sleepUntilEnd(soundEnd);
        return;
    }
    // Without an event loop (a tool, a test) the stream waits for the next sound or the destructor.
    if (QAbstractEventDispatcher::instance())
        idleClose.start();
}

// Keeps the open stream when the sound fits it; otherwise reopens in the sound's own rate and channel
// count, so a user's file is neither resampled nor mixed down unless the device refuses its format.
bool PortAudioDevice::prepareStream(const Pcm &pcm, Pcm &converted, const Pcm *&toWrite)
{
    if (!startLibrary())
        return false;
    const int channels = pcm.channels <= maxChannels ? pcm.channels : 1;
    if (!stream || streamChannels != channels || streamRate != pcm.sampleRate) {
        closeStream(true);
        if (!openStream(pcm.sampleRate, channels)
            && !(int(defaultRate) != pcm.sampleRate && openStream(int(defaultRate), channels)))
            return false;
    }
    toWrite = &pcm;
    if (streamChannels != pcm.channels || streamRate != pcm.sampleRate) {
        converted = convertPcm(pcm, streamRate, streamChannels);
        toWrite = &converted;
    }
    if (Pa_IsStreamStopped(stream) == 1 && Pa_StartStream(stream) != paNoError)
        return false;
    return true;
}

bool PortAudioDevice::openStream(int sampleRate, int channels)
{
    PaStreamParameters params{output, channels, paFloat32, latency, nullptr};
    PaStream *opened = nullptr;
    if (Pa_OpenStream(&opened, nullptr, &params, sampleRate, paFramesPerBufferUnspecified, paNoFlag, nullptr, nullptr)
        != paNoError)
        return false;
    if (Pa_StartStream(opened) != paNoError) {
        Pa_CloseStream(opened);
        return false;
    }
    stream = opened;
    streamRate = sampleRate;
    streamChannels = channels;
    heardUntil = SteadyClock::now();
    return true;
}

// A blocking write into a stalled driver would never return: only what the stream has room for is written,
// and a sound that has made no way after its own length and a margin is abandoned.
PortAudioDevice::Written PortAudioDevice::writeAll(const Pcm &pcm)
{
    const float *data = pcm.samples.data();
    const qint64 frames = pcm.frames();
    const QDeadlineTimer giveUpAt = deadlineAfter(pcm.seconds() + latency + StallMarginMs / 1000.0);
    const auto frameTime = std::chrono::duration<double>(1.0 / pcm.sampleRate);
    qint64 done = 0;
    while (done < frames) {
        const long room = Pa_GetStreamWriteAvailable(stream);
        if (room < 0)
            return Written::Failed;
        if (room == 0) {
            if (giveUpAt.hasExpired())
                return Written::Stalled;
            QThread::msleep(2);
            continue;
        }
        const long n = long(std::min<qint64>(room, frames - done));
        const PaError err = Pa_WriteStream(stream, data + done * pcm.channels, n);
        // An underflow is a click already past; the sound goes on.
        if (err != paNoError && err != paOutputUnderflowed)
            return Written::Failed;
        done += n;
        heardUntil = std::max(heardUntil, SteadyClock::now())
                     + std::chrono::duration_cast<SteadyClock::duration>(frameTime * n);
    }
    return Written::All;
}

void PortAudioDevice::stop()
{
    // play() returns with the last few tens of milliseconds still in the device's buffer, so that
    // the next sample of a phrase follows without a gap. Every sound is played synchronously, so
    // that tail is all stop() can ever meet: it is the end of a word the caller has already asked
    // to be heard (the announcements close with a stop), so it is let out, never cut.
    closeStream(true);
}

void PortAudioDevice::closeStream(bool letTailPlay)
{
    idleClose.stop();
    if (!stream || stalled)
        return;
    if (letTailPlay) {
        // Bounded by the buffer's length: a stalled driver must not hold the closing for ever.
        const auto left = std::min(heardUntil - SteadyClock::now(),
                                   std::chrono::duration_cast<SteadyClock::duration>(std::chrono::seconds(1)));
        if (left > SteadyClock::duration::zero())
            QThread::usleep(static_cast<unsigned long>(std::chrono::duration_cast<std::chrono::microseconds>(left).count()));
    }
    // Abort rather than stop: stopping drains, and a driver that no longer plays never finishes draining.
    if (Pa_IsStreamStopped(stream) == 0)
        Pa_AbortStream(stream);
    Pa_CloseStream(stream);
    stream = nullptr;
    streamRate = streamChannels = 0;
}

void PortAudioDevice::giveUp()
{
    closeStream(false);
    if (initialised) {
        Pa_Terminate();
        initialised = false;
    }
    output = paNoDevice;
    retryAt = QDeadlineTimer(RetryMs);
}
