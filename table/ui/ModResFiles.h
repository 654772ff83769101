#pragma once
// Program entry: chooses the solitaire table or the board game from the whole
// command line and runs the event loop until the last window closes.
#include <QStringList>

namespace ModResFiles {

enum class StartMode { Solitaire, BoardGame };

// The whole command line after the program name, as one text.
QString CommandLine(const QStringList& arguments);
// Only exactly "BoardGame" (case and blanks included) selects the board game.
StartMode ChooseMode(const QString& commandLine);

int Main(int argc, char** argv);

} // namespace ModResFiles
