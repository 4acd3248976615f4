#include "RingTime.h"

#include <algorithm>
#include <array>

namespace {
constexpr qint64 EpochJulianDay = 2440588; // 1 January 1970
constexpr qint64 DaySeconds = 86400;
// Longer than any change of a zone's offset: a minute can only be repeated or skipped within this of a change.
constexpr qint64 LongestShiftMs = 3 * 3600 * 1000;
// Beyond a fixed year, every date an alarm can name comes round within eight years (29 February).
constexpr int SearchYears = 9;

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Minutes of the wall clock counted from 1 January 1970 00:00, as if the wall clock were UTC.
qint64 wallMinuteOf(const LocalMinute &m)
{
    return (m.date().toJulianDay() - EpochJulianDay) * 1440 + m.hour * 60 + m.minute;
}

LocalMinute localMinuteOf(qint64 wallMinute)
{
    const qint64 days = floorDiv(wallMinute, 1440);
    const qint64 rest = wallMinute - days * 1440;
    return {QDate::fromJulianDay(EpochJulianDay + days), int(rest / 60), int(rest % 60)};
}

qint64 wallSeconds(qint64 ms, int offset)
{
    return floorDiv(ms, 1000) + offset;
}

// Qt 6.5 made UTC, a fixed offset and Qt's local time kinds of QTimeZone and deprecates naming them by
// Qt::TimeSpec; Qt 6.4 (Debian 12) knows only the Qt::TimeSpec names.
QDateTime inUtc(qint64 ms)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return QDateTime::fromMSecsSinceEpoch(ms, QTimeZone(QTimeZone::UTC));
#else
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
#endif
}

QDateTime atOffset(qint64 ms, int offset)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::fromSecondsAheadOfUtc(offset));
#else
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::OffsetFromUTC, offset);
#endif
}

QDateTime inQtLocalTime(qint64 ms)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return QDateTime::fromMSecsSinceEpoch(ms, QTimeZone(QTimeZone::LocalTime));
#else
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::LocalTime);
#endif
}
} // namespace

Zone::Zone(const QDateTime &reading)
{
    switch (reading.timeSpec()) {
    case Qt::TimeZone:
        zone = reading.timeZone();
        break;
    case Qt::UTC:
    case Qt::OffsetFromUTC:
        kind = Fixed;
        fixedOffset = reading.offsetFromUtc();
        break;
    default:
        // Qt's local time reads a repeated hour wrong where the daylight-saving flag does not change
        // (a new standard offset), and differently depending on what was asked before: the zone's own
        // rules are asked instead.
        zone = QTimeZone::systemTimeZone();
        kind = zone.isValid() ? Named : QtLocal;
    }
}

QDateTime Zone::at(qint64 ms) const
{
    switch (kind) {
    case Named:
        return QDateTime::fromMSecsSinceEpoch(ms, zone);
    case Fixed:
        return atOffset(ms, fixedOffset);
    default:
        return inQtLocalTime(ms);
    }
}

int Zone::offsetAt(qint64 ms) const
{
    if (cachedOffset && cachedMs == ms)
        return *cachedOffset;
    switch (kind) {
    case Named:
        cachedOffset = zone.offsetFromUtc(inUtc(ms));
        break;
    case Fixed:
        cachedOffset = fixedOffset;
        break;
    default:
        cachedOffset = inQtLocalTime(ms).offsetFromUtc();
    }
    cachedMs = ms;
    return *cachedOffset;
}

qint64 minuteStart(qint64 ms, const Zone &zone)
{
    const int offset = zone.offsetAt(ms);
    return (floorDiv(wallSeconds(ms, offset), 60) * 60 - offset) * 1000;
}

qint64 ringStart(const LocalMinute &minute, const Zone &zone)
{
    const qint64 local = wallMinuteOf(minute) * 60;
    // The offsets in force a day either side hold every offset the minute can have been shown under.
    const std::array<int, 3> offsets{zone.offsetAt((local - DaySeconds) * 1000), zone.offsetAt(local * 1000),
                                     zone.offsetAt((local + DaySeconds) * 1000)};
    std::optional<qint64> first;
    for (int offset : offsets) {
        const qint64 at = local - offset;
        if (zone.offsetAt(at * 1000) == offset && (!first || at < *first))
            first = at;
    }
    if (first)
        return *first * 1000;
    // Shown under no offset: the minute lies in a gap. It rings where the gap ends, at the change itself.
    const auto [low, high] = std::minmax_element(offsets.begin(), offsets.end());
    qint64 before = local - *high, after = local - *low;
    const int offsetBefore = zone.offsetAt(before * 1000);
    while (after - before > 1) {
        const qint64 middle = before + (after - before) / 2;
        (zone.offsetAt(middle * 1000) == offsetBefore ? before : after) = middle;
    }
    return after * 1000;
}

LocalMinutes minutesRingingAt(qint64 ms, const Zone &zone)
{
    const int offset = zone.offsetAt(ms);
    const qint64 wallMinute = floorDiv(wallSeconds(ms, offset), 60);
    const LocalMinute minute = localMinuteOf(wallMinute);
    // Most of the year the offset has not changed for hours: nothing is repeated or skipped.
    if (zone.offsetAt(ms - LongestShiftMs) == offset)
        return {minute};
    LocalMinutes ringing;
    const qint64 start = (wallMinute * 60 - offset) * 1000;
    if (ringStart(minute, zone) == start)
        ringing << minute;
    // The clocks went forward as this minute began: the minutes they skipped ring now.
    const int offsetBefore = zone.offsetAt(start - 1000);
    if (offsetBefore < offset) {
        for (qint64 skipped = floorDiv(start / 1000 + offsetBefore, 60); skipped < wallMinute; ++skipped)
            ringing << localMinuteOf(skipped);
    }
    return ringing;
}

std::optional<qint64> nextRing(const AlarmPattern &pattern, qint64 afterMs, const Zone &zone)
{
    if (pattern.matchesNothing())
        return std::nullopt;
    // A minute that rings after an instant is shown later on the wall clock than that instant, even
    // across a change of offset; the minutes of the repeated hour before it ring at their first pass.
    const LocalMinute from = localMinuteOf(floorDiv(wallSeconds(afterMs, zone.offsetAt(afterMs)), 60) + 1);
    QDate day = from.date();
    QDate last = day.addYears(SearchYears);
    if (pattern.year) {
        if (*pattern.year < day.year())
            return std::nullopt;
        if (*pattern.year > day.year())
            day = QDate(*pattern.year, 1, 1);
        last = QDate(*pattern.year, 12, 31);
    }
    for (; day <= last; day = day.addDays(1)) {
        int y = 0, m = 0, d = 0;
        day.getDate(&y, &m, &d);
        if (!pattern.matchesDate(y, m, d, day.dayOfWeek()))
            continue;
        const bool firstDay = day == from.date();
        for (int hour = firstDay ? from.hour : 0; hour < 24; ++hour) {
            if (!pattern.hours[size_t(hour)])
                continue;
            for (int minute = firstDay && hour == from.hour ? from.minute : 0; minute < 60; ++minute) {
                if (!pattern.minutes[size_t(minute)])
                    continue;
                const qint64 start = ringStart(LocalMinute(day, hour, minute), zone);
                if (start > afterMs)
                    return start;
            }
        }
    }
    return std::nullopt;
}
