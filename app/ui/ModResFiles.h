#pragma once
// Program entry: chooses the solitaire table or the board game from the whole
// command line and runs the event loop until the last window closes. The
// hand-over between the two games goes through here, so neither window knows
// the other.
#include <QStringList>

#include <functional>

class QWidget;

namespace ModResFiles {

enum class StartMode { Solitaire, BoardGame };

// The whole command line after the program name, as one text.
QString CommandLine(const QStringList& arguments);
// Only exactly "BoardGame" (case and blanks included) selects the board game.
StartMode ChooseMode(const QString& commandLine);

// A new solitaire table, shown; `shown` runs once its first frame is out.
QWidget* OpenSolitaire(std::function<void()> shown = {});
// A new board window, shown and loaded (its "Vantorell" opens a new table);
// `shown` runs once its first frame is out.
QWidget* OpenBoardGame(std::function<void()> shown = {});
// The table's "Board Game": the table is hidden, the board window shown and
// the table closed (which writes its player file).
void HandOverToBoardGame(QWidget* table);

int Main(int argc, char** argv);

} // namespace ModResFiles
