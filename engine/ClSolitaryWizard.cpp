// The wizard hint list: every word of the game's length that the pile in
// focus can still become. The search lets window events run after every
// word, and a newer search (for any pile, the same one included) ends every
// older one.
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
        m_table.ShowHintCount(0);
        return;
    }
    QString word = GetTheWord(pile).toLower();
    if (includeDiscard)
        word += CardsInDiscards.left(1).toLower();
    FindWords(word, QString(), wordlevel);
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
    if (m_halted)
        return;
    // Every search gets its own generation, so an older search for the same
    // pile stops as well when a newer one starts.
    const quint32 generation = ++m_searchTag;
    m_table.ClearHints();
    m_table.EnableLookup(false);

    static const QStringList kNoWords;
    const QStringList& words = (m_dictionary != nullptr && m_dictionary->DicLoaded)
                                   ? m_dictionary->WordsOfLevel(level)
                                   : kNoWords;
    const std::weak_ptr<int> life = m_life;
    QStringList pending;
    qsizetype batch = kWizardFirstBatch;
    int count = 0;
    for (qsizetype i = 1; i < words.size(); ++i) {
        QCoreApplication::processEvents();
        if (life.expired())
            return; // the engine went away with its window
        if (generation != m_searchTag)
            return; // a newer search owns the list now
        if (ClDictionary::EntryBeginsLike(words.at(i), word)) {
            pending.append(words.at(i));
            ++count;
            if (pending.size() >= batch) {
                m_table.AddHints(pending);
                pending.clear();
                batch *= 2;
            }
        }
    }
    if (!pending.isEmpty())
        m_table.AddHints(pending);
    m_table.ShowHintCount(count);
}
