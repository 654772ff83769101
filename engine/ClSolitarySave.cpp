// Saved games: filing the current game in the player's saved games, laying a
// saved game out on the table again, deleting an entry, and playing time.
#include "engine/ClDictionary.h"
#include "engine/ClSolitary.h"
#include "engine/SolitaireTable.h"
#include "players/ClassPlayerInfo.h"
#include "shell/Logging.h"

namespace {

const QString kSolitaireType = QStringLiteral("Solitaire");

} // namespace

float ClSolitary::PlayingMinutes() const {
    int seconds = MyTime.isValid() ? MyTime.secsTo(QTime::currentTime()) : 0;
    // MyTime is a time of day: a period begun before midnight and still going
    // after it has lasted into the next day, it did not run backwards.
    if (seconds < 0)
        seconds += 24 * 60 * 60;
    return SavedGameRecord::RoundMinutes(double(SaveTime) + seconds / 60.0);
}

SavedGameRecord ClSolitary::CurrentRecord(const QString& date, float minutes) const {
    SavedGameRecord record;
    for (int p = 1; p <= 5; ++p)
        record.CardPile[p - 1] = CardPile(p);
    record.CardsInDeck = CardsInDeck;
    record.CardsInDiscards = CardsInDiscards;
    record.DiscardIndex = DiscardIndex;
    record.IfGameIsDone = IfGameIsDone;
    record.MistakeCount = MistakeCount;
    record.PlayerPoints = PlayerPoints;
    record.WizardIsOn = WizardIsOn;
    record.DateOfGame = date;
    record.WordLevel = wordlevel;
    record.WordList = WordList;
    record.SaveTime = minutes;
    return record;
}

bool ClSolitary::CanSave() const {
    return GameInPlay && !m_player.Filename.isEmpty();
}

void ClSolitary::SaveGame() {
    // The period so far goes into the saved time and a new one begins, so
    // playing on after a save counts each minute once.
    SaveTime = PlayingMinutes();
    MyTime = QTime::currentTime();
    const QString record =
        CurrentRecord(SavedGameRecord::FormatDate(QDate::currentDate()), SaveTime).Format();

    if (!SaveGameIndex.isEmpty()) {
        if (ClassSavedGameInfo* entry = m_player.SavedGames.Find(SaveGameIndex)) {
            entry->GameInfo = record;
            m_player.SavedGamesIndex = SaveGameIndex;
            SaveGameIndex.clear(); // a further save of this game adds a new entry
            return;
        }
        SaveGameIndex.clear(); // the entry was deleted meanwhile: file a new one
    }
    int number = m_player.SavedGames.Count() + 1 + DeleteIndex;
    // The count and the deletions give a fresh number; should the key be taken
    // all the same, the next free number keeps the game from being lost.
    while (m_player.SavedGames.Contains(QStringLiteral("S") + QString::number(number)))
        ++number;
    const QString key = QStringLiteral("S") + QString::number(number);
    if (!m_player.SavedGames.Add(ClassSavedGameInfo(record, key, kSolitaireType))) {
        qCWarning(lcMordaventa) << "saved game" << key << "could not be filed";
        return;
    }
    m_player.SavedGamesIndex = key;
}

void ClSolitary::DeleteSavedGame(const QString& key) {
    if (key.isEmpty())
        return;
    if (key == SaveGameIndex)
        SaveGameIndex.clear();
    m_player.SavedGames.Remove(key);
    if (m_player.SavedGamesIndex == key)
        m_player.SavedGamesIndex.clear();
    DeleteIndex = SaturatedAdd(DeleteIndex, 1);
}

void ClSolitary::PlayerChanged() {
    // Keys are given anew when a player file is read: the old key might name
    // another game now, which a save would overwrite.
    SaveGameIndex.clear();
}

RestoreResult ClSolitary::PlaySaveGame(const QString& key) {
    const ClassSavedGameInfo* entry = m_player.SavedGames.Find(key);
    if (entry == nullptr)
        return {RestoreStatus::EntryMissing, QString()};
    SavedGameRecord record;
    QString why;
    // A damaged record is refused before the table changes, and the entry
    // stays as it is in the player's file.
    if (!SavedGameRecord::Parse(entry->GameInfo, record, &why))
        return {RestoreStatus::EntryDamaged, why};

    if (m_dictionary == nullptr || !m_dictionary->Loaded()) {
        // Checked before laying out any card: without the word list the game
        // cannot be played, and the table ends up empty either way.
        UnloadCards();
        m_table.SetBusy(false);
        return {RestoreStatus::NoWordList, QString()};
    }

    UnloadCards();
    m_table.SetBusy(true);
    SaveGameIndex = key;

    const quint32 generation = m_tableGeneration;
    const std::weak_ptr<int> life = m_life;
    // Fields act in record order: the discards come before DiscardIndex,
    // which shows them.
    for (const QString& name : std::as_const(record.FieldOrder)) {
        if (const int pileNumber = SavedGameRecord::PileNumber(name)) {
            const qint16 pile = static_cast<qint16>(pileNumber);
            const QString value = record.CardPile[pile - 1];
            CardPile(pile) = value;
            qint16 wordPlace = 0;
            bool faceUp = false;
            for (const QChar c : value) {
                if (c == QLatin1Char(':')) {
                    faceUp = true;
                    continue;
                }
                if (faceUp)
                    ++wordPlace;
                m_table.DealCard(QString(c), pile, faceUp, wordPlace);
                if (life.expired())
                    return {RestoreStatus::CutShort, QString()};
                if (generation != m_tableGeneration) {
                    m_table.SetBusy(false);
                    return {RestoreStatus::CutShort, QString()};
                }
            }
        } else if (name == QLatin1String("CardsInDeck")) {
            CardsInDeck = record.CardsInDeck;
        } else if (name == QLatin1String("CardsInDiscards")) {
            CardsInDiscards = record.CardsInDiscards;
        } else if (name == QLatin1String("DateOfGame")) {
            DateOfGame = record.DateOfGame;
        } else if (name == QLatin1String("WordLevel")) {
            wordlevel = record.WordLevel;
        } else if (name == QLatin1String("MistakeCount")) {
            MistakeCount = record.MistakeCount;
        } else if (name == QLatin1String("WordList")) {
            WordList = record.WordList;
            m_table.ShowWords(WordList.split(QLatin1Char(':'), Qt::SkipEmptyParts));
        } else if (name == QLatin1String("PlayerPoints")) {
            PlayerPoints = record.PlayerPoints;
            m_table.ShowPoints(PlayerPoints);
        } else if (name == QLatin1String("DiscardIndex")) {
            DiscardIndex = record.DiscardIndex;
            DisplayDiscards();
        } else if (name == QLatin1String("WizardIsOn")) {
            WizardIsOn = record.WizardIsOn;
            m_table.ResetHints(WizardIsOn);
        } else if (name == QLatin1String("SaveTime")) {
            SaveTime = record.SaveTime;
        }
    }

    m_table.ShowCaption(DealCaption());
    MyTime = QTime::currentTime();
    GameInPlay = true;
    IfGameIsDone = false;
    m_table.SetBusy(false);
    m_table.EnableLettersLeft(true);
    m_table.PlaySong();
    m_table.GameChanged(std::nullopt);
    if (WizardIsOn) {
        m_table.EnableLookup(false);
        qint16 pile = m_hintPile;
        GetWizardList(pile, true);
    }
    return {};
}
