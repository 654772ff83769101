#include "table/WinnableWatch.h"

#include "engine/ClDictionary.h"

#include <QCoreApplication>

WinnableWatch::WinnableWatch(const ClDictionary& words, QObject* parent)
    : QObject(parent), m_words(words), m_cancel(std::make_shared<std::atomic<bool>>(false)) {
    // One search at a time: a dropped one ends within a few hundred
    // positions, and the next waits for it.
    m_pool.setMaxThreadCount(1);
}

WinnableWatch::~WinnableWatch() {
    m_cancel->store(true);
    m_pool.waitForDone();
}

std::shared_ptr<const DealSolver> WinnableWatch::SolverFor(int level) {
    auto& solver = m_solvers[level];
    if (!solver)
        solver = std::make_shared<const DealSolver>(m_words, level);
    return solver;
}

void WinnableWatch::Ask(const DealState& state, const std::optional<SolverMove>& move) {
    const quint64 request = ++m_request;
    m_cancel->store(true);
    m_cancel = std::make_shared<std::atomic<bool>>(false);

    // A game that could not be won cannot be won after another move, and a
    // move that follows the known winning line keeps it winnable.
    if (move && m_known.request + 1 == request) {
        if (m_known.verdict == SolverVerdict::NotWinnable) {
            Deliver(request, SolverAnswer{SolverVerdict::NotWinnable, {}, 0}, move);
            return;
        }
        if (m_known.verdict == SolverVerdict::Winnable && !m_known.moves.isEmpty() &&
            m_known.moves.first() == *move) {
            Deliver(request, SolverAnswer{SolverVerdict::Winnable, m_known.moves.mid(1), 0}, move);
            return;
        }
    }
    if (!DealSolver::CheckState(state).isEmpty()) {
        Deliver(request, SolverAnswer{}, move);
        return;
    }
    std::shared_ptr<const DealSolver> solver = SolverFor(state.level);
    std::shared_ptr<std::atomic<bool>> cancel = m_cancel;
    m_pool.start([this, solver, cancel, state, request, move] {
        SolverBudget budget;
        budget.milliseconds = kBudgetMs;
        budget.cancel = cancel.get();
        const SolverAnswer answer = solver->Solve(state, budget);
        QMetaObject::invokeMethod(
            this, [this, request, answer, move] { Deliver(request, answer, move); },
            Qt::QueuedConnection);
    });
}

void WinnableWatch::Stop() {
    ++m_request;
    m_cancel->store(true);
    m_known = Known{};
    m_mark = Mark::None;
    emit Answered(m_mark, QString());
}

bool WinnableWatch::WaitForAnswer(int ms) {
    const bool done = m_pool.waitForDone(ms);
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    return done;
}

void WinnableWatch::Deliver(quint64 request, const SolverAnswer& answer,
                            const std::optional<SolverMove>& move) {
    const bool lostNow = answer.verdict == SolverVerdict::NotWinnable &&
                         m_known.request + 1 == request &&
                         m_known.verdict == SolverVerdict::Winnable;
    // An answer to an older request still tells the next one where it came
    // from; a search dropped unfinished tells nothing.
    if (answer.verdict != SolverVerdict::Undecided && request > m_known.request)
        m_known = Known{request, answer.verdict, answer.moves};
    if (request != m_request)
        return;
    switch (answer.verdict) {
    case SolverVerdict::Winnable:
        m_mark = Mark::Winnable;
        break;
    case SolverVerdict::NotWinnable:
        m_mark = Mark::Lost;
        break;
    case SolverVerdict::Undecided:
        m_mark = Mark::Unknown;
        break;
    }
    emit Answered(m_mark, MarkText(m_mark, lostNow ? move : std::nullopt));
}

QString WinnableWatch::MarkText(Mark mark, const std::optional<SolverMove>& lostBy) {
    switch (mark) {
    case Mark::None:
        break;
    case Mark::Winnable:
        return QStringLiteral("Can still be won");
    case Mark::Unknown:
        return QStringLiteral("Not known if it can still be won");
    case Mark::Lost:
        if (!lostBy)
            return QStringLiteral("Cannot be won any more");
        if (lostBy->kind == SolverMove::Kind::Draw)
            return QStringLiteral("Cannot be won any more: the last draw lost it");
        return QStringLiteral("Cannot be won any more: the %1 on pile %2 lost it")
            .arg(lostBy->letter.toUpper())
            .arg(lostBy->pile);
    }
    return QString();
}
