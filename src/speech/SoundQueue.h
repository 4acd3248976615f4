// The program's sounds played on a thread of their own, one after another and each to its end, so that
// the window goes on serving the user while they sound.
#pragma once

#include "Player.h"
#include "SoundDevice.h"
#include "Speaker.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <deque>
#include <memory>
#include <mutex>

class SoundQueue final : public QObject, public Speaker
{
    Q_OBJECT
public:
    // The queue belongs to the thread that makes it; the device is used and destroyed on the queue's
    // own thread alone, where its timers run too.
    explicit SoundQueue(std::unique_ptr<SoundDevice> device, SampleCatalogue catalogue = {});
    // The longest the end waits for the queue's thread to let the device go.
    static constexpr int EndWaitMs = 2000;
    // Cuts what plays and lets the device go without playing out what it holds, waiting at most EndWaitMs
    // for the thread; past that, see whenStuckAtEnd().
    ~SoundQueue() override;
    SoundQueue(const SoundQueue &) = delete;
    SoundQueue &operator=(const SoundQueue &) = delete;

    // Each returns at once; its sound follows those asked for before it.
    void PlaySample(SampleId id) override;
    void PlaySoundFile(const QString &path) override;
    // Takes effect on the queue's thread between the sounds asked for before it and those after.
    void alarmLevel(std::optional<AlarmLoudness> alarm, bool fromStart = false) override;
    // Lets the sounds before it end, then silences the device.
    void StopSound() override;
    // The sound that plays ends within one piece of about 93 ms, and the device drops what it holds.
    void cutSound() override;
    // The next sound starts once `call` has run; the queue's thread does not wait for it meanwhile.
    void whenHeard(std::function<void()> call) override;
    void whenSounding(std::function<void(bool)> call) override { soundingCall = std::move(call); }
    // Asks the device whether what it plays can be heard; `answer` runs on the owner's thread, once,
    // within OutputCheckMs (Unknown when the device has not answered by then).
    void askOutput(std::function<void(OutputLevel)> answer);
    // Has the device reach for its output in turn with the sounds, without a sound (SoundDevice::probe).
    void probe();
    // Gives the exit status when at the end the queue's thread has not come back within EndWaitMs: the
    // process then leaves at once. Without it (a test) the end waits for the thread.
    void whenStuckAtEnd(std::function<int()> release) { stuckAtEnd = std::move(release); }

private:
    struct Item
    {
        enum class Kind { Sample, File, Stop, Call, Level, Probe } kind = Kind::Stop;
        SampleId id = 0;
        QString path;
        std::function<void()> call;
        std::optional<AlarmLoudness> loudness;
        bool fromStart = false;
    };
    void append(Item item);
    void scheduleLocked();
    // On the queue's thread.
    void playQueued();
    // On the thread that owns the queue.
    void callBack(const std::function<void()> &call);
    void tellIfSilent();

    std::unique_ptr<SoundDevice> device;
    SoundDevice *const output; // the same device, for interrupt(), which any thread may call
    Player player;
    QThread thread;
    QObject *worker; // lives on `thread`: what is posted to it runs there

    std::mutex mutex; // guards what follows, up to `cuts`
    std::deque<Item> items;
    bool playing = false;   // an item taken from `items` is under way
    bool scheduled = false; // playQueued() is posted or running
    bool callOut = false;   // a whenHeard() call is posted and has not run: nothing plays until it has
    bool ending = false;
    std::atomic<unsigned> cuts{0}; // written with the mutex held, read by the player between pieces

    unsigned cutsHandled = 0; // on the queue's thread: the device has been cut for these
    // On the owner's thread: what soundingCall was last told.
    bool toldSounding = false;
    std::function<void(bool)> soundingCall;
    std::function<int()> stuckAtEnd;
};
