#include "boardgame/BoardTurn.h"

TurnStep BoardTurn::Begin() {
    TurnStep step;
    m_seat = m_game.CurrentSeat();
    if (!m_game.CanRoll() || m_seat < 0)
        return step;
    m_game.BeginTurn();
    m_jumps = 0;
    step.kind = TurnStepKind::Roll;
    step.seat = m_seat;
    step.faces = m_game.Faces(m_seat);
    return step;
}

TurnStep BoardTurn::Rolled(int value) {
    m_rolled = value;
    TurnStep step;
    step.seat = m_seat;
    if (BoardGame::IsTurnLost(value)) {
        m_game.NextPlayer();
        step.kind = TurnStepKind::TurnLost;
        step.announce = true;
        return step;
    }
    step.kind = TurnStepKind::Walk;
    step.walk = m_game.MoveForward(m_seat, value);
    m_afterWalk = AfterWalk::Land;
    return step;
}

TurnStep BoardTurn::Walked() {
    if (m_afterWalk == AfterWalk::Land)
        return Land();
    return PassTurn(true, true, m_jumps);
}

TurnStep BoardTurn::Answered(bool right) {
    if (right)
        return PassTurn(true, true, m_jumps);
    // The square the token goes back to does nothing.
    TurnStep step;
    step.kind = TurnStepKind::Walk;
    step.seat = m_seat;
    step.walk = m_game.MoveBack(m_seat, m_rolled);
    m_afterWalk = AfterWalk::Pass;
    return step;
}

TurnStep BoardTurn::Passed() const {
    TurnStep step;
    step.seat = m_game.CurrentSeat();
    if (m_game.CanRoll() && BoardGame::IsProfessor(step.seat)) {
        step.kind = TurnStepKind::ProfessorRoll;
        step.faces = m_game.Faces(step.seat);
    }
    return step;
}

TurnStep BoardTurn::Land() {
    const SquareAction action = m_game.LandOnSquare();
    TurnStep step;
    step.seat = m_seat;
    step.square = action;
    switch (action.rule) {
    case SquareRule::Jump:
        ++m_jumps;
        step.kind = TurnStepKind::Jump;
        step.walk = action.jump < 0 ? m_game.MoveBack(m_seat, -action.jump)
                                    : m_game.MoveForward(m_seat, action.jump);
        m_afterWalk = AfterWalk::Land;
        return step;
    case SquareRule::Question:
    case SquareRule::Spelling:
        // Nobody asks the Professor: it knows every answer and keeps its square.
        step.kind = action.asked ? TurnStepKind::Ask : TurnStepKind::ProfessorAnswer;
        return step;
    case SquareRule::Plain:
        return PassTurn(true, true, m_jumps + 1);
    case SquareRule::Start:
        return PassTurn(false, false, m_jumps + 1);
    case SquareRule::Finish:
        step.kind = TurnStepKind::Win;
        step.advertisements = m_jumps;
        return step;
    }
    return step;
}

TurnStep BoardTurn::PassTurn(bool mark, bool announce, int advertisements) {
    TurnStep step;
    step.kind = TurnStepKind::Pass;
    step.seat = m_seat;
    step.mark = mark;
    step.announce = announce;
    step.advertisements = advertisements;
    m_game.NextPlayer();
    return step;
}
