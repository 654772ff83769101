#include "engine/ui/frmGameDone.h"

#include "engine/ClRating.h"
#include "engine/ClSolitary.h"
#include "engine/SolitaireTable.h"
#include "players/ClassPlayerInfo.h"
#include "shell/Logging.h"
#include "shell/ui/ResPictures.h"
#include "shell/ui/WindowChrome.h"

#include <QCloseEvent>
#include <QLabel>

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 230;
constexpr int kCaptionHeight = 22;

} // namespace

using WindowChrome::MakeLabel;

frmGameDone::frmGameDone(SolitaireTable& table, ClSolitary& game, QWidget* parent)
    : QDialog(parent), m_table(table), m_game(game) {
    setObjectName(QStringLiteral("frmGameDone"));
    setWindowTitle(QStringLiteral("Winner..."));
    setModal(true);
    setFixedSize(kWidth, kHeight);
    WindowChrome::SetBackground(this, QColor(255, 255, 224));

    QFont bold = font();
    bold.setBold(true);

    const WindowChrome::CaptionBar bar =
        WindowChrome::AddCaptionStrip(this, QStringLiteral("  Vantorell"), kCaptionHeight);
    lblFormCaption = bar.caption;
    lblClose = bar.close;
    WindowChrome::SetBackground(lblFormCaption, QColor(192, 255, 192));
    connect(bar.closeButton, &WindowChrome::LabelButton::clicked, this, &QDialog::accept);

    imgFace = MakeLabel(this, "imgFace");
    imgFace->setGeometry(12, kCaptionHeight + 12, 100, 100);
    imgFace->setAlignment(Qt::AlignCenter);
    imgFace->setPixmap(LoadResPictureFile(kGameDoneFacePictures[0]));

    const int left = 124;
    const int width = kWidth - left - 12;
    lblline1 = MakeLabel(this, "lblline1");
    QFont big = bold;
    big.setPointSize(big.pointSize() + 4);
    lblline1->setFont(big);
    lblline1->setGeometry(left, kCaptionHeight + 10, width, 28);
    lblInfo = MakeLabel(this, "lblInfo");
    lblInfo->setWordWrap(true);
    lblInfo->setGeometry(left, kCaptionHeight + 42, width, 40);
    lblWizard = MakeLabel(this, "lblWizard");
    lblWizard->setGeometry(left, kCaptionHeight + 84, width, 22);
    lblRating = MakeLabel(this, "lblRating");
    lblRating->setWordWrap(true);
    lblRating->setFont(bold);
    lblRating->setGeometry(12, kCaptionHeight + 122, kWidth - 24, 40);

    lblMenu = MakeLabel(this, "lblMenu", QStringLiteral("Continue..."));
    lblMenu->setFont(bold);
    lblMenu->setAlignment(Qt::AlignCenter);
    lblMenu->setGeometry(kWidth - 130, kHeight - 34, 110, 24);
    connect(WindowChrome::AttachLabelButton(lblMenu), &WindowChrome::LabelButton::clicked, this,
            &QDialog::accept);

    TimerFace.setInterval(kGameDoneFaceIntervalMs);
    connect(&TimerFace, &QTimer::timeout, this, &frmGameDone::TimerFace_Timer);

    WindowChrome::MakeFrameless(this);
}

void frmGameDone::PrepareGameWon() {
    ClassPlayerInfo& player = CurrentPlayer();
    const RatingOutcome outcome =
        ClRating::Update(player.Rating, m_game.wordlevel, m_game.WizardIsOn, m_game.PlayerPoints,
                         m_game.PlayingMinutes());
    lblRating->setText(outcome.message);
    player.Rating = outcome.rating;

    lblline1->setText(QStringLiteral("Winner... ") + player.NickName);
    lblInfo->setText(QStringLiteral("Nice going you solved a ") +
                     QString::number(m_game.wordlevel) +
                     QStringLiteral(" letter word for Vantorell"));
    lblWizard->setText(m_game.WizardIsOn ? QStringLiteral("With the wizard On...")
                                         : QStringLiteral("With the wizard Off..."));

    m_table.StopMusic();
    if (m_table.SoundsOn())
        m_table.PlaySoundEffect(QStringLiteral("\\Sounds\\hooray.wav"));

    m_game.IfGameIsDone = true;
    m_game.SaveGame();
    if (!player.SavePlayer())
        qCWarning(lcMordaventa) << "the player file could not be written after the win";
    TimerFace.start();
}

void frmGameDone::GameWon() {
    PrepareGameWon();
    exec();
}

void frmGameDone::TimerFace_Timer() {
    m_faceStep = 1 - m_faceStep;
    imgFace->setPixmap(LoadResPictureFile(kGameDoneFacePictures[m_faceStep]));
    lblline1->setVisible(m_faceStep == 0);
}

void frmGameDone::Unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    TimerFace.stop();
    m_game.UnloadCards();
    m_table.LoadFlexGrid();
    m_table.DisableButtons();
    m_table.RunAds();
}

void frmGameDone::done(int result) {
    Unload();
    QDialog::done(result);
}

void frmGameDone::closeEvent(QCloseEvent* event) {
    Unload();
    QDialog::closeEvent(event);
}
