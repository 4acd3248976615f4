// The real kalindor binary on the command line: speaking into a WAV file, and refusing bad arguments.
#include "Decoder.h"
#include "SampleCatalogue.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Run
{
    int status = -1;
    QString standardError;
};

Run runKalindor(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY"); // speaking needs no display
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb"); // would fail at once if a window were opened
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KALINDOR_BINARY), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

std::vector<float> joinedSamples(const QString &ids)
{
    std::vector<float> joined;
    const SampleCatalogue catalogue;
    for (const QString &id : ids.split(u' ')) {
        const auto pcm = decodeImage(catalogue.image(SampleId(id.toInt())));
        if (pcm)
            joined.insert(joined.end(), pcm->samples.begin(), pcm->samples.end());
    }
    return joined;
}
} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private slots:
    // Speaking into a WAV file (the samples are compared), or one problem named once and where to read
    // more, with nothing written.
    void run_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expected"); // the samples spoken, or what the message names
        const QString at = QStringLiteral("2026-12-05 14:05");
        QTest::newRow("time French by default") << QStringList{"--say", "time", "--at", at} << 0 << "24 36 15";
        QTest::newRow("time German, one dash") << QStringList{"-say", "time", "-lang=de", "-at", at} << 0 << "84 95 75";
        QTest::newRow("date English, Qt's options passed over")
            << QStringList{"-style", "fusion", "--say", "date", "-platform=offscreen", "--lang", "en", "-reverse", "--at", at}
            << 0 << "164 185 135 180 183 176 188 150 136";
        QTest::newRow("date French 1998 skips the missing 57")
            << QStringList{"--say", "date", "--at", "1998-06-10 08:00"} << 0 << "40 200 20 49";
        QTest::newRow("help") << QStringList{"-help"} << 0 << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "";
        QTest::newRow("unknown language") << QStringList{"--say", "time", "--lang", "it"} << 2 << "\"it\"";
        QTest::newRow("unknown phrase") << QStringList{"--say", "weather"} << 2 << "weather";
        QTest::newRow("malformed --at") << QStringList{"--say", "time", "--at", "5 December"} << 2 << "5 December";
        QTest::newRow("impossible --at") << QStringList{"--say", "time", "--at", "2026-02-30 10:00"} << 2 << "2026-02-30";
        QTest::newRow("unknown option, one dash") << QStringList{"-say", "time", "-loud"} << 2 << "-loud";
        QTest::newRow("language without --say") << QStringList{"--lang", "de"} << 2 << "--lang";
        QTest::newRow("autostart maybe") << QStringList{"--autostart", "maybe"} << 2 << "maybe";
        QTest::newRow("unwritable output") << QStringList{"--say", "time", "--output", "/nonexistent-dir/x.wav"} << 2
                                           << "/nonexistent-dir/x.wav";
    }
    void run()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString wav = dir.filePath("x.wav");
        const bool ownOutput = arguments.contains("--output") || arguments.contains("--autostart");
        const Run run = runKalindor(ownOutput ? arguments : arguments + QStringList{"--output", wav});
        QCOMPARE(run.status, status);
        if (status != 0 || expected.isEmpty()) {
            QVERIFY2(status == 0 || (run.standardError.startsWith("kalindor: ") && run.standardError.count(expected) == 1
                                     && run.standardError.endsWith("\nTry 'kalindor --help'\n")),
                     qPrintable(run.standardError));
            QVERIFY(!QFile::exists(wav) || QFileInfo(wav).size() == 0);
            return;
        }
        const auto written = decodeFile(wav);
        QVERIFY(written);
        QCOMPARE(written->sampleRate, 44100);
        QCOMPARE(written->channels, 1);
        const std::vector<float> samples = joinedSamples(expected);
        QVERIFY(!samples.empty());
        QVERIFY(std::equal(samples.begin(), samples.end(), written->samples.begin(), written->samples.end(),
                           [](float a, float b) { return std::abs(a - b) <= 1.5f / 32768; }));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
