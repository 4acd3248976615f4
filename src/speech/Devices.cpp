#include "Devices.h"

#include "PulseDevice.h"
#include "WavFileDevice.h"

#include <chrono>

void SilentDevice::play(const Pcm &pcm)
{
    if (!keepTime)
        return;
    std::unique_lock lock(mutex);
    woken.wait_for(lock, std::chrono::duration<double>(pcm.seconds()), [this] { return interrupted.load(); });
}

void SilentDevice::interrupt()
{
    {
        std::lock_guard lock(mutex); // so that a play() about to wait cannot miss the news
        interrupted = true;
    }
    woken.notify_all();
}

std::unique_ptr<SoundDevice> openSpeakers(std::function<void(bool heard)> report)
{
    return std::make_unique<PulseDevice>(std::move(report));
}

std::unique_ptr<SoundDevice> openWavFile(const QString &path, QString *error)
{
    return WavFileDevice::create(path, error);
}
