// The texts and glyph choices of the time display, computed without any window.
#pragma once

#include <QString>
#include <QTime>

namespace Glyph {
// Indices into the glyph set: 0-9 are the digits themselves.
constexpr int A = 10, M = 11, P = 12, Colon = 13, Blank = 14, Count = 15;
} // namespace Glyph

// "HH:mm", 24-hour, always two digits each.
QString clockText(const QTime &time);
// 0 stays 0 and 12 stays 12: midnight reads 00:15 AM.
int twelveHourOf(int hour);
QString amPmMarkerOf(int hour);
// The 12-hour text with its marker, e.g. "01:05 PM".
QString twelveHourText(int twelveHour, const QString &clock24, const QString &marker);
// The glyph that draws one character of a clock text; anything but a digit draws blank.
int glyphOf(QChar c);

// How long a tick aimed at the next second of the wall clock waits: a little past the second, so that
// the clock read when the timer fires already shows the new second.
constexpr int TickMarginMs = 2;
int msUntilNextSecond(const QTime &now);
int msUntilNextMinute(const QTime &now);
