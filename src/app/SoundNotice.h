// Tells the user, once, that sounds reach no output: an alarm clock that rings silently must say so.
#pragma once

#include "HPMOD.h"
#include "Notifier.h"

#include <QString>

#include <functional>

// The sentence for standard error and the desktop notification, in the given language.
QString noSoundText(Language language);

class SoundNotice
{
public:
    // `language` is read when the notice is given, so it follows the flag buttons.
    SoundNotice(const Language &language, Notify notify) : language(language), notify(std::move(notify)) {}

    // Called after every sound, and after the probe at start-up: the first one that is not heard gives
    // the notice on standard error and on the desktop; nothing more is said until a sound has been heard
    // again.
    void soundPlayed(bool heard);
    // An alarm starts: an output missing since start-up is told again at the first alarm's sound.
    void alarmStarted();

private:
    const Language &language;
    Notify notify;
    bool told = false;
    bool alarmSeen = false;
};
