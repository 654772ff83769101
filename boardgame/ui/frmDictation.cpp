#include "boardgame/ui/frmDictation.h"

#include "boardgame/BoardTimings.h"
#include "boardgame/BoardTurn.h"
#include "boardgame/file/BoardSettings.h"
#include "boardgame/ui/BoardDie.h"
#include "boardgame/ui/BoardPause.h"
#include "boardgame/ui/BoardWidget.h"
#include "boardgame/ui/DictationLook.h"
#include "boardgame/ui/InputBlock.h"
#include "boardgame/ui/RollPanel.h"
#include "boardgame/ui/SeatPanel.h"
#include "boardgame/ui/SeatRow.h"
#include "boardgame/ui/SquareWindows.h"
#include "boardgame/ui/frmBoardStats.h"
#include "boardgame/ui/frmBordFile.h"
#include "boardgame/ui/frmGrammerWinner.h"
#include "media/ModuleMultimedia.h"
#include "shell/Logging.h"
#include "shell/MsgBox.h"
#include "shell/RandomSource.h"
#include "shell/ui/BannerRotation.h"
#include "shell/ui/FirstFrame.h"
#include "shell/ui/WebPane.h"
#include "shell/ui/WindowChrome.h"
#include "shell/ui/frmAbout.h"
#include "shell/ui/frmSplash.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <exception>

using namespace BoardTimings;
using namespace DictationLook;

frmDictation::frmDictation(std::unique_ptr<SquareWindows> squares,
                           std::unique_ptr<BoardPause> pause, QWidget* parent)
    : QWidget(parent), m_squares(std::move(squares)),
      m_pause(pause ? std::move(pause) : MakeEventLoopPause()) {
    setObjectName(QStringLiteral("frmDictation"));
    setWindowTitle(QStringLiteral("Board Game"));
    BuildControls();
    WindowChrome::MakeFrameless(this);
    ResetBoardGame();
}

frmDictation::~frmDictation() {
    FormUnload();
}

void frmDictation::BuildControls() {
    setFixedSize(kWindowWidth, kWindowHeight);
    WindowChrome::SetBackground(this, kPaper);
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSize(9);

    const WindowChrome::CaptionBar bar =
        WindowChrome::AddCaptionStrip(this, QStringLiteral("Board Game"), kCaptionHeight);
    lblFormCaption = bar.caption;
    lblClose = bar.close;
    lblFormCaption->setIndent(10); // clear of the rounded corner
    connect(bar.closeButton, &WindowChrome::LabelButton::clicked, this, &QWidget::close);

    for (int i = 0; i < MenuLabels; ++i) {
        QLabel* label = WindowChrome::MakeLabel(this, "", QLatin1String(kMenuCaptions[i]));
        label->setObjectName(QStringLiteral("lblMenu_%1").arg(i));
        label->setFont(bold);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(kMargin + 8 + i * 118, kMenuTop, 110, 22);
        connect(WindowChrome::AttachLabelButton(label), &WindowChrome::LabelButton::clicked, this,
                [this, i] { lblMenu_Click(i); });
        lblMenu << label;
    }

    board = new BoardWidget(this);
    board->move(kMargin, kBoardTop);

    // The die, the roll button and whose turn it is stand on the felt left
    // of the squares.
    roll = new RollPanel(this);
    roll->move(kMargin, kBoardTop);
    roll->raise();
    imgPlayerUp = roll->imgPlayerUp;
    lblPlayerUpName = roll->lblPlayerUpName;
    cmdDice = roll->cmdDice;
    TimerButton = roll->TimerButton;
    die = roll->die;
    imgTurnLost = roll->imgTurnLost;
    connect(cmdDice, &QPushButton::clicked, this, &frmDictation::cmdDice_Click);

    m_seats = new SeatPanel(m_game, m_board, board, this);
    m_seats->setGeometry(kMargin + BoardWidth + kMargin, kBoardTop, kSeatPanelWidth, BoardHeight);
    seats = m_seats->rows;
    for (SeatRow* row : seats) {
        connect(row, &SeatRow::Switched, this, &frmDictation::chkPlayer_Click);
        connect(row, &SeatRow::StatsWanted, this, &frmDictation::cmdStats_Click);
        connect(row, &SeatRow::TokenWanted, this, [this](int seat) {
            if (!m_turnRunning)
                m_seats->cmdToken_Click(seat);
        });
    }

    picAdds = new QWidget(this);
    picAdds->setObjectName(QStringLiteral("picAdds"));
    picAdds->setGeometry(kMargin, kBoardTop + BoardHeight + 3, kWindowWidth - 2 * kMargin,
                         kAdsHeight);
    // The pane's edges lie outside its frame, as on the table.
    WebBrowser1 = new WebPane(picAdds);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setGeometry(-1, -1, picAdds->width() + 40, picAdds->height() + 40);
    m_banner = new BannerRotation(WebBrowser1, BannerRotation::Kind::Board);
}

void frmDictation::LoadForm() {
    WebBrowser1->Navigate(QStringLiteral("About:Off-Line"));
    AdvanceAdvertisement();
    if (!isVisible())
        show();
    // The window is on the screen before the file's key is derived.
    m_firstFrame->Wait(FirstFrameWait);
    QCoreApplication::processEvents();
    if (m_closing)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool built = LoadBoard();
    QApplication::restoreOverrideCursor();
    if (!built) {
        MsgBox(NoBoardMessage(), MsgButtons::OK, QStringLiteral("Board Game"), MsgIcon::Critical,
               this);
        frmBordFile::ShowBordFile(this);
        LoadBoard();
    } else if (!m_closing) {
        frmSplash splash(this);
        splash.AdsOn2(this);
    }
}

void frmDictation::closeEvent(QCloseEvent* event) {
    // A roll or a walk under way ends at its next step; the turn goes no further.
    m_closing = true;
    m_pause->Interrupt();
    FormUnload();
    event->accept();
}

bool frmDictation::FormUnload() {
    if (m_unloaded)
        return false;
    m_unloaded = true;
    TimerButton->stop();
    SaveBoardPlayers();
    m_board.Close();
    return true;
}

// The board

QString frmDictation::NoBoardMessage() const {
    if (m_boardDamage.isEmpty())
        return QStringLiteral("No board game file found...Please set...");
    return QStringLiteral("The board game file is damaged and cannot be played:\r\n") +
           m_boardDamage + QStringLiteral("\r\nPlease set another file...");
}

bool frmDictation::LoadBoard() {
    BoardDatabase fresh;
    QList<BoardSquareRow> rows;
    m_boardDamage.clear();
    if (!OpenBoardWithLayout(fresh, rows, &m_boardDamage)) {
        if (m_board.IsOpen()) {
            // The board in play stays, and so does the setting naming its file.
            BoardSettings::SaveDataPath(m_board.FileName());
            return false;
        }
        BoardSettings::SaveDataPath(QString());
        ClearBoard();
        DisableBoard();
        return false;
    }
    const QString previousFile = m_board.FileName();
    m_board.Close();
    m_board = std::move(fresh);
    ClearBoard();
    board->LoadBoard(rows);
    m_game.SetSquareTags(SquareTags(rows));
    lblMenu[SetGameFile]->setEnabled(true);
    lblMenu[NewGame]->setEnabled(true);
    cmdDice->setEnabled(true);
    board->ArrangeTokens(BoardPosition::Start, m_game.SeatsAt(BoardPosition::Start));
    // People already seated keep their counters apart per file.
    for (int seat = 1; seat < SeatCount && m_board.FileName() != previousFile; ++seat) {
        if (m_game.SeatOn(seat))
            m_seats->LoadSeatStatus(seat);
    }
    return true;
}

void frmDictation::DisableBoard() {
    m_seats->Disable();
    cmdDice->setEnabled(false);
    lblMenu[NewGame]->setEnabled(false);
    lblMenu[SetGameFile]->setEnabled(true);
}

ClassPlayerInfo& frmDictation::SeatPlayer(int seat) {
    return m_seats->People().Player(seat);
}

void frmDictation::chkPlayer_Click(int seat) {
    DeletionGuard::Hold hold(*m_deletion);
    if (seat < 0 || seat >= SeatCount || !m_seats->chkPlayer_Click(seat, m_turnRunning))
        return;
    board->ArrangeTokens(BoardPosition::Start, m_game.SeatsAt(BoardPosition::Start));
    // Start stays pressable with a board: it says what is missing.
    roll->ShowReady(m_game.CanRoll(), m_board.IsOpen());
}

QPixmap frmDictation::Token(int seat) const {
    return m_seats->Token(seat);
}

void frmDictation::cmdStats_Click(int seat) {
    DeletionGuard::Hold hold(*m_deletion);
    if (m_turnRunning || seat < 1 || seat >= SeatCount || !m_board.IsOpen())
        return;
    frmBoardStats::LoadBoardStats(this, SeatPlayer(seat), Token(seat), *m_board.database);
}

void frmDictation::SaveBoardPlayers() {
    m_seats->SaveAll();
}

void frmDictation::PlaySound(const char* file) {
    if (!m_closing)
        ModuleMultimedia::PlaySoundEffect(0, QLatin1String(file));
}

void frmDictation::Pause(int ms, bool hurried) {
    InputBlock::Hold busy(*m_input, hurried ? std::function<void()>([this] { m_pause->Hurry(); })
                                            : std::function<void()>());
    m_pause->Wait(ms);
}

void frmDictation::cmdDice_Click() {
    DeletionGuard::Hold hold(*m_deletion);
    if (m_turnRunning || m_closing || !cmdDice->isEnabled())
        return;
    if (!m_game.CanRoll()) {
        MsgBox(QStringLiteral("Switch on at least two seats with their On/Off boxes, then press "
                              "Start.\nThe Professor can play one of them."),
               MsgButtons::OK, QStringLiteral("Board Game"), MsgIcon::Information, this);
        return;
    }
    m_turnRunning = true;
    TurnStep step = m_turn.Begin();
    try {
        while (!m_closing && step.kind != TurnStepKind::AwaitRoll)
            step = CarryOut(step);
        if (step.kind == TurnStepKind::AwaitRoll && !m_closing && m_game.CanRoll()) {
            cmdDice->setEnabled(true);
            cmdDice->setFocus();
        }
    } catch (const std::exception& e) {
        // A failure inside a turn ends the turn; the roll button stays as it was.
        qCWarning(lcMordaventa) << "the turn stopped:" << e.what();
    }
    m_turnRunning = false;
}

TurnStep frmDictation::CarryOut(const TurnStep& step) {
    const int seat = step.seat;
    switch (step.kind) {
    case TurnStepKind::Roll: {
        ShowTurnBegins(seat);
        const int value = RollDice(step.faces);
        if (m_closing)
            return {};
        const TurnStep next = m_turn.Rolled(value);
        if (next.kind == TurnStepKind::Walk)
            cmdDice->setText(QStringLiteral("Moving..."));
        return next;
    }
    case TurnStepKind::Jump:
        PlaySound(kAlertSound);
        Pause(JumpAlertPause);
        [[fallthrough]];
    case TurnStepKind::Walk:
        CarryOutWalk(step.walk);
        return m_closing ? TurnStep{} : m_turn.Walked();
    case TurnStepKind::Ask: {
        const bool right = m_seats->Ask(*m_squares, seat, step.square);
        return m_closing ? TurnStep{} : m_turn.Answered(right);
    }
    case TurnStepKind::ProfessorAnswer: {
        roll->ShowProfessorAnswer(step.square.rule == SquareRule::Spelling,
                                  board->lblBoardCaption.value(m_game.Position(seat))->text(),
                                  step.right);
        Pause(ProfessorAnswerPause, true); // read while the token stands
        roll->HideProfessorAnswer();
        return m_closing ? TurnStep{} : m_turn.Answered(step.right);
    }
    case TurnStepKind::TurnLost:
        PlaySound(kMistakeSound);
        roll->ShowTurnLost(Token(seat));
        [[fallthrough]];
    case TurnStepKind::Pass:
        roll->ShowNextPlayer(Token(m_game.CurrentSeat()), step.announce);
        ShowPlayerUp(m_game.CurrentSeat());
        if (step.mark)
            PlaySound(kMarkSound);
        AdvanceAdvertisement(step.advertisements);
        return m_turn.Passed();
    case TurnStepKind::Win:
        frmGrammerWinner::GameWon(this, Token(seat), m_seats->NickName(seat));
        SaveBoardPlayers();
        QCoreApplication::processEvents();
        PlayAgain(); // the players stay seated for the next game
        AdvanceAdvertisement(step.advertisements);
        return {};
    case TurnStepKind::ProfessorRoll:
        Pause(ProfessorPause);
        return m_turn.Begin();
    case TurnStepKind::AwaitRoll:
        return step;
    }
    return {};
}

void frmDictation::ShowTurnBegins(int seat) {
    lblMenu[SetGameFile]->setEnabled(false);
    m_seats->Lock();
    roll->ShowRolling(Token(seat));
    ShowPlayerUp(seat);
}

int frmDictation::RollDice(int faces) {
    InputBlock::Hold busy(*m_input);
    RandomSource& random = RandomSource::instance();
    random.randomize();
    return die->Roll(faces, random, [this](bool drawn) {
        if (!drawn)
            return PlaySound(kDiceSound), !m_closing;
        QCoreApplication::processEvents();
        Pause(DieRoundPause);
        return !m_closing;
    });
}

void frmDictation::CarryOutWalk(const TokenWalk& walk) {
    if (m_closing || walk.seat < 0)
        return;
    InputBlock::Hold busy(*m_input);
    board->WalkToken(
        walk, [this](int position) { return m_game.SeatsAt(position); },
        [this](bool squareStarts) {
            if (squareStarts)
                PlaySound(kMoveSound);
            Pause(WalkPause);
            return !m_closing;
        });
}

void frmDictation::ResetBoardGame() {
    // The records were saved by whoever reset the game; the seats are empty now.
    m_seats->ResetSeats();
    m_game.ResetBoardGame();
    lblMenu[SetGameFile]->setEnabled(true);
    roll->ShowStart();
    cmdDice->setEnabled(m_board.IsOpen());
    AdvanceAdvertisement();
}

void frmDictation::AdvanceAdvertisement(int times) {
    for (int i = 0; i < times; ++i) {
        m_banner->RunAds();
        Q_EMIT AdvertisementAdvanced();
    }
}

void frmDictation::lblMenu_Click(int index) {
    DeletionGuard::Hold hold(*m_deletion);
    if (m_turnRunning || index < 0 || index >= lblMenu.size() || !lblMenu[index]->isEnabled())
        return;
    switch (index) {
    case NewGame:
        // Ending a game under way takes every seat's place on the board.
        if (m_game.GameBegun() &&
            MsgBox(QStringLiteral("End the game in play and switch every seat off?\nThe answers "
                                  "given so far are kept."),
                   MsgButtons::YesNo, QStringLiteral("New Game"), MsgIcon::Question,
                   this) != MsgAnswer::Yes)
            return;
        SaveBoardPlayers();
        QCoreApplication::processEvents();
        ResetBoardGame();
        lblMenu[SetGameFile]->setEnabled(true);
        return;
    case About:
        frmAbout::ShowAbout(this);
        return;
    case SetGameFile:
        // The board is built again from whatever file the manager left current.
        frmBordFile::ShowBordFile(this);
        if (!LoadBoard())
            MsgBox(NoBoardMessage(), MsgButtons::OK, QStringLiteral("Board Game"),
                   MsgIcon::Critical, this);
        return;
    case Vantorell:
        QApplication::setOverrideCursor(Qt::WaitCursor);
        hide();
        FormUnload();
        QCoreApplication::processEvents();
        Q_EMIT SolitaireRequested();
        QApplication::restoreOverrideCursor();
        close();
        return;
    case ClassReport:
        // The seats' latest answers are saved first, so the report has them.
        SaveBoardPlayers();
        Q_EMIT ClassReportRequested();
        return;
    default:
        return;
    }
}

void frmDictation::ShowPlayerUp(int seat) {
    roll->ShowPlayerUp(seat < 0 ? QPixmap() : Token(seat), m_seats->NickName(seat));
}

void frmDictation::PlayAgain() {
    m_seats->PlayAgain();
    board->ArrangeTokens(BoardPosition::Start, m_game.SeatsAt(BoardPosition::Start));
    lblMenu[SetGameFile]->setEnabled(true);
    roll->ShowStart();
    roll->ShowReady(m_game.CanRoll(), true);
    AdvanceAdvertisement();
}
