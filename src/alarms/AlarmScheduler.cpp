#include "AlarmScheduler.h"

#include "Texts.h"

void soundAlarms(AlarmBook &book, std::bitset<10> ringing, Language language, Speaker &speaker,
                 const std::function<void(int alarm)> &starting, const std::function<void(int alarm)> &sounded)
{
    constexpr int WaveFileField = 8;
    for (int k = 1; k <= 10; ++k) {
        if (!ringing[size_t(k - 1)])
            continue;
        if (starting)
            starting(k);
        if (k == 1 && book.row(1).waveFile.isEmpty())
            book.setField(1, WaveFileField, DefaultAlarmFile);
        const QString caption = book.row(k).waveFile;
        if (caption != NoWaveFile) {
            speaker.PlaySoundFile(caption); // the default alert when it cannot be played
        } else {
            for (SampleId id : optionSamples(book.row(k), language))
                speaker.PlaySample(id);
        }
        if (sounded)
            sounded(k);
    }
}

QString stopMessage(Language language)
{
    return Texts(language).translate("AlarmScheduler", "You must do what do you want, then I  continue during 1 minute");
}
