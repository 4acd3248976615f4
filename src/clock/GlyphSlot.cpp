#include "GlyphSlot.h"

GlyphSet::GlyphSet()
{
    // QPixmap picks the @2x file by itself on a scaled desktop.
    for (size_t i = 0; i < pictures.size(); ++i)
        pictures[i] = QPixmap(QStringLiteral(":/pictures/glyph_%1.png").arg(int(i), 2, 10, QLatin1Char('0')));
}

GlyphSlot::GlyphSlot(const GlyphSet &glyphs, QWidget *parent) : QLabel(parent), glyphs(glyphs)
{
    setFixedSize(19, 25);
    setScaledContents(true);
}

void GlyphSlot::putGlyph(int index)
{
    // Ten ticks a second write the same glyphs; repainting only on a real change keeps idling cheap.
    if (index == current || index < 0 || index > 14)
        return;
    current = index;
    setPixmap(glyphs[index]);
}
