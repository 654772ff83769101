// `cmake --install` into a temporary prefix lays out a program that starts from
// its desktop entry, finds its read-only data below share/ and leaves the
// prefix untouched; the desktop entries and the AppStream file pass their
// validators.
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kDesktopEntry = QStringLiteral("share/applications/org.mordaventa.Vantorell.desktop");

struct Run {
    int exitCode = -1;
    QString out;
};

Run run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run result;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAll());
    return result;
}

// Every file below a folder with its size, to see that nothing changed.
QStringList listing(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        files << it.filePath() + QLatin1Char(' ') + QString::number(it.fileInfo().size());
    }
    files.sort();
    return files;
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void laysOutProgramDataAndDesktopFiles();
    void startsFromItsDesktopEntry();

private:
    QString prefixed(const QString& relative) const {
        return m_prefix + QLatin1Char('/') + relative;
    }
    QTemporaryDir m_dir;
    QString m_prefix;
};

void TestInstall::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_prefix = m_dir.filePath(QStringLiteral("usr"));
    const Run install = run(QStringLiteral(MORDAVENTA_CMAKE),
                            {QStringLiteral("--install"), QStringLiteral(MORDAVENTA_BUILD_DIR),
                             QStringLiteral("--prefix"), m_prefix});
    QVERIFY2(install.exitCode == 0, qPrintable(install.out));
}

void TestInstall::laysOutProgramDataAndDesktopFiles() {
    for (const char* file :
         {"bin/mordaventa", "bin/mordaventa-tool", "share/mordaventa/Dictionary/dictionary.dic",
          "share/mordaventa/Sounds/clap.wav", "share/mordaventa/Sounds/music/ode_to_joy.mid",
          "share/mordaventa/data/SpellingGrammar.mdb", "share/man/man1/mordaventa-tool.1",
          "share/icons/hicolor/16x16/apps/org.mordaventa.Vantorell.png",
          "share/icons/hicolor/256x256/apps/org.mordaventa.BoardGame.png",
          "share/icons/hicolor/scalable/apps/org.mordaventa.Vantorell.svg"})
        QVERIFY2(QFileInfo(prefixed(QLatin1String(file))).size() > 0, file);
    // The build tree's own players stay behind.
    QVERIFY(!QFileInfo::exists(prefixed(QStringLiteral("share/mordaventa/temp"))));

    const QStringList entries =
        QDir(prefixed(QStringLiteral("share/applications"))).entryList({"*.desktop"});
    QCOMPARE(entries.size(), 2);
    for (const QString& entry : entries) {
        const Run check = run(QStringLiteral("desktop-file-validate"),
                              {prefixed(QStringLiteral("share/applications/") + entry)});
        QVERIFY2(check.exitCode == 0 && check.out.isEmpty(), qPrintable(entry + check.out));
    }
    const Run metainfo =
        run(QStringLiteral("appstreamcli"),
            {QStringLiteral("validate"), QStringLiteral("--no-net"),
             prefixed(QStringLiteral("share/metainfo/org.mordaventa.Mordaventa.metainfo.xml"))});
    QVERIFY2(metainfo.exitCode == 0, qPrintable(metainfo.out));
}

void TestInstall::startsFromItsDesktopEntry() {
    QFile entry(prefixed(kDesktopEntry));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    QStringList exec;
    for (const QByteArray& line : entry.readAll().split('\n')) {
        if (line.startsWith("Exec="))
            exec = QString::fromUtf8(line.mid(5)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    QVERIFY(!exec.isEmpty());
    const QString program = prefixed(QStringLiteral("bin/") + exec.takeFirst());

    // A user of their own, with nothing else pointing elsewhere.
    const QString home = m_dir.filePath(QStringLiteral("home"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("MORDAVENTA_HOME"));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("MORDAVENTA_SILENT_AUDIO"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("mordaventa.debug=true"));
    // Up, first frame painted, then it closes itself.
    environment.insert(QStringLiteral("MORDAVENTA_EXIT_AFTER_SHOW"), QStringLiteral("1"));

    const QStringList before = listing(m_prefix);
    const Run game = run(program, exec, environment);
    QVERIFY2(game.exitCode == 0, qPrintable(game.out));
    QVERIFY2(game.out.contains(QLatin1String("table shown")), qPrintable(game.out));
    QVERIFY2(!game.out.contains(QLatin1String("word list not loaded")), qPrintable(game.out));
    QCOMPARE(listing(m_prefix), before);

    const Run tool = run(prefixed(QStringLiteral("bin/mordaventa-tool")),
                         {QStringLiteral("dictionary"), QStringLiteral("stats")}, environment);
    QVERIFY2(tool.exitCode == 0 && tool.out.contains(QLatin1String("words in all")),
             qPrintable(tool.out));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
