#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {
const QByteArray RaiseRequest = "raise\n";
const QByteArray RaiseDone = "raised\n";

// The socket lives in the user's private runtime folder, named after the settings folder's real path,
// so each folder has its own and two spellings of one folder share it.
QString serverNameFor(const QString &settingsDir)
{
    const QByteArray path = QFile::encodeName(QDir(settingsDir).canonicalPath());
    const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(16);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("kalindor-") + QString::fromLatin1(hash));
}
} // namespace

SingleInstance::SingleInstance(const QString &settingsDir, QObject *parent)
    : QObject(parent), settingsDir(settingsDir), lock(QDir(settingsDir).filePath(QStringLiteral("kalindor.lock")))
{
    // Held for the whole run: only a dead holder makes the lock stale, never its age.
    lock.setStaleLockTime(std::chrono::milliseconds::zero());
    server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server, &QLocalServer::newConnection, this, &SingleInstance::answer);
}

SingleInstance::Claim SingleInstance::claim(std::chrono::milliseconds limit, QString *why)
{
    const QString folder = QDir::toNativeSeparators(settingsDir);
    if (!QDir().mkpath(settingsDir)) {
        *why = QStringLiteral("cannot create %1").arg(folder);
        return Claim::Unlocked;
    }
    serverName = serverNameFor(settingsDir);
    const QDeadlineTimer deadline(limit);
    while (!lock.tryLock(std::chrono::milliseconds::zero())) {
        if (lock.error() != QLockFile::LockFailedError) {
            *why = QStringLiteral("cannot lock %1").arg(folder);
            return Claim::Unlocked;
        }
        // The holder listens right after taking the lock; until then, and while it is busy, try again.
        QLocalSocket socket;
        socket.connectToServer(serverName);
        if (socket.waitForConnected(int(deadline.remainingTime())) && socket.write(RaiseRequest) > 0
            && socket.flush()) {
            while (socket.bytesAvailable() < RaiseDone.size() && socket.waitForReadyRead(int(deadline.remainingTime()))) {
            }
            if (socket.readAll() == RaiseDone)
                return Claim::Raised;
        }
        if (deadline.hasExpired()) {
            *why = QStringLiteral("another Kalindor is using %1 but did not answer within %2 s")
                       .arg(folder)
                       .arg(limit.count() / 1000.0);
            return Claim::Unreachable;
        }
        QThread::msleep(50);
    }
    // A socket file left by a holder that died would keep the name taken.
    QLocalServer::removeServer(serverName);
    if (!server.listen(serverName))
        qWarning("kalindor: later starts cannot reach this one: %s", qPrintable(server.errorString()));
    return Claim::Owner;
}

void SingleInstance::release()
{
    server.close(); // and its socket file with it
    lock.unlock();
}

void SingleInstance::answer()
{
    while (QLocalSocket *socket = server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() != RaiseRequest) {
                socket->abort();
                return;
            }
            if (onRaise)
                onRaise();
            socket->write(RaiseDone);
            socket->disconnectFromServer();
        });
    }
}
