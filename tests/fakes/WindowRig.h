// The main window with its fakes: every handler can be called at a time the test chooses.
#pragma once

#include "HorP.h"
#include "RecordingDevice.h"

#include <QTemporaryDir>

#include <memory>

struct WindowRig
{
    QTemporaryDir configDir;
    HPMOD shared;
    AlarmBook book{configDir.path()};
    FakeClock clock;
    RecordingSpeaker speaker;
    int exits = 0;
    QStringList messages, notices, informed;
    Notice lastNotice;
    std::unique_ptr<HorP> window;

    explicit WindowRig(const QDateTime &start = QDateTime(QDate(2026, 12, 5), QTime(7, 29, 0))) : clock(start)
    {
        book.load();
        HorPServices services;
        services.endProgram = [this] { ++exits; };
        services.showStopMessage = [this](QWidget *, const QString &text) { messages << text; };
        services.notify = [this](const Notice &notice) {
            notices << (notice.close ? QStringLiteral("closed ") + notice.tag : notice.summary);
            lastNotice = notice;
        };
        services.inform = [this](QWidget *, const QString &, const QString &text) { informed << text; };
        window = std::make_unique<HorP>(shared, book, clock, speaker, services);
        // The tests call the handlers themselves.
        window->Timer1.stop();
        window->Timer3.stop();
    }
    // ALARM SET, opened as its button does.
    Hset &settings() { return window->Command6_Click(), *window->settingsWindow(); }
    void tickAt(int h, int m, int s = 0)
    {
        clock.set(h, m, s);
        window->Timer1_Timer();
        window->Timer2_Timer();
    }
    // "5 12 2026 7 30": the five boxes of the alarm's row, as typed.
    void setAlarm(int alarm, const QString &boxes, const QString &caption = QStringLiteral("Browse"))
    {
        for (int i = 0; i < 5; ++i)
            book.setField(alarm, i, boxes.section(u' ', i, i));
        book.setField(alarm, 8, caption);
    }
};
