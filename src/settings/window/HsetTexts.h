// ALARM SET's captions and what it tells screen readers, in each language.
#pragma once

#include "HPMOD.h"

#include <QFontMetrics>
#include <QString>

#include <array>

struct HsetCaptions
{
    std::array<QString, 10> headings;
    QString save, intervalCaption, intervalHint, state;
    QString quietFrom, quietTo, quietUnit, level, rise, riseUnit, keepRinging, speakNames;
    QString name, nameTip, snooze, snoozeUnit;
    std::array<QString, 5> dateBoxTips; // what each of the five date and time boxes accepts
};

// What assistive technology says of the grid: "Alarm 3, Day", what each kind of cell does, and the
// example line read as an example.
struct HsetDescriptions
{
    QString alarm, option, waveFile, save, example, grid;
    QString quietFrom, quietTo, quietHint, level, levelHint, rise, riseHint, snooze, snoozeHint, keepRingingHint;
    QString speakNamesHint;
};

// Read at every keystroke: each language is looked up once.
const HsetCaptions &hsetCaptions(Language language);
const HsetDescriptions &hsetDescriptions(Language language);

// "Ex :" and the example alarm, each value moved with spaces to stand under its column, in this font.
QString hsetExampleLine(const QFontMetrics &metrics, int labelLeft);
// The example line as screen readers say it.
QString hsetSpokenExample(Language language);
