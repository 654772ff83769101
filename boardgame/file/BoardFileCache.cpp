#include "boardgame/file/BoardFileCache.h"

#include "boardgame/file/BoardFileChecks.h"
#include "shell/AppSettings.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

namespace {

const QString kApplication = QStringLiteral("BoardGame");
const QString kSection = QStringLiteral("FileChecks");
// Raised when the checks change, so older answers are not taken for new ones.
const QString kFormat = QStringLiteral("1");

// One key per file: its full path, with the separators a settings key must
// not hold encoded.
QString KeyOf(const QFileInfo& file) {
    return QString::fromLatin1(QUrl::toPercentEncoding(file.absoluteFilePath()));
}

QJsonArray Stamp(const QFileInfo& file) {
    return {kFormat, QString::number(file.size()),
            QString::number(file.lastModified().toMSecsSinceEpoch())};
}

} // namespace

namespace BoardFileCache {

std::optional<BoardFileCheck> Remembered(const QFileInfo& file) {
    const QString text = AppSettings::GetSetting(kApplication, kSection, KeyOf(file));
    if (text.isEmpty())
        return std::nullopt;
    const QJsonArray a = QJsonDocument::fromJson(text.toUtf8()).array();
    const QFileInfo& now = file;
    const QJsonArray stamp = Stamp(now);
    if (a.size() != 10 || a.at(0) != stamp.at(0) || a.at(1) != stamp.at(1) ||
        a.at(2) != stamp.at(2))
        return std::nullopt;
    BoardFileCheck check;
    check.usable = a.at(3).toString() == QLatin1String("1");
    if (check.usable) {
        BoardFileRow& row = check.row;
        row.fileName = file.fileName();
        row.sizeText = BoardFileSizeText(now.size());
        row.boardErrors = a.at(4).toString();
        row.spellEasy = a.at(5).toString();
        row.spellMedium = a.at(6).toString();
        row.spellHard = a.at(7).toString();
        row.questions = a.at(8).toString();
        row.description = a.at(9).toString();
    }
    return check;
}

void Remember(const QFileInfo& file, const BoardFileCheck& check) {
    // Stamped as the check left the file (unchanged: the refill it tries is
    // kept in memory and rolled back).
    QJsonArray a = Stamp(QFileInfo(file.absoluteFilePath()));
    const BoardFileRow& row = check.row;
    a << (check.usable ? QStringLiteral("1") : QStringLiteral("0")) << row.boardErrors
      << row.spellEasy << row.spellMedium << row.spellHard << row.questions << row.description;
    AppSettings::SaveSetting(kApplication, kSection, KeyOf(file),
                             QString::fromUtf8(QJsonDocument(a).toJson(QJsonDocument::Compact)));
}

} // namespace BoardFileCache

BoardFileCheckRun::BoardFileCheckRun(QFileInfoList files, QObject* parent)
    : QObject(parent), m_files(std::move(files)) {
    m_results.reserve(size_t(m_files.size()));
    m_thread = std::thread([this] { Work(); });
}

BoardFileCheckRun::~BoardFileCheckRun() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

void BoardFileCheckRun::Work() {
    for (const QFileInfo& file : m_files) {
        if (m_stop)
            return;
        BoardFileCheck check;
        if (std::optional<BoardFileRow> row = CheckBoardFile(file)) {
            check.usable = true;
            check.row = std::move(*row);
        }
        {
            std::lock_guard lock(m_mutex);
            m_results.push_back(std::move(check));
        }
        // Queued to this object: dropped by Qt if the run is gone by then.
        QMetaObject::invokeMethod(this, &BoardFileCheckRun::Deliver, Qt::QueuedConnection);
    }
}

void BoardFileCheckRun::Deliver() {
    for (;;) {
        BoardFileCheck check;
        {
            std::lock_guard lock(m_mutex);
            if (m_delivered >= qsizetype(m_results.size()))
                return;
            check = m_results[size_t(m_delivered)];
        }
        const QFileInfo& file = m_files.at(m_delivered++);
        emit Checked(file, check);
    }
}

void BoardFileCheckRun::Finish() {
    if (m_thread.joinable())
        m_thread.join();
    Deliver();
}
