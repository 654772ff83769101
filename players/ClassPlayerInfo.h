#pragma once
// A player's profile and its encrypted player file temp/<Filename>.dat: the
// player line of fifteen "key:value" pairs, the saved-game entries and the
// buddy entries, separated by "<|>", in Windows-1252, scrambled with the
// program passphrase.
#include "players/ClassBuddy.h"
#include "players/ClassSavedGameInfo.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

// The version mark of every file this program writes.
inline constexpr char kPlayerFileVersion[] = "SolitaireV1";
// The rating of a player who has no result yet.
inline constexpr char kNewPlayerRating[] =
    "3On=None,0^3Off=None,0^4On=None,0^4Off=None,0^5On=None,0^5Off=None,0^6On=None,0^6Off="
    "None,0^7On=None,0^7Off=None,0";

// What reading a player file's plain text found.
enum class PlayerFileStatus {
    Loaded,        // the text was read whole
    Unreadable,    // the file is missing or cannot be read
    Damaged,       // the text is not a player file (truncated, foreign, bad value)
    OtherVersion,  // the file is marked with another version
    WrongPassword, // only from LoadPlayer: the password does not match
};

class ClassPlayerInfo {
public:
    QString GuidID;
    QString AppVersion;
    QString NickName;
    QString Password;
    QString FirstName;
    QString LastName;
    bool Gender = false;
    QString Rating;
    qint16 Age = 0;
    QString Country;
    QString ProvState;
    QString City;
    QString School;
    QString PlayerType;
    QString PostalCode; // written to the file, never read back
    // The picture the player chose for their board token ("Boy", "Girl", ...);
    // empty until they choose one.
    QString Token;
    QString Filename;        // base name of the player file; empty = nothing to save
    QString SavedGamesIndex; // key of the entry in use; not stored in the file
    SavedGameCollection SavedGames;
    BuddyCollection BuddyList;
    // The file's bytes as this record last read or wrote them; not stored.
    // A save that finds other bytes on disk merges with them.
    QByteArray FileBytesOnDisk;

    // The player line, with its CR LF.
    QString GetPlayerInfo() const;
    // The player line's fields as (key, text) in the order they are written.
    QList<std::pair<QString, QString>> PlayerFields() const;
    // Reads temp/<name>.dat, checks version and password (letter case ignored)
    // and fills the object. On any failure it says why and leaves the object
    // exactly as it was; version (when given) receives the AppVersion found.
    PlayerFileStatus LoadPlayer(const QString& name, const QString& password,
                                QString* version = nullptr);
    // Writes the object to temp/<Filename>.dat; true without writing when
    // Filename is empty. The old file is replaced only once the new one is
    // complete; on failure (no message) it stays whole and false is returned.
    // When another copy of the game changed the file since this record read
    // it, the record is first merged with that file (PlayerFileMerge).
    bool SavePlayer();
    QString GetBuddyList() const;
    QString GetSaveGames() const;
    // Makes a new profile for name and password (fresh GuidID, new rating)
    // and writes its file. The other fields keep what the caller put in them
    // (registration fills the personal details first).
    bool CreatePlayerFile(const QString& name, const QString& password);

    // Merges this record with the file at path when the file is no longer
    // what this record last read or wrote.
    void MergeWithFileOnDisk(const QString& path);

    // ---- The file format, for the command-line tool and tests ----

    // A player file larger than this is refused unread, as a damaged one:
    // real ones take a few kilobytes, a thousand saved games under 2 MB.
    static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

    // The whole plain text: player line, "<|>", saved games, "<|>", buddies, CR LF.
    QString PlainText() const;
    // The encrypted bytes of the player file.
    QByteArray FileBytes() const;
    // Reads a plain text into `into` (entries renumbered "S1", "S2", ...)
    // without checking the password. `into` is changed only when Loaded.
    // version (when given) receives the AppVersion found.
    static PlayerFileStatus ReadPlainText(const QString& text, ClassPlayerInfo& into,
                                          QString* version = nullptr);
    // Decrypts and reads a player file's bytes (see ReadPlainText).
    static PlayerFileStatus ReadFileBytes(const QByteArray& bytes, ClassPlayerInfo& into,
                                          QString* version = nullptr);
    // The player file of a name: temp/<name>.dat below the program folder,
    // matched without regard to letter case when such a file exists.
    static QString PlayerFilePath(const QString& name);
    // Whether the player file of a name may be deleted with this password:
    // the file's password matches (letter case ignored), or the file cannot
    // be read as a player file at all, so it protects nothing.
    static bool MayDelete(const QString& name, const QString& password);
    // Whether a name can be a player file's name: not empty, no folder
    // separators, not "." or "..", so that a file name never leads out of temp/.
    static bool IsUsableName(const QString& name);
    // The first field that the file cannot hold exactly (its key, an entry's
    // key, or "BuddyList"); "" when every field can be written. SavePlayer
    // refuses to write a record that has one.
    QString UnwritableField() const;
    // Whether a board-game file's name can be the type of a saved entry, read
    // back exactly: in Windows-1252, without ":", "|", "<", ">" or controls.
    static bool CanHoldBoardName(const QString& name);
    // Whether a square code can be an item of a board status record: a whole
    // number.
    static bool CanHoldStatusCode(const QString& code);
    // A new identifier: 32 upper-case hex digits, or "00000000" when none
    // could be made.
    static QString NewGuidText();
};
