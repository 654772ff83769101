#pragma once
// The turn's corner of the board window, on the felt left of the squares:
// whose turn it is ("Player Up"), the roll button with its blinking
// invitation, the die, the picture of the seat that lost its turn and the
// note of how the Professor answered.
#include <QWidget>

class BoardDie;
class QLabel;
class QPushButton;
class QTimer;

class RollPanel : public QWidget {
    Q_OBJECT
public:
    explicit RollPanel(QWidget* parent = nullptr);

    QLabel* imgPlayerUp = nullptr;
    QLabel* lblPlayerUpName = nullptr; // the nick name under imgPlayerUp
    QPushButton* cmdDice = nullptr;
    QTimer* TimerButton = nullptr;
    BoardDie* die = nullptr;
    QLabel* imgTurnLost = nullptr;
    QLabel* lblProfessorAnswer = nullptr; // shown while the Professor's answer is read

    // The roll button blinks while a roll is awaited; stopped, it is idle.
    void StartBlinking();
    void StopBlinking();
    void TimerButton_Timer();
    // The roll button's colour value (0x00BBGGRR) as last set.
    quint32 RollButtonColour() const { return m_rollColour; }
    // The faces of a turn: the roll button blinking when a roll can start
    // (enabled then, and also when `pressable`: Start says what is missing);
    // a seat rolling; the turn lost (the next seat may roll); the
    // next seat's turn (the button saying so when `announce`); no game.
    void ShowReady(bool canRoll, bool pressable = false);
    void ShowRolling(const QPixmap& token);
    void ShowTurnLost(const QPixmap& token);
    void ShowNextPlayer(const QPixmap& token, bool announce);
    void ShowStart();
    // Whose turn it is: the seat's token and name; none (a null token) clears both.
    void ShowPlayerUp(const QPixmap& token, const QString& nickName);
    // What the Professor answered on a question square (a spelling square
    // when `spelling`) of the kind `caption`; hidden again by HideProfessorAnswer.
    void ShowProfessorAnswer(bool spelling, const QString& caption, bool right);
    void HideProfessorAnswer();

private:
    void SetRollButtonColour(quint32 colour);

    quint32 m_rollColour = 0;
};
