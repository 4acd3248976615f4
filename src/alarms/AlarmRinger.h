// The alarm check and what comes of it: the ringing, its notices and Snooze, missed minutes, the cut of a
// late repetition, the next alarm and the closing words. It reads the book, the clock and the speaker,
// and tells the window what to show by its signals.
#pragma once

#include "AlarmBook.h"
#include "AlarmTexts.h"
#include "AlarmWatch.h"
#include "Clock.h"
#include "HPMOD.h"
#include "OutputCheck.h"
#include "SoundFileCheck.h"
#include "Speaker.h"

#include <QDateTime>
#include <QObject>

#include <bitset>
#include <functional>

// A notice for the desktop, and for standard error where `complain` says so.
// Says an alarm's name in `language` at `percent` of the speech service's volume. It returns at once and
// may never be heard: the service may be missing or slow to answer, and the name is shown anyway.
using SpeakName = std::function<void(const QString &name, Language language, int percent)>;

struct AlarmNotice
{
    int alarm = 0;        // the notices of one alarm take each other's place; 0 for a notice of its own
    QString summary;
    bool ringing = false; // stays up for the ringing minute, with Snooze when `snooze`
    bool snooze = false;
    bool close = false;   // the alarm's notice is taken off the desktop
    int snoozeMinutes = DefaultSnoozeMinutes; // what Snooze is for, as the notice says it
};

// What the book's alarms are called, alarm 1 first.
AlarmNames alarmNames(const AlarmBook &book);
// The states of a book's rows: when each rings next or why it never will, and, where `plays` is given,
// whether a ringing row's file cannot be played.
AlarmStates alarmStates(const AlarmRecords &rows, qint64 nowMs, const Zone &zone,
                        const std::function<bool(const QString &waveFile)> &plays = {});

class AlarmRinger final : public QObject
{
    Q_OBJECT
public:
    AlarmRinger(AlarmBook &book, const HPMOD &shared, const Clock &clock, Speaker &speaker, QObject *parent = nullptr);

    // Asks the sound server whether the output is muted or at zero; may be empty (the answer is then unknown).
    std::function<void(std::function<void(OutputLevel)> answer)> askOutput;
    // Where a named alarm's name is said as its minute begins; may be empty.
    SpeakName speakName;

    // One check at `now`, the clock showing `minute` ("HH:mm"): the ringing alarms sound once. True while
    // an alarm rings, so that the checks follow each other closely.
    bool check(const QDateTime &now, const QString &minute);
    // When the minute has turned (the clock now at `minute`) while a repetition of the last one's ringing
    // still plays, it is cut, so that the new minute's alarm starts on time.
    void cutLateRepetition(const QString &minute);
    // What the Snooze action of alarm k's notice does: its sound ends, silence for the rest of its
    // minute, a ring `minutes` on.
    void snooze(int alarm, int minutes);
    // What the Stop action of alarm k's notice does: its sound ends, silence for the rest of its minute,
    // and the notice goes.
    void stop(int alarm);
    // What the end of the program silences, for its last word; empty when nothing would ring within a day.
    QString closingWords() const;
    // After a save: what was set, when each alarm rings and why a row never will.
    QString savedSummary() const;
    // Alarm k's row of boxes as ALARM SET shows it, in the current language.
    RowState rowState(int alarm, const AlarmBoxes &boxes) const;

signals:
    void notice(const AlarmNotice &notice);
    void complaint(const QString &text); // a line on standard error
    void alarmStarted(int alarm);        // the window asks for attention
    // Worked out again when a row, the minute or the language has changed, not at every check.
    void nextAlarm(const QString &text);

private:
    // The missed minutes a jump passed over, and the ringing notices whose minute is over.
    void tellMissedAndEnded(const AlarmCheck &found, const QDateTime &now);
    void started(int alarm, const QString &minute);
    void sayNameAfterFirstSound(int alarm, bool starting);
    void showNextAlarm(bool edited, const QDateTime &now);
    // The rows' states are worked out at every keystroke: a file is looked at again only once changed.
    bool plays(const QString &waveFile) const { return filesChecked.plays(waveFile); }

    AlarmBook &book;
    const HPMOD &shared;
    const Clock &clock;
    Speaker &speaker;
    AlarmWatch watch;
    AlarmRecords rowsRead; // as the last check read them, and parsed into patterns
    AlarmNames namesRead;  // as the last check read them, for the next-alarm text
    std::array<AlarmPattern, 10> patterns;
    // What the next-alarm text was worked out for, beside the rows: the minute, the language.
    qint64 nextAlarmMinute = -1;
    Language nextAlarmLanguage = -1;
    int sounding = 0; // the alarm whose sound plays now, 0 for none
    AlarmLoudness minuteLoudness; // what the ringing minute sounds at, read from the book as it began
    QString repeatingMinute; // the clock text of the minute whose repetitions play now, empty for none
    std::bitset<10> noticeUp; // alarm k at k-1: its ringing notice is on the desktop
    mutable SoundFileCheck filesChecked;
};
