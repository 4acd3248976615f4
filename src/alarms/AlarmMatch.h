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
bool alarmDue(const AlarmBoxes &boxes, const QDate &today, const QString &clockText);

// An option field counts as selected when it reads as the number 1; "", "0" and letters do not.
bool optionSelected(const QString &field);

// Gong, then ring, then the meeting reminder (gong, ring, phrase of the language), as selected.
std::vector<SampleId> optionSamples(const AlarmRecord &record, Language language);

// The sound that stands in for alarm 1's empty wave-file caption.
inline const QString DefaultAlarmFile = QStringLiteral("C:\\WINDOWS\\MEDIA\\The Microsoft Sound.wav");
inline const QString NoWaveFile = QStringLiteral("Browse");
