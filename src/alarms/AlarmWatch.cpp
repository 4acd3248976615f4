#include "AlarmWatch.h"

namespace {
// Past an alarm clock's weekend, the latest minute passed over is looked for in the last two days first.
constexpr qint64 RecentMs = 2 * 24 * 60 * MinuteMs;
constexpr int MaxSteps = 5000;
} // namespace

// The start of the last ringing minute that began after `from` and ended by `to`: one that no check saw.
std::optional<qint64> AlarmWatch::passedOver(const AlarmPattern &alarm, const Memory &memory, qint64 from,
                                             qint64 to, const Zone &zone) const
{
    std::optional<qint64> latest;
    if (memory.extra && *memory.extra > from && *memory.extra + MinuteMs <= to)
        latest = memory.extra;
    for (qint64 searchFrom : {std::max(from, to - RecentMs), from}) {
        std::optional<qint64> ring = nextRing(alarm, searchFrom, zone);
        for (int steps = 0; ring && *ring + MinuteMs <= to && steps < MaxSteps; ++steps) {
            latest = std::max(latest.value_or(*ring), *ring);
            ring = nextRing(alarm, *ring, zone);
        }
        if (latest || searchFrom == from)
            break;
    }
    return latest;
}

AlarmCheck AlarmWatch::check(const std::array<AlarmPattern, 10> &alarms, const QDateTime &now)
{
    const Zone zone(now);
    const qint64 t = now.toMSecsSinceEpoch();
    AlarmCheck result;
    if (lastCheck && t < *lastCheck) {
        // The clock was set back: the minute a snooze silenced is left behind.
        for (Memory &memory : memories)
            memory.silentUntil = 0;
    }
    if (lastCheck && t - *lastCheck > MinuteMs) {
        for (size_t k = 0; k < alarms.size(); ++k) {
            Memory &memory = memories[k];
            const auto skipped = passedOver(alarms[k], memory, *lastCheck, t, zone);
            if (!skipped)
                continue;
            if (t - *lastCheck < JumpMs) {
                memory.extra = t;
                memory.extraIsSnooze = false;
            } else {
                result.missed.push_back({int(k) + 1, *skipped});
            }
        }
    }
    const LocalMinutes minutes = minutesRingingAt(t, zone);
    const qint64 thisMinute = minuteStart(t, zone);
    for (size_t k = 0; k < alarms.size(); ++k) {
        Memory &memory = memories[k];
        if (memory.extra && *memory.extra + MinuteMs <= t) {
            memory.extra.reset();
            memory.extraIsSnooze = false;
        }
        const bool owed = memory.extra && *memory.extra <= t;
        const bool named = std::any_of(minutes.begin(), minutes.end(),
                                       [&](const LocalMinute &m) { return alarms[k].matches(m); });
        if (!(owed || named) || t < memory.silentUntil)
            continue;
        result.ringing.set(k);
        const qint64 ring = owed ? *memory.extra : thisMinute;
        if (memory.announced != ring)
            result.starting.set(k);
        memory.announced = ring;
    }
    lastCheck = t;
    return result;
}

void AlarmWatch::snooze(int alarm, const QDateTime &now, int minutes)
{
    stop(alarm, now);
    Memory &memory = memories[size_t(alarm - 1)];
    memory.extra = minuteStart(now.toMSecsSinceEpoch(), Zone(now)) + minutes * MinuteMs;
    memory.extraIsSnooze = true;
}

void AlarmWatch::stop(int alarm, const QDateTime &now)
{
    Memory &memory = memories[size_t(alarm - 1)];
    const qint64 t = now.toMSecsSinceEpoch();
    const bool owed = memory.extra && *memory.extra <= t && t < *memory.extra + MinuteMs;
    memory.silentUntil = owed ? *memory.extra + MinuteMs : minuteStart(t, Zone(now)) + MinuteMs;
    // The ring owed now is the one silenced: it must not be counted as still to come.
    if (owed) {
        memory.extra.reset();
        memory.extraIsSnooze = false;
    }
}

std::optional<qint64> AlarmWatch::snoozedUntil(int alarm) const
{
    const Memory &memory = memories[size_t(alarm - 1)];
    return memory.extraIsSnooze ? memory.extra : std::nullopt;
}
