#include "shell/instance_guard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace tessaro::shell {

namespace {
const QByteArray kShowRequest = QByteArrayLiteral("show\n");
constexpr int kHandOverMs = 3000;
}  // namespace

InstanceGuard::InstanceGuard(const QString& dataFolder, QObject* parent)
    : QObject(parent), folder_(QDir::cleanPath(QDir(dataFolder).absolutePath())) {}

InstanceGuard::~InstanceGuard() {
    if (server_) server_->close();
    if (lock_) lock_->unlock();
}

QString InstanceGuard::serverName(const QString& dataFolder) {
    const QString folder = QDir::cleanPath(QDir(dataFolder).absolutePath());
    const QByteArray hash = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("tessaro-") + QString::fromLatin1(hash);
}

InstanceGuard::Result InstanceGuard::acquire() {
    QDir().mkpath(folder_);
    lock_ = std::make_unique<QLockFile>(folder_ + QLatin1Char('/') + lockFileName());
    // choice: a lock is stale only when the copy that made it no longer runs
    // (a copy killed outright leaves its lock file); never by its age, since
    // a game may run for days.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        listen();
        return Result::Owner;
    }
    if (lock_->error() != QLockFile::LockFailedError) {
        lock_.reset();
        return Result::Unguarded;
    }
    // The other copy may still be starting: it listens right after taking
    // the lock, so the request is tried again for a while. When it never
    // answers, this copy still ends rather than write beside it.
    QElapsedTimer waited;
    waited.start();
    while (!askRunningCopy() && waited.elapsed() < kHandOverMs) {
        QThread::msleep(50);
        if (lock_->tryLock(0)) {  // the other copy ended meanwhile
            listen();
            return Result::Owner;
        }
    }
    lock_.reset();
    return Result::HandedOver;
}

bool InstanceGuard::askRunningCopy() {
    QLocalSocket socket;
    socket.connectToServer(serverName(folder_));
    if (!socket.waitForConnected(500)) return false;
    socket.write(kShowRequest);
    const bool sent = socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return sent;
}

void InstanceGuard::listen() {
    const QString name = serverName(folder_);
    // A socket left by a copy that was killed would block the name.
    QLocalServer::removeServer(name);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name)) return;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(kShowRequest.trimmed()) && show_) show_();
            });
        }
    });
}

}  // namespace tessaro::shell
