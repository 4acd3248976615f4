#include "AlarmRinger.h"

#include "AlarmScheduler.h"
#include "AlarmTexts.h"

#include <QCoreApplication>
#include <QPointer>

namespace {
AlarmBoxes boxesOf(const AlarmRecord &row)
{
    return {row.day, row.month, row.year, row.hour, row.minute};
}

} // namespace

AlarmNames alarmNames(const AlarmBook &book)
{
    AlarmNames names;
    for (int alarm = 1; alarm <= 10; ++alarm)
        names[size_t(alarm - 1)] = book.name(alarm);
    return names;
}

AlarmStates alarmStates(const AlarmRecords &rows, qint64 nowMs, const Zone &zone,
                        const std::function<bool(const QString &waveFile)> &plays)
{
    std::array<AlarmBoxes, 10> boxes;
    for (size_t k = 0; k < rows.size(); ++k)
        boxes[k] = boxesOf(rows[k]);
    AlarmStates states = alarmStates(boxes, rows, nowMs, zone);
    for (size_t k = 0; plays && k < rows.size(); ++k)
        states[k].unplayable = states[k].kind == AlarmState::Rings && !plays(rows[k].waveFile);
    return states;
}

AlarmRinger::AlarmRinger(AlarmBook &book, const HPMOD &shared, const Clock &clock, Speaker &speaker, QObject *parent)
    : QObject(parent), book(book), shared(shared), clock(clock), speaker(speaker)
{
}

void AlarmRinger::tellMissedAndEnded(const AlarmCheck &found, const QDateTime &now)
{
    for (const AlarmCheck::Missed &alarm : found.missed) {
        const QString text = missedNotice(alarm.alarm, alarm.at, now.toMSecsSinceEpoch(), Zone(now), shared.CurrentLanguage,
                                          book.name(alarm.alarm));
        emit complaint(text);
        emit notice({0, text});
    }
    // A ringing notice stays up for its whole minute, so that Snooze can be taken; then it goes.
    for (size_t k = 0; k < noticeUp.size(); ++k) {
        if (noticeUp[k] && !found.ringing[k]) {
            noticeUp.reset(k);
            emit notice({int(k) + 1, QString(), false, false, true});
        }
    }
}

bool AlarmRinger::check(const QDateTime &now, const QString &minute)
{
    // The rows are read at every check, so an edit counts at once; they are parsed only when one changed.
    const AlarmNames names = alarmNames(book);
    const bool edited = book.rows() != rowsRead || names != namesRead;
    namesRead = names;
    if (edited) {
        rowsRead = book.rows();
        for (size_t k = 0; k < rowsRead.size(); ++k)
            patterns[k] = AlarmPattern(boxesOf(rowsRead[k]));
    }
    const AlarmCheck found = watch.check(patterns, now);
    tellMissedAndEnded(found, now);
    if (found.ringing.any()) {
        // The level is read as a ringing minute starts and kept for that minute: a change in ALARM SET
        // counts from the next one, and the rise does not start over at every repetition.
        if (found.starting.any())
            minuteLoudness = book.loudness();
        speaker.alarmLevel(minuteLoudness, found.starting.any());
    }
    // Each alarm is told of, and becomes the one Snooze cuts, as its own sound begins: the sounds of
    // alarms before it may still be playing.
    const QPointer<AlarmRinger> self(this);
    const auto starts = [&](int alarm) { return bool(found.starting[size_t(alarm - 1)]); };
    soundAlarms(
        book, found.ringing, shared.CurrentLanguage, speaker,
        [&](int alarm) {
            speaker.whenHeard([self, alarm, minute, starting = starts(alarm)] {
                if (!self)
                    return;
                self->sounding = alarm;
                if (starting)
                    self->started(alarm, minute);
            });
        },
        [&](int alarm) { sayNameAfterFirstSound(alarm, starts(alarm)); });
    if (found.ringing.any()) {
        // Only a repetition may be cut short when its minute ends; a first sound is heard whole.
        if (found.starting.none())
            repeatingMinute = minute;
        speaker.alarmLevel(std::nullopt); // what follows is speech, never lowered
        speaker.whenHeard([self] {
            if (self) {
                self->sounding = 0;
                self->repeatingMinute.clear();
            }
        });
    }
    showNextAlarm(edited, now);
    return found.ringing.any();
}

// Seen as well as heard, once per ringing minute, with the Snooze action where the desktop offers actions.
// It does not expire while the alarm rings, whatever the server's habit. A row that plays nothing says
// so. An alarm ringing into a muted output must say so too: the sound server is asked, and the notice
// goes out when it answers or its time is up.
void AlarmRinger::started(int alarm, const QString &minute)
{
    noticeUp.set(size_t(alarm - 1));
    const Language language = shared.CurrentLanguage;
    const QString name = book.name(alarm);
    if (playsNothing(book.row(alarm))) {
        emit notice({alarm, ringingNotice(alarm, minute, language, OutputLevel::Unknown, true, name), true});
    } else {
        // The answer comes later, on this thread; by then the ringer may be gone.
        // The default alert rings in place of a file that cannot be played, and the user must know why.
        const bool unplayable = !plays(book.row(alarm).waveFile);
        auto send = [self = QPointer<AlarmRinger>(this), alarm, minute, language, name, unplayable](OutputLevel output) {
            QMetaObject::invokeMethod(QCoreApplication::instance(), [self, alarm, minute, language, name, unplayable, output] {
                if (!self)
                    return;
                const bool unheard = output == OutputLevel::Muted || output == OutputLevel::Zero;
                AlarmNotice ringing{alarm, ringingNotice(alarm, minute, language, unheard ? output : OutputLevel::Unknown, false, name),
                                    true, true};
                ringing.snoozeMinutes = snoozeMinutesOf(self->book.soundSettings());
                if (unplayable)
                    ringing.summary = unplayableNotice(ringing.summary, language);
                if (unheard || unplayable)
                    emit self->complaint(ringing.summary);
                emit self->notice(ringing);
            });
        };
        if (askOutput)
            askOutput(std::move(send));
        else
            send(OutputLevel::Unknown);
    }
    emit alarmStarted(alarm);
}

// Once a ringing minute, a snoozed alarm's again included: the repetitions that follow would say it over
// and over. The name waits for the alarm's own first sound, not for the speech service, which speaks beside
// Kalindor's sounds; an alarm stopped or snoozed during that sound says nothing.
void AlarmRinger::sayNameAfterFirstSound(int alarm, bool starting)
{
    const QString name = book.name(alarm);
    if (!starting || !speakName || name.isEmpty() || !speaksNames(book.soundSettings()))
        return;
    speaker.whenHeard([self = QPointer<AlarmRinger>(this), alarm, name] {
        if (self && self->noticeUp[size_t(alarm - 1)])
            self->speakName(name, self->shared.CurrentLanguage, self->minuteLoudness.percent);
    });
}

void AlarmRinger::cutLateRepetition(const QString &minute)
{
    if (!repeatingMinute.isEmpty() && minute != repeatingMinute) {
        repeatingMinute.clear();
        speaker.cutSound();
    }
}

void AlarmRinger::snooze(int alarm, int minutes)
{
    const QDateTime now = clock.now();
    watch.snooze(alarm, now, minutes);
    if (sounding == alarm)
        speaker.cutSound();
    // The ringing notice gives way to the answer, which may expire as the server likes.
    if (const auto until = watch.snoozedUntil(alarm)) {
        noticeUp.reset(size_t(alarm - 1));
        emit notice({alarm, snoozedNotice(alarm, *until, Zone(now), shared.CurrentLanguage, book.name(alarm))});
    }
}

void AlarmRinger::stop(int alarm)
{
    watch.stop(alarm, clock.now());
    if (sounding == alarm)
        speaker.cutSound();
    if (noticeUp[size_t(alarm - 1)]) {
        noticeUp.reset(size_t(alarm - 1));
        emit notice({alarm, QString(), false, false, true});
    }
}

// The rows as typed, unsaved edits in an open ALARM SET included, since those are what would have rung;
// a snooze waiting counts as a ring too.
QString AlarmRinger::closingWords() const
{
    const QDateTime now = clock.now();
    const Zone zone(now);
    const AlarmStates states = alarmStates(book.rows(), now.toMSecsSinceEpoch(), zone);
    std::array<std::optional<qint64>, 10> rings;
    for (size_t k = 0; k < rings.size(); ++k) {
        if (states[k].kind == AlarmState::Rings)
            rings[k] = states[k].next;
        if (const auto snoozed = watch.snoozedUntil(int(k) + 1); snoozed && (!rings[k] || *snoozed < *rings[k]))
            rings[k] = snoozed;
    }
    return closingNotice(rings, now.toMSecsSinceEpoch(), zone, shared.CurrentLanguage, alarmNames(book));
}

QString AlarmRinger::savedSummary() const
{
    const QDateTime now = clock.now();
    const Zone zone(now);
    const qint64 ms = now.toMSecsSinceEpoch();
    return saveSummary(alarmStates(book.savedRows(), ms, zone, [this](const QString &file) { return plays(file); }), ms, zone,
                       shared.CurrentLanguage, alarmNames(book));
}

RowState AlarmRinger::rowState(int alarm, const AlarmBoxes &boxes) const
{
    const QDateTime now = clock.now();
    const Zone zone(now);
    const qint64 ms = now.toMSecsSinceEpoch();
    AlarmState state = alarmState(boxes, ms, zone, playsNothing(book.row(alarm)));
    state.unplayable = state.kind == AlarmState::Rings && !plays(book.row(alarm).waveFile);
    const Language language = shared.CurrentLanguage;
    return RowState{stateText(state, ms, zone, language),
                    (state.kind == AlarmState::Rings && !state.unplayable) || state.kind == AlarmState::Off,
                    rowSentence(alarm, state, ms, zone, language, book.name(alarm))};
}

void AlarmRinger::showNextAlarm(bool edited, const QDateTime &now)
{
    const qint64 minute = now.date().toJulianDay() * 1440 + now.time().hour() * 60 + now.time().minute();
    if (!edited && minute == nextAlarmMinute && shared.CurrentLanguage == nextAlarmLanguage)
        return;
    nextAlarmMinute = minute;
    nextAlarmLanguage = shared.CurrentLanguage;
    const Zone zone(now);
    emit nextAlarm(nextAlarmText(alarmStates(rowsRead, now.toMSecsSinceEpoch(), zone),
                                 now.toMSecsSinceEpoch(), zone, shared.CurrentLanguage, namesRead));
}
