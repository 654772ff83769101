#include "boardgame/ui/frmBoardStats.h"

#include "players/ClassPlayerInfo.h"
#include "players/ui/PlayerFileMessages.h"
#include "shell/Logging.h"
#include "shell/MsgBox.h"
#include "shell/ui/WindowChrome.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 330;
constexpr int kCaptionHeight = 22;
constexpr int kColumns = 6;
// Column widths in twips (15 to a pixel); the ID column is hidden.
constexpr int kColumnTwips[kColumns] = {150, 2700, 900, 900, 1500, 0};
const char* const kHeaders[kColumns] = {"", "Category", "Answer", " Wrong", "Question Count", "ID"};

} // namespace

frmBoardStats::frmBoardStats(ClassPlayerInfo& player, dao::Database& database, QWidget* owner)
    : QDialog(owner), m_player(player) {
    setObjectName(QStringLiteral("frmBoardStats"));
    setModal(true);
    setFixedSize(kWidth, kHeight);
    WindowChrome::SetBackground(this, QColor(0xf4, 0xea, 0xcb));

    const WindowChrome::CaptionBar bar = WindowChrome::AddCaptionStrip(
        this, player.NickName + QStringLiteral(" your Board-Game status..."), kCaptionHeight);
    lblFormCaption = bar.caption;
    lblClose = bar.close;
    lblFormCaption->setIndent(10); // clear of the rounded corner
    WindowChrome::SetBackground(lblFormCaption, QColor(192, 255, 192));
    setWindowTitle(lblFormCaption->text());
    connect(bar.closeButton, &WindowChrome::LabelButton::clicked, this, &QDialog::accept);

    Image1 = WindowChrome::MakeLabel(this, "Image1");
    Image1->setScaledContents(true);
    Image1->setGeometry(12, kCaptionHeight + 12, 43, 50);

    FlexGrid = new QTableWidget(this);
    FlexGrid->setObjectName(QStringLiteral("FlexGrid"));
    FlexGrid->setGeometry(66, kCaptionHeight + 12, kWidth - 78, kHeight - kCaptionHeight - 60);
    FlexGrid->setColumnCount(kColumns);
    QStringList headers;
    for (const char* header : kHeaders)
        headers << QLatin1String(header);
    FlexGrid->setHorizontalHeaderLabels(headers);
    for (int c = 0; c < kColumns; ++c) {
        FlexGrid->setColumnWidth(c, kColumnTwips[c] / 15);
        FlexGrid->setColumnHidden(c, kColumnTwips[c] == 0);
    }
    FlexGrid->verticalHeader()->hide();
    FlexGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FlexGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    FlexGrid->setStyleSheet(QStringLiteral("QTableWidget { selection-background-color: #c0ffff; "
                                           "selection-color: black; }"));

    cmdReset = new QPushButton(QStringLiteral("Reset"), this);
    cmdReset->setObjectName(QStringLiteral("cmdReset"));
    cmdReset->setGeometry(kWidth - 200, kHeight - 38, 88, 28);
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(kWidth - 102, kHeight - 38, 88, 28);
    WindowChrome::AttachPressPointer(cmdReset);
    WindowChrome::AttachPressPointer(cmdClose);
    connect(cmdReset, &QPushButton::clicked, this, &frmBoardStats::cmdReset_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    try {
        m_kinds = BoardStatus::ReadSquareCounts(database);
    } catch (const dao::DaoError& e) {
        qCWarning(lcMordaventa) << "cannot read the square counts:" << e.Description();
    }
    FillGrid();
    WindowChrome::MakeFrameless(this);
}

void frmBoardStats::LoadBoardStats(QWidget* owner, ClassPlayerInfo& player, const QPixmap& picture,
                                   dao::Database& database) {
    frmBoardStats window(player, database, owner);
    window.Image1->setPixmap(picture);
    window.exec();
}

void frmBoardStats::FillGrid() {
    const QList<BoardStatsRow> rows = BoardStatus::Rows(BoardStatus::Text(m_player), m_kinds);
    FlexGrid->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const BoardStatsRow& row = rows[r];
        const QString cells[kColumns] = {QString(), row.caption, row.right,
                                         row.wrong, row.count,   row.squareId};
        for (int c = 0; c < kColumns; ++c)
            FlexGrid->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
}

QString frmBoardStats::TextMatrix(int row, int column) const {
    if (row == 0) {
        const QTableWidgetItem* header = FlexGrid->horizontalHeaderItem(column);
        return header ? header->text() : QString();
    }
    const QTableWidgetItem* item = FlexGrid->item(row - 1, column);
    return item ? item->text() : QString();
}

int frmBoardStats::GridRows() const {
    return FlexGrid->rowCount() + 1;
}

void frmBoardStats::cmdReset_Click() {
    // A player with no entry for this file has nothing to reset.
    if (m_player.SavedGamesIndex.isEmpty() || !m_player.SavedGames.Find(m_player.SavedGamesIndex))
        return;
    // The counters are gone for good once the file is written.
    if (MsgBox(QStringLiteral("Set all of ") + m_player.NickName +
                   QStringLiteral("'s results on this board back to zero?\nThis cannot be undone."),
               MsgButtons::YesNo, QStringLiteral("Reset"), MsgIcon::Question,
               this) != MsgAnswer::Yes)
        return;
    // A reset starts the record anew.
    if (!BoardStatus::SetText(m_player, BoardStatus::New(m_kinds)))
        return;
    FillGrid();
    // The record stays with its seat, so the board's next save tries again.
    if (!m_player.SavePlayer()) {
        qCWarning(lcMordaventa) << "could not write the player file of" << m_player.NickName;
        ShowPlayerFileNotWritten(m_player.NickName, this);
    }
}
