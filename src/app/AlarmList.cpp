#include "AlarmList.h"

#include "AlarmRinger.h"
#include "AlarmTexts.h"
#include "AnnouncementSchedule.h"
#include "FileProblemTexts.h"
#include "FixedClock.h"
#include "TextNumber.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {
// "2026-12-05T07:30:00+01:00": the offset is written even where it is zero, as a script reading it expects.
QString isoWithOffset(const QDateTime &at)
{
    const int offset = at.offsetFromUtc();
    return at.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
        + QString::asprintf("%c%02d:%02d", offset < 0 ? '-' : '+', std::abs(offset) / 3600, std::abs(offset) % 3600 / 60);
}
} // namespace

int listAlarms(const Options &options)
{
    HPMOD shared;
    shared.CurrentLanguage = options.language;
    AlarmBook book(settingsFolder(options));
    if (const QList<FileProblem> problems = book.load(); !problems.isEmpty()) {
        QTextStream(stderr) << "kalindor: " << loadFailureText(problems, shared.CurrentLanguage) << Qt::endl;
        return 1;
    }
    const QDateTime now = options.at ? FixedClock(*options.at).now() : SystemClock().now();
    const Zone zone(now);
    const qint64 ms = now.toMSecsSinceEpoch();
    SoundFileCheck files;
    const AlarmStates states = alarmStates(book.rows(), ms, zone, [&files](const QString &file) { return files.plays(file); });
    QStringList lines;
    QJsonArray list;
    for (size_t k = 0; k < states.size(); ++k) {
        const AlarmState &state = states[k];
        if (state.kind == AlarmState::Off)
            continue;
        const bool rings = state.kind == AlarmState::Rings;
        const QString name = book.name(int(k) + 1);
        lines << rowLine(int(k) + 1, state, ms, zone, shared.CurrentLanguage, name);
        list << QJsonObject{{QStringLiteral("row"), int(k) + 1},
                            {QStringLiteral("name"), name.isEmpty() ? QJsonValue() : QJsonValue(name)},
                            {QStringLiteral("next"), rings ? QJsonValue(isoWithOffset(zone.at(state.next))) : QJsonValue()},
                            {QStringLiteral("reason"), rings ? QJsonValue() : QJsonValue(stateText(state, ms, zone, shared.CurrentLanguage))}};
    }
    QTextStream out(stdout);
    const QuietHours quiet = book.quietHours();
    const AlarmLoudness loudness = book.loudness();
    if (options.json) {
        const double every = leadingNumber(book.interval());
        const QJsonValue quietHours = quiet.none() ? QJsonValue()
                                                   : QJsonObject{{QStringLiteral("from"), quiet.from}, {QStringLiteral("to"), quiet.to}};
        const QJsonObject settings{
            {QStringLiteral("alarms"), list},
            {QStringLiteral("announcement"),
             QJsonObject{{QStringLiteral("every"), announcementDue(every, u"00") ? QJsonValue(every) : QJsonValue()},
                         {QStringLiteral("quiet"), quietHours}}},
            {QStringLiteral("alarmSound"),
             QJsonObject{{QStringLiteral("level"), loudness.percent}, {QStringLiteral("rise"), loudness.riseSeconds},
                         {QStringLiteral("snooze"), snoozeMinutesOf(book.soundSettings())}}}};
        out << QJsonDocument(settings).toJson(QJsonDocument::Compact) << Qt::endl;
        return 0;
    }
    if (lines.isEmpty())
        lines << saveSummary(states, ms, zone, shared.CurrentLanguage); // that no alarm is set
    lines << intervalText(book.interval(), quiet, shared.CurrentLanguage) << loudnessText(loudness, shared.CurrentLanguage);
    out << lines.join(u'\n') << Qt::endl;
    return 0;
}
