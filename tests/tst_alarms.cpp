// Which alarms are due, and what each due alarm plays, without a window.
#include "AlarmScheduler.h"
#include "RecordingDevice.h"

#include <QTest>

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

const QDate Today(2026, 12, 5);
} // namespace

class TestAlarms : public QObject
{
    Q_OBJECT
private slots:
    void due_data()
    {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("clockText");
        QTest::addColumn<bool>("due");
        // Boxes written "day month year hour minute"; 5 December 2026 is a Saturday.
        const auto row = [](const char *name, const char *boxes, QDate date, const char *clock, bool due) {
            QTest::newRow(name) << QString::fromUtf8(boxes).split(u' ') << date << QString::fromUtf8(clock) << due;
        };
        const QDate friday(2026, 12, 4), wednesday(2026, 12, 9);
        row("exact minute", "5 12 2026 7 30", Today, "07:30", true);
        row("minute after", "5 12 2026 7 30", Today, "07:31", false);
        row("other day", "5 12 2026 7 30", QDate(2026, 12, 6), "07:30", false);
        row("day typed 05", "05 12 2026 7 30", Today, "07:30", false);
        row("hour typed 07", "5 12 2026 07 30", Today, "07:30", false);
        row("minute typed 00", "5 12 2026 8 00", Today, "08:00", false);
        row("two-digit year", "5 12 26 7 30", Today, "07:30", false);
        row("midnight typed 0 0", "5 12 2026 0 0", Today, "00:00", true);
        // Joined without separators these two pairs used to give one key for two moments.
        row("day 1 month 12 is not day 11 month 2", "1 12 2026 7 30", QDate(2026, 2, 11), "07:30", false);
        row("hour 1 minute 23 is not 12:03", "5 12 2026 1 23", Today, "12:03", false);
        row("hour 12 minute 3 at 12:03", "5 12 2026 12 3", Today, "12:03", true);
        row("empty clock text reads as 00:00", "5 12 2026 0 0", Today, "", true);
        QTest::newRow("all boxes empty") << QStringList(5) << Today << "07:30" << false;
        row("every day", "* * * 7 30", Today, "07:30", true);
        row("every day, another year", "* * * 7 30", QDate(2031, 1, 1), "07:30", true);
        row("every day, other minute", "* * * 7 30", Today, "07:31", false);
        row("first of every month", "1 * * 9 0", QDate(2027, 1, 1), "09:00", true);
        row("first of every month, on the 5th", "1 * * 9 0", Today, "09:00", false);
        row("every Christmas Eve", "24 12 * 8 0", QDate(2040, 12, 24), "08:00", true);
        row("every hour", "5 12 2026 * 0", Today, "13:00", true);
        row("every minute of every day", "* * * * *", Today, "23:59", true);
        row("*7 is no repeat", "*7 12 2026 7 30", Today, "07:30", false);
        row("** is no repeat", "** 12 2026 7 30", Today, "07:30", false);
        row("Mon-Fri on a Friday", "Mon-Fri * * 7 30", friday, "07:30", true);
        row("Mon-Fri on a Saturday", "Mon-Fri * * 7 30", Today, "07:30", false);
        row("Sat,Sun on a Saturday", "Sat,Sun * * 7 30", Today, "07:30", true);
        row("case does not matter", "sAT,sun * * 7 30", Today, "07:30", true);
        row("French Lun-Ven on a Friday", "Lun-Ven * * 7 30", friday, "07:30", true);
        row("French Sam,Dim on a Saturday", "Sam,Dim * * 7 30", Today, "07:30", true);
        row("German Mo-Fr on a Saturday", "Mo-Fr * * 7 30", Today, "07:30", false);
        row("German Sa on a Saturday", "Sa * * 7 30", Today, "07:30", true);
        row("Fri-Mon wraps to Saturday", "Fri-Mon * * 7 30", Today, "07:30", true);
        row("Fri-Mon wraps, not Wednesday", "Fri-Mon * * 7 30", wednesday, "07:30", false);
        row("weekday with a month", "Sat 12 2026 7 30", Today, "07:30", true);
        row("Mon- is no form", "Mon- * * 7 30", Today, "07:30", false);
        row("Sat-Sun-Mon is no form", "Sat-Sun-Mon * * 7 30", Today, "07:30", false);
        row("Sat,,Sun is no form", "Sat,,Sun * * 7 30", Today, "07:30", false);
        QTest::newRow("a space spoils the form") << QStringList{"Sat, Sun", "*", "*", "7", "30"} << Today << "07:30" << false;
        row("Xyz is no form", "Xyz * * 7 30", Today, "07:30", false);
        row("weekday in the month box", "5 Sat 2026 7 30", Today, "07:30", false);
    }
    void due()
    {
        QFETCH(QStringList, boxes);
        QFETCH(QDate, date);
        QFETCH(QString, clockText);
        QFETCH(bool, due);
        AlarmBoxes texts;
        std::copy(boxes.begin(), boxes.end(), texts.begin());
        QCOMPARE(alarmDue(texts, date, clockText), due);
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
        QTest::newRow("gong") << 3 << "Browse" << QStringList{"1", "0", "0"} << 0 << "66" << QStringList{} << "Browse";
        QTest::newRow("meeting German") << 3 << "Browse" << QStringList{"0", "0", "1"} << 1 << "66 67 125" << QStringList{} << "Browse";
        QTest::newRow("meeting English") << 3 << "Browse" << QStringList{"0", "0", "1"} << 2 << "66 67 195" << QStringList{} << "Browse";
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
        QFETCH(QString, samples);
        QFETCH(QStringList, files);
        QFETCH(QString, captionAfter);
        FakeRows rows;
        rows.boxes_[size_t(alarm - 1)] = {"5", "12", "2026", "7", "30"};
        rows.captions[size_t(alarm - 1)] = caption;
        AlarmRecords table;
        table[size_t(alarm - 1)].gong = options[0];
        table[size_t(alarm - 1)].ring = options[1];
        table[size_t(alarm - 1)].meeting = options[2];
        RecordingSpeaker speaker;
        fireDueAlarms(rows, table, Today, "07:30", Language(language), speaker);
        QCOMPARE(speaker.ids, idList(samples));
        QCOMPARE(speaker.files, files);
        QCOMPARE(rows.waveCaption(alarm), captionAfter);

        // Not due: nothing plays and nothing is repaired.
        RecordingSpeaker quiet;
        rows.captions[size_t(alarm - 1)] = caption;
        fireDueAlarms(rows, table, Today, "07:31", Language(language), quiet);
        QVERIFY(quiet.ids.empty() && quiet.files.isEmpty());
        QCOMPARE(rows.waveCaption(alarm), caption);
    }

    void alarmsOfOneMinuteSoundInOrder()
    {
        FakeRows rows;
        AlarmRecords table;
        for (int alarm : {9, 2, 5}) {
            rows.boxes_[size_t(alarm - 1)] = {"5", "12", "2026", "7", "30"};
            table[size_t(alarm - 1)].gong = "1";
        }
        table[4].gong = "0";
        table[4].ring = "1";
        rows.captions[8] = "/tmp/nine.wav";
        RecordingSpeaker speaker;
        fireDueAlarms(rows, table, Today, "07:30", French, speaker);
        QCOMPARE(speaker.ids, idList("66 67")); // alarm 2 then alarm 5
        QCOMPARE(speaker.files, QStringList{"/tmp/nine.wav"});
    }
};

QTEST_GUILESS_MAIN(TestAlarms)
#include "tst_alarms.moc"
