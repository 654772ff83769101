#pragma once
// Decides whether a Vantorell game can still be won: every pile turned into
// words by the game's own moves (lay the top discard on a pile while the
// pile's letters still begin a word of the level, draw three, turn the
// discards over when the stock is empty; a made word turns up the pile's next
// card). The answer is winnable with one winning sequence, not winnable, or
// undecided when the budget ran out first.
//
// A solver copies what it needs of the word list when it is made, so it can
// be handed to another thread while the list stays with its owner.
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <memory>

class ClDictionary;

// A position as the engine holds it: piles "face-down:face-up" (laid letters
// may be upper case), the stock next card first, the discards top first.
struct DealState {
    std::array<QString, 5> piles;
    QString stock;
    QString discards;
    int level = 0;
};

struct SolverMove {
    enum class Kind { Draw, Lay };
    Kind kind = Kind::Draw;
    int pile = 0; // Lay: 1 to 5
    QChar letter; // Lay: the card laid, lower case or "*"

    // "draw", or "lay e on 2".
    QString Text() const;
    bool operator==(const SolverMove& other) const = default;
};

enum class SolverVerdict { Winnable, NotWinnable, Undecided };

struct SolverAnswer {
    SolverVerdict verdict = SolverVerdict::Undecided;
    QList<SolverMove> moves; // winnable: from the given position to the win
    qint64 states = 0;       // positions looked at
};

struct SolverBudget {
    int milliseconds = 1000; // 0 or less: no time limit
    qint64 states = 0;       // 0 or less: no limit
    // Set by another thread: the answer is no longer wanted.
    const std::atomic<bool>* cancel = nullptr;
};

class DealSolver {
public:
    // The searched entries of the level's list (element 0 is never searched).
    DealSolver(const ClDictionary& words, int level);
    // The same from a plain list of entries, as they would be searched.
    DealSolver(const QStringList& entries, int level);
    ~DealSolver();
    DealSolver(const DealSolver&) = default;
    DealSolver& operator=(const DealSolver&) = default;

    int Level() const { return m_level; }

    // Empty when the position can be judged; else what is wrong with it
    // (a pile without ":", a character that is no card, a level outside 3-7).
    static QString CheckState(const DealState& state);

    // The position's level must be the solver's.
    SolverAnswer Solve(const DealState& state, const SolverBudget& budget) const;

    // "winnable", "not winnable" or "undecided".
    static QString VerdictText(SolverVerdict verdict);

    struct Words;

private:
    std::shared_ptr<const Words> m_words;
    int m_level = 0;
};
