// Plays built-in samples and the user's sound files through one sound device, synchronously.
#pragma once

#include "SampleCatalogue.h"
#include "SoundDevice.h"
#include "Speaker.h"

class Player final : public Speaker
{
public:
    explicit Player(SoundDevice &device, SampleCatalogue catalogue = {});

    void PlaySample(SampleId id) override;
    void StopSound() override;
    void PlaySoundFile(const QString &path) override;

    // The image of the sample played last; replaced whole by each PlaySample.
    const QByteArray &sampleBuffer() const { return SampleBuffer; }

private:
    SoundDevice &device;
    SampleCatalogue catalogue;
    QByteArray SampleBuffer;
};
