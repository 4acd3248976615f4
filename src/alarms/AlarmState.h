// Whether and when an alarm row rings next, or why it never will: what the user reads beside each row.
#pragma once

#include "RingTime.h"

struct AlarmState
{
    enum Kind { Rings, Off, BadBox, NoSuchDate, Past, Silent };
    Kind kind = Off;
    qint64 next = 0;   // Rings, Silent: the start of the next minute it matches
    int box = -1;      // BadBox: 0 day, 1 month, 2 year, 3 hour, 4 minute
    QString text;      // BadBox: the box's text as typed
    QString suggestion; // BadBox: what to type instead, where the text is a number written another way
    AlarmBoxes boxes;  // as read, for the texts that quote them
    bool unplayable = false; // Rings: its sound file cannot be played, so the default alert rings instead
};

// Off is a row of zeros or empty boxes, as a new settings file holds. A box is bad when no value of its
// field can match it; a date is impossible when no year has it (31 April, 30 February); the rest either
// rings at `next`, strictly after `nowMs`, or lies wholly in the past. It agrees with nextRing. A row
// that would ring but has no sound chosen (`silent`) is Silent: the user must hear of it before its minute.
AlarmState alarmState(const AlarmBoxes &boxes, qint64 nowMs, const Zone &zone, bool silent = false);
