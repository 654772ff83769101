// mordaventa-tool board build SOURCE OUT: makes a board-game file from its
// readable source (pronunciations rendered with espeak-ng, simple pictures
// drawn here). mordaventa-tool board check FILE: the checks of the board-file
// manager. mordaventa-tool board import FILE.csv NEW: a board of the default
// board's squares and the CSV file's words or questions.
#include "ToolCommand.h"

#include "boardgame/file/BoardContentChecks.h"
#include "boardgame/file/BoardCsvImport.h"
#include "boardgame/file/BoardFileChecks.h"
#include "boardgame/file/BoardFileReader.h"
#include "boardgame/file/BoardSource.h"
#include "boardgame/file/BoardSourceExport.h"
#include "media/Pronunciation.h"
#include "players/ClassPlayerInfo.h"
#include "shell/ProgramFolder.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSet>
#include <QtMath>

#include <algorithm>
#include <cstdio>

namespace {

// ---- Pictures ----

// "SHAPE [#RRGGBB]": circle, oval, square, rectangle, triangle, diamond,
// pentagon, hexagon, octagon, star.
QByteArray drawPicture(const QString& description, QString* error) {
    const QStringList parts = description.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString shape = parts.value(0).toLower();
    QColor colour(0x30, 0x70, 0xD0);
    if (parts.size() > 1) {
        colour = QColor::fromString(parts[1]);
        if (!colour.isValid()) {
            *error = QStringLiteral("'%1' is not a colour").arg(parts[1]);
            return QByteArray();
        }
    }
    constexpr int size = 120;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 3));
    p.setBrush(colour);
    const QPointF c(size / 2.0, size / 2.0);
    auto regular = [&](int sides, double radius, double turn) {
        QPolygonF poly;
        for (int i = 0; i < sides; ++i) {
            const double a = turn + 2 * M_PI * i / sides;
            poly << QPointF(c.x() + radius * std::cos(a), c.y() + radius * std::sin(a));
        }
        return poly;
    };
    if (shape == QLatin1String("circle")) {
        p.drawEllipse(c, 45, 45);
    } else if (shape == QLatin1String("oval")) {
        p.drawEllipse(c, 50, 30);
    } else if (shape == QLatin1String("square")) {
        p.drawRect(QRectF(18, 18, 84, 84));
    } else if (shape == QLatin1String("rectangle")) {
        p.drawRect(QRectF(10, 32, 100, 56));
    } else if (shape == QLatin1String("triangle")) {
        p.drawPolygon(regular(3, 50, -M_PI / 2).translated(0, 8));
    } else if (shape == QLatin1String("diamond")) {
        p.drawPolygon(
            QPolygonF({QPointF(60, 8), QPointF(100, 60), QPointF(60, 112), QPointF(20, 60)}));
    } else if (shape == QLatin1String("pentagon")) {
        p.drawPolygon(regular(5, 50, -M_PI / 2));
    } else if (shape == QLatin1String("hexagon")) {
        p.drawPolygon(regular(6, 50, 0));
    } else if (shape == QLatin1String("octagon")) {
        p.drawPolygon(regular(8, 50, M_PI / 8));
    } else if (shape == QLatin1String("star")) {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 == 0 ? 52 : 22;
            const double a = -M_PI / 2 + M_PI * i / 5;
            star << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        }
        p.drawPolygon(star);
    } else {
        *error = QStringLiteral("unknown shape '%1'").arg(shape);
        return QByteArray();
    }
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG", 90)) {
        *error = QStringLiteral("JPEG writing is not available");
        return QByteArray();
    }
    return bytes;
}

// ---- Subcommands ----

int build(const QStringList& arguments) {
    if (arguments.size() != 2)
        return toolError(QStringLiteral("usage: board build SOURCE OUT"));
    const QString source = arguments[0];
    const QString out = arguments[1];
    QFile file(source);
    if (QFileInfo(source).isDir())
        return toolError(QStringLiteral("%1 is a folder, not a board source").arg(source));
    if (!file.open(QIODevice::ReadOnly))
        return toolError(QStringLiteral("cannot read %1").arg(source));
    if (file.size() > BoardSource::kMaxSourceBytes)
        return toolError(QStringLiteral("%1: not a board source: %2 bytes, more than the %3 MB "
                                        "any board source takes")
                             .arg(source)
                             .arg(file.size())
                             .arg(BoardSource::kMaxSourceBytes / (1024 * 1024)));
    const QString text = QString::fromUtf8(file.readAll());
    BoardSourceHooks hooks;
    hooks.speak = [](const QString& word, QString* error) {
        return Pronunciation::Speak(word, Pronunciation::kBritish, error);
    };
    hooks.speakAmerican = [](const QString& word, QString* error) {
        return Pronunciation::Speak(word, Pronunciation::kAmerican, error);
    };
    hooks.draw = &drawPicture;
    try {
        QList<BoardSourceWarning> warnings;
        const BoardContent content =
            BoardSource::Parse(text, QFileInfo(source).absolutePath(), hooks, &warnings);
        // Warnings leave the file buildable: boards made before a check was
        // added keep working.
        for (const BoardSourceWarning& w : warnings)
            std::fprintf(stderr, "mordaventa-tool: %s:%d: warning: %s\n",
                         source.toUtf8().constData(), w.line, w.message.toUtf8().constData());
        BoardFileWriter::WriteBoardFile(content, out);
        toolPrint(QStringLiteral("wrote %1: %2 squares, %3 categories, %4 questions, %5 words")
                      .arg(out)
                      .arg(content.layout.size())
                      .arg(content.categories.size())
                      .arg([&] {
                          int n = 0;
                          for (const auto& c : content.categories)
                              n += static_cast<int>(c.questions.size());
                          return n;
                      }())
                      .arg(content.words.size()));
        return 0;
    } catch (const BoardSourceError& e) {
        return toolError(QStringLiteral("%1:%2").arg(
            source, e.line() > 0 ? QStringLiteral("%1: %2").arg(e.line()).arg(e.message())
                                 : QStringLiteral(" ") + e.message()));
    } catch (const dao::DaoError& e) {
        return toolError(QStringLiteral("cannot write %1: %2").arg(out, e.Description()));
    }
}

int check(const QStringList& arguments) {
    if (arguments.size() != 1)
        return toolError(QStringLiteral("usage: board check FILE"));
    const QString path = arguments[0];
    if (QFileInfo(path).isDir())
        return toolError(QStringLiteral("%1 is a folder, not a board-game file").arg(path));
    if (!QFileInfo(path).isFile())
        return toolError(QStringLiteral("no such file: %1").arg(path));
    BoardFileInspection inspection;
    if (!IsUsableBoardFile(path, inspection)) {
        if (!inspection.damage.isEmpty())
            return toolError(QStringLiteral("%1 is damaged: %2").arg(path, inspection.damage));
        return toolError(
            QStringLiteral("%1 is not a usable board-game file: %2").arg(path, inspection.failure));
    }
    dao::Database& db = *inspection.database;
    const QStringList results = {BoardLayoutErrorCount(db), SpellingEasyErrorCount(db),
                                 SpellingMediumErrorCount(db), SpellingHardErrorCount(db),
                                 QuestionsErrorCount(db)};
    if (!db.Damage().isEmpty())
        return toolError(QStringLiteral("%1 is damaged: %2").arg(path, db.Damage()));
    const QStringList headers = {QStringLiteral("Board Errors"), QStringLiteral("Spell Easy"),
                                 QStringLiteral("Spell Medium"), QStringLiteral("Spell Hard"),
                                 QStringLiteral("Questions")};
    toolPrint(QStringLiteral("File Name: %1").arg(QFileInfo(path).fileName()));
    toolPrint(QStringLiteral("File Size: %1").arg(BoardFileSizeText(QFileInfo(path).size())));
    bool clean = true;
    for (int i = 0; i < results.size(); ++i) {
        toolPrint(QStringLiteral("%1: %2").arg(headers[i], results[i]));
        clean = clean && results[i].startsWith(QLatin1String("OK:"), Qt::CaseInsensitive);
    }
    toolPrint(QStringLiteral("Description: %1").arg(inspection.Description()));
    if (const QString fault = SquareCountsFault(db); !fault.isEmpty()) {
        std::fprintf(stderr, "mordaventa-tool: %s\n", fault.toUtf8().constData());
        clean = false;
    }
    inspection.Close();
    // Players' status records name the file; they must read the name back.
    if (!ClassPlayerInfo::CanHoldBoardName(QFileInfo(path).fileName())) {
        std::fputs("mordaventa-tool: the file name cannot be kept in a player file (it holds : | "
                   "< > or letters outside Windows-1252)\n",
                   stderr);
        clean = false;
    }
    if (!clean) {
        std::fputs("mordaventa-tool: the file has errors\n", stderr);
        return 2;
    }
    return 0;
}

const char kImportUsage[] = "usage: board import FILE.csv NEW.board [--base BOARD.mdb]";

QString difficultyName(int code) {
    return code == SquareCode::SpellEasy     ? QStringLiteral("easy")
           : code == SquareCode::SpellMedium ? QStringLiteral("medium")
                                             : QStringLiteral("hard");
}

// The board's own items of each kind and difficulty the CSV file gives are
// replaced by the file's; those it does not give stay, so that every square
// of the board still has something to ask.
int replaceWithRows(BoardContent& board, BoardCsvRows& rows, QList<BoardCsvProblem>& problems) {
    QSet<int> difficulties;
    for (const BoardCsvWord& w : std::as_const(rows.words))
        difficulties.insert(w.word.level);
    QSet<int> kinds;
    for (BoardCsvQuestion& q : rows.questions) {
        // A category of the board keeps its kind and tip unless the row
        // gives others.
        for (const BoardCategory& c : std::as_const(board.categories)) {
            if (c.name.compare(q.category, Qt::CaseInsensitive) != 0)
                continue;
            if (q.kind.isEmpty())
                q.kind = QString::number(c.kind);
            if (q.tip.isEmpty())
                q.tip = c.tip;
        }
        bool number = false;
        int kind = q.kind.toInt(&number);
        for (auto it = board.questionKinds.cbegin(); it != board.questionKinds.cend(); ++it) {
            if (it->compare(q.kind, Qt::CaseInsensitive) == 0)
                kind = it.key(), number = true;
        }
        if (number && board.questionKinds.contains(kind))
            kinds.insert(kind);
    }
    BoardContent replaced = board;
    replaced.words.removeIf([&](const BoardWord& w) { return difficulties.contains(w.level); });
    replaced.categories.removeIf([&](const BoardCategory& c) { return kinds.contains(c.kind); });
    const int added = BoardCsvImport::Apply(replaced, rows, true, &problems);
    // A kind whose every row was refused keeps the board's own questions.
    for (const int kind : std::as_const(kinds)) {
        if (std::none_of(replaced.categories.cbegin(), replaced.categories.cend(),
                         [kind](const BoardCategory& c) { return c.kind == kind; })) {
            for (const BoardCategory& c : std::as_const(board.categories)) {
                if (c.kind == kind)
                    replaced.categories.append(c);
            }
        }
    }
    for (const int code : std::as_const(difficulties)) {
        if (std::none_of(replaced.words.cbegin(), replaced.words.cend(),
                         [code](const BoardWord& w) { return w.level == code; })) {
            for (const BoardWord& w : std::as_const(board.words)) {
                if (w.level == code)
                    replaced.words.append(w);
            }
        }
    }
    for (auto it = board.questionKinds.cbegin(); it != board.questionKinds.cend(); ++it) {
        if (!kinds.contains(it.key()))
            toolPrint(QStringLiteral("kept the questions of kind '%1' of the base board").arg(*it));
    }
    for (const int code : {SquareCode::SpellEasy, SquareCode::SpellMedium, SquareCode::SpellHard}) {
        if (!difficulties.contains(code) && board.spellingCaptions.contains(code))
            toolPrint(QStringLiteral("kept the %1 spelling words of the base board")
                          .arg(difficultyName(code)));
    }
    board = replaced;
    return added;
}

int import(const QStringList& arguments) {
    QStringList args = arguments;
    QString base = ProgramFolder::resolve(QStringLiteral("data/SpellingGrammar.mdb"));
    if (const qsizetype at = args.indexOf(QStringLiteral("--base")); at >= 0) {
        if (at + 1 >= args.size())
            return toolError(QLatin1String(kImportUsage));
        base = args[at + 1];
        args.remove(at, 2);
    }
    if (args.size() != 2)
        return toolError(QLatin1String(kImportUsage));
    const QString csv = args[0];
    const QString out = args[1];
    if (QFileInfo::exists(out))
        return toolError(QStringLiteral("%1 exists already; name a new file").arg(out));
    BoardContent board;
    try {
        board = BoardFileReader::ReadBoardFile(base);
    } catch (const dao::DaoError& e) {
        return toolError(QStringLiteral("cannot read the base board: %1").arg(e.Description()));
    }
    BoardCsvRows rows = BoardCsvImport::ReadFile(csv);
    BoardCsvHooks hooks;
    hooks.speak = [](const QString& word, QString* error) {
        return Pronunciation::Speak(word, Pronunciation::kBritish, error);
    };
    hooks.speakAmerican = [](const QString& word, QString* error) {
        return Pronunciation::Speak(word, Pronunciation::kAmerican, error);
    };
    BoardCsvImport::Speak(rows, hooks);
    QList<BoardCsvProblem> problems = rows.problems;
    const int added = replaceWithRows(board, rows, problems);
    const QByteArray name = csv.toUtf8();
    for (const BoardCsvProblem& p : std::as_const(problems)) {
        if (p.line > 0)
            std::fprintf(stderr, "mordaventa-tool: %s:%d: %s\n", name.constData(), p.line,
                         p.reason.toUtf8().constData());
        else
            std::fprintf(stderr, "mordaventa-tool: %s: %s\n", name.constData(),
                         p.reason.toUtf8().constData());
    }
    if (added == 0)
        return toolError(QStringLiteral("%1: no row can be used; nothing written").arg(csv));
    bool refused = false;
    for (const BoardFinding& f : BoardContentChecks::Check(board)) {
        if (f.severity == FindingSeverity::Refusal) {
            std::fprintf(stderr, "mordaventa-tool: %s\n", f.message.toUtf8().constData());
            refused = true;
        }
    }
    if (refused)
        return toolError(QStringLiteral("the board cannot be built; nothing written"));
    // A name ending in .mdb asks for the playable file itself; any other for
    // its readable source, to edit and build.
    if (out.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive)) {
        try {
            BoardFileWriter::WriteBoardFile(board, out);
        } catch (const dao::DaoError& e) {
            return toolError(QStringLiteral("cannot write %1: %2").arg(out, e.Description()));
        }
    } else {
        QString error;
        if (!BoardSourceExport::ExportSource(board, out, &error))
            return toolError(error);
    }
    toolPrint(
        QStringLiteral("wrote %1: %2 of %3 rows imported").arg(out).arg(added).arg(rows.rows));
    return 0;
}

int runBoard(const QStringList& arguments) {
    const QString sub = arguments.value(0);
    if (sub == QLatin1String("build"))
        return build(arguments.mid(1));
    if (sub == QLatin1String("check"))
        return check(arguments.mid(1));
    if (sub == QLatin1String("import"))
        return import(arguments.mid(1));
    return toolError(QStringLiteral("usage: board build SOURCE OUT | board check FILE | board "
                                    "import FILE.csv NEW.board [--base BOARD.mdb]"));
}

ToolCommandRegistration registration{
    QStringLiteral("board"),
    QStringLiteral("board build SOURCE OUT | board check FILE | board import FILE.csv NEW.board "
                   "[--base BOARD.mdb]"),
    &runBoard};

} // namespace
