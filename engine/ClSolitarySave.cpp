// Saved games: the record text, filing it in the current player's saved
// games, and laying a saved game out on the table again.
#include "engine/ClDictionary.h"
#include "engine/ClSolitary.h"
#include "engine/SolitaireTable.h"
#include "players/ClassPlayerInfo.h"
#include "shell/Logging.h"
#include "shell/MsgBox.h"

#include <QLocale>
#include <QSet>

#include <cmath>
#include <limits>

namespace {

const QString kSolitaireType = QStringLiteral("Solitaire");

const QStringList& PileNames() {
    static const QStringList names{QStringLiteral("CardPile1"), QStringLiteral("CardPile2"),
                                   QStringLiteral("CardPile3"), QStringLiteral("CardPile4"),
                                   QStringLiteral("CardPile5")};
    return names;
}

const QStringList& KnownNames() {
    static const QStringList names =
        PileNames() + QStringList{
                          QStringLiteral("CardsInDeck"),  QStringLiteral("CardsInDiscards"),
                          QStringLiteral("DiscardIndex"), QStringLiteral("IfGameIsDone"),
                          QStringLiteral("MistakeCount"), QStringLiteral("PlayerPoints"),
                          QStringLiteral("WizardIsOn"),   QStringLiteral("DateOfGame"),
                          QStringLiteral("WordLevel"),    QStringLiteral("WordList"),
                          QStringLiteral("SaveTime"),
                      };
    return names;
}

QString BoolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool IsCard(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c == '*';
}

bool IsPileCard(QChar c) {
    return IsCard(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool ParseInt16(const QString& text, qint16& out) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < std::numeric_limits<qint16>::min() ||
        value > std::numeric_limits<qint16>::max())
        return false;
    out = static_cast<qint16>(value);
    return true;
}

bool ParseBool(const QString& text, bool& out) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 || t == QLatin1String("-1")) {
        out = true;
        return true;
    }
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 || t == QLatin1String("0")) {
        out = false;
        return true;
    }
    return false;
}

// Minutes are written with the desktop's decimal separator; a record made
// under another setting is read as well.
bool ParseMinutes(const QString& text, float& out) {
    bool ok = false;
    double value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok)
        value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok) {
        QString swapped = text.trimmed();
        swapped.replace(QLatin1Char(','), QLatin1Char('.'));
        value = QLocale::c().toDouble(swapped, &ok);
    }
    if (!ok || !std::isfinite(value))
        return false;
    out = static_cast<float>(value);
    return true;
}

bool ValidPile(const QString& value) {
    if (value.count(QLatin1Char(':')) != 1)
        return false;
    for (const QChar c : value) {
        if (c != QLatin1Char(':') && !IsPileCard(c))
            return false;
    }
    return true;
}

bool ValidCards(const QString& value) {
    for (const QChar c : value) {
        if (!IsCard(c))
            return false;
    }
    return true;
}

float RoundMinutes(double minutes) {
    return static_cast<float>(std::round(minutes * 100.0) / 100.0);
}

} // namespace

QString ClSolitary::FormatMinutes(float minutes) {
    // Up to two decimals, no trailing zeros: 12.5 is "12.5", 3 is "3".
    QString text = QString::number(RoundMinutes(minutes), 'f', 2);
    while (text.contains(QLatin1Char('.')) && (text.endsWith(QLatin1Char('0'))))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

float ClSolitary::PlayingMinutes() const {
    int seconds = MyTime.isValid() ? MyTime.secsTo(QTime::currentTime()) : 0;
    // MyTime is a time of day: a period begun before midnight and still going
    // after it has lasted into the next day, it did not run backwards.
    if (seconds < 0)
        seconds += 24 * 60 * 60;
    return RoundMinutes(double(SaveTime) + seconds / 60.0);
}

QString ClSolitary::SaveGameRecord(const QString& date, float minutes) const {
    QStringList fields;
    for (int p = 1; p <= 5; ++p)
        fields << PileNames().at(p - 1) + QLatin1Char('=') + CardPile(p);
    fields << QStringLiteral("CardsInDeck=") + CardsInDeck
           << QStringLiteral("CardsInDiscards=") + CardsInDiscards
           << QStringLiteral("DiscardIndex=") + QString::number(DiscardIndex)
           << QStringLiteral("IfGameIsDone=") + BoolText(IfGameIsDone)
           << QStringLiteral("MistakeCount=") + QString::number(MistakeCount)
           << QStringLiteral("PlayerPoints=") + QString::number(PlayerPoints)
           << QStringLiteral("WizardIsOn=") + BoolText(WizardIsOn)
           << QStringLiteral("DateOfGame=") + date
           << QStringLiteral("WordLevel=") + QString::number(wordlevel)
           << QStringLiteral("WordList=") + WordList
           << QStringLiteral("SaveTime=") + FormatMinutes(minutes);
    return fields.join(QLatin1Char('|'));
}

bool ClSolitary::ParseSaveGameRecord(const QString& text, SavedGameRecord& record, QString* error) {
    auto fail = [error](const QString& why) {
        if (error != nullptr)
            *error = why;
        return false;
    };
    SavedGameRecord parsed;
    bool seenPile[5] = {false, false, false, false, false};
    bool seenLevel = false;
    QSet<QString> seenNames;
    const QStringList fields = text.split(QLatin1Char('|'));
    for (const QString& field : fields) {
        const qsizetype eq = field.indexOf(QLatin1Char('='));
        if (eq < 0) {
            // A known name without its "=" is a damaged record; anything else
            // is a field of another version and is passed over.
            for (const QString& known : KnownNames()) {
                if (field.trimmed().startsWith(known))
                    return fail(QStringLiteral("The field %1 has no value.").arg(known));
            }
            continue;
        }
        const QString name = field.left(eq);
        const QString value = field.mid(eq + 1);
        // Restoring acts on every field in turn: a pile given twice would be
        // laid out twice on the table.
        if (KnownNames().contains(name)) {
            if (seenNames.contains(name))
                return fail(QStringLiteral("The field %1 is given twice.").arg(name));
            seenNames.insert(name);
        }
        const int pileIndex = static_cast<int>(PileNames().indexOf(name));
        if (pileIndex >= 0) {
            if (!ValidPile(value))
                return fail(
                    QStringLiteral("The pile %1 holds \"%2\", which is not a pile of cards.")
                        .arg(pileIndex + 1)
                        .arg(value));
            parsed.CardPile[pileIndex] = value;
            seenPile[pileIndex] = true;
        } else if (name == QLatin1String("CardsInDeck") ||
                   name == QLatin1String("CardsInDiscards")) {
            if (!ValidCards(value))
                return fail(QStringLiteral("The field %1 holds \"%2\", which are not cards.")
                                .arg(name, value));
            (name == QLatin1String("CardsInDeck") ? parsed.CardsInDeck : parsed.CardsInDiscards) =
                value;
        } else if (name == QLatin1String("DiscardIndex") || name == QLatin1String("MistakeCount") ||
                   name == QLatin1String("PlayerPoints") || name == QLatin1String("WordLevel")) {
            qint16 number = 0;
            if (!ParseInt16(value, number))
                return fail(
                    QStringLiteral("The field %1 holds \"%2\", not a number.").arg(name, value));
            if (name == QLatin1String("DiscardIndex")) {
                // Six discard slots; 0 once the last shown discard was played.
                if (number < 0 || number > 6)
                    return fail(QStringLiteral("The discard index %1 is not 0 to 6.").arg(number));
                parsed.DiscardIndex = number;
            } else if (name == QLatin1String("MistakeCount"))
                parsed.MistakeCount = number;
            else if (name == QLatin1String("PlayerPoints"))
                parsed.PlayerPoints = number;
            else {
                if (ClSolitary::CardsPerPile(number) == 0)
                    return fail(QStringLiteral("The word level %1 is not 3 to 7.").arg(number));
                parsed.WordLevel = number;
                seenLevel = true;
            }
        } else if (name == QLatin1String("IfGameIsDone") || name == QLatin1String("WizardIsOn")) {
            bool flag = false;
            if (!ParseBool(value, flag))
                return fail(QStringLiteral("The field %1 holds \"%2\", not True or False.")
                                .arg(name, value));
            (name == QLatin1String("IfGameIsDone") ? parsed.IfGameIsDone : parsed.WizardIsOn) =
                flag;
        } else if (name == QLatin1String("DateOfGame")) {
            parsed.DateOfGame = value;
        } else if (name == QLatin1String("WordList")) {
            parsed.WordList = value;
        } else if (name == QLatin1String("SaveTime")) {
            if (!ParseMinutes(value, parsed.SaveTime))
                return fail(
                    QStringLiteral("The field SaveTime holds \"%1\", not a number.").arg(value));
        }
        // Any other name belongs to another version and is ignored.
    }
    for (int p = 0; p < 5; ++p) {
        if (!seenPile[p])
            return fail(QStringLiteral("The pile %1 is missing.").arg(p + 1));
    }
    if (!seenLevel)
        return fail(QStringLiteral("The word level is missing."));
    record = parsed;
    return true;
}

void ClSolitary::SaveGame() {
    ClassPlayerInfo& player = CurrentPlayer();
    SaveTime = PlayingMinutes(); // MyTime stays: the playing period goes on
    const QString record = SaveGameRecord(FormatDate(QDate::currentDate()), SaveTime);

    if (!SaveGameIndex.isEmpty()) {
        if (ClassSavedGameInfo* entry = player.SavedGames.Find(SaveGameIndex)) {
            entry->GameInfo = record;
            player.SavedGamesIndex = SaveGameIndex;
            SaveGameIndex.clear(); // a further save of this game adds a new entry
            return;
        }
        SaveGameIndex.clear(); // the entry was deleted meanwhile: file a new one
    }
    int number = player.SavedGames.Count() + 1 + m_table.GetDeleteIndex();
    // The count and the deletions give a fresh number; should the key be taken
    // all the same, the next free number keeps the game from being lost.
    while (player.SavedGames.Contains(QStringLiteral("S") + QString::number(number)))
        ++number;
    const QString key = QStringLiteral("S") + QString::number(number);
    if (!player.SavedGames.Add(ClassSavedGameInfo(record, key, kSolitaireType))) {
        qCWarning(lcMordaventa) << "saved game" << key << "could not be filed";
        return;
    }
    player.SavedGamesIndex = key;
}

bool ClSolitary::PlaySaveGame(const QString& key) {
    const ClassSavedGameInfo* entry = CurrentPlayer().SavedGames.Find(key);
    if (entry == nullptr) {
        MsgBox(QStringLiteral("The saved game could not be found..."), MsgButtons::OK,
               QStringLiteral("Play Save"), MsgIcon::Exclamation);
        return false;
    }
    SavedGameRecord record;
    QString why;
    // A damaged record is refused before the table changes, and the entry
    // stays as it is in the player's file.
    if (!ParseSaveGameRecord(entry->GameInfo, record, &why)) {
        MsgBox(QStringLiteral("This saved game is damaged and cannot be restored...") +
                   QStringLiteral("\r\n\r\n") + why,
               MsgButtons::OK, QStringLiteral("Play Save"), MsgIcon::Exclamation);
        return false;
    }
    const QString text = entry->GameInfo; // the entry may move while cards fly

    if (m_dictionary == nullptr || !m_dictionary->DicLoaded) {
        // Checked before laying out any card: without the word list the game
        // cannot be played, and the table ends up empty either way.
        UnloadCards();
        MsgBox(QStringLiteral("Missing dictionary file..."), MsgButtons::OK, QString(),
               MsgIcon::Critical);
        m_table.SetBusyPointer(false);
        m_table.SetFormEnabled(true);
        return false;
    }

    UnloadCards();
    m_table.SetTimerDeckAnimation(false);
    m_table.SetFormEnabled(false);
    SaveGameIndex = key;
    m_table.SetBusyPointer(true);

    const quint32 generation = m_tableGeneration;
    const std::weak_ptr<int> life = m_life;
    // Fields act in record order: the discards come before DiscardIndex,
    // which shows them.
    for (const QString& field : text.split(QLatin1Char('|'))) {
        const qsizetype eq = field.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString name = field.left(eq);
        const int pileIndex = static_cast<int>(PileNames().indexOf(name));
        if (pileIndex >= 0) {
            const qint16 pile = static_cast<qint16>(pileIndex + 1);
            const QString value = record.CardPile[pileIndex];
            CardPile(pile) = value;
            m_table.SetSaveGameCardPos(0);
            bool faceUp = false;
            for (const QChar c : value) {
                if (c == QLatin1Char(':')) {
                    faceUp = true;
                    continue;
                }
                if (faceUp)
                    m_table.SetSaveGameCardPos(
                        static_cast<qint16>(m_table.GetSaveGameCardPos() + 1));
                DealSaveGameCard(pile, QString(c), faceUp);
                if (life.expired())
                    return false;
                if (generation != m_tableGeneration) {
                    m_table.SetBusyPointer(false);
                    m_table.SetFormEnabled(true);
                    return false;
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
            m_table.WordsClear();
            for (const QString& word : WordList.split(QLatin1Char(':'), Qt::SkipEmptyParts))
                m_table.WordsAddItem(word);
        } else if (name == QLatin1String("PlayerPoints")) {
            PlayerPoints = record.PlayerPoints;
            m_table.SetPointsCaption(QString::number(PlayerPoints));
        } else if (name == QLatin1String("DiscardIndex")) {
            DiscardIndex = record.DiscardIndex;
            DisplayDiscards();
        } else if (name == QLatin1String("WizardIsOn")) {
            WizardIsOn = record.WizardIsOn;
            ResetWizardList(WizardIsOn);
        } else if (name == QLatin1String("SaveTime")) {
            SaveTime = record.SaveTime;
        }
    }

    SetDealCaption();
    MyTime = QTime::currentTime();
    GameInPlay = true;
    IfGameIsDone = false;
    m_table.SetFormEnabled(true);
    m_table.SetBusyPointer(false);
    m_table.SetLettersLeftEnabled(true);
    m_table.SetTimerDeckAnimation(true);
    m_table.PlaySong();
    m_table.SetPicCardsIndex(static_cast<qint16>(m_table.PileCardCount()));
    if (WizardIsOn) {
        m_table.SetNetDictionaryEnabled(false);
        qint16 pile = static_cast<qint16>(m_table.GetWizardTag().toInt());
        GetWizardList(pile, true);
    }
    return true;
}

void ClSolitary::DealSaveGameCard(qint16 pile, const QString& letter, bool faceUp) {
    const int index = m_table.PileCardCount();
    m_table.LoadPileCard(index, letter, pile, faceUp);
    m_table.FlyCardToPile(index);
}
