#include "HsetTexts.h"

#include "HsetLayout.h"
#include "Texts.h"

#include <algorithm>

namespace {
HsetCaptions captionsIn(Language language)
{
    const Texts texts(language);
    HsetCaptions captions;
    captions.headings = {texts.translate("Hset", "N° Set"),  texts.translate("Hset", "Day"),
                         texts.translate("Hset", "Month"),   texts.translate("Hset", "Year"),
                         texts.translate("Hset", "Hour"),    texts.translate("Hset", "Minute"),
                         texts.translate("Hset", "Gong"),    texts.translate("Hset", "Ring"),
                         texts.translate("Hset", "Meeting"), texts.translate("Hset", "Personnel wave files")};
    captions.save = texts.translate("Hset", "Save");
    captions.intervalCaption = texts.translate("Hset", "Announce time every : ");
    captions.intervalHint = texts.translate("Hset", "minutes  ex: 0 - 1 - 5 - 10 - 15 - 30 - 60");
    captions.state = texts.translate("Hset", "Next ring");
    captions.name = texts.translate("Hset", "Name");
    captions.snooze = texts.translate("Hset", "Snooze for");
    captions.snoozeUnit = texts.translate("Hset", "min");
    captions.nameTip = texts.translate("Hset", "What the alarm is for, shown when it rings; up to 60 characters");
    captions.quietFrom = texts.translate("Hset", "Silent from");
    captions.quietTo = texts.translate("Hset", "h to");
    captions.quietUnit = texts.translate("Hset", "h");
    captions.level = texts.translate("Hset", "Alarm level : ");
    captions.rise = texts.translate("Hset", "rising over");
    captions.riseUnit = texts.translate("Hset", "s (0 = at once)");
    captions.keepRinging = texts.translate("Hset", "Keep ringing alarms when the window is closed");
    captions.speakNames = texts.translate("Hset", "Say each alarm's name when it rings");
    captions.dateBoxTips = {
        texts.translate("Hset", "Day of the month (5), * for every day, or weekdays: Mon-Fri, Sat,Sun"),
        texts.translate("Hset", "Month 1 to 12, or * for every month"),
        texts.translate("Hset", "Year in four digits (2026), or * for every year"),
        texts.translate("Hset", "Hour 0 to 23 without a leading zero, or * for every hour"),
        texts.translate("Hset", "Minute 0 to 59 without a leading zero, or * for every minute")};
    return captions;
}

HsetDescriptions descriptionsIn(Language language)
{
    const Texts texts(language);
    HsetDescriptions descriptions;
    descriptions.alarm = texts.translate("Hset", "Alarm");
    descriptions.option = texts.translate("Hset", "Space chooses this sound");
    descriptions.waveFile = texts.translate("Hset", "Space chooses a wave file");
    descriptions.save = texts.translate("Hset", "Save the alarms, the interval and the sound settings, then close the window");
    descriptions.example = texts.translate("Hset", "Example: day %1, month %2, year %3, hour %4, minute %5, file %6");
    descriptions.grid = texts.translate("Hset", "The ten alarms");
    descriptions.quietFrom = texts.translate("Hset", "Silent from (hour)");
    descriptions.quietTo = texts.translate("Hset", "Silent until (hour)");
    descriptions.quietHint =
        texts.translate("Hset", "The time is not spoken by itself between these hours; both empty: never silent");
    descriptions.level = texts.translate("Hset", "Alarm level (percent)");
    descriptions.levelHint = texts.translate("Hset", "10 to 100 % of Kalindor's own sound; the system volume is left alone");
    descriptions.rise = texts.translate("Hset", "Alarm rise (seconds)");
    descriptions.riseHint = texts.translate(
        "Hset", "Each alarm minute starts at a quarter of the level and reaches it after these seconds; 0: at once");
    descriptions.snooze = texts.translate("Hset", "Snooze (minutes)");
    descriptions.snoozeHint = texts.translate(
        "Hset", "How long Snooze in an alarm's notice silences it: 1 to 60 minutes; empty: 10");
    descriptions.speakNamesHint = texts.translate("Hset", "Once its first sound is heard, a named alarm's name is said by the desktop's speech service");
    descriptions.keepRingingHint = texts.translate(
        "Hset", "Closing the window then hides Kalindor in the system tray, where it goes on ringing; END quits it");
    return descriptions;
}

size_t indexOf(Language language)
{
    return size_t(std::clamp<int>(language, French, English));
}

const std::array<QString, 6> ExampleValues = {QStringLiteral("9"), QStringLiteral("8"), QStringLiteral("2000"),
                                              QStringLiteral("9"), QStringLiteral("5"), QStringLiteral("D:\\new.wav")};
} // namespace

const HsetCaptions &hsetCaptions(Language language)
{
    static const std::array<HsetCaptions, 3> all = {captionsIn(French), captionsIn(German), captionsIn(English)};
    return all[indexOf(language)];
}

const HsetDescriptions &hsetDescriptions(Language language)
{
    static const std::array<HsetDescriptions, 3> all = {descriptionsIn(French), descriptionsIn(German),
                                                        descriptionsIn(English)};
    return all[indexOf(language)];
}

QString hsetExampleLine(const QFontMetrics &metrics, int labelLeft)
{
    using namespace HsetLayout;
    const std::array<int, 6> lefts = {BoxLefts[0], BoxLefts[1], BoxLefts[2], BoxLefts[3], BoxLefts[4], SoundLefts[3]};
    constexpr int TextInset = 3; // where a box or label draws its first character
    QString line = QStringLiteral("Ex :");
    for (size_t i = 0; i < lefts.size(); ++i) {
        do
            line += u' ';
        while (metrics.horizontalAdvance(line) < lefts[i] + TextInset - labelLeft);
        line += ExampleValues[i];
    }
    return line;
}

QString hsetSpokenExample(Language language)
{
    return hsetDescriptions(language).example.arg(ExampleValues[0], ExampleValues[1], ExampleValues[2], ExampleValues[3],
                                                  ExampleValues[4], ExampleValues[5]);
}
