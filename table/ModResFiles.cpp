#include "table/ModResFiles.h"

#include "shell/MsgBoxDialog.h"
#include "table/frmSolitaire.h"

#include <QApplication>

#include <cstdio>

namespace ModResFiles {

QString CommandLine(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}

StartMode ChooseMode(const QString& commandLine) {
    return commandLine == QLatin1String("BoardGame") ? StartMode::BoardGame : StartMode::Solitaire;
}

int Main(int argc, char** argv) {
    // Taken before QApplication parses (and strips) its own options.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    if (ChooseMode(CommandLine(arguments)) == StartMode::BoardGame) {
        std::fputs("mordaventa: the board game is not part of this build yet.\n", stderr);
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mordaventa"));
    QApplication::setApplicationVersion(QStringLiteral(MORDAVENTA_VERSION));
    InstallDialogMsgBox();

    auto* table = new frmSolitaire;
    table->setAttribute(Qt::WA_DeleteOnClose);
    table->show();
    return app.exec();
}

} // namespace ModResFiles
