// Word making and scoring: the pile's word, the word-list check, points,
// mistakes, placing the top discard, finishing a made word and the win.
#include "engine/ClDictionary.h"
#include "engine/ClRating.h"
#include "engine/ClSolitary.h"
#include "engine/SolitaireTable.h"
#include "players/ClassPlayerInfo.h"
#include "shell/Logging.h"

QString ClSolitary::GetTheWord(qint16 pile) const {
    const QString text = CardPile(pile);
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    return colon < 0 ? QString() : text.mid(colon + 1);
}

bool ClSolitary::CheckForWord(const QString& word) const {
    if (m_dictionary == nullptr || !m_dictionary->Loaded())
        return false;
    return m_dictionary->CheckWord(word.toLower(), wordlevel);
}

qint16 ClSolitary::GetWordScore(const QString& word) {
    qint16 score = 0;
    const QString lower = word.toLower();
    for (const QChar c : lower)
        score = SaturatedAdd(score, mCardValue(QString(c)));
    return score;
}

qint16 ClSolitary::GetWordBonus(const QString& /*word*/) {
    return 0;
}

qint16 ClSolitary::SendPoints(qint16 points) {
    PlayerPoints = SaturatedAdd(PlayerPoints, points);
    return PlayerPoints;
}

qint16 ClSolitary::SendPointLost() {
    MistakeCount = SaturatedAdd(MistakeCount, 1);
    PlayerPoints = SaturatedAdd(PlayerPoints, -kMistakePenalty);
    return PlayerPoints;
}

Placement ClSolitary::PlaceTopDiscard(qint16 pile) {
    Placement result;
    result.points = PlayerPoints;
    if (pile < 1 || pile > 5 || CardsInDiscards.isEmpty() || CardPile(pile) == QLatin1String(":") ||
        !CardPile(pile).contains(QLatin1Char(':')))
        return result;
    result.word = GetTheWord(pile) + CardsInDiscards.left(1);
    if (!CheckForWord(result.word)) {
        result.verdict = PlacementVerdict::Refused;
        result.points = SendPointLost();
        return result;
    }
    result.letter = CardsInDiscards.left(1).toUpper();
    LayLetterOnPile(pile, result.letter);
    m_table.GameChanged(SolverMove{SolverMove::Kind::Lay, pile, result.letter.at(0).toLower()});
    result.word = GetTheWord(pile);
    if (result.word.size() == wordlevel) {
        result.verdict = PlacementVerdict::WordMade;
        AddToWordList(result.word);
    } else {
        result.verdict = PlacementVerdict::Laid;
    }
    return result;
}

void ClSolitary::LayLetterOnPile(qint16 pile, const QString& letter) {
    CardPile(pile) += letter.toUpper();
    CardsInDiscards.remove(0, qMin<qsizetype>(1, CardsInDiscards.size()));
    // The card under the played one becomes the top discard.
    if (DiscardIndex > 0)
        DiscardIndex = qint16(DiscardIndex - 1);
}

void ClSolitary::AddToWordList(const QString& word) {
    const QString lower = word.toLower();
    WordList = WordList.isEmpty() ? lower : WordList + QLatin1Char(':') + lower;
}

FinishedWord ClSolitary::FinishWord(qint16 pile) {
    FinishedWord result;
    const QString word = GetTheWord(pile);
    result.word = word.toLower();
    result.points = SendPoints(SaturatedAdd(GetWordScore(word), GetWordBonus(word)));
    RemoveWordFromPile(pile);
    if (AllPilesDone())
        RecordWin(result);
    return result;
}

int ClSolitary::RemoveWordFromPile(qint16 pile) {
    if (pile < 1 || pile > 5)
        return 0;
    QString& text = CardPile(pile);
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const QString faceDown = colon < 0 ? text : text.left(colon);
    if (faceDown.isEmpty())
        text = QStringLiteral(":");
    else
        text = faceDown.left(faceDown.size() - 1) + QLatin1Char(':') + faceDown.right(1);
    return static_cast<int>(faceDown.size());
}

void ClSolitary::RecordWin(FinishedWord& result) {
    const RatingOutcome outcome =
        ClRating::Update(m_player.Rating, wordlevel, WizardIsOn, PlayerPoints, PlayingMinutes());
    m_player.Rating = outcome.rating;
    IfGameIsDone = true;
    SaveGame();
    // The game is over: nothing is left to offer for saving.
    GameInPlay = false;
    if (!m_player.SavePlayer())
        qCWarning(lcMordaventa) << "the player file could not be written after the win";
    result.won = true;
    result.ratingMessage = outcome.message;
}

bool ClSolitary::AllPilesDone() const {
    for (int p = 1; p <= 5; ++p) {
        if (CardPile(p) != QLatin1String(":"))
            return false;
    }
    return true;
}
