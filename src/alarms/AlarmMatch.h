// Which local minutes an alarm's five boxes name, and which built-in samples its options ask for.
#pragma once

#include "HPMOD.h"
#include "Sound.h"

#include <QDate>

#include <array>
#include <bitset>
#include <optional>
#include <vector>

// The five boxes as typed: day, month, year, hour, minute.
using AlarmBoxes = std::array<QString, 5>;

// One minute of the wall clock, as the alarm boxes name it: no zone, no instant.
struct LocalMinute
{
    int year = 0, month = 0, day = 0;
    int weekday = 0; // 1 Monday .. 7 Sunday, as QDate counts
    int hour = 0, minute = 0;

    LocalMinute() = default;
    LocalMinute(const QDate &date, int hour, int minute);
    QDate date() const { return {year, month, day}; }
    bool operator==(const LocalMinute &) const = default;
};

// The boxes read once. A box matches a value when it holds exactly its decimal text, without leading
// zeros, spaces or sign: the clock shows 7, not 07, so an hour typed as 07 never matches. Comparing the
// boxes one by one keeps day 1 of month 12 apart from day 11 of month 2.
// A box holding "*" alone matches every value of its field, and the day box also takes a weekday form
// such as "Mon-Fri" or "Sat,Sun" (see weekdaysOf), so an alarm can repeat.
class AlarmPattern
{
public:
    AlarmPattern() = default; // matches nothing
    explicit AlarmPattern(const AlarmBoxes &boxes);

    bool matches(const LocalMinute &minute) const;
    bool matchesDate(int year, int month, int day, int weekday) const;
    bool matchesNothing() const { return hours.none() || minutes.none() || months.none() || (days.none() && !weekdays); }

    // What the boxes allow, for searching forward without trying every minute.
    std::bitset<32> days;     // bit d for day d of the month
    unsigned weekdays = 0;    // bit d-1 for weekday d
    std::bitset<13> months;   // bit m for month m
    std::optional<int> year;  // empty: every year
    bool noYear = false;      // a year box that names no year at all
    std::bitset<24> hours;
    std::bitset<60> minutes;
};

// The value of a box that holds exactly a decimal number without leading zeros, sign or spaces; none otherwise.
std::optional<qint64> exactNumber(QStringView text);

// The weekdays a day box names, bit d-1 for Qt's day d (1 Monday .. 7 Sunday); 0 when the text is not
// a weekday form. The form is a comma list of short names or ranges of two names, which may wrap
// ("Fri-Mon"); names are English (Mon .. Sun), French (Lun .. Dim) or German (Mo .. So), in any case.
// Like every box it is taken as typed: a space anywhere makes it no form at all.
unsigned weekdaysOf(QStringView text);

// An option field counts as selected when it reads as the number 1; "", "0" and letters do not.
bool optionSelected(const QString &field);

// A row left on "Browse" with none of its options: it matches like any other and plays nothing.
bool playsNothing(const AlarmRecord &record);

// Gong, then ring, then the meeting reminder (gong, ring, phrase of the language), as selected.
std::vector<SampleId> optionSamples(const AlarmRecord &record, Language language);
