#include "singleinstance.h"

#include "core/logger.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace {

constexpr int ConnectTimeoutMs = 1000;
const QByteArray ActivateMessage = QByteArrayLiteral("activate\n");

} // namespace

SingleInstance *SingleInstance::s_listening = nullptr;

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
{
}

SingleInstance::~SingleInstance()
{
    if (s_listening == this)
        s_listening = nullptr;
}

QString SingleInstance::defaultName()
{
    // The temporary folder may be shared between users (/tmp on Linux): the user id keeps one
    // user's copy from answering for another's.
    return QStringLiteral("sweepnook-%1").arg(::getuid());
}

bool SingleInstance::claim()
{
    if (askRunningCopyToShow()) {
        Logger::instance()->info(QStringLiteral("Sweepnook is already running; its window was brought forward"));
        return false;
    }
    // Nobody answered: a name still on disk belongs to a copy that crashed.
    QLocalServer::removeServer(m_name);
    if (!listen()) {
        // Another copy may have started between the two steps; let it have the name.
        if (askRunningCopyToShow())
            return false;
        Logger::instance()->warning(QStringLiteral("Could not watch for a second start: %1").arg(m_server->errorString()));
    }
    return true;
}

void SingleInstance::releaseForRestart()
{
    if (s_listening)
        s_listening->m_server->close();
}

void SingleInstance::reclaimAfterFailedRestart()
{
    if (s_listening && !s_listening->m_server->isListening())
        s_listening->listen();
}

bool SingleInstance::askRunningCopyToShow() const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return false;
    socket.write(ActivateMessage);
    socket.waitForBytesWritten(ConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *socket = m_server->nextPendingConnection()) {
                connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
                connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                    if (socket->readAll().contains(ActivateMessage.trimmed()))
                        emit activationRequested();
                });
            }
        });
    }
    if (!m_server->listen(m_name))
        return false;
    s_listening = this;
    return true;
}
