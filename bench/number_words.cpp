// Writes the number words 0-59 of one language into a WAV file for a listening check, and prints its length.
//   number_words fr|de|en OUT.wav
#include "Devices.h"
#include "HPMOD.h"
#include "NumberPhrases.h"
#include "Player.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QStringList codes{"fr", "de", "en"};
    if (args.size() != 3 || !codes.contains(args[1])) {
        QTextStream(stderr) << "usage: number_words fr|de|en OUT.wav\n";
        return 2;
    }
    const auto language = Language(codes.indexOf(args[1]));
    QString error;
    auto device = openWavFile(args[2], &error);
    if (!device) {
        QTextStream(stderr) << "number_words: " << error << "\n";
        return 2;
    }
    struct Measuring final : SoundDevice
    {
        SoundDevice *inner;
        double seconds = 0;
        void play(const Pcm &pcm) override { seconds += pcm.seconds(); inner->play(pcm); }
        void stop() override {}
    } measuring;
    measuring.inner = device.get();
    Player player(measuring);
    const SampleId base[] = {FrenchNumber, GermanNumber, EnglishNumber};
    NumberPhrases phrases(player);
    for (int n = 0; n < 60; ++n) {
        if (n <= 20) {
            player.PlaySample(SampleId(base[language] + n));
            continue;
        }
        if (language == French)
            phrases.SayMinutesFr(n);
        else if (language == German)
            phrases.SayMinutesDe(n);
        else
            phrases.SayMinutesEn(n);
    }
    QTextStream(stdout) << "0-59 in " << args[1] << ": " << measuring.seconds << " s of speech in " << args[2] << "\n";
    return 0;
}
