<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_GB">
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>You must do what do you want, then I  continue during 1 minute</source>
        <translation>Sie müssen tun was Sie vor hatten, also werde ich 1 minute weiter machen</translation>
    </message>
</context>
<context>
    <name>AlarmTexts</name>
    <message>
        <source>Alarm %1</source>
        <translation>Alarm %1</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>‘%1’</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1 %2: type %3</source>
        <translation>%1 %2: %3 eingeben</translation>
    </message>
    <message>
        <source>%1 %2: never rings</source>
        <translation>%1 %2: klingelt nie</translation>
    </message>
    <message>
        <source>%1 empty: never rings</source>
        <translation>%1 leer: klingelt nie</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>Den %1 gibt es nicht</translation>
    </message>
    <message>
        <source>date has passed</source>
        <translation>Datum schon vergangen</translation>
    </message>
    <message>
        <source>ddd d MMM HH:mm</source>
        <translation>ddd d. MMM HH:mm</translation>
    </message>
    <message>
        <source>ddd d MMM yyyy HH:mm</source>
        <translation>ddd d. MMM yyyy HH:mm</translation>
    </message>
    <message>
        <source>dddd d MMMM &apos;at&apos; HH:mm</source>
        <translation>dddd, d. MMMM &apos;um&apos; HH:mm</translation>
    </message>
    <message>
        <source>dddd d MMMM yyyy &apos;at&apos; HH:mm</source>
        <translation>dddd, d. MMMM yyyy &apos;um&apos; HH:mm</translation>
    </message>
    <message>
        <source>dddd HH:mm</source>
        <translation>dddd HH:mm</translation>
    </message>
    <message>
        <source>%1: %2, in %3</source>
        <translation>%1: %2, in %3</translation>
    </message>
    <message>
        <source>%1: will not ring, %2</source>
        <translation>%1: klingelt nicht. %2</translation>
    </message>
    <message>
        <source>No alarm is set.</source>
        <translation>Kein Alarm ist gestellt.</translation>
    </message>
    <message>
        <source>Alarms saved</source>
        <translation>Alarme gespeichert</translation>
    </message>
    <message>
        <source>%1 d</source>
        <comment>days</comment>
        <translation>%1 Tagen</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>Next alarm: %1</source>
        <translation>Nächster Alarm: %1</translation>
    </message>
    <message>
        <source>No upcoming alarm</source>
        <translation>Kein Alarm steht an</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1 — %2 — missed</source>
        <translation>%1 — %2 — verpasst</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>In %1 Min. wiederholen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Show Kalindor</source>
        <translation>Kalindor anzeigen</translation>
    </message>
    <message>
        <source>sound muted</source>
        <translation>Ton stummgeschaltet</translation>
    </message>
    <message>
        <source>volume at zero</source>
        <translation>Lautstärke auf null</translation>
    </message>
    <message>
        <source>Alarm %1 will not ring</source>
        <translation>Alarm %1 wird nicht klingeln</translation>
    </message>
    <message>
        <source>Alarms %1 will not ring</source>
        <translation>Die Alarme %1 werden nicht klingeln</translation>
    </message>
    <message>
        <source>Kalindor closed</source>
        <translation>Kalindor beendet</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a row and its state</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an alarm and when it rings, for screen readers</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no sound chosen: click Gong, Ring, Meeting or Browse</source>
        <translation>Kein Ton gewählt: Gong, Klingel, Termin oder Browse anklicken</translation>
    </message>
    <message>
        <source>no sound chosen</source>
        <translation>kein Ton gewählt</translation>
    </message>
    <message>
        <source>file cannot be played: the default alert will ring</source>
        <translation>Datei nicht abspielbar: der Standardton erklingt</translation>
    </message>
    <message>
        <source>%1 d</source>
        <comment>one day</comment>
        <translation>%1 Tag</translation>
    </message>
    <message>
        <source>Alarm %1 snoozed until %2</source>
        <translation>Alarm %1 pausiert bis %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a day and a month&apos;s name</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Alarm %1 %2 snoozed until %3</source>
        <translation>Alarm %1 %2 pausiert bis %3</translation>
    </message>
</context>
<context>
    <name>AnnouncementSchedule</name>
    <message>
        <source>Time announcement: every %1 minutes</source>
        <translation>Zeitansage: alle %1 Minuten</translation>
    </message>
    <message>
        <source>Time announcement: every minute</source>
        <translation>Zeitansage: jede Minute</translation>
    </message>
    <message>
        <source>Time announcement: never</source>
        <translation>Zeitansage: nie</translation>
    </message>
    <message>
        <source>, not from %1 to %2</source>
        <translation>, außer von %1 bis %2</translation>
    </message>
    <message>
        <source>Alarm level: %1 %</source>
        <translation>Alarmlautstärke: %1 %</translation>
    </message>
    <message>
        <source>Alarm level: %1 %, rising over %2 s</source>
        <translation>Alarmlautstärke: %1 %, ansteigend in %2 s</translation>
    </message>
</context>
<context>
    <name>CalendarText</name>
    <message>
        <source>Sunday</source>
        <translation>Sontag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>END</source>
        <translation>ENDE</translation>
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
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>unreadable when loaded, left as it is</source>
        <translation>beim Laden unlesbar, bleibt unverändert</translation>
    </message>
    <message>
        <source>A settings file cannot be read. Kalindor will not change it until it is started again.</source>
        <translation>Eine Einstellungsdatei kann nicht gelesen werden. Kalindor ändert sie bis zum nächsten Start nicht.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The alarm table cannot be read. Save writes a new one.</source>
        <translation>Die Alarmtabelle kann nicht gelesen werden. Sichern schreibt eine neue.</translation>
    </message>
    <message>
        <source>not an alarm table; the alarms start empty and it is kept as %1</source>
        <translation>keine Alarmtabelle; die Alarme beginnen leer, sie bleibt als %1 erhalten</translation>
    </message>
    <message>
        <source>too large to be settings, left as it is</source>
        <translation>zu groß für Einstellungen, bleibt unverändert</translation>
    </message>
    <message>
        <source>line %1 cannot be read, left as it is</source>
        <translation>Zeile %1 unlesbar, bleibt unverändert</translation>
    </message>
</context>
<context>
    <name>Hset</name>
    <message>
        <source>Save the changes to the alarms before closing?</source>
        <translation>Die Änderungen an den Alarmen vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>N° Set</source>
        <translation>N° Set</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Gong</source>
        <translation>Gong</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Klingel</translation>
    </message>
    <message>
        <source>Meeting</source>
        <translation>Termin</translation>
    </message>
    <message>
        <source>Personnel wave files</source>
        <translation>Persönliche wave dateien</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Announce time every : </source>
        <translation>Zeitansage alle : </translation>
    </message>
    <message>
        <source>minutes  ex: 0 - 1 - 5 - 10 - 15 - 30 - 60</source>
        <translation>minuten  ex: 0 - 1 - 5 - 10 - 15 - 30 - 60</translation>
    </message>
    <message>
        <source>Next ring</source>
        <translation>Nächster Alarm</translation>
    </message>
    <message>
        <source>Day of the month (5), * for every day, or weekdays: Mon-Fri, Sat,Sun</source>
        <translation>Tag des Monats (5), * für jeden Tag oder Wochentage: Mo-Fr, Sa,So</translation>
    </message>
    <message>
        <source>Month 1 to 12, or * for every month</source>
        <translation>Monat 1 bis 12 oder * für jeden Monat</translation>
    </message>
    <message>
        <source>Year in four digits (2026), or * for every year</source>
        <translation>Jahr vierstellig (2026) oder * für jedes Jahr</translation>
    </message>
    <message>
        <source>Hour 0 to 23 without a leading zero, or * for every hour</source>
        <translation>Stunde 0 bis 23 ohne führende Null oder * für jede Stunde</translation>
    </message>
    <message>
        <source>Minute 0 to 59 without a leading zero, or * for every minute</source>
        <translation>Minute 0 bis 59 ohne führende Null oder * für jede Minute</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Space chooses this sound</source>
        <translation>Leertaste wählt diesen Klang</translation>
    </message>
    <message>
        <source>Space chooses a wave file</source>
        <translation>Leertaste wählt eine Wave-Datei</translation>
    </message>
    <message>
        <source>Save the alarms, the interval and the sound settings, then close the window</source>
        <translation>Alarme, Intervall und Toneinstellungen speichern, dann das Fenster schließen</translation>
    </message>
    <message>
        <source>Example: day %1, month %2, year %3, hour %4, minute %5, file %6</source>
        <translation>Beispiel: Tag %1, Monat %2, Jahr %3, Stunde %4, Minute %5, Datei %6</translation>
    </message>
    <message>
        <source>The ten alarms</source>
        <translation>Die zehn Alarme</translation>
    </message>
    <message>
        <source>Silent from</source>
        <translation>Still von</translation>
    </message>
    <message>
        <source>h to</source>
        <translation>h bis</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Alarm level : </source>
        <translation>Alarmlautstärke : </translation>
    </message>
    <message>
        <source>rising over</source>
        <translation>ansteigend in</translation>
    </message>
    <message>
        <source>s (0 = at once)</source>
        <translation>s (0 = sofort)</translation>
    </message>
    <message>
        <source>Silent from (hour)</source>
        <translation>Still ab (Stunde)</translation>
    </message>
    <message>
        <source>Silent until (hour)</source>
        <translation>Still bis (Stunde)</translation>
    </message>
    <message>
        <source>The time is not spoken by itself between these hours; both empty: never silent</source>
        <translation>Zwischen diesen Stunden wird die Zeit nicht von selbst angesagt; beide leer: nie still</translation>
    </message>
    <message>
        <source>Alarm level (percent)</source>
        <translation>Alarmlautstärke (Prozent)</translation>
    </message>
    <message>
        <source>10 to 100 % of Kalindor&apos;s own sound; the system volume is left alone</source>
        <translation>10 bis 100 % von Kalindors eigenem Ton; die Systemlautstärke bleibt unverändert</translation>
    </message>
    <message>
        <source>Alarm rise (seconds)</source>
        <translation>Anstieg der Alarme (Sekunden)</translation>
    </message>
    <message>
        <source>Each alarm minute starts at a quarter of the level and reaches it after these seconds; 0: at once</source>
        <translation>Jede Alarmminute beginnt bei einem Viertel der Lautstärke und erreicht sie nach diesen Sekunden; 0: sofort</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>What the alarm is for, shown when it rings; up to 60 characters</source>
        <translation>Wofür der Alarm ist, beim Klingeln angezeigt; höchstens 60 Zeichen</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>Wiederholen nach</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Snooze (minutes)</source>
        <translation>Wiederholung (Minuten)</translation>
    </message>
    <message>
        <source>How long Snooze in an alarm&apos;s notice silences it: 1 to 60 minutes; empty: 10</source>
        <translation>Wie lange ein Alarm nach „Wiederholen“ in seiner Benachrichtigung schweigt: 1 bis 60 Minuten; leer: 10</translation>
    </message>
    <message>
        <source>Keep ringing alarms when the window is closed</source>
        <translation>Alarme auch bei geschlossenem Fenster klingeln lassen</translation>
    </message>
    <message>
        <source>Say each alarm&apos;s name when it rings</source>
        <translation>Beim Klingeln den Namen des Alarms ansagen</translation>
    </message>
    <message>
        <source>Once its first sound is heard, a named alarm&apos;s name is said by the desktop&apos;s speech service</source>
        <translation>Nach dem ersten Klingeln sagt die Sprachausgabe des Desktops den Namen des Alarms an</translation>
    </message>
    <message>
        <source>Closing the window then hides Kalindor in the system tray, where it goes on ringing; END quits it</source>
        <translation>Das Schließen des Fensters legt Kalindor dann im Infobereich ab, wo es weiter klingelt; ENDE beendet es</translation>
    </message>
</context>
<context>
    <name>SoundNotice</name>
    <message>
        <source>No sound output: alarms cannot be heard</source>
        <translation>Keine Tonausgabe: Alarme sind nicht zu hören</translation>
    </message>
</context>
<context>
    <name>SpokenTexts</name>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Speak the time in French</source>
        <translation>Die Uhrzeit auf Französisch sagen</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Speak the time in German</source>
        <translation>Die Uhrzeit auf Deutsch sagen</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Speak the time in English</source>
        <translation>Die Uhrzeit auf Englisch sagen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Silence the alarm sound</source>
        <translation>Den Alarmton abschalten</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Kalindor&apos;s version and a system-information button</source>
        <translation>Die Version von Kalindor und eine Schaltfläche für Systeminformationen</translation>
    </message>
    <message>
        <source>End Kalindor</source>
        <translation>Kalindor beenden</translation>
    </message>
    <message>
        <source>Space or Enter speaks the time</source>
        <translation>Leertaste oder Eingabetaste sagt die Uhrzeit an</translation>
    </message>
    <message>
        <source>Space or Enter speaks the date</source>
        <translation>Leertaste oder Eingabetaste sagt das Datum an</translation>
    </message>
    <message>
        <source>Close this box</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Start a program that describes this computer</source>
        <translation>Ein Programm starten, das diesen Computer beschreibt</translation>
    </message>
    <message>
        <source>Set the alarms and the announcement interval</source>
        <translation>Die Alarme und das Intervall der Ansagen einstellen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the time, then the seconds</comment>
        <translation>%1 Uhr, %2</translation>
    </message>
    <message>
        <source>%1 second</source>
        <translation>%1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
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
        <translation>de_DE</translation>
    </message>
</context>
<context>
    <name>SoundSettings</name>
    <message>
        <source>%1 ‘%2’: type %3</source>
        <translation>%1 „%2“: %3 eingeben</translation>
    </message>
    <message>
        <source>0 to 23</source>
        <translation>0 bis 23</translation>
    </message>
    <message>
        <source>Silent hours: give both hours, or none</source>
        <translation>Stille Stunden: beide Stunden angeben oder keine</translation>
    </message>
    <message>
        <source>Silent from</source>
        <translation>Still von</translation>
    </message>
    <message>
        <source>Silent until</source>
        <translation>Still bis</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Alarmlautstärke</translation>
    </message>
    <message>
        <source>10 to 100</source>
        <translation>10 bis 100</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Anstieg</translation>
    </message>
    <message>
        <source>0 to %1</source>
        <translation>0 bis %1</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>1 to %1</source>
        <translation>1 bis %1</translation>
    </message>
</context>
<context>
    <name>AlarmName</name>
    <message>
        <source>Name not kept: no tabs or line breaks</source>
        <translation>Name nicht übernommen: keine Tabulatoren oder Zeilenumbrüche</translation>
    </message>
    <message>
        <source>Name not kept: %1 characters, at most %2</source>
        <translation>Name nicht übernommen: %1 Zeichen, höchstens %2</translation>
    </message>
</context>
<context>
    <name>AlarmNotices</name>
    <message>
        <source>Kalindor goes on</source>
        <translation>Kalindor läuft weiter</translation>
    </message>
    <message>
        <source>Its window is hidden and the alarms ring as usual. Click Kalindor in the system tray to show it; Quit in its menu, or END in the window, ends it.</source>
        <translation>Das Fenster ist ausgeblendet, die Alarme klingeln wie gewohnt. Ein Klick auf Kalindor im Infobereich zeigt es wieder; „Beenden“ im Menü oder ENDE im Fenster beendet Kalindor.</translation>
    </message>
    <message>
        <source>Its window is hidden and the alarms ring as usual. Start Kalindor again to show it; END in the window ends it.</source>
        <translation>Das Fenster ist ausgeblendet, die Alarme klingeln wie gewohnt. Wird Kalindor erneut gestartet, erscheint es wieder; ENDE im Fenster beendet Kalindor.</translation>
    </message>
</context>
<context>
    <name>ClockTray</name>
    <message>
        <source>Say the time</source>
        <translation>Zeit ansagen</translation>
    </message>
    <message>
        <source>Show Kalindor</source>
        <translation>Kalindor anzeigen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Kalindor does not start at login (there is no %1): nothing to remove</source>
        <translation>Kalindor startet nicht bei der Anmeldung (%1 gibt es nicht): nichts zu entfernen</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>%1 lässt sich nicht entfernen: %2</translation>
    </message>
    <message>
        <source>Removed %1: Kalindor no longer starts at login</source>
        <translation>%1 entfernt: Kalindor startet nicht mehr bei der Anmeldung</translation>
    </message>
    <message>
        <source>cannot start at login a command whose arguments hold control characters</source>
        <translation>ein Befehl, dessen Argumente Steuerzeichen enthalten, kann nicht bei der Anmeldung gestartet werden</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Wrote %1: Kalindor starts at login</source>
        <translation>%1 geschrieben: Kalindor startet bei der Anmeldung</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kalindor --help&apos;</source>
        <translation>„kalindor --help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>--%1 does not go with --%2</source>
        <translation>--%1 lässt sich nicht mit --%2 verbinden</translation>
    </message>
    <message>
        <source>--%1 only goes with %2</source>
        <translation>--%1 gibt es nur zusammen mit %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <translation>nach „%1“ fehlt der Wert</translation>
    </message>
    <message>
        <source>unexpected value after &apos;%1&apos;</source>
        <translation>unerwarteter Wert nach „%1“</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>--autostart takes on or off, not “%1”</source>
        <translation>--autostart erwartet on oder off, nicht „%1“</translation>
    </message>
    <message>
        <source>--say takes time or date, not “%1”</source>
        <translation>--say erwartet time oder date, nicht „%1“</translation>
    </message>
    <message>
        <source>unknown language “%1”: use fr, de or en</source>
        <translation>unbekannte Sprache „%1“: Möglich sind fr, de und en</translation>
    </message>
    <message>
        <source>--at “%1” is not a real moment written YYYY-MM-DD HH:MM</source>
        <translation>--at „%1“ ist kein existierender Zeitpunkt der Form JJJJ-MM-TT HH:MM</translation>
    </message>
    <message>
        <source>unexpected argument “%1”</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>, hidden in the system tray</source>
        <translation>, im Infobereich verborgen</translation>
    </message>
    <message>
        <source>Kalindor, a talking clock and calendar with ten alarms.</source>
        <translation>Kalindor, sprechende Uhr und sprechender Kalender mit zehn Alarmen.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Zeigt die Version an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Speak the time or the date once, without a window.</source>
        <translation>Sagt die Uhrzeit oder das Datum einmal an, ohne Fenster.</translation>
    </message>
    <message>
        <source>Language of --say or --alarms, and of this help: fr, de or en. By default the desktop&apos;s language (LC_ALL, LC_MESSAGES, LANG) when it is French, German or English, otherwise fr.</source>
        <translation>Sprache von --say oder --alarms und dieser Hilfe: fr, de oder en. Standardmäßig die Sprache der Arbeitsumgebung (LC_ALL, LC_MESSAGES, LANG), wenn sie Französisch, Deutsch oder Englisch ist, sonst fr.</translation>
    </message>
    <message>
        <source>Moment to speak, or to list the alarms at, instead of now.</source>
        <translation>Anzusagender Zeitpunkt oder Zeitpunkt, für den die Alarme aufgelistet werden, statt jetzt.</translation>
    </message>
    <message>
        <source>YYYY-MM-DD HH:MM</source>
        <translation>JJJJ-MM-TT HH:MM</translation>
    </message>
    <message>
        <source>Write everything spoken or rung into a WAV file instead of playing it.</source>
        <translation>Schreibt alle Ansagen und Klingeltöne in eine WAV-Datei, statt sie abzuspielen.</translation>
    </message>
    <message>
        <source>FILE.wav</source>
        <translation>DATEI.wav</translation>
    </message>
    <message>
        <source>Keep kalind.dta and saytime.dta in DIR.</source>
        <translation>Legt kalind.dta und saytime.dta in ORDNER ab.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>List when each alarm rings next, or why it never does, and the announcement interval.</source>
        <translation>Listet auf, wann jeder Alarm als Nächstes klingelt oder warum er nie klingelt, und den Abstand der Zeitansagen.</translation>
    </message>
    <message>
        <source>List the alarms as JSON.</source>
        <translation>Listet die Alarme als JSON auf.</translation>
    </message>
    <message>
        <source>Start Kalindor when you log in (on), or no longer (off). Alarms ring only while it runs: when ALARM SET keeps them ringing with the window closed, the entry starts it --hidden.</source>
        <translation>Startet Kalindor bei der Anmeldung (on) oder nicht mehr (off). Alarme klingeln nur, solange es läuft: Lässt ALARM SET sie bei geschlossenem Fenster klingeln, startet der Eintrag es mit --hidden.</translation>
    </message>
    <message>
        <source>Start with the window hidden in the system tray, when ALARM SET keeps alarms ringing with the window closed; otherwise the window shows as usual.</source>
        <translation>Startet mit im Infobereich verborgenem Fenster, wenn ALARM SET Alarme bei geschlossenem Fenster klingeln lässt; sonst erscheint das Fenster wie gewohnt.</translation>
    </message>
</context>
</TS>
