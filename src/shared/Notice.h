// A passing message for the desktop, as the clock and the alarms ask for one; how it gets there is the
// desktop's business (src/desktop), so that the core needs no session bus to speak of it.
#pragma once

#include <QList>
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
