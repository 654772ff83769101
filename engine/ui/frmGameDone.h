#pragma once
// The win window: congratulates the player, updates the rating of the game's
// level and wizard setting, files the won game and writes the player file.
// It reaches the table only through SolitaireTable.
#include <QDialog>
#include <QTimer>

class ClSolitary;
class QLabel;
class SolitaireTable;

// The face picture turns between a card back turned and upright, and the
// winner line blinks, at this pace while the window is open.
inline constexpr int kGameDoneFaceIntervalMs = 500;
inline constexpr int kGameDoneFacePictures[2] = {130, 131};

class frmGameDone : public QDialog {
    Q_OBJECT
public:
    frmGameDone(SolitaireTable& table, ClSolitary& game, QWidget* parent = nullptr);

    // Everything the win does, then the window shown modally. Closing it
    // clears the table and refreshes the table's saved-games grid, buttons
    // and advertisement.
    void GameWon();
    // The win without showing the window (GameWon's first part).
    void PrepareGameWon();

    // One step of the face animation (timer TimerFace).
    void TimerFace_Timer();
    QTimer TimerFace;

    QLabel* lblFormCaption = nullptr;
    QLabel* lblClose = nullptr;
    QLabel* lblRating = nullptr;
    QLabel* lblline1 = nullptr;
    QLabel* lblInfo = nullptr;
    QLabel* lblWizard = nullptr;
    QLabel* imgFace = nullptr;
    QLabel* lblMenu = nullptr;

public slots:
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Unload();

    SolitaireTable& m_table;
    ClSolitary& m_game;
    int m_faceStep = 0;
    bool m_unloaded = false;
};
