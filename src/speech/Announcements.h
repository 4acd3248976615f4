// The spoken time and the spoken date in French, German and English, sample by sample.
#pragma once

#include "HPMOD.h"
#include "NumberPhrases.h"

#include <QDate>

// Each speaks what it is given: the hour (0-23) and minutes (0-59), or a date.
class Announcements
{
public:
    explicit Announcements(Speaker &speaker);

    void speakTimeFr(int hour, int minutes);
    void speakTimeDe(int hour, int minutes);
    // On the 12-hour dial, then A.M. or P.M.
    void speakTimeEn(int hour, int minutes);
    // In German or English, otherwise in French.
    void speakTime(Language language, int hour, int minutes);

    // The weekday, day, month and year of `date`; nothing in a language that is none of the three.
    void speakDate(const QDate &date, Language language);

    NumberPhrases numbers;

private:
    void speakHourFirst(Language language, int hour, int minutes);
    void speakYear(Language language, int year);

    Speaker &speaker;
};

// 1 for Sunday to 7 for Saturday, the numbering of every weekday table here.
int weekdayNumber(const QDate &date);
