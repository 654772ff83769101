#include "engine/ui/frmGameDone.h"

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

frmGameDone::frmGameDone(QWidget* parent) : QDialog(parent) {
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

void frmGameDone::PrepareGameWon(const QString& nickName, qint16 level, bool wizardOn,
                                 const QString& ratingMessage) {
    lblRating->setText(ratingMessage);
    lblline1->setText(QStringLiteral("Winner... ") + nickName);
    lblInfo->setText(QStringLiteral("Nice going you solved a ") + QString::number(level) +
                     QStringLiteral(" letter word for Vantorell"));
    lblWizard->setText(wizardOn ? QStringLiteral("With the wizard On...")
                                : QStringLiteral("With the wizard Off..."));
    TimerFace.start();
}

void frmGameDone::GameWon(const QString& nickName, qint16 level, bool wizardOn,
                          const QString& ratingMessage) {
    PrepareGameWon(nickName, level, wizardOn, ratingMessage);
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
}

void frmGameDone::done(int result) {
    Unload();
    QDialog::done(result);
}

void frmGameDone::closeEvent(QCloseEvent* event) {
    Unload();
    QDialog::closeEvent(event);
}
