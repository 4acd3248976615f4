// One check of the ten alarms: every due alarm sounds once, in order, at each check of its minute.
#pragma once

#include "AlarmMatch.h"
#include "Speaker.h"

#include <functional>

// Where the alarms' dates, times and wave files are read: the settings window's rows, live.
class AlarmRows
{
public:
    virtual ~AlarmRows() = default;
    virtual AlarmBoxes boxes(int alarm) const = 0; // alarm 1-10
    virtual QString waveCaption(int alarm) const = 0;
    virtual void setWaveCaption(int alarm, const QString &caption) = 0;
};

// Decides which alarms are due from the clock text and today's date before any sound starts, so a
// long sound of alarm 1 does not rob alarm 2 of its turn in the same minute. Options come from the
// alarm table; a wave-file caption other than "Browse" wins over them. `starting` hears of each
// alarm (1-10) just before its sound, not after: a sound holds the thread for as long as it lasts.
void fireDueAlarms(AlarmRows &rows, const AlarmRecords &table, const QDate &today, const QString &clockText,
                   Language language, Speaker &speaker, const std::function<void(int alarm)> &starting = {});

// What the stop button says: the alarm goes on for its minute.
QString stopMessage(Language language);
