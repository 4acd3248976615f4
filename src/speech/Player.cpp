#include "Player.h"

#include "Decoder.h"
#include "SoundFileReader.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Two short tones; heard only when the embedded alert itself is missing or damaged.
Pcm chime()
{
    Pcm pcm;
    constexpr int rate = 44100;
    constexpr int toneFrames = rate / 5;
    pcm.samples.reserve(2 * toneFrames);
    for (double hz : {880.0, 660.0}) {
        for (int i = 0; i < toneFrames; ++i) {
            // A 5 ms fade at both ends so the tones do not click.
            const double fade = std::min({1.0, i / 220.0, (toneFrames - i) / 220.0});
            pcm.samples.push_back(float(0.3 * fade * std::sin(2 * std::numbers::pi * hz * i / rate)));
        }
    }
    return pcm;
}

} // namespace

Player::Player(SoundDevice &device, SampleCatalogue catalogue)
    : device(device), catalogue(std::move(catalogue))
{
}

void Player::PlaySample(SampleId id)
{
    SampleBuffer = catalogue.image(id);
    // No substitute sound for a sample that is missing or undecodable: the phrase just goes on.
    auto pcm = decodeImage(SampleBuffer);
    if (!pcm)
        return;
    pcm->origin = QStringLiteral("sample %1").arg(id);
    playInPieces(*pcm);
}

void Player::StopSound()
{
    device.stop();
}

void Player::PlaySoundFile(const QString &path)
{
    // Decoded while it plays, so neither its length nor its header decides how much memory it takes.
    if (const auto reader = SoundFileReader::open(path)) {
        Pcm piece;
        bool begun = false;
        while (!interrupted() && reader->next(piece)) {
            piece.origin = path;
            piece.continuation = begun;
            device.play(piece);
            begun = true;
            if (pieceDone)
                pieceDone();
        }
        if (begun || interrupted())
            return;
    }
    auto pcm = decodeImage(catalogue.alertImage());
    if (!pcm)
        pcm = chime();
    pcm->origin = QStringLiteral("alert");
    playInPieces(*pcm);
}

void Player::playInPieces(const Pcm &pcm)
{
    Pcm piece{{}, pcm.sampleRate, pcm.channels, pcm.origin};
    const size_t step = size_t(SoundFileReader::PieceFrames) * size_t(std::max(1, pcm.channels));
    for (size_t at = 0; at < pcm.samples.size() && !interrupted(); at += step) {
        piece.samples.assign(pcm.samples.begin() + qsizetype(at),
                             pcm.samples.begin() + qsizetype(std::min(at + step, pcm.samples.size())));
        piece.continuation = at > 0;
        device.play(piece);
        if (pieceDone)
            pieceDone();
    }
}
