#include "squares/ui/frmQuestion.h"

#include "boardgame/file/BoardSettings.h"
#include "media/ModuleMultimedia.h"
#include "media/clSpeach.h"
#include "players/ClassPlayerInfo.h"
#include "shell/MsgBox.h"
#include "shell/RandomSource.h"
#include "shell/ui/ResPictures.h"
#include "shell/ui/WindowChrome.h"
#include "squares/ui/SquareControls.h"
#include "squares/ui/SquareWindowsLook.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

namespace {

using namespace SquareLook;
using namespace SquareLook::Question;

QRect inSlot(int index, const QRect& r) {
    return r.translated(SlotLeft + (index % 2) * SlotWidth, SlotTop + (index / 2) * SlotHeight);
}

} // namespace

frmQuestion::frmQuestion(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmQuestion"));
    BuildControls();
    WindowChrome::MakeFrameless(this);
    SquareControls::InstallKeyPreview(this, this);
    SquareControls::NoDefaultButton(this);
}

frmQuestion::~frmQuestion() = default;

void frmQuestion::BuildControls() {
    setWindowTitle(QStringLiteral("Answer Question..."));
    setFixedWidth(Width); // the height follows the question
    WindowChrome::SetBackground(this, Paper());
    QFont bold = font();
    bold.setBold(true);

    // The square is left by its own button only: no close label.
    lblFormCaption = WindowChrome::AddCaptionStrip(this, QStringLiteral("Answer Question..."),
                                                   CaptionHeight, false)
                         .caption;
    lblFormCaption->setIndent(10);
    WindowChrome::SetBackground(lblFormCaption, CaptionBand());

    imgPlayer = SquareControls::MakePictureBox(this, QStringLiteral("imgPlayer"), Token);

    fraQuestion = new QGroupBox(this);
    fraQuestion->setObjectName(QStringLiteral("fraQuestion"));
    fraQuestion->setGeometry(QuestionFrame);
    auto* lblQuestion =
        WindowChrome::MakeLabel(fraQuestion, "lblQuestion", QStringLiteral("Question:"));
    lblQuestion->setGeometry(QuestionLabel);
    lblQuestion->setFont(bold);
    auto* lblTip = WindowChrome::MakeLabel(fraQuestion, "lblTip", QStringLiteral("Tip:"));
    lblTip->setGeometry(TipLabel);
    lblTip->setFont(bold);
    txtQuestion = SquareControls::MakeTextBox(fraQuestion, QStringLiteral("txtQuestion"), {});
    cmdSpeekQuestion = SquareControls::MakeSpeakButton(
        fraQuestion, QStringLiteral("cmdSpeekQuestion"), {},
        QStringLiteral("Use Shift+F11 to run text-to-speech on Question."));
    txtTip = SquareControls::MakeTextBox(fraQuestion, QStringLiteral("txtTip"), {});
    cmdSpeekTip = SquareControls::MakeSpeakButton(
        fraQuestion, QStringLiteral("cmdSpeekTip"), {},
        QStringLiteral("Use Shift+F12 to run text-to-speech on tip."));
    picQuestion =
        SquareControls::MakePictureBox(fraQuestion, QStringLiteral("picQuestion"), Picture);
    QFont large = font();
    large.setPointSize(TextPointSize);
    txtQuestion->setFont(large);
    PlaceQuestionTexts(false);

    frmAnswer = new QGroupBox(QStringLiteral("Mouse Click To Answer"), this);
    frmAnswer->setObjectName(QStringLiteral("frmAnswer"));
    for (int i = 0; i < kAnswers; ++i) {
        auto* option = new QRadioButton(frmAnswer);
        option->setObjectName(QStringLiteral("optAnswer_%1").arg(i));
        option->setGeometry(inSlot(i, Option));
        optAnswer.append(option);
        connect(option, &QRadioButton::clicked, this, [this, i] { Answer(i); });

        QTextEdit* text = SquareControls::MakeTextBox(
            frmAnswer, QStringLiteral("txtSelect_%1").arg(i), inSlot(i, AnswerText));
        text->setFont(large);
        text->viewport()->installEventFilter(this);
        txtSelect.append(text);

        QLabel* picture = SquareControls::MakePictureBox(
            frmAnswer, QStringLiteral("picSelect_%1").arg(i), inSlot(i, AnswerPicture));
        picture->installEventFilter(this);
        picSelect.append(picture);

        QPushButton* speak = SquareControls::MakeSpeakButton(
            frmAnswer, QStringLiteral("cmdSelect_%1").arg(i), inSlot(i, SpeakAnswer),
            QStringLiteral("Use F%1 to Answer or Shift+F%1 to run text-to-speech on answer.")
                .arg(i + 1));
        cmdSelect.append(speak);
        connect(speak, &QPushButton::clicked, this, [this, i] { Speak(txtSelect[i]); });
    }

    cmdQuestionClose = new QPushButton(QStringLiteral("Cancel"), this);
    cmdQuestionClose->setObjectName(QStringLiteral("cmdQuestionClose"));
    cmdQuestionClose->setFont(bold);
    WindowChrome::AttachPressPointer(cmdQuestionClose);
    connect(cmdQuestionClose, &QPushButton::clicked, this, &QDialog::accept);

    connect(cmdSpeekQuestion, &QPushButton::clicked, this, [this] { Speak(txtQuestion); });
    connect(cmdSpeekTip, &QPushButton::clicked, this, [this] { Speak(txtTip); });

    TimerAnswered.setObjectName(QStringLiteral("TimerAnswered"));
    TimerAnswered.setInterval(AnsweredInterval);
    connect(&TimerAnswered, &QTimer::timeout, this, &frmQuestion::TimerAnswered_Timer);
    SizeForAnswers(kAnswers);
}

bool frmQuestion::LoadQuestion(const QString& squareCode, const QPixmap& token,
                               dao::Database& database, ClassPlayerInfo& seatPlayer,
                               ItemLevel level) {
    if (!PrepareQuestion(squareCode, token, database, seatPlayer, level))
        return true; // a free move
    exec();
    QCoreApplication::processEvents();
    return m_result;
}

bool frmQuestion::PrepareQuestion(const QString& squareCode, const QPixmap& token,
                                  dao::Database& database, ClassPlayerInfo& seatPlayer,
                                  ItemLevel level) {
    SquareControls::WaitPointer wait;
    m_square = std::make_unique<QuestionSquare>(database, seatPlayer, squareCode,
                                                RandomSource::instance());
    m_square->SetLevel(level);
    lblFormCaption->setText(seatPlayer.NickName + QStringLiteral(" answer question..."));
    QCoreApplication::processEvents();

    if (!m_square->Draw()) {
        m_square.reset();
        wait.restore();
        MsgBox(QStringLiteral("Error in opening board game question... Free Space is granted..."),
               MsgButtons::OK, QStringLiteral("Board Game"), MsgIcon::Exclamation,
               parentWidget() ? parentWidget() : this); // this window is never shown

        return false;
    }
    QPixmap picture;
    SquareControls::LoadFieldPicture(QStringLiteral("tempq.jpg"), m_square->Picture(), picture);
    LoadAnswers();
    m_result = false;
    SquareControls::ShowPicture(imgPlayer, token);
    txtTip->setPlainText(m_square->Tip());
    txtQuestion->setPlainText(m_square->Question());
    SquareControls::ShowPicture(picQuestion, picture);
    // An empty picture box would lie over the read-aloud buttons.
    picQuestion->setVisible(!picture.isNull());
    PlaceQuestionTexts(!picture.isNull());
    WindowChrome::SetPointer(this, ResId::PointerNormal);
    return true;
}

void frmQuestion::LoadAnswers() {
    for (int i = 0; i < kAnswers; ++i) {
        optAnswer[i]->hide();
        txtSelect[i]->hide();
        cmdSelect[i]->hide();
        picSelect[i]->hide();
    }
    const QList<QuestionChoice>& choices = m_square->Choices();
    for (int i = 0; i < choices.size(); ++i) {
        QPixmap picture;
        SquareControls::LoadFieldPicture(QStringLiteral("tempq.jpg"), choices[i].picture, picture);
        optAnswer[i]->setProperty("Tag", choices[i].answerId);
        optAnswer[i]->show();
        txtSelect[i]->setPlainText(choices[i].text);
        txtSelect[i]->setLineWrapMode(picture.isNull() ? QTextEdit::WidgetWidth
                                                       : QTextEdit::FixedPixelWidth);
        txtSelect[i]->setLineWrapColumnOrWidth(AnswerTextWrapBesidePicture);
        txtSelect[i]->show();
        cmdSelect[i]->show();
        picSelect[i]->setGeometry(
            inSlot(i, choices[i].text.isEmpty() ? AnswerPictureAlone : AnswerPicture));
        SquareControls::ShowPicture(picSelect[i], picture);
        picSelect[i]->raise();
        picSelect[i]->show();
    }
    SizeForAnswers(int(choices.size()));
}

void frmQuestion::PlaceQuestionTexts(bool besidePicture) {
    const int width = besidePicture ? TextWidthBesidePicture : TextWidth;
    txtQuestion->setGeometry(TextLeft, QuestionTop, width, TextHeight);
    txtTip->setGeometry(TextLeft, TipTop, width, TextHeight);
    const int buttons = TextLeft + width + 4;
    cmdSpeekQuestion->setGeometry(buttons, QuestionTop, SpeakButtonSize, SpeakButtonSize);
    cmdSpeekTip->setGeometry(buttons, TipTop, SpeakButtonSize, SpeakButtonSize);
    cmdSpeekQuestion->raise();
    cmdSpeekTip->raise();
}

void frmQuestion::SizeForAnswers(int count) {
    const Sizing size = SizeFor(count);
    frmAnswer->setGeometry(AnswerFrameLeft, AnswerFrameTop, AnswerFrameWidth,
                           Px(size.frameHeightTwips));
    cmdQuestionClose->setGeometry(CloseLeft, Px(size.closeTopTwips), CloseWidth, CloseHeight);
    setFixedSize(Width, Px(size.windowHeightTwips));
}

void frmQuestion::Answer(int index) {
    if (TimerAnswered.isActive() || !m_square)
        return; // one answer only
    const QuestionSquare::Verdict verdict =
        m_square->Answer(index, BoardSettings::QuestionFilter());
    if (verdict == QuestionSquare::Verdict::Ignored)
        return;
    const int right = m_square->RightIndex();
    optAnswer[index]->setChecked(true);
    for (int k = 0; k < kAnswers; ++k) {
        if (k != index)
            optAnswer[k]->setEnabled(false);
    }
    m_result = verdict == QuestionSquare::Verdict::Right;
    if (m_result) {
        SquareControls::SetBoxColour(txtSelect[index], Colour(PaleGreen));
        cmdQuestionClose->setText(QStringLiteral("Correct! Next Player's Turn..."));
        PlaySound(QStringLiteral("\\Sounds\\clap.wav"));
    } else {
        SquareControls::SetBoxColour(txtSelect[right], Colour(PaleYellow));
        SquareControls::SetBoxColour(txtSelect[index], Colour(PaleRed));
        cmdQuestionClose->setText(QStringLiteral("Wrong! Next Player's Turn..."));
        PlaySound(QStringLiteral("\\Sounds\\mistake.wav"));
    }
    m_blinkStep = 0;
    TimerAnswered.start();
    cmdQuestionClose->setFocus();
}

void frmQuestion::TimerAnswered_Timer() {
    if (!m_square || !m_square->Answered())
        return;
    const bool dark = ++m_blinkStep % 2 == 1;
    QPalette text = cmdQuestionClose->palette();
    text.setColor(QPalette::ButtonText, dark ? Qt::white : Qt::black);
    cmdQuestionClose->setPalette(text);
    if (m_result) {
        SquareControls::SetButtonColour(cmdQuestionClose, Colour(dark ? DarkGreen : PaleGreen));
    } else {
        SquareControls::SetBoxColour(txtSelect[m_square->RightIndex()],
                                     Colour(dark ? White : PaleYellow));
        SquareControls::SetButtonColour(cmdQuestionClose, Colour(dark ? DarkRed : PaleRed));
    }
}

void frmQuestion::PlaySound(const QString& file) {
    ModuleMultimedia::PlaySoundEffect(ModuleMultimedia::WindowHandle(winId()), file);
}

void frmQuestion::Speak(QTextEdit* box) {
    if (!box || !box->isVisible())
        return;
    connect(SquareControls::SpeakBox(this, mySpeek, box), &clSpeach::SpeechDone, this,
            &frmQuestion::mySpeek_SpeechDone);
}

void frmQuestion::mySpeek_SpeechDone() {
    QWidget* focused = focusWidget();
    QPushButton* button = cmdSpeekTip;
    if (focused == txtQuestion)
        button = cmdSpeekQuestion;
    for (int i = 0; i < kAnswers; ++i) {
        if (focused == txtSelect[i])
            button = cmdSelect[i];
    }
    if (button->isVisible() && button->isEnabled())
        button->setFocus();
}

bool frmQuestion::eventFilter(QObject* watched, QEvent* event) {
    if (SquareControls::IsEscape(event))
        return true;
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < kAnswers; ++i) {
            if (watched == txtSelect[i]->viewport() || watched == picSelect[i])
                Answer(i);
        }
    }
    if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool shift = key->modifiers() & Qt::ShiftModifier;
        const int k = key->key();
        if (k >= Qt::Key_F1 && k <= Qt::Key_F6) {
            const int i = k - Qt::Key_F1;
            if (txtSelect[i]->isVisible()) {
                // The tool tips promise F1 to F6 for answering as well.
                if (shift)
                    Speak(txtSelect[i]);
                else if (key->modifiers() == Qt::NoModifier)
                    Answer(i);
            }
            return true;
        }
        if (shift && k == Qt::Key_F12) {
            Speak(txtTip);
            return true;
        }
        // F13 as the key table has it; Shift+F11 as the button's tool tip says.
        if (shift && (k == Qt::Key_F13 || k == Qt::Key_F11)) {
            Speak(txtQuestion);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
