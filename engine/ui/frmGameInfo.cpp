#include "engine/ui/frmGameInfo.h"

#include "engine/ClRating.h"
#include "engine/SavedGameRecord.h"
#include "shell/ui/WindowChrome.h"
#include "shell/ui/frmDictionary.h"

#include <QLabel>
#include <QListWidget>

namespace {

constexpr int kWidth = 330;
constexpr int kHeight = 300;
constexpr int kCaptionHeight = 22;

// A detail line down the left side.
QLabel* MakeDetailLabel(QWidget* parent, const char* name, int top) {
    QLabel* label = WindowChrome::MakeLabel(parent, name);
    label->setGeometry(12, top, 180, 20);
    return label;
}

} // namespace

frmGameInfo::frmGameInfo(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmGameInfo"));
    setWindowTitle(QStringLiteral("Game info..."));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);
    WindowChrome::SetBackground(this, QColor(255, 255, 224));

    QFont bold = font();
    bold.setBold(true);

    const WindowChrome::CaptionBar bar =
        WindowChrome::AddCaptionStrip(this, QStringLiteral("  Saved game..."), kCaptionHeight);
    lblFormCaption = bar.caption;
    lblClose = bar.close;
    WindowChrome::SetBackground(lblFormCaption, QColor(192, 255, 255));
    connect(bar.closeButton, &WindowChrome::LabelButton::clicked, this, &QDialog::close);

    int top = kCaptionHeight + 10;
    lblDate = MakeDetailLabel(this, "lblDate", top);
    lblFinnishGame = MakeDetailLabel(this, "lblFinnishGame", top += 24);
    lblWizardOn = MakeDetailLabel(this, "lblWizardOn", top += 24);
    lblPoints = MakeDetailLabel(this, "lblPoints", top += 24);
    lblMistakeCount = MakeDetailLabel(this, "lblMistakeCount", top += 24);
    lblGameLevel = MakeDetailLabel(this, "lblGameLevel", top += 24);
    lblRating = MakeDetailLabel(this, "lblRating", top += 30);
    lblRating->setGeometry(12, top, kWidth - 24, 20);
    lblRating->setFont(bold);

    lstWords = new QListWidget(this);
    lstWords->setObjectName(QStringLiteral("lstWords"));
    lstWords->setGeometry(200, kCaptionHeight + 10, kWidth - 212, 140);
    lstWords->setToolTip(QStringLiteral("Double click a word to look it up..."));
    connect(lstWords, &QListWidget::itemDoubleClicked, this, &frmGameInfo::lstWords_DblClick);

    lblMenu = new QLabel(QStringLiteral("Close"), this);
    lblMenu->setObjectName(QStringLiteral("lblMenu"));
    lblMenu->setFont(bold);
    lblMenu->setAlignment(Qt::AlignCenter);
    lblMenu->setGeometry(kWidth - 100, kHeight - 34, 80, 24);
    connect(WindowChrome::AttachLabelButton(lblMenu), &WindowChrome::LabelButton::clicked, this,
            &QDialog::close);

    WindowChrome::MakeFrameless(this);
}

void frmGameInfo::LoadGameInfo(const QString& gameInfo, const QString& rating) {
    // A damaged record shows what it has.
    const QHash<QString, QString> fields = SavedGameRecord::Fields(gameInfo);
    const bool wizardOn = fields.value(QStringLiteral("WizardIsOn")) == QLatin1String("True");
    const QString level = fields.value(QStringLiteral("WordLevel"));

    lblDate->setText(QStringLiteral("Date ") + fields.value(QStringLiteral("DateOfGame")));
    lblFinnishGame->setText(QStringLiteral("Finnish ") +
                            fields.value(QStringLiteral("IfGameIsDone")));
    lblWizardOn->setText(QStringLiteral("Wizard On ") +
                         (wizardOn ? QStringLiteral("On") : QStringLiteral("Off")));
    lblPoints->setText(QStringLiteral("Points ") + fields.value(QStringLiteral("PlayerPoints")));
    lblMistakeCount->setText(QStringLiteral("Mistake Count ") +
                             fields.value(QStringLiteral("MistakeCount")));
    lblGameLevel->setText(QStringLiteral("Game Level ") + level);

    lstWords->clear();
    lstWords->addItems(
        fields.value(QStringLiteral("WordList")).split(QLatin1Char(':'), Qt::SkipEmptyParts));

    const qint16 levelNumber = static_cast<qint16>(level.toInt());
    lblRating->setText(QStringLiteral("Level=") + ClRating::Key(levelNumber, wizardOn) +
                       QStringLiteral(" Points=") +
                       ClRating::BestPoints(rating, levelNumber, wizardOn));
}

void frmGameInfo::lstWords_DblClick(QListWidgetItem* item) {
    // The window is its own dictionary's owner, so the dictionary stays
    // usable while this window is open, even when it is shown modally.
    if (item != nullptr)
        frmDictionary::LookUp(this, item->text());
}
