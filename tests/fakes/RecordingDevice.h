// Test doubles for sound: a device that logs what the real player hands it, and a speaker that logs identifiers.
#pragma once

#include "FakeClock.h"
#include "SoundDevice.h"
#include "Speaker.h"

#include <QStringList>

#include <utility>
#include <vector>

// Logs each sound's origin ("sample 24", a path, "alert") and how long the sounds played were.
class RecordingDevice final : public SoundDevice
{
public:
    void play(const Pcm &pcm) override;
    void stop() override { log << QStringLiteral("stop"); }
    void cut() override { log << QStringLiteral("cut"); }

    QStringList log;
    double playedSeconds = 0;
    std::function<void()> eachPiece; // called as each piece is handed over, before it is logged
};

// Logs PlaySample identifiers, stops and file paths without decoding anything. With a clock, a
// file moves it on by `fileSeconds`, so a long sound is testable without waiting. The test tells
// the window through `sounding` when a sound begins and ends.
class RecordingSpeaker final : public Speaker
{
public:
    void PlaySample(SampleId id) override { ids.push_back(id); }
    void StopSound() override { ++stops; }
    void PlaySoundFile(const QString &path) override
    {
        files << path;
        if (clock)
            clock->advanceMs(qint64(fileSeconds) * 1000);
    }
    void clear() { ids.clear(); files.clear(); stops = 0; }
    void whenSounding(std::function<void(bool)> call) override { sounding = std::move(call); }
    // While `holding`, what is to run once the sounds before it are heard waits, as behind a queue's sounds.
    void whenHeard(std::function<void()> call) override
    {
        if (holding)
            held.push_back(std::move(call));
        else
            call();
    }
    void release()
    {
        holding = false;
        for (const auto &call : std::exchange(held, {}))
            call();
    }

    std::vector<int> ids;
    QStringList files;
    int stops = 0;
    FakeClock *clock = nullptr;
    int fileSeconds = 0;
    std::function<void(bool)> sounding;
    bool holding = false;
    std::vector<std::function<void()>> held;
};

// "30 34 11" -> {30, 34, 11}, so test tables can hold identifier lists as text.
std::vector<int> idList(const QString &text);
