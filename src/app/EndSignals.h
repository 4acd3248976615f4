// SIGTERM, SIGINT and SIGHUP end the window as its exit button does.
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

class EndSignals final : public QObject
{
public:
    // `end` runs on the window thread, from its event loop.
    explicit EndSignals(std::function<void()> end);
    ~EndSignals() override;

private:
    QSocketNotifier *notifier = nullptr;
};
