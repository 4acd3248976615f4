#include "WavFileDevice.h"

#include "PcmConvert.h"

#include <QFile>

std::unique_ptr<WavFileDevice> WavFileDevice::create(const QString &path, QString *error)
{
    SF_INFO info{};
    info.samplerate = SampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *handle = path.isEmpty() ? nullptr : sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!handle) {
        if (error)
            *error = path.isEmpty() ? QStringLiteral("no file name given")
                                    : QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(sf_strerror(nullptr)));
        return nullptr;
    }
    // Without clipping libsndfile wraps a float above 1.0 round to a loud negative sample.
    sf_command(handle, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    // The header is rewritten after every write, so the file stays whole however the program ends.
    sf_command(handle, SFC_SET_UPDATE_HEADER_AUTO, nullptr, SF_TRUE);
    return std::unique_ptr<WavFileDevice>(new WavFileDevice(handle));
}

WavFileDevice::~WavFileDevice()
{
    // Closing writes the final RIFF and data lengths into the header.
    sf_close(file);
}

void WavFileDevice::play(const Pcm &pcm)
{
    if (writeFailed || pcm.frames() == 0)
        return;
    const Pcm mono = convertPcm(pcm, SampleRate, 1);
    const sf_count_t frames = sf_count_t(mono.samples.size());
    if (sf_writef_float(file, mono.samples.data(), frames) != frames)
        writeFailed = true;
}
