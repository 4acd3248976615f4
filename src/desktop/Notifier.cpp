#include "Notifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QMetaObject>
#include <QPointer>
#include <QVariantMap>

DesktopNotifier::DesktopNotifier(QString appName, QString iconName, QObject *parent)
    : QObject(parent), busThread(new QThread), sender(new QObject), appName(std::move(appName)),
      iconName(std::move(iconName))
{
    busThread->setObjectName(QStringLiteral("notifications"));
    sender->moveToThread(busThread);
    connect(busThread, &QThread::finished, sender, &QObject::deleteLater);
    busThread->start();
}

DesktopNotifier::~DesktopNotifier()
{
    busThread->quit();
    // A thread stuck on a frozen bus is left to the end of the process rather than holding up the exit.
    // It stays reachable from here, so that a leak checker does not report what was left on purpose.
    static QThread *volatile leftRunning = nullptr;
    if (busThread->wait(2000))
        delete busThread;
    else
        leftRunning = busThread;
}

void DesktopNotifier::notify(const QString &summary, const QString &body)
{
    QMetaObject::invokeMethod(sender, [app = appName, icon = iconName, summary, body] {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return;
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
        // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout (-1: the server's choice)
        call << app << 0u << icon << summary << body << QStringList() << QVariantMap() << -1;
        bus.send(call); // no reply is awaited: no notification server means no notification, and no error
    });
}

Notify DesktopNotifier::function()
{
    return [self = QPointer<DesktopNotifier>(this)](const QString &summary, const QString &body) {
        if (self)
            self->notify(summary, body);
    };
}
