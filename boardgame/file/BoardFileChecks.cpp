#include "boardgame/file/BoardFileChecks.h"

#include "boardgame/file/BoardSchema.h"
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
    } catch (const dao::DaoError& e) {
        qCDebug(lcMordaventa) << "board file not usable:" << path << e.Description();
    }
    inspection.Close();
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
        return errors == 0 ? QStringLiteral("Ok:0") : QStringLiteral("Err:%1").arg(errors);
    } catch (const dao::DaoError& e) {
        qCDebug(lcMordaventa) << "board layout check failed:" << e.Description();
        return QStringLiteral("Err:No Rec");
    }
}

namespace {

QString spellingErrorCount(dao::Database& db, const QString& query) {
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
    return spellingErrorCount(db, QStringLiteral("qSpellingErrorEasy"));
}
QString SpellingMediumErrorCount(dao::Database& db) {
    return spellingErrorCount(db, QStringLiteral("qSpellingErrorMedium"));
}
QString SpellingHardErrorCount(dao::Database& db) {
    return spellingErrorCount(db, QStringLiteral("qSpellingErrorHard"));
}

QString QuestionsErrorCount(dao::Database& db) {
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

QString BoardFileSizeText(qint64 bytes) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    const qint64 kb = std::llround(static_cast<double>(bytes) / 1025.0);
    return locale.toString(kb) + QStringLiteral(" KB");
}
