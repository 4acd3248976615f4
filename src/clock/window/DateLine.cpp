#include "DateLine.h"

#include "CalendarText.h"
#include "ClockFace.h"
#include "SpokenTexts.h"

DateLine::DateLine(QWidget *parent) : ClickableLabel(parent)
{
    setGeometry(4, 72, 286, 17);
    setFont(boldFont(8.25));
    setToolTip(ListenTip);
}

void DateLine::write(const QDate &today, Language language)
{
    setText(QString());
    shown = today;
    setText(calendarLine(today, language));
}

void DateLine::follow(const QDate &today, Language language)
{
    if (!text().isEmpty() && today != shown)
        write(today, language);
    name(today, language);
}

void DateLine::name(const QDate &today, Language language)
{
    const QString name = spokenDate(today, language);
    if (accessibleName() != name)
        setAccessibleName(name);
}
