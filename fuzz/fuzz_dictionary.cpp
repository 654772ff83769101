// The word-list loader: the input is a word list's plain text, loaded as it
// is and, scrambled, from a file as the game loads Dictionary/dictionary.dic.
// Every search of a loaded list must answer as a walk over its entries does.
#include "FuzzInput.h"

#include "engine/ClDictionary.h"
#include "shell/clsBinaryEncryptor.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

bool walkFinds(const QStringList& entries, const QString& word) {
    for (qsizetype i = 1; i < entries.size(); ++i) {
        if (ClDictionary::EntryBeginsLike(entries.at(i), word))
            return true;
    }
    return false;
}

// Searches for words made of the input's first characters, jokers between.
void expectSearchesMatchWalk(const ClDictionary& dictionary, const QString& text) {
    for (int level = ClDictionary::kFirstLevel; level <= ClDictionary::kLastLevel; ++level) {
        const QStringList& entries = dictionary.WordsOfLevel(level);
        if (entries.size() > 200)
            continue; // the walk would cost more than the search being checked
        for (qsizetype length = 1; length <= qMin<qsizetype>(level, text.size()); ++length) {
            QString word = text.left(length);
            FUZZ_EXPECT(dictionary.CheckWord(word, qint16(level)) == walkFinds(entries, word));
            word[0] = QLatin1Char('*');
            FUZZ_EXPECT(dictionary.CheckWord(word, qint16(level)) == walkFinds(entries, word));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("dictionary.dic"));
    const QByteArray plain = inputBytes(data, size);

    ClDictionary fromText;
    if (fromText.LoadPlainText(plain))
        expectSearchesMatchWalk(fromText, QString::fromLatin1(plain.left(8)));

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(clsBinaryEncryptor::EncryptBytes(plain, QString::fromLatin1(kProgramPassphrase)));
    file.close();
    ClDictionary fromFile;
    QString error;
    if (fromFile.LoadDictionaryFile(path, &error)) {
        FUZZ_EXPECT(fromText.DicLoaded);
        expectSearchesMatchWalk(fromFile, QString::fromLatin1(plain.left(8)));
    } else {
        FUZZ_EXPECT(!error.isEmpty());
    }
    return 0;
}
