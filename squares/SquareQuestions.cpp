#include "squares/SquareQuestions.h"

#include "boardgame/BoardDatabase.h"
#include "boardgame/BoardStatus.h"
#include "boardgame/file/BoardLimits.h"
#include "players/ClassPlayerInfo.h"
#include "shell/Logging.h"
#include "shell/ProgramFolder.h"
#include "shell/RandomSource.h"
#include "squares/SquarePool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace SquareQuestions {

namespace {

// Typing keeps to these 141 characters (the euro sign and sharp s are listed
// in both cases, as the keyboard help shows them).
constexpr char16_t kAdmitted[] =
    u"1234567890abcdefghijklmnopqrstuvwxyz;:?!.' ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    u"àáâãäåæçèéêëìíîïðñòóôõö€øùúûüýþßœÿšž"
    u"ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ€ØÙÚÛÜÝÞßŒŸŠŽ";

} // namespace

QString WriteScratchFile(const QString& name, const QByteArray& bytes) {
    const QString folder = ProgramFolder::resolve(QStringLiteral("\\temp"));
    const QFileInfo folderInfo(folder);
    if (!folderInfo.isDir())
        return QString();
    // Scratch files stay below the program folder even when temp/ is a link.
    const QString root = QFileInfo(ProgramFolder::root()).canonicalFilePath();
    if (root.isEmpty() || !folderInfo.canonicalFilePath().startsWith(root + QLatin1Char('/')))
        return QString();
    const QString path = QDir(folder).filePath(name);
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        QFile::remove(path);
    if (bytes.isEmpty())
        return QString();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        qCDebug(lcMordaventa) << "cannot write the scratch file" << path;
        return QString();
    }
    return path;
}

bool IsAdmittedCharacter(char32_t c) {
    for (char16_t a : kAdmitted) {
        if (a != 0 && char32_t(a) == c)
            return true;
    }
    return false;
}

} // namespace SquareQuestions

namespace {

// The whole content of a long binary field ("" for NULL).
QByteArray wholeField(dao::Recordset& rs, const QString& name) {
    dao::Field field = rs.Fields(name);
    const qint64 size = field.FieldSize();
    return size > 0 ? field.GetChunk(0, size) : QByteArray();
}

// A square code as a whole number written back in decimal; "" when it is not
// one. The statements are given this text, never the tag as it came.
QString normalizedCode(const QString& squareCode) {
    bool ok = false;
    const qint32 code = squareCode.trimmed().toInt(&ok);
    return ok ? QString::number(code) : QString();
}

// Two ids name the same row: as numbers where both are numbers.
bool sameId(const QString& a, const QString& b) {
    bool okA = false;
    bool okB = false;
    const qlonglong x = a.toLongLong(&okA);
    const qlonglong y = b.toLongLong(&okB);
    return okA && okB ? x == y : a == b;
}

constexpr int kMaxChoices = 6;

} // namespace

// ---------------------------------------------------------------- question

QuestionSquare::QuestionSquare(dao::Database& db, ClassPlayerInfo& player,
                               const QString& squareCode, RandomSource& random)
    : m_db(db), m_random(random), m_player(player), m_squareCode(squareCode) {}

QuestionSquare::~QuestionSquare() = default;

bool QuestionSquare::Draw() {
    m_random.randomize();
    const QString code = normalizedCode(m_squareCode);
    if (code.isEmpty())
        return false;
    m_squareCode = code;
    try {
        auto question = m_db.OpenRecordset(BoardStatements::QuestionStatement(code));
        if (question->RecordCount() == 0) {
            m_db.Execute(BoardStatements::ClearQuestionAskStatement(code));
            question = m_db.OpenRecordset(BoardStatements::QuestionStatement(code));
        }
        if (!SquarePool::MoveToQuestion(m_db, *question, code, m_level, m_random))
            return false;
        const QString rightId = question->Fields(QStringLiteral("Answer")).Value().toString();
        const QString questionId =
            question->Fields(QStringLiteral("QuestionID")).Value().toString();
        auto answers = m_db.OpenRecordset(BoardStatements::AnswerStatement(questionId));

        QList<QuestionChoice> choices;
        int rightIndex = -1;
        answers->MoveFirst();
        while (!answers->Eof()) {
            if (choices.size() == kMaxChoices)
                return false; // the window has room for six
            QuestionChoice choice;
            choice.answerId = answers->Fields(QStringLiteral("AnswerID")).Value().toString();
            choice.text = answers->Fields(QStringLiteral("SelectAnswer")).Value().toString();
            choice.picture = wholeField(*answers, QStringLiteral("iPicture"));
            if (!BoardLimits::FitsText(choice.text) || !BoardLimits::FitsMedia(choice.picture))
                return false; // a row no honest board has: skipped like a faulty one
            if (rightIndex < 0 && !rightId.isEmpty() && sameId(choice.answerId, rightId))
                rightIndex = int(choices.size());
            choices.append(choice);
            answers->MoveNext();
        }
        if (rightIndex < 0)
            return false;
        QStringList texts;
        for (const QuestionChoice& choice : std::as_const(choices))
            texts << choice.text;
        QList<QuestionChoice> shown;
        int shownRight = -1;
        for (const int i : SquarePool::ChoiceOrder(texts, m_random)) {
            if (i == rightIndex)
                shownRight = int(shown.size());
            shown << choices[i];
        }
        choices = shown;
        rightIndex = shownRight;

        m_tip = question->Fields(QStringLiteral("QuestionTip")).Value().toString();
        m_question = question->Fields(QStringLiteral("Question")).Value().toString();
        m_picture = wholeField(*question, QStringLiteral("iPicture"));
        if (m_question.trimmed().isEmpty() || !BoardLimits::FitsText(m_question) ||
            !BoardLimits::FitsText(m_tip) || !BoardLimits::FitsMedia(m_picture))
            return false;
        m_choices = choices;
        m_rightIndex = rightIndex;
        m_questionRow = std::move(question);
        return true;
    } catch (const dao::DaoError& e) {
        qCDebug(lcMordaventa) << "no question for square" << m_squareCode << e.Description();
        return false;
    }
}

QuestionSquare::Verdict QuestionSquare::Answer(int index, bool filter) {
    if (m_answered || !m_questionRow || index < 0 || index >= m_choices.size())
        return Verdict::Ignored;
    m_answered = true;
    m_result = index == m_rightIndex;
    BoardStatus::Count(m_player, m_squareCode, m_result);
    if (m_result || filter)
        MarkAsked();
    return m_result ? Verdict::Right : Verdict::Wrong;
}

void QuestionSquare::MarkAsked() {
    try {
        m_questionRow->Edit();
        m_questionRow->Fields(QStringLiteral("QuestionAsk")) = true;
        m_questionRow->Update();
    } catch (const dao::DaoError& e) {
        // The answer still counts; the question merely stays in the pool.
        qCDebug(lcMordaventa) << "cannot mark the question asked:" << e.Description();
    }
}

// ---------------------------------------------------------------- spelling

SpellingSquare::SpellingSquare(dao::Database& db, ClassPlayerInfo& player,
                               const QString& squareCode, int chances, RandomSource& random)
    : m_db(db), m_random(random), m_player(player), m_squareCode(squareCode),
      m_chances(qBound(1, chances, 3)) {}

SpellingSquare::~SpellingSquare() = default;

int SpellingSquare::ChancesFromText(const QString& text) {
    if (text == QLatin1String("Chance 2"))
        return 2;
    if (text == QLatin1String("Chance 3"))
        return 3;
    return 1;
}

bool SpellingSquare::Draw() {
    m_random.randomize();
    QString pool;
    QString refill;
    if (m_squareCode == QLatin1String("-1")) {
        pool = QStringLiteral("SpellingEasy");
        refill = QStringLiteral("qUpdateSpellingEasy");
    } else if (m_squareCode == QLatin1String("-2")) {
        pool = QStringLiteral("SpellingMedium");
        refill = QStringLiteral("qUpdateSpellingMedium");
    } else if (m_squareCode == QLatin1String("-3")) {
        pool = QStringLiteral("SpellingHard");
        refill = QStringLiteral("qUpdateSpellingHard");
    } else {
        return false;
    }
    try {
        auto word = m_db.OpenRecordset(pool);
        if (word->RecordCount() == 0) {
            m_db.Execute(refill);
            word = m_db.OpenRecordset(pool);
        }
        if (word->RecordCount() == 0)
            return false;
        if (!SquarePool::MoveToWord(m_db, word, pool, refill, m_squareCode.toInt(), m_level,
                                    m_random))
            return false;
        // Composed letters, so that a letter stored as base and accent can be
        // typed as the one character the keyboard gives.
        m_word = word->Fields(QStringLiteral("Word"))
                     .Value()
                     .toString()
                     .normalized(QString::NormalizationForm_C);
        if (m_word.isEmpty())
            return false;
        m_definition = word->Fields(QStringLiteral("definition")).Value().toString();
        m_sound = wholeField(*word, QStringLiteral("Sound"));
        m_soundAmerican = SquarePool::AmericanSound(m_db, m_squareCode.toInt(), m_word);
        m_picture = wholeField(*word, QStringLiteral("iPicture"));
        // A word no keyboard can type (bytes that are not text) or sizes no
        // honest board has: the square is skipped.
        if (!BoardLimits::FitsCaption(m_word) || m_word.contains(QChar::ReplacementCharacter) ||
            !BoardLimits::FitsText(m_definition) || !BoardLimits::FitsMedia(m_sound) ||
            !BoardLimits::FitsMedia(m_picture))
            return false;
        // One "?" per letter, a letter outside the 16-bit range included.
        m_label = QString(qsizetype(m_word.toUcs4().size()), QLatin1Char('?'));
        m_wordRow = std::move(word);
        return true;
    } catch (const dao::DaoError& e) {
        qCDebug(lcMordaventa) << "no word for square" << m_squareCode << e.Description();
        return false;
    }
}

SpellingSquare::Outcome SpellingSquare::Check(const QString& typedText, bool filter) {
    Outcome outcome;
    if (m_finished || !m_wordRow)
        return outcome;
    const QList<uint> typed = typedText.normalized(QString::NormalizationForm_C).toUcs4();
    const QList<uint> word = m_word.toUcs4();
    const QList<uint> label = m_label.toUcs4();
    const qsizetype n = typed.size();
    outcome.typed = QString::fromUcs4(reinterpret_cast<const char32_t*>(typed.constData()), n);

    if (n <= word.size() && word.mid(0, n) == typed) {
        // The typed letters, then the rest of the previous label.
        const QList<uint> rest = label.mid(n);
        m_label =
            outcome.typed +
            QString::fromUcs4(reinterpret_cast<const char32_t*>(rest.constData()), rest.size());
        if (n == word.size()) {
            Finish(true, filter);
            outcome.typing = Typing::Right;
        } else {
            outcome.typing = Typing::Progress;
        }
        return outcome;
    }

    const char32_t last = n > 0 ? char32_t(typed.last()) : U'\0';
    outcome.wrongCharacter = n > 0 ? QString::fromUcs4(&last, 1) : QString();
    if (m_chances > 1) {
        --m_chances;
        outcome.typed = QString::fromUcs4(reinterpret_cast<const char32_t*>(typed.constData()),
                                          qMax<qsizetype>(0, n - 1));
        outcome.typing = Typing::Mistake;
    } else {
        Finish(false, filter);
        outcome.typing = Typing::Wrong;
    }
    return outcome;
}

void SpellingSquare::Finish(bool right, bool filter) {
    m_finished = true;
    m_result = right;
    m_label = m_word;
    BoardStatus::Count(m_player, m_squareCode, right);
    if (right || filter)
        MarkAsked();
}

void SpellingSquare::MarkAsked() {
    try {
        m_wordRow->Edit();
        m_wordRow->Fields(QStringLiteral("QuestionAsk")) = true;
        m_wordRow->Update();
    } catch (const dao::DaoError& e) {
        qCDebug(lcMordaventa) << "cannot mark the word asked:" << e.Description();
    }
}
