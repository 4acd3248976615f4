#include "AnnouncementSchedule.h"

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
