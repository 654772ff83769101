#include "app/ui/ModResFiles.h"

#include "app/ui/SingleCopy.h"

#include "boardgame/ui/frmDictation.h"
#include "report/ui/ClassReportExport.h"
#include "shell/Logging.h"
#include "shell/MsgBox.h"
#include "shell/ProgramFolder.h"
#include "shell/ui/FirstFrame.h"
#include "shell/ui/ModalCloser.h"
#include "shell/ui/MsgBoxDialog.h"
#include "shell/ui/OwnerPlacement.h"
#include "squares/ui/QuestionAndSpellingWindows.h"
#include "table/ui/frmSolitaire.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPaintEvent>
#include <QRegularExpression>
#include <QTimer>

#include <chrono>
#include <thread>

#include <fontconfig/fontconfig.h>

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

qint64 PeakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QRegularExpression hwm(QStringLiteral("VmHWM:\\s*(\\d+)"));
    return hwm.match(QString::fromLatin1(status.readAll())).captured(1).toLongLong();
}

// The start-up measurement: waits for the first paint of a game window, then
// reports from the event loop (so the whole frame is out) and quits.
class FirstFrameReport : public QObject {
public:
    static constexpr int kSettleMs = 100;

    FirstFrameReport(const QString& what, QElapsedTimer sinceStart, bool& measured)
        : QObject(qApp), m_what(what), m_sinceStart(sinceStart), m_measured(measured) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (m_seen || event->type() != QEvent::Paint || !widget || !widget->isWindow() ||
            (widget->objectName() != QLatin1String("frmSolitaire") &&
             widget->objectName() != QLatin1String("frmDictation")))
            return false;
        m_seen = true;
        QTimer::singleShot(0, this, [this] {
            // The monotonic clock lets a parent count from the exec.
            const qint64 now = std::chrono::duration_cast<std::chrono::microseconds>(
                                   std::chrono::steady_clock::now().time_since_epoch())
                                   .count();
            qCInfo(lcMordaventa).noquote()
                << QStringLiteral("%1 shown after %2 ms (shown at %3 us, peak %4 kB)")
                       .arg(m_what)
                       .arg(m_sinceStart.elapsed())
                       .arg(now)
                       .arg(PeakResidentKb());
            m_measured = true;
            // What the window does right after its first frame (the table's
            // word list, the board's file) still runs and reports in the log.
            QTimer::singleShot(kSettleMs, qApp, &QCoreApplication::quit);
        });
        return false;
    }

private:
    QString m_what;
    QElapsedTimer m_sinceStart;
    bool& m_measured;
    bool m_seen = false;
};

} // namespace

QString CommandLine(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}

StartMode ChooseMode(const QString& commandLine) {
    return commandLine == QLatin1String("BoardGame") ? StartMode::BoardGame : StartMode::Solitaire;
}

QWidget* OpenSolitaire(std::function<void()> shown) {
    auto* table = new frmSolitaire;
    if (shown)
        new FirstFrame(table, std::move(shown));
    table->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(table, &frmSolitaire::BoardGameRequested, table,
                     [table] { HandOverToBoardGame(table); });
    table->show();
    return table;
}

QWidget* OpenBoardGame(std::function<void()> shown) {
    frmDictation* window = NewBoardWindow();
    if (shown)
        new FirstFrame(window, std::move(shown));
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

    // Fontconfig reads its configuration and font caches (several
    // milliseconds) on a second core while Qt connects to the display, so the
    // window's first text finds them ready. Qt's own call to it then returns
    // at once.
    std::jthread fontsReady([] { FcInit(); });
    QApplication app(argc, argv);
    fontsReady.join();
    QApplication::setApplicationName(QStringLiteral("Mordaventa"));
    QApplication::setApplicationVersion(QStringLiteral(MORDAVENTA_VERSION));
    const bool measure = qEnvironmentVariableIsSet("MORDAVENTA_EXIT_AFTER_SHOW");
    // A measured run is watched by nobody: its messages go to the log
    // instead of waiting for an answer.
    if (!measure)
        InstallDialogMsgBox();
    OwnerPlacement::Install(app);

    SingleCopy single(ProgramFolder::userRoot());
    if (!single.IsFirst()) {
        if (!single.BringRunningCopyToFront())
            MsgBox(QStringLiteral("The game is already open on this computer."), MsgButtons::OK,
                   QStringLiteral("Mordaventa"), MsgIcon::Information);
        return 0;
    }

    bool measured = false;
    if (measure) {
        // Start-up measurement: once the first frame is painted, report and
        // quit. The start-up windows that follow are closed as soon as they
        // allow, so their modal loops end too.
        new ModalCloser({QStringLiteral("frmSplash"), QStringLiteral("frmBordFile")}, &app);
        new FirstFrameReport(mode == StartMode::BoardGame ? QStringLiteral("board")
                                                          : QStringLiteral("table"),
                             sinceStart, measured);
    }
    // Later copies are heard from once the window shows.
    const auto listen = [&single] { single.Listen(); };
    if (mode == StartMode::BoardGame)
        OpenBoardGame(listen);
    else
        OpenSolitaire(listen);
    return measured ? 0 : app.exec();
}

} // namespace ModResFiles
