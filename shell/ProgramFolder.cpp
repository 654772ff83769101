#include "shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ProgramFolder {

namespace {

QString executableFolder() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // No application object yet (early start-up, command-line helpers).
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    return QFileInfo(self.symLinkTarget()).absolutePath();
}

QString stripTrailingSeparators(QString path) {
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

} // namespace

QString root() {
    const QString home = qEnvironmentVariable("MORDAVENTA_HOME");
    if (!home.isEmpty())
        return stripTrailingSeparators(QDir::cleanPath(home));
    return stripTrailingSeparators(executableFolder());
}

QString resolveUnder(const QString& base, const QString& relative) {
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = base.isEmpty() ? QStringLiteral("/") : base;

    const QString exact =
        QDir::cleanPath(current + QLatin1Char('/') + parts.join(QLatin1Char('/')));
    if (parts.isEmpty() || QFileInfo::exists(exact))
        return exact;

    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        QString next = current + QLatin1Char('/') + part;
        if (!QFileInfo::exists(next)) {
            const QDir dir(current);
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden |
                                                      QDir::System | QDir::NoDotAndDotDot);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    next = current + QLatin1Char('/') + entry;
                    break;
                }
            }
        }
        current = next;
    }
    return QDir::cleanPath(current);
}

QString resolve(const QString& relative) {
    return resolveUnder(root(), relative);
}

} // namespace ProgramFolder
