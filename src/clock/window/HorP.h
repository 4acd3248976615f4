// The main window: the clock display, the flag buttons, the date line, the alarm stop sign. It shows what
// the clock engine signals and hands it the clicks; the ticking, the speaking and the ringing are the engine's.
#pragma once

#include "ClockEngine.h"
#include "ClockTray.h"
#include "ClockStop.h"
#include "DateLine.h"
#include "GlyphSlot.h"
#include "Hset.h"
#include "info.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
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
    // A message box that does not wait for the user: what a notification would have said, where none is shown.
    std::function<void(QWidget *parent, const QString &title, const QString &text)> inform;
    // Qt's own texts (standard buttons, the file dialog) follow the language; may be empty.
    std::function<void(Language)> followLanguage;
    // The last word as the program ends, a title and its body: a notification if a server takes it
    // within a short limit, otherwise a line on standard error; may be empty.
    std::function<void(const QString &title, const QString &text)> sayBeforeEnd;
};

class HorP : public QWidget
{
    Q_OBJECT
public:
    HorP(ClockEngine &engine, AlarmBook &book, HorPServices services, QWidget *parent = nullptr);

    void Form_Load();
    void Form_Activate();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    // Back from the tray, or from a new start of Kalindor: shown, raised and active.
    void showAgain();
    void Label3_Click();
    // What the engine has written, shown: the 24-hour text, the 12-hour text, the glyph rows and the
    // date's name for screen readers at each tick, the seconds, the date line.
    void Label1_Change();
    void Label2_Change();
    void Timer1_Timer();
    void Timer2_Timer();
    void calendrier();

    // ALARM SET while it is open, null otherwise.
    Hset *settingsWindow() const { return settings; }

    ClockStop *clockStop = nullptr; // the clock display as one stop of the keyboard
    QLabel *Label1 = nullptr;       // "HH:mm", the time the whole program reads
    QLabel *Label2 = nullptr;       // "hh:mm AM"
    DateLine *Label3 = nullptr;     // date line
    QLabel *Label4 = nullptr;       // seconds
    std::array<GlyphSlot *, 5> Image2{};
    std::array<GlyphSlot *, 2> Image3{};
    std::array<GlyphSlot *, 8> Image4{};
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr;
    QPushButton *Command5 = nullptr, *Command6 = nullptr, *Command7 = nullptr;
    QPointer<info> aboutBox;
    ClockTray *tray = nullptr; // up while alarms ring on with the window closed

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void placeControls();
    void connectEngine();
    void showNextAlarm(const QString &text);
    void languageChosen();
    bool inTray() const; // the tray icon is up where a host shows it
    void followSoundSettings();

    ClockEngine &engine;
    const HPMOD &shared;
    AlarmBook &book;
    HorPServices services;
    GlyphSet glyphs;
    QPointer<Hset> settings;
    qint16 lastClickedColumn = 0; // ALARM SET's, kept while it is closed
    Language describedLanguage = -1; // of the controls' accessible names and descriptions
    bool ending = false;
    bool toldHidden = false; // where the window went is told once a run
    QString nextAlarmText; // as the ringer last gave it, for the tray
};
