// The main window: the clock display, the flag buttons, the date line, the alarm stop sign and the three timers.
#pragma once

#include "Announcements.h"
#include "Clock.h"
#include "GlyphSlot.h"
#include "HPMOD.h"
#include "Hset.h"
#include "NotifyingLabel.h"
#include "Notifier.h"
#include "Speaker.h"
#include "info.h"

#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <array>
#include <bitset>
#include <functional>

struct HorPServices
{
    std::function<void()> endProgram;
    // A modal box titled "Kalindor" with one OK button and no icon; the timers keep running behind it.
    std::function<void(QWidget *parent, const QString &text)> showStopMessage;
    HsetServices settings;
    InfoServices about;
    Notify notify; // a desktop notification; may be empty
    // Qt's own texts (standard buttons, the file dialog) follow the language; may be empty.
    std::function<void(Language)> followLanguage;
};

// The real services: quit the application, QMessageBox, QFileDialog, the system-information launcher.
HorPServices desktopServices(const QString &configDir);

class HorP : public QWidget
{
    Q_OBJECT
public:
    HorP(HPMOD &shared, const Clock &clock, Speaker &speaker, HorPServices services, QWidget *parent = nullptr);

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

    // The settings window, created hidden (which loads both settings files) when it does not exist.
    Hset &settingsWindow();
    bool settingsWindowExists() const { return !settings.isNull(); }

    NotifyingLabel *Label1 = nullptr; // "HH:mm", the time the whole program reads
    NotifyingLabel *Label2 = nullptr; // "hh:mm AM"
    ClickableLabel *Label3 = nullptr; // date line
    QLabel *Label4 = nullptr;         // seconds
    std::array<GlyphSlot *, 5> Image2{};
    std::array<GlyphSlot *, 2> Image3{};
    std::array<GlyphSlot *, 8> Image4{};
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr;
    QPushButton *Command5 = nullptr, *Command6 = nullptr, *Command7 = nullptr;
    QTimer Timer1, Timer2, Timer3;
    QPointer<info> aboutBox;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void putTwoDigits(GlyphSlot *tens, GlyphSlot *units, int value);
    void languageChosen();
    void alarmStarting(int alarm);
    QPushButton *pictureButton(const QString &picture, QRect geometry);

    HPMOD &shared;
    const Clock &clock;
    Speaker &speaker;
    HorPServices services;
    Announcements announcements;
    GlyphSet glyphs;
    QPointer<Hset> settings;
    // Which alarms have been announced on the desktop in the minute they ring, so once each.
    QDate noticeDay;
    QString noticeClockText;
    std::bitset<10> noticed;
};
