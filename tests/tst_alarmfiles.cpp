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

// Failure messages show a record's nine fields.
char *toString(const AlarmRecord &record)
{
    QStringList fields;
    for (int i = 0; i < AlarmRecord::FieldCount; ++i)
        fields << '"' + record.field(i) + '"';
    return QTest::toString(fields.join(u' '));
}

namespace {
QString sp(int count) { return QString(count, u' '); }

AlarmRecord record(const QStringList &fields)
{
    AlarmRecord r;
    for (int i = 0; i < AlarmRecord::FieldCount; ++i)
        r.field(i) = fields.value(i);
    return r;
}

const AlarmRecord Example = record({"9", "8", "2000", "9", "5", "0", "0", "1", "Browse"});
const QString SystemSound = QStringLiteral("C:\\WINDOWS\\MEDIA\\The Microsoft Sound.wav");

// A function, not a constant: defaultAlarmRecord() needs the library's own statics.
AlarmRecords defaults()
{
    AlarmRecords table;
    table.fill(defaultAlarmRecord());
    return table;
}

QByteArray bytesOf(const AlarmRecords &table)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeAlarmTable(buffer, table);
    return buffer.data();
}

AlarmRecords tableFrom(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readAlarmTable(buffer);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Takes `limit` bytes, then refuses everything, like a disk that fills up during a save.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 limit) : limit(limit) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    QByteArray written;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 taken = std::min(limit - written.size(), size);
        if (taken <= 0)
            return -1;
        written.append(data, taken);
        return taken;
    }

private:
    qint64 limit;
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

        QTest::newRow("example alarm, 120 bytes")
            << QStringLiteral("9             8             2000          9             5             0             0"
                              "             1             Browse")
            << Example << true;
        QTest::newRow("14-character day, month 28 columns later")
            << "12345678901234" + sp(14) + "8" + sp(13) + "2000" + sp(10) + "9" + sp(13) + "5" + sp(13) + "1" + sp(13)
                   + "0" + sp(13) + "0" + sp(13) + "Browse"
            << record({"12345678901234", "8", "2000", "9", "5", "1", "0", "0", "Browse"}) << true;
        QTest::newRow("empty hour keeps its zone, path with spaces unpadded")
            << "1" + sp(13) + "1" + sp(13) + "2001" + sp(10) + sp(14) + "0" + sp(13) + "0" + sp(13) + "0" + sp(13) + "0"
                   + sp(13) + SystemSound
            << record({"1", "1", "2001", "", "0", "0", "0", "0", SystemSound}) << true;
        QTest::newRow("numbers with a space on each side")
            << " 9" + sp(12) + " 8" + sp(12) + " 2000" + sp(9) + " 9" + sp(12) + " 5" + sp(12) + " 0" + sp(12) + " 0"
                   + sp(12) + " 1" + sp(12) + "Browse"
            << Example << false;
        QTest::newRow("single spaces, leading zeros, trailing spaces")
            << QStringLiteral("09 08 2000 09 05 0 0 1 Browse   ")
            << record({"09", "08", "2000", "09", "05", "0", "0", "1", "Browse"}) << false;
        QTest::newRow("single spaces, path with spaces")
            << "9 8 2000 9 5 0 0 0 " + SystemSound << record({"9", "8", "2000", "9", "5", "0", "0", "0", SystemSound})
            << false;
        QTest::newRow("one character too many in a zone")
            << "19" + sp(13) + "8" + sp(13) + "2000" + sp(10) + "9" + sp(13) + "5" + sp(13) + "0" + sp(13) + "0" + sp(13)
                   + "1" + sp(13) + "Browse"
            << record({"19", "8", "2000", "9", "5", "0", "0", "1", "Browse"}) << false;
        QTest::newRow("zones cut after the year") << "9" + sp(13) + "8" + sp(13) + "2000" + sp(10)
                                                  << record({"9", "8", "2000", "0", "0", "0", "0", "0", "Browse"}) << false;
        QTest::newRow("eight fields, no wave file") << QStringLiteral("9 8 2000 9 5 0 0 1  ") << Example << false;
    }

    void lines()
    {
        QFETCH(QString, line);
        QFETCH(AlarmRecord, record);
        QFETCH(bool, written);
        QCOMPARE(readAlarmTableLine(line), record);
        if (written)
            QCOMPARE(alarmTableLine(record), line + "\r\n");
        if (QTest::currentDataTag() == QByteArray("example alarm, 120 bytes"))
            QCOMPARE(alarmTableLine(record).toUtf8().size(), 120);
    }

    // Any table the window can make comes back field for field, within the limits the layout itself sets:
    // spaces around a field are not kept, and a space in a field's 14th (28th...) column cannot be told from
    // a zone end, so the generator leaves those out.
    void randomTablesSurviveRoundTrip()
    {
        QRandomGenerator random(20000809);
        const QString letters = QStringLiteral("0123456789 abcXYZé:\\/.-,");
        const auto text = [&](int maxLength) {
            QString field;
            const int length = random.bounded(maxLength + 1);
            for (int i = 0; i < length; ++i) {
                const QChar c = letters[random.bounded(letters.size())];
                field += (c == u' ' && (i == 0 || i == length - 1 || (i + 1) % 14 == 0)) ? QChar(u'x') : c;
            }
            return field;
        };
        int empty = 0, longFields = 0, innerSpaces = 0;
        for (int round = 0; round < 300; ++round) {
            AlarmRecords table;
            for (AlarmRecord &r : table) {
                for (int i = 0; i < AlarmRecord::FieldCount - 1; ++i) {
                    r.field(i) = text(random.bounded(4) == 0 ? 45 : 6);
                    empty += r.field(i).isEmpty();
                    longFields += r.field(i).size() >= 14;
                    innerSpaces += r.field(i).contains(u' ');
                }
                r.waveFile = random.bounded(2) ? QStringLiteral("Browse") : "/x" + text(60);
            }
            const AlarmRecords back = tableFrom(bytesOf(table));
            for (int k = 0; k < 10; ++k)
                QVERIFY2(back[k] == table[k], qPrintable(QString("round %1: %2").arg(round).arg(alarmTableLine(table[k]))));
        }
        QVERIFY(empty > 100 && longFields > 100 && innerSpaces > 100);
    }

    void readsDamagedTables_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("readable"); // lines that hold the example alarm; the rest must be defaults

        const QByteArray line = alarmTableLine(Example).toUtf8();
        QTest::newRow("empty file") << QByteArray() << 0;
        QTest::newRow("three lines") << line.repeated(3) << 3;
        QTest::newRow("last line without line end") << line.repeated(4).chopped(2) << 4;
        QTest::newRow("twelve lines") << line.repeated(12) << 10;
        QTest::newRow("LF line ends") << QByteArray("9 8 2000 9 5 0 0 1 Browse\n").repeated(10) << 10;
        QTest::newRow("6 MB garbage line first") << QByteArray(6 * 1024 * 1024, 'x') + "\r\n" + line << 0;
    }

    void readsDamagedTables()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, readable);
        const AlarmRecords table = tableFrom(bytes);
        // A garbage line reads as whatever its tokens are; only the lines after it are checked.
        const int first = QTest::currentDataTag() == QByteArray("6 MB garbage line first") ? 1 : 0;
        for (int k = first; k < 10; ++k)
            QCOMPARE(table[k], k < readable ? Example : defaultAlarmRecord());
    }

    void readsWesternCodePage()
    {
        const QByteArray line = "9 8 2000 9 5 0 0 0 C:\\Sons\\R\xe9veil \x80.wav\r\n";
        const AlarmRecords table = tableFrom(line + QByteArray(2000, '\xff') + QByteArray("\x00\x01\r\n\r\n", 6));
        QCOMPARE(table[0].waveFile, QStringLiteral("C:\\Sons\\Réveil €.wav"));
        for (int k = 3; k < 10; ++k)
            QCOMPARE(table[k], defaultAlarmRecord());

        AlarmRecords accented = defaults();
        accented[0].waveFile = QStringLiteral("C:\\Sons\\Réveil.wav");
        QVERIFY(bytesOf(accented).contains("R\xc3\xa9veil"));
    }

    void interval_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("interval");

        QTest::newRow("spaces around, no line end") << QByteArray(" 15 ") << QStringLiteral("15");
        QTest::newRow("words after the number") << QByteArray("5 minutes\r\n") << QStringLiteral("5");
        QTest::newRow("blank first line") << QByteArray("\r\n60\r\n") << QStringLiteral("60");
        QTest::newRow("empty file") << QByteArray() << QStringLiteral("0");
    }

    void interval()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, interval);
        QBuffer in;
        in.setData(bytes);
        in.open(QIODevice::ReadOnly);
        QCOMPARE(readInterval(in), interval);

        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QVERIFY(writeInterval(out, interval));
        QCOMPARE(out.data(), interval.toUtf8() + "\r\n");
    }

    // A device that fails after N bytes: the writers report it, and nothing is written past the failure.
    void writeFailsHalfWay()
    {
        FailingDevice cut(1199);
        QVERIFY(!writeAlarmTable(cut, defaults()));
        QCOMPARE(cut.written, bytesOf(defaults()).left(1199));
        FailingDevice room(1200);
        QVERIFY(writeAlarmTable(room, defaults()));
        FailingDevice small(3);
        QVERIFY(!writeInterval(small, QStringLiteral("15")));
    }

    // A store into a folder still to be made, read back whole; then one that the file system cuts short
    // (a per-process file size limit stands in for a full disk) leaves that file as it was.
    void storeRoundTripAndCutShortStore()
    {
        QTemporaryDir dir;
        const QString configDir = dir.filePath("config dir/kalindor");
        AlarmRecords before = defaults();
        before[0] = Example;
        before[9].waveFile = QStringLiteral("/home/user/My Sounds/gong.wav");
        QString why;
        QVERIFY(storeAlarmTable(before, configDir, &why));
        const QByteArray old = fileBytes(configDir + "/kalind.dta");
        QCOMPARE(old, bytesOf(before));

        AlarmRecords after = defaults();
        for (AlarmRecord &r : after)
            r.waveFile = QStringLiteral("/a/much/longer/path/to/a/personal/sound.wav");
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = 500;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
        const bool stored = storeAlarmTable(after, configDir, &why);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!stored);
        QVERIFY2(why.contains("kalind.dta: ") && !why.endsWith(": "), qPrintable(why));
        QCOMPARE(fileBytes(configDir + "/kalind.dta"), old);
        QCOMPARE(QDir(configDir).entryList(QDir::Files), QStringList{"kalind.dta"});
    }
};

QTEST_GUILESS_MAIN(TestAlarmFiles)
#include "tst_alarmfiles.moc"
