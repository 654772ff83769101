#pragma once
// The files the crash-safe saving test and its child process (saveloop) agree
// on: far larger than real ones, so that a kill often lands in the middle of
// writing one, yet quick enough to save a few hundred times; and made in two
// variants that differ throughout, so any mixture of old and new is seen.
#include "boardgame/file/BoardFileWriter.h"
#include "players/ClassPlayerInfo.h"

#include <QString>

namespace SaveLoop {

inline constexpr char kPlayerName[] = "marathon";
inline constexpr char kPassword[] = "Relay";
inline constexpr char kBoardName[] = "SpellingGrammar.board";
inline constexpr char kStatusStart[] = "-1=0=0|-2=0=0|1=0=0";
inline constexpr int kFillerGames = 300;
inline constexpr int kQuestions = 12;

// A player with about 150 KB of saved games; `variant` is written into each.
inline ClassPlayerInfo BigPlayer(QChar variant) {
    ClassPlayerInfo player;
    player.GuidID = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
    player.AppVersion = QLatin1String(kPlayerFileVersion);
    player.NickName = QLatin1String(kPlayerName);
    player.Password = QLatin1String(kPassword);
    player.Rating = QLatin1String(kNewPlayerRating);
    player.Filename = QLatin1String(kPlayerName);
    for (int i = 1; i <= kFillerGames; ++i) {
        const QString info = QStringLiteral("CardPile%1=").arg(i) + QString(500, variant);
        player.SavedGames.Add(
            ClassSavedGameInfo(info, QStringLiteral("S%1").arg(i), QStringLiteral("Solitaire")));
    }
    return player;
}

// Reads the test player's file; true when it was read whole.
inline bool LoadPlayer(ClassPlayerInfo& player) {
    return player.LoadPlayer(QLatin1String(kPlayerName), QLatin1String(kPassword)) ==
           PlayerFileStatus::Loaded;
}

// BigPlayer('A') with a board status entry as the last saved game, in use.
inline ClassPlayerInfo PlayerWithStatus() {
    ClassPlayerInfo player = BigPlayer(QLatin1Char('A'));
    const QString key = QStringLiteral("S%1").arg(kFillerGames + 1);
    player.SavedGames.Add(
        ClassSavedGameInfo(QLatin1String(kStatusStart), key, QLatin1String(kBoardName)));
    player.SavedGamesIndex = key;
    return player;
}

// A board of one question kind with kQuestions questions of four choices;
// the description names the variant.
inline BoardContent BigBoard(QChar variant) {
    BoardContent board;
    board.description = QStringLiteral("Variant ") + variant;
    board.author = QStringLiteral("Saving test");
    for (int i = 0; i < kBoardSquares; ++i)
        board.layout << (i % 4 == 0 ? 1 : SquareCode::Plain);
    board.questionKinds.insert(1, QStringLiteral("Questions"));
    BoardCategory category;
    category.kind = 1;
    category.name = QStringLiteral("Everything");
    for (int q = 0; q < kQuestions; ++q) {
        BoardQuestion question;
        question.text = QStringLiteral("Question %1 %2").arg(q).arg(QString(200, variant));
        for (int a = 0; a < 4; ++a)
            question.answers << BoardAnswer{QStringLiteral("Choice %1").arg(a), a == q % 4, {}};
        category.questions << question;
    }
    board.categories << category;
    return board;
}

} // namespace SaveLoop
