#include "boardgame/file/BoardFileChecks.h"

#include "boardgame/file/BoardLimits.h"
#include "boardgame/file/BoardSchema.h"
#include "players/ClassPlayerInfo.h"
#include "shell/Logging.h"

#include <QLocale>

#include <cmath>

QString BoardFileInspection::Description() const {
    if (!owner)
        return QString();
    try {
        return owner->Fields(QStringLiteral("Description")).Value().toString();
    } catch (const dao::DaoError&) {
        return QString();
    }
}

void BoardFileInspection::Close() {
    failure.clear();
    damage.clear();
    owner.reset();
    if (database)
        database->Close();
    database.reset();
}

bool IsUsableBoardFile(const QString& path, BoardFileInspection& inspection) {
    inspection.Close();
    try {
        inspection.database =
            dao::DBEngine::OpenDatabase(path, false, false, QLatin1String(kBoardConnect));
        inspection.owner =
            inspection.database->OpenRecordset(QStringLiteral("SELECT tlbOwner.* FROM tlbOwner;"));
        const QVariant visible = inspection.owner->Fields(QStringLiteral("Visible")).Value();
        if (!visible.isNull() && visible.toLongLong() == 0)
            return true;
        inspection.failure = QStringLiteral("it is marked hidden");
    } catch (const dao::DaoError& e) {
        qCDebug(lcMordaventa) << "board file not usable:" << path << e.Description();
        inspection.failure = e.Description();
        if (e.Number() == dao::ErrBudget)
            inspection.damage = e.Description();
    }
    const QString failure = inspection.failure;
    const QString damage = inspection.damage;
    inspection.Close();
    inspection.failure = failure;
    inspection.damage = damage;
    return false;
}

QString BoardLayoutErrorCount(dao::Database& db) {
    try {
        auto nulls = db.OpenRecordset(
            QStringLiteral("SELECT BoardLayOut.ID, BoardLayOut.SquareID From BoardLayOut WHERE "
                           "(((BoardLayOut.SquareID) Is Null));"));
        int errors = 0;
        if (nulls->RecordCount() != 0) {
            nulls->MoveLast();
            errors = nulls->RecordCount();
        }
        // A layout of fewer than 56 squares cannot make a board either.
        auto layout = db.OpenRecordset(QStringLiteral("qBoardLayout"));
        if (layout->RecordCount() < kBoardSquares)
            errors += kBoardSquares - layout->RecordCount();
        for (; !layout->Eof(); layout->MoveNext()) {
            if (!BoardLimits::FitsCaption(
                    layout->Fields(QStringLiteral("Caption")).Value().toString()))
                ++errors;
        }
        // Without a status record no answer on this board is ever counted.
        if (!SquareCountsFault(db).isEmpty())
            ++errors;
        return errors == 0 ? QStringLiteral("Ok:0") : QStringLiteral("Err:%1").arg(errors);
    } catch (const dao::DaoError& e) {
        qCDebug(lcMordaventa) << "board layout check failed:" << e.Description();
        return QStringLiteral("Err:No Rec");
    }
}

namespace {

QString spellingErrorCountOf(dao::Database& db, const QString& query);
QString questionsErrorCountOf(dao::Database& db);

// The words of a spelling kind that cannot be asked; -1 when the words
// cannot be read at all.
int unaskableWords(dao::Database& db, int kind) {
    try {
        auto rs = db.OpenRecordset(
            QStringLiteral("SELECT Spelling.Word, Len(Spelling.definition) AS DefinitionSize, "
                           "Len(Spelling.Sound) AS SoundSize, Len(Spelling.iPicture) AS "
                           "PictureSize FROM Spelling WHERE Spelling.TypeID=%1;")
                .arg(kind));
        int bad = 0;
        for (; !rs->Eof(); rs->MoveNext()) {
            const QString word = rs->Fields(QStringLiteral("Word")).Value().toString();
            // Bytes that are not UTF-8 read as U+FFFD, which no keyboard types.
            if (word.trimmed().isEmpty() || !BoardLimits::FitsCaption(word) ||
                word.contains(QChar::ReplacementCharacter) ||
                rs->Fields(QStringLiteral("DefinitionSize")).Value().toLongLong() >
                    BoardLimits::kLongestText ||
                rs->Fields(QStringLiteral("SoundSize")).Value().toLongLong() >
                    BoardLimits::kLargestMedia ||
                rs->Fields(QStringLiteral("PictureSize")).Value().toLongLong() >
                    BoardLimits::kLargestMedia)
                ++bad;
        }
        return bad;
    } catch (const dao::DaoError& e) {
        qCDebug(lcMordaventa) << "spelling words cannot be read:" << e.Description();
        return -1;
    }
}

// Whether the refill the game runs on a used-up pool works: run, then taken
// back. A file that cannot be written here (a shipped, read-only one) is given
// the benefit of the doubt; in play it cannot run either.
//
// The check leaves the file as it was, to the byte and its modification time:
// the journal is kept in memory and the changed pages too (no spilling), and
// the transaction is rolled back whole (releasing a savepoint would commit
// and rewrite the file's header page).
bool refills(dao::Database& db, const QString& action) {
    const auto native = [&db](const char* sql) {
        try {
            db.ExecuteNative(QLatin1String(sql));
            return true;
        } catch (const dao::DaoError&) {
            return false;
        }
    };
    native("PRAGMA journal_mode = MEMORY; PRAGMA cache_spill = OFF");
    if (!native("BEGIN")) {
        native("PRAGMA journal_mode = DELETE; PRAGMA cache_spill = ON");
        return true;
    }
    bool works = true;
    try {
        db.Execute(action);
    } catch (const dao::DaoError& e) {
        works = e.Description().contains(QLatin1String("readonly"));
        qCDebug(lcMordaventa) << "refill failed:" << action << e.Description();
    }
    native("ROLLBACK");
    native("PRAGMA journal_mode = DELETE; PRAGMA cache_spill = ON");
    return works;
}

QString spellingErrorCount(dao::Database& db, const QString& query, int kind) {
    const QString result = spellingErrorCountOf(db, query);
    if (!result.startsWith(QLatin1String("OK:")))
        return result;
    // The pool and its refill are what the game runs on a spelling square.
    static const char* const kPools[] = {"SpellingEasy", "SpellingMedium", "SpellingHard"};
    static const char* const kRefills[] = {"qUpdateSpellingEasy", "qUpdateSpellingMedium",
                                           "qUpdateSpellingHard"};
    try {
        db.OpenRecordset(QLatin1String(kPools[SquareCode::SpellEasy - kind]));
    } catch (const dao::DaoError& e) {
        qCDebug(lcMordaventa) << "spelling pool cannot be read:" << e.Description();
        return QStringLiteral("Error:No Rec");
    }
    if (!refills(db, QLatin1String(kRefills[SquareCode::SpellEasy - kind])))
        return QStringLiteral("Error:No Rec");
    const int bad = unaskableWords(db, kind);
    if (bad < 0)
        return QStringLiteral("Error:No Rec");
    return bad == 0 ? result : QStringLiteral("Error:%1").arg(bad);
}

// The number of rows an Access count statement finds; -1 when it fails.
qlonglong countOf(dao::Database& db, const QString& statement) {
    try {
        auto rs = db.OpenRecordset(statement);
        return rs->Eof() ? 0 : rs->Fields(0).Value().toLongLong();
    } catch (const dao::DaoError& e) {
        qCDebug(lcMordaventa) << "count failed:" << statement << e.Description();
        return -1;
    }
}

// Question rows that cannot be put before a player.
qlonglong unaskableQuestions(dao::Database& db) {
    const QString text = QString::number(BoardLimits::kLongestText);
    const QString media = QString::number(BoardLimits::kLargestMedia);
    const QString caption = QString::number(BoardLimits::kLongestCaption);
    const qlonglong counts[] = {
        countOf(db, QStringLiteral("SELECT Count(*) AS Bad FROM Questions WHERE "
                                   "Nz(Len(Trim(Questions.Question)), 0) = 0 OR "
                                   "Len(Questions.Question) > %1 OR Len(Questions.iPicture) > %2;")
                        .arg(text, media)),
        countOf(db, QStringLiteral("SELECT Count(*) AS Bad FROM QuestionAnswer WHERE "
                                   "Len(QuestionAnswer.SelectAnswer) > %1 OR "
                                   "Len(QuestionAnswer.iPicture) > %2;")
                        .arg(text, media)),
        countOf(db, QStringLiteral("SELECT Count(*) AS Bad FROM QuestionsTip WHERE "
                                   "Len(QuestionsTip.QuestionTip) > %1;")
                        .arg(text)),
        countOf(db, QStringLiteral("SELECT Count(*) AS Bad FROM SquareQuestion WHERE "
                                   "Len(SquareQuestion.Caption) > %1;")
                        .arg(caption)),
        countOf(db, QStringLiteral("SELECT Count(*) AS Bad FROM Questions LEFT JOIN "
                                   "QuestionAnswer ON Questions.QuestionID = "
                                   "QuestionAnswer.QuestionID WHERE QuestionAnswer.AnswerID Is "
                                   "Null;")),
    };
    qlonglong bad = 0;
    for (qlonglong n : counts)
        bad += n < 0 ? 1 : n;
    return bad;
}

QString spellingErrorCountOf(dao::Database& db, const QString& query) {
    try {
        auto rs = db.OpenRecordset(query);
        if (rs->Eof())
            return QStringLiteral("Error:No Rec");
        const QVariant s = rs->Fields(QStringLiteral("CountOfSound")).Value();
        const QVariant e = rs->Fields(QStringLiteral("CountError")).Value();
        const qlonglong sound = s.toLongLong();
        const qlonglong count = e.toLongLong();
        if (sound == 0)
            return QStringLiteral("Error:No Rec");
        if (count - sound == 0)
            return QStringLiteral("OK:%1").arg(count);
        return QStringLiteral("Error:Rec=%1").arg(count - sound);
    } catch (const dao::DaoError& e) {
        qCDebug(lcMordaventa) << "spelling check failed:" << query << e.Description();
        return QString();
    }
}

} // namespace

QString SpellingEasyErrorCount(dao::Database& db) {
    return spellingErrorCount(db, QStringLiteral("qSpellingErrorEasy"), SquareCode::SpellEasy);
}
QString SpellingMediumErrorCount(dao::Database& db) {
    return spellingErrorCount(db, QStringLiteral("qSpellingErrorMedium"), SquareCode::SpellMedium);
}
QString SpellingHardErrorCount(dao::Database& db) {
    return spellingErrorCount(db, QStringLiteral("qSpellingErrorHard"), SquareCode::SpellHard);
}

QString QuestionsErrorCount(dao::Database& db) {
    const QString result = questionsErrorCountOf(db);
    if (!result.startsWith(QLatin1String("OK:")))
        return result;
    const qlonglong bad = unaskableQuestions(db);
    return bad == 0 ? result : QStringLiteral("Error:%1").arg(bad);
}

QString SquareCountsFault(dao::Database& db) {
    try {
        auto rs = db.OpenRecordset(QStringLiteral("qSquareCounts"));
        for (; !rs->Eof(); rs->MoveNext()) {
            const QString code = rs->Fields(QStringLiteral("SquareID")).Value().toString();
            if (!ClassPlayerInfo::CanHoldStatusCode(code))
                return QStringLiteral("qSquareCounts gives the code '%1', not a whole number")
                    .arg(code.left(40));
            if (!BoardLimits::FitsCaption(rs->Fields(QStringLiteral("Caption")).Value().toString()))
                return QStringLiteral("qSquareCounts gives a caption over %1 characters")
                    .arg(BoardLimits::kLongestCaption);
        }
        return QString();
    } catch (const dao::DaoError& e) {
        return QStringLiteral("qSquareCounts: %1").arg(e.Description());
    }
}

namespace {

QString questionsErrorCountOf(dao::Database& db) {
    try {
        auto rs = db.OpenRecordset(QStringLiteral("qQuestionsError"));
        if (rs->RecordCount() == 2) {
            rs->MoveNext();
            return QStringLiteral("Error:%1")
                .arg(rs->Fields(QStringLiteral("CountOfQuestionID")).Value().toLongLong());
        }
        if (rs->Eof())
            return QStringLiteral("Error:No Rec");
        const qlonglong count =
            rs->Fields(QStringLiteral("CountOfQuestionID")).Value().toLongLong();
        return count == 0 ? QStringLiteral("Error:No Rec") : QStringLiteral("OK:%1").arg(count);
    } catch (const dao::DaoError& e) {
        qCDebug(lcMordaventa) << "question check failed:" << e.Description();
        return QString();
    }
}

} // namespace

QString BoardFileSizeText(qint64 bytes) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    const qint64 kb = std::llround(static_cast<double>(bytes) / 1025.0);
    return locale.toString(kb) + QStringLiteral(" KB");
}
