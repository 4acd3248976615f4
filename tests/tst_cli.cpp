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
    void speaksIntoFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("samples");
        const QString at = QStringLiteral("2026-12-05 14:05");
        QTest::newRow("time French") << QStringList{"--say", "time", "--lang", "fr", "--at", at} << "24 36 15";
        QTest::newRow("time French by default") << QStringList{"--say", "time", "--at", at} << "24 36 15";
        QTest::newRow("time German") << QStringList{"--say", "time", "--lang", "de", "--at", at} << "84 95 75";
        QTest::newRow("time English") << QStringList{"--say", "time", "--lang", "en", "--at", at} << "132 135 156";
        QTest::newRow("date French") << QStringList{"--say", "date", "--lang", "fr", "--at", at} << "43 200 15 55 59 30 16";
        QTest::newRow("date German") << QStringList{"--say", "date", "--lang", "de", "--at", at}
                                     << "103 126 75 127 115 119 76 94 90";
        QTest::newRow("date English") << QStringList{"--say", "date", "--lang", "en", "--at", at}
                                      << "164 185 135 180 183 176 188 150 136";
        QTest::newRow("date French 1998 skips the missing 57")
            << QStringList{"--say", "date", "--at", "1998-06-10 08:00"} << "40 200 20 49";
    }
    void speaksIntoFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, samples);
        QTemporaryDir dir;
        const QString wav = dir.filePath("x.wav");
        const Run run = runKalindor(arguments + QStringList{"--output", wav});
        QCOMPARE(run.status, 0);
        const auto written = decodeFile(wav);
        QVERIFY(written);
        QCOMPARE(written->sampleRate, 44100);
        QCOMPARE(written->channels, 1);
        const std::vector<float> expected = joinedSamples(samples);
        QVERIFY(!expected.empty());
        QCOMPARE(written->samples.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            if (std::abs(written->samples[i] - expected[i]) > 1.5f / 32768)
                QFAIL(qPrintable(QString("sample %1 differs: %2 vs %3").arg(i).arg(written->samples[i]).arg(expected[i])));
        }
    }

    void refusesBadArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown language") << QStringList{"--say", "time", "--lang", "it"};
        QTest::newRow("unknown phrase") << QStringList{"--say", "weather"};
        QTest::newRow("malformed --at") << QStringList{"--say", "time", "--at", "5 December"};
        QTest::newRow("impossible --at") << QStringList{"--say", "time", "--at", "2026-02-30 10:00"};
        QTest::newRow("unknown option") << QStringList{"--say", "time", "--loud"};
        QTest::newRow("language without --say") << QStringList{"--lang", "de"};
    }
    void refusesBadArguments()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        const QString wav = dir.filePath("x.wav");
        const Run run = runKalindor(arguments + QStringList{"--output", wav});
        QCOMPARE(run.status, 2);
        QCOMPARE(run.standardError.trimmed().count(u'\n'), 0); // one line
        QVERIFY(run.standardError.startsWith("kalindor: "));
        QVERIFY(!QFile::exists(wav) || QFileInfo(wav).size() == 0);
    }

    void refusesUnwritableOutput()
    {
        const Run run = runKalindor({"--say", "time", "--output", "/nonexistent-dir/x.wav"});
        QCOMPARE(run.status, 2);
        QVERIFY(run.standardError.contains("/nonexistent-dir/x.wav"));
    }

    void helpAndVersion()
    {
        const Run help = runKalindor({"--help"});
        QCOMPARE(help.status, 0);
        const Run version = runKalindor({"--version"});
        QCOMPARE(version.status, 0);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
