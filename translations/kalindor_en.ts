<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en_GB">
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>You must do what do you want, then I  continue during 1 minute</source>
        <translation>You must do what do you want, then I  continue during 1 minute</translation>
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
        <translation>Day</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>‘%1’</source>
        <translation>‘%1’</translation>
    </message>
    <message>
        <source>%1 %2: type %3</source>
        <translation>%1 %2: type %3</translation>
    </message>
    <message>
        <source>%1 %2: never rings</source>
        <translation>%1 %2: never rings</translation>
    </message>
    <message>
        <source>%1 empty: never rings</source>
        <translation>%1 empty: never rings</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 does not exist</translation>
    </message>
    <message>
        <source>date has passed</source>
        <translation>date has passed</translation>
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
        <translation>dddd d MMMM &apos;at&apos; HH:mm</translation>
    </message>
    <message>
        <source>dddd d MMMM yyyy &apos;at&apos; HH:mm</source>
        <translation>dddd d MMMM yyyy &apos;at&apos; HH:mm</translation>
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
        <translation>%1 will not ring (%2)</translation>
    </message>
    <message>
        <source>No alarm is set.</source>
        <translation>No alarm is set.</translation>
    </message>
    <message>
        <source>Alarms saved</source>
        <translation>Alarms saved</translation>
    </message>
    <message>
        <source>%1 d</source>
        <comment>days</comment>
        <translation>%1 d</translation>
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
        <translation>Next alarm: %1</translation>
    </message>
    <message>
        <source>No upcoming alarm</source>
        <translation>No upcoming alarm</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1 — %2 — missed</source>
        <translation>%1 — %2 — missed</translation>
    </message>
    <message>
        <source>Snooze %1 min</source>
        <translation>Snooze %1 min</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Show Kalindor</source>
        <translation>Show Kalindor</translation>
    </message>
    <message>
        <source>sound muted</source>
        <translation>sound muted</translation>
    </message>
    <message>
        <source>volume at zero</source>
        <translation>volume at zero</translation>
    </message>
    <message>
        <source>Alarm %1 will not ring</source>
        <translation>Alarm %1 will not ring</translation>
    </message>
    <message>
        <source>Alarms %1 will not ring</source>
        <translation>Alarms %1 will not ring</translation>
    </message>
    <message>
        <source>Kalindor closed</source>
        <translation>Kalindor closed</translation>
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
        <translation>no sound chosen: click Gong, Ring, Meeting or Browse</translation>
    </message>
    <message>
        <source>no sound chosen</source>
        <translation>no sound chosen</translation>
    </message>
    <message>
        <source>file cannot be played: the default alert will ring</source>
        <translation>file cannot be played: the default alert will ring</translation>
    </message>
    <message>
        <source>%1 d</source>
        <comment>one day</comment>
        <translation>%1 d</translation>
    </message>
    <message>
        <source>Alarm %1 snoozed until %2</source>
        <translation>Alarm %1 snoozed until %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a day and a month&apos;s name</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Alarm %1 %2 snoozed until %3</source>
        <translation>Alarm %1 %2 snoozed until %3</translation>
    </message>
</context>
<context>
    <name>AnnouncementSchedule</name>
    <message>
        <source>Time announcement: every %1 minutes</source>
        <translation>Time announcement: every %1 minutes</translation>
    </message>
    <message>
        <source>Time announcement: every minute</source>
        <translation>Time announcement: every minute</translation>
    </message>
    <message>
        <source>Time announcement: never</source>
        <translation>Time announcement: never</translation>
    </message>
    <message>
        <source>, not from %1 to %2</source>
        <translation>, except from %1 to %2</translation>
    </message>
    <message>
        <source>Alarm level: %1 %</source>
        <translation>Alarm level: %1 %</translation>
    </message>
    <message>
        <source>Alarm level: %1 %, rising over %2 s</source>
        <translation>Alarm level: %1 %, rising over %2 s</translation>
    </message>
</context>
<context>
    <name>CalendarText</name>
    <message>
        <source>Sunday</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>January</source>
        <translation>January</translation>
    </message>
    <message>
        <source>February</source>
        <translation>February</translation>
    </message>
    <message>
        <source>March</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>May</translation>
    </message>
    <message>
        <source>June</source>
        <translation>June</translation>
    </message>
    <message>
        <source>July</source>
        <translation>July</translation>
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
        <translation>December</translation>
    </message>
    <message>
        <source>END</source>
        <translation>END</translation>
    </message>
    <message>
        <source>%1 %3 %2  %4</source>
        <comment>weekday, day, month, year</comment>
        <translation>%1 %3 %2  %4</translation>
    </message>
</context>
<context>
    <name>FileProblemTexts</name>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>unreadable when loaded, left as it is</source>
        <translation>unreadable when loaded, left as it is</translation>
    </message>
    <message>
        <source>A settings file cannot be read. Kalindor will not change it until it is started again.</source>
        <translation>A settings file cannot be read. Kalindor will not change it until it is started again.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>The settings could not be saved.</translation>
    </message>
    <message>
        <source>The alarm table cannot be read. Save writes a new one.</source>
        <translation>The alarm table cannot be read. Save writes a new one.</translation>
    </message>
    <message>
        <source>not an alarm table; the alarms start empty and it is kept as %1</source>
        <translation>not an alarm table; the alarms start empty and it is kept as %1</translation>
    </message>
    <message>
        <source>too large to be settings, left as it is</source>
        <translation>too large to be settings, left as it is</translation>
    </message>
    <message>
        <source>line %1 cannot be read, left as it is</source>
        <translation>line %1 cannot be read, left as it is</translation>
    </message>
</context>
<context>
    <name>Hset</name>
    <message>
        <source>Save the changes to the alarms before closing?</source>
        <translation>Save the changes to the alarms before closing?</translation>
    </message>
    <message>
        <source>N° Set</source>
        <translation>N° Set</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Gong</source>
        <translation>Gong</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Meeting</source>
        <translation>Meeting</translation>
    </message>
    <message>
        <source>Personnel wave files</source>
        <translation>Personnel wave files</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Announce time every : </source>
        <translation>Announce time every : </translation>
    </message>
    <message>
        <source>minutes  ex: 0 - 1 - 5 - 10 - 15 - 30 - 60</source>
        <translation>minutes  ex: 0 - 1 - 5 - 10 - 15 - 30 - 60</translation>
    </message>
    <message>
        <source>Next ring</source>
        <translation>Next ring</translation>
    </message>
    <message>
        <source>Day of the month (5), * for every day, or weekdays: Mon-Fri, Sat,Sun</source>
        <translation>Day of the month (5), * for every day, or weekdays: Mon-Fri, Sat,Sun</translation>
    </message>
    <message>
        <source>Month 1 to 12, or * for every month</source>
        <translation>Month 1 to 12, or * for every month</translation>
    </message>
    <message>
        <source>Year in four digits (2026), or * for every year</source>
        <translation>Year in four digits (2026), or * for every year</translation>
    </message>
    <message>
        <source>Hour 0 to 23 without a leading zero, or * for every hour</source>
        <translation>Hour 0 to 23 without a leading zero, or * for every hour</translation>
    </message>
    <message>
        <source>Minute 0 to 59 without a leading zero, or * for every minute</source>
        <translation>Minute 0 to 59 without a leading zero, or * for every minute</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Space chooses this sound</source>
        <translation>Space chooses this sound</translation>
    </message>
    <message>
        <source>Space chooses a wave file</source>
        <translation>Space chooses a wave file</translation>
    </message>
    <message>
        <source>Save the alarms, the interval and the sound settings, then close the window</source>
        <translation>Save the alarms, the interval and the sound settings, then close the window</translation>
    </message>
    <message>
        <source>Example: day %1, month %2, year %3, hour %4, minute %5, file %6</source>
        <translation>Example: day %1, month %2, year %3, hour %4, minute %5, file %6</translation>
    </message>
    <message>
        <source>The ten alarms</source>
        <translation>The ten alarms</translation>
    </message>
    <message>
        <source>Silent from</source>
        <translation>Silent from</translation>
    </message>
    <message>
        <source>h to</source>
        <translation>h to</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Alarm level : </source>
        <translation>Alarm level : </translation>
    </message>
    <message>
        <source>rising over</source>
        <translation>rising over</translation>
    </message>
    <message>
        <source>s (0 = at once)</source>
        <translation>s (0 = at once)</translation>
    </message>
    <message>
        <source>Silent from (hour)</source>
        <translation>Silent from (hour)</translation>
    </message>
    <message>
        <source>Silent until (hour)</source>
        <translation>Silent until (hour)</translation>
    </message>
    <message>
        <source>The time is not spoken by itself between these hours; both empty: never silent</source>
        <translation>The time is not spoken by itself between these hours; both empty: never silent</translation>
    </message>
    <message>
        <source>Alarm level (percent)</source>
        <translation>Alarm level (percent)</translation>
    </message>
    <message>
        <source>10 to 100 % of Kalindor&apos;s own sound; the system volume is left alone</source>
        <translation>10 to 100 % of Kalindor&apos;s own sound; the system volume is left alone</translation>
    </message>
    <message>
        <source>Alarm rise (seconds)</source>
        <translation>Alarm rise (seconds)</translation>
    </message>
    <message>
        <source>Each alarm minute starts at a quarter of the level and reaches it after these seconds; 0: at once</source>
        <translation>Each alarm minute starts at a quarter of the level and reaches it after these seconds; 0: at once</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>What the alarm is for, shown when it rings; up to 60 characters</source>
        <translation>What the alarm is for, shown when it rings; up to 60 characters</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>Snooze for</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Snooze (minutes)</source>
        <translation>Snooze (minutes)</translation>
    </message>
    <message>
        <source>How long Snooze in an alarm&apos;s notice silences it: 1 to 60 minutes; empty: 10</source>
        <translation>How long Snooze in an alarm&apos;s notice silences it: 1 to 60 minutes; empty: 10</translation>
    </message>
    <message>
        <source>Keep ringing alarms when the window is closed</source>
        <translation>Keep ringing alarms when the window is closed</translation>
    </message>
    <message>
        <source>Say each alarm&apos;s name when it rings</source>
        <translation>Say each alarm&apos;s name when it rings</translation>
    </message>
    <message>
        <source>Once its first sound is heard, a named alarm&apos;s name is said by the desktop&apos;s speech service</source>
        <translation>Once its first sound is heard, a named alarm&apos;s name is said by the desktop&apos;s speech service</translation>
    </message>
    <message>
        <source>Closing the window then hides Kalindor in the system tray, where it goes on ringing; END quits it</source>
        <translation>Closing the window then hides Kalindor in the system tray, where it goes on ringing; END quits it</translation>
    </message>
</context>
<context>
    <name>SoundNotice</name>
    <message>
        <source>No sound output: alarms cannot be heard</source>
        <translation>No sound output: alarms cannot be heard</translation>
    </message>
</context>
<context>
    <name>SpokenTexts</name>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Speak the time in French</source>
        <translation>Speak the time in French</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Speak the time in German</source>
        <translation>Speak the time in German</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Speak the time in English</source>
        <translation>Speak the time in English</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Silence the alarm sound</source>
        <translation>Silence the alarm sound</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Kalindor&apos;s version and a system-information button</source>
        <translation>Kalindor&apos;s version and a system-information button</translation>
    </message>
    <message>
        <source>End Kalindor</source>
        <translation>End Kalindor</translation>
    </message>
    <message>
        <source>Space or Enter speaks the time</source>
        <translation>Space or Enter speaks the time</translation>
    </message>
    <message>
        <source>Space or Enter speaks the date</source>
        <translation>Space or Enter speaks the date</translation>
    </message>
    <message>
        <source>Close this box</source>
        <translation>Close this box</translation>
    </message>
    <message>
        <source>Start a program that describes this computer</source>
        <translation>Start a program that describes this computer</translation>
    </message>
    <message>
        <source>Set the alarms and the announcement interval</source>
        <translation>Set the alarms and the announcement interval</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the time, then the seconds</comment>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1 second</source>
        <translation>%1 second</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 seconds</translation>
    </message>
    <message>
        <source>h:mm AP</source>
        <comment>the clock&apos;s format</comment>
        <translation>h:mm AP</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>en_GB</source>
        <comment>the locale of the language&apos;s dates and numbers</comment>
        <translation>en_GB</translation>
    </message>
</context>
<context>
    <name>SoundSettings</name>
    <message>
        <source>%1 ‘%2’: type %3</source>
        <translation>%1 ‘%2’: type %3</translation>
    </message>
    <message>
        <source>0 to 23</source>
        <translation>0 to 23</translation>
    </message>
    <message>
        <source>Silent hours: give both hours, or none</source>
        <translation>Silent hours: give both hours, or none</translation>
    </message>
    <message>
        <source>Silent from</source>
        <translation>Silent from</translation>
    </message>
    <message>
        <source>Silent until</source>
        <translation>Silent until</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Alarm level</translation>
    </message>
    <message>
        <source>10 to 100</source>
        <translation>10 to 100</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Rise</translation>
    </message>
    <message>
        <source>0 to %1</source>
        <translation>0 to %1</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Snooze</translation>
    </message>
    <message>
        <source>1 to %1</source>
        <translation>1 to %1</translation>
    </message>
</context>
<context>
    <name>AlarmName</name>
    <message>
        <source>Name not kept: no tabs or line breaks</source>
        <translation>Name not kept: no tabs or line breaks</translation>
    </message>
    <message>
        <source>Name not kept: %1 characters, at most %2</source>
        <translation>Name not kept: %1 characters, at most %2</translation>
    </message>
</context>
<context>
    <name>AlarmNotices</name>
    <message>
        <source>Kalindor goes on</source>
        <translation>Kalindor goes on</translation>
    </message>
    <message>
        <source>Its window is hidden and the alarms ring as usual. Click Kalindor in the system tray to show it; Quit in its menu, or END in the window, ends it.</source>
        <translation>Its window is hidden and the alarms ring as usual. Click Kalindor in the system tray to show it; Quit in its menu, or END in the window, ends it.</translation>
    </message>
    <message>
        <source>Its window is hidden and the alarms ring as usual. Start Kalindor again to show it; END in the window ends it.</source>
        <translation>Its window is hidden and the alarms ring as usual. Start Kalindor again to show it; END in the window ends it.</translation>
    </message>
</context>
<context>
    <name>ClockTray</name>
    <message>
        <source>Say the time</source>
        <translation>Say the time</translation>
    </message>
    <message>
        <source>Show Kalindor</source>
        <translation>Show Kalindor</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Kalindor does not start at login (there is no %1): nothing to remove</source>
        <translation>Kalindor does not start at login (there is no %1): nothing to remove</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>cannot remove %1: %2</translation>
    </message>
    <message>
        <source>Removed %1: Kalindor no longer starts at login</source>
        <translation>Removed %1: Kalindor no longer starts at login</translation>
    </message>
    <message>
        <source>cannot start at login a command whose arguments hold control characters</source>
        <translation>cannot start at login a command whose arguments hold control characters</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>cannot create the folder %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>Wrote %1: Kalindor starts at login</source>
        <translation>Wrote %1: Kalindor starts at login</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kalindor --help&apos;</source>
        <translation>Try &apos;kalindor --help&apos;</translation>
    </message>
    <message>
        <source>--%1 does not go with --%2</source>
        <translation>--%1 does not go with --%2</translation>
    </message>
    <message>
        <source>--%1 only goes with %2</source>
        <translation>--%1 only goes with %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> or </translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <translation>missing value after &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected value after &apos;%1&apos;</source>
        <translation>unexpected value after &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>--autostart takes on or off, not “%1”</source>
        <translation>--autostart takes on or off, not “%1”</translation>
    </message>
    <message>
        <source>--say takes time or date, not “%1”</source>
        <translation>--say takes time or date, not “%1”</translation>
    </message>
    <message>
        <source>unknown language “%1”: use fr, de or en</source>
        <translation>unknown language “%1”: use fr, de or en</translation>
    </message>
    <message>
        <source>--at “%1” is not a real moment written YYYY-MM-DD HH:MM</source>
        <translation>--at “%1” is not a real moment written YYYY-MM-DD HH:MM</translation>
    </message>
    <message>
        <source>unexpected argument “%1”</source>
        <translation>unexpected argument “%1”</translation>
    </message>
    <message>
        <source>, hidden in the system tray</source>
        <translation>, hidden in the system tray</translation>
    </message>
    <message>
        <source>Kalindor, a talking clock and calendar with ten alarms.</source>
        <translation>Kalindor, a talking clock and calendar with ten alarms.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>Speak the time or the date once, without a window.</source>
        <translation>Speak the time or the date once, without a window.</translation>
    </message>
    <message>
        <source>Language of --say or --alarms, and of this help: fr, de or en. By default the desktop&apos;s language (LC_ALL, LC_MESSAGES, LANG) when it is French, German or English, otherwise fr.</source>
        <translation>Language of --say or --alarms, and of this help: fr, de or en. By default the desktop&apos;s language (LC_ALL, LC_MESSAGES, LANG) when it is French, German or English, otherwise fr.</translation>
    </message>
    <message>
        <source>Moment to speak, or to list the alarms at, instead of now.</source>
        <translation>Moment to speak, or to list the alarms at, instead of now.</translation>
    </message>
    <message>
        <source>YYYY-MM-DD HH:MM</source>
        <translation>YYYY-MM-DD HH:MM</translation>
    </message>
    <message>
        <source>Write everything spoken or rung into a WAV file instead of playing it.</source>
        <translation>Write everything spoken or rung into a WAV file instead of playing it.</translation>
    </message>
    <message>
        <source>FILE.wav</source>
        <translation>FILE.wav</translation>
    </message>
    <message>
        <source>Keep kalind.dta and saytime.dta in DIR.</source>
        <translation>Keep kalind.dta and saytime.dta in DIR.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>List when each alarm rings next, or why it never does, and the announcement interval.</source>
        <translation>List when each alarm rings next, or why it never does, and the announcement interval.</translation>
    </message>
    <message>
        <source>List the alarms as JSON.</source>
        <translation>List the alarms as JSON.</translation>
    </message>
    <message>
        <source>Start Kalindor when you log in (on), or no longer (off). Alarms ring only while it runs: when ALARM SET keeps them ringing with the window closed, the entry starts it --hidden.</source>
        <translation>Start Kalindor when you log in (on), or no longer (off). Alarms ring only while it runs: when ALARM SET keeps them ringing with the window closed, the entry starts it --hidden.</translation>
    </message>
    <message>
        <source>Start with the window hidden in the system tray, when ALARM SET keeps alarms ringing with the window closed; otherwise the window shows as usual.</source>
        <translation>Start with the window hidden in the system tray, when ALARM SET keeps alarms ringing with the window closed; otherwise the window shows as usual.</translation>
    </message>
</context>
</TS>
