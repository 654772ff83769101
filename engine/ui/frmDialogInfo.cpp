#include "engine/ui/frmDialogInfo.h"

#include "engine/ClSolitary.h"
#include "shell/ui/ResPictures.h"
#include "shell/ui/WindowChrome.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kWidth = 330;
constexpr int kHeight = 170;
constexpr int kCaptionHeight = 22;

// Colours in the platform's blue-green-red order.
constexpr quint32 kMistakeForm = 0x000080;
constexpr quint32 kMistakeCaption = 0xC0C0FF;
constexpr quint32 kMistakeCaptionText = 0x000080;
constexpr quint32 kWordForm = 0x008000;
constexpr quint32 kWordCaption = 0xC0FFC0;
constexpr quint32 kBlack = 0x000000;

} // namespace

using WindowChrome::MakeLabel;

frmDialogInfo::frmDialogInfo(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDialogInfo"));
    setWindowTitle(QStringLiteral("Vantorell"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);

    QFont bold = font();
    bold.setBold(true);

    const WindowChrome::CaptionBar bar =
        WindowChrome::AddCaptionStrip(this, QStringLiteral("  Vantorell"), kCaptionHeight);
    lblFormCaption = bar.caption;
    lblClose = bar.close;
    connect(bar.closeButton, &WindowChrome::LabelButton::clicked, this, &QDialog::reject);

    picMistake = MakeLabel(this, "picMistake");
    picMistake->setPixmap(LoadResPictureFile(kDeckAfterMistake));
    picMistake->setGeometry(10, kCaptionHeight + 8, 69, 114);
    picCorrect = MakeLabel(this, "picCorrect");
    picCorrect->setPixmap(LoadResPictureFile(kDeckAfterWord));
    picCorrect->setGeometry(10, kCaptionHeight + 8, 69, 114);

    const int textLeft = 90;
    const int textWidth = kWidth - textLeft - 10;
    lblPlayer = MakeLabel(this, "lblPlayer");
    lblPlayer->setFont(bold);
    lblPlayer->setGeometry(textLeft, kCaptionHeight + 10, textWidth, 22);
    lblline1 = MakeLabel(this, "lblline1");
    lblline1->setWordWrap(true);
    lblline1->setGeometry(textLeft, kCaptionHeight + 36, textWidth, 36);
    lblLine2 = MakeLabel(this, "lblLine2");
    lblLine2->setGeometry(textLeft, kCaptionHeight + 76, textWidth, 22);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(kWidth - 90, kHeight - 36, 76, 26);
    cmdOK->setDefault(true);
    WindowChrome::AttachPressPointer(cmdOK);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    WindowChrome::MakeFrameless(this);
}

void frmDialogInfo::SetColours(quint32 formBgr, quint32 captionBgr, quint32 captionTextBgr) {
    WindowChrome::SetBackground(this, WindowChrome::ColorFromBgr(formBgr));
    // Light text on the dark form.
    for (QLabel* label : {lblPlayer, lblline1, lblLine2}) {
        QPalette lp = label->palette();
        lp.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(lp);
    }
    WindowChrome::SetBackground(lblFormCaption, WindowChrome::ColorFromBgr(captionBgr));
    QPalette cap = lblFormCaption->palette();
    cap.setColor(QPalette::WindowText, WindowChrome::ColorFromBgr(captionTextBgr));
    lblFormCaption->setPalette(cap);
}

void frmDialogInfo::LoadMistake(const QString& nickName) {
    SetColours(kMistakeForm, kMistakeCaption, kMistakeCaptionText);
    picMistake->show();
    picCorrect->hide();
    lblPlayer->setText(nickName + QStringLiteral("!"));
    lblline1->setText(QStringLiteral("Can't find word in dictionary..."));
    lblLine2->setText(QStringLiteral("Point lost %1...").arg(ClSolitary::kMistakePenalty));
    show();
}

void frmDialogInfo::LoadWordMade(const QString& nickName, const QString& word) {
    SetColours(kWordForm, kWordCaption, kBlack);
    picCorrect->show();
    picMistake->hide();
    lblPlayer->setText(nickName + QStringLiteral("..."));
    lblline1->setText(QStringLiteral("I found '") + word.toLower() +
                      QStringLiteral("' in the dictionary..."));
    lblLine2->setText(QStringLiteral("Word Points ") +
                      QString::number(ClSolitary::GetWordScore(word)) + QStringLiteral("..."));
    show();
}

void frmDialogInfo::Unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    Q_EMIT Unloaded();
}

void frmDialogInfo::done(int result) {
    Unload();
    QDialog::done(result);
}

void frmDialogInfo::closeEvent(QCloseEvent* event) {
    Unload();
    QDialog::closeEvent(event);
}
