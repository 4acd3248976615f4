// The main window: the clock display, the flag buttons, the date line, the alarm stop sign and the three timers.
#pragma once

#include "AlarmNotices.h"
#include "AlarmRinger.h"
#include "Announcements.h"
#include "Clock.h"
#include "ClockStop.h"
#include "DateLine.h"
#include "GlyphSlot.h"
#include "HPMOD.h"
#include "Hset.h"
#include "NotifyingLabel.h"
#include "Notifier.h"
#include "OutputCheck.h"
#include "Speaker.h"
#include "info.h"

#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

struct HorPServices
{
    std::function<void()> endProgram;
    // A modal box titled "Kalindor" with one OK button and no icon; the timers keep running behind it.
    std::function<void(QWidget *parent, const QString &text)> showStopMessage;
    HsetServices settings;
    InfoServices about;
    Notify notify; // a desktop notification; may be empty
    // One line on standard error: what the user must know even without a notification server.
    std::function<void(const QString &text)> complain;
    // A message box that does not wait for the user: what a notification would have said, where none is shown.
    std::function<void(QWidget *parent, const QString &title, const QString &text)> inform;
    // Qt's own texts (standard buttons, the file dialog) follow the language; may be empty.
    std::function<void(Language)> followLanguage;
    // Asks the sound server whether the output is muted or at zero, and gives the answer on the window's
    // thread within a short limit; may be empty (the answer is then unknown).
    std::function<void(std::function<void(OutputLevel)> answer)> askOutput;
    // The last word as the program ends: a notification if a server takes it within a short limit,
    // otherwise a line on standard error; may be empty.
    std::function<void(const QString &text)> sayBeforeEnd;
};

class HorP : public QWidget
{
    Q_OBJECT
public:
    HorP(HPMOD &shared, AlarmBook &book, const Clock &clock, Speaker &speaker, HorPServices services,
         QWidget *parent = nullptr);

    void Form_Load();
    void Form_Activate();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Label3_Click();
    void Label1_Change();
    void Label2_Change();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void calendrier();
    // What Timer1 runs once a second: the seconds, the clock, the alarm check, then it aims Timer1 again.
    // While a sound plays only the glyphs follow the time, and the rest waits for the sound's end.
    void tick();

    // While a sound plays: the seconds and the glyphs go on showing the time. The clock texts keep
    // theirs until the sound has ended, so no announcement starts inside a sound or waits behind it.
    void keepTimeShown();
    // ALARM SET while it is open, null otherwise.
    Hset *settingsWindow() const { return settings; }

    ClockStop *clockStop = nullptr;   // the clock display as one stop of the keyboard
    NotifyingLabel *Label1 = nullptr; // "HH:mm", the time the whole program reads
    NotifyingLabel *Label2 = nullptr; // "hh:mm AM"
    DateLine *Label3 = nullptr;       // date line
    QLabel *Label4 = nullptr;         // seconds
    std::array<GlyphSlot *, 5> Image2{};
    std::array<GlyphSlot *, 2> Image3{};
    std::array<GlyphSlot *, 8> Image4{};
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr;
    QPushButton *Command5 = nullptr, *Command6 = nullptr, *Command7 = nullptr;
    // Timer1 wakes the program once a second, just after the wall clock's second changes, for the clock
    // (Timer1_Timer), the seconds (Timer2_Timer) and the alarm check (Timer3_Timer); it is aimed afresh at
    // each tick, so it never drifts and follows a clock that is set. Timer3 checks ten times a second
    // while an alarm rings and no sound plays, so that its repetitions follow each other without a pause.
    QTimer Timer1, Timer3;
    QPointer<info> aboutBox;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void aimTimer1();
    void alarmTick();
    void soundsEnded();
    void showNextAlarm(const QString &text);
    void languageChosen();
    void flagPressed(Language language);
    void announceIfDue(QStringView minutes);

    HPMOD &shared;
    AlarmBook &book;
    const Clock &clock;
    Speaker &speaker;
    HorPServices services;
    Announcements announcements;
    GlyphSet glyphs;
    AlarmRinger ringer;
    AlarmNotices *notices = nullptr;
    QPointer<Hset> settings;
    Language describedLanguage = -1; // of the controls' accessible names and descriptions
    // As the speaker last said: while a sound plays, the ticks and alarm checks wait for its end.
    bool soundPlays = false;
    bool ending = false;
};
