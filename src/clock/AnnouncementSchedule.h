// Which minutes the time is spoken by itself at, for the interval set by the user.
#pragma once

#include "HPMOD.h"
#include "SoundSettings.h"

#include <QStringView>

// `minutes` is the two minute characters of a clock text ("05"). Only 1, 5, 10, 15, 30 and 60
// ever announce; 0 and every other value (20, 45, 1.5 ...) never do.
bool announcementDue(double interval, QStringView minutes);

// "Annonce de l'heure : toutes les 15 minutes", with ", sauf de 22:00 à 07:00" for quiet hours, or
// "… : jamais" for an interval that never announces.
QString intervalText(const QString &interval, const QuietHours &quiet, Language language);

// "Niveau des alarmes : 50 %, en montant sur 20 s", as `--alarms` ends.
QString loudnessText(const AlarmLoudness &loudness, Language language);
