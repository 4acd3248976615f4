#include "ClockTray.h"

#include "Texts.h"

#include <QIcon>

ClockTray::ClockTray(ClockTrayActions actions, QObject *parent) : QObject(parent), actions(std::move(actions))
{
    icon.setIcon(QIcon::fromTheme(QStringLiteral("kalindor"), QIcon(QStringLiteral(":/pictures/icon.png"))));
    sayTime = menu.addAction(QString(), this, [this] { this->actions.sayTime(); });
    nextAlarm = menu.addAction(QString());
    nextAlarm->setEnabled(false); // a line to read, not a command
    menu.addSeparator();
    show = menu.addAction(QString(), this, [this] { this->actions.show(); });
    quit = menu.addAction(QString(), this, [this] { this->actions.quit(); });
    icon.setContextMenu(&menu);
    connect(&icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            this->actions.show();
    });
}

void ClockTray::setUp(bool up)
{
    if (up != icon.isVisible())
        icon.setVisible(up);
}

bool ClockTray::isSeen() const
{
    return icon.isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void ClockTray::follow(Language language, const QString &nextAlarmText)
{
    const Texts texts(language);
    sayTime->setText(texts.translate("ClockTray", "Say the time"));
    show->setText(texts.translate("ClockTray", "Show Kalindor"));
    quit->setText(texts.translate("ClockTray", "Quit"));
    nextAlarm->setText(nextAlarmText);
    // Hosts show the tooltip's title; the program's name comes first, as in every other tray item.
    const QString tip = QStringLiteral("Kalindor — ") + nextAlarmText;
    if (icon.toolTip() != tip)
        icon.setToolTip(tip);
}
