#include "Devices.h"

#include "PulseDevice.h"
#include "WavFileDevice.h"

void SilentDevice::play(const Pcm &pcm)
{
    if (!keepTime)
        return;
    QDeadlineTimer soundEnd;
    soundEnd.setPreciseRemainingTime(0, qint64(pcm.seconds() * 1e9), Qt::PreciseTimer);
    interruption.wait(soundEnd);
}

std::unique_ptr<SoundDevice> openSpeakers(std::function<void(bool heard)> report)
{
    return std::make_unique<PulseDevice>(std::move(report));
}

std::unique_ptr<SoundDevice> openWavFile(const QString &path, QString *error)
{
    return WavFileDevice::create(path, error);
}
