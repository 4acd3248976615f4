// A user's sound file, decoded and resampled a piece at a time, so that any length plays in bounded memory.
#pragma once

#include "Sound.h"

#include <memory>

class SoundFileReader
{
public:
    // Every piece comes at the rate of the built-in samples and of the WAV file.
    static constexpr int SampleRate = 44100;
    // About 93 ms: also the longest a request to stop waits for the piece being played.
    static constexpr int PieceFrames = 4096;
    // Header rates outside this range are refused; the default alert plays instead.
    static constexpr int MaxFileRate = 768000;
    // A file plays at most this long, plus PlayMsPerByte for each byte it holds: a header that claims
    // 1 Hz would otherwise make a few bytes ring for hours. Real sound files stay far below the bound.
    static constexpr int BaseSeconds = 180;
    static constexpr int PlayMsPerByte = 10;

    // Null when the path names no regular file (a FIFO, socket or device is never opened for reading)
    // or one libsndfile cannot decode.
    static std::unique_ptr<SoundFileReader> open(const QString &path);
    ~SoundFileReader();
    SoundFileReader(const SoundFileReader &) = delete;
    SoundFileReader &operator=(const SoundFileReader &) = delete;

    // The next piece of at most PieceFrames frames: stereo stays stereo, any other channel count is
    // mixed to mono. False at the end of the sound, where a damaged or truncated file stops decoding,
    // or once the file has played as long as its size allows.
    bool next(Pcm &piece);

private:
    struct Stream;
    explicit SoundFileReader(std::unique_ptr<Stream> stream);
    void refill();

    std::unique_ptr<Stream> d;
};
