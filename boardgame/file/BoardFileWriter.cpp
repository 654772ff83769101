#include "boardgame/file/BoardFileWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace BoardFileWriter {

namespace {

const char* const kSchema[] = {
    "CREATE TABLE BoardLayOut (ID INTEGER PRIMARY KEY, SquareID INTEGER)",
    "CREATE TABLE SquareStyle (SquareID INTEGER PRIMARY KEY, Caption TEXT COLLATE NOCASE, "
    "BackColor INTEGER, FontColor INTEGER, FontBackColor INTEGER)",
    "CREATE TABLE SquareQuestion (SquareID INTEGER PRIMARY KEY, Caption TEXT COLLATE NOCASE)",
    "CREATE TABLE QuestionsTip (CategoryID INTEGER PRIMARY KEY, SquareID INTEGER, "
    "Category TEXT COLLATE NOCASE, QuestionTip TEXT COLLATE NOCASE)",
    "CREATE TABLE Questions (QuestionID INTEGER PRIMARY KEY, CategoryID INTEGER, "
    "Question TEXT COLLATE NOCASE, Answer INTEGER, QuestionAsk YESNO NOT NULL DEFAULT 0, "
    "iPicture BLOB, Level TEXT)",
    "CREATE TABLE QuestionAnswer (AnswerID INTEGER PRIMARY KEY, QuestionID INTEGER, "
    "SelectAnswer TEXT COLLATE NOCASE, PictureYesNo YESNO NOT NULL DEFAULT 0, iPicture BLOB)",
    "CREATE INDEX QuestionAnswerByQuestion ON QuestionAnswer (QuestionID)",
    "CREATE TABLE SquareSpelling (SquareID INTEGER PRIMARY KEY, Caption TEXT COLLATE NOCASE)",
    "CREATE TABLE Spelling (WordID INTEGER PRIMARY KEY, Word TEXT COLLATE NOCASE, "
    "TypeID INTEGER, definition TEXT COLLATE NOCASE, Sound BLOB, iPicture BLOB, "
    "QuestionAsk YESNO NOT NULL DEFAULT 0, Level TEXT, SoundAmerican BLOB, SayAs TEXT)",
    "CREATE TABLE tlbOwner (ID INTEGER PRIMARY KEY, Visible YESNO NOT NULL DEFAULT 0, "
    "Description TEXT, Author TEXT)",
};

QString spellingWhere(int code) {
    return QStringLiteral("(((Spelling.TypeID)=%1))").arg(code);
}

const struct {
    const char* suffix;
    int code;
} kLevels[] = {{"Easy", -1}, {"Medium", -2}, {"Hard", -3}};

// A question is faulty when its right answer is not one of its choices, it
// has fewer than two or more than six choices, no text, or no category.
const char kFaultyQuestion[] =
    "(Questions.Answer Is Null) Or (Questions.Answer Not In (SELECT QuestionAnswer.AnswerID "
    "FROM QuestionAnswer WHERE QuestionAnswer.QuestionID = Questions.QuestionID)) Or ((SELECT "
    "Count(*) FROM QuestionAnswer WHERE QuestionAnswer.QuestionID = Questions.QuestionID) Not "
    "Between 2 And 6) Or (Nz(Len(Questions.Question),0)=0) Or (Questions.CategoryID Not In "
    "(SELECT QuestionsTip.CategoryID FROM QuestionsTip))";

// NULL for an item of every level.
QVariant levelValue(ItemLevel level) {
    return level == ItemLevel::Any ? QVariant() : QVariant(ItemLevels::Name(level));
}

} // namespace

QList<QPair<QString, QString>> SelectQueries() {
    QList<QPair<QString, QString>> q;
    q.append(
        {QStringLiteral("qBoardLayout"),
         QStringLiteral("SELECT BoardLayOut.ID, BoardLayOut.SquareID, SquareStyle.SquareID, "
                        "SquareStyle.Caption, SquareStyle.BackColor, SquareStyle.FontColor, "
                        "SquareStyle.FontBackColor FROM BoardLayOut LEFT JOIN SquareStyle ON "
                        "BoardLayOut.SquareID = SquareStyle.SquareID ORDER BY BoardLayOut.ID;")});
    q.append(
        {QStringLiteral("qSquareCounts"),
         QStringLiteral(
             "SELECT SquareSpelling.Caption, SquareSpelling.SquareID, Count(Spelling.Word) AS "
             "CountOfWord FROM SquareSpelling INNER JOIN Spelling ON SquareSpelling.SquareID = "
             "Spelling.TypeID GROUP BY SquareSpelling.Caption, SquareSpelling.SquareID HAVING "
             "(((SquareSpelling.SquareID)=-1 Or (SquareSpelling.SquareID)=-2 Or "
             "(SquareSpelling.SquareID)=-3)); Union SELECT SquareQuestion.Caption, "
             "SquareQuestion.SquareID, Count(Questions.Question) AS CountOfQuestion FROM "
             "(SquareQuestion INNER JOIN QuestionsTip ON SquareQuestion.SquareID = "
             "QuestionsTip.SquareID) INNER JOIN Questions ON QuestionsTip.CategoryID = "
             "Questions.CategoryID GROUP BY SquareQuestion.Caption, SquareQuestion.SquareID;")});
    for (const auto& level : kLevels) {
        q.append({QStringLiteral("Spelling") + QLatin1String(level.suffix),
                  QStringLiteral("SELECT Spelling.Word, Spelling.definition, Spelling.Sound, "
                                 "Spelling.iPicture, Spelling.QuestionAsk FROM Spelling WHERE "
                                 "(((Spelling.TypeID)=%1) AND ((Spelling.QuestionAsk)=False));")
                      .arg(level.code)});
        // A word is complete when it has a pronunciation (more than a wave
        // header) and a definition.
        q.append({QStringLiteral("qSpellingError") + QLatin1String(level.suffix),
                  QStringLiteral("SELECT Nz(Sum(IIf(Nz(Len(Spelling.Sound),0)>44 And "
                                 "Nz(Len(Spelling.definition),0)>0 And Nz(Len(Spelling.Word),0)>0,"
                                 "1,0)),0) AS CountOfSound, Count(Spelling.Word) AS CountError "
                                 "FROM Spelling WHERE ") +
                      spellingWhere(level.code) + QStringLiteral(";")});
    }
    q.append({QStringLiteral("qQuestionsError"),
              QStringLiteral("SELECT 'All' AS Part, Count(Questions.QuestionID) AS "
                             "CountOfQuestionID FROM Questions; Union SELECT 'Faulty' AS Part, "
                             "Count(Questions.QuestionID) AS CountOfQuestionID FROM Questions "
                             "WHERE ") +
                  QLatin1String(kFaultyQuestion) + QStringLiteral(" GROUP BY 'Faulty';")});
    return q;
}

QList<QPair<QString, QString>> ActionQueries() {
    QList<QPair<QString, QString>> q;
    for (const auto& level : kLevels) {
        q.append({QStringLiteral("qUpdateSpelling") + QLatin1String(level.suffix),
                  QStringLiteral("UPDATE Spelling SET Spelling.QuestionAsk = False WHERE ") +
                      spellingWhere(level.code) + QStringLiteral(";")});
    }
    return q;
}

void CreateSchema(dao::Database& db) {
    for (const char* statement : kSchema)
        db.ExecuteNative(QLatin1String(statement));
    for (const auto& q : SelectQueries())
        db.CreateSelectQuery(q.first, q.second);
    for (const auto& q : ActionQueries())
        db.CreateActionQuery(q.first, q.second);
}

void WriteContent(dao::Database& db, const BoardContent& content) {
    db.ExecuteNative(QStringLiteral("BEGIN"));
    try {
        db.InsertRow(QStringLiteral("tlbOwner"),
                     {QStringLiteral("ID"), QStringLiteral("Visible"),
                      QStringLiteral("Description"), QStringLiteral("Author")},
                     {1, false, content.description, content.author});
        for (int i = 0; i < content.layout.size(); ++i)
            db.InsertRow(QStringLiteral("BoardLayOut"),
                         {QStringLiteral("ID"), QStringLiteral("SquareID")},
                         {i + 1, content.layout[i]});
        for (auto it = content.styles.cbegin(); it != content.styles.cend(); ++it) {
            db.InsertRow(QStringLiteral("SquareStyle"),
                         {QStringLiteral("SquareID"), QStringLiteral("Caption"),
                          QStringLiteral("BackColor"), QStringLiteral("FontColor"),
                          QStringLiteral("FontBackColor")},
                         {it.key(), it->caption, it->backColor, it->fontColor, it->fontBackColor});
        }
        for (auto it = content.questionKinds.cbegin(); it != content.questionKinds.cend(); ++it)
            db.InsertRow(QStringLiteral("SquareQuestion"),
                         {QStringLiteral("SquareID"), QStringLiteral("Caption")}, {it.key(), *it});
        for (auto it = content.spellingCaptions.cbegin(); it != content.spellingCaptions.cend();
             ++it)
            db.InsertRow(QStringLiteral("SquareSpelling"),
                         {QStringLiteral("SquareID"), QStringLiteral("Caption")}, {it.key(), *it});
        int categoryId = 0, questionId = 0, answerId = 0;
        for (const BoardCategory& category : content.categories) {
            ++categoryId;
            db.InsertRow(QStringLiteral("QuestionsTip"),
                         {QStringLiteral("CategoryID"), QStringLiteral("SquareID"),
                          QStringLiteral("Category"), QStringLiteral("QuestionTip")},
                         {categoryId, category.kind, category.name, category.tip});
            for (const BoardQuestion& question : category.questions) {
                ++questionId;
                QVariant right;
                for (const BoardAnswer& answer : question.answers) {
                    ++answerId;
                    if (answer.right)
                        right = answerId;
                    db.InsertRow(
                        QStringLiteral("QuestionAnswer"),
                        {QStringLiteral("AnswerID"), QStringLiteral("QuestionID"),
                         QStringLiteral("SelectAnswer"), QStringLiteral("PictureYesNo"),
                         QStringLiteral("iPicture")},
                        {answerId, questionId, answer.text, !answer.picture.isEmpty(),
                         answer.picture.isEmpty() ? QVariant() : QVariant(answer.picture)});
                }
                db.InsertRow(QStringLiteral("Questions"),
                             {QStringLiteral("QuestionID"), QStringLiteral("CategoryID"),
                              QStringLiteral("Question"), QStringLiteral("Answer"),
                              QStringLiteral("QuestionAsk"), QStringLiteral("iPicture"),
                              QStringLiteral("Level")},
                             {questionId, categoryId, question.text, right, false,
                              question.picture.isEmpty() ? QVariant() : QVariant(question.picture),
                              levelValue(question.itemLevel)});
            }
        }
        for (const BoardWord& word : content.words) {
            db.InsertRow(
                QStringLiteral("Spelling"),
                {QStringLiteral("Word"), QStringLiteral("TypeID"), QStringLiteral("definition"),
                 QStringLiteral("Sound"), QStringLiteral("iPicture"), QStringLiteral("QuestionAsk"),
                 QStringLiteral("Level"), QStringLiteral("SoundAmerican"), QStringLiteral("SayAs")},
                {word.word, word.level, word.definition,
                 word.sound.isEmpty() ? QVariant() : QVariant(word.sound),
                 word.picture.isEmpty() ? QVariant() : QVariant(word.picture), false,
                 levelValue(word.itemLevel),
                 word.soundAmerican.isEmpty() ? QVariant() : QVariant(word.soundAmerican),
                 word.sayAs.isEmpty() ? QVariant() : QVariant(word.sayAs)});
        }
        db.ExecuteNative(QStringLiteral("COMMIT"));
    } catch (...) {
        db.ExecuteNative(QStringLiteral("ROLLBACK"));
        throw;
    }
}

namespace {

// Forces a finished file onto the disk, so that the rename that follows can
// never put an incomplete file in place of the old one after a power cut.
bool syncFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// A build killed before its rename leaves its partial file behind. One that
// has not changed for ten minutes is nobody's work in progress (a build takes
// well under a second), so the next build of the same file clears it away.
void removeStalePartials(const QDir& dir, const QString& fileName) {
    const QString prefix = QStringLiteral(".%1.").arg(fileName);
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-600);
    const QFileInfoList partials =
        dir.entryInfoList({QStringLiteral("*.partial")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& partial : partials) {
        if (partial.fileName().startsWith(prefix) &&
            partial.fileName().size() == prefix.size() + 8 + 8 &&
            partial.lastModified().toUTC() < staleBefore)
            QFile::remove(partial.absoluteFilePath());
    }
}

} // namespace

void WriteBoardFile(const BoardContent& content, const QString& path) {
    const QFileInfo target(path);
    if (!target.absoluteDir().exists())
        throw dao::DaoError(dao::ErrEngine,
                            QStringLiteral("The folder of '%1' does not exist.").arg(path));
    removeStalePartials(target.absoluteDir(), target.fileName());
    const QString partial = target.absoluteDir().filePath(
        QStringLiteral(".%1.%2.partial")
            .arg(target.fileName(), QUuid::createUuid().toString(QUuid::Id128).left(8)));
    try {
        {
            auto db = dao::DBEngine::CreateDatabase(partial, QLatin1String(kBoardConnect));
            // The partial file is thrown away on any failure, so the schema's
            // many statements need not each wait for the disk (a second or
            // more per file); the whole file is synced once when complete.
            db->ExecuteNative(QStringLiteral("PRAGMA synchronous = OFF"));
            CreateSchema(*db);
            WriteContent(*db, content);
            db->Close();
        }
        if (!syncFile(partial))
            throw dao::DaoError(
                dao::ErrEngine,
                QStringLiteral("Cannot write '%1': the disk did not take it.").arg(path));
        std::error_code error;
        std::filesystem::rename(partial.toStdString(), target.absoluteFilePath().toStdString(),
                                error);
        if (error)
            throw dao::DaoError(dao::ErrEngine,
                                QStringLiteral("Cannot write '%1': %2")
                                    .arg(path, QString::fromStdString(error.message())));
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
}

} // namespace BoardFileWriter
