// A clock that tests set and advance by hand.
#pragma once

#include "Clock.h"

class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 5), QTime(7, 30))) : moment(std::move(start)) {}
    QDateTime now() const override { return moment; }
    void set(const QDateTime &at) { moment = at; }
    void set(int hour, int minute, int second = 0) { moment.setTime(QTime(hour, minute, second)); }
    void advanceMs(qint64 ms) { moment = moment.addMSecs(ms); }

private:
    QDateTime moment;
};
