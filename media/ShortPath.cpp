#include "media/ShortPath.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace ShortPath {

namespace {

// Anything the command interpreter would split a path at, or take as a quote.
bool needsAlias(const QString& path) {
    for (const QChar c : path) {
        if (c.isSpace() || c == QLatin1Char('"'))
            return true;
    }
    return false;
}

// The private folder of the aliases; removed with its links when the program
// ends, so no links pile up in the temporary folder.
const QTemporaryDir& aliasFolder() {
    static const QTemporaryDir folder = [] {
        QString base = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
        if (base.isEmpty() || needsAlias(base))
            base = QStringLiteral("/tmp");
        return QTemporaryDir(base + QStringLiteral("/mordaventa-short-XXXXXX"));
    }();
    return folder;
}

} // namespace

QString GetShortPathName(const QString& longPath) {
    const QFileInfo info(longPath);
    if (longPath.isEmpty() || !info.exists())
        return QString();
    if (!needsAlias(longPath))
        return longPath;

    const QTemporaryDir& folder = aliasFolder();
    if (!folder.isValid() || needsAlias(folder.path()))
        return QString();
    const QString absolute = QDir::cleanPath(info.absoluteFilePath());
    const QByteArray digest =
        QCryptographicHash::hash(absolute.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    QString suffix = info.suffix();
    suffix.removeIf([](QChar c) { return c.isSpace() || c == QLatin1Char('"'); });
    const QString alias = folder.path() + QLatin1Char('/') + QString::fromLatin1(digest) +
                          (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
    if (QFileInfo(alias).symLinkTarget() != absolute) {
        QFile::remove(alias);
        if (!QFile::link(absolute, alias))
            return QString();
    }
    return alias;
}

} // namespace ShortPath
