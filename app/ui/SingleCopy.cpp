#include "app/ui/SingleCopy.h"

#include "shell/Logging.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QSysInfo>
#include <QWidget>

namespace {

const QByteArray kFrontRequest = QByteArrayLiteral("front\n");
constexpr int kAnswerWaitMs = 3000;

QString lockPath(const QString& userFolder) {
    QString host = QSysInfo::machineHostName();
    host.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QDir(userFolder).filePath(QStringLiteral(".mordaventa-%1.lock").arg(host));
}

} // namespace

SingleCopy::SingleCopy(const QString& userFolder, QObject* parent)
    : QObject(parent), m_name(ServerName(userFolder)), m_lock(lockPath(userFolder)) {
    // A copy that crashed leaves its lock behind; QLockFile takes it over once
    // no process of that number runs on this machine. A lock is never stale
    // by age alone: a long game is no reason to start a second copy.
    m_lock.setStaleLockTime(0);
    if (!m_lock.tryLock(0)) {
        m_first = m_lock.error() != QLockFile::LockFailedError;
        if (m_first)
            qCWarning(lcMordaventa) << "no single-copy lock in" << userFolder;
        else
            return;
    }
    // The socket of a crashed copy is left over too; the lock says it is ours.
    QLocalServer::removeServer(m_name);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            // The request may arrive before, with or after the connection.
            const auto answer = [this, socket] {
                if (socket->readAll().contains(kFrontRequest.trimmed()))
                    ComeToFront();
            };
            connect(socket, &QLocalSocket::readyRead, this, answer);
            connect(socket, &QLocalSocket::disconnected, this, [socket, answer] {
                answer();
                socket->deleteLater();
            });
            if (socket->bytesAvailable() > 0)
                answer();
        }
    });
    if (!m_server.listen(m_name))
        qCWarning(lcMordaventa) << "later copies cannot reach this one:" << m_server.errorString();
}

bool SingleCopy::BringRunningCopyToFront() const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kAnswerWaitMs))
        return false;
    socket.write(kFrontRequest);
    const bool sent = socket.waitForBytesWritten(kAnswerWaitMs);
    socket.disconnectFromServer();
    return sent;
}

QString SingleCopy::ServerName(const QString& userFolder) {
    const QByteArray key =
        (QSysInfo::machineHostName() + QLatin1Char('|') + QDir(userFolder).canonicalPath())
            .toUtf8();
    return QStringLiteral("mordaventa-") +
           QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
}

void SingleCopy::ComeToFront() {
    qCInfo(lcMordaventa) << "a later copy brought this one to the front";
    // A modal window (the login, a question) is the one that takes input.
    QWidget* front = QApplication::activeModalWidget();
    const QList<QWidget*> windows =
        front ? QList<QWidget*>{front} : QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (!window->isVisible())
            continue;
        if (window->isMinimized())
            window->showNormal();
        window->raise();
        window->activateWindow();
    }
}
