// The clock display as one stop of the keyboard: screen readers read it as the time it shows, in words,
// and Space or Enter there speaks the time as the flag of the current language does.
#pragma once

#include <QAccessible>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QWidget>

#include <functional>

// It lies beneath the three clock boxes, a little larger, so that its focus frame rings them.
class ClockStop : public QWidget
{
public:
    explicit ClockStop(QWidget *parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }
    std::function<QString()> spoken; // the time as words, in the current language
    std::function<void()> onPress;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        // Screen readers keep the name they were last told, and the time moves on without telling them
        // (a name change every second would be read aloud every second): tell them now, before Qt
        // reports the focus here.
        const QString name = spoken ? spoken() : QString();
        if (name != told) {
            told = name;
            QAccessibleEvent changed(this, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&changed);
        }
        QWidget::focusInEvent(event);
        update();
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        QWidget::focusOutEvent(event);
        update();
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        const int key = event->key();
        if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
            && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (!event->isAutoRepeat() && onPress)
                onPress();
            return;
        }
        QWidget::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent *) override
    {
        if (!hasFocus())
            return;
        QStylePainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.state |= QStyle::State_KeyboardFocusChange;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }

private:
    QString told;
};
