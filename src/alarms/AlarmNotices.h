// What the alarms tell the desktop: the ringer's notices as desktop notifications (Snooze and Stop among
// their actions), its complaints on standard error, and the summary of a save.
#pragma once

#include "AlarmRinger.h"
#include "Notice.h"

#include <QObject>

class AlarmNotices final : public QObject
{
public:
    // `notify` and `complain` may be empty.
    AlarmNotices(AlarmRinger &ringer, const HPMOD &shared, Notify notify, std::function<void(const QString &)> complain,
                 QObject *parent = nullptr);

    // A box that does not wait for the user: what a notification would have said, where none is shown.
    // The window gives it while it is there, since the box stands over it; may be empty.
    std::function<void(const QString &title, const QString &text)> inform;
    // What a click on a ringing notice's body does: the window is shown and raised. May be empty.
    std::function<void()> showWindow;

    // After a save: what was set, on the desktop, or in a box where no notification server takes it.
    void saved();
    // The window was closed and hidden, the alarms ringing on: where Kalindor went and how to quit it,
    // in the system tray when `inTray`, otherwise behind a new start.
    void windowHidden(bool inTray);

private:
    void show(const AlarmNotice &alarmNotice);
    // On the desktop, or in a box where no notification server takes it.
    void tell(const QString &title, const QString &text);

    AlarmRinger &ringer;
    const HPMOD &shared;
    Notify notify;
};
