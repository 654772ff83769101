#include "boardgame/ui/frmGrammerWinner.h"

#include "media/ModuleMultimedia.h"
#include "shell/ui/ResPictures.h"
#include "shell/ui/WindowChrome.h"

#include <QLabel>

namespace {

constexpr int kWidth = 340;
constexpr int kHeight = 220;
constexpr int kCaptionHeight = 22;
// The fixed pictures beside the winner: the cheering deck character and the
// star card.
constexpr int kFacePicture = 135;
constexpr int kStarPicture = 128;

QFont winnerFont(QFont font) {
    font.setBold(true);
    font.setPointSize(font.pointSize() + 2);
    return font;
}

} // namespace

using WindowChrome::MakeLabel;

frmGrammerWinner::frmGrammerWinner(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmGrammerWinner"));
    setWindowTitle(QStringLiteral("Nice Game..."));
    setModal(true);
    setFixedSize(kWidth, kHeight);
    WindowChrome::SetBackground(this, QColor(255, 255, 224));

    const WindowChrome::CaptionBar bar =
        WindowChrome::AddCaptionStrip(this, QStringLiteral("Nice Game..."), kCaptionHeight);
    lblFormCaption = bar.caption;
    lblClose = bar.close;
    lblFormCaption->setIndent(10); // clear of the rounded corner
    WindowChrome::SetBackground(lblFormCaption, QColor(192, 255, 192));
    connect(bar.closeButton, &WindowChrome::LabelButton::clicked, this, &QDialog::accept);

    QFont big = font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 6);
    lblline1 = MakeLabel(this, "lblline1", QStringLiteral("Winner..."));
    lblline1->setFont(big);
    lblline1->setAlignment(Qt::AlignCenter);
    lblline1->setGeometry(0, kCaptionHeight + 10, kWidth, 34);

    imgFace = MakeLabel(this, "imgFace");
    imgFace->setPixmap(LoadResPictureFile(kFacePicture));
    imgFace->setGeometry(24, kCaptionHeight + 54, 69, 114);
    Image2 = MakeLabel(this, "Image2");
    Image2->setScaledContents(true);
    Image2->setGeometry((kWidth - 86) / 2, kCaptionHeight + 58, 86, 100);
    Image1 = MakeLabel(this, "Image1");
    Image1->setPixmap(LoadResPictureFile(kStarPicture));
    Image1->setGeometry(kWidth - 24 - 59, kCaptionHeight + 60, 59, 100);

    lblWinner = MakeLabel(this, "lblWinner");
    lblWinner->setFont(winnerFont(font()));
    lblWinner->setAlignment(Qt::AlignCenter);
    lblWinner->setGeometry(100, kHeight - 30, kWidth - 200, 22);

    lblMenu = MakeLabel(this, "lblMenu_0", QStringLiteral("Close"));
    QFont bold = font();
    bold.setBold(true);
    lblMenu->setFont(bold);
    lblMenu->setAlignment(Qt::AlignCenter);
    lblMenu->setGeometry(kWidth - 100, kHeight - 30, 80, 22);
    connect(WindowChrome::AttachLabelButton(lblMenu), &WindowChrome::LabelButton::clicked, this,
            &QDialog::accept);

    WindowChrome::MakeFrameless(this);
}

void frmGrammerWinner::GameWon(QWidget* owner, const QPixmap& winnerToken,
                               const QString& winnerName) {
    frmGrammerWinner window(owner);
    window.Image2->setPixmap(winnerToken);
    window.lblWinner->setText(winnerName);
    ModuleMultimedia::PlaySoundEffect(0, QStringLiteral("\\Sounds\\hooray.wav"));
    window.exec();
}
