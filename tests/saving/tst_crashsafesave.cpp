// Saving survives being killed: a child process (saveloop) saves a large
// player file, a board status update or a built board-game file over and over
// and is killed with SIGKILL at random moments; after every kill the file is
// whole, either the old content or the new one, read by the program's own
// loaders.
#include "SaveLoopFiles.h"
#include "TestSupport.h"

#include "boardgame/BoardStatus.h"
#include "boardgame/file/BoardFileChecks.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>

namespace {

constexpr int kTrials = 200;

QStringList gameInfos(const ClassPlayerInfo& player, int count) {
    QStringList infos;
    for (const ClassSavedGameInfo& entry : player.SavedGames) {
        if (infos.size() < count)
            infos << entry.GameType + QLatin1Char('/') + entry.GameInfo;
    }
    return infos;
}

// What tells one file on disk from another: a file replaced by a rename is a
// new inode, and any write changes the status change time.
QList<qint64> fileIdentity(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {qint64(info.st_ino), qint64(info.st_size), qint64(info.st_ctim.tv_sec),
            qint64(info.st_ctim.tv_nsec)};
}

} // namespace

class TestCrashSafeSave : public QObject {
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<TempProgramFolder>(); }
    void cleanup() { m_folder.reset(); }
    void killedSaveLeavesWholeFile_data();
    void killedSaveLeavesWholeFile();
    void twoCopiesSavingOneFileLoseNothing();

private:
    // The content found after a kill: "A" or "B" for a variant, the status
    // counter for a status update; "" (and a failed check) for anything else.
    QString foundContent(const QString& kind);

    std::unique_ptr<TempProgramFolder> m_folder;
    QString m_boardPath;
    QStringList m_variantA;
    QStringList m_variantB;
};

void TestCrashSafeSave::twoCopiesSavingOneFileLoseNothing() {
    ClassPlayerInfo start = SaveLoop::PlayerWithStatus();
    QVERIFY(start.SavePlayer());
    ClassPlayerInfo first;
    QVERIFY(SaveLoop::LoadPlayer(first));
    first.SavedGamesIndex = std::prev(first.SavedGames.end())->GameUserID;

    // The second copy saves while the first still plays.
    QProcess second;
    second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    second.start(QStringLiteral(SAVELOOP_PATH), {QStringLiteral("share")});
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(second.exitCode(), 0);

    QVERIFY(BoardStatus::Count(first, QStringLiteral("1"), false));
    first.SavedGames.Add(ClassSavedGameInfo(QStringLiteral("CardPile1=first copy"),
                                            QStringLiteral("X1"), QStringLiteral("Solitaire")));
    first.Rating.replace(QStringLiteral("3On=None,0"), QStringLiteral("3On=12,1.50"));
    QVERIFY(first.SavePlayer());
    // A second save of the first copy counts nothing twice.
    QVERIFY(first.SavePlayer());

    ClassPlayerInfo saved;
    QVERIFY(SaveLoop::LoadPlayer(saved));
    QStringList infos;
    for (const ClassSavedGameInfo& entry : saved.SavedGames)
        infos << entry.GameInfo;
    QCOMPARE(infos.size(), SaveLoop::kFillerGames + 3);
    QVERIFY(infos.contains(QStringLiteral("-1=0=0|-2=0=0|1=1=1")));
    QVERIFY(infos.contains(QStringLiteral("CardPile1=first copy")));
    QVERIFY(infos.contains(QStringLiteral("CardPile1=second copy")));
    QVERIFY(saved.Rating.contains(QStringLiteral("3On=12,1.50")));
    QVERIFY(saved.Rating.contains(QStringLiteral("4On=30,2.00")));
}

QString TestCrashSafeSave::foundContent(const QString& kind) {
    if (kind == QLatin1String("board")) {
        BoardFileInspection inspection;
        if (!IsUsableBoardFile(m_boardPath, inspection))
            return QString();
        const QString description = inspection.Description();
        const QString questions = QuestionsErrorCount(*inspection.database);
        inspection.Close();
        if (questions != QStringLiteral("OK:%1").arg(SaveLoop::kQuestions))
            return QString();
        return description.mid(QStringLiteral("Variant ").size());
    }
    ClassPlayerInfo player;
    if (!SaveLoop::LoadPlayer(player))
        return QString();
    const QStringList filler = gameInfos(player, SaveLoop::kFillerGames);
    if (kind == QLatin1String("player")) {
        if (player.SavedGames.Count() != SaveLoop::kFillerGames)
            return QString();
        return filler == m_variantA   ? QStringLiteral("A")
               : filler == m_variantB ? QStringLiteral("B")
                                      : QString();
    }
    if (filler != m_variantA || player.SavedGames.Count() != SaveLoop::kFillerGames + 1)
        return QString();
    const ClassSavedGameInfo& status = *std::prev(player.SavedGames.end());
    static const QRegularExpression counted(QStringLiteral("^-1=0=0\\|-2=0=0\\|1=(\\d+)=0$"));
    const QRegularExpressionMatch match = counted.match(status.GameInfo);
    if (status.GameType != QLatin1String(SaveLoop::kBoardName) || !match.hasMatch())
        return QString();
    return match.captured(1);
}

void TestCrashSafeSave::killedSaveLeavesWholeFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("player file") << QStringLiteral("player");
    QTest::newRow("board status") << QStringLiteral("status");
    QTest::newRow("built board") << QStringLiteral("board");
}

void TestCrashSafeSave::killedSaveLeavesWholeFile() {
    QFETCH(QString, kind);
    QVERIFY(m_folder->isValid());
    m_variantA = gameInfos(SaveLoop::BigPlayer(QLatin1Char('A')), SaveLoop::kFillerGames);
    m_variantB = gameInfos(SaveLoop::BigPlayer(QLatin1Char('B')), SaveLoop::kFillerGames);
    m_boardPath = m_folder->file(QStringLiteral("data/test.board"));
    QVERIFY(QDir().mkpath(QFileInfo(m_boardPath).absolutePath()));

    // The first file is saved here; its duration sets how long a kill may wait.
    QElapsedTimer timer;
    timer.start();
    if (kind == QLatin1String("board")) {
        BoardFileWriter::WriteBoardFile(SaveLoop::BigBoard(QLatin1Char('A')), m_boardPath);
    } else {
        ClassPlayerInfo first = kind == QLatin1String("status")
                                    ? SaveLoop::PlayerWithStatus()
                                    : SaveLoop::BigPlayer(QLatin1Char('A'));
        QVERIFY(first.SavePlayer());
    }
    int saveMicroseconds = int(qMax<qint64>(timer.nsecsElapsed() / 1000, 1000));
    QCOMPARE(foundContent(kind),
             kind == QLatin1String("status") ? QStringLiteral("0") : QStringLiteral("A"));

    const QString target =
        kind == QLatin1String("board")
            ? m_boardPath
            : ClassPlayerInfo::PlayerFilePath(QLatin1String(SaveLoop::kPlayerName));
    std::unique_ptr<RandomSource> random = makeSeededRandom(13);
    QString found = kind == QLatin1String("status") ? QStringLiteral("0") : QStringLiteral("A");
    QList<qint64> verified = fileIdentity(target);
    QSet<QString> seen;
    int replaced = 0;
    for (int trial = 0; trial < kTrials; ++trial) {
        // The child starts with the content that is not on disk, so its first
        // save already changes the file.
        QStringList arguments{kind};
        if (kind != QLatin1String("status"))
            arguments << (found == QLatin1String("A") ? QStringLiteral("B") : QStringLiteral("A"));
        if (kind == QLatin1String("board"))
            arguments << m_boardPath;
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(SAVELOOP_PATH), arguments);
        QVERIFY(child.waitForStarted());
        QVERIFY2(child.waitForReadyRead(30000), "the saving process did not start");
        QCOMPARE(child.readLine().trimmed(), QByteArray("ready"));
        // Every other kill lets the first save finish and lands in the next
        // one, so that kills also find a file the child has replaced.
        if (random->below(2) == 1) {
            QElapsedTimer saving;
            saving.start();
            while (!child.canReadLine())
                QVERIFY2(child.waitForReadyRead(30000), "the saving process did not save");
            QCOMPARE(child.readLine().trimmed(), QByteArray("saved"));
            saveMicroseconds = int(qMax<qint64>(saving.nsecsElapsed() / 1000, 1000));
        }
        // A real wait: the kill lands anywhere in a save, or just after it.
        QThread::usleep(random->below(saveMicroseconds * 5 / 4));
        QCOMPARE(child.state(), QProcess::Running);
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished());

        // A file left exactly as it was when last read needs no new reading.
        const QList<qint64> identity = fileIdentity(target);
        if (identity.isEmpty() || identity != verified) {
            const QString before = found;
            found = foundContent(kind);
            QVERIFY2(!found.isEmpty(),
                     qPrintable(QStringLiteral("trial %1: the file is damaged").arg(trial)));
            // Counted answers are never lost once saved.
            if (kind == QLatin1String("status"))
                QVERIFY2(found.toLongLong() >= before.toLongLong(), qPrintable(found));
            verified = identity;
            ++replaced;
        }
        seen.insert(found);
        // What a killed save leaves beside the file is not what is checked
        // here; clearing it keeps the folder small.
        for (const QFileInfo& left :
             QFileInfo(target).absoluteDir().entryInfoList(QDir::Files | QDir::Hidden)) {
            if (left.absoluteFilePath() != QFileInfo(target).absoluteFilePath())
                QFile::remove(left.absoluteFilePath());
        }
    }
    // The kills found the file in more than one state, so they hit the saves.
    QVERIFY2(seen.size() > 1, qPrintable(QStringList(seen.begin(), seen.end()).join(u' ')));
    qInfo("%d kills, %d of them found the file changed", kTrials, replaced);
}

QTEST_GUILESS_MAIN(TestCrashSafeSave)
#include "tst_crashsafesave.moc"
