// mordaventa-tool player show [--show-password] FILE: the fields and entries of
// a player file. The password is shown only when asked for, so that the output
// can be pasted into a report or shown on a classroom screen.
#include "ToolCommand.h"

#include "players/ClassPlayerInfo.h"

#include <QFile>

namespace {

const QString kShowPassword = QStringLiteral("--show-password");
const QString kPasswordField = QStringLiteral("Password");

int runPlayer(const QStringList& arguments) {
    QStringList rest = arguments;
    const bool showPassword = rest.removeAll(kShowPassword) > 0;
    if (rest.size() != 2 || rest.at(0) != QLatin1String("show"))
        return toolError(QStringLiteral("usage: player show [--show-password] FILE"));
    const QString path = rest.at(1);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return toolError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    // A file far larger than any player file is damaged: it is not read.
    const QByteArray bytes =
        file.size() > ClassPlayerInfo::kMaxFileBytes ? QByteArray() : file.readAll();

    ClassPlayerInfo player;
    QString version;
    switch (ClassPlayerInfo::ReadFileBytes(bytes, player, &version)) {
    case PlayerFileStatus::Loaded:
        break;
    case PlayerFileStatus::OtherVersion:
        return toolError(QStringLiteral("%1 is a player file of version \"%2\"; this program reads "
                                        "version %3")
                             .arg(path, version, QLatin1String(kPlayerFileVersion)));
    default:
        return toolError(
            QStringLiteral("%1 is not a readable player file (damaged, truncated or foreign)")
                .arg(path));
    }

    for (const auto& [key, value] : player.PlayerFields()) {
        if (key == kPasswordField && !showPassword)
            toolPrint(key + QStringLiteral(": (hidden; %1 shows it)").arg(kShowPassword));
        else
            toolPrint(key + QStringLiteral(": ") + value);
    }

    toolPrint(QStringLiteral("SavedGames: %1").arg(player.SavedGames.Count()));
    for (const ClassSavedGameInfo& entry : player.SavedGames)
        toolPrint(
            QStringLiteral("  %1 [%2] %3").arg(entry.GameUserID, entry.GameType, entry.GameInfo));
    toolPrint(QStringLiteral("BuddyList: %1").arg(player.BuddyList.Count()));
    for (const ClassBuddy& buddy : player.BuddyList)
        toolPrint(QStringLiteral("  %1 %2").arg(buddy.Key, buddy.FileText()));
    return 0;
}

ToolCommandRegistration registration{
    QStringLiteral("player"), QStringLiteral("player show [--show-password] FILE"), &runPlayer};

} // namespace
