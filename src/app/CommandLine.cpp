#include "CommandLine.h"

#include "AlarmBook.h"
#include "Announcements.h"
#include "Autostart.h"
#include "Devices.h"
#include "FixedClock.h"
#include "Player.h"
#include "QtTranslations.h"
#include "SoundNotice.h"
#include "Texts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTextStream>

#include <algorithm>
#include <iterator>

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
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const ParsedLine parsed = parseOptions(arguments);
    return parsed.options && parsed.options->mode == Options::Mode::Window;
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
    QTextStream(stderr) << "kalindor: " << problem << u'\n'
                        << Texts(desktopLanguage()).translate("CommandLine", "Try 'kalindor --help'") << Qt::endl;
}

namespace {
QStringList languageCodes()
{
    return {QStringLiteral("fr"), QStringLiteral("de"), QStringLiteral("en")};
}

// Each mode, the option that chooses it and the options it allows besides; the first mode whose option
// is given is the line's, the window when none is. "*" allows everything: --help and --version win.
struct ModeRow
{
    Options::Mode mode;
    QString option;
    QStringList allows;
};
const ModeRow Modes[] = {
    {Options::Mode::Help, QStringLiteral("help"), {QStringLiteral("*")}},
    {Options::Mode::Version, QStringLiteral("version"), {QStringLiteral("*")}},
    {Options::Mode::Autostart, QStringLiteral("autostart"), {QStringLiteral("config-dir")}},
    {Options::Mode::SayTime, QStringLiteral("say"),
     {QStringLiteral("lang"), QStringLiteral("at"), QStringLiteral("output"), QStringLiteral("config-dir")}},
    {Options::Mode::Alarms, QStringLiteral("alarms"),
     {QStringLiteral("lang"), QStringLiteral("at"), QStringLiteral("json"), QStringLiteral("config-dir")}},
    {Options::Mode::Window, QString(), {QStringLiteral("output"), QStringLiteral("config-dir"), QStringLiteral("hidden")}},
};

ParsedLine badArgument(const QString &problem)
{
    return {std::nullopt, problem, 2};
}

// What is wrong with `option` on a line of `mode`: said of the mode when the option belongs to the window
// or chooses a mode itself, otherwise of the modes it goes with.
QString notAllowed(const ModeRow &mode, const QString &option, const Texts &texts)
{
    const auto names = [&option](const ModeRow &row) { return row.option == option; };
    const ModeRow &window = Modes[std::size(Modes) - 1];
    if (!mode.option.isEmpty() && (std::any_of(std::begin(Modes), std::end(Modes), names) || window.allows.contains(option)))
        return texts.translate("CommandLine", "--%1 does not go with --%2").arg(mode.option, option);
    QStringList modes;
    for (const ModeRow &row : Modes) {
        if (row.allows.contains(option))
            modes << QStringLiteral("--") + row.option;
    }
    return texts.translate("CommandLine", "--%1 only goes with %2").arg(option, modes.join(texts.translate("CommandLine", " or ")));
}

// Qt's words for a parse that failed, in ours: "missing value after '--say'", "unknown option -loud".
QString parseProblem(const QCommandLineParser &parser, const QStringList &arguments, const Texts &texts)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) {
        // No translator is installed yet, so Qt says it in English: "Missing value after '--say'."
        QString error = parser.errorText();
        const QString option = error.section(u'\'', 1, 1);
        if (error.startsWith(QLatin1String("Missing value")))
            return texts.translate("CommandLine", "missing value after '%1'").arg(option);
        if (error.startsWith(QLatin1String("Unexpected value")))
            return texts.translate("CommandLine", "unexpected value after '%1'").arg(option);
        error.chop(error.endsWith(u'.') ? 1 : 0);
        return error;
    }
    const auto typed = std::find_if(arguments.cbegin() + 1, arguments.cend(), [&](const QString &argument) {
        return optionName(argument) == unknown.constFirst();
    });
    return texts.translate("CommandLine", "unknown option %1").arg(typed == arguments.cend() ? unknown.constFirst() : typed->section(u'=', 0, 0));
}

void describeOptions(QCommandLineParser &parser, const Texts &texts);

// In the desktop's language, or --lang's when it names one; Qt's own headings ("Usage:") follow it by
// Qt's translator, installed only while the text is written.
QString helpText(const QCommandLineParser &given)
{
    const qsizetype chosen = languageCodes().indexOf(given.value(QStringLiteral("lang")));
    const Language language = chosen < 0 ? desktopLanguage() : Language(chosen);
    QtTranslations qtWords;
    if (QCoreApplication::instance()) // not yet when the line is read to choose between a window and none
        qtWords.follow(language);
    QCommandLineParser parser;
    describeOptions(parser, Texts(language));
    // Qt names the program by the path it was started from, the build folder's included.
    const QString program = QCoreApplication::instance() ? QCoreApplication::arguments().value(0) : QString();
    QString help = parser.helpText();
    if (!program.isEmpty() && help.contains(program))
        help.replace(help.indexOf(program), program.size(), QCoreApplication::applicationName());
    return help;
}

// The values of the options the mode allows, checked; the problem when one is wrong.
QString readValues(const QCommandLineParser &parser, Options &options, const Texts &texts)
{
    options.configDir = parser.value(QStringLiteral("config-dir"));
    options.output = parser.value(QStringLiteral("output"));
    options.json = parser.isSet(QStringLiteral("json"));
    options.hidden = parser.isSet(QStringLiteral("hidden"));
    if (options.mode == Options::Mode::Autostart) {
        const QString value = parser.value(QStringLiteral("autostart"));
        options.autostart = value == QLatin1String("on");
        return value == QLatin1String("on") || value == QLatin1String("off")
                   ? QString() : texts.translate("CommandLine", "--autostart takes on or off, not “%1”").arg(value);
    }
    if (options.mode == Options::Mode::SayTime) {
        const QString what = parser.value(QStringLiteral("say"));
        if (what != QLatin1String("time") && what != QLatin1String("date"))
            return texts.translate("CommandLine", "--say takes time or date, not “%1”").arg(what);
        options.mode = what == QLatin1String("date") ? Options::Mode::SayDate : Options::Mode::SayTime;
    }
    if (options.mode != Options::Mode::SayTime && options.mode != Options::Mode::SayDate && options.mode != Options::Mode::Alarms)
        return {};
    options.language = desktopLanguage();
    if (const QString lang = parser.value(QStringLiteral("lang")); !lang.isEmpty()) {
        const qsizetype index = languageCodes().indexOf(lang);
        if (index < 0)
            return texts.translate("CommandLine", "unknown language “%1”: use fr, de or en").arg(lang);
        options.language = qint16(index);
    }
    if (parser.isSet(QStringLiteral("at"))) {
        const QString at = parser.value(QStringLiteral("at"));
        const QDateTime moment = QDateTime::fromString(at, QStringLiteral("yyyy-MM-dd HH:mm"));
        if (!moment.isValid())
            return texts.translate("CommandLine", "--at “%1” is not a real moment written YYYY-MM-DD HH:MM").arg(at);
        options.at = moment;
    }
    return {};
}

void describeOptions(QCommandLineParser &parser, const Texts &texts)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(texts.translate("CommandLine", "Kalindor, a talking clock and calendar with ten alarms."));
    // Qt's own help and version options are described in words its translations do not all have.
    parser.addOptions({
        {{QStringLiteral("h"), QStringLiteral("help")}, texts.translate("CommandLine", "Show this help and exit.")},
        {{QStringLiteral("v"), QStringLiteral("version")}, texts.translate("CommandLine", "Show the version and exit.")},
        {QStringLiteral("say"), texts.translate("CommandLine", "Speak the time or the date once, without a window."), QStringLiteral("time|date")},
        {QStringLiteral("lang"), texts.translate("CommandLine", "Language of --say or --alarms, and of this help: fr, de or en. By default the desktop's language (LC_ALL, LC_MESSAGES, LANG) when it is French, German or English, otherwise fr."),
         QStringLiteral("fr|de|en")},
        {QStringLiteral("at"), texts.translate("CommandLine", "Moment to speak, or to list the alarms at, instead of now."), texts.translate("CommandLine", "YYYY-MM-DD HH:MM")},
        {QStringLiteral("output"), texts.translate("CommandLine", "Write everything spoken or rung into a WAV file instead of playing it."), texts.translate("CommandLine", "FILE.wav")},
        {QStringLiteral("config-dir"), texts.translate("CommandLine", "Keep kalind.dta and saytime.dta in DIR."), texts.translate("CommandLine", "DIR")},
        {QStringLiteral("alarms"), texts.translate("CommandLine", "List when each alarm rings next, or why it never does, and the announcement interval.")},
        {QStringLiteral("json"), texts.translate("CommandLine", "List the alarms as JSON.")},
        {QStringLiteral("autostart"), texts.translate("CommandLine", "Start Kalindor when you log in (on), or no longer (off). Alarms ring only while it runs: when ALARM SET keeps them ringing with the window closed, the entry starts it --hidden."),
         QStringLiteral("on|off")},
        {QStringLiteral("hidden"), texts.translate("CommandLine", "Start with the window hidden in the system tray, when ALARM SET keeps alarms ringing with the window closed; otherwise the window shows as usual.")},
    });
}
} // namespace

ParsedLine parseOptions(const QStringList &given)
{
    QStringList arguments = given.mid(0, 1);
    for (qsizetype i = 1; i < given.size();) {
        const qsizetype qt = optionLength(given, i, QtOptionsWithValue, QtFlags);
        if (qt == 0)
            arguments << given[i];
        i += std::max<qsizetype>(qt, 1);
    }
    // The line's problems are said in the desktop's language, as a program's messages are.
    const Texts texts(desktopLanguage());
    QCommandLineParser parser;
    describeOptions(parser, texts);
    if (!parser.parse(arguments))
        return badArgument(parseProblem(parser, arguments, texts));
    const ModeRow &mode = *std::find_if(std::begin(Modes), std::end(Modes), [&parser](const ModeRow &row) {
        return row.option.isEmpty() || parser.isSet(row.option);
    });
    Options options;
    options.mode = mode.mode;
    if (mode.mode == Options::Mode::Help || mode.mode == Options::Mode::Version) {
        options.text = mode.mode == Options::Mode::Help
                           ? helpText(parser)
                           : QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n';
        return {options, {}, 0};
    }
    if (!parser.positionalArguments().isEmpty())
        return badArgument(texts.translate("CommandLine", "unexpected argument “%1”").arg(parser.positionalArguments().constFirst()));
    for (const QString &option : parser.optionNames()) {
        if (option != mode.option && !mode.allows.contains(option))
            return badArgument(notAllowed(mode, option, texts));
    }
    if (const QString problem = readValues(parser, options, texts); !problem.isEmpty())
        return badArgument(problem);
    return {options, {}, 0};
}

int changeAutostart(const Options &options)
{
    QStringList command{QCoreApplication::applicationFilePath()};
    if (!options.configDir.isEmpty())
        command << QStringLiteral("--config-dir") << QDir(options.configDir).absolutePath();
    // A clock that rings on with its window closed is wanted at login for its alarms, not its window.
    AlarmBook book(settingsFolder(options));
    book.load();
    const bool hidden = options.autostart && keepsRinging(book.soundSettings());
    if (hidden)
        command << QStringLiteral("--hidden");
    QString done, error;
    const Texts texts(desktopLanguage());
    if (!setAutostart(options.autostart, command, texts, &done, &error)) {
        QTextStream(stderr) << "kalindor: " << error << Qt::endl;
        return 1;
    }
    QTextStream(stdout) << done << (hidden ? texts.translate("CommandLine", ", hidden in the system tray") : QString()) << Qt::endl;
    return 0;
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
