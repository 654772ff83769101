#pragma once
// One copy of the game per program folder and machine: two copies playing
// the same player would each write that player's file. The first copy holds
// a lock in the user folder and listens for the copies started after it;
// those ask it to come to the front and end.
//
// The lock is per machine (its name holds the host name): machines that share
// a classroom folder each run their own copy, and the player file's save
// merges what they wrote.
#include <QLockFile>
#include <QObject>

class SingleCopy : public QObject {
public:
    explicit SingleCopy(const QString& userFolder, QObject* parent = nullptr);

    // Whether this is the only copy: the lock is held, or cannot be kept in
    // that folder at all, which enforces nothing.
    bool IsFirst() const { return m_first; }
    // Starts hearing the front requests of later copies. The socket lives in
    // the network module, which the first frame does not wait for, so the
    // window calls this once it shows; a later copy started meanwhile waits
    // for it (see BringRunningCopyToFront).
    void Listen();
    // Asks the running copy to come to the front; false when it did not answer.
    bool BringRunningCopyToFront() const;

    // The name the running copy listens under, for a folder on this machine.
    static QString ServerName(const QString& userFolder);

private:
    void ComeToFront();

    QString m_name;
    QLockFile m_lock;
    bool m_first = true;
    bool m_listening = false;
};
