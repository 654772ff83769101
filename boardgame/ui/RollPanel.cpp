#include "boardgame/ui/RollPanel.h"

#include "boardgame/BoardTimings.h"
#include "boardgame/ui/BoardDie.h"
#include "boardgame/ui/BoardPictures.h"
#include "shell/ui/WindowChrome.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace BoardTimings;

namespace {
constexpr int kWidth = 124;
constexpr int kHeight = 436; // down the felt, the Professor's note below the die
const QColor kPanelText(0xff, 0xf8, 0xdc);
} // namespace

RollPanel::RollPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picRoll"));
    resize(kWidth, kHeight);
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSize(9);
    auto* upCaption = WindowChrome::MakeLabel(this, "lblPlayerUp", QStringLiteral("Player Up"));
    upCaption->setFont(bold);
    upCaption->setAlignment(Qt::AlignCenter);
    upCaption->setGeometry(6, 2, 110, 18);
    QPalette light = upCaption->palette();
    light.setColor(QPalette::WindowText, kPanelText);
    upCaption->setPalette(light);
    imgPlayerUp = WindowChrome::MakeLabel(this, "imgPlayerUp");
    imgPlayerUp->setScaledContents(true);
    imgPlayerUp->setGeometry(39, 22, PanelTokenWidth, PanelTokenHeight);
    lblPlayerUpName = WindowChrome::MakeLabel(this, "lblPlayerUpName");
    lblPlayerUpName->setFont(bold);
    lblPlayerUpName->setAlignment(Qt::AlignCenter);
    lblPlayerUpName->setGeometry(3, 73, 118, 18);
    lblPlayerUpName->setPalette(light);
    cmdDice = new QPushButton(QStringLiteral("Start"), this);
    cmdDice->setObjectName(QStringLiteral("cmdDice"));
    cmdDice->setGeometry(3, 94, 118, 32);
    WindowChrome::AttachPressPointer(cmdDice);
    die = new BoardDie(this);
    die->move(61 - die->width() / 2, 140);
    imgTurnLost = WindowChrome::MakeLabel(this, "imgTurnLost");
    imgTurnLost->setScaledContents(true);
    imgTurnLost->setGeometry(39, 210, PanelTokenWidth, PanelTokenHeight);
    imgTurnLost->hide();
    lblProfessorAnswer = WindowChrome::MakeLabel(this, "lblProfessorAnswer");
    lblProfessorAnswer->setFont(bold);
    lblProfessorAnswer->setWordWrap(true);
    lblProfessorAnswer->setAlignment(Qt::AlignCenter);
    lblProfessorAnswer->setMargin(6);
    lblProfessorAnswer->setGeometry(3, 270, 118, 150);
    lblProfessorAnswer->setStyleSheet(QStringLiteral(
        "background-color: #fff8dc; color: black; border: 2px solid #c8a040; border-radius: 6px;"));
    lblProfessorAnswer->hide();

    TimerButton = new QTimer(this);
    TimerButton->setObjectName(QStringLiteral("TimerButton"));
    TimerButton->setInterval(RollButtonBlink);
    connect(TimerButton, &QTimer::timeout, this, &RollPanel::TimerButton_Timer);
    SetRollButtonColour(RollButtonIdle);
}

void RollPanel::StartBlinking() {
    TimerButton->start();
}

void RollPanel::StopBlinking() {
    TimerButton->stop();
    SetRollButtonColour(RollButtonIdle);
}

void RollPanel::TimerButton_Timer() {
    SetRollButtonColour(m_rollColour == RollButtonBlinkLight ? RollButtonBlinkDark
                                                             : RollButtonBlinkLight);
}

void RollPanel::ShowReady(bool canRoll, bool pressable) {
    cmdDice->setEnabled(canRoll || pressable);
    if (canRoll)
        StartBlinking();
    else
        StopBlinking();
}

void RollPanel::ShowRolling(const QPixmap& token) {
    imgTurnLost->hide();
    StopBlinking();
    cmdDice->setText(QStringLiteral("Roll Dice"));
    imgPlayerUp->setPixmap(token);
    cmdDice->setText(QStringLiteral("Rolling"));
    cmdDice->setEnabled(false);
}

void RollPanel::ShowTurnLost(const QPixmap& token) {
    imgTurnLost->setPixmap(token);
    imgTurnLost->show();
    cmdDice->setEnabled(true);
    cmdDice->setFocus();
}

void RollPanel::ShowNextPlayer(const QPixmap& token, bool announce) {
    if (announce)
        cmdDice->setText(QStringLiteral("Next Player's Roll"));
    imgPlayerUp->setPixmap(token);
    StartBlinking();
}

void RollPanel::ShowStart() {
    StopBlinking();
    cmdDice->setText(QStringLiteral("Start"));
    cmdDice->setEnabled(false);
    imgPlayerUp->clear();
    lblPlayerUpName->clear();
}

void RollPanel::ShowPlayerUp(const QPixmap& token, const QString& nickName) {
    if (token.isNull()) {
        imgPlayerUp->clear();
        lblPlayerUpName->clear();
        return;
    }
    imgPlayerUp->setPixmap(token);
    lblPlayerUpName->setText(nickName);
}

void RollPanel::ShowProfessorAnswer(bool spelling, const QString& caption, bool right) {
    // A kind without a caption still reads as a sentence.
    const QString kind = caption.simplified();
    QString text;
    if (spelling && kind.isEmpty())
        text = QStringLiteral("The Professor spelled a word");
    else if (spelling)
        text = QStringLiteral("The Professor spelled a word from ") + kind;
    else if (kind.isEmpty())
        text = QStringLiteral("The Professor answered a question");
    else
        text = QStringLiteral("The Professor answered %1 %2 question")
                   .arg(QLatin1String(QStringLiteral("AEIOU").contains(kind.at(0).toUpper()) ? "an"
                                                                                             : "a"),
                        kind);
    lblProfessorAnswer->setText(text +
                                (right ? QStringLiteral(": right") : QStringLiteral(": wrong")));
    lblProfessorAnswer->show();
    lblProfessorAnswer->raise();
}

void RollPanel::HideProfessorAnswer() {
    lblProfessorAnswer->hide();
}

void RollPanel::SetRollButtonColour(quint32 colour) {
    m_rollColour = colour;
    cmdDice->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: black; }"
                       "QPushButton:focus { border: %2px solid %3; border-radius: 3px; }")
            .arg(BoardColour(colour).name())
            .arg(RollButtonFocusWidth)
            .arg(BoardColour(RollButtonFocusFrame).name()));
}
