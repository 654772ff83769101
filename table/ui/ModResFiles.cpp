#include "table/ui/ModResFiles.h"

#include "shell/Logging.h"
#include "shell/ui/MsgBoxDialog.h"
#include "table/ui/frmSolitaire.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

namespace ModResFiles {

QString CommandLine(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}

StartMode ChooseMode(const QString& commandLine) {
    return commandLine == QLatin1String("BoardGame") ? StartMode::BoardGame : StartMode::Solitaire;
}

int Main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
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
    if (qEnvironmentVariableIsSet("MORDAVENTA_EXIT_AFTER_SHOW")) {
        // Start-up measurement: once the first frame is painted, report and quit.
        QTimer::singleShot(0, &app, [&] {
            qCInfo(lcMordaventa).noquote()
                << QStringLiteral("table shown after %1 ms").arg(sinceStart.elapsed());
            QCoreApplication::quit();
        });
    }
    return app.exec();
}

} // namespace ModResFiles
