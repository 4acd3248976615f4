#include "CommandLine.h"

#include "Announcements.h"
#include "Devices.h"
#include "FixedClock.h"
#include "Player.h"
#include "SoundNotice.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <cstring>

bool wantsWindow(int argc, char **argv)
{
    // Only the options that go with the window leave it wanted; anything else is --say, --help,
    // --version or a mistake, none of which may need a display.
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        bool windowOption = false;
        for (const char *option : {"--config-dir", "--output"}) {
            const size_t n = std::strlen(option);
            if (std::strncmp(arg, option, n) == 0 && arg[n] == '=') {
                windowOption = true;
            } else if (std::strcmp(arg, option) == 0 && i + 1 < argc) {
                windowOption = true;
                ++i;
            }
        }
        if (!windowOption)
            return false;
    }
    return true;
}

std::optional<Options> parseOptions(const QStringList &arguments, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Kalindor, a talking clock and calendar with ten alarms."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption say(QStringLiteral("say"),
                                 QStringLiteral("Speak the time or the date once, without a window."),
                                 QStringLiteral("time|date"));
    const QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("Language of --say: fr (default), de or en."),
                                  QStringLiteral("fr|de|en"));
    const QCommandLineOption at(QStringLiteral("at"), QStringLiteral("Moment to speak instead of now."),
                                QStringLiteral("YYYY-MM-DD HH:MM"));
    const QCommandLineOption output(QStringLiteral("output"),
                                    QStringLiteral("Write everything spoken or rung into a WAV file instead of playing it."),
                                    QStringLiteral("FILE.wav"));
    const QCommandLineOption configDir(QStringLiteral("config-dir"),
                                       QStringLiteral("Keep kalind.dta and saytime.dta in DIR."),
                                       QStringLiteral("DIR"));
    parser.addOptions({say, lang, at, output, configDir});

    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().constFirst());
        return std::nullopt;
    }

    Options options;
    options.configDir = parser.value(configDir);
    options.output = parser.value(output);
    if (!parser.isSet(say)) {
        for (const auto &sayOnly : {lang, at}) {
            if (parser.isSet(sayOnly)) {
                *error = QStringLiteral("--%1 only goes with --say").arg(sayOnly.names().constFirst());
                return std::nullopt;
            }
        }
        return options;
    }
    const QString what = parser.value(say);
    if (what == QLatin1String("time")) {
        options.mode = Options::Mode::SayTime;
    } else if (what == QLatin1String("date")) {
        options.mode = Options::Mode::SayDate;
    } else {
        *error = QStringLiteral("--say takes time or date, not \"%1\"").arg(what);
        return std::nullopt;
    }
    if (parser.isSet(lang)) {
        const QStringList codes{QStringLiteral("fr"), QStringLiteral("de"), QStringLiteral("en")};
        const qsizetype index = codes.indexOf(parser.value(lang));
        if (index < 0) {
            *error = QStringLiteral("Unknown language \"%1\": use fr, de or en").arg(parser.value(lang));
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
        QTextStream(stderr) << "kalindor: cannot write " << options.output << ": " << error << Qt::endl;
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
        return 2;
    SystemClock systemClock;
    std::optional<FixedClock> fixed;
    if (options.at)
        fixed.emplace(*options.at);
    const Clock &clock = fixed ? static_cast<const Clock &>(*fixed) : systemClock;

    Player player(*device);
    HPMOD shared;
    shared.CurrentLanguage = options.language;
    Announcements announcements(shared, player, clock);
    if (options.mode == Options::Mode::SayDate) {
        announcements.speakDate();
    } else {
        // What the window's clock tick would have left behind for this moment.
        const QDateTime now = clock.now();
        const QString clockText = now.time().toString(QStringLiteral("HH:mm"));
        shared.MinuteCell = qint16(now.time().minute());
        switch (options.language) {
        case 1: announcements.speakTimeDe(clockText); break;
        case 2: announcements.speakTimeEn(clockText); break;
        default: announcements.speakTimeFr(clockText); break;
        }
    }
    player.StopSound(); // the end of the phrase is let out before the verdict
    if (!missed)
        return 0;
    // A cron job must be able to tell that nobody heard it.
    QTextStream(stderr) << "kalindor: " << noSoundText(options.language) << Qt::endl;
    return 3;
}
