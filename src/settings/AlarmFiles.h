// The settings files in their folder: loaded once, each stored whole or not at all.
#pragma once

#include "SettingsFormats.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Why a settings file was not read or not written; the window puts it into words.
struct FileProblem
{
    enum Kind {
        NotRegular,   // a folder, FIFO, socket or device (links followed)
        AccessDenied, // no permission
        Kept,         // could not be read earlier in this run, so it is not overwritten
        Damaged,      // not settings: `detail` holds the first line that cannot be read, or is empty for a huge file
        System,       // `detail` holds the system's own words
        SetAside,     // no alarm table: started empty, `detail` holds where its bytes are kept; a save writes anew
    } kind = System;
    QString path;
    QString detail;
};

// The files in `configDir`. A missing file loads as the defaults and is not created. One that exists but
// cannot be read loads as the defaults too, its name joins `kept` (never written again in this run, so
// nothing of the user's is overwritten) and it is returned once, for the user to be told.
// Only regular files are opened, so a FIFO or a device cannot make the caller wait.
// A damaged sound or names file is kept and returned the same way; the alarms themselves never depend on it.
// An alarm table that is no table at all loads as the defaults too, but is linked beside under a name of
// its own and returned as SetAside, so that it can be saved anew (kept as above where it cannot be linked).
QList<FileProblem> loadSettings(AlarmRecords &table, QString &interval, SoundSettings &sound, AlarmNames &names,
                                QStringList &kept, const QString &configDir);
// Each store replaces its file whole or not at all (the folder is created when needed). It refuses the
// files named in `kept` and a target, links followed, that exists but is not a regular file.
std::optional<FileProblem> storeAlarmTable(const AlarmRecords &table, const QString &configDir,
                                           const QStringList &kept);
std::optional<FileProblem> storeInterval(const QString &interval, const QString &configDir, const QStringList &kept);
std::optional<FileProblem> storeSoundSettings(const SoundSettings &sound, const QString &configDir, const QStringList &kept);
std::optional<FileProblem> storeNames(const AlarmNames &names, const QString &configDir, const QStringList &kept);

// Removes what a save killed half-way leaves behind: the save mechanism's temporary files, named after
// a settings file with a dot and six letters ("kalind.dta.qWxYzA"). Only for the folder's one Kalindor.
void removeStaleTemporaries(const QString &configDir);
