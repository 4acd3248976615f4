// Which alarms ring when, through the local zone; what each ringing alarm plays; what the user reads of them.
#include "AlarmScheduler.h"
#include "AlarmTexts.h"
#include "RecordingDevice.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTimeZone>

namespace {
// Ten rows as the settings window would show them; all "0" boxes and "Browse" until a test sets them.
class FakeRows final : public AlarmRows
{
public:
    FakeRows()
    {
        for (auto &row : boxes_)
            row.fill(QStringLiteral("0"));
        captions.fill(NoWaveFile);
    }
    AlarmBoxes boxes(int alarm) const override { return boxes_[size_t(alarm - 1)]; }
    QString waveCaption(int alarm) const override { return captions[size_t(alarm - 1)]; }
    void setWaveCaption(int alarm, const QString &caption) override { captions[size_t(alarm - 1)] = caption; }

    std::array<AlarmBoxes, 10> boxes_;
    std::array<QString, 10> captions;
};

// "day month year hour minute", split at single spaces, so an empty box is two spaces; "_" is a space in a box.
AlarmBoxes boxesOf(const QString &text)
{
    const QStringList parts = text.split(u' ');
    AlarmBoxes boxes;
    for (size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = parts.value(qsizetype(i)).replace(u'_', u' ');
    return boxes;
}

qint64 utc(const char *iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toMSecsSinceEpoch();
}

Zone zoneNamed(const QByteArray &name)
{
    return Zone(QDateTime::fromMSecsSinceEpoch(0, QTimeZone(name)));
}

bool ringsAt(const AlarmPattern &pattern, qint64 ms, const Zone &zone)
{
    const LocalMinutes minutes = minutesRingingAt(ms, zone);
    return std::any_of(minutes.begin(), minutes.end(), [&](const LocalMinute &m) { return pattern.matches(m); });
}

const QDate Today(2026, 12, 5);
} // namespace

class TestAlarms : public QObject
{
    Q_OBJECT
private slots:
    // What the boxes mean, at chosen local minutes; 5 December 2026 is a Saturday.
    void matching_data()
    {
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<bool>("due");
        const QTime half(7, 30);
        const QDate friday(2026, 12, 4), wednesday(2026, 12, 9);
        QTest::newRow("exact minute") << "5 12 2026 7 30" << Today << half << true;
        QTest::newRow("day typed 05") << "05 12 2026 7 30" << Today << half << false;
        QTest::newRow("hour typed 07") << "5 12 2026 07 30" << Today << half << false;
        QTest::newRow("midnight typed 0 0") << "5 12 2026 0 0" << Today << QTime(0, 0) << true;
        QTest::newRow("day 1 month 12 is not day 11 month 2") << "1 12 2026 7 30" << QDate(2026, 2, 11) << half << false;
        QTest::newRow("hour 1 minute 23 is not 12:03") << "5 12 2026 1 23" << Today << QTime(12, 3) << false;
        QTest::newRow("all boxes empty") << "    " << Today << half << false;
        QTest::newRow("*7 is no repeat") << "*7 12 2026 7 30" << Today << half << false;
        QTest::newRow("Mon-Fri on a Friday") << "Mon-Fri * * 7 30" << friday << half << true;
        QTest::newRow("Mon-Fri on a Saturday") << "Mon-Fri * * 7 30" << Today << half << false;
        QTest::newRow("French Lun-Ven on a Friday") << "Lun-Ven * * 7 30" << friday << half << true;
        QTest::newRow("fri-mon wraps to Saturday, in any case") << "fri-MON * * 7 30" << Today << half << true;
        QTest::newRow("German Mo-Fr on a Saturday") << "Mo-Fr * * 7 30" << Today << half << false;
        QTest::newRow("Sat,,Sun is no form") << "Sat,,Sun * * 7 30" << Today << half << false;
        QTest::newRow("a space spoils the form") << "Sat,_Sun * * 7 30" << Today << half << false;
        QTest::newRow("weekday in the month box") << "5 Sat 2026 7 30" << Today << half << false;
    }
    void matching()
    {
        QFETCH(QString, boxes);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QTEST(AlarmPattern(boxesOf(boxes)).matches(LocalMinute(date, time.hour(), time.minute())), "due");
    }

    // Real instants in zones of both hemispheres, across both changes of the clocks each.
    void daylightSaving_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<qint64>("at");
        QTest::addColumn<bool>("due");
        const auto row = [](const char *name, const char *zone, const char *boxes, const char *at, bool due) {
            QTest::newRow(name) << QByteArray(zone) << QString::fromLatin1(boxes) << utc(at) << due;
        };
        // Paris goes back at 01:00 UTC on 25 October 2026 and forward at 01:00 UTC on 28 March 2027.
        row("Paris repeated 2:30, first pass", "Europe/Paris", "25 10 2026 2 30", "2026-10-25T00:30:20Z", true);
        row("Paris repeated 2:30, second pass", "Europe/Paris", "25 10 2026 2 30", "2026-10-25T01:30:20Z", false);
        row("Paris daily 2:30, second pass", "Europe/Paris", "* * * 2 30", "2026-10-25T01:30:59Z", false);
        row("Paris Sundays 2:00, second pass", "Europe/Paris", "Sun * * 2 0", "2026-10-25T01:00:00Z", false);
        row("Paris 1:59, once", "Europe/Paris", "25 10 2026 1 59", "2026-10-24T23:59:00Z", true);
        row("Paris skipped 2:30, at 3:00", "Europe/Paris", "28 3 2027 2 30", "2027-03-28T01:00:30Z", true);
        row("Paris skipped 2:30, not before", "Europe/Paris", "28 3 2027 2 30", "2027-03-28T00:59:59Z", false);
        row("Paris skipped 2:30, not at 3:01", "Europe/Paris", "28 3 2027 2 30", "2027-03-28T01:01:00Z", false);
        row("Paris daily 2:30, the day after", "Europe/Paris", "* * * 2 30", "2027-03-29T00:30:10Z", true);
        row("Paris 3:00 on the day of the gap", "Europe/Paris", "28 3 2027 3 0", "2027-03-28T01:00:00Z", true);
        // New York goes back at 06:00 UTC on 1 November 2026 and forward at 07:00 UTC on 14 March 2027.
        row("New York 1:30, first pass", "America/New_York", "1 11 2026 1 30", "2026-11-01T05:30:00Z", true);
        row("New York 1:30, second pass", "America/New_York", "1 11 2026 1 30", "2026-11-01T06:30:00Z", false);
        row("New York skipped 2:15, at 3:00", "America/New_York", "* * * 2 15", "2027-03-14T07:00:45Z", true);
        // Sydney goes forward at 16:00 UTC on 3 October 2026 and back at 16:00 UTC on 3 April 2027.
        row("Sydney skipped 2:30, at 3:00", "Australia/Sydney", "4 10 2026 2 30", "2026-10-03T16:00:10Z", true);
        row("Sydney repeated 2:30, first pass", "Australia/Sydney", "4 4 2027 2 30", "2027-04-03T15:30:00Z", true);
        row("Sydney repeated 2:30, second pass", "Australia/Sydney", "4 4 2027 2 30", "2027-04-03T16:30:00Z", false);
        row("Tokyo keeps its time", "Asia/Tokyo", "5 12 2026 7 30", "2026-12-04T22:30:10Z", true);
        row("Tokyo, a minute on", "Asia/Tokyo", "5 12 2026 7 30", "2026-12-04T22:31:00Z", false);
    }
    void daylightSaving()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, boxes);
        QFETCH(qint64, at);
        QTEST(ringsAt(AlarmPattern(boxesOf(boxes)), at, zoneNamed(zone)), "due");
    }

    // The next-ring search agrees with the matching at every minute of a year, for generated rows,
    // including the reasons given for rows that never ring.
    void nextRingAgreesWithMatching_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("Europe/Paris") << QByteArray("Europe/Paris");
        QTest::newRow("Australia/Sydney") << QByteArray("Australia/Sydney");
    }
    void nextRingAgreesWithMatching()
    {
        QFETCH(QByteArray, zone);
        const Zone local = zoneNamed(zone);
        const qint64 start = utc("2026-07-01T00:00:00Z");
        // A year: every minute of the two days either side of a change of the clocks, every seventh
        // minute elsewhere (which meets every minute of the hour in turn), each looked at in its middle.
        const qint64 end = start + 365 * 1440 * MinuteMs, twoDays = 2 * 1440 * MinuteMs;
        std::vector<qint64> changes;
        for (const auto &change : QTimeZone(zone).transitions(QDateTime::fromMSecsSinceEpoch(start, Qt::UTC),
                                                              QDateTime::fromMSecsSinceEpoch(end, Qt::UTC)))
            changes.push_back(change.atUtc.toMSecsSinceEpoch());
        QCOMPARE(changes.size(), size_t(2));
        std::vector<qint64> instants;
        instants.reserve(200000);
        for (qint64 t = start + 30000; t < end; t += MinuteMs) {
            if ((t / MinuteMs) % 7 == 0 || std::any_of(changes.begin(), changes.end(), [&](qint64 c) { return std::abs(t - c) < twoDays; }))
                instants.push_back(t);
        }
        // What rings at each of them, worked out once for all the rows.
        std::vector<LocalMinute> ringing;
        std::vector<size_t> firstOf;
        ringing.reserve(instants.size() + 1000);
        firstOf.reserve(instants.size() + 1);
        for (qint64 t : instants) {
            firstOf.push_back(ringing.size());
            const LocalMinutes minutes = minutesRingingAt(t, local);
            ringing.insert(ringing.end(), minutes.begin(), minutes.end());
        }
        firstOf.push_back(ringing.size());

        QRandomGenerator random(20261207);
        const auto pick = [&](const QStringList &choices, int low, int high) {
            const int i = int(random.bounded(choices.size() + 2));
            return i < choices.size() ? choices[i] : QString::number(random.bounded(low, high + 1));
        };
        for (int r = 0; r < 150; ++r) {
            const AlarmBoxes boxes{pick({"*", "4", "25", "28", "29", "30", "31", "Sun", "Mon-Fri", "Sat,Sun", "05", "0"}, 1, 31),
                                   pick({"*", "*", "3", "4", "10", "2"}, 1, 12),
                                   pick({"*", "*", "2026", "2027", "2025"}, 2026, 2027),
                                   pick({"*", "1", "2", "2", "3", "02"}, 0, 23),
                                   pick({"0", "30", "59", "00"}, 0, 59)};
            const AlarmPattern pattern(boxes);
            const auto first = nextRing(pattern, start - MinuteMs, local);
            const AlarmState state = alarmState(boxes, start - MinuteMs, local);
            const QString name = QStringList(boxes.begin(), boxes.end()).join(u' ');
            QVERIFY2(state.kind == AlarmState::Rings ? first == state.next : !first, qPrintable(name));
            auto ring = first;
            for (size_t i = 0; i < instants.size(); ++i) {
                const qint64 t = instants[i];
                while (ring && *ring + MinuteMs <= t)
                    ring = nextRing(pattern, *ring, local);
                const bool matched = std::any_of(ringing.begin() + qsizetype(firstOf[i]), ringing.begin() + qsizetype(firstOf[i + 1]),
                                                 [&](const LocalMinute &m) { return pattern.matches(m); });
                if (matched != (ring && *ring <= t))
                    QFAIL(qPrintable(QStringLiteral("%1 at %2: matching %3, next ring %4")
                                         .arg(name, local.at(t).toString(Qt::ISODate)).arg(matched)
                                         .arg(ring ? local.at(*ring).toString(Qt::ISODate) : QStringLiteral("never"))));
            }
        }
    }

    // A run of checks and snoozes from 07:29 on 5 December 2026: "07:30:05 ring new" rings and tells,
    // "07:30:10 ring" rings again, "07:31:00 -" is silent, "07:36:00 missed 07:30", "snooze".
    void watch_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("rings through its minute")
            << QStringList{"07:29:59 -", "07:30:00 ring new", "07:30:59 ring", "07:31:00 -"};
        QTest::newRow("woken inside the minute rings the rest") << QStringList{"07:29:59 -", "07:30:40 ring new"};
        QTest::newRow("a jump over the minute is missed, not rung")
            << QStringList{"07:29:59 -", "07:36:00 missed 07:30", "07:36:01 -"};
        QTest::newRow("a small step over the minute rings at once for a minute")
            << QStringList{"07:29:59 -", "07:31:30 ring new", "07:32:29 ring", "07:32:30 -"};
        QTest::newRow("snoozed: silent, then again ten minutes on")
            << QStringList{"07:30:05 ring new", "snooze", "07:30:10 -", "07:39:59 -", "07:40:00 ring new", "07:40:59 ring", "07:41:00 -"};
        QTest::newRow("snoozed again") << QStringList{"07:30:05 ring new", "snooze", "07:40:01 ring new", "snooze", "07:40:30 -",
                                                      "07:50:00 ring new"};
        QTest::newRow("a snooze slept through is missed") << QStringList{"07:30:05 ring new", "snooze", "07:39:00 -",
                                                                        "07:45:00 missed 07:40", "07:45:01 -"};
        QTest::newRow("a clock set back rings the minute again")
            << QStringList{"07:30:05 ring new", "snooze", "07:31:00 -", "07:30:10 ring"};
    }
    void watch()
    {
        QFETCH(QStringList, steps);
        std::array<AlarmPattern, 10> alarms;
        alarms[2] = AlarmPattern(boxesOf(QStringLiteral("5 12 2026 7 30")));
        AlarmWatch watch;
        QDateTime now;
        for (const QString &step : steps) {
            const QStringList words = step.split(u' ');
            if (words[0] == QLatin1String("snooze")) {
                watch.snooze(3, now);
                continue;
            }
            now = QDateTime(Today, QTime::fromString(words[0]));
            const AlarmCheck found = watch.check(alarms, now);
            QString seen = found.ringing[2] ? QStringLiteral("ring") : QStringLiteral("-");
            if (found.starting[2])
                seen += QStringLiteral(" new");
            for (const auto &missed : found.missed)
                seen = QStringLiteral("missed %1").arg(QDateTime::fromMSecsSinceEpoch(missed.at).toString("HH:mm"));
            QCOMPARE(QString(words[0] + u' ' + seen), step);
        }
    }

    // What a row says beside it, on Saturday 5 December 2026 at 07:00, in each language.
    void stateTexts_data()
    {
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("today") << "5 12 2026 7 30" << 0 << "sam. 5 déc. 07:30";
        QTest::newRow("working days, German") << "Mon-Fri * * 6 45" << 1 << "Mo. 7. Dez. 06:45";
        QTest::newRow("next year") << "5 12 2027 7 30" << 2 << "Sun 5 Dec 2027 07:30";
        QTest::newRow("off") << "0 0 0 0 0" << 0 << "arrêtée";
        QTest::newRow("hour typed 07") << "5 12 2026 07 30" << 0 << "Heure « 07 » : tapez 7";
        QTest::newRow("year with a space") << "5 12 2026_ 7 30" << 2 << "Year ‘2026 ’: type 2026";
        QTest::newRow("minute 7:30") << "5 12 2026 7 7:30" << 1 << "Minute „7:30“: klingelt nie";
        QTest::newRow("day left empty") << " 12 2026 7 30" << 0 << "Jour vide : ne sonne jamais";
        QTest::newRow("31 April") << "31 4 * 7 30" << 0 << "le 31 avril n'existe pas";
        QTest::newRow("29 February 2027") << "29 2 2027 7 30" << 2 << "29 February 2027 does not exist";
        QTest::newRow("29 February, every year") << "29 2 * 7 30" << 2 << "Tue 29 Feb 2028 07:30";
        QTest::newRow("already past") << "5 12 2026 6 59" << 0 << "date passée";
    }
    void stateTexts()
    {
        QFETCH(QString, boxes);
        QFETCH(int, language);
        const AlarmBoxes texts = boxesOf(boxes);
        const QDateTime now(Today, QTime(7, 0));
        const Zone zone(now);
        QTEST(stateText(alarmState(texts, now.toMSecsSinceEpoch(), zone), now.toMSecsSinceEpoch(), zone, Language(language)),
              "text");
    }

    // Save on a Saturday: the working-day alarm names Monday, the hour typed 07 is named, off rows are left out.
    void summaries()
    {
        std::array<AlarmBoxes, 10> rows;
        rows.fill(boxesOf(QStringLiteral("0 0 0 0 0")));
        rows[0] = boxesOf(QStringLiteral("Mon-Fri * * 6 45"));
        rows[2] = boxesOf(QStringLiteral("5 12 2026 07 30"));
        const QDateTime now(Today, QTime(7, 0));
        const Zone zone(now);
        const qint64 ms = now.toMSecsSinceEpoch();
        const AlarmStates states = alarmStates(rows, ms, zone);
        QCOMPARE(saveSummary(states, ms, zone, French),
                 QString("Alarme 1 : lundi 7 décembre à 06:45, dans 1 j 23 h 45 min\n"
                         "Alarme 3 : ne sonnera pas, Heure « 07 » : tapez 7"));
        QCOMPARE(nextAlarmText(states, ms, zone, French), QString("Prochaine alarme : lundi 06:45"));
        QCOMPARE(saveSummary(alarmStates({}, ms, zone), ms, zone, English), QString("No alarm is set."));
        QCOMPARE(missedNotice(3, ms - 30 * MinuteMs, ms, zone, English), QString("Alarm 3 — 06:30 — missed"));
        QCOMPARE(missedNotice(3, ms - 1440 * MinuteMs, ms, zone, French), QString("Alarme 3 — ven. 4 déc. 07:00 — manquée"));
    }

    void sounds_data()
    {
        QTest::addColumn<int>("alarm");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("options"); // gong, ring, meeting
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("samples");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("captionAfter");
        const QStringList none{"0", "0", "0"};
        QTest::newRow("Browse and no option is silent") << 3 << "Browse" << none << 0 << "" << QStringList{} << "Browse";
        QTest::newRow("meeting German") << 3 << "Browse" << QStringList{"0", "0", "1"} << 1 << "66 67 125" << QStringList{} << "Browse";
        QTest::newRow("hand-edited record with all three") << 3 << "Browse" << QStringList{"1", "1", "1"} << 2
                                                           << "66 67 66 67 195" << QStringList{} << "Browse";
        QTest::newRow("letters are not selected") << 3 << "Browse" << QStringList{"x", "yes", "one"} << 0 << "" << QStringList{} << "Browse";
        QTest::newRow("wave file wins over options") << 3 << "/home/me/wake up.wav" << QStringList{"1", "1", "1"} << 0 << ""
                                                     << QStringList{"/home/me/wake up.wav"} << "/home/me/wake up.wav";
        QTest::newRow("alarm 1 empty caption repaired") << 1 << "" << none << 0 << ""
                                                        << QStringList{DefaultAlarmFile} << DefaultAlarmFile;
        QTest::newRow("alarm 2 empty caption stays empty") << 2 << "" << none << 0 << "" << QStringList{""} << "";
    }
    void sounds()
    {
        QFETCH(int, alarm);
        QFETCH(QString, caption);
        QFETCH(QStringList, options);
        QFETCH(int, language);
        FakeRows rows;
        rows.captions[size_t(alarm - 1)] = caption;
        AlarmRecords table;
        table[size_t(alarm - 1)].gong = options[0];
        table[size_t(alarm - 1)].ring = options[1];
        table[size_t(alarm - 1)].meeting = options[2];
        RecordingSpeaker speaker;
        soundAlarms(rows, table, std::bitset<10>().set(size_t(alarm - 1)), Language(language), speaker);
        QFETCH(QString, samples);
        QCOMPARE(speaker.ids, idList(samples));
        QTEST(speaker.files, "files");
        QTEST(rows.waveCaption(alarm), "captionAfter");
    }

    void alarmsOfOneMinuteSoundInOrder()
    {
        FakeRows rows;
        AlarmRecords table;
        table[1].gong = table[8].gong = table[4].ring = "1";
        rows.captions[8] = "/tmp/nine.wav";
        RecordingSpeaker speaker;
        QList<int> told;
        soundAlarms(rows, table, std::bitset<10>("0100010010"), French, speaker, [&](int alarm) { told << alarm; });
        QCOMPARE(speaker.ids, idList("66 67")); // alarm 2 then alarm 5
        QCOMPARE(speaker.files, QStringList{"/tmp/nine.wav"});
        QCOMPARE(told, (QList<int>{2, 5, 9}));
    }
};

QTEST_GUILESS_MAIN(TestAlarms)
#include "tst_alarms.moc"
