#include "report/ClassReport.h"

#include "boardgame/BoardDatabase.h"
#include "boardgame/BoardStatus.h"
#include "boardgame/file/BoardSchema.h"
#include "boardgame/file/BoardSettings.h"
#include "engine/ClRating.h"
#include "engine/SavedGameRecord.h"
#include "players/ClassPlayerInfo.h"
#include "shell/Logging.h"
#include "shell/ProgramFolder.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace {

const QString kSolitaireType = QStringLiteral("Solitaire");
constexpr int kLowestLevel = 3;
constexpr int kHighestLevel = 7;

// ---- Reading ---------------------------------------------------------------

QString ShareRight(const QString& right, const QString& wrong) {
    bool rightOk = false;
    bool wrongOk = false;
    const qint64 r = right.toLongLong(&rightOk);
    const qint64 w = wrong.toLongLong(&wrongOk);
    if (!rightOk || !wrongOk || r < 0 || w < 0 || r + w == 0)
        return QString();
    return QString::number(qRound64(100.0 * double(r) / double(r + w))) + QLatin1Char('%');
}

QList<ReportBoardRow> BoardRows(const ClassPlayerInfo& player,
                                const ClassReport::KindCaptions& captions,
                                QHash<QString, QHash<QString, QString>>& known) {
    QList<ReportBoardRow> rows;
    QStringList filesSeen;
    for (const ClassSavedGameInfo& entry : player.SavedGames) {
        // The game uses a player's first record of a file; so does the report.
        if (entry.GameType == kSolitaireType || filesSeen.contains(entry.GameType))
            continue;
        filesSeen << entry.GameType;
        if (!known.contains(entry.GameType))
            known.insert(entry.GameType,
                         captions ? captions(entry.GameType) : QHash<QString, QString>());
        const QHash<QString, QString>& kinds = known[entry.GameType];
        for (const StatusCounter& counter : BoardStatus::Read(entry.GameInfo)) {
            const QString caption = kinds.value(counter.code);
            rows << ReportBoardRow{entry.GameType, caption.isEmpty() ? counter.code : caption,
                                   counter.right, counter.wrong,
                                   ShareRight(counter.right, counter.wrong)};
        }
    }
    return rows;
}

QList<ReportSolitaireRow> SolitaireRows(const ClassPlayerInfo& player) {
    QList<ReportSolitaireRow> rows;
    for (int level = kLowestLevel; level <= kHighestLevel; ++level) {
        for (const bool wizardOn : {true, false}) {
            ReportSolitaireRow row;
            row.level = level;
            row.wizardOn = wizardOn;
            bool numeric = false;
            const QString points = ClRating::BestPoints(player.Rating, qint16(level), wizardOn);
            points.trimmed().toInt(&numeric);
            if (numeric) { // "None" (no result yet) stays empty
                row.bestPoints = points.trimmed();
                row.minutes = ClRating::BestMinutes(player.Rating, qint16(level), wizardOn);
            }
            rows << row;
        }
    }
    for (const ClassSavedGameInfo& entry : player.SavedGames) {
        SavedGameRecord record;
        if (entry.GameType != kSolitaireType || !SavedGameRecord::Parse(entry.GameInfo, record))
            continue; // a damaged record counts for no level
        if (record.WordLevel < kLowestLevel || record.WordLevel > kHighestLevel)
            continue;
        ReportSolitaireRow& row =
            rows[(record.WordLevel - kLowestLevel) * 2 + (record.WizardIsOn ? 0 : 1)];
        ++(record.IfGameIsDone ? row.gamesFinished : row.gamesSaved);
    }
    return rows;
}

ReportPlayer ReadPlayerFile(const QString& path, const ClassReport::KindCaptions& captions,
                            QHash<QString, QHash<QString, QString>>& known) {
    ReportPlayer report;
    report.fileName = QFileInfo(path).completeBaseName();
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly) && file.size() <= ClassPlayerInfo::kMaxFileBytes)
        bytes = file.readAll();
    ClassPlayerInfo player;
    QString version;
    switch (ClassPlayerInfo::ReadFileBytes(bytes, player, &version)) {
    case PlayerFileStatus::Loaded:
        break;
    case PlayerFileStatus::OtherVersion:
        report.state = ReportFileState::OtherVersion;
        report.version = version;
        return report;
    default:
        report.state = ReportFileState::Damaged;
        return report;
    }
    report.nickName = player.NickName;
    report.firstName = player.FirstName;
    report.lastName = player.LastName;
    report.school = player.School;
    report.playerType = player.PlayerType;
    report.board = BoardRows(player, captions, known);
    report.solitaire = SolitaireRows(player);
    return report;
}

// ---- Writing ---------------------------------------------------------------

QString ProblemText(const ReportPlayer& player) {
    if (player.state == ReportFileState::OtherVersion)
        return QStringLiteral("Player file of version \"%1\"").arg(player.version);
    return QStringLiteral("Damaged player file");
}

const QStringList kPersonHeaders{QStringLiteral("Nickname"), QStringLiteral("First name"),
                                 QStringLiteral("Last name"), QStringLiteral("School"),
                                 QStringLiteral("Player type")};
const QStringList kBoardHeaders{QStringLiteral("Board file"), QStringLiteral("Kind"),
                                QStringLiteral("Right"), QStringLiteral("Wrong"),
                                QStringLiteral("Share right")};
const QStringList kSolitaireHeaders{
    QStringLiteral("Level"),   QStringLiteral("Wizard"),      QStringLiteral("Best points"),
    QStringLiteral("Minutes"), QStringLiteral("Games saved"), QStringLiteral("Games finished")};

QStringList PersonCells(const ReportPlayer& p) {
    return {p.nickName, p.firstName, p.lastName, p.school, p.playerType};
}

QStringList BoardCells(const ReportBoardRow& r) {
    return {r.boardFile, r.kind, r.right, r.wrong, r.shareRight};
}

QStringList SolitaireCells(const ReportSolitaireRow& r) {
    return {QString::number(r.level),
            r.wizardOn ? QStringLiteral("On") : QStringLiteral("Off"),
            r.bestPoints,
            r.minutes,
            QString::number(r.gamesSaved),
            QString::number(r.gamesFinished)};
}

bool IsNumber(const QString& text) {
    bool ok = false;
    text.toDouble(&ok);
    return ok;
}

QString CsvField(QString text) {
    // A text a spreadsheet would run as a formula (a name typed as
    // "=HYPERLINK(...)") is kept as text; numbers such as "-1" stay numbers.
    static const QString kFormulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && kFormulaStarts.contains(text.at(0)) && !IsNumber(text))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        return QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
               QLatin1Char('"');
    return text;
}

QString CsvLine(const QStringList& cells) {
    QStringList fields;
    for (const QString& cell : cells)
        fields << CsvField(cell);
    return fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

QString HtmlRow(const QStringList& cells, const char* tag) {
    QString row = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        row += QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), cell.toHtmlEscaped());
    return row + QStringLiteral("</tr>\n");
}

QString HtmlTable(const QString& heading, const QStringList& headers,
                  const QList<QStringList>& rows) {
    QString html = QStringLiteral("<h2>%1</h2>\n<table>\n<thead>").arg(heading.toHtmlEscaped());
    html += HtmlRow(headers, "th") + QStringLiteral("</thead>\n<tbody>\n");
    for (const QStringList& row : rows)
        html += HtmlRow(row, "td");
    return html + QStringLiteral("</tbody>\n</table>\n");
}

// The page's look on screen and on paper, and the sorting of a table by a
// click on one of its headers (numbers as numbers, again to reverse).
const char kHtmlHead[] = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Class Report</title>
<style>
body { font-family: "DejaVu Sans", Arial, sans-serif; margin: 1.5em; color: #222; }
h1 { font-size: 1.5em; } h2 { font-size: 1.15em; margin-top: 1.5em; }
table { border-collapse: collapse; margin-bottom: 1em; }
th, td { border: 1px solid #999; padding: 3px 8px; text-align: left; }
th { background: #e8e0c8; cursor: pointer; user-select: none; }
th[aria-sort=ascending]::after { content: " \25B2"; }
th[aria-sort=descending]::after { content: " \25BC"; }
tbody tr:nth-child(even) { background: #f6f3ea; }
.problems { color: #8b0000; }
.hint { color: #666; font-size: 0.9em; }
@media print {
  body { margin: 0; }
  .hint { display: none; }
  th { cursor: auto; }
  thead { display: table-header-group; }
  tr { page-break-inside: avoid; }
  h2 { page-break-after: avoid; }
}
</style>
</head>
<body>
<h1>Class Report</h1>
<p class="hint">Click a column's header to sort the table by it; click again to reverse.</p>
)";

const char kHtmlTail[] = R"(<script>
document.querySelectorAll("th").forEach(function (th) {
  th.addEventListener("click", function () {
    var table = th.closest("table"), body = table.tBodies[0], col = th.cellIndex;
    var up = th.getAttribute("aria-sort") !== "ascending";
    table.querySelectorAll("th").forEach(function (h) { h.removeAttribute("aria-sort"); });
    th.setAttribute("aria-sort", up ? "ascending" : "descending");
    var rows = Array.prototype.slice.call(body.rows);
    rows.sort(function (a, b) {
      var x = a.cells[col].textContent, y = b.cells[col].textContent;
      var nx = parseFloat(x), ny = parseFloat(y);
      var c = (!isNaN(nx) && !isNaN(ny)) ? nx - ny : x.localeCompare(y);
      return up ? c : -c;
    });
    rows.forEach(function (r) { body.appendChild(r); });
  });
});
</script>
</body>
</html>
)";

} // namespace

ClassReport ClassReport::Build(const QString& playerFolder, const KindCaptions& captions) {
    ClassReport report;
    const QDir dir(playerFolder);
    QStringList files;
    for (const QString& name : dir.entryList(QDir::Files)) {
        // "temp.dat" is the scratch copy of whichever file is being loaded.
        if (name.endsWith(QLatin1String(".dat")) && name != QLatin1String("temp.dat"))
            files << name;
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(files.begin(), files.end(),
              [&collator](const QString& a, const QString& b) { return collator(a, b); });
    QHash<QString, QHash<QString, QString>> known;
    for (const QString& name : files)
        report.Players << ReadPlayerFile(dir.filePath(name), captions, known);
    return report;
}

ClassReport ClassReport::Build(const QString& playerFolder) {
    return Build(playerFolder, &ClassReport::DataFolderCaptions);
}

QString ClassReport::PlayerFolder() {
    return ProgramFolder::resolve(QStringLiteral("\\temp"));
}

QHash<QString, QString> ClassReport::DataFolderCaptions(const QString& boardFile) {
    QHash<QString, QString> captions;
    if (!BoardSettings::IsUsableDataPath(boardFile))
        return captions; // a record's file name that leads out of data/ names no file
    const QString path = ProgramFolder::resolve(QStringLiteral("\\data\\") + boardFile);
    if (!QFileInfo(path).isFile())
        return captions;
    try {
        auto db = dao::DBEngine::OpenDatabase(path, false, true, QLatin1String(kBoardConnect));
        for (const SquareCountRow& row : BoardStatus::ReadSquareCounts(*db))
            captions.insert(row.squareId, row.caption);
    } catch (const dao::DaoError& e) {
        qCDebug(lcMordaventa) << "no kind captions from" << path << e.Description();
    }
    return captions;
}

QByteArray ClassReport::Csv() const {
    QString csv = CsvLine(QStringList{QStringLiteral("Record")} + kPersonHeaders + kBoardHeaders +
                          kSolitaireHeaders);
    const QStringList noBoard(kBoardHeaders.size());
    const QStringList noSolitaire(kSolitaireHeaders.size());
    for (const ReportPlayer& p : Players) {
        for (const ReportBoardRow& r : p.board)
            csv += CsvLine(QStringList{QStringLiteral("Board")} + PersonCells(p) + BoardCells(r) +
                           noSolitaire);
    }
    for (const ReportPlayer& p : Players) {
        for (const ReportSolitaireRow& r : p.solitaire)
            csv +=
                CsvLine(QStringList{kSolitaireType} + PersonCells(p) + noBoard + SolitaireCells(r));
    }
    for (const ReportPlayer& p : Players) {
        if (p.state != ReportFileState::Read)
            csv += CsvLine(QStringList{ProblemText(p), p.fileName} +
                           QStringList(kPersonHeaders.size() - 1) + noBoard + noSolitaire);
    }
    return QByteArray("\xEF\xBB\xBF") + csv.toUtf8();
}

QByteArray ClassReport::Html() const {
    QString html = QString::fromUtf8(kHtmlHead);

    QStringList problems;
    for (const ReportPlayer& p : Players) {
        if (p.state != ReportFileState::Read)
            problems << QStringLiteral("<li>%1.dat: %2</li>")
                            .arg(p.fileName.toHtmlEscaped(), ProblemText(p).toHtmlEscaped());
    }
    if (!problems.isEmpty())
        html += QStringLiteral("<h2>Player files that could not be read</h2>\n<ul "
                               "class=\"problems\">\n") +
                problems.join(QLatin1Char('\n')) + QStringLiteral("\n</ul>\n");

    // One table per board-game file, in the order the files first appear.
    QStringList boardFiles;
    for (const ReportPlayer& p : Players)
        for (const ReportBoardRow& r : p.board)
            if (!boardFiles.contains(r.boardFile))
                boardFiles << r.boardFile;
    const QStringList boardColumns = kPersonHeaders + kBoardHeaders.mid(1);
    for (const QString& file : boardFiles) {
        QList<QStringList> rows;
        for (const ReportPlayer& p : Players)
            for (const ReportBoardRow& r : p.board)
                if (r.boardFile == file)
                    rows << PersonCells(p) + BoardCells(r).mid(1);
        html += HtmlTable(QStringLiteral("Board game: ") + file, boardColumns, rows);
    }

    QList<QStringList> solitaire;
    for (const ReportPlayer& p : Players)
        for (const ReportSolitaireRow& r : p.solitaire)
            solitaire << PersonCells(p) + SolitaireCells(r);
    if (!solitaire.isEmpty())
        html += HtmlTable(QStringLiteral("Vantorell solitaire"), kPersonHeaders + kSolitaireHeaders,
                          solitaire);
    if (Players.isEmpty())
        html += QStringLiteral("<p>No player files were found.</p>\n");
    return (html + QString::fromUtf8(kHtmlTail)).toUtf8();
}
