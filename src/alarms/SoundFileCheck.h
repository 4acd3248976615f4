// Whether the sound file a row names can be played, looked at on a thread of its own: on a share whose
// server is gone the kernel may hold a stat or an open for as long as it likes, and neither the window
// nor the alarm's start may wait with it.
#pragma once

#include <QString>

#include <functional>
#include <memory>

// True for none chosen ("Browse", or empty for the default file), false for a file that is missing or not
// a sound libsndfile decodes. Reads its header, on the calling thread.
bool soundFilePlays(const QString &waveFile);

class SoundFileCheck
{
public:
    // The longest plays() waits for an answer.
    static constexpr int WaitMs = 500;
    explicit SoundFileCheck(std::function<bool(const QString &)> check = soundFilePlays, int waitMs = WaitMs);

    // The file is looked at again only when it changed since; one that has not answered within the wait
    // counts as its last answer, or as playing when it never answered (the player still rings the default
    // alert in its place), and is not looked at again until that look is over.
    bool plays(const QString &waveFile);

private:
    struct Shared;
    std::shared_ptr<Shared> shared; // also held by each look under way, which may outlive this object
    int waitMs;
};
