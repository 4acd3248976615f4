// Desktop notifications (freedesktop.org, over the session bus), sent without ever making the caller wait.
#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <functional>

struct Notice
{
    QString summary, body;
    // Action keys and labels, offered only where the notification server takes actions.
    QList<QPair<QString, QString>> actions;
    // On the caller's thread, when the user takes an action.
    std::function<void(const QString &key)> acted;
    // On the caller's thread, when no notification server took the notice.
    std::function<void()> unseen;
    // Notices of one tag take each other's place on the desktop rather than stacking up.
    QString tag;
    // How long the server shows it: -1 as long as it likes, 0 until it is replaced or closed.
    int timeoutMs = -1;
    // Nothing is shown: the notice of `tag` is taken off the desktop.
    bool close = false;
};

// Shows a passing message on the desktop; one that cannot be shown is dropped unless `unseen` is given.
using Notify = std::function<void(const Notice &notice)>;

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
