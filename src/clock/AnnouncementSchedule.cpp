#include "AnnouncementSchedule.h"

#include "TextNumber.h"
#include "Texts.h"

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

QString intervalText(const QString &interval, Language language)
{
    const Texts texts(language);
    const double minutes = leadingNumber(interval);
    // Minute "00" is due at every interval that announces at all.
    if (!announcementDue(minutes, u"00"))
        return texts.translate("AnnouncementSchedule", "Time announcement: never");
    return minutes == 1 ? texts.translate("AnnouncementSchedule", "Time announcement: every minute")
                        : texts.translate("AnnouncementSchedule", "Time announcement: every %1 minutes").arg(minutes);
}
