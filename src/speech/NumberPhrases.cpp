#include "NumberPhrases.h"

namespace {
constexpr SampleId FrenchTens = 28, GermanTens = 88, EnglishTens = 148; // + the tens digit 2-5
constexpr SampleId FrenchEt = 34, FrenchUne = 11, FrenchUn = 64;
constexpr SampleId GermanUnd = 94;
constexpr SampleId EnglishOf = 183, EnglishTh = 180, EnglishSt = 181, EnglishNd = 182;
} // namespace

NumberPhrases::NumberPhrases(Speaker &speaker) : speaker(speaker)
{
}

NumberPhrases::Digits NumberPhrases::digitsOf(int number)
{
    return {number / 10, number % 10};
}

void NumberPhrases::frenchTensFirst(Digits d, SampleId unitAfterEt)
{
    speaker.PlaySample(SampleId(FrenchTens + d.tens));
    if (d.units == 0)
        return;
    if (d.units == 1) {
        speaker.PlaySample(FrenchEt);
        speaker.PlaySample(unitAfterEt);
        return;
    }
    speaker.PlaySample(SampleId(FrenchNumber + d.units));
}

void NumberPhrases::germanUnitsFirst(Digits d)
{
    if (d.units != 0) {
        speaker.PlaySample(SampleId(GermanNumber + d.units));
        speaker.PlaySample(GermanUnd);
    }
    speaker.PlaySample(SampleId(GermanTens + d.tens));
}

void NumberPhrases::englishTensFirst(Digits d)
{
    speaker.PlaySample(SampleId(EnglishTens + d.tens));
    if (d.units != 0)
        speaker.PlaySample(SampleId(EnglishNumber + d.units));
}

void NumberPhrases::SayMinutesFr(int minutes)
{
    frenchTensFirst(digitsOf(minutes), FrenchUne);
}

void NumberPhrases::SayMinutesDe(int minutes)
{
    germanUnitsFirst(digitsOf(minutes));
}

void NumberPhrases::SayMinutesEn(int minutes)
{
    englishTensFirst(digitsOf(minutes));
}

// The hours 21-23 are said as the minutes are: "vingt et une", "ein und zwanzig".
void NumberPhrases::SayHourFr(int hour)
{
    frenchTensFirst(digitsOf(hour), FrenchUne);
}

void NumberPhrases::SayHourDe(int hour)
{
    germanUnitsFirst(digitsOf(hour));
}

void NumberPhrases::SayDayFr(int day)
{
    frenchTensFirst(digitsOf(day), FrenchUn);
}

void NumberPhrases::SayDayDe(int day)
{
    germanUnitsFirst(digitsOf(day));
}

void NumberPhrases::SayDayEn(int day)
{
    englishTensFirst(digitsOf(day));
    if (day == 21 || day == 31)
        speaker.PlaySample(EnglishSt);
    else if (day == 22 || day == 23)
        speaker.PlaySample(EnglishNd);
    else
        speaker.PlaySample(EnglishTh);
    speaker.PlaySample(EnglishOf);
}
