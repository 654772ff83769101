#include "squares/SquarePool.h"

#include "boardgame/BoardDatabase.h"
#include "shell/RandomSource.h"

#include <QRegularExpression>

namespace SquarePool {

QList<int> PoolOf(const QList<Item>& items, ItemLevel seat) {
    QList<int> pool;
    for (int i = 0; i < items.size(); ++i) {
        if (ItemLevels::Fits(items[i].level, seat))
            pool << i;
    }
    if (pool.isEmpty()) {
        for (int i = 0; i < items.size(); ++i)
            pool << i;
    }
    return pool;
}

int Pick(const QList<Item>& items, ItemLevel seat, RandomSource& random) {
    QList<int> fresh;
    for (const int i : PoolOf(items, seat)) {
        if (!items[i].asked)
            fresh << i;
    }
    if (fresh.isEmpty())
        return -1;
    return fresh[random.below(int(fresh.size()))];
}

bool MoveToQuestion(dao::Database& db, dao::Recordset& questions, const QString& squareCode,
                    ItemLevel seat, RandomSource& random) {
    if (questions.RecordCount() == 0)
        return false;
    const QHash<qint64, ItemLevel> levels = ItemLevels::QuestionLevels(db);
    QList<Item> items;
    for (questions.MoveFirst(); !questions.Eof(); questions.MoveNext()) {
        const qint64 id = questions.Fields(QStringLiteral("QuestionID")).Value().toLongLong();
        items.append({questions.Fields(QStringLiteral("QuestionAsk")).Value().toBool(),
                      levels.value(id, ItemLevel::Any)});
    }
    int row = Pick(items, seat, random);
    if (row < 0) {
        const QList<int> pool = PoolOf(items, seat);
        if (pool.size() == items.size()) {
            db.Execute(BoardStatements::ClearQuestionAskStatement(squareCode));
        } else {
            // Only the seat's level starts again: the other levels' seats
            // still meet their questions once each.
            for (const int i : pool) {
                questions.setAbsolutePosition(i);
                questions.Edit();
                questions.Fields(QStringLiteral("QuestionAsk")) = false;
                questions.Update();
            }
        }
        for (const int i : pool)
            items[i].asked = false;
        row = Pick(items, seat, random);
    }
    questions.setAbsolutePosition(row);
    return true;
}

namespace {

// The rows of the open pool whose words are in the seat's pool.
QList<int> freshWords(dao::Recordset& words, const QHash<QString, ItemLevel>& levels,
                      ItemLevel seat, bool wholeKind) {
    QList<int> fresh;
    if (words.RecordCount() == 0)
        return fresh;
    int row = 0;
    for (words.MoveFirst(); !words.Eof(); words.MoveNext(), ++row) {
        const QString word = words.Fields(QStringLiteral("Word")).Value().toString().toLower();
        if (wholeKind || ItemLevels::Fits(levels.value(word, ItemLevel::Any), seat))
            fresh << row;
    }
    return fresh;
}

} // namespace

bool MoveToWord(dao::Database& db, std::unique_ptr<dao::Recordset>& words, const QString& pool,
                const QString& refill, int spellingCode, ItemLevel seat, RandomSource& random) {
    const QHash<QString, ItemLevel> levels = ItemLevels::WordLevels(db, spellingCode);
    // The whole kind, unless some word is at the seat's level.
    bool wholeKind = true;
    for (const ItemLevel level : levels) {
        if (seat != ItemLevel::Any && level == seat)
            wholeKind = false;
    }
    QList<int> fresh = freshWords(*words, levels, seat, wholeKind);
    if (fresh.isEmpty()) {
        if (wholeKind)
            db.Execute(refill);
        else
            db.Execute(QStringLiteral("UPDATE Spelling SET Spelling.QuestionAsk = False WHERE "
                                      "(((Spelling.TypeID)=%1) AND ((Spelling.Level)='%2' Or "
                                      "(Spelling.Level) Is Null));")
                           .arg(spellingCode)
                           .arg(ItemLevels::Name(seat)));
        words = db.OpenRecordset(pool);
        fresh = freshWords(*words, levels, seat, wholeKind);
    }
    if (fresh.isEmpty())
        return false;
    words->setAbsolutePosition(fresh[random.below(int(fresh.size()))]);
    return true;
}

QByteArray AmericanSound(dao::Database& db, int spellingCode, const QString& word) {
    // Words are letters, blanks, hyphens and apostrophes; anything else
    // could not be quoted and keeps the one pronunciation.
    if (word.contains(QLatin1Char('"')))
        return QByteArray();
    try {
        auto rs = db.OpenRecordset(
            QStringLiteral("SELECT Spelling.SoundAmerican FROM Spelling WHERE "
                           "(((Spelling.TypeID)=%1) AND ((Spelling.Word)=\"%2\"));")
                .arg(spellingCode)
                .arg(word));
        if (rs->RecordCount() == 0)
            return QByteArray();
        dao::Field field = rs->Fields(QStringLiteral("SoundAmerican"));
        const qint64 size = field.FieldSize();
        return size > 0 ? field.GetChunk(0, size) : QByteArray();
    } catch (const dao::DaoError&) {
        return QByteArray(); // a file made before American pronunciations
    }
}

bool RefersToOthers(const QString& choice) {
    // Lower case, without punctuation: "All of the above." -> "all of the above".
    QString text = choice.toLower();
    text.replace(QRegularExpression(QStringLiteral("[^\\p{L}\\s]")), QStringLiteral(" "));
    text = text.simplified();
    static const QRegularExpression others(
        QStringLiteral("^(all|none|both|neither|either)"
                       "( (of|are|is|the|these|those|them|above|answers|choices|options|"
                       "correct|right|wrong|a|b|c|and|nor|or))*$"));
    return others.match(text).hasMatch();
}

QList<int> ChoiceOrder(const QStringList& choices, RandomSource& random) {
    QList<int> order;
    QList<int> last;
    for (int i = 0; i < choices.size(); ++i)
        (RefersToOthers(choices[i]) ? last : order) << i;
    // Fisher-Yates: every order equally likely.
    for (int i = int(order.size()) - 1; i > 0; --i)
        order.swapItemsAt(i, random.below(i + 1));
    return order + last;
}

} // namespace SquarePool
