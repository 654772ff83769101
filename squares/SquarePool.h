#pragma once
// Which question or word a square draws, and in which order a question's
// choices are shown. A square kind's pool is every item of the kind at the
// seat's level (the whole kind when nothing is at that level); an item leaves
// the pool when it is asked, and a used-up pool is refilled before the draw.
#include "boardgame/dao/DaoEngine.h"
#include "boardgame/file/ItemLevels.h"

#include <QList>
#include <QString>

#include <memory>

class RandomSource;

namespace SquarePool {

struct Item {
    bool asked = false;
    ItemLevel level = ItemLevel::Any;
};

// The items of the seat's pool: those that fit its level, or all of them when
// none does.
QList<int> PoolOf(const QList<Item>& items, ItemLevel seat);
// An item of the pool not yet asked, with equal chance; -1 when every item of
// the pool has been asked (the caller refills the pool and draws again).
int Pick(const QList<Item>& items, ItemLevel seat, RandomSource& random);

// Moves the rows of the question statement (every question of square kind
// `squareCode`) to the question to ask a seat at `seat`, refilling the seat's
// pool first when it is used up. False when there is no row.
bool MoveToQuestion(dao::Database& db, dao::Recordset& questions, const QString& squareCode,
                    ItemLevel seat, RandomSource& random);
// Moves the rows of a spelling pool query (the words of the kind not yet
// asked) to the word to ask; a used-up pool is refilled (with the stored
// `refill` query when the pool is the whole kind) and `words` opened again.
bool MoveToWord(dao::Database& db, std::unique_ptr<dao::Recordset>& words, const QString& pool,
                const QString& refill, int spellingCode, ItemLevel seat, RandomSource& random);

// The American pronunciation of a word of a spelling kind; empty when the
// file keeps none.
QByteArray AmericanSound(dao::Database& db, int spellingCode, const QString& word);

// Whether a choice speaks about the others ("All of the above", "None of
// these", "Both", "Neither a nor b"): such a choice only makes sense last.
bool RefersToOthers(const QString& choice);
// The order to show choices in: a random order of the choices, with those
// that refer to the others kept last, in their own order.
QList<int> ChoiceOrder(const QStringList& choices, RandomSource& random);

} // namespace SquarePool
