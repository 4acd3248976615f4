// Plays built-in samples and the user's sound files through one sound device, synchronously and in
// pieces of about 93 ms that the device joins without a gap.
#pragma once

#include "SampleCatalogue.h"
#include "SoundDevice.h"
#include "Speaker.h"

#include <functional>

class Player final : public Speaker
{
public:
    explicit Player(SoundDevice &device, SampleCatalogue catalogue = {});

    void PlaySample(SampleId id) override;
    void StopSound() override;
    void PlaySoundFile(const QString &path) override;
    void alarmLevel(std::optional<AlarmLoudness> alarm, bool fromStart = false) override;

    // While `requested` returns true, a sound ends at the next piece and no other starts: it has been
    // cut. Asked before every piece, so it must be cheap.
    void interruptWhen(std::function<bool()> requested) { stopRequested = std::move(requested); }
    // Called after every piece, about ten times a second while a sound plays. Must be cheap, and must
    // not play anything.
    void betweenPieces(std::function<void()> call) { pieceDone = std::move(call); }

private:
    bool interrupted() const { return stopRequested && stopRequested(); }
    void playInPieces(const Pcm &pcm);
    // Every piece goes to the device through here, at the level asked for.
    void hand(Pcm &piece);

    SoundDevice &device;
    SampleCatalogue catalogue;
    QByteArray SampleBuffer;
    std::function<bool()> stopRequested;
    std::function<void()> pieceDone;
    std::optional<AlarmLoudness> loudness; // none: the sounds play as they are
    // Seconds of sound handed over since the rise began: what is heard, not what the clock says, so that
    // the rise stays in step with the sound however late the sounds are asked for or served.
    double riseAt = 0;
};
