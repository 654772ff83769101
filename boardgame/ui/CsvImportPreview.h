#pragma once
// What a CSV file would bring into the board, row by row, before anything is
// imported: usable rows as they will be added, unusable ones marked with the
// reason. Modal; Import accepts.
#include "boardgame/file/BoardCsvImport.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

class CsvImportPreview : public QDialog {
    Q_OBJECT
public:
    enum Column { Line, Kind, Item, Status, Columns };
    CsvImportPreview(const QString& fileName, const BoardCsvRows& rows, QWidget* parent);

    QTableWidget* tblPreview = nullptr;
    QLabel* lblSummary = nullptr;
    QPushButton* cmdImport = nullptr;
    QPushButton* cmdCancel = nullptr;
};
