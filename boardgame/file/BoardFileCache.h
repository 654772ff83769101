#pragma once
// What makes the board-file manager quick: each file's checks are remembered
// in the user's settings by the file's path, size and modification time, so a
// later visit opens no file that has not changed; and files that must be
// checked are checked on a worker thread, each with its own connection, while
// the manager already shows them.
#include "boardgame/file/BoardFileList.h"

#include <QFileInfo>
#include <QObject>

#include <atomic>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// A file's checks: its row when usable (the size text is the caller's).
struct BoardFileCheck {
    bool usable = false;
    BoardFileRow row;
};

namespace BoardFileCache {

// The remembered checks of the file as `file` describes it now; nothing when
// it was never checked or has changed since.
std::optional<BoardFileCheck> Remembered(const QFileInfo& file);
// Remembers the checks made of the file as `file` described it before the
// check began, so a change during the check is checked again next time.
void Remember(const QFileInfo& file, const BoardFileCheck& check);

} // namespace BoardFileCache

// Checks files one after the other on a thread of its own. Each result is
// delivered through Checked on the thread that made the run, in order.
// Destroying the run stops it after the file under check; nothing more is
// delivered.
class BoardFileCheckRun : public QObject {
    Q_OBJECT
public:
    explicit BoardFileCheckRun(QFileInfoList files, QObject* parent = nullptr);
    ~BoardFileCheckRun() override;

    // Waits for the remaining checks and delivers their results now.
    void Finish();
    bool Done() const { return m_delivered == m_files.size(); }

Q_SIGNALS:
    void Checked(const QFileInfo& file, const BoardFileCheck& check);

private:
    void Work();
    void Deliver();

    const QFileInfoList m_files;
    std::mutex m_mutex;
    std::vector<BoardFileCheck> m_results; // guarded by m_mutex
    qsizetype m_delivered = 0;
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
};
