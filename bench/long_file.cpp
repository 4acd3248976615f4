// A long personal alarm file played through the player into a device that keeps no time: the peak
// memory of the process and the seconds of sound handed over. Ten minutes at 8 kHz would be over 100 MB
// decoded whole at 44.1 kHz; played in pieces they should take a few.
//   long_file [minutes]
#include "Player.h"

#include <QTemporaryDir>

#include <sndfile.h>
#include <sys/resource.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace {
// Counts what the player hands over, and keeps nothing.
class CountingDevice final : public SoundDevice
{
public:
    void play(const Pcm &pcm) override { seconds += pcm.seconds(); }
    void stop() override {}
    double seconds = 0;
};
} // namespace

int main(int argc, char **argv)
{
    const int minutes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("long.wav")));
    SF_INFO info{0, 8000, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
    SNDFILE *file = sf_open(path.constData(), SFM_WRITE, &info);
    if (!file)
        return std::fprintf(stderr, "long_file: cannot write %s\n", path.constData()), 1;
    std::vector<float> second(8000);
    for (int s = 0; s < minutes * 60; ++s) {
        for (size_t i = 0; i < second.size(); ++i)
            second[i] = float(0.4 * std::sin(2 * std::numbers::pi * 523 * double(i) / 8000));
        sf_writef_float(file, second.data(), sf_count_t(second.size()));
    }
    sf_close(file);
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    CountingDevice device;
    Player(device).PlaySoundFile(QFile::decodeName(path));
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    std::printf("%d min file at 8 kHz: %.1f s handed over, peak memory %.1f MB (%.1f MB before playing)\n", minutes,
                device.seconds, after.ru_maxrss / 1024.0, before.ru_maxrss / 1024.0);
    return 0;
}
