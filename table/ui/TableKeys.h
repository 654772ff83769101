#pragma once
// The keys that play Vantorell without a mouse, on the felt (which takes the
// focus, see CardLayer):
//   1 to 5          choose a pile (framed; with the wizard its hints follow)
//   Left, Right     choose the pile beside it
//   Enter           put the top discard on the chosen pile, as a drag would
//   Space           turn up cards from the deck (or start a game)
//   H               go to the hint list (Enter looks the chosen word up,
//                   Escape comes back to the felt)
//   L               show the letters left
// While cards fly, a click on the felt or Space lands them at once; that key
// press does nothing else.
#include <QObject>

#include <functional>

class CardLayer;
class QEvent;
class QListWidget;
class QWidget;

class TableKeys : public QObject {
public:
    struct Actions {
        std::function<void()> drawFromDeck;
        std::function<void()> lettersLeft;
        std::function<void()> lookUpHint; // the hint chosen in the list
    };
    TableKeys(CardLayer* felt, QListWidget* hints, Actions actions);

    // Whether `event`, arriving at `target` while the cards fly, asks to skip
    // the flights: a left click on the felt or on anything lying on it, or Space.
    static bool AsksToSkip(const CardLayer* felt, const QObject* target, const QEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FeltKey(int key, bool autoRepeat);

    CardLayer* m_felt;
    QListWidget* m_hints;
    Actions m_actions;
};
