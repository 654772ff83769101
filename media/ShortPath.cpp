#include "media/ShortPath.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace ShortPath {

namespace {

QString aliasFolder() {
    static const QString folder = [] {
        QString base = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
        if (base.contains(QLatin1Char(' ')))
            base = QStringLiteral("/tmp");
        const QString path = base + QStringLiteral("/mordaventa-short-") +
                             QString::number(QCoreApplication::applicationPid());
        QDir().mkpath(path);
        return path;
    }();
    return folder;
}

} // namespace

QString GetShortPathName(const QString& longPath) {
    const QFileInfo info(longPath);
    if (!info.exists())
        return QString();
    if (!longPath.contains(QLatin1Char(' ')))
        return longPath;

    const QString absolute = info.absoluteFilePath();
    const QByteArray digest =
        QCryptographicHash::hash(absolute.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    QString suffix = info.suffix();
    suffix.remove(QLatin1Char(' '));
    const QString alias = aliasFolder() + QLatin1Char('/') + QString::fromLatin1(digest) +
                          (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
    if (QFileInfo(alias).symLinkTarget() != absolute) {
        QFile::remove(alias);
        if (!QFile::link(absolute, alias))
            return QString();
    }
    return alias;
}

} // namespace ShortPath
