// Levels in sources and the builder's warnings; draws that empty a seat's pool
// before any repeat; choices shuffled with those about the others kept last.
#include "../squares/SquareTestKit.h"

#include "boardgame/file/BoardSource.h"
#include "squares/SquarePool.h"
#include "squares/SquareQuestions.h"
#include "squares/ui/frmSpelling.h"

#include <QLabel>

#include <QtTest>

using namespace SquareTestKit;

namespace {

QString edited(const QString& from, const QString& to) {
    QString s = QLatin1String(BoardTestFiles::kTinySource);
    const qsizetype at = s.indexOf(from);
    return at < 0 ? QString() : s.replace(at, from.size(), to);
}

} // namespace

class TestBoardLevels : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sourceFields();
    void warnings_data();
    void warnings();
    void drawsEachOnceAtTheSeatsLevel_data();
    void drawsEachOnceAtTheSeatsLevel();
    void choiceOrder();
    void spellingWindowTellsCapitalsAndSpeaksTheChosenEnglish();
};

void TestBoardLevels::sourceFields() {
    QStringList spoken;
    BoardSourceHooks hooks;
    hooks.speak = [&](const QString& text, QString*) {
        spoken << text;
        return BoardTestFiles::wave(10, 'x');
    };
    hooks.speakAmerican = [](const QString&, QString*) { return BoardTestFiles::wave(20, 'y'); };
    const BoardContent c =
        BoardSource::Parse(QLatin1String(BoardTestFiles::kTinySource), {}, hooks);
    QCOMPARE(c.categories[0].questions[0].itemLevel, ItemLevel::Primary);
    QCOMPARE(c.words[1].itemLevel, ItemLevel::Secondary);
    QCOMPARE(c.words[2].itemLevel, ItemLevel::Adult);
    QCOMPARE(spoken, QStringList({"cat", "gar den", "rhythm"}));
    QCOMPARE(c.words[1].soundAmerican, BoardTestFiles::wave(20, 'y'));
}

void TestBoardLevels::warnings_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("expected"); // empty: no warning; "line N:" a refusal
    // Questions whose right answer sits at 2, 3, 2, 3, 1: no position is favoured.
    auto questions = [](const char* right) {
        QString text;
        for (const int at : {2, 3, 2, 3, 1}) {
            text += QStringLiteral("[question]\nlevel = adult\ntext = Which?\n");
            for (int i = 1; i <= 3; ++i)
                text += i == at ? QStringLiteral("answer = * %1\n").arg(QLatin1String(right))
                                : QStringLiteral("answer = no%1\n").arg(i);
        }
        return text + QStringLiteral("[spelling easy]");
    };
    addDataRow("hard word in a definition", "A small pet.", "A pet with rhythm.",
               "24: prints the spelling word 'rhythm'");
    addDataRow("-ing form", "A small pet.", "A pet for gardening.",
               "24: prints the spelling word 'garden'");
    addDataRow("easy word may appear", "rhymes with hat", "rhymes with cats", "");
    addDataRow("tip gives the answer", "same sound.", "same sound, like mat.",
               "15: the tip gives away 'mat', the right answer of the question at line 16");
    addDataRow("right answer mostly longest", "[spelling easy]", questions("the longest"),
               "3: kind 4: the right answer is the longest choice in 5 of 6");
    addDataRow("right answer as long as others", "[spelling easy]", questions("ok1"), "");
    addDataRow("item without a level", " | level = adult", "", "30: no level");
    addDataRow("a file without levels", "level = primary\n", "", "");
    addDataRow("unknown level", "level = primary\ntext", "level = teens\ntext",
               "line 17: a level is");
    addDataRow("unknown option", "| say = gar den", "| shout = x",
               "line 27: field 'word': unknown");
}

void TestBoardLevels::warnings() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, expected);
    QString source = edited(from, to);
    if (from == QLatin1String("level = primary\n"))
        source.remove(QRegularExpression(QStringLiteral(" \\| level = \\w+")));
    QList<BoardSourceWarning> warnings;
    QStringList texts;
    try {
        BoardSource::Parse(source, {}, {}, &warnings);
    } catch (const BoardSourceError& e) {
        texts << e.text();
    }
    for (const BoardSourceWarning& w : warnings)
        texts << QStringLiteral("%1: %2").arg(w.line).arg(w.message);
    QVERIFY2(expected.isEmpty() ? texts.isEmpty()
                                : texts.size() == 1 && texts[0].startsWith(expected),
             qPrintable(texts.join('\n')));
}

void TestBoardLevels::drawsEachOnceAtTheSeatsLevel_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<ItemLevel>("seat");
    QTest::addColumn<QStringList>("pool"); // what the seat may be given
    // Kind 5: "Which word is a noun?" primary, "...names a place?" adult,
    // "...is a verb?" primary. Easy words: cat primary, dog adult, sun primary.
    addDataRow("questions at the level", "5", ItemLevel::Primary,
               QStringList{"Which word is a noun?", "Which word is a verb?"});
    addDataRow(
        "nothing at the level: all", "5", ItemLevel::Secondary,
        QStringList{"Which word is a noun?", "Which word is a verb?", "Which word names a place?"});
    addDataRow("words at the level", "-1", ItemLevel::Primary, QStringList{"cat", "sun"});
    addDataRow("any level", "-1", ItemLevel::Any, QStringList{"cat", "dog", "sun"});
}

void TestBoardLevels::drawsEachOnceAtTheSeatsLevel() {
    QFETCH(QString, code);
    QFETCH(ItemLevel, seat);
    QFETCH(QStringList, pool);
    BoardContent content = Content();
    content.categories[0].questions[0].itemLevel = ItemLevel::Primary;
    content.categories[0].questions[1].itemLevel = ItemLevel::Adult;
    content.categories[1].questions[0].itemLevel = ItemLevel::Primary;
    for (const int i : {0, 1, 2})
        content.words[i].itemLevel = i == 1 ? ItemLevel::Adult : ItemLevel::Primary;
    Fixture f(content);
    const auto random = makeSeededRandom(11);
    QStringList given;
    for (int round = 0; round < 3 * pool.size(); ++round) {
        if (code == QLatin1String("5")) {
            QuestionSquare square(*f.db, f.player, code, *random);
            square.SetLevel(seat);
            QVERIFY(square.Draw());
            given << square.Question();
            QCOMPARE(square.Answer(round % 2, true) != QuestionSquare::Verdict::Ignored, true);
        } else {
            SpellingSquare square(*f.db, f.player, code, 1, *random);
            square.SetLevel(seat);
            QVERIFY(square.Draw());
            given << square.Word();
            QCOMPARE(square.Check(square.Word(), true).typing, SpellingSquare::Typing::Right);
        }
    }
    // Each run of pool.size() draws gives every item of the pool once.
    for (int run = 0; run < 3; ++run) {
        QStringList once = given.mid(run * pool.size(), pool.size());
        once.sort();
        QCOMPARE(once, pool); // listed in order
    }
}

void TestBoardLevels::choiceOrder() {
    const auto random = makeSeededRandom(5);
    const QStringList choices{"red", "green", "blue", "All of the above."};
    QSet<int> placesOfRed;
    for (int i = 0; i < 40; ++i) {
        const QList<int> order = SquarePool::ChoiceOrder(choices, *random);
        QCOMPARE(order.last(), 3);
        placesOfRed << int(order.indexOf(0));
    }
    QCOMPARE(placesOfRed, QSet<int>({0, 1, 2}));
    for (const char* other : {"None of these", "Both", "neither A nor B", "all are correct"})
        QVERIFY2(SquarePool::RefersToOthers(QLatin1String(other)), other);
    for (const char* plain : {"Both cats", "allowed", "nowhere"})
        QVERIFY2(!SquarePool::RefersToOthers(QLatin1String(plain)), plain);
}

// A word with a capital is announced; the American recording plays when
// American speech is chosen (British by default).
void TestBoardLevels::spellingWindowTellsCapitalsAndSpeaksTheChosenEnglish() {
    for (const bool american : {false, true}) {
        const QString word = american ? QStringLiteral("cat") : QStringLiteral("Wednesday");
        BoardContent content = Content();
        const QByteArray british = BoardTestFiles::wave(50, 'b');
        for (BoardWord& w : content.words)
            w = {word, w.level, "A word.", british, {}, {}, BoardTestFiles::wave(50, 'a')};
        Fixture f(content);
        if (american)
            AppSettings::SaveSetting(QStringLiteral("BoardGame"), QStringLiteral("Settings"),
                                     QStringLiteral("Speech"), QStringLiteral("en-us"));
        frmSpelling window;
        QVERIFY(window.PrepareSpelling(QStringLiteral("-2"), QPixmap(), QStringLiteral("Chance 1"),
                                       *f.db, f.player));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblCapital"))->isVisibleTo(&window),
                 !american);
        QCOMPARE(f.folder.read(QStringLiteral("temp/temp.wav")),
                 BoardTestFiles::wave(50, american ? 'a' : 'b'));
    }
}

QTEST_MAIN(TestBoardLevels)
#include "tst_boardlevels.moc"
