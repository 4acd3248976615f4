// The alarms' names said through the desktop's speech service (speech-dispatcher, through Qt's
// TextToSpeech), on a thread of its own: the service's start may block for as long as it likes.
#pragma once

#include "HPMOD.h"

#include <QString>

class QThread;
class NameSpeechWorker;

class NameSpeech final
{
public:
    NameSpeech();
    // The longest the end waits for the speech thread; past that it is left to go with the process.
    static constexpr int EndWaitMs = 1000;
    // A name that the service has not taken within this is dropped: said later, it would follow another
    // sound than its alarm's. A first name may have to wait for speech-dispatcher to be started for it.
    static constexpr int TakeWithinMs = 10000;
    ~NameSpeech();
    NameSpeech(const NameSpeech &) = delete;
    NameSpeech &operator=(const NameSpeech &) = delete;

    // Returns at once; the name is said at `percent` of the service's volume, in a voice of `language`.
    void speakName(const QString &name, Language language, int percent);

private:
    QThread *thread;
    NameSpeechWorker *worker; // lives on `thread`
};
