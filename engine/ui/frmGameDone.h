#pragma once
// The win window: congratulates the player and shows what the rating says
// about the result. The engine has recorded the win already; the table clears
// itself once the window is closed.
#include <QDialog>
#include <QTimer>

class QLabel;

// The face picture turns between a card back turned and upright, and the
// winner line blinks, at this pace while the window is open.
inline constexpr int kGameDoneFaceIntervalMs = 500;
inline constexpr int kGameDoneFacePictures[2] = {130, 131};

class frmGameDone : public QDialog {
    Q_OBJECT
public:
    explicit frmGameDone(QWidget* parent = nullptr);

    // The texts of a win at `level` with the wizard on or off, then the
    // window shown modally until it is closed.
    void GameWon(const QString& nickName, qint16 level, bool wizardOn,
                 const QString& ratingMessage);
    // GameWon's texts and face animation without showing the window.
    void PrepareGameWon(const QString& nickName, qint16 level, bool wizardOn,
                        const QString& ratingMessage);

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

    int m_faceStep = 0;
    bool m_unloaded = false;
};
