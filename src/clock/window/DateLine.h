// The date line: today's date in words once a flag has written it, and for screen readers from the start.
#pragma once

#include "ClickableLabel.h"
#include "HPMOD.h"

#include <QDate>

class DateLine final : public ClickableLabel
{
public:
    explicit DateLine(QWidget *parent);
    // What calendrier does: the line emptied, then written afresh.
    void write(const QString &line);
    // For screen readers the line is today's date in full, whatever it shows.
    void name(const QDate &today, Language language);
};
