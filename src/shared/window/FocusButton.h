// A push button whose focus frame shows whenever it has the focus, not only after a key moved it there,
// and which Enter presses as Space does.
#pragma once

#include <QKeyEvent>
#include <QPushButton>
#include <QStyleOptionButton>

class FocusButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void initStyleOption(QStyleOptionButton *option) const override
    {
        QPushButton::initStyleOption(option);
        // Styles draw the frame only after a key press; the user must see where Space would act at once.
        if (hasFocus())
            option->state |= QStyle::State_KeyboardFocusChange;
    }
    // Outside a dialog Qt leaves Enter to the window; these windows have no default button to take it.
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (!event->isAutoRepeat())
                click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};
