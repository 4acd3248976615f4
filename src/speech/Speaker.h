// The three sound operations that phrases, alarms and the stop button call.
#pragma once

#include "Sound.h"

class Speaker
{
public:
    virtual ~Speaker() = default;
    // Plays a built-in sample to its end; an identifier without a sample returns at once.
    virtual void PlaySample(SampleId id) = 0;
    virtual void StopSound() = 0;
    // Plays a user's sound file to its end, or the default alert when it cannot be played.
    virtual void PlaySoundFile(const QString &path) = 0;
};
