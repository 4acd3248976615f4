// The composed numbers 21-59 of the three languages: hours, minutes and days of the month.
#pragma once

#include "Clock.h"
#include "HPMOD.h"
#include "Speaker.h"

// Sample bases of the number words; a number n from 0 to 20 is always the single sample base + n.
constexpr SampleId FrenchNumber = 10, GermanNumber = 70, EnglishNumber = 130;

class NumberPhrases
{
public:
    NumberPhrases(HPMOD &shared, Speaker &speaker, const Clock &clock);

    // Minutes 21-59 from MinuteCell.
    void SayMinutesFr();
    void SayMinutesDe();
    void SayMinutesEn();
    // Hours 21-23 from HourCell, which then holds hour + 10 (French) or hour + 70 (German).
    void SayHourFr();
    void SayHourDe();
    // Days 21-31 of today's date.
    void SayDayFr();
    void SayDayDe();
    void SayDayEn();

private:
    struct Digits { int tens; int units; };
    static Digits digitsOf(const QString &text);
    Digits dayDigits() const;
    void frenchTensFirst(SampleId tensBase, Digits d, SampleId unitAfterEt);
    void germanUnitsFirst(SampleId tensBase, Digits d);
    void englishTensFirst(Digits d);

    HPMOD &shared;
    Speaker &speaker;
    const Clock &clock;
};
