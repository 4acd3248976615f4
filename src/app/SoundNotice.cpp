#include "SoundNotice.h"

#include <QTextStream>

QString noSoundText(Language language)
{
    switch (language) {
    case German: return QStringLiteral("Keine Tonausgabe: Alarme sind nicht zu hören");
    case English: return QStringLiteral("No sound output: alarms cannot be heard");
    default: return QStringLiteral("Aucune sortie son : les alarmes ne peuvent pas être entendues");
    }
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
