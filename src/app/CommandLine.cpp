#include "CommandLine.h"

#include "Announcements.h"
#include "Devices.h"
#include "FixedClock.h"
#include "Player.h"
#include "SoundNotice.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdlib>
#include <cstring>

namespace {
// Qt's own options, which QGuiApplication and QApplication take out of the arguments before they
// are parsed here; with one dash or two, the value after "=" or as the next argument.
const QStringList QtOptionsWithValue = {
    QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
    QStringLiteral("plugin"), QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
    QStringLiteral("geometry"), QStringLiteral("qwindowtitle"), QStringLiteral("title"),
    QStringLiteral("qwindowicon"), QStringLiteral("icon"), QStringLiteral("style"), QStringLiteral("stylesheet"),
    QStringLiteral("session"), QStringLiteral("display"), QStringLiteral("name"), QStringLiteral("visual")};
const QStringList QtFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                             QStringLiteral("dograb"), QStringLiteral("sync"), QStringLiteral("testability")};
// The options that go with the window; the rest are --say, --help, --version, --autostart or
// mistakes, none of which may need a display.
const QStringList WindowOptions = {QStringLiteral("config-dir"), QStringLiteral("output")};

// "--style=x" and "-style" both name "style"; a non-option names nothing.
QString optionName(const QString &argument)
{
    if (argument.size() < 2 || !argument.startsWith(u'-') || argument == QLatin1String("--"))
        return {};
    return argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1).section(u'=', 0, 0);
}

// How many arguments from `i` on make one option of `withValue` or `flags`; 0 when none does.
qsizetype optionLength(const QStringList &arguments, qsizetype i, const QStringList &withValue,
                       const QStringList &flags = {})
{
    const QString name = optionName(arguments[i]);
    const bool inline_ = arguments[i].contains(u'=');
    if (flags.contains(name) && !inline_)
        return 1;
    if (withValue.contains(name))
        return inline_ || i + 1 == arguments.size() ? 1 : 2;
    return 0;
}
} // namespace

bool wantsWindow(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    for (qsizetype i = 0; i < arguments.size();) {
        const qsizetype qt = optionLength(arguments, i, QtOptionsWithValue, QtFlags);
        const qsizetype own = optionLength(arguments, i, WindowOptions);
        if (qt == 0 && (own == 0 || (own == 1 && !arguments[i].contains(u'='))))
            return false;
        i += std::max(qt, own);
    }
    return true;
}

QString settingsFolder(const Options &options)
{
    return options.configDir.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                                       : options.configDir;
}

// The language of the desktop's messages, as the C library picks it: the first of LC_ALL, LC_MESSAGES and
// LANG that is set, "de_AT.UTF-8" read as German; French, as the window starts, for any other language.
qint16 desktopLanguage()
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (value.isEmpty())
            continue;
        const QString code = value.section(u'_', 0, 0).section(u'.', 0, 0).section(u'@', 0, 0);
        return code == QLatin1String("de") ? 1 : code == QLatin1String("en") ? 2 : 0;
    }
    return 0;
}

void reportBadArguments(const QString &problem)
{
    QTextStream(stderr) << "kalindor: " << problem << "\nTry 'kalindor --help'" << Qt::endl;
}

std::optional<Options> parseOptions(const QStringList &given, QString *error)
{
    QStringList arguments = given.mid(0, 1);
    for (qsizetype i = 1; i < given.size();) {
        const qsizetype qt = optionLength(given, i, QtOptionsWithValue, QtFlags);
        if (qt == 0)
            arguments << given[i];
        i += std::max<qsizetype>(qt, 1);
    }

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("Kalindor, a talking clock and calendar with ten alarms."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption say(QStringLiteral("say"),
                                 QStringLiteral("Speak the time or the date once, without a window."),
                                 QStringLiteral("time|date"));
    const QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("Language of --say or --alarms: fr, de or en. By default the desktop's language "
                                                 "(LC_ALL, LC_MESSAGES, LANG) when it is French, German or English, otherwise fr."),
                                  QStringLiteral("fr|de|en"));
    const QCommandLineOption at(QStringLiteral("at"), QStringLiteral("Moment to speak, or to list the alarms at, instead of now."),
                                QStringLiteral("YYYY-MM-DD HH:MM"));
    const QCommandLineOption output(QStringLiteral("output"),
                                    QStringLiteral("Write everything spoken or rung into a WAV file instead of playing it."),
                                    QStringLiteral("FILE.wav"));
    const QCommandLineOption configDir(QStringLiteral("config-dir"),
                                       QStringLiteral("Keep kalind.dta and saytime.dta in DIR."),
                                       QStringLiteral("DIR"));
    const QCommandLineOption alarms(QStringLiteral("alarms"),
                                    QStringLiteral("List when each alarm rings next, or why it never does, and the announcement interval."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("List the alarms as JSON."));
    const QCommandLineOption autostart(
        QStringLiteral("autostart"),
        QStringLiteral("Start Kalindor when you log in (on), or no longer (off). Alarms ring only while it runs."),
        QStringLiteral("on|off"));
    parser.addOptions({say, lang, at, output, configDir, alarms, json, autostart});

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty()) {
            *error = parser.errorText(); // "Missing value after '--say'."
            error->chop(error->endsWith(u'.') ? 1 : 0);
            (*error)[0] = error->at(0).toLower();
        } else {
            const auto typed = std::find_if(arguments.cbegin() + 1, arguments.cend(), [&](const QString &argument) {
                return optionName(argument) == unknown.constFirst();
            });
            *error = QStringLiteral("unknown option %1").arg(typed == arguments.cend() ? unknown.constFirst() : typed->section(u'=', 0, 0));
        }
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        // Qt names the program by the path it was started from, the build folder's included.
        const QString program = QCoreApplication::arguments().value(0);
        QString help = parser.helpText();
        if (!program.isEmpty())
            help.replace(help.indexOf(program), program.size(), QCoreApplication::applicationName());
        QTextStream(stdout) << help << Qt::flush;
        std::exit(0);
    }
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().constFirst());
        return std::nullopt;
    }

    Options options;
    options.configDir = parser.value(configDir);
    options.output = parser.value(output);
    if (parser.isSet(json) && !parser.isSet(alarms)) {
        *error = QStringLiteral("--json only goes with --alarms");
        return std::nullopt;
    }
    if (parser.isSet(autostart)) {
        for (const auto &other : {say, lang, at, output, alarms}) {
            if (parser.isSet(other)) {
                *error = QStringLiteral("--autostart does not go with --%1").arg(other.names().constFirst());
                return std::nullopt;
            }
        }
        const QString value = parser.value(autostart);
        if (value != QLatin1String("on") && value != QLatin1String("off")) {
            *error = QStringLiteral("--autostart takes on or off, not \"%1\"").arg(value);
            return std::nullopt;
        }
        options.mode = Options::Mode::Autostart;
        options.autostart = value == QLatin1String("on");
        return options;
    }
    if (parser.isSet(alarms)) {
        for (const auto &other : {say, output}) {
            if (parser.isSet(other)) {
                *error = QStringLiteral("--alarms does not go with --%1").arg(other.names().constFirst());
                return std::nullopt;
            }
        }
        options.mode = Options::Mode::Alarms;
        options.json = parser.isSet(json);
    } else if (!parser.isSet(say)) {
        for (const auto &sayOnly : {lang, at}) {
            if (parser.isSet(sayOnly)) {
                *error = QStringLiteral("--%1 only goes with --say or --alarms").arg(sayOnly.names().constFirst());
                return std::nullopt;
            }
        }
        return options;
    } else if (const QString what = parser.value(say); what == QLatin1String("time")) {
        options.mode = Options::Mode::SayTime;
    } else if (what == QLatin1String("date")) {
        options.mode = Options::Mode::SayDate;
    } else {
        *error = QStringLiteral("--say takes time or date, not \"%1\"").arg(what);
        return std::nullopt;
    }
    options.language = desktopLanguage();
    if (parser.isSet(lang)) {
        const QStringList codes{QStringLiteral("fr"), QStringLiteral("de"), QStringLiteral("en")};
        const qsizetype index = codes.indexOf(parser.value(lang));
        if (index < 0) {
            *error = QStringLiteral("unknown language \"%1\": use fr, de or en").arg(parser.value(lang));
            return std::nullopt;
        }
        options.language = qint16(index);
    }
    if (parser.isSet(at)) {
        const QDateTime moment = QDateTime::fromString(parser.value(at), QStringLiteral("yyyy-MM-dd HH:mm"));
        if (!moment.isValid()) {
            *error = QStringLiteral("--at \"%1\" is not a real moment written YYYY-MM-DD HH:MM").arg(parser.value(at));
            return std::nullopt;
        }
        options.at = moment;
    }
    return options;
}

namespace {
// Takes as long as the sound would last, so a recording window behaves like one that speaks.
class PacedDevice final : public SoundDevice
{
public:
    explicit PacedDevice(std::unique_ptr<SoundDevice> inner) : inner(std::move(inner)) {}
    void play(const Pcm &pcm) override
    {
        inner->play(pcm);
        pace.play(pcm);
    }
    void stop() override { inner->stop(); }
    void interrupt() override
    {
        inner->interrupt();
        pace.interrupt();
    }
    void cut() override
    {
        inner->cut();
        pace.cut();
    }

private:
    std::unique_ptr<SoundDevice> inner;
    SilentDevice pace{true};
};
} // namespace

std::unique_ptr<SoundDevice> openOutput(const Options &options, std::function<void(bool heard)> report)
{
    if (options.output.isEmpty())
        return openSpeakers(std::move(report));
    QString error;
    auto device = openWavFile(options.output, &error);
    if (!device) {
        // The reason may name the file already; the message names it once.
        if (error.startsWith(options.output + QStringLiteral(": ")))
            error.remove(0, options.output.size() + 2);
        // The arguments were right; the file system said no.
        QTextStream(stderr) << "kalindor: " << QStringLiteral("cannot write %1: %2").arg(options.output, error) << Qt::endl;
        return nullptr;
    }
    if (options.mode == Options::Mode::Window)
        return std::make_unique<PacedDevice>(std::move(device));
    return device;
}

int sayOnce(const Options &options)
{
    bool missed = false;
    std::unique_ptr<SoundDevice> device = openOutput(options, [&missed](bool heard) { missed = missed || !heard; });
    if (!device)
        return 1;
    SystemClock systemClock;
    std::optional<FixedClock> fixed;
    if (options.at)
        fixed.emplace(*options.at);
    const Clock &clock = fixed ? static_cast<const Clock &>(*fixed) : systemClock;

    Player player(*device);
    Announcements announcements(player);
    const QDateTime now = clock.now();
    if (options.mode == Options::Mode::SayDate)
        announcements.speakDate(now.date(), options.language);
    else
        announcements.speakTime(options.language, now.time().hour(), now.time().minute());
    player.StopSound(); // the end of the phrase is let out before the verdict
    if (!missed)
        return 0;
    // A cron job must be able to tell that nobody heard it.
    QTextStream(stderr) << "kalindor: " << noSoundText(options.language) << Qt::endl;
    return 3;
}
