// Desktop notifications (freedesktop.org, over the session bus), sent without ever making the caller wait.
#pragma once

#include <QObject>
#include <QString>
#include <QThread>

#include <functional>

// Shows a passing message on the desktop; one that cannot be shown is dropped without a word.
using Notify = std::function<void(const QString &summary, const QString &body)>;

// Talks to the bus from a thread of its own: connecting to a session bus that is frozen (a stopped
// daemon) blocks for the bus library's own timeout, which the clock's thread must never sit through.
class DesktopNotifier final : public QObject
{
    Q_OBJECT
public:
    // `iconName` is looked up in the icon theme by the notification server.
    explicit DesktopNotifier(QString appName, QString iconName, QObject *parent = nullptr);
    ~DesktopNotifier() override;

    void notify(const QString &summary, const QString &body);
    // A Notify bound to this object, for the windows' services.
    Notify function();

private:
    QThread *busThread; // deleted with this object unless stuck on the bus
    QObject *sender; // lives in busThread
    QString appName, iconName;
};
