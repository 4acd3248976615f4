// Which alarms ring when, what each ringing alarm plays, what the user reads of them, all read from the
// alarm book without a window. How the changes of a zone's offset ring is the zone-rules test's.
#include "AlarmRinger.h"
#include "AlarmScheduler.h"
#include "FakeClock.h"
#include "RecordingDevice.h"
#include "Rows.h"

#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

namespace {

// "day month year hour minute", split at single spaces, so an empty box is two spaces; "_" is a space in a box.
AlarmBoxes boxesOf(const QString &text)
{
    const QStringList parts = text.split(u' ');
    AlarmBoxes boxes;
    for (size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = parts.value(qsizetype(i)).replace(u'_', u' ');
    return boxes;
}

const QDate Today(2026, 12, 5);
} // namespace

class TestAlarms : public QObject
{
    Q_OBJECT
private slots:
    void matching_data() { addRows("alarms_matching", {"boxes", "date", "time", "due"}); }
    void matching()
    {
        const QTime at = QTime::fromString(cell("time"));
        QCOMPARE(AlarmPattern(boxesOf(cell("boxes"))).matches(LocalMinute(QDate::fromString(cell("date"), Qt::ISODate), at.hour(), at.minute())),
                 cell("due") == "1");
    }

    // The next-ring search agrees with the matching at every minute of a year, for generated rows,
    // including the reasons given for rows that never ring.
    void nextRingAgreesWithMatching_data() { addRows("alarms_zones", {"zone"}); }
    void watch_data() { addRows("alarms_watch", {"others", "steps"}); }
    void watch()
    {
        const QStringList steps = cell("steps").split(u'|');
        std::array<AlarmPattern, 10> alarms;
        alarms[2] = AlarmPattern(boxesOf(QStringLiteral("5 12 2026 7 30")));
        for (const QString &other : cell("others").split(u';', Qt::SkipEmptyParts))
            alarms[size_t(other.section(u'=', 0, 0).toInt() - 1)] = AlarmPattern(boxesOf(other.section(u'=', 1)));
        AlarmWatch watch;
        QDateTime now;
        for (const QString &step : steps) {
            const QStringList words = step.split(u' ');
            if (words[0] == QLatin1String("snooze")) {
                watch.snooze(3, now, words.size() > 1 ? words[1].toInt() : 10);
                continue;
            }
            if (words[0] == QLatin1String("stop")) {
                watch.stop(3, now);
                continue;
            }
            now = QDateTime(Today, QTime::fromString(words[0]));
            const AlarmCheck found = watch.check(alarms, now);
            QString seen = found.ringing[2] ? QStringLiteral("ring") : QStringLiteral("-");
            if (found.starting[2])
                seen += QStringLiteral(" new");
            QStringList missed;
            for (const auto &each : found.missed)
                missed << QStringLiteral("%1 %2").arg(each.alarm).arg(QDateTime::fromMSecsSinceEpoch(each.at).toString("HH:mm"));
            if (!missed.isEmpty())
                seen += QStringLiteral(" missed ") + missed.join(QStringLiteral(", "));
            QCOMPARE(QString(words[0] + u' ' + seen), step);
        }
    }

    void stateTexts_data() { addRows("alarms_states", {"boxes", "language", "text"}); }
    void stateTexts()
    {
        const QDateTime now(Today, QTime(7, 0));
        const Zone zone(now);
        QTEST(stateText(alarmState(boxesOf(cell("boxes")), now.toMSecsSinceEpoch(), zone, cell("boxes").endsWith(" silent")),
                        now.toMSecsSinceEpoch(), zone,
                        Language(cell("language").toInt())), "text");
    }

    // Each text that names alarm 3, which rings at 07:30, carries its name.
    void namedTexts_data() { addRows("alarms_named", {"text", "language", "expected"}); }
    void namedTexts()
    {
        const qint64 ms = QDateTime(Today, QTime(7, 0)).toMSecsSinceEpoch();
        const Zone zone(QDateTime(Today, QTime(7, 0)));
        // The rows of an American desktop run in a test of their own, as the locale is the process's.
        const bool american = cell("language") == "en_US";
        if (american != (QLocale::system().name() == "en_US"))
            QSKIP("another desktop's row");
        const Language language = american ? English : Language(cell("language").toInt());
        const QString name = QStringLiteral("Müll – ☕ 薬"), text = cell("text");
        const AlarmNames names = {{{}, {}, name}};
        AlarmStates states;
        states[2] = {AlarmState::Rings, ms + 30 * MinuteMs};
        states[4] = {AlarmState::Rings, ms + 40 * MinuteMs}; // unnamed
        const std::array<std::optional<qint64>, 10> rings = {{{}, {}, states[2].next}};
        const QString made = text == "ringing" ? ringingNotice(3, "07:30", language, OutputLevel::Unknown, false, name)
            : text == "missed"  ? missedNotice(3, ms - 30 * MinuteMs, ms, zone, language, name)
            : text == "snoozed" ? snoozedNotice(3, ms + 45 * MinuteMs, zone, language, name)
            : text == "summary" ? saveSummary(states, ms, zone, language, names)
            : text == "closing" ? closingNotice(rings, ms, zone, language, names)
            : text == "next"    ? nextAlarmText(states, ms, zone, language, names)
                                : rowSentence(3, states[2], ms, zone, language, name);
        QTEST(made, "expected");
    }

    void sounds_data() { addRows("alarms_sounds", {"alarm", "caption", "options", "language", "samples", "file", "captionAfter"}); }
    void sounds()
    {
        QFETCH(QString, file);
        const int k = cell("alarm").toInt();
        AlarmBook book(QStringLiteral("/nonexistent"));
        const QStringList chosen = cell("options").split(u' ') << cell("caption");
        for (int i = 0; i < 4; ++i)
            book.setField(k, 5 + i, chosen[i]);
        RecordingSpeaker speaker;
        soundAlarms(book, std::bitset<10>().set(size_t(k - 1)), Language(cell("language").toInt()), speaker);
        QCOMPARE(speaker.ids, idList(cell("samples")));
        QCOMPARE(speaker.files, file == "none" ? QStringList() : QStringList{file});
        QTEST(book.row(k).waveFile, "captionAfter");
        QCOMPARE(book.savedRows(), AlarmRecords()); // the repaired caption is not saved by itself
    }

    // Typed on a Saturday: the working-day alarm names Monday, the time left rounded up, the hour typed 07
    // is named, a row with no sound (alarm 10, sooner than alarm 1) is named silent and is not the next
    // alarm, off rows are left out. At its minute the silent row matches, plays nothing, and says why.
    void ringerTellsWhatIsSet()
    {
        QTemporaryDir dir;
        AlarmBook book(dir.path());
        book.load(); // no files: rows of zeros, no sound chosen
        HPMOD shared;
        FakeClock clock(QDateTime(Today, QTime(7, 0, 30)));
        RecordingSpeaker speaker;
        AlarmRinger ringer(book, shared, clock, speaker);
        QStringList next, notices;
        connect(&ringer, &AlarmRinger::nextAlarm, [&](const QString &text) { next << text; });
        connect(&ringer, &AlarmRinger::notice, [&](const AlarmNotice &notice) { notices << notice.summary; });
        for (const auto &[alarm, boxes] : {std::pair{1, "Mon-Fri * * 6 45"}, {3, "5 12 2026 07 30"}, {10, "5 12 2026 7 13"}})
            for (int i = 0; i < 5; ++i)
                book.setField(alarm, i, QString(boxes).section(u' ', i, i));
        ringer.check(clock.now(), "07:00");
        const QString silent = "aucun son choisi : cliquez sur Gong, Sonnerie, Rendez-vous ou Browse";
        QCOMPARE(ringer.rowState(1, boxesOf("Mon-Fri * * 6 45")).text, silent);
        QVERIFY(!book.chooseSound(1, {"0", "0", "1", "Browse"}));
        QCOMPARE(ringer.rowState(1, boxesOf("Mon-Fri * * 6 45")).text, QString("lun. 7 déc. 06:45"));
        ringer.check(clock.now(), "07:00");
        QCOMPARE(next, (QStringList{"Aucune alarme à venir", "Prochaine alarme : lundi 06:45"}));
        const QString unplayable = " — fichier illisible : l'alerte par défaut sonnera";
        QVERIFY(!book.chooseSound(1, {"0", "0", "0", QStringLiteral(__FILE__)})); // a file that is no sound
        const RowState state = ringer.rowState(1, boxesOf("Mon-Fri * * 6 45"));
        QVERIFY(state.text == "lun. 7 déc. 06:45" + unplayable && !state.fine);
        QVERIFY(book.save().isEmpty());
        QCOMPARE(ringer.savedSummary(), "Alarme 1 : lundi 7 décembre à 06:45, dans 1 j 23 h 45 min" + unplayable + "\n"
                                        "Alarme 3 : ne sonnera pas, Heure « 07 » : tapez 7\n"
                                        "Alarme 10 : " + silent);
        clock.set(7, 13, 0);
        ringer.check(clock.now(), "07:13");
        QCOMPARE(notices, QStringList{"Alarme 10 — 07:13 — aucun son choisi"});
        QVERIFY(speaker.ids.empty() && speaker.files.isEmpty());
    }

    // A look that the kernel holds (a share gone quiet) is waited for only so long, taken as playing, not
    // started again while it is held, and its answer counts once it comes. Were the wait unbounded, the
    // held look would hold this test until its time limit.
    void fileLookWaitsOnlySoLong()
    {
        const auto held = std::make_shared<QSemaphore>(), looks = std::make_shared<QSemaphore>();
        SoundFileCheck files([held, looks](const QString &) { looks->release(); held->acquire(); return false; }, 20);
        QVERIFY(files.plays("/share/gone/alarm.wav") && files.plays("/share/gone/alarm.wav"));
        QCOMPARE(looks->available(), 1);
        held->release();
        QTRY_VERIFY(!files.plays("/share/gone/alarm.wav"));
        QVERIFY(files.plays("Browse") && looks->available() == 1); // nothing chosen; unchanged, not looked at again
    }
};

QTEST_GUILESS_MAIN(TestAlarms)
#include "tst_alarms.moc"
