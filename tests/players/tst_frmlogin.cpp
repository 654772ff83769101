// The login window driven offscreen: the player list, the refusals, logging
// in for the solitaire and for a board-game seat, deleting players and
// registering from the window.
#include "TestSupport.h"

#include "players/ClassPlayerInfo.h"
#include "players/LoginHost.h"
#include "players/ui/frmLogin.h"
#include "players/ui/frmNewPlayer.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

namespace {

QByteArray playerFile(const QByteArray& nick, const QByteArray& password,
                      const QByteArray& games = QByteArray(),
                      const QByteArray& version = "SolitaireV1") {
    return referenceScramble("GuidID:0123|AppVersion:" + version + "|NickName:" + nick +
                             "|Password:" + password +
                             "|FirstName:|LastName:|Gender:False|Rating:r|Age:0|Country:|ProvState:"
                             "|City:|PostalCode:|PlayerType:|School:\r\n<|>" +
                             games + "<|>\r\n");
}

// The table's side: the record it owns and what it was told about it.
class FakeHost : public LoginHost {
public:
    ClassPlayerInfo player;
    QStringList changes; // the record's nick name each time it changed
    void PlayerChanged() override { changes << player.NickName; }
};

QStringList listed(QWidget& window) {
    return itemTexts(control<QListWidget>(window, "lstPlayers"));
}

void clickMenu(QWidget& window, int index) {
    QTest::mouseClick(control<QLabel>(window, QStringLiteral("lblMenu_%1").arg(index)),
                      Qt::LeftButton);
}

// Runs `drive` on the login window once it is shown modally.
void whenShown(std::function<void(frmLogin&)> drive) {
    QTimer::singleShot(0, [drive] {
        if (auto* login = qobject_cast<frmLogin*>(QApplication::activeModalWidget()))
            drive(*login);
    });
}

} // namespace

class TestFrmLogin : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_folder = std::make_unique<TempProgramFolder>();
        m_boxes = std::make_unique<MsgBoxRecorder>();
    }
    void cleanup() {
        m_boxes.reset();
        m_folder.reset();
    }
    void listsPlayerFiles();
    void logInRefused_data();
    void logInRefused();
    void solitaireLogin();
    void switchingPlayerKeepsPreviousPlayersGames();
    void boardGameLogin();
    void boardGameLoginClosed();
    void deletePlayer();
    void registering_data();
    void registering();

private:
    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<MsgBoxRecorder> m_boxes;
};

void TestFrmLogin::listsPlayerFiles() {
    QDir(m_folder->file(QStringLiteral("temp"))).removeRecursively();
    {
        frmLogin login(nullptr, QLatin1String(kModeSolitaire));
        QVERIFY(listed(login).isEmpty());
        QVERIFY(QFileInfo(m_folder->file(QStringLiteral("temp"))).isDir()); // made when missing
        QCOMPARE(control<QListWidget>(login, "lstPlayers")->currentRow(), -1);
    }
    m_folder->write(QStringLiteral("temp/bob.dat"), "x");
    m_folder->write(QStringLiteral("temp/Anna.dat"), "x");
    m_folder->write(QStringLiteral("temp/Carl.dat"), "x");
    m_folder->write(QStringLiteral("temp/temp.dat"), "plain text left over");
    // A save killed at its last step leaves the writer's staging copy.
    m_folder->write(QStringLiteral("temp/bob.dat.Xa12bQ"), "x");
    m_folder->write(QStringLiteral("temp/notes.txt"), "x");
    m_folder->write(QStringLiteral("temp/LOUD.DAT"), "x");
    QDir().mkpath(m_folder->file(QStringLiteral("temp/folder.dat")));
    frmLogin login(nullptr, QLatin1String(kModeSolitaire));
    QCOMPARE(listed(login),
             (QStringList{QStringLiteral("Anna"), QStringLiteral("bob"), QStringLiteral("Carl")}));
    QCOMPARE(control<QListWidget>(login, "lstPlayers")->currentRow(), 0);
    QCOMPARE(QDir(m_folder->file(QStringLiteral("temp"))).entryList(QDir::Files),
             (QStringList{"Anna.dat", "bob.dat", "Carl.dat", "LOUD.DAT", "notes.txt"}));
}

void TestFrmLogin::logInRefused_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("passwordAfter");
    const QByteArray anna = playerFile("Anna", "secret");
    addDataRow("nobody chosen", QByteArray(), "secret",
               "Select a player from list box or enter a new player...", "secret");
    addDataRow("short password", anna, "se", "Password needs to be 3 letters or more...", "se");
    addDataRow("wrong password", anna, "wrong", "Please insert proper password then try again...",
               "");
    addDataRow("other version", playerFile("Anna", "secret", "", "SolitaireV7"), "secret",
               "Can't load player info... Version SolitaireV7\r\n\r\n You Have Version SolitaireV1",
               "");
    addDataRow("damaged", QByteArray("x"), "secret", "Error in loading player file...", "");
}

void TestFrmLogin::logInRefused() {
    QFETCH(QByteArray, file);
    QFETCH(QString, password);
    QFETCH(QString, message);
    QFETCH(QString, passwordAfter);
    const bool withPlayer = !file.isEmpty();
    if (withPlayer)
        m_folder->write(QStringLiteral("temp/Anna.dat"), file);
    FakeHost host;
    frmLogin login(nullptr, QLatin1String(kModeSolitaire), &host.player, &host);
    login.show();
    auto* box = control<QLineEdit>(login, "txtPassword");
    QTest::keyClicks(box, password);
    clickMenu(login, 3);
    QCOMPARE(m_boxes->texts(), QStringList{message});
    QCOMPARE(box->text(), passwordAfter);
    if (withPlayer)
        QCOMPARE(login.focusWidget(), box);
    QVERIFY(login.isVisible());
    QVERIFY(host.changes.isEmpty());
    QVERIFY(host.player.Filename.isEmpty());
    QVERIFY(!login.Result());
}

void TestFrmLogin::solitaireLogin() {
    m_folder->write(QStringLiteral("temp/Anna.dat"),
                    playerFile("Anna", "secret", "Solitaire::CardPile1=ab<||>"));
    FakeHost host;
    whenShown([&](frmLogin& login) {
        auto* box = control<QLineEdit>(login, "txtPassword");
        QTest::keyClicks(box, QStringLiteral("SECRET"));
        QTest::keyClick(box, Qt::Key_Return);
    });
    QVERIFY(frmLogin::LoadLogin(nullptr, &host.player, QLatin1String(kModeSolitaire), &host));
    QVERIFY(m_boxes->shown().isEmpty());
    QCOMPARE(host.changes, QStringList{QStringLiteral("Anna")});
    QCOMPARE(host.player.Filename, QStringLiteral("Anna"));
    QCOMPARE(host.player.SavedGames.Count(), 1);
}

void TestFrmLogin::switchingPlayerKeepsPreviousPlayersGames() {
    m_folder->write(QStringLiteral("temp/Anna.dat"), playerFile("Anna", "secret"));
    m_folder->write(QStringLiteral("temp/Bob.dat"), playerFile("Bob", "bobpw"));
    FakeHost host;
    QCOMPARE(host.player.LoadPlayer(QStringLiteral("Bob"), QStringLiteral("bobpw")),
             PlayerFileStatus::Loaded);
    // A game saved this session: in memory only, until the table closes.
    host.player.SavedGames.Add(ClassSavedGameInfo(
        QStringLiteral("CardPile1=x"), QStringLiteral("S1"), QStringLiteral("Solitaire")));

    frmLogin login(nullptr, QLatin1String(kModeSolitaire), &host.player, &host);
    control<QListWidget>(login, "lstPlayers")->setCurrentRow(0);
    QTest::keyClicks(control<QLineEdit>(login, "txtPassword"), QStringLiteral("secret"));
    clickMenu(login, 3);
    QCOMPARE(host.player.NickName, QStringLiteral("Anna"));
    QVERIFY(referenceUnscramble(m_folder->read(QStringLiteral("temp/Bob.dat")))
                .endsWith("<|>Solitaire::CardPile1=x<||><|>\r\n"));

    // Logging in again as the same player keeps a game saved in between.
    host.player.SavedGames.Add(ClassSavedGameInfo(
        QStringLiteral("CardPile1=y"), QStringLiteral("S1"), QStringLiteral("Solitaire")));
    frmLogin again(nullptr, QLatin1String(kModeSolitaire), &host.player, &host);
    QCOMPARE(listed(again).first(), QStringLiteral("Anna"));
    QTest::keyClicks(control<QLineEdit>(again, "txtPassword"), QStringLiteral("secret"));
    clickMenu(again, 3);
    QCOMPARE(host.player.SavedGames.Count(), 1);
    QCOMPARE(host.player.SavedGames.at(0).GameInfo, QStringLiteral("CardPile1=y"));
    QVERIFY(m_boxes->shown().isEmpty());
}

void TestFrmLogin::boardGameLogin() {
    m_folder->write(QStringLiteral("temp/Anna.dat"), playerFile("Anna", "secret"));
    ClassPlayerInfo seat;
    whenShown([](frmLogin& login) {
        auto* box = control<QLineEdit>(login, "txtPassword");
        QTest::keyClicks(box, QStringLiteral("wrong"));
        clickMenu(login, 3); // refused: the window stays for another try
        QTest::keyClicks(box, QStringLiteral("secret"));
        clickMenu(login, 3);
    });
    QVERIFY(frmLogin::LoadLogin(nullptr, &seat, QLatin1String(kModeBoardGame)));
    QCOMPARE(m_boxes->texts(),
             QStringList{QStringLiteral("Please insert proper password then try again...")});
    QCOMPARE(seat.NickName, QStringLiteral("Anna"));
}

void TestFrmLogin::boardGameLoginClosed() {
    m_folder->write(QStringLiteral("temp/Anna.dat"), playerFile("Anna", "secret"));
    ClassPlayerInfo seat;
    seat.NickName = QStringLiteral("Seat");
    whenShown([](frmLogin& login) {
        QTest::mouseClick(control<QLabel>(login, "lblClose"), Qt::LeftButton);
    });
    QVERIFY(!frmLogin::LoadLogin(nullptr, &seat, QLatin1String(kModeBoardGame)));
    QCOMPARE(seat.NickName, QStringLiteral("Seat"));
}

// Deleting needs the player's password and asks first; the record's own
// player, once deleted, is forgotten so that closing the table later writes
// nothing back.
void TestFrmLogin::deletePlayer() {
    m_folder->write(QStringLiteral("temp/Anna.dat"), playerFile("Anna", "secret"));
    FakeHost host;
    QCOMPARE(host.player.LoadPlayer(QStringLiteral("Anna"), QStringLiteral("secret")),
             PlayerFileStatus::Loaded);
    frmLogin login(nullptr, QLatin1String(kModeSolitaire), &host.player, &host);
    login.show();
    auto* password = control<QLineEdit>(login, "txtPassword");

    for (const QString& typed : {QString(), QStringLiteral("wrong")}) {
        QTest::keyClicks(password, typed);
        clickMenu(login, 1);
        QCOMPARE(m_boxes->texts(),
                 QStringList{QStringLiteral("Please insert proper password then try again...")});
        QVERIFY(QFile::exists(m_folder->file(QStringLiteral("temp/Anna.dat"))));
        m_boxes->clear();
    }

    QTest::keyClicks(password, QStringLiteral("Secret"));
    m_boxes->queueAnswer(MsgAnswer::No);
    clickMenu(login, 1);
    QCOMPARE(m_boxes->shown().size(), 1);
    QCOMPARE(m_boxes->shown().first().buttons, MsgButtons::YesNo);
    QVERIFY(QFile::exists(m_folder->file(QStringLiteral("temp/Anna.dat"))));
    QCOMPARE(listed(login), QStringList{QStringLiteral("Anna")});
    QVERIFY(host.changes.isEmpty());

    m_boxes->queueAnswer(MsgAnswer::Yes);
    clickMenu(login, 1);
    QVERIFY(!QFile::exists(m_folder->file(QStringLiteral("temp/Anna.dat"))));
    QVERIFY(listed(login).isEmpty());
    QCOMPARE(control<QListWidget>(login, "lstPlayers")->currentRow(), -1);
    QCOMPARE(host.changes, QStringList{QString()});
    QVERIFY(host.player.SavePlayer());
    QVERIFY(!QFile::exists(m_folder->file(QStringLiteral("temp/Anna.dat"))));

    // With nothing chosen the command asks nothing.
    m_boxes->clear();
    clickMenu(login, 1);
    QVERIFY(m_boxes->shown().isEmpty());
}

// A registration lists and selects the new name; in the solitaire the new
// player is the one at the table from then on, after the previous player's
// games were written.
void TestFrmLogin::registering_data() {
    QTest::addColumn<QString>("mode");
    QTest::newRow("solitaire") << QString::fromLatin1(kModeSolitaire);
    QTest::newRow("board game") << QString::fromLatin1(kModeBoardGame);
}

void TestFrmLogin::registering() {
    QFETCH(QString, mode);
    const bool solitaire = mode == QLatin1String(kModeSolitaire);
    m_folder->write(QStringLiteral("temp/Anna.dat"), playerFile("Anna", "secret"));
    FakeHost host;
    QCOMPARE(host.player.LoadPlayer(QStringLiteral("Anna"), QStringLiteral("secret")),
             PlayerFileStatus::Loaded);
    host.player.SavedGames.Add(ClassSavedGameInfo(
        QStringLiteral("CardPile1=x"), QStringLiteral("S1"), QStringLiteral("Solitaire")));
    frmLogin login(nullptr, mode, &host.player, &host);
    login.show();
    QTest::keyClicks(control<QLineEdit>(login, "txtPassword"), QStringLiteral("typed"));
    bool driven = false;
    QTimer::singleShot(0, [&] {
        auto* registration = qobject_cast<frmNewPlayer*>(QApplication::activeModalWidget());
        if (!registration)
            return;
        driven = true;
        QTest::keyClicks(control<QLineEdit>(*registration, "txtPlayerName"), QStringLiteral("Zed"));
        QTest::keyClicks(control<QLineEdit>(*registration, "txtPassword"), QStringLiteral("zedpw"));
        QTest::mouseClick(control<QLabel>(*registration, "lblMenu_0"), Qt::LeftButton);
    });
    clickMenu(login, 0);
    QVERIFY(driven);
    QVERIFY(m_boxes->shown().isEmpty());
    QCOMPARE(listed(login), (QStringList{QStringLiteral("Anna"), QStringLiteral("Zed")}));
    QCOMPARE(control<QListWidget>(login, "lstPlayers")->currentRow(), 1);
    QCOMPARE(control<QLineEdit>(login, "txtPassword")->text(), QString());
    // The new player can log in at once.
    ClassPlayerInfo seat;
    QCOMPARE(seat.LoadPlayer(QStringLiteral("Zed"), QStringLiteral("ZEDPW")),
             PlayerFileStatus::Loaded);

    QCOMPARE(host.player.NickName, solitaire ? QStringLiteral("Zed") : QStringLiteral("Anna"));
    QCOMPARE(host.changes, solitaire ? QStringList{QStringLiteral("Zed")} : QStringList{});
    QCOMPARE(referenceUnscramble(m_folder->read(QStringLiteral("temp/Anna.dat")))
                 .contains("Solitaire::CardPile1=x<||>"),
             solitaire);
}

QTEST_MAIN(TestFrmLogin)
#include "tst_frmlogin.moc"
