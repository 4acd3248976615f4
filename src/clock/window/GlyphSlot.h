// A picture slot of the time display: shows one glyph of the set and remembers which.
#pragma once

#include <QLabel>
#include <QPixmap>

#include <array>

class GlyphSet
{
public:
    GlyphSet(); // loads the 15 glyphs once; the display only ever copies them
    const QPixmap &operator[](int index) const { return pictures[size_t(index)]; }

private:
    std::array<QPixmap, 15> pictures;
};

class GlyphSlot : public QLabel
{
public:
    GlyphSlot(const GlyphSet &glyphs, QWidget *parent);
    void putGlyph(int index);
    int glyph() const { return current; }

private:
    const GlyphSet &glyphs;
    int current = -1;
};
