// When the minutes that alarms name ring in real time, through the local zone: daylight saving, a
// repeated hour, a skipped hour, a new zone.
#pragma once

#include "AlarmMatch.h"

#include <QDateTime>
#include <QTimeZone>
#include <QVarLengthArray>

#include <optional>

// Local time as one clock reading resolves it, for any instant: a named zone (the system's own, which
// follows a change of zone at once), a fixed offset, or, for a system zone Qt cannot name, Qt's local
// time. Instants are milliseconds since the epoch.
class Zone
{
public:
    explicit Zone(const QDateTime &reading);
    QDateTime at(qint64 ms) const;
    int offsetAt(qint64 ms) const; // seconds east of UTC

private:
    enum Kind { Named, Fixed, QtLocal } kind = Named;
    QTimeZone zone;      // Named
    int fixedOffset = 0; // Fixed
    // The last offset asked for: each check asks for the same instant several times.
    mutable qint64 cachedMs = 0;
    mutable std::optional<int> cachedOffset;
};

// Each alarm names a local minute and rings once for each time that minute begins in real time: for
// the whole minute from that moment. A minute that occurs twice (the hour repeated when the clocks go
// back) rings at its first pass only; a minute that never occurs (the hour skipped when they go
// forward) rings at the minute that begins where the gap ends, on the day of the gap.

// Where a local minute rings: the instant its ringing minute begins.
qint64 ringStart(const LocalMinute &minute, const Zone &zone);

// Usually one minute, sixty or so in the first minute after a skipped hour.
using LocalMinutes = QVarLengthArray<LocalMinute, 4>;

// The local minutes whose ringing minute holds this instant: usually the minute it is in; none in the
// second pass of a repeated hour; in the first minute after a skipped hour, every minute it skipped too.
LocalMinutes minutesRingingAt(qint64 ms, const Zone &zone);

// The start of the next ringing minute of an alarm strictly after `afterMs`; none when it never rings again.
std::optional<qint64> nextRing(const AlarmPattern &pattern, qint64 afterMs, const Zone &zone);

// The start of the local minute that holds an instant.
qint64 minuteStart(qint64 ms, const Zone &zone);

inline constexpr qint64 MinuteMs = 60000;
