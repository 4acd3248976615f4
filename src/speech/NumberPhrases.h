// The composed numbers 21-59 of the three languages: hours, minutes and days of the month.
#pragma once

#include "Speaker.h"

// Sample bases of the number words; a number n from 0 to 20 is always the single sample base + n.
constexpr SampleId FrenchNumber = 10, GermanNumber = 70, EnglishNumber = 130;

// Each speaks the number it is given; smaller numbers are the callers' single words.
class NumberPhrases
{
public:
    explicit NumberPhrases(Speaker &speaker);

    // Minutes 21-59.
    void SayMinutesFr(int minutes);
    void SayMinutesDe(int minutes);
    void SayMinutesEn(int minutes);
    // Hours 21-23.
    void SayHourFr(int hour);
    void SayHourDe(int hour);
    // Days of the month 21-31.
    void SayDayFr(int day);
    void SayDayDe(int day);
    void SayDayEn(int day);

private:
    struct Digits { int tens; int units; };
    static Digits digitsOf(int number);
    void frenchTensFirst(Digits d, SampleId unitAfterEt);
    void germanUnitsFirst(Digits d);
    void englishTensFirst(Digits d);

    Speaker &speaker;
};
