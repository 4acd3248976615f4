// `kalindor --alarms` agrees with the state column of ALARM SET for the same files and moment, and
// touches neither file.
#include "AlarmTexts.h"
#include "FileProblemTexts.h"
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

    // At noon on Saturday 27 March 2027 in Paris, the night before the clocks go forward, rows that ring
    // (one in the skipped hour), are off, never match and name no date; in German, which is not the default.
    void agreesWithStateColumn()
    {
        QTemporaryDir dir;
        const QStringList rows{"27 3 2027 12 30", "0 0 0 0 0", "27 3 2027 07 30", "31 4 * 7 30", "28 3 2027 2 30"};
        AlarmRecords table;
        for (qsizetype k = 0; k < 10; ++k)
            table[size_t(k)] = readAlarmTableLine(rows.value(k, "0 0 0 0 0") + " 1 0 0 Browse");
        QVERIFY(!storeAlarmTable(table, dir.path(), {}) && !storeInterval("15", dir.path(), {}));
        const QDateTime written = QFileInfo(dir.filePath(AlarmTableFileName)).lastModified();
        HPMOD shared;
        shared.CurrentLanguage = German;
        const FakeClock clock(QDateTime(QDate(2027, 3, 27), QTime(12, 0)));
        RecordingSpeaker speaker;
        HorPServices services;
        services.settings.configDir = dir.path();
        HorP window(shared, clock, speaker, services);
        const auto column = [&window](int alarm) { return window.settingsWindow().rowStates[size_t(alarm - 1)]->text(); };

        const QStringList asked{"--alarms", "--lang", "de", "--at", "2027-03-27 12:00", "--config-dir", dir.path()};
        int status = -1, jsonStatus = -1;
        const QStringList lines = QString::fromUtf8(run(asked, &status)).split(u'\n', Qt::SkipEmptyParts);
        const QJsonArray list = QJsonDocument::fromJson(run(asked + QStringList{"--json"}, &jsonStatus)).array();
        QVERIFY(status == 0 && jsonStatus == 0 && lines.size() == 5 && list.size() == 4);
        for (int i = 0; i < 4; ++i) {
            const QJsonObject object = list[i].toObject();
            const int alarm = QList<int>{1, 3, 4, 5}[i];
            QCOMPARE(lines[i], QStringLiteral("Alarm %1: %2").arg(alarm).arg(column(alarm)));
            QCOMPARE(object["row"].toInt(), alarm);
            const AlarmState ringing{AlarmState::Rings, QDateTime::fromString(object["next"].toString(), Qt::ISODate).toMSecsSinceEpoch()};
            QCOMPARE(object["next"].isNull() ? object["reason"].toString()
                                             : stateText(ringing, clock.now().toMSecsSinceEpoch(), Zone(clock.now()), shared.CurrentLanguage),
                     column(alarm));
        }
        QCOMPARE(list[3].toObject()["next"].toString(), QString("2027-03-28T03:00:00+02:00"));
        QCOMPARE(QFileInfo(dir.filePath(AlarmTableFileName)).lastModified(), written);
        // A file that cannot be read: the message of the window's start, and status 1.
        QVERIFY(QFile::remove(dir.filePath(IntervalFileName)) && QDir(dir.path()).mkdir(IntervalFileName));
        const QString said = QString::fromUtf8(run(asked, &status));
        QVERIFY2(status == 1 && said.startsWith("kalindor: " + loadFailureText({}, shared.CurrentLanguage))
                     && said.contains(IntervalFileName + ": "), qPrintable(said));
    }
};

QTEST_MAIN(TestAlarmList)
#include "tst_alarmlist.moc"
