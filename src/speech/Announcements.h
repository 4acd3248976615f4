// The spoken time and the spoken date in French, German and English, sample by sample.
#pragma once

#include "NumberPhrases.h"

#include <QDate>

class Announcements
{
public:
    Announcements(HPMOD &shared, Speaker &speaker, const Clock &clock);

    // The time shown in the clock text "HH:mm". French and German store the hour and minutes in
    // HourCell and MinuteCell; English sets AmPmMarker and speaks MinuteCell as the clock tick left it.
    void speakTimeFr(const QString &clockText);
    void speakTimeDe(const QString &clockText);
    void speakTimeEn(const QString &clockText);

    // Today's weekday, day, month and year in CurrentLanguage.
    void speakDate();

    NumberPhrases numbers;

private:
    void speakHourFirst(Language language, const QString &clockText);
    void speakYear(Language language, int year);

    HPMOD &shared;
    Speaker &speaker;
    const Clock &clock;
};

// 1 for Sunday to 7 for Saturday, the numbering of every weekday table here.
int weekdayNumber(const QDate &date);
