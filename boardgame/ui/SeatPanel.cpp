#include "boardgame/ui/SeatPanel.h"

#include "boardgame/BoardDatabase.h"
#include "boardgame/BoardGame.h"
#include "boardgame/BoardTimings.h"
#include "boardgame/ui/BoardPictures.h"
#include "boardgame/ui/BoardWidget.h"
#include "boardgame/ui/DictationLook.h"
#include "boardgame/ui/SeatRow.h"
#include "boardgame/ui/SquareWindows.h"
#include "boardgame/ui/frmChooseToken.h"
#include "players/ui/PlayerFileMessages.h"
#include "players/ui/frmLogin.h"
#include "shell/MsgBox.h"
#include "shell/ui/WindowChrome.h"

#include <QCheckBox>
#include <QComboBox>
#include <QVBoxLayout>

#include <array>

using namespace BoardTimings;

SeatPanel::SeatPanel(BoardGame& game, const BoardDatabase& database, BoardWidget* board,
                     QWidget* window)
    : QWidget(window), m_game(game), m_database(database), m_board(board), m_people(game) {
    setObjectName(QStringLiteral("picSeats"));
    WindowChrome::SetBackground(this, DictationLook::kFelt);
    setStyleSheet(QStringLiteral("QCheckBox { color: #fff8dc; font-weight: bold; }"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 4, 2, 4);
    column->setSpacing(2);
    for (int seat = 0; seat < SeatCount; ++seat) {
        rows << new SeatRow(seat, this);
        column->addWidget(rows.last());
        connect(rows.last(), &SeatRow::TurnLostChosen, this,
                [this](int s, int faces) { m_game.SetTurnLostFaces(s, faces); });
    }
}

QPixmap SeatPanel::Token(int seat) const {
    return BoardPicture(m_people.TokenKey(seat));
}

bool SeatPanel::chkPlayer_Click(int seat, bool turnRunning) {
    SeatRow* row = rows[seat];
    if (row->chkPlayerTag == QLatin1String("Loading"))
        return false;
    if (turnRunning || m_game.GameBegun()) {
        row->chkPlayer->setChecked(m_game.SeatOn(seat));
        return false;
    }
    if (row->chkPlayer->isChecked() && seat != ProfessorSeat && !LogIn(seat))
        row->chkPlayer->setChecked(false);
    if (row->chkPlayer->isChecked())
        ShowSeatOn(seat);
    else
        ShowSeatOff(seat);
    return true;
}

bool SeatPanel::LogIn(int seat) {
    SeatRow* row = rows[seat];
    row->chkPlayerTag = QStringLiteral("Loading");
    bool seated =
        frmLogin::LoadLogin(window(), &m_people.Player(seat), QLatin1String(kModeBoardGame));
    if (seated) {
        const QString nickName = m_people.Player(seat).NickName;
        const int other = m_people.TakeSeat(seat);
        seated = other < 0;
        if (!seated)
            MsgBox(nickName + QStringLiteral(" already sits on the seat of ") +
                       QLatin1String(SeatName[size_t(other)]) +
                       QStringLiteral(".\nEvery player can take one seat only."),
                   MsgButtons::OK, QStringLiteral("Board Game"), MsgIcon::Exclamation, window());
    }
    if (seated) {
        LoadSeatStatus(seat);
        ChooseSeatToken(seat, false);
    }
    row->chkPlayerTag.clear();
    return seated;
}

void SeatPanel::LoadSeatStatus(int seat) {
    if (m_database.IsOpen())
        LoadBoardStatus(*m_database.database, m_database.FileName(), m_people.Player(seat));
}

void SeatPanel::ShowSeatOn(int seat) {
    m_game.SwitchSeat(seat, true);
    rows[seat]->ShowOn();
    ShowSeatPlayer(seat);
    if (seat != ProfessorSeat)
        rows[seat]->SetLevel(ItemLevels::ForPlayerType(m_people.Player(seat).PlayerType));
    m_board->ShowToken(seat, true);
}

void SeatPanel::ShowSeatOff(int seat) {
    if (seat != ProfessorSeat)
        ShowUnwritten(m_people.Leave(seat));
    m_game.SwitchSeat(seat, false);
    rows[seat]->ShowOff();
    m_board->ShowToken(seat, false);
}

void SeatPanel::ChooseSeatToken(int seat, bool ask) {
    if (!ask && !m_people.RememberedToken(seat).isEmpty())
        return;
    m_people.ChooseToken(seat, frmChooseToken::ChooseToken(window(), m_people.Player(seat).NickName,
                                                           m_people.ProposedToken(seat),
                                                           m_people.TakenTokens(seat)));
}

void SeatPanel::cmdToken_Click(int seat) {
    if (seat < 1 || seat >= SeatCount || m_game.GameBegun() || !m_game.SeatOn(seat))
        return;
    ChooseSeatToken(seat, true);
    ShowSeatPlayer(seat);
}

void SeatPanel::ShowSeatPlayer(int seat) {
    const QPixmap token = Token(seat);
    m_board->imgBoardPlayer[size_t(seat)]->setPixmap(token);
    if (seat != ProfessorSeat)
        rows[seat]->ShowPlayer(NickName(seat), token);
}

bool SeatPanel::Ask(SquareWindows& squares, int seat, const SquareAction& square) {
    if (!m_database.IsOpen())
        return true;
    SeatRow* row = rows[seat];
    if (square.rule == SquareRule::Question)
        return squares.LoadQuestion(window(), square.tag, Token(seat), *m_database.database,
                                    m_people.Player(seat), row->Level());
    return squares.LoadSpelling(window(), square.tag, Token(seat),
                                row->cboPlayerChance->currentText(), *m_database.database,
                                m_people.Player(seat), row->Level());
}

void SeatPanel::SaveAll() {
    ShowUnwritten(m_people.SaveAll());
}

void SeatPanel::ShowUnwritten(const QStringList& nickNames) {
    for (const QString& name : nickNames)
        ShowPlayerFileNotWritten(name, window());
}

void SeatPanel::ResetSeats() {
    for (SeatRow* row : rows) {
        row->ShowOff();
        m_board->ShowToken(row->Seat(), false);
        row->chkPlayer->setChecked(false);
        row->chkPlayer->setEnabled(true);
    }
    m_people.ReleaseAll();
}

void SeatPanel::PlayAgain() {
    std::array<bool, SeatCount> on{};
    for (int seat = 0; seat < SeatCount; ++seat)
        on[size_t(seat)] = m_game.SeatOn(seat);
    m_game.ResetBoardGame();
    for (SeatRow* row : rows) {
        const int seat = row->Seat();
        m_board->ShowToken(seat, false);
        row->chkPlayer->setEnabled(true);
        if (on[size_t(seat)])
            ShowSeatOn(seat);
    }
}

void SeatPanel::Lock() {
    for (SeatRow* row : rows)
        row->Lock();
}

void SeatPanel::Disable() {
    for (SeatRow* row : rows)
        row->chkPlayer->setEnabled(false);
}
