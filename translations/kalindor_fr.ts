<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_GB">
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>You must do what do you want, then I  continue during 1 minute</source>
        <translation>Vous devez faire ce que vous avez a faire,Donc je vais continuer pendant 1 minute</translation>
    </message>
</context>
<context>
    <name>AlarmTexts</name>
    <message>
        <source>Alarm %1</source>
        <translation>Alarme %1</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>‘%1’</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>%1 %2: type %3</source>
        <translation>%1 %2 : tapez %3</translation>
    </message>
    <message>
        <source>%1 %2: never rings</source>
        <translation>%1 %2 : ne sonne jamais</translation>
    </message>
    <message>
        <source>%1 empty: never rings</source>
        <translation>%1 vide : ne sonne jamais</translation>
    </message>
    <message>
        <source>off</source>
        <translation>arrêtée</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>le %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>date has passed</source>
        <translation>date passée</translation>
    </message>
    <message>
        <source>ddd d MMM HH:mm</source>
        <translation>ddd d MMM HH:mm</translation>
    </message>
    <message>
        <source>ddd d MMM yyyy HH:mm</source>
        <translation>ddd d MMM yyyy HH:mm</translation>
    </message>
    <message>
        <source>dddd d MMMM &apos;at&apos; HH:mm</source>
        <translation>dddd d MMMM &apos;à&apos; HH:mm</translation>
    </message>
    <message>
        <source>dddd d MMMM yyyy &apos;at&apos; HH:mm</source>
        <translation>dddd d MMMM yyyy &apos;à&apos; HH:mm</translation>
    </message>
    <message>
        <source>dddd HH:mm</source>
        <translation>dddd HH:mm</translation>
    </message>
    <message>
        <source>%1: %2, in %3</source>
        <translation>%1 : %2, dans %3</translation>
    </message>
    <message>
        <source>%1: will not ring, %2</source>
        <translation>%1 : ne sonnera pas, %2</translation>
    </message>
    <message>
        <source>No alarm is set.</source>
        <translation>Aucune alarme n&apos;est réglée.</translation>
    </message>
    <message>
        <source>Alarms saved</source>
        <translation>Alarmes enregistrées</translation>
    </message>
    <message>
        <source>%1 d</source>
        <comment>days</comment>
        <translation>%1 j</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Next alarm: %1</source>
        <translation>Prochaine alarme : %1</translation>
    </message>
    <message>
        <source>No upcoming alarm</source>
        <translation>Aucune alarme à venir</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1 — %2 — missed</source>
        <translation>%1 — %2 — manquée</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Répéter dans %1 min</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Show Kalindor</source>
        <translation>Afficher Kalindor</translation>
    </message>
    <message>
        <source>sound muted</source>
        <translation>son coupé</translation>
    </message>
    <message>
        <source>volume at zero</source>
        <translation>volume à zéro</translation>
    </message>
    <message>
        <source>Alarm %1 will not ring</source>
        <translation>L&apos;alarme %1 ne sonnera pas</translation>
    </message>
    <message>
        <source>Alarms %1 will not ring</source>
        <translation>Les alarmes %1 ne sonneront pas</translation>
    </message>
    <message>
        <source>Kalindor closed</source>
        <translation>Kalindor fermé</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a row and its state</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an alarm and when it rings, for screen readers</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>no sound chosen: click Gong, Ring, Meeting or Browse</source>
        <translation>aucun son choisi : cliquez sur Gong, Sonnerie, Rendez-vous ou Browse</translation>
    </message>
    <message>
        <source>no sound chosen</source>
        <translation>aucun son choisi</translation>
    </message>
    <message>
        <source>file cannot be played: the default alert will ring</source>
        <translation>fichier illisible : l&apos;alerte par défaut sonnera</translation>
    </message>
    <message>
        <source>%1 d</source>
        <comment>one day</comment>
        <translation>%1 j</translation>
    </message>
    <message>
        <source>Alarm %1 snoozed until %2</source>
        <translation>Alarme %1 reportée à %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a day and a month&apos;s name</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Alarm %1 %2 snoozed until %3</source>
        <translation>Alarme %1 %2 reportée à %3</translation>
    </message>
</context>
<context>
    <name>AnnouncementSchedule</name>
    <message>
        <source>Time announcement: every %1 minutes</source>
        <translation>Annonce de l&apos;heure : toutes les %1 minutes</translation>
    </message>
    <message>
        <source>Time announcement: every minute</source>
        <translation>Annonce de l&apos;heure : chaque minute</translation>
    </message>
    <message>
        <source>Time announcement: never</source>
        <translation>Annonce de l&apos;heure : jamais</translation>
    </message>
    <message>
        <source>, not from %1 to %2</source>
        <translation>, sauf de %1 à %2</translation>
    </message>
    <message>
        <source>Alarm level: %1 %</source>
        <translation>Niveau des alarmes : %1 %</translation>
    </message>
    <message>
        <source>Alarm level: %1 %, rising over %2 s</source>
        <translation>Niveau des alarmes : %1 %, montée en %2 s</translation>
    </message>
</context>
<context>
    <name>CalendarText</name>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Fevrier</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Aout</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Decembre</translation>
    </message>
    <message>
        <source>END</source>
        <translation>FIN</translation>
    </message>
    <message>
        <source>%1 %3 %2  %4</source>
        <comment>weekday, day, month, year</comment>
        <translation>%1 %2 %3 %4</translation>
    </message>
</context>
<context>
    <name>FileProblemTexts</name>
    <message>
        <source>not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>accès refusé</translation>
    </message>
    <message>
        <source>unreadable when loaded, left as it is</source>
        <translation>illisible au chargement, laissé tel quel</translation>
    </message>
    <message>
        <source>A settings file cannot be read. Kalindor will not change it until it is started again.</source>
        <translation>Un fichier de réglages ne peut pas être lu. Kalindor ne le modifiera pas avant son prochain démarrage.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>The alarm table cannot be read. Save writes a new one.</source>
        <translation>La table des alarmes est illisible. Sauver en écrit une nouvelle.</translation>
    </message>
    <message>
        <source>not an alarm table; the alarms start empty and it is kept as %1</source>
        <translation>pas une table d&apos;alarmes ; les alarmes partent vides et elle est gardée sous %1</translation>
    </message>
    <message>
        <source>too large to be settings, left as it is</source>
        <translation>trop grand pour des réglages, laissé tel quel</translation>
    </message>
    <message>
        <source>line %1 cannot be read, left as it is</source>
        <translation>ligne %1 illisible, laissé tel quel</translation>
    </message>
</context>
<context>
    <name>Hset</name>
    <message>
        <source>Save the changes to the alarms before closing?</source>
        <translation>Enregistrer les modifications des alarmes avant de fermer ?</translation>
    </message>
    <message>
        <source>N° Set</source>
        <translation>N° Set</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Gong</source>
        <translation>Gong</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Sonnerie</translation>
    </message>
    <message>
        <source>Meeting</source>
        <translation>Rendez-vous</translation>
    </message>
    <message>
        <source>Personnel wave files</source>
        <translation>Fichiers wave personnel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>Announce time every : </source>
        <translation>Annoncer l&apos;heure toutes les : </translation>
    </message>
    <message>
        <source>minutes  ex: 0 - 1 - 5 - 10 - 15 - 30 - 60</source>
        <translation>minutes   ex: 0 - 1 - 5 - 10 - 15 - 30 - 60</translation>
    </message>
    <message>
        <source>Next ring</source>
        <translation>Prochaine alarme</translation>
    </message>
    <message>
        <source>Day of the month (5), * for every day, or weekdays: Mon-Fri, Sat,Sun</source>
        <translation>Jour du mois (5), * pour tous les jours, ou des jours de la semaine : Lun-Ven, Sam,Dim</translation>
    </message>
    <message>
        <source>Month 1 to 12, or * for every month</source>
        <translation>Mois de 1 à 12, ou * pour tous les mois</translation>
    </message>
    <message>
        <source>Year in four digits (2026), or * for every year</source>
        <translation>Année en quatre chiffres (2026), ou * pour toutes les années</translation>
    </message>
    <message>
        <source>Hour 0 to 23 without a leading zero, or * for every hour</source>
        <translation>Heure de 0 à 23 sans zéro devant, ou * pour toutes les heures</translation>
    </message>
    <message>
        <source>Minute 0 to 59 without a leading zero, or * for every minute</source>
        <translation>Minute de 0 à 59 sans zéro devant, ou * pour toutes les minutes</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Space chooses this sound</source>
        <translation>Espace choisit ce son</translation>
    </message>
    <message>
        <source>Space chooses a wave file</source>
        <translation>Espace choisit un fichier wave</translation>
    </message>
    <message>
        <source>Save the alarms, the interval and the sound settings, then close the window</source>
        <translation>Enregistrer les alarmes, l&apos;intervalle et les réglages du son, puis fermer la fenêtre</translation>
    </message>
    <message>
        <source>Example: day %1, month %2, year %3, hour %4, minute %5, file %6</source>
        <translation>Exemple : jour %1, mois %2, année %3, heure %4, minute %5, fichier %6</translation>
    </message>
    <message>
        <source>The ten alarms</source>
        <translation>Les dix alarmes</translation>
    </message>
    <message>
        <source>Silent from</source>
        <translation>Silence de</translation>
    </message>
    <message>
        <source>h to</source>
        <translation>h à</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Alarm level : </source>
        <translation>Niveau des alarmes : </translation>
    </message>
    <message>
        <source>rising over</source>
        <translation>montée en</translation>
    </message>
    <message>
        <source>s (0 = at once)</source>
        <translation>s (0 = d&apos;emblée)</translation>
    </message>
    <message>
        <source>Silent from (hour)</source>
        <translation>Silence à partir de (heure)</translation>
    </message>
    <message>
        <source>Silent until (hour)</source>
        <translation>Silence jusqu&apos;à (heure)</translation>
    </message>
    <message>
        <source>The time is not spoken by itself between these hours; both empty: never silent</source>
        <translation>L&apos;heure n&apos;est pas annoncée d&apos;elle-même entre ces heures ; les deux vides : jamais de silence</translation>
    </message>
    <message>
        <source>Alarm level (percent)</source>
        <translation>Niveau des alarmes (pour cent)</translation>
    </message>
    <message>
        <source>10 to 100 % of Kalindor&apos;s own sound; the system volume is left alone</source>
        <translation>10 à 100 % du son de Kalindor ; le volume du système reste tel quel</translation>
    </message>
    <message>
        <source>Alarm rise (seconds)</source>
        <translation>Montée des alarmes (secondes)</translation>
    </message>
    <message>
        <source>Each alarm minute starts at a quarter of the level and reaches it after these seconds; 0: at once</source>
        <translation>Chaque minute d&apos;alarme commence au quart du niveau et l&apos;atteint après ces secondes ; 0 : d&apos;emblée</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>What the alarm is for, shown when it rings; up to 60 characters</source>
        <translation>À quoi sert l&apos;alarme, affiché quand elle sonne ; 60 caractères au plus</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>Répéter après</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Snooze (minutes)</source>
        <translation>Répétition (minutes)</translation>
    </message>
    <message>
        <source>How long Snooze in an alarm&apos;s notice silences it: 1 to 60 minutes; empty: 10</source>
        <translation>Durée du silence que donne « Répéter » dans la notification d&apos;une alarme : de 1 à 60 minutes ; vide : 10</translation>
    </message>
    <message>
        <source>Keep ringing alarms when the window is closed</source>
        <translation>Faire sonner les alarmes même quand la fenêtre est fermée</translation>
    </message>
    <message>
        <source>Say each alarm&apos;s name when it rings</source>
        <translation>Dire le nom de chaque alarme quand elle sonne</translation>
    </message>
    <message>
        <source>Once its first sound is heard, a named alarm&apos;s name is said by the desktop&apos;s speech service</source>
        <translation>Une fois sa première sonnerie entendue, le nom de l&apos;alarme est dit par la synthèse vocale du bureau</translation>
    </message>
    <message>
        <source>Closing the window then hides Kalindor in the system tray, where it goes on ringing; END quits it</source>
        <translation>Fermer la fenêtre range alors Kalindor dans la zone de notification, où il continue de sonner ; FIN le quitte</translation>
    </message>
</context>
<context>
    <name>SoundNotice</name>
    <message>
        <source>No sound output: alarms cannot be heard</source>
        <translation>Aucune sortie son : les alarmes ne peuvent pas être entendues</translation>
    </message>
</context>
<context>
    <name>SpokenTexts</name>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Speak the time in French</source>
        <translation>Dire l&apos;heure en français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Speak the time in German</source>
        <translation>Dire l&apos;heure en allemand</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Speak the time in English</source>
        <translation>Dire l&apos;heure en anglais</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Silence the alarm sound</source>
        <translation>Faire taire l&apos;alarme</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Kalindor&apos;s version and a system-information button</source>
        <translation>La version de Kalindor et un bouton d&apos;informations système</translation>
    </message>
    <message>
        <source>End Kalindor</source>
        <translation>Quitter Kalindor</translation>
    </message>
    <message>
        <source>Space or Enter speaks the time</source>
        <translation>Espace ou Entrée dit l&apos;heure</translation>
    </message>
    <message>
        <source>Space or Enter speaks the date</source>
        <translation>Espace ou Entrée dit la date</translation>
    </message>
    <message>
        <source>Close this box</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
    <message>
        <source>Start a program that describes this computer</source>
        <translation>Lancer un programme qui décrit cet ordinateur</translation>
    </message>
    <message>
        <source>Set the alarms and the announcement interval</source>
        <translation>Régler les alarmes et l&apos;intervalle des annonces</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the time, then the seconds</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 second</source>
        <translation>%1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>h:mm AP</source>
        <comment>the clock&apos;s format</comment>
        <translation>HH:mm</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>en_GB</source>
        <comment>the locale of the language&apos;s dates and numbers</comment>
        <translation>fr_FR</translation>
    </message>
</context>
<context>
    <name>SoundSettings</name>
    <message>
        <source>%1 ‘%2’: type %3</source>
        <translation>%1 « %2 » : tapez %3</translation>
    </message>
    <message>
        <source>0 to 23</source>
        <translation>0 à 23</translation>
    </message>
    <message>
        <source>Silent hours: give both hours, or none</source>
        <translation>Heures de silence : donnez les deux heures, ou aucune</translation>
    </message>
    <message>
        <source>Silent from</source>
        <translation>Silence de</translation>
    </message>
    <message>
        <source>Silent until</source>
        <translation>Silence jusqu&apos;à</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Niveau des alarmes</translation>
    </message>
    <message>
        <source>10 to 100</source>
        <translation>10 à 100</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Montée</translation>
    </message>
    <message>
        <source>0 to %1</source>
        <translation>0 à %1</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <source>1 to %1</source>
        <translation>1 à %1</translation>
    </message>
</context>
<context>
    <name>AlarmName</name>
    <message>
        <source>Name not kept: no tabs or line breaks</source>
        <translation>Nom non retenu : ni tabulations ni retours à la ligne</translation>
    </message>
    <message>
        <source>Name not kept: %1 characters, at most %2</source>
        <translation>Nom non retenu : %1 caractères, %2 au plus</translation>
    </message>
</context>
<context>
    <name>AlarmNotices</name>
    <message>
        <source>Kalindor goes on</source>
        <translation>Kalindor continue</translation>
    </message>
    <message>
        <source>Its window is hidden and the alarms ring as usual. Click Kalindor in the system tray to show it; Quit in its menu, or END in the window, ends it.</source>
        <translation>Sa fenêtre est masquée et les alarmes sonnent comme d&apos;habitude. Cliquez sur Kalindor dans la zone de notification pour l&apos;afficher ; Quitter dans son menu, ou FIN dans la fenêtre, le ferme.</translation>
    </message>
    <message>
        <source>Its window is hidden and the alarms ring as usual. Start Kalindor again to show it; END in the window ends it.</source>
        <translation>Sa fenêtre est masquée et les alarmes sonnent comme d&apos;habitude. Relancez Kalindor pour l&apos;afficher ; FIN dans la fenêtre le ferme.</translation>
    </message>
</context>
<context>
    <name>ClockTray</name>
    <message>
        <source>Say the time</source>
        <translation>Dire l&apos;heure</translation>
    </message>
    <message>
        <source>Show Kalindor</source>
        <translation>Afficher Kalindor</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Kalindor does not start at login (there is no %1): nothing to remove</source>
        <translation>Kalindor ne démarre pas à l&apos;ouverture de session (%1 n&apos;existe pas) : rien à supprimer</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>impossible de supprimer %1 : %2</translation>
    </message>
    <message>
        <source>Removed %1: Kalindor no longer starts at login</source>
        <translation>%1 supprimé : Kalindor ne démarre plus à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>cannot start at login a command whose arguments hold control characters</source>
        <translation>impossible de lancer à l&apos;ouverture de session une commande dont les arguments contiennent des caractères de contrôle</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Wrote %1: Kalindor starts at login</source>
        <translation>%1 écrit : Kalindor démarre à l&apos;ouverture de session</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kalindor --help&apos;</source>
        <translation>Saisissez « kalindor --help » pour en savoir plus.</translation>
    </message>
    <message>
        <source>--%1 does not go with --%2</source>
        <translation>--%1 ne s&apos;emploie pas avec --%2</translation>
    </message>
    <message>
        <source>--%1 only goes with %2</source>
        <translation>--%1 ne s&apos;emploie qu&apos;avec %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <translation>valeur manquante après « %1 »</translation>
    </message>
    <message>
        <source>unexpected value after &apos;%1&apos;</source>
        <translation>valeur inattendue après « %1 »</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>--autostart takes on or off, not “%1”</source>
        <translation>--autostart attend on ou off, pas « %1 »</translation>
    </message>
    <message>
        <source>--say takes time or date, not “%1”</source>
        <translation>--say attend time ou date, pas « %1 »</translation>
    </message>
    <message>
        <source>unknown language “%1”: use fr, de or en</source>
        <translation>langue inconnue « %1 » : utilisez fr, de ou en</translation>
    </message>
    <message>
        <source>--at “%1” is not a real moment written YYYY-MM-DD HH:MM</source>
        <translation>--at « %1 » n&apos;est pas un instant existant écrit AAAA-MM-JJ HH:MM</translation>
    </message>
    <message>
        <source>unexpected argument “%1”</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>, hidden in the system tray</source>
        <translation>, caché dans la zone de notification</translation>
    </message>
    <message>
        <source>Kalindor, a talking clock and calendar with ten alarms.</source>
        <translation>Kalindor, horloge et calendrier parlants à dix alarmes.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Speak the time or the date once, without a window.</source>
        <translation>Dire l&apos;heure ou la date une fois, sans fenêtre.</translation>
    </message>
    <message>
        <source>Language of --say or --alarms, and of this help: fr, de or en. By default the desktop&apos;s language (LC_ALL, LC_MESSAGES, LANG) when it is French, German or English, otherwise fr.</source>
        <translation>Langue de --say ou de --alarms, et de cette aide : fr, de ou en. Par défaut, la langue du bureau (LC_ALL, LC_MESSAGES, LANG) si c&apos;est le français, l&apos;allemand ou l&apos;anglais, sinon fr.</translation>
    </message>
    <message>
        <source>Moment to speak, or to list the alarms at, instead of now.</source>
        <translation>L&apos;instant à dire, ou celui pour lequel lister les alarmes, au lieu de maintenant.</translation>
    </message>
    <message>
        <source>YYYY-MM-DD HH:MM</source>
        <translation>AAAA-MM-JJ HH:MM</translation>
    </message>
    <message>
        <source>Write everything spoken or rung into a WAV file instead of playing it.</source>
        <translation>Écrire dans un fichier WAV, au lieu de les jouer, toutes les annonces et sonneries.</translation>
    </message>
    <message>
        <source>FILE.wav</source>
        <translation>FICHIER.wav</translation>
    </message>
    <message>
        <source>Keep kalind.dta and saytime.dta in DIR.</source>
        <translation>Garder kalind.dta et saytime.dta dans DOSSIER.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DOSSIER</translation>
    </message>
    <message>
        <source>List when each alarm rings next, or why it never does, and the announcement interval.</source>
        <translation>Lister quand chaque alarme sonnera, ou pourquoi elle ne sonne jamais, et l&apos;intervalle des annonces.</translation>
    </message>
    <message>
        <source>List the alarms as JSON.</source>
        <translation>Lister les alarmes en JSON.</translation>
    </message>
    <message>
        <source>Start Kalindor when you log in (on), or no longer (off). Alarms ring only while it runs: when ALARM SET keeps them ringing with the window closed, the entry starts it --hidden.</source>
        <translation>Démarrer Kalindor à l&apos;ouverture de session (on), ou ne plus le faire (off). Les alarmes ne sonnent que pendant qu&apos;il tourne : quand ALARM SET les fait sonner fenêtre fermée, l&apos;entrée le lance avec --hidden.</translation>
    </message>
    <message>
        <source>Start with the window hidden in the system tray, when ALARM SET keeps alarms ringing with the window closed; otherwise the window shows as usual.</source>
        <translation>Démarrer avec la fenêtre cachée dans la zone de notification, quand ALARM SET fait sonner les alarmes fenêtre fermée ; sinon, la fenêtre s&apos;affiche comme d&apos;habitude.</translation>
    </message>
</context>
</TS>
