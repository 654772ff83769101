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
constexpr int kHeight = 272;
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

void RollPanel::SetRollButtonColour(quint32 colour) {
    m_rollColour = colour;
    cmdDice->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: black; }"
                       "QPushButton:focus { border: %2px solid %3; border-radius: 3px; }")
            .arg(BoardColour(colour).name())
            .arg(RollButtonFocusWidth)
            .arg(BoardColour(RollButtonFocusFrame).name()));
}
