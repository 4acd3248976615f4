#include "Notifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QMetaObject>
#include <QPointer>
#include <QSemaphore>
#include <QVariantMap>

#include <atomic>
#include <map>
#include <memory>

namespace {
const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
// A server asked for its capabilities may first have to be started by the bus.
constexpr int CapabilitiesMs = 2000;
// Servers that never say a notice was closed must not make the table of open notices grow for ever.
constexpr size_t MaxOpenNotices = 64;
} // namespace

// The bus thread's side: sends notices and hears of the actions taken on them.
class NoticeBus final : public QObject
{
    Q_OBJECT
public:
    NoticeBus(QString appName, QString iconName, QObject *caller)
        : appName(std::move(appName)), iconName(std::move(iconName)), caller(caller)
    {
    }

    void send(const Notice &notice)
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (notice.close) {
            closeTagged(bus, notice.tag);
            return;
        }
        if (!bus.isConnected()) {
            unseen(notice);
            return;
        }
        if (!listening) {
            listening = true;
            bus.connect(Service, Path, Service, QStringLiteral("ActionInvoked"), this,
                        SLOT(actionInvoked(uint,QString)));
            bus.connect(Service, Path, Service, QStringLiteral("NotificationClosed"), this,
                        SLOT(notificationClosed(uint,uint)));
        }
        // Only actions, and a body that markup would misread, need the server's capabilities: a notice
        // without them costs one call, which does not wait when the server is stopped.
        QStringList capabilities;
        if (!notice.actions.isEmpty() || notice.body.contains(u'<') || notice.body.contains(u'&')) {
            const QDBusMessage asked = bus.call(QDBusMessage::createMethodCall(Service, Path, Service,
                                                                               QStringLiteral("GetCapabilities")),
                                                QDBus::Block, CapabilitiesMs);
            capabilities = asked.arguments().value(0).toStringList();
        }
        QStringList actions;
        if (capabilities.contains(QStringLiteral("actions"))) {
            for (const auto &[key, label] : notice.actions)
                actions << key << label;
        }
        // A server that reads markup would take a "<" typed into a box for the start of a tag.
        const QString body = capabilities.contains(QStringLiteral("body-markup")) ? notice.body.toHtmlEscaped() : notice.body;
        QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("Notify"));
        Tagged *tagged = notice.tag.isEmpty() ? nullptr : &tags[notice.tag];
        const uint replaces = tagged ? tagged->id : 0u;
        if (tagged) {
            ++tagged->sent;
            tagged->closed = false;
        }
        // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout (-1: the server's choice)
        call << appName << replaces << iconName << notice.summary << body << actions << QVariantMap() << notice.timeoutMs;
        auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this, notice, sent = tagged ? tagged->sent : 0](QDBusPendingCallWatcher *reply) {
            reply->deleteLater();
            const QDBusPendingReply<uint> id = *reply;
            if (id.isError()) {
                unseen(notice);
                return;
            }
            if (!notice.tag.isEmpty()) {
                Tagged &tagged = tags[notice.tag];
                // Closed while on its way, or a later notice of the tag went out before this one was known
                // and so could not replace it: it must not stay on the desktop.
                if (tagged.closed || sent != tagged.sent)
                    closeId(QDBusConnection::sessionBus(), id.value());
                else
                    tagged.id = id.value();
            }
            if (notice.answered)
                notice.answered(true);
            if (!notice.acted)
                return;
            if (open.size() >= MaxOpenNotices)
                open.erase(open.begin());
            open[id.value()] = notice;
        });
    }

private slots:
    void actionInvoked(uint id, const QString &key)
    {
        const auto found = open.find(id);
        if (found == open.end())
            return;
        if (const auto acted = found->second.acted)
            QMetaObject::invokeMethod(caller, [acted, key] { acted(key); }, Qt::QueuedConnection);
    }
    void notificationClosed(uint id, uint)
    {
        open.erase(id);
        for (auto &[tag, tagged] : tags) {
            if (tagged.id == id)
                tagged.id = 0;
        }
    }

private:
    void closeId(QDBusConnection bus, uint id)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("CloseNotification"));
        call << id;
        bus.asyncCall(call);
    }
    void closeTagged(const QDBusConnection &bus, const QString &tag)
    {
        const auto found = tags.find(tag);
        if (found == tags.end())
            return;
        found->second.closed = true;
        if (found->second.id != 0 && bus.isConnected())
            closeId(bus, found->second.id);
        found->second.id = 0;
    }

    void unseen(const Notice &notice)
    {
        if (notice.answered)
            notice.answered(false);
        if (const auto unseen = notice.unseen)
            QMetaObject::invokeMethod(caller, unseen, Qt::QueuedConnection);
    }

    QString appName, iconName;
    QObject *caller; // lives on the caller's thread and outlives this thread
    bool listening = false;
    std::map<uint, Notice> open;
    // The notice each tag has on the desktop, and how many of the tag were sent, to tell the last.
    struct Tagged
    {
        uint id = 0;
        quint64 sent = 0;
        bool closed = false;
    };
    std::map<QString, Tagged> tags;
};

DesktopNotifier::DesktopNotifier(QString appName, QString iconName, QObject *parent)
    : QObject(parent), busThread(new QThread), bus(new NoticeBus(std::move(appName), std::move(iconName), this))
{
    busThread->setObjectName(QStringLiteral("notifications"));
    bus->moveToThread(busThread);
    connect(busThread, &QThread::finished, bus, &QObject::deleteLater);
    busThread->start();
}

DesktopNotifier::~DesktopNotifier()
{
    busThread->quit();
    // A thread stuck on a frozen bus is left to the end of the process rather than holding up the exit.
    // It stays reachable from here, so that a leak checker does not report what was left on purpose.
    static QThread *volatile leftRunning = nullptr;
    if (busThread->wait(endBy.isForever() ? QDeadlineTimer(EndWaitMs) : endBy))
        delete busThread;
    else
        leftRunning = busThread;
}

void DesktopNotifier::notify(const Notice &notice)
{
    QMetaObject::invokeMethod(bus, [bus = bus, notice] { bus->send(notice); });
}

bool DesktopNotifier::notifyBeforeEnd(const Notice &notice)
{
    endBy = QDeadlineTimer(EndWaitMs);
    // What is left of the limit afterwards lets an idle bus thread end before the process does.
    const QDeadlineTimer answerBy(EndWaitMs - 100);
    // A semaphore rather than a condition variable, whose timed wait libfaketime's clock upsets.
    struct Answer
    {
        QSemaphore given;
        std::atomic<bool> taken{false};
    };
    const auto answer = std::make_shared<Answer>();
    Notice last = notice;
    last.answered = [answer](bool taken) {
        answer->taken = taken;
        answer->given.release();
    };
    notify(last);
    return answer->given.tryAcquire(1, int(answerBy.remainingTime())) && answer->taken;
}

Notify DesktopNotifier::function()
{
    return [self = QPointer<DesktopNotifier>(this)](const Notice &notice) {
        if (self)
            self->notify(notice);
    };
}

#include "Notifier.moc"
