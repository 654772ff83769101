#pragma once
// Helpers of the table's tests: a word list written by hand, a watcher that
// answers the modal windows the table opens, and mouse drags of a card.
#include "TestSupport.h"

#include "engine/ClSolitary.h"
#include "engine/ui/UserControlCards.h"
#include "table/ui/CardLayer.h"
#include "table/ui/frmSolitaire.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace TableTestKit {

// Writes Dictionary/dictionary.dic: the version, then one section per word
// length 3 to 7 (each starting with CR LF so its first word is searched),
// encrypted with the program's passphrase.
inline bool WriteWordList(const TempProgramFolder& folder, const QStringList& three) {
    QByteArray plain = "test list 1<|>";
    plain += "\r\n" + three.join(QStringLiteral("\r\n")).toLatin1();
    plain += "<|>\r\nbarn\r\ncart<|>\r\nbread<|>\r\nbridge<|>\r\nbridges";
    return folder.write(QStringLiteral("Dictionary/dictionary.dic"), referenceScramble(plain));
}

// Answers every window that shows itself modally over the table while it
// lives: records its class name and lets `answer` act on it (by default the
// window is closed).
class ModalWatcher : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;
    explicit ModalWatcher(Answer answer = {}) : m_answer(std::move(answer)) {
        connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::Check);
        m_timer.start(5);
    }
    void SetAnswer(Answer answer) { m_answer = std::move(answer); }
    const QStringList& Seen() const { return m_seen; }
    void Clear() { m_seen.clear(); }

    void Check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal == m_busy)
            return;
        // The start-up windows are closed by the tests' own closer.
        if (modal->objectName() == QLatin1String("frmSplash") ||
            modal->objectName() == QLatin1String("frmBordFile"))
            return;
        m_busy = modal;
        m_seen << QString::fromLatin1(modal->metaObject()->className());
        if (m_answer)
            m_answer(modal);
        else
            modal->close();
        m_busy = nullptr;
    }

private:
    QTimer m_timer;
    Answer m_answer;
    QStringList m_seen;
    QPointer<QWidget> m_busy;
};

// Closes every window shown modally over the table (the placement dialog
// blocks the table's input until the player closes it).
inline QStringList CloseOpenDialogs() {
    QStringList closed;
    for (int guard = 0; guard < 10; ++guard) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            break;
        closed << QString::fromLatin1(modal->metaObject()->className());
        modal->close();
        QCoreApplication::processEvents();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return closed;
}

// A level-3 game in play laid out by hand: the piles as given (":" for the
// rest), each card put down on the felt without flying, and the discards.
inline void LayOut(frmSolitaire& table, const QStringList& piles, const QString& discards) {
    ClSolitary& game = *table.mySolitaryGame;
    game.GameInPlay = true;
    game.wordlevel = 3;
    game.MyTime = QTime::currentTime();
    table.picGame->SetStepFlightsDirectly(true);
    for (int p = 1; p <= 5; ++p) {
        const QString pile = piles.value(p - 1, QStringLiteral(":"));
        game.CardPile(p) = pile;
        for (int i = 0; i < pile.size(); ++i) {
            if (pile.at(i) != QLatin1Char(':'))
                table.picGame->DealCard(pile.at(i), qint16(p), i > pile.indexOf(':'), 0);
        }
    }
    game.CardsInDiscards = discards;
    game.DisplayDiscards();
}

// Presses the card at its centre, moves it in a few steps so that its
// top-left corner reaches `to` (in its parent's coordinates) and releases.
inline void DragCard(UserControlCards* card, QPoint to, int steps = 4) {
    CloseOpenDialogs();
    const QPoint grab(card->width() / 2, card->height() / 2);
    QTest::mousePress(card, Qt::LeftButton, {}, grab);
    const QPoint start = card->pos();
    for (int i = 1; i <= steps; ++i) {
        const QPoint target = start + (to - start) * i / steps;
        // The card follows the mouse: the point under the mouse stays `grab`.
        QTest::mouseMove(card, grab + (target - card->pos()));
    }
    QTest::mouseRelease(card, Qt::LeftButton, {}, grab);
}

} // namespace TableTestKit
