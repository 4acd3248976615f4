// The composed numbers of the three languages as sample identifiers.
#include "Announcements.h"
#include "NumberPhrases.h"
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

    void weekdayNumbering()
    {
        QCOMPARE(weekdayNumber(QDate(2026, 12, 6)), 1); // a Sunday
        QCOMPARE(weekdayNumber(QDate(2026, 12, 5)), 7); // a Saturday
    }
};

QTEST_GUILESS_MAIN(TestPhrases)
#include "tst_phrases.moc"
