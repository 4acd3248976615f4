// The tall, narrow exit button: its caption stands letter above letter so "ENDE" fits in 18 pixels.
#pragma once

#include "FocusButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

class TallButton : public FocusButton
{
public:
    using FocusButton::FocusButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QString caption = text();
        const int line = fontMetrics().height();
        int y = (height() - line * int(caption.size())) / 2;
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        for (QChar letter : caption) {
            painter.drawText(QRect(0, y, width(), line), Qt::AlignCenter, QString(letter));
            y += line;
        }
    }
};
