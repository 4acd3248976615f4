#include "ClockTexts.h"

QString clockText(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm"));
}

int twelveHourOf(int hour)
{
    return hour > 11 && hour != 12 ? hour - 12 : hour;
}

QString amPmMarkerOf(int hour)
{
    return hour > 11 ? QStringLiteral("PM") : QStringLiteral("AM");
}

QString twelveHourText(int twelveHour, const QString &clock24, const QString &marker)
{
    QString text = twelveHour < 10 ? QStringLiteral("0") : QString();
    text += QString::number(twelveHour) + u':' + clock24.mid(3, 2) + u' ' + marker;
    return text;
}

int glyphOf(QChar c)
{
    return c.isDigit() && c.digitValue() >= 0 && c.digitValue() <= 9 ? c.digitValue() : Glyph::Blank;
}

int msUntilNextSecond(const QTime &now)
{
    return 1000 - now.msec() + TickMarginMs;
}

int msUntilNextMinute(const QTime &now)
{
    return (59 - now.second()) * 1000 + msUntilNextSecond(now);
}
