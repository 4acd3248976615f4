#include "Decoder.h"

#include "SoundFileReader.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>

namespace {

// libsndfile reads the image through these callbacks instead of a file.
struct MemoryReader
{
    const QByteArray *data;
    sf_count_t pos = 0;
};

sf_count_t memLength(void *user) { return static_cast<MemoryReader *>(user)->data->size(); }

sf_count_t memSeek(sf_count_t offset, int whence, void *user)
{
    auto *r = static_cast<MemoryReader *>(user);
    const sf_count_t size = r->data->size();
    sf_count_t target = offset;
    if (whence == SEEK_CUR)
        target = r->pos + offset;
    else if (whence == SEEK_END)
        target = size + offset;
    r->pos = std::clamp<sf_count_t>(target, 0, size);
    return r->pos;
}

sf_count_t memRead(void *ptr, sf_count_t count, void *user)
{
    auto *r = static_cast<MemoryReader *>(user);
    const sf_count_t n = std::clamp<sf_count_t>(r->data->size() - r->pos, 0, count);
    std::memcpy(ptr, r->data->constData() + r->pos, size_t(n));
    r->pos += n;
    return n;
}

sf_count_t memWrite(const void *, sf_count_t, void *) { return 0; }
sf_count_t memTell(void *user) { return static_cast<MemoryReader *>(user)->pos; }

std::optional<Pcm> readAll(SNDFILE *file, const SF_INFO &info, const QString &origin)
{
    if (!file)
        return std::nullopt;
    std::optional<Pcm> result;
    if (info.channels > 0 && info.channels <= 64 && info.samplerate > 0) {
        Pcm pcm;
        pcm.sampleRate = info.samplerate;
        pcm.channels = info.channels;
        pcm.origin = origin;
        // frames may be unknown (streams) or wrong (damaged headers): read in blocks until the end.
        std::vector<float> block(size_t(4096) * info.channels);
        sf_count_t total = 0;
        for (;;) {
            const sf_count_t got = sf_readf_float(file, block.data(), 4096);
            if (got <= 0)
                break;
            pcm.samples.insert(pcm.samples.end(), block.begin(), block.begin() + got * info.channels);
            total += got;
        }
        if (total > 0 && sf_error(file) == SF_ERR_NO_ERROR)
            result = std::move(pcm);
    }
    sf_close(file);
    return result;
}

} // namespace

std::optional<Pcm> decodeImage(const QByteArray &image)
{
    if (image.isEmpty())
        return std::nullopt;
    SF_VIRTUAL_IO io{memLength, memSeek, memRead, memWrite, memTell};
    MemoryReader reader{&image};
    SF_INFO info{};
    SNDFILE *file = sf_open_virtual(&io, SFM_READ, &info, &reader);
    return readAll(file, info, QString());
}

std::optional<Pcm> decodeFile(const QString &path)
{
    const auto reader = SoundFileReader::open(path);
    if (!reader)
        return std::nullopt;
    Pcm whole, piece;
    while (reader->next(piece)) {
        whole.channels = piece.channels;
        whole.samples.insert(whole.samples.end(), piece.samples.begin(), piece.samples.end());
    }
    if (whole.samples.empty())
        return std::nullopt;
    whole.origin = path;
    return whole;
}
