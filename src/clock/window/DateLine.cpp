#include "DateLine.h"

#include "ClockFace.h"
#include "SpokenTexts.h"

DateLine::DateLine(QWidget *parent) : ClickableLabel(parent)
{
    setGeometry(4, 72, 286, 17);
    setFont(boldFont(8.25));
    setToolTip(ListenTip);
}

void DateLine::write(const QString &line)
{
    setText(QString());
    setText(line);
}

void DateLine::name(const QDate &today, Language language)
{
    const QString name = spokenDate(today, language);
    if (accessibleName() != name)
        setAccessibleName(name);
}
