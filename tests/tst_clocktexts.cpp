// The date line and the announcement schedule, computed without a window.
#include "AnnouncementSchedule.h"
#include "CalendarText.h"
#include "TextNumber.h"

#include <QTest>

class TestClockTexts : public QObject
{
    Q_OBJECT
private slots:
    void calendar_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("line");
        QTest::newRow("German Sunday 31 October 1999") << QDate(1999, 10, 31) << 1 << "Sontag 31 October 1999";
        QTest::newRow("French 5 January 2000") << QDate(2000, 1, 5) << 0 << "Mercredi 5 Janvier 2000";
        QTest::newRow("German 5 January 2000") << QDate(2000, 1, 5) << 1 << "Mittwoch 5 Januar 2000";
        QTest::newRow("English 5 January 2000, two spaces") << QDate(2000, 1, 5) << 2 << "Wednesday January 5  2000";
        QTest::newRow("German 1 March März") << QDate(2026, 3, 1) << 1 << "Sontag 1 März 2026";
        QTest::newRow("French 15 August Aout") << QDate(2026, 8, 15) << 0 << "Samedi 15 Aout 2026";
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
        QTest::newRow("60 at :30") << "60" << "30" << false;
        QTest::newRow("45 never") << "45" << "45" << false;
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
