#include "boardgame/ui/CsvImportPreview.h"

#include "boardgame/ui/BoardEditorLook.h"
#include "shell/ui/WindowChrome.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

struct PreviewRow {
    int line = 0;
    QString kind;
    QString item;
    QString status;
    bool usable = true;
};

QString difficultyName(int level) {
    return level == -1   ? QStringLiteral("easy")
           : level == -2 ? QStringLiteral("medium")
                         : QStringLiteral("hard");
}

} // namespace

CsvImportPreview::CsvImportPreview(const QString& fileName, const BoardCsvRows& rows,
                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmCsvPreview"));
    setWindowTitle(QStringLiteral("Import %1").arg(fileName));
    resize(760, 480);
    WindowChrome::SetBackground(this, BoardEditorLook::Paper());

    QList<PreviewRow> shown;
    for (const BoardCsvWord& w : rows.words)
        shown.append({w.line, QStringLiteral("Word (%1)").arg(difficultyName(w.word.level)),
                      w.word.word + QStringLiteral(": ") + w.word.definition,
                      w.word.sound.isEmpty() && w.sayAs.isEmpty()
                          ? QStringLiteral("OK; the voice will speak it")
                      : w.word.sound.isEmpty()
                          ? QStringLiteral("OK; the voice will say \"%1\"").arg(w.sayAs)
                          : QStringLiteral("OK"),
                      true});
    for (const BoardCsvQuestion& q : rows.questions)
        shown.append({q.line, QStringLiteral("Question (%1)").arg(q.category), q.question.text,
                      QStringLiteral("OK: %1 choices").arg(q.question.answers.size()), true});
    for (const BoardCsvProblem& p : rows.problems)
        shown.append({p.line, QString(), QString(),
                      QStringLiteral("Cannot be used: %1").arg(p.reason), false});
    std::stable_sort(shown.begin(), shown.end(),
                     [](const PreviewRow& a, const PreviewRow& b) { return a.line < b.line; });

    auto* column = new QVBoxLayout(this);
    lblSummary = WindowChrome::MakeLabel(this, "lblSummary");
    const qsizetype usable = rows.words.size() + rows.questions.size();
    lblSummary->setText(
        QStringLiteral("%1 rows can be imported; %2 cannot be used and are marked below.")
            .arg(usable)
            .arg(rows.problems.size()));
    column->addWidget(lblSummary);
    tblPreview = new QTableWidget(int(shown.size()), Columns, this);
    tblPreview->setObjectName(QStringLiteral("tblPreview"));
    tblPreview->setAccessibleName(QStringLiteral("Rows of the file"));
    tblPreview->setHorizontalHeaderLabels({QStringLiteral("Line"), QStringLiteral("Kind"),
                                           QStringLiteral("Item"), QStringLiteral("Status")});
    tblPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPreview->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblPreview->verticalHeader()->hide();
    tblPreview->horizontalHeader()->setStretchLastSection(true);
    const QColor unusable(0xf8, 0xc8, 0xc0);
    for (int r = 0; r < shown.size(); ++r) {
        const PreviewRow& row = shown[r];
        const QString cells[Columns] = {QString::number(row.line), row.kind, row.item, row.status};
        for (int c = 0; c < Columns; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (!row.usable)
                item->setBackground(unusable);
            tblPreview->setItem(r, c, item);
        }
    }
    tblPreview->resizeColumnsToContents();
    tblPreview->setColumnWidth(Item, qMin(tblPreview->columnWidth(Item), 320));
    column->addWidget(tblPreview);

    auto* buttons = new QHBoxLayout;
    cmdImport = new QPushButton(QStringLiteral("&Import %1 rows").arg(usable), this);
    cmdImport->setObjectName(QStringLiteral("cmdImport"));
    cmdImport->setEnabled(usable > 0);
    cmdImport->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addStretch();
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdCancel);
    column->addLayout(buttons);
    connect(cmdImport, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    WindowChrome::MakeAccessible(this);
}
