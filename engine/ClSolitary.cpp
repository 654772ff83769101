// Cards, deck and deal: the deck table, the shuffle, dealing onto the five
// piles, drawing from the stock and showing the discards.
#include "engine/ClSolitary.h"

#include "engine/ClDictionary.h"
#include "engine/SolitaireTable.h"
#include "players/ClassPlayerInfo.h"
#include "shell/RandomSource.h"

#include <QElapsedTimer>
#include <QLocale>

#include <array>
#include <limits>

namespace {

struct CardKind {
    char letter;
    int copies;
    qint16 value;
};

// The deck in card-number order: copies give the card numbers (11 "a" are
// cards 1-11, then 4 "b" are 12-15, ...), 115 cards in all.
constexpr std::array<CardKind, 27> kCardKinds{{
    {'a', 11, 1}, {'b', 4, 3}, {'c', 4, 3},  {'d', 4, 3}, {'e', 11, 1}, {'f', 4, 3}, {'g', 4, 3},
    {'h', 4, 3},  {'i', 8, 1}, {'j', 2, 7},  {'k', 3, 5}, {'l', 5, 2},  {'m', 4, 3}, {'n', 5, 2},
    {'o', 8, 1},  {'p', 3, 5}, {'q', 1, 10}, {'r', 5, 1}, {'s', 4, 1},  {'t', 5, 1}, {'u', 4, 1},
    {'v', 2, 7},  {'w', 2, 5}, {'x', 1, 10}, {'y', 3, 5}, {'z', 1, 10}, {'*', 3, 5},
}};

constexpr int kDeckSize = 115;
constexpr int kDiscardSlots = 6;

// The five piles by number, pile 1 first.
constexpr std::array<QString ClSolitary::*, 5> kPiles{
    &ClSolitary::CardPile1, &ClSolitary::CardPile2, &ClSolitary::CardPile3, &ClSolitary::CardPile4,
    &ClSolitary::CardPile5};

// Follows the level in the caption when no winnable deal was found in time.
const QString kNoWinnableDealNote = QStringLiteral(" (no deal that can surely be won was found)");

bool IsPileNumber(int pile) {
    return pile >= 1 && pile <= int(kPiles.size());
}

} // namespace

ClSolitary::ClSolitary(SolitaireTable& table, ClassPlayerInfo& player,
                       const ClDictionary* dictionary)
    : m_table(table), m_player(player), m_dictionary(dictionary), m_life(std::make_shared<int>(0)) {
}

QString& ClSolitary::CardPile(int pile) {
    if (IsPileNumber(pile))
        return this->*kPiles[pile - 1];
    m_scratchPile.clear();
    return m_scratchPile;
}

QString ClSolitary::CardPile(int pile) const {
    return IsPileNumber(pile) ? this->*kPiles[pile - 1] : QString();
}

QString ClSolitary::Greeting(const QString& nickName) {
    return QStringLiteral(" Vantorell // Hello ") + nickName + QStringLiteral("...");
}

QString ClSolitary::TableCaption(const QString& nickName) {
    return nickName.isEmpty() ? QStringLiteral("Vantorell") : Greeting(nickName);
}

QString ClSolitary::DealCaption() const {
    return Greeting(m_player.NickName) + QStringLiteral("Word level ") + QString::number(wordlevel);
}

qint16 ClSolitary::SaturatedAdd(qint16 value, int added) {
    const int sum = int(value) + added;
    constexpr int lo = std::numeric_limits<qint16>::min();
    constexpr int hi = std::numeric_limits<qint16>::max();
    return static_cast<qint16>(sum < lo ? lo : (sum > hi ? hi : sum));
}

// ---------------------------------------------------------------------------
// Deck table

QString ClSolitary::mFindLetter(int cardNumber) {
    if (cardNumber < 1 || cardNumber > kDeckSize)
        return QString();
    int last = 0;
    for (const CardKind& kind : kCardKinds) {
        last += kind.copies;
        if (cardNumber <= last)
            return QString(QLatin1Char(kind.letter));
    }
    return QString();
}

qint16 ClSolitary::mCardValue(const QString& letter) {
    if (letter.size() != 1)
        return 0;
    for (const CardKind& kind : kCardKinds) {
        if (letter.at(0) == QLatin1Char(kind.letter))
            return kind.value;
    }
    return 0;
}

QString ClSolitary::OrderedDeck() {
    QString deck;
    deck.reserve(kDeckSize);
    for (int n = 1; n <= kDeckSize; ++n)
        deck += mFindLetter(n);
    return deck;
}

int ClSolitary::CardsPerPile(qint16 level) {
    switch (level) {
    case 3:
        return 5;
    case 4:
        return 4;
    case 5:
        return 3;
    case 6:
    case 7:
        return 2;
    default:
        return 0;
    }
}

// ---------------------------------------------------------------------------
// Game lifecycle

void ClSolitary::NewGame() {
    UnloadCards();
    m_table.EnableLettersLeft(false);
    m_table.ShowCaption(TableCaption(m_player.NickName));
}

QString ClSolitary::ShuffledDeck(RandomSource& random) {
    // Drawn without replacement from the ordered deck.
    QString ordered = OrderedDeck();
    QString deck;
    deck.reserve(kDeckSize);
    while (!ordered.isEmpty()) {
        const int remaining = static_cast<int>(ordered.size());
        int r = static_cast<int>(remaining * random.next()) + 1;
        r = qBound(1, r, remaining); // a source that returns 1.0 must not read past the end
        deck += ordered.at(r - 1);
        ordered.remove(r - 1, 1);
    }
    return deck;
}

DealState ClSolitary::DealtGame(const QString& deck, qint16 level) {
    DealState game;
    game.level = level;
    QString stock = deck;
    QString under;
    const int perPile = CardsPerPile(level);
    for (int k = 0; k < perPile; ++k) {
        for (int p = 0; p < 5; ++p) {
            while (stock.startsWith(QLatin1Char('x'))) {
                under += QLatin1Char('x');
                stock.remove(0, 1);
            }
            if (stock.isEmpty())
                break;
            game.piles[p] += (k == perPile - 1 ? QStringLiteral(":") : QString()) + stock.at(0);
            stock.remove(0, 1);
        }
    }
    stock += under;
    game.discards = stock.left(3);
    game.stock = stock.mid(3);
    return game;
}

DealState ClSolitary::CurrentDeal() const {
    DealState game;
    for (int p = 1; p <= 5; ++p)
        game.piles[p - 1] = CardPile(p);
    game.stock = CardsInDeck;
    game.discards = CardsInDiscards;
    game.level = wordlevel;
    return game;
}

QString ClSolitary::ChooseDeck(qint16 level, RandomSource& random, bool onlyWinnable,
                               bool& proven) const {
    proven = false;
    QString deck = ShuffledDeck(random);
    if (!onlyWinnable || CardsPerPile(level) == 0)
        return deck;
    const DealSolver solver(*m_dictionary, level);
    QElapsedTimer spent;
    spent.start();
    for (int tries = 1;; ++tries) {
        SolverBudget budget;
        budget.milliseconds = int(
            qBound(qint64(1), qint64(kWinnableAllMs) - spent.elapsed(), qint64(kWinnableTryMs)));
        if (solver.Solve(DealtGame(deck, level), budget).verdict == SolverVerdict::Winnable) {
            proven = true;
            return deck;
        }
        if (spent.elapsed() >= kWinnableAllMs || tries >= kWinnableTries)
            return deck; // the last one drawn is dealt all the same
        deck = ShuffledDeck(random);
    }
}

DealStatus ClSolitary::DealNewCards(qint16 level, bool wizardOn, RandomSource& random,
                                    bool onlyWinnable) {
    UnloadCards();
    m_table.SetBusy(true);
    wordlevel = level;
    m_table.ShowCaption(DealCaption());
    m_table.ShowHelp(QStringLiteral("Use top discard to build ") + QString::number(level) +
                     QStringLiteral("-letter word on any card stack. The game is won "
                                    "when each card in stacks is turned into words..."));
    DateOfGame = SavedGameRecord::FormatDate(QDate::currentDate());
    WizardIsOn = wizardOn;
    m_table.ResetHints(wizardOn);
    m_table.EnableLettersLeft(false);

    random.randomize(); // once per deal, however many decks are drawn
    if (m_dictionary == nullptr || !m_dictionary->Loaded()) {
        UnloadCards();
        m_table.ShowHelp(QString());
        m_table.SetBusy(false);
        return DealStatus::NoWordList;
    }
    bool proven = false;
    const QString deck = ChooseDeck(level, random, onlyWinnable, proven);
    const bool unproven = onlyWinnable && !proven && CardsPerPile(level) > 0;
    if (unproven)
        m_table.ShowCaption(DealCaption() + kNoWinnableDealNote);
    CardsInDeck = deck;

    const int perPile = CardsPerPile(level);
    const quint32 generation = m_tableGeneration;
    const std::weak_ptr<int> life = m_life;
    for (int k = 0; k < perPile; ++k) {
        for (qint16 p = 1; p <= 5; ++p) {
            // The x is never dealt to a pile: it goes under the stock.
            while (CardsInDeck.startsWith(QLatin1Char('x'))) {
                CardsInDiscards += QLatin1Char('x');
                CardsInDeck.remove(0, 1);
            }
            if (CardsInDeck.isEmpty())
                break;
            const QString card = CardsInDeck.left(1);
            CardsInDeck.remove(0, 1);
            const bool faceUp = (k == perPile - 1);
            QString& pile = CardPile(p);
            pile += faceUp ? QStringLiteral(":") + card : card;
            // Once halted (the table closes) the table puts the rest down
            // without flying, so the save question shows the whole deal.
            m_table.DealCard(card, p, faceUp, 0);
            // The table may have been cleared while the card flew.
            if (life.expired())
                return DealStatus::CutShort;
            if (generation != m_tableGeneration) {
                m_table.SetBusy(false);
                return DealStatus::CutShort;
            }
        }
    }
    CardsInDeck += CardsInDiscards;
    CardsInDiscards.clear();

    // Only a dealt game is in play: one cut short is never offered for saving.
    GameInPlay = true;
    m_table.SetBusy(false);
    m_table.EnableLettersLeft(true);
    m_table.PlaySong();
    DrawFromDeck();
    if (life.expired())
        return DealStatus::CutShort;
    m_table.ShowHelp(QString());
    MyTime = QTime::currentTime();
    SaveTime = 0.0f;
    return unproven ? DealStatus::DealtUnproven : DealStatus::Dealt;
}

void ClSolitary::DrawFromDeck() {
    m_table.PlaySound(QStringLiteral("\\Sounds\\cardClick.wav"));
    PickFromDeck();
    m_table.GameChanged(SolverMove{});
    if (WizardIsOn) {
        qint16 pile = m_hintPile;
        GetWizardList(pile, true);
    }
}

void ClSolitary::Halt() {
    m_halted = true;
    ++m_searchTag; // a running search stops adding words
}

void ClSolitary::PickFromDeck() {
    if (CardsInDeck.isEmpty()) {
        // Turn the discards over: the last discard becomes the next card.
        QString turned;
        turned.reserve(CardsInDiscards.size());
        for (qsizetype i = CardsInDiscards.size() - 1; i >= 0; --i)
            turned += CardsInDiscards.at(i);
        CardsInDeck = turned;
        CardsInDiscards.clear();
    }
    CardsInDiscards = CardsInDeck.left(3) + CardsInDiscards;
    CardsInDeck.remove(0, qMin<qsizetype>(3, CardsInDeck.size()));
    DisplayDiscards();
}

void ClSolitary::UnloadCards() {
    ++m_tableGeneration;
    ++m_searchTag; // a hint search still running stops adding words
    m_hintPile = 0;
    m_table.StopMusic();

    SaveGameIndex.clear();
    CardsInDeck.clear();
    CardsInDiscards.clear();
    for (int p = 1; p <= 5; ++p)
        CardPile(p).clear();
    WordList.clear();
    MistakeCount = 0;
    DateOfGame = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    PlayerPoints = 0;
    IfGameIsDone = false;
    DiscardIndex = 1;
    GameInPlay = false;

    m_table.ClearCards();
    DisplayDiscards();
    m_table.ClearHints();
    m_table.ShowWords({});
    m_table.ShowPoints(0);
    m_table.GameChanged(std::nullopt);
}

void ClSolitary::DisplayDiscards() {
    const int n = static_cast<int>(qMin<qsizetype>(CardsInDiscards.size(), kDiscardSlots));
    // Slot n shows the top discard, lying on the others.
    QString shown;
    for (int slot = 1; slot <= n; ++slot)
        shown += CardsInDiscards.mid(n - slot, 1);
    if (n >= 1)
        DiscardIndex = static_cast<qint16>(n);
    const bool playable = DiscardIndex >= 1 && DiscardIndex <= kDiscardSlots;
    m_table.ShowDiscards(shown, playable ? DiscardIndex : qint16(0));
}
