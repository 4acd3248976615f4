// Whether what Kalindor plays can be heard: the sound server is asked, on the connection Kalindor plays
// through, whether Kalindor's stream or the output it plays to is muted or turned down to nothing. It
// only reads: the user's volume is the user's.
#pragma once

#include <functional>

struct pa_context;
struct pa_stream;

enum class OutputLevel {
    Unknown, // no server, or none that answered in time
    Fine,
    Muted,   // the stream or its output is muted
    Zero,    // the stream or its output is at a volume of zero
};

// How long a question waits in all: for the stream it is about, then for the server's answer.
constexpr int OutputCheckMs = 300;

// Asks about `stream`, which is ready on `context`, with libpulse's loop locked. `answer` runs once:
// on the loop's thread when the server answers or the connection ends, at once if nothing could be asked.
void askStreamOutput(pa_context *context, pa_stream *stream, std::function<void(OutputLevel)> answer);
