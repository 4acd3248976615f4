// The clock's texts, glyph choices, date line and announcement schedule, computed without a window.
#include "AnnouncementSchedule.h"
#include "CalendarText.h"
#include "ClockTexts.h"
#include "TextNumber.h"

#include <QTest>

class TestClockTexts : public QObject
{
    Q_OBJECT
private slots:
    void twelveHour_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("clock24");
        QTest::addColumn<QString>("clock12");
        QTest::newRow("00:15 midnight hour") << QTime(0, 15) << "00:15" << "00:15 AM";
        QTest::newRow("11:59 last AM") << QTime(11, 59) << "11:59" << "11:59 AM";
        QTest::newRow("12:00 noon") << QTime(12, 0) << "12:00" << "12:00 PM";
        QTest::newRow("13:05") << QTime(13, 5) << "13:05" << "01:05 PM";
        QTest::newRow("23:59") << QTime(23, 59) << "23:59" << "11:59 PM";
        QTest::newRow("07:05") << QTime(7, 5) << "07:05" << "07:05 AM";
    }
    void twelveHour()
    {
        QFETCH(QTime, time);
        QFETCH(QString, clock24);
        QFETCH(QString, clock12);
        const QString text = clockText(time);
        QCOMPARE(text, clock24);
        const int h = numberAt(text, 1);
        QCOMPARE(twelveHourText(twelveHourOf(h), text, amPmMarkerOf(h)), clock12);
    }

    void calendar_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("line");
        QTest::newRow("German Sunday 31 October 1999") << QDate(1999, 10, 31) << 1 << "Sontag 31 October 1999";
        QTest::newRow("French 5 January 2000") << QDate(2000, 1, 5) << 0 << "Mercredi 5 Janvier 2000";
        QTest::newRow("German 5 January 2000") << QDate(2000, 1, 5) << 1 << "Mittwoch 5 Januar 2000";
        QTest::newRow("English 5 January 2000, two spaces") << QDate(2000, 1, 5) << 2 << "Wednesday January 5  2000";
        QTest::newRow("French Monday 3 January 2000") << QDate(2000, 1, 3) << 0 << "Lundi 3 Janvier 2000";
        QTest::newRow("German 1 March März") << QDate(2026, 3, 1) << 1 << "Sontag 1 März 2026";
        QTest::newRow("French 15 August Aout") << QDate(2026, 8, 15) << 0 << "Samedi 15 Aout 2026";
        QTest::newRow("French Saturday 5 December 2026") << QDate(2026, 12, 5) << 0 << "Samedi 5 Decembre 2026";
        QTest::newRow("unknown language is empty") << QDate(2026, 12, 5) << 3 << "";
    }
    void calendar()
    {
        QFETCH(QDate, date);
        QFETCH(int, language);
        QFETCH(QString, line);
        QCOMPARE(calendarLine(date, Language(language)), line);
    }

    void schedule_data()
    {
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<bool>("due");
        QTest::newRow("15 at :15") << "15" << "15" << true;
        QTest::newRow("15 at :16") << "15" << "16" << false;
        QTest::newRow("15 at :45") << "15" << "45" << true;
        QTest::newRow("5 at :35") << "5" << "35" << true;
        QTest::newRow("5 at :36") << "5" << "36" << false;
        QTest::newRow("10 at :40") << "10" << "40" << true;
        QTest::newRow("10 at :45") << "10" << "45" << false;
        QTest::newRow("30 at :30") << "30" << "30" << true;
        QTest::newRow("60 at :00") << "60" << "00" << true;
        QTest::newRow("60 at :30") << "60" << "30" << false;
        QTest::newRow("1 at :37") << "1" << "37" << true;
        QTest::newRow("0 never") << "0" << "00" << false;
        QTest::newRow("20 never") << "20" << "00" << false;
        QTest::newRow("45 never") << "45" << "00" << false;
        QTest::newRow("1.5 never") << "1.5" << "00" << false;
        QTest::newRow("spaces before 15") << "  15" << "30" << true;
    }
    void schedule()
    {
        QFETCH(QString, interval);
        QFETCH(QString, minutes);
        QFETCH(bool, due);
        QCOMPARE(announcementDue(leadingNumber(interval), minutes), due);
    }
};

QTEST_GUILESS_MAIN(TestClockTexts)
#include "tst_clocktexts.moc"
