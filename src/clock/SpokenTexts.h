// What screen readers say of the main window's controls, in each language: names, descriptions, the
// clock read as words and today's date.
#pragma once

#include "HPMOD.h"

#include <QDate>
#include <QString>
#include <QTime>

struct SpokenControl
{
    QString name, description; // an empty name leaves the control's caption as its name
};

// The About box's two buttons too: the box is the main window's, and its words are the program's own.
// AlarmSet: what Alarm-set is described by until the first alarm check names the next alarm.
enum class MainControl { French, German, English, Stop, About, Exit, Clock, Date, AboutClose, AboutSystemInfo, AlarmSet };

SpokenControl spokenControl(MainControl control, Language language);

// The clock display read as one line: "09:28, 54 secondes", "09:28 Uhr, 54 Sekunden", "9:28 AM and 54 seconds".
QString spokenTime(const QTime &time, Language language);

// Today's date in full, from the language's locale: "samedi 5 décembre 2026".
QString spokenDate(const QDate &date, Language language);
