// The settings files: the alarm table "kalind.dta", the announcement interval "saytime.dta", and
// "sound.dta" for the quiet hours and the alarms' level and rise, which the old program never had.
#pragma once

#include "HPMOD.h"
#include "SoundSettings.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

inline const QString AlarmTableFileName = QStringLiteral("kalind.dta");
inline const QString IntervalFileName = QStringLiteral("saytime.dta");
inline const QString SoundFileName = QStringLiteral("sound.dta");

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
bool writeSoundSettings(QIODevice &device, const SoundSettings &settings);
// The one exception to never failing: a file that is not settings at all. Returns the first line that
// cannot be read (1 on), or 0 for a file too large to be settings; `settings` then holds the defaults.
std::optional<int> readSoundSettings(QIODevice &device, SoundSettings &settings);

// Why a settings file was not read or not written; the window puts it into words.
struct FileProblem
{
    enum Kind {
        NotRegular,   // a folder, FIFO, socket or device (links followed)
        AccessDenied, // no permission
        Kept,         // could not be read earlier in this run, so it is not overwritten
        Damaged,      // not settings: `detail` holds the first line that cannot be read, or is empty for a huge file
        System,       // `detail` holds the system's own words
    } kind = System;
    QString path;
    QString detail;
};

// The files in `configDir`. A missing file loads as the defaults and is not created. One that exists but
// cannot be read loads as the defaults too, its name joins `kept` (never written again in this run, so
// nothing of the user's is overwritten) and it is returned once, for the user to be told.
// Only regular files are opened, so a FIFO or a device cannot make the caller wait.
// A damaged sound file is kept and returned the same way.
QList<FileProblem> loadSettings(AlarmRecords &table, QString &interval, SoundSettings &sound, QStringList &kept,
                                const QString &configDir);
// Each store replaces its file whole or not at all (the folder is created when needed). It refuses the
// files named in `kept` and a target, links followed, that exists but is not a regular file.
std::optional<FileProblem> storeAlarmTable(const AlarmRecords &table, const QString &configDir,
                                           const QStringList &kept);
std::optional<FileProblem> storeInterval(const QString &interval, const QString &configDir, const QStringList &kept);
std::optional<FileProblem> storeSoundSettings(const SoundSettings &sound, const QString &configDir, const QStringList &kept);

// Removes what a save killed half-way leaves behind: the save mechanism's temporary files, named after
// a settings file with a dot and six letters ("kalind.dta.qWxYzA"). Only for the folder's one Kalindor.
void removeStaleTemporaries(const QString &configDir);
