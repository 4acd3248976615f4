// The main window's alarms: the check, the ringing notice and its Snooze, missed minutes, the
// next-alarm tooltip and what Save tells.
#include "HorP.h"

#include "AlarmScheduler.h"
#include "AlarmTexts.h"
#include "ClockTexts.h"

#include <QApplication>

namespace {
const QString SnoozeKey = QStringLiteral("snooze");

// Each alarm's notices take each other's place: a new ring, a snooze, never a pile of old ones.
QString noticeTag(int alarm)
{
    return QStringLiteral("alarm%1").arg(alarm);
}

// The settings window's rows as the scheduler sees them.
class HsetRows final : public AlarmRows
{
public:
    explicit HsetRows(Hset &window) : window(window) {}
    AlarmBoxes boxes(int alarm) const override
    {
        AlarmBoxes texts;
        for (int i = 0; i < 5; ++i)
            texts[size_t(i)] = window.dateBox(alarm, i)->text();
        return texts;
    }
    QString waveCaption(int alarm) const override { return window.waveFileLabel(alarm)->text(); }
    void setWaveCaption(int alarm, const QString &caption) override { window.waveFileLabel(alarm)->setText(caption); }

private:
    Hset &window;
};
} // namespace

void HorP::Timer3_Timer()
{
    // Serve the clock tick first when the minute has turned (after a busy spell or a resume from
    // suspend), so the clock and the alarms speak of the same minute.
    QDateTime now = clock.now();
    if (Label1->text() != clockText(now.time())) {
        Timer1_Timer();
        now = clock.now();
    }
    HsetRows rows(settingsWindow());
    // The boxes are read at every check, so an edit counts at once; they are parsed only when one changed.
    const std::array<AlarmBoxes, 10> boxes = readBoxes(rows);
    const bool edited = boxes != rowsRead;
    if (edited) {
        rowsRead = boxes;
        for (size_t k = 0; k < boxes.size(); ++k)
            patterns[k] = AlarmPattern(boxes[k]);
    }
    const AlarmCheck found = watch.check(patterns, now);
    alarmsMissed(found.missed);
    // A ringing notice stays up for its whole minute, so that Snooze can be taken; then it goes.
    for (size_t k = 0; k < noticeUp.size(); ++k) {
        if (noticeUp[k] && !found.ringing[k]) {
            noticeUp.reset(k);
            Notice gone;
            gone.tag = noticeTag(int(k) + 1);
            gone.close = true;
            services.notify(gone);
        }
    }
    // Each alarm is told of, and becomes the one Snooze cuts, as its own sound begins: the sounds of
    // alarms before it may still be playing.
    const QPointer<HorP> self(this);
    const QString minute = Label1->text();
    soundAlarms(rows, shared.AlarmTable, found.ringing, shared.CurrentLanguage, speaker, [&](int alarm) {
        speaker.whenHeard([self, alarm, minute, starting = bool(found.starting[size_t(alarm - 1)])] {
            if (!self)
                return;
            self->sounding = alarm;
            if (starting)
                self->alarmStarting(alarm, minute);
        });
    });
    if (found.ringing.any()) {
        // Only a repetition may be cut short when its minute ends; a first sound is heard whole.
        if (found.starting.none())
            repeatingMinute = minute;
        speaker.whenHeard([self] {
            if (self) {
                self->sounding = 0;
                self->repeatingMinute.clear();
            }
        });
    }
    if (found.ringing.none())
        Timer3.stop();
    else if (!Timer3.isActive())
        Timer3.start();
    showNextAlarm(edited, now);
}

namespace {
// An alarm ringing into a muted output must say so. The sound server is asked on a thread of its own,
// and the notice goes out when it answers or its time is up.
void sendRingingNotice(const HorPServices &services, Notice notice, int alarm, const QString &clockText, Language language)
{
    auto send = [notice = std::move(notice), notify = services.notify, complain = services.complain, alarm, clockText,
                 language](OutputLevel output) mutable {
        if (output == OutputLevel::Muted || output == OutputLevel::Zero) {
            notice.summary = ringingNotice(alarm, clockText, language, output);
            if (complain)
                complain(notice.summary);
        }
        notify(notice);
    };
    if (services.askOutput)
        services.askOutput(std::move(send));
    else
        send(OutputLevel::Unknown);
}
} // namespace

// Seen as well as heard, once per ringing minute, with the Snooze action where the desktop offers actions.
// It does not expire while the alarm rings, whatever the server's habit. A row that plays nothing says so.
void HorP::alarmStarting(int alarm, const QString &minute)
{
    if (services.notify) {
        Notice notice;
        notice.tag = noticeTag(alarm);
        notice.timeoutMs = 0;
        noticeUp.set(size_t(alarm - 1));
        if (playsNothing(shared.AlarmTable[size_t(alarm - 1)])) {
            notice.summary = ringingNotice(alarm, minute, shared.CurrentLanguage, OutputLevel::Unknown, true);
            services.notify(notice);
        } else {
            notice.summary = ringingNotice(alarm, minute, shared.CurrentLanguage);
            notice.actions = {{SnoozeKey, snoozeLabel(shared.CurrentLanguage)}};
            notice.acted = [self = QPointer<HorP>(this), alarm](const QString &key) {
                if (self && key == SnoozeKey)
                    self->snooze(alarm);
            };
            sendRingingNotice(services, std::move(notice), alarm, minute, shared.CurrentLanguage);
        }
    }
    QApplication::alert(this);
}

void HorP::cutLateRepetition(const QDateTime &now)
{
    if (!repeatingMinute.isEmpty() && clockText(now.time()) != repeatingMinute) {
        repeatingMinute.clear();
        speaker.cutSound();
    }
}

// The rows the alarm check reads, unsaved edits in an open settings window included, since those are
// what would have rung (read from the files when the end comes before the first check); a snooze
// waiting counts as a ring too.
QString HorP::closingWords()
{
    HsetRows window(settingsWindow());
    const std::array<AlarmBoxes, 10> rows = readBoxes(window);
    const QDateTime now = clock.now();
    const Zone zone(now);
    const AlarmStates states = alarmStates(rows, shared.AlarmTable, now.toMSecsSinceEpoch(), zone);
    std::array<std::optional<qint64>, 10> rings;
    for (size_t k = 0; k < rings.size(); ++k) {
        if (states[k].kind == AlarmState::Rings)
            rings[k] = states[k].next;
        if (const auto snoozed = watch.snoozedUntil(int(k) + 1); snoozed && (!rings[k] || *snoozed < *rings[k]))
            rings[k] = snoozed;
    }
    return closingNotice(rings, now.toMSecsSinceEpoch(), zone, shared.CurrentLanguage);
}

void HorP::alarmsMissed(const std::vector<AlarmCheck::Missed> &missed)
{
    const QDateTime now = clock.now();
    for (const AlarmCheck::Missed &alarm : missed) {
        const QString text = missedNotice(alarm.alarm, alarm.at, now.toMSecsSinceEpoch(), Zone(now), shared.CurrentLanguage);
        if (services.complain)
            services.complain(text);
        if (services.notify)
            services.notify({text, QString(), {}, {}, {}});
    }
}

void HorP::snooze(int alarm)
{
    const QDateTime now = clock.now();
    watch.snooze(alarm, now);
    if (sounding == alarm)
        speaker.cutSound();
    // The ringing notice gives way to the answer, which may expire as the server likes.
    if (const auto until = watch.snoozedUntil(alarm); until && services.notify) {
        noticeUp.reset(size_t(alarm - 1));
        Notice notice;
        notice.summary = snoozedNotice(alarm, *until, Zone(now), shared.CurrentLanguage);
        notice.tag = noticeTag(alarm);
        services.notify(notice);
    }
}

// The alarm-set button says when the next of the ten alarms rings; worked out again only when a row,
// the minute or the language has changed, not at every check.
void HorP::showNextAlarm(bool edited, const QDateTime &now)
{
    const qint64 minute = now.date().toJulianDay() * 1440 + now.time().hour() * 60 + now.time().minute();
    std::bitset<10> silent; // a sound chosen or taken away changes what rings too
    for (size_t k = 0; k < silent.size(); ++k)
        silent[k] = playsNothing(shared.AlarmTable[k]);
    if (!edited && minute == nextAlarmMinute && shared.CurrentLanguage == nextAlarmLanguage && silent == silentRows)
        return;
    silentRows = silent;
    nextAlarmMinute = minute;
    nextAlarmLanguage = shared.CurrentLanguage;
    const Zone zone(now);
    const QString text = nextAlarmText(alarmStates(rowsRead, shared.AlarmTable, now.toMSecsSinceEpoch(), zone), now.toMSecsSinceEpoch(),
                                       zone, shared.CurrentLanguage);
    if (Command6->toolTip() != text) { // an unchanged text would still be sent to screen readers
        Command6->setToolTip(text);
        Command6->setAccessibleDescription(text);
    }
    if (settings)
        settings->refreshStates();
}

// After a save: what was set, when each alarm rings and why a row never will, on the desktop or in a box.
void HorP::alarmsSaved()
{
    std::array<AlarmBoxes, 10> rows;
    for (size_t k = 0; k < rows.size(); ++k)
        rows[k] = {shared.AlarmTable[k].day, shared.AlarmTable[k].month, shared.AlarmTable[k].year,
                   shared.AlarmTable[k].hour, shared.AlarmTable[k].minute};
    const QDateTime now = clock.now();
    const Zone zone(now);
    const qint64 ms = now.toMSecsSinceEpoch();
    const QString title = saveSummaryTitle(shared.CurrentLanguage);
    const QString text = saveSummary(alarmStates(rows, shared.AlarmTable, ms, zone), ms, zone, shared.CurrentLanguage);
    Notice notice{title, text, {}, {}, {}};
    notice.unseen = [self = QPointer<HorP>(this), title, text] {
        if (self && self->services.inform)
            self->services.inform(self, title, text);
    };
    if (services.notify)
        services.notify(notice);
    else if (services.inform)
        services.inform(this, title, text);
}
