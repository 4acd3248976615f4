// The ALARM SET window: ten alarms of date, time and sound, the announcement interval and its quiet
// hours, and how loud the alarms sound.
#pragma once

#include "AlarmBook.h"
#include "ClickableLabel.h"
#include "HPMOD.h"
#include "HsetRow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

struct HsetServices
{
    // The open-file dialog, opened in `folder`; returns the chosen path, or an empty text when the user cancels.
    std::function<QString(QWidget *parent, const QString &title, const QString &filter, const QString &folder)> openFile;
    // Tells the user something went wrong (a file that cannot be read, a store that failed); must not
    // wait for the user, so that the clock and the alarms go on behind it.
    std::function<void(QWidget *parent, const QString &title, const QString &text)> warn;
    // The state of alarm k's row of day, month, year, hour and minute boxes, in the current language; may be empty.
    std::function<RowState(int alarm, const std::array<QString, 5> &boxes)> rowState;
    // Told after a save has written both files, before the window closes; may be empty.
    std::function<void()> saved;
    // Asks `question` when the window is closed with edits not saved: Save, Discard or Cancel. Empty: discard.
    std::function<QMessageBox::StandardButton(QWidget *parent, const QString &question)> askToSave;
};

// Shows and edits the alarm book: every keystroke and click goes straight to the book, and what the
// book holds is what the rows show. The window lives only while it is open: Save saves the book and
// closes it; closing it otherwise (its caption button, Escape) with edits not saved asks whether to save
// them, and takes the book back to what was saved unless they are saved.
// The column clicked last outlives it, in `lastClickedColumn`, held by whoever opens it.
class Hset : public QWidget
{
    Q_OBJECT
public:
    Hset(const HPMOD &shared, AlarmBook &book, qint16 &lastClickedColumn, HsetServices services, QWidget *parent = nullptr);
    ~Hset() override;

    // Alarm k (1-10): its five date and time boxes (day, month, year, hour, minute) and its wave-file label.
    QLineEdit *dateBox(int alarm, int index) const;
    ClickableLabel *waveFileLabel(int alarm) const;
    ClickableLabel *optionLabel(int alarm, int option) const; // option 0 gong, 1 ring, 2 meeting

    void Form_Load();
    void Form_Activate();
    // Each row's state beside it, worked out afresh: the clock has moved on, or the language changed.
    void refreshStates();
    void Command1_Click();
    void Text1_Click();
    // Text3_Click to Text12_Click: box `index` (0-4) of alarm `alarm` (1-10) was clicked.
    void dateBoxClicked(int alarm, int index);
    // The click handlers of the grid's gong, ring and meeting labels (Label4_Click, Label5_Click, Label6_Click, ...).
    void optionClicked(int alarm, int option);
    // The click handlers of the grid's wave-file labels (Label7_Click, Label11_Click, ...).
    void waveFileClicked(int alarm);
    // The dialog opens in the folder of `currentFile` when there is one, else in the Music folder, else at
    // home; an empty text when the user cancels.
    QString chooseWaveFile(const QString &currentFile = {});

    static inline const QString WaveDialogTitle = QStringLiteral("Ouvrir un fichier Wave");
    // First "Fichiers Son (*.WAV)", then every sound the player decodes, then everything. Patterns are
    // given in both cases because file names are case-sensitive here and the sounds users keep come as
    // .wav as often as .WAV.
    static inline const QString WaveDialogFilter = QStringLiteral(
        "Fichiers Son (*.WAV) (*.wav *.WAV);;"
        "Fichiers audio (*.wav *.WAV *.mp3 *.MP3 *.ogg *.OGG *.oga *.OGA *.flac *.FLAC *.opus *.OPUS);;"
        "Tous les fichiers (*)");

    // The controls, named as in the window's design.
    QLabel *Picture2 = nullptr;
    QLabel *Label1 = nullptr;            // example line
    QWidget *grid = nullptr;             // holds the headings and the ten rows
    QPushButton *Command1 = nullptr;     // save
    std::array<QLabel *, 10> Label2{};   // column headings
    // Alarms 1 to 10, each with its row of the design: Text3 and Label4 to Label7 for alarm 1, and so on.
    std::array<HsetRow, 10> rows;
    QLabel *Label14 = nullptr;           // interval caption
    QLineEdit *Text1 = nullptr;          // announcement interval in minutes
    QLabel *Label15 = nullptr;           // interval hint
    // "Silent from [22] h to [7] h" after the interval, and below it "Alarm level : [100] % rising over [0] s".
    QLabel *quietCaption = nullptr, *quietToCaption = nullptr, *quietUnit = nullptr;
    QLineEdit *quietFrom = nullptr, *quietTo = nullptr;
    QLabel *levelCaption = nullptr, *levelUnit = nullptr, *riseCaption = nullptr, *riseUnit = nullptr;
    QLineEdit *level = nullptr, *rise = nullptr;
    QLabel *snoozeCaption = nullptr, *snoozeUnit = nullptr;
    QLineEdit *snooze = nullptr; // minutes that the notice's Snooze silences an alarm for
    QCheckBox *keepRinging = nullptr; // closing the main window hides it and the alarms ring on
    QCheckBox *speakNames = nullptr;  // a named alarm's name is said as it starts ringing
    QLabel *quietState = nullptr, *loudnessState = nullptr; // in the state column: why a value cannot be valid
    QLabel *stateHeading = nullptr, *nameHeading = nullptr;
    // Never shown: what screen readers are told of a row's new state, its own window so that they read
    // the sentence alone, without the window's title and example before it.
    QLabel *announcement = nullptr;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    HsetRow &row(int alarm) { return rows[size_t(alarm - 1)]; }
    const HsetRow &row(int alarm) const { return rows[size_t(alarm - 1)]; }
    void buildGrid();
    void buildIntervalLine();
    void buildSoundLine();
    void followBook();
    void takeSoundChoice(int alarm, const std::array<QString, 4> &sound);
    void reportStoreFailure(const QList<FileProblem> &problems);
    bool saveBook(); // true when saved; otherwise the user has been told why
    void describeRows(); // accessible names and descriptions of the window, in the current language
    void showRowState(int alarm);
    void showRow(int alarm); // as the book holds it
    void showSoundSettings(); // as the book holds them
    void showSoundProblems();

    void wakeCursor();

    const HPMOD &shared;
    AlarmBook &book;
    qint16 &lastClickedColumn;
    HsetServices services;
    bool saving = false; // closed by Save: the book keeps what was saved
    // A blinking cursor wakes the program twice a second; like GTK's, it rests after ten idle seconds.
    QTimer cursorRest;
    int blinkTime = 0; // the desktop's flash time, put back when the user types or clicks again
    // What screen readers were last told, so that nothing is told again: each new word they are sent
    // costs a screen reader time at the next key, and a changed description of the box in focus is read out.
    Language describedLanguage = -1;
};
