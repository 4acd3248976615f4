// Plays the worked time phrases through a real output and prints how much longer each took than its sound.
#include "Decoder.h"
#include "Devices.h"
#include "Player.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QResource>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Phrase
{
    const char *time;
    const char *language;
    std::vector<SampleId> ids;
};

// The ten times of the time announcement in French, German and English, sample by sample.
const std::vector<Phrase> phrases = {
    {"00:00", "fr", {10, 35}}, {"00:00", "de", {70, 95}}, {"00:00", "en", {130, 194, 155}},
    {"00:15", "fr", {10, 35, 25}}, {"00:15", "de", {70, 95, 85}}, {"00:15", "en", {130, 145, 155}},
    {"01:01", "fr", {11, 35, 11}}, {"01:01", "de", {71, 95, 71}}, {"01:01", "en", {131, 131, 155}},
    {"02:30", "fr", {12, 36, 31}}, {"02:30", "de", {72, 95, 91}}, {"02:30", "en", {132, 151, 155}},
    {"09:45", "fr", {19, 35, 32, 15}}, {"09:45", "de", {79, 95, 75, 94, 92}}, {"09:45", "en", {139, 152, 135, 155}},
    {"12:00", "fr", {22, 36}}, {"12:00", "de", {82, 95}}, {"12:00", "en", {142, 194, 156}},
    {"13:05", "fr", {23, 36, 15}}, {"13:05", "de", {83, 95, 75}}, {"13:05", "en", {131, 135, 156}},
    {"20:20", "fr", {30, 35, 30}}, {"20:20", "de", {90, 95, 90}}, {"20:20", "en", {138, 150, 156}},
    {"21:21", "fr", {30, 34, 11, 35, 30, 34, 11}}, {"21:21", "de", {71, 94, 90, 95, 71, 94, 90}},
    {"21:21", "en", {139, 150, 131, 156}},
    {"23:59", "fr", {30, 13, 36, 33, 19}}, {"23:59", "de", {73, 94, 90, 95, 79, 94, 93}},
    {"23:59", "en", {141, 153, 139, 156}},
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Wall time of each spoken phrase divided by the length of its samples."));
    parser.addHelpOption();
    const QCommandLineOption deviceOption(QStringLiteral("device"),
                                          QStringLiteral("speakers (default, the sound server) or silent."),
                                          QStringLiteral("name"));
    const QCommandLineOption pauseOption(QStringLiteral("pause"), QStringLiteral("Milliseconds between phrases (default 300); longer than 1500 lets the stream close."),
                                         QStringLiteral("ms"), QStringLiteral("300"));
    const QCommandLineOption samplesOption(QStringLiteral("samples"),
                                           QStringLiteral("A binary .rcc whose samples/NNN.wav replace the built-in ones."),
                                           QStringLiteral("file"));
    parser.addOption(deviceOption);
    parser.addOption(pauseOption);
    parser.addOption(samplesOption);
    parser.process(app);

    if (parser.isSet(samplesOption) && !QResource::registerResource(parser.value(samplesOption))) {
        std::fprintf(stderr, "cannot load %s\n", qPrintable(parser.value(samplesOption)));
        return 2;
    }

    std::unique_ptr<SoundDevice> device;
    bool missed = false;
    const QString name = parser.value(deviceOption);
    if (name == QLatin1String("silent")) {
        device = std::make_unique<SilentDevice>(true);
    } else if (name.isEmpty() || name == QLatin1String("speakers")) {
        device = openSpeakers([&missed](bool heard) { missed = missed || !heard; });
    } else {
        std::fprintf(stderr, "unknown device %s\n", qPrintable(name));
        return 2;
    }

    const SampleCatalogue catalogue;
    Player player(*device, catalogue);
    const int pauseMs = parser.value(pauseOption).toInt();
    double worst = 0;
    int played = 0;
    std::printf("%-6s %-3s %-28s %8s %8s %7s\n", "time", "", "samples", "sound s", "wall s", "ratio");
    for (const Phrase &phrase : phrases) {
        double soundSeconds = 0;
        QString idText;
        for (SampleId id : phrase.ids) {
            if (const auto pcm = decodeImage(catalogue.image(id)))
                soundSeconds += pcm->seconds();
            idText += QString::number(id) + u' ';
        }
        if (soundSeconds <= 0) {
            std::printf("%-6s %-3s %-28s  samples missing\n", phrase.time, phrase.language, qPrintable(idText));
            continue;
        }
        QElapsedTimer wall;
        wall.start();
        for (SampleId id : phrase.ids)
            player.PlaySample(id);
        player.StopSound();
        const double wallSeconds = double(wall.nsecsElapsed()) / 1e9;
        const double ratio = wallSeconds / soundSeconds;
        worst = std::max(worst, ratio);
        ++played;
        std::printf("%-6s %-3s %-28s %8.3f %8.3f %7.4f\n", phrase.time, phrase.language, qPrintable(idText), soundSeconds,
                    wallSeconds, ratio);
        // Served by an event loop, so the device's idle timer can close the stream as it would in the program.
        QEventLoop pause;
        QTimer::singleShot(std::max(0, pauseMs), &pause, &QEventLoop::quit);
        pause.exec();
    }
    if (played == 0) {
        std::fprintf(stderr, "no phrase could be played: the sample images are missing\n");
        return 1;
    }
    std::printf("maximum ratio %.4f over %d phrases\n", worst, played);
    if (missed)
        std::printf("some sounds did not reach the sound server: the figures only show that time was kept\n");
    return 0;
}
