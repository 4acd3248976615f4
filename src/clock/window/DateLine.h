// The date line: today's date in words once a flag has written it, and for screen readers from the start.
#pragma once

#include "ClickableLabel.h"
#include "HPMOD.h"

#include <QDate>

class DateLine final : public ClickableLabel
{
public:
    explicit DateLine(QWidget *parent);
    // What calendrier does: the line written afresh in `language`.
    void write(const QDate &today, Language language);
    // At each tick: a line once written follows a new date (midnight, a new zone).
    void follow(const QDate &today, Language language);
    // For screen readers the line is today's date in full, whatever it shows.
    void name(const QDate &today, Language language);

private:
    QDate shown; // the date last written
};
