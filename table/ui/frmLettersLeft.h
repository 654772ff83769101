#pragma once
// Shows the cards still in the stock and among the discards.
#include <QDialog>

class QLabel;

class frmLettersLeft : public QDialog {
    Q_OBJECT
public:
    explicit frmLettersLeft(QWidget* parent = nullptr);

    // The text shown: the stock's cards from the last to the first, then the
    // discards' from the last to the first, each card followed by a blank.
    static QString LettersLeftText(const QString& cardsInDeck, const QString& cardsInDiscards);

    // Sets lblLettersLeft from the engine's stock and discards.
    void SetLetters(const QString& cardsInDeck, const QString& cardsInDiscards);
    // Sets the letters and shows the window modally until it is closed.
    void LoadLettersLeft(const QString& cardsInDeck, const QString& cardsInDiscards);

    QLabel* lblFormCaption = nullptr;
    QLabel* lblClose = nullptr;
    QLabel* lblLettersLeft = nullptr;
};
