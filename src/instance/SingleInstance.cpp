#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

namespace {

const QByteArray ShowRequest = "show\n";
const QByteArray Shown = "shown\n";

// The same folder reached by another path (a link, "..") gives the same name.
QString serverNameFor(const QString& dataFolder)
{
    const QByteArray path = QFileInfo(dataFolder).canonicalFilePath().toUtf8();
    return QStringLiteral("vellumark-") +
           QString::fromLatin1(
               QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(32));
}

} // namespace

SingleInstance::SingleInstance(const QString& dataFolder)
    : m_serverName(serverNameFor(dataFolder))
    , m_lock(QDir(dataFolder).filePath(QLatin1String(LockFileName)))
{
    // Only a lock whose copy no longer runs is stale, however old it is.
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::answerLaterStart);
}

SingleInstance::Start SingleInstance::start(int answerMilliseconds)
{
    if (m_lock.tryLock(0)) {
        // A socket left by a copy that was killed would keep the name taken.
        QLocalServer::removeServer(m_serverName);
        m_server.listen(m_serverName);
        return Start::First;
    }
    // A folder where no lock can be made at all (not one held by another copy) must not keep
    // the program from starting: it runs as it did before there was a lock.
    if (m_lock.error() != QLockFile::LockFailedError) {
        return Start::First;
    }
    return askRunningCopy(answerMilliseconds) ? Start::OtherShown : Start::OtherNotAnswers;
}

void SingleInstance::showInFront(QWidget& window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

void SingleInstance::answerLaterStart()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            if (socket->readLine() == ShowRequest) {
                emit showRequested();
                socket->write(Shown);
            }
            socket->disconnectFromServer();
        });
    }
}

// The running copy may hold the lock a moment before it listens: connecting is tried again
// until the time is up.
bool SingleInstance::askRunningCopy(int answerMilliseconds) const
{
    const QDeadlineTimer deadline(answerMilliseconds);
    QLocalSocket socket;
    while (true) {
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            break;
        }
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(100);
    }
    socket.write(ShowRequest);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime()))) {
        return false;
    }
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime()))) {
            return false;
        }
    }
    return socket.readLine() == Shown;
}
