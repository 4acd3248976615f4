// One Kalindor per settings folder: a lock file in the folder, and a local socket through which a
// later start asks the running one to show its window.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>

class SingleInstance final : public QObject
{
    Q_OBJECT
public:
    enum class Claim {
        Owner,       // this process holds the folder and listens for later starts
        Raised,      // another Kalindor holds it and has been asked to show its window
        Unreachable, // another Kalindor holds it but did not answer in time
        Unlocked,    // the lock could not be made (a read-only folder): run without it
    };

    explicit SingleInstance(const QString &settingsDir, QObject *parent = nullptr);

    // Takes the lock, or asks its holder to show its window, waiting at most `limit` for the answer.
    // A lock left by a Kalindor that died is taken over. `why` explains Unreachable and Unlocked.
    Claim claim(std::chrono::milliseconds limit, QString *why);

    // Gives the folder up at once: the socket closes and the lock goes, so that a later start owns it even
    // while this process has not yet ended.
    void release();

    // Called, in the owner, when a later start asks for the window.
    std::function<void()> onRaise;

private:
    void answer();

    QString settingsDir;
    QString serverName;
    QLockFile lock;
    QLocalServer server;
};
