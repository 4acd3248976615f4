// The main window driven at chosen times: clock tick, glyphs, flags, periodic announcement, alarms,
// the keyboard, assistive technology, exit.
#include "ClockTexts.h"
#include "FakeClock.h"
#include "HorP.h"
#include "RecordingDevice.h"
#include "TextNumber.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <memory>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {
std::vector<int> glyphsOf(const auto &row)
{
    std::vector<int> glyphs;
    for (const GlyphSlot *slot : row)
        glyphs.push_back(slot->glyph());
    return glyphs;
}

// One main window with its fakes; every handler can be called at a time the test chooses.
struct Rig
{
    QTemporaryDir configDir;
    HPMOD shared;
    FakeClock clock{QDateTime(QDate(2026, 12, 5), QTime(7, 29, 0))};
    RecordingSpeaker speaker;
    int exits = 0;
    QStringList messages, notices, informed;
    Notice lastNotice;
    std::unique_ptr<HorP> window;

    explicit Rig(Speaker *speakerOverride = nullptr)
    {
        HorPServices services;
        services.endProgram = [this] { ++exits; };
        services.showStopMessage = [this](QWidget *, const QString &text) { messages << text; };
        services.notify = [this](const Notice &notice) {
            notices << notice.summary;
            lastNotice = notice;
        };
        services.inform = [this](QWidget *, const QString &, const QString &text) { informed << text; };
        services.settings.configDir = configDir.path();
        window = std::make_unique<HorP>(shared, clock, speakerOverride ? *speakerOverride : speaker, services);
        // The tests call the handlers themselves.
        window->Timer1.stop();
        window->Timer3.stop();
    }
    void tickAt(int h, int m, int s = 0)
    {
        clock.set(h, m, s);
        window->Timer1_Timer();
        window->Timer2_Timer();
    }
    void setInterval(const QString &text) { window->settingsWindow().Text1->setText(text); }
    void setAlarm(int alarm, const QStringList &boxes, const QString &caption = QStringLiteral("Browse"))
    {
        for (int i = 0; i < 5; ++i)
            window->settingsWindow().dateBox(alarm, i)->setText(boxes.value(i));
        window->settingsWindow().waveFileLabel(alarm)->setText(caption);
    }
};

} // namespace

class TestHorP : public QObject
{
    Q_OBJECT
private slots:
    // A Space right after start speaks the time: the focus is on the French flag, not on FIN. The
    // settings window is made hidden by the first alarm check and shown by Alarm-set.
    void startAndKeyboard()
    {
        Rig rig;
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        QCOMPARE((QStringList{rig.window->windowTitle(), rig.window->Command7->text(), rig.window->Label3->text()}),
                 (QStringList{"KALINDOR", "FIN", ""}));
        for (QPushButton *button : {rig.window->Command1, rig.window->Command2, rig.window->Command3, rig.window->Command4})
            QVERIFY(!button->icon().isNull());
        QVERIFY(!rig.window->settingsWindowExists());
        rig.window->Timer3_Timer();
        QVERIFY(rig.window->settingsWindowExists() && !rig.window->settingsWindow().isVisible());
        QCOMPARE(QApplication::focusWidget(), rig.window->Command1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(rig.speaker.ids, idList("17 35 30 19")); // 07:29

        // Left to right, top to bottom, FIN last, and round again by the clock display.
        const QList<QWidget *> order{rig.window->Command2, rig.window->Command3, rig.window->Command5, rig.window->Command6,
                                     rig.window->Command4, rig.window->Label3, rig.window->Command7, rig.window->clockStop,
                                     rig.window->Command1};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        rig.speaker.clear();
        QTest::keyClick(rig.window->Label3, Qt::Key_Return); // the date line speaks the date
        QCOMPARE(rig.speaker.ids, idList("43 200 15 55 59 30 16"));
        QTest::keyClick(rig.window->Command4, Qt::Key_Space); // the stop button silences and says why not more
        QCOMPARE(rig.speaker.stops, 1);
        QCOMPARE(rig.messages, QStringList{"Vous devez faire ce que vous avez a faire,Donc je vais continuer pendant 1 minute"});
        QTest::keyClick(rig.window->Command6, Qt::Key_Space);
        QVERIFY(rig.window->settingsWindow().isVisible());
        QCOMPARE(rig.exits, 0);
        QTest::keyClick(rig.window.get(), Qt::Key_Q, Qt::ControlModifier);
        rig.window->Command7->click();
        rig.window->close();
        QCOMPARE(rig.exits, 3);
    }

    void tick_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("label1");
        QTest::addColumn<QString>("label2");
        QTest::addColumn<std::vector<int>>("row24");
        QTest::addColumn<std::vector<int>>("row12");
        QTest::addColumn<std::vector<int>>("seconds");
        const int C = Glyph::Colon, B = Glyph::Blank, A = Glyph::A, P = Glyph::P, M = Glyph::M;
        QTest::newRow("00:15") << QTime(0, 15, 0) << "00:15" << "00:15 AM" << std::vector{0, 0, C, 1, 5}
                               << std::vector{0, 0, C, 1, 5, B, A, M} << std::vector{0, 0};
        QTest::newRow("12:00 PM") << QTime(12, 0, 0) << "12:00" << "12:00 PM" << std::vector{1, 2, C, 0, 0}
                                  << std::vector{1, 2, C, 0, 0, B, P, M} << std::vector{0, 0};
        QTest::newRow("13:05 is 01:05 PM") << QTime(13, 5, 30) << "13:05" << "01:05 PM" << std::vector{1, 3, C, 0, 5}
                                           << std::vector{0, 1, C, 0, 5, B, P, M} << std::vector{3, 0};
        QTest::newRow("11:59 AM") << QTime(11, 59, 59) << "11:59" << "11:59 AM" << std::vector{1, 1, C, 5, 9}
                                  << std::vector{1, 1, C, 5, 9, B, A, M} << std::vector{5, 9};
        QTest::newRow("09:07:03") << QTime(9, 7, 3) << "09:07" << "09:07 AM" << std::vector{0, 9, C, 0, 7}
                                  << std::vector{0, 9, C, 0, 7, B, A, M} << std::vector{0, 3};
    }
    void tick()
    {
        QFETCH(QTime, time);
        Rig rig;
        rig.tickAt(time.hour(), time.minute(), time.second());
        QTEST(rig.window->Label1->text(), "label1");
        QTEST(rig.window->Label2->text(), "label2");
        QTEST(glyphsOf(rig.window->Image2), "row24");
        QTEST(glyphsOf(rig.window->Image4), "row12");
        QTEST(glyphsOf(rig.window->Image3), "seconds");
        QCOMPARE(rig.shared.MinuteCell, time.minute());
    }

    // The flags at chosen times speak the time, and then the date line the date, in their language.
    void speech_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<bool>("date");
        QTest::addColumn<QStringList>("phrases"); // French, German, English
        const auto time = [](const char *row, int h, int m, const QStringList &phrases) {
            QTest::newRow(row) << QDateTime(QDate(2026, 12, 5), QTime(h, m, 20)) << false << phrases;
        };
        const auto date = [](const char *row, QDate day, const QStringList &phrases) {
            QTest::newRow(row) << QDateTime(day, QTime(10, 0)) << true << phrases;
        };
        time("00:00", 0, 0, {"10 35", "70 95", "130 194 155"});
        time("00:15", 0, 15, {"10 35 25", "70 95 85", "130 145 155"});
        time("01:01", 1, 1, {"11 35 11", "71 95 71", "131 131 155"});
        time("02:30", 2, 30, {"12 36 31", "72 95 91", "132 151 155"});
        time("09:45", 9, 45, {"19 35 32 15", "79 95 75 94 92", "139 152 135 155"});
        time("12:00", 12, 0, {"22 36", "82 95", "142 194 156"});
        time("13:05", 13, 5, {"23 36 15", "83 95 75", "131 135 156"});
        time("20:20", 20, 20, {"30 35 30", "90 95 90", "138 150 156"});
        time("21:21", 21, 21, {"30 34 11 35 30 34 11", "71 94 90 95 71 94 90", "139 150 131 156"});
        time("23:59", 23, 59, {"30 13 36 33 19", "73 94 90 95 79 94 93", "141 153 139 156"});
        date("Sunday 5 December 1999", {1999, 12, 5}, {"37 200 15 55 58", "97 126 75 127 115 118", "158 185 135 180 183 176 187"});
        date("Saturday 1 January 2000", {2000, 1, 1}, {"43 200 69 44 59", "103 126 128 127 104 119", "164 185 177 183 165 188"});
        date("Friday 3 March 2023", {2023, 3, 3},
             {"42 200 13 46 59 30 13", "102 126 201 127 106 119 73 94 90", "163 185 179 183 167 188 150 133"});
        date("Tuesday 31 December 2024", {2024, 12, 31},
             {"39 200 31 34 64 55 59 30 14", "99 126 71 94 91 127 115 119 74 94 90", "160 185 151 131 181 183 176 188 150 134"});
        date("year 1997 not spoken", {1997, 6, 10}, {"39 200 20 49", "99 126 80 127 109", "160 185 140 180 183 170"});
        date("year 1998, French 57 asked for", {1998, 6, 10},
             {"40 200 20 49 57", "100 126 80 127 109 117", "161 185 140 180 183 170 186"});
        date("year 2099 thousands alone", {2099, 6, 10}, {"40 200 20 49 59", "100 126 80 127 109 119", "161 185 140 180 183 170 188"});
        // From 2100 on no year is said, as before 1998.
        date("2100 no year", {2100, 6, 10}, {"41 200 20 49", "101 126 80 127 109", "162 185 140 180 183 170"});
    }
    void speech()
    {
        QFETCH(QDateTime, moment);
        QFETCH(bool, date);
        QFETCH(QStringList, phrases);
        Rig rig;
        rig.clock.set(moment);
        rig.window->Timer1_Timer(); // the tick leaves MinuteCell, which English speaks
        QPushButton *flags[] = {rig.window->Command1, rig.window->Command2, rig.window->Command3};
        for (int language : {0, 1, 2}) {
            rig.speaker.clear();
            flags[language]->click();
            QCOMPARE(rig.window->Command7->text(), (QStringList{"FIN", "ENDE", "END"}[language]));
            if (date) {
                rig.speaker.clear();
                rig.window->Label3_Click();
            } else { // French and German end after the word for hours on the hour; English always closes.
                QCOMPARE(rig.speaker.stops, language == 2 || moment.time().minute() != 0 ? 1 : 0);
            }
            QCOMPARE(rig.speaker.ids, idList(phrases[language]));
        }
    }

    void frenchFlagRewritesClockTextFirst()
    {
        Rig rig;
        rig.tickAt(14, 4, 59);
        rig.clock.set(14, 5, 1); // the minute turned since the last tick
        rig.speaker.clear();
        rig.window->Command1_Click();
        QCOMPARE(rig.window->Label1->text(), QString("14:05"));
        QCOMPARE(rig.speaker.ids, idList("24 36 15"));
        // English speaks the display as the last tick left it: still 14:05 though it is later now.
        rig.clock.set(14, 6, 30);
        rig.speaker.clear();
        rig.window->Command3_Click();
        QCOMPARE(rig.speaker.ids, idList("132 135 156"));
    }

    // Minute by minute from the first tick at 10:13 to 11:00 in one language: which minutes were announced.
    void periodic_data()
    {
        QTest::addColumn<QString>("interval");
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("announced");
        QStringList everyMinute;
        for (int minute = 13; minute <= 60; ++minute)
            everyMinute << QTime(10 + minute / 60, minute % 60).toString("HH:mm");
        QTest::newRow("1 French, right after start") << "1" << 0 << everyMinute;
        QTest::newRow("15 French") << "15" << 0 << QStringList{"10:15", "10:30", "10:45", "11:00"};
        QTest::newRow("5 English") << "5" << 2 << QStringList{"10:15", "10:20", "10:25", "10:30", "10:35", "10:40",
                                                              "10:45", "10:50", "10:55", "11:00"};
        QTest::newRow("10 German") << "10" << 1 << QStringList{"10:20", "10:30", "10:40", "10:50", "11:00"};
        QTest::newRow("60 German") << "60" << 1 << QStringList{"11:00"};
        QTest::newRow("0 never") << "0" << 0 << QStringList{};
        QTest::newRow("20 never") << "20" << 1 << QStringList{};
        QTest::newRow("45 never") << "45" << 2 << QStringList{};
    }
    void periodic()
    {
        QFETCH(QString, interval);
        QFETCH(int, language);
        Rig rig;
        rig.shared.CurrentLanguage = Language(language);
        rig.setInterval(interval);
        QStringList heard;
        for (int minute = 13; minute <= 60; ++minute) { // the texts change, and so speak, once a minute
            rig.speaker.clear();
            for (int second : {0, 1, 30, 59})
                rig.tickAt(10 + minute / 60, minute % 60, second);
            if (!rig.speaker.ids.empty())
                heard << rig.window->Label1->text();
        }
        QTEST(heard, "announced");
        QCOMPARE(rig.shared.CurrentLanguage, Language(language));
    }

    // A 90-second wave file at 07:30 is heard once; alarm 2 of the same minute still sounds after it.
    void longWaveFileKeepsTheMinutePromise()
    {
        const QString longFile = QStringLiteral("/music/ninety seconds.wav");
        Rig rig;
        rig.speaker.clock = &rig.clock;
        rig.speaker.fileSeconds = 90;
        rig.setAlarm(1, {"5", "12", "2026", "7", "30"}, longFile);
        rig.setAlarm(2, {"5", "12", "2026", "7", "30"});
        rig.shared.AlarmTable[1].gong = "1";
        rig.clock.set(7, 30, 0);
        rig.window->Timer3_Timer();
        QCOMPARE(rig.speaker.files, QStringList{longFile});
        QCOMPARE(rig.speaker.ids, idList("66"));
        rig.speaker.clear();
        rig.window->Timer3_Timer();
        QVERIFY(rig.speaker.files.isEmpty() && rig.speaker.ids.empty());
        QCOMPARE(rig.window->Label1->text(), QString("07:31"));
    }

    // Timer1 aimed just past each second of the wall clock, whatever the clock did; Timer3 checks ten
    // times a second only while an alarm rings. Each step: the time, then Label1, Label4, Timer1's wait
    // and whether Timer3 runs, after the tick.
    void ticksOnTheSecond_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("just before a second") << QStringList{"07:20:59.990 07:20 59 12 idle"};
        QTest::newRow("just after a second") << QStringList{"07:20:00.003 07:20 00 999 idle"};
        QTest::newRow("the alarm's minute begins")
            << QStringList{"07:29:59.999 07:29 59 3 idle", "07:30:00.002 07:30 00 1000 ringing", "07:31:00.002 07:31 00 1000 idle"};
        QTest::newRow("a clock set back") << QStringList{"07:40:00.500 07:40 00 502 idle", "07:10:00.200 07:10 00 802 idle"};
    }
    void ticksOnTheSecond()
    {
        QFETCH(QStringList, steps);
        Rig rig;
        rig.setAlarm(1, {"5", "12", "2026", "7", "30"});
        rig.shared.AlarmTable[0].gong = "1";
        for (const QString &step : steps) {
            const QStringList expected = step.split(u' ');
            rig.clock.set(QDateTime(QDate(2026, 12, 5), QTime::fromString(expected[0], "HH:mm:ss.zzz")));
            rig.window->tick();
            const QStringList seen{expected[0], rig.window->Label1->text(), rig.window->Label4->text(),
                                   QString::number(rig.window->Timer1.interval()),
                                   rig.window->Timer3.isActive() ? "ringing" : "idle"};
            QCOMPARE(seen, expected);
            QVERIFY(rig.window->Timer1.isActive() && rig.window->Timer1.isSingleShot());
        }
        QCOMPARE(rig.notices, steps.size() > 2 ? QStringList{"Alarme 1 — 07:30"} : QStringList{});
    }

    // While a long sound holds the thread the glyphs go on; the clock text waits for the next tick.
    void timeShownDuringASound()
    {
        Rig rig;
        rig.tickAt(7, 29, 58);
        rig.clock.set(7, 30, 3);
        rig.window->keepTimeShown();
        QCOMPARE(glyphsOf(rig.window->Image3), (std::vector<int>{0, 3}));
        QCOMPARE(glyphsOf(rig.window->Image2), (std::vector<int>{0, 7, Glyph::Colon, 3, 0}));
        QCOMPARE(rig.window->Label1->text(), QString("07:29"));
    }

    // A date line once written follows a new date, here a new zone where it is already Sunday.
    void newZoneMovesClockAndDate()
    {
        Rig rig;
        rig.clock.set(QDateTime(QDate(2026, 12, 5), QTime(23, 59, 30), Qt::UTC));
        rig.window->Command2_Click();
        rig.window->tick();
        QCOMPARE(rig.window->Label3->text(), QString("Samstag 5 Dezember 2026"));
        rig.clock.set(rig.clock.now().toTimeZone(QTimeZone("Asia/Tokyo")));
        rig.window->tick();
        QCOMPARE(rig.window->Label1->text(), QString("08:59"));
        QCOMPARE(rig.window->Label3->text(), QString("Sontag 6 Dezember 2026"));
    }

    // Save tells what was set, in a box where no notification server takes it; the button says what comes next.
    void saveTellsWhatWasSet()
    {
        Rig rig;
        rig.clock.set(7, 0, 0);
        rig.setAlarm(1, {"Mon-Fri", "*", "*", "6", "45"});
        rig.window->Timer3_Timer();
        QCOMPARE(rig.window->Command6->toolTip(), QString("Prochaine alarme : lundi 06:45"));
        QCOMPARE(rig.window->settingsWindow().rowStates[0]->text(), QString("lun. 7 déc. 06:45"));
        rig.window->settingsWindow().Command1_Click();
        QCOMPARE(rig.notices.value(0), QString("Alarmes enregistrées"));
        QVERIFY(rig.informed.isEmpty());
        rig.lastNotice.unseen();
        QCOMPARE(rig.informed, QStringList{"Alarme 1 : lundi 7 décembre à 06:45, dans 1 j 23 h 45 min"});
    }
};

QTEST_MAIN(TestHorP)
#include "tst_horp.moc"
