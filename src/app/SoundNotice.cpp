#include "SoundNotice.h"

#include "Texts.h"

#include <QTextStream>

#include <utility>

QString noSoundText(Language language)
{
    return Texts(language).translate("SoundNotice", "No sound output: alarms cannot be heard");
}

void SoundNotice::soundPlayed(bool heard)
{
    if (heard)
        told = false;
    if (heard || told)
        return;
    told = true;
    const QString text = noSoundText(language);
    QTextStream(stderr) << "kalindor: " << text << Qt::endl;
    if (notify)
        notify({QStringLiteral("Kalindor"), text, {}, {}, {}});
}

void SoundNotice::alarmStarted()
{
    if (!std::exchange(alarmSeen, true))
        told = false;
}
