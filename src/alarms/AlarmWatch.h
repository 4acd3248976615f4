// The alarms' memory between checks: which ringing minute each alarm is in, a ring owed after a small
// step of the clock, a snooze, and the minutes a sleeping computer or a jump of the clock passed over.
#pragma once

#include "RingTime.h"

#include <array>
#include <bitset>
#include <vector>

struct AlarmCheck
{
    std::bitset<10> ringing;  // alarm k at bit k-1: sound it now
    std::bitset<10> starting; // ringing, and the first check of this ringing minute: tell the user
    struct Missed
    {
        int alarm = 0;
        qint64 at = 0; // the start of the last ringing minute the clock passed over
    };
    std::vector<Missed> missed;
};

class AlarmWatch
{
public:
    // A step of the clock this long or longer between two checks is a jump (a suspend, a clock set
    // forward): the minutes it passed over are reported, never rung late. A shorter step is ordinary
    // time keeping, and an alarm whose whole minute fell inside it rings at once, for one minute.
    static constexpr qint64 JumpMs = 2 * MinuteMs;

    AlarmCheck check(const std::array<AlarmPattern, 10> &alarms, const QDateTime &now);
    // Silences the alarm for the rest of its ringing minute, and rings it again for a whole minute
    // `minutes` after the minute it was taken in.
    void snooze(int alarm, const QDateTime &now, int minutes);
    // Silences the alarm for the rest of its ringing minute; a snooze that waits beyond it still rings.
    void stop(int alarm, const QDateTime &now);
    // When the alarm rings again after a snooze; none when no snooze waits.
    std::optional<qint64> snoozedUntil(int alarm) const;

private:
    struct Memory
    {
        std::optional<qint64> extra;     // a ringing minute of its own: owed after a small step, or a snooze
        bool extraIsSnooze = false;
        qint64 silentUntil = 0;          // a snooze taken silences the rest of its minute
        std::optional<qint64> announced; // the ringing minute the user was last told of
    };
    std::optional<qint64> passedOver(const AlarmPattern &alarm, const Memory &memory, qint64 from, qint64 to,
                                     const Zone &zone) const;

    std::optional<qint64> lastCheck;
    std::array<Memory, 10> memories;
};
