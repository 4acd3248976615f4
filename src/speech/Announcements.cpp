#include "Announcements.h"

namespace {
constexpr SampleId HeuresPlain = 35, HeuresLiaison = 36, Uhr = 95;
constexpr SampleId OClock = 194, AM = 155, PM = 156;
constexpr SampleId Le = 200, Premier = 69, FrenchEt = 34, FrenchUn = 64;
constexpr SampleId Den = 126, GermanTen = 127, GermanErs = 128, GermanDrit = 201, GermanUnd = 94;
constexpr SampleId The = 185, First = 177, EnglishTh = 180, EnglishOf = 183;

// The French hours whose numeral ends in a z sound take the liaison form of "heures".
bool liaisonHour(int hour)
{
    switch (hour) {
    case 2: case 3: case 6: case 10: case 11: case 12: case 13: case 14: case 15: case 16: case 22: case 23:
        return true;
    default:
        return false;
    }
}
} // namespace

int weekdayNumber(const QDate &date)
{
    return date.dayOfWeek() % 7 + 1;
}

Announcements::Announcements(Speaker &speaker) : numbers(speaker), speaker(speaker)
{
}

void Announcements::speakTimeFr(int hour, int minutes)
{
    speakHourFirst(French, hour, minutes);
}

void Announcements::speakTimeDe(int hour, int minutes)
{
    speakHourFirst(German, hour, minutes);
}

void Announcements::speakTime(Language language, int hour, int minutes)
{
    if (language == German)
        speakTimeDe(hour, minutes);
    else if (language == English)
        speakTimeEn(hour, minutes);
    else
        speakTimeFr(hour, minutes);
}

// French and German share one shape: hour, the word for hours, then the minutes unless they are 0.
void Announcements::speakHourFirst(Language language, int h, int m)
{
    const bool french = language == French;
    const SampleId base = french ? FrenchNumber : GermanNumber;
    if (h <= 20)
        speaker.PlaySample(SampleId(base + h));
    else if (french)
        numbers.SayHourFr(h);
    else
        numbers.SayHourDe(h);
    speaker.PlaySample(!french ? Uhr : liaisonHour(h) ? HeuresLiaison : HeuresPlain);
    if (m == 0)
        return;
    if (m <= 20)
        speaker.PlaySample(SampleId(base + m));
    else if (french)
        numbers.SayMinutesFr(m);
    else
        numbers.SayMinutesDe(m);
    speaker.StopSound();
}

void Announcements::speakTimeEn(int h, int m)
{
    speaker.PlaySample(SampleId(EnglishNumber + (h <= 12 ? h : h - 12)));
    if (m == 0)
        speaker.PlaySample(OClock);
    else if (m <= 20)
        speaker.PlaySample(SampleId(EnglishNumber + m));
    else
        numbers.SayMinutesEn(m);
    speaker.PlaySample(h > 11 ? PM : AM);
    speaker.StopSound();
}

void Announcements::speakDate(const QDate &today, Language language)
{
    const int w = weekdayNumber(today);
    const int d = today.day();
    const int m = today.month();
    const int y = today.year();
    switch (language) {
    case French:
        speaker.PlaySample(SampleId(36 + w));
        speaker.PlaySample(Le);
        if (d > 20)
            numbers.SayDayFr(d);
        else
            speaker.PlaySample(d == 1 ? Premier : SampleId(FrenchNumber + d));
        speaker.PlaySample(SampleId(43 + m));
        speakYear(French, y);
        break;
    case German:
        speaker.PlaySample(SampleId(96 + w));
        speaker.PlaySample(Den);
        if (d > 20)
            numbers.SayDayDe(d);
        else if (d == 1)
            speaker.PlaySample(GermanErs);
        else if (d == 3)
            speaker.PlaySample(GermanDrit);
        else
            speaker.PlaySample(SampleId(GermanNumber + d));
        speaker.PlaySample(GermanTen);
        speaker.PlaySample(SampleId(103 + m));
        speakYear(German, y);
        break;
    case English:
        speaker.PlaySample(SampleId(157 + w));
        speaker.PlaySample(The);
        if (d > 20) {
            numbers.SayDayEn(d); // number, ending and "of" together
        } else {
            if (d <= 3) {
                speaker.PlaySample(SampleId(First + d - 1));
            } else {
                speaker.PlaySample(SampleId(EnglishNumber + d));
                speaker.PlaySample(EnglishTh);
            }
            speaker.PlaySample(EnglishOf);
        }
        speaker.PlaySample(SampleId(164 + m));
        speakYear(English, y);
        break;
    default:
        break;
    }
}

void Announcements::speakYear(Language language, int year)
{
    // From 2100 on the rule below would say "two thousand" and the last two digits; no year is better.
    if (year < 1998 || year > 2099)
        return;
    static constexpr SampleId firstYear[] = {57, 117, 186};  // the phrases for 1998 to 2004
    static constexpr SampleId thousand[] = {59, 119, 188};   // "two thousand", which opens every year from 2005
    static constexpr SampleId numberBase[] = {FrenchNumber, GermanNumber, EnglishNumber};
    if (year <= 2004) {
        speaker.PlaySample(SampleId(firstYear[language] + year - 1998));
        return;
    }
    speaker.PlaySample(thousand[language]);
    const int r = year % 100;
    if (r < 21) {
        speaker.PlaySample(SampleId(numberBase[language] + r));
        return;
    }
    const int t = r / 10, u = r % 10;
    if (t > 5)
        return; // 2060-2099: the thousands word alone
    switch (language) {
    case French:
        speaker.PlaySample(SampleId(28 + t));
        if (u == 1) {
            speaker.PlaySample(FrenchEt);
            speaker.PlaySample(FrenchUn);
        } else if (u != 0) {
            speaker.PlaySample(SampleId(FrenchNumber + u));
        }
        break;
    case German:
        if (u != 0) {
            speaker.PlaySample(SampleId(GermanNumber + u));
            speaker.PlaySample(GermanUnd);
        }
        speaker.PlaySample(SampleId(88 + t));
        break;
    default:
        speaker.PlaySample(SampleId(148 + t));
        if (u != 0)
            speaker.PlaySample(SampleId(EnglishNumber + u));
        break;
    }
}
