// The clock display as one stop of the keyboard: screen readers read it as the time it shows, in words,
// and Space or Enter there speaks the time as the flag of the current language does.
#pragma once

#include "ClickableLabel.h"

#include <QAccessible>
#include <QPainter>
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
        if (isPressKey(event)) {
            if (!event->isAutoRepeat() && onPress)
                onPress();
            return;
        }
        QWidget::keyPressEvent(event);
    }
    // The style's focus frame is a faint line that the grey boxes beside it swallow; the display, being
    // the first stop, takes a solid one in the highlight colour in the margin around the boxes.
    void paintEvent(QPaintEvent *) override
    {
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }

private:
    QString told;
};
