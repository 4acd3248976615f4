#include "CalendarText.h"

#include "Texts.h"

#include <array>

namespace {
// Sunday first. The spellings are the program's own: none comes from the locale.
const std::array<const char *, 7> Weekdays = {
    QT_TRANSLATE_NOOP("CalendarText", "Sunday"),    QT_TRANSLATE_NOOP("CalendarText", "Monday"),
    QT_TRANSLATE_NOOP("CalendarText", "Tuesday"),   QT_TRANSLATE_NOOP("CalendarText", "Wednesday"),
    QT_TRANSLATE_NOOP("CalendarText", "Thursday"),  QT_TRANSLATE_NOOP("CalendarText", "Friday"),
    QT_TRANSLATE_NOOP("CalendarText", "Saturday"),
};
const std::array<const char *, 12> Months = {
    QT_TRANSLATE_NOOP("CalendarText", "January"),   QT_TRANSLATE_NOOP("CalendarText", "February"),
    QT_TRANSLATE_NOOP("CalendarText", "March"),     QT_TRANSLATE_NOOP("CalendarText", "April"),
    QT_TRANSLATE_NOOP("CalendarText", "May"),       QT_TRANSLATE_NOOP("CalendarText", "June"),
    QT_TRANSLATE_NOOP("CalendarText", "July"),      QT_TRANSLATE_NOOP("CalendarText", "August"),
    QT_TRANSLATE_NOOP("CalendarText", "September"), QT_TRANSLATE_NOOP("CalendarText", "October"),
    QT_TRANSLATE_NOOP("CalendarText", "November"),  QT_TRANSLATE_NOOP("CalendarText", "December"),
};
} // namespace

QString calendarLine(const QDate &date, Language language)
{
    if (language < French || language > English || !date.isValid())
        return {};
    const Texts texts(language);
    return texts.translate("CalendarText", "%1 %3 %2  %4", "weekday, day, month, year")
        .arg(texts.translate("CalendarText", Weekdays[size_t(date.dayOfWeek() % 7)]), QString::number(date.day()),
             texts.translate("CalendarText", Months[size_t(date.month() - 1)]), QString::number(date.year()));
}

QString exitCaption(Language language)
{
    return Texts(language).translate("CalendarText", "END");
}
