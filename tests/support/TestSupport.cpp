#include "TestSupport.h"

#include "shell/AppSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

MsgBoxRecorder::MsgBoxRecorder() {
    m_previous = setMsgBoxHandler([this](const MsgBoxRequest& request) {
        m_shown.append(request);
        if (m_answers.empty())
            return defaultAnswer(request.buttons);
        const MsgAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    });
}

MsgBoxRecorder::~MsgBoxRecorder() { setMsgBoxHandler(std::move(m_previous)); }

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

RandomScope::~RandomScope() { RandomSource::setInstance(nullptr); }
