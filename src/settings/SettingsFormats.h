// The settings files' formats: the alarm table "kalind.dta", the announcement interval "saytime.dta",
// and, for what the old program never had, "sound.dta" (the quiet hours, the alarms' level and rise, the
// snooze, whether they ring on with the window closed) and "names.dta" (the alarms' names).
#pragma once

#include "AlarmName.h"
#include "HPMOD.h"
#include "SoundSettings.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

// Ten lines of paths and numbers never come near this; a larger file is not ours, so its head is enough.
inline constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;

inline const QString AlarmTableFileName = QStringLiteral("kalind.dta");
inline const QString IntervalFileName = QStringLiteral("saytime.dta");
inline const QString SoundFileName = QStringLiteral("sound.dta");
inline const QString NamesFileName = QStringLiteral("names.dta");

// What a missing file, line or field stands for: no date, no option chosen, no personal wave file.
AlarmRecord defaultAlarmRecord();
inline const QString DefaultInterval = QStringLiteral("0");

// One line of the alarm table file, CR LF included, before encoding.
QString alarmTableLine(const AlarmRecord &record);
// Reads one line (without its line end) back into a record; missing fields get the defaults.
AlarmRecord readAlarmTableLine(QStringView line);

// The format on an open device. Writers return false when the device refused some of the bytes;
// readers never fail: whatever cannot be read is filled with the defaults.
bool writeAlarmTable(QIODevice &device, const AlarmRecords &table);
bool writeInterval(QIODevice &device, const QString &interval);
AlarmRecords readAlarmTable(QIODevice &device);
// Whether the bytes of an alarm table file are no table at all (rather than one with odd values in its
// boxes): the number of the first line holding a control byte other than a tab (1 on), or 0 for a file
// too large for ten lines or with no line laid out as alarms; nothing for a table.
std::optional<int> alarmTableDamage(QByteArrayView bytes);
QString readInterval(QIODevice &device);
bool writeSoundSettings(QIODevice &device, const SoundSettings &settings);
// The one exception to never failing: a file that is not settings at all. Returns the first line that
// cannot be read (1 on), or 0 for a file too large to be settings; `settings` then holds the defaults.
std::optional<int> readSoundSettings(QIODevice &device, SoundSettings &settings);
bool writeNames(QIODevice &device, const AlarmNames &names);
// Like readSoundSettings(): a file that is not names at all gives the first line that cannot be read, or 0
// for a file too large to be names, and leaves `names` empty.
std::optional<int> readNames(QIODevice &device, AlarmNames &names);
