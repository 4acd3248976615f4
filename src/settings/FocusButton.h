// A push button whose focus frame shows whenever it has the focus, not only after a key moved it there.
#pragma once

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
};
