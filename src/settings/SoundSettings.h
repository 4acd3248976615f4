// The settings beyond the alarm table and the interval: the hours in which the time is not spoken by
// itself, and how loud the alarms sound.
#pragma once

#include "AlarmLoudness.h"
#include "HPMOD.h"

#include <QString>
#include <QStringList>

// As typed in ALARM SET and kept in the third settings file; what cannot be valid counts as the default.
struct SoundSettings
{
    QString quietFrom, quietTo; // hours 0-23; both empty: the time is spoken around the clock
    QString level, rise;        // percent and seconds; empty: 100 % at once
    QString snooze;             // minutes; empty: DefaultSnoozeMinutes
    // "1": closing the window hides it and the alarms ring on; anything else, as by default, ends Kalindor.
    QString keepRinging;
    QString speakNames;         // "0": an alarm's name is only shown; anything else, as by default, also spoken
    QStringList others;         // lines of the file that this Kalindor does not know, written back as they were

    bool operator==(const SoundSettings &) const = default;
};

// The ringing lasts one minute, so a longer rise would never reach the level it rises to.
constexpr int MaxRiseSeconds = 60;
constexpr int DefaultSnoozeMinutes = 10;
constexpr int MaxSnoozeMinutes = 60;

// From `from`:00 up to, not including, `to`:00, across midnight when `to` is the smaller; equal: no quiet hours.
struct QuietHours
{
    int from = 0, to = 0;

    bool none() const { return from == to; }
    bool covers(int hour) const { return from <= to ? hour >= from && hour < to : hour >= from || hour < to; }
};

QuietHours quietHoursOf(const SoundSettings &settings);
int snoozeMinutesOf(const SoundSettings &settings);
inline bool keepsRinging(const SoundSettings &settings) { return settings.keepRinging.trimmed() == u'1'; }
inline bool speaksNames(const SoundSettings &settings) { return settings.speakNames.trimmed() != u'0'; }
AlarmLoudness loudnessOf(const SoundSettings &settings);

// Why the quiet hours, or the level and rise, cannot be valid, as ALARM SET shows it beside them ("Alarm
// level ‘5’: type 10 to 100"); empty when they are.
QString quietHoursProblem(const SoundSettings &settings, Language language);
QString loudnessProblem(const SoundSettings &settings, Language language);
QString snoozeProblem(const SoundSettings &settings, Language language);
