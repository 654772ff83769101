// `cmake --install` into a temporary prefix, the validators of the desktop
// files, and the program started as its desktop entry says.
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The exit code (-1 when the program did not end normally) and its output.
std::pair<int, QString>
run(const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ended =
        process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1, QString::fromUtf8(process.readAll())};
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void installsAndStartsFromItsDesktopEntry();
};

void TestInstall::installsAndStartsFromItsDesktopEntry() {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("usr"));
    const auto [installed, log] = run(QStringLiteral(MORDAVENTA_CMAKE),
                                      {"--install", MORDAVENTA_BUILD_DIR, "--prefix", prefix});
    QVERIFY2(installed == 0, qPrintable(log));
    const QDir share(prefix + QStringLiteral("/share"));
    for (const char* file : {"mordaventa/Dictionary/dictionary.dic", "mordaventa/Sounds/clap.wav",
                             "mordaventa/data/SpellingGrammar.mdb", "man/man1/mordaventa-tool.1",
                             "icons/hicolor/16x16/apps/org.mordaventa.Vantorell.png",
                             "icons/hicolor/scalable/apps/org.mordaventa.BoardGame.svg"})
        QVERIFY2(QFileInfo(share.filePath(QLatin1String(file))).size() > 0, file);
    QVERIFY(!share.exists(QStringLiteral("mordaventa/temp"))); // the build tree's players

    const QStringList checks = {
        "desktop-file-validate " + share.filePath("applications/org.mordaventa.Vantorell.desktop"),
        "desktop-file-validate " + share.filePath("applications/org.mordaventa.BoardGame.desktop"),
        "appstreamcli validate --no-net " +
            share.filePath("metainfo/org.mordaventa.Mordaventa.metainfo.xml")};
    for (const QString& check : checks) {
        const QStringList words = check.split(QLatin1Char(' '));
        const auto [code, out] = run(words.first(), words.mid(1));
        QVERIFY2(code == 0, qPrintable(check + QLatin1Char('\n') + out));
    }

    QSettings entry(share.filePath("applications/org.mordaventa.Vantorell.desktop"),
                    QSettings::IniFormat);
    QStringList exec = entry.value("Desktop Entry/Exec").toString().split(QLatin1Char(' '));
    // A user of its own; the program quits once the table is painted.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("MORDAVENTA_HOME"));
    for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
        environment.insert(QLatin1String(name), dir.filePath(QLatin1String(name)));
    for (const char* name : {"MORDAVENTA_SILENT_AUDIO", "MORDAVENTA_EXIT_AFTER_SHOW"})
        environment.insert(QLatin1String(name), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const auto [code, out] =
        run(prefix + QStringLiteral("/bin/") + exec.takeFirst(), exec, environment);
    QVERIFY2(code == 0 && out.contains(QLatin1String("table shown")) &&
                 !out.contains(QLatin1String("word list not loaded")),
             qPrintable(out));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
