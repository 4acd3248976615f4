// Kalindor's own words in each of its languages, kept in the translation files (translations/*.ts) that
// the build compiles into the program.
#pragma once

#include "HPMOD.h"

#include <QLocale>
#include <QString>

// The words of one language. A text is asked for by its context and English source, written where it is
// used as translate("AlarmTexts", "Alarm %1") or, in a table, QT_TRANSLATE_NOOP("AlarmTexts", "Alarm %1");
// the comment tells apart two texts that read alike in English ("%1 d" for one day and for several).
class Texts
{
public:
    // French, German or English; a value out of range counts as the nearest of them.
    explicit Texts(Language language);

    QString translate(const char *context, const char *source, const char *comment = nullptr) const;
    // Names of days and months, dates and numbers in this language: fr_FR, de_DE, en_GB.
    QLocale locale() const;
    // How our texts write a time of day: "07:30", or "7:30 AM" where the desktop's English reads 12 hours.
    QString timeFormat() const;

private:
    int index;
};
