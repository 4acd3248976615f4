#include "AlarmTexts.h"

#include "Texts.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {
// The sentences of one language; names of days, months and numbers come from its locale.
struct Words
{
    QLocale locale;
    QString alarm;          // "Alarme %1"
    std::array<QString, 5> boxes;
    QString quote;          // a box's text quoted
    QString typeInstead, neverMatches, empty;
    QString off, noSuchDate, past;
    QString rowDate;        // the next ring in a row
    QString rowDateYear;    // the same, in another year
    QString summaryDate;    // the next ring in the save summary and the next-alarm text beyond a week
    QString summaryDateYear;
    QString soonDate;       // the next-alarm text within a week
    QString time;           // a time of day alone: "07:30", "7:30 AM"
    QString rings, neverRings, noneSet, summaryTitle;
    QString days, hours, minutes; // "%1 j"
    QString next, noNext, ringing, missed, snooze;
    QString stop, show;               // the ringing notice's other actions: Stop, and a click on its body
    QString muted, zero;              // what the ringing notice adds when the output cannot be heard
    QString closingTitle;             // "Kalindor fermé"
    QString closingOne, closingMany;  // "L'alarme %1 …", "Les alarmes %1 …"
    QString closingItem;              // "1 (07:30)"
    QString row;                      // "Alarme 1 : <state>"
    QString spoken;                   // "%1 : %2": a row's alarm and when it rings, for screen readers
    QString silent;                   // the state of a row that matches and plays nothing
    QString silentNotice;             // what the notice of such a row adds
    QString unplayable;               // what a row, its notice and the summary add when its file cannot be played
    QString oneDay;                   // "%1 Tag" where the count needs the singular
    QString snoozed;                  // "Alarme 1 reportée à 03:01"
    QString snoozedNamed;             // "Alarme 1 « Cachets » reportée à 03:01"
    QString dayMonth;                 // "31. April"
};

// Whether the locale writes the month before the day ("12/11/26" in the United States).
bool monthFirst(const QLocale &locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    return format.indexOf(u'M') < format.indexOf(u'd');
}

// The dates and times as the desktop writes them, where the language leaves it to the desktop.
void followClock(Words &words, Language language, const Texts &texts)
{
    if (language == English && monthFirst(words.locale)) { // "Friday, December 11" where "Friday 11 December" is not read
        words.rowDate = QStringLiteral("ddd MMM d HH:mm");
        words.rowDateYear = QStringLiteral("ddd MMM d, yyyy HH:mm");
        words.summaryDate = QStringLiteral("dddd, MMMM d 'at' HH:mm");
        words.summaryDateYear = QStringLiteral("dddd, MMMM d, yyyy 'at' HH:mm");
        words.dayMonth = QStringLiteral("%2 %1");
    }
    // Times follow the English desktop's clock as its dates do; the other languages keep 24 hours.
    words.time = texts.timeFormat();
    for (QString *format : {&words.rowDate, &words.rowDateYear, &words.summaryDate, &words.summaryDateYear, &words.soonDate})
        format->replace(QStringLiteral("HH:mm"), words.time);
}

Words wordsIn(Language language)
{
    const Texts texts(language);
    Words words;
    words.locale = texts.locale();
    words.alarm = texts.translate("AlarmTexts", "Alarm %1");
    words.boxes[0] = texts.translate("AlarmTexts", "Day");
    words.boxes[1] = texts.translate("AlarmTexts", "Month");
    words.boxes[2] = texts.translate("AlarmTexts", "Year");
    words.boxes[3] = texts.translate("AlarmTexts", "Hour");
    words.boxes[4] = texts.translate("AlarmTexts", "Minute");
    words.quote = texts.translate("AlarmTexts", "‘%1’");
    words.typeInstead = texts.translate("AlarmTexts", "%1 %2: type %3");
    words.neverMatches = texts.translate("AlarmTexts", "%1 %2: never rings");
    words.empty = texts.translate("AlarmTexts", "%1 empty: never rings");
    words.off = texts.translate("AlarmTexts", "off");
    words.noSuchDate = texts.translate("AlarmTexts", "%1 does not exist");
    words.past = texts.translate("AlarmTexts", "date has passed");
    words.rowDate = texts.translate("AlarmTexts", "ddd d MMM HH:mm");
    words.rowDateYear = texts.translate("AlarmTexts", "ddd d MMM yyyy HH:mm");
    words.summaryDate = texts.translate("AlarmTexts", "dddd d MMMM 'at' HH:mm");
    words.summaryDateYear = texts.translate("AlarmTexts", "dddd d MMMM yyyy 'at' HH:mm");
    words.soonDate = texts.translate("AlarmTexts", "dddd HH:mm");
    words.rings = texts.translate("AlarmTexts", "%1: %2, in %3");
    words.neverRings = texts.translate("AlarmTexts", "%1: will not ring, %2");
    words.noneSet = texts.translate("AlarmTexts", "No alarm is set.");
    words.summaryTitle = texts.translate("AlarmTexts", "Alarms saved");
    words.days = texts.translate("AlarmTexts", "%1 d", "days");
    words.hours = texts.translate("AlarmTexts", "%1 h");
    words.minutes = texts.translate("AlarmTexts", "%1 min");
    words.next = texts.translate("AlarmTexts", "Next alarm: %1");
    words.noNext = texts.translate("AlarmTexts", "No upcoming alarm");
    words.ringing = texts.translate("AlarmTexts", "%1 — %2");
    words.missed = texts.translate("AlarmTexts", "%1 — %2 — missed");
    words.snooze = texts.translate("AlarmTexts", "Snooze %1 min");
    words.stop = texts.translate("AlarmTexts", "Stop");
    words.show = texts.translate("AlarmTexts", "Show Kalindor");
    words.muted = texts.translate("AlarmTexts", "sound muted");
    words.zero = texts.translate("AlarmTexts", "volume at zero");
    words.closingTitle = texts.translate("AlarmTexts", "Kalindor closed");
    words.closingOne = texts.translate("AlarmTexts", "Alarm %1 will not ring");
    words.closingMany = texts.translate("AlarmTexts", "Alarms %1 will not ring");
    words.closingItem = texts.translate("AlarmTexts", "%1 (%2)");
    words.row = texts.translate("AlarmTexts", "%1: %2", "a row and its state");
    words.spoken = texts.translate("AlarmTexts", "%1: %2", "an alarm and when it rings, for screen readers");
    words.silent = texts.translate("AlarmTexts", "no sound chosen: click Gong, Ring, Meeting or Browse");
    words.silentNotice = texts.translate("AlarmTexts", "no sound chosen");
    words.unplayable = texts.translate("AlarmTexts", "file cannot be played: the default alert will ring");
    words.oneDay = texts.translate("AlarmTexts", "%1 d", "one day");
    words.snoozed = texts.translate("AlarmTexts", "Alarm %1 snoozed until %2");
    words.snoozedNamed = texts.translate("AlarmTexts", "Alarm %1 %2 snoozed until %3");
    words.dayMonth = texts.translate("AlarmTexts", "%1 %2", "a day and a month's name");
    followClock(words, language, texts);
    return words;
}

// Asked for at every keystroke in ALARM SET, ten rows at a time: each language is read once.
const Words &wordsFor(Language language)
{
    static const std::array<Words, 3> all = {wordsIn(French), wordsIn(German), wordsIn(English)};
    return all[size_t(std::clamp<int>(language, French, English))];
}

// "Alarme 3", or "Alarme 3 « Cachets »" when it has a name.
QString called(const Words &words, int alarm, const QString &name)
{
    const QString number = words.alarm.arg(alarm);
    return name.isEmpty() ? number : number + u' ' + words.quote.arg(name);
}

// What a notice of the alarm's minute says last: "… — 07:30 — Cachets".
QString withName(const Words &words, const QString &text, const QString &name)
{
    return name.isEmpty() ? text : words.ringing.arg(text, name);
}

// A date that does not exist cannot be a QDate: "31 avril", "31. April", "29 February 2027".
QString impossibleDateText(const AlarmBoxes &boxes, const Words &words)
{
    const int month = boxes[1].toInt();
    QString text = words.dayMonth.arg(boxes[0], words.locale.standaloneMonthName(month, QLocale::LongFormat));
    if (boxes[2] != QLatin1String("*"))
        text += u' ' + boxes[2];
    return text;
}

// "1 j 23 h 45 min": whole minutes, rounded up, so a ring in 30 seconds is "1 min" away.
QString untilText(qint64 ms, const Words &words, const QLocale &locale)
{
    const qint64 minutes = std::max<qint64>(1, (ms + MinuteMs - 1) / MinuteMs);
    QStringList parts;
    if (minutes >= 1440)
        parts << (minutes / 1440 == 1 ? words.oneDay : words.days).arg(locale.toString(minutes / 1440));
    if (minutes >= 60)
        parts << words.hours.arg(locale.toString(minutes / 60 % 24));
    parts << words.minutes.arg(locale.toString(minutes % 60));
    return parts.join(u' ');
}

QString reasonText(const AlarmState &state, const Words &words)
{
    switch (state.kind) {
    case AlarmState::BadBox: {
        const QString &box = words.boxes[size_t(state.box)];
        if (state.text.isEmpty())
            return words.empty.arg(box);
        const QString quoted = words.quote.arg(state.text);
        return state.suggestion.isEmpty() ? words.neverMatches.arg(box, quoted)
                                          : words.typeInstead.arg(box, quoted, state.suggestion);
    }
    case AlarmState::NoSuchDate:
        return words.noSuchDate.arg(impossibleDateText(state.boxes, words));
    case AlarmState::Past:
        return words.past;
    case AlarmState::Silent:
        return words.silent;
    default:
        return words.off;
    }
}
} // namespace

AlarmStates alarmStates(const std::array<AlarmBoxes, 10> &rows, const AlarmRecords &table, qint64 nowMs, const Zone &zone)
{
    AlarmStates states;
    for (size_t k = 0; k < rows.size(); ++k)
        states[k] = alarmState(rows[k], nowMs, zone, playsNothing(table[k]));
    return states;
}

namespace {
// When a ringing row's file cannot be played, the user must hear of it wherever its next ring is named.
QString warned(const AlarmState &state, const Words &words, const QString &text)
{
    return state.unplayable ? words.ringing.arg(text, words.unplayable) : text;
}
} // namespace

QString stateText(const AlarmState &state, qint64 nowMs, const Zone &zone, Language language)
{
    const Words &words = wordsFor(language);
    const QLocale &locale = words.locale;
    if (state.kind != AlarmState::Rings)
        return reasonText(state, words);
    const QDateTime next = zone.at(state.next);
    return warned(state, words,
                  locale.toString(next, next.date().year() == zone.at(nowMs).date().year() ? words.rowDate : words.rowDateYear));
}

namespace {
// A ring far ahead names its date, one in another year its year too.
QString ringDate(qint64 ms, qint64 nowMs, const Zone &zone, const Words &words, const QLocale &locale, bool soonShort)
{
    const QDateTime at = zone.at(ms);
    if (soonShort && ms - nowMs < 6 * 24 * 60 * MinuteMs)
        return locale.toString(at, words.soonDate);
    return locale.toString(at, at.date().year() == zone.at(nowMs).date().year() ? words.summaryDate : words.summaryDateYear);
}
} // namespace

QString rowSentence(int alarm, const AlarmState &state, qint64 nowMs, const Zone &zone, Language language,
                    const QString &alarmName)
{
    const Words &words = wordsFor(language);
    const QLocale &locale = words.locale;
    const QString name = called(words, alarm, alarmName);
    // The same words as the save summary's, where it says why a row never rings.
    if (state.kind == AlarmState::Rings)
        return words.spoken.arg(name, warned(state, words, ringDate(state.next, nowMs, zone, words, locale, false)));
    if (state.kind == AlarmState::Off)
        return words.spoken.arg(name, words.off);
    if (state.kind == AlarmState::Silent)
        return words.spoken.arg(name, words.silent);
    return words.neverRings.arg(name, reasonText(state, words));
}

QString saveSummary(const AlarmStates &states, qint64 nowMs, const Zone &zone, Language language, const AlarmNames &names)
{
    const Words &words = wordsFor(language);
    const QLocale &locale = words.locale;
    QStringList lines;
    for (size_t k = 0; k < states.size(); ++k) {
        const AlarmState &state = states[k];
        const QString alarm = called(words, int(k) + 1, names[k]);
        if (state.kind == AlarmState::Rings)
            lines << warned(state, words, words.rings.arg(alarm, ringDate(state.next, nowMs, zone, words, locale, false),
                                                          untilText(state.next - nowMs, words, locale)));
        else if (state.kind == AlarmState::Silent)
            lines << words.row.arg(alarm, words.silent);
        else if (state.kind != AlarmState::Off)
            lines << words.neverRings.arg(alarm, reasonText(state, words));
    }
    return lines.isEmpty() ? words.noneSet : lines.join(u'\n');
}

QString saveSummaryTitle(Language language)
{
    return wordsFor(language).summaryTitle;
}

QString nextAlarmText(const AlarmStates &states, qint64 nowMs, const Zone &zone, Language language, const AlarmNames &names)
{
    const Words &words = wordsFor(language);
    std::optional<qint64> next;
    size_t first = 0;
    for (size_t k = 0; k < states.size(); ++k) {
        if (states[k].kind == AlarmState::Rings && (!next || states[k].next < *next)) {
            next = states[k].next;
            first = k;
        }
    }
    if (!next)
        return words.noNext;
    return withName(words, words.next.arg(ringDate(*next, nowMs, zone, words, words.locale, true)), names[first]);
}

QString ringingNotice(int alarm, const QString &clockText, Language language, OutputLevel output, bool silent,
                      const QString &name)
{
    const Words &words = wordsFor(language);
    // The clock's minute text is always 24-hour; the notice writes it as the language's clock reads.
    const QTime time = QTime::fromString(clockText, QStringLiteral("HH:mm"));
    const QString when = time.isValid() ? words.locale.toString(time, words.time) : clockText;
    const QString notice = withName(words, words.ringing.arg(words.alarm.arg(alarm), when), name);
    if (silent)
        return words.ringing.arg(notice, words.silentNotice);
    if (output == OutputLevel::Muted)
        return words.ringing.arg(notice, words.muted);
    if (output == OutputLevel::Zero)
        return words.ringing.arg(notice, words.zero);
    return notice;
}

QString closingNotice(const std::array<std::optional<qint64>, 10> &rings, qint64 nowMs, const Zone &zone, Language language,
                      const AlarmNames &names)
{
    const Words &words = wordsFor(language);
    const QLocale &locale = words.locale;
    QStringList ahead;
    for (size_t k = 0; k < rings.size(); ++k) {
        if (!rings[k] || *rings[k] <= nowMs || *rings[k] - nowMs > 24 * 60 * MinuteMs)
            continue;
        const QDateTime at = zone.at(*rings[k]);
        // Within a day, a weekday is enough to tell tomorrow from today.
        const QString when = at.date() == zone.at(nowMs).date() ? locale.toString(at, words.time)
                                                                : locale.toString(at, words.soonDate);
        const QString number = QString::number(k + 1);
        ahead << words.closingItem.arg(names[k].isEmpty() ? number : number + u' ' + words.quote.arg(names[k]), when);
    }
    if (ahead.isEmpty())
        return {};
    return (ahead.size() == 1 ? words.closingOne : words.closingMany).arg(locale.createSeparatedList(ahead));
}

QString closingTitle(Language language)
{
    return wordsFor(language).closingTitle;
}

QString rowLine(int alarm, const AlarmState &state, qint64 nowMs, const Zone &zone, Language language, const QString &name)
{
    return wordsFor(language).row.arg(called(wordsFor(language), alarm, name), stateText(state, nowMs, zone, language));
}

QString missedNotice(int alarm, qint64 atMs, qint64 nowMs, const Zone &zone, Language language, const QString &name)
{
    const Words &words = wordsFor(language);
    const QDateTime at = zone.at(atMs);
    const QString when = at.date() == zone.at(nowMs).date()
        ? words.locale.toString(at, words.time)
        : words.locale.toString(at, words.rowDate);
    if (name.isEmpty())
        return words.missed.arg(words.alarm.arg(alarm), when);
    return words.missed.arg(words.ringing.arg(words.alarm.arg(alarm), when), name);
}

QString snoozedNotice(int alarm, qint64 untilMs, const Zone &zone, Language language, const QString &name)
{
    const Words &words = wordsFor(language);
    const QString until = words.locale.toString(zone.at(untilMs), words.time);
    return name.isEmpty() ? words.snoozed.arg(alarm).arg(until) : words.snoozedNamed.arg(alarm).arg(words.quote.arg(name), until);
}

QString snoozeLabel(int minutes, Language language)
{
    return wordsFor(language).snooze.arg(minutes);
}

QString stopLabel(Language language)
{
    return wordsFor(language).stop;
}

QString showLabel(Language language)
{
    return wordsFor(language).show;
}

QString unplayableNotice(const QString &notice, Language language)
{
    const Words &words = wordsFor(language);
    return words.ringing.arg(notice, words.unplayable);
}
