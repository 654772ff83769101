// The wizard hint list: every word of the game's length that the pile in
// focus, followed by the top discard where it fits, can still become. The search lets window events
// run after every word, and a newer search (for any pile, the same one included) ends every older
// one. Words that the unplayed cards can no longer complete are listed after the others.
#include "engine/CardSupply.h"
#include "engine/ClDictionary.h"
#include "engine/ClSolitary.h"
#include "engine/SolitaireTable.h"

#include <QCoreApplication>

namespace {

// Matches are handed to the list box in batches that double in size: the
// first words show at once, and a list box that lays out all its rows on
// every change is laid out a few times per search instead of once per word.
constexpr qsizetype kWizardFirstBatch = 64;

} // namespace

void ClSolitary::GetWizardList(qint16& pile, bool includeDiscard) {
    if (pile < 0 || pile > 5)
        pile = 0; // a pile number that is no pile counts as none
    if (pile == 0) {
        for (qint16 p = 1; p <= 5; ++p) {
            if (CardPile(p) != QLatin1String(":")) {
                pile = p;
                break;
            }
        }
    }
    if (m_halted)
        return;
    m_table.FocusPile(pile);
    m_hintPile = pile;
    if (pile == 0) {
        // Every pile is used up (the game is won): there is nothing to search,
        // and an older search must not go on filling the list.
        ++m_searchTag;
        m_table.ClearHints();
        m_table.ShowHintCount(0, 0);
        return;
    }
    QString word = GetTheWord(pile).toLower();
    // The top discard is counted in when it continues a word of the pile.
    // When it continues none (a refused card, a draw that does not fit),
    // the pile's own words are listed: the list never stands empty while the
    // pile can still become words.
    const QString withDiscard = word + CardsInDiscards.left(1).toLower();
    const bool countDiscard = includeDiscard && !CardsInDiscards.isEmpty() &&
                              m_dictionary != nullptr && m_dictionary->Loaded() &&
                              m_dictionary->CheckWord(withDiscard, wordlevel);
    // The top discard counted into the word is no longer among the cards
    // that can give the missing letters.
    const QStringView discards =
        countDiscard ? QStringView(CardsInDiscards).mid(1) : QStringView(CardsInDiscards);
    SearchHints(countDiscard ? withDiscard : word, wordlevel,
                CardSupply(CardsInDeck + discards.toString()));
}

qint16 ClSolitary::FollowPile(qint16 pile) {
    if (!WizardIsOn) {
        m_table.FocusPile(0);
        return 0;
    }
    GetWizardList(pile, true);
    return pile;
}

void ClSolitary::FindWords(const QString& word, const QString& /*defaultLetter*/, qint16 level) {
    SearchHints(word, level, CardSupply(CardsInDeck + CardsInDiscards));
}

void ClSolitary::SearchHints(const QString& word, qint16 level, const CardSupply& unplayed) {
    if (m_halted)
        return;
    // Every search gets its own generation, so an older search for the same
    // pile stops as well when a newer one starts.
    const quint32 generation = ++m_searchTag;
    m_table.ClearHints();
    m_table.EnableLookup(false);

    static const QStringList kNoWords;
    const QStringList& words = (m_dictionary != nullptr && m_dictionary->Loaded())
                                   ? m_dictionary->WordsOfLevel(level)
                                   : kNoWords;
    const std::weak_ptr<int> life = m_life;
    QStringList pending;
    // Words out of reach wait for the end of the search, so that the list
    // only ever grows at its bottom.
    QStringList outOfReach;
    qsizetype batch = kWizardFirstBatch;
    int makeable = 0;
    for (qsizetype i = 1; i < words.size(); ++i) {
        QCoreApplication::processEvents();
        if (life.expired())
            return; // the engine went away with its window
        if (generation != m_searchTag)
            return; // a newer search owns the list now
        const QString& entry = words.at(i);
        if (!ClDictionary::EntryBeginsLike(entry, word))
            continue;
        if (!unplayed.CanSupply(QStringView(entry).mid(word.size()))) {
            outOfReach.append(entry);
            continue;
        }
        pending.append(entry);
        ++makeable;
        if (pending.size() >= batch) {
            m_table.AddHints(pending, true);
            pending.clear();
            batch *= 2;
        }
    }
    if (!pending.isEmpty())
        m_table.AddHints(pending, true);
    if (!outOfReach.isEmpty())
        m_table.AddHints(outOfReach, false);
    m_table.ShowHintCount(makeable, makeable + int(outOfReach.size()));
}
