#pragma once
// The class report: every player file of a folder, read with the player-file
// reader, as rows a teacher can open in a spreadsheet (CSV) or a browser
// (one HTML page). Board rows: one per player, board-game file and square
// kind; solitaire rows: one per player, word level and wizard setting. A file
// that cannot be read is listed as such and never stops the report; no
// password is ever part of it.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>

enum class ReportFileState { Read, Damaged, OtherVersion };

struct ReportBoardRow {
    QString boardFile;
    QString kind; // the kind's caption in the board-game file, else its code
    QString right;
    QString wrong;
    QString shareRight; // "67%"; empty without answers
};

struct ReportSolitaireRow {
    int level = 3;
    bool wizardOn = true;
    QString bestPoints; // empty without a result
    QString minutes;
    int gamesSaved = 0;    // unfinished games filed at this level and setting
    int gamesFinished = 0; // won games filed at this level and setting
};

struct ReportPlayer {
    QString fileName; // the player file's name without ".dat"
    ReportFileState state = ReportFileState::Read;
    QString version; // OtherVersion: the version mark found
    QString nickName;
    QString firstName;
    QString lastName;
    QString school;
    QString playerType;
    QList<ReportBoardRow> board;
    QList<ReportSolitaireRow> solitaire;
};

class ClassReport {
public:
    // The captions of a board-game file's square kinds by code; empty when
    // the file is not at hand.
    using KindCaptions = std::function<QHash<QString, QString>(const QString& boardFile)>;

    // Reads every "<name>.dat" of the folder (the scratch file "temp.dat"
    // aside), players sorted by file name without regard to letter case.
    static ClassReport Build(const QString& playerFolder, const KindCaptions& captions);
    // Captions from the board-game files of the program's data folder.
    static ClassReport Build(const QString& playerFolder);
    // The program folder's player folder.
    static QString PlayerFolder();
    // The kind captions of a board-game file of the data folder (opened
    // read-only); empty when it is not there or cannot be read.
    static QHash<QString, QString> DataFolderCaptions(const QString& boardFile);

    QList<ReportPlayer> Players;

    // RFC 4180: CR LF line ends, fields quoted where needed, UTF-8 with a
    // byte-order mark. Board rows first, then solitaire rows, then the files
    // that could not be read.
    QByteArray Csv() const;
    // One self-contained UTF-8 page: a table per board-game file, one for the
    // solitaire, sortable by a click on a header, laid out for printing.
    QByteArray Html() const;
};
