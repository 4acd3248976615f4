// A label that reports clicks: the date line, the sound choices and the wave-file paths are labels the user clicks.
#pragma once

#include <QLabel>
#include <QMouseEvent>

#include <functional>

class ClickableLabel : public QLabel
{
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
            onClick();
    }
};
