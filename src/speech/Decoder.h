// Decoding sound with libsndfile: the embedded images from memory, the user's files from disk.
#pragma once

#include "Sound.h"

#include <QByteArray>

#include <optional>

// Any container libsndfile understands, including MPEG Layer-3 inside RIFF WAVE.
std::optional<Pcm> decodeImage(const QByteArray &image);
// A whole file at once, at 44.1 kHz, for short files such as what a WAV device wrote; the player
// streams a user's file piece by piece instead (SoundFileReader).
std::optional<Pcm> decodeFile(const QString &path);
