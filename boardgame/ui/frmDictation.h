#pragma once
// The board window: the board of the current board-game file, six seats (the
// Professor played by the program, five people who log in), the die, and the
// menu. It owns the open board-game file and one player record per person's
// seat, asks the rules (BoardGame) what a roll, a move or a square means and
// carries it out: walks tokens, opens the square windows, shows the winner.
#include "boardgame/BoardDatabase.h"
#include "boardgame/BoardGame.h"
#include "boardgame/BoardTimings.h"
#include "boardgame/BoardTurn.h"
#include "boardgame/ui/BoardPause.h"
#include "boardgame/ui/BoardPictures.h"
#include "boardgame/ui/BoardWidget.h"
#include "boardgame/ui/DeletionGuard.h"
#include "boardgame/ui/InputBlock.h"
#include "boardgame/ui/SquareWindows.h"
#include "players/ClassPlayerInfo.h"
#include "shell/ui/FirstFrame.h"

#include <QList>
#include <QPixmap>
#include <QWidget>

#include <memory>

class BannerRotation;
class BoardDie;
class QLabel;
class QPushButton;
class QTimer;
class RollPanel;
class SeatPanel;
class SeatRow;
class WebPane;

class frmDictation : public QWidget {
    Q_OBJECT
public:
    // squares: the question and spelling squares. pause: how the animations
    // wait (the program's event-loop pause when none is given).
    explicit frmDictation(std::unique_ptr<SquareWindows> squares,
                          std::unique_ptr<BoardPause> pause = nullptr, QWidget* parent = nullptr);
    ~frmDictation() override;

    // The window's loading, once it is shown: the board built from the
    // current file; without a usable file the message, and the board built
    // again.
    void LoadForm();

    // ---- controls -------------------------------------------------------------
    QLabel* lblFormCaption = nullptr;
    QLabel* lblClose = nullptr;
    // "New Game", "About", "Set Game File", "Vantorell", "Class Report"
    QList<QLabel*> lblMenu;
    BoardWidget* board = nullptr;
    QList<SeatRow*> seats; // 0 the Professor, 1-5 the people
    QPushButton* cmdDice = nullptr;
    RollPanel* roll = nullptr;
    QTimer* TimerButton = nullptr;
    QLabel* imgPlayerUp = nullptr;
    QLabel* lblPlayerUpName = nullptr; // the nick name under imgPlayerUp
    QLabel* imgTurnLost = nullptr;
    BoardDie* die = nullptr;
    QWidget* picAdds = nullptr;
    WebPane* WebBrowser1 = nullptr; // the advertisement banner

    // ---- handlers ---------------------------------------------------------------
    void chkPlayer_Click(int seat);
    void cmdDice_Click();
    void cmdStats_Click(int seat);
    void lblMenu_Click(int index);

    // ---- operations -----------------------------------------------------------
    // Builds the board from the current file; false (and the previous board
    // kept, or an empty board when there was none) when no usable file opens.
    bool LoadBoard();
    // What to tell the player when no board could be built.
    QString NoBoardMessage() const;
    void ClearBoard() { board->ClearBoard(); }
    void DisableBoard();
    // The single place where the board's advertisement moves on.
    void AdvanceAdvertisement(int times = 1);

    const BoardGame& Game() const { return m_game; }
    // The player record of a person's seat (1 to 5).
    ClassPlayerInfo& SeatPlayer(int seat);
    // The open board-game file (for the windows the board opens).
    const BoardDatabase& Database() const { return m_board; }
    // True while a turn runs (rolls, walks and squares).
    bool TurnRunning() const { return m_turnRunning; }
    // False while a roll, a walk or a pause runs: clicks and keys do nothing.
    bool TakesInput() const { return !m_input->Blocked(); }

Q_SIGNALS:
    // The window moved its advertisement on (the banner pane follows it).
    void AdvertisementAdvanced();
    // "Vantorell": the seats are saved and the window goes; start-up shows a
    // new solitaire table.
    void SolitaireRequested();
    // "Class Report": the seats are saved, so the report has their latest
    // answers; whoever opened the window writes and shows the report.
    void ClassReportRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    // Carries out one step of the turn; returns the step that follows.
    TurnStep CarryOut(const TurnStep& step);
    void ShowTurnBegins(int seat);
    int RollDice(int faces);
    void CarryOutWalk(const TokenWalk& walk);
    void ResetBoardGame();
    void SaveBoardPlayers();
    void PlaySound(const char* file);
    // Waits while clicks and keys do nothing; a `hurried` wait ends at the
    // first of them (a text being read).
    void Pause(int ms, bool hurried = false);
    QPixmap Token(int seat) const;
    // Saves the seats and closes the file once; true the first time.
    bool FormUnload();

    void ShowPlayerUp(int seat);
    // After a win: tokens back to the start, the same people still seated.
    void PlayAgain();

    std::unique_ptr<SquareWindows> m_squares;
    BannerRotation* m_banner = nullptr;
    std::unique_ptr<BoardPause> m_pause;
    BoardGame m_game;
    BoardTurn m_turn{m_game};
    BoardDatabase m_board;
    SeatPanel* m_seats = nullptr; // the seats and the people in them
    InputBlock* m_input = new InputBlock(this);
    DeletionGuard* m_deletion = new DeletionGuard(this);
    bool m_turnRunning = false;
    bool m_closing = false;
    QString m_boardDamage; // why the current file counts as damaged, if it does
    bool m_unloaded = false;
    FirstFrame* m_firstFrame = new FirstFrame(this);
};
