// The command line: the mode each line comes to, what it speaks into a WAV file or lists, and the one
// problem named for a bad line; the real binary only where its own name and exit matter.
#include "AlarmList.h"
#include "CommandLine.h"
#include "Decoder.h"
#include "SampleCatalogue.h"

#include "Rows.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {
struct Run
{
    int status = -1;
    QString standardError, standardOutput;
};

// What `call` writes on standard output and error, each caught in a file for the call's length.
Run caught(const std::function<int()> &call)
{
    QTemporaryFile out, err;
    if (!out.open() || !err.open())
        return {};
    std::fflush(nullptr);
    const int keptOut = ::dup(1), keptErr = ::dup(2);
    ::dup2(out.handle(), 1);
    ::dup2(err.handle(), 2);
    const int status = call();
    std::fflush(nullptr);
    ::dup2(keptOut, 1);
    ::dup2(keptErr, 2);
    ::close(keptOut);
    ::close(keptErr);
    // The files' own offsets moved with the writes; read them afresh.
    const auto text = [](const QTemporaryFile &file) {
        QFile read(file.fileName());
        return read.open(QIODevice::ReadOnly) ? QString::fromUtf8(read.readAll()) : QString();
    };
    return {status, text(err), text(out)};
}

// The zone or language the row is about ("TZ=Europe/Paris", "LANG=de_DE.UTF-8"; "LC_ALL=" is as unset),
// set for the row's length.
class Settings
{
public:
    explicit Settings(QStringList &arguments)
    {
        while (arguments.value(0).contains(u'=') && !arguments.value(0).startsWith(u'-')) {
            const QString setting = arguments.takeFirst();
            const QByteArray name = setting.section(u'=', 0, 0).toLatin1(), value = setting.section(u'=', 1).toUtf8();
            kept.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
            value.isEmpty() ? qunsetenv(name) : qputenv(name, value);
        }
        tzset();
    }
    ~Settings()
    {
        for (const auto &[name, value, set] : kept)
            set ? qputenv(name, value) : qunsetenv(name);
        tzset();
    }

private:
    struct Kept
    {
        QByteArray name, value;
        bool set;
    };
    QList<Kept> kept;
};

Run runKalindor(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
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
        QStringList arguments = line.section(u'|', 0, 0).replace("DATA", testData("")).split(u' ');
        if (line.contains(u'|'))
            arguments << line.section(u'|', 1);
        if (arguments.constFirst() == QLatin1String("kalindor")) {
            const Run run = runKalindor(arguments.mid(1));
            QCOMPARE(run.status, status.toInt());
            QVERIFY2(run.standardOutput.contains(expected.replace("VERSION", KALINDOR_VERSION)) && run.standardError.isEmpty(),
                     qPrintable(run.standardError + run.standardOutput));
            return;
        }
        const Settings settings(arguments);
        QTemporaryDir dir;
        const QString wav = dir.filePath("x.wav");
        const bool ownOutput = arguments.contains("--output") || arguments.contains("--autostart") || arguments.contains("--alarms");
        if (!ownOutput && !expected.startsWith("window"))
            arguments << "--output" << wav;
        const ParsedLine parsed = parseOptions(QStringList{"kalindor"} + arguments);
        QCOMPARE(windowWanted(arguments), parsed.options && parsed.options->mode == Options::Mode::Window);
        if (!parsed.options) { // the problem, once; the caller points to --help
            QCOMPARE(parsed.status, status.toInt());
            QVERIFY2(parsed.problem.count(expected) == 1, qPrintable(parsed.problem));
            return;
        }
        const Options &options = *parsed.options;
        if (options.mode == Options::Mode::Window) { // "window [hidden] DIR FILE": how it starts, where the settings and the sound go
            QCOMPARE(QStringLiteral("window%1 %2 %3").arg(options.hidden ? " hidden" : "", options.configDir, options.output).trimmed(),
                     expected.replace("DATA", testData("")));
            return;
        }
        if (options.mode == Options::Mode::Help) {
            QVERIFY2(options.text.contains(expected), qPrintable(options.text));
            return;
        }
        if (options.mode == Options::Mode::Alarms) { // what it says, and the settings left as they were, unlocked
            const QDateTime tableWritten = QFileInfo(testData("alarms/kalind.dta")).lastModified();
            const Run run = caught([&options] { return listAlarms(options); });
            QCOMPARE(run.status, status.toInt());
            QCOMPARE(status == "0" ? run.standardOutput : run.standardError.section(u'\n', 0, 0), expected);
            QCOMPARE(QDir(testData("alarms")).entryList(QDir::Files), (QStringList{"kalind.dta", "saytime.dta", "sound.dta"}));
            QCOMPARE(QFileInfo(testData("alarms/kalind.dta")).lastModified(), tableWritten);
            return;
        }
        const Run run = caught([&options] { return sayOnce(options); });
        QCOMPARE(run.status, status.toInt());
        if (status != "0") { // a file that cannot be written is no fault of the arguments
            QVERIFY2(run.standardError.startsWith("kalindor: ") && run.standardError.count(expected) == 1, qPrintable(run.standardError));
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
