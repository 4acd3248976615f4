// The settings files: exact bytes, reading hand-made and damaged files, and stores that fail.
#include "AlarmFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

char *toString(const AlarmRecord &record) { return QTest::toString(alarmTableLine(record)); }
namespace {
const AlarmRecord Example = AlarmRecord{"9", "8", "2000", "9", "5", "0", "0", "1", "Browse"};
QByteArray bytesOf(const AlarmRecords &table)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeAlarmTable(buffer, table);
    return buffer.data();
}
AlarmRecords tableFrom(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readAlarmTable(buffer);
}
// Takes `limit` bytes, then refuses everything, like a disk that fills up during a save.
struct FailingDevice : QIODevice
{
    explicit FailingDevice(qint64 limit) : limit(limit) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 taken = std::min(limit - written.size(), size);
        written.append(data, std::max<qint64>(taken, 0));
        return taken > 0 ? taken : -1;
    }
    qint64 limit; QByteArray written;
};
} // namespace
class TestAlarmFiles : public QObject
{
    Q_OBJECT
private slots:

    void lines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<AlarmRecord>("record");
        QTest::addColumn<bool>("written"); // the line is what this program writes for the record
        QTest::newRow("example alarm, 120 bytes with its line end")
            << QStringLiteral("9             8             2000          9             5             0             0"
                              "             1             Browse")
            << Example << true;
        QTest::newRow("14-character day, month 28 columns later")
            << QStringLiteral("12345678901234              8             2000          9             5             1"
                              "             0             0             Browse")
            << AlarmRecord{"12345678901234", "8", "2000", "9", "5", "1", "0", "0", "Browse"} << true;
        QTest::newRow("empty hour keeps its zone, path with spaces unpadded")
            << QStringLiteral("1             1             2001                        0             0             0"
                              "             0             C:\\My Sounds\\gong.wav")
            << AlarmRecord{"1", "1", "2001", "", "0", "0", "0", "0", "C:\\My Sounds\\gong.wav"} << true;
        QTest::newRow("numbers with a space on each side")
            << QStringLiteral(" 9            8            2000          9            5            0            0"
                              "            1            Browse")
            << Example << false;
        QTest::newRow("zones cut after the year") << QStringLiteral("9             8             2000          ")
                                                  << AlarmRecord{"9", "8", "2000", "0", "0", "0", "0", "0", "Browse"} << false;
    }

    void lines()
    {
        QFETCH(QString, line);
        QFETCH(AlarmRecord, record);
        QFETCH(bool, written);
        QCOMPARE(readAlarmTableLine(line), record);
        if (written)
            QCOMPARE(alarmTableLine(record), line + "\r\n");
    }
    // Fields from empty to 45 characters, inner spaces included, come back as they were. Spaces around a
    // field are not kept, and one in a field's 14th (28th...) column reads as a zone end, so none are made.

    void randomTablesSurviveRoundTrip()
    {
        QRandomGenerator random(20000809);
        const QString letters = QStringLiteral("0123456789 abcXYZé:\\/.-,");
        for (int round = 0; round < 300; ++round) {
            AlarmRecords table;
            for (AlarmRecord &r : table) {
                for (int i = 0; i < AlarmRecord::FieldCount; ++i) {
                    const int length = random.bounded(random.bounded(4) == 0 ? 46 : 7);
                    for (int c = 0; c < length; ++c) {
                        const QChar letter = letters[random.bounded(letters.size())];
                        r.field(i) += letter == u' ' && (c == 0 || c == length - 1 || (c + 1) % 14 == 0) ? u'x' : letter;
                    }
                }
                r.waveFile = random.bounded(2) ? QStringLiteral("Browse") : "/x" + r.waveFile;
            }
            QVERIFY2(tableFrom(bytesOf(table)) == table, bytesOf(table).constData());
        }
    }

    void readsDamagedTables_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("first");    // lines before it hold garbage and are not checked
        QTest::addColumn<int>("readable"); // lines that hold the example alarm; the rest must be defaults
        const QByteArray line = alarmTableLine(Example).toUtf8();
        QTest::newRow("empty file") << QByteArray() << 0 << 0;
        QTest::newRow("three lines, the last without line end") << line.repeated(3).chopped(2) << 0 << 3;
        QTest::newRow("LF line ends") << QByteArray("9 8 2000 9 5 0 0 1 Browse\n").repeated(10) << 0 << 10;
        QTest::newRow("6 MB garbage line first") << QByteArray(6 * 1024 * 1024, 'x') + "\r\n" + line << 1 << 0;
    }

    void readsDamagedTables()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, first);
        QFETCH(int, readable);
        const AlarmRecords table = tableFrom(bytes);
        for (int k = first; k < 10; ++k)
            QCOMPARE(table[k], k < readable ? Example : defaultAlarmRecord());
    }
    // Files written by the old program are in Windows-1252; this program writes UTF-8.

    void readsWesternCodePage()
    {
        const QByteArray line = "9 8 2000 9 5 0 0 0 C:\\Sons\\R\xe9veil \x80.wav\r\n";
        const AlarmRecords table = tableFrom(line + QByteArray(2000, '\xff') + QByteArray("\x00\x01\r\n\r\n", 6));
        QCOMPARE(table[0].waveFile, QStringLiteral("C:\\Sons\\Réveil €.wav"));
        for (int k = 3; k < 10; ++k)
            QCOMPARE(table[k], defaultAlarmRecord());
        QVERIFY(bytesOf(table).contains("R\xc3\xa9veil \xe2\x82\xac"));
    }

    void interval_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("interval");
        QTest::newRow("spaces around, no line end") << QByteArray(" 15 ") << QStringLiteral("15");
        QTest::newRow("words after the number") << QByteArray("5 minutes\r\n") << QStringLiteral("5");
        QTest::newRow("empty file") << QByteArray() << QStringLiteral("0");
    }

    void interval()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, interval);
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        QCOMPARE(readInterval(in), interval);
    }
    // The writers report a device that fails after N bytes, and write nothing past the failure.

    void writeFailsHalfWay()
    {
        AlarmRecords table;
        table.fill(Example);
        FailingDevice cut(1199), room(1200), small(3);
        QVERIFY(!writeAlarmTable(cut, table));
        QCOMPARE(cut.written, bytesOf(table).left(1199));
        QVERIFY(writeAlarmTable(room, table));
        QVERIFY(!writeInterval(small, QStringLiteral("15")));
    }
    // A store into a folder still to be made, then one that a per-process file size limit (standing in
    // for a full disk) cuts short: that one fails and leaves the first file as it was.

    void storeRoundTripAndCutShortStore()
    {
        QTemporaryDir dir;
        const QString configDir = dir.filePath("config dir/kalindor");
        QFile file(configDir + "/kalind.dta");
        AlarmRecords before, after;
        before.fill(Example);
        QString why;
        QVERIFY(storeAlarmTable(before, configDir, &why) && file.open(QIODevice::ReadOnly));
        const QByteArray old = file.readAll();
        QCOMPARE(old, bytesOf(before));
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limited{500, saved.rlim_max};
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
        const bool stored = storeAlarmTable(after, configDir, &why);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!stored);
        QVERIFY2(why.contains("kalind.dta: ") && !why.endsWith(": "), qPrintable(why));
        file.close();
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        QCOMPARE(QDir(configDir).entryList(QDir::Files), QStringList{"kalind.dta"});
    }
};

QTEST_GUILESS_MAIN(TestAlarmFiles)
#include "tst_alarmfiles.moc"
