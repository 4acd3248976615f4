#include "CalendarText.h"

#include <array>

namespace {
using Names7 = std::array<const char16_t *, 7>;
using Names12 = std::array<const char16_t *, 12>;

// Indexed by weekday number - 1, Sunday first. The spellings are the program's own.
constexpr std::array<Names7, 3> weekdays{{
    {u"Dimanche", u"Lundi", u"Mardi", u"Mercredi", u"Jeudi", u"Vendredi", u"Samedi"},
    {u"Sontag", u"Montag", u"Dienstag", u"Mittwoch", u"Donnerstag", u"Freitag", u"Samstag"},
    {u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"},
}};

constexpr std::array<Names12, 3> months{{
    {u"Janvier", u"Fevrier", u"Mars", u"Avril", u"Mai", u"Juin", u"Juillet", u"Aout", u"Septembre",
     u"Octobre", u"Novembre", u"Decembre"},
    {u"Januar", u"Februar", u"März", u"April", u"Mai", u"Juni", u"Juli", u"August", u"September",
     u"October", u"November", u"Dezember"},
    {u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August", u"September",
     u"October", u"November", u"December"},
}};
} // namespace

QString calendarLine(const QDate &date, Language language)
{
    if (language < French || language > English || !date.isValid())
        return {};
    const int w = date.dayOfWeek() % 7 + 1;
    const QString weekday = QString::fromUtf16(weekdays[language][w - 1]);
    const QString month = QString::fromUtf16(months[language][date.month() - 1]);
    const QString dayPiece = u' ' + QString::number(date.day()) + u' ';
    const QString year = QString::number(date.year());
    if (language == English)
        return weekday + u' ' + month + dayPiece + u' ' + year;
    return weekday + dayPiece + month + u' ' + year;
}

QString exitCaption(Language language)
{
    switch (language) {
    case German: return QStringLiteral("ENDE");
    case English: return QStringLiteral("END");
    default: return QStringLiteral("FIN");
    }
}
