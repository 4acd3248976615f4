// The clock itself, made once for the whole run: the tick aimed at the second, the time it shows, the
// language, the periodic announcement with its quiet hours, the speaking of the time and the date, and the
// ringer. It needs no window: a window shows what it signals and hands it the user's clicks.
#pragma once

#include "AlarmNotices.h"
#include "AlarmRinger.h"
#include "Announcements.h"
#include "Clock.h"
#include "ClockSetWatch.h"
#include "HPMOD.h"
#include "Notice.h"
#include "OutputCheck.h"
#include "Speaker.h"

#include <QDate>
#include <QObject>
#include <QTimer>

#include <functional>

struct ClockEngineServices
{
    Notify notify; // a desktop notification; may be empty
    // One line on standard error: what the user must know even without a notification server.
    std::function<void(const QString &text)> complain;
    // Asks the sound server whether the output is muted or at zero, and gives the answer on this thread
    // within a short limit; may be empty (the answer is then unknown).
    std::function<void(std::function<void(OutputLevel)> answer)> askOutput;
    // Speaks an alarm's name through the desktop's speech service; may be empty (names are then only shown).
    SpeakName speakName;
};

// The clock display as texts: what its boxes hold and what its glyph rows draw.
struct ShownTime
{
    QString Label1; // "HH:mm", the minute the whole program reads; empty until the first tick
    QString Label2; // "hh:mm AM"
    QString Label4; // the seconds, "07"
    // What the glyph rows draw: the clock texts, except while a sound plays, when those keep their
    // minute (so that nothing is announced into the sound) and the rows go on with the time.
    QString row24, row12;
    QDate today;      // of the last tick
    QString dateLine; // today in words, as calendrier last wrote it; empty until a flag first does
};

class ClockEngine final : public QObject
{
    Q_OBJECT
public:
    ClockEngine(AlarmBook &book, const Clock &clock, Speaker &speaker, ClockEngineServices services,
                QObject *parent = nullptr);

    // The first tick is aimed at the next second; from then on the engine keeps ticking by itself.
    void start();

    const HPMOD &shared() const { return state; }
    const ShownTime &shown() const { return shownTime; }
    const Clock &clock() const { return wallClock; }
    AlarmRinger &ringer() { return alarmRinger; }
    AlarmNotices &notices() { return alarmNotices; }

    // A flag: the language becomes `language`, the date line is written in it and the time spoken.
    // French and German read the clock afresh; English speaks the display as the last tick left it.
    void speakTime(Language language);
    // The date line clicked: today's date, in the current language.
    void speakDate();
    // The stop sign: the sound is cut at once; a ringing alarm rings on at the following checks.
    void cutSound();
    // The window became active: AmPmMarker follows the time.
    void windowActivated();
    // Whether anything shows the seconds. With nothing to show them (the window hidden in the tray),
    // the engine wakes only as each minute begins, which is all the announcement and the alarms need.
    void setSecondsWatched(bool watched);

    // What Timer1 runs once a second: the seconds, the clock, the alarm check, then it aims Timer1 again.
    // While a sound plays only the glyph rows follow the time, and the rest waits for the sound's end.
    void tick();
    void Timer1_Timer(); // the clock texts; a new minute is announced when due
    void Timer2_Timer(); // the seconds
    void Timer3_Timer(); // the alarm check
    void calendrier();   // the date line

    // Timer1 wakes the program once a second (once a minute when no one watches the seconds), just after
    // the wall clock's second changes, for the clock
    // (Timer1_Timer), the seconds (Timer2_Timer) and the alarm check (Timer3_Timer); it is aimed afresh at
    // each tick, so it never drifts and follows a clock that is set. Timer3 checks ten times a second
    // while an alarm rings and no sound plays, so that its repetitions follow each other without a pause.
    QTimer Timer1, Timer3;

signals:
    // What changed, each as it happens: the 24-hour text, the 12-hour text, the seconds, the date line;
    // `ticked` once a tick has written all it writes, the glyph rows included.
    void clockTextChanged();
    void twelveHourTextChanged();
    void secondsChanged();
    void dateLineWritten();
    void ticked();
    // A flag was pressed, by the user or by the periodic announcement: CurrentLanguage is what it chose.
    void languageChosen();

private:
    void aimTimer1();
    void alarmTick();
    void soundsEnded();
    void keepTimeShown();
    void setLabel1(const QString &text);
    void Label1_Change();
    void Label2_Change();
    void announceIfDue(QStringView minutes);

    AlarmBook &book;
    const Clock &wallClock;
    Speaker &speaker;
    HPMOD state;
    ShownTime shownTime;
    QDate lineDate; // the date the date line was last written for
    Announcements announcements;
    AlarmRinger alarmRinger;
    AlarmNotices alarmNotices;
    // As the speaker last said: while a sound plays, the ticks and alarm checks wait for its end.
    bool soundPlays = false;
    bool secondsWatched = true;
    ClockSetWatch clockSetWatch;
};
