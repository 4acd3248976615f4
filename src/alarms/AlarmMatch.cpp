#include "AlarmMatch.h"

#include "TextNumber.h"

namespace {
constexpr SampleId Gong = 66, Ring = 67;
constexpr SampleId Reminder[] = {68, 125, 195};
const QString Every = QStringLiteral("*");

// Monday first, as QDate::dayOfWeek counts.
constexpr std::array<std::array<const char *, 3>, 7> WeekdayNames = {{
    {"Mon", "Lun", "Mo"}, {"Tue", "Mar", "Di"}, {"Wed", "Mer", "Mi"}, {"Thu", "Jeu", "Do"},
    {"Fri", "Ven", "Fr"}, {"Sat", "Sam", "Sa"}, {"Sun", "Dim", "So"},
}};

// 1 (Monday) to 7, or 0 for a text that is no weekday name.
int weekdayNumber(QStringView name)
{
    for (size_t day = 0; day < WeekdayNames.size(); ++day) {
        for (const char *candidate : WeekdayNames[day]) {
            if (name.compare(QLatin1String(candidate), Qt::CaseInsensitive) == 0)
                return int(day) + 1;
        }
    }
    return 0;
}

// The bits first..last of a field that the box names: all of them for "*", one for its exact number.
template <size_t N>
std::bitset<N> fieldBits(const QString &box, int first, int last)
{
    std::bitset<N> bits;
    if (box == Every) {
        for (int v = first; v <= last; ++v)
            bits.set(size_t(v));
    } else if (const auto value = exactNumber(box); value && *value >= first && *value <= last) {
        bits.set(size_t(*value));
    }
    return bits;
}
} // namespace

LocalMinute::LocalMinute(const QDate &date, int hour, int minute)
    : weekday(date.dayOfWeek()), hour(hour), minute(minute)
{
    date.getDate(&year, &this->month, &day);
}

std::optional<qint64> exactNumber(QStringView text)
{
    // Eighteen digits cannot overflow; no field ever needs more.
    if (text.isEmpty() || text.size() > 18 || (text.size() > 1 && text[0] == u'0'))
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

unsigned weekdaysOf(QStringView text)
{
    unsigned days = 0;
    for (QStringView item : text.split(u',')) {
        const auto ends = item.split(u'-');
        if (ends.size() > 2)
            return 0;
        const int first = weekdayNumber(ends.front());
        const int last = weekdayNumber(ends.back());
        if (first == 0 || last == 0)
            return 0;
        for (int day = first;; day = day % 7 + 1) {
            days |= 1u << (day - 1);
            if (day == last)
                break;
        }
    }
    return days;
}

AlarmPattern::AlarmPattern(const AlarmBoxes &boxes)
    : days(fieldBits<32>(boxes[0], 1, 31)), weekdays(boxes[0] == Every ? 0 : weekdaysOf(boxes[0])),
      months(fieldBits<13>(boxes[1], 1, 12)), hours(fieldBits<24>(boxes[3], 0, 23)),
      minutes(fieldBits<60>(boxes[4], 0, 59))
{
    if (boxes[2] != Every) {
        const auto value = exactNumber(boxes[2]);
        noYear = !value || *value < 1 || *value > 9999; // QDate's years, and the clock's four digits
        if (!noYear)
            year = int(*value);
    }
}

bool AlarmPattern::matchesDate(int y, int m, int d, int weekday) const
{
    return !noYear && (!year || *year == y) && months[size_t(m)]
        && (days[size_t(d)] || ((weekdays >> (weekday - 1)) & 1u));
}

bool AlarmPattern::matches(const LocalMinute &m) const
{
    return hours[size_t(m.hour)] && minutes[size_t(m.minute)] && matchesDate(m.year, m.month, m.day, m.weekday);
}

bool optionSelected(const QString &field)
{
    return leadingNumber(field) == 1;
}

bool playsNothing(const AlarmRecord &record)
{
    return record.waveFile == NoWaveFile && !optionSelected(record.gong) && !optionSelected(record.ring)
           && !optionSelected(record.meeting);
}

std::vector<SampleId> optionSamples(const AlarmRecord &record, Language language)
{
    std::vector<SampleId> samples;
    if (optionSelected(record.gong))
        samples.push_back(Gong);
    if (optionSelected(record.ring))
        samples.push_back(Ring);
    if (optionSelected(record.meeting) && language >= French && language <= English)
        samples.insert(samples.end(), {Gong, Ring, Reminder[language]});
    return samples;
}
