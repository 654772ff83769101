#include "table/ui/frmLettersLeft.h"

#include <QLabel>

#include "shell/ui/WindowChrome.h"

namespace {
constexpr int kWidth = 360;
constexpr int kHeight = 200;
constexpr int kCaptionHeight = 24;
} // namespace

frmLettersLeft::frmLettersLeft(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmLettersLeft"));
    setWindowTitle(QStringLiteral("Letters left..."));
    setModal(true);
    setFixedSize(kWidth, kHeight);
    WindowChrome::SetBackground(this, QColor(255, 255, 224)); // pale yellow paper

    const WindowChrome::CaptionBar bar =
        WindowChrome::AddCaptionStrip(this, QStringLiteral("  Letters left..."), kCaptionHeight);
    lblFormCaption = bar.caption;
    lblClose = bar.close;
    WindowChrome::SetBackground(lblFormCaption, QColor(255, 224, 160));
    connect(bar.closeButton, &WindowChrome::LabelButton::clicked, this, &QDialog::reject);

    lblLettersLeft = new QLabel(this);
    lblLettersLeft->setObjectName(QStringLiteral("lblLettersLeft"));
    lblLettersLeft->setGeometry(14, kCaptionHeight + 10, kWidth - 28,
                                kHeight - kCaptionHeight - 20);
    lblLettersLeft->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Up to a whole stock of cards: wrap rather than run off the window.
    lblLettersLeft->setWordWrap(true);
    QFont letters(QStringLiteral("DejaVu Sans Mono"));
    letters.setPixelSize(15);
    letters.setBold(true);
    lblLettersLeft->setFont(letters);

    WindowChrome::MakeFrameless(this);
}

QString frmLettersLeft::LettersLeftText(const QString& cardsInDeck,
                                        const QString& cardsInDiscards) {
    QString text;
    text.reserve(2 * (cardsInDeck.size() + cardsInDiscards.size()));
    for (const QString* cards : {&cardsInDeck, &cardsInDiscards})
        for (qsizetype i = cards->size() - 1; i >= 0; --i) {
            text += cards->at(i);
            text += QLatin1Char(' ');
        }
    return text;
}

void frmLettersLeft::SetLetters(const QString& cardsInDeck, const QString& cardsInDiscards) {
    lblLettersLeft->setText(LettersLeftText(cardsInDeck, cardsInDiscards));
}

void frmLettersLeft::LoadLettersLeft(const QString& cardsInDeck, const QString& cardsInDiscards) {
    SetLetters(cardsInDeck, cardsInDiscards);
    exec();
}
