#include "media/ModuleMultimedia.h"

#include "media/MciInterpreter.h"
#include "media/ShortPath.h"
#include "shell/ProgramFolder.h"

#include <QDir>

#include <cmath>

namespace ModuleMultimedia {

namespace {

// The window style sent with every open (a child window).
const QString kStyle = QStringLiteral("1073741824");

QString result(quint32 error) {
    if (error == MciInterpreter::NoError)
        return QStringLiteral("Success");
    return MciInterpreter::errorString(error).left(MciInterpreter::kMaxErrorLength);
}

// The reply read as a number the way the classic Val does: the leading
// number, 0 when there is none.
double leadingNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    while (end < trimmed.size() &&
           (trimmed[end].isDigit() || trimmed[end] == QLatin1Char('.') ||
            (end == 0 && (trimmed[end] == QLatin1Char('-') || trimmed[end] == QLatin1Char('+')))))
        ++end;
    bool ok = false;
    const double value = trimmed.left(end).toDouble(&ok);
    return ok ? value : 0.0;
}

// Rounds to a 32-bit integer, half to even as the classic conversion does.
qint32 toInt32(double value) {
    const double rounded = std::nearbyint(value);
    if (rounded > 2147483647.0)
        return 2147483647;
    if (rounded < -2147483648.0)
        return -2147483647 - 1;
    return qint32(rounded);
}

qint32 statusNumber(const QString& command) {
    QString reply;
    if (MciInterpreter::instance().sendString(command, &reply) != MciInterpreter::NoError)
        return -1;
    return toInt32(leadingNumber(reply.left(128)));
}

bool isChannel(const QString& channel) {
    const QString lower = channel.toLower();
    return lower == QLatin1String("left") || lower == QLatin1String("right");
}

} // namespace

QString mmOpen(WindowHandle hwnd, const QString& alias, const QString& filePath,
               const QString& deviceType) {
    // A path written below the program folder ("\Sounds\x.wav") is resolved
    // there; an absolute path is taken as it is.
    QString path = filePath;
    if (!QDir::isAbsolutePath(path))
        path = ProgramFolder::resolve(path);
    // Blanks would split the command, so the blank-free alias is sent. A file
    // that does not exist has no short form: the path goes as it is and the
    // command reports the missing file.
    QString shortPath = ShortPath::GetShortPathName(path);
    if (shortPath.isEmpty())
        shortPath = path;
    const QString command = QStringLiteral("open ") + shortPath + QStringLiteral(" type ") +
                            deviceType + QStringLiteral(" Alias ") + alias +
                            QStringLiteral(" parent ") + QString::number(hwnd) +
                            QStringLiteral(" Style ") + kStyle;
    return result(MciInterpreter::instance().sendString(command));
}

QString mmPlay(const QString& alias, const QString& from, const QString& to) {
    const QString first = from.isEmpty() ? QStringLiteral("0") : from;
    const QString last = to.isEmpty() ? QString::number(mmLength(alias)) : to;
    return result(MciInterpreter::instance().sendString(QStringLiteral("play ") + alias +
                                                        QStringLiteral(" from ") + first +
                                                        QStringLiteral(" to ") + last));
}

QString mmClose(const QString& alias) {
    return result(MciInterpreter::instance().sendString(QStringLiteral("Close ") + alias));
}

QString mmCloseAll() {
    return result(MciInterpreter::instance().sendString(QStringLiteral("Close All")));
}

qint32 mmLength(const QString& alias) {
    MciInterpreter::instance().sendString(QStringLiteral("set ") + alias +
                                          QStringLiteral(" time format frames"));
    return statusNumber(QStringLiteral("status ") + alias + QStringLiteral(" length"));
}

qint32 mmPosition(const QString& alias) {
    return statusNumber(QStringLiteral("status ") + alias + QStringLiteral(" position"));
}

QString mmSetVolume(const QString& alias, const QString& channel, int volume) {
    if (volume < 0 || volume > 100)
        return QStringLiteral("out of volume");
    const QString level = QString::number(volume * 10);
    const QString command =
        isChannel(channel)
            ? QStringLiteral("setaudio ") + alias + QLatin1Char(' ') + channel +
                  QStringLiteral(" Volume to ") + level
            : QStringLiteral("setaudio ") + alias + QStringLiteral(" Volume to ") + level;
    return result(MciInterpreter::instance().sendString(command));
}

int mmGetVolume(const QString& alias, const QString& channel) {
    const QString command = isChannel(channel)
                                ? QStringLiteral("status ") + alias + QLatin1Char(' ') + channel +
                                      QStringLiteral(" Volume")
                                : QStringLiteral("status ") + alias + QStringLiteral(" Volume");
    QString reply;
    if (MciInterpreter::instance().sendString(command, &reply) != MciInterpreter::NoError)
        return -1;
    return toInt32(leadingNumber(reply.left(128)) / 10.0);
}

bool mmEndTest(const QString& alias, qint32& length) {
    if (length == 0)
        length = mmLength(alias);
    const qint32 position = mmPosition(alias);
    if (length == -1 || position == -1)
        return false;
    return position >= length - 1;
}

void PlaySoundEffect(WindowHandle hwnd, const QString& relativeFile, int volume) {
    const QString alias = QStringLiteral("wavSounds");
    mmClose(alias);
    mmOpen(hwnd, alias, relativeFile);
    if (volume >= 0)
        mmSetVolume(alias, QStringLiteral("all"), volume);
    mmPlay(alias);
}

} // namespace ModuleMultimedia
