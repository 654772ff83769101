// The child process of the crash-safe saving test: saves one kind of file over
// and over with the program's own save code until it is killed. It writes
// "ready" once it has loaded what it needs and "saved" after every save.
//   saveloop player V       the player file, the two variants in turn from V
//   saveloop status         one more answer counted into the board status
//                           entry of the player file, then saved, each time
//   saveloop board V PATH   the board-game file at PATH, the variants in turn
//                           from V (V is A or B)
//   saveloop share          once, as a second copy of the game sharing the
//                           player file: one right answer, a saved game and a
//                           better rating on level 4, saved
// The program folder is the one MORDAVENTA_HOME names.
#include "SaveLoopFiles.h"

#include "boardgame/BoardStatus.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

void say(const char* line) {
    std::fputs(line, stdout);
    std::fflush(stdout);
}

void ready() {
    say("ready\n");
}
void saved() {
    say("saved\n");
}

int saveForever(const QString& kind, const QStringList& arguments) {
    const int first = arguments.value(2) == QLatin1String("B") ? 1 : 0;
    if (kind == QLatin1String("player")) {
        const ClassPlayerInfo variants[] = {SaveLoop::BigPlayer(QLatin1Char('A')),
                                            SaveLoop::BigPlayer(QLatin1Char('B'))};
        ready();
        for (int i = first;; i ^= 1) {
            ClassPlayerInfo player = variants[i];
            if (!player.SavePlayer())
                return 2;
            saved();
        }
    }
    if (kind == QLatin1String("status")) {
        ClassPlayerInfo player;
        if (!SaveLoop::LoadPlayer(player))
            return 2;
        for (const ClassSavedGameInfo& entry : player.SavedGames) {
            if (entry.GameType == QLatin1String(SaveLoop::kBoardName))
                player.SavedGamesIndex = entry.GameUserID;
        }
        ready();
        for (;;) {
            if (!BoardStatus::Count(player, QStringLiteral("1"), true) || !player.SavePlayer())
                return 2;
            saved();
        }
    }
    if (kind == QLatin1String("share")) {
        ClassPlayerInfo player;
        if (!SaveLoop::LoadPlayer(player))
            return 2;
        player.SavedGamesIndex = std::prev(player.SavedGames.end())->GameUserID;
        player.SavedGames.Add(ClassSavedGameInfo(QStringLiteral("CardPile1=second copy"),
                                                 QStringLiteral("X1"),
                                                 QStringLiteral("Solitaire")));
        player.Rating.replace(QStringLiteral("4On=None,0"), QStringLiteral("4On=30,2.00"));
        if (!BoardStatus::Count(player, QStringLiteral("1"), true) || !player.SavePlayer())
            return 2;
        saved();
        return 0;
    }
    if (kind == QLatin1String("board") && arguments.size() > 3) {
        const BoardContent variants[] = {SaveLoop::BigBoard(QLatin1Char('A')),
                                         SaveLoop::BigBoard(QLatin1Char('B'))};
        ready();
        for (int i = first;; i ^= 1) {
            BoardFileWriter::WriteBoardFile(variants[i], arguments.at(3));
            saved();
        }
    }
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    try {
        return saveForever(arguments.value(1), arguments);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "saveloop: %s\n", e.what());
        return 2;
    }
}
