// Word making and scoring: the pile's word, the word-list check, points,
// mistakes, and the rule halves of placing a card and finishing a word.
#include "engine/ClDictionary.h"
#include "engine/ClSolitary.h"
#include "engine/SolitaireTable.h"

#include <limits>

namespace {

// Scores and counters are 16-bit; a sum that would leave the range stays at
// its end instead of overflowing.
qint16 SaturatedAdd(qint16 a, int b) {
    const int sum = int(a) + b;
    constexpr int lo = std::numeric_limits<qint16>::min();
    constexpr int hi = std::numeric_limits<qint16>::max();
    return static_cast<qint16>(sum < lo ? lo : (sum > hi ? hi : sum));
}

constexpr qint16 kMistakePenalty = 3;

} // namespace

QString ClSolitary::GetTheWord(qint16 pile) const {
    const QString text = CardPile(pile);
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    return colon < 0 ? QString() : text.mid(colon + 1);
}

bool ClSolitary::CheckForWord(const QString& word) const {
    if (m_dictionary == nullptr || !m_dictionary->DicLoaded)
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

PlacementVerdict ClSolitary::PlaceTopDiscard(qint16 pile) {
    if (pile < 1 || pile > 5 || CardsInDiscards.isEmpty() || CardPile(pile) == QLatin1String(":") ||
        !CardPile(pile).contains(QLatin1Char(':'))) {
        m_table.moveCardBack();
        return PlacementVerdict::Returned;
    }
    const QString candidate = GetTheWord(pile) + CardsInDiscards.left(1);
    if (CheckForWord(candidate)) {
        if (candidate.size() != wordlevel) {
            m_table.LayCardDown(pile);
            m_table.PlaySoundEffect(QStringLiteral("\\Sounds\\Success.wav"));
            return PlacementVerdict::Laid;
        }
        m_table.LoadWordMade(candidate);
        m_table.LayCardDown(pile);
        m_table.MoveCardsToWordList();
        AddToWordList(candidate);
        return PlacementVerdict::WordMade;
    }
    if (WizardIsOn) {
        qint16 searched = pile;
        GetWizardList(searched, true);
        m_table.SetWizardTag(QString::number(searched));
    } else {
        m_table.PileFocus(0);
    }
    m_table.LoadMistake();
    m_table.moveCardBack();
    return PlacementVerdict::Refused;
}

void ClSolitary::LayLetterOnPile(qint16 pile, const QString& letter) {
    if (pile < 1 || pile > 5)
        return;
    CardPile(pile) += letter.toUpper();
    CardsInDiscards.remove(0, qMin<qsizetype>(1, CardsInDiscards.size()));
}

void ClSolitary::AddToWordList(const QString& word) {
    const QString lower = word.toLower();
    WordList = WordList.isEmpty() ? lower : WordList + QLatin1Char(':') + lower;
}

qint16 ClSolitary::ScorePileWord(qint16 pile) {
    const QString word = GetTheWord(pile);
    const qint16 points = SaturatedAdd(GetWordScore(word), GetWordBonus(word));
    return SendPoints(points);
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
    if (AllPilesDone())
        IfGameIsDone = true;
    return static_cast<int>(faceDown.size());
}

bool ClSolitary::AllPilesDone() const {
    for (int p = 1; p <= 5; ++p) {
        if (CardPile(p) != QLatin1String(":"))
            return false;
    }
    return true;
}
