#include "PcmConvert.h"

#include <algorithm>
#include <cmath>

#include <soxr.h>

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
    Pcm out = pcm;
    out.sampleRate = sampleRate;
    // Rounded, so a sound keeps its length to the nearest output frame.
    const size_t outFrames = size_t(std::llround(double(pcm.frames()) * sampleRate / pcm.sampleRate));
    out.samples.assign(outFrames * size_t(pcm.channels), 0.0f);
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    size_t made = 0;
    if (soxr_oneshot(pcm.sampleRate, sampleRate, unsigned(pcm.channels), pcm.samples.data(), size_t(pcm.frames()),
                     nullptr, out.samples.data(), outFrames, &made, &io, nullptr, nullptr))
        made = 0;
    out.samples.resize(made * size_t(pcm.channels));
    return out;
}

Pcm convertPcm(const Pcm &pcm, int sampleRate, int channels)
{
    Pcm out = channels == 1 ? mixToMono(pcm) : pcm;
    return resample(out, sampleRate);
}
