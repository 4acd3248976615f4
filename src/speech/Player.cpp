#include "Player.h"

#include "Decoder.h"

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
    device.play(*pcm);
}

void Player::StopSound()
{
    device.stop();
}

void Player::PlaySoundFile(const QString &path)
{
    auto pcm = decodeFile(path);
    if (!pcm) {
        pcm = decodeImage(catalogue.alertImage());
        if (!pcm)
            pcm = chime();
        pcm->origin = QStringLiteral("alert");
    }
    device.play(*pcm);
}
