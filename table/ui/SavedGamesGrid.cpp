#include "table/ui/SavedGamesGrid.h"

#include "shell/ui/ResPictures.h"
#include "shell/ui/WindowChrome.h"
#include "table/SavedGamesRules.h"
#include "table/SolitaireTimings.h"
#include "table/TableRules.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QMouseEvent>

namespace {

// A cell of the generic sort: two cells that both read as numbers compare by
// value (so 14 points rank above 2), anything else compares as text.
class GenericSortItem : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& other) const override {
        bool leftIsNumber = false;
        bool rightIsNumber = false;
        const double left = text().trimmed().toDouble(&leftIsNumber);
        const double right = other.text().trimmed().toDouble(&rightIsNumber);
        if (leftIsNumber && rightIsNumber)
            return left < right;
        return text() < other.text();
    }
};

} // namespace

SavedGamesGrid::SavedGamesGrid(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("FlexGrid"));
    setToolTip(QStringLiteral("View stats or restart game... "));
    setColumnCount(6);
    setHorizontalHeaderLabels({QString(), QStringLiteral("Date"), QStringLiteral("Points"),
                               QStringLiteral(" L"), QStringLiteral(" W"), QStringLiteral(" F")});
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    // The header band is 250 twips high, so every press on it sorts.
    horizontalHeader()->setFixedHeight(TableRules::TwipsToPixels(SavedGamesRules::HeaderBandTwips));
    verticalHeader()->setDefaultSectionSize(16);
    for (int c = 0; c < 6; ++c)
        setColumnWidth(c, TableRules::TwipsToPixels(SavedGamesRules::ColumnTwips[c]));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    horizontalHeader()->setMouseTracking(true);
    viewport()->installEventFilter(this);
    horizontalHeader()->viewport()->installEventFilter(this);
    setCursor(ResCursor(ResId::PointerNormal));
    setRowCount(1);
    for (int c = 0; c < 6; ++c)
        setItem(0, c, new QTableWidgetItem);
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previousRow, int) {
                if (row != previousRow)
                    Q_EMIT RowChanged();
            });
}

QString SavedGamesGrid::TextMatrix(int row, int column) const {
    if (row == 0) {
        const QTableWidgetItem* header = horizontalHeaderItem(column);
        return header ? header->text() : QString();
    }
    const QTableWidgetItem* cell = item(row - 1, column);
    return cell ? cell->text() : QString();
}

int SavedGamesGrid::CurrentGridRow() const {
    const int row = currentRow();
    return row < 0 ? (rowCount() > 0 ? 1 : 0) : row + 1;
}

QString SavedGamesGrid::CurrentText(int column) const {
    const int row = CurrentGridRow();
    return row == 0 ? QString() : TextMatrix(row, column);
}

void SavedGamesGrid::Fill(const SavedGameCollection& games) {
    const QSignalBlocker block(this);
    setSortingEnabled(false);
    clearContents();
    setRowCount(1);
    for (int c = 0; c < 6; ++c)
        setItem(0, c, new QTableWidgetItem);
    // The first entry fills the empty row, every later one gets a row of its
    // own (also when an entry carries no date to tell the row is taken).
    bool firstRowTaken = false;
    for (const ClassSavedGameInfo& entry : games) {
        if (entry.GameType != QLatin1String("Solitaire"))
            continue;
        if (firstRowTaken)
            setRowCount(rowCount() + 1);
        firstRowTaken = true;
        const int row = rowCount() - 1;
        const QStringList cells = SavedGamesRules::RowCells(entry);
        for (int c = 0; c < 6; ++c) {
            auto* cell = new GenericSortItem(cells[c]);
            if (c >= 2)
                cell->setTextAlignment(Qt::AlignCenter);
            setItem(row, c, cell);
        }
    }
    setCurrentCell(0, 1);
    SetSelectionColour(SolitaireTimings::GridSelection);
}

void SavedGamesGrid::SetSelectionColour(quint32 bgr) {
    m_selectionColour = bgr;
    QPalette p = palette();
    const QColor colour = WindowChrome::ColorFromBgr(bgr);
    p.setColor(QPalette::Active, QPalette::Highlight, colour);
    p.setColor(QPalette::Inactive, QPalette::Highlight, colour);
    p.setColor(QPalette::Active, QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    setPalette(p);
}

void SavedGamesGrid::SortByColumn(int column) {
    SetSelectionColour(SolitaireTimings::GridSelectionSorting);
    if (m_tag != QLatin1String("D")) {
        sortItems(column, Qt::DescendingOrder);
        m_tag = QStringLiteral("D");
    } else {
        sortItems(column, Qt::AscendingOrder);
        m_tag = QStringLiteral("A");
    }
    SetSelectionColour(SolitaireTimings::GridSelection);
}

void SavedGamesGrid::GridPressed(int yInGrid) {
    m_lastPressTwips = TableRules::PixelsToTwips(yInGrid);
    setCursor(ResCursor(ResId::PointerPressed));
}

void SavedGamesGrid::GridClicked(int column) {
    setCursor(ResCursor(ResId::PointerNormal));
    if (m_lastPressTwips < SavedGamesRules::HeaderBandTwips && column >= 0)
        SortByColumn(column);
}

void SavedGamesGrid::GridMoved(int xInGrid) {
    setToolTip(SavedGamesRules::ToolTipAt(TableRules::PixelsToTwips(xInGrid)));
}

bool SavedGamesGrid::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (w && (event->type() == QEvent::MouseButtonPress ||
              event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseMove)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint inGrid = w->mapTo(this, mouse->position().toPoint());
        if (event->type() == QEvent::MouseButtonPress) {
            GridPressed(inGrid.y());
        } else if (event->type() == QEvent::MouseButtonRelease) {
            int column = columnAt(inGrid.x() - viewport()->x() + horizontalOffset());
            if (column < 0)
                column = currentColumn();
            GridClicked(column);
        } else {
            GridMoved(inGrid.x());
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

void SavedGamesGrid::focusInEvent(QFocusEvent* event) {
    SetSelectionColour(SolitaireTimings::GridSelection);
    QTableWidget::focusInEvent(event);
}

void SavedGamesGrid::focusOutEvent(QFocusEvent* event) {
    SetSelectionColour(SolitaireTimings::GridSelectionSorting);
    QTableWidget::focusOutEvent(event);
}
