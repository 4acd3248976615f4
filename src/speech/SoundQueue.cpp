#include "SoundQueue.h"

#include <QDeadlineTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include <algorithm>
#include <memory>
#include <utility>

SoundQueue::SoundQueue(std::unique_ptr<SoundDevice> device, SampleCatalogue catalogue)
    : device(std::move(device)), output(this->device.get()), player(*output, std::move(catalogue)),
      worker(new QObject)
{
    // A piece ends the sound it belongs to once a cut has come after the sound was taken up.
    player.interruptWhen([this] { return cuts.load() != cutsHandled; });
    thread.setObjectName(QStringLiteral("sound"));
    worker->moveToThread(&thread);
    thread.start();
}

SoundQueue::~SoundQueue()
{
    {
        std::lock_guard lock(mutex);
        items.clear();
        ending = true;
        ++cuts;
    }
    output->interrupt();
    QMetaObject::invokeMethod(worker, [this] {
        device->cut();
        device.reset();
        thread.quit();
    }, Qt::QueuedConnection);
    if (!thread.wait(QDeadlineTimer(EndWaitMs)) && stuckAtEnd) {
        // The thread is held in a read that the kernel does not let go (a sound file on a share whose
        // server is gone) and cannot be stopped; neither it nor what it uses may be destroyed while it
        // runs. So the process gives up what a later start waits for and leaves without the destructors,
        // which would wait; the kernel ends it once the read returns.
        const int status = stuckAtEnd();
        std::fflush(nullptr);
        std::_Exit(status);
    }
    thread.wait();
    delete worker;
}

void SoundQueue::PlaySample(SampleId id)
{
    append({Item::Kind::Sample, id, {}, {}});
}

void SoundQueue::PlaySoundFile(const QString &path)
{
    append({Item::Kind::File, 0, path, {}});
}

void SoundQueue::StopSound()
{
    append({Item::Kind::Stop, 0, {}, {}});
}

void SoundQueue::alarmLevel(std::optional<AlarmLoudness> alarm, bool fromStart)
{
    append({Item::Kind::Level, 0, {}, {}, alarm, fromStart});
}

void SoundQueue::whenHeard(std::function<void()> call)
{
    append({Item::Kind::Call, 0, {}, std::move(call)});
}

void SoundQueue::cutSound()
{
    {
        std::lock_guard lock(mutex);
        // The calls stay: what they tell or record must still happen, in order. So do the levels: a
        // sound asked for after the cut must not keep the level of an alarm whose sounds were dropped.
        std::erase_if(items, [](const Item &item) { return item.kind != Item::Kind::Call && item.kind != Item::Kind::Level; });
        ++cuts;
        scheduleLocked(); // the device is cut on its own thread, even when nothing plays
    }
    output->interrupt();
}

void SoundQueue::askOutput(std::function<void(OutputLevel)> answer)
{
    // Only ever touched on the owner's thread: the first of the device's answer and the limit is given.
    const auto pending = std::make_shared<std::function<void(OutputLevel)>>(std::move(answer));
    const auto give = [pending](OutputLevel level) {
        if (const auto answer = std::exchange(*pending, {}))
            answer(level);
    };
    QTimer::singleShot(OutputCheckMs, this, [give] { give(OutputLevel::Unknown); });
    output->askOutput([this, give](OutputLevel level) {
        QMetaObject::invokeMethod(this, [give, level] { give(level); }, Qt::QueuedConnection);
    });
}

void SoundQueue::probe()
{
    append({Item::Kind::Probe, 0, {}, {}});
}

void SoundQueue::append(Item item)
{
    const bool sound = item.kind == Item::Kind::Sample || item.kind == Item::Kind::File;
    {
        std::lock_guard lock(mutex);
        if (ending)
            return;
        items.push_back(std::move(item));
        scheduleLocked();
    }
    // Markers and levels alone are no sound: an alarm row that plays nothing must not have the window
    // wait for an end, which it would answer with another check at once, all through the minute.
    if (sound && !std::exchange(toldSounding, true) && soundingCall)
        soundingCall(true);
}

void SoundQueue::scheduleLocked()
{
    if (scheduled || ending)
        return;
    scheduled = true;
    QMetaObject::invokeMethod(worker, [this] { playQueued(); }, Qt::QueuedConnection);
}

void SoundQueue::playQueued()
{
    for (;;) {
        Item item;
        {
            std::unique_lock lock(mutex);
            playing = false;
            if (ending)
                return;
            if (const unsigned cut = cuts.load(); cut != cutsHandled) {
                lock.unlock();
                device->cut();
                cutsHandled = cut;
                continue;
            }
            if (items.empty() || callOut) {
                scheduled = false;
                break;
            }
            item = std::move(items.front());
            items.pop_front();
            if (item.kind == Item::Kind::Call) {
                // The rest waits for the call to run on the owner's thread, which then schedules it again.
                callOut = true;
                QMetaObject::invokeMethod(this, [this, call = std::move(item.call)] { callBack(call); },
                                          Qt::QueuedConnection);
                continue;
            }
            playing = true;
        }
        switch (item.kind) {
        case Item::Kind::Sample: player.PlaySample(item.id); break;
        case Item::Kind::File: player.PlaySoundFile(item.path); break;
        case Item::Kind::Stop: player.StopSound(); break;
        case Item::Kind::Level: player.alarmLevel(item.loudness, item.fromStart); break;
        case Item::Kind::Probe: device->probe(); break;
        case Item::Kind::Call: break;
        }
    }
    // Back in this thread's event loop the device's own timers run: a short last sound starts, the
    // stream closes after a while.
    QMetaObject::invokeMethod(this, [this] { tellIfSilent(); }, Qt::QueuedConnection);
}

void SoundQueue::callBack(const std::function<void()> &call)
{
    call();
    {
        std::lock_guard lock(mutex);
        callOut = false;
        if (!items.empty())
            scheduleLocked();
    }
    tellIfSilent();
}

void SoundQueue::tellIfSilent()
{
    {
        std::lock_guard lock(mutex);
        if (playing || callOut || scheduled || !items.empty())
            return;
    }
    if (std::exchange(toldSounding, false) && soundingCall)
        soundingCall(false);
}
