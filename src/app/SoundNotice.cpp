#include "SoundNotice.h"

#include "Texts.h"

#include <QTextStream>

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
