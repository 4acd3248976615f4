// The one source of local date and time, so that every handler can be driven at a chosen moment.
#pragma once

#include <QDateTime>
#include <QTimeZone>

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The reading carries the system's zone itself (TZ, else /etc/localtime, asked afresh each time, so a new
// zone shows at once). Qt's own local time guesses the offset of an instant from the daylight-saving flag
// alone, and gets it wrong where a zone changes its standard offset (Asia/Almaty on 29 February 2024),
// even for the instant read; a zone Qt cannot name is left to it all the same.
class SystemClock final : public Clock
{
public:
    QDateTime now() const override
    {
        const QTimeZone zone = QTimeZone::systemTimeZone();
        if (!zone.isValid())
            return QDateTime::currentDateTime();
        return QDateTime::fromMSecsSinceEpoch(QDateTime::currentMSecsSinceEpoch(), zone);
    }
};
