#include "players/ClassPlayerInfo.h"

#include "players/PlayerFileMerge.h"
#include "shell/Logging.h"
#include "shell/ProgramFolder.h"
#include "shell/Windows1252.h"
#include "shell/clsBinaryEncryptor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QUuid>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kSectionMark = QStringLiteral("<|>");
const QString kEntryMark = QStringLiteral("<||>");

QString boolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// "True"/"False" in any letter case, or a number (non-zero is true).
bool readBool(const QString& text, bool* ok) {
    const QString t = text.trimmed();
    *ok = true;
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    const double number = t.toDouble(ok);
    return *ok && number != 0.0;
}

// Section 1: the player line. Fills `into`; stops at a version mark other than
// ours. A piece without ":" or an unreadable number or flag is damage.
PlayerFileStatus readPlayerLine(QString line, ClassPlayerInfo& into, QString* version) {
    if (line.endsWith(kCrLf))
        line.chop(2); // the line's own CR LF is not part of the last value
    bool sawVersion = false;
    const QStringList pieces = line.split(QLatin1Char('|'));
    for (const QString& piece : pieces) {
        const QStringList parts = piece.split(QLatin1Char(':'));
        if (parts.size() < 2)
            return PlayerFileStatus::Damaged;
        const QString& key = parts.at(0);
        // A value holding ":" keeps only its text up to the first ":".
        const QString& value = parts.at(1);
        bool ok = true;
        if (key == QLatin1String("GuidID"))
            into.GuidID = value;
        else if (key == QLatin1String("NickName"))
            into.NickName = value;
        else if (key == QLatin1String("Password"))
            into.Password = value;
        else if (key == QLatin1String("FirstName"))
            into.FirstName = value;
        else if (key == QLatin1String("LastName"))
            into.LastName = value;
        else if (key == QLatin1String("Rating"))
            into.Rating = value;
        else if (key == QLatin1String("PlayerType"))
            into.PlayerType = value;
        else if (key == QLatin1String("City"))
            into.City = value;
        else if (key == QLatin1String("ProvState"))
            into.ProvState = value;
        else if (key == QLatin1String("Country"))
            into.Country = value;
        else if (key == QLatin1String("School"))
            into.School = value;
        else if (key == QLatin1String("PostalCode"))
            into.PostalCode = value; // read back too, so a load and save keeps it
        else if (key == QLatin1String("Token"))
            into.Token = value;
        else if (key == QLatin1String("Age"))
            into.Age = value.trimmed().toShort(&ok);
        else if (key == QLatin1String("Gender"))
            into.Gender = readBool(value, &ok);
        else if (key == QLatin1String("AppVersion")) {
            into.AppVersion = value;
            sawVersion = true;
            if (version)
                *version = value;
            if (value != QLatin1String(kPlayerFileVersion))
                return PlayerFileStatus::OtherVersion;
        }
        if (!ok)
            return PlayerFileStatus::Damaged;
    }
    // A text without any version mark is not one of our player files.
    return sawVersion ? PlayerFileStatus::Loaded : PlayerFileStatus::Damaged;
}

// Sections 2 and 3: saved games renumbered "S1", "S2", ... in file order, and
// the buddy entries (their flag is not read back).
PlayerFileStatus readEntries(const QString& games, const QString& buddies, ClassPlayerInfo& into) {
    into.SavedGames.Clear();
    const QStringList gamePieces = games.split(kEntryMark, Qt::KeepEmptyParts, Qt::CaseInsensitive);
    for (int i = 0; i + 1 < gamePieces.size(); ++i) {
        const QString& piece = gamePieces.at(i);
        const qsizetype mark = piece.indexOf(QLatin1String("::"));
        if (mark < 0)
            return PlayerFileStatus::Damaged;
        // The content is everything after the first "::", so nothing is cut off.
        ClassSavedGameInfo entry(piece.mid(mark + 2), QStringLiteral("S%1").arg(i + 1),
                                 piece.left(mark));
        if (!into.SavedGames.Add(entry))
            return PlayerFileStatus::Damaged;
    }

    into.BuddyList.Clear();
    if (buddies != kCrLf) {
        const QStringList buddyPieces =
            buddies.split(kEntryMark, Qt::KeepEmptyParts, Qt::CaseInsensitive);
        for (const QString& piece : buddyPieces) {
            if (piece == kCrLf)
                continue;
            const QStringList parts = piece.split(QLatin1Char(':'));
            if (parts.size() < 3)
                return PlayerFileStatus::Damaged;
            if (!into.BuddyList.Add(ClassBuddy(parts.at(0), parts.at(1), parts.at(2))))
                return PlayerFileStatus::Damaged;
        }
    }
    return PlayerFileStatus::Loaded;
}

// The three sections of a whole plain text, or none when the text is not
// shaped like a player file (it always ends with CR LF, so a truncated file
// is caught here).
bool splitSections(const QString& text, QStringList* sections) {
    if (!text.endsWith(kCrLf))
        return false;
    *sections = text.split(kSectionMark, Qt::KeepEmptyParts, Qt::CaseInsensitive);
    // A section mark inside a saved entry (written by older versions from a
    // board file's name or code) cut the saved games short: the entries before
    // it are whole, the broken one ends the list, the buddies are last.
    if (sections->size() > 3)
        *sections = QStringList{sections->at(0), sections->at(1), sections->last()};
    return sections->size() == 3;
}

// Texts that would cut the file in the wrong places: the file's own marks.
bool holds(const QString& text, const QStringList& marks) {
    for (const QString& mark : marks) {
        if (text.contains(mark))
            return false;
    }
    return true;
}

// The sections of a whole plain text and its player line read into `into`.
// The version mark is looked at before the shape of the rest: a file of
// another version is reported as such whatever its layout.
PlayerFileStatus readHead(const QString& text, ClassPlayerInfo& into, QString* version,
                          QStringList* sections) {
    const bool shaped = splitSections(text, sections);
    const QString line =
        shaped ? sections->at(0)
               : text.split(kSectionMark, Qt::KeepEmptyParts, Qt::CaseInsensitive).first();
    const PlayerFileStatus status = readPlayerLine(line, into, version);
    if (status != PlayerFileStatus::OtherVersion && !shaped)
        return PlayerFileStatus::Damaged;
    return status;
}

} // namespace

QList<std::pair<QString, QString>> ClassPlayerInfo::PlayerFields() const {
    return {
        {QStringLiteral("GuidID"), GuidID},
        {QStringLiteral("AppVersion"), AppVersion},
        {QStringLiteral("NickName"), NickName},
        {QStringLiteral("Password"), Password},
        {QStringLiteral("FirstName"), FirstName},
        {QStringLiteral("LastName"), LastName},
        {QStringLiteral("Gender"), boolText(Gender)},
        {QStringLiteral("Rating"), Rating},
        {QStringLiteral("Age"), QString::number(Age)},
        {QStringLiteral("Country"), Country},
        {QStringLiteral("ProvState"), ProvState},
        {QStringLiteral("City"), City},
        {QStringLiteral("PostalCode"), PostalCode},
        {QStringLiteral("PlayerType"), PlayerType},
        {QStringLiteral("School"), School},
    };
}

QString ClassPlayerInfo::GetPlayerInfo() const {
    QStringList pieces;
    for (const auto& [key, text] : PlayerFields())
        pieces << key + QLatin1Char(':') + text;
    // The token goes last on the player line, and only once chosen: every
    // reader of this format, older ones included, skips a key it does not
    // know, so older programs still load the file (an older program's save
    // drops the choice, nothing more); a saved-game or buddy entry would
    // instead show up as a game or a buddy there. Files of players who never
    // chose stay exactly as before.
    if (!Token.isEmpty())
        pieces << QStringLiteral("Token:") + Token;
    return pieces.join(QLatin1Char('|')) + kCrLf;
}

PlayerFileStatus ClassPlayerInfo::LoadPlayer(const QString& name, const QString& password,
                                             QString* version) {
    QFile file(PlayerFilePath(name));
    if (!IsUsableName(name) || !file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) {
        qCDebug(lcMordaventa) << "player file cannot be read:" << file.fileName();
        return PlayerFileStatus::Unreadable;
    }
    const QByteArray bytes = file.readAll();
    const QString text =
        Windows1252::decode(clsBinaryEncryptor::DecryptBytes(bytes, kProgramPassphrase));
    file.close();

    // Everything is read into a scratch record first, so a refused file
    // changes nothing here: a half-filled record saved later would overwrite
    // the real file.
    ClassPlayerInfo loaded;
    loaded.Filename = name;
    loaded.FileBytesOnDisk = bytes;
    QStringList sections;
    const PlayerFileStatus line = readHead(text, loaded, version, &sections);
    if (line != PlayerFileStatus::Loaded)
        return line;
    if (password.toLower() != loaded.Password.toLower())
        return PlayerFileStatus::WrongPassword;
    if (const PlayerFileStatus entries = readEntries(sections.at(1), sections.at(2), loaded);
        entries != PlayerFileStatus::Loaded)
        return entries;
    *this = loaded;
    return PlayerFileStatus::Loaded;
}

bool ClassPlayerInfo::SavePlayer() {
    if (Filename.isEmpty())
        return true;
    if (!IsUsableName(Filename))
        return false;
    if (const QString field = UnwritableField(); !field.isEmpty()) {
        // Written, it would lock the player out of the whole file.
        qCWarning(lcMordaventa) << "player file" << Filename << "not written:" << field
                                << "holds a mark of the file";
        return false;
    }
    const QString path = PlayerFilePath(Filename);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    // Copies on other machines save the same file: between reading it for
    // the merge and replacing it, no other copy may write it.
    QLockFile guard(path + QStringLiteral(".lock"));
    guard.setStaleLockTime(30000);
    if (!guard.tryLock(10000))
        qCWarning(lcMordaventa) << "player file saved without its lock:" << path;
    MergeWithFileOnDisk(path);
    const QByteArray bytes = FileBytes();
    // The old file is replaced only when the new one is complete on disk.
    clsBinaryEncryptor writer;
    if (!writer.SaveBinaryArray(path, bytes)) {
        qCWarning(lcMordaventa) << "player file not written:" << path;
        return false;
    }
    FileBytesOnDisk = bytes;
    return true;
}

QString ClassPlayerInfo::UnwritableField() const {
    const QStringList lineMarks{QStringLiteral("|"), QStringLiteral(":"), kCrLf};
    for (const auto& [key, text] : PlayerFields()) {
        if (!holds(text, lineMarks))
            return key;
    }
    for (const ClassSavedGameInfo& entry : SavedGames) {
        if (!CanHoldBoardName(entry.GameType) || !holds(entry.GameInfo, {kSectionMark, kEntryMark}))
            return entry.GameUserID;
    }
    for (const ClassBuddy& buddy : BuddyList) {
        if (buddy.FileText().count(QLatin1Char(':')) != 3 ||
            !holds(buddy.FileText(), {kSectionMark, kEntryMark}))
            return QStringLiteral("BuddyList");
    }
    return QString();
}

bool ClassPlayerInfo::CanHoldBoardName(const QString& name) {
    // ":" ends the type of a saved entry and "<", "|", ">" make its marks;
    // none of them can be in a file name on the systems the files come from.
    for (QChar c : name) {
        if (c == QLatin1Char(':') || c == QLatin1Char('|') || c == QLatin1Char('<') ||
            c == QLatin1Char('>') || c.category() == QChar::Other_Control)
            return false;
    }
    return Windows1252::canEncode(name);
}

bool ClassPlayerInfo::CanHoldStatusCode(const QString& code) {
    static const QRegularExpression number(QStringLiteral("^-?[0-9]{1,10}$"));
    return number.match(code).hasMatch();
}

void ClassPlayerInfo::MergeWithFileOnDisk(const QString& path) {
    if (FileBytesOnDisk.isEmpty())
        return; // a new file, or a record that was never read from one
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes)
        return;
    const QByteArray now = file.readAll();
    if (now == FileBytesOnDisk)
        return;
    ClassPlayerInfo base;
    ClassPlayerInfo theirs;
    // A file that cannot be read as a player file any more holds nothing to keep.
    if (ReadFileBytes(FileBytesOnDisk, base) != PlayerFileStatus::Loaded ||
        ReadFileBytes(now, theirs) != PlayerFileStatus::Loaded)
        return;
    qCInfo(lcMordaventa) << "player file changed by another copy; merging:" << path;
    ClassPlayerInfo merged = PlayerFileMerge::Merge(base, theirs, *this);
    merged.Filename = Filename;
    merged.SavedGamesIndex = SavedGamesIndex;
    *this = merged;
}

QString ClassPlayerInfo::GetBuddyList() const {
    QString text;
    for (const ClassBuddy& buddy : BuddyList)
        text += buddy.FileText() + kEntryMark;
    return text;
}

QString ClassPlayerInfo::GetSaveGames() const {
    QString text;
    for (const ClassSavedGameInfo& entry : SavedGames)
        text += entry.GameType + QStringLiteral("::") + entry.GameInfo + kEntryMark;
    return text;
}

bool ClassPlayerInfo::CreatePlayerFile(const QString& name, const QString& password) {
    AppVersion = QLatin1String(kPlayerFileVersion);
    Filename = name;
    GuidID = NewGuidText();
    NickName = name;
    Password = password;
    Rating = QLatin1String(kNewPlayerRating);
    return SavePlayer();
}

QString ClassPlayerInfo::PlainText() const {
    return GetPlayerInfo() + kSectionMark + GetSaveGames() + kSectionMark + GetBuddyList() + kCrLf;
}

QByteArray ClassPlayerInfo::FileBytes() const {
    int replaced = 0;
    const QByteArray plain = Windows1252::encode(PlainText(), &replaced);
    if (replaced > 0) {
        qCWarning(lcMordaventa) << "player file" << Filename << ":" << replaced
                                << "characters outside Windows-1252 written as '?'";
    }
    return clsBinaryEncryptor::EncryptBytes(plain, kProgramPassphrase);
}

PlayerFileStatus ClassPlayerInfo::ReadPlainText(const QString& text, ClassPlayerInfo& into,
                                                QString* version) {
    QStringList sections;
    ClassPlayerInfo loaded;
    const PlayerFileStatus line = readHead(text, loaded, version, &sections);
    if (line != PlayerFileStatus::Loaded)
        return line;
    const PlayerFileStatus entries = readEntries(sections.at(1), sections.at(2), loaded);
    if (entries != PlayerFileStatus::Loaded)
        return entries;
    into = loaded;
    return PlayerFileStatus::Loaded;
}

PlayerFileStatus ClassPlayerInfo::ReadFileBytes(const QByteArray& bytes, ClassPlayerInfo& into,
                                                QString* version) {
    if (bytes.isEmpty())
        return PlayerFileStatus::Damaged;
    return ReadPlainText(
        Windows1252::decode(clsBinaryEncryptor::DecryptBytes(bytes, kProgramPassphrase)), into,
        version);
}

QString ClassPlayerInfo::PlayerFilePath(const QString& name) {
    return ProgramFolder::resolve(QStringLiteral("\\temp\\") + name + QStringLiteral(".dat"));
}

bool ClassPlayerInfo::MayDelete(const QString& name, const QString& password) {
    QFile file(PlayerFilePath(name));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes)
        return true;
    ClassPlayerInfo stored;
    if (ReadFileBytes(file.readAll(), stored) != PlayerFileStatus::Loaded)
        return true;
    return password.toLower() == stored.Password.toLower();
}

bool ClassPlayerInfo::IsUsableName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

QString ClassPlayerInfo::NewGuidText() {
    const QUuid id = QUuid::createUuid();
    if (id.isNull())
        return QStringLiteral("00000000");
    QString text = QStringLiteral("%1%2%3")
                       .arg(id.data1, 8, 16, QLatin1Char('0'))
                       .arg(id.data2, 4, 16, QLatin1Char('0'))
                       .arg(id.data3, 4, 16, QLatin1Char('0'));
    for (unsigned char b : id.data4)
        text += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0'));
    return text.toUpper();
}
