// Fitting decoded sound to an output that takes one rate and channel count.
#pragma once

#include "Sound.h"

// Averages all channels into one; a mono sound comes back unchanged.
Pcm mixToMono(const Pcm &pcm);
// The whole sound at once through libsoxr; a sound handed over in pieces is resampled by its reader instead.
Pcm resample(const Pcm &pcm, int sampleRate);
// Mono or the same channels at `sampleRate`: what the WAV file and a stereo-only device take.
Pcm convertPcm(const Pcm &pcm, int sampleRate, int channels);
