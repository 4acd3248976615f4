// What Kalindor writes about alarms, in the current language: each row's state, the summary of a save,
// the next alarm, the notices of a ringing or missed alarm, and the snooze action.
#pragma once

#include "AlarmName.h"
#include "AlarmState.h"
#include "OutputCheck.h"

#include <array>

using AlarmStates = std::array<AlarmState, 10>;

// An alarm is named by its number and, where the user gave it one, its name: "Alarme 3 « Cachets »".
// The notices of its minute put the name last instead, after the time: "Alarme 3 — 07:30 — Cachets".

// The rows' boxes, and the table for which of them play nothing.
AlarmStates alarmStates(const std::array<AlarmBoxes, 10> &rows, const AlarmRecords &table, qint64 nowMs, const Zone &zone);

// "lun. 7 déc. 06:45", or why the row never rings: "Heure « 07 » : tapez 7".
QString stateText(const AlarmState &state, qint64 nowMs, const Zone &zone, Language language);

// What a screen reader says of alarm k's row: "Alarme 1 : lundi 7 décembre à 06:45", "Alarme 2 : arrêtée",
// "Alarme 3 : ne sonnera pas, Heure « 07 » : tapez 7". No countdown: it would change every minute.
QString rowSentence(int alarm, const AlarmState &state, qint64 nowMs, const Zone &zone, Language language,
                    const QString &name = {});

// One line for each alarm that will ring ("Alarme 1 : lundi 7 décembre à 06:45, dans 1 j 23 h 45 min")
// and for each row that is set but can never ring, with the reason; rows that are off are left out.
QString saveSummary(const AlarmStates &states, qint64 nowMs, const Zone &zone, Language language,
                    const AlarmNames &names = {});
QString saveSummaryTitle(Language language);

// "Prochaine alarme : lundi 06:45", or that no alarm is set to ring.
// The name of the next alarm follows: "Prochaine alarme : lundi 06:45 — Cachets".
QString nextAlarmText(const AlarmStates &states, qint64 nowMs, const Zone &zone, Language language,
                      const AlarmNames &names = {});

// "Alarme 3 — 07:30": the notice of a ringing alarm, named by the clock text it starts at; with
// "— son coupé" or "— volume à zéro" when the sound server said the output was muted or at zero, and
// "— aucun son choisi" for a row that plays nothing.
QString ringingNotice(int alarm, const QString &clockText, Language language, OutputLevel output = OutputLevel::Unknown,
                      bool silent = false, const QString &name = {});
// "Alarme 1 reportée à 03:01": that a snooze was taken, and when the alarm rings again.
QString snoozedNotice(int alarm, qint64 untilMs, const Zone &zone, Language language, const QString &name = {});
// "Alarme 3 — 07:30 — manquée", with the date when the minute was not today.
QString missedNotice(int alarm, qint64 atMs, qint64 nowMs, const Zone &zone, Language language, const QString &name = {});
// "Les alarmes 1 (07:30) et 3 (dimanche 06:59) ne sonneront pas": as Kalindor ends, the alarms whose next ring
// (`rings`, alarm k at k-1) would have come within 24 hours; empty when none would. The body of a notice
// whose title is closingTitle.
QString closingNotice(const std::array<std::optional<qint64>, 10> &rings, qint64 nowMs, const Zone &zone, Language language,
                      const AlarmNames &names = {});
// "Kalindor fermé": the title of the closing notice.
QString closingTitle(Language language);
// "Alarme 1 : sam. 5 déc. 07:30": a row and its state as the state column reads it, for the terminal.
QString rowLine(int alarm, const AlarmState &state, qint64 nowMs, const Zone &zone, Language language,
                const QString &name = {});
// The label of the notice's action that rings the alarm again `minutes` later.
QString snoozeLabel(int minutes, Language language);
// A ringing notice, or its line on standard error, for an alarm whose file cannot be played.
QString unplayableNotice(const QString &notice, Language language);
// The label of the notice's action that silences the alarm for the rest of its minute.
QString stopLabel(Language language);
// The label of the notice's default action, a click on its body, which shows the window.
QString showLabel(Language language);
