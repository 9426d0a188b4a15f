#include "platform/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QUrl>

#include <unistd.h>

namespace {

const QByteArray ActivateMessage = "activate\n";
constexpr int ConnectAttempts = 20;
constexpr int ConnectWaitMs = 100;

}  // namespace

QString SingleInstance::runtimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime;
    const QString fallback = QDir::temp().filePath(QStringLiteral("larkspur-%1").arg(getuid()));
    QDir().mkpath(fallback);
    QFile::setPermissions(fallback, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return fallback;
}

SingleInstance::SingleInstance(const QString& guardName, QObject* parent)
    : QObject(parent),
      basePath_(QDir(runtimeFolder()).filePath(QString::fromLatin1(QUrl::toPercentEncoding(guardName))))
{
    lock_ = std::make_unique<QLockFile>(basePath_ + QStringLiteral(".lock"));
    // A lock is stale only when its process is gone, however old it is.
    lock_->setStaleLockTime(0);
    first_ = lock_->tryLock(0);
}

SingleInstance::~SingleInstance()
{
    if (server_)
        server_->close();
}

void SingleInstance::listen()
{
    if (!first_ || server_)
        return;
    const QString name = basePath_ + QStringLiteral(".socket");
    // We hold the lock, so a socket left there belongs to an instance that died.
    QLocalServer::removeServer(name);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(ActivateMessage.trimmed()))
                    emit activationRequested();
                socket->disconnectFromServer();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    server_->listen(name);
}

bool SingleInstance::activateRunningInstance() const
{
    // The running instance may still be starting; give it a moment to listen.
    for (int attempt = 0; attempt < ConnectAttempts; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(basePath_ + QStringLiteral(".socket"));
        if (socket.waitForConnected(ConnectWaitMs)) {
            socket.write(ActivateMessage);
            const bool sent = socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return sent;
        }
        QThread::msleep(ConnectWaitMs);
    }
    return false;
}
