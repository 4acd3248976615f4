#include "Player.h"

#include "Decoder.h"

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
            return;
        pcm->origin = QStringLiteral("alert");
    }
    device.play(*pcm);
}
