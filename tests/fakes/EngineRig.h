// The clock engine with its fakes and no window: every step can be taken at a time the test chooses.
#pragma once

#include "ClockEngine.h"
#include "RecordingDevice.h"

#include <QTemporaryDir>

#include <memory>

struct EngineRig
{
    QTemporaryDir configDir;
    AlarmBook book{configDir.path()};
    FakeClock clock;
    RecordingSpeaker speaker;
    QStringList notices;
    Notice lastNotice;
    QStringList namesSpoken; // "name|language|percent|how many samples the speaker had been asked for by then"
    // Not started: the tests tick it themselves.
    std::unique_ptr<ClockEngine> engine;

    explicit EngineRig(const QDateTime &start = QDateTime(QDate(2026, 12, 5), QTime(7, 29, 0))) : clock(start)
    {
        book.load();
        ClockEngineServices services;
        services.notify = [this](const Notice &notice) {
            notices << (notice.close ? QStringLiteral("closed ") + notice.tag : notice.summary);
            lastNotice = notice;
        };
        services.speakName = [this](const QString &name, Language language, int percent) {
            namesSpoken << QStringLiteral("%1|%2|%3|%4").arg(name).arg(language).arg(percent).arg(speaker.ids.size());
        };
        engine = std::make_unique<ClockEngine>(book, clock, speaker, services);
    }
    void tickAt(int h, int m, int s = 0)
    {
        clock.set(h, m, s);
        engine->Timer1_Timer();
        engine->Timer2_Timer();
    }
    // "5 12 2026 7 30": the five boxes of the alarm's row, as typed.
    void setAlarm(int alarm, const QString &boxes, const QString &caption = QStringLiteral("Browse"))
    {
        for (int i = 0; i < 5; ++i)
            book.setField(alarm, i, boxes.section(u' ', i, i));
        book.setField(alarm, 8, caption);
    }
};
