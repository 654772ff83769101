#include "boardgame/BoardGame.h"

#include "boardgame/file/BoardSchema.h"
#include "shell/RandomSource.h"

#include <algorithm>

BoardGame::BoardGame() {
    SetSquareTags({});
}

void BoardGame::SetSquareTags(const QStringList& squares) {
    m_tags[BoardPosition::Start] = QLatin1String(kStartTag);
    for (int i = 1; i <= BoardPosition::LastSquare; ++i) {
        const QString code = squares.value(i - 1);
        m_tags[size_t(i)] = code.isEmpty() ? QString::number(SquareCode::Plain) : code;
    }
    m_tags[BoardPosition::Finish] = QLatin1String(kFinishTag);
}

QString BoardGame::SquareTag(int position) const {
    if (position < BoardPosition::Start || position > BoardPosition::Finish)
        return {};
    return m_tags[size_t(position)];
}

bool BoardGame::SwitchSeat(int seat, bool on) {
    if (!ValidSeat(seat) || m_begun)
        return false;
    Seat& s = m_seats[size_t(seat)];
    s.on = on;
    s.position = on ? BoardPosition::Start : BoardPosition::None;
    s.turnLostFaces = 0;
    m_seatCount = 0;
    m_current = -1;
    for (int i = 0; i < BoardSeats::SeatCount; ++i) {
        if (!m_seats[size_t(i)].on)
            continue;
        ++m_seatCount;
        if (m_current < 0)
            m_current = i;
    }
    return true;
}

bool BoardGame::SeatOn(int seat) const {
    return ValidSeat(seat) && m_seats[size_t(seat)].on;
}

int BoardGame::Position(int seat) const {
    return ValidSeat(seat) ? m_seats[size_t(seat)].position : BoardPosition::None;
}

void BoardGame::SetTurnLostFaces(int seat, int faces) {
    if (ValidSeat(seat))
        m_seats[size_t(seat)].turnLostFaces = std::clamp(faces, 0, BoardSeats::MaxTurnLostFaces);
}

int BoardGame::Faces(int seat) const {
    return 6 + (ValidSeat(seat) ? m_seats[size_t(seat)].turnLostFaces : 0);
}

QList<int> BoardGame::SeatsAt(int position) const {
    QList<int> seats;
    for (int i = 0; i < BoardSeats::SeatCount; ++i) {
        if (m_seats[size_t(i)].on && m_seats[size_t(i)].position == position)
            seats << i;
    }
    return seats;
}

void BoardGame::BeginTurn() {
    m_begun = true;
    m_visited.clear();
}

int BoardGame::DrawDie(int faces, RandomSource& random) {
    if (faces < 1)
        return 1;
    // A source that ever returned 1.0 must still give a face of the die.
    return std::min(int(faces * random.next()) + 1, faces);
}

TokenWalk BoardGame::Walk(int seat, int to) {
    TokenWalk walk;
    walk.seat = seat;
    if (!ValidSeat(seat) || !m_seats[size_t(seat)].on)
        return walk;
    Seat& s = m_seats[size_t(seat)];
    walk.from = s.position;
    walk.to = std::clamp(to, int(BoardPosition::Start), int(BoardPosition::Finish));
    const int direction = walk.to > walk.from ? 1 : -1;
    for (int p = walk.from; p != walk.to;) {
        p += direction;
        walk.squares << p;
    }
    s.position = walk.to;
    return walk;
}

TokenWalk BoardGame::MoveForward(int seat, int steps) {
    return Walk(seat, Position(seat) + std::max(steps, 0));
}

TokenWalk BoardGame::MoveBack(int seat, int steps) {
    return Walk(seat, Position(seat) - std::max(steps, 0));
}

SquareAction BoardGame::LandOnSquare() {
    SquareAction action;
    const int position = Position(m_current);
    action.tag = SquareTag(position);
    const bool person = SeatOn(m_current) && !IsProfessor(m_current);
    if (!SeatOn(m_current)) {
        action.rule = SquareRule::Plain;
        return action;
    }
    if (!m_visited.contains(position))
        m_visited << position;
    if (action.tag == QLatin1String(kStartTag)) {
        action.rule = SquareRule::Start;
        return action;
    }
    if (action.tag == QLatin1String(kFinishTag)) {
        action.rule = SquareRule::Finish;
        return action;
    }
    bool isNumber = false;
    const int code = action.tag.toInt(&isNumber);
    if (isNumber && code <= SquareCode::Back1 && code >= SquareCode::Lowest) {
        // -5 to -8 go back 1 to 4; -9 to -12 go forward 1 to 4.
        const int jump = code >= SquareCode::Back1 - 3 ? -(SquareCode::Back1 - code + 1)
                                                       : SquareCode::Forward1 - code + 1;
        const int target =
            std::clamp(position + jump, int(BoardPosition::Start), int(BoardPosition::Finish));
        // Jumps are followed until the next would land where the token has
        // already been this turn: there it stops, for every seat alike.
        if (m_visited.contains(target)) {
            action.rule = SquareRule::Plain;
            return action;
        }
        m_visited << target;
        action.rule = SquareRule::Jump;
        action.jump = jump;
        return action;
    }
    if (isNumber && code == SquareCode::Plain) {
        action.rule = SquareRule::Plain;
        return action;
    }
    if (isNumber && code <= SquareCode::SpellEasy && code >= SquareCode::SpellHard) {
        action.rule = SquareRule::Spelling;
        action.asked = person;
        return action;
    }
    // Anything else is a question square.
    action.rule = SquareRule::Question;
    action.asked = person;
    return action;
}

int BoardGame::NextPlayer() {
    int next = -1;
    for (int i = m_current + 1; i < BoardSeats::SeatCount && next < 0; ++i) {
        if (m_seats[size_t(i)].on)
            next = i;
    }
    for (int i = 0; i < BoardSeats::SeatCount && next < 0; ++i) {
        if (m_seats[size_t(i)].on)
            next = i;
    }
    m_current = next;
    m_visited.clear();
    return m_current;
}

void BoardGame::ResetBoardGame() {
    m_seats = {};
    m_current = -1;
    m_seatCount = 0;
    m_begun = false;
    m_visited.clear();
}
