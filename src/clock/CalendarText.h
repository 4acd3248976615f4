// The date line written out in words, in each language.
#pragma once

#include "HPMOD.h"

#include <QDate>
#include <QString>

// French and German: "Lundi 3 Janvier 2000"; English: "Monday January 3  2000" (two spaces before the year).
// Any other language gives an empty line.
QString calendarLine(const QDate &date, Language language);
// The exit button's caption in a language: "FIN", "ENDE", "END".
QString exitCaption(Language language);
