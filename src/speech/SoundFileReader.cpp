#include "SoundFileReader.h"

#include <QFile>

#include <sndfile.h>
#include <soxr.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>

namespace {
// One read from the file holds at most this many values, whatever its channel count.
constexpr sf_count_t MaxReadValues = 65536;
} // namespace

struct SoundFileReader::Stream
{
    SNDFILE *file = nullptr;
    int fileChannels = 1;
    int channels = 1;           // of the pieces: 2 for stereo files, otherwise 1
    soxr_t resampler = nullptr; // null when the file already has SampleRate
    sf_count_t readFrames = 0;  // per read: about one piece's worth of output, at least one frame
    std::vector<float> raw;     // one read, in the file's channels
    std::vector<float> in;      // the same, mixed to `channels`, waiting for the resampler
    size_t inFrames = 0, inUsed = 0;
    qint64 framesLeft = 0;      // of the pieces still allowed
    bool inputEnded = false, finished = false;

    ~Stream()
    {
        soxr_delete(resampler);
        if (file)
            sf_close(file);
    }
};

std::unique_ptr<SoundFileReader> SoundFileReader::open(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status{};
    // A FIFO would block open() until a writer comes, and a device may never end: neither is opened.
    if (name.isEmpty() || ::stat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return nullptr;
    // Non-blocking, and checked again once open, in case the name was replaced in between.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return nullptr;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    auto d = std::make_unique<Stream>();
    SF_INFO info{};
    d->file = sf_open_fd(fd, SFM_READ, &info, SF_TRUE); // closes fd, also when it fails
    if (!d->file || info.channels < 1 || info.samplerate < 1 || info.samplerate > MaxFileRate)
        return nullptr;
    d->fileChannels = info.channels;
    d->framesLeft = (qint64(BaseSeconds) * 1000 + qint64(status.st_size) * PlayMsPerByte) * SampleRate / 1000;
    d->channels = info.channels == 2 ? 2 : 1;
    if (info.samplerate != SampleRate) {
        soxr_error_t error = nullptr;
        const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
        d->resampler = soxr_create(info.samplerate, SampleRate, unsigned(d->channels), &error, &io, nullptr, nullptr);
        if (error)
            return nullptr;
    }
    // A 1 Hz file gives a whole piece per frame, a 768 kHz file needs 17 frames for one output frame.
    const double perPiece = std::ceil(double(PieceFrames) * info.samplerate / SampleRate);
    d->readFrames = std::clamp<sf_count_t>(sf_count_t(perPiece), 1, MaxReadValues / info.channels);
    d->raw.resize(size_t(d->readFrames * info.channels));
    d->in.resize(size_t(d->readFrames * d->channels));
    return std::unique_ptr<SoundFileReader>(new SoundFileReader(std::move(d)));
}

SoundFileReader::SoundFileReader(std::unique_ptr<Stream> stream) : d(std::move(stream)) {}

SoundFileReader::~SoundFileReader() = default;

void SoundFileReader::refill()
{
    const sf_count_t got = sf_readf_float(d->file, d->raw.data(), d->readFrames);
    d->inUsed = 0;
    d->inFrames = got > 0 ? size_t(got) : 0;
    d->inputEnded = got <= 0;
    const int from = d->fileChannels, to = d->channels;
    for (size_t f = 0; f < d->inFrames; ++f) {
        for (int c = 0; c < to; ++c) {
            float sum = 0;
            if (to == from) {
                sum = d->raw[f * size_t(from) + size_t(c)];
            } else {
                for (int k = 0; k < from; ++k)
                    sum += d->raw[f * size_t(from) + size_t(k)];
                sum /= float(from);
            }
            // A float file may hold NaN or huge values; neither must reach the speakers.
            d->in[f * size_t(to) + size_t(c)] = std::isfinite(sum) ? std::clamp(sum, -1.0f, 1.0f) : 0.0f;
        }
    }
}

bool SoundFileReader::next(Pcm &piece)
{
    const size_t channels = size_t(d->channels);
    piece.sampleRate = SampleRate;
    piece.channels = d->channels;
    piece.samples.resize(size_t(PieceFrames) * channels);
    size_t produced = 0;
    const size_t wanted = size_t(std::min<qint64>(PieceFrames, d->framesLeft));
    while (produced < wanted && !d->finished) {
        if (d->inUsed == d->inFrames && !d->inputEnded)
            refill();
        const size_t waiting = d->inFrames - d->inUsed;
        const float *from = d->in.data() + d->inUsed * channels;
        float *to = piece.samples.data() + produced * channels;
        const size_t room = wanted - produced;
        if (!d->resampler) {
            const size_t n = std::min(waiting, room);
            std::copy(from, from + n * channels, to);
            d->inUsed += n;
            produced += n;
            d->finished = waiting == 0 && d->inputEnded;
            continue;
        }
        // Once the file is read to its end, a null input lets the resampler give out what it holds.
        const bool flush = waiting == 0 && d->inputEnded;
        size_t used = 0, made = 0;
        if (soxr_process(d->resampler, flush ? nullptr : from, waiting, &used, to, room, &made)) {
            d->finished = true;
            break;
        }
        d->inUsed += used;
        produced += made;
        // A resampler that neither takes nor gives would spin for ever: the sound ends there instead.
        d->finished = made == 0 && (flush || used == 0);
    }
    piece.samples.resize(produced * channels);
    d->framesLeft -= qint64(produced);
    return produced > 0;
}
