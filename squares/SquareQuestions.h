#pragma once
// The rules of the question and spelling squares, without widgets: drawing a
// question or a word from the board's open file (refilling a used-up pool),
// judging answers and typed letters, marking what was asked under the
// "Filter" setting and counting the result into the seat's board status
// record. The square windows show what these return.
#include "boardgame/dao/DaoEngine.h"
#include "boardgame/file/ItemLevels.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

class ClassPlayerInfo;
class RandomSource;

namespace SquareQuestions {

// Writes bytes to a scratch file of the program folder's temp/ ("tempq.jpg",
// "temp.wav", "temp.jpg"), deleting the old one first. Returns its path, or ""
// when there is nothing to write or temp/ is missing, not writable or leads
// out of the program folder; callers then go without the file, so a file left
// from an earlier square is never taken for this one.
QString WriteScratchFile(const QString& name, const QByteArray& bytes);

// The characters a player may type into a spelling square.
bool IsAdmittedCharacter(char32_t c);

} // namespace SquareQuestions

struct QuestionChoice {
    QString answerId;
    QString text;
    QByteArray picture; // empty when the choice has none
};

// One question square: drawn once, answered once.
class QuestionSquare {
public:
    // random: draws the question (reseeded from the clock first).
    QuestionSquare(dao::Database& db, ClassPlayerInfo& player, const QString& squareCode,
                   RandomSource& random);
    ~QuestionSquare();

    // The seat's level: Draw picks among the kind's questions at it (all of
    // them when none is). Any until set.
    void SetLevel(ItemLevel level) { m_level = level; }

    // Draws a question of the kind with equal chance among all of its
    // questions (a kind without any is refilled and asked again) and reads its
    // choices. False when no question can be drawn, it has no or more than six
    // choices, none of them is the right one, or the file fails: the player
    // then gets a free move.
    bool Draw();

    QString Tip() const { return m_tip; }
    QString Question() const { return m_question; }
    QByteArray Picture() const { return m_picture; }
    const QList<QuestionChoice>& Choices() const { return m_choices; }
    // Index of the right choice. The choices come in a random order, those
    // that speak of the others ("All of the above") last.
    int RightIndex() const { return m_rightIndex; }

    enum class Verdict { Ignored, Right, Wrong };
    // Answers with choice `index`: the first answer counts into the status
    // record and marks the question asked (after a wrong one only when
    // `filter`); every later call, or a bad index, is Ignored.
    Verdict Answer(int index, bool filter);
    bool Answered() const { return m_answered; }
    bool Result() const { return m_result; }

private:
    void MarkAsked();

    dao::Database& m_db;
    RandomSource& m_random;
    ClassPlayerInfo& m_player;
    QString m_squareCode;
    ItemLevel m_level = ItemLevel::Any;
    std::unique_ptr<dao::Recordset> m_questionRow;
    QString m_tip;
    QString m_question;
    QByteArray m_picture;
    QList<QuestionChoice> m_choices;
    int m_rightIndex = -1;
    bool m_answered = false;
    bool m_result = false;
};

// One spelling square: a word typed letter by letter with one to three chances.
class SpellingSquare {
public:
    // chances: 1 to 3 (see ChancesFromText); random: draws the word.
    SpellingSquare(dao::Database& db, ClassPlayerInfo& player, const QString& squareCode,
                   int chances, RandomSource& random);
    ~SpellingSquare();

    // "Chance 1", "Chance 2", "Chance 3" give 1, 2, 3; anything else (a seat
    // with no choice made) gives the single chance the board starts with.
    static int ChancesFromText(const QString& text);

    // The seat's level: Draw picks among the words of the square's difficulty
    // at it (all of them when none is). Any until set.
    void SetLevel(ItemLevel level) { m_level = level; }
    // Whether the word starts with a capital letter, which the player must type.
    bool StartsWithCapital() const { return !m_word.isEmpty() && m_word.front().isUpper(); }

    // Draws a word of the square's level ("-1", "-2", "-3") with equal chance
    // among its pool, refilling a used-up pool. False when no word can be
    // drawn or the file fails.
    bool Draw();

    QString Word() const { return m_word; }
    QString Definition() const { return m_definition; }
    QByteArray Sound() const { return m_sound; }
    // The word's American pronunciation; empty when the file has none.
    QByteArray SoundAmerican() const { return m_soundAmerican; }
    QByteArray Picture() const { return m_picture; }
    int ChancesLeft() const { return m_chances; }
    // The word as far as it is known: the typed letters, then one "?" for
    // every letter still to type.
    QString WordLabel() const { return m_label; }

    enum class Typing {
        Ignored,  // the square is over
        Progress, // a right letter
        Mistake,  // a wrong letter, a chance taken; the letter is removed
        Right,    // the word is finished
        Wrong,    // a wrong letter with no chance left: the square is over
    };
    struct Outcome {
        Typing typing = Typing::Ignored;
        QString typed;          // what the typing box shows now
        QString wrongCharacter; // Mistake and Wrong: the refused letter
    };
    // Checks the typed text after a change. Letter case counts.
    Outcome Check(const QString& typed, bool filter);
    bool Finished() const { return m_finished; }
    bool Result() const { return m_result; }

private:
    void MarkAsked();
    void Finish(bool right, bool filter);

    dao::Database& m_db;
    RandomSource& m_random;
    ClassPlayerInfo& m_player;
    QString m_squareCode;
    ItemLevel m_level = ItemLevel::Any;
    std::unique_ptr<dao::Recordset> m_wordRow;
    QString m_word;
    QString m_definition;
    QByteArray m_sound;
    QByteArray m_soundAmerican;
    QByteArray m_picture;
    QString m_label;
    int m_chances = 1;
    bool m_finished = false;
    bool m_result = false;
};
