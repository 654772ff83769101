#include "shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace ProgramFolder {

namespace {

// Where an installed program finds its data, relative to its executable.
const QString kInstalledDataFolder = QStringLiteral("../share/mordaventa");
// The folder name below the user's data location.
const QString kUserFolderName = QStringLiteral("mordaventa");
// The first path components that belong to the user folder.
const QString kPlayerFolder = QStringLiteral("temp");
const QString kBoardFolder = QStringLiteral("data");
// What marks the folder above the executable's as a build tree.
const QString kBuildTreeMark = QStringLiteral("CMakeCache.txt");

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

QString firstComponent(const QString& relative) {
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return rel.section(QLatin1Char('/'), 0, 0, QString::SectionSkipEmpty);
}

bool isFirst(const QString& relative, const QString& folder) {
    return firstComponent(relative).compare(folder, Qt::CaseInsensitive) == 0;
}

// Player files hold passwords: a user folder made here is the user's alone,
// so that other accounts of the machine cannot even list it. Its temp/ is
// made too, so that the player folder is always found under its own name.
void ensureUserFolder(const Layout& layout) {
    if (layout.userRoot == layout.dataRoot)
        return;
    if (!QFileInfo::exists(layout.userRoot)) {
        if (!QDir().mkpath(layout.userRoot))
            return;
        QFile::setPermissions(layout.userRoot, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner);
    }
    const QDir user(layout.userRoot);
    if (!user.exists(kPlayerFolder))
        user.mkpath(kPlayerFolder);
}

} // namespace

Layout chooseLayout(const QString& homeVariable, const QString& executableFolder,
                    const QString& userDataFolder) {
    if (!homeVariable.isEmpty()) {
        const QString home = stripTrailingSeparators(QDir::cleanPath(homeVariable));
        return {home, home};
    }
    const QString beside = stripTrailingSeparators(QDir::cleanPath(executableFolder));
    const QString installed = QDir::cleanPath(beside + QLatin1Char('/') + kInstalledDataFolder);
    // An installed program never writes below its prefix, even when the
    // prefix happens to be writable (root, a prefix of one's own).
    if (QFileInfo(installed).isDir())
        return {installed, stripTrailingSeparators(QDir::cleanPath(userDataFolder))};
    // The build tree (CMake's cache lies one folder up) reads the board-game
    // files it built like an installed program and plays the user's copies,
    // so that playing never changes what the build made.
    if (QFileInfo::exists(beside + QLatin1String("/../") + kBuildTreeMark))
        return {beside, stripTrailingSeparators(QDir::cleanPath(userDataFolder))};
    // Unpacked copies keep everything beside the executable, unless that
    // folder is read-only to this user.
    if (QFileInfo(beside).isWritable())
        return {beside, beside};
    return {beside, stripTrailingSeparators(QDir::cleanPath(userDataFolder))};
}

QString Layout::resolve(const QString& relative) const {
    if (userRoot == dataRoot)
        return resolveUnder(dataRoot, relative);
    if (isFirst(relative, kPlayerFolder)) {
        ensureUserFolder(*this);
        return resolveUnder(userRoot, relative);
    }
    if (isFirst(relative, kBoardFolder)) {
        ensureUserFolder(*this);
        const QString own = resolveUnder(userRoot, relative);
        if (QFileInfo::exists(own))
            return own;
        const QString shipped = resolveUnder(dataRoot, relative);
        return QFileInfo::exists(shipped) ? shipped : own;
    }
    return resolveUnder(dataRoot, relative);
}

QStringList Layout::searchFolders(const QString& relative) const {
    QStringList folders;
    for (const QString& base : {userRoot, dataRoot}) {
        const QString folder = resolveUnder(base, relative);
        if (QFileInfo(folder).isDir() && !folders.contains(folder))
            folders << folder;
    }
    return folders;
}

QString Layout::writableFile(const QString& relative) const {
    const QString found = resolve(relative);
    if (userRoot == dataRoot || !found.startsWith(dataRoot + QLatin1Char('/')))
        return found;
    const QString own = resolveUnder(userRoot, relative);
    if (!QFileInfo(found).isFile())
        return own;
    // QFile::copy writes a temporary file beside the target and renames it,
    // so an interrupted copy never leaves half a file that would hide the
    // shipped one.
    if (!QDir().mkpath(QFileInfo(own).absolutePath()) || !QFile::copy(found, own))
        return QString();
    QFile::setPermissions(own, QFile::permissions(own) | QFileDevice::WriteOwner);
    return own;
}

Layout current() {
    return chooseLayout(qEnvironmentVariable("MORDAVENTA_HOME"), executableFolder(),
                        userDataFolder());
}

QString userDataFolder() {
    // The generic location plus our own name rather than AppDataLocation, so
    // that the game and mordaventa-tool (whose application names differ)
    // agree on one folder.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QLatin1Char('/') + kUserFolderName;
}

QString root() {
    return current().dataRoot;
}

QString userRoot() {
    const Layout layout = current();
    ensureUserFolder(layout);
    return layout.userRoot;
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
    return current().resolve(relative);
}

QStringList searchFolders(const QString& relative) {
    return current().searchFolders(relative);
}

QString writableFile(const QString& relative) {
    return current().writableFile(relative);
}

} // namespace ProgramFolder
