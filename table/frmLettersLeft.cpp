#include "table/frmLettersLeft.h"

#include <QLabel>

#include "shell/WindowChrome.h"

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
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 224)); // pale yellow paper
    setPalette(pal);

    QFont bold = font();
    bold.setBold(true);

    lblFormCaption = new QLabel(QStringLiteral("  Letters left..."), this);
    lblFormCaption->setObjectName(QStringLiteral("lblFormCaption"));
    lblFormCaption->setGeometry(0, 0, kWidth, kCaptionHeight);
    lblFormCaption->setFont(bold);
    lblFormCaption->setAutoFillBackground(true);
    QPalette cap = lblFormCaption->palette();
    cap.setColor(QPalette::Window, QColor(255, 224, 160));
    lblFormCaption->setPalette(cap);
    WindowChrome::AttachCaption(lblFormCaption);

    lblClose = new QLabel(QStringLiteral("X"), this);
    lblClose->setObjectName(QStringLiteral("lblClose"));
    lblClose->setFont(bold);
    lblClose->setAlignment(Qt::AlignCenter);
    lblClose->setGeometry(kWidth - 30, 0, 24, kCaptionHeight);
    connect(WindowChrome::AttachLabelButton(lblClose), &WindowChrome::LabelButton::clicked, this,
            &QDialog::reject);

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
