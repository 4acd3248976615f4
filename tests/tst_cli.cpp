// The command line: the mode each line comes to, what it speaks into a WAV file or lists, and the one
// problem named for a bad line, by the real binary; where a window would open, what it is given.
#include "CommandLine.h"
#include "Decoder.h"
#include "SampleCatalogue.h"

#include "Rows.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>


namespace {
struct Run
{
    int status = -1;
    QString standardError, standardOutput;
};

// The binary run with the zone or language the row is about ("TZ=Europe/Paris", "LANG=de_DE.UTF-8";
// "LC_ALL=" unsets it).
Run runKalindor(const QStringList &arguments, const QStringList &settings)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb"); // with no display (see CMakeLists), fails at once if a window opens
    for (const QString &setting : settings) {
        const QString name = setting.section(u'=', 0, 0), value = setting.section(u'=', 1);
        value.isEmpty() ? environment.remove(name) : environment.insert(name, value);
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KALINDOR_BINARY), arguments);
    if (!process.waitForFinished(60000))
        return {};
    // Where a row's locale is not installed, Qt 6.8 says so and takes C.UTF-8: the machine's word, not Kalindor's.
    static const QRegularExpression qtLocale(QStringLiteral("^Detected locale \"C\".*?for more information\\.\n"),
                                             QRegularExpression::DotMatchesEverythingOption);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError()).remove(qtLocale),
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

bool windowWanted(const QStringList &arguments)
{
    std::vector<QByteArray> bytes{"kalindor"};
    for (const QString &argument : arguments)
        bytes.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : bytes)
        argv.push_back(argument.data());
    return wantsWindow(int(argv.size()), argv.data());
}
} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("kalindor")); }

    // Speaking into a WAV file (the samples are compared), listing the alarms, the window's options, or
    // one problem named once, with nothing written. A line that starts with "kalindor" runs the binary.
    void run_data() { addRows("cli", {"line", "status", "expected"}); }
    void run()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        QFETCH(QString, status);
        QStringList arguments = line.section(u'|', 0, 0).replace("DATA", testData("")).split(u' '), settings;
        if (line.contains(u'|'))
            arguments << line.section(u'|', 1);
        while (arguments.constFirst().contains(u'=') && !arguments.constFirst().startsWith(u'-'))
            settings << arguments.takeFirst();
        if (expected.startsWith("window")) { // "window [hidden] DIR FILE": how it starts, where the settings and the sound go
            const ParsedLine parsed = parseOptions(QStringList{"kalindor"} + arguments);
            QVERIFY(windowWanted(arguments) && parsed.options && parsed.options->mode == Options::Mode::Window);
            QCOMPARE(QStringLiteral("window%1 %2 %3").arg(parsed.options->hidden ? " hidden" : "", parsed.options->configDir,
                                                          parsed.options->output).trimmed(),
                     expected.replace("DATA", testData("")));
            return;
        }
        QTemporaryDir dir;
        const QString wav = dir.filePath("x.wav");
        const bool listing = arguments.contains("--alarms");
        if (!listing && !arguments.contains("--output") && !arguments.contains("--autostart"))
            arguments << "--output" << wav;
        const QDateTime tableWritten = QFileInfo(testData("alarms/kalind.dta")).lastModified();
        const Run run = runKalindor(arguments, settings);
        QCOMPARE(run.status, status.toInt());
        if (status != "0") { // the problem, once, and no more than a pointer to --help
            QVERIFY2(run.standardError.startsWith("kalindor: ") && run.standardError.count(expected) == 1, qPrintable(run.standardError));
            QCOMPARE(run.standardOutput, QString());
            return;
        }
        QVERIFY2(run.standardError.isEmpty(), qPrintable(run.standardError));
        if (listing) { // what it says, and the settings left as they were, unlocked
            QCOMPARE(run.standardOutput, expected);
            QCOMPARE(QDir(testData("alarms")).entryList(QDir::Files), (QStringList{"kalind.dta", "names.dta", "saytime.dta", "sound.dta"}));
            QCOMPARE(QFileInfo(testData("alarms/kalind.dta")).lastModified(), tableWritten);
            return;
        }
        if (!QFile::exists(wav)) { // help or version
            QVERIFY2(run.standardOutput.contains(expected.replace("VERSION", KALINDOR_VERSION)), qPrintable(run.standardOutput));
            return;
        }
        const auto written = decodeFile(wav);
        QVERIFY(written);
        const std::vector<float> samples = joinedSamples(expected);
        QVERIFY(!samples.empty());
        QVERIFY(std::equal(samples.begin(), samples.end(), written->samples.begin(), written->samples.end(),
                           [](float a, float b) { return std::abs(a - b) <= 1.5f / 32768; }));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
