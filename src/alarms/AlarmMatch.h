// Whether an alarm is due this minute, and which built-in samples its options ask for.
#pragma once

#include "HPMOD.h"
#include "Sound.h"

#include <QDate>

#include <array>
#include <vector>

// The five boxes as typed: day, month, year, hour, minute.
using AlarmBoxes = std::array<QString, 5>;

// Due when each box holds exactly the decimal text, without leading zeros, of the current day,
// month, four-digit year, and the hour and minutes of the clock text "HH:mm". Comparing the five
// texts one by one keeps day 1 of month 12 apart from day 11 of month 2.
// A box holding "*" alone matches every value of its field, and the day box also takes a weekday
// form such as "Mon-Fri" or "Sat,Sun" (see weekdaysOf), so an alarm can repeat.
bool alarmDue(const AlarmBoxes &boxes, const QDate &today, const QString &clockText);

// The weekdays a day box names, bit d-1 for Qt's day d (1 Monday .. 7 Sunday); 0 when the text is not
// a weekday form. The form is a comma list of short names or ranges of two names, which may wrap
// ("Fri-Mon"); names are English (Mon .. Sun), French (Lun .. Dim) or German (Mo .. So), in any case.
// Like every box it is taken as typed: a space anywhere makes it no form at all.
unsigned weekdaysOf(QStringView text);

// An option field counts as selected when it reads as the number 1; "", "0" and letters do not.
bool optionSelected(const QString &field);

// Gong, then ring, then the meeting reminder (gong, ring, phrase of the language), as selected.
std::vector<SampleId> optionSamples(const AlarmRecord &record, Language language);

// The sound that stands in for alarm 1's empty wave-file caption.
inline const QString DefaultAlarmFile = QStringLiteral("C:\\WINDOWS\\MEDIA\\The Microsoft Sound.wav");
inline const QString NoWaveFile = QStringLiteral("Browse");
