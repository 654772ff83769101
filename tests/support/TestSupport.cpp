#include "TestSupport.h"

#include "shell/AppSettings.h"
#include "shell/ui/ModalCloser.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>

TempProgramFolder::TempProgramFolder() {
    m_hadHome = qEnvironmentVariableIsSet("MORDAVENTA_HOME");
    m_previousHome = qgetenv("MORDAVENTA_HOME");
    QDir(m_dir.path()).mkpath(QStringLiteral("temp"));
    qputenv("MORDAVENTA_HOME", m_dir.path().toLocal8Bit());
    AppSettings::setStorageFile(m_dir.path() + QStringLiteral("/settings.ini"));
}

TempProgramFolder::~TempProgramFolder() {
    if (m_hadHome)
        qputenv("MORDAVENTA_HOME", m_previousHome);
    else
        qunsetenv("MORDAVENTA_HOME");
    AppSettings::setStorageFile(QString());
}

QString TempProgramFolder::file(const QString& relative) const {
    return m_dir.path() + QLatin1Char('/') + relative;
}

bool TempProgramFolder::write(const QString& relative, const QByteArray& bytes) const {
    const QString path = file(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

QByteArray TempProgramFolder::read(const QString& relative) const {
    QFile f(file(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool TempProgramFolder::copyFromBuild(const QString& relative) const {
    const QString source = QStringLiteral(MORDAVENTA_BUILD_HOME) + QLatin1Char('/') + relative;
    const QString target = file(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::remove(target);
    return QFile::copy(source, target);
}

MsgBoxRecorder::MsgBoxRecorder(std::initializer_list<MsgAnswer> answers) : m_answers(answers) {
    m_previous = setMsgBoxHandler([this](const MsgBoxRequest& request) {
        m_shown.append(request);
        if (m_answers.empty())
            return defaultAnswer(request.buttons);
        const MsgAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    });
}

MsgBoxRecorder::~MsgBoxRecorder() {
    setMsgBoxHandler(std::move(m_previous));
}

QStringList MsgBoxRecorder::texts() const {
    QStringList out;
    for (const MsgBoxRequest& request : m_shown)
        out << request.text;
    return out;
}

double ScriptedRandom::next() {
    if (m_values.isEmpty())
        return 0.0;
    const double value = m_values.at(qMin<qsizetype>(m_used, m_values.size() - 1));
    ++m_used;
    return value;
}

RandomScope::RandomScope(std::unique_ptr<RandomSource> source) {
    RandomSource::setInstance(std::move(source));
}

RandomScope::~RandomScope() {
    RandomSource::setInstance(nullptr);
}

namespace {
QByteArray shifted(const QByteArray& bytes, const QByteArray& passphrase, int direction) {
    QByteArray out = bytes;
    for (qsizetype p = 0; p < out.size(); ++p) {
        const int shift = uchar(passphrase.at((p + 1) % passphrase.size())) ^ 17;
        out[p] = char((uchar(out.at(p)) + direction * shift + 256) & 0xFF);
    }
    return out;
}
} // namespace

QByteArray referenceScramble(const QByteArray& plain, const QByteArray& passphrase) {
    return shifted(plain, passphrase, 1);
}

QByteArray referenceUnscramble(const QByteArray& bytes, const QByteArray& passphrase) {
    return shifted(bytes, passphrase, -1);
}

bool literalCheckWord(const QStringList& list, const QString& word) {
    if (word.isEmpty())
        return false;
    for (qsizetype i = 1; i < list.size(); ++i) {
        const QString& entry = list.at(i);
        bool matches = true;
        for (qsizetype k = 0; k < word.size() && matches; ++k)
            matches =
                word.at(k) == QLatin1Char('*') || (k < entry.size() && entry.at(k) == word.at(k));
        if (matches)
            return true;
    }
    return false;
}

ToolRun runTool(const QStringList& arguments, const QString& home) {
    QProcess process;
    if (!home.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("MORDAVENTA_HOME"), home);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(home);
    }
    process.start(QStringLiteral(MORDAVENTA_TOOL_PATH), arguments);
    ToolRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QStringList itemTexts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

namespace {

ModalCloser* g_startupCloser = nullptr;

// Windows open the start-up advertisement, and the board the board-file
// manager when it has no usable file, modally while they load; in every test
// these are closed as soon as they allow.
void InstallStartupWindowCloser() {
    // Not qApp: that casts to QApplication, which the tests without widgets
    // do not have.
    g_startupCloser = new ModalCloser({QStringLiteral("frmSplash"), QStringLiteral("frmBordFile")},
                                      QCoreApplication::instance());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallStartupWindowCloser)

int startupWindowsShown(const QString& objectName) {
    return g_startupCloser ? g_startupCloser->Shown(objectName) : 0;
}
