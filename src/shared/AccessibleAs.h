// What a window tells screen readers about itself and its parts, so that the code that builds their
// accessible interfaces knows widgets by kind and never by which window's member they are.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QVariant>

namespace AccessibleAs {
// A window: read as a window or a dialog, its line edits as boxes read whole, its Silent children left out.
constexpr const char *Window = "window";
constexpr const char *Dialog = "dialog";
constexpr const char *Silent = "silent";             // a picture that carries no words
constexpr const char *Table = "table";               // a grid that screen readers pass over as layout
constexpr const char *Notification = "notification"; // a label read out as soon as it shows

// Set before the widget is first shown: screen readers keep the interface they are first given.
inline void mark(QObject *object, const char *kind)
{
    object->setProperty("accessibleAs", QByteArray(kind));
}
inline bool is(const QObject *object, const char *kind)
{
    return object && object->property("accessibleAs").toByteArray() == kind;
}
} // namespace AccessibleAs
