// What the clock display is drawn with: the grey boxes behind the glyphs, the rows of glyph shown and
// how a time text is put into them, and the trace of each second as it is painted.
#pragma once

#include "GlyphSlot.h"

#include <QFrame>
#include <QPushButton>

#include <array>
#include <functional>

inline const QColor Grey(192, 192, 192);
// The flags' and the date line's tooltip.
inline const QString ListenTip = QStringLiteral("Cliquez pour entendre");

QFont boldFont(double points);
// The main window's icon and grey face.
void paintClockWindow(QWidget *window);
// Shown, raised and made active: a secondary window the user asked for.
void bringUp(QWidget *window);
// Over `window`, centred, at its natural size.
void placeOver(QWidget *box, const QWidget *window);
// The focus goes from each to the next.
void chainTabOrder(const QWidgetList &order);
QPushButton *textButton(QWidget *parent, const QString &text, QRect geometry);
// A button that shows a 32 by 32 picture, set when the window is activated.
QPushButton *pictureButton(QWidget *parent, QRect geometry, const QString &toolTip);

// A light grey box that carries a clock text behind its glyph shown; the text itself stays invisible,
// so a new second repaints the frame without laying the text out.
template <typename Label>
class ClockBox final : public Label
{
public:
    using Label::Label;

protected:
    void paintEvent(QPaintEvent *event) override { QFrame::paintEvent(event); }
};

template <typename Label>
Label *clockBox(QWidget *parent, QRect geometry, const QString &accessibleName)
{
    auto *label = new ClockBox<Label>(parent);
    label->setAccessibleName(accessibleName);
    label->setGeometry(geometry);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Grey);
    label->setPalette(palette);
    return label;
}

// A row of shown at the top of the clock boxes, one at each of `lefts`.
template <size_t N>
void placeGlyphRow(std::array<GlyphSlot *, N> &row, const GlyphSet &glyphs, QWidget *parent, const std::array<int, N> &lefts)
{
    for (size_t i = 0; i < N; ++i) {
        row[i] = new GlyphSlot(glyphs, parent);
        row[i]->move(lefts[i], 9);
    }
}

// "HH:mm" into its five slots, and the 12-hour text with its marker ("01:05 PM") into its eight; the
// colons and the blank stay where they were put once.
void draw24(const std::array<GlyphSlot *, 5> &row, const QString &text24);
void draw12(const std::array<GlyphSlot *, 8> &row, const QString &text12);
// The two seconds digits ("07").
void drawSeconds(const std::array<GlyphSlot *, 2> &row, const QString &seconds);

// For the idle benchmark and the tests: the time each new second is really painted with, and when
// ("07:30:05 <ms since the epoch>", with QT_LOGGING_RULES=kalindor.seconds.debug=true).
class SecondsTrace final : public QObject
{
public:
    // Traces the paints of the last seconds slot: the time the rows show, and `now`.
    SecondsTrace(const std::array<GlyphSlot *, 5> &time, const std::array<GlyphSlot *, 2> &seconds,
                 std::function<qint64()> now);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::array<GlyphSlot *, 7> shown;
    std::function<qint64()> now;
};
