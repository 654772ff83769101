// The board window driven by clicks: a whole seeded game of two people and
// the Professor on a board of plain and jump squares, from the logins to the
// winner window and the reset; closing the window in the middle of a roll or
// a walk; a board file that cannot be used; the hand-over to the solitaire
// table and back; a person answering the real question and spelling windows
// on the default board, and the Professor's answers shown until a click; the
// class report written from its menu.
#include "../table/TableTestKit.h"
#include "BoardTestFiles.h"

#include "app/ui/ModResFiles.h"
#include "boardgame/BoardDatabase.h"
#include "boardgame/BoardStatus.h"
#include "boardgame/file/BoardSettings.h"
#include "boardgame/ui/BoardDie.h"
#include "boardgame/ui/BoardPictures.h"
#include "boardgame/ui/BoardWidget.h"
#include "boardgame/ui/RollPanel.h"
#include "boardgame/ui/SeatRow.h"
#include "boardgame/ui/frmBoardStats.h"
#include "boardgame/ui/frmChooseToken.h"
#include "boardgame/ui/frmDictation.h"
#include "boardgame/ui/frmGrammerWinner.h"
#include "media/MciInterpreter.h"
#include "media/SpeechVoice.h"
#include "players/ui/frmLogin.h"
#include "report/ui/ClassReportExport.h"
#include "shell/ui/WebLinks.h"
#include "squares/ui/QuestionAndSpellingWindows.h"
#include "table/ui/frmSolitaire.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>

using TableTestKit::ModalWatcher;

namespace {

QByteArray PlayerFile(const QByteArray& nick, const QByteArray& password,
                      const QByteArray& school = "") {
    return referenceScramble("GuidID:0123|AppVersion:SolitaireV1|NickName:" + nick +
                             "|Password:" + password +
                             "|FirstName:|LastName:|Gender:False|Rating:r|Age:0|Country:|ProvState:"
                             "|City:|PostalCode:|PlayerType:|School:" +
                             school + "\r\n<|><|>\r\n");
}

// Plain squares but for: 3 on 2, 4 back 4, 5 on 1, 8 back 2, 12 back 4 (and
// square 1 as given).
void WriteTestBoard(const TempProgramFolder& folder, int firstSquare = -4) {
    BoardContent c;
    c.description = QStringLiteral("Plain and jump squares");
    for (int i = 1; i <= 56; ++i)
        c.layout << -4;
    c.layout[0] = firstSquare;
    c.layout[2] = -10;
    c.layout[3] = -8;
    c.layout[4] = -9;
    c.layout[7] = -6;
    c.layout[11] = -8;
    c.spellingCaptions.insert(-1, QStringLiteral("Spell Easy"));
    c.words = {
        {QStringLiteral("cat"), -1, QStringLiteral("A pet."), BoardTestFiles::wave(50, 'c'), {}}};
    QDir(folder.path()).mkpath(QStringLiteral("data"));
    BoardFileWriter::WriteBoardFile(c, folder.file(QStringLiteral("data/Test.mdb")));
    BoardSettings::SaveDataPath(QStringLiteral("Test.mdb"));
}

// Records every pause; `onWait` may act in the middle of one.
class RecordingPause final : public BoardPause {
public:
    QList<int> waits;
    std::function<void(int)> onWait;
    bool interrupted = false;
    void Wait(int ms) override {
        if (interrupted)
            return;
        waits << ms;
        if (onWait)
            onWait(ms);
    }
    void Interrupt() override { interrupted = true; }
};

// Waits for real only while the Professor's answer is read, and clicks the
// board then, which ends the wait at once.
class ReadingPause final : public BoardPause {
public:
    explicit ReadingPause(const frmDictation*& window) : m_window(window) {}
    QStringList notes;
    qint64 longest = 0;
    void Wait(int ms) override {
        if (ms != BoardTimings::ProfessorAnswerPause)
            return;
        notes << (m_window->roll->lblProfessorAnswer->isVisible()
                      ? m_window->roll->lblProfessorAnswer->text()
                      : QString());
        QTimer::singleShot(0, m_window->board,
                           [this] { QTest::mouseClick(m_window->board, Qt::LeftButton); });
        QElapsedTimer read;
        read.start();
        m_real->Wait(ms);
        longest = std::max(longest, read.elapsed());
    }
    void Hurry() override { m_real->Hurry(); }
    void Interrupt() override { m_real->Interrupt(); }

private:
    const frmDictation*& m_window;
    std::unique_ptr<BoardPause> m_real = MakeEventLoopPause();
};

class NoSquares final : public SquareWindows {
public:
    int opened = 0;
    bool LoadQuestion(QWidget*, const QString&, const QPixmap&, dao::Database&, ClassPlayerInfo&,
                      ItemLevel) override {
        return ++opened, true;
    }
    bool LoadSpelling(QWidget*, const QString&, const QPixmap&, const QString&, dao::Database&,
                      ClassPlayerInfo&, ItemLevel) override {
        return ++opened, false;
    }
};

// A square whose window, owned by the board like the real ones, is still
// finishing when the board is closed and the deferred deletions run, as when
// the close is handled in the same batch of events.
class ClosingSquares final : public SquareWindows {
public:
    bool LoadQuestion(QWidget* owner, const QString&, const QPixmap&, dao::Database&,
                      ClassPlayerInfo&, ItemLevel) override {
        return Finish(owner);
    }
    bool LoadSpelling(QWidget* owner, const QString&, const QPixmap&, const QString&,
                      dao::Database&, ClassPlayerInfo&, ItemLevel) override {
        return Finish(owner);
    }
    static bool Finish(QWidget* owner) {
        const QPointer<QDialog> square = new QDialog(owner);
        owner->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete square.data();
        return false;
    }
};

// Five draws a roll: four faces shown, the fifth counts.
QList<double> Rolls(const QList<std::pair<int, int>>& valueAndFaces) {
    QList<double> draws;
    for (const auto& [value, faces] : valueAndFaces)
        draws << 0.0 << 0.5 << 0.0 << 0.5 << (value - 0.5) / faces;
    return draws;
}

// Answers the logins with the names queued, and the winner window.
struct Answers {
    QStringList logins; // "name:password"
    QStringList seen;
    QImage winner;
    QString winnerName;
    void operator()(QWidget* window) {
        seen << QString::fromLatin1(window->metaObject()->className());
        if (auto* login = qobject_cast<frmLogin*>(window); login && logins.isEmpty()) {
            login->close();
        } else if (login) {
            const QStringList who = logins.takeFirst().split(':');
            auto* list = control<QListWidget>(*login, QStringLiteral("lstPlayers"));
            list->setCurrentItem(list->findItems(who[0], Qt::MatchExactly).value(0));
            control<QLineEdit>(*login, QStringLiteral("txtPassword"))->setText(who[1]);
            QTest::mouseClick(control<QLabel>(*login, QStringLiteral("lblMenu_3")), Qt::LeftButton);
        } else if (auto* won = qobject_cast<frmGrammerWinner*>(window)) {
            winner = won->Image2->pixmap().toImage();
            winnerName = won->lblWinner->text();
            QTest::mouseClick(won->lblMenu, Qt::LeftButton);
        } else {
            window->close();
        }
    }
};

QString PlainPlayerFile(const TempProgramFolder& folder, const QString& name) {
    return QString::fromLatin1(
        referenceUnscramble(folder.read(QStringLiteral("temp/%1.dat").arg(name))));
}

// The captions shown; one written in its own background's colour is not
// counted, as nobody can read it.
int VisibleCaptions(const frmDictation& window) {
    int shown = 0;
    for (QLabel* caption : window.board->lblBoardCaption) {
        const QPalette colours = caption->palette();
        shown += caption->isVisibleTo(window.board) &&
                         colours.color(QPalette::WindowText) != colours.color(QPalette::Window)
                     ? 1
                     : 0;
    }
    return shown;
}

} // namespace

class TestBoardWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void playsASeededGameToAWin();
    void closingInTheMiddleOfATurn_data();
    void closingInTheMiddleOfATurn();
    void closedWhileASquareFinishes();
    void unusableBoardFiles();
    void handsOverBothWays();
    void answersQuestionAndSpellingSquares();
    void classReportWritesAPage();
    void seatsPlayersAndTheirFiles();
};

void TestBoardWindow::playsASeededGameToAWin() {
    TempProgramFolder folder;
    QVERIFY(folder.write(QStringLiteral("temp/anna.dat"), PlayerFile("anna", "apple")));
    QVERIFY(folder.write(QStringLiteral("temp/ben.dat"), PlayerFile("ben", "bread")));
    WriteTestBoard(folder);
    MsgBoxRecorder boxes;

    // Each row: the seat rolling, its roll, where its token ends. Ben's die has
    // one turn-lost face (7 faces).
    struct Turn {
        int seat, roll, ends;
    };
    const QList<Turn> script = {
        {0, 3, 6},              // Professor: 3 on 2 to 5, 5 on 1 to 6
        {1, 3, 6},              // anna: 3 on 2 to 5, 5 on 1 to 6
        {2, 7, 0},  {0, 5, 11}, // ben loses the turn
        {1, 6, 6},              // anna: 12 back 4 to 8, 8 back 2 to 6
        {2, 4, 0},  {0, 5, 16}, // ben: 4 back 4 to the start
        {1, 5, 11}, {2, 1, 1},  {0, 1, 17}, {1, 6, 17}, {2, 1, 2},  {0, 1, 18}, {1, 6, 23},
        {2, 6, 6},  {0, 1, 19}, {1, 6, 29}, {2, 1, 7},  {0, 1, 20}, {1, 6, 35}, {2, 5, 6},
        {0, 1, 21}, {1, 6, 41}, {2, 1, 7},  {0, 1, 22}, {1, 6, 47}, {2, 1, 6},  {0, 1, 23},
        {1, 6, 53}, {2, 1, 7},  {0, 1, 24}, {1, 6, 57}, // anna reaches the finish
    };
    QList<std::pair<int, int>> rolls;
    for (const Turn& t : script)
        rolls << std::pair{t.roll, t.seat == 2 ? 7 : 6};
    RandomScope seeded(std::make_unique<ScriptedRandom>(Rolls(rolls)));

    auto pause = std::make_unique<RecordingPause>();
    RecordingPause& waits = *pause;
    frmDictation window(std::make_unique<NoSquares>(), std::move(pause));
    int adverts = 0;
    connect(&window, &frmDictation::AdvertisementAdvanced, [&adverts] { ++adverts; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.LoadForm();
    QCOMPARE(VisibleCaptions(window), 56);

    Answers answers{{"anna:apple", "ben:bread"}, {}, {}, {}};
    ModalWatcher watcher(std::ref(answers));
    for (int seat : {0, 1, 2})
        QTest::mouseClick(window.seats[seat]->chkPlayer, Qt::LeftButton);
    // Neither has a token yet: the picker, closed, gives the seat's own.
    QCOMPARE(answers.seen,
             (QStringList{"frmLogin", "frmChooseToken", "frmLogin", "frmChooseToken"}));
    answers.seen.clear();
    QCOMPARE(window.SeatPlayer(1).NickName, QStringLiteral("anna"));
    window.seats[2]->cboPlayer->setFocus();
    QTest::keyClick(window.seats[2]->cboPlayer, Qt::Key_Down);
    QCOMPARE(window.Game().Faces(2), 7);

    // Nothing can be clicked while the program waits in a roll or a walk;
    // what the window shows at the Professor's pause is kept.
    bool inputDuringAPause = false;
    QStringList atProfessorPause;
    waits.onWait = [&](int ms) {
        inputDuringAPause = inputDuringAPause || window.TakesInput();
        if (ms == 300)
            atProfessorPause << QStringLiteral("%1 %2")
                                    .arg(int(window.imgTurnLost->isVisible()))
                                    .arg(int(window.die->lblDice->isVisible()));
    };

    int next = 0;
    int clicks = 0;
    while (next < script.size() && clicks++ < 40) {
        waits.waits.clear();
        QVERIFY(window.cmdDice->isEnabled());
        QTest::mouseClick(window.cmdDice, Qt::LeftButton);
        // This click played the turns up to the next person's.
        do {
            const Turn& t = script[next++];
            QVERIFY2(window.Game().Position(t.seat) == t.ends || next == script.size(),
                     qPrintable(QStringLiteral("turn %1").arg(next)));
        } while (next < script.size() && script[next].seat == 0);
        if (next < script.size())
            QCOMPARE(window.Game().CurrentSeat(), script[next].seat);
    }
    QCOMPARE(next, script.size());
    QVERIFY(!inputDuringAPause);
    QCOMPARE(atProfessorPause.value(0), QStringLiteral("1 1")); // after ben's lost turn
    QCOMPARE(atProfessorPause.value(1), QStringLiteral("0 0"));

    // The winner window showed anna's token and name; the same seats stay
    // on with their people, back at the start, and can open their results.
    QCOMPARE(answers.seen.count(QStringLiteral("frmGrammerWinner")), 1);
    QCOMPARE(answers.winner, SeatPicture(1).toImage());
    QCOMPARE(answers.winnerName, QStringLiteral("anna"));
    QVERIFY(adverts > 0);
    for (SeatRow* row : window.seats) {
        QCOMPARE(row->chkPlayer->isChecked(), row->Seat() <= 2);
        QVERIFY(row->chkPlayer->isEnabled());
        QCOMPARE(window.board->imgBoardPlayer[size_t(row->Seat())]->isVisible(), row->Seat() <= 2);
    }
    QVERIFY(window.cmdDice->isEnabled());
    QCOMPARE(window.Game().CurrentSeat(), 0);
    QCOMPARE(window.Game().Position(1), 0);
    QVERIFY(boxes.shown().isEmpty());
    QTest::mouseClick(window.seats[2]->cmdStats, Qt::LeftButton);
    QCOMPARE(answers.seen.last(), QStringLiteral("frmBoardStats"));
    QCOMPARE(window.SeatPlayer(2).NickName, QStringLiteral("ben"));

    // Both people's files keep their counters on this board.
    for (const char* name : {"anna", "ben"}) {
        const QString plain = PlainPlayerFile(folder, QLatin1String(name));
        QVERIFY2(plain.contains(QStringLiteral("<|>Test.mdb::-1=0=0<||><|>")), qPrintable(plain));
        QVERIFY(plain.contains(QStringLiteral("|Token:") + (name[0] == 'a' ? "Boy" : "Girl")));
    }
}

void TestBoardWindow::closingInTheMiddleOfATurn_data() {
    QTest::addColumn<int>("pause");      // the kind of pause the window is closed in
    QTest::addColumn<int>("afterClose"); // pauses of that kind, the closing one included
    QTest::newRow("during a roll") << 250 << 2;
    QTest::newRow("during a walk") << 100 << 3;
}

void TestBoardWindow::closingInTheMiddleOfATurn() {
    QFETCH(int, pause);
    QFETCH(int, afterClose);
    TempProgramFolder folder;
    QVERIFY(folder.write(QStringLiteral("temp/anna.dat"), PlayerFile("anna", "apple")));
    WriteTestBoard(folder);
    RandomScope seeded(std::make_unique<ScriptedRandom>(Rolls({{6, 6}})));
    auto recording = std::make_unique<RecordingPause>();
    RecordingPause& waits = *recording;
    frmDictation window(std::make_unique<NoSquares>(), std::move(recording));
    window.show();
    window.LoadForm();
    Answers answers{{"anna:apple"}, {}, {}, {}};
    ModalWatcher watcher(std::ref(answers));
    QTest::mouseClick(window.seats[1]->chkPlayer, Qt::LeftButton);
    QTest::mouseClick(window.seats[3]->chkPlayer, Qt::LeftButton); // nobody logs in
    QTest::mouseClick(window.seats[0]->chkPlayer, Qt::LeftButton);
    QVERIFY(!window.seats[3]->chkPlayer->isChecked());
    QCOMPARE(window.Game().CurrentSeat(), 0);

    waits.onWait = [&](int ms) {
        if (ms == pause && waits.waits.count(pause) == afterClose)
            QVERIFY(window.close());
    };
    QTest::mouseClick(window.cmdDice, Qt::LeftButton);
    QCOMPARE(waits.waits.count(pause), afterClose);
    QCOMPARE(waits.waits.last(), pause);
    QVERIFY(!window.isVisible());
    QVERIFY(!window.TurnRunning());
    QVERIFY(!window.Database().IsOpen());
    QVERIFY(PlainPlayerFile(folder, QStringLiteral("anna")).contains(QStringLiteral("Test.mdb::")));
}

void TestBoardWindow::closedWhileASquareFinishes() {
    TempProgramFolder folder;
    QVERIFY(folder.write(QStringLiteral("temp/anna.dat"), PlayerFile("anna", "apple")));
    WriteTestBoard(folder, -1);
    RandomScope seeded(std::make_unique<ScriptedRandom>(Rolls({{2, 6}, {1, 6}})));
    const QPointer<frmDictation> window =
        new frmDictation(std::make_unique<ClosingSquares>(), std::make_unique<RecordingPause>());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->LoadForm();
    Answers answers{{"anna:apple"}, {}, {}, {}};
    ModalWatcher watcher(std::ref(answers));
    for (int seat : {0, 1})
        QTest::mouseClick(window->seats[seat]->chkPlayer, Qt::LeftButton);
    QTest::mouseClick(window->cmdDice, Qt::LeftButton); // the Professor to square 2
    QTest::mouseClick(window->cmdDice, Qt::LeftButton); // anna to square 1: the board closes
    // The board went once its turn had unwound, and anna's file was saved.
    QVERIFY(!window.isNull());
    QTRY_VERIFY(window.isNull());
    QVERIFY(PlainPlayerFile(folder, QStringLiteral("anna")).contains(QStringLiteral("Test.mdb::")));
}

void TestBoardWindow::unusableBoardFiles() {
    TempProgramFolder folder;
    MsgBoxRecorder boxes;
    BoardSettings::SaveDataPath(QStringLiteral("Missing.mdb"));
    frmDictation window(std::make_unique<NoSquares>(), std::make_unique<RecordingPause>());
    window.show();
    window.LoadForm();
    QCOMPARE(boxes.shown().size(), 1);
    QCOMPARE(BoardSettings::CurrentDataPath(), QString());
    QCOMPARE(VisibleCaptions(window), 0);
    QVERIFY(!window.seats[1]->chkPlayer->isEnabled());
    QVERIFY(!window.lblMenu[0]->isEnabled());
    QVERIFY(window.lblMenu[2]->isEnabled());

    // A usable file chosen: built, twice over, without a square too many.
    WriteTestBoard(folder);
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(window.lblMenu[2], Qt::LeftButton);
    QCOMPARE(VisibleCaptions(window), 56);
    QCOMPARE(window.board->findChildren<QLabel*>(QRegularExpression("^lblBoardNumber_")).size(),
             57);
    QVERIFY(window.lblMenu[0]->isEnabled());
    QTest::mouseClick(window.lblMenu[0], Qt::LeftButton); // New Game frees the seats
    QVERIFY(window.seats[1]->chkPlayer->isEnabled());

    // A setting leading out of data/, then a damaged file: refused, and the
    // board in play stays with its file.
    boxes.clear();
    BoardSettings::SaveDataPath(QStringLiteral("../data/Test.mdb"));
    QTest::mouseClick(window.lblMenu[2], Qt::LeftButton);
    QVERIFY(folder.write(QStringLiteral("data/Broken.mdb"), QByteArray(4096, 'x')));
    BoardSettings::SaveDataPath(QStringLiteral("Broken.mdb"));
    QTest::mouseClick(window.lblMenu[2], Qt::LeftButton);
    QCOMPARE(boxes.shown().size(), 2);
    QCOMPARE(BoardSettings::CurrentDataPath(), QStringLiteral("Test.mdb"));
    QCOMPARE(window.Database().FileName(), QStringLiteral("Test.mdb"));
    QCOMPARE(VisibleCaptions(window), 56);
}

void TestBoardWindow::handsOverBothWays() {
    TempProgramFolder folder;
    QVERIFY(folder.copyFromBuild(QStringLiteral("Dictionary/dictionary.dic")));
    WriteTestBoard(folder);
    MsgBoxRecorder boxes;
    auto visible = [](const char* className) {
        QList<QWidget*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->inherits(className))
                found << w;
        return found;
    };
    QPointer<QWidget> table = ModResFiles::OpenSolitaire();
    QTest::mouseClick(table->findChild<QLabel*>(QStringLiteral("lblMenu_1")), Qt::LeftButton);
    // The table closes once its menu handler has returned.
    QTRY_VERIFY(table.isNull());
    const QList<QWidget*> boards = visible("frmDictation");
    QCOMPARE(boards.size(), 1);
    QPointer<QWidget> board = boards[0];
    QCOMPARE(static_cast<frmDictation*>(board.data())->Database().FileName(),
             QStringLiteral("Test.mdb"));

    QTest::mouseClick(board->findChild<QLabel*>(QStringLiteral("lblMenu_3")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(board.isNull());
    const QList<QWidget*> tables = visible("frmSolitaire");
    QCOMPARE(tables.size(), 1);
    delete tables[0];
}

void TestBoardWindow::classReportWritesAPage() {
    TempProgramFolder folder;
    QVERIFY(folder.write(QStringLiteral("temp/anna.dat"), PlayerFile("anna", "apple")));
    QVERIFY(folder.write(QStringLiteral("temp/ben.dat"), "not a player file"));
    MsgBoxRecorder boxes;
    QList<QUrl> opened;
    const WebLinks::UrlOpener previous = WebLinks::SetUrlOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    frmDictation window(std::make_unique<NoSquares>(), std::make_unique<RecordingPause>());
    window.show();
    QString target = folder.file(QStringLiteral("class"));
    QObject::connect(&window, &frmDictation::ClassReportRequested, &window, [&] {
        ClassReportExport::WriteAndShow(&window,
                                        [&target](QWidget*, const QString&) { return target; });
    });
    QTest::mouseClick(control<QLabel>(window, QStringLiteral("lblMenu_4")), Qt::LeftButton);
    const QByteArray page = folder.read(QStringLiteral("class.html"));
    QVERIFY(page.contains("<td>anna</td>"));
    QVERIFY(page.contains("<li>ben.dat: Damaged player file</li>"));
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(folder.file(QStringLiteral("class.html")))});
    QVERIFY(boxes.texts().isEmpty());

    // A place that cannot take the file: said so, nothing opened.
    target = folder.file(QStringLiteral("missing/class.html"));
    QTest::mouseClick(window.lblMenu[4], Qt::LeftButton);
    QCOMPARE(boxes.shown().size(), 1);
    QCOMPARE(opened.size(), 1);
    WebLinks::SetUrlOpener(previous);
}

// The rows of a statement's record set, each as its named fields.
QList<QStringList> Rows(const frmDictation& window, const QString& statement,
                        const QStringList& fields) {
    QList<QStringList> rows;
    auto rs = window.Database().database->OpenRecordset(statement);
    for (; !rs->Eof(); rs->MoveNext()) {
        QStringList row;
        for (const QString& field : fields)
            row << rs->Fields(field).Value().toString();
        rows << row;
    }
    return rows;
}

void TestBoardWindow::answersQuestionAndSpellingSquares() {
    TempProgramFolder folder;
    QVERIFY(folder.copyFromBuild(QStringLiteral("data/SpellingGrammar.mdb")));
    QVERIFY(folder.write(QStringLiteral("temp/anna.dat"), PlayerFile("anna", "apple")));
    MsgBoxRecorder boxes;
    MciInterpreter::instance().setSilent(true);
    SpVoice::setSilent(1);
    // The Professor to square 3 (rest); anna to square 1 (easy spelling); the
    // Professor on; anna to square 2 (grammar). A word and a question are
    // each drawn with the first row of their pool.
    QList<double> draws = Rolls({{3, 6}, {1, 6}});
    draws << 0.0;
    draws << Rolls({{2, 6}, {1, 6}});
    draws << 0.0;
    draws << Rolls({{1, 6}});
    RandomScope seeded(std::make_unique<ScriptedRandom>(draws));
    const frmDictation* shown = nullptr;
    auto reading = std::make_unique<ReadingPause>(shown);
    ReadingPause& professor = *reading;
    frmDictation window(std::make_unique<QuestionAndSpellingWindows>(), std::move(reading));
    shown = &window;
    window.show();
    window.LoadForm();
    QCOMPARE(window.Database().FileName(), QStringLiteral("SpellingGrammar.mdb"));

    // The word is found by the definition shown, the right choice by the
    // question shown; anna spells right and answers wrong.
    Answers logins{{"anna:apple"}, {}, {}, {}};
    QStringList squares;
    ModalWatcher watcher([&](QWidget* modal) {
        if (!modal->inherits("frmSpelling") && !modal->inherits("frmQuestion"))
            return logins(modal);
        squares << QString::fromLatin1(modal->metaObject()->className());
        if (auto* definition = modal->findChild<QTextEdit*>(QStringLiteral("txtDefinition"))) {
            QString word;
            for (const QStringList& row :
                 Rows(window, QStringLiteral("Spelling"),
                      {QStringLiteral("Word"), QStringLiteral("definition")}))
                if (row[1] == definition->toPlainText())
                    word = row[0];
            QVERIFY(!word.isEmpty());
            QTest::keyClicks(control<QTextEdit>(*modal, QStringLiteral("txtTypeWord")), word);
            QTest::mouseClick(control<QPushButton>(*modal, QStringLiteral("cmdSpellingClose")),
                              Qt::LeftButton);
            return;
        }
        const QString shown =
            control<QTextEdit>(*modal, QStringLiteral("txtQuestion"))->toPlainText();
        QString questionId, rightId;
        for (const QStringList& row : Rows(window, QStringLiteral("Questions"),
                                           {QStringLiteral("QuestionID"), QStringLiteral("Answer"),
                                            QStringLiteral("Question")}))
            if (row[2] == shown)
                questionId = row[0], rightId = row[1];
        // The choices come shuffled; each option carries its AnswerID.
        QVERIFY(!questionId.isEmpty());
        const int wrong = control<QRadioButton>(*modal, QStringLiteral("optAnswer_0"))
                                      ->property("Tag")
                                      .toString() == rightId
                              ? 1
                              : 0;
        QTest::mouseClick(control<QRadioButton>(*modal, QStringLiteral("optAnswer_%1").arg(wrong)),
                          Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(*modal, QStringLiteral("cmdQuestionClose")),
                          Qt::LeftButton);
    });
    for (int seat : {0, 1})
        QTest::mouseClick(window.seats[seat]->chkPlayer, Qt::LeftButton);
    QCOMPARE(window.SeatPlayer(1).NickName, QStringLiteral("anna"));

    for (int click = 0; click < 3; ++click)
        QTest::mouseClick(window.cmdDice, Qt::LeftButton);
    QCOMPARE(squares, (QStringList{"frmSpelling", "frmQuestion"}));
    QVERIFY(boxes.shown().isEmpty());
    // The wrong answer took anna back by her roll; both answers are counted
    // on her record for this file, every other kind untouched.
    QCOMPARE(window.Game().Position(1), 1);
    QCOMPARE(window.Game().Position(0), 7);
    // The Professor's answers on 5 and, after a jump, on 7 were shown by the
    // kinds' captions, each until the click.
    QCOMPARE(professor.notes.size(), 2);
    QVERIFY2(professor.notes[0].contains(QStringLiteral(" Word Meaning question")) &&
                 professor.notes[1].contains(QStringLiteral(" Spell Easy")),
             qPrintable(professor.notes.join('/')));
    QVERIFY(professor.notes[0].endsWith(QStringLiteral("right")));
    QVERIFY(professor.longest < BoardTimings::ProfessorAnswerPause / 2);
    QVERIFY(!window.roll->lblProfessorAnswer->isVisible());
    QString status;
    for (const ClassSavedGameInfo& entry : window.SeatPlayer(1).SavedGames)
        if (entry.GameType == QLatin1String("SpellingGrammar.mdb"))
            status = entry.GameInfo;
    QStringList counted = status.split(QLatin1Char('|'));
    QVERIFY2(counted.removeOne(QStringLiteral("-1=1=0")), qPrintable(status));
    QVERIFY2(counted.removeOne(QStringLiteral("1=0=1")), qPrintable(status));
    QVERIFY(!counted.isEmpty());
    for (const QString& kind : counted)
        QVERIFY2(kind.endsWith(QLatin1String("=0=0")), qPrintable(status));
    MciInterpreter::instance().sendString(QStringLiteral("close all"));
}

// One person on two seats, tokens, Start without seats, the questions
// before what cannot be undone, and a player file that cannot be written.
void TestBoardWindow::seatsPlayersAndTheirFiles() {
    TempProgramFolder folder;
    const QByteArray anna = PlayerFile("anna", "apple", "|Token:Lady");
    QVERIFY(folder.write(QStringLiteral("temp/anna.dat"), anna));
    QVERIFY(folder.write(QStringLiteral("temp/ben.dat"), PlayerFile("ben", "bread")));
    WriteTestBoard(folder);
    MsgBoxRecorder boxes;
    RandomScope seeded(std::make_unique<ScriptedRandom>(Rolls({{1, 6}})));
    frmDictation window(std::make_unique<NoSquares>(), std::make_unique<RecordingPause>());
    window.show();
    window.LoadForm();
    Answers answers{{"anna:apple", "anna:apple", "ben:bread"}, {}, {}, {}};
    bool ladyOffered = true;
    ModalWatcher watcher([&](QWidget* modal) {
        if (auto* picker = qobject_cast<frmChooseToken*>(modal)) {
            ladyOffered = control<QToolButton>(*picker, "cmdToken_Lady")->isEnabled();
            QTest::mouseClick(control<QToolButton>(*picker, "cmdToken_Baby"), Qt::LeftButton);
        } else if (auto* stats = qobject_cast<frmBoardStats*>(modal)) {
            stats->cmdReset->click(); // answered No, then Yes
            stats->cmdReset->click();
            stats->close();
        } else {
            answers(modal);
        }
    });
    auto seat = [&](int s) { QTest::mouseClick(window.seats[s]->chkPlayer, Qt::LeftButton); };
    seat(1);
    QCOMPARE(window.seats[1]->lblPlayer->text(), QStringLiteral("anna"));
    QCOMPARE(window.seats[1]->imgPlayer->pixmap().toImage(), BoardPicture("Lady").toImage());
    QTest::mouseClick(window.cmdDice, Qt::LeftButton);
    QVERIFY(boxes.texts().value(0).startsWith(QStringLiteral("Switch on at least two seats")));
    seat(2); // anna again
    QVERIFY(!window.seats[2]->chkPlayer->isChecked());
    QVERIFY(boxes.texts().value(1).contains(QStringLiteral("the seat of Player 1")));
    seat(2);
    QVERIFY(!ladyOffered);
    QCOMPARE(window.board->imgBoardPlayer[2]->pixmap().toImage(), BoardPicture("Baby").toImage());

    boxes.clear();
    boxes.queueAnswer(MsgAnswer::No);
    QVERIFY(BoardStatus::SetText(window.SeatPlayer(1), QStringLiteral("-1=2=1")));
    QTest::mouseClick(window.seats[1]->cmdStats, Qt::LeftButton);
    QCOMPARE(boxes.shown().size(), 2);
    QCOMPARE(BoardStatus::Text(window.SeatPlayer(1)), QStringLiteral("-1=0=0"));
    QVERIFY(BoardStatus::SetText(window.SeatPlayer(1), QStringLiteral("-1=5=4")));

    seat(0);
    QTest::mouseClick(window.cmdDice, Qt::LeftButton); // the Professor's 1, anna to roll
    QCOMPARE(window.lblPlayerUpName->text(), QStringLiteral("anna"));
    // anna's file cannot be replaced: said, and her record kept for later.
    QVERIFY(QFile::remove(folder.file(QStringLiteral("temp/anna.dat"))));
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("temp/anna.dat")));
    boxes.clear();
    boxes.queueAnswer(MsgAnswer::No);
    QTest::mouseClick(window.lblMenu[0], Qt::LeftButton);
    QVERIFY(window.Game().GameBegun());
    QTest::mouseClick(window.lblMenu[0], Qt::LeftButton);
    QVERIFY(!window.Game().GameBegun());
    QCOMPARE(boxes.texts().mid(2), QStringList{"Could not write the player file for anna...\n"
                                               "The previous file was kept."});
    QVERIFY(QDir(folder.file(QStringLiteral("temp/anna.dat"))).removeRecursively());
    QVERIFY(folder.write(QStringLiteral("temp/anna.dat"), anna));
    answers.logins = QStringList{"anna:apple"};
    seat(1);
    seat(1);
    QVERIFY(PlainPlayerFile(folder, "anna").contains("Token:Lady\r\n<|>Test.mdb::-1=5=4<||>"));
}

QTEST_MAIN(TestBoardWindow)
#include "tst_boardwindow.moc"
