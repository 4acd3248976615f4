// Tells when the wall clock was set or the machine woke from suspend, without waking the program
// otherwise: a clock that ticks only once a minute behind a hidden window would else learn of either
// up to a minute late, and an alarm due just after a resume would ring late by as much.
#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

class ClockSetWatch final : public QObject
{
    Q_OBJECT
public:
    explicit ClockSetWatch(QObject *parent = nullptr);
    ~ClockSetWatch() override;

signals:
    void clockSet();

private:
    void arm();
    void answer();

    int fd = -1;
    std::unique_ptr<QSocketNotifier> notifier;
};
