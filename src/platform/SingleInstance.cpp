#include "platform/SingleInstance.h"

#include "link/LinkError.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace {
constexpr int KnockTimeoutMs = 2000;
}

struct LocalSingleInstance::State {
    QString name;
    std::unique_ptr<QLockFile> lock;
    QLocalServer server;
    std::function<void(const QString &)> handler;
};

LocalSingleInstance::LocalSingleInstance() : state(std::make_unique<State>())
{
    QObject::connect(&state->server, &QLocalServer::newConnection, [this] {
        while (QLocalSocket *socket = state->server.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->canReadLine())
                    return;
                const QString title = QString::fromUtf8(socket->readLine()).trimmed();
                if (state->handler)
                    state->handler(title);
                socket->disconnectFromServer();
            });
        }
    });
}

LocalSingleInstance::~LocalSingleInstance() = default;

bool LocalSingleInstance::acquire(const QString &name)
{
    state->name = name;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    state->lock = std::make_unique<QLockFile>(QDir(folder).filePath(name + QStringLiteral(".lock")));
    state->lock->setStaleLockTime(0); // a lock left by a crashed controller is taken over
    if (!state->lock->tryLock(0)) {
        if (state->lock->error() == QLockFile::LockFailedError)
            return false;
        throw LinkError(QStringLiteral("Cannot create the lock %1 in %2").arg(name, folder));
    }
    QLocalServer::removeServer(name);
    state->server.listen(name);
    return true;
}

void LocalSingleInstance::onKnock(std::function<void(const QString &)> handler)
{
    state->handler = std::move(handler);
}

void LocalSingleInstance::knock(const QString &title)
{
    QLocalSocket socket;
    socket.connectToServer(state->name);
    if (!socket.waitForConnected(KnockTimeoutMs))
        return;
    socket.write(title.toUtf8() + '\n');
    socket.waitForBytesWritten(KnockTimeoutMs);
    socket.waitForDisconnected(KnockTimeoutMs);
}
