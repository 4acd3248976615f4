// The settings files: exact bytes, reading hand-made, damaged and hostile files, and stores that fail.
// Round trips of any table read from any bytes are the alarm-table fuzz target's property.
#include "AlarmBook.h"
#include "FileProblemTexts.h"
#include "Rows.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/resource.h>

char *toString(const AlarmRecord &record) { return QTest::toString(alarmTableLine(record)); }
char *toString(const AlarmLoudness &loudness) { return QTest::toString(QStringLiteral("%1 % %2 s").arg(loudness.percent).arg(loudness.riseSeconds)); }
namespace {
const AlarmRecord Example = AlarmRecord{"9", "8", "2000", "9", "5", "0", "0", "1", "Browse"};
QByteArray bytesOf(const AlarmRecords &table)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeAlarmTable(buffer, table);
    return buffer.data();
}
QByteArray contents(const QString &path) { QFile file(path); return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(); }
bool put(const QString &path, const QByteArray &bytes) { QFile file(path); return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(); }
AlarmRecords tableFrom(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readAlarmTable(buffer);
}
} // namespace
class TestAlarmFiles : public QObject
{
    Q_OBJECT
private slots:

    void lines_data() { addRows("alarmfiles_lines", {"line", "written", "read"}); }
    void lines()
    {
        QFETCH(QString, line);
        const auto recordOf = [](const QString &fields) {
            AlarmRecord record;
            for (int i = 0; i < AlarmRecord::FieldCount; ++i)
                record.field(i) = fields.section(u'|', i, i);
            return record;
        };
        if (!cell("written").isEmpty())
            QCOMPARE(alarmTableLine(recordOf(cell("written"))), line + "\r\n");
        QCOMPARE(readAlarmTableLine(line), recordOf(cell("read")));
    }

    void readsDamagedTables_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("readable"); // lines that hold the example alarm, the rest defaults; -1 unchecked
        QTest::addColumn<int>("damage"); // no table: first line with a control byte, or 0; -1 for a table
        const QByteArray line = alarmTableLine(Example).toUtf8();
        QByteArray noise(300, 0);
        QRandomGenerator(43).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        QTest::newRow("three lines, the last without line end") << line.repeated(3).chopped(2) << 3 << -1;
        QTest::newRow("LF line ends") << QByteArray("9 8 2000 9 5 0 0 1 Browse\n").repeated(10) << 10 << -1;
        QTest::newRow("6 MB blank line first, only its head read") << QByteArray(6 * 1024 * 1024, ' ') + "\r\n" + line << 0 << 0;
        QTest::newRow("300 seeded random bytes") << noise << -1 << 1;
        QTest::newRow("NUL in the second line") << QByteArray("9 8 2000 9 5 0 0 1 Browse\r\n9 8\0 2000", 36) << -1 << 2;
        QTest::newRow("escape byte in a path") << QByteArray("9 8 2000 9 5 0 0 0 /a\x1b.wav\r\n") << -1 << 1;
        QTest::newRow("larger than ten lines could be") << line.repeated(3000) << -1 << 0;
        QTest::newRow("prose, no line laid out as alarms") << QByteArray("Dear diary,\ntoday was long.\n") << -1 << 0;
        QTest::newRow("odd values, a tab and a lone CR") << QByteArray("x y z\tq w e r t C:\\a\rb.wav\r\nhi") << -1 << -1;
    }

    void readsDamagedTables()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, readable);
        const AlarmRecords table = tableFrom(bytes);
        for (int k = 0; k < 10 && readable >= 0; ++k)
            QCOMPARE(table[k], k < readable ? Example : defaultAlarmRecord());
        QTEST(alarmTableDamage(bytes).value_or(-1), "damage");
    }

    // No table at all starts empty, told once, and stays beside under a free name; a save writes a new one.
    void setsNoTableAside()
    {
        QTemporaryDir dir;
        const QByteArray noise("\x01\x02garbage\xff\0tail", 15);
        QVERIFY(put(dir.filePath("kalind.dta"), noise) && put(dir.filePath("kalind.dta.damaged"), "older"));
        AlarmBook book(dir.path());
        QVERIFY(loadFailureText(book.load(), German).endsWith("die Alarme beginnen leer, sie bleibt als " + dir.filePath("kalind.dta.damaged-2") + " erhalten"));
        QVERIFY(book.load().isEmpty() && book.rows()[0] == defaultAlarmRecord()); // told once
        QVERIFY(book.save().isEmpty() && book.load().isEmpty());
        QCOMPARE(contents(dir.filePath("kalind.dta.damaged-2")) + contents(dir.filePath("kalind.dta.damaged")), noise + "older");
    }

    // The old program wrote Windows-1252; this one writes UTF-8, so a file it saved once holds both.

    void decidesEncodingLineByLine()
    {
        // The second line is valid UTF-8 up to its last byte.
        const AlarmRecords table = tableFrom("9 8 2000 9 5 0 0 0 C:\\R\xe9veil \x80.wav\r\n9 8 2000 9 5 0 0 0 C:\\caf\xe9\r\n"
                                             "9 8 2000 9 5 0 0 0 /home/zoé/noël.wav\r\n");
        QCOMPARE((QStringList{table[0].waveFile, table[1].waveFile, table[2].waveFile}),
                 (QStringList{"C:\\Réveil €.wav", "C:\\café", "/home/zoé/noël.wav"}));
        QCOMPARE(tableFrom(bytesOf(table)), table);
    }

    void interval_data() { addRows("alarmfiles_interval", {"bytes", "interval"}); }
    void interval()
    {
        QByteArray bytes = cell("bytes").toUtf8();
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        QTEST(readInterval(in), "interval");
    }

    // Whatever the files beside them hold, the two old files come through a save byte for byte; the others
    // are written only when what they hold changes (a setting of a later Kalindor only when set), and not
    // at all when they could not be read.
    void soundFile_data() { addRows("alarmfiles_sound", {"file", "bytes", "settings", "written", "problem"}); }
    void soundFile()
    {
        QTemporaryDir dir;
        const bool names = cell("file") == "names.dta";
        const QString path = dir.filePath(cell("file"));
        const QByteArray old = bytesOf([] { AlarmRecords all; all.fill(Example); return all; }()), bytes = cell("bytes").toUtf8();
        QVERIFY(put(dir.filePath("kalind.dta"), old) && put(dir.filePath("saytime.dta"), "15\r\n"));
        if (bytes == "<fifo>")
            QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else if (bytes != "<missing>")
            QVERIFY(put(path, bytes == "<huge>" ? QByteArray(70000, '#') : bytes));
        AlarmBook book(dir.path());
        QStringList told;
        for (const FileProblem &problem : book.load())
            told << QStringLiteral("%1 %2").arg(problem.kind).arg(problem.detail);
        QCOMPARE(told.join(u'|'), cell("problem"));
        const SoundSettings loaded = book.soundSettings();
        QStringList named;
        for (int alarm = 1; alarm <= 10; ++alarm)
            named << (book.name(alarm).isEmpty() ? QString() : QStringLiteral("%1=%2").arg(alarm).arg(book.name(alarm)));
        QCOMPARE(names ? named.filter(u"=").join(u';')
                       : QStringList({loaded.quietFrom, loaded.quietTo, loaded.level, loaded.rise, loaded.snooze,
                                      keepsRinging(loaded) ? QStringLiteral("on") : QString(), loaded.others.join(u';')}).join(u'|'),
                 cell("settings"));
        if (const QByteArray written = cell("written").toUtf8(); !written.isEmpty()) {
            QBuffer buffer;
            QVERIFY(buffer.open(QIODevice::WriteOnly) && writeSoundSettings(buffer, loaded));
            QCOMPARE(buffer.data(), written == "=" ? bytes : written);
        }
        QCOMPARE(book.rows()[0], Example); // never at the cost of the alarms
        QVERIFY(book.save().isEmpty()); // nothing changed: not even a missing file is made
        QCOMPARE(QFileInfo::exists(path), bytes != "<missing>");
        book.setLoudness({30, 10});
        book.setName(7, QStringLiteral(" Bins out "));
        QCOMPARE(book.save().size(), told.size());
        AlarmBook again(dir.path());
        again.load();
        QCOMPARE(again.name(7), told.isEmpty() || !names ? QStringLiteral("Bins out") : QString());
        if (!names) {
            QCOMPARE(again.loudness(), (told.isEmpty() ? AlarmLoudness{30, 10} : AlarmLoudness{}));
            QCOMPARE(again.soundSettings().others, told.isEmpty() ? loaded.others : QStringList());
        }
        QCOMPARE(contents(dir.filePath("kalind.dta")) + contents(dir.filePath("saytime.dta")), old + "15\r\n");
        if (!told.isEmpty() && bytes != "<fifo>")
            QCOMPARE(contents(path).left(100), bytes.startsWith('<') ? QByteArray(100, '#') : bytes.left(100));
    }

    // A store into a folder still to be made reads back, then a save that a per-process file size limit
    // (standing in for a full disk) cuts short fails, leaves the first file as it was, and is not what
    // a revert goes back to.
    void storeRoundTripAndCutShortStore()
    {
        QTemporaryDir dir;
        const QString configDir = dir.filePath("config dir/kalindor");
        AlarmRecords before;
        before.fill(Example);
        AlarmBook book(configDir);
        QVERIFY(!storeAlarmTable(before, configDir, {}) && book.load().isEmpty());
        QCOMPARE(book.rows(), before);
        book.setField(1, 0, QStringLiteral("31"));
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limited{500, saved.rlim_max};
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
        const QList<FileProblem> problems = book.save();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(problems.size() == 1 && problems[0].path.endsWith("kalind.dta") && !problems[0].detail.isEmpty());
        book.revert();
        QCOMPARE(book.rows(), before);
        QVERIFY(book.load().isEmpty());
        QCOMPARE(book.rows(), before);
        QCOMPARE(QDir(configDir).entryList(QDir::Files), (QStringList{"kalind.dta", "saytime.dta"}));
    }
};

QTEST_GUILESS_MAIN(TestAlarmFiles)
#include "tst_alarmfiles.moc"
