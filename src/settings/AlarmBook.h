// The ten alarms and their names, the announcement interval, the quiet hours, the alarms' loudness and
// snooze as the user has typed them, and as last saved.
#pragma once

#include "AlarmFiles.h"
#include "AlarmLoudness.h"

#include <QObject>

// What a row's boxes come to: when it rings next, or why it never will; `fine` when it rings or is off.
// `spoken` is the sentence screen readers say of the row, its alarm named.
struct RowState
{
    QString text;
    bool fine = true;
    QString spoken;
};

// Made once at start and read by everything that needs the alarms: the check, ALARM SET, the closing
// words, the periodic announcement. The rows hold what was typed, saved or not, so an edit counts at
// the next check; closing ALARM SET without saving reverts them to what was saved.
class AlarmBook final : public QObject
{
    Q_OBJECT
public:
    explicit AlarmBook(QString configDir, QObject *parent = nullptr);

    // Reads the four files. A file that exists but cannot be read loads as the defaults, is returned once for
    // the user to be told, and is never written again in this run, so nothing of the user's is overwritten.
    QList<FileProblem> load();
    // Writes the rows and the interval, and the sound settings and the names when they changed (so a folder
    // of the old program's two files gains no other until one is set), each file whole or not at all; what
    // was written becomes the saved state. A name that does not fit is not written: it counts as none.
    QList<FileProblem> save();
    // Everything as last loaded or saved.
    void revert();
    // Whether anything typed differs from what was last loaded or saved.
    bool changed() const;

    const AlarmRecords &rows() const { return typed; }
    const AlarmRecord &row(int alarm) const { return typed[size_t(alarm - 1)]; } // alarm 1-10
    const QString &interval() const { return typedInterval; }
    const AlarmRecords &savedRows() const { return saved; }
    const SoundSettings &soundSettings() const { return typedSound; }
    // The alarms' level and rise as they are to sound now: the defaults where what is typed cannot be valid.
    AlarmLoudness loudness() const { return loudnessOf(typedSound); }
    void setLoudness(const AlarmLoudness &loudness);
    // When the time is not spoken by itself, as typed: none where that cannot be valid.
    QuietHours quietHours() const { return quietHoursOf(typedSound); }

    // Alarm 1-10's name as typed, and as the alarm is called: none where the typed one does not fit.
    const QString &typedName(int alarm) const { return typedNames[size_t(alarm - 1)]; }
    QString name(int alarm) const;
    void setName(int alarm, const QString &name);

    // Field `index` (0-8, file order) of alarm 1-10, as typed.
    void setField(int alarm, int index, const QString &text);
    void setInterval(const QString &text);
    void setSoundSettings(const SoundSettings &settings);
    // A sound choice (gong, ring, meeting, wave file) is written at once, beside the other rows as last
    // saved: unsaved edits elsewhere stay unsaved.
    std::optional<FileProblem> chooseSound(int alarm, const std::array<QString, 4> &sound);

signals:
    void rowChanged(int alarm);
    void intervalChanged();
    void soundSettingsChanged();
    void nameChanged(int alarm);

private:

    QString configDir;
    AlarmRecords typed, saved;
    QString typedInterval, savedInterval;
    SoundSettings typedSound, savedSound;
    AlarmNames typedNames, savedNames;
    QStringList keptFiles; // found unreadable: this run never writes them
};
