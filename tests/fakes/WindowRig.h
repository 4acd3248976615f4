// The main window over the clock engine and its fakes: every handler can be called at a time the test chooses.
#pragma once

#include "EngineRig.h"
#include "HorP.h"

struct WindowRig : EngineRig
{
    int exits = 0;
    QStringList messages, informed;
    std::unique_ptr<HorP> window; // goes before the engine it shows

    explicit WindowRig(const QDateTime &start = QDateTime(QDate(2026, 12, 5), QTime(7, 29, 0))) : EngineRig(start)
    {
        HorPServices services;
        services.endProgram = [this] { ++exits; };
        services.showStopMessage = [this](QWidget *, const QString &text) { messages << text; };
        services.inform = [this](QWidget *, const QString &, const QString &text) { informed << text; };
        window = std::make_unique<HorP>(*engine, book, services);
    }
    // ALARM SET, opened as its button does.
    Hset &settings() { return window->Command6_Click(), *window->settingsWindow(); }
};
