// `kalindor --alarms` agrees with the state column of ALARM SET for the same files and moment, and
// touches neither file.
#include "AlarmTexts.h"
#include "FakeClock.h"
#include "HorP.h"
#include "RecordingDevice.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
// On Saturday 27 March 2027 at noon in Paris, the night before the clocks go forward: one row rings,
// one is off, one never matches, one names no date, one falls in the skipped hour.
const char *const Rows[] = {"27 3 2027 12 30", "0 0 0 0 0", "27 3 2027 07 30", "31 4 * 7 30", "28 3 2027 2 30"};

QByteArray tableFile()
{
    QByteArray file;
    for (int k = 0; k < 10; ++k) {
        const QStringList boxes = QString::fromLatin1(k < 5 ? Rows[k] : "0 0 0 0 0").split(u' ');
        AlarmRecord record{boxes[0], boxes[1], boxes[2], boxes[3], boxes[4], "1", "0", "0", "Browse"};
        file += alarmTableLine(record).toUtf8();
    }
    return file;
}

QByteArray run(const QStringList &arguments, int *status)
{
    QProcess process;
    process.start(QStringLiteral(KALINDOR_BINARY), arguments);
    process.waitForFinished(60000);
    *status = process.exitCode();
    return process.readAllStandardOutput() + process.readAllStandardError();
}
} // namespace

class TestAlarmList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("TZ", "Europe/Paris"); }

    void agreesWithStateColumn_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("row"); // how a line names its row
        QTest::newRow("French") << "fr" << int(French) << "Alarme %1 : %2";
        QTest::newRow("German") << "de" << int(German) << "Alarm %1: %2";
    }
    void agreesWithStateColumn()
    {
        QFETCH(QString, lang);
        QFETCH(int, language);
        QFETCH(QString, row);
        QTemporaryDir dir;
        const QByteArray table = tableFile();
        {
            QFile file(dir.filePath(AlarmTableFileName));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(table) == table.size());
            QFile interval(dir.filePath(IntervalFileName));
            QVERIFY(interval.open(QIODevice::WriteOnly) && interval.write("15\r\n") == 4);
        }
        HPMOD shared;
        shared.CurrentLanguage = Language(language);
        const FakeClock clock(QDateTime(QDate(2027, 3, 27), QTime(12, 0)));
        RecordingSpeaker speaker;
        HorPServices services;
        services.settings.configDir = dir.path();
        HorP window(shared, clock, speaker, services);
        const Hset &settings = window.settingsWindow();

        const QStringList common{"--alarms", "--lang", lang, "--at", "2027-03-27 12:00", "--config-dir", dir.path()};
        int status = -1;
        const QStringList lines = QString::fromUtf8(run(common, &status)).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(status, 0);
        const QJsonArray list = QJsonDocument::fromJson(run(common + QStringList{"--json"}, &status)).array();
        QCOMPARE(status, 0);
        QStringList expected;
        for (int k : {1, 3, 4, 5})
            expected << row.arg(k).arg(settings.rowStates[size_t(k - 1)]->text());
        QCOMPARE(lines.mid(0, 4), expected);
        QCOMPARE(lines.size(), 5); // and the interval
        QCOMPARE(list.size(), 4);
        const Zone zone(clock.now());
        for (const QJsonValue &value : list) {
            const QJsonObject object = value.toObject();
            const QString column = settings.rowStates[size_t(object["row"].toInt() - 1)]->text();
            AlarmState ringing;
            ringing.kind = AlarmState::Rings;
            ringing.next = QDateTime::fromString(object["next"].toString(), Qt::ISODate).toMSecsSinceEpoch();
            const QString said = object["next"].isNull() ? object["reason"].toString()
                                                         : stateText(ringing, clock.now().toMSecsSinceEpoch(), zone, Language(language));
            QCOMPARE(said, column);
        }
        QCOMPARE(list[3].toObject()["next"].toString(), QString("2027-03-28T03:00:00+02:00"));
        QFile file(dir.filePath(AlarmTableFileName));
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == table);
    }

    // A settings file that cannot be read: the message of the window's start, and status 1.
    void unreadableFile()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(AlarmTableFileName));
        int status = -1;
        const QString said = QString::fromUtf8(run({"--alarms", "--lang", "en", "--config-dir", dir.path()}, &status));
        QCOMPARE(status, 1);
        QVERIFY2(said.startsWith("kalindor: A settings file cannot be read.") && said.contains(AlarmTableFileName + ": not a regular file"),
                 qPrintable(said));
    }
};

QTEST_MAIN(TestAlarmList)
#include "tst_alarmlist.moc"
