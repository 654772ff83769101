#include "WordListBuilder.h"

#include "shell/clsBinaryEncryptor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace WordListBuilder {

QStringList SourceFiles() {
    QStringList files;
    for (const char* list : {"english-words", "american-words"}) {
        for (const char* size : {"10", "20", "35"})
            files << QStringLiteral("%1.%2").arg(QLatin1String(list), QLatin1String(size));
    }
    return files;
}

QStringList ParseBlocklist(const QString& text) {
    QStringList words;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString word = line.section(QLatin1Char('#'), 0, 0).trimmed();
        if (!word.isEmpty())
            words << word;
    }
    return words;
}

QString EmbeddedBlocklist() {
    QFile file(QStringLiteral(":/wordlist/blocklist.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool CollectWords(const QString& scowlFolder, const QStringList& blocked,
                  std::array<QStringList, ClDictionary::kLevelCount>& words, QString* error) {
    static const QRegularExpression kWord(QStringLiteral("^[a-z]{3,7}$"));
    const QSet<QString> blockedSet(blocked.cbegin(), blocked.cend());
    QSet<QString> seen;
    std::array<QStringList, ClDictionary::kLevelCount> collected;
    for (const QString& name : SourceFiles()) {
        const QString path = QDir(scowlFolder).filePath(name);
        QFile file(path);
        if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
            if (error)
                *error = QStringLiteral("cannot read the SCOWL list %1 (package scowl)").arg(path);
            return false;
        }
        // The lists are UTF-8; only plain a-z words are kept, so proper
        // names, accented words and possessives fall out here.
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        for (QString line : lines) {
            line = line.trimmed();
            if (!kWord.match(line).hasMatch() || blockedSet.contains(line) || seen.contains(line))
                continue;
            seen.insert(line);
            collected[line.size() - ClDictionary::kFirstLevel] << line;
        }
    }
    for (QStringList& list : collected)
        std::sort(list.begin(), list.end());
    words = std::move(collected);
    return true;
}

QString VersionText() {
    return QStringLiteral("Mordaventa word list 1.0 (SCOWL sizes 10-35, 3-7 letters)");
}

bool WriteWordList(const QString& scowlFolder, const QString& destination, QString* error) {
    const QString blocklistText = EmbeddedBlocklist();
    const QStringList blocked = ParseBlocklist(blocklistText);
    if (blocked.isEmpty()) {
        if (error)
            *error = QStringLiteral("the built-in blocklist is missing");
        return false;
    }
    std::array<QStringList, ClDictionary::kLevelCount> words;
    if (!CollectWords(scowlFolder, blocked, words, error))
        return false;
    const QByteArray plain = ClDictionary::ComposePlainText(VersionText(), words);
    const QByteArray scrambled =
        clsBinaryEncryptor::EncryptBytes(plain, QString::fromLatin1(kProgramPassphrase));
    const QFileInfo target(destination);
    if (target.isDir()) {
        if (error)
            *error = QStringLiteral("%1 is a folder").arg(destination);
        return false;
    }
    if (!QDir().mkpath(target.absolutePath())) {
        if (error)
            *error = QStringLiteral("cannot create the folder %1").arg(target.absolutePath());
        return false;
    }
    clsBinaryEncryptor encryptor;
    if (!encryptor.SaveBinaryArray(destination, scrambled)) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(destination);
        return false;
    }
    return true;
}

} // namespace WordListBuilder
