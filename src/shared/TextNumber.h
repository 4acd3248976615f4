// Reading texts as numbers the way the whole program does: the leading decimal number, spaces before it ignored.
#pragma once

#include <QStringView>

// "  15 min" -> 15, "1.5" -> 1.5, "abc" -> 0, "" -> 0, "-3" -> 0 (no sign is accepted: the boxes hold counts).
double leadingNumber(QStringView text);

// The hours (characters 1-2) and minutes (characters 4-5) of a clock text "HH:mm"; 0 where there are none,
// as in the empty text before the first clock tick.
int clockHour(QStringView clockText);
int clockMinutes(QStringView clockText);
