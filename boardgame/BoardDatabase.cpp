#include "boardgame/BoardDatabase.h"

#include "boardgame/BoardStatus.h"
#include "boardgame/file/BoardLimits.h"
#include "boardgame/file/BoardSchema.h"
#include "boardgame/file/BoardSettings.h"
#include "players/ClassPlayerInfo.h"
#include "shell/Logging.h"
#include "shell/ProgramFolder.h"

#include <QFileInfo>
#include <QStringList>

QString BoardDatabase::FileName() const {
    return database ? QFileInfo(database->Name()).fileName() : QString();
}

void BoardDatabase::Close() {
    boardLayout.reset();
    if (database)
        database->Close();
    database.reset();
}

bool OpenBoardDatabase(BoardDatabase& board, QString* damage) {
    const QString path = BoardSettings::CurrentBoardFilePath();
    if (path.isEmpty()) {
        qCDebug(lcMordaventa) << "DataPath names no file inside data/:"
                              << BoardSettings::CurrentDataPath();
        return false;
    }
    return OpenBoardDatabaseAt(path, board, damage);
}

bool OpenBoardDatabaseAt(const QString& path, BoardDatabase& board, QString* damage) {
    try {
        auto db = dao::DBEngine::OpenDatabase(path, false, false, QLatin1String(kBoardConnect));
        auto layout = db->OpenRecordset(QStringLiteral("qBoardLayout"));
        // The board needs all its squares; a shorter layout is refused like a
        // file that cannot be opened.
        if (layout->RecordCount() < kBoardSquares) {
            qCDebug(lcMordaventa) << "board file has too few squares:" << path;
            return false;
        }
        board.Close();
        board.database = std::move(db);
        board.boardLayout = std::move(layout);
        return true;
    } catch (const dao::DaoError& e) {
        qCDebug(lcMordaventa) << "cannot open board file" << path << e.Description();
        if (damage && e.Number() == dao::ErrBudget)
            *damage = e.Description();
        return false;
    }
}

namespace {

std::optional<quint32> ColourValue(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    return quint32(value.toLongLong());
}

} // namespace

QList<BoardSquareRow> ReadBoardLayout(dao::Recordset& layout) {
    QList<BoardSquareRow> rows;
    if (layout.RecordCount() == 0)
        return rows;
    layout.MoveFirst();
    while (!layout.Eof() && rows.size() < kBoardSquares) {
        BoardSquareRow row;
        const QVariant code = layout.Fields(QStringLiteral("BoardLayOut.SquareID")).Value();
        row.tag =
            code.isNull() ? QString::number(SquareCode::Plain) : QString::number(code.toLongLong());
        row.caption = layout.Fields(QStringLiteral("Caption")).Value().toString();
        if (!BoardLimits::FitsCaption(row.caption))
            row.caption.clear(); // laying it out would freeze the board
        row.backColor = ColourValue(layout.Fields(QStringLiteral("BackColor")).Value());
        row.fontColor = ColourValue(layout.Fields(QStringLiteral("FontColor")).Value());
        row.fontBackColor = ColourValue(layout.Fields(QStringLiteral("FontBackColor")).Value());
        rows << row;
        layout.MoveNext();
    }
    return rows;
}

bool OpenBoardWithLayout(BoardDatabase& board, QList<BoardSquareRow>& rows, QString* damage) {
    BoardDatabase fresh;
    if (!OpenBoardDatabase(fresh, damage))
        return false;
    try {
        rows = ReadBoardLayout(*fresh.boardLayout);
    } catch (const dao::DaoError& e) {
        qCWarning(lcMordaventa) << "cannot read the board layout:" << e.Description();
        return false;
    }
    board = std::move(fresh);
    return true;
}

QStringList SquareTags(const QList<BoardSquareRow>& rows) {
    QStringList tags;
    for (const BoardSquareRow& row : rows)
        tags << row.tag;
    return tags;
}

bool CreateBoardStatus(dao::Database& db, const QString& fileName, ClassPlayerInfo& player) {
    // A name the player file cannot read back would break it or split the
    // record on every session.
    if (!ClassPlayerInfo::CanHoldBoardName(fileName))
        return false;
    try {
        const QList<SquareCountRow> kinds = BoardStatus::ReadSquareCounts(db);
        // A code that is not a number would break the record, or the file.
        for (const SquareCountRow& kind : kinds) {
            if (!ClassPlayerInfo::CanHoldStatusCode(kind.squareId))
                throw dao::DaoError(
                    dao::ErrEngine,
                    QStringLiteral("qSquareCounts gives a code that is not a number"));
        }
        const QString text = BoardStatus::New(kinds);
        // The key continues the count of the player's entries; should that key
        // be taken already (entries removed earlier), the next free number is
        // used so that the new record is never lost.
        int number = player.SavedGames.Count() + 1;
        while (player.SavedGames.Contains(QStringLiteral("B%1").arg(number)))
            ++number;
        const QString key = QStringLiteral("B%1").arg(number);
        if (!player.SavedGames.Add(ClassSavedGameInfo(text, key, fileName)))
            return false;
        player.SavedGamesIndex = key;
        return true;
    } catch (const dao::DaoError& e) {
        qCDebug(lcMordaventa) << "cannot create board status:" << e.Description();
        return false;
    }
}

bool LoadBoardStatus(dao::Database& db, const QString& fileName, ClassPlayerInfo& player) {
    player.SavedGamesIndex.clear();
    for (const ClassSavedGameInfo& entry : player.SavedGames) {
        if (entry.GameType == fileName) {
            player.SavedGamesIndex = entry.GameUserID;
            return true;
        }
    }
    return CreateBoardStatus(db, fileName, player);
}

namespace BoardStatements {

QString QuestionStatement(const QString& squareCode) {
    return QStringLiteral(
               "SELECT SquareQuestion.Caption, QuestionsTip.SquareID, QuestionsTip.CategoryID, "
               "QuestionsTip.QuestionTip, Questions.QuestionID, Questions.Question, "
               "Questions.Answer, Questions.QuestionAsk, Questions.iPicture FROM SquareQuestion "
               "INNER JOIN (QuestionsTip INNER JOIN Questions ON QuestionsTip.CategoryID = "
               "Questions.CategoryID) ON SquareQuestion.SquareID = QuestionsTip.SquareID WHERE "
               "(((QuestionsTip.SquareID)=") +
           squareCode + QStringLiteral("));");
}

QString AnswerStatement(const QString& questionId) {
    return QStringLiteral("SELECT QuestionAnswer.AnswerID, QuestionAnswer.QuestionID, "
                          "QuestionAnswer.SelectAnswer, QuestionAnswer.PictureYesNo, "
                          "QuestionAnswer.iPicture From QuestionAnswer WHERE "
                          "(((QuestionAnswer.QuestionID)=") +
           questionId + QStringLiteral("));");
}

QString ClearQuestionAskStatement(const QString& squareCode) {
    return QStringLiteral("UPDATE QuestionsTip INNER JOIN Questions ON QuestionsTip.CategoryID = "
                          "Questions.CategoryID SET Questions.QuestionAsk = False WHERE "
                          "(((Questions.QuestionAsk)=True) AND ((QuestionsTip.SquareID)=") +
           squareCode + QStringLiteral("));");
}

} // namespace BoardStatements
