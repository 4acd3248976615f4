// The sound operations that phrases, alarms and the stop button call.
#pragma once

#include "AlarmLoudness.h"
#include "Sound.h"

#include <functional>
#include <optional>

class Speaker
{
public:
    virtual ~Speaker() = default;
    // Plays a built-in sample to its end; an identifier without a sample returns at once.
    virtual void PlaySample(SampleId id) = 0;
    virtual void StopSound() = 0;
    // Plays a user's sound file to its end, or the default alert when it cannot be played.
    virtual void PlaySoundFile(const QString &path) = 0;
    // An alarm may be set to sound softer than the speech and to start softly: the sounds asked for
    // after this call, up to the next one, are played at `alarm`, or at full level without one. It is
    // kept in order with the sounds, so that a flag clicked while an alarm rings is still heard whole.
    // `fromStart` begins the rise again at a quarter of the level, as each ringing minute does; the
    // rise goes on across the sounds asked for after it, whatever their level.
    virtual void alarmLevel(std::optional<AlarmLoudness> alarm, bool fromStart = false) { (void)alarm, (void)fromStart; }

    // A speaker may return from the calls above before their sounds are heard, playing them one after
    // another, in the order asked. What follows lets the caller keep in step with it; a speaker that
    // plays each sound before returning needs none of it.

    // Silences at once the sound that plays and drops those still waiting, for the stop button, a
    // snooze and the end of the program.
    virtual void cutSound() { StopSound(); }
    // Runs `call` on the caller's thread once every sound asked for before it has been played, and
    // before any asked for after it starts. A cut drops sounds, never calls.
    virtual void whenHeard(std::function<void()> call) { call(); }
    // Registered once: `call` runs on the caller's thread with true as a sound is asked for while none
    // plays or waits, and with false once the last sound asked for has been played.
    virtual void whenSounding(std::function<void(bool sounding)> call) { (void)call; }
};
