// The board game's rules without a window: seats and turns, the die, token
// moves, what each square asks for, where squares and tokens stand, the
// statistics of a counter text and the saving of the seats' records.
#include "BoardTestFiles.h"
#include "TestSupport.h"

#include "boardgame/BoardDatabase.h"
#include "boardgame/BoardGame.h"
#include "boardgame/BoardGeometry.h"
#include "boardgame/BoardPlayers.h"
#include "boardgame/BoardStatus.h"
#include "boardgame/BoardTurn.h"
#include "players/ClassPlayerInfo.h"

#include <QtTest>

namespace {

// A board of plain squares with one square of the given code.
BoardGame BoardWith(int square, const QString& code) {
    QStringList tags(56, QStringLiteral("-4"));
    if (square >= 1 && square <= 56)
        tags[square - 1] = code;
    BoardGame game;
    game.SetSquareTags(tags);
    return game;
}

// Plays turns as the board window would, from the current seat's roll, with
// the die values and the answers ('r' right, 'w' wrong) given, and traces the
// steps: "r1" seat 1 rolls, "w0-3" a walk, "j3-5" a jump, "a-1" a square
// asked, "p5r" the Professor's answer there (right), "lost>2" and "pass>2" the turn passed to seat
// 2, "P" the Professor's own roll, "|" a person's click, "win1".
QString PlayTurns(BoardTurn& turn, QList<int> rolls, QString answers, int& adverts) {
    QStringList trace;
    const auto walk = [](const char* kind, const TokenWalk& w) {
        return QStringLiteral("%1%2-%3").arg(QLatin1String(kind)).arg(w.from).arg(w.to);
    };
    TurnStep step = turn.Begin();
    for (int guard = 0; guard < 100; ++guard) {
        adverts += step.advertisements;
        switch (step.kind) {
        case TurnStepKind::Roll:
            trace << QStringLiteral("r%1").arg(step.seat);
            step = turn.Rolled(rolls.takeFirst());
            break;
        case TurnStepKind::Walk:
        case TurnStepKind::Jump:
            trace << walk(step.kind == TurnStepKind::Walk ? "w" : "j", step.walk);
            step = turn.Walked();
            break;
        case TurnStepKind::Ask:
            trace << QLatin1Char('a') + step.square.tag;
            step = turn.Answered(answers.at(0) == QLatin1Char('r'));
            answers.remove(0, 1);
            break;
        case TurnStepKind::ProfessorAnswer:
            trace << QStringLiteral("p%1%2").arg(step.square.tag, step.right ? "r" : "w");
            step = turn.Answered(step.right);
            break;
        case TurnStepKind::TurnLost:
        case TurnStepKind::Pass:
            trace << QStringLiteral("%1>%2")
                         .arg(step.kind == TurnStepKind::Pass ? "pass" : "lost")
                         .arg(turn.Passed().seat);
            step = turn.Passed();
            break;
        case TurnStepKind::Win:
            return (trace << QStringLiteral("win%1").arg(step.seat)).join(' ');
        case TurnStepKind::ProfessorRoll:
            trace << QStringLiteral("P");
            step = turn.Begin();
            break;
        case TurnStepKind::AwaitRoll:
            if (rolls.isEmpty())
                return trace.join(' ');
            trace << QStringLiteral("|");
            step = turn.Begin();
            break;
        }
    }
    return trace.join(' ') + QStringLiteral(" ...");
}

} // namespace

class TestBoardRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void turnsPlayOut_data();
    void turnsPlayOut();
    void squareRules_data();
    void squareRules();
    void movesStayOnTheBoard_data();
    void movesStayOnTheBoard();
    void dieFaces_data();
    void dieFaces();
    void seatsAreFixedOnceTheGameBegins();
    void boardPlan();
    void tokensSharingAPosition_data();
    void tokensSharingAPosition();
    void statistics_data();
    void statistics();
    void layoutRowWithoutCode();
    void seatsAreSavedEachOnItsOwn();
    void seatPeople_data();
    void seatPeople();
};

void TestBoardRules::turnsPlayOut_data() {
    QTest::addColumn<QString>("board"); // square:code, the rest plain
    QTest::addColumn<QString>("on");    // seats on; the first "seat:square" starts there
    QTest::addColumn<QList<int>>("rolls");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<int>("adverts");
    QTest::newRow("plain square") << ""
                                  << "1,2" << QList<int>{2} << ""
                                  << "r1 w0-2 pass>2" << 1;
    QTest::newRow("a person's jumps chain") << "3:-10 5:-9"
                                            << "1,2" << QList<int>{3} << ""
                                            << "r1 w0-3 j3-5 j5-6 pass>2" << 3;
    QTest::newRow("the Professor's jumps chain too") << "3:-10 5:-9"
                                                     << "0,1" << QList<int>{3} << ""
                                                     << "r0 w0-3 j3-5 j5-6 pass>1" << 3;
    QTest::newRow("jumps stop before a square stood on") << "30:-7 27:-11"
                                                         << "1:28,2" << QList<int>{2} << ""
                                                         << "r1 w28-30 j30-27 pass>2" << 2;
    QTest::newRow("the Professor's jumps stop alike") << "41:-8 37:-12"
                                                      << "0:36,1" << QList<int>{5} << ""
                                                      << "r0 w36-41 j41-37 pass>1" << 2;
    QTest::newRow("back to the start passes quietly") << "2:-6"
                                                      << "1,2" << QList<int>{2} << ""
                                                      << "r1 w0-2 j2-0 pass>2" << 2;
    QTest::newRow("right answer stays") << "2:5"
                                        << "1,2" << QList<int>{2} << "r"
                                        << "r1 w0-2 a5 pass>2" << 0;
    QTest::newRow("wrong answer goes back by the roll") << "3:4 4:-1"
                                                        << "1:1,2" << QList<int>{3} << "w"
                                                        << "r1 w1-4 a-1 w4-1 pass>2" << 0;
    QTest::newRow("after a jump, the question") << "1:-9 2:5"
                                                << "1,2" << QList<int>{1} << "w"
                                                << "r1 w0-1 j1-2 a5 w2-1 pass>2" << 1;
    QTest::newRow("the Professor is asked nothing") << "2:5 3:-1"
                                                    << "0,1" << QList<int>{2} << ""
                                                    << "r0 w0-2 p5r pass>1" << 0;
    QTest::newRow("gaps between seats") << ""
                                        << "2,5" << QList<int>{1, 1} << ""
                                        << "r2 w0-1 pass>5 | r5 w0-1 pass>2" << 2;
    QTest::newRow("turn lost") << ""
                               << "1,2" << QList<int>{7} << ""
                               << "r1 lost>2" << 0;
    QTest::newRow("the Professor rolls by itself")
        << ""
        << "0,1" << QList<int>{1, 2, 3} << ""
        << "r0 w0-1 pass>1 | r1 w0-2 pass>0 P r0 w1-4 pass>1" << 3;
    QTest::newRow("past the last square wins") << ""
                                               << "1:52,2" << QList<int>{6} << ""
                                               << "r1 w52-57 win1" << 0;
    QTest::newRow("the Professor jumps onto the finish") << "54:-11"
                                                         << "0:51,1" << QList<int>{3} << ""
                                                         << "r0 w51-54 j54-57 win0" << 1;
}

void TestBoardRules::turnsPlayOut() {
    QFETCH(QString, board);
    QFETCH(QString, on);
    QFETCH(QList<int>, rolls);
    QFETCH(QString, answers);
    QStringList tags(56, QStringLiteral("-4"));
    for (const QString& square : board.split(' ', Qt::SkipEmptyParts))
        tags[square.section(':', 0, 0).toInt() - 1] = square.section(':', 1);
    BoardGame game;
    game.SetSquareTags(tags);
    for (const QString& seat : on.split(','))
        game.SwitchSeat(seat.section(':', 0, 0).toInt(), true);
    game.SetTurnLostFaces(1, 1);
    game.MoveForward(game.CurrentSeat(), on.section(',', 0, 0).section(':', 1).toInt());
    BoardTurn turn(game);
    int adverts = 0;
    QTEST(PlayTurns(turn, rolls, answers, adverts), "trace");
    QTEST(adverts, "adverts");
}

void TestBoardRules::squareRules_data() {
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("square"); // where the token stands
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("rule");
    QTest::addColumn<int>("jump");
    QTest::addColumn<bool>("asked");
    const int jump = int(SquareRule::Jump), plain = int(SquareRule::Plain),
              spell = int(SquareRule::Spelling), question = int(SquareRule::Question);
    QTest::newRow("back 1") << 1 << 10 << "-5" << jump << -1 << false;
    QTest::newRow("back 4 from square 4") << 2 << 4 << "-8" << jump << -4 << false;
    QTest::newRow("forward 4") << 3 << 10 << "-12" << jump << 4 << false;
    QTest::newRow("Professor jumps, no rule after") << 0 << 10 << "-12" << jump << 4 << false;
    QTest::newRow("Professor jumps onto the finish") << 0 << 54 << "-11" << jump << 3 << false;
    QTest::newRow("plain") << 1 << 10 << "-4" << plain << 0 << false;
    QTest::newRow("spell easy") << 1 << 10 << "-1" << spell << 0 << true;
    QTest::newRow("Professor gets no word") << 0 << 10 << "-2" << spell << 0 << false;
    QTest::newRow("question kind 5") << 1 << 10 << "5" << question << 0 << true;
    QTest::newRow("unknown code is a question") << 1 << 10 << "-13" << question << 0 << true;
    QTest::newRow("Professor gets no question") << 0 << 10 << "2" << question << 0 << false;
    QTest::newRow("start") << 1 << 0 << "" << int(SquareRule::Start) << 0 << false;
    QTest::newRow("finish") << 0 << 57 << "" << int(SquareRule::Finish) << 0 << false;
}

void TestBoardRules::squareRules() {
    QFETCH(int, seat);
    QFETCH(int, square);
    QFETCH(QString, code);
    QFETCH(int, rule);
    QFETCH(int, jump);
    QFETCH(bool, asked);
    BoardGame game = BoardWith(square, code);
    QVERIFY(game.SwitchSeat(seat, true));
    QVERIFY(game.SwitchSeat(seat == 1 ? 2 : 1, true));
    while (game.CurrentSeat() != seat)
        game.NextPlayer();
    game.BeginTurn();
    QCOMPARE(game.MoveForward(seat, square).to, square);
    const SquareAction action = game.LandOnSquare();
    QCOMPARE(int(action.rule), rule);
    QCOMPARE(action.jump, jump);
    QCOMPARE(action.asked, asked);
    if (!code.isEmpty())
        QCOMPARE(action.tag, code);
}

void TestBoardRules::movesStayOnTheBoard_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("steps"); // negative: back
    QTest::addColumn<int>("to");
    QTest::addColumn<QList<int>>("passed");
    QTest::newRow("6 from 52 reaches the finish")
        << 52 << 6 << 57 << QList<int>{53, 54, 55, 56, 57};
    QTest::newRow("exactly to the finish") << 51 << 6 << 57 << QList<int>{52, 53, 54, 55, 56, 57};
    QTest::newRow("back 4 from 3 ends at the start") << 3 << -4 << 0 << QList<int>{2, 1, 0};
    QTest::newRow("back from the start") << 0 << -2 << 0 << QList<int>{};
}

void TestBoardRules::movesStayOnTheBoard() {
    QFETCH(int, from);
    QFETCH(int, steps);
    QFETCH(int, to);
    QFETCH(QList<int>, passed);
    BoardGame game;
    game.SwitchSeat(4, true);
    game.MoveForward(4, from);
    const TokenWalk walk = steps < 0 ? game.MoveBack(4, -steps) : game.MoveForward(4, steps);
    QCOMPARE(walk.from, from);
    QCOMPARE(walk.to, to);
    QCOMPARE(walk.squares, passed);
    QCOMPARE(game.Position(4), to);
}

void TestBoardRules::dieFaces_data() {
    QTest::addColumn<int>("turnLost");
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("lost");
    QTest::newRow("lowest of six") << 0 << 0.0 << 1 << false;
    QTest::newRow("highest of six") << 0 << 0.9999 << 6 << false;
    QTest::newRow("three added, a seven") << 3 << 6.5 / 9 << 7 << true;
    QTest::newRow("one added, a six") << 1 << 5.5 / 7 << 6 << false;
    QTest::newRow("a source giving 1.0") << 0 << 1.0 << 6 << false;
}

void TestBoardRules::dieFaces() {
    QFETCH(int, turnLost);
    QFETCH(double, draw);
    QFETCH(int, value);
    QFETCH(bool, lost);
    BoardGame game;
    game.SwitchSeat(1, true);
    game.SetTurnLostFaces(1, turnLost);
    ScriptedRandom random({draw});
    const int rolled = BoardGame::DrawDie(game.Faces(1), random);
    QCOMPARE(rolled, value);
    QCOMPARE(BoardGame::IsTurnLost(rolled), lost);
}

void TestBoardRules::seatsAreFixedOnceTheGameBegins() {
    BoardGame game;
    game.SwitchSeat(0, true);
    game.SwitchSeat(3, true);
    game.BeginTurn();
    QVERIFY(!game.SwitchSeat(1, true));
    QVERIFY(!game.SwitchSeat(3, false));
    QCOMPARE(game.SeatCount(), 2);
    game.ResetBoardGame();
    QCOMPARE(game.SeatCount(), 0);
    QCOMPARE(game.CurrentSeat(), -1);
    QCOMPARE(game.Position(3), -1);
    QVERIFY(game.SwitchSeat(1, true));
}

void TestBoardRules::boardPlan() {
    const BoardGeometry::BoardPlan plan = BoardGeometry::PlanBoard();
    // Squares where the snake turns share a column, one row below the other.
    for (int turn : {8, 18, 28, 38, 48}) {
        QCOMPARE(plan.positions[size_t(turn + 1)].left(), plan.positions[size_t(turn)].left());
        QCOMPARE(plan.positions[size_t(turn + 1)].top(), plan.positions[size_t(turn)].bottom() + 1);
    }
    // No two places overlap.
    for (size_t i = 0; i < plan.positions.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            QVERIFY(!plan.positions[i].intersects(plan.positions[j]));
}

void TestBoardRules::tokensSharingAPosition_data() {
    QTest::addColumn<int>("count");
    QTest::newRow("alone") << 1;
    QTest::newRow("three") << 3;
    QTest::newRow("six at the start") << 6;
}

void TestBoardRules::tokensSharingAPosition() {
    QFETCH(int, count);
    const QRect square(250, 99, 60, 65);
    const QList<QRect> places = BoardGeometry::TokenSlots(square, count);
    QCOMPARE(places.size(), count);
    for (int i = 0; i < count; ++i) {
        QVERIFY2(square.contains(places[i]), qPrintable(QString::number(i)));
        for (int j = 0; j < i; ++j)
            QVERIFY(!places[i].intersects(places[j]));
    }
}

void TestBoardRules::statistics_data() {
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("rows"); // caption right wrong count id
    const QString empty = QStringLiteral("||||");
    QTest::newRow("entries for some kinds")
        << "-1=2=1|5=0=3" << QStringList{"Easy|2|1|12|-1", empty, empty, "Nouns|0|3|40|5"};
    QTest::newRow("no record") << "" << QStringList{empty, empty, empty, empty};
    // The squares count on a kind's first item, whatever the code's digits.
    QTest::newRow("the first item of a kind")
        << "05=1=0|5=2=0|-1=4=4|-1=9=9"
        << QStringList{"Easy|4|4|12|-1", empty, empty, "Nouns|1|0|40|5"};
}

void TestBoardRules::statistics() {
    QFETCH(QString, status);
    QFETCH(QStringList, rows);
    const QList<SquareCountRow> kinds = {
        {"Easy", "-1", "12"}, {"Medium", "-2", "9"}, {"Hard", "-3", "4"}, {"Nouns", "5", "40"}};
    QStringList shown;
    for (const BoardStatsRow& r : BoardStatus::Rows(status, kinds))
        shown << QStringList{r.caption, r.right, r.wrong, r.count, r.squareId}.join('|');
    QCOMPARE(shown, rows);
    // A reset gives every kind of the file its counters, also those the
    // player had none for.
    QCOMPARE(BoardStatus::New(kinds), QStringLiteral("-1=0=0|-2=0=0|-3=0=0|5=0=0"));
}

void TestBoardRules::layoutRowWithoutCode() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("null.mdb"));
    BoardFileWriter::WriteBoardFile(BoardTestFiles::content(), path);
    auto db = dao::DBEngine::OpenDatabase(path, false, false, QLatin1String(kBoardConnect));
    db->ExecuteNative(QStringLiteral("UPDATE BoardLayOut SET SquareID = NULL WHERE ID = 5"));
    auto layout = db->OpenRecordset(QStringLiteral("qBoardLayout"));
    const QList<BoardSquareRow> rows = ReadBoardLayout(*layout);
    QCOMPARE(rows.size(), 56);
    QCOMPARE(rows[4].tag, QStringLiteral("-4"));
    QCOMPARE(rows[4].caption, QString());
    QVERIFY(!rows[4].backColor && !rows[4].fontColor && !rows[4].fontBackColor);
    QCOMPARE(rows[0].tag, QStringLiteral("5"));
    QCOMPARE(rows[0].backColor.value_or(0), 0xC0C0FFu);
}

void TestBoardRules::seatsAreSavedEachOnItsOwn() {
    TempProgramFolder folder;
    ClassPlayerInfo anna, broken, ben, empty;
    QVERIFY(anna.CreatePlayerFile(QStringLiteral("anna"), QStringLiteral("pw1")));
    QVERIFY(ben.CreatePlayerFile(QStringLiteral("ben"), QStringLiteral("pw2")));
    broken.NickName = QStringLiteral("broken");
    broken.Filename = QStringLiteral("../broken"); // a file that may not be written
    anna.SavedGames.Add(ClassSavedGameInfo(QStringLiteral("-1=1=0"), QStringLiteral("B1"),
                                           QStringLiteral("x.mdb")));
    ben.SavedGames.Add(ClassSavedGameInfo(QStringLiteral("-1=0=1"), QStringLiteral("B1"),
                                          QStringLiteral("x.mdb")));
    QCOMPARE(SaveBoardPlayers({&anna, &broken, &ben, &empty}), QStringList{"broken"});
    for (const char* name : {"anna", "ben"}) {
        const QString plain = QString::fromLatin1(
            referenceUnscramble(folder.read(QStringLiteral("temp/%1.dat").arg(name))));
        QVERIFY2(plain.contains(QStringLiteral("x.mdb::-1=")), name);
    }
}

void TestBoardRules::seatPeople_data() {
    QTest::addColumn<QString>("seated");     // seat:file:token, in the order they sit down
    QTest::addColumn<QString>("refused");    // seat refused -> the seat it names
    QTest::addColumn<QString>("tokens");     // each seat's token key, 0 to 5
    QTest::addColumn<QString>("remembered"); // each person's seat, what it takes unasked
    addDataRow("remembered tokens kept", "1:anna:Lady 2:ben:", "",
               "Professor Lady Girl Man Lady Baby", "Lady -");
    addDataRow("a taken token is chosen anew", "1:anna:Girl 2:ben:Girl", "",
               "Professor Girl Boy Man Lady Baby", "Girl -");
    addDataRow("one file on two seats", "1:anna:Man 3:ANNA:Lady", "3>1",
               "Professor Man Girl Man Lady Baby", "Man");
    addDataRow("the Professor's picture is not a token", "2:ben:Professor", "",
               "Professor Boy Girl Man Lady Baby", "-");
}

void TestBoardRules::seatPeople() {
    QFETCH(QString, seated);
    BoardGame game;
    SeatPeople people(game);
    game.SwitchSeat(0, true);
    QStringList refused, remembered;
    for (const QString& entry : seated.split(' ')) {
        const QStringList part = entry.split(':');
        const int seat = part[0].toInt();
        people.Player(seat).NickName = part[1];
        people.Player(seat).Filename = part[1] + QStringLiteral(".dat");
        people.Player(seat).Token = part[2];
        if (const int other = people.TakeSeat(seat); other >= 0) {
            refused << QStringLiteral("%1>%2").arg(seat).arg(other);
            QVERIFY(people.Player(seat).Filename.isEmpty());
            continue;
        }
        const QString unasked = people.RememberedToken(seat);
        remembered << (unasked.isEmpty() ? QStringLiteral("-") : unasked);
        // The picker closed without a choice takes the picture proposed.
        people.ChooseToken(seat, unasked);
        game.SwitchSeat(seat, true);
    }
    QStringList tokens;
    for (int seat = 0; seat < BoardSeats::SeatCount; ++seat)
        tokens << people.TokenKey(seat);
    QTEST(refused.join(' '), "refused");
    QTEST(tokens.join(' '), "tokens");
    QTEST(remembered.join(' '), "remembered");
}

QTEST_GUILESS_MAIN(TestBoardRules)
#include "tst_boardrules.moc"
