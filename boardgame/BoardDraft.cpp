#include "boardgame/BoardDraft.h"

#include "boardgame/file/BoardFileReader.h"
#include "boardgame/file/BoardSourceExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool isJpeg(const QByteArray& bytes) {
    return bytes.isEmpty() || bytes.startsWith("\xFF\xD8\xFF");
}

bool isWave(const QByteArray& bytes) {
    return bytes.isEmpty() ||
           (bytes.size() >= 44 && bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE");
}

bool isDifficulty(int code) {
    return code <= SquareCode::SpellEasy && code >= SquareCode::SpellHard;
}

// The same file, whether either name is written through a link or not.
bool sameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo fa(a), fb(b);
    const QString ca = fa.canonicalFilePath(), cb = fb.canonicalFilePath();
    if (!ca.isEmpty() && !cb.isEmpty())
        return ca == cb;
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}

} // namespace

BoardDraft::BoardDraft(BoardDraftHooks hooks) : m_hooks(std::move(hooks)) {
    recheck();
}

// ---- Opening ----

bool BoardDraft::Open(const QString& path, QString* error) {
    try {
        start(BoardFileReader::ReadBoardFile(path), path, 0);
    } catch (const dao::DaoError& e) {
        if (error)
            *error = e.Description();
        return false;
    }
    return true;
}

void BoardDraft::start(BoardContent content, const QString& path, int savedDepth) {
    m_content = std::move(content);
    m_path = path;
    m_undo.clear();
    m_redo.clear();
    m_savedDepth = savedDepth;
    m_sealed = true;
    recheck();
}

bool BoardDraft::OpenCopy(const QString& source, const QString& newPath, QString* error) {
    auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    if (QFileInfo::exists(newPath))
        return fail(QStringLiteral("'%1' already exists; choose another name.")
                        .arg(QFileInfo(newPath).fileName()));
    BoardContent content;
    try {
        content = BoardFileReader::ReadBoardFile(source);
    } catch (const dao::DaoError& e) {
        return fail(e.Description());
    }
    // The copy is made from the file's bytes, so it is the very board that
    // was shipped. QFile::copy writes beside the target and renames, so an
    // interrupted copy leaves no half board under the new name.
    if (!QFile::copy(source, newPath))
        return fail(QStringLiteral("Cannot copy '%1' to '%2'.").arg(source, newPath));
    QFile::setPermissions(newPath, QFile::permissions(newPath) | QFileDevice::WriteOwner);
    start(std::move(content), newPath, 0);
    return true;
}

BoardContent BoardDraft::SquaresAndKinds(const BoardContent& board) {
    BoardContent c;
    c.layout = board.layout;
    c.styles = board.styles;
    c.questionKinds = board.questionKinds;
    c.spellingCaptions = board.spellingCaptions;
    return c;
}

void BoardDraft::NewFrom(const BoardContent& model, const QString& path) {
    start(SquaresAndKinds(model), path, -1);
}

bool BoardDraft::NewFromFile(const QString& modelPath, const QString& path, QString* error) {
    try {
        NewFrom(BoardFileReader::ReadBoardFile(modelPath), path);
        return true;
    } catch (const dao::DaoError& e) {
        if (error)
            *error = e.Description();
        return false;
    }
}

// ---- Edits ----

namespace {

// A change that sets one field of the content; none when it already holds
// the value, so that retyping the same text leaves the board unmodified.
template <typename Field, typename T> auto setting(Field field, T value) {
    return [field, value](BoardContent& c) {
        auto& target = field(c);
        if (target == value)
            return false;
        target = value;
        return true;
    };
}

} // namespace

template <typename Change>
bool BoardDraft::edit(const QString& text, const QString& mergeKey, Change change) {
    BoardContent before = m_content;
    if (!change(m_content))
        return false;
    m_redo.clear();
    const bool merge = !m_sealed && !mergeKey.isEmpty() && !m_undo.isEmpty() &&
                       m_undo.last().mergeKey == mergeKey &&
                       m_savedDepth != static_cast<int>(m_undo.size());
    if (!merge) {
        // A new step after undoing past the save point: that saved state
        // can no longer be reached by undo or redo.
        if (m_savedDepth > static_cast<int>(m_undo.size()))
            m_savedDepth = -1;
        m_undo.append({std::move(before), text, mergeKey});
    }
    m_sealed = mergeKey.isEmpty();
    recheck();
    return true;
}

void BoardDraft::SealEdit() {
    m_sealed = true;
}

#define DRAFT_CHECK_CATEGORY(c)                                                                    \
    if ((c) < 0 || (c) >= m_content.categories.size())                                             \
    return false
#define DRAFT_CHECK_QUESTION(c, q)                                                                 \
    DRAFT_CHECK_CATEGORY(c);                                                                       \
    if ((q) < 0 || (q) >= m_content.categories[c].questions.size())                                \
    return false
#define DRAFT_CHECK_ANSWER(c, q, a)                                                                \
    DRAFT_CHECK_QUESTION(c, q);                                                                    \
    if ((a) < 0 || (a) >= m_content.categories[c].questions[q].answers.size())                     \
    return false
#define DRAFT_CHECK_WORD(w)                                                                        \
    if ((w) < 0 || (w) >= m_content.words.size())                                                  \
    return false

namespace {

QString key(const char* what, int a = -1, int b = -1, int c = -1) {
    return QStringLiteral("%1:%2:%3:%4").arg(QLatin1String(what)).arg(a).arg(b).arg(c);
}

} // namespace

bool BoardDraft::SetDescription(const QString& text) {
    return edit(QStringLiteral("Edit description"), key("description"),
                setting([](BoardContent& c) -> QString& { return c.description; }, text));
}

bool BoardDraft::SetAuthor(const QString& text) {
    return edit(QStringLiteral("Edit author"), key("author"),
                setting([](BoardContent& c) -> QString& { return c.author; }, text));
}

int BoardDraft::AddCategory(int kind, const QString& name) {
    if (!m_content.questionKinds.contains(kind))
        return -1;
    edit(QStringLiteral("Add category"), QString(), [&](BoardContent& c) {
        c.categories.append(BoardCategory{kind, name, QString(), {}});
        return true;
    });
    return static_cast<int>(m_content.categories.size()) - 1;
}

bool BoardDraft::RenameCategory(int category, const QString& name) {
    DRAFT_CHECK_CATEGORY(category);
    return edit(
        QStringLiteral("Rename category"), key("category name", category),
        setting([category](BoardContent& c) -> QString& { return c.categories[category].name; },
                name));
}

bool BoardDraft::SetCategoryTip(int category, const QString& tip) {
    DRAFT_CHECK_CATEGORY(category);
    return edit(
        QStringLiteral("Edit tip"), key("tip", category),
        setting([category](BoardContent& c) -> QString& { return c.categories[category].tip; },
                tip));
}

bool BoardDraft::SetCategoryKind(int category, int kind) {
    DRAFT_CHECK_CATEGORY(category);
    if (!m_content.questionKinds.contains(kind))
        return false;
    return edit(
        QStringLiteral("Change category kind"), QString(),
        setting([category](BoardContent& c) -> int& { return c.categories[category].kind; }, kind));
}

bool BoardDraft::RemoveCategory(int category) {
    DRAFT_CHECK_CATEGORY(category);
    return edit(QStringLiteral("Remove category"), QString(), [&](BoardContent& c) {
        c.categories.removeAt(category);
        return true;
    });
}

int BoardDraft::AddQuestion(int category) {
    if (category < 0 || category >= m_content.categories.size())
        return -1;
    edit(QStringLiteral("Add question"), QString(), [&](BoardContent& c) {
        BoardQuestion q;
        q.answers = {BoardAnswer{QString(), true, {}}, BoardAnswer{}, BoardAnswer{}};
        c.categories[category].questions.append(q);
        return true;
    });
    return static_cast<int>(m_content.categories[category].questions.size()) - 1;
}

bool BoardDraft::RemoveQuestion(int category, int question) {
    DRAFT_CHECK_QUESTION(category, question);
    return edit(QStringLiteral("Remove question"), QString(), [&](BoardContent& c) {
        c.categories[category].questions.removeAt(question);
        return true;
    });
}

bool BoardDraft::MoveQuestion(int category, int question, int toCategory, int toQuestion) {
    DRAFT_CHECK_QUESTION(category, question);
    DRAFT_CHECK_CATEGORY(toCategory);
    const qsizetype room =
        m_content.categories[toCategory].questions.size() - (toCategory == category ? 1 : 0);
    if (toQuestion < 0 || toQuestion > room)
        return false;
    if (toCategory == category && toQuestion == question)
        return false;
    return edit(QStringLiteral("Move question"), QString(), [&](BoardContent& c) {
        const BoardQuestion q = c.categories[category].questions.takeAt(question);
        c.categories[toCategory].questions.insert(toQuestion, q);
        return true;
    });
}

bool BoardDraft::SetQuestionText(int category, int question, const QString& text) {
    DRAFT_CHECK_QUESTION(category, question);
    return edit(QStringLiteral("Edit question"), key("question", category, question),
                [&](BoardContent& c) {
                    QString& t = c.categories[category].questions[question].text;
                    if (t == text)
                        return false;
                    t = text;
                    return true;
                });
}

bool BoardDraft::SetQuestionPicture(int category, int question, const QByteArray& jpeg) {
    DRAFT_CHECK_QUESTION(category, question);
    if (!isJpeg(jpeg))
        return false;
    return edit(jpeg.isEmpty() ? QStringLiteral("Remove question picture")
                               : QStringLiteral("Set question picture"),
                QString(), [&](BoardContent& c) {
                    QByteArray& p = c.categories[category].questions[question].picture;
                    if (p == jpeg)
                        return false;
                    p = jpeg;
                    return true;
                });
}

bool BoardDraft::SetQuestionLevel(int category, int question, ItemLevel level) {
    DRAFT_CHECK_QUESTION(category, question);
    return edit(QStringLiteral("Change question level"), QString(), [&](BoardContent& c) {
        ItemLevel& l = c.categories[category].questions[question].itemLevel;
        if (l == level)
            return false;
        l = level;
        return true;
    });
}

int BoardDraft::AddAnswer(int category, int question) {
    if (category < 0 || category >= m_content.categories.size() || question < 0 ||
        question >= m_content.categories[category].questions.size() ||
        m_content.categories[category].questions[question].answers.size() >= 6)
        return -1;
    edit(QStringLiteral("Add choice"), QString(), [&](BoardContent& c) {
        c.categories[category].questions[question].answers.append(BoardAnswer{});
        return true;
    });
    return static_cast<int>(m_content.categories[category].questions[question].answers.size()) - 1;
}

bool BoardDraft::RemoveAnswer(int category, int question, int answer) {
    DRAFT_CHECK_ANSWER(category, question, answer);
    if (m_content.categories[category].questions[question].answers.size() <= 2)
        return false;
    return edit(QStringLiteral("Remove choice"), QString(), [&](BoardContent& c) {
        QList<BoardAnswer>& answers = c.categories[category].questions[question].answers;
        const bool wasRight = answers[answer].right;
        answers.removeAt(answer);
        if (wasRight)
            answers.first().right = true;
        return true;
    });
}

bool BoardDraft::SetAnswerText(int category, int question, int answer, const QString& text) {
    DRAFT_CHECK_ANSWER(category, question, answer);
    return edit(QStringLiteral("Edit choice"), key("answer", category, question, answer),
                [&](BoardContent& c) {
                    QString& t = c.categories[category].questions[question].answers[answer].text;
                    if (t == text)
                        return false;
                    t = text;
                    return true;
                });
}

bool BoardDraft::SetAnswerPicture(int category, int question, int answer, const QByteArray& jpeg) {
    DRAFT_CHECK_ANSWER(category, question, answer);
    if (!isJpeg(jpeg))
        return false;
    return edit(jpeg.isEmpty() ? QStringLiteral("Remove choice picture")
                               : QStringLiteral("Set choice picture"),
                QString(), [&](BoardContent& c) {
                    QByteArray& p =
                        c.categories[category].questions[question].answers[answer].picture;
                    if (p == jpeg)
                        return false;
                    p = jpeg;
                    return true;
                });
}

bool BoardDraft::SetRightAnswer(int category, int question, int answer) {
    DRAFT_CHECK_ANSWER(category, question, answer);
    return edit(QStringLiteral("Mark right choice"), QString(), [&](BoardContent& c) {
        QList<BoardAnswer>& answers = c.categories[category].questions[question].answers;
        bool changed = false;
        for (int i = 0; i < answers.size(); ++i) {
            if (answers[i].right != (i == answer)) {
                answers[i].right = i == answer;
                changed = true;
            }
        }
        return changed;
    });
}

int BoardDraft::AddWord(int difficulty, const QString& word, const QString& definition) {
    if (!isDifficulty(difficulty))
        return -1;
    BoardWord w;
    w.word = word;
    w.level = difficulty;
    w.definition = definition;
    if (m_hooks.speak && !word.isEmpty()) {
        QString error;
        w.sound = m_hooks.speak(word, &error);
        if (m_hooks.speakAmerican)
            w.soundAmerican = m_hooks.speakAmerican(word, &error);
    }
    edit(QStringLiteral("Add word"), QString(), [&](BoardContent& c) {
        c.words.append(w);
        return true;
    });
    return static_cast<int>(m_content.words.size()) - 1;
}

bool BoardDraft::RemoveWord(int word) {
    DRAFT_CHECK_WORD(word);
    return edit(QStringLiteral("Remove word"), QString(), [&](BoardContent& c) {
        c.words.removeAt(word);
        return true;
    });
}

bool BoardDraft::SetWordText(int word, const QString& text) {
    DRAFT_CHECK_WORD(word);
    return edit(QStringLiteral("Edit word"), key("word", word),
                setting([word](BoardContent& c) -> QString& { return c.words[word].word; }, text));
}

bool BoardDraft::SetWordDefinition(int word, const QString& definition) {
    DRAFT_CHECK_WORD(word);
    return edit(QStringLiteral("Edit definition"), key("definition", word),
                setting([word](BoardContent& c) -> QString& { return c.words[word].definition; },
                        definition));
}

bool BoardDraft::SetWordDifficulty(int word, int difficulty) {
    DRAFT_CHECK_WORD(word);
    if (!isDifficulty(difficulty))
        return false;
    return edit(
        QStringLiteral("Change word difficulty"), QString(),
        setting([word](BoardContent& c) -> int& { return c.words[word].level; }, difficulty));
}

bool BoardDraft::SetWordLevel(int word, ItemLevel level) {
    DRAFT_CHECK_WORD(word);
    return edit(
        QStringLiteral("Change word level"), QString(),
        setting([word](BoardContent& c) -> ItemLevel& { return c.words[word].itemLevel; }, level));
}

bool BoardDraft::SetWordPicture(int word, const QByteArray& jpeg) {
    DRAFT_CHECK_WORD(word);
    if (!isJpeg(jpeg))
        return false;
    return edit(jpeg.isEmpty() ? QStringLiteral("Remove word picture")
                               : QStringLiteral("Set word picture"),
                QString(), [&](BoardContent& c) {
                    if (c.words[word].picture == jpeg)
                        return false;
                    c.words[word].picture = jpeg;
                    return true;
                });
}

bool BoardDraft::SetWordSound(int word, const QByteArray& wave) {
    DRAFT_CHECK_WORD(word);
    if (!isWave(wave))
        return false;
    return edit(QStringLiteral("Set pronunciation"), QString(), [&](BoardContent& c) {
        BoardWord& w = c.words[word];
        if (w.sound == wave && w.soundAmerican.isEmpty() && w.sayAs.isEmpty())
            return false;
        // A recording is the one pronunciation for British and American seats.
        w.sound = wave;
        w.soundAmerican.clear();
        w.sayAs.clear();
        return true;
    });
}

bool BoardDraft::SetWordAmericanSound(int word, const QByteArray& wave) {
    DRAFT_CHECK_WORD(word);
    if (!isWave(wave))
        return false;
    return edit(
        QStringLiteral("Set American pronunciation"), QString(),
        setting([word](BoardContent& c) -> QByteArray& { return c.words[word].soundAmerican; },
                wave));
}

bool BoardDraft::SetWordSayAs(int word, const QString& sayAs) {
    DRAFT_CHECK_WORD(word);
    return edit(QStringLiteral("Edit \"say it like\""), key("say", word), [&](BoardContent& c) {
        if (c.words[word].sayAs == sayAs)
            return false;
        c.words[word].sayAs = sayAs;
        return true;
    });
}

bool BoardDraft::SpeakWord(int word, QString* error) {
    DRAFT_CHECK_WORD(word);
    QString failure;
    if (!m_hooks.speak) {
        if (error)
            *error = QStringLiteral("No voice is available.");
        return false;
    }
    const BoardWord& w = m_content.words[word];
    const QString text = w.sayAs.isEmpty() ? w.word : w.sayAs;
    const QByteArray british = m_hooks.speak(text, &failure);
    QByteArray american;
    if (!british.isEmpty() && m_hooks.speakAmerican)
        american = m_hooks.speakAmerican(text, &failure);
    if (british.isEmpty() || (m_hooks.speakAmerican && american.isEmpty())) {
        if (error)
            *error = QStringLiteral("Cannot speak '%1': %2").arg(text, failure);
        return false;
    }
    edit(QStringLiteral("Speak word"), QString(), [&](BoardContent& c) {
        c.words[word].sound = british;
        c.words[word].soundAmerican = american;
        return true;
    });
    return true;
}

int BoardDraft::ImportRows(const BoardCsvRows& rows, QList<BoardCsvProblem>* problems) {
    // Words without a pronunciation get the voice's, as a new word does.
    BoardCsvRows spoken = rows;
    spoken.problems.clear();
    BoardCsvImport::Speak(spoken, BoardCsvHooks{m_hooks.speak, m_hooks.speakAmerican});
    if (problems)
        problems->append(spoken.problems);
    int added = 0;
    edit(QStringLiteral("Import rows"), QString(), [&](BoardContent& c) {
        added = BoardCsvImport::Apply(c, spoken, false, problems);
        return added > 0;
    });
    return added;
}

#undef DRAFT_CHECK_CATEGORY
#undef DRAFT_CHECK_QUESTION
#undef DRAFT_CHECK_ANSWER
#undef DRAFT_CHECK_WORD

// ---- Undo ----

bool BoardDraft::CanUndo() const {
    return !m_undo.isEmpty();
}

bool BoardDraft::CanRedo() const {
    return !m_redo.isEmpty();
}

QString BoardDraft::UndoText() const {
    return m_undo.isEmpty() ? QString() : m_undo.last().text;
}

QString BoardDraft::RedoText() const {
    return m_redo.isEmpty() ? QString() : m_redo.last().text;
}

bool BoardDraft::Undo() {
    return travel(m_undo, m_redo);
}

bool BoardDraft::Redo() {
    return travel(m_redo, m_undo);
}

bool BoardDraft::travel(QList<Step>& from, QList<Step>& to) {
    if (from.isEmpty())
        return false;
    Step step = from.takeLast();
    to.append({m_content, step.text, QString()});
    m_content = std::move(step.before);
    m_sealed = true;
    recheck();
    return true;
}

bool BoardDraft::IsModified() const {
    return m_savedDepth != static_cast<int>(m_undo.size());
}

// ---- Checks ----

void BoardDraft::recheck() {
    m_findings = BoardContentChecks::Check(m_content, [this](int category, int question) {
        return BoardContentChecks::DefaultQuestionName(m_content, category, question);
    });
}

QList<BoardFinding> BoardDraft::FindingsFor(const BoardItemRef& item) const {
    QList<BoardFinding> found;
    for (const BoardFinding& f : m_findings) {
        if (item.Contains(f.item))
            found.append(f);
    }
    return found;
}

bool BoardDraft::HasRefusals() const {
    return BoardContentChecks::HasRefusal(m_findings);
}

// ---- Saving ----

BoardSaveResult BoardDraft::Save(const QString& fileInPlay) {
    return SaveAs(m_path, fileInPlay);
}

BoardSaveResult BoardDraft::SaveAs(const QString& path, const QString& fileInPlay) {
    if (path.isEmpty())
        return {BoardSaveOutcome::NoPath, QStringLiteral("The board has no file name yet.")};
    for (const BoardFinding& f : m_findings) {
        if (f.severity == FindingSeverity::Refusal)
            return {
                BoardSaveOutcome::Refused,
                QStringLiteral("The board cannot be saved as a playable file: %1").arg(f.message)};
    }
    if (sameFile(path, fileInPlay))
        return {BoardSaveOutcome::InPlay,
                QStringLiteral("'%1' is the board being played. Save it under another name, "
                               "or finish the game first.")
                    .arg(QFileInfo(path).fileName())};
    try {
        BoardFileWriter::WriteBoardFile(m_content, path);
    } catch (const dao::DaoError& e) {
        return {BoardSaveOutcome::WriteFailed, e.Description()};
    }
    m_path = path;
    m_savedDepth = static_cast<int>(m_undo.size());
    m_sealed = true;
    return {};
}

bool BoardDraft::Export(const QString& sourcePath, QString* error) const {
    return BoardSourceExport::ExportSource(m_content, sourcePath, error);
}
