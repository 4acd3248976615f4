#include "GlyphSlot.h"

#include <QGuiApplication>
#include <QIcon>

GlyphSet::GlyphSet()
{
    // QIcon picks the @2x drawing on a scaled desktop, where a plain QPixmap would be blown up and blurred.
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    for (size_t i = 0; i < pictures.size(); ++i) {
        const QIcon glyph(QStringLiteral(":/pictures/glyph_%1.png").arg(int(i), 2, 10, QLatin1Char('0')));
        pictures[i] = glyph.pixmap(QSize(19, 25), ratio);
    }
}

GlyphSlot::GlyphSlot(const GlyphSet &glyphs, QWidget *parent) : QLabel(parent), glyphs(glyphs)
{
    setFixedSize(19, 25);
}

void GlyphSlot::putGlyph(int index)
{
    // Ten ticks a second write the same glyphs; repainting only on a real change keeps idling cheap.
    if (index == current || index < 0 || index > 14)
        return;
    current = index;
    setPixmap(glyphs[index]);
}
