// The names the user gives the alarms ("Take the pills"), which the old program's files have no room for.
#pragma once

#include "HPMOD.h"

#include <QString>

#include <array>

using AlarmNames = std::array<QString, 10>; // alarm 1 first; empty: the alarm has no name

// Counted in characters as the user sees them in any script, not in UTF-16 units.
inline constexpr int MaxNameLength = 60;

// A name fits when it is at most MaxNameLength characters and holds no control character (a tab or a line
// break would split its line in the names file and reach a notification server as markup-breaking bytes).
bool nameFits(const QString &name);
// Why a typed name is not kept, as ALARM SET shows it in the row's state; empty when it fits.
QString nameProblem(const QString &name, Language language);
