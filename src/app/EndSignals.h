// SIGTERM, SIGINT and SIGHUP end the window as its exit button does, even in the middle of a long sound.
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

    // True from the first of these signals on; the player asks it between pieces of sound, so that
    // the thread gets back to its event loop at once.
    static bool received();

private:
    QSocketNotifier *notifier = nullptr;
};
