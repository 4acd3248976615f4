// The two settings files: the alarm table "kalind.dta" and the announcement interval "saytime.dta".
#pragma once

#include "HPMOD.h"

#include <QString>

class QIODevice;

inline const QString AlarmTableFileName = QStringLiteral("kalind.dta");
inline const QString IntervalFileName = QStringLiteral("saytime.dta");

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
QString readInterval(QIODevice &device);

// The files in `configDir`. A missing or unreadable file loads as the defaults and is not created.
void loadSettings(HPMOD &shared, const QString &configDir);
// Each store replaces its file whole or not at all (the folder is created when needed);
// on failure the old file is untouched and `why` says what went wrong.
bool storeAlarmTable(const AlarmRecords &table, const QString &configDir, QString *why);
bool storeInterval(const QString &interval, const QString &configDir, QString *why);
