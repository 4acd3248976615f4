// Sounding the alarms a check found ringing, and what the stop button says.
#pragma once

#include "AlarmMatch.h"
#include "AlarmWatch.h"
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

// The ten rows' boxes, alarm 1 first.
std::array<AlarmBoxes, 10> readBoxes(const AlarmRows &rows);

// Sounds each ringing alarm once, alarm 1 first: its wave file when the caption is not "Browse",
// otherwise the options of the alarm table. Which alarms ring was decided before any sound starts, so a
// long sound of alarm 1 does not rob alarm 2 of its turn in the same minute. `starting` hears of each
// alarm (1-10) just before its sound is asked for.
void soundAlarms(AlarmRows &rows, const AlarmRecords &table, std::bitset<10> ringing, Language language,
                 Speaker &speaker, const std::function<void(int alarm)> &starting = {});

// What the stop button says: the alarm goes on for its minute.
QString stopMessage(Language language);
