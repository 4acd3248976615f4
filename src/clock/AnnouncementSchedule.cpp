#include "AnnouncementSchedule.h"

#include "TextNumber.h"
#include "Texts.h"

#include <QTime>

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

QString intervalText(const QString &interval, const QuietHours &quiet, Language language)
{
    const Texts texts(language);
    const double minutes = leadingNumber(interval);
    // Minute "00" is due at every interval that announces at all.
    if (!announcementDue(minutes, u"00"))
        return texts.translate("AnnouncementSchedule", "Time announcement: never");
    QString text = minutes == 1
        ? texts.translate("AnnouncementSchedule", "Time announcement: every minute")
        : texts.translate("AnnouncementSchedule", "Time announcement: every %1 minutes").arg(minutes);
    if (!quiet.none()) {
        const QLocale locale = texts.locale();
        text += texts.translate("AnnouncementSchedule", ", not from %1 to %2")
                    .arg(locale.toString(QTime(quiet.from, 0), texts.timeFormat()),
                         locale.toString(QTime(quiet.to, 0), texts.timeFormat()));
    }
    return text;
}

QString loudnessText(const AlarmLoudness &loudness, Language language)
{
    const Texts texts(language);
    return loudness.riseSeconds == 0
        ? texts.translate("AnnouncementSchedule", "Alarm level: %1 %").arg(loudness.percent)
        : texts.translate("AnnouncementSchedule", "Alarm level: %1 %, rising over %2 s").arg(loudness.percent).arg(loudness.riseSeconds);
}
