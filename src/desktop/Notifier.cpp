#include "Notifier.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>
#include <QVariantMap>

#include <map>

namespace {
const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
// A server asked for its capabilities may first have to be started by the bus.
constexpr int CapabilitiesMs = 2000;
// Servers that never say a notice was closed must not make the table of open notices grow for ever.
constexpr size_t MaxOpenNotices = 64;
} // namespace

// Sends notices and hears of the actions taken on them, on the caller's thread.
class NoticeBus final : public QObject
{
    Q_OBJECT
public:
    NoticeBus(QString appName, QString iconName, QObject *parent)
        : QObject(parent), appName(std::move(appName)), iconName(std::move(iconName))
    {
    }

    void send(const Notice &notice)
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (notice.close) {
            closeTagged(bus, notice.tag);
            return;
        }
        // Counted now, so that a close or a later notice of the tag that goes out first is known.
        Tagged *tagged = notice.tag.isEmpty() ? nullptr : &tags[notice.tag];
        if (tagged) {
            ++tagged->sent;
            tagged->closed = false;
        }
        const quint64 sent = tagged ? tagged->sent : 0;
        // Only actions, and a body that markup would misread, need the server's capabilities: a notice
        // without them costs one call.
        if (!bus.isConnected() || (notice.actions.isEmpty() && !notice.body.contains(u'<') && !notice.body.contains(u'&'))) {
            post(notice, {}, sent);
            return;
        }
        const QDBusMessage asked = QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("GetCapabilities"));
        auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(asked, CapabilitiesMs), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, notice, sent](QDBusPendingCallWatcher *reply) {
            reply->deleteLater();
            post(notice, reply->reply().arguments().value(0).toStringList(), sent);
        });
    }

    // Sends the notice itself; the server has `limitMs` to take it (-1: the bus's own limit). An error
    // in the call, the limit among them, makes it unseen.
    QDBusPendingCall post(const Notice &notice, const QStringList &capabilities, quint64 sent, int limitMs = -1)
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (bus.isConnected() && !listening) {
            listening = true;
            // Any sender: naming the service would have the bus library look up its owner, and wait for it.
            bus.connect(QString(), Path, Service, QStringLiteral("ActionInvoked"), this, SLOT(actionInvoked(uint,QString)));
            bus.connect(QString(), Path, Service, QStringLiteral("NotificationClosed"), this, SLOT(notificationClosed(uint,uint)));
        }
        QStringList actions;
        if (capabilities.contains(QStringLiteral("actions"))) {
            for (const auto &[key, label] : notice.actions)
                actions << key << label;
        }
        // A server that reads markup would take a "<" typed into a box for the start of a tag.
        const QString body = capabilities.contains(QStringLiteral("body-markup")) ? notice.body.toHtmlEscaped() : notice.body;
        QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("Notify"));
        const auto tagged = tags.find(notice.tag);
        const uint replaces = tagged != tags.end() ? tagged->second.id : 0u;
        // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout (-1: the server's choice)
        call << appName << replaces << iconName << notice.summary << body << actions << QVariantMap() << notice.timeoutMs;
        // Without a bus the call fails as one to a missing server would, on the same path.
        const QDBusPendingCall pending = bus.isConnected() ? bus.asyncCall(call, limitMs)
            : QDBusPendingCall::fromError(QDBusError(QDBusError::Disconnected, QStringLiteral("no session bus")));
        auto *watcher = new QDBusPendingCallWatcher(pending, this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, notice, sent](QDBusPendingCallWatcher *reply) {
            reply->deleteLater();
            const QDBusPendingReply<uint> id = *reply;
            if (id.isError()) {
                if (const auto unseen = notice.unseen)
                    unseen();
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
            if (!notice.acted)
                return;
            if (open.size() >= MaxOpenNotices)
                open.erase(open.begin());
            open[id.value()] = notice;
        });
        return pending;
    }

private slots:
    void actionInvoked(uint id, const QString &key)
    {
        const auto found = open.find(id);
        if (found == open.end())
            return;
        if (const auto acted = found->second.acted)
            acted(key);
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

    QString appName, iconName;
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
    : QObject(parent), bus(new NoticeBus(std::move(appName), std::move(iconName), this))
{
}

DesktopNotifier::~DesktopNotifier() = default;

void DesktopNotifier::notify(const Notice &notice)
{
    bus->send(notice);
}

bool DesktopNotifier::notifyBeforeEnd(const Notice &notice)
{
    Notice last = notice;
    last.actions.clear();
    QDBusPendingCall call = bus->post(last, {}, 0, EndWaitMs);
    // QtDBus ends the call at its limit with an error, also when the server is stopped.
    call.waitForFinished();
    return !call.isError();
}

Notify DesktopNotifier::function()
{
    return [self = QPointer<DesktopNotifier>(this)](const Notice &notice) {
        if (self)
            self->notify(notice);
    };
}

#include "Notifier.moc"
