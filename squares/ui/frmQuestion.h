#pragma once
// The question window: one multiple-choice question of a question square,
// answered once by clicking a choice, with every text readable aloud. The
// question is drawn, judged and counted by QuestionSquare; the window shows
// it, plays the sounds and blinks the result.
#include "squares/SquareQuestions.h"

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <memory>

class ClassPlayerInfo;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTextEdit;
class clSpeach;
namespace dao {
class Database;
}

class frmQuestion : public QDialog {
    Q_OBJECT
public:
    static constexpr int kAnswers = 6;

    explicit frmQuestion(QWidget* owner = nullptr);
    ~frmQuestion() override;

    // Draws a question of square kind squareCode from the board's open file,
    // shows it modally over the owner and returns the result: true for a
    // right answer and for a free move (no question could be opened), false
    // for a wrong answer or a window closed unanswered. seatPlayer's board
    // status entry counts the answer.
    // level: the seat's; the question is drawn among those at it.
    bool LoadQuestion(const QString& squareCode, const QPixmap& token, dao::Database& database,
                      ClassPlayerInfo& seatPlayer, ItemLevel level = ItemLevel::Any);
    // Everything LoadQuestion does before the window is shown. False when the
    // player gets a free move instead (the message has been shown).
    bool PrepareQuestion(const QString& squareCode, const QPixmap& token, dao::Database& database,
                         ClassPlayerInfo& seatPlayer, ItemLevel level = ItemLevel::Any);
    bool Result() const { return m_result; }

    // Answers with choice index (a click on its option, text or picture).
    void Answer(int index);
    // One blink of the result colours (a tick of TimerAnswered).
    void TimerAnswered_Timer();
    // Reads a text box aloud with a new speech object.
    void Speak(QTextEdit* box);
    // The latest speech object has finished its text.
    void mySpeek_SpeechDone();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void LoadAnswers();
    void SizeForAnswers(int count);
    void PlaceQuestionTexts(bool besidePicture);
    void PlaySound(const QString& file);

    std::unique_ptr<QuestionSquare> m_square;
    bool m_result = false;
    int m_blinkStep = 0;
    QPointer<clSpeach> mySpeek;

    QLabel* lblFormCaption = nullptr;
    QLabel* imgPlayer = nullptr;
    QGroupBox* fraQuestion = nullptr;
    QTextEdit* txtQuestion = nullptr;
    QTextEdit* txtTip = nullptr;
    QLabel* picQuestion = nullptr;
    QPushButton* cmdSpeekQuestion = nullptr;
    QPushButton* cmdSpeekTip = nullptr;
    QGroupBox* frmAnswer = nullptr;
    QList<QRadioButton*> optAnswer;
    QList<QTextEdit*> txtSelect;
    QList<QLabel*> picSelect;
    QList<QPushButton*> cmdSelect;
    QPushButton* cmdQuestionClose = nullptr;
    QTimer TimerAnswered;
};
