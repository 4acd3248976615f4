#include "Devices.h"

#include "PortAudioDevice.h"
#include "WavFileDevice.h"

#include <QThread>

void SilentDevice::play(const Pcm &pcm)
{
    if (keepTime)
        QThread::usleep(static_cast<unsigned long>(pcm.seconds() * 1e6));
}

std::unique_ptr<SoundDevice> openSpeakers()
{
    auto speakers = std::make_unique<PortAudioDevice>();
    if (speakers->hasOutput())
        return speakers;
    return std::make_unique<SilentDevice>(true);
}

std::unique_ptr<SoundDevice> openWavFile(const QString &path, QString *error)
{
    return WavFileDevice::create(path, error);
}
