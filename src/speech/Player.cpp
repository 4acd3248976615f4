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
            hand(piece);
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
        hand(piece);
        if (pieceDone)
            pieceDone();
    }
}

void Player::alarmLevel(std::optional<AlarmLoudness> alarm, bool fromStart)
{
    loudness = alarm;
    if (fromStart)
        riseAt = 0;
}

void Player::hand(Pcm &piece)
{
    const double from = riseAt;
    riseAt += piece.seconds();
    const double level = loudness ? std::clamp(loudness->percent, 10, 100) / 100.0 : 1.0;
    const double rise = loudness ? loudness->riseSeconds : 0;
    // At full level and risen the samples are handed over untouched: the sound is exactly as it was made.
    if ((level < 1 || from < rise) && piece.sampleRate > 0) {
        const auto channels = size_t(std::max(1, piece.channels));
        for (size_t i = 0; i < piece.samples.size(); ++i) {
            const double at = from + double(i / channels) / piece.sampleRate;
            // Even in decibels, 12 dB from a quarter to the level: the ear hears that as an even rise,
            // where an even rise of the amplitude would seem to jump at first and then stand still.
            const double gain = at < rise ? level * std::exp2(2 * (at / rise - 1)) : level;
            piece.samples[i] = float(piece.samples[i] * gain);
        }
    }
    device.play(piece);
}
