#pragma once
// Follows whether the game on the table can still be won. Each change of the
// cards starts the solver on a worker thread, on a copy of the position and
// a solver that holds its own copy of the level's words; the answer comes
// back to this object's thread with the number of its request, and an answer
// to an older request is not shown. The table never waits for it.
#include "engine/DealSolver.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <map>
#include <memory>
#include <optional>

class ClDictionary;

class WinnableWatch : public QObject {
    Q_OBJECT
public:
    enum class Mark { None, Winnable, Lost, Unknown };
    // Time the solver gets for one position: the mark follows a move
    // within a second.
    static constexpr int kBudgetMs = 800;

    // `words` must outlive the watch; it is only read.
    explicit WinnableWatch(const ClDictionary& words, QObject* parent = nullptr);
    ~WinnableWatch() override;

    // The cards moved to `state`; `move` is the player's move that did it
    // (none for a game laid out or restored).
    void Ask(const DealState& state, const std::optional<SolverMove>& move);
    // No game to follow: a running search is dropped and the mark cleared.
    void Stop();
    // Waits for the running search and delivers its answer at once; false
    // when none came within `ms` (tests).
    bool WaitForAnswer(int ms = 10000);

    Mark Current() const { return m_mark; }
    // What the table shows for a mark; `lostBy` the move that lost the game
    // when it was the last one.
    static QString MarkText(Mark mark, const std::optional<SolverMove>& lostBy);

Q_SIGNALS:
    void Answered(WinnableWatch::Mark mark, const QString& text);

private:
    struct Known {
        quint64 request = 0;
        SolverVerdict verdict = SolverVerdict::Undecided;
        QList<SolverMove> moves;
    };
    void Deliver(quint64 request, const SolverAnswer& answer,
                 const std::optional<SolverMove>& move);
    std::shared_ptr<const DealSolver> SolverFor(int level);

    const ClDictionary& m_words;
    std::map<int, std::shared_ptr<const DealSolver>> m_solvers;
    QThreadPool m_pool;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    quint64 m_request = 0;
    Known m_known; // the latest answer that was decided
    Mark m_mark = Mark::None;
};
