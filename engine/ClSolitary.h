#pragma once
// The Vantorell solitaire engine: the 115-card letter deck, stock, discards,
// five piles, word checking and scoring, the hint list and saved games. It
// drives the table window through SolitaireTable and asks the word list
// (ClDictionary) whether a pile's letters still lead to a word.
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QtGlobal>

#include <memory>

class ClDictionary;
class SolitaireTable;

// The fields of one saved-game record, parsed and checked before anything on
// the table changes.
struct SavedGameRecord {
    QString CardPile[5];
    QString CardsInDeck;
    QString CardsInDiscards;
    qint16 DiscardIndex = 1;
    bool IfGameIsDone = false;
    qint16 MistakeCount = 0;
    qint16 PlayerPoints = 0;
    bool WizardIsOn = false;
    QString DateOfGame;
    qint16 WordLevel = 3;
    QString WordList;
    float SaveTime = 0.0f;
};

// What happened to the top discard dropped on a pile.
// Returned: no pile or no discard, the card goes back without a penalty.
enum class PlacementVerdict { Returned, Laid, WordMade, Refused };

class ClSolitary {
public:
    ClSolitary(SolitaireTable& table, const ClDictionary* dictionary);
    ClSolitary(const ClSolitary&) = delete;
    ClSolitary& operator=(const ClSolitary&) = delete;

    void SetDictionary(const ClDictionary* dictionary) { m_dictionary = dictionary; }
    const ClDictionary* Dictionary() const { return m_dictionary; }

    // --- game state, read and written by the table -------------------------
    QString SaveGameIndex;
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
    QTime MyTime;
    bool WizardIsOn = false;
    qint16 PlayerPoints = 0;
    bool IfGameIsDone = false;
    qint16 DiscardIndex = 0;
    bool GameInPlay = false;

    // CardPile1..CardPile5 by number; an out-of-range pile gives a scratch
    // string so callers never write into another pile.
    QString& CardPile(int pile);
    QString CardPile(int pile) const;

    // --- cards, deck and deal ----------------------------------------------
    void NewGame();
    void DealNewCards(qint16 level, bool wizardOn);
    void PickFromDeck();
    void UnloadCards();
    void DisplayDiscards();
    qint16 GetPileIndex(qint16 pile) const;
    qint16 GetPileIndexLeft(qint16 pile) const;
    static QString mFindLetter(int cardNumber);
    static qint16 mCardValue(const QString& letter);
    static QString mfRemoveALetter(const QString& text, int position);
    // The 115 cards in card-number order.
    static QString OrderedDeck();
    // Face-down cards per pile at a level (0 for a level outside 3..7).
    static int CardsPerPile(qint16 level);

    // --- words and scoring --------------------------------------------------
    QString GetTheWord(qint16 pile) const;
    bool CheckForWord(const QString& word) const;
    static qint16 GetWordScore(const QString& word);
    static qint16 GetWordBonus(const QString& word);
    qint16 SendPoints(qint16 points);
    qint16 SendPointLost();

    // Rule halves of the table's drop, word flight and flip, so the table
    // only animates:
    // the whole verdict sequence for the top discard dropped on `pile`;
    PlacementVerdict PlaceTopDiscard(qint16 pile);
    // the pile gets the letter in upper case, the top discard leaves;
    void LayLetterOnPile(qint16 pile, const QString& letter);
    // appends a made word (lower case) to WordList;
    void AddToWordList(const QString& word);
    // scores the finished word of the pile: returns the new PlayerPoints;
    qint16 ScorePileWord(qint16 pile);
    // removes the finished word and turns the last face-down card up; returns
    // the number of face-down cards before (0 when the pile is finished);
    int RemoveWordFromPile(qint16 pile);
    // every pile is ":".
    bool AllPilesDone() const;

    // --- hint list ----------------------------------------------------------
    void GetWizardList(qint16& pile, bool includeDiscard);
    void FindWords(const QString& word, const QString& defaultLetter, qint16 level);
    // Generation of the hint search that started last.
    quint32 SearchTag() const { return m_searchTag; }

    // --- saved games --------------------------------------------------------
    void SaveGame();
    // False when the entry is missing or damaged (a message has been shown
    // and the entry is left as it was) or the word list is missing.
    bool PlaySaveGame(const QString& key);
    void DealSaveGameCard(qint16 pile, const QString& letter, bool faceUp);
    // The record text of the current state, with the given date and minutes.
    QString SaveGameRecord(const QString& date, float minutes) const;
    // Parses a record; false with a reason for a damaged one.
    static bool ParseSaveGameRecord(const QString& text, SavedGameRecord& record,
                                    QString* error = nullptr);

    // --- time ---------------------------------------------------------------
    // SaveTime plus the minutes since MyTime, rounded to two decimals.
    float PlayingMinutes() const;
    static QString FormatMinutes(float minutes);
    static QString FormatDate(const QDate& date);

private:
    QString Nickname() const;
    void SetDealCaption();
    // Empties the wizard's list; with the wizard off it shows just "Off",
    // greyed.
    void ResetWizardList(bool wizardOn);

    SolitaireTable& m_table;
    const ClDictionary* m_dictionary = nullptr;
    QString m_scratchPile;
    quint32 m_searchTag = 0;
    // Raised by UnloadCards: a deal or restore waiting for a card flight
    // stops when the table was cleared meanwhile.
    quint32 m_tableGeneration = 0;
    // Expires with the engine: a loop that let window events run checks it
    // before touching the engine again.
    std::shared_ptr<int> m_life;
};
