// When alarms ring, checked against the zone rules themselves: every change of offset that the machine's
// zone data holds from 2020 to 2030, in every zone, through local time as the running program reads it.
#include "Clock.h"
#include "RingTime.h"

#include <QTest>

#include <set>

namespace {
// From when (ms since the epoch) an offset (ms east of UTC) holds.
using Period = std::pair<qint64, qint64>;

// The instant a wall-clock minute (ms as if the wall clock were UTC) first begins in real time; a minute
// that never shows rings where the gap ends.
qint64 ruledRing(qint64 wall, const std::vector<Period> &periods)
{
    std::optional<qint64> first;
    for (size_t i = 0; i < periods.size(); ++i) {
        const qint64 at = wall - periods[i].second;
        if (at >= periods[i].first && (i + 1 == periods.size() || at < periods[i + 1].first) && (!first || at < *first))
            first = at;
    }
    for (size_t i = 1; !first && i < periods.size(); ++i) {
        if (wall >= periods[i].first + periods[i - 1].second && wall < periods[i].first + periods[i].second)
            first = periods[i].first;
    }
    return *first;
}
} // namespace

class TestZoneRules : public QObject
{
    Q_OBJECT
private slots:
    // Zones that share their rules over these years are compared once. The zone is named by TZ, as a
    // user or a session names it.
    void everyChangeOfOffset()
    {
        const QDateTime from(QDate(2020, 1, 1), QTime(0, 0), QTimeZone::utc()), to(QDate(2031, 1, 1), QTime(0, 0), QTimeZone::utc());
        std::set<std::vector<Period>> compared;
        for (const QByteArray &id : QTimeZone::availableTimeZoneIds()) {
            const QTimeZone rules(id);
            std::vector<Period> periods{{from.toMSecsSinceEpoch(), rules.offsetFromUtc(from) * 1000LL}};
            for (const QTimeZone::OffsetData &change : rules.transitions(from, to)) {
                if (change.offsetFromUtc * 1000LL != periods.back().second)
                    periods.push_back({change.atUtc.toMSecsSinceEpoch(), change.offsetFromUtc * 1000LL});
            }
            if (periods.size() == 1 || !compared.insert(periods).second)
                continue;
            qputenv("TZ", id);
            // Half the zones through the clock, half through a reading of Qt's local time.
            const Zone zone = compared.size() % 2 ? Zone(SystemClock().now()) : Zone(QDateTime::currentDateTime());
            for (size_t i = 1; i < periods.size(); ++i) {
                const qint64 change = periods[i].first;
                const auto [low, high] = std::minmax(periods[i - 1].second, periods[i].second);
                // Every minute shown twice or never, and two either side of them.
                for (qint64 wall = change + low - 2 * MinuteMs; wall <= change + high + MinuteMs; wall += MinuteMs) {
                    const qint64 ring = ruledRing(wall, periods);
                    const QDateTime shown = QDateTime::fromMSecsSinceEpoch(wall, QTimeZone::utc());
                    const LocalMinute m(shown.date(), shown.time().hour(), shown.time().minute());
                    const AlarmPattern once({QString::number(m.day), QString::number(m.month), QString::number(m.year),
                                             QString::number(m.hour), QString::number(m.minute)});
                    QVERIFY2(ringStart(m, zone) == ring && nextRing(once, change - 6 * 3600000, zone) == ring
                                 && !nextRing(once, ring, zone),
                             qPrintable(id + shown.toString(" yyyy-MM-dd HH:mm")));
                }
                // What rings in the middle of each minute around the change: the minutes whose ringing minute holds it.
                for (qint64 t = change - (high - low) - 5 * MinuteMs / 2; t < change + (high - low) + 2 * MinuteMs; t += MinuteMs) {
                    std::set<qint64> expected, found;
                    for (qint64 wall = (t + low) / MinuteMs * MinuteMs - 2 * MinuteMs; wall <= t + high + MinuteMs; wall += MinuteMs) {
                        if (const qint64 ring = ruledRing(wall, periods); ring <= t && t < ring + MinuteMs)
                            expected.insert(wall);
                    }
                    for (const LocalMinute &m : minutesRingingAt(t, zone))
                        found.insert(QDateTime(m.date(), QTime(m.hour, m.minute), QTimeZone::utc()).toMSecsSinceEpoch());
                    QVERIFY2(found == expected, qPrintable(id + QDateTime::fromMSecsSinceEpoch(t, QTimeZone::utc()).toString(" yyyy-MM-ddTHH:mm:ssZ")));
                }
            }
        }
        QVERIFY(compared.size() > 20);
    }
};

QTEST_GUILESS_MAIN(TestZoneRules)
#include "tst_zonerules.moc"
