#include "SessionBus.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>

namespace {
// The first "unix:path=..." or "unix:abstract=..." of a bus address list such as
// "unix:path=/run/user/1000/bus,guid=..."; empty for any other transport.
struct UnixAddress
{
    QByteArray name;
    bool abstract = false;
};

UnixAddress unixAddress(const QByteArray &addresses)
{
    for (const QByteArray &address : addresses.split(';')) {
        if (!address.startsWith("unix:"))
            continue;
        for (const QByteArray &pair : address.mid(5).split(',')) {
            const QByteArray value = QByteArray::fromPercentEncoding(pair.mid(pair.indexOf('=') + 1));
            if (pair.startsWith("path="))
                return {value, false};
            if (pair.startsWith("abstract="))
                return {value, true};
        }
    }
    return {};
}
} // namespace

bool sessionBusAnswers(int timeoutMs)
{
    QByteArray addresses = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (addresses.isEmpty()) {
        const QString socket = qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") || !QFileInfo::exists(socket))
            return true;
        addresses = "unix:path=" + QFile::encodeName(socket);
    }
    const UnixAddress address = unixAddress(addresses);
    sockaddr_un peer{};
    if (address.name.isEmpty() || size_t(address.name.size()) + 1 > sizeof peer.sun_path)
        return true;
    peer.sun_family = AF_UNIX;
    std::memcpy(peer.sun_path + (address.abstract ? 1 : 0), address.name.constData(), size_t(address.name.size()));
    const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + (address.abstract ? 1 : 0)
                                       + size_t(address.name.size()) + (address.abstract ? 0 : 1));

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return true;
    bool answers = true;
    // A stopped daemon still lets the kernel accept the connection; only the handshake shows it is stopped.
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&peer), length) == 0) {
        const QByteArray hello = QByteArray(1, '\0') + "AUTH EXTERNAL " + QByteArray::number(getuid()).toHex() + "\r\n";
        if (::write(fd, hello.constData(), size_t(hello.size())) == hello.size()) {
            pollfd reply{fd, POLLIN, 0};
            answers = ::poll(&reply, 1, timeoutMs) != 0;
        }
    }
    ::close(fd);
    return answers;
}

void doWithoutSessionBus()
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/dev/null/no-session-bus");
}
