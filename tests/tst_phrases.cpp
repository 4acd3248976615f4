// Numbers, times and dates spoken as sample identifiers, in the three languages.
#include "Announcements.h"
#include "FakeClock.h"
#include "RecordingDevice.h"

#include <QTest>

Q_DECLARE_METATYPE(std::vector<int>)

class TestPhrases : public QObject
{
    Q_OBJECT

    HPMOD shared;
    RecordingSpeaker speaker;
    FakeClock clock;

    std::vector<int> spoken(const std::function<void(NumberPhrases &)> &say)
    {
        speaker.clear();
        NumberPhrases phrases(shared, speaker, clock);
        say(phrases);
        return speaker.ids;
    }

private slots:
    void minutes_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("fr");
        QTest::addColumn<QString>("de");
        QTest::addColumn<QString>("en");
        QTest::newRow("minutes 21") << 21 << "30 34 11" << "71 94 90" << "150 131";
        QTest::newRow("minutes 30") << 30 << "31" << "91" << "151";
        QTest::newRow("minutes 45") << 45 << "32 15" << "75 94 92" << "152 135";
        QTest::newRow("minutes 59") << 59 << "33 19" << "79 94 93" << "153 139";
        QTest::newRow("minutes 51, une after et") << 51 << "33 34 11" << "71 94 93" << "153 131";
        QTest::newRow("minutes 40") << 40 << "32" << "92" << "152";
    }
    void minutes()
    {
        QFETCH(int, minutes);
        QFETCH(QString, fr);
        QFETCH(QString, de);
        QFETCH(QString, en);
        shared.MinuteCell = qint16(minutes);
        QCOMPARE(spoken([](NumberPhrases &p) { p.SayMinutesFr(); }), idList(fr));
        QCOMPARE(spoken([](NumberPhrases &p) { p.SayMinutesDe(); }), idList(de));
        QCOMPARE(spoken([](NumberPhrases &p) { p.SayMinutesEn(); }), idList(en));
    }

    void hours_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<QString>("fr");
        QTest::addColumn<QString>("de");
        QTest::newRow("hour 21") << 21 << "30 34 11" << "71 94 90";
        QTest::newRow("hour 22") << 22 << "30 12" << "72 94 90";
        QTest::newRow("hour 23") << 23 << "30 13" << "73 94 90";
    }
    void hours()
    {
        QFETCH(int, hour);
        QFETCH(QString, fr);
        QFETCH(QString, de);
        shared.HourCell = qint16(hour + 10);
        QCOMPARE(spoken([](NumberPhrases &p) { p.SayHourFr(); }), idList(fr));
        shared.HourCell = qint16(hour + 70);
        QCOMPARE(spoken([](NumberPhrases &p) { p.SayHourDe(); }), idList(de));
    }

    void days_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("fr");
        QTest::addColumn<QString>("de");
        QTest::addColumn<QString>("en");
        QTest::newRow("day 21") << 21 << "30 34 64" << "71 94 90" << "150 131 181 183";
        QTest::newRow("day 22") << 22 << "30 12" << "72 94 90" << "150 132 182 183";
        QTest::newRow("day 23") << 23 << "30 13" << "73 94 90" << "150 133 182 183";
        QTest::newRow("day 27") << 27 << "30 17" << "77 94 90" << "150 137 180 183";
        QTest::newRow("day 30") << 30 << "31" << "91" << "151 180 183";
        QTest::newRow("day 31") << 31 << "31 34 64" << "71 94 91" << "151 131 181 183";
    }
    void days()
    {
        QFETCH(int, day);
        QFETCH(QString, fr);
        QFETCH(QString, de);
        QFETCH(QString, en);
        clock.set(QDateTime(QDate(2026, 12, day), QTime(9, 0)));
        QCOMPARE(spoken([](NumberPhrases &p) { p.SayDayFr(); }), idList(fr));
        QCOMPARE(spoken([](NumberPhrases &p) { p.SayDayDe(); }), idList(de));
        QCOMPARE(spoken([](NumberPhrases &p) { p.SayDayEn(); }), idList(en));
    }

    void time_data()
    {
        QTest::addColumn<QString>("clockText");
        QTest::addColumn<QString>("fr");
        QTest::addColumn<QString>("de");
        QTest::addColumn<QString>("en");
        QTest::newRow("00:00") << "00:00" << "10 35" << "70 95" << "130 194 155";
        QTest::newRow("00:15") << "00:15" << "10 35 25" << "70 95 85" << "130 145 155";
        QTest::newRow("01:01") << "01:01" << "11 35 11" << "71 95 71" << "131 131 155";
        QTest::newRow("02:30") << "02:30" << "12 36 31" << "72 95 91" << "132 151 155";
        QTest::newRow("09:45") << "09:45" << "19 35 32 15" << "79 95 75 94 92" << "139 152 135 155";
        QTest::newRow("12:00") << "12:00" << "22 36" << "82 95" << "142 194 156";
        QTest::newRow("13:05") << "13:05" << "23 36 15" << "83 95 75" << "131 135 156";
        QTest::newRow("20:20") << "20:20" << "30 35 30" << "90 95 90" << "138 150 156";
        QTest::newRow("21:21") << "21:21" << "30 34 11 35 30 34 11" << "71 94 90 95 71 94 90" << "139 150 131 156";
        QTest::newRow("23:59") << "23:59" << "30 13 36 33 19" << "73 94 90 95 79 94 93" << "141 153 139 156";
        QTest::newRow("04:00 French plain heures") << "04:00" << "14 35" << "74 95" << "134 194 155";
        QTest::newRow("22:10 French liaison") << "22:10" << "30 12 36 20" << "72 94 90 95 80" << "140 140 156";
    }
    void time()
    {
        QFETCH(QString, clockText);
        QFETCH(QString, fr);
        QFETCH(QString, de);
        QFETCH(QString, en);
        Announcements announce(shared, speaker, clock);
        const int minutes = clockText.mid(3, 2).toInt();

        speaker.clear();
        shared.MinuteCell = 0;
        announce.speakTimeFr(clockText);
        QCOMPARE(speaker.ids, idList(fr));
        QCOMPARE(shared.MinuteCell, minutes);
        QCOMPARE(speaker.stops, minutes == 0 ? 0 : 1); // ends after "heures" on the hour

        speaker.clear();
        shared.MinuteCell = 0;
        announce.speakTimeDe(clockText);
        QCOMPARE(speaker.ids, idList(de));
        QCOMPARE(speaker.stops, minutes == 0 ? 0 : 1);

        // English speaks MinuteCell as the clock tick left it, and always closes with StopSound.
        speaker.clear();
        shared.MinuteCell = qint16(minutes);
        announce.speakTimeEn(clockText);
        QCOMPARE(speaker.ids, idList(en));
        QCOMPARE(speaker.stops, 1);
        QCOMPARE(shared.AmPmMarker, clockText.left(2).toInt() > 11 ? QString("PM") : QString("AM"));
    }

    void date_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("fr");
        QTest::addColumn<QString>("de");
        QTest::addColumn<QString>("en");
        QTest::newRow("Sunday 5 December 1999") << QDate(1999, 12, 5) << "37 200 15 55 58"
                                                << "97 126 75 127 115 118" << "158 185 135 180 183 176 187";
        QTest::newRow("Saturday 1 January 2000") << QDate(2000, 1, 1) << "43 200 69 44 59"
                                                 << "103 126 128 127 104 119" << "164 185 177 183 165 188";
        QTest::newRow("Friday 3 March 2023") << QDate(2023, 3, 3) << "42 200 13 46 59 30 13"
                                             << "102 126 201 127 106 119 73 94 90" << "163 185 179 183 167 188 150 133";
        QTest::newRow("Tuesday 31 December 2024")
            << QDate(2024, 12, 31) << "39 200 31 34 64 55 59 30 14" << "99 126 71 94 91 127 115 119 74 94 90"
            << "160 185 151 131 181 183 176 188 150 134";
        QTest::newRow("Wednesday 30 April 2025") << QDate(2025, 4, 30) << "40 200 31 47 59 30 15"
                                                 << "100 126 91 127 107 119 75 94 90" << "161 185 151 180 183 168 188 150 135";
        QTest::newRow("Monday 2 September 2030") << QDate(2030, 9, 2) << "38 200 12 52 59 31"
                                                 << "98 126 72 127 112 119 91" << "159 185 178 183 173 188 151";
        QTest::newRow("year 1997 not spoken") << QDate(1997, 6, 10) << "39 200 20 49"
                                              << "99 126 80 127 109" << "160 185 140 180 183 170";
        QTest::newRow("year 1998, French 57 asked for") << QDate(1998, 6, 10) << "40 200 20 49 57"
                                                        << "100 126 80 127 109 117" << "161 185 140 180 183 170 186";
        QTest::newRow("year 2060 thousands alone") << QDate(2060, 6, 10) << "41 200 20 49 59"
                                                   << "101 126 80 127 109 119" << "162 185 140 180 183 170 188";
        QTest::newRow("year 2021 French un") << QDate(2021, 6, 10) << "41 200 20 49 59 30 34 64"
                                             << "101 126 80 127 109 119 71 94 90" << "162 185 140 180 183 170 188 150 131";
        QTest::newRow("day 2 German, 2050") << QDate(2050, 1, 2) << "37 200 12 44 59 33"
                                            << "97 126 72 127 104 119 93" << "158 185 178 183 165 188 153";
        QTest::newRow("day 20, 2005") << QDate(2005, 2, 20) << "37 200 30 45 59 15"
                                      << "97 126 90 127 105 119 75" << "158 185 150 180 183 166 188 135";
    }
    void date()
    {
        QFETCH(QDate, date);
        QFETCH(QString, fr);
        QFETCH(QString, de);
        QFETCH(QString, en);
        clock.set(QDateTime(date, QTime(10, 0)));
        Announcements announce(shared, speaker, clock);
        const QStringList expected{fr, de, en};
        for (Language language : {French, German, English}) {
            speaker.clear();
            shared.CurrentLanguage = language;
            announce.speakDate();
            QCOMPARE(speaker.ids, idList(expected[language]));
        }
        shared.CurrentLanguage = French;
    }

    void weekdayNumbering()
    {
        QCOMPARE(weekdayNumber(QDate(2026, 12, 6)), 1); // a Sunday
        QCOMPARE(weekdayNumber(QDate(2026, 12, 5)), 7); // a Saturday
    }
};

QTEST_GUILESS_MAIN(TestPhrases)
#include "tst_phrases.moc"
