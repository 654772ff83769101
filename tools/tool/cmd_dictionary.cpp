// mordaventa-tool dictionary: build and query the program folder's word list
// (MORDAVENTA_HOME selects another program folder).
#include "ToolCommand.h"

#include "engine/ClDictionary.h"
#include "shell/ProgramFolder.h"
#include "tools/wordlist/WordListBuilder.h"

namespace {

QString wordListPath() {
    return ProgramFolder::resolve(QStringLiteral("\\Dictionary\\dictionary.dic"));
}

int build(const QStringList& arguments) {
    QString scowl = QString::fromLatin1(WordListBuilder::kDefaultScowlFolder);
    if (arguments.size() == 2 && arguments.at(0) == QLatin1String("--scowl"))
        scowl = arguments.at(1);
    else if (!arguments.isEmpty())
        return toolError(QStringLiteral("usage: dictionary build [--scowl FOLDER]"));
    const QString path = wordListPath();
    QString error;
    if (!WordListBuilder::WriteWordList(scowl, path, &error))
        return toolError(error);
    toolPrint(QStringLiteral("wrote %1").arg(path));
    return 0;
}

bool load(ClDictionary& dictionary) {
    QString error;
    if (dictionary.LoadDictionaryFile(wordListPath(), &error))
        return true;
    toolError(error);
    return false;
}

int check(const QStringList& arguments) {
    if (arguments.size() != 2)
        return toolError(QStringLiteral("usage: dictionary check PREFIX LEVEL"));
    bool isNumber = false;
    const int level = arguments.at(1).toInt(&isNumber);
    if (!isNumber || level < ClDictionary::kFirstLevel || level > ClDictionary::kLastLevel)
        return toolError(QStringLiteral("bad level \"%1\": the level is a word length from 3 to 7")
                             .arg(arguments.at(1)));
    ClDictionary dictionary;
    if (!load(dictionary))
        return 1;
    // The game lowercases a pile's letters before asking, so the tool does too.
    const bool found = dictionary.CheckWord(arguments.at(0).toLower(), qint16(level));
    toolPrint(found ? QStringLiteral("True") : QStringLiteral("False"));
    return 0;
}

int stats(const QStringList& arguments) {
    if (!arguments.isEmpty())
        return toolError(QStringLiteral("usage: dictionary stats"));
    ClDictionary dictionary;
    if (!load(dictionary))
        return 1;
    toolPrint(QStringLiteral("version: %1").arg(dictionary.dicversion));
    qsizetype total = 0;
    for (int level = ClDictionary::kFirstLevel; level <= ClDictionary::kLastLevel; ++level) {
        // Element 0 of a list is never searched, so it is not counted.
        const qsizetype count = qMax<qsizetype>(0, dictionary.WordsOfLevel(level).size() - 1);
        total += count;
        toolPrint(QStringLiteral("words of %1 letters: %2").arg(level).arg(count));
    }
    toolPrint(QStringLiteral("words in all: %1").arg(total));
    return 0;
}

int run(const QStringList& arguments) {
    const QString sub = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (sub == QLatin1String("build"))
        return build(rest);
    if (sub == QLatin1String("check"))
        return check(rest);
    if (sub == QLatin1String("stats"))
        return stats(rest);
    return toolError(sub.isEmpty() ? QStringLiteral("dictionary needs build, check or stats")
                                   : QStringLiteral("unknown dictionary command \"%1\"").arg(sub));
}

const ToolCommandRegistration dictionaryCommand{
    QStringLiteral("dictionary"),
    QStringLiteral("dictionary build [--scowl FOLDER] | check PREFIX LEVEL | stats"), &run};

} // namespace
