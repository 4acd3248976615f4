#include "PulseDevice.h"

#include "PcmConvert.h"
#include "PulseLoop.h"

#include <QAbstractEventDispatcher>

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cmath>
#include <utility>

static QDeadlineTimer after(double seconds)
{
    return QDeadlineTimer(std::llround(std::max(0.0, seconds) * 1000), Qt::PreciseTimer);
}

// The loop exists from the start, so that interrupt() can reach it from any thread; its thread starts
// with the first sound.
PulseDevice::PulseDevice(std::function<void(bool heard)> report)
    : report(std::move(report)), loop(pa_threaded_mainloop_new())
{
}

PulseDevice::~PulseDevice()
{
    closeStream();
    if (!loop)
        return;
    {
        Locked lock(loop);
        dropServer(false);
    }
    if (loopRunning)
        pa_threaded_mainloop_stop(loop);
    pa_threaded_mainloop_free(loop);
}

void PulseDevice::play(const Pcm &pcm)
{
    if (pcm.frames() == 0 || interruption.isRaised())
        return;
    const QDeadlineTimer soundEnd = after(pcm.seconds());
    stopTimers();
    const bool heard = writeSound(pcm);
    if (interruption.isRaised())
        return; // cut short: that says nothing of the server
    if (!heard) {
        // Keep the phrase's timing, as if the sound had been heard.
        interruption.wait(soundEnd);
    } else if (QAbstractEventDispatcher::instance()) {
        // Without an event loop (a tool, --say) the stream waits for the next sound, stop() or the destructor.
        startTimers();
    }
    if (report)
        report(heard);
}

void PulseDevice::startTimers()
{
    if (!startSoon) {
        startSoon = std::make_unique<QTimer>();
        startSoon->setSingleShot(true);
        startSoon->setInterval(0);
        startSoon->callOnTimeout([this] {
            if (!stream)
                return;
            Locked lock(loop);
            if (pa_operation *op = streamGood() ? pa_stream_trigger(stream, nullptr, nullptr) : nullptr)
                pa_operation_unref(op);
        });
        idleClose = std::make_unique<QTimer>();
        idleClose->setSingleShot(true);
        idleClose->setInterval(IdleCorkMs);
        idleClose->callOnTimeout([this] { settleStream(true); });
    }
    startSoon->start();
    idleClose->start();
}

void PulseDevice::stopTimers()
{
    if (!startSoon)
        return;
    startSoon->stop();
    idleClose->stop();
}

void PulseDevice::interrupt()
{
    interruption.raise();
    if (!loop)
        return;
    // A wait for the server holds the loop's lock except while it sleeps, so the signal cannot come
    // between its look at the interruption and its sleep.
    Locked lock(loop);
    pa_threaded_mainloop_signal(loop, 0);
}

void PulseDevice::cut()
{
    interruption.clear();
    stopTimers();
    if (!stream)
        return;
    Locked lock(loop);
    dropStream();
}

// With the loop locked. What the server holds is dropped, not played out, and nothing waits for the
// server's answer, so a stopped one cannot hold it up.
void PulseDevice::dropStream()
{
    if (pa_operation *op = streamGood() ? pa_stream_flush(stream, nullptr, nullptr) : nullptr)
        pa_operation_unref(op);
    releaseStream();
}

bool PulseDevice::writeSound(const Pcm &pcm)
{
    const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, uint32_t(pcm.sampleRate), uint8_t(pcm.channels)};
    // The player hands over 44.1 kHz mono or stereo; anything the server cannot take is converted first.
    const bool fits = pcm.channels <= int(PA_CHANNELS_MAX) && pa_sample_spec_valid(&spec);
    const Pcm converted = fits ? Pcm() : convertPcm(pcm, 44100, 1);
    const Pcm &sound = fits ? pcm : converted;
    if (stream) {
        bool keep = false;
        {
            Locked lock(loop);
            keep = streamGood() && streamRate == sound.sampleRate && streamChannels == sound.channels;
        }
        if (!keep)
            closeStream();
    }
    if (!connectServer())
        return false;
    Locked lock(loop);
    if (!stream && !openStream(sound.sampleRate, sound.channels))
        return false;
    if (corked && !uncork())
        return false;
    return writeAll(sound);
}

// With the loop locked: true once `done()` holds, false when the deadline passes or an interrupt comes first.
template <typename Done>
bool PulseDevice::waitUntil(Done done, const QDeadlineTimer &deadline)
{
    while (!done()) {
        const qint64 ms = deadline.remainingTime();
        // Without its time event nothing would end the wait at the deadline.
        if (ms == 0 || interruption.isRaised() || !wakeUp)
            return false;
        pa_context_rttime_restart(context, wakeUp, pa_rtclock_now() + pa_usec_t(ms) * PA_USEC_PER_MSEC);
        pa_threaded_mainloop_wait(loop);
    }
    return true;
}

bool PulseDevice::connectServer()
{
    if (context) {
        Locked lock(loop);
        if (pa_context_get_state(context) == PA_CONTEXT_READY)
            return true;
        // The server went away since the last sound (a restart): try again at once.
        dropServer(false);
    }
    if (!retryAt.hasExpired() || !loop)
        return false;
    if (!loopRunning) {
        if (pa_threaded_mainloop_start(loop) < 0)
            return false;
        loopRunning = true;
    }
    Locked lock(loop);
    pa_proplist *properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Kalindor");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "kalindor");
    context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop), "Kalindor", properties);
    pa_proplist_free(properties);
    if (!context) {
        retryAt = QDeadlineTimer(RetryMs);
        return false;
    }
    pa_context_set_state_callback(context, wakeOnContext, loop);
    wakeUp = pa_context_rttime_new(context, PA_USEC_INVALID, wakeOnTime, loop);
    // Never start a server of our own: the desktop's session starts it, or there is none.
    const bool answered = pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0
        && waitUntil([this] { return !PA_CONTEXT_IS_GOOD(pa_context_get_state(context))
                                     || pa_context_get_state(context) == PA_CONTEXT_READY; },
                     QDeadlineTimer(AnswerMs));
    if (answered && pa_context_get_state(context) == PA_CONTEXT_READY)
        return true;
    dropServer(!interruption.isRaised());
    return false;
}

bool PulseDevice::openStream(int sampleRate, int channels)
{
    const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, uint32_t(sampleRate), uint8_t(channels)};
    stream = pa_stream_new(context, "Kalindor", &spec, nullptr);
    if (!stream) {
        dropServer(true);
        return false;
    }
    pa_stream_set_state_callback(stream, wakeOnStream, loop);
    pa_stream_set_write_callback(stream, wakeOnWrite, loop);
    const auto unset = uint32_t(-1);
    const pa_buffer_attr buffer{unset, uint32_t(pa_usec_to_bytes(LatencyMs * PA_USEC_PER_MSEC, &spec)), unset, unset, unset};
    const bool ready = pa_stream_connect_playback(stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) >= 0
        && waitUntil([this] { return pa_stream_get_state(stream) != PA_STREAM_CREATING; }, QDeadlineTimer(AnswerMs))
        && pa_stream_get_state(stream) == PA_STREAM_READY;
    if (!ready) {
        if (interruption.isRaised())
            releaseStream();
        else
            dropServer(true);
        return false;
    }
    streamRate = sampleRate;
    streamChannels = channels;
    askQuestions();
    return true;
}

// With the loop locked. The kept stream's server is asked to play again and must answer in AnswerMs, as
// it must for a new stream: one that stopped meanwhile is found out as soon as it would have been.
bool PulseDevice::uncork()
{
    pa_operation *op = pa_stream_cork(stream, 0, [](pa_stream *, int, void *loop) { wake(loop); }, loop);
    const bool answered = op && waitUntil([op, this] {
        return !streamGood() || pa_operation_get_state(op) != PA_OPERATION_RUNNING;
    }, QDeadlineTimer(AnswerMs)) && streamGood();
    if (op) {
        if (!answered)
            pa_operation_cancel(op);
        pa_operation_unref(op);
    }
    if (answered)
        corked = false;
    else if (!interruption.isRaised())
        dropServer(streamGood()); // a stalled server is left alone for a while, one that went away is not
    return answered;
}

// Writes only what the server asks for, so that a stalled server can never block the thread.
bool PulseDevice::writeAll(const Pcm &pcm)
{
    const auto *bytes = reinterpret_cast<const char *>(pcm.samples.data());
    const size_t total = pcm.samples.size() * sizeof(float);
    const size_t frameBytes = size_t(pcm.channels) * sizeof(float);
    const QDeadlineTimer giveUpAt = after(pcm.seconds() + (LatencyMs + StallMarginMs) / 1000.0);
    size_t done = 0;
    while (done < total) {
        size_t room = 0;
        const bool asked = waitUntil([&] {
            if (!streamGood())
                return true;
            room = pa_stream_writable_size(stream);
            return room > 0 && room != size_t(-1);
        }, giveUpAt);
        if (interruption.isRaised())
            return false; // the stream stays for cut() to drop
        if (!asked || !streamGood()) {
            // A stalled server is left alone for a while; one that went away may be back at the next sound.
            dropServer(!asked);
            return false;
        }
        size_t n = std::min(room, total - done);
        n = std::max(n - n % frameBytes, std::min(frameBytes, total - done));
        if (pa_stream_write(stream, bytes + done, n, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
            dropServer(false);
            return false;
        }
        done += n;
    }
    return true;
}

bool PulseDevice::streamGood() const
{
    return stream && pa_stream_get_state(stream) == PA_STREAM_READY;
}

void PulseDevice::stop()
{
    settleStream(true);
}

// Lets what the server holds play out, then corks the stream to keep it for the next sound, or closes it.
// A corked stream plays nothing, so the server's output can go idle and there is nothing to drain.
void PulseDevice::settleStream(bool keep)
{
    stopTimers();
    if (!stream)
        return;
    Locked lock(loop);
    if (streamGood() && !corked && !interruption.isRaised()) {
        // Draining also starts a stream that holds less than its pre-buffer.
        drained = false;
        pa_operation *op = pa_stream_drain(stream, [](pa_stream *, int, void *self) {
            auto *device = static_cast<PulseDevice *>(self);
            device->drained = true;
            wake(device->loop);
        }, this);
        const bool done = op && waitUntil([this] { return drained || !streamGood(); },
                                          QDeadlineTimer(LatencyMs + 1000));
        if (op) {
            if (!done)
                pa_operation_cancel(op);
            pa_operation_unref(op);
        }
        if (op && !done && interruption.isRaised()) {
            dropStream();
            return;
        }
        if (op && !done) {
            // The server took the sound but does not play it: it has stalled.
            dropServer(true);
            if (report)
                report(false);
            return;
        }
    }
    if (keep && streamGood() && !interruption.isRaised()) {
        if (!std::exchange(corked, true)) {
            if (pa_operation *op = pa_stream_cork(stream, 1, nullptr, nullptr))
                pa_operation_unref(op);
        }
        return;
    }
    releaseStream();
}

// With the loop locked.
void PulseDevice::releaseStream()
{
    if (!stream)
        return;
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    pa_stream_disconnect(stream);
    pa_stream_unref(stream);
    stream = nullptr;
    streamRate = streamChannels = 0;
    corked = false;
}

// With the loop locked. Nothing here waits for the server, so a stopped one cannot hold it up.
void PulseDevice::dropServer(bool retryLater)
{
    releaseStream();
    if (context) {
        if (wakeUp)
            pa_threaded_mainloop_get_api(loop)->time_free(wakeUp);
        wakeUp = nullptr;
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
        context = nullptr;
    }
    if (retryLater)
        retryAt = QDeadlineTimer(RetryMs);
    askQuestions();
}

void PulseDevice::probe()
{
    const bool reached = connectServer();
    if (report && !interruption.isRaised())
        report(reached);
}

void PulseDevice::askOutput(std::function<void(OutputLevel)> answer)
{
    if (!loop) {
        answer(OutputLevel::Unknown);
        return;
    }
    Locked lock(loop);
    questions.push_back({std::move(answer), QDeadlineTimer(OutputCheckMs)});
    if (streamGood())
        askQuestions();
}

// With the loop locked: the questions still in time are asked about the stream; the others are
// answered now, with nothing known.
void PulseDevice::askQuestions()
{
    for (Question &question : std::exchange(questions, {})) {
        if (streamGood() && !question.expires.hasExpired())
            askStreamOutput(context, stream, std::move(question.answer));
        else
            question.answer(OutputLevel::Unknown);
    }
}
