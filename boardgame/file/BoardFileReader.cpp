#include "boardgame/file/BoardFileReader.h"

#include "boardgame/file/BoardFileChecks.h"
#include "boardgame/file/BoardLimits.h"

#include <QHash>

namespace BoardFileReader {

namespace {

[[noreturn]] void refuse(const QString& what) {
    throw dao::DaoError(dao::ErrEngine,
                        QStringLiteral("The board cannot be edited: %1.").arg(what));
}

QString text(dao::Recordset& rs, const char* name) {
    return rs.Fields(QLatin1String(name)).Value().toString();
}

QByteArray bytes(dao::Recordset& rs, const char* name) {
    return rs.Fields(QLatin1String(name)).Value().toByteArray();
}

// Texts and media over the limits would freeze the window that lays them
// out, in the editor as in the game.
QString fitText(const QString& value, const QString& where) {
    if (!BoardLimits::FitsText(value))
        refuse(QStringLiteral("%1 is longer than %2 characters")
                   .arg(where)
                   .arg(BoardLimits::kLongestText));
    return value;
}

QString fitCaption(const QString& value, const QString& where) {
    if (!BoardLimits::FitsCaption(value))
        refuse(QStringLiteral("%1 is longer than %2 characters")
                   .arg(where)
                   .arg(BoardLimits::kLongestCaption));
    return value;
}

QByteArray fitMedia(const QByteArray& value, const QString& where) {
    if (!BoardLimits::FitsMedia(value))
        refuse(QStringLiteral("%1 is larger than %2 MB")
                   .arg(where)
                   .arg(BoardLimits::kLargestMedia / (1024 * 1024)));
    return value;
}

// A column that files made before it was added lack.
bool hasColumn(dao::Database& db, const QString& table, const QString& column) {
    try {
        db.OpenRecordset(QStringLiteral("SELECT %1.%2 FROM %1 WHERE False;").arg(table, column));
        return true;
    } catch (const dao::DaoError&) {
        if (!db.Damage().isEmpty())
            throw;
        return false;
    }
}

void readSquares(dao::Database& db, BoardContent& c) {
    auto owner = db.OpenRecordset(QStringLiteral("SELECT tlbOwner.* FROM tlbOwner;"));
    if (!owner->Eof()) {
        c.description = fitText(text(*owner, "Description"), QStringLiteral("the description"));
        c.author = fitText(text(*owner, "Author"), QStringLiteral("the author"));
    }
    auto layout = db.OpenRecordset(
        QStringLiteral("SELECT BoardLayOut.SquareID FROM BoardLayOut ORDER BY BoardLayOut.ID;"));
    for (; !layout->Eof(); layout->MoveNext())
        c.layout.append(layout->Fields(0).Value().toInt());
    auto styles = db.OpenRecordset(QStringLiteral("SELECT SquareStyle.* FROM SquareStyle;"));
    for (; !styles->Eof(); styles->MoveNext()) {
        BoardSquareStyle s;
        const int code = styles->Fields(QStringLiteral("SquareID")).Value().toInt();
        s.caption = fitCaption(text(*styles, "Caption"),
                               QStringLiteral("the caption of square %1").arg(code));
        s.backColor = styles->Fields(QStringLiteral("BackColor")).Value();
        s.fontColor = styles->Fields(QStringLiteral("FontColor")).Value();
        s.fontBackColor = styles->Fields(QStringLiteral("FontBackColor")).Value();
        for (QVariant* colour : {&s.backColor, &s.fontColor, &s.fontBackColor}) {
            if (!colour->isNull())
                *colour = colour->toLongLong();
        }
        c.styles.insert(code, s);
    }
    auto kinds = db.OpenRecordset(QStringLiteral("SELECT SquareQuestion.* FROM SquareQuestion;"));
    for (; !kinds->Eof(); kinds->MoveNext()) {
        const int code = kinds->Fields(QStringLiteral("SquareID")).Value().toInt();
        c.questionKinds.insert(code,
                               fitCaption(text(*kinds, "Caption"),
                                          QStringLiteral("the caption of kind %1").arg(code)));
    }
    auto spelling =
        db.OpenRecordset(QStringLiteral("SELECT SquareSpelling.* FROM SquareSpelling;"));
    for (; !spelling->Eof(); spelling->MoveNext()) {
        const int code = spelling->Fields(QStringLiteral("SquareID")).Value().toInt();
        c.spellingCaptions.insert(
            code, fitCaption(text(*spelling, "Caption"),
                             QStringLiteral("the caption of spelling %1").arg(code)));
    }
}

void readQuestions(dao::Database& db, BoardContent& c) {
    QHash<qint64, int> categoryIndex;
    auto categories = db.OpenRecordset(QStringLiteral(
        "SELECT QuestionsTip.* FROM QuestionsTip ORDER BY QuestionsTip.CategoryID;"));
    for (; !categories->Eof(); categories->MoveNext()) {
        BoardCategory category;
        category.kind = categories->Fields(QStringLiteral("SquareID")).Value().toInt();
        category.name = fitText(text(*categories, "Category"), QStringLiteral("a category name"));
        category.tip = fitText(text(*categories, "QuestionTip"),
                               QStringLiteral("the tip of '%1'").arg(category.name.left(40)));
        categoryIndex.insert(categories->Fields(QStringLiteral("CategoryID")).Value().toLongLong(),
                             static_cast<int>(c.categories.size()));
        c.categories.append(category);
    }
    // The choices of every question at once: one statement, not one per
    // question, keeps opening a large board quick.
    struct Choice {
        qint64 id = 0;
        BoardAnswer answer;
    };
    QHash<qint64, QList<Choice>> choices;
    auto answers =
        db.OpenRecordset(QStringLiteral("SELECT QuestionAnswer.* FROM QuestionAnswer ORDER BY "
                                        "QuestionAnswer.AnswerID;"));
    for (; !answers->Eof(); answers->MoveNext()) {
        Choice choice;
        choice.id = answers->Fields(QStringLiteral("AnswerID")).Value().toLongLong();
        choice.answer.text = fitText(text(*answers, "SelectAnswer"), QStringLiteral("an answer"));
        choice.answer.picture = fitMedia(bytes(*answers, "iPicture"), QStringLiteral("a picture"));
        choices[answers->Fields(QStringLiteral("QuestionID")).Value().toLongLong()].append(choice);
    }
    const QHash<qint64, ItemLevel> levels = ItemLevels::QuestionLevels(db);
    auto questions = db.OpenRecordset(
        QStringLiteral("SELECT Questions.QuestionID, Questions.CategoryID, Questions.Question, "
                       "Questions.Answer, Questions.iPicture FROM Questions ORDER BY "
                       "Questions.QuestionID;"));
    for (; !questions->Eof(); questions->MoveNext()) {
        const qint64 id = questions->Fields(QStringLiteral("QuestionID")).Value().toLongLong();
        const auto category = categoryIndex.constFind(
            questions->Fields(QStringLiteral("CategoryID")).Value().toLongLong());
        // A question of no category is never asked and cannot be shown in
        // one; the manager already counts it as an error.
        if (category == categoryIndex.cend())
            continue;
        BoardQuestion q;
        q.text = fitText(text(*questions, "Question"), QStringLiteral("a question"));
        q.picture = fitMedia(bytes(*questions, "iPicture"), QStringLiteral("a picture"));
        q.itemLevel = levels.value(id, ItemLevel::Any);
        const QVariant right = questions->Fields(QStringLiteral("Answer")).Value();
        for (const Choice& choice : choices.value(id)) {
            BoardAnswer a = choice.answer;
            a.right = !right.isNull() && right.toLongLong() == choice.id;
            q.answers.append(a);
        }
        c.categories[*category].questions.append(q);
    }
}

void readWords(dao::Database& db, BoardContent& c) {
    const bool american =
        hasColumn(db, QStringLiteral("Spelling"), QStringLiteral("SoundAmerican"));
    const bool sayAs = hasColumn(db, QStringLiteral("Spelling"), QStringLiteral("SayAs"));
    QHash<int, QHash<QString, ItemLevel>> levels;
    for (const int code : {SquareCode::SpellEasy, SquareCode::SpellMedium, SquareCode::SpellHard})
        levels.insert(code, ItemLevels::WordLevels(db, code));
    auto words = db.OpenRecordset(
        QStringLiteral("SELECT Spelling.* FROM Spelling WHERE Spelling.TypeID Between -3 And -1 "
                       "ORDER BY Spelling.WordID;"));
    for (; !words->Eof(); words->MoveNext()) {
        BoardWord w;
        w.word = fitCaption(text(*words, "Word"), QStringLiteral("a spelling word"));
        w.level = words->Fields(QStringLiteral("TypeID")).Value().toInt();
        const QString where = QStringLiteral("'%1'").arg(w.word);
        w.definition =
            fitText(text(*words, "definition"), QStringLiteral("the definition of %1").arg(where));
        w.sound = fitMedia(bytes(*words, "Sound"), QStringLiteral("the sound of %1").arg(where));
        w.picture =
            fitMedia(bytes(*words, "iPicture"), QStringLiteral("the picture of %1").arg(where));
        w.itemLevel = levels.value(w.level).value(w.word.toLower(), ItemLevel::Any);
        if (american)
            w.soundAmerican = fitMedia(bytes(*words, "SoundAmerican"),
                                       QStringLiteral("the American sound of %1").arg(where));
        if (sayAs)
            w.sayAs = fitCaption(text(*words, "SayAs"),
                                 QStringLiteral("the \"say it like\" text of %1").arg(where));
        c.words.append(w);
    }
}

} // namespace

BoardContent ReadContent(dao::Database& db) {
    BoardContent c;
    readSquares(db, c);
    readQuestions(db, c);
    readWords(db, c);
    if (!db.Damage().isEmpty())
        throw dao::DaoError(dao::ErrBudget,
                            QStringLiteral("The board file is damaged: %1").arg(db.Damage()));
    return c;
}

BoardContent ReadBoardFile(const QString& path) {
    BoardFileInspection inspection;
    if (!IsUsableBoardFile(path, inspection)) {
        if (!inspection.damage.isEmpty())
            throw dao::DaoError(dao::ErrBudget,
                                QStringLiteral("'%1' is damaged: %2").arg(path, inspection.damage));
        throw dao::DaoError(dao::ErrNotADatabase,
                            QStringLiteral("'%1' is not a usable board-game file: %2")
                                .arg(path, inspection.failure));
    }
    BoardContent content = ReadContent(*inspection.database);
    inspection.Close();
    return content;
}

} // namespace BoardFileReader
