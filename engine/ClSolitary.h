#pragma once
// The Vantorell solitaire engine: the 115-card letter deck, stock, discards,
// five piles, word checking and scoring, the hint list and saved games. Each
// operation decides, changes the game and returns what happened; what the
// table must show it tells the table through SolitaireTable. It asks the word
// list (ClDictionary) whether a pile's letters still lead to a word, and files
// games in the player record the table hands it.
#include "engine/DealSolver.h"
#include "engine/SavedGameRecord.h"

#include <QString>
#include <QStringList>
#include <QTime>
#include <QtGlobal>

#include <memory>

class CardSupply;
class ClDictionary;
class ClassPlayerInfo;
class RandomSource;
class SolitaireTable;

// What happened to the top discard dropped on a pile.
// Returned: no pile or no discard, the card goes back without a penalty.
enum class PlacementVerdict { Returned, Laid, WordMade, Refused };

struct Placement {
    PlacementVerdict verdict = PlacementVerdict::Returned;
    // Laid and WordMade: the letter now on the pile (upper case) and the
    // pile's word with it; Refused: the word that was tried.
    QString letter;
    QString word;
    // PlayerPoints afterwards (a refusal has cost its penalty).
    qint16 points = 0;
};

// How a deal ended. Dealt: a game is in play (with "only deals that can be
// won", one the solver found winnable); DealtUnproven: no winnable deal was
// found in time and the last one drawn was dealt; NoWordList: nothing was
// dealt; CutShort: the table was cleared or closed while the cards flew.
enum class DealStatus { Dealt, DealtUnproven, NoWordList, CutShort };

// How restoring a saved game ended; `why` says what is damaged.
enum class RestoreStatus { Restored, EntryMissing, EntryDamaged, NoWordList, CutShort };
struct RestoreResult {
    RestoreStatus status = RestoreStatus::Restored;
    QString why;
};

// What finishing a made word did once its cards had flown to the list.
struct FinishedWord {
    QString word;          // lower case, as the list shows it
    qint16 points = 0;     // PlayerPoints with the word's score
    bool won = false;      // no pile has cards left: the win has been recorded
    QString ratingMessage; // won: what the rating says about the result
};

class ClSolitary {
public:
    static constexpr qint16 kMistakePenalty = 3;

    ClSolitary(SolitaireTable& table, ClassPlayerInfo& player, const ClDictionary* dictionary);
    ClSolitary(const ClSolitary&) = delete;
    ClSolitary& operator=(const ClSolitary&) = delete;

    ClassPlayerInfo& Player() { return m_player; }

    // --- game state ------------------------------------------------------
    // Read by the table; written only by the engine (tests lay out
    // positions directly).
    QString SaveGameIndex; // key of the saved entry this game was restored from
    QString CardsInDeck;
    QString CardsInDiscards;
    qint16 wordlevel = 0;
    QString CardPile1;
    QString CardPile2;
    QString CardPile3;
    QString CardPile4;
    QString CardPile5;
    QString WordList;
    qint16 MistakeCount = 0;
    QString DateOfGame;
    float SaveTime = 0.0f;
    QTime MyTime; // start of the playing period not yet in SaveTime
    bool WizardIsOn = false;
    qint16 PlayerPoints = 0;
    bool IfGameIsDone = false;
    qint16 DiscardIndex = 0;
    bool GameInPlay = false; // a deal or restore has finished and no win yet
    qint16 DeleteIndex = 0;  // saved games deleted during this run

    // CardPile1..CardPile5 by number; an out-of-range pile gives a scratch
    // string so callers never write into another pile.
    QString& CardPile(int pile);
    QString CardPile(int pile) const;

    // " Vantorell // Hello <nick name>...", the caption of a logged-in player.
    static QString Greeting(const QString& nickName);
    // The table's caption without a game: the greeting, or "Vantorell" while
    // nobody is at the table.
    static QString TableCaption(const QString& nickName);
    // A 16-bit count or score after adding: it stays at the end of its range
    // instead of overflowing.
    static qint16 SaturatedAdd(qint16 value, int added);

    // --- cards, deck and deal ----------------------------------------------
    // Clears the table for a new game: no word level in the caption and no
    // letters to count until the next deal.
    void NewGame();
    // Budget of "only deals that can be won": each deal drawn is given to
    // the solver for at most kWinnableTryMs, all of them for kWinnableAllMs.
    static constexpr int kWinnableTryMs = 1000;
    static constexpr int kWinnableAllMs = 4000;
    static constexpr int kWinnableTries = 200;
    // Shuffles and deals, letting each card fly, then draws the first three.
    // With onlyWinnable the deck is shuffled again from `random` until the
    // solver finds the deal winnable or the budget is spent.
    DealStatus DealNewCards(qint16 level, bool wizardOn, RandomSource& random,
                            bool onlyWinnable = false);
    // The 115 cards in the order a deal shuffles them.
    static QString ShuffledDeck(RandomSource& random);
    // The game a shuffled deck gives at a level, as the deal leaves it: the
    // piles (an x never goes to a pile but under the stock) and the first
    // three cards drawn.
    static DealState DealtGame(const QString& deck, qint16 level);
    // The cards as they lie now.
    DealState CurrentDeal() const;
    // The deck button in a game: three more cards, and the hints follow.
    void DrawFromDeck();
    void PickFromDeck();
    void UnloadCards();
    void DisplayDiscards();
    static QString mFindLetter(int cardNumber);
    static qint16 mCardValue(const QString& letter);
    // The 115 cards in card-number order.
    static QString OrderedDeck();
    // Cards dealt to each pile at a level, the last one face up (0 for a
    // level outside 3..7).
    static int CardsPerPile(qint16 level);
    // The table is closing: a running hint search ends, no other starts, and
    // a deal or restore lays its remaining cards without letting them fly.
    void Halt();

    // --- words and scoring --------------------------------------------------
    QString GetTheWord(qint16 pile) const;
    bool CheckForWord(const QString& word) const;
    static qint16 GetWordScore(const QString& word);
    static qint16 GetWordBonus(const QString& word);
    qint16 SendPoints(qint16 points);
    qint16 SendPointLost();
    // The top discard dropped on a pile: laid, laid finishing a word (added
    // to WordList, scored by FinishWord once it has flown), refused (the
    // penalty is taken) or returned.
    Placement PlaceTopDiscard(qint16 pile);
    // The made word of a pile has reached the list: scored, taken off the
    // pile and the next face-down card turned up. When no pile has cards left
    // the win is recorded: the rating of the level, the game filed as
    // finished and the player file written.
    FinishedWord FinishWord(qint16 pile);
    // every pile is ":".
    bool AllPilesDone() const;

    // --- hint list ----------------------------------------------------------
    // Lists what `pile` can still become (counting the top discard when
    // asked); pile 0 or an unknown pile means the first pile with cards.
    // `pile` receives the pile searched, which is lit and becomes HintPile().
    // Words whose missing letters the stock and the discards (less a top
    // discard counted in) cannot give are listed after the others.
    void GetWizardList(qint16& pile, bool includeDiscard);
    // Lists the words of the level beginning like `word`, judged against
    // every unplayed card.
    void FindWords(const QString& word, const QString& defaultLetter, qint16 level);
    // The pile being worked on after a card has moved: with the wizard its
    // hints, without it no pile lit. Returns the pile now followed.
    qint16 FollowPile(qint16 pile);
    qint16 HintPile() const { return m_hintPile; }

    // --- saved games --------------------------------------------------------
    // A game can be saved: one is in play and a player will keep it.
    bool CanSave() const;
    void SaveGame();
    // A missing or damaged entry is left as it was and the table as well;
    // without the word list the table is cleared.
    RestoreResult PlaySaveGame(const QString& key);
    // Removes a saved entry of the player; the game restored from it, if it
    // is the one in play, will be filed afresh.
    void DeleteSavedGame(const QString& key);
    // The table's player record was filled anew (a login, a registration):
    // the entry this game came from belongs to the record that was there.
    void PlayerChanged();
    // The record of the current state, with the given date and minutes.
    SavedGameRecord CurrentRecord(const QString& date, float minutes) const;

    // --- time ---------------------------------------------------------------
    // SaveTime plus the minutes since MyTime, rounded to two decimals.
    float PlayingMinutes() const;

private:
    QString DealCaption() const;
    // A deck for the deal: with onlyWinnable, the first one found winnable.
    QString ChooseDeck(qint16 level, RandomSource& random, bool onlyWinnable, bool& proven) const;
    void SearchHints(const QString& word, qint16 level, const CardSupply& unplayed);
    void LayLetterOnPile(qint16 pile, const QString& letter);
    void AddToWordList(const QString& word);
    int RemoveWordFromPile(qint16 pile);
    void RecordWin(FinishedWord& result);

    SolitaireTable& m_table;
    ClassPlayerInfo& m_player;
    const ClDictionary* m_dictionary = nullptr;
    QString m_scratchPile;
    qint16 m_hintPile = 0;
    quint32 m_searchTag = 0;
    bool m_halted = false;
    // Raised by UnloadCards: a deal or restore waiting for a card flight
    // stops when the table was cleared meanwhile.
    quint32 m_tableGeneration = 0;
    // Expires with the engine: a loop that let window events run checks it
    // before touching the engine again.
    std::shared_ptr<int> m_life;
};
