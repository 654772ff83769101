#pragma once
// "Class Report" in the board window: the class report of this machine's
// players written as one HTML page to a file the user chooses, then opened in
// the desktop's browser.
#include <QString>

#include <functional>

class QWidget;

namespace ClassReportExport {

// Asks where to write: given the window and a suggested path, the chosen
// path, or "" when cancelled. Tests put their own in the window.
using SaveDialog = std::function<QString(QWidget* parent, const QString& suggested)>;
QString DefaultSaveDialog(QWidget* parent, const QString& suggested);

// Builds the report, writes it (the old file at that path is replaced only by
// a complete page) and opens it. Returns the path written; "" when the user
// cancelled or the file could not be written (which has been shown).
QString WriteAndShow(QWidget* parent, const SaveDialog& dialog);

} // namespace ClassReportExport
