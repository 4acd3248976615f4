// Kalindor's icon in the system tray (a StatusNotifierItem, as Qt speaks it), up while alarms ring on
// with the window closed: its tooltip names the next alarm, a click shows the window, and its menu says
// the time, names the next alarm, shows the window and quits.
#pragma once

#include "HPMOD.h"

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

#include <functional>

struct ClockTrayActions
{
    std::function<void()> sayTime, show, quit;
};

class ClockTray final : public QObject
{
    Q_OBJECT
public:
    explicit ClockTray(ClockTrayActions actions, QObject *parent = nullptr);

    // Up or down; a tray that is down asks nothing of the desktop.
    void setUp(bool up);
    bool isUp() const { return icon.isVisible(); }
    // Up where a tray host shows it: then the window can be found there.
    bool isSeen() const;
    // The menu's words in `language`, the next alarm's text as the ringer last gave it.
    void follow(Language language, const QString &nextAlarm);

    QSystemTrayIcon icon;
    QMenu menu;
    QAction *sayTime = nullptr, *nextAlarm = nullptr, *show = nullptr, *quit = nullptr;

private:
    ClockTrayActions actions;
};
