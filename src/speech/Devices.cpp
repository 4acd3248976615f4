#include "Devices.h"

#include "PulseDevice.h"
#include "WavFileDevice.h"

#include <QThread>

void SilentDevice::play(const Pcm &pcm)
{
    if (keepTime)
        QThread::usleep(static_cast<unsigned long>(pcm.seconds() * 1e6));
}

std::unique_ptr<SoundDevice> openSpeakers(std::function<void(bool heard)> report)
{
    return std::make_unique<PulseDevice>(std::move(report));
}

std::unique_ptr<SoundDevice> openWavFile(const QString &path, QString *error)
{
    return WavFileDevice::create(path, error);
}
