#include "app/ui/SingleCopy.h"

#include "shell/Logging.h"
#include "shell/NetModule.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QSysInfo>
#include <QThread>
#include <QWidget>

namespace {

constexpr int kAnswerWaitMs = 3000;
constexpr int kRetryMs = 50;

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
    }
}

void SingleCopy::Listen() {
    if (!m_first || m_listening)
        return;
    m_listening = true;
    const NetModuleCalls* calls = NetModule::Calls();
    QString error = QStringLiteral("the program's network module is missing");
    // The socket of a crashed copy is left over too; the lock says it is ours.
    if (!calls || !calls->listen(
                      m_name, this, [this] { ComeToFront(); }, &error))
        qCWarning(lcMordaventa) << "later copies cannot reach this one:" << error;
}

bool SingleCopy::BringRunningCopyToFront() const {
    const NetModuleCalls* calls = NetModule::Calls();
    if (!calls)
        return false;
    // The running copy listens once its window shows: one started a moment
    // before this one may not yet.
    QDeadlineTimer deadline(kAnswerWaitMs);
    while (!calls->askToFront(m_name, int(deadline.remainingTime()))) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kRetryMs);
    }
    return true;
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
