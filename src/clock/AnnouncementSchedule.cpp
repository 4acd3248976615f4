#include "AnnouncementSchedule.h"

#include "TextNumber.h"

#include <algorithm>
#include <array>

bool announcementDue(double interval, QStringView minutes)
{
    if (minutes.size() != 2)
        return false;
    const QChar last = minutes[1];
    if (interval == 1)
        return true;
    if (interval == 5)
        return last == u'0' || last == u'5';
    if (interval == 10)
        return last == u'0';
    if (interval == 15)
        return minutes == u"00" || minutes == u"15" || minutes == u"30" || minutes == u"45";
    if (interval == 30)
        return minutes == u"00" || minutes == u"30";
    if (interval == 60)
        return minutes == u"00";
    return false;
}

namespace {
struct IntervalWords
{
    QString every, everyMinute, never;
};
const std::array<IntervalWords, 3> IntervalWordsByLanguage = {{
    {QStringLiteral("Annonce de l'heure : toutes les %1 minutes"), QStringLiteral("Annonce de l'heure : chaque minute"),
     QStringLiteral("Annonce de l'heure : jamais")},
    {QStringLiteral("Zeitansage: alle %1 Minuten"), QStringLiteral("Zeitansage: jede Minute"), QStringLiteral("Zeitansage: nie")},
    {QStringLiteral("Time announcement: every %1 minutes"), QStringLiteral("Time announcement: every minute"),
     QStringLiteral("Time announcement: never")},
}};
} // namespace

QString intervalText(const QString &interval, Language language)
{
    const IntervalWords &words = IntervalWordsByLanguage[size_t(std::clamp<int>(language, French, English))];
    const double minutes = leadingNumber(interval);
    // Minute "00" is due at every interval that announces at all.
    if (!announcementDue(minutes, u"00"))
        return words.never;
    return minutes == 1 ? words.everyMinute : words.every.arg(minutes);
}
