#include "ClockEngine.h"

#include "AnnouncementSchedule.h"
#include "CalendarText.h"
#include "ClockTexts.h"
#include "TextNumber.h"

#include <QPointer>

#include <utility>

ClockEngine::ClockEngine(AlarmBook &book, const Clock &clock, Speaker &speaker, ClockEngineServices services,
                         QObject *parent)
    : QObject(parent), book(book), wallClock(clock), speaker(speaker), announcements(speaker),
      alarmRinger(book, state, clock, speaker), alarmNotices(alarmRinger, state, std::move(services.notify), std::move(services.complain))
{
    alarmRinger.askOutput = std::move(services.askOutput);
    alarmRinger.speakName = std::move(services.speakName);
    // A timer whose slot was blocked fires once when the thread is free again, never once per missed
    // period, so the display simply jumps to the time of that moment.
    Timer1.setTimerType(Qt::PreciseTimer); // a coarse timer may fire up to 5 % late: the second would show late
    Timer1.setSingleShot(true);
    Timer3.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &ClockEngine::tick);
    connect(&Timer3, &QTimer::timeout, this, &ClockEngine::alarmTick);
    // A clock set, or a resume, is served at once rather than at the next tick, which was aimed by the old time.
    connect(&clockSetWatch, &ClockSetWatch::clockSet, this, &ClockEngine::tick);
    speaker.whenSounding([self = QPointer<ClockEngine>(this)](bool sounding) {
        if (self && !(self->soundPlays = sounding))
            self->soundsEnded();
    });
}

void ClockEngine::start()
{
    aimTimer1();
}

void ClockEngine::aimTimer1()
{
    const QTime now = wallClock.now().time();
    Timer1.start(secondsWatched ? msUntilNextSecond(now) : msUntilNextMinute(now));
}

void ClockEngine::setSecondsWatched(bool watched)
{
    if (std::exchange(secondsWatched, watched) == watched || !Timer1.isActive())
        return;
    if (watched)
        tick(); // the window shows the time of now, not of the minute it was hidden in
    else
        aimTimer1();
}

// The seconds first, so they are drawn on time even when the minute's announcement follows.
void ClockEngine::tick()
{
    if (soundPlays) {
        alarmRinger.cutLateRepetition(clockText(wallClock.now().time()));
        keepTimeShown();
    } else {
        Timer2_Timer();
        Timer1_Timer();
        Timer3_Timer();
    }
    aimTimer1();
}

// A ringing alarm sounds again when its sound has ended, not into it.
void ClockEngine::alarmTick()
{
    if (!soundPlays) {
        Timer3_Timer();
        return;
    }
    Timer3.stop();
}

// Whatever fell due during the sound, once: a minute that turned meanwhile is announced now, a ringing
// alarm rings again. Harmless after a sound too short for any of it to fall due.
void ClockEngine::soundsEnded()
{
    Timer2_Timer();
    Timer1_Timer();
    Timer3_Timer();
}

// The tick writes the new minute; its change runs the announcement check at once, before the tick goes on.
void ClockEngine::Timer1_Timer()
{
    const QDateTime now = wallClock.now();
    setLabel1(clockText(now.time()));
    shownTime.today = now.date();
    if (!shownTime.dateLine.isEmpty() && shownTime.today != lineDate) // midnight, or a new zone
        calendrier();
    const int h = clockHour(shownTime.Label1);
    state.MinuteCell = qint16(clockMinutes(shownTime.Label1));
    state.AmPmMarker = amPmMarkerOf(h);
    shownTime.row24 = shownTime.Label1;
    const QString text12 = twelveHourText(twelveHourOf(h), shownTime.Label1, state.AmPmMarker);
    if (text12 != shownTime.Label2) {
        shownTime.Label2 = text12;
        emit twelveHourTextChanged();
        Label2_Change();
    }
    shownTime.row12 = shownTime.Label2;
    emit ticked();
}

void ClockEngine::setLabel1(const QString &text)
{
    if (text == shownTime.Label1)
        return;
    shownTime.Label1 = text;
    emit clockTextChanged();
    Label1_Change();
}

void ClockEngine::Timer2_Timer()
{
    shownTime.Label4 = QStringLiteral("%1").arg(wallClock.now().time().second(), 2, 10, QLatin1Char('0'));
    emit secondsChanged();
}

// While a sound plays: the seconds and the glyph rows go on showing the time. The clock texts keep
// theirs until the sound has ended, so no announcement starts inside a sound or waits behind it.
void ClockEngine::keepTimeShown()
{
    const QTime now = wallClock.now().time();
    if (shownTime.Label4 == QStringLiteral("%1").arg(now.second(), 2, 10, QLatin1Char('0')))
        return;
    Timer2_Timer();
    shownTime.row24 = clockText(now);
    shownTime.row12 = twelveHourText(twelveHourOf(now.hour()), shownTime.row24, amPmMarkerOf(now.hour()));
    emit ticked();
}

void ClockEngine::Timer3_Timer()
{
    // Serve the clock tick first when the minute has turned (after a busy spell or a resume from
    // suspend), so the clock and the alarms speak of the same minute.
    QDateTime now = wallClock.now();
    if (shownTime.Label1 != clockText(now.time())) {
        Timer1_Timer();
        now = wallClock.now();
    }
    if (!alarmRinger.check(now, shownTime.Label1))
        Timer3.stop();
    else if (!Timer3.isActive())
        Timer3.start();
}

void ClockEngine::calendrier()
{
    lineDate = wallClock.now().date();
    shownTime.dateLine = calendarLine(lineDate, state.CurrentLanguage);
    emit dateLineWritten();
}

void ClockEngine::speakTime(Language language)
{
    state.CurrentLanguage = language;
    emit languageChosen();
    calendrier();
    if (language != English)
        setLabel1(clockText(wallClock.now().time())); // may announce the new minute first
    const int h = clockHour(shownTime.Label1);
    if (language == English)
        state.AmPmMarker = amPmMarkerOf(h);
    else
        state.MinuteCell = qint16(clockMinutes(shownTime.Label1));
    // English speaks MinuteCell, which the tick keeps equal to the display's minutes.
    announcements.speakTime(language, h, state.MinuteCell);
}

void ClockEngine::speakDate()
{
    announcements.speakDate(wallClock.now().date(), state.CurrentLanguage);
}

void ClockEngine::cutSound()
{
    speaker.cutSound();
}

void ClockEngine::windowActivated()
{
    state.AmPmMarker = amPmMarkerOf(wallClock.now().time().hour());
}

void ClockEngine::Label1_Change()
{
    if (state.CurrentLanguage == French || state.CurrentLanguage == German)
        announceIfDue(QStringView(shownTime.Label1).right(2));
}

void ClockEngine::Label2_Change()
{
    if (state.CurrentLanguage == English)
        announceIfDue(QStringView(shownTime.Label2).mid(3, 2));
}

// The interval and the quiet hours are the book's as typed: an edit in ALARM SET counts from the next
// minute, saved or not. The hour is the 24-hour clock text's, which the tick has just written in every language.
void ClockEngine::announceIfDue(QStringView minutes)
{
    if (announcementDue(leadingNumber(book.interval()), minutes) && !book.quietHours().covers(clockHour(shownTime.Label1)))
        speakTime(state.CurrentLanguage);
}
