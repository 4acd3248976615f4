// The ALARM SET window: ten alarms of date, time and sound, the announcement interval and its quiet
// hours, and how loud the alarms sound.
#pragma once

#include "AlarmBook.h"
#include "ClickableLabel.h"
#include "HPMOD.h"

#include <QLabel>
#include <QLineEdit>
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
};

// Shows and edits the alarm book: every keystroke and click goes straight to the book. The window lives
// only while it is open: Save saves the book and closes it; closing it otherwise (its caption button,
// Escape) takes the book back to what was saved.
class Hset : public QWidget
{
    Q_OBJECT
public:
    Hset(HPMOD &shared, AlarmBook &book, HsetServices services, QWidget *parent = nullptr);
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
    // One entry, "Fichiers Son (*.WAV)"; its pattern is given in both cases because file names are
    // case-sensitive here and the sounds users keep come as .wav as often as .WAV.
    static inline const QString WaveDialogFilter = QStringLiteral("Fichiers Son (*.WAV) (*.wav *.WAV)");

    // The controls, named as in the window's design.
    QLabel *Picture2 = nullptr;
    QLabel *Label1 = nullptr;            // example line
    QWidget *grid = nullptr;             // holds the headings and the ten rows
    QPushButton *Command1 = nullptr;     // save
    std::array<QLabel *, 10> Label2{};   // column headings
    std::array<QLabel *, 10> Label3{};   // row numbers 1-10
    std::array<QLineEdit *, 5> Text3{}, Text4{}, Text5{}, Text6{}, Text7{}, Text8{}, Text9{}, Text10{}, Text11{},
        Text12{};
    // Each row's gong, ring, meeting and wave-file labels, rows 1 to 10.
    ClickableLabel *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr;
    ClickableLabel *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr;
    ClickableLabel *Label12 = nullptr, *Label13 = nullptr, *Label23 = nullptr, *Label24 = nullptr;
    ClickableLabel *Label25 = nullptr, *Label26 = nullptr, *Label27 = nullptr, *Label28 = nullptr;
    ClickableLabel *Label29 = nullptr, *Label30 = nullptr, *Label31 = nullptr, *Label32 = nullptr;
    ClickableLabel *Label33 = nullptr, *Label34 = nullptr, *Label35 = nullptr, *Label36 = nullptr;
    ClickableLabel *Label37 = nullptr, *Label38 = nullptr, *Label39 = nullptr, *Label40 = nullptr;
    ClickableLabel *Label41 = nullptr, *Label42 = nullptr, *Label43 = nullptr, *Label44 = nullptr;
    ClickableLabel *Label45 = nullptr, *Label46 = nullptr, *Label47 = nullptr, *Label48 = nullptr;
    ClickableLabel *Label49 = nullptr, *Label50 = nullptr, *Label51 = nullptr, *Label52 = nullptr;
    QLabel *Label14 = nullptr;           // interval caption
    QLineEdit *Text1 = nullptr;          // announcement interval in minutes
    QLabel *Label15 = nullptr;           // interval hint
    // "Silent from [22] h to [7] h" after the interval, and below it "Alarm level : [100] % rising over [0] s".
    QLabel *quietCaption = nullptr, *quietToCaption = nullptr, *quietUnit = nullptr;
    QLineEdit *quietFrom = nullptr, *quietTo = nullptr;
    QLabel *levelCaption = nullptr, *levelUnit = nullptr, *riseCaption = nullptr, *riseUnit = nullptr;
    QLineEdit *level = nullptr, *rise = nullptr;
    QLabel *quietState = nullptr, *loudnessState = nullptr; // in the state column: why a value cannot be valid
    QLabel *stateHeading = nullptr;
    std::array<QLabel *, 10> rowStates{}; // rows 1-10: the next ring, or why the row never rings
    // Never shown: what screen readers are told of a row's new state, its own window so that they read
    // the sentence alone, without the window's title and example before it.
    QLabel *announcement = nullptr;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    ClickableLabel *soundLabel(int alarm, int column) const; // column 0-2 options, 3 wave file
    void takeSoundChoice(int alarm);
    void reportStoreFailure(const QList<FileProblem> &problems);
    void describeRows(); // accessible names and descriptions of the grid, in the current language
    void nameWaveFileCell(int alarm);
    void showRowState(int alarm);
    void showRow(int alarm); // as the book holds it
    void showSoundSettings(); // as the book holds them
    void showSoundProblems();

    void wakeCursor();

    HPMOD &shared;
    AlarmBook &book;
    HsetServices services;
    bool saving = false; // closed by Save: the book keeps what was saved
    // A blinking cursor wakes the program twice a second; like GTK's, it rests after ten idle seconds.
    QTimer cursorRest;
    int blinkTime = 0; // the desktop's flash time, put back when the user types or clicks again
    // What screen readers were last told, so that nothing is told again: each new word they are sent
    // costs a screen reader time at the next key, and a changed description of the box in focus is read out.
    Language describedLanguage = -1;
    std::array<QString, 10> spokenStates;
};
