#include "Devices.h"

#include <QThread>

void SilentDevice::play(const Pcm &pcm)
{
    if (keepTime)
        QThread::usleep(static_cast<unsigned long>(pcm.seconds() * 1e6));
}

std::unique_ptr<SoundDevice> openSpeakers()
{
    return std::make_unique<SilentDevice>();
}

std::unique_ptr<SoundDevice> openWavFile(const QString &, QString *error)
{
    if (error)
        *error = QStringLiteral("not available");
    return nullptr;
}
