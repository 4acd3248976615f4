#include "AlarmMatch.h"

#include "TextNumber.h"

namespace {
constexpr SampleId Gong = 66, Ring = 67;
constexpr SampleId Reminder[] = {68, 125, 195};
} // namespace

bool alarmDue(const AlarmBoxes &boxes, const QDate &today, const QString &clockText)
{
    const std::array<int, 5> now{today.day(), today.month(), today.year(), clockHour(clockText), clockMinutes(clockText)};
    for (size_t i = 0; i < now.size(); ++i) {
        if (boxes[i] != QString::number(now[i]))
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
