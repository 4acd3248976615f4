// What the alarms tell the desktop: the ringer's notices as desktop notifications (Snooze among their
// actions), its complaints on standard error, and the summary of a save.
#pragma once

#include "AlarmRinger.h"
#include "Notifier.h"

#include <QPointer>
#include <QWidget>

class AlarmNotices final : public QObject
{
public:
    using Inform = std::function<void(QWidget *parent, const QString &title, const QString &text)>;
    // `notify`, `complain` and `inform` may be empty; `inform` shows a box over `window` that does not wait.
    AlarmNotices(AlarmRinger &ringer, const HPMOD &shared, Notify notify, std::function<void(const QString &)> complain,
                 Inform inform, QWidget *window);

    // After a save: what was set, on the desktop, or in a box where no notification server takes it.
    void saved();

private:
    void show(const AlarmNotice &alarmNotice);

    AlarmRinger &ringer;
    const HPMOD &shared;
    Notify notify;
    Inform inform;
    QPointer<QWidget> window;
};
