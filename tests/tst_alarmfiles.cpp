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
QString sp(int count)
{
    return QString(count, u' ');
}

AlarmRecord record(const QStringList &fields)
{
    AlarmRecord r;
    for (int i = 0; i < AlarmRecord::FieldCount; ++i)
        r.field(i) = fields.value(i);
    return r;
}

const AlarmRecord Example = record({"9", "8", "2000", "9", "5", "0", "0", "1", "Browse"});

QByteArray bytesOf(const AlarmRecords &table)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writeAlarmTable(buffer, table))
        qFatal("a buffer refused bytes");
    return buffer.data();
}

AlarmRecords tableFrom(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readAlarmTable(buffer);
}

AlarmRecords defaults()
{
    AlarmRecords table;
    table.fill(defaultAlarmRecord());
    return table;
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
        const qint64 room = limit - written.size();
        if (room <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 taken = std::min(room, size);
        written.append(data, taken);
        return taken;
    }

private:
    qint64 limit;
};

// Regular files written by this process may not grow beyond `bytes` while it lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = bytes;
        active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }
    bool active = false;

private:
    rlimit saved{};
    void (*previousHandler)(int) = nullptr;
};
} // namespace

class TestAlarmFiles : public QObject
{
    Q_OBJECT
private slots:
    void writesZones_data();
    void writesZones();
    void readsHandMadeLines_data();
    void readsHandMadeLines();
    void randomTablesSurviveRoundTrip();
    void readsDamagedTables_data();
    void readsDamagedTables();
    void readsWesternCodePage();
    void interval_data();
    void interval();
    void writeFailsHalfWay_data();
    void writeFailsHalfWay();
    void missingFilesLoadDefaultsAndCreateNothing();
    void storeCreatesFolderAndTenLines();
    void storeIntoUnusableFolderReports();
    void storeCutShortKeepsOldFile();
};

void TestAlarmFiles::writesZones_data()
{
    QTest::addColumn<AlarmRecord>("record");
    QTest::addColumn<QString>("line");

    QTest::newRow("example alarm, 120 bytes")
        << Example
        << "9" + sp(13) + "8" + sp(13) + "2000" + sp(10) + "9" + sp(13) + "5" + sp(13) + "0" + sp(13) + "0" + sp(13)
               + "1" + sp(13) + "Browse\r\n";
    QTest::newRow("14-character day takes two zones")
        << record({"12345678901234", "8", "2000", "9", "5", "1", "0", "0", "Browse"})
        << "12345678901234" + sp(14) + "8" + sp(13) + "2000" + sp(10) + "9" + sp(13) + "5" + sp(13) + "1" + sp(13)
               + "0" + sp(13) + "0" + sp(13) + "Browse\r\n";
    QTest::newRow("13-character day takes one zone")
        << record({"1234567890123", "8", "2000", "9", "5", "1", "0", "0", "Browse"})
        << "1234567890123" + sp(1) + "8" + sp(13) + "2000" + sp(10) + "9" + sp(13) + "5" + sp(13) + "1" + sp(13)
               + "0" + sp(13) + "0" + sp(13) + "Browse\r\n";
    QTest::newRow("28-character month takes three zones")
        << record({"9", QString(28, u'x'), "2000", "9", "5", "0", "1", "0", "Browse"})
        << "9" + sp(13) + QString(28, u'x') + sp(14) + "2000" + sp(10) + "9" + sp(13) + "5" + sp(13) + "0" + sp(13)
               + "1" + sp(13) + "0" + sp(13) + "Browse\r\n";
    QTest::newRow("empty hour still takes a zone")
        << record({"9", "8", "2000", "", "5", "0", "0", "1", "Browse"})
        << "9" + sp(13) + "8" + sp(13) + "2000" + sp(10) + sp(14) + "5" + sp(13) + "0" + sp(13) + "0" + sp(13) + "1"
               + sp(13) + "Browse\r\n";
    QTest::newRow("path with spaces, unpadded")
        << record({"1", "1", "2001", "0", "0", "0", "0", "0", "C:\\WINDOWS\\MEDIA\\The Microsoft Sound.wav"})
        << "1" + sp(13) + "1" + sp(13) + "2001" + sp(10) + "0" + sp(13) + "0" + sp(13) + "0" + sp(13) + "0" + sp(13)
               + "0" + sp(13) + "C:\\WINDOWS\\MEDIA\\The Microsoft Sound.wav\r\n";
    QTest::newRow("inner space in a box")
        << record({"9 h", "8", "2000", "9", "5", "0", "0", "1", "Browse"})
        << "9 h" + sp(11) + "8" + sp(13) + "2000" + sp(10) + "9" + sp(13) + "5" + sp(13) + "0" + sp(13) + "0" + sp(13)
               + "1" + sp(13) + "Browse\r\n";
    QTest::newRow("path with comma and accent")
        << record({"1", "2", "2003", "4", "5", "0", "0", "0", "/home/zoé/sons/réveil, fort.wav"})
        << "1" + sp(13) + "2" + sp(13) + "2003" + sp(10) + "4" + sp(13) + "5" + sp(13) + "0" + sp(13) + "0" + sp(13)
               + "0" + sp(13) + "/home/zoé/sons/réveil, fort.wav\r\n";
}

void TestAlarmFiles::writesZones()
{
    QFETCH(AlarmRecord, record);
    QFETCH(QString, line);

    QCOMPARE(alarmTableLine(record), line);
    QCOMPARE(readAlarmTableLine(QStringView(line).chopped(2)), record);
    if (QTest::currentDataTag() == QByteArray("example alarm, 120 bytes"))
        QCOMPARE(line.toUtf8().size(), 120);
}

void TestAlarmFiles::readsHandMadeLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<AlarmRecord>("record");

    QTest::newRow("numbers with a space on each side")
        << " 9" + sp(12) + " 8" + sp(12) + " 2000" + sp(9) + " 9" + sp(12) + " 5" + sp(12) + " 0" + sp(12) + " 0"
               + sp(12) + " 1" + sp(12) + "Browse"
        << Example;
    QTest::newRow("single spaces") << QStringLiteral("9 8 2000 9 5 0 0 1 Browse") << Example;
    QTest::newRow("single spaces, path with spaces")
        << QStringLiteral("9 8 2000 9 5 0 0 0 C:\\WINDOWS\\MEDIA\\The Microsoft Sound.wav")
        << record({"9", "8", "2000", "9", "5", "0", "0", "0", "C:\\WINDOWS\\MEDIA\\The Microsoft Sound.wav"});
    QTest::newRow("leading zeros kept") << QStringLiteral("09 08 2000 09 05 0 0 1 Browse")
                                        << record({"09", "08", "2000", "09", "05", "0", "0", "1", "Browse"});
    QTest::newRow("trailing spaces after field 9") << QStringLiteral("9 8 2000 9 5 0 0 1 Browse   ") << Example;
    QTest::newRow("one character too many in a zone")
        << "19" + sp(13) + "8" + sp(13) + "2000" + sp(10) + "9" + sp(13) + "5" + sp(13) + "0" + sp(13) + "0" + sp(13)
               + "1" + sp(13) + "Browse"
        << record({"19", "8", "2000", "9", "5", "0", "0", "1", "Browse"});
    QTest::newRow("three fields") << QStringLiteral("9 8 2000")
                                  << record({"9", "8", "2000", "0", "0", "0", "0", "0", "Browse"});
    QTest::newRow("eight fields, no wave file") << QStringLiteral("9 8 2000 9 5 0 0 1  ") << Example;
    QTest::newRow("empty line") << QString() << defaultAlarmRecord();
    QTest::newRow("spaces only") << sp(40) << defaultAlarmRecord();
    QTest::newRow("zones cut before field 9")
        << "9" + sp(13) + "8" + sp(13) + "2000" + sp(10) << record({"9", "8", "2000", "0", "0", "0", "0", "0", "Browse"});
}

void TestAlarmFiles::readsHandMadeLines()
{
    QFETCH(QString, line);
    QFETCH(AlarmRecord, record);

    QCOMPARE(readAlarmTableLine(line), record);
}

// Any table the window can make comes back field for field, within the limits the layout itself sets:
// spaces around a field are not kept, and a space in a field's 14th (28th...) column cannot be told from
// a zone end, so the generator leaves those out.
void TestAlarmFiles::randomTablesSurviveRoundTrip()
{
    QRandomGenerator random(20000809);
    const QString letters = QStringLiteral("0123456789 abcXYZé:\\/.-,");
    const auto text = [&](int maxLength) {
        QString field;
        const int length = random.bounded(maxLength + 1);
        for (int i = 0; i < length; ++i) {
            QChar c = letters[random.bounded(letters.size())];
            const bool edge = i == 0 || i == length - 1 || (i + 1) % 14 == 0;
            if (edge && c == u' ')
                c = u'x';
            field += c;
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
        for (int k = 0; k < 10; ++k) {
            if (!(back[k] == table[k]))
                QFAIL(qPrintable(QStringLiteral("round %1, alarm %2: %3").arg(round).arg(k + 1).arg(alarmTableLine(table[k]))));
        }
    }
    QVERIFY(empty > 100);
    QVERIFY(longFields > 100);
    QVERIFY(innerSpaces > 100);
}

void TestAlarmFiles::readsDamagedTables_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("readable"); // lines that hold the example alarm; the rest must be defaults

    const QByteArray line = alarmTableLine(Example).toUtf8();
    QTest::newRow("empty file") << QByteArray() << 0;
    QTest::newRow("three lines") << line.repeated(3) << 3;
    QTest::newRow("last line without line end") << line.repeated(4).chopped(2) << 4;
    QTest::newRow("twelve lines") << line.repeated(12) << 10;
    QTest::newRow("LF line ends") << QByteArray("9 8 2000 9 5 0 0 1 Browse\n").repeated(10) << 10;
    QTest::newRow("very long first line") << QByteArray(6 * 1024 * 1024, 'x') + "\r\n" + line << 0;
}

void TestAlarmFiles::readsDamagedTables()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, readable);

    const AlarmRecords table = tableFrom(bytes);
    for (int k = 0; k < 10; ++k) {
        if (k < readable)
            QCOMPARE(table[k], Example);
        else if (QTest::currentDataTag() != QByteArray("very long first line") || k > 0)
            QCOMPARE(table[k], defaultAlarmRecord());
    }
}

void TestAlarmFiles::readsWesternCodePage()
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

void TestAlarmFiles::interval_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("interval");

    QTest::newRow("15") << QByteArray("15\r\n") << QStringLiteral("15");
    QTest::newRow("spaces around") << QByteArray(" 15 \r\n") << QStringLiteral("15");
    QTest::newRow("words after the number") << QByteArray("5 minutes\r\n") << QStringLiteral("5");
    QTest::newRow("no line end") << QByteArray("30") << QStringLiteral("30");
    QTest::newRow("blank first line") << QByteArray("\r\n60\r\n") << QStringLiteral("60");
    QTest::newRow("empty file") << QByteArray() << QStringLiteral("0");
}

void TestAlarmFiles::interval()
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

void TestAlarmFiles::writeFailsHalfWay_data()
{
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("complete");

    QTest::newRow("nothing accepted") << qint64(0) << false;
    QTest::newRow("cut in line 1") << qint64(60) << false;
    QTest::newRow("cut after line 5") << qint64(600) << false;
    QTest::newRow("last byte refused") << qint64(1199) << false;
    QTest::newRow("room for all") << qint64(1200) << true;
}

void TestAlarmFiles::writeFailsHalfWay()
{
    QFETCH(qint64, limit);
    QFETCH(bool, complete);

    FailingDevice device(limit);
    QCOMPARE(writeAlarmTable(device, defaults()), complete);
    QCOMPARE(device.written, bytesOf(defaults()).left(limit));

    FailingDevice small(limit / 300);
    QCOMPARE(writeInterval(small, QStringLiteral("15")), complete);
    QCOMPARE(small.written, QByteArray("15\r\n").left(limit / 300));
}

void TestAlarmFiles::missingFilesLoadDefaultsAndCreateNothing()
{
    QTemporaryDir dir;
    const QString configDir = dir.filePath("kalindor");
    HPMOD shared;
    loadSettings(shared, configDir);
    QCOMPARE(shared.AlarmTable, defaults());
    QCOMPARE(shared.announceInterval, QStringLiteral("0"));
    QVERIFY(!QFileInfo::exists(configDir));
}

void TestAlarmFiles::storeCreatesFolderAndTenLines()
{
    QTemporaryDir dir;
    const QString configDir = dir.filePath("config dir/kalindor");
    AlarmRecords table = defaults();
    table[0] = Example;
    table[9].waveFile = QStringLiteral("/home/user/My Sounds/gong.wav");
    QString why;
    QVERIFY(storeAlarmTable(table, configDir, &why));
    QVERIFY(storeInterval(QStringLiteral("15"), configDir, &why));

    const QByteArray bytes = fileBytes(configDir + "/kalind.dta");
    QCOMPARE(bytes.count("\r\n"), 10);
    QCOMPARE(bytes, bytesOf(table));
    QCOMPARE(fileBytes(configDir + "/saytime.dta"), QByteArray("15\r\n"));

    HPMOD shared;
    loadSettings(shared, configDir);
    QCOMPARE(shared.AlarmTable, table);
    QCOMPARE(shared.announceInterval, QStringLiteral("15"));
}

void TestAlarmFiles::storeIntoUnusableFolderReports()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("plain file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString configDir = dir.filePath("plain file/kalindor");

    QString why;
    QVERIFY(!storeAlarmTable(defaults(), configDir, &why));
    QVERIFY2(why.contains("kalind.dta") && why.contains("cannot be created"), qPrintable(why));
    why.clear();
    QVERIFY(!storeInterval(QStringLiteral("5"), configDir, &why));
    QVERIFY2(why.contains("saytime.dta"), qPrintable(why));
}

void TestAlarmFiles::storeCutShortKeepsOldFile()
{
    QTemporaryDir dir;
    AlarmRecords before = defaults();
    before[2] = Example;
    QString why;
    QVERIFY(storeAlarmTable(before, dir.path(), &why));
    const QByteArray old = fileBytes(dir.filePath("kalind.dta"));

    AlarmRecords after = defaults();
    for (AlarmRecord &r : after)
        r.waveFile = QStringLiteral("/a/much/longer/path/to/a/personal/sound.wav");
    {
        FileSizeLimit limit(500);
        QVERIFY(limit.active);
        QVERIFY(!storeAlarmTable(after, dir.path(), &why));
    }
    QVERIFY2(why.contains("kalind.dta") && why.size() > QString("kalind.dta: ").size() + dir.path().size(),
             qPrintable(why));
    QCOMPARE(fileBytes(dir.filePath("kalind.dta")), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"kalind.dta"});
}

QTEST_GUILESS_MAIN(TestAlarmFiles)
#include "tst_alarmfiles.moc"
