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
} // namespace

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

bool alarmDue(const AlarmBoxes &boxes, const QDate &today, const QString &clockText)
{
    const std::array<int, 5> now{today.day(), today.month(), today.year(), clockHour(clockText), clockMinutes(clockText)};
    for (size_t i = 0; i < now.size(); ++i) {
        if (boxes[i] == Every || boxes[i] == QString::number(now[i]))
            continue;
        if (i == 0 && (weekdaysOf(boxes[0]) >> (today.dayOfWeek() - 1)) & 1u)
            continue;
        return false;
    }
    return true;
}

bool optionSelected(const QString &field)
{
    return leadingNumber(field) == 1;
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
