// Reading texts as numbers the way the whole program does: the leading decimal number, spaces before it ignored.
#pragma once

#include <QStringView>

// "  15 min" -> 15, "1.5" -> 1.5, "abc" -> 0, "" -> 0, "-3" -> 0 (no sign is accepted: the boxes hold counts).
double leadingNumber(QStringView text);
