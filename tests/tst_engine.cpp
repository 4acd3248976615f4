// The clock engine with no window and no display: the tick and the minute it writes, the flags and the
// phrases they speak, the date line, the periodic announcement and its quiet hours, an alarm's minute,
// and what waits while a sound plays.
#include "EngineRig.h"
#include "Rows.h"

#include <QTest>
#include <QTimeZone>

namespace {
// What the speaker was asked, in order: the identifiers, then "stop" if the phrase stopped the sound.
QString heard(const RecordingSpeaker &speaker)
{
    QStringList words;
    for (int id : speaker.ids)
        words << QString::number(id);
    for (int i = 0; i < speaker.stops; ++i)
        words << QStringLiteral("stop");
    return words.join(u' ');
}

// "07:30", "07:30:05" or "07:30:05.250".
QTime timeOf(const QString &text)
{
    for (const char *format : {"HH:mm:ss.zzz", "HH:mm:ss", "HH:mm"}) {
        if (const QTime time = QTime::fromString(text, QLatin1String(format)); time.isValid())
            return time;
    }
    return {};
}
} // namespace

class TestEngine : public QObject
{
    Q_OBJECT
private slots:
    // The flags at chosen moments speak the time, or the date line the date, in their language.
    void speech_data() { addRows("engine_speech", {"moment", "what", "fr", "de", "en"}); }
    void speech()
    {
        EngineRig rig;
        rig.clock.set(QDateTime::fromString(cell("moment"), Qt::ISODate));
        rig.engine->Timer1_Timer(); // the tick leaves MinuteCell, which English speaks
        for (Language language : {French, German, English}) {
            rig.engine->speakTime(language);
            QCOMPARE(rig.engine->shared().CurrentLanguage, language);
            if (cell("what") == "date") {
                rig.speaker.clear();
                rig.engine->speakDate();
            }
            QCOMPARE(heard(rig.speaker), (QStringList{cell("fr"), cell("de"), cell("en")}[language]));
            rig.speaker.clear();
        }
    }

    void calendar_data() { addRows("engine_calendar", {"date", "language", "line"}); }
    void calendar()
    {
        EngineRig rig;
        rig.clock.set(QDateTime(QDate::fromString(cell("date"), Qt::ISODate), QTime(9, 0)));
        rig.engine->Timer1_Timer();
        QVERIFY(rig.engine->shown().dateLine.isEmpty()); // until a flag writes it
        rig.engine->speakTime(Language(cell("language").toInt()));
        QTEST(rig.engine->shown().dateLine, "line");
    }

    // A date line once written follows a new date at midnight and in a new zone; one never written stays empty.
    void newDayMovesTheDateLine()
    {
        EngineRig rig(QDateTime(QDate(2026, 12, 4), QTime(23, 59, 30), QTimeZone::utc()));
        int written = 0;
        connect(rig.engine.get(), &ClockEngine::dateLineWritten, [&] { ++written; });
        rig.engine->tick();
        rig.clock.set(QDateTime(QDate(2026, 12, 5), QTime(0, 0, 0), QTimeZone::utc()));
        rig.engine->tick();
        QVERIFY(rig.engine->shown().dateLine.isEmpty() && written == 0);
        rig.engine->speakTime(German);
        rig.clock.set(QDateTime(QDate(2026, 12, 5), QTime(23, 59, 59), QTimeZone::utc()));
        rig.engine->tick();
        QCOMPARE(rig.engine->shown().dateLine, QString("Samstag 5 Dezember 2026"));
        rig.clock.set(QDateTime(QDate(2026, 12, 6), QTime(0, 0, 0), QTimeZone::utc()));
        rig.engine->tick();
        QCOMPARE(rig.engine->shown().dateLine, QString("Sontag 6 Dezember 2026"));
        rig.clock.set(rig.clock.now().addSecs(-30).toTimeZone(QTimeZone("America/New_York")));
        rig.engine->tick();
        QCOMPARE(rig.engine->shown().Label1, QString("18:59"));
        QCOMPARE(rig.engine->shown().dateLine, QString("Samstag 5 Dezember 2026"));
        QCOMPARE(written, 3); // the flag, midnight, the zone; never at a tick of the same day
    }

    // From a flag pressed at 10:12, minute by minute to 11:00: the language stays the flag's, and the
    // minutes its interval names are announced in it.
    void periodic_data() { addRows("engine_periodic", {"interval", "language", "announced"}); }
    void periodic()
    {
        QFETCH(QString, language);
        QFETCH(QString, announced);
        EngineRig rig(QDateTime(QDate(2026, 12, 5), QTime(10, 12, 30)));
        rig.engine->speakTime(Language(language.toInt()));
        rig.book.setInterval(cell("interval"));
        QStringList heardAt, every;
        for (int minute = 13; minute <= 60; ++minute) { // the texts change, and so speak, once a minute
            rig.speaker.clear();
            for (int second : {0, 1, 30, 59})
                rig.tickAt(10 + minute / 60, minute % 60, second);
            if (!rig.speaker.ids.empty())
                heardAt << rig.engine->shown().Label1;
            every << rig.engine->shown().Label1;
        }
        QCOMPARE(heardAt, announced == "every" ? every : announced.split(u' ', Qt::SkipEmptyParts));
        QCOMPARE(rig.engine->shared().CurrentLanguage, Language(language.toInt()));
    }

    // Quiet hours silence the periodic announcement, never a flag.
    void quietHours_data() { addRows("engine_quiet", {"interval", "from", "to", "language", "times", "announced"}); }
    void quietHours()
    {
        EngineRig rig;
        rig.engine->speakTime(Language(cell("language").toInt()));
        rig.book.setInterval(cell("interval"));
        rig.book.setSoundSettings({cell("from"), cell("to"), {}, {}, {}});
        QStringList heardAt;
        for (const QString &time : cell("times").split(u' ')) {
            rig.speaker.clear();
            rig.clock.set(QDateTime(rig.clock.now().date(), timeOf(time)));
            rig.engine->tick();
            if (!rig.speaker.ids.empty())
                heardAt << time;
        }
        QCOMPARE(heardAt.join(u' '), cell("announced"));
        rig.speaker.clear();
        rig.clock.set(23, 10, 0);
        rig.engine->speakTime(French);
        QVERIFY(!rig.speaker.ids.empty()); // 23:10, inside most spans
    }

    // Each tick is aimed just past the wall clock's next second; an alarm's minute keeps the checks close
    // and puts its notice up for that minute.
    void ticksOnTheSecond_data() { addRows("engine_seconds", {"steps"}); }
    void ticksOnTheSecond()
    {
        const QStringList steps = cell("steps").split(u'|');
        EngineRig rig;
        rig.setAlarm(1, "5 12 2026 7 30");
        rig.book.setField(1, 5, "1");
        for (const QString &step : steps) {
            if (step == "hidden" || step == "shown") {
                rig.engine->setSecondsWatched(step == "shown");
                continue;
            }
            const QStringList expected = step.split(u' ');
            rig.clock.set(QDateTime(QDate(2026, 12, 5), timeOf(expected[0])));
            rig.engine->tick();
            const QStringList seen{expected[0], rig.engine->shown().Label1, rig.engine->shown().Label4,
                                   QString::number(rig.engine->Timer1.interval()),
                                   rig.engine->Timer3.isActive() ? "ringing" : "idle"};
            QCOMPARE(seen, expected);
            QVERIFY(rig.engine->Timer1.isActive() && rig.engine->Timer1.isSingleShot());
        }
        QCOMPARE(rig.notices, steps.filter("07:31").size() ? (QStringList{"Alarme 1 — 07:30", "closed alarm1"}) : QStringList{});
    }

    void snoozeOfTheUsersLength_data() { addRows("engine_snooze", {"typed", "language", "label", "again"}); }
    void snoozeOfTheUsersLength()
    {
        EngineRig rig(QDateTime(QDate(2026, 12, 5), QTime(7, 29, 59)));
        rig.engine->speakTime(Language(cell("language").toInt()));
        rig.setAlarm(1, "5 12 2026 7 30");
        rig.book.setField(1, 5, "1");
        rig.book.setSoundSettings({{}, {}, {}, {}, cell("typed"), {}});
        rig.clock.set(7, 30, 1);
        rig.engine->tick();
        QCOMPARE(rig.lastNotice.actions.value(0).second, cell("label"));
        rig.notices.clear();
        rig.lastNotice.acted(rig.lastNotice.actions.value(0).first);
        QString again;
        for (QDateTime t(QDate(2026, 12, 5), QTime(7, 30, 30)); again.isEmpty() && t.time() < QTime(9, 0); t = t.addSecs(30)) {
            rig.clock.set(t);
            rig.engine->tick();
            if (rig.notices.size() > 1) // the snooze's answer, then a ring
                again = t.toString("HH:mm");
        }
        QTEST(again, "again");
    }

    void namesSpoken_data() { addRows("engine_names", {"alarmName", "speak", "level", "language", "spoken"}); }
    void namesSpoken()
    {
        EngineRig rig(QDateTime(QDate(2026, 12, 5), QTime(7, 29, 59)));
        rig.engine->speakTime(Language(cell("language").toInt()));
        rig.speaker.clear();
        rig.setAlarm(1, "5 12 2026 7 30");
        rig.book.setField(1, 5, "1");
        rig.book.setName(1, cell("alarmName"));
        rig.book.setSoundSettings({{}, {}, cell("level"), {}, {}, {}, cell("speak")});
        for (int second : {1, 20, 40}) { // the first sound, then two repetitions
            rig.clock.set(7, 30, second);
            rig.engine->tick();
        }
        QTEST(rig.namesSpoken.join(u';'), "spoken");
    }

    // A 90-second wave file at 07:30 is heard once; alarm 2 of the same minute still sounds after it, and
    // the check after them serves the new minute first.
    void longWaveFileKeepsTheMinutePromise()
    {
        const QString longFile = QStringLiteral("/music/ninety seconds.wav");
        EngineRig rig;
        rig.speaker.clock = &rig.clock;
        rig.speaker.fileSeconds = 90;
        rig.setAlarm(1, "5 12 2026 7 30", longFile);
        rig.setAlarm(2, "5 12 2026 7 30");
        rig.book.setField(2, 5, "1");
        rig.clock.set(7, 30, 0);
        rig.engine->Timer3_Timer();
        QCOMPARE(rig.speaker.files, QStringList{longFile});
        QCOMPARE(heard(rig.speaker), QString("66"));
        rig.speaker.clear();
        rig.engine->Timer3_Timer();
        QVERIFY(rig.speaker.files.isEmpty() && rig.speaker.ids.empty());
        QCOMPARE(rig.engine->shown().Label1, QString("07:31"));
    }

    // While a sound plays the clock text keeps its minute and nothing is asked for; the seconds and the
    // glyph rows go on. When it ends, what fell due meanwhile runs once.
    void soundHoldsTheMinute_data()
    {
        addRows("engine_sound", {"soundEnds", "interval", "sound", "during", "Label1", "Label4", "row24", "after"});
    }
    void soundHoldsTheMinute()
    {
        const QTime soundEnds = QTime::fromString(cell("soundEnds"));
        EngineRig rig(QDateTime(QDate(2026, 12, 5), QTime(7, 30)));
        rig.setAlarm(1, QStringLiteral("5 12 2026 7 30"));
        rig.book.setInterval(cell("interval"));
        rig.book.setField(1, 5, "1");
        rig.speaker.holding = true;
        rig.engine->tick(); // the alarm's first sound
        if (cell("sound") == "repetition")
            rig.engine->Timer3_Timer();
        rig.speaker.clear();
        rig.speaker.sounding(true);
        for (QTime t(7, 30, 1); t <= soundEnds; t = t.addSecs(1)) {
            rig.clock.set(t.hour(), t.minute(), t.second());
            rig.engine->tick();
        }
        const ShownTime &shown = rig.engine->shown();
        QCOMPARE((QStringList{heard(rig.speaker), shown.Label1, shown.Label4, shown.row24}),
                 (QStringList{cell("during"), cell("Label1"), cell("Label4"), cell("row24")}));
        rig.speaker.clear();
        rig.speaker.release();
        rig.speaker.sounding(false);
        QTEST(heard(rig.speaker), "after");
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
