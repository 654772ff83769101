#pragma once
// The winner window: the winning seat's token picture with a fanfare. The
// board window shows it modally and, once it is closed, saves the seats and
// starts a new game.
#include <QDialog>
#include <QPixmap>

class QLabel;

class frmGrammerWinner : public QDialog {
    Q_OBJECT
public:
    explicit frmGrammerWinner(QWidget* owner = nullptr);

    // Shows the winner's picture and name, plays the fanfare and waits until
    // the window is closed.
    static void GameWon(QWidget* owner, const QPixmap& winnerToken,
                        const QString& winnerName = QString());

    QLabel* lblFormCaption = nullptr;
    QLabel* lblClose = nullptr;
    QLabel* lblline1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* imgFace = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* lblWinner = nullptr; // the winner's nick name
    QLabel* lblMenu = nullptr;   // index 0, "Close"
};
