// A label that reports clicks: the date line, the sound choices and the wave-file paths are labels the user clicks.
#pragma once

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <functional>

// Space or Enter, as a button takes them.
inline bool isPressKey(const QKeyEvent *event)
{
    const int key = event->key();
    return (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
           && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Styles draw a focus frame only after a key moved the focus; a widget that is not a button has no other
// sign of it.
inline void paintFocusFrame(QWidget *widget, const QRect &rect)
{
    QStylePainter painter(widget);
    QStyleOptionFocusRect option;
    option.initFrom(widget);
    option.state |= QStyle::State_KeyboardFocusChange;
    option.rect = rect;
    option.backgroundColor = widget->palette().color(widget->backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

// It takes the keyboard focus like a button, and Space or Enter act as a click. Screen readers meet it
// as a button, or as a toggle button pressed while it shows "1".
class ClickableLabel : public QLabel
{
public:
    explicit ClickableLabel(QWidget *parent = nullptr) : QLabel(parent) { setFocusPolicy(Qt::StrongFocus); }
    std::function<void()> onClick;
    bool toggle = false;

    bool isChecked() const { return toggle && text() == QLatin1String("1"); }
    // A new caption; a toggle that it turns on or off tells screen readers, which say so where the focus is.
    void setCaption(const QString &caption)
    {
        const bool was = isChecked();
        setText(caption);
        if (isChecked() == was)
            return;
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
            onClick();
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        if (isPressKey(event)) {
            if (!event->isAutoRepeat() && onClick)
                onClick();
            return;
        }
        QLabel::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event);
        if (hasFocus())
            paintFocusFrame(this, contentsRect());
    }
};
