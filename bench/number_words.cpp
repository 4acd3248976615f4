// Writes the number words 0-59 of one language into a WAV file for a listening check, and prints its length.
//   number_words fr|de|en OUT.wav
#include "Devices.h"
#include "FixedClock.h"
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
    HPMOD shared;
    const SampleId base[] = {FrenchNumber, GermanNumber, EnglishNumber};
    FixedClock clock(QDateTime(QDate(2026, 12, 5), QTime(12, 0)));
    NumberPhrases phrases(shared, player, clock);
    for (int n = 0; n < 60; ++n) {
        if (n <= 20) {
            player.PlaySample(SampleId(base[language] + n));
            continue;
        }
        shared.MinuteCell = qint16(n); // the minute routines speak 21-59 the way the clock does
        if (language == French)
            phrases.SayMinutesFr();
        else if (language == German)
            phrases.SayMinutesDe();
        else
            phrases.SayMinutesEn();
    }
    QTextStream(stdout) << "0-59 in " << args[1] << ": " << measuring.seconds << " s of speech in " << args[2] << "\n";
    return 0;
}
