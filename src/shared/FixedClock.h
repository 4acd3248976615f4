// A clock that always reads one chosen moment: speaking "at" a time from the command line.
#pragma once

#include "Clock.h"

class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDateTime at) : at(std::move(at)) {}
    QDateTime now() const override { return at; }

private:
    QDateTime at;
};
