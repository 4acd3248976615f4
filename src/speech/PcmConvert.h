// Fitting decoded sound to an output that takes one rate and channel count.
#pragma once

#include "Sound.h"

// Averages all channels into one; a mono sound comes back unchanged.
Pcm mixToMono(const Pcm &pcm);
// Linear interpolation; enough for alarm files, and the samples already have the rate of every output.
Pcm resample(const Pcm &pcm, int sampleRate);
// Mono or the same channels at `sampleRate`: what the WAV file and a stereo-only device take.
Pcm convertPcm(const Pcm &pcm, int sampleRate, int channels);
