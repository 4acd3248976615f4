// Desktop notifications (freedesktop.org, over the session bus), sent without ever making the caller wait.
#pragma once

#include "Notice.h"

#include <QObject>

class NoticeBus;

// Talks to the bus by asynchronous calls, each with its time limit, so that a frozen notification server
// never holds up the clock. A session bus that does not answer at all is left out before the first
// connection (doWithoutSessionBus), since connecting to one blocks for the bus library's own timeout.
class DesktopNotifier final : public QObject
{
    Q_OBJECT
public:
    // `iconName` is looked up in the icon theme by the notification server.
    explicit DesktopNotifier(QString appName, QString iconName, QObject *parent = nullptr);
    ~DesktopNotifier() override;

    // Returns at once.
    void notify(const Notice &notice);
    // A Notify bound to this object, for the windows' services.
    Notify function();

    // The end of the program waits for the notification server no longer than this, also when the
    // server is stopped.
    static constexpr int EndWaitMs = 400;
    // The last notice, as the program ends: sent, then waited for until a server has taken it, within
    // EndWaitMs. False when none took it in that time. Without actions: nobody is left to take them.
    bool notifyBeforeEnd(const Notice &notice);

private:
    NoticeBus *bus;
};
