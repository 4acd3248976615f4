// A label whose change handler runs inside the statement that changed its text, and only on a real change.
#pragma once

#include <QLabel>

#include <functional>

class NotifyingLabel : public QLabel
{
public:
    using QLabel::QLabel;
    std::function<void()> onChange;

    void setCaption(const QString &caption)
    {
        if (caption == text())
            return;
        setText(caption);
        if (onChange)
            onChange();
    }
};
