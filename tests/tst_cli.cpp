// The real kalindor binary on the command line: speaking into a WAV file, and refusing bad arguments.
#include "Decoder.h"
#include "SampleCatalogue.h"

#include "Rows.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Run
{
    int status = -1;
    QString standardError, standardOutput;
};

Run runKalindor(QStringList arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The zone or language the row is about: "TZ=Europe/Paris", "LANG=de_DE.UTF-8"; "LC_ALL=" is as unset.
    while (arguments.value(0).contains(u'=') && !arguments.value(0).startsWith(u'-')) {
        const QString setting = arguments.takeFirst();
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    }
    environment.insert("QT_QPA_PLATFORM", "xcb"); // with no display (see CMakeLists), fails at once if a window opens
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KALINDOR_BINARY), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()),
            QString::fromUtf8(process.readAllStandardOutput())};
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
    void run_data() { addRows("cli", {"line", "status", "expected"}); }
    void run()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        QFETCH(QString, status);
        QStringList arguments = line.section(u'|', 0, 0).replace("DATA", testData("")).split(u' ');
        if (line.contains(u'|'))
            arguments << line.section(u'|', 1);
        const QDateTime tableWritten = QFileInfo(testData("alarms/kalind.dta")).lastModified();
        QTemporaryDir dir;
        const QString wav = dir.filePath("x.wav");
        const bool ownOutput = arguments.contains("--output") || arguments.contains("--autostart") || arguments.contains("--alarms");
        const Run run = runKalindor(ownOutput ? arguments : arguments + QStringList{"--output", wav});
        QCOMPARE(run.status, status.toInt());
        if (arguments.contains("--alarms")) { // what it says, and the settings left as they were, unlocked
            QCOMPARE(status == "0" ? run.standardOutput : run.standardError.section(u'\n', 0, 0), expected);
            QCOMPARE(QDir(testData("alarms")).entryList(QDir::Files), (QStringList{"kalind.dta", "saytime.dta", "sound.dta"}));
            QCOMPARE(QFileInfo(testData("alarms/kalind.dta")).lastModified(), tableWritten);
            return;
        }
        if (status != "0" || expected.isEmpty() || arguments.contains("-help")) {
            // --help names the program as it is typed. A bad argument points to --help; a file that cannot be
            // written is no fault of the arguments.
            QVERIFY2(status == "0" ? run.standardOutput.contains(expected)
                                   : (run.standardError.startsWith("kalindor: ") && run.standardError.count(expected) == 1
                                      && run.standardError.endsWith("\nTry 'kalindor --help'\n") == (status == "2")),
                     qPrintable(run.standardError + run.standardOutput));
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
