// The speakers: the desktop's sound server (PulseAudio, or PipeWire's PulseAudio service) through libpulse.
#pragma once

#include "Interruption.h"
#include "SoundDevice.h"

#include <QDeadlineTimer>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;
struct pa_time_event;

class PulseDevice final : public SoundDevice
{
public:
    // A server that has not answered a connection or a new stream by then counts as absent.
    static constexpr int AnswerMs = 2000;
    // After a failed connection or a server that stopped answering, sounds keep their time silently
    // this long before the next try: alarms play ten times a second.
    static constexpr int RetryMs = 5000;
    // The stream is silenced (corked) this long after the last sound; the next sample of a phrase comes
    // far sooner. It is kept for the next sound rather than set up again, with its buffers, for each of
    // the day's 1,440 phrases.
    static constexpr int IdleCorkMs = 1500;
    // Sound written ahead of the speakers, so the next sample is decoded while this plays out.
    static constexpr int LatencyMs = 250;
    // A sound not yet written after its own length plus this is given up: the server has stalled.
    // Generous, because a sink waking from idle may take two seconds to ask for its first data.
    static constexpr int StallMarginMs = 4000;

    // Nothing is asked of the server until the first sound. `report` learns after every sound
    // whether it reached the server.
    explicit PulseDevice(std::function<void(bool heard)> report = {});
    ~PulseDevice() override;
    PulseDevice(const PulseDevice &) = delete;
    PulseDevice &operator=(const PulseDevice &) = delete;

    // Returns when the last frame is in the server's buffer, about LatencyMs before it is heard.
    // Without a server it returns after the sound's length, as if the sound had been heard.
    void play(const Pcm &pcm) override;
    // Lets the buffered end of the last sound play out, then silences the stream and keeps it.
    void stop() override;
    // Ends any wait for the server at once, a stopped one too.
    void interrupt() override;
    // Drops what the server holds and closes the stream, without waiting for the server.
    void cut() override;
    // Asks about its stream (kept between sounds), or about the next one to open within OutputCheckMs,
    // on the connection it plays through. The answer comes on libpulse's thread, or at once on this one;
    // it comes late when no stream opens in time, which SoundQueue::askOutput bounds.
    void askOutput(std::function<void(OutputLevel)> answer) override;
    // Connects to the server, within AnswerMs, and reports whether that succeeded.
    void probe() override;

private:
    bool writeSound(const Pcm &pcm);
    bool connectServer();
    bool openStream(int sampleRate, int channels);
    bool uncork();
    bool writeAll(const Pcm &pcm);
    bool streamGood() const;
    template <typename Done>
    bool waitUntil(Done done, const QDeadlineTimer &deadline);
    void settleStream(bool keep);
    void closeStream() { settleStream(false); }
    void startTimers();
    void stopTimers();
    void dropStream();
    void releaseStream();
    void dropServer(bool retryLater);
    void askQuestions();

    std::function<void(bool)> report;
    pa_threaded_mainloop *loop; // made with the device, started at the first sound
    bool loopRunning = false;
    pa_context *context = nullptr;
    pa_time_event *wakeUp = nullptr; // ends a wait at its time limit
    pa_stream *stream = nullptr;
    int streamRate = 0;
    int streamChannels = 0;
    bool drained = false;
    bool corked = false; // silenced between sounds, with nothing left to play
    QDeadlineTimer retryAt;
    // Ends the waits for the server, and without one the time a sound keeps silently.
    Interruption interruption;
    struct Question
    {
        std::function<void(OutputLevel)> answer;
        QDeadlineTimer expires;
    };
    std::vector<Question> questions; // waiting for a stream, with the loop locked
    // Starts a stream that holds less than its pre-buffer once the caller is back in its event loop,
    // so a short sound with nothing after it is heard at once. Made at the first sound, so that they
    // belong to the thread that plays.
    std::unique_ptr<QTimer> startSoon;
    std::unique_ptr<QTimer> idleClose;
};
