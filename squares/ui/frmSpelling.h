#pragma once
// The spelling window: a word is heard, its definition and picture are shown
// and the player types it letter by letter, with one to three chances and the
// foreign-character picker for letters the keyboard lacks. SpellingSquare
// draws and judges; the window routes the keys and shows what happened.
#include "squares/SquareQuestions.h"

#include <QDialog>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <memory>

class ClassPlayerInfo;
class QGroupBox;
class QLabel;
class QPushButton;
class QTextEdit;
class TypingBox;
class clSpeach;
namespace dao {
class Database;
}

class frmSpelling : public QDialog {
    Q_OBJECT
public:
    explicit frmSpelling(QWidget* owner = nullptr);
    ~frmSpelling() override;

    // Draws a word of the square's level ("-1", "-2", "-3") from the board's
    // open file, plays it, shows the window modally over the owner and
    // returns whether it was spelled right. chance: "Chance 1" to "Chance 3".
    // When no word can be drawn: a message, and true at once (a free move).
    // level: the seat's; the word is drawn among the words at it.
    bool LoadSpelling(const QString& squareCode, const QPixmap& token, const QString& chance,
                      dao::Database& database, ClassPlayerInfo& seatPlayer,
                      ItemLevel level = ItemLevel::Any);
    // Everything LoadSpelling does before the window is shown.
    bool PrepareSpelling(const QString& squareCode, const QPixmap& token, const QString& chance,
                         dao::Database& database, ClassPlayerInfo& seatPlayer,
                         ItemLevel level = ItemLevel::Any);
    bool Result() const { return m_result; }

    // Stops what plays on "vSounds" and plays the word's recording there.
    void PlayPronunciation();
    // The sound button and Shift+F1: the recording again, then typing.
    void ReplayPronunciation();
    // Characters for the typing box: each admitted one is appended and
    // checked; the first other one is refused with the keyboard message.
    void TypeCharacters(const QString& characters);
    // The foreign-character picker's choice appended and checked.
    void cmdInsertCharator_Click();
    // One blink of the result colours (a tick of TimerAnswered).
    void TimerAnswered_Timer();
    void SpeakDefinition();
    void mySpeek_SpeechDone();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void txtTypeWord_Change();
    void Finished(bool right);
    void ShowChances();
    void ShowWord();
    void KeyboardError();
    void PlaySound(const QString& file);

    std::unique_ptr<SpellingSquare> m_square;
    QString m_soundFile;
    bool m_result = false;
    int m_blinkStep = 0;
    QPointer<clSpeach> mySpeek;

    QLabel* lblFormCaption = nullptr;
    QLabel* imgPlayer = nullptr;
    QLabel* lblWord = nullptr;
    QLabel* lblChance = nullptr;
    QLabel* lblCapital = nullptr; // "This word starts with a capital letter."
    TypingBox* txtTypeWord = nullptr;
    QGroupBox* fraDefinition = nullptr;
    QTextEdit* txtDefinition = nullptr;
    QLabel* picSpelling = nullptr;
    QPushButton* cmdSound = nullptr;
    QPushButton* cmdSpeekDefinition = nullptr;
    QPushButton* cmdInsertCharator = nullptr;
    QPushButton* cmdSpellingClose = nullptr;
    QTimer TimerAnswered;
};
