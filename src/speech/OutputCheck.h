// Whether what Kalindor plays can be heard: the sound server is asked, on a short-lived connection of
// its own, whether Kalindor's stream or the output it plays to is muted or turned down to nothing. It
// only reads: the user's volume is the user's.
#pragma once

#include <QThreadPool>

#include <functional>

enum class OutputLevel {
    Unknown, // no server, or none that answered in time
    Fine,
    Muted,   // the stream or its output is muted
    Zero,    // the stream or its output is at a volume of zero
};

// Asks the server and returns within `limitMs`. It waits a little for a stream of this process to show,
// since the sound it is asked about usually starts just after; without one, the default output is what
// a new stream plays to. Blocks: for a thread of its own.
OutputLevel askOutputLevel(int limitMs);

class OutputCheck
{
public:
    static constexpr int LimitMs = 300;
    OutputCheck();
    // Waits for the questions still out, each bounded by LimitMs.
    ~OutputCheck();

    // Asks on a thread of its own and gives `answer` the level there, once, within LimitMs.
    void ask(std::function<void(OutputLevel)> answer);

private:
    QThreadPool threads;
};
