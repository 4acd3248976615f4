// One alarm's row of ALARM SET: its number, its five date and time boxes, its three sound options, its
// wave-file cell, its name and its state, made where the layout puts them and filled from the book's record.
#pragma once

#include "AlarmBook.h"
#include "ClickableLabel.h"
#include "HsetTexts.h"

#include <QLabel>
#include <QLineEdit>

#include <array>

class HsetRow
{
public:
    static constexpr int Options = 3; // gong, ring, meeting

    // Alarm 1-10; the boxes' events go to `filter`.
    void build(QWidget *grid, int alarm, QObject *filter);

    // As the record holds it, told to nobody: the window is being filled.
    void load(const AlarmRecord &record, const QString &name);
    void showName(const QString &name);
    // As the record holds it, changing only what differs: each changed text is news to a screen reader.
    void show(const AlarmRecord &record, Language language);
    // The names and descriptions that screen readers read, in `language`.
    void describe(Language language);
    // Beside the row, in its boxes' tips and, when it changed, to screen readers; a change where the user
    // types is said at once through `announcement`.
    void showState(const RowState &state, Language language, bool windowVisible, QLabel *announcement);
    // A box of the row that took the focus describes the row's state, so it is read with the box.
    void describeFocused(QLineEdit *box);

    // Which of the row's date and time boxes `object` is, or -1.
    int boxIndex(const QObject *object) const;
    std::array<QString, 5> typed() const;
    void forget() { spoken.clear(); } // the row's sentence is said anew, in a new language

    int alarm = 0;
    QLabel *number = nullptr;
    std::array<QLineEdit *, 5> boxes{}; // day, month, year, hour, minute
    std::array<ClickableLabel *, Options> options{};
    ClickableLabel *waveFile = nullptr;
    QLineEdit *name = nullptr;
    QLabel *state = nullptr; // the next ring, or why the row never rings

private:
    void nameWaveFile(Language language);

    QString spoken; // what screen readers were last told of the row's state
    bool fine = true;
};
