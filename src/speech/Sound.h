// Decoded sound as the devices take it, and the identifiers of the built-in samples.
#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

using SampleId = qint16;

struct Pcm
{
    std::vector<float> samples; // interleaved, -1..1
    int sampleRate = 44100;
    int channels = 1;
    QString origin;             // "sample 24", a file path or "alert": what tests and logs see
    bool continuation = false;  // a later piece of a sound already begun, handed over in pieces

    qint64 frames() const { return channels > 0 ? qint64(samples.size()) / channels : 0; }
    double seconds() const { return sampleRate > 0 ? double(frames()) / sampleRate : 0.0; }
};
