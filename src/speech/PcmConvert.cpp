#include "PcmConvert.h"

#include <algorithm>
#include <cmath>

Pcm mixToMono(const Pcm &pcm)
{
    if (pcm.channels <= 1)
        return pcm;
    Pcm mono;
    mono.sampleRate = pcm.sampleRate;
    mono.channels = 1;
    mono.origin = pcm.origin;
    const qint64 frames = pcm.frames();
    mono.samples.resize(size_t(frames));
    for (qint64 f = 0; f < frames; ++f) {
        float sum = 0;
        for (int c = 0; c < pcm.channels; ++c)
            sum += pcm.samples[size_t(f * pcm.channels + c)];
        mono.samples[size_t(f)] = sum / float(pcm.channels);
    }
    return mono;
}

Pcm resample(const Pcm &pcm, int sampleRate)
{
    if (pcm.sampleRate == sampleRate || pcm.sampleRate <= 0 || sampleRate <= 0 || pcm.frames() == 0)
        return pcm;
    Pcm out;
    out.sampleRate = sampleRate;
    out.channels = pcm.channels;
    out.origin = pcm.origin;
    const qint64 inFrames = pcm.frames();
    // Rounded, so a sound keeps its length to the nearest output frame.
    const qint64 outFrames = std::llround(double(inFrames) * sampleRate / pcm.sampleRate);
    const double step = double(pcm.sampleRate) / sampleRate;
    const int ch = pcm.channels;
    out.samples.resize(size_t(outFrames * ch));
    for (qint64 f = 0; f < outFrames; ++f) {
        const double pos = f * step;
        const qint64 i = qint64(pos);
        const float frac = float(pos - double(i));
        const qint64 j = std::min(i + 1, inFrames - 1);
        const qint64 a = std::min(i, inFrames - 1);
        for (int c = 0; c < ch; ++c) {
            const float x0 = pcm.samples[size_t(a * ch + c)];
            const float x1 = pcm.samples[size_t(j * ch + c)];
            out.samples[size_t(f * ch + c)] = x0 + (x1 - x0) * frac;
        }
    }
    return out;
}

Pcm convertPcm(const Pcm &pcm, int sampleRate, int channels)
{
    Pcm out = channels == 1 ? mixToMono(pcm) : pcm;
    return resample(out, sampleRate);
}
