#include "NumberPhrases.h"

namespace {
constexpr SampleId FrenchEt = 34, FrenchUne = 11, FrenchUn = 64;
constexpr SampleId GermanUnd = 94;
constexpr SampleId EnglishOf = 183, EnglishTh = 180, EnglishSt = 181, EnglishNd = 182;
} // namespace

NumberPhrases::NumberPhrases(HPMOD &shared, Speaker &speaker, const Clock &clock)
    : shared(shared), speaker(speaker), clock(clock)
{
}

// The tens digit is the text's first character and the units its last, so a cell holding
// hour + 10 (31-33 for 21-23) keeps the hour's units digit.
NumberPhrases::Digits NumberPhrases::digitsOf(const QString &text)
{
    if (text.isEmpty())
        return {0, 0};
    return {text.front().digitValue(), text.back().digitValue()};
}

NumberPhrases::Digits NumberPhrases::dayDigits() const
{
    return digitsOf(clock.now().date().toString(QStringLiteral("dd")));
}

void NumberPhrases::frenchTensFirst(SampleId tensBase, Digits d, SampleId unitAfterEt)
{
    speaker.PlaySample(SampleId(tensBase + d.tens));
    if (d.units == 0)
        return;
    if (d.units == 1) {
        speaker.PlaySample(FrenchEt);
        speaker.PlaySample(unitAfterEt);
        return;
    }
    speaker.PlaySample(SampleId(FrenchNumber + d.units));
}

void NumberPhrases::germanUnitsFirst(SampleId tensBase, Digits d)
{
    if (d.units != 0) {
        speaker.PlaySample(SampleId(GermanNumber + d.units));
        speaker.PlaySample(GermanUnd);
    }
    speaker.PlaySample(SampleId(tensBase + d.tens));
}

void NumberPhrases::englishTensFirst(Digits d)
{
    speaker.PlaySample(SampleId(148 + d.tens));
    if (d.units != 0)
        speaker.PlaySample(SampleId(EnglishNumber + d.units));
}

void NumberPhrases::SayMinutesFr()
{
    frenchTensFirst(28, digitsOf(QString::number(shared.MinuteCell)), FrenchUne);
}

void NumberPhrases::SayMinutesDe()
{
    germanUnitsFirst(88, digitsOf(QString::number(shared.MinuteCell)));
}

void NumberPhrases::SayMinutesEn()
{
    englishTensFirst(digitsOf(QString::number(shared.MinuteCell)));
}

// One below the minutes' tens base, so that the cell's tens digit 3 lands on the word for 20.
void NumberPhrases::SayHourFr()
{
    frenchTensFirst(27, digitsOf(QString::number(shared.HourCell)), FrenchUne);
}

void NumberPhrases::SayHourDe()
{
    germanUnitsFirst(81, digitsOf(QString::number(shared.HourCell)));
}

void NumberPhrases::SayDayFr()
{
    frenchTensFirst(28, dayDigits(), FrenchUn);
}

void NumberPhrases::SayDayDe()
{
    germanUnitsFirst(88, dayDigits());
}

void NumberPhrases::SayDayEn()
{
    const Digits d = dayDigits();
    englishTensFirst(d);
    const int day = d.tens * 10 + d.units;
    if (day == 21 || day == 31)
        speaker.PlaySample(EnglishSt);
    else if (day == 22 || day == 23)
        speaker.PlaySample(EnglishNd);
    else
        speaker.PlaySample(EnglishTh);
    speaker.PlaySample(EnglishOf);
}
