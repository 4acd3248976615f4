// Where ALARM SET's controls stand: pixels at 96 dots per inch, alarm 1 at the top.
#pragma once

#include <QFont>
#include <QRect>

class QLabel;
class QString;
class QWidget;

#include <array>

// Alarm k's controls, by their names in the window's design: its date and time boxes Text(k + 2) 0-4, and
// its gong, ring, meeting and wave-file labels, in rows 1 to 10:
//   4 5 6 7 | 8 9 10 11 | 12 13 23 24 | 25 26 27 28 | 29 30 31 32 | 33 34 35 36 | 37 38 39 40 | 41 42 43 44 |
//   45 46 47 48 | 49 50 51 52
namespace HsetLayout {
constexpr std::array<int, 10> RowTops = {105, 125, 144, 164, 184, 203, 223, 243, 262, 282};
constexpr int NumberLeft = 9;
constexpr std::array<int, 5> BoxLefts = {59, 103, 148, 194, 240}; // day, month, year, hour, minute
constexpr std::array<int, 4> SoundLefts = {286, 323, 361, 400};   // gong, ring, meeting, wave file
constexpr std::array<int, 10> HeadingLefts = {9, 59, 103, 148, 194, 240, 287, 321, 368, 480};
constexpr int HeadingTop = 82;
constexpr int RaisedHeadingTop = 81; // the year, hour and minute headings
constexpr QSize NumberSize{33, 17}, BoxSize{41, 19}, OptionSize{30, 16}, WaveSize{281, 17}, HeadingSize{0, 17};
constexpr int GridTop = 80; // the grid's container begins above the headings
constexpr int GridBottom = 302;
constexpr int NameLeft = 686;
constexpr int NameWidth = 160;
constexpr int StateLeft = NameLeft + NameWidth + 4;
constexpr int StateWidth = 206;
constexpr int ClientWidth = StateLeft + StateWidth + 4;
constexpr int ClientHeight = 380;

constexpr QRect Picture2{113, 12, 33, 33};
constexpr QRect Command1{382, 9, 95, 25};
constexpr QRect Label1{12, 56, 476, 20};

// The interval's line, below it the level and rise, and below them what closing the window does.
constexpr int IntervalTop = 312;
constexpr int SoundLineTop = 334;
constexpr int KeepRingingTop = 356;
constexpr QRect Label14{8, IntervalTop, 137, 18};
constexpr QRect Text1{149, IntervalTop, 38, 19};
constexpr QRect Label15{197, IntervalTop, 218, 18};
constexpr QRect QuietCaption{418, IntervalTop, 64, 18};
constexpr QRect QuietFrom{484, IntervalTop, 26, 19};
constexpr QRect QuietToCaption{514, IntervalTop, 34, 18};
constexpr QRect QuietTo{550, IntervalTop, 26, 19};
constexpr QRect QuietUnit{580, IntervalTop, 20, 18};
constexpr QRect LevelCaption{8, SoundLineTop, 137, 18};
constexpr QRect Level{149, SoundLineTop, 38, 19};
constexpr QRect LevelUnit{191, SoundLineTop, 16, 18};
constexpr QRect RiseCaption{211, SoundLineTop, 86, 18};
constexpr QRect Rise{299, SoundLineTop, 38, 19};
constexpr QRect RiseUnit{343, SoundLineTop, 100, 18};
constexpr QRect SnoozeCaption{447, SoundLineTop, 80, 18};
constexpr QRect Snooze{529, SoundLineTop, 26, 19};
constexpr QRect SnoozeUnit{559, SoundLineTop, 26, 18};
constexpr QRect KeepRinging{8, KeepRingingTop, 600, 19};
constexpr QRect SpeakNames{NameLeft, KeepRingingTop, NameWidth + 4 + StateWidth, 19}; // under the names
constexpr QRect QuietState{StateLeft, IntervalTop, StateWidth, 18};
constexpr QRect LoudnessState{StateLeft, SoundLineTop, StateWidth, 18};

// Within the grid's container, which shifts its controls by its top.
inline QRect inGrid(QPoint topLeft, QSize size)
{
    return {topLeft - QPoint(0, GridTop), size};
}

// A label placed at `geometry` within `parent`.
QLabel *makeLabel(QWidget *parent, QRect geometry);
// Some captions are longer in one language than their column allows; those get a smaller face.
void setFittingText(QLabel *label, const QString &text);
// The grid is measured for a small Arial-like face; wider faces would spill out of the columns.
QFont gridFont();
} // namespace HsetLayout
