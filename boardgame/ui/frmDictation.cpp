#include "boardgame/ui/frmDictation.h"

#include "boardgame/BoardPlayers.h"
#include "boardgame/BoardTimings.h"
#include "boardgame/BoardTurn.h"
#include "boardgame/file/BoardSettings.h"
#include "boardgame/ui/BoardDie.h"
#include "boardgame/ui/BoardPause.h"
#include "boardgame/ui/BoardPictures.h"
#include "boardgame/ui/BoardWidget.h"
#include "boardgame/ui/DictationLook.h"
#include "boardgame/ui/InputBlock.h"
#include "boardgame/ui/RollPanel.h"
#include "boardgame/ui/SeatRow.h"
#include "boardgame/ui/SquareWindows.h"
#include "boardgame/ui/frmBoardStats.h"
#include "boardgame/ui/frmBordFile.h"
#include "boardgame/ui/frmChooseToken.h"
#include "boardgame/ui/frmGrammerWinner.h"
#include "media/ModuleMultimedia.h"
#include "players/ui/PlayerFileMessages.h"
#include "players/ui/frmLogin.h"
#include "shell/Logging.h"
#include "shell/MsgBox.h"
#include "shell/RandomSource.h"
#include "shell/ui/BannerRotation.h"
#include "shell/ui/WebPane.h"
#include "shell/ui/WindowChrome.h"
#include "shell/ui/frmAbout.h"
#include "shell/ui/frmSplash.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <exception>

using namespace BoardTimings;
using namespace DictationLook;

void frmDictation::paintEvent(QPaintEvent* event) {
    // Notes the first frame, which LoadForm waits for before opening the file.
    if (!m_painted) {
        m_painted = true;
        if (m_waitingForFrame)
            m_waitingForFrame->quit();
    }
    QWidget::paintEvent(event);
}

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

    seats = SeatRow::BuildPanel(
        this, QRect(kMargin + BoardWidth + kMargin, kBoardTop, kSeatPanelWidth, BoardHeight),
        kFelt);
    for (SeatRow* row : seats) {
        connect(row, &SeatRow::Switched, this, &frmDictation::chkPlayer_Click);
        connect(row, &SeatRow::StatsWanted, this, &frmDictation::cmdStats_Click);
        connect(row, &SeatRow::TokenWanted, this, &frmDictation::cmdToken_Click);
        connect(row, &SeatRow::TurnLostChosen, this,
                [this](int s, int faces) { m_game.SetTurnLostFaces(s, faces); });
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
    // The window is on the screen before the file's key is derived. A window
    // system that maps windows in its own time needs more than one pass of
    // the events for that; a short limit keeps a window that is never
    // painted from waiting.
    if (!m_painted) {
        QEventLoop frame;
        m_waitingForFrame = &frame;
        QTimer::singleShot(FirstFrameWait, &frame, &QEventLoop::quit);
        frame.exec();
        m_waitingForFrame = nullptr;
    }
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
            LoadSeatStatus(seat);
    }
    return true;
}

void frmDictation::DisableBoard() {
    for (SeatRow* row : seats)
        row->chkPlayer->setEnabled(false);
    cmdDice->setEnabled(false);
    lblMenu[NewGame]->setEnabled(false);
    lblMenu[SetGameFile]->setEnabled(true);
}

ClassPlayerInfo& frmDictation::SeatPlayer(int seat) {
    return m_players[size_t(qBound(1, seat, PeopleSeats) - 1)];
}

void frmDictation::LoadSeatStatus(int seat) {
    if (m_board.IsOpen())
        LoadBoardStatus(*m_board.database, m_board.FileName(), SeatPlayer(seat));
}

void frmDictation::chkPlayer_Click(int seat) {
    DeletionGuard::Hold hold(*m_deletion);
    if (seat < 0 || seat >= SeatCount)
        return;
    SeatRow* row = seats[seat];
    if (row->chkPlayerTag == QLatin1String("Loading"))
        return;
    if (m_turnRunning || m_game.GameBegun()) {
        row->chkPlayer->setChecked(m_game.SeatOn(seat));
        return;
    }
    if (row->chkPlayer->isChecked() && seat != ProfessorSeat) {
        row->chkPlayerTag = QStringLiteral("Loading");
        if (frmLogin::LoadLogin(this, &SeatPlayer(seat), QLatin1String(kModeBoardGame)) &&
            SeatFree(seat)) {
            m_unsaved.TakeBack(SeatPlayer(seat));
            LoadSeatStatus(seat);
            ChooseSeatToken(seat, false);
        } else
            row->chkPlayer->setChecked(false);
        row->chkPlayerTag.clear();
    }
    if (row->chkPlayer->isChecked())
        ShowSeatOn(seat);
    else
        ShowSeatOff(seat);
    board->ArrangeTokens(BoardPosition::Start, m_game.SeatsAt(BoardPosition::Start));
    // Start stays pressable with a board: it says what is missing.
    roll->ShowReady(m_game.CanRoll(), m_board.IsOpen());
}

QPixmap frmDictation::Token(int seat) const {
    if (seat >= 1 && seat < SeatCount && PeopleTokens().contains(m_players[size_t(seat - 1)].Token))
        return BoardPicture(m_players[size_t(seat - 1)].Token);
    return SeatPicture(seat);
}

void frmDictation::ShowSeatOn(int seat) {
    m_game.SwitchSeat(seat, true);
    seats[seat]->ShowOn();
    ShowSeatPlayer(seat);
    if (seat != ProfessorSeat)
        seats[seat]->SetLevel(ItemLevels::ForPlayerType(SeatPlayer(seat).PlayerType));
    board->ShowToken(seat, true);
}

void frmDictation::ShowSeatOff(int seat) {
    if (seat != ProfessorSeat) {
        ClassPlayerInfo& player = SeatPlayer(seat);
        ShowUnwritten(m_unsaved.Save({&player}));
        // The record leaves with its person: a later save of this seat must
        // not write an old copy over what the person did on another seat.
        m_unsaved.Release(player);
    }
    m_game.SwitchSeat(seat, false);
    seats[seat]->ShowOff();
    board->ShowToken(seat, false);
}

void frmDictation::cmdStats_Click(int seat) {
    DeletionGuard::Hold hold(*m_deletion);
    if (m_turnRunning || seat < 1 || seat >= SeatCount || !m_board.IsOpen())
        return;
    frmBoardStats::LoadBoardStats(this, SeatPlayer(seat), Token(seat), *m_board.database);
}

void frmDictation::SaveBoardPlayers() {
    QList<ClassPlayerInfo*> records;
    for (ClassPlayerInfo& player : m_players)
        records << &player;
    ShowUnwritten(m_unsaved.Save(records));
}

void frmDictation::PlaySound(const char* file) {
    if (!m_closing)
        ModuleMultimedia::PlaySoundEffect(0, QLatin1String(file));
}

void frmDictation::Pause(int ms) {
    InputBlock::Hold busy(*m_input);
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
        if (!m_board.IsOpen())
            return m_turn.Answered(true);
        const bool right =
            step.square.rule == SquareRule::Question
                ? m_squares->LoadQuestion(this, step.square.tag, Token(seat), *m_board.database,
                                          SeatPlayer(seat), seats[seat]->Level())
                : m_squares->LoadSpelling(this, step.square.tag, Token(seat),
                                          seats[seat]->cboPlayerChance->currentText(),
                                          *m_board.database, SeatPlayer(seat),
                                          seats[seat]->Level());
        return m_closing ? TurnStep{} : m_turn.Answered(right);
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
        frmGrammerWinner::GameWon(this, Token(seat), SeatNickName(seat));
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
    for (SeatRow* row : seats)
        row->Lock();
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
    for (SeatRow* row : seats) {
        row->ShowOff();
        board->ShowToken(row->Seat(), false);
        row->chkPlayer->setChecked(false);
        row->chkPlayer->setEnabled(true);
    }
    // The records were saved by whoever reset the game; the seats are empty now.
    for (ClassPlayerInfo& player : m_players)
        m_unsaved.Release(player);
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

// ---------------------------------------------------------------------------
// Who sits where

bool frmDictation::SeatFree(int seat) {
    QList<const ClassPlayerInfo*> seated{nullptr}; // index = seat; the Professor has no record
    for (const ClassPlayerInfo& player : m_players)
        seated << &player;
    const int other = SeatOfPlayer(seated, SeatPlayer(seat), seat);
    if (other < 0)
        return true;
    // Two records of one file: whichever is saved last would wipe the other's answers.
    MsgBox(SeatPlayer(seat).NickName + QStringLiteral(" already sits on the seat of ") +
               QLatin1String(SeatName[size_t(other)]) +
               QStringLiteral(".\nEvery player can take one seat only."),
           MsgButtons::OK, QStringLiteral("Board Game"), MsgIcon::Exclamation, this);
    SeatPlayer(seat) = ClassPlayerInfo();
    return false;
}

QStringList frmDictation::TakenTokens(int seat) const {
    QStringList taken;
    for (int other = 1; other < SeatCount; ++other) {
        const QString& token = m_players[size_t(other - 1)].Token;
        if (other != seat && m_game.SeatOn(other) && !token.isEmpty())
            taken << token;
    }
    return taken;
}

void frmDictation::ChooseSeatToken(int seat, bool ask) {
    ClassPlayerInfo& player = SeatPlayer(seat);
    const QStringList taken = TakenTokens(seat);
    const QString remembered = RememberedToken(player, taken);
    if (!ask && !remembered.isEmpty())
        return;
    const QString proposed =
        FirstFreeToken({player.Token, QLatin1String(SeatPictureKeys[size_t(seat)])}, taken);
    const QString chosen = frmChooseToken::ChooseToken(this, player.NickName, proposed, taken);
    // Closing the picker takes the picture it proposed.
    player.Token = chosen.isEmpty() ? proposed : chosen;
}

void frmDictation::cmdToken_Click(int seat) {
    if (seat < 1 || seat >= SeatCount || m_turnRunning || m_game.GameBegun() ||
        !m_game.SeatOn(seat))
        return;
    ChooseSeatToken(seat, true);
    ShowSeatPlayer(seat);
}

QString frmDictation::SeatNickName(int seat) const {
    if (seat >= 1 && seat < SeatCount && !m_players[size_t(seat - 1)].NickName.isEmpty())
        return m_players[size_t(seat - 1)].NickName;
    return seat >= 0 && seat < SeatCount ? QLatin1String(SeatName[size_t(seat)]) : QString();
}

void frmDictation::ShowSeatPlayer(int seat) {
    const QPixmap token = Token(seat);
    board->imgBoardPlayer[size_t(seat)]->setPixmap(token);
    if (seat != ProfessorSeat)
        seats[seat]->ShowPlayer(SeatNickName(seat), token);
}

void frmDictation::ShowPlayerUp(int seat) {
    if (seat < 0) {
        imgPlayerUp->clear();
        lblPlayerUpName->clear();
        return;
    }
    imgPlayerUp->setPixmap(Token(seat));
    lblPlayerUpName->setText(SeatNickName(seat));
}

void frmDictation::ShowUnwritten(const QStringList& nickNames) {
    for (const QString& name : nickNames)
        ShowPlayerFileNotWritten(name, this);
}

void frmDictation::PlayAgain() {
    std::array<bool, SeatCount> on{};
    for (int seat = 0; seat < SeatCount; ++seat)
        on[size_t(seat)] = m_game.SeatOn(seat);
    m_game.ResetBoardGame();
    for (SeatRow* row : seats) {
        const int seat = row->Seat();
        board->ShowToken(seat, false);
        row->chkPlayer->setEnabled(true);
        if (on[size_t(seat)])
            ShowSeatOn(seat);
    }
    board->ArrangeTokens(BoardPosition::Start, m_game.SeatsAt(BoardPosition::Start));
    lblMenu[SetGameFile]->setEnabled(true);
    roll->ShowStart();
    roll->ShowReady(m_game.CanRoll(), true);
    AdvanceAdvertisement();
}
