#include "boardgame/ui/frmDictation.h"

#include "boardgame/BoardPlayers.h"
#include "boardgame/BoardTimings.h"
#include "boardgame/file/BoardSettings.h"
#include "boardgame/ui/BoardDie.h"
#include "boardgame/ui/BoardPause.h"
#include "boardgame/ui/BoardPictures.h"
#include "boardgame/ui/BoardWidget.h"
#include "boardgame/ui/SeatRow.h"
#include "boardgame/ui/SquareWindows.h"
#include "boardgame/ui/frmBoardStats.h"
#include "boardgame/ui/frmBordFile.h"
#include "boardgame/ui/frmGrammerWinner.h"
#include "media/ModuleMultimedia.h"
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
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>

using namespace BoardTimings;

namespace {

// Window layout (pixels).
constexpr int kCaptionHeight = 24;
constexpr int kMenuTop = 26;
constexpr int kBoardTop = 52;
constexpr int kMargin = 4;
constexpr int kSeatPanelWidth = 322; // room for each seat's level box
constexpr int kWindowWidth = kMargin + BoardWidth + kMargin + kSeatPanelWidth + kMargin;
constexpr int kAdsHeight = 93; // the advertisement pane below the board
constexpr int kWindowHeight = kBoardTop + BoardHeight + 3 + kAdsHeight + 6;
const QColor kPaper(0xf4, 0xea, 0xcb);
const QColor kFelt(0x16, 0x70, 0x34);
const QColor kPanelText(0xff, 0xf8, 0xdc);

const char* const kMenuCaptions[] = {"New Game", "About", "Set Game File", "Vantorell",
                                     "Class Report"};
constexpr int kMenuLabels = 5;

// The sound effects of the board.
const char kDiceSound[] = "\\Sounds\\dice.wav";
const char kMoveSound[] = "\\Sounds\\move.wav";
const char kMarkSound[] = "\\Sounds\\mark.wav";
const char kAlertSound[] = "\\Sounds\\alert.wav";
const char kMistakeSound[] = "\\Sounds\\mistake.wav";

enum Menu { NewGame = 0, About = 1, SetGameFile = 2, Vantorell = 3, ClassReport = 4 };

} // namespace

// While an animation runs (rolls, walks, pauses) the window takes no input:
// clicks and keys for it are swallowed, so nothing starts meanwhile. The
// controls keep their look rather than greying out at every roll.
class frmDictation::BusyScope {
public:
    explicit BusyScope(frmDictation& window) : m_window(window) {
        if (m_window.m_busy++ == 0)
            qApp->installEventFilter(&m_window);
    }
    ~BusyScope() {
        if (--m_window.m_busy == 0)
            qApp->removeEventFilter(&m_window);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    frmDictation& m_window;
};

bool frmDictation::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Shortcut:
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->window() == this)
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
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

    for (int i = 0; i < kMenuLabels; ++i) {
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
    auto* upCaption = WindowChrome::MakeLabel(this, "lblPlayerUp", QStringLiteral("Player Up"));
    upCaption->setFont(bold);
    upCaption->setAlignment(Qt::AlignCenter);
    upCaption->setGeometry(kMargin + 6, kBoardTop + 12, 110, 18);
    QPalette light = upCaption->palette();
    light.setColor(QPalette::WindowText, kPanelText);
    upCaption->setPalette(light);
    imgPlayerUp = WindowChrome::MakeLabel(this, "imgPlayerUp");
    imgPlayerUp->setScaledContents(true);
    imgPlayerUp->setGeometry(kMargin + 39, kBoardTop + 32, PanelTokenWidth, PanelTokenHeight);
    cmdDice = new QPushButton(QStringLiteral("Start"), this);
    cmdDice->setObjectName(QStringLiteral("cmdDice"));
    cmdDice->setGeometry(kMargin + 3, kBoardTop + 94, 118, 32);
    WindowChrome::AttachPressPointer(cmdDice);
    connect(cmdDice, &QPushButton::clicked, this, &frmDictation::cmdDice_Click);
    die = new BoardDie(this);
    die->move(kMargin + 61 - die->width() / 2, kBoardTop + 140);
    imgTurnLost = WindowChrome::MakeLabel(this, "imgTurnLost");
    imgTurnLost->setScaledContents(true);
    imgTurnLost->setGeometry(kMargin + 39, kBoardTop + 210, PanelTokenWidth, PanelTokenHeight);
    imgTurnLost->hide();
    for (QWidget* w : {static_cast<QWidget*>(upCaption), static_cast<QWidget*>(imgPlayerUp),
                       static_cast<QWidget*>(cmdDice), static_cast<QWidget*>(die),
                       static_cast<QWidget*>(imgTurnLost)})
        w->raise();

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("picSeats"));
    panel->setGeometry(kMargin + BoardWidth + kMargin, kBoardTop, kSeatPanelWidth, BoardHeight);
    WindowChrome::SetBackground(panel, kFelt);
    panel->setStyleSheet(QStringLiteral("QCheckBox { color: #fff8dc; font-weight: bold; }"));
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(2, 4, 2, 4);
    column->setSpacing(2);
    for (int seat = 0; seat < SeatCount; ++seat) {
        auto* row = new SeatRow(seat, panel);
        connect(row, &SeatRow::Switched, this, &frmDictation::chkPlayer_Click);
        connect(row, &SeatRow::StatsWanted, this, &frmDictation::cmdStats_Click);
        connect(row, &SeatRow::TurnLostChosen, this,
                [this](int s, int faces) { m_game.SetTurnLostFaces(s, faces); });
        column->addWidget(row);
        seats << row;
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

    TimerButton = new QTimer(this);
    TimerButton->setObjectName(QStringLiteral("TimerButton"));
    TimerButton->setInterval(RollButtonBlink);
    connect(TimerButton, &QTimer::timeout, this, &frmDictation::TimerButton_Timer);
}

// ---------------------------------------------------------------------------
// Loading and closing

void frmDictation::LoadForm() {
    WebBrowser1->Navigate(QStringLiteral("About:Off-Line"));
    AdvanceAdvertisement();
    if (!isVisible())
        show();
    QCoreApplication::processEvents();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool built = LoadBoard();
    QApplication::restoreOverrideCursor();
    if (!built) {
        MsgBox(QStringLiteral("No board game file found...Please set..."), MsgButtons::OK,
               QStringLiteral("Board Game"), MsgIcon::Critical, this);
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

// ---------------------------------------------------------------------------
// The board

bool frmDictation::LoadBoard() {
    BoardDatabase fresh;
    QList<BoardSquareRow> rows;
    bool opened = OpenBoardDatabase(fresh);
    if (opened) {
        try {
            rows = ReadBoardLayout(*fresh.boardLayout);
        } catch (const dao::DaoError& e) {
            qCWarning(lcMordaventa) << "cannot read the board layout:" << e.Description();
            opened = false;
        }
    }
    if (!opened) {
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
    QStringList tags;
    for (const BoardSquareRow& row : rows)
        tags << row.tag;
    m_game.SetSquareTags(tags);
    lblMenu[SetGameFile]->setEnabled(true);
    lblMenu[NewGame]->setEnabled(true);
    board->ArrangeTokens(BoardPosition::Start, m_game.SeatsAt(BoardPosition::Start));
    // People already seated keep their counters apart per file.
    if (m_board.FileName() != previousFile) {
        for (int seat = 1; seat < SeatCount; ++seat) {
            if (m_game.SeatOn(seat))
                LoadSeatStatus(seat);
        }
    }
    return true;
}

void frmDictation::ClearBoard() {
    board->ClearBoard();
}

void frmDictation::DisableBoard() {
    for (SeatRow* row : seats)
        row->chkPlayer->setEnabled(false);
    cmdDice->setEnabled(false);
    lblMenu[NewGame]->setEnabled(false);
    lblMenu[SetGameFile]->setEnabled(true);
}

// ---------------------------------------------------------------------------
// Seats

ClassPlayerInfo& frmDictation::SeatPlayer(int seat) {
    return m_players[size_t(qBound(1, seat, PeopleSeats) - 1)];
}

QPixmap frmDictation::Token(int seat) const {
    return SeatPicture(seat);
}

void frmDictation::LoadSeatStatus(int seat) {
    if (m_board.IsOpen())
        LoadBoardStatus(*m_board.database, m_board.FileName(), SeatPlayer(seat));
}

void frmDictation::chkPlayer_Click(int seat) {
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
        if (frmLogin::LoadLogin(this, &SeatPlayer(seat), QLatin1String(kModeBoardGame)))
            LoadSeatStatus(seat);
        else
            row->chkPlayer->setChecked(false);
        row->chkPlayerTag.clear();
    }
    if (row->chkPlayer->isChecked())
        ShowSeatOn(seat);
    else
        ShowSeatOff(seat);
    board->ArrangeTokens(BoardPosition::Start, m_game.SeatsAt(BoardPosition::Start));
    if (m_game.CanRoll()) {
        cmdDice->setEnabled(true);
        TimerButton->start();
    } else {
        TimerButton->stop();
        cmdDice->setEnabled(false);
        SetRollButtonColour(RollButtonIdle);
    }
}

void frmDictation::ShowSeatOn(int seat) {
    m_game.SwitchSeat(seat, true);
    seats[seat]->ShowOn();
    if (seat != ProfessorSeat)
        seats[seat]->SetLevel(ItemLevels::ForPlayerType(SeatPlayer(seat).PlayerType));
    board->ShowToken(seat, true);
}

void frmDictation::ShowSeatOff(int seat) {
    if (seat != ProfessorSeat) {
        ClassPlayerInfo& player = SeatPlayer(seat);
        if (!player.SavePlayer())
            qCWarning(lcMordaventa) << "could not write the player file of" << player.NickName;
        // The record leaves with its person: a later save of this seat must
        // not write an old copy over what the person did on another seat.
        player = ClassPlayerInfo();
    }
    m_game.SwitchSeat(seat, false);
    seats[seat]->ShowOff();
    board->ShowToken(seat, false);
}

void frmDictation::cmdStats_Click(int seat) {
    if (m_turnRunning || seat < 1 || seat >= SeatCount || !m_board.IsOpen())
        return;
    frmBoardStats::LoadBoardStats(this, SeatPlayer(seat), Token(seat), *m_board.database);
}

void frmDictation::SaveBoardPlayers() {
    QList<ClassPlayerInfo*> records;
    for (ClassPlayerInfo& player : m_players)
        records << &player;
    ::SaveBoardPlayers(records);
}

// ---------------------------------------------------------------------------
// Turns

void frmDictation::SetRollButtonColour(quint32 colour) {
    m_rollColour = colour;
    cmdDice->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: black; }"
                       "QPushButton:focus { border: %2px solid %3; border-radius: 3px; }")
            .arg(BoardColour(colour).name())
            .arg(RollButtonFocusWidth)
            .arg(BoardColour(RollButtonFocusFrame).name()));
}

void frmDictation::TimerButton_Timer() {
    SetRollButtonColour(m_rollColour == RollButtonBlinkLight ? RollButtonBlinkDark
                                                             : RollButtonBlinkLight);
}

void frmDictation::PlaySound(const char* file) {
    if (!m_closing)
        ModuleMultimedia::PlaySoundEffect(0, QLatin1String(file));
}

void frmDictation::Pause(int ms) {
    BusyScope busy(*this);
    m_pause->Wait(ms);
}

void frmDictation::cmdDice_Click() {
    if (m_turnRunning || m_closing || !cmdDice->isEnabled() || !m_game.CanRoll() ||
        m_game.CurrentSeat() < 0)
        return;
    m_turnRunning = true;
    for (;;) {
        bool over = false;
        try {
            over = PlayTurn();
        } catch (const std::exception& e) {
            // A failure inside a turn ends the turn; the roll button stays as it was.
            qCWarning(lcMordaventa) << "the turn stopped:" << e.what();
            break;
        }
        if (over || m_closing)
            break;
        if (m_game.CurrentSeat() != ProfessorSeat) {
            cmdDice->setEnabled(true);
            cmdDice->setFocus();
            break;
        }
        // The Professor rolls by itself after a moment.
        Pause(ProfessorPause);
        if (m_closing)
            break;
    }
    m_turnRunning = false;
}

bool frmDictation::PlayTurn() {
    const int seat = m_game.CurrentSeat();
    imgTurnLost->hide();
    TimerButton->stop();
    SetRollButtonColour(RollButtonIdle);
    lblMenu[SetGameFile]->setEnabled(false);
    for (SeatRow* row : seats)
        row->Lock();
    m_game.BeginTurn();
    cmdDice->setText(QStringLiteral("Roll Dice"));
    imgPlayerUp->setPixmap(Token(seat));
    cmdDice->setText(QStringLiteral("Rolling"));
    cmdDice->setEnabled(false);

    const int value = RollDice(m_game.Faces(seat));
    if (m_closing)
        return false;
    m_gameOver = false;
    if (!BoardGame::IsTurnLost(value)) {
        cmdDice->setText(QStringLiteral("Moving..."));
        MoveForward(seat, value);
        LandOnSquare(value);
    } else {
        PlaySound(kMistakeSound);
        imgTurnLost->setPixmap(Token(seat));
        imgTurnLost->show();
        NextPlayer();
        cmdDice->setText(QStringLiteral("Next Player's Roll"));
        cmdDice->setEnabled(true);
        cmdDice->setFocus();
        TimerButton->start();
    }
    return m_gameOver;
}

int frmDictation::RollDice(int faces) {
    BusyScope busy(*this);
    RandomSource& random = RandomSource::instance();
    random.randomize();
    int value = 1;
    for (int round = 0; round < DieRounds && !m_closing; ++round) {
        PlaySound(kDiceSound);
        value = BoardGame::DrawDie(faces, random);
        die->ShowFace(value);
        QCoreApplication::processEvents();
        Pause(DieRoundPause);
    }
    return value;
}

void frmDictation::MoveForward(int seat, int steps) {
    CarryOutWalk(m_game.MoveForward(seat, steps));
}

void frmDictation::MoveBack(int seat, int steps) {
    CarryOutWalk(m_game.MoveBack(seat, steps));
}

void frmDictation::CarryOutWalk(const TokenWalk& walk) {
    if (m_closing || walk.seat < 0)
        return;
    BusyScope busy(*this);
    board->ArrangeTokens(walk.from, m_game.SeatsAt(walk.from));
    board->LiftToken(walk.seat);
    QPoint at = board->imgBoardPlayer[size_t(walk.seat)]->pos();
    for (int square : walk.squares) {
        if (m_closing)
            return;
        const QRect rect = board->PositionRect(square);
        PlaySound(kMoveSound);
        at = BoardGeometry::WalkHop(at, TokenWidth, rect);
        board->MoveToken(walk.seat, at);
        Pause(WalkPause);
        at = BoardGeometry::WalkLanding(rect);
        board->MoveToken(walk.seat, at);
        Pause(WalkPause);
    }
    board->ArrangeTokens(walk.to, m_game.SeatsAt(walk.to));
}

void frmDictation::PassTurn() {
    cmdDice->setText(QStringLiteral("Next Player's Roll"));
    NextPlayer();
    TimerButton->start();
}

void frmDictation::LandOnSquare(int rolled) {
    if (m_closing)
        return;
    const int seat = m_game.CurrentSeat();
    const SquareAction action = m_game.LandOnSquare();
    switch (action.rule) {
    case SquareRule::Jump:
        PlaySound(kAlertSound);
        Pause(JumpAlertPause);
        if (action.jump < 0)
            MoveBack(seat, -action.jump);
        else
            MoveForward(seat, action.jump);
        if (m_closing)
            return;
        if (action.landAgain) {
            LandOnSquare(rolled);
        } else {
            PassTurn();
            PlaySound(kMarkSound);
        }
        AdvanceAdvertisement();
        return;
    case SquareRule::Plain:
        PlaySound(kMarkSound);
        PassTurn();
        AdvanceAdvertisement();
        return;
    case SquareRule::Question:
    case SquareRule::Spelling:
        if (action.asked && m_board.IsOpen()) {
            const bool right =
                action.rule == SquareRule::Question
                    ? m_squares->LoadQuestion(this, action.tag, Token(seat), *m_board.database,
                                              SeatPlayer(seat), seats[seat]->Level())
                    : m_squares->LoadSpelling(this, action.tag, Token(seat),
                                              seats[seat]->cboPlayerChance->currentText(),
                                              *m_board.database, SeatPlayer(seat),
                                              seats[seat]->Level());
            if (m_closing)
                return;
            // A wrong answer goes back by the roll; that square does nothing.
            if (!right)
                MoveBack(seat, rolled);
        }
        PassTurn();
        PlaySound(kMarkSound);
        return;
    case SquareRule::Start:
        NextPlayer();
        TimerButton->start();
        AdvanceAdvertisement();
        return;
    case SquareRule::Finish:
        m_gameOver = true;
        frmGrammerWinner::GameWon(this, Token(seat));
        SaveBoardPlayers();
        QCoreApplication::processEvents();
        ResetBoardGame();
        return;
    }
}

void frmDictation::NextPlayer() {
    imgPlayerUp->setPixmap(Token(m_game.NextPlayer()));
}

void frmDictation::ResetBoardGame() {
    TimerButton->stop();
    for (SeatRow* row : seats) {
        row->ShowOff();
        board->ShowToken(row->Seat(), false);
        row->chkPlayer->setChecked(false);
        row->chkPlayer->setEnabled(true);
    }
    // The records were saved by whoever reset the game; the seats are empty now.
    for (ClassPlayerInfo& player : m_players)
        player = ClassPlayerInfo();
    m_game.ResetBoardGame();
    lblMenu[SetGameFile]->setEnabled(true);
    cmdDice->setText(QStringLiteral("Start"));
    SetRollButtonColour(RollButtonIdle);
    cmdDice->setEnabled(false);
    imgPlayerUp->clear();
    AdvanceAdvertisement();
}

void frmDictation::AdvanceAdvertisement() {
    m_banner->RunAds();
    Q_EMIT AdvertisementAdvanced();
}

// ---------------------------------------------------------------------------
// Menu

void frmDictation::lblMenu_Click(int index) {
    if (m_turnRunning || index < 0 || index >= lblMenu.size() || !lblMenu[index]->isEnabled())
        return;
    switch (index) {
    case NewGame:
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
            MsgBox(QStringLiteral("No board game file found...Please set..."), MsgButtons::OK,
                   QStringLiteral("Board Game"), MsgIcon::Critical, this);
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
