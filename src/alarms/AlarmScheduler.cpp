#include "AlarmScheduler.h"

#include "Texts.h"

std::array<AlarmBoxes, 10> readBoxes(const AlarmRows &rows)
{
    std::array<AlarmBoxes, 10> boxes;
    for (int k = 1; k <= 10; ++k)
        boxes[size_t(k - 1)] = rows.boxes(k);
    return boxes;
}

void soundAlarms(AlarmRows &rows, const AlarmRecords &table, std::bitset<10> ringing, Language language,
                 Speaker &speaker, const std::function<void(int alarm)> &starting)
{
    for (int k = 1; k <= 10; ++k) {
        if (!ringing[size_t(k - 1)])
            continue;
        if (starting)
            starting(k);
        if (k == 1 && rows.waveCaption(1).isEmpty())
            rows.setWaveCaption(1, DefaultAlarmFile);
        const QString caption = rows.waveCaption(k);
        if (caption != NoWaveFile) {
            speaker.PlaySoundFile(caption); // the default alert when it cannot be played
            continue;
        }
        for (SampleId id : optionSamples(table[size_t(k - 1)], language))
            speaker.PlaySample(id);
    }
}

QString stopMessage(Language language)
{
    return Texts(language).translate("AlarmScheduler", "You must do what do you want, then I  continue during 1 minute");
}
