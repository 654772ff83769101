#include "app/ui/ModResFiles.h"

#include "app/ui/SingleCopy.h"

#include "boardgame/ui/frmDictation.h"
#include "report/ui/ClassReportExport.h"
#include "shell/Logging.h"
#include "shell/MsgBox.h"
#include "shell/ProgramFolder.h"
#include "shell/ui/ModalCloser.h"
#include "shell/ui/MsgBoxDialog.h"
#include "shell/ui/OwnerPlacement.h"
#include "squares/ui/QuestionAndSpellingWindows.h"
#include "table/ui/frmSolitaire.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace ModResFiles {

namespace {

frmDictation* NewBoardWindow() {
    auto* window = new frmDictation(std::make_unique<QuestionAndSpellingWindows>());
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &frmDictation::SolitaireRequested, [] { OpenSolitaire(); });
    QObject::connect(window, &frmDictation::ClassReportRequested, window, [window] {
        ClassReportExport::WriteAndShow(window, &ClassReportExport::DefaultSaveDialog);
    });
    return window;
}

} // namespace

QString CommandLine(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}

StartMode ChooseMode(const QString& commandLine) {
    return commandLine == QLatin1String("BoardGame") ? StartMode::BoardGame : StartMode::Solitaire;
}

QWidget* OpenSolitaire() {
    auto* table = new frmSolitaire;
    table->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(table, &frmSolitaire::BoardGameRequested, table,
                     [table] { HandOverToBoardGame(table); });
    table->show();
    return table;
}

QWidget* OpenBoardGame() {
    frmDictation* window = NewBoardWindow();
    window->show();
    window->LoadForm();
    return window;
}

void HandOverToBoardGame(QWidget* table) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    table->hide();
    frmDictation* window = NewBoardWindow();
    window->show();
    table->close();
    QApplication::restoreOverrideCursor();
    window->LoadForm();
}

int Main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    // Taken before QApplication parses (and strips) its own options.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const StartMode mode = ChooseMode(CommandLine(arguments));

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mordaventa"));
    QApplication::setApplicationVersion(QStringLiteral(MORDAVENTA_VERSION));
    InstallDialogMsgBox();
    OwnerPlacement::Install(app);

    SingleCopy single(ProgramFolder::userRoot());
    if (!single.IsFirst()) {
        if (!single.BringRunningCopyToFront())
            MsgBox(QStringLiteral("The game is already open on this computer."), MsgButtons::OK,
                   QStringLiteral("Mordaventa"), MsgIcon::Information);
        return 0;
    }

    const bool measure = qEnvironmentVariableIsSet("MORDAVENTA_EXIT_AFTER_SHOW");
    bool measured = false;
    if (measure) {
        // Start-up measurement: once the first frame is painted, report and
        // quit. The start-up windows that follow are closed as soon as they
        // allow, so their modal loops end too.
        new ModalCloser({QStringLiteral("frmSplash"), QStringLiteral("frmBordFile")}, &app);
        QTimer::singleShot(0, &app, [&] {
            qCInfo(lcMordaventa).noquote()
                << QStringLiteral("%1 shown after %2 ms")
                       .arg(mode == StartMode::BoardGame ? QStringLiteral("board")
                                                         : QStringLiteral("table"))
                       .arg(sinceStart.elapsed());
            measured = true;
            QCoreApplication::quit();
        });
    }
    if (mode == StartMode::BoardGame)
        OpenBoardGame();
    else
        OpenSolitaire();
    return measured ? 0 : app.exec();
}

} // namespace ModResFiles
