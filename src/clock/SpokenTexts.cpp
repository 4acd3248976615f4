#include "SpokenTexts.h"

#include <QLocale>

#include <algorithm>
#include <array>

namespace {
// The exit button and the About box's buttons keep their captions as names, and Alarm-set is described
// by the next alarm: a screen reader says what the eye reads.
struct Column
{
    const char *locale;
    std::array<SpokenControl, 11> controls; // in the order of MainControl
    QString time;                          // "%1, %2": the time, then the seconds
    QString second, seconds;               // "%1 seconde"
};

const std::array<Column, 3> Columns = {{
    {"fr_FR",
     {{{QStringLiteral("Français"), QStringLiteral("Dire l'heure en français")},
       {QStringLiteral("Allemand"), QStringLiteral("Dire l'heure en allemand")},
       {QStringLiteral("Anglais"), QStringLiteral("Dire l'heure en anglais")},
       {QStringLiteral("Arrêt"), QStringLiteral("Faire taire l'alarme")},
       {QStringLiteral("À propos"), QStringLiteral("La version de Kalindor et un bouton d'informations système")},
       {QString(), QStringLiteral("Quitter Kalindor")},
       {QString(), QStringLiteral("Espace ou Entrée dit l'heure")},
       {QString(), QStringLiteral("Espace ou Entrée dit la date")},
       {QString(), QStringLiteral("Fermer cette fenêtre")},
       {QString(), QStringLiteral("Lancer un programme qui décrit cet ordinateur")},
       {QString(), QStringLiteral("Régler les alarmes et l'intervalle des annonces")}}},
     QStringLiteral("%1, %2"), QStringLiteral("%1 seconde"), QStringLiteral("%1 secondes")},
    {"de_DE",
     {{{QStringLiteral("Französisch"), QStringLiteral("Die Uhrzeit auf Französisch sagen")},
       {QStringLiteral("Deutsch"), QStringLiteral("Die Uhrzeit auf Deutsch sagen")},
       {QStringLiteral("Englisch"), QStringLiteral("Die Uhrzeit auf Englisch sagen")},
       {QStringLiteral("Stopp"), QStringLiteral("Den Alarmton abschalten")},
       {QStringLiteral("Info"), QStringLiteral("Die Version von Kalindor und eine Schaltfläche für Systeminformationen")},
       {QString(), QStringLiteral("Kalindor beenden")},
       {QString(), QStringLiteral("Leertaste oder Eingabetaste sagt die Uhrzeit an")},
       {QString(), QStringLiteral("Leertaste oder Eingabetaste sagt das Datum an")},
       {QString(), QStringLiteral("Dieses Fenster schließen")},
       {QString(), QStringLiteral("Ein Programm starten, das diesen Computer beschreibt")},
       {QString(), QStringLiteral("Die Alarme und das Intervall der Ansagen einstellen")}}},
     QStringLiteral("%1 Uhr, %2"), QStringLiteral("%1 Sekunde"), QStringLiteral("%1 Sekunden")},
    {"en_GB",
     {{{QStringLiteral("French"), QStringLiteral("Speak the time in French")},
       {QStringLiteral("German"), QStringLiteral("Speak the time in German")},
       {QStringLiteral("English"), QStringLiteral("Speak the time in English")},
       {QStringLiteral("Stop"), QStringLiteral("Silence the alarm sound")},
       {QStringLiteral("About"), QStringLiteral("Kalindor's version and a system-information button")},
       {QString(), QStringLiteral("End Kalindor")},
       {QString(), QStringLiteral("Space or Enter speaks the time")},
       {QString(), QStringLiteral("Space or Enter speaks the date")},
       {QString(), QStringLiteral("Close this box")},
       {QString(), QStringLiteral("Start a program that describes this computer")},
       {QString(), QStringLiteral("Set the alarms and the announcement interval")}}},
     QStringLiteral("%1 and %2"), QStringLiteral("%1 second"), QStringLiteral("%1 seconds")},
}};

const Column &columnFor(Language language)
{
    return Columns[size_t(std::clamp<int>(language, French, English))];
}
} // namespace

SpokenControl spokenControl(MainControl control, Language language)
{
    return columnFor(language).controls[size_t(control)];
}

QString spokenTime(const QTime &time, Language language)
{
    const Column &column = columnFor(language);
    // English speaks the twelve-hour clock, as its flag does; French counts 0 and 1 as singular.
    const QString clock = language == English ? time.toString(QStringLiteral("h:mm AP")) : time.toString(QStringLiteral("HH:mm"));
    const int s = time.second();
    const bool singular = language == French ? s <= 1 : s == 1;
    return column.time.arg(clock, (singular ? column.second : column.seconds).arg(s));
}

QString spokenDate(const QDate &date, Language language)
{
    return QLocale(QLatin1String(columnFor(language).locale)).toString(date, QLocale::LongFormat);
}
